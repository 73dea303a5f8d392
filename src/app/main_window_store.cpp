// The main window's store and session: reading and saving the event list, taking in what other
// programs changed in the file, and every way the program can end.
#include "app/main_window.h"

#include "app/grid_model.h"
#include "app/reminder_scheduler.h"
#include "engine/clock.h"
#include "engine/convert_error.h"
#include "engine/datetext.h"
#include "events/winplace.h"
#include "platform/messages.h"
#include "platform/single_instance.h"
#include "store/event_store.h"
#include "widgets/splitter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <vector>

namespace vz {

void TfrmMain::readGrid() {
    int position = Split->Position();
    vz::readGrid(m_storeFolder.toStdString(), m_grid, position, processSettings());
    m_storeWatch.remember(storePath(m_storeFolder.toStdString()), processSettings());
    m_storeLoaded = true;
    Split->setPosition(position);
    m_model->gridChanged();
    setTopRow(m_grid.topRow);
    setCurrentRow(m_grid.row);
    // Once the window stands, so the notice has something to stand in front of.
    QMetaObject::invokeMethod(this, &TfrmMain::tellOfKeptEvents, Qt::QueuedConnection);
}

void TfrmMain::writeGrid() {
    const std::filesystem::path folder = m_storeFolder.toStdString();
    // What another program changed in the file since we read it is merged into the list before
    // our save replaces the file, so events it added are kept (and shown) rather than overwritten.
    if (m_storeWatch.takeInOutsideChanges(storePath(folder), m_grid, processSettings()) > 0)
        sortRows(lastListedRow(m_grid));
    m_grid.row = currentRow();
    m_grid.topRow = topRow();
    QDir().mkpath(m_storeFolder);
    SingleInstance::keepLock();
    const std::vector<int> unsaved =
        vz::writeGrid(folder, m_grid, Split->Position(), processSettings(), currentYear());
    m_storeWatch.remember(storePath(folder), processSettings());
    m_closeRefused = false;
    tellOfKeptEvents();
    // Rows the store could not take stay in the list; the user hears of each (on standard error
    // when the session is ending, where nobody may be left to answer a message box).
    for (const int row : unsaved) {
        const std::string message =
            formatMessage(InvalidDateMessage, m_grid.cells.cell(DateCol, row));
        if (m_ending)
            std::fprintf(stderr, "%s\n", message.c_str());
        else
            showGeneralError(QString::fromStdString(message));
    }
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
    guarded([this] { m_reminders->saveLastLooked(); });
    event->accept();
}

bool TfrmMain::saveForSession() {
    bool saved = true;
    if (const QString failure = saveStore(); !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", failure.toLocal8Bit().constData());
        saved = false;
    }
    try {
        WinPlace1->SavePlacement();
        m_reminders->saveLastLooked();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        saved = false;
    }
    return saved;
}

void TfrmMain::endSession() {
    if (m_ending)
        return;
    m_ending = true;
    const int status = saveForSession() ? 0 : 1;
    // Also leaves a modal dialog's loop, so an open dialog cannot hold the program.
    QCoreApplication::exit(status);
    // A signal handled inside a loop that ran before the main one would otherwise be forgotten
    // when the main loop starts.
    QMetaObject::invokeMethod(
        qApp, [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
}

} // namespace vz
