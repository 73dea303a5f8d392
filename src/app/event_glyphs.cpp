#include "app/event_glyphs.h"

#include "engine/occurrence.h"
#include "engine/reminders.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <array>

namespace vz {

namespace {

constexpr int GlyphSize = 14;

void drawLoop(QPainter& p, const QRectF& box, const QColor& colour) {
    // Three quarters of a circle with an arrowhead where it ends.
    QPen pen(colour, box.width() / 8.0);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF ring =
        box.adjusted(box.width() / 5, box.height() / 5, -box.width() / 5, -box.height() / 5);
    p.drawArc(ring, 90 * 16, 270 * 16);
    const QPointF end(ring.center().x(), ring.top());
    const double head = box.width() / 4.5;
    QPainterPath arrow;
    arrow.moveTo(end + QPointF(head, 0));
    arrow.lineTo(end + QPointF(-head * 0.4, -head));
    arrow.lineTo(end + QPointF(-head * 0.4, head));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(arrow);
}

void drawBell(QPainter& p, const QRectF& box, const QColor& colour) {
    const double w = box.width(), h = box.height();
    const QPointF o = box.topLeft();
    QPainterPath bell;
    bell.moveTo(o + QPointF(w * 0.5, h * 0.1));
    bell.cubicTo(o + QPointF(w * 0.15, h * 0.1), o + QPointF(w * 0.25, h * 0.6),
                 o + QPointF(w * 0.08, h * 0.75));
    bell.lineTo(o + QPointF(w * 0.92, h * 0.75));
    bell.cubicTo(o + QPointF(w * 0.75, h * 0.6), o + QPointF(w * 0.85, h * 0.1),
                 o + QPointF(w * 0.5, h * 0.1));
    bell.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(bell);
    p.drawEllipse(QPointF(o + QPointF(w * 0.5, h * 0.85)), w * 0.11, h * 0.11);
}

QIcon makeIcon(bool yearly, bool reminds) {
    const QColor colour = QGuiApplication::palette().color(QPalette::Text);
    QIcon icon;
    // Drawn for each device pixel ratio the screens may use, so the glyph stays crisp.
    for (const double ratio : {1.0, 1.5, 2.0}) {
        QPixmap pixmap(static_cast<int>(GlyphSize * ratio), static_cast<int>(GlyphSize * ratio));
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF whole(0, 0, GlyphSize, GlyphSize);
        if (yearly && reminds) {
            drawBell(p, QRectF(0, 0, GlyphSize * 0.75, GlyphSize * 0.75), colour);
            drawLoop(p, QRectF(GlyphSize * 0.4, GlyphSize * 0.4, GlyphSize * 0.6, GlyphSize * 0.6),
                     colour);
        } else if (yearly) {
            drawLoop(p, whole, colour);
        } else {
            drawBell(p, whole, colour);
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

bool isYearly(const EventGrid& grid, int row) {
    return repeatsYearly(grid.cells.cell(RepeatCol, row));
}

} // namespace

QIcon eventOptionsIcon(const EventGrid& grid, int row) {
    const bool yearly = isYearly(grid, row);
    const bool reminds = !leadTimes(grid.cells.cell(RemindCol, row)).empty();
    if (!yearly && !reminds)
        return {};
    static std::array<QIcon, 3> icons; // yearly, reminds, both
    QIcon& icon = icons[yearly && reminds ? 2 : yearly ? 0 : 1];
    if (icon.isNull())
        icon = makeIcon(yearly, reminds);
    return icon;
}

QString eventOptionsToolTip(const EventGrid& grid, int row) {
    return QString::fromStdString(
        optionsSummary(isYearly(grid, row), leadTimes(grid.cells.cell(RemindCol, row))));
}

} // namespace vz
