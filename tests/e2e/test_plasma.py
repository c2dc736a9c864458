# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""KDE Plasma's own programs (5.27 or 6): plasmashell's system tray on the X server, and the hot key
through the desktop portal on KWin."""

import os
import shutil
import unittest

import dbus

import a11y
import desktop
import plasma
from harness import BIN_DIR, BODY, TITLE, UNBOUND_TOOLTIP, XCLIENT, DesktopTest, check_environment

FAKE_KEYS = os.path.join(BIN_DIR, 'e2e_fakekeys')
# The evdev codes of the left Super key, the left Alt key and F.
SUPER_ALT_F = ('125', '56', '33')
MENU_INTERFACE = 'com.canonical.dbusmenu'
# A walk over the panel's objects keeps plasmashell busy answering: walked without pause, the
# walks would hold up the very panel they wait for.
WALK_INTERVAL = 1.5


class PlasmaTest(DesktopTest):
    """A private desktop made of Plasma's programs; each subclass starts the ones it needs."""

    SERVICES = ()

    @classmethod
    def setUpClass(cls):
        check_environment()
        missing = plasma.installed()
        if missing:
            raise AssertionError(f'{missing}; scripts/test installs what the tests need')
        cls.desktop = desktop.Desktop(xclient=XCLIENT)
        try:
            plasma.prepare(cls.desktop)
            cls.start_desktop()
        except BaseException:
            cls.desktop.close()
            raise

    @classmethod
    def start_bus(cls):
        plasma.start_bus(cls.desktop, cls.SERVICES)
        cls.bus = dbus.bus.BusConnection(cls.desktop.bus_address)
        cls.monitor = plasma.Monitor(cls.desktop, cls.bus)

    def notified(self, state):
        """The "Function Keys toggled" notifications for `state` that the server answered."""
        wanted = [f'string "{TITLE}"', f'string "{BODY[state]}"']
        return [c for c in self.monitor.calls('Notify', 'org.freedesktop.Notifications')
                if all(w in c['args'] for w in wanted) and self.monitor.answered(c)]


class PlasmaPanelTest(PlasmaTest):
    """plasmashell's panel with its system tray; kded watches for status items."""

    SERVICES = (f'org.kde.{plasma.KDED}', 'org.kde.ActivityManager', 'org.kde.kglobalaccel')

    @classmethod
    def start_desktop(cls):
        # Services the bus starts take its environment, so the display comes first.
        cls.desktop.start_x()
        cls.start_bus()
        cls.desktop.start_accessibility()
        plasma.start_plasmashell(cls.desktop, cls.bus)
        cls.shell = a11y.Reader(cls.bus, cls.desktop.procs['plasmashell'].pid)
        desktop.wait_until(lambda: cls.button(plasma.TRAY_EXPANDER), 120, 'the panel\'s tray',
                           interval=WALK_INTERVAL)

    @classmethod
    def button(cls, name):
        """The centre of the panel's button `name`, as the panel tells screen readers."""
        if not cls.shell.ready():
            return None
        for obj in cls.shell.application().descendants():
            if obj.role() == 'push button' and obj.text() == name:
                x, y, w, h = obj.extents()
                if w > 0 and h > 0:
                    return x + w // 2, y + h // 2
        return None

    def icon_centre(self, app):
        found = desktop.wait_until(lambda: not app.running() or self.button('Vantel'), 60,
                                   'the icon in the panel\'s tray', interval=WALK_INTERVAL)
        self.assertTrue(app.running(), app.stderr())
        return found

    def menu_calls(self, member):
        return self.monitor.calls(member, MENU_INTERFACE)

    def assert_toggled_to(self, app, state, before):
        self.wait(lambda: len(self.notified(state)) > before, 'plasmashell to show the '
                  'notification', 30, app)
        self.assertEqual(state, self.desktop.fn_state())

    def test_right_click_shows_the_menu_choosing_and_left_click_toggle(self):
        app = self.launch(False)
        x, y = self.icon_centre(app)
        self.xdotool('mousemove', str(x), str(y), 'click', '3')
        self.wait(lambda: self.menu_calls('AboutToShow'), 'the panel to open the menu', 20, app)
        # The first entry that can be chosen is the switch.
        self.xdotool('key', 'Down', 'Return')
        self.wait(lambda: self.menu_calls('Event'), 'the panel to send the choice', 20, app)
        self.assert_toggled_to(app, True, len(self.notified(True)))

        self.xdotool('mousemove', str(x), str(y), 'click', '1')
        self.assert_toggled_to(app, False, len(self.notified(False)))
        self.assertTrue(app.running())


class PlasmaShortcutTest(PlasmaTest):
    """KWin on Wayland, where kglobalaccel lives, with the desktop portal and KDE's backend."""

    @classmethod
    def start_desktop(cls):
        if not os.access(FAKE_KEYS, os.X_OK):
            raise AssertionError(f'{FAKE_KEYS} is not built: it needs libwayland-dev and '
                                 'plasma-wayland-protocols')
        # Installed as a user installs it: the portal knows a program by its desktop file.
        applications = os.path.join(cls.desktop.env['XDG_DATA_HOME'], 'applications')
        os.makedirs(applications, exist_ok=True)
        shutil.copy(os.path.join(desktop.HERE, '..', '..', 'data', 'org.vantel.Vantel.desktop'),
                    applications)
        cls.start_bus()
        cls.wayland = plasma.start_kwin(cls.desktop, cls.bus)
        plasma.start_portal(cls.desktop, cls.bus, cls.wayland)
        # Only to read the tooltip.
        cls.desktop.start_watcher()

    def press_super_alt_f(self):
        self.desktop.run([FAKE_KEYS, *SUPER_ALT_F],
                         env=dict(self.desktop.env, WAYLAND_DISPLAY=self.wayland))

    def test_bound_without_any_settings_window_and_a_key_press_toggles(self):
        # The second start finds the shortcut bound already, as after every login.
        for start, state in ((1, True), (2, False)):
            with self.subTest(start=start):
                app = self.launch(not state, QT_QPA_PLATFORM=None, DISPLAY=None,
                                  WAYLAND_DISPLAY=self.wayland)
                item = self.status_item(app)
                tooltip = self.wait(lambda: 'Shortcut' in item.tooltip() and item.tooltip(),
                                    'the tooltip to name the bound keys', 20, app)
                self.assertEqual(UNBOUND_TOOLTIP[not state] + ' • Shortcut: Meta+Alt+F', tooltip)
                self.assertIn('toggle', sum(plasma.components(self.bus).values(), []))

                self.press_super_alt_f()
                self.wait(lambda s=state: self.desktop.fn_state() == s,
                          'the key press to toggle', 20, app)
                if plasma.VERSION == 5:
                    self.assertEqual([], self.monitor.calls('BindShortcuts'),
                                     'asking to bind opens the desktop\'s settings')
                else:
                    # The 1.20 portal drops the shortcuts given with the session, so every start
                    # binds; Plasma 6 answers at once, with no window. It still files the
                    # shortcut under the session's token, not the program's id.
                    binds = self.monitor.calls('BindShortcuts',
                                               'org.freedesktop.portal.GlobalShortcuts')
                    self.assertEqual(start, len(binds))
                app.stop()


if __name__ == '__main__':
    unittest.main()
