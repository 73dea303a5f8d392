// The event list: the one copy of the events in memory, 26 rows of 5 text columns. Row 0 holds
// the headings, rows 1 to 25 the events, filled from row 1 on; an empty description marks a
// blank row. Besides the cells the grid knows its selected row and its top visible row, which
// the store keeps between runs.
//
//     vz::EventGrid list;
//     int row = vz::findFirstBlankRow(list);      // 1 in an empty list, -1 when full
//     list.cells.cell(vz::DescriptionCol, row) = "Birthday";
//     vz::deleteRow(list, 1);                     // later rows move up, row 25 is cleared
#pragma once

#include "store/string_grid.h"

#include <array>
#include <string_view>

namespace vz {

inline constexpr int EventGridRows = 26;
inline constexpr int EventGridCols = 5;
inline constexpr int FirstEventRow = 1;
inline constexpr int LastEventRow = EventGridRows - 1; // 25 events at most
inline constexpr int MaxDescriptionLength = 40;        // characters

inline constexpr int DescriptionCol = 0;
inline constexpr int DateCol = 1;
inline constexpr int TimeCol = 2;
inline constexpr int DayCol = 3;
inline constexpr int WhenCol = 4;

inline constexpr std::array<std::string_view, EventGridCols> EventGridHeadings = {
    "Description", "Date", "Time", "Day", "When"};

// A column nobody sees: the whole day number a row was loaded with, as decimal text (empty for
// a row added since). It travels with its row through sorting and deleting, so a save can fall
// back on it when the row's date text cannot be read (see eventDay in event_store.h).
inline constexpr int LoadedDayCol = EventGridCols;
// The event's "Repeat" and "Remind" values as the store holds them (empty when it has none),
// unknown values included, so they move with their row like the rest of it.
inline constexpr int RepeatCol = EventGridCols + 1;
inline constexpr int RemindCol = EventGridCols + 2;
// The date text of the occurrence a yearly event counts to, which the Date column shows in place
// of the stored first occurrence (empty for other events). Filled for the display, never saved.
inline constexpr int OccurrenceDateCol = EventGridCols + 3;
inline constexpr int EventGridAllCols = EventGridCols + 4;

struct EventGrid {
    StringGrid cells{EventGridAllCols, EventGridRows};
    // Events the 25 rows cannot hold (a hand-made store, or another program's additions), in
    // file order: whole rows of the same columns as `cells` (row 0 is the first), kept in the
    // store after the list's entries and shown as rows become free.
    StringGrid kept{cells.colCount(), 0};
    int row = FirstEventRow;    // the selected row
    int topRow = FirstEventRow; // the first scrollable row in view

    bool isBlank(int r) const { return cells.cell(DescriptionCol, r).empty(); }
};

// Writes the heading row.
void writeHeadings(EventGrid& grid);

// The first event row whose description is empty, or -1 when all 25 are filled.
int findFirstBlankRow(const EventGrid& grid);
// The last row that holds an event (the whole list when it is full).
int lastListedRow(const EventGrid& grid);

// Removes event row `r` (1 to 25): every later row moves up one, all its columns, and row 25
// is cleared. The selected row number stays. A row outside 1 to 25 changes nothing.
void deleteRow(EventGrid& grid, int r);

// The nearest event row to `r`, for row numbers read from outside.
int clampToEventRow(int r);

// Row `r` holds an event: a description or a date (an entry with an empty description is one).
bool holdsEvent(const EventGrid& grid, int r);

// Puts row `fromRow` of `from`, every column, into the first blank event row, or after the
// kept events when the list is full. True when it went into the list.
bool addEventRow(EventGrid& grid, const StringGrid& from, int fromRow);

// Moves kept events, oldest first, into the blank event rows; answers how many moved (the
// caller sorts them in).
int showKeptEvents(EventGrid& grid);

} // namespace vz
