// The modal "How to contact us" box: product line, the maker's contact details, a button that
// opens the maker's home page, and a message that scrolls along the bottom half a second after
// the box opens.
//
//     vz::TfrmAbout::execute(this, &Timer1); // Timer1 is held still while the box is open
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

namespace vz {

class TEsGradient;
class TEsScrollingMarquee;

class TfrmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner);

    // Opens the box modally with `owner` as its owner and destroys it when it closes. A given
    // timer is stopped for as long as the box is open and started again on every way out.
    static int execute(QWidget* owner, QTimer* heldTimer = nullptr);

    // The box's text under the scrolling message.
    static QString marqueeCaption();

    TEsGradient* EsGradient1;
    TEsScrollingMarquee* marq;
    QWidget* Panel1;
    QLabel* ProductName;
    QLabel* lblFree;
    QLabel* Label4;
    QLabel* lblMaker;
    QLabel* Comments;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    QPushButton* OKButton;
    QPushButton* btWeb;
    QTimer Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormShow();
    void Timer1Timer();
    void btWebClick();
};

} // namespace vz
