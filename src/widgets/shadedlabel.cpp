#include "widgets/shadedlabel.h"

#include "widgets/effectpaint.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace vz {

namespace {
const QString DefaultFontFamily = QStringLiteral("Times New Roman");
constexpr int DefaultFontPoints = 20;

HorizontalAlignment alignmentOf(int flags) {
    if (flags & Qt::AlignHCenter)
        return HorizontalAlignment::Center;
    if (flags & Qt::AlignRight)
        return HorizontalAlignment::Right;
    return HorizontalAlignment::Left;
}

int qtAlignment(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Center:
        return Qt::AlignHCenter;
    case HorizontalAlignment::Right:
        return Qt::AlignRight;
    case HorizontalAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}
} // namespace

TEsCustomLabel::TEsCustomLabel(QWidget* parent)
    : QWidget(parent), m_style({[this] { invalidate(); }, [this] { textChanged(); },
                                [this] {
                                    textChanged();
                                }}) {
    m_color = palette().color(QPalette::Window);
    setFont(designFont(DefaultFontFamily, DefaultFontPoints));
    resize(sizeHint());
}

void TEsCustomLabel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    textChanged();
}

void TEsCustomLabel::setAlignment(HorizontalAlignment alignment) {
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    invalidate();
}

void TEsCustomLabel::setWordWrap(bool wordWrap) {
    if (wordWrap == m_wordWrap)
        return;
    m_wordWrap = wordWrap;
    textChanged();
}

void TEsCustomLabel::setShowAccelChar(bool show) {
    if (show == m_showAccelChar)
        return;
    m_showAccelChar = show;
    textChanged();
}

void TEsCustomLabel::setTransparent(bool transparent) {
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    invalidate();
}

void TEsCustomLabel::setColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    textChanged();
}

QColor TEsCustomLabel::fontColor() const {
    return toQColor(m_style.fontColor());
}

void TEsCustomLabel::setFontColor(const QColor& color) {
    if (m_style.setFontColor(toRgb(color)))
        textChanged();
}

int TEsCustomLabel::textFlags() const {
    int flags = Qt::AlignTop | Qt::TextExpandTabs | qtAlignment(m_alignment);
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    if (m_showAccelChar)
        flags |= Qt::TextShowMnemonic;
    return flags;
}

void TEsCustomLabel::drawInto(QPainter& painter, const QRect& rect, int textFlags) const {
    if (!m_transparent)
        painter.fillRect(rect, m_color);
    const HorizontalAlignment alignment = alignmentOf(textFlags);
    const LayerPlan plan = m_style.plan(alignment);
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font());
    for (const TextLayer& layer : plan.layers) {
        painter.setPen(toQColor(layer.color));
        painter.drawText(rect.translated(layer.dx, layer.dy), textFlags, m_caption);
    }
    const std::vector<FaceStripe> stripes =
        m_style.faceStripes(plan, alignment, rect.width(), rect.height(),
                            QFontMetrics(font()).horizontalAdvance(m_caption));
    if (stripes.empty()) {
        painter.setPen(toQColor(plan.face.color));
        painter.drawText(rect.translated(plan.face.dx, plan.face.dy), textFlags, m_caption);
    } else {
        // The letters are drawn once as a mask; each stripe then colours only the letters'
        // pixels inside it, keeping their smoothed edges.
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        QImage face(rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        face.setDevicePixelRatio(ratio);
        face.fill(Qt::transparent);
        QPainter facePainter(&face);
        facePainter.setFont(font());
        facePainter.setPen(Qt::white);
        facePainter.drawText(QRect(QPoint(plan.face.dx, plan.face.dy), rect.size()), textFlags,
                             m_caption);
        facePainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        for (const FaceStripe& stripe : stripes)
            facePainter.fillRect(stripe.x, stripe.y, stripe.width, stripe.height,
                                 toQColor(stripe.color));
        facePainter.end();
        painter.drawImage(rect.topLeft(), face);
    }
    painter.restore();
}

void TEsCustomLabel::paintEvent(QPaintEvent*) {
    // The widget's backing store is the memory bitmap: every layer lands there and the screen
    // receives the finished label in one copy.
    QPainter painter(this);
    drawInto(painter, rect(), textFlags());
}

void TEsCustomLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        textChanged();
}

} // namespace vz
