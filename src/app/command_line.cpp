#include "app/command_line.h"

#include "engine/clock.h"
#include "engine/convert_error.h"
#include "engine/datetext.h"
#include "platform/regional_qt.h"
#include "platform/store_location.h"
#include "readout/readout.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace vz {

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;
// A wake-up lands this long after the moment the text turns, never just before it.
constexpr double WakeMargin = 0.02;

const QString Description =
    QStringLiteral("Counts down to coming events and up from past ones. Without options, shows "
                   "the window; the options below print the events instead, for terminals, "
                   "scripts and status bars.");

void print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

void complain(std::string_view message) {
    print(stderr, "vorurer: ");
    print(stderr, message);
    print(stderr, "\n");
}

int usageError(const QCommandLineParser& parser, const QString& message) {
    complain(message.toStdString());
    print(stderr, parser.helpText().toStdString());
    return ExitUsage;
}

std::string caseFolded(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .toCaseFolded()
        .toStdString();
}

struct Readout {
    RegionalSettings rs;
    std::filesystem::path folder;
    EventGrid grid;
    std::set<std::string> told; // unreadable rows already reported

    // Reads the store again; answers the error's text, empty when it was read.
    std::string read() {
        EventGrid fresh;
        std::string error = readStoreForReadout(folder, fresh, rs, currentYear());
        if (error.empty())
            grid = std::move(fresh);
        return error;
    }

    std::vector<ListedEvent> events(TDateTime now) {
        std::vector<ListedEvent> listed = listEvents(grid, now, rs, currentYear());
        // Like the window, each unreadable row is reported once and then shown without interval.
        for (const ListedEvent& e : listed)
            if (!e.error.empty() && told.insert(e.error).second)
                complain(e.error);
        return listed;
    }
};

int runList(Readout& readout, bool tabSeparated) {
    print(stdout, formatListing(readout.events(appClock().now()), tabSeparated));
    return 0;
}

int runReport(Readout& readout, const QStringList& which) {
    int row = readout.grid.row;
    if (!which.isEmpty()) {
        row = findEventRow(readout.grid, which.front().toStdString(), caseFolded);
        if (row == 0) {
            complain("no event '" + which.front().toStdString() + "' in the list");
            return ExitFailed;
        }
    } else if (readout.grid.isBlank(row)) {
        complain("no event is selected; name one by its row number or description");
        return ExitFailed;
    }
    try {
        print(stdout, eventReport(readout.grid, row, appClock().now(), readout.rs, currentYear()));
    } catch (const EConvertError& e) {
        complain(e.what());
        return ExitFailed;
    }
    return 0;
}

int runNext(Readout& readout, bool json, bool watch) {
    std::string shown;
    std::string failure; // the store's last read error, told once until it changes
    for (bool first = true;; first = false) {
        if (!first) {
            // The last list read goes on counting while the store cannot be read.
            std::string error = readout.read();
            if (!error.empty() && error != failure)
                complain(error);
            failure = std::move(error);
        }
        const TDateTime now = appClock().now();
        const NextReadout next = nextReadout(readout.grid, readout.events(now), now, readout.rs);
        if (first || next.text != shown) {
            shown = next.text;
            print(stdout, (json ? nextJson(next) : next.text) + "\n");
            // A status bar that went away ends the watch.
            if (std::fflush(stdout) != 0 || std::ferror(stdout))
                return watch ? 0 : ExitFailed;
        }
        if (!watch)
            return 0;
        std::this_thread::sleep_for(
            std::chrono::duration<double>(next.secondsUnchanged + WakeMargin));
    }
}

} // namespace

bool commandLineAsksForWindow(int argc, char** argv) {
    return argumentsAskForWindow(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
}

int runCommandLine(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The data folder of an installed copy is named after the application, as for the window.
    QCoreApplication::setApplicationName(QStringLiteral("vorurer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VZ_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(Description);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption list(
        QStringLiteral("list"),
        QStringLiteral("Print every event, one a line: description, date, time, weekday and "
                       "the interval, as the window's list shows them."));
    const QCommandLineOption tsv(QStringLiteral("tsv"),
                                 QStringLiteral("With --list: separate the columns by tabs."));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Print the report a copy of the display gives, for the selected event "
                       "or for <event>."));
    const QCommandLineOption next(QStringLiteral("next"),
                                  QStringLiteral("Print the nearest event to come and how far off "
                                                 "it is; nothing when none is to come."));
    const QCommandLineOption json(
        QStringLiteral("json"),
        QStringLiteral("With --next: print a JSON object (text, tooltip, class, alt)."));
    const QCommandLineOption watch(
        QStringLiteral("watch"),
        QStringLiteral("With --next: keep running, printing a line whenever the text changes."));
    for (const QCommandLineOption* option : {&list, &tsv, &report, &next, &json, &watch})
        parser.addOption(*option);
    parser.addPositionalArgument(
        QStringLiteral("event"),
        QStringLiteral("With --report: the event's row number in the list, or its "
                       "description (the first match, case ignored)."),
        QStringLiteral("[event]"));

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText().toStdString());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, "vorurer " VZ_VERSION "\n");
        return 0;
    }
    const int actions =
        int(parser.isSet(list)) + int(parser.isSet(report)) + int(parser.isSet(next));
    if (actions != 1)
        return usageError(parser, QStringLiteral("Choose one of --list, --report and --next."));
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty() && (!parser.isSet(report) || positional.size() > 1))
        return usageError(parser,
                          QStringLiteral("Unexpected argument '%1'.").arg(positional.back()));
    if (parser.isSet(tsv) && !parser.isSet(list))
        return usageError(parser, QStringLiteral("--tsv goes with --list."));
    if ((parser.isSet(json) || parser.isSet(watch)) && !parser.isSet(next))
        return usageError(parser, QStringLiteral("--json and --watch go with --next."));

    Readout readout;
    readout.rs = regionalSettingsFromLocale(QLocale::system());
    fix2000(readout.rs);
    readout.folder = storeFolderToRead(QCoreApplication::applicationDirPath()).toStdU16String();
    if (const std::string error = readout.read(); !error.empty()) {
        complain(error);
        return ExitFailed;
    }
    if (parser.isSet(list))
        return runList(readout, parser.isSet(tsv));
    if (parser.isSet(report))
        return runReport(readout, positional);
    return runNext(readout, parser.isSet(json), parser.isSet(watch));
}

} // namespace vz
