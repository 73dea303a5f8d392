#include "readout/readout.h"

#include "engine/convert_error.h"
#include "engine/datediff.h"
#include "engine/datetext.h"
#include "engine/occurrence.h"
#include "engine/reminders.h"
#include "engine/report.h"
#include "engine/wording.h"
#include "store/event_store.h"
#include "store/profile_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace fs = std::filesystem;

namespace vz {

namespace {

constexpr std::string_view ColumnGap = "  ";
constexpr double SoonDays = 7;
constexpr int MaxSecondsUnchanged = 60;

// A file's bytes, or the error number that kept them from us.
struct FileBytes {
    std::optional<std::string> bytes;
    int error = 0;
};

FileBytes readFile(const fs::path& path) {
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        return {std::nullopt, errno != 0 ? errno : EIO};
    std::string bytes;
    std::array<char, 16384> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0)
        bytes.append(buffer.data(), got);
    // A folder opens on some systems and fails only when read.
    if (std::ferror(file.get()))
        return {std::nullopt, errno != 0 ? errno : EIO};
    return {std::move(bytes), 0};
}

std::string cannotRead(const fs::path& path, int error) {
    return "cannot read " + path.string() + ": " + std::strerror(error);
}

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return text;
}

// Columns count characters, not bytes: continuation bytes of UTF-8 take no column.
std::size_t columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

DisplayTexts displayTextsFor(const std::string& description, TDateTime instant, TDateTime now,
                             const RegionalSettings& rs) {
    TDateDiff dd;
    computedatediff(dd, instant, now);
    DisplayTexts texts;
    fillDisplayTexts(texts, description, dd, rs);
    return texts;
}

// `instant` is the stored first moment, `moment` the one the event counts to: a yearly event's
// report names its occurrence and adds the line of the years since the first, as the window's.
std::string reportFor(const EventGrid& grid, int row, TDateTime instant, TDateTime moment,
                      TDateTime now, const RegionalSettings& rs) {
    const std::string& date = grid.cells.cell(DateCol, row);
    const bool occurrence = moment != instant;
    return copyReport(clockLine(now, rs),
                      displayTextsFor(grid.cells.cell(DescriptionCol, row), moment, now, rs),
                      occurrence ? dateToStr(moment, rs) : date, grid.cells.cell(TimeCol, row),
                      repeatsYearly(grid.cells.cell(RepeatCol, row))
                          ? yearlyReportLine(date, yearsSince(instant, moment))
                          : std::string());
}

// Seconds from `now` until the wall clock's seconds reach those of `instant` again: the
// moment the interval's minutes, worked out field by field, change.
double secondsUntilMinuteTurns(TDateTime instant, TDateTime now) {
    const DecodedDateTime at = decodeDateTime(instant);
    const DecodedDateTime clock = decodeDateTime(now);
    int ms = ((at.second - clock.second + 60) % 60) * 1000 - clock.millisecond;
    if (ms <= 0)
        ms += MaxSecondsUnchanged * 1000;
    return ms / 1000.0;
}

bool isGuiOptionWithValue(std::string_view name) {
    static constexpr std::array<std::string_view, 16> Names = {"platform",
                                                               "platformpluginpath",
                                                               "platformtheme",
                                                               "plugin",
                                                               "qwindowgeometry",
                                                               "geometry",
                                                               "qwindowtitle",
                                                               "title",
                                                               "qwindowicon",
                                                               "icon",
                                                               "session",
                                                               "style",
                                                               "stylesheet",
                                                               "display",
                                                               "name",
                                                               "qmljsdebugger"};
    return std::find(Names.begin(), Names.end(), name) != Names.end();
}

bool isGuiFlag(std::string_view name) {
    static constexpr std::array<std::string_view, 6> Names = {
        "reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
    return std::find(Names.begin(), Names.end(), name) != Names.end();
}

} // namespace

std::string readStoreForReadout(const fs::path& folder, EventGrid& grid, const RegionalSettings& rs,
                                int currentYear) {
    const fs::path path = storePath(folder);
    const fs::path oldPath = folder / OldStoreFileName;
    const FileBytes current = readFile(path);
    // An older store beside it is converted over it at the window's next start; one that cannot
    // be read is left alone there, and so here.
    const FileBytes older = readFile(oldPath);
    if (current.error != 0 && current.error != ENOENT)
        return cannotRead(path, current.error);
    if (current.error == ENOENT && !older.bytes)
        return older.error == ENOENT ? cannotRead(path, ENOENT) : cannotRead(oldPath, older.error);
    const std::optional<std::string>& bytes = current.bytes;
    const std::optional<std::string>& oldBytes = older.bytes;
    ProfileFile store = bytes ? ProfileFile::fromBytes(*bytes) : ProfileFile();
    if (oldBytes)
        convertOldStore(ProfileFile::fromBytes(*oldBytes), store, rs, currentYear);
    int splitter = 0;
    readGridFrom(store, grid, splitter, rs);
    return {};
}

namespace {

// The event's stored first moment: its date and time as written.
TDateTime storedInstant(const EventGrid& grid, int row, const RegionalSettings& rs,
                        int currentYear) {
    return eventInstant(grid.cells.cell(DateCol, row), grid.cells.cell(TimeCol, row), rs,
                        currentYear);
}

} // namespace

TDateTime countsTo(const EventGrid& grid, int row, TDateTime now, const RegionalSettings& rs,
                   int currentYear) {
    return eventMoment(storedInstant(grid, row, rs, currentYear),
                       repeatsYearly(grid.cells.cell(RepeatCol, row)), now);
}

std::vector<ListedEvent> listEvents(const EventGrid& grid, TDateTime now,
                                    const RegionalSettings& rs, int currentYear) {
    std::vector<ListedEvent> events;
    RowCells cells;
    for (int row = FirstEventRow; row <= LastEventRow && !grid.isBlank(row); ++row) {
        ListedEvent event;
        event.row = row;
        event.description = grid.cells.cell(DescriptionCol, row);
        event.date = grid.cells.cell(DateCol, row);
        event.time = grid.cells.cell(TimeCol, row);
        try {
            const TDateTime instant = countsTo(grid, row, now, rs, currentYear);
            fillRowCells(cells, instant, now, rs);
            // A yearly event's date is the occurrence it counts to, as the window's list shows.
            if (instant != storedInstant(grid, row, rs, currentYear))
                event.date = dateToStr(instant, rs);
            event.day = cells.day;
            event.when = cells.when;
            event.instant = instant;
        } catch (const EConvertError& e) {
            event.error = e.what();
        }
        events.push_back(std::move(event));
    }
    return events;
}

std::string formatListing(const std::vector<ListedEvent>& events, bool tabSeparated) {
    constexpr std::size_t Count = 5;
    std::vector<std::array<std::string, Count>> lines;
    std::array<std::size_t, Count> widths{};
    for (const ListedEvent& e : events) {
        std::array<std::string, Count> cells = {oneLine(e.description), oneLine(e.date),
                                                oneLine(e.time), oneLine(e.day),
                                                trimmed(oneLine(e.when))};
        for (std::size_t c = 0; c < Count; ++c)
            widths[c] = std::max(widths[c], columns(cells[c]));
        lines.push_back(std::move(cells));
    }
    std::string out;
    for (const auto& cells : lines) {
        std::string line;
        for (std::size_t c = 0; c < Count; ++c) {
            if (c > 0)
                line += tabSeparated ? std::string_view("\t") : ColumnGap;
            line += cells[c];
            if (!tabSeparated && c + 1 < Count)
                line.append(widths[c] - columns(cells[c]), ' ');
        }
        out += tabSeparated ? line : trimmed(line);
        out += '\n';
    }
    return out;
}

std::string foldAscii(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

int findEventRow(const EventGrid& grid, std::string_view which, const CaseFold& fold) {
    const int last = grid.isBlank(FirstEventRow) ? 0 : lastListedRow(grid);
    int number = 0;
    const auto [end, error] = std::from_chars(which.data(), which.data() + which.size(), number);
    if (error == std::errc() && end == which.data() + which.size() && number >= FirstEventRow &&
        number <= last)
        return number;
    const std::string wanted = fold(which);
    for (int row = FirstEventRow; row <= last; ++row)
        if (fold(grid.cells.cell(DescriptionCol, row)) == wanted)
            return row;
    return 0;
}

std::string eventReport(const EventGrid& grid, int row, TDateTime now, const RegionalSettings& rs,
                        int currentYear) {
    return reportFor(grid, row, storedInstant(grid, row, rs, currentYear),
                     countsTo(grid, row, now, rs, currentYear), now, rs);
}

NextReadout nextReadout(const EventGrid& grid, const std::vector<ListedEvent>& events,
                        TDateTime now, const RegionalSettings& rs) {
    const ListedEvent* nearest = nullptr;
    for (const ListedEvent& e : events)
        if (e.instant && *e.instant > now && (!nearest || *e.instant < *nearest->instant))
            nearest = &e;
    NextReadout next;
    if (!nearest)
        return next;
    const TDateTime instant = *nearest->instant;
    TDateDiff dd;
    computedatediff(dd, instant, now);
    // Whole minutes are enough for a status bar; only the last minute counts its seconds.
    std::string interval = trimmed(ymdhms(dd, true, true).line);
    const bool lastMinute = interval.empty();
    if (lastMinute)
        interval = trimmed(ymdhms(dd, true, false).line);
    next.row = nearest->row;
    next.text = oneLine(nearest->description) + ": " + interval;
    next.alt = nearest->description;
    std::string report = reportFor(grid, nearest->row,
                                   storedInstant(grid, nearest->row, rs, decodeDateTime(now).year),
                                   instant, now, rs);
    std::erase(report, '\r');
    next.tooltip = std::move(report);
    if (splitDateTime(instant).day == splitDateTime(now).day)
        next.cssClass = "today";
    else if (instant - now <= SoonDays)
        next.cssClass = "soon";
    else
        next.cssClass = "later";
    if (lastMinute)
        next.secondsUnchanged = 1.0 - decodeDateTime(now).millisecond / 1000.0;
    else
        next.secondsUnchanged = secondsUntilMinuteTurns(instant, now);
    return next;
}

std::string nextJson(const NextReadout& next) {
    auto quoted = [](std::string_view text) {
        std::string out = "\"";
        for (const char c : text) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                    out += escape;
                } else {
                    out += c;
                }
            }
        }
        return out + "\"";
    };
    return "{\"text\": " + quoted(next.text) + ", \"tooltip\": " + quoted(next.tooltip) +
           ", \"class\": " + quoted(next.cssClass) + ", \"alt\": " + quoted(next.alt) + "}";
}

bool argumentsAskForWindow(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        // The window system takes its options with one dash or two.
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            return false;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            if (!isGuiOptionWithValue(name.substr(0, equals)))
                return false;
        } else if (isGuiOptionWithValue(name)) {
            ++i; // its value
        } else if (!isGuiFlag(name)) {
            return false;
        }
    }
    return true;
}

} // namespace vz
