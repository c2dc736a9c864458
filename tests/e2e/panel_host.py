#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""What the tests need to look at the icon the way real panels do.

    panel_host.py portal LOG SCHEME   owns org.freedesktop.portal.Desktop with a Settings
                                      interface whose color-scheme is SCHEME (0, 1 or 2)
    panel_host.py reader LOG          re-reads an item's whole icon on every NewIcon, as real
                                      hosts do, so that its CPU time is what a panel pays

MenuHost shows an item's menu the way StatusNotifierItem hosts do (xfce4-panel, lxqt-panel,
GNOME's AppIndicator extension, waybar): it reads the item's `Menu` property and talks
com.canonical.dbusmenu (AboutToShow, GetLayout, Event); it never calls ContextMenu.
"""

import sys
import time

import dbus
import dbus.service

from services import Log, serve, session_bus

ITEM = 'org.kde.StatusNotifierItem'
DBUSMENU = 'com.canonical.dbusmenu'
PROPERTIES = 'org.freedesktop.DBus.Properties'
SETTINGS = 'org.freedesktop.portal.Settings'
APPEARANCE = 'org.freedesktop.appearance'


class MenuHost:
    """The host side of an item's exported menu."""

    def __init__(self, bus, service, path='/StatusNotifierItem'):
        self.bus = bus
        self.service = service
        item = bus.get_object(service, path, introspect=False)
        self.menu_path = str(item.Get(ITEM, 'Menu', dbus_interface=PROPERTIES))
        self.item_is_menu = bool(item.Get(ITEM, 'ItemIsMenu', dbus_interface=PROPERTIES))

    def _menu(self):
        return dbus.Interface(self.bus.get_object(self.service, self.menu_path, introspect=False),
                              DBUSMENU)

    def open(self):
        """What a host does on a right click: the entries as it would draw them."""
        menu = self._menu()
        menu.AboutToShow(dbus.Int32(0))
        menu.Event(dbus.Int32(0), 'opened', dbus.Int32(0, variant_level=1),
                   dbus.UInt32(int(time.time())))
        _, layout = menu.GetLayout(dbus.Int32(0), dbus.Int32(-1), dbus.Array([], signature='s'))
        return [self._entry(child) for child in layout[2]]

    def click(self, entry):
        menu = self._menu()
        menu.Event(dbus.Int32(entry['id']), 'clicked', dbus.Int32(0, variant_level=1),
                   dbus.UInt32(int(time.time())))
        self.close()

    def close(self):
        self._menu().Event(dbus.Int32(0), 'closed', dbus.Int32(0, variant_level=1),
                           dbus.UInt32(int(time.time())))

    @staticmethod
    def _entry(node):
        entry_id, props, _children = node
        return {
            'id': int(entry_id),
            'label': str(props.get('label', '')),
            'enabled': bool(props.get('enabled', True)),
            'visible': bool(props.get('visible', True)),
            'separator': str(props.get('type', 'standard')) == 'separator',
            'shortcut': [[str(k) for k in keys] for keys in props.get('shortcut', [])],
        }


def visible_entries(entries):
    return [e for e in entries if e['visible']]


class SettingsPortal(dbus.service.Object):
    """The desktop portal's Settings interface with just the colour scheme, version 2."""

    CONTROL = 'org.vantel.tests.Portal'

    def __init__(self, bus, log, scheme):
        super().__init__(bus, '/org/freedesktop/portal/desktop')
        self.log = log
        self.scheme = scheme

    def _value(self, namespace, key):
        if str(namespace) == APPEARANCE and str(key) == 'color-scheme':
            return dbus.UInt32(self.scheme)
        raise dbus.exceptions.DBusException('no such setting',
                                            name='org.freedesktop.portal.Error.NotFound')

    @dbus.service.method(SETTINGS, in_signature='ss', out_signature='v')
    def ReadOne(self, namespace, key):
        self.log.write(event='read', method='ReadOne', key=str(key))
        return self._value(namespace, key)

    @dbus.service.method(SETTINGS, in_signature='ss', out_signature='v')
    def Read(self, namespace, key):
        self.log.write(event='read', method='Read', key=str(key))
        # Version 1 of the interface wraps the value in a second variant.
        return dbus.UInt32(int(self._value(namespace, key)), variant_level=2)

    @dbus.service.method(SETTINGS, in_signature='as', out_signature='a{sa{sv}}')
    def ReadAll(self, namespaces):
        return {APPEARANCE: {'color-scheme': dbus.UInt32(self.scheme)}}

    @dbus.service.signal(SETTINGS, signature='ssv')
    def SettingChanged(self, namespace, key, value):
        pass

    @dbus.service.method(CONTROL, in_signature='u')
    def SetScheme(self, scheme):
        """For the tests: the user picks another scheme in the desktop's settings."""
        self.scheme = int(scheme)
        self.SettingChanged(APPEARANCE, 'color-scheme', dbus.UInt32(self.scheme, variant_level=1))


class IconReader:
    """The part of a host that follows an item's icon."""

    def __init__(self, bus, log):
        self.bus = bus
        self.log = log
        bus.add_signal_receiver(self.new_icon, 'NewIcon', ITEM, sender_keyword='sender')

    def new_icon(self, sender=None):
        item = self.bus.get_object(sender, '/StatusNotifierItem', introspect=False)
        props = item.GetAll(ITEM, dbus_interface=PROPERTIES)
        self.log.write(event='icon', name=str(props.get('IconName', '')),
                       pixmaps=len(props.get('IconPixmap', [])))


def contrast_ratio(first, second):
    """WCAG contrast ratio of two (r, g, b) colours, 1 to 21."""
    def luminance(rgb):
        def channel(c):
            c = c / 255
            return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
        r, g, b = (channel(c) for c in rgb)
        return 0.2126 * r + 0.7152 * g + 0.0722 * b
    light, dark = sorted((luminance(first), luminance(second)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def main():
    kind, log_path = sys.argv[1], sys.argv[2]
    if kind not in ('portal', 'reader'):
        print(f'unknown service {kind}', file=sys.stderr)
        return 2
    bus = session_bus()
    if kind == 'reader':
        return serve(bus, IconReader(bus, Log(log_path)))
    return serve(bus, SettingsPortal(bus, Log(log_path), int(sys.argv[3])),
                 'org.freedesktop.portal.Desktop')


if __name__ == '__main__':
    sys.exit(main())
