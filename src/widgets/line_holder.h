// Holds one widget that always fills it. A status bar lays its items out again each time one
// of them changes its size hint, as a label does with every new text; a line rewritten every
// second sits in a holder instead, whose own hint never changes, so a new text only repaints it.
#pragma once

#include <QWidget>

namespace vz {

class LineHolder : public QWidget {
public:
    // Takes the line as its child.
    explicit LineHolder(QWidget* line, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_line;
};

} // namespace vz
