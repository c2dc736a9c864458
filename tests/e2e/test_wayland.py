# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Wayland: the platform choice, the hot key through the desktop portal, and `vantel --toggle`."""

import os
import signal
import subprocess
import tempfile
import unittest

from harness import PROGRAM, TOOLTIP, UNBOUND_TOOLTIP, DesktopTest, next_run
from wayland import Portal, PlatformsWithoutWayland, start_weston
from desktop import App, no_system_bus, wait_until


class WaylandTest(DesktopTest):
    """The real program under a headless Weston, with the tests' notifier host and portal."""

    TRAY = 'sni'

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        try:
            cls.wayland = start_weston(cls.desktop)
        except BaseException:
            cls.tearDownClass()
            raise

    def setUp(self):
        super().setUp()
        self.portal = Portal(self.desktop, self.bus)
        self.addCleanup(self.portal.stop)

    def launch_wayland(self, fn_state=None, **env):
        return self.launch(fn_state, QT_QPA_PLATFORM=None, WAYLAND_DISPLAY=self.wayland, **env)

    def toggle_from_command_line(self):
        result = self.desktop.run([PROGRAM, '--toggle'], check=False)
        self.assertEqual((0, ''), (result.returncode, result.stderr))

    def test_click_portal_press_and_command_line_each_toggle_once(self):
        # Without DISPLAY nothing but Wayland can work: the icon appearing proves the platform.
        app = self.launch_wayland(False, DISPLAY=None)
        item = self.status_item(app)
        wait_until(self.portal.bind_answered, 10, 'the shortcut to be bound')
        # The tooltip names the keys as the portal described them once it bound the shortcut.
        self.wait(lambda: item.tooltip() == TOOLTIP[False], 'the bound shortcut\'s tooltip', 5,
                  app)
        shortcut = [{'id': 'toggle', 'description': 'Switch the function keys',
                     'preferred_trigger': 'LOGO+ALT+f'}]
        self.assertEqual(shortcut, self.portal.events('create_session')[0]['shortcuts'])
        self.assertEqual(shortcut, self.portal.events('bind')[0]['shortcuts'])
        # Known to the portal by its desktop file's name, told before anything else was asked.
        self.assertEqual([('org.vantel.Vantel', True)],
                         [(e['app_id'], e['first']) for e in self.portal.events('register')])

        steps = [('click', item.activate, True), ('portal', self.portal.press, False),
                 ('command line', self.toggle_from_command_line, True)]
        for name, act, new_state in steps:
            with self.subTest(step=name):
                self.notes_seen = len(self.desktop.notifications())
                act()
                self.assert_toggled_once(app, new_state)
                self.wait(lambda s=new_state: item.tooltip() == TOOLTIP[s], 'the tooltip', 5, app)

        session = self.portal.events('create_session')[0]['session']
        os.kill(app.pid, signal.SIGTERM)
        self.assertEqual(0, app.wait(10), app.stderr())
        self.assertEqual([session], [e['session'] for e in self.portal.events('close')],
                         'the session is closed at exit')
        self.assertEqual(1, len(self.portal.events('bind')), 'bound once per start')

    def test_releases_and_presses_of_others_do_nothing(self):
        app = self.launch_wayland(True, DISPLAY=None)
        self.status_item(app)
        wait_until(self.portal.bind_answered, 10, 'the shortcut to be bound')
        session = self.portal.events('create_session')[0]['session']
        self.portal.press(session, release=True)
        self.portal.press(session, shortcut='other')
        self.portal.press(session + '_other')
        self.assert_nothing_toggled(True)

    def test_a_declined_shortcut_leaves_the_program_running_and_clickable(self):
        self.portal.configure('cancel', delay=0.2)
        app = self.launch_wayland(False)
        item = self.status_item(app)
        wait_until(self.portal.bind_answered, 10, 'the portal to answer')
        item.activate()
        self.assert_toggled_once(app, True)
        self.assertEqual(UNBOUND_TOOLTIP[True], item.tooltip())
        self.assertNotIn('Using X11', app.stderr())
        self.assertEqual(1, app.stderr().count('declined'), 'logged once:\n' + app.stderr())

    def test_without_a_portal_it_runs_without_a_hot_key(self):
        self.portal.stop()
        app = self.launch_wayland(False)
        item = self.status_item(app)
        item.activate()
        self.assert_toggled_once(app, True)
        self.assertTrue(app.running())
        self.assertEqual(UNBOUND_TOOLTIP[True], item.tooltip())
        self.assertEqual(1, app.stderr().count('vantel --toggle'), 'logged once, with the way out')

    def test_a_stale_wayland_display_falls_back_to_x11(self):
        app = self.launch(False, QT_QPA_PLATFORM=None, WAYLAND_DISPLAY='wayland-gone')
        item = self.status_item(app)
        item.activate()
        self.assert_toggled_once(app, True)
        self.assertIn('Using X11: Cannot connect to the Wayland display "wayland-gone".',
                      app.stderr())

    def test_a_missing_wayland_plugin_falls_back_to_x11_or_fails_in_one_line(self):
        platforms = PlatformsWithoutWayland()
        self.addCleanup(platforms.close)
        if not platforms.usable():
            self.skipTest('no private mount namespace here')
        self.desktop.set_fn_state(False)
        env = self.desktop.app_env(QT_QPA_PLATFORM=None, WAYLAND_DISPLAY=self.wayland)
        name = f'vantel-{next_run()}'
        app = App(self.desktop, name, self.desktop.spawn(name, platforms.wrap([PROGRAM]), env=env))
        self.apps.append(app)
        item = self.status_item(app)
        item.activate()
        self.assert_toggled_once(app, True)
        self.assertIn('Using X11: The Qt platform plugin "wayland" is not installed.',
                      app.stderr())

        del env['DISPLAY']
        result = subprocess.run(platforms.wrap([PROGRAM]), env=env, capture_output=True,
                                text=True, timeout=30, check=False)
        self.assertEqual(1, result.returncode, result.stderr)
        self.assertEqual(1, len(result.stderr.splitlines()), result.stderr)


class CommandLineOnX11Test(DesktopTest):
    TRAY = 'sni'

    def test_toggle_reaches_the_running_program_and_fails_clearly_without_one(self):
        result = self.desktop.run([PROGRAM, '--toggle'], check=False)
        self.assertEqual(1, result.returncode)
        self.assertEqual(['vantel: Vantel is not running.'], result.stderr.splitlines())

        app = self.launch(True)
        item = self.status_item(app)
        steady = item.icon()
        self.desktop.slow_flips(0.8)
        result = self.desktop.run([PROGRAM, '--toggle'], check=False)
        self.assertEqual((0, ''), (result.returncode, result.stderr))
        self.wait(lambda: item.icon() != steady, 'the icon to spin', 5, app)
        self.assert_toggled_once(app, False, settle=1.3)
        self.assertEqual(TOOLTIP[False], item.tooltip())


class StartWithoutADisplayTest(unittest.TestCase):
    """What a user sees when Qt could not start: one line and status 1, never an abort."""

    def run_program(self, *args, **env):
        home = tempfile.mkdtemp(prefix='vantel-home-')
        runtime = tempfile.mkdtemp(prefix='vantel-run-')
        base = {'PATH': '/usr/bin:/bin', 'HOME': home, 'XDG_RUNTIME_DIR': runtime,
                'DBUS_SYSTEM_BUS_ADDRESS': no_system_bus(runtime)}
        for key in ('ASAN_OPTIONS', 'UBSAN_OPTIONS'):
            if key in os.environ:
                base[key] = os.environ[key]
        base.update(env)
        try:
            return subprocess.run([PROGRAM] + list(args), env=base, capture_output=True,
                                  text=True, timeout=30, check=False)
        finally:
            os.rmdir(runtime)
            subprocess.run(['rm', '-rf', home], check=False)

    def test_every_unusable_start_is_one_line_and_status_1(self):
        cases = {
            'stale WAYLAND_DISPLAY': ((), {'WAYLAND_DISPLAY': 'wayland-bogus'}),
            'QT_QPA_PLATFORM=wayland': ((), {'QT_QPA_PLATFORM': 'wayland',
                                             'WAYLAND_DISPLAY': 'wayland-bogus'}),
            '-platform wayland': (('-platform', 'wayland'), {'WAYLAND_DISPLAY': 'wayland-bogus'}),
            'QT_QPA_PLATFORM=no-such-plugin': ((), {'QT_QPA_PLATFORM': 'no-such-plugin'}),
            '-platform no-such-plugin': (('-platform', 'no-such-plugin'), {}),
            'an unknown option': (('--no-such-option',), {}),
        }
        for case, (args, env) in cases.items():
            with self.subTest(case=case):
                result = self.run_program(*args, **env)
                self.assertEqual(1, result.returncode, result.stderr)
                self.assertEqual(1, len(result.stderr.splitlines()), result.stderr)

    def test_help_and_version_need_no_display_and_no_bus(self):
        result = self.run_program('--help')
        self.assertEqual(0, result.returncode, result.stderr)
        self.assertIn('--toggle', result.stdout)
        self.assertNotIn('-platform', result.stdout)
        version = self.run_program('--version')
        self.assertEqual(0, version.returncode, version.stderr)
        self.assertRegex(version.stdout, r'^Vantel \d+\.\d+\.\d+')
        toggle = self.run_program('--toggle')
        self.assertEqual(1, toggle.returncode)
        self.assertEqual(1, len(toggle.stderr.splitlines()), toggle.stderr)


if __name__ == '__main__':
    unittest.main()
