// The "Time Entry" dialog: a ruler of the day's 24 hours with a pointer to press or drag, its
// own time field with a four-way spin button, a button that takes the current time, OK, Cancel.
#pragma once

#include "timeentry/time_bar.h"

#include <QBasicTimer>
#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QToolButton;

namespace vz {

class TVzController;
class TVzFourWaySpinner;
class TVzPictureField;

// The bar with its two pointer markers, drawn as one control.
class TimeBarImage : public QWidget {
    Q_OBJECT
public:
    explicit TimeBarImage(QWidget* parent);
    // The markers' column on the bar (their centre column).
    int pointerColumn() const { return m_column; }
    void setPointerColumn(int column);
    static QImage renderBar();

signals:
    void pressed(int column);
    void moved(int column);
    void released();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool onUpperMarker(QPoint at) const;

    QImage m_bar;
    int m_column = TimeBarFirstColumn;
};

// Whether the dialog may take the field's time. When the field holds no valid time the user is
// told "Value is not a valid time" and the focus goes back to the field.
bool timeFieldAccepted(QWidget* dialog, TVzPictureField* field);

class TfrmTimePopup : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTimePopup(QWidget* owner);
    ~TfrmTimePopup() override;

    // 0.0 means no time was given: the current time is shown instead.
    void settime(double value);
    // The field's time of day (hours and minutes), or 0.0 when it holds no valid time.
    double returnedTime() const;

    TVzPictureField* timeField() const { return vzTime; }
    TimeBarImage* bar() const { return Image1; }
    QString nowCaption() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void FormShow();
    bool FormKeyDown(int key);
    void Image1MouseDown(int column);
    void Image1MouseMove(int column);
    void btOKClick();
    void sbNowClick();
    void vzTimeChange();
    void drawPointer(int x, bool setTime);
    HourMinute fieldTime() const;
    void setFieldTime(HourMinute time);
    void refreshNowCaption();

    TVzController* VzController1;
    TimeBarImage* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QToolButton* sbNow;
    TVzPictureField* vzTime;
    TVzFourWaySpinner* VzFourWaySpinner1;
    QPushButton* btOK;
    QPushButton* btCancel;
    QBasicTimer Timer1;
    bool m_dragging = false;
    bool m_shown = false;
};

} // namespace vz
