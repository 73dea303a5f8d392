"""A notification service of the test's own: owns org.freedesktop.Notifications on the session
bus and writes each notification it is sent to a file, one JSON object a line. SIGUSR1 invokes
the default action of the last one, as a click on it would."""
import json
import signal
import sys

from gi.repository import Gio, GLib

XML = """<node><interface name="org.freedesktop.Notifications">
<method name="Notify"><arg type="s" direction="in"/><arg type="u" direction="in"/>
<arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="s" direction="in"/>
<arg type="as" direction="in"/><arg type="a{sv}" direction="in"/><arg type="i" direction="in"/>
<arg type="u" direction="out"/></method>
<method name="CloseNotification"><arg type="u" direction="in"/></method>
<method name="GetCapabilities"><arg type="as" direction="out"/></method>
<method name="GetServerInformation"><arg type="s" direction="out"/><arg type="s" direction="out"/>
<arg type="s" direction="out"/><arg type="s" direction="out"/></method>
<signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
<signal name="ActivationToken"><arg type="u"/><arg type="s"/></signal>
<signal name="NotificationClosed"><arg type="u"/><arg type="u"/></signal>
</interface></node>"""
PATH = "/org/freedesktop/Notifications"
INTERFACE = "org.freedesktop.Notifications"

log_path = sys.argv[1]
state = {"last": 0, "connection": None}


def on_call(connection, sender, path, interface, method, params, invocation):
    if method == "Notify":
        app, replaces, icon, summary, body, actions, hints, timeout = params.unpack()
        state["last"] += 1
        with open(log_path, "a") as log:
            log.write(json.dumps({"id": state["last"], "app": app, "icon": icon,
                                  "summary": summary, "body": body, "actions": actions,
                                  "hints": {k: str(v) for k, v in hints.items()}}) + "\n")
        invocation.return_value(GLib.Variant("(u)", (state["last"],)))
    elif method == "GetCapabilities":
        invocation.return_value(GLib.Variant("(as)", (["actions", "body"],)))
    elif method == "GetServerInformation":
        invocation.return_value(GLib.Variant("(ssss)", ("recorder", "test", "1", "1.2")))
    else:
        invocation.return_value(None)


def invoke_last(*_):
    if state["connection"] and state["last"]:
        state["connection"].emit_signal(None, PATH, INTERFACE, "ActivationToken",
                                        GLib.Variant("(us)", (state["last"], "recorder-token")))
        state["connection"].emit_signal(None, PATH, INTERFACE, "ActionInvoked",
                                        GLib.Variant("(us)", (state["last"], "default")))
    return True


def on_bus(connection, name):
    state["connection"] = connection
    info = Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0]
    connection.register_object(PATH, info, on_call, None, None)


def on_name(connection, name):
    print("ready", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.Notifications",
                 Gio.BusNameOwnerFlags.NONE, on_bus, on_name, None)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, invoke_last)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda *_: loop.quit())
loop = GLib.MainLoop()
loop.run()
