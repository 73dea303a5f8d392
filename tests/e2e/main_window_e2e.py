"""The main window as a person meets it: a prepared store loads, a click copies the report,
closing rewrites the store, and the placement comes back at the next start."""
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, day_number  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"



STORE = f"""[Entry1]
Desc=Anniversary
Date={day_number(2020, 6, 15)}
Time=07:30 PM
[Entry2]
Desc=Birthday
Date={day_number(2027, 3, 1)}
Time=09:00 AM
[Entry3]
Desc=Launch
Date={day_number(2026, 12, 24)}
Time=12:00 AM
[Split]
Pos=200
[Lastone]
Top=1
Last=2
"""


class MainWindow(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)
        self.desk.write_store(STORE)

    def tearDown(self):
        self.desk.close()

    def exit_by_button(self, window):
        _, _, width, height = self.desk.geometry(window)
        # E&xit sits at the panel's right: outer width - 88, 8 below the panel's top.
        self.desk.click(window, width + 8 - 88 + 2 + 30, height - 19 - 41 + 8 + 12 - 2)
        return self.desk.wait_exit()

    def test_store_loads_and_a_click_copies_the_report(self):
        window = self.desk.start()
        self.desk.click(window, 300, 120)  # the display
        report = self.desk.clipboard()
        lines = report.split("\r\n")
        self.assertEqual(len(lines), 10, report)  # nine lines, each ended by CR LF
        self.assertEqual(lines[-1], "")
        self.assertRegex(lines[0], r"^It is now Tuesday 12/8/2026 at 12:00:0\d PM$")
        self.assertEqual(lines[1], "Event: Birthday")
        self.assertEqual(lines[2], "Scheduled For 3/1/2027  09:00 AM")
        self.assertRegex(lines[3], r"^2 months 23 days (21 hours 0|20 hours 59 minutes \d+) seconds? or $")
        self.assertEqual(lines[5], "83 days or ")
        self.assertTrue(lines[8].endswith(" seconds"), lines[8])
        self.assertEqual(self.exit_by_button(window), 0)

    def test_closing_rewrites_the_store_and_remembers_the_placement(self):
        window = self.desk.start()
        x, y, width, height = self.desk.geometry(window)
        self.assertEqual(self.exit_by_button(window), 0)
        store = self.desk.read_store()
        self.assertEqual(len(re.findall(r"^\[Entry\d+\]\r$", store, re.M)), 26)
        self.assertIn("[Entry1]\r\nDesc=Anniversary\r\n", store)
        self.assertIn("[Entry26]\r\nDesc=\r\nDate=0\r\nTime=\r\n", store)
        self.assertIn("[Lastone]\r\nTop=1\r\nLast=2\r\n", store)
        conf = os.path.join(self.desk.config, "Dozazar Irudizidudo", "Dorovezud.conf")
        with open(conf) as f:
            text = f.read()
        value = re.search(r"^frmMain=(.*)$", text, re.M).group(1).strip('"')
        numbers = value.split(" ")
        self.assertEqual(len(numbers), 11, value)  # ten numbers, each followed by a blank
        self.assertEqual(numbers[1], "1")

        # The next start opens where the window was.
        window = self.desk.start()
        self.assertEqual(self.desk.geometry(window), (x, y, width, height))
        self.assertEqual(self.exit_by_button(window), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
