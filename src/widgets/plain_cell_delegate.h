// An item delegate for cells of plain single-line text that change often: it draws a cell's text
// as one line at the place the style's own item painting puts it, without the style's general
// text layout (which lays every cell out twice to find where lines break and what to elide).
// Cells it cannot draw the same way (an icon, a check box, the focus frame, several lines,
// word wrap or elision, right-to-left text) go to the style as usual. Where a paint repaints only
// the end of a cell, as a countdown's seconds do, only the words it reaches are laid out again.
#pragma once

#include <QHash>
#include <QRegion>
#include <QStaticText>
#include <QStyledItemDelegate>

#include <optional>
#include <string>
#include <utility>

class QAbstractItemView;

namespace vz {

class PlainCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Draws cells of `view`, and learns from its viewport what each paint repaints.
    explicit PlainCellDelegate(QAbstractItemView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The part of a cell of the view (the delegate's parent) that looks different when its text
    // goes from `before` to `after`, in the viewport's coordinates: from where the two texts
    // part to the cell's right edge, so a countdown's seconds repaint only themselves. Empty
    // when the change lies past the edge, out of sight; nullopt when it cannot be told (the
    // whole cell then).
    std::optional<QRect> changedPart(const QModelIndex& index, const std::string& before,
                                     const std::string& after) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each cell's text before its last change point, and that text's width. A repaint of the
    // change reaches back into the lead's last word at most, so the text before that word (the
    // kept part) need not be drawn again; it is measured when a paint first leaves it out.
    struct Lead {
        std::string text;
        qreal width = 0;
        QString kept;
        QFont keptFont;
        qreal keptWidth = -1; // not measured yet
        qreal keptInkRight = 0;
        QChar keptNext;
        bool joinsNext = true;
    };
    // An end of a line laid out once, and where its ink lies from its start on the baseline.
    struct LaidOut {
        QStaticText text;
        QRectF ink;
    };
    // What a paint that reaches only the end of a cell draws of its line: the words from `at`
    // (on the baseline), from a kept layout where there is one.
    struct ChangedEnd {
        QPointF at;
        QString text;
        const LaidOut* laidOut = nullptr;
        bool inside = false; // what the paint's region reaches of its ink lies inside the cell
    };
    // The end of the line to draw when the painter's region reaches only that; none when all of
    // it must be drawn.
    std::optional<ChangedEnd> changedEnd(const QPainter* painter, const QModelIndex& index,
                                         const QRect& cell, const QPointF& origin,
                                         const QString& text) const;

    mutable QHash<std::pair<int, int>, Lead> m_leads;
    mutable QFont m_leadFont;                // the font the leads were measured in
    mutable QHash<QString, LaidOut> m_tails; // ends of lines laid out, for m_tailFont
    mutable QFont m_tailFont;
    QRegion m_painting; // what the viewport's paint under way repaints
};

} // namespace vz
