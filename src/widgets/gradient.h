// The banded gradient control: fills its whole rectangle with solid bands from FromColor to
// ToColor, left to right or top to bottom.
//
//     auto* g = new vz::TEsGradient(parent);
//     g->setDirection(vz::TGradientDirection::dVertical);
//     g->setFromColor(Qt::cyan);
//     g->setToColor(Qt::black);
#pragma once

#include "widgets/gradientfill.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace vz {

class TEsCustomGradient : public QWidget {
public:
    explicit TEsCustomGradient(QWidget* parent = nullptr);

    int colorBands() const { return m_fill.colorBands(); }
    TGradientDirection direction() const { return m_fill.direction(); }
    QColor fromColor() const;
    QColor toColor() const;
    void setColorBands(int count);
    void setDirection(TGradientDirection direction);
    void setFromColor(const QColor& color);
    void setToColor(const QColor& color);

    // The band colours; on a true-colour display they are the whole of the control's palette,
    // so there is nothing further to realise when painting.
    const std::vector<Rgb>& paletteColors() const { return m_fill.bandColors(); }
    static QString version() { return QStringLiteral("1.05"); }

    QSize sizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void changed(bool taken);

    GradientFill m_fill;
    QPixmap m_image; // the bands as last painted; rebuilt after a change or resize
};

class TEsGradient final : public TEsCustomGradient {
public:
    using TEsCustomGradient::TEsCustomGradient;
};

} // namespace vz
