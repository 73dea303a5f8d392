// An item delegate for cells of plain single-line text that change often: it draws a cell's text
// as one line at the place the style's own item painting puts it, without the style's general
// text layout (which lays every cell out twice to find where lines break and what to elide).
// Cells it cannot draw the same way (an icon, a check box, the focus frame, several lines,
// word wrap or elision, right-to-left text) go to the style as usual.
#pragma once

#include <QStyledItemDelegate>

namespace vz {

class PlainCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace vz
