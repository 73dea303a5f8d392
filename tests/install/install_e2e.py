"""An installed copy as a user meets it: the files a desktop needs are in place and valid, the
program runs from a folder it cannot write and keeps its events in the user's data folder, and a
copy in a folder it can write keeps them beside itself."""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from desktop import FAKETIME_LIB, Desktop  # noqa: E402

BUILD = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else "build")
APP_ID = "example.velmora.vorurer"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
STORE = "zadud2.ini"
OLDER_STORE = "zadud.ini"


def install(prefix):
    out = subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix],
                         capture_output=True, text=True)
    if out.returncode != 0:
        raise AssertionError("cmake --install failed:\n" + out.stdout + out.stderr)


def snapshot(tree):
    """Every entry below tree with what a write would change."""
    seen = {}
    for folder, dirs, files in os.walk(tree):
        for name in dirs + files:
            path = os.path.join(folder, name)
            st = os.lstat(path)
            seen[os.path.relpath(path, tree)] = (st.st_mode, st.st_size, st.st_mtime_ns)
    return seen


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", path
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def day_number(y, m, d):
    return (datetime.date(y, m, d) - datetime.date(1899, 12, 30)).days


def read_crlf(path):
    with open(path, "rb") as f:
        return f.read().decode("utf-8")


def write_crlf(path, text):
    with open(path, "wb") as f:
        f.write(text.replace("\n", "\r\n").encode("utf-8"))


class InstalledFiles(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="vz-install-")
        cls.prefix = os.path.join(cls.root, "usr")
        install(cls.prefix)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.prefix, *parts)

    def test_desktop_entry_and_metadata_validate(self):
        for command in (["desktop-file-validate",
                         self.path("share", "applications", APP_ID + ".desktop")],
                        ["appstreamcli", "validate", "--no-net", "--explain",
                         self.path("share", "metainfo", APP_ID + ".metainfo.xml")]):
            with self.subTest(command[0]):
                out = subprocess.run(command, capture_output=True, text=True)
                self.assertEqual(out.returncode, 0, out.stdout + out.stderr)
                # Warnings too: appstreamcli says "W: …", desktop-file-validate "…: warning: …".
                self.assertNotRegex(out.stdout + out.stderr, r"(?m)^[EW]: |: (error|warning): ")

    def test_the_entry_names_what_is_installed(self):
        with open(self.path("share", "applications", APP_ID + ".desktop")) as f:
            entry = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        self.assertEqual(entry["Name"], "Vizevavoz 98")
        self.assertIn("Utility", entry["Categories"].split(";"))
        self.assertTrue(os.access(self.path("bin", entry["Exec"]), os.X_OK))
        self.assertTrue(os.path.exists(
            self.path("share", "icons", "hicolor", "scalable", "apps", entry["Icon"] + ".svg")))
        with open(self.path("share", "metainfo", APP_ID + ".metainfo.xml")) as f:
            metainfo = f.read()
        self.assertIn(f'<launchable type="desktop-id">{APP_ID}.desktop</launchable>', metainfo)
        self.assertRegex(metainfo, r"<screenshot type=\"default\">\s*<caption>.+</caption>\s*"
                                   r"<image>https://\S+\.png</image>")

    def test_icons_have_the_size_of_their_folder(self):
        for size in ICON_SIZES:
            with self.subTest(size=size):
                png = self.path("share", "icons", "hicolor", f"{size}x{size}", "apps",
                                APP_ID + ".png")
                self.assertEqual(png_size(png), (size, size))

    def test_manual_page_reads_without_warnings(self):
        page = self.path("share", "man", "man1", "vorurer.1.gz")
        out = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True,
                             env=dict(os.environ, MANWIDTH="80", MAN_KEEP_FORMATTING="0"))
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(out.stderr, "")
        self.assertIn("vorurer - count down", out.stdout)


# Root passes every permission check, so a read-only folder would not stop it: without its
# capabilities it meets the permission bits as any user does.
UNPRIVILEGED = ["setpriv", "--bounding-set=-all", "--inh-caps=-all"] if os.geteuid() == 0 else []


class UserDesktop(Desktop):
    """A desktop whose user has a home, a data folder and a settings folder of their own."""

    def __init__(self, program):
        super().__init__(program)  # also lays a writable copy of the program in self.folder
        self.home = os.path.join(self.root, "home")
        self.data = os.path.join(self.root, "data")
        os.makedirs(self.home)
        self.env.update({"HOME": self.home, "XDG_DATA_HOME": self.data,
                         "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
                         "XDG_STATE_HOME": os.path.join(self.home, ".local", "state")})
        self.keeper = self.keep_server_up()

    def keep_server_up(self):
        """An X server resets when its last client leaves and refuses connections meanwhile, so
        a program started right after another one closed could find no display. One idle client
        that stays connected prevents the reset."""
        deadline = time.time() + 10
        while time.time() < deadline:
            keeper = subprocess.Popen(["xprop", "-root", "-spy", "_VZ_KEEP_ALIVE"], env=self.env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                keeper.wait(0.3)  # it leaves at once only when it could not connect
            except subprocess.TimeoutExpired:
                return keeper
        raise AssertionError("the X server took no client")

    def close(self):
        self.keeper.kill()
        self.keeper.wait()
        super().close()

    def data_store(self, name=STORE):
        return os.path.join(self.data, "vorurer", name)

    def run_and_exit(self, program):
        """Starts the program, closes it from the keyboard at once and returns its exit code."""
        env = dict(self.env)
        if os.path.exists(FAKETIME_LIB):
            env.update({"LD_PRELOAD": FAKETIME_LIB, "FAKETIME": "@2026-12-08 12:00:00",
                        "FAKETIME_DONT_FAKE_MONOTONIC": "1", "FAKETIME_DONT_RESET": "1"})
        self.app = subprocess.Popen(UNPRIVILEGED + [program], env=env, cwd=self.home,
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        try:
            window = self.window("Vizevavoz 98")
        except AssertionError:
            self.app.kill()
            with self.app.stdout as out:
                raise AssertionError(f"{program} showed no window (exit {self.app.wait()}):\n"
                                     + out.read().decode("utf-8", "replace"))
        self.key(window, "alt+x")
        code = self.wait_exit()
        with self.app.stdout as out:
            return code, out.read().decode("utf-8", "replace")


class InstalledProgram(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="vz-installed-")
        self.prefix = os.path.join(self.root, "usr")
        install(self.prefix)
        self.program = os.path.join(self.prefix, "bin", "vorurer")
        os.chmod(os.path.dirname(self.program), 0o555)
        self.desk = UserDesktop(self.program)

    def tearDown(self):
        self.desk.close()
        os.chmod(os.path.dirname(self.program), 0o755)
        shutil.rmtree(self.root, ignore_errors=True)

    def assert_fresh_store(self, path):
        store = read_crlf(path)
        self.assertEqual(len(re.findall(r"^\[Entry\d+\]\r$", store, re.M)), 26, store)
        self.assertIn("[Entry1]\r\nDesc=\r\nDate=0\r\nTime=\r\n", store)

    def test_store_lives_in_the_data_folder_unless_the_program_folder_can_be_written(self):
        before = snapshot(self.prefix)
        self.assertFalse(os.path.exists(self.desk.data))

        code, output = self.desk.run_and_exit(self.program)
        self.assertEqual(code, 0, output)
        self.assertNotIn("Unable to write", output)
        self.assert_fresh_store(self.desk.data_store())
        self.assertEqual(snapshot(self.prefix), before, "the installed tree was written")

        # A copy in a folder it can write keeps its store beside itself.
        kept = os.stat(self.desk.data_store())
        code, output = self.desk.run_and_exit(self.desk.program)
        self.assertEqual(code, 0, output)
        self.assert_fresh_store(self.desk.store())
        self.assertEqual(os.stat(self.desk.data_store()).st_mtime_ns, kept.st_mtime_ns)
        self.assertEqual(snapshot(self.prefix), before)

    def test_installed_tree_is_left_alone_where_its_owner_could_write_it(self):
        bin_folder = os.path.dirname(self.program)
        os.chmod(bin_folder, 0o755)  # as after an installation into ~/.local
        before = snapshot(self.prefix)
        code, output = self.desk.run_and_exit(self.program)
        self.assertEqual(code, 0, output)
        self.assert_fresh_store(self.desk.data_store())
        self.assertEqual(snapshot(self.prefix), before, "the installed tree was written")

    def test_older_store_in_the_data_folder_is_converted_there(self):
        os.makedirs(os.path.dirname(self.desk.data_store()))
        write_crlf(self.desk.data_store(), "[Split]\nPos=120\n")
        write_crlf(self.desk.data_store(OLDER_STORE),
                   "[Entry1]\nDesc=Launch\nDate=12/24/2026\nTime=12:00 AM\n"
                   "[Split]\nPos=150\n[Lastone]\nTop=1\nLast=1\n")

        code, output = self.desk.run_and_exit(self.program)
        self.assertEqual(code, 0, output)
        self.assertFalse(os.path.exists(self.desk.data_store(OLDER_STORE)))
        store = read_crlf(self.desk.data_store())
        self.assertIn(f"[Entry1]\r\nDesc=Launch\r\nDate={day_number(2026, 12, 24)}\r\n"
                      "Time=12:00 AM\r\n", store)
        self.assertFalse(os.path.exists(os.path.join(self.prefix, "bin", STORE)))


if __name__ == "__main__":
    unittest.main(verbosity=2)
