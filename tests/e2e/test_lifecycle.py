# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Starting without a display, without a tray, before the panel, twice; the panel restarting."""

import time
import unittest

from harness import TOOLTIP, DesktopTest


class LifecycleTest(DesktopTest):
    TRAY = None

    def with_watcher(self):
        self.desktop.start_watcher()
        self.addCleanup(self.desktop.stop_watcher)

    def with_trayer(self):
        self.desktop.start_trayer()
        self.addCleanup(self.desktop.stop_trayer)

    def stderr_lines(self, app):
        return [line for line in app.stderr().splitlines() if line.strip()]

    def said_no_tray(self, app):
        """Waits until the program, having looked for a tray and found none, says so."""
        return self.wait(lambda: self.stderr_lines(app), 'the program to say there is no tray',
                         30, app)

    def test_without_a_display_it_fails_with_one_clear_line(self):
        cases = {
            'no display at all': dict(DISPLAY=None, WAYLAND_DISPLAY=None, QT_QPA_PLATFORM=None),
            'an X server that is not there': dict(DISPLAY=':9999', WAYLAND_DISPLAY=None),
        }
        for case, env in cases.items():
            with self.subTest(case=case):
                app = self.launch(**env)
                status = app.wait(20)
                self.assertGreater(status, 0, f'a clear failure, not a crash:\n{app.stderr()}')
                self.assertEqual(1, len(self.stderr_lines(app)), app.stderr())

    def test_without_a_tray_it_says_so_once_and_shows_the_icon_when_one_appears(self):
        app = self.launch(False)
        lines = self.said_no_tray(app)
        self.assertEqual(1, len(lines), app.stderr())
        self.assertIn('tray', lines[0].lower())
        self.with_trayer()
        app.wait_for_embedded_icon()
        self.assertEqual(lines, self.stderr_lines(app), 'nothing more on standard error')

    def test_a_notifier_host_that_starts_later_gets_the_icon(self):
        app = self.launch(True)
        # The host must come after the program has chosen how to show its icon.
        self.said_no_tray(app)
        self.with_watcher()
        item = self.status_item(app, timeout=20)
        self.assertEqual(TOOLTIP[True], item.tooltip())
        item.activate()
        self.assert_toggled_once(app, False)

    def test_a_restarted_notifier_host_gets_the_icon_again(self):
        self.with_watcher()
        app = self.launch(False)
        self.status_item(app)
        self.desktop.stop_watcher()
        seen = len(self.desktop.registrations())
        self.with_watcher()

        def registered_again():
            return [r for r in self.desktop.registrations()[seen:] if r['pid'] == app.pid]
        self.wait(registered_again, 'the program to register with the new host', 20, app)
        item = self.status_item(app)
        self.assertEqual(TOOLTIP[False], item.tooltip())

    def test_a_second_start_exits_quietly_and_adds_no_icon(self):
        self.with_watcher()
        first = self.launch(True)
        item = self.status_item(first)
        second = self.launch()
        self.assertEqual(0, second.wait(20), second.stderr())
        self.assertEqual('', second.stderr(), 'a second start says nothing')
        time.sleep(0.5)
        self.assertEqual([], [r for r in self.desktop.registrations() if r['pid'] == second.pid])
        self.assertEqual({item.service}, self.hosted_items())
        self.assertTrue(first.running())
        item.activate()
        self.assert_toggled_once(first, False)


if __name__ == '__main__':
    unittest.main()
