#include "app/main_window.h"

#include "engine/datetext.h"
#include "engine/regional.h"
#include "platform/fonts.h"

namespace vz {

namespace {

const QString Caption = QStringLiteral("Vizevavoz 98");

// Outer size at 96 dpi, and the frame the design's outer size includes (a sizing frame of 4 and
// a caption of 19 pixels), which leaves the client size below.
constexpr int DesignClientWidth = 576 - 2 * 4;
constexpr int DesignClientHeight = 426 - 2 * 4 - 19;

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    const int dpi = windowDpi(this);
    resize(scaled(DesignClientWidth, dpi), scaled(DesignClientHeight, dpi));
    FormCreate();
}

void TfrmMain::FormCreate() {
    fix2000(processSettings());
    setWindowTitle(Caption);
}

} // namespace vz
