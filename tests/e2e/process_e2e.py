"""How the program starts and ends beside a store: one running copy per store, ending signals
that save like Exit, a lock left by a killed copy, and a close while the store cannot be written."""
import os
import re
import shutil
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import FAKETIME_LIB, Desktop, day_number  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
CAPTION = "Vizevavoz 98"



STORE = f"""[Entry1]
Desc=Anniversary
Date={day_number(2020, 6, 15)}
Time=07:30 PM
[Entry2]
Desc=Birthday
Date={day_number(2027, 3, 1)}
Time=09:00 AM
[Split]
Pos=180
[Lastone]
Top=1
Last=2
"""


class Process(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)
        self.desk.write_store(STORE)

    def tearDown(self):
        self.desk.close()

    def placement(self):
        conf = os.path.join(self.desk.config, "Dozazar Irudizidudo", "Dorovezud.conf")
        if not os.path.exists(conf):
            return None
        with open(conf) as f:
            found = re.search(r"^frmMain=(.*)$", f.read(), re.M)
        return found.group(1).strip('"') if found else None

    def delete_selected(self, window):
        self.desk.key(window, "alt+d")
        confirm = self.desk.window("Confirm")
        self.desk.key(confirm, "alt+y")
        self.desk.gone("Confirm")

    def shown(self, name):
        return self.desk.xdotool("search", "--onlyvisible", "--name", "^" + name + "$").split()

    def second_start(self):
        env = dict(self.desk.env)
        env.update({"LD_PRELOAD": FAKETIME_LIB, "FAKETIME": "@2026-12-08 12:00:00",
                    "FAKETIME_DONT_FAKE_MONOTONIC": "1", "FAKETIME_DONT_RESET": "1"})
        started = time.time()
        second = subprocess.run([self.desk.program], env=env, capture_output=True, timeout=20)
        return second.returncode, time.time() - started

    def topmost(self, name):
        """The id of the highest shown window of that name in the stacking order."""
        tree = subprocess.run(["xwininfo", "-root", "-children"], env=self.desk.env,
                              capture_output=True, text=True).stdout
        # Listed from the top of the stack down.
        for line in tree.splitlines():
            found = re.match(r'\s*(0x[0-9a-f]+) "' + re.escape(name) + '"', line)
            if found:
                return int(found.group(1), 16)
        return None

    def test_a_second_start_hands_over_to_the_running_copy(self):
        window = self.desk.start()
        before = self.desk.read_store()
        # A copy of another store opens over it (a separate store is a separate copy).
        other = os.path.join(self.desk.root, "other")
        os.makedirs(other)
        shutil.copy2(self.desk.program, other)
        cover = subprocess.Popen([os.path.join(other, "vorurer")], env=self.desk.env)
        try:
            deadline = time.time() + 15
            while len(self.shown(CAPTION)) < 2 and time.time() < deadline:
                time.sleep(0.1)
            time.sleep(0.5)
            self.assertNotEqual(self.topmost(CAPTION), int(window))

            code, took = self.second_start()
            self.assertEqual(code, 0)
            self.assertLess(took, 5)
            # The second start read nothing into a window and wrote nothing; the running copy
            # came to the front with the focus.
            self.assertEqual(self.desk.read_store(), before)
            self.assertIsNone(self.desk.app.poll())
            time.sleep(0.5)
            self.assertEqual(self.topmost(CAPTION), int(window))
            self.assertEqual(self.desk.xdotool("getwindowfocus"), window)
        finally:
            cover.terminate()
            cover.wait()
        self.assertEqual(self.shown(CAPTION), [window])

        # The first copy goes on and saves everything at its end.
        self.desk.key(window, "alt+a")
        dialog = self.desk.window("Add/Edit description, date and time")
        self.desk.type(dialog, "Concert")
        self.desk.key(dialog, "Return")
        self.desk.gone("Add/Edit description, date and time")
        self.desk.key(window, "alt+x")
        self.assertEqual(self.desk.wait_exit(), 0)
        store = self.desk.read_store()
        for name in ("Anniversary", "Birthday", "Concert"):
            self.assertIn("Desc=" + name + "\r\n", store)
        self.assertFalse(os.path.exists(self.desk.store("zadud2.ini.lock")))

        # With the first copy gone, the next start is the running copy again.
        self.desk.start()
        self.desk.app.send_signal(signal.SIGTERM)
        self.assertEqual(self.desk.wait_exit(), 0)

    def test_ending_signals_save_the_store_then_the_placement(self):
        for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
            with self.subTest(signal=sig.name):
                self.desk.write_store(STORE)
                window = self.desk.start()
                self.delete_selected(window)  # Birthday: only in memory until the program ends
                self.assertIn("Birthday", self.desk.read_store())
                self.desk.app.send_signal(sig)
                self.assertEqual(self.desk.wait_exit(), 0)
                store = self.desk.read_store()
                self.assertNotIn("Birthday", store)
                self.assertIn("Desc=Anniversary\r\n", store)
                self.assertIn("[Split]\r\nPos=180\r\n", store)
                self.assertEqual(len(self.placement().split(" ")), 11)

    def test_a_signal_ends_the_program_while_a_dialog_is_open(self):
        window = self.desk.start()
        self.desk.key(window, "alt+d")
        self.desk.window("Confirm")
        self.desk.app.send_signal(signal.SIGTERM)
        self.assertEqual(self.desk.wait_exit(), 0)
        self.assertIn("Birthday", self.desk.read_store())
        self.assertIsNotNone(self.placement())

    def test_a_lock_left_by_a_killed_copy_does_not_block_the_next_start(self):
        self.desk.start()
        self.desk.app.send_signal(signal.SIGKILL)
        self.desk.app.wait()
        self.assertTrue(os.path.exists(self.desk.store("zadud2.ini.lock")))
        window = self.desk.start()
        self.delete_selected(window)
        self.desk.key(window, "alt+x")
        self.assertEqual(self.desk.wait_exit(), 0)
        self.assertNotIn("Birthday", self.desk.read_store())

    def test_closing_while_the_store_cannot_be_written(self):
        window = self.desk.start()
        self.delete_selected(window)
        os.remove(self.desk.store())
        os.mkdir(self.desk.store())  # no save can replace a folder, whoever runs the test
        for attempt in (1, 2):
            self.desk.key(window, "alt+x")
            deadline = time.time() + 10
            while len(self.shown(CAPTION)) < 2 and time.time() < deadline:
                time.sleep(0.1)
            boxes = [w for w in self.shown(CAPTION) if w != window]
            self.assertEqual(len(boxes), 1, f"no message at close {attempt}")
            self.desk.key(boxes[0], "Return")
            if attempt == 1:
                time.sleep(0.5)
                # Refused once: the window and its events stay.
                self.assertIsNone(self.desk.app.poll())
                self.assertIn(window, self.shown(CAPTION))
        # A second close in a row ends the program.
        self.assertEqual(self.desk.wait_exit(), 0)

    def test_hand_edited_placements_open_a_whole_window_on_the_screen(self):
        conf_folder = os.path.join(self.desk.config, "Dozazar Irudizidudo")
        os.makedirs(conf_folder, exist_ok=True)
        for value in ("0, 1, 2", '"0 1 -1 -1 -1 -1 0 0 99999 99999 "'):
            with self.subTest(value=value):
                with open(os.path.join(conf_folder, "Dorovezud.conf"), "w") as f:
                    f.write("[Position]\nfrmMain=" + value + "\n")
                try:
                    self.check_whole_window_on_screen(centred=value.startswith("0,"))
                finally:
                    if self.desk.app.poll() is None:
                        self.desk.app.kill()
                        self.desk.app.wait()

    def check_whole_window_on_screen(self, centred):
        started = time.time()
        window = self.desk.start()
        self.assertLess(time.time() - started, 10)
        time.sleep(1)
        # No message, and the window fits the 1280 x 1024 screen.
        self.assertEqual(self.shown(CAPTION), [window])
        x, y, width, height = self.desk.geometry(window)
        self.assertGreaterEqual(x, 0)
        self.assertGreaterEqual(y, 0)
        self.assertLessEqual(x + width, 1280)
        self.assertLessEqual(y + height, 1024)
        if centred:
            self.assertLessEqual(abs(x + width // 2 - 640), 8)
            self.assertLessEqual(abs(y + height // 2 - 512), 16)
        self.desk.key(window, "alt+x")
        self.assertEqual(self.desk.wait_exit(), 0)
        self.assertEqual(len(self.placement().split(" ")), 11)

if __name__ == "__main__":
    unittest.main(verbosity=2)
