# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Reads a Qt program's windows and menus through its accessibility objects, as a screen reader
would. The program publishes them on the private session bus (see services.py accessibility)."""

import dbus

ACCESSIBLE = 'org.a11y.atspi.Accessible'
PREFIX = '/org/a11y/atspi/accessible/'
# Qt names every object after its accessibility id; ids are handed out upwards from here.
FIRST_ID = 0x80000000
# Popup menus are not children of the application object, so they are found by id. A run of this
# many unknown ids ends the search.
MISSES_BEFORE_END = 48
STATE_SHOWING = 25
STATE_VISIBLE = 30
# What the bus answers about an object, or a whole program, that is no longer there.
GONE = frozenset('org.freedesktop.DBus.Error.' + name for name in (
    'UnknownObject', 'UnknownMethod', 'UnknownInterface', 'ServiceUnknown', 'NameHasNoOwner'))


def gone(error):
    return isinstance(error, dbus.DBusException) and error.get_dbus_name() in GONE


def unless_gone(read, default=None):
    """What read() returns, or default when what it reads vanished meanwhile: menus, tooltips
    and windows go away at any moment, and one that goes while being read is simply not there.
    Other errors (a program too busy to answer) still reach the caller's wait."""
    try:
        return read()
    except dbus.DBusException as error:
        if gone(error):
            return default
        raise


class Accessible:
    def __init__(self, bus, name, path):
        self.bus = bus
        self.name = name
        self.path = path
        self.proxy = bus.get_object(name, path, introspect=False)

    def _call(self, interface, method, *args):
        return getattr(dbus.Interface(self.proxy, interface), method)(*args)

    def _property(self, interface, prop):
        return self._call('org.freedesktop.DBus.Properties', 'Get', interface, prop)

    def text(self):
        return str(self._property(ACCESSIBLE, 'Name'))

    def role(self):
        return str(self._call(ACCESSIBLE, 'GetRoleName'))

    def children(self):
        return [Accessible(self.bus, str(n), str(p))
                for n, p in self._call(ACCESSIBLE, 'GetChildren')]

    def has_state(self, state):
        words = [int(w) for w in self._call(ACCESSIBLE, 'GetState')]
        return bool(words[state // 32] & (1 << (state % 32)))

    def showing(self):
        return self.has_state(STATE_SHOWING) and self.has_state(STATE_VISIBLE)

    def extents(self):
        """(x, y, w, h) on the screen."""
        return tuple(int(v) for v in self._call('org.a11y.atspi.Component', 'GetExtents',
                                                dbus.UInt32(0)))

    def key_binding(self):
        return str(self._call('org.a11y.atspi.Action', 'GetKeyBinding', dbus.Int32(0)))

    def descendants(self):
        for child in self.children():
            yield child
            yield from child.descendants()


class Reader:
    """The accessibility objects of one process."""

    def __init__(self, bus, pid):
        self.bus = bus
        self.pid = pid
        self.name = None
        self.next_id = FIRST_ID

    def _find_connection(self):
        daemon = dbus.Interface(self.bus.get_object('org.freedesktop.DBus', '/org/freedesktop/DBus'),
                                'org.freedesktop.DBus')
        for name in daemon.ListNames():
            if not name.startswith(':'):
                continue
            try:
                if int(daemon.GetConnectionUnixProcessID(name)) != self.pid:
                    continue
                Accessible(self.bus, str(name), PREFIX + 'root').role()
                return str(name)
            except dbus.DBusException:
                continue
        return None

    def ready(self):
        if self.name is None:
            self.name = self._find_connection()
        return self.name is not None

    def application(self):
        if not self.ready():
            raise RuntimeError('the program publishes no accessibility objects')
        return Accessible(self.bus, self.name, PREFIX + 'root')

    def objects(self):
        """Every live object with an id, oldest first."""
        self.application()
        found, misses, ident = [], 0, FIRST_ID
        while misses < MISSES_BEFORE_END or ident < self.next_id:
            obj = Accessible(self.bus, self.name, PREFIX + str(ident))
            if unless_gone(obj.role) is None:
                misses += 1
            else:
                found.append(obj)
                misses = 0
                self.next_id = max(self.next_id, ident + 1)
            ident += 1
        return found

    def shown(self, role):
        """The objects of the role that are on the screen now."""
        return [o for o in self.objects()
                if unless_gone(lambda o=o: o.role() == role and o.showing(), False)]

    def shown_popup_menus(self):
        return self.shown('popup menu')

    def windows(self):
        """The program's windows on the screen now; none once the program has gone."""
        children = unless_gone(lambda: self.application().children(), [])
        return [w for w in children if unless_gone(w.showing, False)]
