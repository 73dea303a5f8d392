// A control that covers its area with copies of one picture laid edge to edge.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace vz {

class TEsCustomTile : public QWidget {
    Q_OBJECT
public:
    explicit TEsCustomTile(QWidget* parent = nullptr);

    const QPixmap& Bitmap() const { return m_bitmap; }
    // Copies the picture; a null pixmap releases it.
    void setBitmap(const QPixmap& bitmap);

    QSize sizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_bitmap;
};

class TEsTile : public TEsCustomTile {
    Q_OBJECT
public:
    using TEsCustomTile::TEsCustomTile;
};

// The stone picture of the display, made from the generated texture.
QPixmap stonePixmap();

} // namespace vz
