#include "widgets/plain_cell_delegate.h"

#include "widgets/cell_change.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace vz {

namespace {

// The cell can be drawn as one line of text over the style's item background.
bool isPlainLine(const QStyleOptionViewItem& option, const QModelIndex& index, QString& text) {
    if (option.state & (QStyle::State_HasFocus | QStyle::State_Editing))
        return false;
    if (option.direction != Qt::LeftToRight || option.features & QStyleOptionViewItem::WrapText)
        return false;
    if (option.textElideMode != Qt::ElideNone)
        return false;
    const QVariant display = index.data(Qt::DisplayRole);
    if (display.typeId() != QMetaType::QString)
        return false;
    text = display.toString();
    if (text.contains(QLatin1Char('\n')) || text.contains(QChar::LineSeparator) ||
        text.isRightToLeft())
        return false;
    // Whatever else the model gives a cell the style draws.
    for (const int role : {Qt::DecorationRole, Qt::CheckStateRole, Qt::FontRole,
                           Qt::TextAlignmentRole, Qt::ForegroundRole, Qt::BackgroundRole})
        if (index.data(role).isValid())
            return false;
    return true;
}

bool hasRightToLeft(QStringView text) {
    for (const QChar c : text)
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            break;
        }
    return false;
}

} // namespace

std::optional<QRect> PlainCellDelegate::changedPart(const QModelIndex& index,
                                                    const std::string& before,
                                                    const std::string& after) const {
    const auto* view = qobject_cast<const QAbstractItemView*>(parent());
    if (!view || view->layoutDirection() != Qt::LeftToRight)
        return std::nullopt;
    const std::size_t start = changedFrom(before, after);
    if (start == 0 || after.find('\n') != std::string::npos ||
        view->itemDelegateForIndex(index) != this)
        return std::nullopt;
    // Only text beyond ASCII can run right to left.
    const bool ascii = std::all_of(after.begin(), after.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii && hasRightToLeft(QString::fromStdString(after)))
        return std::nullopt;
    Lead& lead = m_leads[{index.row(), index.column()}];
    const QFontMetricsF metrics(view->font());
    if (lead.text.compare(0, std::string::npos, before, 0, start) != 0) {
        lead.text.assign(before, 0, start);
        lead.width = metrics.horizontalAdvance(QString::fromStdString(lead.text));
    }
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    // Room for the changed word's first glyph reaching left of its place (its bearing, kerning
    // with the blank before it, rounding).
    const int slack = std::max(3, qCeil(metrics.height() / 4));
    const QRect cell = view->visualRect(index);
    const int from = std::max(cell.x(), cell.x() + margin + qFloor(lead.width) - slack);
    if (from > cell.right())
        return QRect();
    return QRect(QPoint(from, cell.top()), cell.bottomRight());
}

void PlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QString text;
    if (!isPlainLine(option, index, text)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionViewItem cell = option;
    cell.text = text;
    cell.features |= QStyleOptionViewItem::HasDisplay;
    painter->save();
    painter->setClipRect(cell.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
    if (!text.isEmpty()) {
        QPalette::ColorGroup group =
            cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(cell.state & QStyle::State_Active))
            group = QPalette::Inactive;
        painter->setPen(cell.palette.color(group, cell.state & QStyle::State_Selected
                                                      ? QPalette::HighlightedText
                                                      : QPalette::Text));
        painter->setFont(cell.font);
        // The style's place for a line: inside the focus frame's margin, and centred as whole
        // pixels are (half the cell's height less half the line's, each rounded down).
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QFontMetricsF metrics(cell.font);
        const int lineHeight = qCeil(metrics.ascent() + metrics.descent());
        const int top = cell.rect.y() + cell.rect.height() / 2 - lineHeight / 2;
        painter->drawText(QPointF(cell.rect.x() + margin, top + metrics.ascent()), text);
    }
    painter->restore();
}

} // namespace vz
