# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The mode follows the application in front on X11: openbox, a real window manager, says which
window is active; two windows of different applications take turns, one of them with a rule, and
the fake keyboard (the service on the private bus with a fake sysfs tree) follows."""

import re
import shutil
import unittest

from desktop import coverage, wait_until
from harness import TOOLTIP, VALUE, XCLIENT, DesktopTest, FakeKeyboard

DOMAIN = 'org.vantel.Vantel'
# The ruled application names itself by its application id; the other one by its class only.
RULED = 'org.example.Editor'
OTHER = 'Viewer'


@unittest.skipUnless(shutil.which('openbox'), 'openbox is not installed (scripts/deps.sh)')
class X11FocusTest(FakeKeyboard, DesktopTest):
    TRAY = 'sni'

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        try:
            cls.desktop.start_polkit()
            cls.desktop.spawn('openbox', ['openbox', '--sm-disable'])
            wait_until(lambda: '_NET_ACTIVE_WINDOW' in cls.root_property('_NET_SUPPORTED'), 20,
                       'openbox to manage the screen')
        except BaseException:
            cls.tearDownClass()
            raise

    @classmethod
    def root_property(cls, name):
        return cls.desktop.run(['xprop', '-root', name], check=False).stdout

    def show_window(self, name, *argv):
        self.desktop.spawn(name, [XCLIENT, 'window'] + list(argv))
        self.addCleanup(self.desktop.stop, name)

        def shown():
            with open(self.desktop.log_path(name + '.out'), encoding='utf-8') as f:
                return f.read().strip()
        return wait_until(shown, 10, f'the {name} window')

    def bring_to_front(self, window):
        """As a pager asks it; openbox sets _NET_ACTIVE_WINDOW once the window has the focus."""
        self.desktop.run(['xdotool', 'windowactivate', '--sync', window])
        wait_until(lambda: f'# {window}' in self.root_property('_NET_ACTIVE_WINDOW'), 10,
                   f'openbox to activate {window}')

    def rule(self):
        text = self.desktop.defaults('read', DOMAIN, 'ApplicationModes', check=False).stdout
        found = re.search(re.escape(RULED) + r'"?\s*=\s*"?([a-z-]+)', text)
        return found and found.group(1)

    def test_the_mode_follows_the_application_in_front_and_a_click_updates_its_rule(self):
        ruled = self.show_window('editor', 'Editor', RULED)
        other = self.show_window('viewer', OTHER)
        self.bring_to_front(other)
        self.desktop.defaults('write', DOMAIN, 'ApplicationModes', '-dict-add', RULED,
                              'function-keys')
        app = self.launch(False, VANTEL_KEYBOARD_BUS='session')
        item = self.status_item(app)
        self.wait(lambda: self.fnmode() == VALUE[False], 'the launch to switch the keyboard', 10,
                  app)
        hardware_icon = item.icon()
        remembered = f'{TOOLTIP[True]} • Remembered for {RULED}'

        self.bring_to_front(ruled)
        self.wait(lambda: self.fnmode() == VALUE[True], 'the keyboard to follow the rule', 10, app)
        self.wait(self.desktop.fn_state, 'the preference to follow the rule', 10, app)
        self.wait(lambda: item.tooltip() == remembered, 'the tooltip of the rule', 10, app)
        self.wait(lambda: coverage(item.icon()) > 1.5 * coverage(hardware_icon),
                  'the filled icon of function keys', 10, app)

        self.bring_to_front(other)
        self.wait(lambda: self.fnmode() == VALUE[False], 'the keyboard to go back', 10, app)
        self.wait(lambda: item.tooltip() == TOOLTIP[False], 'the tooltip without a rule', 10, app)
        self.assertEqual([], self.new_notifications(), 'focus changes notify nothing')

        self.bring_to_front(ruled)
        self.wait(lambda: self.fnmode() == VALUE[True], 'the keyboard to follow the rule', 10, app)
        item.activate()
        self.assert_toggled_once(app, False, settle=0.2)
        self.wait(lambda: self.fnmode() == VALUE[False], 'the click to switch the keyboard', 10,
                  app)
        self.wait(lambda: self.rule() == 'hardware-keys', 'the click to update the rule', 10, app)


if __name__ == '__main__':
    unittest.main()
