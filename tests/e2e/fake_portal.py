"""The desktop's portal as a test needs it: GlobalShortcuts, which binds the shortcut asked for
(or, with "none", binds nothing, as some desktops answer) and says it was pressed when the test
calls Press on it; and Screenshot, whose picture grim takes. Each request's arguments are written
to the log file named on the command line, a line each."""

import json
import os
import subprocess
import sys
import tempfile

from gi.repository import Gio, GLib

XML = """<node>
<interface name="org.freedesktop.portal.GlobalShortcuts">
<method name="CreateSession"><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
<method name="BindShortcuts"><arg type="o" direction="in"/><arg type="a(sa{sv})" direction="in"/>
<arg type="s" direction="in"/><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
<property name="version" type="u" access="read"/>
<signal name="Activated"><arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{sv}"/></signal>
</interface>
<interface name="org.freedesktop.portal.Screenshot">
<method name="Screenshot"><arg type="s" direction="in"/><arg type="a{sv}" direction="in"/>
<arg type="o" direction="out"/></method>
<property name="version" type="u" access="read"/>
</interface>
<interface name="org.huemark.test.Portal">
<method name="Press"/>
</interface>
</node>"""

LOG, MODE = sys.argv[1], sys.argv[2]
PATH = "/org/freedesktop/portal/desktop"
sessions = []
bus = None


def log(entry):
    with open(LOG, "a") as f:
        f.write(json.dumps(entry) + "\n")


def request_path(sender, options):
    return "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), options["handle_token"])


def answer(sender, path, code, results):
    def send():
        bus.emit_signal(sender, path, "org.freedesktop.portal.Request", "Response",
                        GLib.Variant("(ua{sv})", (code, results)))
        return False
    GLib.idle_add(send)


def call(connection, sender, path, interface, method, args, invocation):
    values = args.unpack()
    if method == "CreateSession":
        options = values[0]
        session = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"),
                                        options["session_handle_token"])
        sessions.append(session)
        log({"call": method})
        reply = request_path(sender, options)
        invocation.return_value(GLib.Variant("(o)", (reply,)))
        answer(sender, reply, 0, {"session_handle": GLib.Variant("s", session)})
    elif method == "BindShortcuts":
        session, shortcuts, _parent, options = values
        log({"call": method, "shortcuts": [[i, {k: v for k, v in p.items()}]
                                           for i, p in shortcuts]})
        reply = request_path(sender, options)
        invocation.return_value(GLib.Variant("(o)", (reply,)))
        bound = [] if MODE == "none" else [
            (i, {"description": GLib.Variant("s", p.get("description", "")),
                 "trigger_description": GLib.Variant("s", p.get("preferred_trigger", ""))})
            for i, p in shortcuts]
        answer(sender, reply, 0, {"shortcuts": GLib.Variant("a(sa{sv})", bound)})
    elif method == "Screenshot":
        options = values[1]
        log({"call": method})
        reply = request_path(sender, options)
        invocation.return_value(GLib.Variant("(o)", (reply,)))
        fd, shot = tempfile.mkstemp(suffix=".png", prefix="portal-")
        os.close(fd)
        ok = subprocess.run(["grim", shot], capture_output=True, timeout=20).returncode == 0
        answer(sender, reply, 0 if ok else 2,
               {"uri": GLib.Variant("s", "file://" + shot)} if ok else {})
    elif method == "Press":
        for session in sessions:
            bus.emit_signal(None, PATH, "org.freedesktop.portal.GlobalShortcuts", "Activated",
                            GLib.Variant("(osta{sv})", (session, "pick", 0, {})))
        log({"call": method, "sessions": len(sessions)})
        invocation.return_value(None)


def prop(connection, sender, path, interface, name):
    return GLib.Variant("u", 1)


def acquired(connection, name):
    global bus
    bus = connection
    node = Gio.DBusNodeInfo.new_for_xml(XML)
    for interface in node.interfaces:
        connection.register_object(PATH, interface, call, prop, None)


def owned(connection, name):
    print("ready", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, acquired, owned, None)
GLib.MainLoop().run()
