"""The Debian package as apt meets it: lintian finds no error, it depends on the Qt run-time
packages, and it holds the installed tree under /usr, owned by root."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else "build")
APP_ID = "example.velmora.vorurer"


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="vz-package-")
        out = subprocess.run(["cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"),
                              "-B", cls.root], capture_output=True, text=True)
        if out.returncode != 0:
            raise AssertionError("cpack failed:\n" + out.stdout + out.stderr)
        debs = [name for name in os.listdir(cls.root) if name.endswith(".deb")]
        assert len(debs) == 1, debs
        cls.deb = os.path.join(cls.root, debs[0])

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root, ignore_errors=True)

    def field(self, name):
        return subprocess.run(["dpkg-deb", "--field", self.deb, name], capture_output=True,
                              text=True, check=True).stdout.strip()

    def test_lintian_finds_no_error(self):
        out = subprocess.run(["lintian", "--no-tag-display-limit", self.deb],
                             capture_output=True, text=True)
        report = out.stdout + out.stderr
        self.assertEqual(re.findall(r"(?m)^E: .*$", report), [], report)
        self.assertEqual(out.returncode, 0, report)

    def test_depends_on_the_qt_runtime(self):
        depends = {re.split(r"[ (]", part.strip())[0] for part in self.field("Depends").split(",")}
        self.assertLessEqual({"libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6"}, depends)
        self.assertFalse({name for name in depends if name.endswith("-dev")})

    def test_holds_the_installed_tree_under_usr_owned_by_root(self):
        listing = subprocess.run(["dpkg-deb", "--contents", self.deb], capture_output=True,
                                 text=True, check=True).stdout.splitlines()
        files = {}
        for line in listing:
            mode, owner, _size, _date, _time, path = line.split(None, 5)
            files[path.removeprefix("./")] = (mode, owner)
        for path, (mode, owner) in files.items():
            with self.subTest(path=path):
                self.assertTrue(path.startswith("usr/"), path)
                self.assertEqual(owner, "root/root")
                self.assertNotRegex(mode, r"^.....w|^........w")  # group or others may not write
        for path in ("usr/bin/vorurer", f"usr/share/applications/{APP_ID}.desktop",
                     f"usr/share/metainfo/{APP_ID}.metainfo.xml",
                     f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
                     f"usr/share/icons/hicolor/48x48/apps/{APP_ID}.png",
                     "usr/share/man/man1/vorurer.1.gz", "usr/share/doc/vizevavoz/copyright"):
            with self.subTest(path=path):
                self.assertIn(path, files)
        self.assertTrue(files["usr/bin/vorurer"][0].startswith("-rwxr-xr-x"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
