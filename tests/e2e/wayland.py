"""Runs the real program as a native Wayland client: weston nested in our own X server (its x11
backend), so that xdotool can still press keys and click on weston's window. The kiosk shell
shows the main window full screen and centres dialogs on it, which makes places predictable;
client-side decorations are off, so a point on the output is a point in the client area."""
import os
import subprocess
import time

from desktop import FAKETIME_LIB, Desktop


class WaylandDesktop(Desktop):
    def __init__(self, program, width=1024, height=768):
        super().__init__(program, width, height)
        self.width, self.height = width, height
        os.chmod(self.root, 0o700)  # the runtime folder must be private
        self.weston_log = os.path.join(self.root, "weston.log")
        with open(self.weston_log, "w") as log:
            self.weston = subprocess.Popen(
                ["weston", "--backend=x11-backend.so", "--shell=kiosk-shell.so", "--socket=vz-wl",
                 f"--width={width}", f"--height={height}", "--idle-time=0", "--no-config"],
                env=self.env, stdout=log, stderr=subprocess.STDOUT)
        deadline = time.time() + 15
        while time.time() < deadline and not self.output_window():
            time.sleep(0.1)
        self.output = self.output_window()
        if not self.output:
            raise AssertionError("weston did not start")
        time.sleep(0.5)
        self.env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "vz-wl",
                         "QT_WAYLAND_DISABLE_WINDOWDECORATION": "1"})
        self.output_log = os.path.join(self.root, "program.log")

    def output_window(self):
        out = subprocess.run(["xwininfo", "-root", "-children"], env=self.env,
                             capture_output=True, text=True).stdout
        for line in out.splitlines():
            if "Weston Compositor" in line:
                return line.split()[0]
        return None

    def start(self, at="2026-12-08 12:00:00", lang=None, extra_env=None):
        env = dict(self.env)
        env.update(extra_env or {})
        if at and os.path.exists(FAKETIME_LIB):
            env.update({"LD_PRELOAD": FAKETIME_LIB, "FAKETIME": "@" + at,
                        "FAKETIME_DONT_FAKE_MONOTONIC": "1", "FAKETIME_DONT_RESET": "1"})
        with open(self.output_log, "w") as log:
            self.app = subprocess.Popen([self.program], env=env, cwd=self.root, stdout=log,
                                        stderr=subprocess.STDOUT)
        time.sleep(2.5)
        self.assert_running()

    def assert_running(self):
        if self.app.poll() is not None:
            with open(self.output_log) as log:
                raise AssertionError(f"the program ended ({self.app.returncode}): {log.read()}")

    def tap(self, x, y):
        """A click at a point of weston's output."""
        self.xdotool("mousemove", str(x), str(y))
        time.sleep(0.15)
        self.xdotool("click", "1")
        time.sleep(0.6)

    def press(self, *keys):
        self.xdotool("windowfocus", "--sync", self.output)
        for k in keys:
            self.xdotool("key", "--clearmodifiers", k)
            time.sleep(0.25)
        time.sleep(0.4)

    def write(self, text):
        self.xdotool("windowfocus", "--sync", self.output)
        self.xdotool("type", "--delay", "40", "--clearmodifiers", text)
        time.sleep(0.3)

    def close(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        self.weston.terminate()
        try:
            self.weston.wait(10)
        except subprocess.TimeoutExpired:
            self.weston.kill()
            self.weston.wait()
        super().close()
