"""The dialogs on a real screen: the edit dialog and the time bar open in the middle of the
screen, and the about box's web button reports an opener that fails by its exit status. With
VZ_SCREENSHOTS set, also saves the calendar, the time bar and the about box at 1x and 2x."""
import os
import stat
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
SHOTS = os.environ.get("VZ_SCREENSHOTS")

SCREEN = (1280, 1024)
EDIT = "Add/Edit description, date and time"
TIME_ENTRY = "Time Entry"
ABOUT = "How to contact us"
ERROR = "Error"
CLOCK_BUTTON = (264 + 12, 96 + 12)
WEB_BUTTON = (216 + 84, 277 + 13)


def centred(size):
    """Where a window of that size stands when centred on the screen (Qt's rounding)."""
    return tuple((SCREEN[i] - 1) // 2 - (size[i] - 1) // 2 for i in range(2))


class Dialogs(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM, *SCREEN)
        self.bin = tempfile.mkdtemp(prefix="vz-opener-", dir=self.desk.root)

    def tearDown(self):
        self.desk.close()

    def opener(self, status):
        """Puts an xdg-open first on the PATH that notes its address and exits with status."""
        path = os.path.join(self.bin, "xdg-open")
        with open(path, "w") as f:
            f.write(f'#!/bin/sh\necho "$1" >> "{self.bin}/asked"\nexit {status}\n')
        os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
        self.desk.env["PATH"] = self.bin + os.pathsep + os.environ.get("PATH", "")

    def asked(self):
        try:
            with open(os.path.join(self.bin, "asked")) as f:
                return f.read().split()
        except FileNotFoundError:
            return []

    def shown(self, name):
        return bool(self.desk.xdotool("search", "--onlyvisible", "--name", "^" + name + "$"))

    def exit(self, window):
        self.desk.key(window, "alt+x")
        self.assertEqual(self.desk.wait_exit(), 0)

    def test_edit_dialog_and_time_bar_open_centred_on_the_screen(self):
        window = self.desk.start()
        self.desk.xdotool("windowmove", window, "0", "0")
        time.sleep(0.3)
        self.desk.key(window, "alt+a")
        dialog = self.desk.window(EDIT)
        x, y, width, height = self.desk.geometry(dialog)
        self.assertEqual((width, height), (360, 361))
        self.assertEqual((x, y), centred((width, height)))
        self.desk.click(dialog, *CLOCK_BUTTON)
        popup = self.desk.window(TIME_ENTRY)
        x, y, width, height = self.desk.geometry(popup)
        self.assertEqual((width, height), (512, 125))
        self.assertEqual((x, y), centred((width, height)))
        self.desk.key(popup, "Escape")
        self.desk.gone(TIME_ENTRY)
        self.desk.key(dialog, "Escape")
        self.desk.gone(EDIT)
        self.exit(window)

    def test_a_browser_that_fails_is_reported_and_the_box_closes_either_way(self):
        for status, reported in ((3, True), (0, False)):
            self.opener(status)
            window = self.desk.start()
            self.desk.key(window, "alt+b")
            box = self.desk.window(ABOUT)
            x, y, width, height = self.desk.geometry(box)
            self.assertEqual((x, y), centred((width, height)))
            self.desk.click(box, *WEB_BUTTON)
            if reported:
                error = self.desk.window(ERROR)
                self.desk.key(error, "Return")
                self.desk.gone(ERROR)
            else:
                time.sleep(1.0)
                self.assertFalse(self.shown(ERROR))
            self.desk.gone(ABOUT)
            self.assertEqual(self.asked()[-1:], ["http://www.velmora.example/"])
            self.exit(window)

    def test_screenshots(self):
        if not SHOTS:
            self.skipTest("VZ_SCREENSHOTS not set")
        for scale in ("1", "2"):
            self.desk.env["QT_SCALE_FACTOR"] = scale
            window = self.desk.start()
            self.desk.key(window, "alt+a")
            dialog = self.desk.window(EDIT)
            self.desk.key(dialog, "Tab", "alt+Down")
            time.sleep(0.5)
            self.desk.screenshot(os.path.join(SHOTS, f"calendar-{scale}x.png"))
            self.desk.key(dialog, "Escape")
            time.sleep(0.3)
            _, _, width, _ = self.desk.geometry(dialog)
            s = width // 360
            self.desk.click(dialog, CLOCK_BUTTON[0] * s, CLOCK_BUTTON[1] * s)
            popup = self.desk.window(TIME_ENTRY)
            self.desk.crop(popup, os.path.join(SHOTS, f"time-bar-{scale}x.png"))
            self.desk.key(popup, "Escape")
            self.desk.gone(TIME_ENTRY)
            self.desk.key(dialog, "Escape")
            self.desk.gone(EDIT)
            self.desk.key(window, "alt+b")
            box = self.desk.window(ABOUT)
            time.sleep(1.5)
            self.desk.crop(box, os.path.join(SHOTS, f"about-{scale}x.png"))
            self.desk.key(box, "Escape")
            self.desk.gone(ABOUT)
            self.exit(window)


if __name__ == "__main__":
    unittest.main()
