// What both spin buttons share: the press-and-hold cycle, stepping the focused entry field or
// reporting each step through OnClick, placing themselves beside an attached control, and the
// bevels and arrows they are drawn with.
//
//     auto* spin = new vz::TVzSpinner(form);
//     QObject::connect(spin, &vz::TVzBaseSpinner::OnClick,
//                      [](vz::TVzBaseSpinner*, vz::TSpinState s, double, bool) { … });
#pragma once

#include "widgets/spin_geometry.h"
#include "widgets/spin_repeat.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>

class QPainter;

namespace vz {

class TVzController;

enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };

class TVzBaseSpinner : public QWidget {
    Q_OBJECT
public:
    explicit TVzBaseSpinner(QWidget* parent = nullptr);
    ~TVzBaseSpinner() override;

    int Acceleration() const { return m_repeat.acceleration(); }
    void setAcceleration(int acceleration);
    QWidget* AttachedControl() const { return m_attached; }
    // Also makes the control the focused control when none is set.
    void setAttachedControl(QWidget* control);
    bool AttachTwoWay() const { return m_attachTwoWay; }
    void setAttachTwoWay(bool twoWay) { m_attachTwoWay = twoWay; }
    bool AutoRepeat() const { return m_autoRepeat; }
    void setAutoRepeat(bool autoRepeat) { m_autoRepeat = autoRepeat; }
    double Delta() const { return m_delta; }
    void setDelta(double delta) { m_delta = delta; }
    QWidget* FocusedControl() const { return m_focused; }
    void setFocusedControl(QWidget* control) { m_focused = control; }
    bool ForceOddSize() const { return m_forceOddSize; }
    void setForceOddSize(bool odd);
    TPosition Position() const { return m_position; }
    void setPosition(TPosition position);
    int Separation() const { return m_separation; }
    void setSeparation(int separation);
    bool WrapMode() const { return m_wrapMode; }
    void setWrapMode(bool wrap) { m_wrapMode = wrap; }
    TButtonStyle Style() const { return m_style; }
    void setStyle(TButtonStyle style);
    bool ShowArrows() const { return m_showArrows; }
    void setShowArrows(bool show);

    // The form's controller; throws ENoControllerAssigned when the form has none.
    TVzController* Controller() const;

    TSpinState state() const { return m_repeat.state(); }
    bool isPressing() const { return m_repeat.pressed(); }

    // One step of an arrow, as a single click on it makes; for assistive technologies, which
    // press a button rather than hold a mouse on it.
    void stepOnce(TSpinState state);
    // Where an arrow is drawn (empty when the button has no such arrow).
    QRect arrowRect(TSpinState state) const;

    // The milliseconds clock of the repeat schedule; tests replace it.
    void setClock(std::function<qint64()> clock);

signals:
    // One call per step: the arrow (Up, Down, Left, Right), Delta and WrapMode.
    void OnClick(vz::TVzBaseSpinner* sender, vz::TSpinState state, double delta, bool wrap);

protected:
    // The arrow (or Normal, or Outside) under a client point.
    virtual TSpinState hitTest(const QPoint& pos) const = 0;
    // The part of the control that shows `state` pressed or released.
    virtual QRegion stateRegion(TSpinState state) const = 0;
    // The size the control takes when ForceOddSize (and the like) adjust it.
    virtual QSize adjustedSize(const QSize& size) const;

    bool isNewStyle() const { return m_style != TButtonStyle::bsWin31; }
    // Whether `state` is shown pressed now.
    bool isShownPressed(TSpinState state) const {
        return m_repeat.active() && m_repeat.state() == state;
    }
    // A one-pixel bevel around `rect`: raised, or sunken when pressed.
    void drawBevel(QPainter& painter, const QRect& rect, bool pressed) const;
    // An arrow glyph in the button-text colour, engraved when disabled, `offset` pixels right
    // and down.
    void drawArrow(QPainter& painter, const std::vector<SpinSpan>& spans, int offset) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void beginPress(const QPoint& pos);
    void attemptStep();
    void step(TSpinState state);
    void endPress();
    void redrawState(TSpinState previous, TSpinState current);
    void placeBesideAttached();
    void moveAttachedBeside();
    qint64 nowMs() const;

    SpinRepeat m_repeat;
    QBasicTimer m_passTimer;
    QElapsedTimer m_elapsed;
    std::function<qint64()> m_clock;
    QPointer<QWidget> m_attached;
    QPointer<QWidget> m_focused;
    bool m_attachTwoWay = false;
    bool m_autoRepeat = true;
    double m_delta = 1.0;
    bool m_forceOddSize = false;
    TPosition m_position = TPosition::scRight;
    int m_separation = 1;
    bool m_wrapMode = true;
    TButtonStyle m_style = TButtonStyle::bsAutoDetect;
    bool m_showArrows = true;
    bool m_settingUp = false;   // inside the focus hand-over of a press
    bool m_releaseSeen = false; // the button came up while the press was being set up
    bool m_placing = false;     // moving the attached control, not the user
};

} // namespace vz
