#include "widgets/splitter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace vz {

namespace {

QRect toQRect(const SplitRect& r) {
    return {r.left, r.top, r.width, r.height};
}

// Draws its rectangle inverted over whatever lies beneath it: the bar that follows the mouse.
class InvertedBar final : public QWidget {
public:
    explicit InvertedBar(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(rect(), Qt::white);
    }
};

// The topmost descendant under a point that carries a hint, drawn controls included.
QString hintAt(QWidget* pane, QPoint at) {
    const QObjectList& children = pane->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (!child || !child->isVisible() || !child->geometry().contains(at))
            continue;
        if (!child->toolTip().isEmpty())
            return child->toolTip();
    }
    return pane->toolTip();
}

} // namespace

TVzSection::TVzSection(TVzSplitter* splitter, int tag)
    : QWidget(splitter), m_splitter(splitter), m_tag(tag) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setMouseTracking(true);
}

void TVzSection::mousePressEvent(QMouseEvent* event) {
    m_splitter->splitterMousePress(mapTo(m_splitter, event->position().toPoint()), event->button(),
                                   m_tag);
}

void TVzSection::mouseMoveEvent(QMouseEvent* event) {
    m_splitter->splitterMouseMove(mapTo(m_splitter, event->position().toPoint()), event->buttons());
}

void TVzSection::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    m_splitter->splitterMouseRelease(mapTo(m_splitter, at), rect().contains(at) ? m_tag : 0);
}

bool TVzSection::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt(this, help->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

TVzSplitter::TVzSplitter(QWidget* parent)
    : QWidget(parent), m_sections{new TVzSection(this, 1), new TVzSection(this, 2)},
      m_invertedBar(new InvertedBar(this)) {
    m_splitterColor = palette().color(QPalette::WindowText);
    setMouseTracking(true);
    resize(200, 100);
    PositionSections();
}

SplitterGeometry TVzSplitter::geometry() const {
    return {width(), height(), m_margin, m_splitterSize, m_orientation, m_ctl3D};
}

void TVzSplitter::setPosition(int value) {
    m_position = ClampPosition(geometry(), value);
    PositionSections();
    update();
    RaiseResize();
}

void TVzSplitter::setOrientation(TSplitterOrientation value) {
    if (value == m_orientation)
        return;
    m_orientation = value;
    m_position = ClampPosition(geometry(), m_position);
    PositionSections();
    update();
}

void TVzSplitter::setMargin(int value) {
    if (value == m_margin || value < 0 || !marginFits(geometry(), value))
        return;
    m_margin = value;
    m_position = ClampPosition(geometry(), m_position);
    PositionSections();
    update();
}

void TVzSplitter::setSplitterSize(int value) {
    if (value == m_splitterSize)
        return;
    m_splitterSize = value;
    PositionSections();
    update();
}

void TVzSplitter::setSplitterColor(const QColor& value) {
    if (value == m_splitterColor)
        return;
    m_splitterColor = value;
    update();
}

void TVzSplitter::setCtl3D(bool value) {
    if (value == m_ctl3D)
        return;
    m_ctl3D = value;
    PositionSections();
    update();
}

void TVzSplitter::PositionSections() {
    const SplitterPanes panes = vz::PositionSections(geometry(), m_position);
    m_sections[0]->setGeometry(toQRect(panes.section1));
    m_sections[1]->setGeometry(toQRect(panes.section2));
}

void TVzSplitter::resizeEvent(QResizeEvent*) {
    PositionSections();
}

void TVzSplitter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const SplitterGeometry g = geometry();
    const QColor face = palette().color(QPalette::Button);
    if (m_margin > 0) {
        const int m = m_margin, w = width(), h = height();
        painter.fillRect(0, 0, m, h, face);
        painter.fillRect(w - m, 0, m, h, face);
        painter.fillRect(m, 0, w - 2 * m, m, face);
        painter.fillRect(m, h - m, w - 2 * m, m, face);
    }
    const QRect bar = toQRect(barRect(g, m_position));
    if (!m_ctl3D) {
        painter.fillRect(bar, m_splitterColor);
        return;
    }
    for (const FrameLine& line : frameLines(g, m_position)) {
        QColor colour = Qt::black;
        if (line.colour == FrameColour::Highlight)
            colour = palette().color(QPalette::Light);
        else if (line.colour == FrameColour::Shadow)
            colour = palette().color(QPalette::Dark);
        // Filled, not stroked: a pen's line is centred on the pixel edge and at a scaled
        // resolution lands half a pixel off, leaving a gap or vanishing.
        painter.fillRect(toQRect(lineRect(line)), colour);
    }
    painter.fillRect(bar, face);
}

void TVzSplitter::updateBarHit(QPoint at) {
    setBarHit(inBarZone(geometry(), m_position, at.x(), at.y()) && m_allowResize);
}

void TVzSplitter::setBarHit(bool hit) {
    if (hit == FBarHit)
        return;
    FBarHit = hit;
    const Qt::CursorShape shape =
        m_orientation == TSplitterOrientation::soHorizontal ? Qt::SplitVCursor : Qt::SplitHCursor;
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_sections[0]),
                       static_cast<QWidget*>(m_sections[1])}) {
        if (hit)
            w->setCursor(shape);
        else
            w->unsetCursor();
    }
}

void TVzSplitter::drawDragBar(int x, int y) {
    const SplitterGeometry g = geometry();
    if (m_autoUpdate && x >= 0 && y >= 0) {
        update(toQRect(barArea(g, m_position)));
        m_position = ClampPosition(g, g.along(x, y));
        update(toQRect(barArea(g, m_position)));
        return;
    }
    m_invertedBar->hide();
    FLastX = x;
    FLastY = y;
    if (!FBarHit)
        return;
    m_position = ClampPosition(g, g.along(x, y));
    if (m_orientation == TSplitterOrientation::soHorizontal)
        FLastY = m_position;
    else
        FLastX = m_position;
    m_invertedBar->setGeometry(toQRect(invertedBar(g, m_position)));
    m_invertedBar->raise();
    m_invertedBar->show();
}

void TVzSplitter::splitterMousePress(QPoint at, Qt::MouseButton button, int section) {
    updateBarHit(at);
    m_pressedSection = FBarHit ? 0 : section;
    if (FBarHit && button == Qt::LeftButton)
        drawDragBar(at.x(), at.y());
}

void TVzSplitter::splitterMouseMove(QPoint at, Qt::MouseButtons buttons) {
    if (buttons == Qt::NoButton) {
        updateBarHit(at);
        return;
    }
    if (!FBarHit || !(buttons & Qt::LeftButton) ||
        !dragPositionCounts(geometry(), m_position, at.x(), at.y()))
        return;
    drawDragBar(at.x(), at.y());
    if (m_autoUpdate)
        PositionSections();
}

void TVzSplitter::splitterMouseRelease(QPoint at, int section) {
    if (FBarHit) {
        setBarHit(false);
        drawDragBar(-1, -1);
        PositionSections();
        update();
        RaiseResize();
        updateBarHit(at);
    } else if (section != 0 && section == m_pressedSection) {
        emit sectionClicked(section);
    }
    m_pressedSection = 0;
}

void TVzSplitter::mousePressEvent(QMouseEvent* event) {
    splitterMousePress(event->position().toPoint(), event->button(), 0);
}

void TVzSplitter::mouseMoveEvent(QMouseEvent* event) {
    splitterMouseMove(event->position().toPoint(), event->buttons());
}

void TVzSplitter::mouseReleaseEvent(QMouseEvent* event) {
    splitterMouseRelease(event->position().toPoint(), 0);
}

} // namespace vz
