# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The base of every end-to-end test: one private desktop per test class, one program per test."""

import itertools
import os
import signal
import subprocess
import time
import unittest

import dbus

import a11y
import desktop
from desktop import StatusItem, wait_until

BIN_DIR = os.environ.get('VANTEL_E2E_BIN_DIR', '')
PROGRAM = os.path.join(BIN_DIR, 'vantel')
XCLIENT = os.path.join(BIN_DIR, 'e2e_xclient')
SERVICE = os.path.join(BIN_DIR, 'vantel-keyboard-service')
FNMODE = 'module/hid_apple/parameters/fnmode'
# hid_apple's values: 2 sends function keys first, 1 hardware keys first, 3 is the boot default.
VALUE = {True: '2', False: '1'}
VERSION_LINE = os.environ.get('VANTEL_E2E_VERSION_LINE', 'Version 1.0.0')
TITLE = 'Function Keys toggled'
BODY = {True: 'Enabled: F1, F2 act as standard function keys',
        False: 'Disabled: F1, F2 control hardware features'}
# Where no shortcut is bound the tooltip stops after the mode.
UNBOUND_TOOLTIP = {True: 'Vantel: Standard F1, F2, etc. (click to switch)',
                   False: 'Vantel: Hardware Keys (click to switch)'}
TOOLTIP = {state: text + ' • Shortcut: Super+Alt+F' for state, text in UNBOUND_TOOLTIP.items()}
MENU = {True: ['Current: Standard F1, F2, etc.', 'Switch to Hardware Keys', '',
               'Settings…', 'About Vantel…', '', 'Quit'],
        False: ['Current: Hardware Keys (brightness and volume)',
                'Switch to Standard F1, F2, etc.', '', 'Settings…', 'About Vantel…', '', 'Quit']}


def main_entries(entries, label):
    """The menu without the per-application memory entry and its hint after the switch, which
    depend on what the desktop tells of the focus."""
    labels = [label(e) for e in entries]
    assert labels[2].startswith('Remember for '), labels
    return entries[:2] + entries[labels.index('', 2):]


CREDITS = ('Vantel lets you quickly switch how your function keys behave.\n\n'
           'Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control '
           'brightness and volume).\n\n'
           'Click the menu bar icon to toggle, or press Super+Alt+F. Right-click the icon for options.')
# How long a "slow" flip takes at least: long enough to watch the spin and to click again.
SLOW_FLIP = 0.8


def qt_version():
    """The (major, minor) of the Qt the program runs on."""
    found = os.path.realpath('/usr/lib/x86_64-linux-gnu/libQt6Core.so.6').rsplit('.so.', 1)[-1]
    return tuple(int(part) for part in found.split('.')[:2])


# Qt 6.8 closes a menu that it popped up for the host's ContextMenu call at the first mouse press
# inside it, as if the press were outside, so no entry of it can be chosen with the mouse there.
# Menus opened by a click on the icon itself (XEmbed trays) and menus the panel draws are not
# affected.
MOUSE_IN_HOST_MENU = qt_version() < (6, 8)
SANITIZER_MARKS = ('ERROR: AddressSanitizer', 'runtime error:', 'ERROR: LeakSanitizer')


_runs = itertools.count()


def _interrupted(signum, frame):
    # unittest records SystemExit as an error and goes on; an interrupt ends the run, and the
    # desktops end with it.
    raise KeyboardInterrupt(f'signal {signum}')


signal.signal(signal.SIGTERM, _interrupted)


def next_run():
    return next(_runs)


def check_environment():
    """The program always runs /usr/bin/defaults, so it has to be this project's tool."""
    if not os.access(PROGRAM, os.X_OK):
        raise AssertionError(f'{PROGRAM} is not built (VANTEL_E2E_BIN_DIR names the build\'s bin)')
    try:
        version = subprocess.run([desktop.DEFAULTS, '--version'], capture_output=True, text=True,
                                 timeout=10, check=False).stdout
    except OSError:
        version = ''
    if 'Vantel preference tool' not in version:
        raise AssertionError(
            f'{desktop.DEFAULTS} is not Vantel\'s preference tool; install it with '
            '"cmake --install build --component defaults" (scripts/test does this)')


class FakeKeyboard:
    """Mixed in before a desktop test's class: each test gets the keyboard service on a sysfs tree
    of its own holding one hid_apple switch at its boot default, read back with fnmode()."""

    def setUp(self):
        super().setUp()
        self.sysfs = self.desktop.start_keyboard_service(SERVICE, self.bus, {FNMODE: '3'})
        self.addCleanup(self.desktop.stop, 'keyboard-service')

    def fnmode(self):
        return desktop.read_switch(self.sysfs, FNMODE)


class DesktopTest(unittest.TestCase):
    """Subclasses choose the tray: 'sni' (the tests' own host), 'xembed' (trayer) or None."""

    TRAY = None

    @classmethod
    def setUpClass(cls):
        check_environment()
        cls.desktop = desktop.Desktop(xclient=XCLIENT)
        try:
            cls.desktop.start_bus()
            cls.desktop.start_x()
            cls.desktop.start_notifications()
            cls.desktop.start_accessibility()
            if cls.TRAY == 'sni':
                cls.desktop.start_watcher()
            elif cls.TRAY == 'xembed':
                cls.desktop.start_trayer()
            cls.bus = dbus.bus.BusConnection(cls.desktop.bus_address)
        except BaseException:
            cls.desktop.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.bus.close()
        cls.desktop.close(remove=not os.environ.get('VANTEL_E2E_KEEP'))

    def setUp(self):
        self.apps = []
        self.notes_seen = len(self.desktop.notifications())
        self.desktop.slow_flips(0)
        self.addCleanup(self._stop_apps)

    def _stop_apps(self):
        for app in self.apps:
            app.stop()
            text = app.stderr()
            for mark in SANITIZER_MARKS:
                self.assertNotIn(mark, text, f'the program reported:\n{text}')

    # Starting the program --------------------------------------------------------------------

    def launch(self, fn_state=None, **env):
        if fn_state is not None:
            self.desktop.set_fn_state(fn_state)
        app = self.desktop.launch(PROGRAM, name=f'vantel-{next_run()}', **env)
        self.apps.append(app)
        return app

    def status_item(self, app, timeout=30):
        """Waits until the program registered with the test host; returns the item."""
        def registered():
            rows = [r for r in self.desktop.registrations() if r['pid'] == app.pid]
            return rows[-1] if rows else None
        row = self.wait(registered, 'the program to register its status item', timeout, app)
        item = StatusItem(self.bus, row['service'], row['path'])
        item.sender = row['sender']
        self.wait(lambda: self._tooltip_or_none(item), 'the first tooltip', 20, app)
        return item

    def hosted_items(self):
        """The bus names of the items the test host holds now."""
        watcher = self.bus.get_object('org.kde.StatusNotifierWatcher', '/StatusNotifierWatcher',
                                      introspect=False)
        entries = watcher.Get('org.kde.StatusNotifierWatcher', 'RegisteredStatusNotifierItems',
                              dbus_interface='org.freedesktop.DBus.Properties')
        return {str(e).split('/', 1)[0] for e in entries}

    @staticmethod
    def _tooltip_or_none(item):
        try:
            return item.tooltip()
        except dbus.DBusException:
            return None

    def reader(self, app):
        reader = a11y.Reader(self.bus, app.pid)
        self.wait(reader.ready, 'the program\'s accessibility objects', 20, app)
        return reader

    def wait(self, predicate, what, timeout=10, app=None):
        def check():
            if app is not None and not app.running():
                self.fail(f'the program ended (status {app.proc.returncode}) while waiting for '
                          f'{what}:\n{app.stderr()}')
            return predicate()
        return wait_until(check, timeout, what, interval=0.02)

    # What the program did --------------------------------------------------------------------

    def new_notifications(self):
        return self.desktop.notifications()[self.notes_seen:]

    def wait_for_notification(self, app, timeout=30):
        return self.wait(self.new_notifications, 'a notification', timeout, app)[0]

    def assert_toggled_once(self, app, new_state, settle=0.6):
        """Exactly one "Function Keys toggled" notification and the preference flipped."""
        note = self.wait_for_notification(app)
        time.sleep(settle)
        notes = self.new_notifications()
        self.assertEqual(1, len(notes), f'notifications: {notes}')
        self.assertEqual(('Vantel', TITLE, BODY[new_state], 0),
                         (note['app_name'], note['summary'], note['body'],
                          note['replaces_id']))
        self.assertEqual(new_state, self.desktop.fn_state(), 'the preference after the toggle')
        return note

    def assert_nothing_toggled(self, state, wait=1.0):
        time.sleep(wait)
        self.assertEqual([], self.new_notifications())
        self.assertEqual(state, self.desktop.fn_state())

    # Menus and windows -----------------------------------------------------------------------

    def shown_menu(self, reader, app):
        return self.wait(reader.shown_popup_menus, 'the menu to open', 20, app)[0]

    def main_menu(self, reader, app):
        return main_entries(self.shown_menu(reader, app).children(), lambda item: item.text())

    def assert_menu(self, menu, fn_state):
        items = main_entries(menu.children(), lambda item: item.text())
        self.assertEqual(MENU[fn_state], [i.text() for i in items])
        self.assertEqual(['menu item', 'menu item', 'separator', 'menu item', 'menu item',
                          'separator', 'menu item'], [i.role() for i in items])
        enabled = [i.has_state(8) for i in items]
        self.assertEqual([False, True, True, True], [enabled[0], enabled[1], enabled[3], enabled[4]])
        self.assertEqual('Meta+Alt+F', items[1].key_binding())
        self.assertEqual('Ctrl+Q', items[6].key_binding())
        return items

    def close_menu(self, reader, app):
        self.xdotool('key', 'Escape')
        self.wait(lambda: not reader.shown_popup_menus(), 'the menu to close', 10, app)

    def choose(self, item):
        if not MOUSE_IN_HOST_MENU:
            # The rest of the test, and its other cases, start the program afresh.
            for app in self.apps:
                app.stop()
            self.skipTest('Qt 6.8 closes a menu opened through ContextMenu at the first mouse '
                          'press inside it; the entry cannot be chosen with the mouse')
        x, y, w, h = item.extents()
        self.xdotool('mousemove', str(x + w // 2), str(y + h // 2), 'click', '1')

    def xdotool(self, *args):
        self.desktop.run(['xdotool'] + list(args))

    # Another X client ------------------------------------------------------------------------

    def other_client_grab(self, plain=False):
        """Starts e2e_xclient grabbing Super+Alt+F; returns (name, outcome)."""
        name = f'xclient-{time.monotonic_ns()}'
        argv = [XCLIENT, 'grab'] + (['--plain'] if plain else [])
        self.desktop.spawn(name, argv)
        self.addCleanup(self.desktop.stop, name)
        log = self.desktop.log_path(name + '.out')

        def outcome():
            with open(log, encoding='utf-8') as f:
                words = f.read().split()
            return next((w for w in words if w in ('grabbed', 'busy')), None)
        return name, wait_until(outcome, 20, 'the other client to try its grab')

    def other_client_presses(self, name):
        with open(self.desktop.log_path(name + '.out'), encoding='utf-8') as f:
            return f.read().split().count('pressed')
