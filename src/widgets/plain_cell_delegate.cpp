#include "widgets/plain_cell_delegate.h"

#include "widgets/cell_change.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

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

PlainCellDelegate::PlainCellDelegate(QAbstractItemView* view) : QStyledItemDelegate(view) {
    view->viewport()->installEventFilter(this);
}

bool PlainCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint &&
        watched == static_cast<QAbstractItemView*>(parent())->viewport())
        m_painting = static_cast<QPaintEvent*>(event)->region();
    return QStyledItemDelegate::eventFilter(watched, event);
}

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
    // Widths measured in another font say nothing of this one's.
    if (view->font() != m_leadFont) {
        m_leads.clear();
        m_leadFont = view->font();
    }
    Lead& lead = m_leads[{index.row(), index.column()}];
    const QFontMetricsF metrics(view->font());
    if (lead.text.compare(0, std::string::npos, before, 0, start) != 0) {
        lead.text.assign(before, 0, start);
        lead.width = metrics.horizontalAdvance(QString::fromStdString(lead.text));
        lead.kept = QString::fromStdString(lead.text.substr(0, lastWordStart(lead.text)));
        lead.keptWidth = -1;
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
    painter->setFont(cell.font);
    // The style's place for a line: inside the focus frame's margin, and centred as whole
    // pixels are (half the cell's height less half the line's, each rounded down).
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QFontMetricsF metrics(cell.font);
    const int lineHeight = qCeil(metrics.ascent() + metrics.descent());
    const int top = cell.rect.y() + cell.rect.height() / 2 - lineHeight / 2;
    const QPointF origin(cell.rect.x() + margin, top + metrics.ascent());
    const std::optional<ChangedEnd> end =
        text.isEmpty() ? std::nullopt : changedEnd(painter, index, cell.rect, origin, text);
    // A clip to the cell makes the painter build a mask the window's height for every cell it
    // draws; it is left out where nothing the paint reaches can leave the cell.
    if (!end || !end->inside)
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
        if (!end)
            painter->drawText(origin, text);
        else if (end->laidOut)
            painter->drawStaticText(QPointF(end->at.x(), top), end->laidOut->text);
        else
            painter->drawText(end->at, end->text);
    }
    painter->restore();
}

std::optional<PlainCellDelegate::ChangedEnd>
PlainCellDelegate::changedEnd(const QPainter* painter, const QModelIndex& index, const QRect& cell,
                              const QPointF& origin, const QString& text) const {
    const auto found = m_leads.find({index.row(), index.column()});
    if (found == m_leads.end())
        return std::nullopt;
    Lead& lead = *found;
    const qsizetype keptLength = lead.kept.size();
    if (keptLength == 0 || keptLength >= text.size() || !text.startsWith(lead.kept))
        return std::nullopt;
    const QFont& font = painter->font();
    const QChar next = text[keptLength];
    if (lead.keptWidth < 0 || lead.keptFont != font || lead.keptNext != next) {
        const QFontMetricsF metrics(font);
        lead.keptFont = font;
        lead.keptWidth = metrics.horizontalAdvance(lead.kept);
        lead.keptInkRight = metrics.tightBoundingRect(lead.kept).right();
        lead.keptNext = next;
        // The next word is shaped apart from the kept text only where nothing joins them: a
        // letter or digit after a blank, the pair no narrower or wider than its two parts.
        const QChar pair[] = {lead.kept.back(), next};
        lead.joinsNext = !next.isLetterOrNumber() ||
                         metrics.horizontalAdvance(QString(pair, 2)) !=
                             metrics.horizontalAdvance(pair[0]) + metrics.horizontalAdvance(next);
    }
    // The kept glyphs' ink, with a pixel either side for the rasterizer's rounding, must lie
    // wholly left of what is being painted.
    const auto* view = static_cast<const QAbstractItemView*>(parent());
    if (lead.joinsNext || painter->device() != view->viewport())
        return std::nullopt;
    const QRect painted = (m_painting & cell).boundingRect();
    if (painted.isEmpty() || origin.x() + lead.keptInkRight + 2 > painted.left())
        return std::nullopt;
    ChangedEnd end{QPointF(origin.x() + lead.keptWidth, origin.y()), text.mid(keptLength)};
    // The ends of countdowns repeat from row to row and minute to minute, so each is laid out
    // once and kept. A kept layout lands on the very pixels of the line's own only where the
    // scale to the device is whole, and its top is the line's only in the cell's own font,
    // which holds every ASCII letter.
    const QTransform toDevice = painter->deviceTransform();
    const bool wholeScale = toDevice.type() <= QTransform::TxScale &&
                            toDevice.m11() == toDevice.m22() &&
                            toDevice.m11() == std::round(toDevice.m11());
    const bool ascii =
        std::all_of(end.text.begin(), end.text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!wholeScale || !ascii)
        return end;
    if (font != m_tailFont || m_tails.size() > 128) {
        m_tails.clear();
        m_tailFont = font;
    }
    auto laidOut = m_tails.find(end.text);
    if (laidOut == m_tails.end()) {
        laidOut = m_tails.insert(end.text, {QStaticText(end.text), {}});
        laidOut->text.setTextFormat(Qt::PlainText);
        laidOut->text.prepare(painter->transform(), font);
        laidOut->ink = QFontMetricsF(font).tightBoundingRect(end.text);
    }
    end.laidOut = &*laidOut;
    // Ink past the cell's edge (a text the column cuts off) is left undrawn by the paint's own
    // region where that region does not reach past the edge; two pixels either side for the
    // rasterizer's rounding.
    const QRect ink = laidOut->ink.translated(end.at).adjusted(-2, -2, 2, 2).toAlignedRect();
    end.inside = (m_painting & ink).subtracted(cell).isEmpty();
    return end;
}

} // namespace vz
