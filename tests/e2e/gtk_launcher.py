"""A launcher as the desktops' menus and docks are on Debian 12: a GTK window that starts a
program when the user presses a key in it, handing over the activation token that GTK asks the
compositor for as DESKTOP_STARTUP_ID only. Prints "ready" once it has the keyboard focus, then
"launched <token> <exit code> <what the start printed>" for each start."""
import os
import subprocess
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("Gdk", "3.0")
from gi.repository import Gdk, Gio, Gtk  # noqa: E402

PROGRAM = sys.argv[1]


def launch(window, event):
    if event.keyval != Gdk.KEY_Return:
        return False
    info = Gio.AppInfo.create_from_commandline(
        PROGRAM, "vorurer", Gio.AppInfoCreateFlags.SUPPORTS_STARTUP_NOTIFICATION)
    context = Gdk.Display.get_default().get_app_launch_context()
    token = context.get_startup_notify_id(info, []) or ""
    env = dict(os.environ)
    env.pop("XDG_ACTIVATION_TOKEN", None)
    env.pop("GDK_BACKEND", None)
    env["DESKTOP_STARTUP_ID"] = token
    start = subprocess.run([PROGRAM], env=env, capture_output=True, text=True, timeout=30)
    said = (start.stdout + start.stderr).strip().replace("\n", " | ")
    print(f"launched {token} {start.returncode} {said}", flush=True)
    return True


def focused(window, event):
    print("ready", flush=True)
    return False


window = Gtk.Window(title="Launcher")
window.set_default_size(300, 200)
window.connect("key-press-event", launch)
window.connect("focus-in-event", focused)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
