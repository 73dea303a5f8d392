"""Building the event list as a new user does: three events typed in by keyboard alone, one
renamed with the mouse, one given a time on the time bar, one deleted; the store written at the
end holds exactly what the list showed, and the next start shows it again. Also grabs the two
dialogs at their designed sizes for the documentation."""
import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, day_number  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
# Where the dialogs' pictures go (the documentation's folder when refreshing it).
SHOTS = os.environ.get("VZ_SCREENSHOTS")

MAIN = "Vizevavoz 98"
EDIT = "Add/Edit description, date and time"
TIME_ENTRY = "Time Entry"
CONFIRM = "Confirm"

# Client coordinates of the main window's controls at the designed size. The panel's buttons
# are centred 40 above the bottom; Copy and Exit keep their distance from the right edge.
BUTTON_CENTRES = {"add": 42, "edit": 114, "delete": 186, "copy": -191, "exit": -45}
BUTTON_Y_FROM_BOTTOM = 40
GRID_FIRST_ROW_Y = 234  # below the splitter bar and the heading row; rows are 19 high
GRID_TEXT_X = 40
# Edit dialog.
DESCRIPTION_END = (310, 28)
CLOCK_BUTTON = (264 + 12, 96 + 12)
EDIT_OK = (184 + 37, 328 + 12)
# Time-bar dialog: bar column c stands at client x 8 + c; a column is three minutes, counted
# from column 8.
BAR_LEFT = 8
BAR_Y = 25
TIME_ENTRY_OK = (320 + 44, 91 + 14)



def bar_x(hour, minute):
    return BAR_LEFT + 8 + (60 * hour + minute) // 3


class ListEditing(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)

    def tearDown(self):
        self.desk.close()

    # The main window.

    def press(self, window, button):
        _, _, width, height = self.desk.geometry(window)
        x = BUTTON_CENTRES[button]
        self.desk.click(window, x if x > 0 else width + x, height - BUTTON_Y_FROM_BOTTOM)

    def select_row(self, window, row):
        self.desk.click(window, GRID_TEXT_X, GRID_FIRST_ROW_Y + 19 * (row - 1))

    def selected_event(self, window):
        """The selected event as the copied report names it: (description, date, time)."""
        self.press(window, "copy")
        lines = self.desk.clipboard().split("\r\n")
        self.assertTrue(lines[1].startswith("Event: "), lines)
        scheduled = re.fullmatch(r"Scheduled For (\S+)  (\d\d:\d\d [AP]M)", lines[2])
        self.assertIsNotNone(scheduled, lines)
        return lines[1][len("Event: "):], scheduled.group(1), scheduled.group(2)

    def listed_events(self, window, count):
        """Every listed event, read row by row through the report; leaves the last row selected."""
        events = []
        for row in range(1, count + 1):
            self.select_row(window, row)
            events.append(self.selected_event(window))
        return events

    def exit(self, window):
        self.press(window, "exit")
        self.assertEqual(self.desk.wait_exit(), 0)

    # The edit dialog.

    def add_by_keyboard(self, window, description, date_keys, time_keys):
        self.desk.key(window, "alt+a")
        dialog = self.desk.window(EDIT)
        self.desk.type(dialog, description)
        self.desk.key(dialog, "Tab", *date_keys, "Tab")
        self.desk.type(dialog, time_keys)
        self.desk.key(dialog, "Return")
        self.desk.gone(EDIT)
        # The display shows the new event from the next tick on.
        time.sleep(1.1)

    def test_a_new_user_builds_the_list_and_finds_it_again(self):
        window = self.desk.start()

        # Three events from the keyboard: the date's elements by digits (a four-digit year),
        # and once by stepping the year with the arrow key.
        self.add_by_keyboard(window, "Vacation", ["7", "4", "2", "0", "2", "7"], "0915AM")
        self.add_by_keyboard(window, "Anniversary", ["1", "2", "2", "5", "2", "0", "2", "5"],
                             "0730PM")
        self.add_by_keyboard(window, "Concert", ["3", "1", "4", "Up"], "1100AM")
        self.assertEqual(self.listed_events(window, 3), [
            ("Anniversary", "12/25/2025", "07:30 PM"),
            ("Concert", "3/14/2027", "11:00 AM"),
            ("Vacation", "7/4/2027", "09:15 AM"),
        ])

        # Rename the first with the mouse: it sorts to the end, the selection keeps row 1.
        self.select_row(window, 1)
        self.press(window, "edit")
        dialog = self.desk.window(EDIT)
        self.desk.click(dialog, *DESCRIPTION_END)
        self.desk.key(dialog, "Home", "shift+End")
        self.desk.type(dialog, "Wedding anniversary")
        self.desk.click(dialog, *EDIT_OK)
        self.desk.gone(EDIT)
        time.sleep(1.1)  # the display follows the sorted list at the next tick
        self.assertEqual(self.selected_event(window), ("Concert", "3/14/2027", "11:00 AM"))

        # Give Vacation (now row 2, opened by a double click) 7 p.m. from the time bar.
        self.desk.double_click(window, GRID_TEXT_X, GRID_FIRST_ROW_Y + 19)
        dialog = self.desk.window(EDIT)
        self.desk.click(dialog, *CLOCK_BUTTON)
        popup = self.desk.window(TIME_ENTRY)
        self.desk.click(popup, bar_x(19, 0), BAR_Y)
        self.desk.click(popup, *TIME_ENTRY_OK)
        self.desk.gone(TIME_ENTRY)
        self.desk.key(dialog, "Return")  # the time field has the focus now
        self.desk.gone(EDIT)

        # Delete Concert, confirming with Alt+Y; the later rows move up.
        self.select_row(window, 1)
        self.press(window, "delete")
        confirm = self.desk.window(CONFIRM)
        self.desk.key(confirm, "alt+y")
        self.desk.gone(CONFIRM)

        shown = self.listed_events(window, 2)
        self.assertEqual(shown, [
            ("Vacation", "7/4/2027", "07:00 PM"),
            ("Wedding anniversary", "12/25/2025", "07:30 PM"),
        ])
        self.exit(window)

        # The store holds what the list showed, in its order, and the selected row.
        store = self.desk.read_store()
        stored = re.findall(r"^\[Entry(\d+)\]\r\nDesc=(.*)\r\nDate=(.*)\r\nTime=(.*)\r$", store,
                            re.M)
        self.assertEqual(len(stored), 26, store)
        self.assertEqual(stored[:3], [
            ("1", "Vacation", str(day_number(2027, 7, 4)), "07:00 PM"),
            ("2", "Wedding anniversary", str(day_number(2025, 12, 25)), "07:30 PM"),
            ("3", "", "0", ""),
        ])
        self.assertTrue(all(entry[1:] == ("", "0", "") for entry in stored[2:]), stored)
        self.assertRegex(store, r"\[Lastone\]\r\nTop=1\r\nLast=2\r\n")

        # The next start shows the same list with the same event selected.
        window = self.desk.start()
        self.assertEqual(self.selected_event(window), shown[1])
        self.assertEqual(self.listed_events(window, 2), shown)
        self.exit(window)


    def test_german_dates_are_typed_day_first_and_enter_confirms_a_deletion(self):
        window = self.desk.start(lang="de_DE.UTF-8")
        self.add_by_keyboard(window, "Abend", ["2", "4", "1", "2", "2", "6"], "0845PM")
        self.assertEqual(self.selected_event(window), ("Abend", "24.12.2026", "08:45 PM"))
        self.press(window, "delete")
        confirm = self.desk.window(CONFIRM)
        self.desk.key(confirm, "Return")
        self.desk.gone(CONFIRM)
        self.exit(window)
        self.assertIn("[Entry1]\r\nDesc=\r\nDate=0\r\nTime=\r\n", self.desk.read_store())

    def test_dialogs_open_at_their_designed_sizes(self):
        for lang, suffix in (("en_US.UTF-8", ""), ("de_DE.UTF-8", "-de")):
            window = self.desk.start(lang=lang)
            self.desk.key(window, "alt+a")
            dialog = self.desk.window(EDIT)
            self.assertEqual(self.desk.geometry(dialog)[2:], (360, 361))
            self.shoot(dialog, f"edit-dialog{suffix}.png")
            self.desk.click(dialog, *CLOCK_BUTTON)
            popup = self.desk.window(TIME_ENTRY)
            self.assertEqual(self.desk.geometry(popup)[2:], (512, 125))
            self.shoot(popup, f"time-entry{suffix}.png")
            self.desk.key(popup, "Escape")
            self.desk.gone(TIME_ENTRY)
            self.desk.key(dialog, "Escape")
            self.desk.gone(EDIT)
            self.exit(window)

    def shoot(self, window, name):
        if SHOTS:
            self.desk.crop(window, os.path.join(SHOTS, name))


if __name__ == "__main__":
    unittest.main(verbosity=2)
