#include "widgets/line_holder.h"

namespace vz {

LineHolder::LineHolder(QWidget* line, QWidget* parent) : QWidget(parent), m_line(line) {
    // Whatever width the layout has left; the line's text does not widen it.
    setSizePolicy(QSizePolicy::Ignored, line->sizePolicy().verticalPolicy());
    line->setParent(this);
    line->move(0, 0);
}

void LineHolder::resizeEvent(QResizeEvent* event) {
    m_line->setGeometry(rect());
    QWidget::resizeEvent(event);
}

} // namespace vz
