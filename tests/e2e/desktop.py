"""Runs the real program as a person would: under Xvfb, with a pinned clock, driven by xdotool."""
import datetime
import os
import shutil
import subprocess
import tempfile
import time


def day_number(y, m, d):
    """The store's whole day number of a date: days since 30 December 1899."""
    return (datetime.date(y, m, d) - datetime.date(1899, 12, 30)).days


FAKETIME_LIB = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


class Desktop:
    """An X server of our own with a program folder and a settings folder in a temporary place."""

    def __init__(self, program, width=1280, height=1024):
        self.root = tempfile.mkdtemp(prefix="vz-e2e-")
        self.folder = os.path.join(self.root, "program")
        self.config = os.path.join(self.root, "config")
        os.makedirs(self.folder)
        os.makedirs(self.config)
        self.program = os.path.join(self.folder, "vorurer")
        shutil.copy2(program, self.program)
        # Xvfb picks a free display itself and tells which, so parallel runs never collide.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-dpi", "96", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.display = ":" + pipe.readline().strip()
        self.env = dict(os.environ)
        self.env.update({"DISPLAY": self.display, "XDG_CONFIG_HOME": self.config,
                         "XDG_RUNTIME_DIR": self.root, "LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8",
                         "TZ": "UTC", "QT_QPA_PLATFORM": "xcb"})
        self.env.pop("QT_QPA_PLATFORM_PLUGIN_PATH", None)
        deadline = time.time() + 10
        while time.time() < deadline:
            if subprocess.run(["xdpyinfo"], env=self.env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        self.app = None

    def store(self, name="zadud2.ini"):
        return os.path.join(self.folder, name)

    def write_store(self, text, name="zadud2.ini"):
        with open(self.store(name), "wb") as f:
            f.write(text.replace("\n", "\r\n").encode("utf-8"))

    def read_store(self, name="zadud2.ini"):
        with open(self.store(name), "rb") as f:
            return f.read().decode("utf-8")

    def start(self, at="2026-12-08 12:00:00", lang=None):
        env = dict(self.env)
        if lang:
            env["LANG"] = env["LC_ALL"] = lang
        if at and os.path.exists(FAKETIME_LIB):
            env.update({"LD_PRELOAD": FAKETIME_LIB, "FAKETIME": "@" + at,
                        "FAKETIME_DONT_FAKE_MONOTONIC": "1", "FAKETIME_DONT_RESET": "1"})
        self.app = subprocess.Popen([self.program], env=env, cwd=self.root,
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        return self.window("Vizevavoz 98")

    def xdotool(self, *args):
        out = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        return out.stdout.strip()

    def window(self, name, timeout=15):
        deadline = time.time() + timeout
        while time.time() < deadline:
            ids = self.xdotool("search", "--onlyvisible", "--name", "^" + name + "$").split()
            if ids:
                # A dialog takes the input focus from its owner; keys typed before it has it
                # would reach the owner, so wait for it (a loaded machine can take a while).
                focus_deadline = time.time() + 3
                while time.time() < focus_deadline and \
                        self.xdotool("getwindowfocus") not in ids + [""]:
                    time.sleep(0.05)
                time.sleep(0.5)
                return ids[0]
            time.sleep(0.1)
        raise AssertionError(f"no window named {name!r}")

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=") for line in out.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def click(self, window, x, y, button=1):
        wx, wy, _, _ = self.geometry(window)
        self.xdotool("mousemove", str(wx + x), str(wy + y))
        time.sleep(0.1)
        self.xdotool("click", str(button))
        time.sleep(0.3)

    def key(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window)
        for k in keys:
            self.xdotool("key", "--clearmodifiers", k)
            time.sleep(0.1)

    def type(self, window, text):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("type", "--delay", "40", "--clearmodifiers", text)
        time.sleep(0.2)

    def double_click(self, window, x, y):
        wx, wy, _, _ = self.geometry(window)
        self.xdotool("mousemove", str(wx + x), str(wy + y))
        time.sleep(0.1)
        self.xdotool("click", "--repeat", "2", "--delay", "80", "1")
        time.sleep(0.3)

    def gone(self, name, timeout=10):
        """Waits until no window of that name is shown (a dialog closed)."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not self.xdotool("search", "--onlyvisible", "--name", "^" + name + "$"):
                time.sleep(0.3)  # let the owner repaint
                return
            time.sleep(0.1)
        raise AssertionError(f"{name!r} is still shown")

    def clipboard(self):
        out = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                             capture_output=True, timeout=10)
        return out.stdout.decode("utf-8")

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)

    def crop(self, window, path):
        """Saves the screen area of one window (its client area: there is no window manager)."""
        x, y, width, height = self.geometry(window)
        whole = path + ".screen.png"
        self.screenshot(whole)
        subprocess.run(["convert", whole, "-crop", f"{width}x{height}+{x}+{y}", "+repage", path],
                       check=True)
        os.remove(whole)

    def wait_exit(self, timeout=10):
        try:
            self.app.wait(timeout)
        except subprocess.TimeoutExpired:
            self.app.kill()
            raise AssertionError("the program did not end")
        return self.app.returncode

    def close(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.root, ignore_errors=True)
