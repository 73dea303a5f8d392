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
    update();
}

void TEsCustomTile::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    if (m_bitmap.isNull()) {
        painter.fillRect(exposed, palette().color(QPalette::Window));
        return;
    }
    // Copies laid edge to edge from the top left corner; only the exposed part is drawn.
    painter.drawTiledPixmap(exposed, m_bitmap, exposed.topLeft());
}

QPixmap stonePixmap() {
    static constexpr std::uint8_t Grey[StoneTextureSize * StoneTextureSize] = {
#include "stone_pixels.inc"
    };
    const QImage grey(Grey, StoneTextureSize, StoneTextureSize, StoneTextureSize,
                      QImage::Format_Grayscale8);
    return QPixmap::fromImage(grey.convertToFormat(QImage::Format_RGB32));
}

} // namespace vz
