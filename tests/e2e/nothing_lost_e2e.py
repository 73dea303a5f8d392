"""Nothing lost, as a user meets it: a store with one value in another encoding, locks that no
running copy answers for, a store kept through a symbolic link, times written under other
languages, a store far too large, and an ending signal whose save fails."""
import os
import signal
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, day_number  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
CAPTION = "Vizevavoz 98"
LOCK = "zadud2.ini.lock"


def entry(n, desc, date, time_text):
    return f"[Entry{n}]\nDesc={desc}\nDate={date}\nTime={time_text}\n"


STORE = entry(1, "Anniversary", day_number(2020, 6, 15), "07:30 PM") + \
    entry(2, "Birthday", day_number(2027, 3, 1), "09:00 AM")


class NothingLost(unittest.TestCase):
    def setUp(self):
        self.desk = Desktop(PROGRAM)

    def tearDown(self):
        self.desk.close()

    def shown(self):
        return self.desk.xdotool("search", "--onlyvisible", "--name", "^" + CAPTION + "$").split()

    def output(self):
        return self.desk.app.stdout.read().decode("utf-8", "replace")

    def second_window(self, window, action):
        """The window of our caption besides `window` that `action` brings up."""
        try:
            action()
        except AssertionError:
            pass
        deadline = time.time() + 20
        while time.time() < deadline:
            others = [w for w in self.shown() if w != window]
            if others:
                time.sleep(0.5)
                return others[0]
            time.sleep(0.1)
        raise AssertionError("no second window")

    def exit_by_menu(self, window):
        self.desk.key(window, "alt+x")
        self.assertEqual(self.desk.wait_exit(), 0)

    def refused_start(self, *texts):
        """A start that must end without a main window: one message box saying why, the same
        text on standard error, and status 1."""
        box = self.desk.start()
        self.assertEqual(len(self.shown()), 1)
        self.desk.key(box, "Return")
        self.assertEqual(self.desk.wait_exit(), 1)
        said = self.output()
        for text in texts:
            self.assertIn(text, said)
        return said

    # 1. One description in Windows-1252 among UTF-8 ones.
    def test_one_value_in_another_encoding_leaves_the_others_as_they_are(self):
        store = (entry(1, "Müller Geburtstag", day_number(2027, 1, 5), "09:00 AM") +
                 entry(2, "Café €5", day_number(2027, 2, 5), "09:00 AM")).replace("\n", "\r\n")
        with open(self.desk.store(), "wb") as f:
            f.write(store.encode("utf-8") +
                    entry(3, "J\xf6rg", day_number(2027, 3, 5), "09:00 AM")
                    .replace("\n", "\r\n").encode("latin-1"))
        self.exit_by_menu(self.desk.start())
        saved = self.desk.read_store()  # the whole file is UTF-8 now
        for desc in ("Müller Geburtstag", "Café €5", "Jörg"):
            self.assertIn("Desc=" + desc + "\r\n", saved)
        # And stays so over a second round.
        self.exit_by_menu(self.desk.start())
        self.assertEqual(self.desk.read_store(), saved)

    # 2. Locks nobody answers for.
    def test_an_empty_or_garbled_lock_is_taken_over(self):
        for lock in (b"", b"\x00\xff garbage\n"):
            with self.subTest(lock=lock):
                self.desk.write_store(STORE)
                with open(self.desk.store(LOCK), "wb") as f:
                    f.write(lock)
                started = time.time()
                window = self.desk.start()
                self.assertLess(time.time() - started, 5)
                with open(self.desk.store(LOCK), "rb") as f:
                    self.assertTrue(f.read().startswith(str(self.desk.app.pid).encode() + b"\n"))
                self.exit_by_menu(window)
                self.assertFalse(os.path.exists(self.desk.store(LOCK)))

    def test_a_lock_from_another_computer_asks_before_opening(self):
        self.desk.write_store(STORE)
        lock = b"4242\nvorurer\nlaptop-in-the-attic\n"
        with open(self.desk.store(LOCK), "wb") as f:
            f.write(lock)
        # Quit leaves everything as it was.
        box = self.desk.start()
        self.assertEqual(len(self.shown()), 1)
        if os.environ.get("VZ_SHOT_DIR"):
            self.desk.crop(box, os.path.join(os.environ["VZ_SHOT_DIR"], "foreign-lock.png"))
        self.desk.key(box, "alt+q")
        self.assertEqual(self.desk.wait_exit(), 0)
        said = self.output()
        self.assertIn('process 4242 on the computer "laptop-in-the-attic"', said)
        with open(self.desk.store(LOCK), "rb") as f:
            self.assertEqual(f.read(), lock)
        # Open anyway takes the lock over and shows the list.
        box = self.desk.start()
        self.desk.key(box, "alt+o")
        deadline = time.time() + 10
        while time.time() < deadline:
            with open(self.desk.store(LOCK), "rb") as f:
                if f.read().startswith(str(self.desk.app.pid).encode() + b"\n"):
                    break
            time.sleep(0.1)
        window = self.desk.window(CAPTION)
        self.assertIsNone(self.desk.app.poll())
        self.assertNotEqual(window, box)
        self.exit_by_menu(window)
        self.assertIn("Desc=Birthday\r\n", self.desk.read_store())

    def test_a_lock_removed_while_running_is_made_again_at_the_next_save(self):
        self.desk.write_store(STORE)
        window = self.desk.start()
        os.remove(self.desk.store(LOCK))
        self.desk.key(window, "alt+a")
        dialog = self.desk.window("Add/Edit description, date and time")
        self.desk.type(dialog, "Concert")
        self.desk.key(dialog, "Return")
        self.desk.gone("Add/Edit description, date and time")
        self.assertIn("Desc=Concert\r\n", self.desk.read_store())
        self.assertTrue(os.path.exists(self.desk.store(LOCK)))
        self.exit_by_menu(window)

    def test_a_copy_that_does_not_answer_blocks_the_next_start_with_a_reason(self):
        self.desk.write_store(STORE)
        window = self.desk.start()
        first = self.desk.app
        first.send_signal(signal.SIGSTOP)  # hung: holds its lock, answers nobody
        try:
            box = self.second_window(window, self.desk.start)
            self.desk.key(box, "Return")
            self.assertEqual(self.desk.wait_exit(), 1)
            self.assertIn(f"Another copy of the program (process {first.pid})", self.output())
        finally:
            first.send_signal(signal.SIGCONT)
        self.desk.app = first
        self.exit_by_menu(window)
        self.assertIn("Desc=Birthday\r\n", self.desk.read_store())

    # 3. A store kept through a symbolic link.
    def test_a_linked_store_is_saved_through_the_link_and_a_missing_target_is_reported(self):
        synced = os.path.join(self.desk.root, "synced")
        target = os.path.join(synced, "zadud2.ini")
        os.symlink(target, self.desk.store())
        # The drive is not mounted: reported, nothing written, the link kept.
        self.refused_start("The event list " + target + " cannot be found")
        self.assertTrue(os.path.islink(self.desk.store()))
        self.assertFalse(os.path.exists(synced))

        # Mounted: read and saved through the link.
        os.makedirs(synced)
        with open(target, "wb") as f:
            f.write(STORE.replace("\n", "\r\n").encode())
        window = self.desk.start()
        # Unmounted while running: the save fails like any other and keeps the window open.
        os.rename(synced, synced + ".away")
        box = self.second_window(window, lambda: self.desk.key(window, "alt+x"))
        self.desk.key(box, "Return")
        time.sleep(0.5)
        self.assertIsNone(self.desk.app.poll())
        self.assertTrue(os.path.islink(self.desk.store()))
        # Mounted again: the next Exit saves there.
        os.rename(synced + ".away", synced)
        self.exit_by_menu(window)
        self.assertTrue(os.path.islink(self.desk.store()))
        with open(target, "rb") as f:
            self.assertIn(b"Desc=Birthday\r\n", f.read())

    # 5. Times written under Korean and Japanese settings, read under English ones.
    def test_times_from_other_languages_read_without_a_message_and_are_kept(self):
        self.desk.write_store(entry(1, "Korean", day_number(2027, 1, 5), "07:30 오후") +
                              entry(2, "Japanese", day_number(2027, 1, 6), "午後 07:30"))
        window = self.desk.start()
        time.sleep(1.5)  # a tick or two: an unreadable time would be reported by now
        self.assertEqual(self.shown(), [window])
        self.exit_by_menu(window)
        saved = self.desk.read_store()
        self.assertIn("Time=07:30 오후\r\n", saved)
        self.assertIn("Time=午後 07:30\r\n", saved)

    # 6. A store far larger than any event list; a failed save at an ending signal.
    def test_a_store_too_large_is_refused_and_never_written(self):
        self.desk.write_store(STORE)
        with open(self.desk.store(), "r+b") as f:
            f.truncate(1 << 30)  # sparse
        before = os.stat(self.desk.store())
        started = time.time()
        self.refused_start("is larger than 1 MiB")
        self.assertLess(time.time() - started, 10)
        after = os.stat(self.desk.store())
        self.assertEqual((after.st_size, after.st_mtime_ns), (before.st_size, before.st_mtime_ns))

    def test_an_ending_signal_whose_save_fails_ends_with_a_failure_status(self):
        self.desk.write_store(STORE)
        self.desk.start()
        os.remove(self.desk.store())
        os.mkdir(self.desk.store())  # no save can replace a folder
        self.desk.app.send_signal(signal.SIGTERM)
        self.assertEqual(self.desk.wait_exit(), 1)
        self.assertIn("Unable to write to " + self.desk.store(), self.output())


if __name__ == "__main__":
    unittest.main(verbosity=2)
