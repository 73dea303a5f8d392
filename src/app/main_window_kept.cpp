// The main window's events beyond the list's 25 rows: the store keeps them, the user is told so
// once, and they come into the list as rows become free.
#include "app/main_window.h"

#include "app/grid_model.h"
#include "platform/messages.h"
#include "store/event_store.h"

#include <QDir>

#include <algorithm>

#include <cstdio>

namespace vz {

namespace {

QString keptEventsNotice(int kept, const QString& store) {
    const QString more = kept == 1 ? QStringLiteral("1 more event is")
                                   : QStringLiteral("%1 more events are").arg(kept);
    return QStringLiteral("The event list shows %1 events. %2 kept in %3 and shown here as rows "
                          "become free.")
        .arg(LastEventRow)
        .arg(more, QDir::toNativeSeparators(store));
}

} // namespace

void TfrmMain::tellOfKeptEvents() {
    const int kept = m_grid.kept.rowCount();
    // Told again only when more come in than the user last heard of.
    const bool more = kept > m_keptTold;
    m_keptTold = kept;
    if (!more)
        return;
    const QString notice = keptEventsNotice(
        kept, QString::fromStdString(storePath(m_storeFolder.toStdString()).string()));
    if (m_ending)
        std::fprintf(stderr, "%s\n", notice.toLocal8Bit().constData());
    else
        showInformation(notice);
}

void TfrmMain::showFreedRows() {
    if (showKeptEvents(m_grid) > 0)
        sortRows(lastListedRow(m_grid));
    m_keptTold = std::min(m_keptTold, m_grid.kept.rowCount());
}

} // namespace vz
