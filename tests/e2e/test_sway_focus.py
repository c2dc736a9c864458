"""On sway the application in front is the compositor's active window: a rule for one of two
windows applies as the focus moves between them, the keyboard and the icon follow, and a click
while the ruled window is in front updates its rule."""

import json
import os
import shutil
import subprocess
import tempfile
import unittest

import harness
import sway
from desktop import PYTHON, HERE, wait_until

# weston's demo clients, each with an app id of its own.
RULED, OTHER = 'org.freedesktop.weston.flower', 'org.freedesktop.weston.wayland-clickdot'
CLIENTS = {RULED: 'weston-flower', OTHER: 'weston-clickdot'}
FNMODE = 'module/hid_apple/parameters/fnmode'
# hid_apple's values: 2 sends function keys first, 1 hardware keys first, 3 is the boot default.
VALUE = {True: '2', False: '1'}
ITEM = 'org.kde.StatusNotifierItem'


def usable():
    missing = [tool for tool in CLIENTS.values() if not shutil.which(tool)]
    return sway.usable() or (f'{missing[0]} is not installed' if missing else None)


@unittest.skipIf(usable(), usable())
class SwayFocusTest(harness.DesktopTest):
    """Every process of the desktop, the program and the keyboard service run as the
    unprivileged user, from copies it can reach."""

    @classmethod
    def setUpClass(cls):
        harness.check_environment()
        cls.desktop = sway.SwayDesktop()
        try:
            cls.desktop.start_bus()
            cls.desktop.start_sway()
            cls.copies = {}
            for path in (harness.PROGRAM, os.path.join(harness.BIN_DIR, 'vantel-keyboard-service'),
                         os.path.join(HERE, 'services.py')):
                cls.copies[os.path.basename(path)] = shutil.copy2(path, cls.desktop.root)
            proc = cls.desktop.spawn('polkit', [PYTHON, cls.copies['services.py'], 'polkit',
                                                cls.desktop.log_path('polkit.jsonl')],
                                     stdout=subprocess.PIPE)
            if proc.stdout.readline().decode().strip() != 'ready':
                raise RuntimeError('the polkit stand-in did not start')
            cls.bus = None
        except BaseException:
            cls.desktop.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close(remove=not os.environ.get('VANTEL_E2E_KEEP'))

    def setUp(self):
        super().setUp()
        self.sysfs = tempfile.mkdtemp(dir=self.desktop.root, prefix='sysfs-')
        os.makedirs(os.path.join(self.sysfs, os.path.dirname(FNMODE)))
        with open(os.path.join(self.sysfs, FNMODE), 'w', encoding='utf-8') as f:
            f.write('3\n')
        state = tempfile.mkdtemp(dir=self.desktop.root, prefix='state-')
        for folder in (self.sysfs, state):
            subprocess.run(['chown', '-R', f'{self.desktop.uid}:{self.desktop.gid}', folder],
                           check=True)
        self.desktop.spawn('keyboard-service', [
            self.copies['vantel-keyboard-service'], '--session', '--sysfs-root', self.sysfs,
            '--state-dir', state, '--idle-exit', '0'])
        self.addCleanup(self.desktop.stop, 'keyboard-service')
        wait_until(lambda: self.has_owner('org.vantel.Keyboard1'), 10,
                   'the keyboard service to own its name')

    def has_owner(self, name):
        found = self.desktop.run(['busctl', '--user', 'status', name], check=False)
        return found.returncode == 0

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
        self.wait(lambda: self.fnmode() == VALUE[fn_state], f'the keyboard to follow {what}',
                  20, app)
        self.wait(lambda: self.desktop.fn_state() == fn_state, f'the preference ({what})', 10,
                  app)
        self.wait(lambda: self.tooltip().startswith(harness.UNBOUND_TOOLTIP[fn_state]),
                  f'the tooltip ({what})', 10, app)
        self.wait(lambda: (self.item_property('IconPixmap') != hardware_icon) == fn_state,
                  f'the icon ({what})', 10, app)

    def tooltip(self):
        found = self.item_property('ToolTip')
        return found[2] if found else ''

    def test_a_rule_follows_the_focus_and_a_click_updates_it(self):
        self.desktop.set_fn_state(False)
        app = self.desktop.launch(self.copies['vantel'], name=f'vantel-{harness.next_run()}',
                                  QT_QPA_PLATFORM='wayland', VANTEL_KEYBOARD_BUS='session')
        self.apps.append(app)
        self.wait(lambda: self.fnmode() == VALUE[False], 'the launch to switch the keyboard', 20,
                  app)
        hardware_icon = self.wait(lambda: self.item_property('IconPixmap'), 'the icon', 30, app)
        self.desktop.defaults('write', 'org.vantel.Vantel', 'ApplicationModes', '-dict-add',
                              RULED, 'function-keys')
        for app_id, tool in CLIENTS.items():
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
            'read', 'org.vantel.Vantel', 'ApplicationModes').stdout, 'the rule to be updated',
            10, app)


if __name__ == '__main__':
    unittest.main()
