"""The program under locales whose dates carry literals or bidi marks and whose designators are
not AM and PM: a store written elsewhere opens without a message, an event added here is stored
with its day, and the next start shows the same list from the same file."""
import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, day_number  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
# Where screenshots of the main window and the edit dialog go, when asked for.
SHOTS = os.environ.get("VZ_SCREENSHOTS")

MAIN = "Vizevavoz 98"
EDIT = "Add/Edit description, date and time"
LOCALES = ["bg_BG.UTF-8", "ar_EG.UTF-8", "th_TH.UTF-8", "fa_IR.UTF-8", "ja_JP.UTF-8"]
BUTTON_Y_FROM_BOTTOM = 40
COPY_FROM_RIGHT = 191
GRID_FIRST_ROW_Y = 234
GRID_TEXT_X = 40

# Written under an English locale: the times carry AM and PM.
STORE = """[Entry1]
Desc=error
Date=36526
Time=12:00 AM
[Entry2]
Desc=Launch
Date=46364
Time=07:05 PM
"""



def entries(store):
    """The stored events: (description, day number, time) of every entry with a day."""
    found = []
    for desc, date, time_text in re.findall(
            r"^\[Entry\d+\]\r\nDesc=(.*)\r\nDate=(.*)\r\nTime=(.*)\r$", store, re.M):
        unquote = lambda v: v[1:-1] if len(v) >= 2 and v[0] == v[-1] == '"' else v  # noqa: E731
        if date != "0":
            found.append((unquote(desc), int(date), unquote(time_text)))
    return found


def available(lang):
    names = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower()
    return lang.split(".")[0].lower() + ".utf8" in names.split()


class Locales(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)

    def tearDown(self):
        self.desk.close()

    def messages(self):
        """Message boxes on screen: "Error" ones, and general reports titled like the window."""
        shown = lambda name: self.desk.xdotool(  # noqa: E731
            "search", "--onlyvisible", "--name", "^" + name + "$").split()
        return len(shown("Error")) + max(0, len(shown(MAIN)) - 1)

    def copy_selected(self, window, row):
        _, _, width, height = self.desk.geometry(window)
        self.desk.click(window, GRID_TEXT_X, GRID_FIRST_ROW_Y + 19 * (row - 1))
        self.desk.click(window, width - COPY_FROM_RIGHT, height - BUTTON_Y_FROM_BOTTOM)
        lines = self.desk.clipboard().split("\r\n")
        scheduled = re.fullmatch(r"Scheduled For (.+?)  (\S.*)", lines[2])
        self.assertIsNotNone(scheduled, lines)
        return lines[1], scheduled.group(1), scheduled.group(2)

    def exit(self, window):
        _, _, width, height = self.desk.geometry(window)
        self.desk.click(window, width - 45, height - BUTTON_Y_FROM_BOTTOM)
        self.assertEqual(self.desk.wait_exit(), 0)

    def shoot(self, window, name):
        if SHOTS:
            self.desk.crop(window, os.path.join(SHOTS, name))

    def test_stores_move_between_locales_and_keep_their_days(self):
        today = day_number(2026, 12, 8)
        for lang in LOCALES:
            with self.subTest(lang=lang):
                if not available(lang):
                    self.skipTest(f"{lang} is not generated (scripts/install-deps)")
                self.desk.write_store(STORE)
                window = self.desk.start(lang=lang)
                time.sleep(0.5)
                self.assertEqual(self.messages(), 0, "a message at start")

                # Added with the dialog's own date and time; it sorts first.
                self.desk.key(window, "alt+a")
                dialog = self.desk.window(EDIT)
                self.desk.type(dialog, "Added")
                self.shoot(dialog, f"edit-{lang[:5]}.png")
                self.desk.key(dialog, "Return")
                self.desk.gone(EDIT)
                self.assertEqual(self.messages(), 0, "a message after adding")
                added = self.copy_selected(window, 1)
                self.assertEqual(added[0], "Event: Added")
                self.shoot(window, f"main-{lang[:5]}.png")
                self.exit(window)

                store = self.desk.read_store()
                stored = entries(store)
                self.assertEqual([(d, n) for d, n, _ in stored],
                                 [("Added", today), ("error", 36526), ("Launch", today)], store)
                self.assertEqual(stored[1][2], "12:00 AM")
                self.assertEqual(stored[2][2], "07:05 PM")
                self.assertRegex(stored[0][2], r"^12:00 \S")

                # The next start shows the same events from the same file, without a message.
                window = self.desk.start(lang=lang)
                time.sleep(0.5)
                self.assertEqual(self.messages(), 0, "a message at the next start")
                self.assertEqual(self.copy_selected(window, 1), added)
                self.assertEqual(self.copy_selected(window, 2)[0], "Event: error")
                self.exit(window)
                # Only the selected row moved.
                self.assertEqual(self.desk.read_store().split("[Lastone]")[0],
                                 store.split("[Lastone]")[0])


if __name__ == "__main__":
    unittest.main()
