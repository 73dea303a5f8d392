"""The program as a native Wayland client under weston: the drop-down calendar and its nested
month and year menus are real pop-ups (a menu opened on a window that is not the topmost pop-up
is a fatal protocol error that ends the program), a click beside the calendar closes it keeping
the date, so does another program coming to the front, the event is saved, and the stored
window position is left alone because a Wayland client cannot know it."""
import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import day_number  # noqa: E402
from wayland import WaylandDesktop  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
# Where pictures of weston's output go at each step, when set.
SHOTS = os.environ.get("VZ_SCREENSHOTS")

# weston's output is 1024 x 768; the kiosk shell centres the 360 x 361 edit dialog on it.
DIALOG = ((1024 - 360) // 2, (768 - 361) // 2)
# Points of the dialog: the calendar's title (month, year) as it drops below the date field,
# and the "Description" label, where a click does nothing.
MONTH_TITLE = (190, 91)
YEAR_TITLE = (234, 91)
LABEL = (40, 28)
OK = (184 + 37, 328 + 12)
# The main window fills the output; E&xit sits at its bottom right.
EXIT = (1024 - 44, 768 - 41)
STORED_PLACEMENT = "0 1 -1 -1 -1 -1 100 120 668 519 "



class Wayland(unittest.TestCase):
    def setUp(self):
        self.desk = WaylandDesktop(PROGRAM)
        folder = os.path.join(self.desk.config, "Dozazar Irudizidudo")
        os.makedirs(folder)
        self.conf = os.path.join(folder, "Dorovezud.conf")
        with open(self.conf, "w") as f:
            f.write(f'[Position]\nfrmMain="{STORED_PLACEMENT}"\n')

    def tearDown(self):
        self.desk.close()

    def shoot(self, name):
        if SHOTS:
            self.desk.screenshot(os.path.join(SHOTS, f"wayland-{name}.png"))

    def tap_dialog(self, point):
        self.desk.tap(DIALOG[0] + point[0], DIALOG[1] + point[1])
        self.desk.assert_running()

    def test_calendar_menus_pick_a_date_and_the_event_is_saved(self):
        desk = self.desk
        desk.start()
        desk.press("alt+a")
        desk.write("Wayland")
        desk.press("Tab", "alt+Down")  # the date field's calendar, on 12/8/2026
        self.shoot("1-calendar")
        self.tap_dialog(MONTH_TITLE)
        self.shoot("2-month-menu")
        desk.press(*["Up"] * 9, "Return")  # December up to March
        self.tap_dialog(YEAR_TITLE)
        self.shoot("3-year-menu")
        desk.press("Down", "Down", "Return")  # the list runs from 1990: 1991
        self.shoot("4-picked")
        self.tap_dialog(LABEL)  # beside the calendar: it closes keeping the date
        self.shoot("5-closed")
        desk.press("Return")  # OK
        self.shoot("6-main")
        desk.tap(*EXIT)
        self.assertEqual(desk.wait_exit(), 0)

        store = desk.read_store()
        self.assertRegex(store, rf"Desc=Wayland\r\nDate={day_number(1991, 3, 8)}\r\n")
        with open(self.conf) as f:
            value = re.search(r"^frmMain=(.*)$", f.read(), re.M).group(1).strip('"')
        numbers = [int(n) for n in value.split()]
        self.assertEqual(numbers[6:8], [100, 120], value)  # the position is left alone
        self.assertGreater(numbers[8], 100, value)  # a size: the window's
        self.assertGreater(numbers[9], 120, value)

    def test_another_program_coming_to_the_front_closes_the_calendar_keeping_its_date(self):
        desk = self.desk
        desk.start()
        desk.press("alt+a")
        desk.write("Deactivated")
        desk.press("Tab", "alt+Down", "Right")  # 12/9/2026 in the open calendar
        other = subprocess.Popen(["weston-flower"], env=desk.env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        try:
            time.sleep(2)
            self.shoot("7-other-program")
            desk.assert_running()
        finally:
            other.terminate()
            other.wait()
        time.sleep(1)
        self.shoot("8-back")
        self.tap_dialog(OK)
        desk.tap(*EXIT)
        self.assertEqual(desk.wait_exit(), 0)
        self.assertRegex(desk.read_store(),
                         rf"Desc=Deactivated\r\nDate={day_number(2026, 12, 9)}\r\n")


if __name__ == "__main__":
    unittest.main(verbosity=2)
