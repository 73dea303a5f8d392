// The main window's controls in their designed places, and how they follow the window's size.
#include "app/main_window.h"

#include "app/accessibility.h"
#include "app/grid_model.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "engine/regional.h"
#include "events/winplace.h"
#include "platform/fonts.h"
#include "platform/messages.h"
#include "platform/registry_ini.h"
#include "store/event_store.h"
#include "timeentry/controller.h"
#include "timeentry/spinner.h"
#include "widgets/line_holder.h"
#include "widgets/plain_cell_delegate.h"
#include "widgets/raised_label.h"
#include "widgets/splitter.h"
#include "widgets/system_colors.h"
#include "widgets/tile.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

namespace vz {

namespace {

const QString Caption = QStringLiteral("Vizevavoz 98");
const QString DisplayHint = QStringLiteral("Click anywhere to send to the clipboard");
const QString GridHint = QStringLiteral("Add up to 25 items.  Double click to edit.");

// The designed outer size includes a sizing frame of 4 pixels on each side and a caption of 19;
// the window is laid out by its client area, which is what remains.
constexpr int FrameWidth = 4;
constexpr int BorderWidth = 1;
constexpr int CaptionHeight = 19;
constexpr int DesignOuterWidth = 576;
constexpr int DesignOuterHeight = 426;
constexpr int DesignLeft = 216;
constexpr int DesignTop = 90;
constexpr int StatusBarHeight = 19;
constexpr int DesignSplitPosition = 200;
constexpr int PanelHeight = 41;
constexpr int ButtonWidth = 68;
constexpr int ButtonHeight = 25;
constexpr int RowHeight = 19;
constexpr int ScrollWidth = 15;
constexpr int ScrollHeight = 25;
constexpr int TickInterval = 1000;
const QColor HintColour(0, 255, 255);
const QColor Navy(0, 0, 128);

int outerWidthOf(int clientWidth) {
    return clientWidth + 2 * FrameWidth;
}

} // namespace

int TfrmMain::dpi() const {
    return windowDpi(this);
}

void TfrmMain::buildControls() {
    const int d = dpi();
    resize(scaled(DesignOuterWidth - 2 * FrameWidth, d),
           scaled(DesignOuterHeight - 2 * FrameWidth - CaptionHeight, d));

    Split = new TVzSplitter(this);
    Split->setObjectName(QStringLiteral("Split"));
    Split->setOrientation(TSplitterOrientation::soHorizontal);
    setCentralWidget(Split);
    Split->resize(width(), height() - scaled(StatusBarHeight, d));
    Split->setPosition(scaled(DesignSplitPosition, d));
    connect(Split, &TVzSplitter::sectionClicked, this, [this](int section) {
        if (section == 1)
            EsTile1Click();
    });

    // The display: the stone tile with the raised labels drawn on it.
    TVzSection* upper = Split->section1();
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    EsTile1 = new TEsTile(upper);
    EsTile1->setObjectName(QStringLiteral("EsTile1"));
    EsTile1->setBitmap(stonePixmap());
    EsTile1->setToolTip(DisplayHint);
    EsTile1->setAttribute(Qt::WA_TransparentForMouseEvents);
    upperLayout->addWidget(EsTile1);

    struct LabelDesign {
        TRaisedLabel** label;
        const char* name;
        int left, top;
        bool big, hint;
    };
    const LabelDesign labels[] = {
        {&lblName, "lblName", 5, 2, true, true},
        {&lblAll, "lblAll", 30, 37, false, true},
        {&lblAll2, "lblAll2", 110, 37, false, false},
        {&lblAll3, "lblAll3", 174, 37, false, false},
        {&lblWeekend, "lblWeekend", 30, 64, false, true},
        {&lblDays, "lblDays", 30, 91, false, true},
        {&lblHour, "lblHour", 30, 119, false, true},
        {&lblMin, "lblMin", 30, 146, false, true},
        {&lblSecs, "lblSecs", 30, 173, false, true},
        {&lblSecs2, "lblSecs2", 118, 173, false, false},
        {&lblSecs3, "lblSecs3", 198, 173, false, false},
    };
    const QString labelFamily = installedFamily(QStringLiteral("Times New Roman"));
    for (const LabelDesign& design : labels) {
        auto* label = new TRaisedLabel(upper);
        label->setObjectName(QString::fromLatin1(design.name));
        QFont font(labelFamily);
        font.setBold(true);
        font.setPixelSize(scaled(design.big ? 29 : 21, d));
        label->setFont(font);
        label->setTextStyle(TRaisedLabel::tsRaised);
        label->setTransparent(true);
        // A description is data, not a mnemonic: "&" shows as it is.
        label->setShowAccelChar(false);
        const QPalette stone = stonePalette(label->palette());
        label->setPalette(stone);
        label->setTextColor(design.big ? Navy : stone.color(QPalette::WindowText));
        label->move(scaled(design.left, d), scaled(design.top, d));
        if (design.hint)
            label->setToolTip(DisplayHint);
        // Clicks on the display belong to the pane beneath, which reports them to the splitter.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        *design.label = label;
    }
    presentDisplayLines({lblName, lblAll, lblAll2, lblAll3, lblWeekend, lblDays, lblHour, lblMin,
                         lblSecs, lblSecs2, lblSecs3},
                        [this]() -> const DisplayTexts& { return m_shown; });

    scroll = new TVzSpinner(upper);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->resize(scaled(ScrollWidth, d), scaled(ScrollHeight, d));
    scroll->setToolTip(QStringLiteral("Scroll to next/previous item"));
    connect(scroll, &TVzBaseSpinner::OnClick, this,
            [this](TVzBaseSpinner*, TSpinState state, double, bool) {
                scrollClick(state == TSpinState::Up);
            });

    VzController1 = new TVzController(this);
    VzController1->setObjectName(QStringLiteral("VzController1"));

    // The list: the grid above the button panel.
    TVzSection* lower = Split->section2();
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(0);
    grid = new QTableView(lower);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setAccessibleName(QStringLiteral("Events"));
    m_model = new EventGridModel(m_grid, this);
    grid->setModel(m_model);
    // The cells a tick rewrites are drawn the light way.
    auto* plainCells = new PlainCellDelegate(grid);
    grid->setItemDelegateForColumn(DayCol, plainCells);
    grid->setItemDelegateForColumn(WhenCol, plainCells);
    // A When text's seconds repaint only themselves, and not at all where the cell cuts them off.
    m_model->setChangeJudge(WhenCol, [this, plainCells](const QModelIndex& at,
                                                        const std::string& before,
                                                        const std::string& after) {
        const std::optional<QRect> part = plainCells->changedPart(at, before, after);
        if (!part)
            return true;
        if (!part->isEmpty())
            grid->viewport()->update(*part);
        return false;
    });
    grid->setToolTip(GridHint);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(true);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(scaled(RowHeight, d));
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setFixedHeight(scaled(RowHeight, d));
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setHighlightSections(false);
    // The When column takes what is left however little that is; a floor would widen it.
    grid->horizontalHeader()->setMinimumSectionSize(0);
    // Tab leaves the list for the buttons instead of walking its cells, which would quietly
    // change the selected event.
    grid->setTabKeyNavigation(false);
    grid->installEventFilter(this);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->viewport()->installEventFilter(this);
    lowerLayout->addWidget(grid);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* Add1 = PopupMenu1->addAction(QStringLiteral("Add"));
    QAction* Edit1 = PopupMenu1->addAction(QStringLiteral("Edit"));
    QAction* Delete1 = PopupMenu1->addAction(QStringLiteral("Delete"));
    Add1->setObjectName(QStringLiteral("Add1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    connect(Add1, &QAction::triggered, this, &TfrmMain::btAddClick);
    connect(Edit1, &QAction::triggered, this, &TfrmMain::btEditClick);
    connect(Delete1, &QAction::triggered, this, &TfrmMain::btDeleteClick);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(grid->viewport()->mapToGlobal(at)); });
    connect(grid, &QAbstractItemView::doubleClicked, this, [this] { btEditClick(); });

    Panel1 = new QWidget(lower);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(scaled(PanelHeight, d));
    Panel1->installEventFilter(this);
    lowerLayout->addWidget(Panel1);

    struct ButtonDesign {
        QPushButton** button;
        const char* name;
        const char* text;
        int left;
        const char* hint;
        void (TfrmMain::*handler)();
    };
    const ButtonDesign buttons[] = {
        {&btAdd, "btAdd", "&Add", 8, "Add new item", &TfrmMain::btAddClick},
        {&btEdit, "btEdit", "&Edit", 80, "Edit current item", &TfrmMain::btEditClick},
        {&btDelete, "btDelete", "&Delete", 152, "Delete current item", &TfrmMain::btDeleteClick},
        {&btCopy, "btCopy", "Copy", 323, "Copy to clipboard", &TfrmMain::EsTile1Click},
        {&btAbout, "btAbout", "A&bout", 398, nullptr, &TfrmMain::btAboutClick},
        {&btClose, "btClose", "E&xit", 472, nullptr, nullptr},
    };
    QWidget* previous = grid;
    for (const ButtonDesign& design : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(design.text), Panel1);
        button->setObjectName(QString::fromLatin1(design.name));
        button->setGeometry(scaled(design.left, d), scaled(8, d), scaled(ButtonWidth, d),
                            scaled(ButtonHeight, d));
        if (design.hint)
            button->setToolTip(QString::fromLatin1(design.hint));
        if (design.handler)
            connect(button, &QPushButton::clicked, this, design.handler);
        setTabOrder(previous, button);
        previous = button;
        *design.button = button;
    }
    connect(btClose, &QPushButton::clicked, this, &QWidget::close);

    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    presentAsClockLine(StatusBar1);
    StatusBar1->setText(QStringLiteral("It is now Wednesday 04-17-1997 at 12:00:00"));
    statusBar()->setFixedHeight(scaled(StatusBarHeight, d));
    statusBar()->addWidget(new LineHolder(StatusBar1, this), 1);
    statusBar()->setFont(QFont(installedFamily(QStringLiteral("MS Sans Serif")), 8));

    WinPlace1 = new TWinPlace(this);
    WinPlace1->setObjectName(QStringLiteral("WinPlace1"));
    WinPlace1->Section = QStringLiteral("Position");
    WinPlace1->Identifier = QStringLiteral("frmMain");
    WinPlace1->Delimiter = QStringLiteral(" ");

    Timer1.setInterval(TickInterval);
    connect(&Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
}

void TfrmMain::FormCreate() {
    fix2000(processSettings());
    try {
        ConvertOldZadudIniFile(m_storeFolder.toStdString(), processSettings(), currentYear());

        WinPlace1->IniFileName = ProgramSettingsKey;
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        if (WinPlace1->storedValue().isEmpty())
            move(available.center() - QPoint(width() / 2, height() / 2));
        else
            move(DesignLeft, DesignTop);

        setWindowTitle(Caption);

        const int d = dpi();
        minTrackWidth = d * (152 + ButtonWidth + 15) / DesignDpi;
        const int screenWidth = screen ? screen->geometry().width() : 1024;
        if (minTrackWidth > screenWidth)
            minTrackWidth = screenWidth - 10;
        // The tracking limit counts the border and the sizing frame; the window's own minimum
        // is its client width.
        setMinimumWidth(BorderWidth + FrameWidth + minTrackWidth - 2 * FrameWidth);

        QPalette hints = QToolTip::palette();
        hints.setColor(QPalette::ToolTipBase, HintColour);
        hints.setColor(QPalette::ToolTipText, Qt::black);
        QToolTip::setPalette(hints);

        showLabelTexts(DisplayTexts{});
    } catch (const std::exception& e) {
        showGeneralError(QString::fromUtf8(e.what()));
    }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::FormResize() {
    const bool running = Timer1.isActive();
    if (running)
        Timer1.stop();
    scroll->move(Split->width() - scroll->width() - 5, 0);
    redrawColumnWidth();
    const int outer = outerWidthOf(width());
    btClose->move(outer - btClose->width() - 20, btClose->y());
    btAbout->move(btClose->x() - btAbout->width() - 5, btAbout->y());
    btCopy->move(btAbout->x() - btCopy->width() - 5, btCopy->y());
    if (running)
        Timer1.start();
}

void TfrmMain::Panel1Resize() {
    redrawColumnWidth();
}

void TfrmMain::redrawColumnWidth() {
    const int d = dpi();
    const int widths[] = {d * 180 / DesignDpi, d * 68 / DesignDpi, d * 68 / DesignDpi,
                          d * 40 / DesignDpi};
    int used = 0;
    for (int c = 0; c < 4; ++c) {
        grid->horizontalHeader()->resizeSection(c, widths[c]);
        used += widths[c];
    }
    // The window's width is already in the pixels the columns are measured in: whether the
    // toolkit scales for the screen or the dpi grows the design, it is not scaled again.
    const int when = outerWidthOf(width()) - used - d * 35 / DesignDpi;
    grid->horizontalHeader()->resizeSection(4, std::max(when, 0));
}

} // namespace vz
