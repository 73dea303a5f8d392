// The main window's behaviour: the tick that refreshes the display and the list, and the
// handlers of its buttons, keys and clicks.
#include "app/main_window.h"

#include "app/accessibility.h"
#include "app/event_menu.h"
#include "app/grid_model.h"
#include "app/reminder_scheduler.h"
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
#include "store/event_store.h"
#include "store/sortgrid.h"
#include "timeentry/picture_field.h"
#include "timeentry/simple_field.h"
#include "widgets/raised_label.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>

namespace vz {

namespace {

const QString CopiedMessage = QStringLiteral("Date was copied to the clipboard");
const QString InvalidDate = QStringLiteral("Invalid date");
const QString InvalidTime = QStringLiteral("Invalid time");
const QString NothingToEdit = QStringLiteral("Nothing to edit");
const QString NothingToDelete = QStringLiteral("Nothing to delete");
const QString MaximumRows = QStringLiteral("Maximum number of rows reached");
const char* const Headings[] = {"Description", "Date", "Time", "Day", "When"};
constexpr int StatusHoldTicks = 3;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TfrmMain::TfrmMain(const QString& storeFolder, QWidget* parent)
    : QMainWindow(parent), m_storeFolder(storeFolder), m_grid() {
    setObjectName(QStringLiteral("frmMain"));
    setFont(QFont(installedFamily(QStringLiteral("MS Sans Serif")), 8));
    buildControls();
    setupReminders();
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // A window ended without a close (a signal, the end of a test) is still shown. Hiding it
    // sends its children events that read the grid, so that must happen while the grid lives,
    // not in the base destructor after it.
    hide();
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
    m_reminders->start();
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
    if (StatusBar1->text() == text)
        return;
    StatusBar1->setText(text);
    // The clock's line is read when asked; a message in bold is news.
    if (bold)
        announceLine(StatusBar1);
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
    m_instants.readWith(rs, currentYear());
    const std::string& dateText = m_grid.cells.cell(DateCol, row);
    const std::string& timeText = m_grid.cells.cell(TimeCol, row);
    TDateTime instant = 0;
    try {
        instant = m_instants.instant(row, dateText, timeText);
    } catch (const EConvertError&) {
        // Without an instant the labels keep what they showed; the other rows are refreshed
        // still. The user hears which text cannot be read.
        TDateTime date = 0;
        double time = 0;
        if (!tryStrToDate(dateText, rs, currentYear(), date)) {
            Timer1.stop();
            ShowError(this, InvalidDate);
        }
        if (!tryStrToTime(timeText, rs, time)) {
            Timer1.stop();
            ShowError(this, InvalidTime);
        }
        doAll();
        return;
    }
    TDateDiff dd;
    const TDateTime now = appClock().now();
    computedatediff(dd, rowMoment(row, instant, now), now);
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
    m_instants.readWith(rs, currentYear());
    QStringList errors;
    RowCells cells;
    const TDateTime now = appClock().now();
    for (int row = 1; row < EventGridRows; ++row) {
        if (m_grid.cells.cell(DescriptionCol, row).empty())
            break;
        const auto key =
            std::make_pair(m_grid.cells.cell(DateCol, row), m_grid.cells.cell(TimeCol, row));
        if (m_unreadableRows.count(key)) {
            m_model->setCell(row, OccurrenceDateCol, {});
            m_model->setCell(row, DayCol, {});
            m_model->setCell(row, WhenCol, {});
            continue;
        }
        try {
            const TDateTime instant = m_instants.instant(row, key.first, key.second);
            const TDateTime moment = rowMoment(row, instant, now);
            fillRowCells(cells, moment, now, rs);
            // A yearly event's Date column shows the occurrence it counts to.
            m_model->setCell(row, OccurrenceDateCol,
                             moment != instant ? dateToStr(moment, rs) : std::string());
            m_model->setCell(row, DayCol, cells.day);
            m_model->setCell(row, WhenCol, cells.when);
        } catch (const EConvertError& e) {
            // One unreadable row is reported once and then left blank; the others go on.
            m_unreadableRows.insert(key);
            m_model->setCell(row, OccurrenceDateCol, {});
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
    // The date the display counts to: a yearly event's occurrence.
    const std::string& occurrence = m_grid.cells.cell(OccurrenceDateCol, row);
    const std::string report =
        copyReport(StatusBar1->text().toStdString(), m_shown,
                   occurrence.empty() ? m_grid.cells.cell(DateCol, row) : occurrence,
                   m_grid.cells.cell(TimeCol, row), yearlyLine(row));
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
    showFreedRows();
    m_model->gridChanged();
    doDateDiff();
}

void TfrmMain::btAboutClick() {
    // The display stands still while the box is open and ticks again however it closes.
    TfrmAbout::execute(this, &Timer1);
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
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        m_eventMenu->popupFromKeyboard(grid);
        return true;
    }
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
    if (watched == grid && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard the menu opens under the selected row, not where the mouse is.
        m_eventMenu->popupFromKeyboard(grid);
        return true;
    }
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

} // namespace vz
