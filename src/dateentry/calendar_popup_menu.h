// The calendar title's drop-down menus (months, years): a pop-up list of checkable items laid out
// in columns, that knows while it is on the screen so that other code can ask.
#pragma once

#include "dateentry/calendar_math.h"

#include <QWidget>

#include <vector>

class QEventLoop;
class QStyleOptionMenuItem;

namespace vz {

// How the style is asked to draw one item of the menu: checkable, the checked one with a
// check mark.
QStyleOptionMenuItem calendarMenuItemOption(const QWidget* menu, const CalendarMenuItem& item,
                                            bool highlighted);

class TCalendarPopupMenu final : public QWidget {
public:
    explicit TCalendarPopupMenu(QWidget* parent);

    void setItems(std::vector<CalendarMenuItem> items);
    const std::vector<CalendarMenuItem>& items() const { return m_items; }
    // Shows the menu with its top-left corner (top-right with alignRight) at a screen point and
    // returns when it closes: the chosen item's index, or -1.
    int popup(QPoint at, bool alignRight);
    bool isShowing() const { return m_showing; }
    // The item under a point of the menu, or -1.
    int itemAt(QPoint pos) const;
    QRect itemRect(int index) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void layoutItems();
    void moveHighlight(int rowStep, int columnStep);
    void choose(int index);

    std::vector<CalendarMenuItem> m_items;
    std::vector<QRect> m_rects;
    QSize m_size;
    int m_highlight = -1;
    int m_chosen = -1;
    bool m_showing = false;
    QEventLoop* m_loop = nullptr;
};

} // namespace vz
