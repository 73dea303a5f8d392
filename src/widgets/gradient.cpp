#include "widgets/gradient.h"

#include "widgets/effectpaint.h"

#include <QEvent>
#include <QPainter>

namespace vz {

TEsCustomGradient::TEsCustomGradient(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted, so Qt need not erase anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    resize(100, 100);
}

QColor TEsCustomGradient::fromColor() const {
    return toQColor(m_fill.fromColor());
}
QColor TEsCustomGradient::toColor() const {
    return toQColor(m_fill.toColor());
}

void TEsCustomGradient::setColorBands(int count) {
    changed(m_fill.setColorBands(count));
}
void TEsCustomGradient::setDirection(TGradientDirection direction) {
    changed(m_fill.setDirection(direction));
}
void TEsCustomGradient::setFromColor(const QColor& color) {
    changed(m_fill.setFromColor(toRgb(color)));
}
void TEsCustomGradient::setToColor(const QColor& color) {
    changed(m_fill.setToColor(toRgb(color)));
}

void TEsCustomGradient::changed(bool taken) {
    if (!taken)
        return;
    m_image = QPixmap();
    update();
}

void TEsCustomGradient::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_image.isNull() || m_image.size() != size() * ratio) {
        QPixmap image(size() * ratio);
        image.setDevicePixelRatio(ratio);
        QPainter bands(&image);
        for (const GradientBand& band : m_fill.bands(width(), height()))
            bands.fillRect(band.x, band.y, band.width, band.height, toQColor(band.color));
        bands.end();
        m_image = std::move(image);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_image);
}

void TEsCustomGradient::resizeEvent(QResizeEvent*) {
    m_image = QPixmap();
}

void TEsCustomGradient::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        m_image = QPixmap();
        repaint();
    }
    QWidget::changeEvent(event);
}

} // namespace vz
