#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Stand-in desktop services that run on a private session bus.

    services.py notifications LOG   owns org.freedesktop.Notifications, logs every Notify call
    services.py watcher LOG         owns org.kde.StatusNotifierWatcher with a host registered
    services.py accessibility LOG   owns org.a11y.Bus and hands out this same bus
    services.py polkit LOG          owns org.freedesktop.PolicyKit1 and allows every check

Each logs one JSON object per line (with a CLOCK_MONOTONIC time stamp) and prints "ready" on
standard output once its name is owned, so that a starter can wait for it.
"""

import json
import os
import sys
import time

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PROPERTIES = 'org.freedesktop.DBus.Properties'
INTROSPECTABLE = 'org.freedesktop.DBus.Introspectable'


class Log:
    def __init__(self, path):
        self.file = open(path, 'a', encoding='utf-8')

    def write(self, **record):
        record['time'] = time.monotonic()
        self.file.write(json.dumps(record, ensure_ascii=False) + '\n')
        self.file.flush()


class Notifications(dbus.service.Object):
    IFACE = 'org.freedesktop.Notifications'

    def __init__(self, bus, log):
        super().__init__(bus, '/org/freedesktop/Notifications')
        self.log = log
        self.last_id = 0

    @dbus.service.method(IFACE, in_signature='susssasa{sv}i', out_signature='u',
                         sender_keyword='sender')
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout,
               sender=None):
        self.last_id += 1
        self.log.write(event='notify', id=self.last_id, sender=str(sender),
                       app_name=str(app_name), replaces_id=int(replaces_id),
                       app_icon=str(app_icon), summary=str(summary), body=str(body),
                       actions=[str(a) for a in actions], timeout=int(timeout))
        return dbus.UInt32(self.last_id)

    @dbus.service.method(IFACE, in_signature='u')
    def CloseNotification(self, notification_id):
        self.log.write(event='close', id=int(notification_id))

    @dbus.service.method(IFACE, out_signature='as')
    def GetCapabilities(self):
        return ['body']

    @dbus.service.method(IFACE, out_signature='ssss')
    def GetServerInformation(self):
        return ('e2e-notifications', 'vantel-tests', '1.0', '1.2')


class Watcher(dbus.service.Object):
    """A status-notifier watcher that reports a host as present and remembers the items."""

    IFACE = 'org.kde.StatusNotifierWatcher'
    # dbus-python leaves properties out of its introspection data, and Qt decides whether a
    # host exists by reading them through introspection.
    XML = f'''<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="{INTROSPECTABLE}">
    <method name="Introspect"><arg name="data" direction="out" type="s"/></method>
  </interface>
  <interface name="{PROPERTIES}">
    <method name="Get"><arg direction="in" type="s"/><arg direction="in" type="s"/>
      <arg direction="out" type="v"/></method>
    <method name="GetAll"><arg direction="in" type="s"/><arg direction="out" type="a{{sv}}"/>
    </method>
  </interface>
  <interface name="{IFACE}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/>
    </method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/>
    </method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>'''

    def __init__(self, bus, log):
        super().__init__(bus, '/StatusNotifierWatcher')
        self.bus_daemon = dbus.Interface(bus.get_object('org.freedesktop.DBus', '/org/freedesktop/DBus'),
                                         'org.freedesktop.DBus')
        self.log = log
        self.items = []
        bus.add_signal_receiver(self.owner_changed, 'NameOwnerChanged', 'org.freedesktop.DBus')
        # When an item changes its icon or tooltip, for timing what a host would see.
        bus.add_signal_receiver(self.item_changed, dbus_interface='org.kde.StatusNotifierItem',
                                sender_keyword='sender', member_keyword='member')

    @dbus.service.method(INTROSPECTABLE, out_signature='s')
    def Introspect(self):
        return self.XML

    @dbus.service.method(IFACE, in_signature='s', sender_keyword='sender')
    def RegisterStatusNotifierItem(self, service, sender=None):
        # Items give either their bus name or an object path on the sender's connection.
        path = '/StatusNotifierItem'
        name = str(service)
        if name.startswith('/'):
            path, name = name, str(sender)
        entry = f'{name}{path}'
        if entry not in self.items:
            self.items.append(entry)
        pid = int(self.bus_daemon.GetConnectionUnixProcessID(str(sender)))
        self.log.write(event='register', service=name, path=path, sender=str(sender), pid=pid)
        self.StatusNotifierItemRegistered(entry)

    @dbus.service.method(IFACE, in_signature='s')
    def RegisterStatusNotifierHost(self, service):
        self.log.write(event='host', service=str(service))

    @dbus.service.signal(IFACE, signature='s')
    def StatusNotifierItemRegistered(self, entry):
        pass

    @dbus.service.signal(IFACE, signature='s')
    def StatusNotifierItemUnregistered(self, entry):
        pass

    @dbus.service.signal(IFACE)
    def StatusNotifierHostRegistered(self):
        pass

    def item_changed(self, *args, sender=None, member=None):
        self.log.write(event='item_signal', member=str(member), sender=str(sender))

    def owner_changed(self, name, old, new):
        if new:
            return
        for entry in [e for e in self.items if e.startswith(str(name) + '/')]:
            self.items.remove(entry)
            self.log.write(event='unregister', service=str(name))
            self.StatusNotifierItemUnregistered(entry)

    def properties(self):
        return {
            'RegisteredStatusNotifierItems': dbus.Array(self.items, signature='s'),
            'IsStatusNotifierHostRegistered': dbus.Boolean(True),
            'ProtocolVersion': dbus.Int32(0),
        }

    @dbus.service.method(PROPERTIES, in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        return self.properties()[str(name)]

    @dbus.service.method(PROPERTIES, in_signature='s', out_signature='a{sv}')
    def GetAll(self, interface):
        return self.properties() if str(interface) == self.IFACE else {}


class AccessibilityBus(dbus.service.Object):
    """Tells Qt programs that a screen reader listens, on this very bus."""

    def __init__(self, bus, log):
        super().__init__(bus, '/org/a11y/bus')
        self.log = log
        self.registry = AccessibilityRegistry(bus)
        self.root = AccessibilityRoot(bus)

    @dbus.service.method('org.a11y.Bus', out_signature='s', sender_keyword='sender')
    def GetAddress(self, sender=None):
        self.log.write(event='address', sender=str(sender))
        return os.environ['DBUS_SESSION_BUS_ADDRESS']

    @dbus.service.method(PROPERTIES, in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        return dbus.Boolean(True)

    @dbus.service.method(PROPERTIES, in_signature='s', out_signature='a{sv}')
    def GetAll(self, interface):
        return {'IsEnabled': dbus.Boolean(True), 'ScreenReaderEnabled': dbus.Boolean(True)}


class AccessibilityRegistry(dbus.service.Object):
    """The registry a screen reader's events go through, as far as Qt 6.8 and later ask it: which
    events are listened to (all of them). Without it those versions warn on every start."""

    def __init__(self, bus):
        super().__init__(bus, '/org/a11y/atspi/registry')
        self.name = dbus.service.BusName('org.a11y.atspi.Registry', bus)

    @dbus.service.method('org.a11y.atspi.Registry', out_signature='a(ss)')
    def GetRegisteredEvents(self):
        return [(':listener', kind) for kind in ('object:', 'window:', 'focus:')]

    @dbus.service.method('org.a11y.atspi.Registry', in_signature='sas')
    def RegisterEvent(self, event, properties):
        pass

    @dbus.service.method('org.a11y.atspi.Registry', in_signature='s')
    def DeregisterEvent(self, event):
        pass


class AccessibilityRoot(dbus.service.Object):
    """The desktop's accessible root, into which Qt 6.8 and later embed each program."""

    def __init__(self, bus):
        super().__init__(bus, '/org/a11y/atspi/accessible/root')
        self.bus_name = bus.get_unique_name()

    @dbus.service.method('org.a11y.atspi.Socket', in_signature='(so)', out_signature='(so)')
    def Embed(self, plug):
        return (self.bus_name, dbus.ObjectPath('/org/a11y/atspi/accessible/root'))

    @dbus.service.method('org.a11y.atspi.Socket', in_signature='(so)')
    def Unembed(self, plug):
        pass


class PolkitAuthority(dbus.service.Object):
    """polkit's authority for the keyboard service: says yes to everyone and logs who asked."""

    def __init__(self, bus, log):
        super().__init__(bus, '/org/freedesktop/PolicyKit1/Authority')
        self.log = log

    @dbus.service.method('org.freedesktop.PolicyKit1.Authority',
                         in_signature='(sa{sv})sa{ss}us', out_signature='(bba{ss})')
    def CheckAuthorization(self, subject, action_id, details, flags, cancellation_id):
        self.log.write(event='check', kind=str(subject[0]), name=str(subject[1].get('name', '')),
                       action=str(action_id), flags=int(flags))
        return (True, False, dbus.Dictionary({}, signature='ss'))


SERVICES = {
    'accessibility': (AccessibilityBus, 'org.a11y.Bus'),
    'notifications': (Notifications, 'org.freedesktop.Notifications'),
    'polkit': (PolkitAuthority, 'org.freedesktop.PolicyKit1'),
    'watcher': (Watcher, 'org.kde.StatusNotifierWatcher'),
}


def session_bus():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    return dbus.SessionBus()


def serve(bus, service, bus_name=None):
    """Takes `bus_name` (if any), tells the starter 'ready' and runs until killed; 1 when the
    name is already owned."""
    if bus_name is not None:
        reply = bus.request_name(bus_name, dbus.bus.NAME_FLAG_DO_NOT_QUEUE)
        if reply != dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
            print(f'{bus_name} is already owned', file=sys.stderr)
            return 1
    print('ready', flush=True)
    GLib.MainLoop().run()
    del service
    return 0


def main():
    kind, log_path = sys.argv[1], sys.argv[2]
    bus = session_bus()
    cls, bus_name = SERVICES[kind]
    return serve(bus, cls(bus, Log(log_path)), bus_name)


if __name__ == '__main__':
    sys.exit(main())
