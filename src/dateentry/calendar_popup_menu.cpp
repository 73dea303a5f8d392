#include "dateentry/calendar_popup_menu.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionMenuItem>

namespace vz {

QStyleOptionMenuItem calendarMenuItemOption(const QWidget* w, const CalendarMenuItem& item,
                                            bool highlighted) {
    QStyleOptionMenuItem opt;
    opt.initFrom(w);
    opt.font = w->font();
    opt.fontMetrics = w->fontMetrics();
    opt.text = QString::fromStdString(item.caption);
    opt.menuItemType =
        item.separator ? QStyleOptionMenuItem::Separator : QStyleOptionMenuItem::Normal;
    // The current month or year carries a check mark (the style's exclusive kind would draw a
    // round bullet); the others carry nothing, though the check column stays for all of them.
    opt.checkType =
        item.checked ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
    opt.checked = item.checked;
    opt.menuHasCheckableItems = true;
    opt.maxIconWidth = 0;
    opt.reservedShortcutWidth = 0;
    opt.state = QStyle::State_None;
    if (item.enabled && !item.separator)
        opt.state |= QStyle::State_Enabled;
    if (highlighted)
        opt.state |= QStyle::State_Selected;
    return opt;
}

TCalendarPopupMenu::TCalendarPopupMenu(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint) {
    setMouseTracking(true);
    // Keys reach a pop-up without focus; taking it on a click would close the calendar.
    setFocusPolicy(Qt::NoFocus);
}

void TCalendarPopupMenu::setItems(std::vector<CalendarMenuItem> items) {
    m_items = std::move(items);
    m_highlight = -1;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].checked)
            m_highlight = static_cast<int>(i);
    layoutItems();
    update();
}

void TCalendarPopupMenu::layoutItems() {
    const int frame = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this) + 1;
    m_rects.assign(m_items.size(), QRect());
    // Columns first, then each column as wide as its widest item.
    std::vector<std::vector<std::size_t>> columns(1);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].columnBreak && !columns.back().empty())
            columns.emplace_back();
        columns.back().push_back(i);
    }
    int x = frame;
    int height = 0;
    for (const auto& column : columns) {
        int width = 0;
        std::vector<QSize> sizes;
        for (const std::size_t i : column) {
            const QStyleOptionMenuItem opt = calendarMenuItemOption(this, m_items[i], false);
            const QSize text(fontMetrics().horizontalAdvance(opt.text), fontMetrics().height());
            sizes.push_back(style()->sizeFromContents(QStyle::CT_MenuItem, &opt, text, this));
            width = std::max(width, sizes.back().width());
        }
        int y = frame;
        for (std::size_t k = 0; k < column.size(); ++k) {
            m_rects[column[k]] = QRect(x, y, width, sizes[k].height());
            y += sizes[k].height();
        }
        height = std::max(height, y);
        x += width;
    }
    m_size = QSize(x + frame, height + frame);
    resize(m_size);
}

QSize TCalendarPopupMenu::sizeHint() const {
    return m_size;
}

int TCalendarPopupMenu::itemAt(QPoint pos) const {
    for (std::size_t i = 0; i < m_rects.size(); ++i)
        if (m_rects[i].contains(pos))
            return static_cast<int>(i);
    return -1;
}

QRect TCalendarPopupMenu::itemRect(int index) const {
    return index >= 0 && index < static_cast<int>(m_rects.size())
               ? m_rects[static_cast<std::size_t>(index)]
               : QRect();
}

int TCalendarPopupMenu::popup(QPoint at, bool alignRight) {
    if (m_showing)
        return -1;
    QPoint topLeft = alignRight ? at - QPoint(m_size.width(), 0) : at;
    if (const QScreen* screen = QGuiApplication::screenAt(at)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), area.right() - m_size.width()));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), area.bottom() - m_size.height()));
    }
    move(topLeft);
    m_chosen = -1;
    m_showing = true;
    QEventLoop loop;
    m_loop = &loop;
    show();
    loop.exec();
    m_loop = nullptr;
    m_showing = false;
    return m_chosen;
}

void TCalendarPopupMenu::choose(int index) {
    if (index < 0 || !m_items[static_cast<std::size_t>(index)].enabled)
        return;
    m_chosen = index;
    close();
}

void TCalendarPopupMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOption frame;
    frame.initFrom(this);
    p.fillRect(rect(), palette().window());
    style()->drawPrimitive(QStyle::PE_FrameMenu, &frame, &p, this);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        QStyleOptionMenuItem opt =
            calendarMenuItemOption(this, m_items[i], static_cast<int>(i) == m_highlight);
        opt.rect = m_rects[i];
        style()->drawControl(QStyle::CE_MenuItem, &opt, &p, this);
    }
}

void TCalendarPopupMenu::mouseMoveEvent(QMouseEvent* event) {
    const int index = itemAt(event->position().toPoint());
    if (index != m_highlight && (index < 0 || m_items[static_cast<std::size_t>(index)].enabled)) {
        m_highlight = index;
        update();
    }
}

void TCalendarPopupMenu::mousePressEvent(QMouseEvent* event) {
    // A press outside closes the menu (the pop-up behaviour of QWidget).
    if (!rect().contains(event->position().toPoint()))
        QWidget::mousePressEvent(event);
}

void TCalendarPopupMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        choose(itemAt(event->position().toPoint()));
}

void TCalendarPopupMenu::moveHighlight(int rowStep, int columnStep) {
    const int n = static_cast<int>(m_items.size());
    if (n == 0)
        return;
    int index = m_highlight;
    if (columnStep != 0 && index >= 0) {
        // The enabled item nearest to the side in the neighbouring column.
        const QRect from = m_rects[static_cast<std::size_t>(index)];
        int best = -1;
        for (int i = 0; i < n; ++i) {
            const QRect r = m_rects[static_cast<std::size_t>(i)];
            const bool side = columnStep > 0 ? r.left() >= from.right() : r.right() <= from.left();
            if (side && m_items[static_cast<std::size_t>(i)].enabled && r.top() <= from.top() &&
                r.bottom() >= from.top()) {
                if (best < 0 ||
                    std::abs(r.left() - from.left()) <
                        std::abs(m_rects[static_cast<std::size_t>(best)].left() - from.left()))
                    best = i;
            }
        }
        if (best >= 0)
            m_highlight = best;
        update();
        return;
    }
    for (int tries = 0; tries < n; ++tries) {
        index = index < 0 ? (rowStep > 0 ? 0 : n - 1) : (index + rowStep + n) % n;
        if (m_items[static_cast<std::size_t>(index)].enabled &&
            !m_items[static_cast<std::size_t>(index)].separator) {
            m_highlight = index;
            break;
        }
    }
    update();
}

void TCalendarPopupMenu::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        moveHighlight(-1, 0);
        break;
    case Qt::Key_Down:
        moveHighlight(+1, 0);
        break;
    case Qt::Key_Left:
        moveHighlight(0, -1);
        break;
    case Qt::Key_Right:
        moveHighlight(0, +1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        choose(m_highlight);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        break;
    }
}

void TCalendarPopupMenu::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_loop)
        m_loop->quit();
}

} // namespace vz
