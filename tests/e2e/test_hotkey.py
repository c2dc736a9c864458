# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Super+Alt+F from anywhere on the private X server, and sharing it with other clients."""

import os
import signal
import unittest

from harness import SLOW_FLIP, UNBOUND_TOOLTIP, DesktopTest


class HotKeyTest(DesktopTest):
    TRAY = 'sni'

    def quit_from_menu(self, app, item):
        reader = self.reader(app)
        item.context_menu(700, 10)
        self.choose(self.main_menu(reader, app)[6])
        self.assertEqual(0, app.wait(20), app.stderr())

    def test_press_starts_one_toggle_and_a_second_press_during_it_none(self):
        app = self.launch(False)
        item = self.status_item(app)
        steady = item.icon()
        self.desktop.slow_flips(SLOW_FLIP)
        self.xdotool('key', 'super+alt+f')
        self.wait(lambda: item.icon() != steady, 'the icon to start spinning', 10, app)
        self.xdotool('key', 'super+alt+f')
        self.assert_toggled_once(app, True, settle=SLOW_FLIP + 0.5)

    def test_press_works_with_caps_lock_or_num_lock_on(self):
        app = self.launch(True)
        self.status_item(app)
        state = True
        for lock in ('Caps_Lock', 'Num_Lock'):
            with self.subTest(lock=lock):
                self.notes_seen = len(self.desktop.notifications())
                self.xdotool('key', lock)
                try:
                    self.xdotool('key', 'super+alt+f')
                    state = not state
                    self.assert_toggled_once(app, state, settle=0.3)
                finally:
                    self.xdotool('key', lock)

    def test_other_combinations_do_nothing(self):
        app = self.launch(True)
        item = self.status_item(app)
        steady = item.icon()
        for keys in ('super+f', 'alt+f', 'super+alt+shift+f', 'ctrl+alt+f', 'f'):
            self.xdotool('key', keys)
        self.assert_nothing_toggled(True, wait=1.5)
        self.assertEqual(steady, item.icon())

    def test_combination_held_by_another_client(self):
        holder, outcome = self.other_client_grab()
        self.assertEqual('grabbed', outcome)
        app = self.launch(False)
        item = self.status_item(app)
        self.xdotool('key', 'super+alt+f')
        self.wait(lambda: self.other_client_presses(holder), 'the holder to get the press', 10)
        self.assert_nothing_toggled(False, wait=1.0)
        self.assertTrue(app.running())
        self.assertEqual(UNBOUND_TOOLTIP[False], item.tooltip(), 'names no shortcut it lacks')
        item.activate()
        self.assert_toggled_once(app, True)

    def test_a_partly_taken_combination_is_let_go_entirely(self):
        # The holder takes only the plain combination: the lock-key variants the program may
        # have grabbed must be released again, or no other client could ever take them.
        holder, outcome = self.other_client_grab(plain=True)
        self.assertEqual('grabbed', outcome)
        app = self.launch(False)
        item = self.status_item(app)
        # The grab is tried while launching, which ends before the first tooltip is answered;
        # one more answer means the program's event loop has run since and sent what it queued.
        item.tooltip()
        self.desktop.stop(holder)
        self.assertEqual('grabbed', self.other_client_grab()[1])
        self.assertTrue(app.running())

    def test_quit_lets_another_client_take_the_combination(self):
        app = self.launch(False)
        item = self.status_item(app)
        self.assertEqual('busy', self.other_client_grab()[1], 'the program holds the key')
        self.quit_from_menu(app, item)
        self.assertEqual('grabbed', self.other_client_grab()[1])

    def test_a_termination_signal_quits_in_order_and_releases_the_combination(self):
        # A logout sends SIGTERM: the program must end as after Quit, not die holding its grab.
        app = self.launch(False)
        self.status_item(app)
        self.assertEqual('busy', self.other_client_grab()[1], 'the program holds the key')
        os.kill(app.pid, signal.SIGTERM)
        self.assertEqual(0, app.wait(20), app.stderr())
        self.assertEqual('grabbed', self.other_client_grab()[1])


if __name__ == '__main__':
    unittest.main()
