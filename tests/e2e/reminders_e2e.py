"""Reminders and yearly events in the real program: a reminder set from the list's context menu
with the keyboard arrives at its moment as a desktop notification; one that fell due while the
program was closed arrives once at the next start; without a notification service the program's
own reminder window appears; a yearly birthday shows and reports its next occurrence."""
import json
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"

# A session bus of our own, with no notification service on it but the test's; and the system's
# Python, which has the introspection bindings the recording service uses.
# The bus starts no service of the machine's own on demand (an installed notification daemon
# would answer where the test wants none).
BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>
"""
if os.environ.get("VZ_REMINDER_SESSION") != "1":
    os.environ["VZ_REMINDER_SESSION"] = "1"
    python = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
    config = tempfile.NamedTemporaryFile("w", suffix=".conf", prefix="vz-bus-", delete=False)
    config.write(BUS_CONFIG)
    config.close()
    os.environ["VZ_REMINDER_BUS_CONFIG"] = config.name
    os.execvp("dbus-run-session", ["dbus-run-session", f"--config-file={config.name}", "--",
                                   python, os.path.abspath(__file__), PROGRAM, *sys.argv[1:]])
os.remove(os.environ["VZ_REMINDER_BUS_CONFIG"])

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, day_number  # noqa: E402

MAIN = "Vizevavoz 98"
RECORDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "notification_recorder.py")


def store(*entries):
    text = ""
    for n, (desc, date, time_text, extra) in enumerate(entries, 1):
        text += f"[Entry{n}]\nDesc={desc}\nDate={date}\nTime={time_text}\n{extra}"
    return text + "[Split]\nPos=200\n[Lastone]\nTop=1\nLast=1\n"


class Reminders(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)
        self.log = os.path.join(self.desk.root, "notifications.jsonl")
        self.recorder = None

    def tearDown(self):
        self.stop_recorder()
        self.desk.close()

    def start_recorder(self):
        self.recorder = subprocess.Popen(["/usr/bin/python3", RECORDER, self.log],
                                         stdout=subprocess.PIPE, text=True)
        self.assertEqual(self.recorder.stdout.readline().strip(), "ready")

    def stop_recorder(self):
        if self.recorder:
            self.recorder.terminate()
            self.recorder.wait()
            self.recorder.stdout.close()
            self.recorder = None

    def notifications(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return [json.loads(line) for line in f]

    def wait_notifications(self, count, timeout):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if len(self.notifications()) >= count:
                return self.notifications()
            time.sleep(0.2)
        self.fail(f"{count} notifications expected, got {self.notifications()}")

    def exit(self, window):
        self.desk.key(window, "alt+x")
        self.assertEqual(self.desk.wait_exit(), 0)

    def test_reminder_set_by_keyboard_arrives_and_one_missed_while_closed_arrives_once(self):
        self.start_recorder()
        self.desk.write_store(store(
            ("Party", day_number(2026, 12, 8), "12:01 PM", ""),
            ("Tea", day_number(2026, 12, 8), "1:00 PM", "Remind=0\n")))
        window = self.desk.start(at="2026-12-08 12:00:35")
        # Shift+F10 opens the list's menu; after Add, Edit, Delete and Every year comes
        # Remind me, whose first item is At the time.
        self.desk.key(window, "shift+F10")
        time.sleep(0.5)
        for k in ["Down"] * 5 + ["Right", "Return"]:
            self.desk.xdotool("key", k)
            time.sleep(0.2)
        time.sleep(0.5)
        self.assertIn("Remind=0", self.desk.read_store().split("[Entry2]")[0])
        self.assertEqual(self.notifications(), [])
        sent = self.wait_notifications(1, timeout=40)
        self.assertEqual(sent[0]["summary"], "Party")
        self.assertEqual(sent[0]["body"], "now")
        self.assertEqual(sent[0]["app"], MAIN)
        self.assertIn("default", sent[0]["actions"])
        self.assertIn("desktop-entry", sent[0]["hints"])
        self.assertTrue(sent[0]["icon"])
        self.exit(window)

        # Tea's reminder fell due while the program was closed: it comes once at the next start,
        # and Party's is not shown again.
        window = self.desk.start(at="2026-12-08 14:00:00")
        sent = self.wait_notifications(2, timeout=15)
        self.assertEqual(sent[1]["summary"], "Tea")
        self.assertEqual(sent[1]["body"], "was due 1 hour ago: Tuesday 12/8/2026 at 1:00 PM")
        time.sleep(3)
        self.assertEqual(len(self.notifications()), 2)
        # Choosing the notification brings the window up with Tea selected.
        self.recorder.send_signal(signal.SIGUSR1)
        time.sleep(1)
        self.desk.key(window, "ctrl+c")
        time.sleep(0.3)
        self.assertEqual(self.desk.clipboard().split("\r\n")[1], "Event: Tea")
        self.exit(window)
        with open(os.path.join(self.desk.config, "Dozazar Irudizidudo", "Dorovezud.conf")) as f:
            settings = f.read()
        self.assertIn("LastLooked=2026-12-08 14:00:", settings)

    def test_without_a_notification_service_the_programs_own_window_appears(self):
        self.desk.write_store(store(("Tea", day_number(2026, 12, 8), "12:00 PM", "Remind=0\n")))
        self.desk.start(at="2026-12-08 11:59:55")
        reminder = self.desk.window("Reminder", timeout=20)
        self.assertTrue(reminder)
        if os.environ.get("VZ_SHOT_DIR"):
            self.desk.screenshot(os.path.join(os.environ["VZ_SHOT_DIR"], "reminder-window.png"))

    def test_yearly_birthday_shows_its_next_occurrence_and_the_years(self):
        self.desk.write_store(store(
            ("Birthday", day_number(1987, 3, 1), "9:00 AM", "Repeat=Yearly\nRemind=15\n")))
        window = self.desk.start(at="2026-12-08 12:00:00")
        self.desk.key(window, "ctrl+c")
        time.sleep(0.3)
        lines = self.desk.clipboard().split("\r\n")[:-1]
        self.assertEqual(len(lines), 10, lines)
        self.assertEqual(lines[2], "Scheduled For 3/1/2027  9:00 AM")
        self.assertEqual(lines[9], "Every year since 3/1/1987: 40 years")
        if os.environ.get("VZ_SHOT_DIR"):
            self.desk.crop(window, os.path.join(os.environ["VZ_SHOT_DIR"], "yearly-grid.png"))
        self.exit(window)
        # The first occurrence stays what is stored.
        self.assertIn(f"Date={day_number(1987, 3, 1)}", self.desk.read_store())
        self.assertIn("Repeat=Yearly", self.desk.read_store())


if __name__ == "__main__":
    unittest.main()
