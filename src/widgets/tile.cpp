#include "widgets/tile.h"

#include "widgets/stone_texture.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace vz {

TEsCustomTile::TEsCustomTile(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

void TEsCustomTile::setBitmap(const QPixmap& bitmap) {
    m_bitmap = bitmap;
    renderTiles();
    update();
}

void TEsCustomTile::resizeEvent(QResizeEvent*) {
    renderTiles();
}

void TEsCustomTile::renderTiles() {
    if (m_bitmap.isNull() || width() <= 0 || height() <= 0) {
        m_tiled = QPixmap();
        return;
    }
    // Columns and rows enough to cover the area; the last ones may show only in part.
    m_tiled = QPixmap(size());
    QPainter painter(&m_tiled);
    const int bw = m_bitmap.width(), bh = m_bitmap.height();
    const int columns = width() / bw + (width() % bw != 0);
    const int rows = height() / bh + (height() % bh != 0);
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j)
            painter.drawPixmap(i * bw, j * bh, m_bitmap);
}

void TEsCustomTile::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_tiled.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    // The finished image reaches the screen in one copy of the exposed part.
    const QRect exposed = event->rect();
    painter.drawPixmap(exposed.topLeft(), m_tiled, exposed);
}

QPixmap stonePixmap() {
    static const QImage picture = [] {
        const std::vector<std::uint8_t> grey = stoneTexture();
        QImage image(StoneTextureSize, StoneTextureSize, QImage::Format_RGB32);
        for (int y = 0; y < StoneTextureSize; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < StoneTextureSize; ++x) {
                const int g = grey[static_cast<std::size_t>(y * StoneTextureSize + x)];
                line[x] = qRgb(g, g, g);
            }
        }
        return image;
    }();
    return QPixmap::fromImage(picture);
}

} // namespace vz
