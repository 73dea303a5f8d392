#include "events/about.h"

#include "events/contact.h"
#include "platform/messages.h"
#include "platform/screen_centre.h"
#include "platform/webpage.h"
#include "widgets/effectcolor.h"
#include "widgets/effectpaint.h"
#include "widgets/gradient.h"
#include "widgets/marquee.h"
#include "widgets/system_colors.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace vz {

namespace {

const QString Caption = QStringLiteral("How to contact us");
const QString ProductLine = QStringLiteral("Vizevavoz 98 Version 1.6");
const QString FreewareLine = QStringLiteral("Freeware - use and share with others for free");
const QString ComplimentsLine = QStringLiteral("Compliments of:");
const QString OkText = QStringLiteral("OK");
const QString VoiceSuffix = QStringLiteral(" voice");
const QString FaxSuffix = QStringLiteral(" fax");
const QString MarqueeSentence = QStringLiteral(
    "Come check out our home page for more excellent utility and business software by %1 at ");
const QString WebButtonText = QStringLiteral("Go to %1 Home Page");
const QString WebButtonHint = QStringLiteral("Launch your browser to %1 Home Page");
const QString BrowserFailed = QStringLiteral("Couldn't open web browser for home page");

const QString DialogFontFamily = QStringLiteral("System");
const QString ControlFontFamily = QStringLiteral("MS Sans Serif");
const QString MarqueeFontFamily = QStringLiteral("Times New Roman");

constexpr QSize ClientSize(420, 340);
constexpr int MarqueeHeight = 32;
constexpr int GradientBands = 128;
constexpr int BevelWidth = 3;
constexpr int MarqueeSpeed = 4;
constexpr int MarqueeDelayMs = 500;

const QColor NavyText(0, 0, 128);

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// A panel with a lowered outer and a raised inner bevel, in the system's button colours.
class BevelPanel final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        const QPalette& colors = QGuiApplication::palette();
        QPainter painter(this);
        QRect r = rect();
        painter.fillRect(r, colors.color(QPalette::Button));
        frame(painter, r, colors.color(QPalette::Dark), colors.color(QPalette::Light));
        frame(painter, r, colors.color(QPalette::Light), colors.color(QPalette::Dark));
    }

private:
    // Draws BevelWidth nested one-pixel frames, top and left in one colour, bottom and right in
    // the other, and leaves r just inside them.
    static void frame(QPainter& painter, QRect& r, const QColor& topLeft,
                      const QColor& bottomRight) {
        for (int i = 0; i < BevelWidth && r.width() > 1 && r.height() > 1; ++i) {
            painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
            painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
            painter.fillRect(r.left() + 1, r.bottom(), r.width() - 1, 1, bottomRight);
            painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
            r.adjust(1, 1, -1, -1);
        }
    }
};

struct LabelDesign {
    int left, top, width, height;
    Qt::Alignment alignment;
    bool wordWrap;
    QColor color;
};

QLabel* makeLabel(QWidget* panel, const QString& caption, const LabelDesign& design) {
    auto* label = new QLabel(caption, panel);
    label->setGeometry(design.left, design.top, design.width, design.height);
    label->setAlignment(design.alignment | Qt::AlignTop);
    label->setWordWrap(design.wordWrap);
    label->setFont(designFont(ControlFontFamily, -11, true));
    // On the panel, which has the system's button colour.
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText,
                    designedText(QGuiApplication::palette(), design.color, QPalette::Button));
    label->setPalette(colors);
    return label;
}

QPushButton* makeButton(QWidget* box, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, box);
    button->setGeometry(geometry);
    button->setFont(designFont(ControlFontFamily, -11));
    QPalette colors = QGuiApplication::palette();
    colors.setColor(QPalette::ButtonText, designedText(colors, Qt::black, QPalette::Button));
    button->setPalette(colors);
    return button;
}

} // namespace

QString TfrmAbout::marqueeCaption() {
    return MarqueeSentence.arg(text(contact::MakerName)) + text(contact::HomePageHost);
}

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle(Caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setFixedSize(ClientSize);
    setFont(designFont(DialogFontFamily, -13));

    EsGradient1 = new TEsGradient(this);
    EsGradient1->setGeometry(0, 0, ClientSize.width(), ClientSize.height() - MarqueeHeight);
    EsGradient1->setDirection(TGradientDirection::dVertical);
    EsGradient1->setFromColor(toQColor(EsColor::Aqua));
    EsGradient1->setToColor(toQColor(EsColor::Black));
    EsGradient1->setColorBands(GradientBands);

    marq = new TEsScrollingMarquee(this);
    marq->setGeometry(0, ClientSize.height() - MarqueeHeight, ClientSize.width(), MarqueeHeight);
    marq->hide();
    marq->setLoading(true);
    marq->setAlignment(HorizontalAlignment::Left);
    marq->setAppearance(TAppearance::apCustom);
    marq->setColorScheme(TColorScheme::csGold);
    marq->customSettings().setHighlightColor(EsColor::Yellow);
    marq->customSettings().setHighlightDirection(TShadeDirection::sdDownRight);
    marq->customSettings().setShadowDirection(TShadeDirection::sdUpLeft);
    marq->setColor(Qt::black);
    marq->setFont(designFont(MarqueeFontFamily, -27));
    marq->setFontColor(toQColor(EsColor::Olive));
    marq->setScrollSpeed(MarqueeSpeed);
    marq->setCaption(marqueeCaption());
    marq->setLoading(false);

    Panel1 = new BevelPanel(this);
    Panel1->setGeometry(18, 10, 385, 254);
    const auto centred = Qt::AlignHCenter;
    const QColor black = Qt::black;
    ProductName = makeLabel(Panel1, ProductLine, {16, 13, 353, 13, centred, false, black});
    lblFree = makeLabel(Panel1, FreewareLine, {16, 31, 353, 13, centred, false, NavyText});
    Label4 = makeLabel(Panel1, ComplimentsLine, {16, 56, 353, 13, centred, false, NavyText});
    // The address lines are centred on the panel like the lines above and below them, so that
    // they read as one block whatever the contact details and the font's widths.
    const LabelDesign addressLine{16, 0, 353, 13, centred, false, black};
    const auto lineAt = [&](int top) {
        LabelDesign design = addressLine;
        design.top = top;
        return design;
    };
    lblMaker = makeLabel(Panel1, text(contact::MakerName), lineAt(78));
    Comments = makeLabel(Panel1, text(contact::PostalBox), lineAt(96));
    Label1 = makeLabel(Panel1, text(contact::TownLine), lineAt(114));
    Label2 = makeLabel(Panel1, text(contact::Telephone) + VoiceSuffix,
                       {135, 152, 114, 13, centred, true, black});
    Label3 = makeLabel(Panel1, text(contact::Fax) + FaxSuffix,
                       {142, 170, 100, 13, centred, true, black});
    Label5 =
        makeLabel(Panel1, text(contact::HomePageAddress), {12, 222, 361, 13, centred, true, black});

    OKButton = makeButton(this, OkText, {38, 277, 169, 27});
    OKButton->setDefault(true);
    btWeb = makeButton(this, WebButtonText.arg(text(contact::HomePageName)), {216, 277, 169, 27});
    btWeb->setToolTip(WebButtonHint.arg(text(contact::HomePageName)));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(btWeb, &QPushButton::clicked, this, [this] { btWebClick(); });

    Timer1.setInterval(MarqueeDelayMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }); });

    centreOnScreen(this, owner);
}

int TfrmAbout::execute(QWidget* owner, QTimer* heldTimer) {
    const QPointer<QTimer> held(heldTimer);
    if (held)
        held->stop();
    struct Restart {
        const QPointer<QTimer>& timer;
        ~Restart() {
            if (timer)
                timer->start();
        }
    } restart{held};
    TfrmAbout box(owner);
    return box.exec();
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    guarded([this] { FormShow(); });
}

void TfrmAbout::FormShow() {
    Timer1.start();
    lblFree->hide();
    Label4->hide();
    OKButton->setFocus();
}

void TfrmAbout::Timer1Timer() {
    marq->setActive(true);
    marq->setVisible(true);
    Timer1.stop();
}

void TfrmAbout::btWebClick() {
    // The box waits for the opener's word so that a failure is reported over it; then it closes
    // either way. A second press meanwhile would start a second browser.
    btWeb->setEnabled(false);
    openWebPage(text(contact::HomePageAddress), this, [this](bool opened) {
        if (!opened)
            guarded([this] { ShowError(this, BrowserFailed); });
        accept();
    });
}

void TfrmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

} // namespace vz
