// The four-way spin button: a square cut along its diagonals into up, down, left and right
// arrows. With an entry field as its focused control, up and down step the part of the value
// under the caret and left and right move the caret.
//
//     auto* spin = new vz::TVzFourWaySpinner(dialog);   // 25 x 25
//     spin->setAttachedControl(edTime);                 // beside it, and steps it
#pragma once

#include "timeentry/spin_base.h"

namespace vz {

class TVzFourWaySpinner : public TVzBaseSpinner {
    Q_OBJECT
public:
    explicit TVzFourWaySpinner(QWidget* parent = nullptr);

    bool ForceSquare() const { return m_forceSquare; }
    void setForceSquare(bool square);

    QSize sizeHint() const override;

protected:
    TSpinState hitTest(const QPoint& pos) const override;
    QRegion stateRegion(TSpinState state) const override;
    QSize adjustedSize(const QSize& size) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_forceSquare = false;
};

} // namespace vz
