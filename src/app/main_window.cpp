#include "app/main_window.h"

#include "app/accessibility.h"
#include "app/grid_model.h"
#include "dateentry/dp_datetime_picker.h"
#include "engine/clock.h"
#include "engine/convert_error.h"
#include "engine/datetext.h"
#include "engine/regional.h"
#include "engine/report.h"
#include "events/about.h"
#include "events/edit_dialog.h"
#include "events/winplace.h"
#include "platform/clipboard.h"
#include "platform/fonts.h"
#include "platform/messages.h"
#include "platform/system_colors.h"
#include "store/event_store.h"
#include "store/sortgrid.h"
#include "timeentry/controller.h"
#include "timeentry/picture_field.h"
#include "timeentry/simple_field.h"
#include "widgets/raised_label.h"
#include "widgets/spinner.h"
#include "widgets/splitter.h"
#include "widgets/tile.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include <cstdio>
#include <vector>

namespace vz {

namespace {

const QString Caption = QStringLiteral("Vizevavoz 98");
const QString DisplayHint = QStringLiteral("Click anywhere to send to the clipboard");
const QString GridHint = QStringLiteral("Add up to 25 items.  Double click to edit.");
const QString CopiedMessage = QStringLiteral("Date was copied to the clipboard");
const QString InvalidDate = QStringLiteral("Invalid date");
const QString InvalidTime = QStringLiteral("Invalid time");
const QString NothingToEdit = QStringLiteral("Nothing to edit");
const QString NothingToDelete = QStringLiteral("Nothing to delete");
const QString MaximumRows = QStringLiteral("Maximum number of rows reached");
const char* const Headings[] = {"Description", "Date", "Time", "Day", "When"};

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
constexpr int StatusHoldTicks = 3;
constexpr int TickInterval = 1000;
const QColor HintColour(0, 255, 255);
const QColor Navy(0, 0, 128);

int outerWidthOf(int clientWidth) {
    return clientWidth + 2 * FrameWidth;
}

int currentYear() {
    return decodeDateTime(appClock().now()).year;
}

// The last row that holds an event (the whole list when it is full).
int lastListedRow(const EventGrid& grid) {
    const int blank = findFirstBlankRow(grid);
    return blank < 0 ? LastEventRow : blank - 1;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TfrmMain::TfrmMain(const QString& storeFolder, QWidget* parent)
    : QMainWindow(parent), m_storeFolder(storeFolder), m_grid() {
    setObjectName(QStringLiteral("frmMain"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    buildControls();
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // A window ended without a close (a signal, the end of a test) is still shown. Hiding it
    // sends its children events that read the grid, so that must happen while the grid lives,
    // not in the base destructor after it.
    hide();
}

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
    for (const LabelDesign& design : labels) {
        auto* label = new TRaisedLabel(upper);
        label->setObjectName(QString::fromLatin1(design.name));
        QFont font(QStringLiteral("Times New Roman"));
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
    m_model = new EventGridModel(m_grid, this);
    grid->setModel(m_model);
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
    StatusBar1->setText(QStringLiteral("It is now Wednesday 04-17-1997 at 12:00:00"));
    statusBar()->setFixedHeight(scaled(StatusBarHeight, d));
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

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

        WinPlace1->IniFileName = QStringLiteral("Software\\Dozazar Irudizidudo\\Dorovezud");
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

void TfrmMain::FormShow() {
    readGrid();
    WinPlace1->RestorePlacement();
    for (int c = 0; c < EventGridCols; ++c)
        m_model->setCell(0, c, Headings[c]);
    setStatus(qs(clockLine(appClock().now(), processSettings())), false);
    doDateDiff();
    Timer1.start();
    statusHold = 0;
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown_once)
        return;
    m_shown_once = true;
    guarded([this] { FormShow(); });
}

int TfrmMain::currentRow() const {
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TfrmMain::setCurrentRow(int row) {
    row = std::clamp(row, 1, EventGridRows - 1);
    const QModelIndex at = m_model->index(row - 1, 0);
    grid->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
    grid->scrollTo(at);
}

int TfrmMain::topRow() const {
    const int row = grid->rowAt(0);
    return row < 0 ? 1 : row + 1;
}

void TfrmMain::setTopRow(int row) {
    row = std::clamp(row, 1, EventGridRows - 1);
    grid->scrollTo(m_model->index(row - 1, 0), QAbstractItemView::PositionAtTop);
}

QString TfrmMain::statusText() const {
    return StatusBar1->text();
}

void TfrmMain::setStatus(const QString& text, bool bold) {
    QFont font = StatusBar1->font();
    if (font.bold() != bold) {
        font.setBold(bold);
        StatusBar1->setFont(font);
    }
    if (StatusBar1->text() != text)
        StatusBar1->setText(text);
}

void TfrmMain::readGrid() {
    int position = Split->Position();
    vz::readGrid(m_storeFolder.toStdString(), m_grid, position, processSettings());
    m_storeWatch.remember(storePath(m_storeFolder.toStdString()), processSettings());
    m_storeLoaded = true;
    Split->setPosition(position);
    m_model->gridChanged();
    setTopRow(m_grid.topRow);
    setCurrentRow(m_grid.row);
}

void TfrmMain::writeGrid() {
    const std::filesystem::path folder = m_storeFolder.toStdString();
    // Events another program put into the file since we read it join the list before our save
    // replaces the file, so they are kept (and shown) rather than overwritten.
    if (m_storeWatch.takeInOutsideChanges(storePath(folder), m_grid, processSettings()) > 0)
        sortRows(lastListedRow(m_grid));
    m_grid.row = currentRow();
    m_grid.topRow = topRow();
    QDir().mkpath(m_storeFolder);
    const std::vector<int> unsaved =
        vz::writeGrid(folder, m_grid, Split->Position(), processSettings(), currentYear());
    m_storeWatch.remember(storePath(folder), processSettings());
    m_closeRefused = false;
    // Rows the store could not take stay in the list; the user hears of each (on standard error
    // when the session is ending, where nobody may be left to answer a message box).
    for (const int row : unsaved) {
        const std::string message =
            formatMessage(InvalidDateMessage, m_grid.cells.cell(DateCol, row));
        if (m_ending)
            std::fprintf(stderr, "%s\n", message.c_str());
        else
            showGeneralError(qs(message));
    }
}

void TfrmMain::Timer1Timer() {
    // Qt paints only once control returns to the event loop, so everything the tick changes
    // reaches the screen together, as if drawing were suspended around it.
    if (statusHold > 0)
        --statusHold;
    else
        setStatus(qs(clockLine(appClock().now(), processSettings())), false);
    doDateDiff();
}

void TfrmMain::doDateDiff() {
    const int row = currentRow();
    const std::string& description = m_grid.cells.cell(DescriptionCol, row);
    if (description.empty())
        return;
    const RegionalSettings& rs = processSettings();
    const int year = currentYear();
    TDateTime date = 0;
    double time = 0;
    const bool dateOk = tryStrToDate(m_grid.cells.cell(DateCol, row), rs, year, date);
    if (!dateOk) {
        Timer1.stop();
        ShowError(this, InvalidDate);
    }
    const bool timeOk = tryStrToTime(m_grid.cells.cell(TimeCol, row), rs, time);
    if (!timeOk) {
        Timer1.stop();
        ShowError(this, InvalidTime);
    }
    // Without an instant the labels keep what they showed; the other rows are refreshed still.
    if (!dateOk || !timeOk) {
        doAll();
        return;
    }
    TDateDiff dd;
    computedatediff(dd, combineDateAndTime(static_cast<std::int64_t>(date), time),
                    appClock().now());
    DisplayTexts texts;
    fillDisplayTexts(texts, description, dd, rs);
    showLabelTexts(texts);
    doAll();
}

void TfrmMain::showLabelTexts(const DisplayTexts& texts) {
    const std::pair<TRaisedLabel*, const std::string*> captions[] = {
        {lblName, &texts.lblName},   {lblAll, &texts.lblAll},         {lblAll2, &texts.lblAll2},
        {lblAll3, &texts.lblAll3},   {lblWeekend, &texts.lblWeekend}, {lblDays, &texts.lblDays},
        {lblHour, &texts.lblHour},   {lblMin, &texts.lblMin},         {lblSecs, &texts.lblSecs},
        {lblSecs2, &texts.lblSecs2}, {lblSecs3, &texts.lblSecs3},
    };
    for (const auto& [label, text] : captions)
        label->setCaption(qs(*text));
    m_shown = texts;
    // The followers stand against the labels they complete.
    lblAll2->move(lblAll->x() + lblAll->width() + 1, lblAll2->y());
    lblAll3->move(lblAll2->x() + lblAll2->width() + 3, lblAll3->y());
    lblSecs2->move(lblSecs->x() + lblSecs->width(), lblSecs2->y());
    lblSecs3->move(lblSecs2->x() + lblSecs2->width() + 3, lblSecs3->y());
}

void TfrmMain::doAll() {
    if (doAllBusy)
        return;
    doAllBusy = true;
    const RegionalSettings& rs = processSettings();
    const int year = currentYear();
    QStringList errors;
    RowCells cells;
    for (int row = 1; row < EventGridRows; ++row) {
        if (m_grid.cells.cell(DescriptionCol, row).empty())
            break;
        const auto key =
            std::make_pair(m_grid.cells.cell(DateCol, row), m_grid.cells.cell(TimeCol, row));
        if (m_unreadableRows.count(key)) {
            m_model->setCell(row, DayCol, {});
            m_model->setCell(row, WhenCol, {});
            continue;
        }
        try {
            const TDateTime instant = eventInstant(key.first, key.second, rs, year);
            fillRowCells(cells, instant, appClock().now(), rs);
            m_model->setCell(row, DayCol, cells.day);
            m_model->setCell(row, WhenCol, cells.when);
        } catch (const EConvertError& e) {
            // One unreadable row is reported once and then left blank; the others go on.
            m_unreadableRows.insert(key);
            m_model->setCell(row, DayCol, {});
            m_model->setCell(row, WhenCol, {});
            errors.append(QString::fromUtf8(e.what()));
        }
    }
    doAllBusy = false;
    for (const QString& error : errors)
        showGeneralError(error);
}

void TfrmMain::scrollClick(bool up) {
    const int last = lastListedRow(m_grid);
    const int row = currentRow();
    if (up && row > 1)
        setCurrentRow(row - 1);
    else if (!up && row < last)
        setCurrentRow(row + 1);
    doDateDiff();
}

void TfrmMain::EsTile1Click() {
    const int row = currentRow();
    const std::string report =
        copyReport(StatusBar1->text().toStdString(), m_shown, m_grid.cells.cell(DateCol, row),
                   m_grid.cells.cell(TimeCol, row));
    copyToClipboard(qs(report));
    setStatus(CopiedMessage, true);
    statusHold = StatusHoldTicks;
}

void TfrmMain::btAddClick() {
    const int row = findFirstBlankRow(m_grid);
    if (row < 0) {
        ShowError(this, MaximumRows);
        return;
    }
    const RegionalSettings& rs = processSettings();
    const TDateTime now = appClock().now();
    TfrmEdit dialog(this);
    dialog.edDate->setText(qs(dateToStr(now, rs)));
    dialog.edTime->setDateTimeValue(now);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string date = dialog.edDate->text().toStdString();
    m_model->setCell(row, DescriptionCol, dialog.edName->text().toStdString());
    m_model->setCell(row, DateCol, date);
    m_model->setCell(row, TimeCol, dialog.edTime->text().toStdString());
    m_model->setCell(row, DayCol, formatDateTime("ddd", strToDate(date, rs, currentYear()), rs));
    sortAndSave(row);
}

void TfrmMain::btEditClick() {
    const int row = currentRow();
    if (m_grid.cells.cell(DescriptionCol, row).empty()) {
        ShowError(this, NothingToEdit);
        return;
    }
    const RegionalSettings& rs = processSettings();
    TfrmEdit dialog(this);
    dialog.edName->setText(qs(m_grid.cells.cell(DescriptionCol, row)));
    // A date text that no longer reads opens with the day the row was loaded with.
    const std::int32_t day = eventDay(m_grid, row, rs, currentYear());
    dialog.edDate->setDate(day != 0
                               ? static_cast<TDateTime>(day)
                               : strToDate(m_grid.cells.cell(DateCol, row), rs, currentYear()));
    dialog.edTime->setText(qs(m_grid.cells.cell(TimeCol, row)));
    if (dialog.exec() == QDialog::Accepted) {
        m_model->setCell(row, DescriptionCol, dialog.edName->text().toStdString());
        m_model->setCell(row, DateCol, dialog.edDate->text().toStdString());
        m_model->setCell(row, TimeCol, dialog.edTime->text().toStdString());
    }
    // Sorted and saved whether the dialog was confirmed or not.
    sortAndSave(lastListedRow(m_grid));
}

void TfrmMain::sortRows(int last) {
    if (last > FirstEventRow)
        SortGridRows(m_grid.cells, FirstEventRow, static_cast<std::uint16_t>(last), DescriptionCol,
                     false);
    m_model->gridChanged();
}

void TfrmMain::sortAndSave(int last) {
    sortRows(last);
    writeGrid();
    // The selected row may now hold another event: the display (and a report copied before the
    // next tick) must name the event whose date and time the row gives.
    doDateDiff();
}

void TfrmMain::btDeleteClick() {
    const int row = currentRow();
    const std::string& description = m_grid.cells.cell(DescriptionCol, row);
    if (description.empty()) {
        ShowError(this, NothingToDelete);
        return;
    }
    if (!confirm(this, QStringLiteral("Really delete ") + qs(description) + QStringLiteral("?")))
        return;
    deleteRow(m_grid, row);
    m_model->gridChanged();
    doDateDiff();
}

void TfrmMain::btAboutClick() {
    // The display stands still while the box is open and ticks again however it closes.
    TfrmAbout::execute(this, &Timer1);
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

void TfrmMain::gridMouseUp() {
    doDateDiff();
}

bool TfrmMain::gridKeyPress(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        // The list's own copy would take one cell; the keyboard's copy is the display's.
        EsTile1Click();
        return true;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
        (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)) {
        // Ctrl+Tab leaves the list as Tab does (Shift reverses it), for keyboards used to
        // lists that keep Tab for themselves.
        const bool back = event->key() == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
        focusNextPrevChild(!back);
        return true;
    }
    return false;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid && event->type() == QEvent::KeyPress) {
        bool handled = false;
        guarded([&] { handled = gridKeyPress(static_cast<QKeyEvent*>(event)); });
        if (handled)
            return true;
    } else if (watched == grid->viewport() && event->type() == QEvent::MouseButtonRelease)
        gridMouseUp();
    else if (watched == Panel1 && event->type() == QEvent::Resize)
        Panel1Resize();
    return QMainWindow::eventFilter(watched, event);
}

QString TfrmMain::saveStore() {
    // An ending signal can arrive while a message box of the start-up waits, before the list is
    // read: the store on disk is then still the whole truth.
    if (!m_storeLoaded)
        return {};
    try {
        writeGrid();
        return {};
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // A store that cannot be written keeps the window open the first time, with its events, so
    // the user can mend the folder or copy them out; a second close in a row ends the program
    // after the same report, so the user is never held in a program that cannot be left.
    if (const QString failure = saveStore(); !failure.isEmpty()) {
        showGeneralError(failure);
        if (!m_closeRefused) {
            m_closeRefused = true;
            event->ignore();
            return;
        }
    }
    guarded([this] { WinPlace1->SavePlacement(); });
    event->accept();
}

void TfrmMain::saveForSession() {
    if (const QString failure = saveStore(); !failure.isEmpty())
        std::fprintf(stderr, "%s\n", failure.toLocal8Bit().constData());
    try {
        WinPlace1->SavePlacement();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
}

void TfrmMain::endSession() {
    if (m_ending)
        return;
    m_ending = true;
    saveForSession();
    // Also leaves a modal dialog's loop, so an open dialog cannot hold the program.
    QCoreApplication::exit(0);
    // A signal handled inside a loop that ran before the main one would otherwise be forgotten
    // when the main loop starts.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace vz
