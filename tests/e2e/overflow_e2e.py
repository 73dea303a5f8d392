"""More events than the list's 25 rows, as a user meets them: a hand-made store of 30 events,
and a sync tool that adds events while the program runs. None is dropped from the file: the list
shows 25, the user is told once how many more the file keeps, and they come into the list as rows
become free."""
import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, day_number  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
SHOTS = os.environ.get("VZ_SCREENSHOTS")

MAIN = "Vizevavoz 98"  # the main window and the notice share the program's title
CONFIRM = "Confirm"
DAY = day_number(2027, 1, 1)


def entries(names, first=1):
    return "".join(f"[Entry{n}]\nDesc={name}\nDate={DAY}\nTime=09:00 AM\n"
                   for n, name in enumerate(names, first))


def events(first, last):
    return [f"Event {n:02}" for n in range(first, last + 1)]


class Overflow(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)

    def tearDown(self):
        self.desk.close()

    def windows(self):
        ids = self.desk.xdotool("search", "--onlyvisible", "--name", f"^{MAIN}$").split()
        return sorted(ids, key=lambda w: self.desk.geometry(w)[2])  # the notice is narrower

    def notice(self, timeout=10):
        """Waits for the notice beside the main window; answers (notice, main window)."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            shown = self.windows()
            if len(shown) == 2:
                time.sleep(0.5)
                return shown[0], shown[1]
            time.sleep(0.1)
        raise AssertionError("no notice")

    def dismiss(self, notice):
        self.desk.key(notice, "Return")
        deadline = time.time() + 5
        while len(self.windows()) > 1 and time.time() < deadline:
            time.sleep(0.1)
        self.assertLessEqual(len(self.windows()), 1)

    def no_notice(self, seconds=2):
        time.sleep(seconds)
        self.assertEqual(len(self.windows()), 1)

    def stored(self):
        """The store's entries: {number: description}, blank entries as ""."""
        text = self.desk.read_store()
        return {int(n): desc for n, desc in re.findall(r"^\[Entry(\d+)\]\r\nDesc=(.*)\r$", text, re.M)}

    def listed_and_kept(self):
        entries_ = self.stored()
        listed = [entries_[n] for n in range(1, 26) if entries_.get(n)]
        self.assertEqual(entries_.get(26), "", "Entry26 stays blank")
        kept = [entries_[n] for n in sorted(entries_) if n > 26]
        self.assertEqual(sorted(n for n in entries_ if n > 26), list(range(27, 27 + len(kept))))
        return listed, kept

    def exit(self, window):
        self.desk.key(window, "alt+x")

    def test_a_hand_made_store_of_30_events(self):
        self.desk.write_store(entries(events(1, 30)) + "[Lastone]\nTop=1\nLast=1\n")
        self.desk.start()
        notice, window = self.notice()
        if SHOTS:
            self.desk.crop(notice, os.path.join(SHOTS, "kept-events-notice.png"))
        self.dismiss(notice)
        self.exit(window)
        self.assertEqual(self.desk.wait_exit(), 0)
        # The first save keeps all 30: Entry26 blank, the five beyond the list after it.
        self.assertEqual(self.listed_and_kept(), (events(1, 25), events(26, 30)))

        # The next start tells again; a delete brings Event 26 into the list, with no new notice.
        self.desk.start()
        notice, window = self.notice()
        self.dismiss(notice)
        self.desk.key(window, "Tab")  # the list has the focus first; make sure of it
        self.desk.key(window, "shift+Tab")
        self.desk.key(window, "ctrl+Home")
        self.desk.key(window, "alt+d")
        confirm = self.desk.window(CONFIRM)
        self.desk.key(confirm, "alt+y")
        self.desk.gone(CONFIRM)
        self.no_notice()
        self.exit(window)
        self.assertEqual(self.desk.wait_exit(), 0)
        listed, kept = self.listed_and_kept()
        self.assertEqual(len(listed), 25)
        self.assertIn("Event 26", listed)
        self.assertEqual(kept, events(27, 30))
        self.assertEqual(len(set(listed + kept)), 29)  # one deleted, none doubled

    def test_a_sync_tool_adds_events_while_the_program_runs(self):
        self.desk.write_store(entries(events(1, 20)) + "[Lastone]\nTop=1\nLast=1\n")
        window = self.desk.start()
        self.no_notice(1)
        # Another machine's list merged into the file: ten more events, 30 in all.
        self.desk.write_store(entries(events(1, 30)) + "[Lastone]\nTop=1\nLast=1\n")
        self.exit(window)
        notice, _ = self.notice()
        self.dismiss(notice)
        self.assertEqual(self.desk.wait_exit(), 0)
        listed, kept = self.listed_and_kept()
        self.assertEqual(sorted(listed + kept), events(1, 30))
        self.assertEqual(len(listed), 25)

        # All of them at the next start: 25 shown, five told of.
        self.desk.start()
        notice, window = self.notice()
        self.dismiss(notice)
        self.exit(window)
        self.assertEqual(self.desk.wait_exit(), 0)
        self.assertEqual(self.listed_and_kept(), (listed, kept))


if __name__ == "__main__":
    unittest.main()
