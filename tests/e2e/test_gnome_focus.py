# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""On GNOME Shell the application in front comes from Vantel's extension: the mode remembered for
an application comes back when its window comes to the front, the default when another's does,
and a click while it is in front becomes its new rule. The keyboard is the keyboard service's,
on the private bus against a fake sysfs tree; the icon is read as a tray host would read it."""

import os
import re
import unittest

import dbus

import gnome
import harness
from harness import BIN_DIR, UNBOUND_TOOLTIP, VALUE

WINDOW = os.path.join(BIN_DIR, 'e2e_app_window')
RULED, OTHER = 'org.vantel.test.Ruled', 'org.vantel.test.Other'
RULED_NAME = 'Ruled Window'
MISSING = gnome.usable()


@unittest.skipIf(MISSING, MISSING)
class GnomeFocusTest(harness.FakeKeyboard, harness.DesktopTest):

    @classmethod
    def setUpClass(cls):
        harness.check_environment()
        cls.desktop = gnome.GnomeDesktop()
        try:
            cls.desktop.start_shell()
            # GNOME has no tray of its own: the tests' host reads the icon and clicks it.
            cls.desktop.start_watcher()
            cls.desktop.start_polkit()
            cls.bus = dbus.bus.BusConnection(cls.desktop.bus_address)
        except BaseException:
            cls.desktop.close()
            raise

    def rule(self):
        """The rule stored for RULED, as `defaults read` prints it."""
        shown = self.desktop.defaults('read', 'org.vantel.Vantel', 'ApplicationModes',
                                      check=False).stdout
        found = re.search(re.escape(RULED) + r'"?\s*=\s*"?([a-z-]+)', shown)
        return found.group(1) if found else None

    def assert_mode(self, app, item, fn_state, tooltip, hardware_icon, what):
        self.wait(lambda: self.fnmode() == VALUE[fn_state], f'the keyboard: {what}', 30, app)
        self.wait(lambda: self.desktop.fn_state() == fn_state, f'the preference: {what}', 10, app)
        self.wait(lambda: item.tooltip() == tooltip, f'the tooltip: {what}', 10, app)
        self.wait(lambda: (item.icon() == hardware_icon) != fn_state, f'the icon: {what}', 10,
                  app)

    def test_the_mode_follows_the_application_in_front_and_a_click_there_is_its_new_rule(self):
        self.desktop.add_application(OTHER, 'Other Window')
        self.desktop.add_application(RULED, RULED_NAME)
        self.desktop.defaults('write', 'org.vantel.Vantel', 'ApplicationModes', '-dict-add',
                              RULED, 'function-keys')
        self.desktop.open_window(WINDOW, OTHER)
        # What the shell reported shows in the program's log, kept with VANTEL_E2E_KEEP.
        app = self.launch(False, QT_QPA_PLATFORM='wayland', VANTEL_KEYBOARD_BUS='session',
                          QT_LOGGING_RULES='vantel.focus.debug=true')
        item = self.status_item(app)
        self.wait(lambda: self.fnmode() == VALUE[False], 'the launch to switch the keyboard', 30,
                  app)
        hardware_icon = item.icon()
        remembered = UNBOUND_TOOLTIP[True] + ' • Remembered for ' + RULED_NAME

        # A new window takes the focus; closing it gives the focus back to the other one.
        self.desktop.open_window(WINDOW, RULED)
        self.assert_mode(app, item, True, remembered, hardware_icon, 'the ruled window in front')
        self.desktop.close_window(RULED)
        self.assert_mode(app, item, False, UNBOUND_TOOLTIP[False], hardware_icon,
                         'the other window in front again')

        self.desktop.open_window(WINDOW, RULED)
        self.assert_mode(app, item, True, remembered, hardware_icon, 'the ruled window again')
        item.activate()
        self.wait(lambda: self.rule() == 'hardware-keys', 'the click to change the rule', 30, app)
        self.wait(lambda: self.fnmode() == VALUE[False], 'the click to switch the keyboard', 30,
                  app)
        self.wait(lambda: not self.desktop.fn_state(), 'the click to write the preference', 10,
                  app)


if __name__ == '__main__':
    unittest.main()
