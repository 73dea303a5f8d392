"""The program as a screen reader meets it, through the accessibility bus: the display reads as
lines of text, the event dialog's fields are found by their labels and tell their text and each
edit, and every button and spin button has a name. Run with --dump to print what a reader sees
of each window."""
import os
import subprocess
import sys
import time
import unittest

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/vorurer"
DUMP = "--dump" in sys.argv
if DUMP:
    sys.argv.remove("--dump")

# A session bus of our own, so the test neither needs nor disturbs the desktop's; and the
# system's Python, which has the introspection bindings, when another one runs us.
if os.environ.get("VZ_A11Y_SESSION") != "1":
    os.environ["VZ_A11Y_SESSION"] = "1"
    python = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
    args = [python, os.path.abspath(__file__), PROGRAM] + (["--dump"] if DUMP else [])
    os.execvp("dbus-run-session", ["dbus-run-session", "--", *args, *sys.argv[1:]])

import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop, day_number  # noqa: E402

MAIN = "Vizevavoz 98"
EDIT = "Add/Edit description, date and time"
TIME_ENTRY = "Time Entry"



STORE = f"""[Entry1]
Desc=Birthday
Date={day_number(2027, 3, 1)}
Time=09:00 AM
[Entry2]
Desc=Launch
Date={day_number(2026, 12, 24)}
Time=12:00 AM
[Split]
Pos=200
[Lastone]
Top=1
Last=1
"""


def wait_for(probe, timeout=15, what="a condition"):
    """Polls until probe() gives something true; returns it."""
    deadline = time.time() + timeout
    last_error = None
    while time.time() < deadline:
        # Events from the bus are delivered while the main context runs.
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = probe()
            if value:
                return value
        except GLib.GError as error:  # the tree changes under our feet
            last_error = error
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what} ({last_error})")


def walk(node, depth=0):
    yield node, depth
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def text_of(node):
    iface = node.get_text_iface()
    if iface is None:
        return None
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def labelled_by(node):
    names = []
    relations = node.get_relation_set() or []
    for relation in relations:
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            for i in range(relation.get_n_targets()):
                names.append(relation.get_target(i).get_name())
    return names


def describe(node, depth):
    role = node.get_role_name()
    parts = [f"{'  ' * depth}[{role}] {node.get_name()!r}"]
    text = text_of(node)
    if text is not None and text != node.get_name():
        parts.append(f"text={text!r}")
    value = node.get_value_iface()
    if value is not None:
        parts.append(f"value={Atspi.Value.get_current_value(node)}")
    description = node.get_description()
    if description:
        parts.append(f"description={description!r}")
    labels = labelled_by(node)
    if labels:
        parts.append(f"labelled-by={labels}")
    return " ".join(parts)


class ScreenReader(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desk = Desktop(PROGRAM)
        cls.desk.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        cls.desk.env["NO_AT_BRIDGE"] = "0"
        cls.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                   env=cls.desk.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        cls.events = []
        cls.desk.write_store(STORE)
        cls.window = cls.desk.start()
        cls.app = wait_for(cls.find_app, what="the program on the accessibility bus")

    @classmethod
    def tearDownClass(cls):
        cls.desk.close()
        cls.bus.terminate()
        cls.bus.wait()

    @classmethod
    def find_app(cls):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "vorurer":
                return app
        return None

    def frame(self, title):
        def probe():
            for i in range(self.app.get_child_count()):
                child = self.app.get_child_at_index(i)
                if child is not None and child.get_name() == title:
                    return child
            return None
        return wait_for(probe, what=f"the window {title!r}")

    def dump(self, title, frame):
        if DUMP:
            print(f"\n=== {title}")
            for node, depth in walk(frame):
                print(describe(node, depth))

    def nodes(self, frame, role=None):
        return [n for n, _ in walk(frame) if role is None or n.get_role_name() == role]

    def test_a_display_reads_as_lines_of_the_report(self):
        main = self.frame(MAIN)
        self.dump(MAIN, main)

        def lines():
            texts = [text_of(n) for n in self.nodes(main, "label")]
            return [t for t in texts if t and (t.startswith("Event: ") or " or" in t or
                                               t.endswith("seconds"))]
        shown = wait_for(lambda: [t for t in lines()] if "Event: Birthday" in lines() else None,
                         what="the display's lines")
        # One object per line: the labels drawn after a line's first one are not read again.
        self.assertEqual(len(shown), 7, shown)
        self.assertEqual(shown[0], "Event: Birthday")
        self.assertRegex(shown[1], r"^(\d+ \w+ )+\d+ seconds? or$")
        self.assertRegex(shown[2], r"^[\d,]+ weekends? or$")
        self.assertRegex(shown[3], r"^[\d,]+ days? or$")
        self.assertRegex(shown[4], r"^[\d,]+ hours? \([\d,]+ waking hours?\) or$")
        self.assertRegex(shown[5], r"^[\d,]+ minutes? or$")
        self.assertRegex(shown[6], r"^[\d,]+ seconds?$")

        # The same words as the report a click copies (the lines that do not tick by the
        # second).
        copy = [b for b in self.nodes(main, "push button") if b.get_name() == "Copy"]
        self.assertEqual(len(copy), 1)
        Atspi.Action.do_action(copy[0], 0)
        report = wait_for(lambda: self.desk.clipboard(), what="the report").split("\r\n")
        self.assertEqual(report[1], shown[0])
        self.assertEqual(report[4].rstrip(), shown[2])
        self.assertEqual(report[5].rstrip(), shown[3])

    def test_b_every_button_and_spin_button_of_the_main_window_has_a_name(self):
        main = self.frame(MAIN)
        self.assert_all_named(main)
        self.assertEqual([n.get_name() for n in self.nodes(main, "table")], ["Events"])

    def test_b_the_clock_line_is_read_on_request_without_an_event_each_second(self):
        main = self.frame(MAIN)
        # (A copied report's message may stand there for a few seconds first.)
        clock = wait_for(lambda: [n for n in self.nodes(main, "label")
                                  if n.get_name().startswith("It is now")], what="the clock")
        self.assertEqual(len(clock), 1)
        renamed = []
        listener = Atspi.EventListener.new(
            lambda event: renamed.append(event.source.get_name()))
        listener.register("object:property-change:accessible-name")
        first = clock[0].get_name()
        wait_for(lambda: clock[0].get_name() != first, what="the clock line read anew")
        end = time.time() + 2.5
        while time.time() < end:
            while GLib.MainContext.default().iteration(False):
                pass
            time.sleep(0.1)
        listener.deregister("object:property-change:accessible-name")
        self.assertEqual([n for n in renamed if n.startswith("It is now")], [])

    def field_labelled(self, frame, label):
        found = [n for n in self.nodes(frame) if label in labelled_by(n)]
        self.assertEqual(len(found), 1, f"fields labelled {label!r}")
        return found[0]

    def test_c_the_event_dialog_reads_its_fields_and_follows_typing(self):
        self.desk.key(self.window, "alt+e")
        dialog = self.frame(EDIT)
        self.desk.window(EDIT)
        self.dump(EDIT, dialog)
        self.assert_all_named(dialog)

        description = self.field_labelled(dialog, "Description")
        date = self.field_labelled(dialog, "Date:")
        time_field = self.field_labelled(dialog, "Time:")
        self.assertEqual(text_of(description), "Birthday")
        self.assertEqual(text_of(date), "3/1/2027")
        self.assertEqual(text_of(time_field), "09:00 AM")
        self.assertEqual(description.get_role_name(), "text")
        self.assertTrue(description.get_state_set().contains(Atspi.StateType.EDITABLE))

        seen = []
        listener = Atspi.EventListener.new(
            lambda event: seen.append((event.type, event.source.get_name(), event.detail1,
                                       event.any_data)))
        for kind in ("object:text-changed:insert", "object:text-changed:delete",
                     "object:text-caret-moved"):
            listener.register(kind)
        wait_for(lambda: description.get_state_set().contains(Atspi.StateType.FOCUSED),
                 what="the description field focused")
        self.desk.key(self.desk.window(EDIT), "End")
        self.desk.type(self.desk.window(EDIT), " party")
        wait_for(lambda: text_of(description) == "Birthday party", what="the typed text")
        inserted = wait_for(lambda: [e for e in seen if e[0] == "object:text-changed:insert"
                                     and e[1] == "Description"] or None,
                            what="text-inserted events")
        self.assertEqual("".join(str(e[3]) for e in inserted), " party")
        self.assertEqual(inserted[0][2], len("Birthday"))
        wait_for(lambda: any(e[0] == "object:text-caret-moved" and e[2] == len("Birthday party")
                             for e in seen), what="the caret at the end")
        self.desk.key(self.desk.window(EDIT), "BackSpace")
        wait_for(lambda: any(e[0] == "object:text-changed:delete" and e[2] == 13
                             and e[3] == "y" for e in seen), what="a text-removed event")
        self.assertEqual(Atspi.Text.get_caret_offset(description), 13)

        # The drop-down calendar: named by its month, found from the date field, and each
        # move focuses the day it lands on, named by its date in full.
        focus = []
        focus_listener = Atspi.EventListener.new(
            lambda event: focus.append(event.source.get_name()) if event.detail1 else None)
        focus_listener.register("object:state-changed:focused")
        self.desk.key(self.desk.window(EDIT), "Tab", "alt+Down")
        calendar = wait_for(lambda: [n for n in self.nodes(dialog)
                                     if n.get_name() == "March 2027"], what="the calendar")[0]
        self.assertEqual(calendar.get_parent().get_name(), "Calendar")  # the drop-down button
        self.dump("calendar", calendar)
        wait_for(lambda: "Monday, March 1, 2027" in focus, what="the first day focused")
        for key, shown, day in (("Right", "3/2/2027", "Tuesday, March 2, 2027"),
                                ("Down", "3/9/2027", "Tuesday, March 9, 2027"),
                                ("Page_Down", "4/9/2027", "Friday, April 9, 2027")):
            self.desk.key(self.desk.window(EDIT), key)
            wait_for(lambda: text_of(date) == shown, what=f"the date field showing {shown}")
            wait_for(lambda: focus[-1:] == [day], what=f"{day} focused")
            focused = [n for n in self.nodes(calendar)
                       if n.get_state_set().contains(Atspi.StateType.FOCUSED)]
            self.assertEqual([n.get_name() for n in focused], [day])
        wait_for(lambda: any(e[0] == "object:text-changed:insert" and e[1] == "Date:"
                             for e in seen), what="the date field's change announced")
        focus_listener.deregister("object:state-changed:focused")
        self.desk.key(self.desk.window(EDIT), "Escape")
        listener.deregister("object:text-changed:insert")
        self.desk.key(self.desk.window(EDIT), "Escape")
        self.desk.gone(EDIT)

    def test_d_the_time_bar_is_a_slider_with_the_time_as_its_value(self):
        self.desk.key(self.window, "alt+e")
        self.frame(EDIT)
        edit = self.desk.window(EDIT)
        self.desk.click(edit, 264 + 12, 96 + 12)  # the clock button takes no focus
        popup = self.frame(TIME_ENTRY)
        self.desk.window(TIME_ENTRY)
        self.dump(TIME_ENTRY, popup)
        self.assert_all_named(popup)
        bar = [n for n in self.nodes(popup, "slider")]
        self.assertEqual(len(bar), 1)
        self.assertEqual(Atspi.Value.get_current_value(bar[0]), 9 * 60)
        self.assertEqual(Atspi.Value.get_maximum_value(bar[0]), 24 * 60)
        self.assertEqual(bar[0].get_description(), "9:00 AM")
        field = [n for n in self.nodes(popup) if n.get_role_name() == "text"]
        self.assertEqual([text_of(f) for f in field], ["09:00 AM"])
        self.desk.key(self.desk.window(TIME_ENTRY), "Page_Up")
        wait_for(lambda: text_of(field[0]) != "09:00 AM", what="the time stepped")
        shown = text_of(field[0])
        hour, minute = int(shown[:2]) % 12, int(shown[3:5])
        hour += 12 if shown.endswith("PM") else 0
        wait_for(lambda: Atspi.Value.get_current_value(bar[0]) == hour * 60 + minute,
                 what="the slider following the field")
        self.assertEqual(bar[0].get_description(), f"{(hour + 11) % 12 + 1}:{minute:02} "
                         f"{'PM' if hour >= 12 else 'AM'}")
        self.desk.key(self.desk.window(TIME_ENTRY), "Escape")
        self.desk.gone(TIME_ENTRY)
        self.desk.key(edit, "Escape")
        self.desk.gone(EDIT)

    def test_e_the_about_box_names_its_marquee_and_buttons(self):
        self.desk.key(self.window, "alt+b")
        box = self.frame("How to contact us")
        self.desk.window("How to contact us")
        self.dump("How to contact us", box)
        self.assert_all_named(box)
        # The marquee reads as its whole caption, not as the slice scrolled into view.
        self.assertTrue(any("home page" in n.get_name() for n in self.nodes(box, "label")))
        self.desk.key(self.desk.window("How to contact us"), "Escape")
        self.desk.gone("How to contact us")

    def test_f_under_the_gtk_theme_one_program_is_on_the_bus(self):
        """As GNOME users run Qt programs: GTK, started by the platform theme, keeps its own
        accessibility bridge off the bus, so readers find one program, not an empty second."""
        def programs():
            desktop = Atspi.get_desktop(0)
            apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
            return [a for a in apps if a is not None and a.get_name() == "vorurer"]
        before = len(programs())
        desk = Desktop(PROGRAM)
        desk.env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "NO_AT_BRIDGE": "0",
                         "QT_QPA_PLATFORMTHEME": "gtk3"})
        try:
            desk.start()
            wait_for(lambda: len(programs()) > before, what="the second copy on the bus")
            time.sleep(2)
            found = programs()
            self.assertEqual(len(found), before + 1)
            for app in found:  # what a reader asks of every program it finds
                for i in range(app.get_child_count()):
                    child = app.get_child_at_index(i)
                    if child is not None:
                        child.get_extents(Atspi.CoordType.SCREEN)
            desk.app.terminate()
            output = desk.app.communicate(timeout=15)[0].decode("utf-8", "replace")
            self.assertNotIn("CRITICAL", output)
        finally:
            desk.close()

    def assert_all_named(self, frame):
        """Every control a reader can act on: buttons, spin buttons, sliders, edit fields."""
        roles = ("push button", "spin button", "toggle button", "slider")
        unnamed = [describe(n, 0) for n in self.nodes(frame)
                   if (n.get_role_name() in roles or
                       n.get_state_set().contains(Atspi.StateType.EDITABLE)) and
                   not n.get_name()]
        self.assertEqual(unnamed, [])


if __name__ == "__main__":
    unittest.main()
