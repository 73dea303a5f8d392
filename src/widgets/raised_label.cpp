#include "widgets/raised_label.h"

#include "widgets/system_colors.h"

#include <QEvent>
#include <QPainter>

namespace vz {

namespace {
constexpr int MaxCaptionLength = 255;
}

TRaisedLabel::TRaisedLabel(QWidget* parent) : QWidget(parent) {
    m_textColor = palette().color(QPalette::WindowText);
    adjustToCaption();
}

void TRaisedLabel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    adjustToCaption();
    update();
}

void TRaisedLabel::setTextStyle(TTextStyle style) {
    if (style == m_textStyle)
        return;
    m_textStyle = style;
    update();
}

void TRaisedLabel::setAlignment(Qt::Alignment alignment) {
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TRaisedLabel::setTransparent(bool transparent) {
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TRaisedLabel::setAutoSize(bool autoSize) {
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    adjustToCaption();
}

void TRaisedLabel::setShowAccelChar(bool show) {
    if (show == m_showAccelChar)
        return;
    m_showAccelChar = show;
    adjustToCaption();
    update();
}

void TRaisedLabel::setTextColor(const QColor& color) {
    if (color == m_textColor)
        return;
    m_textColor = color;
    update();
}

int TRaisedLabel::textFlags() const {
    int flags = Qt::TextExpandTabs | Qt::TextWordWrap |
                static_cast<int>(m_alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    flags |= m_showAccelChar ? Qt::TextShowMnemonic : 0;
    return flags;
}

QSize TRaisedLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    QString text = m_caption.left(MaxCaptionLength);
    if (text.isEmpty() || (m_showAccelChar && text == QStringLiteral("&")))
        text = QStringLiteral(" ");
    const int flags = Qt::TextExpandTabs | (m_showAccelChar ? Qt::TextShowMnemonic : 0);
    return metrics.size(flags, text);
}

void TRaisedLabel::adjustToCaption() {
    if (m_autoSize)
        resize(sizeHint());
}

void TRaisedLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        adjustToCaption();
    QWidget::changeEvent(event);
}

const QStaticText* TRaisedLabel::singleLine(const QString& text) {
    const bool marks = text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
                       text.contains(QChar::LineSeparator) ||
                       (m_showAccelChar && text.contains(QLatin1Char('&')));
    if (marks)
        return nullptr;
    if (text != m_lineText || font() != m_lineFont) {
        m_lineText = text;
        m_lineFont = font();
        m_line.setText(text);
        m_line.setTextFormat(Qt::PlainText);
        m_line.prepare(QTransform(), m_lineFont);
    }
    // A caption wider than the label wraps, as the general drawing does.
    return m_line.size().width() <= width() ? &m_line : nullptr;
}

void TRaisedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), palette().color(QPalette::Window));
    const QString text = m_caption.left(MaxCaptionLength);
    if (text.isEmpty())
        return;
    painter.setFont(font());
    const int flags = textFlags();
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    const QStaticText* line = singleLine(text);
    auto pass = [&](QPoint offset, const QColor& color) {
        painter.setPen(color);
        if (line)
            painter.drawStaticText(offset, *line);
        else
            painter.drawText(rect().translated(offset), flags, text);
    };
    if (m_textStyle == tsRaised) {
        pass({1, 1}, shadow);
        pass({-1, -1}, highlight);
    } else if (m_textStyle == tsRecessed) {
        pass({1, 1}, highlight);
        pass({-1, -1}, shadow);
    }
    pass({0, 0}, isEnabled() ? m_textColor : grayTextColor(palette()));
}

} // namespace vz
