// The two-way spin button: up and down halves (or left and right), stepping while held.
//
//     auto* scroll = new vz::TVzSpinner(form);    // 16 x 25, vertical
//     scroll->setGeometry(x, y, 15, 25);
#pragma once

#include "timeentry/spin_base.h"

namespace vz {

class TVzSpinner : public TVzBaseSpinner {
    Q_OBJECT
public:
    explicit TVzSpinner(QWidget* parent = nullptr);

    TSpinOrientation Orientation() const { return m_orientation; }
    void setOrientation(TSpinOrientation orientation);

    QSize sizeHint() const override;

protected:
    TSpinState hitTest(const QPoint& pos) const override;
    QRegion stateRegion(TSpinState state) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    TSpinOrientation m_orientation = TSpinOrientation::soVertical;
};

} // namespace vz
