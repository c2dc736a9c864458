# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""On sway the application in front is the compositor's active window: a rule for one of two
windows applies as the focus moves between them, the keyboard and the icon follow, and a click
while the ruled window is in front updates its rule."""

import json
import os
import shutil
import subprocess
import unittest

import harness
import sway
from harness import FNMODE, VALUE
from desktop import PYTHON, HERE, wait_until

# weston's demo clients, each with an app id of its own; the one without a rule comes first, so
# that the mode for applications without one is the mode the test started in.
RULED, OTHER = 'org.freedesktop.weston.flower', 'org.freedesktop.weston.wayland-clickdot'
CLIENTS = ((OTHER, 'weston-clickdot'), (RULED, 'weston-flower'))
ITEM = 'org.kde.StatusNotifierItem'
DOMAIN = 'org.vantel.Vantel'


def usable():
    missing = [tool for _, tool in CLIENTS if not shutil.which(tool)]
    return sway.usable() or (f'{missing[0]} is not installed' if missing else None)


@unittest.skipIf(usable(), usable())
class SwayFocusTest(harness.DesktopTest):
    """Every process runs as the unprivileged user, the program and the keyboard service (on the
    session bus, against a fake sysfs tree) from copies that user can reach."""

    @classmethod
    def setUpClass(cls):
        harness.check_environment()
        cls.desktop = desk = sway.SwayDesktop()
        cls.bus = None
        try:
            desk.start_bus()
            desk.start_sway()
            copies = [shutil.copy2(path, desk.root) for path in (
                harness.PROGRAM, os.path.join(harness.BIN_DIR, 'vantel-keyboard-service'),
                os.path.join(HERE, 'services.py'))]
            cls.program = copies[0]
            proc = desk.spawn('polkit', [PYTHON, copies[2], 'polkit',
                                         desk.log_path('polkit.jsonl')], stdout=subprocess.PIPE)
            ready = proc.stdout.readline().decode().strip() == 'ready'
            proc.stdout.close()
            if not ready:
                raise RuntimeError('the polkit stand-in did not start')
            cls.sysfs, state = os.path.join(desk.root, 'sysfs'), os.path.join(desk.root, 'state')
            os.makedirs(os.path.join(cls.sysfs, os.path.dirname(FNMODE)))
            os.makedirs(state)
            with open(os.path.join(cls.sysfs, FNMODE), 'w', encoding='utf-8') as f:
                f.write('3\n')
            subprocess.run(['chown', '-R', f'{desk.uid}:{desk.gid}', cls.sysfs, state],
                           check=True)
            desk.spawn('keyboard-service', [copies[1], '--session', '--sysfs-root', cls.sysfs,
                                            '--state-dir', state, '--idle-exit', '0'])
            wait_until(lambda: desk.run(['busctl', '--user', 'status', 'org.vantel.Keyboard1'],
                                        check=False).returncode == 0, 10,
                       'the keyboard service to own its name')
        except BaseException:
            desk.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close(remove=not os.environ.get('VANTEL_E2E_KEEP'))

    def get_property(self, service, path, interface, name):
        """The property's value, or None while it cannot be read."""
        found = self.desktop.run(['busctl', '--user', '-j', 'get-property', service, path,
                                  interface, name], check=False)
        return json.loads(found.stdout)['data'] if found.returncode == 0 else None

    def item(self):
        """The bus name and path of the one item waybar's tray holds, or None."""
        entries = self.get_property('org.kde.StatusNotifierWatcher', '/StatusNotifierWatcher',
                                    'org.kde.StatusNotifierWatcher',
                                    'RegisteredStatusNotifierItems')
        return entries[0].split('/', 1) if entries else None

    def item_property(self, name):
        service, path = self.item() or (None, None)
        return service and self.get_property(service, '/' + path, ITEM, name)

    def fnmode(self):
        with open(os.path.join(self.sysfs, FNMODE), encoding='utf-8') as f:
            return f.read().strip()

    def focus(self, app_id, app):
        """Focuses the window of `app_id`, waiting for it to be mapped first."""
        command = ['swaymsg', f'[app_id="{app_id}"] focus']
        self.wait(lambda: self.desktop.run(command, check=False).returncode == 0,
                  f'sway to focus {app_id}', 30, app)

    def assert_mode(self, fn_state, hardware_icon, app, what):
        self.wait(lambda: self.fnmode() == VALUE[fn_state], f'the keyboard ({what})', 20, app)
        self.wait(lambda: self.desktop.fn_state() == fn_state, f'the preference ({what})', 10, app)
        self.wait(lambda: self.tooltip().startswith(harness.UNBOUND_TOOLTIP[fn_state]),
                  f'the tooltip ({what})', 10, app)
        self.wait(lambda: (self.item_property('IconPixmap') != hardware_icon) == fn_state,
                  f'the icon ({what})', 10, app)

    def tooltip(self):
        found = self.item_property('ToolTip')
        return found[2] if found else ''

    def test_a_rule_follows_the_focus_and_a_click_updates_it(self):
        self.desktop.set_fn_state(False)
        app = self.desktop.launch(self.program, name=f'vantel-{harness.next_run()}',
                                  QT_QPA_PLATFORM='wayland', VANTEL_KEYBOARD_BUS='session')
        self.apps.append(app)
        self.wait(lambda: self.fnmode() == VALUE[False], 'the launch to switch the keyboard', 20,
                  app)
        hardware_icon = self.wait(lambda: self.item_property('IconPixmap'), 'the icon', 30, app)
        self.desktop.defaults('write', DOMAIN, 'ApplicationModes', '-dict-add', RULED,
                              'function-keys')
        for app_id, tool in CLIENTS:
            self.desktop.spawn(tool, [tool])
            self.addCleanup(self.desktop.stop, tool)
            self.focus(app_id, app)

        for app_id, fn_state in ((RULED, True), (OTHER, False), (RULED, True)):
            self.focus(app_id, app)
            self.assert_mode(fn_state, hardware_icon, app, f'{app_id} in front')
        self.assertIn(RULED, self.tooltip())

        service, path = self.item()
        self.desktop.run(['busctl', '--user', 'call', service, '/' + path, ITEM, 'Activate',
                          'ii', '0', '0'])
        self.assert_mode(False, hardware_icon, app, 'the click')
        self.wait(lambda: 'hardware-keys' in self.desktop.defaults(
            'read', DOMAIN, 'ApplicationModes').stdout, 'the rule to be updated', 10, app)


if __name__ == '__main__':
    unittest.main()
