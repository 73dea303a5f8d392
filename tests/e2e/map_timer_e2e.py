"""map_timer, which times a start by the map of the program's window: it reports a window only
once one with the title is on screen, leaves or ends the program as asked, and fails loudly
instead of reporting a time when there is no such window."""
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop  # noqa: E402

BIN = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin"
MAP_TIMER = os.path.join(BIN, "map_timer")
MINIMAL = os.path.join(BIN, "minimal_ticking_window")
TITLE = "Minimal ticking window"


def alive(pid):
    # A zombie has ended: only its entry is left for the parent.
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


class MapTimerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(os.path.join(BIN, "vorurer"))

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def run_timer(self, *args, timeout=30):
        # The program's output goes to map_timer's standard error, and the program may outlive
        # map_timer: a pipe there would not reach its end.
        with tempfile.TemporaryFile("w+") as errors:
            started = time.monotonic()
            done = subprocess.run([MAP_TIMER, *args], env=self.desktop.env, stdout=subprocess.PIPE,
                                  stderr=errors, text=True, timeout=timeout)
            took = time.monotonic() - started
            errors.seek(0)
            done.stderr = errors.read()
        return done, took

    def end(self, pid):
        os.kill(pid, 15)
        deadline = time.monotonic() + 10
        while alive(pid) and time.monotonic() < deadline:
            time.sleep(0.05)

    def test_a_mapped_window_is_timed_and_left_running_or_ended(self):
        for kill in (False, True):
            with self.subTest(kill=kill):
                done, took = self.run_timer(*(["--kill"] if kill else []), TITLE, "--", MINIMAL)
                self.assertEqual(done.returncode, 0, done.stderr)
                milliseconds, pid, window = done.stdout.split()
                pid = int(pid)
                self.assertTrue(0 < float(milliseconds) <= took * 1000)
                self.assertEqual(alive(pid), not kill)
                if not kill:
                    self.assertEqual(
                        self.desktop.xdotool("getwindowname", str(int(window, 16))), TITLE)
                    self.end(pid)

    def test_the_first_picture_is_timed_after_the_map(self):
        done, took = self.run_timer("--kill", "--picture", TITLE, "--", MINIMAL)
        self.assertEqual(done.returncode, 0, done.stderr)
        mapped, _, _, pictured = done.stdout.split()
        self.assertTrue(0 < float(mapped) <= float(pictured) <= took * 1000)

    def test_a_window_that_takes_the_title_after_its_map_counts_from_then(self):
        # The yardstick window is mapped as itself and renamed a moment later.
        def rename():
            time.sleep(1.5)
            window = self.desktop.window(TITLE)
            self.desktop.xdotool("set_window", "--name", "Renamed", window)

        renamer = threading.Thread(target=rename)
        renamer.start()
        done, _ = self.run_timer("Renamed", "--", MINIMAL)
        renamer.join()
        self.assertEqual(done.returncode, 0, done.stderr)
        milliseconds, pid, _ = done.stdout.split()
        self.assertGreaterEqual(float(milliseconds), 1500)
        self.end(int(pid))

    def test_no_time_is_reported_without_the_window(self):
        cases = [
            # what, arguments, the message, at most this long (s)
            ("the program ends first", ["x", "--", "sh", "-c", "exit 3"], "ended (status 3)", 5),
            ("no such program", ["x", "--", "/nonexistent/program"], "cannot start", 5),
            ("another title only", ["--timeout", "2", "Not this one", "--", MINIMAL],
             'no window titled "Not this one" was mapped within 2 s', 8),
            ("no command", ["x", "--"], "usage", 5),
            ("no title", ["--", MINIMAL], "usage", 5),
            ("a time-out that is not a number", ["--timeout", "soon", "x", "--", MINIMAL], "usage",
             5),
        ]
        for what, args, message, limit in cases:
            with self.subTest(what):
                done, took = self.run_timer(*args)
                self.assertNotEqual(done.returncode, 0)
                self.assertEqual(done.stdout, "")
                self.assertIn(message, done.stderr)
                self.assertLess(took, limit)
                # A program that timed out is not left behind.
                time.sleep(0.3)
                shown = self.desktop.xdotool("search", "--onlyvisible", "--name", TITLE)
                self.assertEqual(shown, "")


if __name__ == "__main__":
    unittest.main()
