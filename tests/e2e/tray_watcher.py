"""A status-notifier watcher of the test's own on the session bus, as a desktop's tray runs one:
it owns org.kde.StatusNotifierWatcher, says a host is registered, and writes each item that
registers to the file named on the command line, a line each."""

import sys

from gi.repository import Gio, GLib

XML = """<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
</interface></node>"""

items = []


def call(connection, sender, path, interface, method, args, invocation):
    if method == "RegisterStatusNotifierItem":
        service = args.unpack()[0]
        # An item names its bus name, or only its object path on the caller's connection.
        items.append(service if not service.startswith("/") else sender + service)
        with open(sys.argv[1], "a") as f:
            f.write(items[-1] + "\n")
    invocation.return_value(None)


def prop(connection, sender, path, interface, name):
    return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0)}[name]


def acquired(connection, name):
    node = Gio.DBusNodeInfo.new_for_xml(XML)
    connection.register_object("/StatusNotifierWatcher", node.interfaces[0], call, prop, None)


def owned(connection, name):
    print("ready", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher",
                 Gio.BusNameOwnerFlags.NONE, acquired, owned, None)
GLib.MainLoop().run()
