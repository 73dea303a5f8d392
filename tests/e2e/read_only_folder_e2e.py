"""A copy of the program in a folder its user cannot write (a shared or installed copy): the
events found beside the program show, changes are saved in the user's data folder and taken from
there at the next start, and the files beside the program are never changed. Run as an
unprivileged user when started as root, so the folder is really read-only."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import FAKETIME_LIB, Desktop  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"

CONFIRM = "Confirm"
NOBODY = 65534
# Client coordinates at the designed size: the panel's buttons are centred 40 above the bottom.
DELETE_X = 186
EXIT_FROM_RIGHT = 45
BUTTON_Y_FROM_BOTTOM = 40
COPY_FROM_RIGHT = 191
FIRST_ROW = (40, 234)

STORE = ("[Entry1]\nDesc=Beside the program\nDate=46447\nTime=09:00 AM\n"
         "[Entry2]\nDesc=Second\nDate=46500\nTime=10:00 AM\n"
         "[Lastone]\nTop=1\nLast=1\n")
OLD_STORE = "[Entry1]\nDesc=Older\nDate=6/15/2027\nTime=03:00 PM\n"


class ReadOnlyProgramFolder(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)
        self.as_root = os.geteuid() == 0
        root = self.desk.root
        self.data_home = os.path.join(root, "data")
        self.data = os.path.join(self.data_home, "vorurer")
        home = os.path.join(root, "home")
        for folder in (self.data_home, home, self.desk.config):
            os.makedirs(folder, exist_ok=True)
            if self.as_root:
                os.chown(folder, NOBODY, NOBODY)
        self.desk.env.update({"XDG_DATA_HOME": self.data_home, "HOME": home})
        if self.as_root:
            # The runtime folder must belong to the user; the test's own root stays traversable.
            runtime = os.path.join(root, "runtime")
            os.makedirs(runtime, mode=0o700)
            os.chown(runtime, NOBODY, NOBODY)
            self.desk.env["XDG_RUNTIME_DIR"] = runtime
            os.chmod(root, 0o755)

    def tearDown(self):
        os.chmod(self.desk.folder, 0o755)
        self.desk.close()
        if self.desk.app:
            self.desk.app.stdout.close()

    def lay_program_folder(self, files):
        for name, text in files.items():
            self.desk.write_store(text, name)
            os.chmod(self.desk.store(name), 0o644)
        os.chmod(self.desk.folder, 0o755 if self.as_root else 0o555)
        return self.program_folder()

    def program_folder(self):
        files = {}
        for name in sorted(os.listdir(self.desk.folder)):
            with open(os.path.join(self.desk.folder, name), "rb") as f:
                files[name] = f.read()
        return files

    def start(self):
        env = dict(self.desk.env)
        command = [self.desk.program]
        if os.path.exists(FAKETIME_LIB):
            env.update({"FAKETIME": "@2026-12-08 12:00:00", "FAKETIME_DONT_FAKE_MONOTONIC": "1",
                        "FAKETIME_DONT_RESET": "1"})
            # Preloaded into the program only: the clock's shared state must belong to its user.
            command = ["env", "LD_PRELOAD=" + FAKETIME_LIB, *command]
        if self.as_root:
            command = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups",
                       *command]
        if self.desk.app:
            self.desk.app.stdout.close()
        self.desk.app = subprocess.Popen(command, env=env, cwd=self.desk.root,
                                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        try:
            return self.desk.window("Vizevavoz 98")
        except AssertionError:
            self.desk.app.kill()
            raise AssertionError(self.desk.app.communicate()[0].decode(errors="replace"))

    def selected_event(self, window):
        """The selected event's line of the report the Copy button puts on the clipboard."""
        _, _, width, height = self.desk.geometry(window)
        self.desk.click(window, width - COPY_FROM_RIGHT, height - BUTTON_Y_FROM_BOTTOM)
        return self.desk.clipboard().split("\r\n")[1]

    def exit(self, window):
        _, _, width, height = self.desk.geometry(window)
        self.desk.click(window, width - EXIT_FROM_RIGHT, height - BUTTON_Y_FROM_BOTTOM)
        self.assertEqual(self.desk.wait_exit(), 0, self.desk.app.stdout.read().decode())

    def read_data(self, name="zadud2.ini"):
        with open(os.path.join(self.data, name), "rb") as f:
            return f.read().decode("utf-8")

    def test_events_beside_the_program_show_and_changes_go_to_the_data_folder(self):
        before = self.lay_program_folder({"zadud2.ini": STORE})
        window = self.start()
        self.assertEqual(self.selected_event(window), "Event: Beside the program")
        _, _, width, height = self.desk.geometry(window)
        self.desk.click(window, DELETE_X, height - BUTTON_Y_FROM_BOTTOM)
        confirm = self.desk.window(CONFIRM)
        self.desk.key(confirm, "alt+y")
        self.desk.gone(CONFIRM)
        self.desk.click(window, *FIRST_ROW)  # the display follows a selection at once
        self.assertEqual(self.selected_event(window), "Event: Second")
        self.exit(window)

        store = self.read_data()
        self.assertIn("[Entry1]\r\nDesc=Second\r\n", store)
        self.assertNotIn("Beside the program", store)
        self.assertEqual(self.program_folder(), before)

        # The data folder's store is the one now: the deleted event does not come back.
        window = self.start()
        self.assertEqual(self.selected_event(window), "Event: Second")
        self.exit(window)
        self.assertEqual(self.program_folder(), before)

    def test_an_older_store_beside_the_program_is_converted_into_the_data_folder(self):
        before = self.lay_program_folder({"zadud.ini": OLD_STORE})
        window = self.start()
        self.assertEqual(self.selected_event(window), "Event: Older")
        self.exit(window)
        self.assertIn("[Entry1]\r\nDesc=Older\r\n", self.read_data())
        self.assertEqual(self.read_data("zadud.ini.bak"), OLD_STORE.replace("\n", "\r\n"))
        self.assertEqual(self.program_folder(), before)


if __name__ == "__main__":
    unittest.main()
