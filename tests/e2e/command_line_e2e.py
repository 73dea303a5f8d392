"""The command line of the real program, run without a display (no DISPLAY, and the X11 platform
asked for, so a window system started by mistake would fail): each option's output, its exit
status and its messages, against the window's own texts for the same store and clock."""
import json
import os
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import FAKETIME_LIB, Desktop, day_number  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
NOW = "2026-12-08 12:00:00"  # a Tuesday
NOBODY = 65534

STORE = f"""[Entry1]
Desc=Dentist
Date={day_number(2026, 12, 10)}
Time=03:00 PM
[Entry2]
Desc=Birthday
Date={day_number(2027, 3, 1)}
Time=09:00 AM
[Entry3]
Desc=Anniversary
Date={day_number(2020, 6, 15)}
Time=07:30 PM
[Entry4]
Desc=Lunch
Date={day_number(2026, 12, 8)}
Time=12:30 PM
[Lastone]
Top=1
Last=2
"""
PAST_ONLY = f"[Entry1]\nDesc=Anniversary\nDate={day_number(2020, 6, 15)}\nTime=07:30 PM\n"

LIST_EN = ("Dentist      12/10/2026  03:00 PM  Thu  2 dys 3 hrs\n"
           "Birthday     3/1/2027    09:00 AM  Mon  2 mos 23 dys 21 hrs\n"
           "Anniversary  6/15/2020   07:30 PM  Mon  6 yrs 5 mos 22 dys 16 hrs 30 mins\n"
           "Lunch        12/8/2026   12:30 PM  Tue  30 mins\n")
LIST_DE = ("Dentist      10.12.2026  03:00 PM  Do.  2 dys 3 hrs\n"
           "Birthday     01.03.2027  09:00 AM  Mo.  2 mos 23 dys 21 hrs\n"
           "Anniversary  15.06.2020  07:30 PM  Mo.  6 yrs 5 mos 22 dys 16 hrs 30 mins\n"
           "Lunch        08.12.2026  12:30 PM  Di.  30 mins\n")
BIRTHDAY_REPORT = ("It is now Tuesday 12/8/2026 at 12:00:00 PM\r\nEvent: Birthday\r\n"
                   "Scheduled For 3/1/2027  09:00 AM\r\n2 months 23 days 21 hours 0 seconds or \r\n"
                   "12 weekends or \r\n83 days or \r\n"
                   "1,989 hours (1,326 waking hours) or \r\n119,340 minutes or \r\n"
                   "7,160,400 seconds\r\n")
LIST_TSV = ("Dentist\t12/10/2026\t03:00 PM\tThu\t2 dys 3 hrs\n"
            "Birthday\t3/1/2027\t09:00 AM\tMon\t2 mos 23 dys 21 hrs\n"
            "Anniversary\t6/15/2020\t07:30 PM\tMon\t6 yrs 5 mos 22 dys 16 hrs 30 mins\n"
            "Lunch\t12/8/2026\t12:30 PM\tTue\t30 mins\n")
USAGE = "Usage: "

EN, DE = "en_US.UTF-8", "de_DE.UTF-8"
# arguments, language, store (None: none), exit status, standard output, first line of errors
CASES = [
    (["--list"], EN, STORE, 0, LIST_EN, None),
    (["--list"], DE, STORE, 0, LIST_DE, None),
    (["--list", "--tsv"], EN, STORE, 0, LIST_TSV, None),
    (["--report"], EN, STORE, 0, BIRTHDAY_REPORT, None),
    (["--report", "2"], EN, STORE, 0, BIRTHDAY_REPORT, None),
    (["--report", "BIRTHDAY"], EN, STORE, 0, BIRTHDAY_REPORT, None),
    (["--report", "Nobody"], EN, STORE, 1, "", "vorurer: no event 'Nobody' in the list"),
    (["--next"], EN, STORE, 0, "Lunch: 30 mins\n", None),
    (["--next"], EN, PAST_ONLY, 0, "\n", None),
    (["--version"], EN, STORE, 0, "vorurer 1.6.0\n", None),
    (["--bogus"], EN, STORE, 2, "", "vorurer: Unknown option 'bogus'."),
    (["--list", "--next"], EN, STORE, 2, "",
     "vorurer: Choose one of --list, --report and --next."),
    (["--tsv"], EN, STORE, 2, "", "vorurer: Choose one of --list, --report and --next."),
    (["--list", "extra"], EN, STORE, 2, "", "vorurer: Unexpected argument 'extra'."),
    (["--list", "--json"], EN, STORE, 2, "",
     "vorurer: --json and --watch go with --next."),
    (["--next"], EN, None, 1, "",
     "vorurer: cannot read {folder}/zadud2.ini: No such file or directory"),
]


def without_display(env):
    env = dict(env)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM_PLUGIN_PATH"):
        env.pop(name, None)
    # A window system started by mistake would try to reach an X server, find none and abort.
    env["QT_QPA_PLATFORM"] = "xcb"
    return env


class CommandLine(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)
        self.env = without_display(self.desk.env)
        self.env.update({"LD_PRELOAD": FAKETIME_LIB, "FAKETIME": NOW,
                         "FAKETIME_DONT_FAKE_MONOTONIC": "1", "FAKETIME_DONT_RESET": "1",
                         "XDG_DATA_HOME": os.path.join(self.desk.root, "data")})

    def tearDown(self):
        self.desk.close()

    def run_cli(self, args, lang="en_US.UTF-8", program=None):
        env = dict(self.env, LANG=lang, LC_ALL=lang)
        return subprocess.run([program or self.desk.program, *args], env=env, capture_output=True,
                              timeout=20)

    def folder_state(self, *folders):
        return {os.path.join(folder, name): os.stat(os.path.join(folder, name)).st_mtime_ns
                for folder in folders if os.path.isdir(folder) for name in os.listdir(folder)}

    def test_options_outputs_and_exit_statuses(self):
        for args, lang, store, status, out, err in CASES:
            with self.subTest(args=args, lang=lang):
                if store is not None:
                    self.desk.write_store(store)
                elif os.path.exists(self.desk.store()):
                    os.remove(self.desk.store())
                before = self.folder_state(self.desk.folder)
                done = self.run_cli(args, lang)
                stdout, stderr = done.stdout.decode(), done.stderr.decode()
                self.assertEqual(done.returncode, status, stderr)
                self.assertEqual(stdout, out)
                first = stderr.splitlines()[0] if stderr else None
                self.assertEqual(first, err.format(folder=self.desk.folder) if err else None)
                if status == 2:
                    self.assertTrue(stderr.splitlines()[1].startswith(USAGE), stderr)
                self.assertEqual(self.folder_state(self.desk.folder), before, "nothing written")

    def test_help_names_every_option(self):
        done = self.run_cli(["--help"])
        self.assertEqual(done.returncode, 0)
        for option in ("--list", "--tsv", "--report", "--next", "--json", "--watch", "--version"):
            self.assertIn(option, done.stdout.decode())

    def test_next_as_json_for_status_bars(self):
        self.desk.write_store(STORE)
        line = self.run_cli(["--next", "--json"]).stdout.decode()
        self.assertEqual(line.count("\n"), 1)
        shown = json.loads(line)
        self.assertEqual((shown["text"], shown["class"], shown["alt"]),
                         ("Lunch: 30 mins", "today", "Lunch"))
        self.assertEqual(shown["tooltip"], self.run_cli(["--report", "Lunch"]).stdout.decode()
                         .replace("\r\n", "\n"))
        self.desk.write_store(PAST_ONLY)
        self.assertEqual(json.loads(self.run_cli(["--next", "--json"]).stdout)["text"], "")

    def test_watch_prints_a_line_each_time_the_text_changes(self):
        self.desk.write_store(f"[Entry1]\nDesc=Soon\nDate={day_number(2026, 12, 8)}\n"
                              "Time=12:00:03 PM\n[Entry2]\nDesc=Dentist\n"
                              f"Date={day_number(2026, 12, 10)}\nTime=03:00 PM\n")
        env = dict(self.env, FAKETIME="@2026-12-08 12:00:00", LANG="en_US.UTF-8",
                   LC_ALL="en_US.UTF-8")
        watch = subprocess.Popen([self.desk.program, "--next", "--watch"], env=env,
                                 stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        try:
            lines = [watch.stdout.readline().decode().strip() for _ in range(4)]
        finally:
            watch.kill()
            watch.communicate()
        self.assertEqual(lines[:3], ["Soon: 3 secs", "Soon: 2 secs", "Soon: 1 sec"])
        self.assertEqual(lines[3], "Dentist: 2 dys 2 hrs 59 mins")

    def test_report_matches_the_windows_copy_while_the_window_runs(self):
        self.desk.write_store(STORE)
        env = dict(self.desk.env, LD_PRELOAD=FAKETIME_LIB, FAKETIME=NOW,
                   FAKETIME_DONT_FAKE_MONOTONIC="1", FAKETIME_DONT_RESET="1")
        self.desk.app = subprocess.Popen([self.desk.program], env=env, cwd=self.desk.root,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = self.desk.window("Vizevavoz 98")
        before = self.folder_state(self.desk.folder)
        self.assertTrue(any(name.endswith(".lock") for name in before), before)
        for row in (2, 3):
            with self.subTest(row=row):
                self.desk.click(window, 300, 120)  # the display copies the selected event
                self.assertEqual(self.run_cli(["--report", str(row)]).stdout.decode(),
                                 self.desk.clipboard())
                self.desk.key(window, "Down")
                time.sleep(4)  # the status bar says "copied" for three ticks, then the clock
        self.assertEqual(self.folder_state(self.desk.folder), before)

    def test_store_location_of_an_installed_copy(self):
        prefix = os.path.join(self.desk.root, "usr")
        os.makedirs(os.path.join(prefix, "bin"))
        os.makedirs(os.path.join(prefix, "share", "applications"))
        open(os.path.join(prefix, "share", "applications", "example.velmora.vorurer.desktop"),
             "w").close()
        program = os.path.join(prefix, "bin", "vorurer")
        shutil.copy2(self.desk.program, program)
        beside = os.path.join(prefix, "bin", "zadud2.ini")
        with open(beside, "w") as f:
            f.write(PAST_ONLY)
        data = os.path.join(self.env["XDG_DATA_HOME"], "vorurer")
        # Not yet taken to the data folder: the events beside the program show, nothing is made.
        done = self.run_cli(["--list", "--tsv"], program=program)
        self.assertTrue(done.stdout.decode().startswith("Anniversary\t"), done.stderr)
        self.assertFalse(os.path.exists(data))
        os.makedirs(data)
        with open(os.path.join(data, "zadud2.ini"), "w") as f:
            f.write(STORE)
        done = self.run_cli(["--next"], program=program)
        self.assertEqual(done.stdout.decode(), "Lunch: 30 mins\n")

    def test_a_store_that_cannot_be_read(self):
        os.makedirs(self.desk.store())
        done = self.run_cli(["--list"])
        self.assertEqual((done.returncode, done.stderr.decode()),
                         (1, f"vorurer: cannot read {self.desk.store()}: Is a directory\n"))
        if os.geteuid() != 0:
            return
        # Permission bits do not stop the superuser: the user's own case runs as nobody.
        os.rmdir(self.desk.store())
        self.desk.write_store(STORE)
        os.chmod(self.desk.store(), 0)
        os.chmod(self.desk.root, 0o755)
        done = subprocess.run(["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}",
                               "--clear-groups", self.desk.program, "--list"],
                              env=without_display(self.desk.env),
                              capture_output=True, timeout=20)
        self.assertEqual((done.returncode, done.stderr.decode()),
                         (1, f"vorurer: cannot read {self.desk.store()}: Permission denied\n"))


if __name__ == "__main__":
    unittest.main()
