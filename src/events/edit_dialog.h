// The "Add/Edit description, date and time" dialog: one event's description, date and time,
// refusing a blank description or date and an unreadable time, with a button that opens the
// time bar.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vz {

class TdpDBDateTimePicker;
class TVzController;
class TVzFourWaySpinner;
class TVzPictureField;
class TVzSimpleField;

class TfrmEdit : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEdit(QWidget* owner);
    ~TfrmEdit() override;

    TVzSimpleField* edName;
    TdpDBDateTimePicker* edDate;
    TVzPictureField* edTime;
    TVzFourWaySpinner* VzFourWaySpinner2;
    QToolButton* SpeedButton2;
    QPlainTextEdit* Memo1;
    QPushButton* btOK;
    QPushButton* btCancel;

    void btOKClick();
    void SpeedButton2Click();

private:
    void FormCreate();

    TVzController* VzController1;
};

// The clock face of the "Popup time" button, 16 x 16, in its normal or greyed look.
QPixmap clockFaceGlyph(bool enabled);

} // namespace vz
