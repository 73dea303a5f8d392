"""The program under GNOME's compositor: mutter nested in our own X server as a Wayland
compositor, with a session bus and runtime folder of its own. A second start from a GTK launcher
(which hands over its activation token as DESKTOP_STARTUP_ID only) brings the running window
forward and gives it the keyboard; a start from a terminal cannot, says where the running copy
keeps its events, and the running window asks for attention; a placement stored minimised opens
a window the user can see; the dialogs are transient for their owner. What the program asks of
the compositor is read from its Wayland protocol log (WAYLAND_DEBUG). Under mutter as the X11
window manager, a launcher's start activates the running window with the launch's time."""
import os
import re
import shutil
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import FAKETIME_LIB, Desktop  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
SHOTS = os.environ.get("VZ_SCREENSHOTS")
PYTHON = "/usr/bin/python3"
LAUNCHER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "gtk_launcher.py")
MAIN = "Vizevavoz 98"


class ProtocolLog:
    """The client's side of its Wayland conversation, as WAYLAND_DEBUG writes it."""

    def __init__(self, path):
        self.path = path

    def lines(self):
        with open(self.path, errors="replace") as f:
            return f.read().splitlines()

    def toplevel(self, title):
        """The xdg_toplevel and wl_surface numbers of the window with that title."""
        surfaces, toplevels, found = {}, {}, None
        for line in self.lines():
            m = re.search(r"get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)", line)
            if m:
                surfaces[m[1]] = m[2]
            m = re.search(r"xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line)
            if m:
                toplevels[m[2]] = surfaces.get(m[1])
            m = re.search(r'-> xdg_toplevel@(\d+)\.set_title\("(.*)"\)', line)
            if m and m[2] == title:
                found = (m[1], toplevels.get(m[1]))
        return found

    def count(self, pattern):
        return sum(1 for line in self.lines() if re.search(pattern, line))

    def wait_for(self, pattern, after=0, timeout=15):
        """Waits for a line matching pattern among the lines past the first `after`."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            for line in self.lines()[after:]:
                m = re.search(pattern, line)
                if m:
                    return m
            time.sleep(0.1)
        return None


class MutterDesktop(Desktop):
    def __init__(self, program):
        super().__init__(program, 1024, 768)
        os.chmod(self.root, 0o700)  # the runtime folder must be private
        self.mutter_log = os.path.join(self.root, "mutter.log")
        with open(self.mutter_log, "w") as log:
            # Its own process group, so that the session bus goes with it.
            self.mutter = subprocess.Popen(
                ["dbus-run-session", "--", "mutter", "--nested", "--wayland", "--no-x11",
                 "--wayland-display=vz-mutter"],
                env=self.env, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        deadline = time.time() + 20
        while time.time() < deadline and not (self.output_window() and os.path.exists(
                os.path.join(self.root, "vz-mutter"))):
            time.sleep(0.1)
        self.output = self.output_window()
        if not self.output:
            with open(self.mutter_log) as log:
                raise AssertionError(f"mutter did not start: {log.read()}")
        time.sleep(1)
        self.env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "vz-mutter"})
        self.env.pop("XDG_ACTIVATION_TOKEN", None)
        self.env.pop("DESKTOP_STARTUP_ID", None)
        self.protocol = ProtocolLog(os.path.join(self.root, "protocol.log"))
        self.launcher = None

    def output_window(self):
        out = subprocess.run(["xwininfo", "-root", "-children"], env=self.env,
                             capture_output=True, text=True).stdout
        for line in out.splitlines():
            if '"mutter"' in line:
                return line.split()[0]
        return None

    def start(self, at="2026-12-08 12:00:00", lang=None):
        env = dict(self.env, WAYLAND_DEBUG="client")
        if at and os.path.exists(FAKETIME_LIB):
            env.update({"LD_PRELOAD": FAKETIME_LIB, "FAKETIME": "@" + at,
                        "FAKETIME_DONT_FAKE_MONOTONIC": "1", "FAKETIME_DONT_RESET": "1"})
        with open(self.protocol.path, "w") as log:
            self.app = subprocess.Popen([self.program], env=env, cwd=self.root, stdout=log,
                                        stderr=subprocess.STDOUT)

    def start_launcher(self):
        env = dict(self.env, GDK_BACKEND="wayland")
        self.launcher = subprocess.Popen([PYTHON, LAUNCHER, self.program], env=env,
                                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                         text=True)
        line = self.launcher.stdout.readline().strip()
        if line != "ready":
            raise AssertionError(f"the launcher did not take the focus ({line!r})")

    def launcher_says(self):
        return self.launcher.stdout.readline().strip()

    def press(self, *keys):
        self.xdotool("windowfocus", "--sync", self.output)
        for k in keys:
            self.xdotool("key", "--clearmodifiers", k)
            time.sleep(0.25)

    def close(self):
        if self.launcher and self.launcher.poll() is None:
            self.launcher.kill()
            self.launcher.wait()
        if self.launcher:
            self.launcher.stdout.close()
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        try:
            os.killpg(self.mutter.pid, signal.SIGTERM)
            self.mutter.wait(10)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            os.killpg(self.mutter.pid, signal.SIGKILL)
            self.mutter.wait()
        super().close()


@unittest.skipUnless(shutil.which("mutter"), "mutter is not installed (scripts/install-deps)")
class UnderMutter(unittest.TestCase):
    def setUp(self):
        self.desk = MutterDesktop(PROGRAM)

    def tearDown(self):
        self.desk.close()

    def shoot(self, name):
        if SHOTS:
            self.desk.screenshot(os.path.join(SHOTS, f"mutter-{name}.png"))

    def main_window(self):
        log = self.desk.protocol
        self.assertTrue(log.wait_for(r'set_title\("Vizevavoz 98"\)'), "no main window")
        _, surface = log.toplevel(MAIN)
        self.assertTrue(log.wait_for(rf"wl_keyboard@\d+\.enter\(\d+, wl_surface@{surface},"),
                        "the main window never had the keyboard")
        return surface

    def test_a_launcher_start_brings_the_running_window_forward(self):
        desk = self.desk
        desk.start()
        surface = self.main_window()
        desk.start_launcher()
        log = desk.protocol
        self.assertTrue(log.wait_for(rf"wl_keyboard@\d+\.leave\(\d+, wl_surface@{surface}\)"))
        mark = len(log.lines())
        desk.press("Return")
        launched = desk.launcher_says().split(" ", 3)
        self.assertEqual(launched[0], "launched", launched)
        token, code = launched[1], launched[2]
        self.assertEqual(code, "0", launched)
        self.assertIn("already running", launched[3] if len(launched) > 3 else "")
        # The running copy asks for the window with the launcher's token, and gets the keyboard.
        self.assertTrue(log.wait_for(rf'activate\("{re.escape(token)}", wl_surface@{surface}\)',
                                     after=mark), f"the token {token} was not used")
        self.assertTrue(log.wait_for(rf"wl_keyboard@\d+\.enter\(\d+, wl_surface@{surface},",
                                     after=mark), "the window did not get the keyboard")
        self.shoot("raised")
        self.assertIsNone(desk.app.poll())

    def test_b_a_terminal_start_cannot_raise_and_says_where_the_copy_runs(self):
        desk = self.desk
        desk.start()
        surface = self.main_window()
        desk.start_launcher()
        log = desk.protocol
        self.assertTrue(log.wait_for(rf"wl_keyboard@\d+\.leave\(\d+, wl_surface@{surface}\)"))
        mark = len(log.lines())
        second = subprocess.run([desk.program], env=desk.env, capture_output=True, text=True,
                                timeout=30)
        self.assertEqual(second.returncode, 0)
        self.assertEqual((second.stdout + second.stderr).strip(),
                         f"Vizevavoz 98 is already running with the events in "
                         f"{os.path.realpath(desk.folder)}/zadud2.ini.")
        # The second start asks the compositor for a token that no input backs, and the running
        # copy asks for attention with it; the launcher keeps the keyboard.
        self.assertTrue(log.wait_for(rf'activate\("[^"]+", wl_surface@{surface}\)', after=mark),
                        "the window did not ask for attention")
        entered = rf"wl_keyboard@\d+\.enter\(\d+, wl_surface@{surface},"
        self.assertIsNone(log.wait_for(entered, after=mark, timeout=2))
        self.assertIsNone(desk.app.poll())

    def test_c_a_placement_stored_minimised_opens_a_visible_window(self):
        desk = self.desk
        folder = os.path.join(desk.config, "Dozazar Irudizidudo")
        os.makedirs(folder)
        with open(os.path.join(folder, "Dorovezud.conf"), "w") as f:
            f.write('[Position]\nfrmMain="0 2 -1 -1 -1 -1 100 120 700 560 "\n')
        desk.start()
        surface = self.main_window()
        self.assertEqual(desk.protocol.count(r"set_minimized"), 0)
        # Something is drawn in it.
        self.assertTrue(desk.protocol.wait_for(rf"wl_surface@{surface}\.attach\(wl_buffer@"))
        time.sleep(2)
        self.shoot("minimised-placement")

    def test_d_dialogs_are_transient_for_their_owner(self):
        desk = self.desk
        desk.start()
        self.main_window()
        log = desk.protocol
        main, _ = log.toplevel(MAIN)
        for keys, title in (("alt+a", "Add/Edit description, date and time"),
                            ("alt+b", "How to contact us")):
            desk.press(keys)
            self.assertTrue(log.wait_for(rf'set_title\("{re.escape(title)}"\)'), title)
            dialog, _ = log.toplevel(title)
            self.assertTrue(log.wait_for(
                rf"xdg_toplevel@{dialog}\.set_parent\(xdg_toplevel@{main}\)"), title)
            self.shoot(title.split()[-1].lower())
            desk.press("Escape")
            time.sleep(0.5)
        self.assertIsNone(desk.app.poll())


@unittest.skipUnless(shutil.which("mutter"), "mutter is not installed (scripts/install-deps)")
class UnderMutterX11(unittest.TestCase):
    """mutter as the X11 window manager: a GTK launcher's start activates the running window
    with the launch's startup id and time, which focus-stealing prevention weighs against the
    user's input elsewhere."""

    def test_a_launcher_start_activates_with_the_launchs_time(self):
        desk = Desktop(PROGRAM)
        log = open(os.path.join(desk.root, "mutter.log"), "w")
        wm = subprocess.Popen(["dbus-run-session", "--", "mutter", "--x11", "--replace"],
                              env=desk.env, stdout=log, stderr=subprocess.STDOUT,
                              start_new_session=True)
        launcher = None
        try:
            time.sleep(3)
            main = desk.start()
            launcher = subprocess.Popen([PYTHON, LAUNCHER, desk.program],
                                        env=dict(desk.env, GDK_BACKEND="x11"),
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        text=True)
            self.assertEqual(launcher.stdout.readline().strip(), "ready")
            desk.key(desk.window("Launcher"), "Return")
            launched = launcher.stdout.readline().strip().split(" ", 3)
            self.assertEqual(launched[:1] + launched[2:3], ["launched", "0"], launched)
            token = launched[1]
            deadline = time.time() + 10
            while time.time() < deadline and desk.xdotool("getactivewindow") != main:
                time.sleep(0.1)
            self.assertEqual(desk.xdotool("getactivewindow"), main)
            props = subprocess.run(["xprop", "-id", main, "_NET_STARTUP_ID", "_NET_WM_USER_TIME"],
                                   env=desk.env, capture_output=True, text=True).stdout
            self.assertIn(f'_NET_STARTUP_ID(UTF8_STRING) = "{token}"', props)
            self.assertIn(f"_NET_WM_USER_TIME(CARDINAL) = {token.rsplit('_TIME', 1)[1]}", props)
        finally:
            if launcher:
                launcher.kill()
                launcher.wait()
                launcher.stdout.close()
            os.killpg(wm.pid, signal.SIGTERM)
            wm.wait()
            log.close()
            desk.close()


if __name__ == "__main__":
    unittest.main()
