// A container split into two panes by a bar the user drags.
#pragma once

#include "widgets/splitter_layout.h"

#include <QColor>
#include <QWidget>

namespace vz {

class TVzSplitter;

// One pane. Mouse input on its own surface (and on the drawn, mouse-transparent controls placed
// on it) belongs to the splitter; its real child controls receive their own.
class TVzSection : public QWidget {
    Q_OBJECT
public:
    TVzSection(TVzSplitter* splitter, int tag);
    int tag() const { return m_tag; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    TVzSplitter* m_splitter;
    int m_tag;
};

class TVzSplitter : public QWidget {
    Q_OBJECT
public:
    explicit TVzSplitter(QWidget* parent = nullptr);

    TVzSection* section1() const { return m_sections[0]; }
    TVzSection* section2() const { return m_sections[1]; }

    int Position() const { return m_position; }
    void setPosition(int value);
    TSplitterOrientation Orientation() const { return m_orientation; }
    void setOrientation(TSplitterOrientation value);
    int Margin() const { return m_margin; }
    void setMargin(int value);
    int SplitterSize() const { return m_splitterSize; }
    void setSplitterSize(int value);
    QColor SplitterColor() const { return m_splitterColor; }
    void setSplitterColor(const QColor& value);
    bool Ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool value);
    bool AllowResize() const { return m_allowResize; }
    void setAllowResize(bool value) { m_allowResize = value; }
    bool AutoUpdate() const { return m_autoUpdate; }
    void setAutoUpdate(bool value) { m_autoUpdate = value; }

    QSize sizeHint() const override { return {200, 100}; }

    // Mouse input in splitter coordinates, from the splitter itself or one of its panes.
    void splitterMousePress(QPoint at, Qt::MouseButton button, int section);
    void splitterMouseMove(QPoint at, Qt::MouseButtons buttons);
    void splitterMouseRelease(QPoint at, int section);

signals:
    // OnResize: the bar has moved.
    void resized();
    // A click (press and release) on a pane's own surface, away from the bar.
    void sectionClicked(int section);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    SplitterGeometry geometry() const;
    void PositionSections();
    void RaiseResize() { emit resized(); }
    void drawDragBar(int x, int y);
    void updateBarHit(QPoint at);
    void setBarHit(bool hit);

    TVzSection* m_sections[2];
    QWidget* m_invertedBar;
    int m_position = 100;
    TSplitterOrientation m_orientation = TSplitterOrientation::soVertical;
    int m_margin = 0;
    int m_splitterSize = 3;
    QColor m_splitterColor;
    bool m_ctl3D = true;
    bool m_allowResize = true;
    bool m_autoUpdate = false;
    bool FBarHit = false;
    int FLastX = -1;
    int FLastY = -1;
    int m_pressedSection = 0;
};

} // namespace vz
