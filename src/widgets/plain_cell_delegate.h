// An item delegate for cells of plain single-line text that change often: it draws a cell's text
// as one line at the place the style's own item painting puts it, without the style's general
// text layout (which lays every cell out twice to find where lines break and what to elide).
// Cells it cannot draw the same way (an icon, a check box, the focus frame, several lines,
// word wrap or elision, right-to-left text) go to the style as usual.
#pragma once

#include <QHash>
#include <QStyledItemDelegate>

#include <optional>
#include <string>
#include <utility>

namespace vz {

class PlainCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The part of a cell of the view (the delegate's parent) that looks different when its text
    // goes from `before` to `after`, in the viewport's coordinates: from where the two texts
    // part to the cell's right edge, so a countdown's seconds repaint only themselves. Empty
    // when the change lies past the edge, out of sight; nullopt when it cannot be told (the
    // whole cell then).
    std::optional<QRect> changedPart(const QModelIndex& index, const std::string& before,
                                     const std::string& after) const;

private:
    // Each cell's text before its last change point, and that text's width.
    struct Lead {
        std::string text;
        qreal width = 0;
    };
    mutable QHash<std::pair<int, int>, Lead> m_leads;
};

} // namespace vz
