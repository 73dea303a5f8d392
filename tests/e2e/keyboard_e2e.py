"""The whole program from the keyboard alone, no mouse event sent: an event added with a time
picked on the time bar, the report copied from the list, the next event stepped to and
deleted, and the program left; the store written at the end holds what was done."""
import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"

EDIT = "Add/Edit description, date and time"
TIME_ENTRY = "Time Entry"
CONFIRM = "Confirm"
TICK = 1.3  # the display follows a keyboard move of the selected row at the next tick

STORE = """[Entry1]
Desc=Zoo visit
Date=46400
Time=09:15 AM
[Lastone]
Top=1
Last=1
"""


class KeyboardAlone(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)

    def tearDown(self):
        self.desk.close()

    def report(self, window):
        """Copies the report with Ctrl+C in the list and returns its lines."""
        self.desk.key(window, "ctrl+c")
        time.sleep(0.3)
        text = self.desk.clipboard()
        self.assertTrue(text.endswith("\r\n"), repr(text))
        lines = text.split("\r\n")[:-1]
        self.assertEqual(len(lines), 9, lines)
        return lines

    def test_add_copy_step_delete_and_exit_without_a_mouse(self):
        self.desk.write_store(STORE)
        window = self.desk.start(at="2026-12-08 12:00:00")

        # Add: the description, today's date kept, the time picked on the time bar that the
        # time field opens with Alt+Down: three hours and five minutes on from noon.
        self.desk.key(window, "alt+a")
        dialog = self.desk.window(EDIT)
        self.desk.type(dialog, "Dentist")
        self.desk.key(dialog, "Tab", "Tab", "alt+Down")
        popup = self.desk.window(TIME_ENTRY)
        self.desk.key(popup, "Prior", "Prior", "Prior", "Up", "Up", "Up", "Up", "Up", "Return")
        self.desk.gone(TIME_ENTRY)
        self.desk.key(dialog, "Return")
        self.desk.gone(EDIT)

        # The focus is back in the list, where the new event sorts first.
        self.desk.key(window, "ctrl+Home")
        time.sleep(TICK)
        lines = self.report(window)
        self.assertTrue(lines[0].startswith("It is now "), lines)
        self.assertEqual(lines[1], "Event: Dentist")
        self.assertEqual(lines[2], "Scheduled For 12/8/2026  03:05 PM")

        # Step to the next event with the arrow key; the display follows at the next tick.
        self.desk.key(window, "Down")
        time.sleep(TICK)
        self.assertEqual(self.report(window)[1], "Event: Zoo visit")

        # Tab leaves the list for Add, Edit and Delete in turn; Space presses Delete, Alt+Y
        # confirms, and Alt+X leaves.
        self.desk.key(window, "Tab", "Tab", "Tab", "space")
        confirm = self.desk.window(CONFIRM)
        self.desk.key(confirm, "alt+y")
        self.desk.gone(CONFIRM)
        self.desk.key(window, "alt+x")
        self.assertEqual(self.desk.wait_exit(), 0)

        store = self.desk.read_store()
        stored = re.findall(r"^\[Entry(\d+)\]\r\nDesc=(.*)\r\nDate=(.*)\r\nTime=(.*)\r$", store,
                            re.M)
        self.assertEqual(len(stored), 26, store)
        self.assertEqual(stored[0], ("1", "Dentist", "46364", "03:05 PM"))
        self.assertTrue(all(entry[1:] == ("", "0", "") for entry in stored[1:]), stored)


if __name__ == "__main__":
    unittest.main(verbosity=2)
