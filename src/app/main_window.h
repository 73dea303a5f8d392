// The program's one permanent window: the ticking display over the stone texture, the event
// grid below a movable bar, the buttons and the status bar.
#pragma once

#include "engine/event_instants.h"
#include "engine/wording.h"
#include "store/event_grid.h"
#include "store/outside_changes.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <set>
#include <string>
#include <utility>

class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace vz {

class EventGridModel;
class EventMenu;
class ReminderScheduler;
class TRaisedLabel;
class TEsTile;
class TVzSplitter;
class TVzSpinner;
class TVzController;
class TWinPlace;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // storeFolder: where the event stores lie (the program's folder).
    explicit TfrmMain(const QString& storeFolder, QWidget* parent = nullptr);
    ~TfrmMain() override;

    EventGrid& eventGrid() { return m_grid; }
    int currentRow() const;
    void setCurrentRow(int row);
    int topRow() const;
    void setTopRow(int row);
    bool timerRunning() const { return Timer1.isActive(); }
    QString statusText() const;

    // Handlers, public for the buttons' owners and for tests.
    void Timer1Timer();
    void scrollClick(bool up);
    void doDateDiff();
    void doAll();
    void EsTile1Click();
    void btAddClick();
    void btEditClick();
    void btDeleteClick();
    void btAboutClick();
    void writeGrid();
    void readGrid();

    // Ends the program without asking, as a logout or an ending signal wants: saves the store,
    // then the placement, and leaves every event loop. Nobody may be there to answer a message
    // box, so a store that cannot be written is reported on the standard error stream, and the
    // program ends with status 1 so a session or service manager sees the failure.
    void endSession();
    // Saves what an ending keeps (the store, then the placement) without ending, for a session
    // manager that asks before a logout. False when either could not be saved.
    bool saveForSession();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void FormShow();
    void FormResize();
    void Panel1Resize();
    void redrawColumnWidth();
    void gridMouseUp();
    bool gridKeyPress(QKeyEvent* event);
    void sortRows(int last);
    void sortAndSave(int last);
    void showLabelTexts(const DisplayTexts& texts);
    // Yearly events and reminders (main_window_reminders.cpp).
    void setupReminders();
    TDateTime rowMoment(int row, TDateTime instant, TDateTime now) const;
    std::string yearlyLine(int row) const;
    void showEventOf(const std::string& description, const std::string& date,
                     const std::string& time, const QString& token);
    void setStatus(const QString& text, bool bold);
    int dpi() const;
    // Saves the store; returns the error's text, empty when it was written.
    QString saveStore();
    // Events beyond the list's rows (main_window_kept.cpp): the user hears once that they are
    // kept, and sees them as rows become free.
    void tellOfKeptEvents();
    void showFreedRows();

    QString m_storeFolder;
    EventGrid m_grid;
    StoreWatch m_storeWatch;  // the store as last read or written, to notice changes by others
    DisplayTexts m_shown;     // what the display labels show
    EventInstants m_instants; // each row's instant, read once from its texts
    // Rows whose date or time text could not be read (reported once, then skipped).
    std::set<std::pair<std::string, std::string>> m_unreadableRows;

    TVzSplitter* Split = nullptr;
    QTableView* grid = nullptr;
    EventGridModel* m_model = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* btAdd = nullptr;
    QPushButton* btEdit = nullptr;
    QPushButton* btDelete = nullptr;
    QPushButton* btAbout = nullptr;
    QPushButton* btClose = nullptr;
    QPushButton* btCopy = nullptr;
    QLabel* StatusBar1 = nullptr;
    TVzSpinner* scroll = nullptr;
    TVzController* VzController1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    EventMenu* m_eventMenu = nullptr;
    ReminderScheduler* m_reminders = nullptr;
    TWinPlace* WinPlace1 = nullptr;
    TEsTile* EsTile1 = nullptr;
    TRaisedLabel* lblName = nullptr;
    TRaisedLabel* lblAll = nullptr;
    TRaisedLabel* lblAll2 = nullptr;
    TRaisedLabel* lblAll3 = nullptr;
    TRaisedLabel* lblWeekend = nullptr;
    TRaisedLabel* lblDays = nullptr;
    TRaisedLabel* lblHour = nullptr;
    TRaisedLabel* lblMin = nullptr;
    TRaisedLabel* lblSecs = nullptr;
    TRaisedLabel* lblSecs2 = nullptr;
    TRaisedLabel* lblSecs3 = nullptr;
    QTimer Timer1;

    int minTrackWidth = 0;
    int statusHold = 0;
    bool doAllBusy = false;
    bool m_shown_once = false;
    // The last close was refused because the store could not be written; the next one ends.
    bool m_closeRefused = false;
    bool m_ending = false;
    // Until the store is loaded the grid is empty, and saving it would wipe the store.
    bool m_storeLoaded = false;
    // How many events beyond the list the user was last told of.
    int m_keptTold = 0;
};

} // namespace vz
