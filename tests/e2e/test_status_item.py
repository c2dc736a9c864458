# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The program under a StatusNotifierItem host of the tests' own: icon, tooltip, clicks, menu,
About and Quit."""

import time
import unittest

from a11y import unless_gone
from desktop import coverage
from harness import (CREDITS, SLOW_FLIP, TOOLTIP, VERSION_LINE, XCLIENT, DesktopTest)
from panel_host import MenuHost, visible_entries


class StatusItemTest(DesktopTest):
    TRAY = 'sni'

    def toggle_by_activate(self, start):
        """Launches with `start`, clicks once with a slow flip; returns (first icon, frames seen
        while it ran, final icon)."""
        self.notes_seen = len(self.desktop.notifications())
        app = self.launch(start)
        item = self.status_item(app)
        first = item.icon()
        self.assertEqual(TOOLTIP[start], item.tooltip())
        self.desktop.slow_flips(SLOW_FLIP)
        item.activate()
        frames = []
        while not self.new_notifications() and app.running():
            frame = item.icon()
            if not frames or frames[-1] != frame:
                frames.append(frame)
            time.sleep(0.01)
        note = self.assert_toggled_once(app, not start)
        self.assertEqual(TOOLTIP[not start], item.tooltip())
        self.assert_notified_after_the_switch(note, item)
        final = item.icon()
        time.sleep(0.3)
        self.assertEqual(final, item.icon(), 'the icon keeps changing after the toggle ended')
        app.stop()
        return first, frames, final

    def assert_notified_after_the_switch(self, note, item):
        """The steady icon is shown before the notification is asked for. Only the order is
        checked here: the two stamps come from two processes, and a loaded machine can delay the
        watcher's reading by more than the notification's 0.1 s delay, which the unit tests
        check."""
        changes = [r['time'] for r in self.desktop.records('watcher', 'item_signal')
                   if r['member'] == 'NewIcon' and r['sender'] == item.sender
                   and r['time'] < note['time']]
        self.assertTrue(changes, 'no icon change before the notification')

    def test_click_spins_then_shows_the_new_state(self):
        runs = {start: self.toggle_by_activate(start) for start in (True, False)}
        steady = {start: runs[start][0] for start in runs}
        self.assertGreater(coverage(steady[True]), 1.5 * coverage(steady[False]),
                           'the standard-keys icon should be the filled one')
        for start, (_, frames, final) in runs.items():
            with self.subTest(start=start):
                self.assertEqual(steady[not start], final, 'the steady icon of the new state')
                spinning = [f for f in frames if f not in steady.values()]
                self.assertGreaterEqual(len(set(f[2] for f in spinning)), 3,
                                        'spinning frames while the flip ran')

    def test_two_quick_clicks_flip_once(self):
        app = self.launch(False)
        item = self.status_item(app)
        self.desktop.slow_flips(SLOW_FLIP)
        item.activate()
        time.sleep(0.15)
        item.activate()
        self.assert_toggled_once(app, True, settle=SLOW_FLIP + 0.5)

    def test_toggles_go_on_without_a_notification_server(self):
        self.desktop.stop('notifications')
        self.addCleanup(self.desktop.start_notifications)
        app = self.launch(True)
        item = self.status_item(app)
        for state in (False, True):
            item.activate()
            self.wait(lambda: item.tooltip() == TOOLTIP[state], 'the tooltip of the new state',
                      10, app)
            self.assertEqual(state, self.desktop.fn_state())
            time.sleep(0.3)

    def test_menu_titles_follow_the_preference_at_the_last_moment(self):
        app = self.launch(True)
        item = self.status_item(app)
        reader = self.reader(app)
        for state in (True, False):
            with self.subTest(state=state):
                # Written behind the program's back: the menu must read it afresh.
                self.desktop.set_fn_state(state)
                self.xdotool('mousemove', '300', '10')
                item.context_menu(300, 10)
                menu = self.shown_menu(reader, app)
                self.assert_menu(menu, state)
                # The host keeps the icon's place to itself and no panel window is under the
                # pointer: it stands for an icon in a top panel of common thickness (32 pixels),
                # and the menu opens three pixels below that, never over the icon.
                self.assertEqual((300, 32 + 3), menu.extents()[:2])
                self.close_menu(reader, app)
        self.assert_nothing_toggled(False, wait=0.2)

    def test_ctrl_click_opens_the_menu_instead_of_toggling(self):
        app = self.launch(False)
        item = self.status_item(app)
        reader = self.reader(app)
        self.xdotool('mousemove', '700', '10', 'keydown', 'ctrl')
        try:
            item.activate(700, 10)
            menu = self.shown_menu(reader, app)
        finally:
            self.xdotool('keyup', 'ctrl')
        self.assert_menu(menu, False)
        self.close_menu(reader, app)
        self.assert_nothing_toggled(False, wait=0.5)

    def test_switch_entry_toggles(self):
        for state in (True, False):
            with self.subTest(state=state):
                app = self.launch(state)
                item = self.status_item(app)
                reader = self.reader(app)
                item.context_menu(700, 10)
                self.choose(self.assert_menu(self.shown_menu(reader, app), state)[1])
                self.assert_toggled_once(app, not state)
                self.assertEqual(TOOLTIP[not state], item.tooltip())
                app.stop()
                self.notes_seen = len(self.desktop.notifications())

    def open_about(self, item, reader, app):
        item.context_menu(700, 10)
        self.choose(self.main_menu(reader, app)[4])
        # The menu closes as the entry is chosen, so About has been asked for.
        self.wait(lambda: not reader.shown_popup_menus(), 'the menu to close', 10, app)

    def about_windows(self, reader):
        def shows_version(window):
            return any(VERSION_LINE in d.text().split('\n') for d in window.descendants())
        return [w for w in reader.windows() if unless_gone(lambda w=w: shows_version(w), False)]

    def test_about_shows_the_version_line_once_and_closing_it_keeps_running(self):
        app = self.launch(True)
        item = self.status_item(app)
        reader = self.reader(app)
        self.open_about(item, reader, app)
        window = self.wait(lambda: self.about_windows(reader), 'the About window', 10, app)[0]
        texts = [d.text() for d in window.descendants()]
        self.assertIn(CREDITS, texts)
        self.open_about(item, reader, app)
        time.sleep(0.5)
        self.assertEqual(1, len(self.about_windows(reader)), 'About is reused while open')
        # A window that is gone by the time it is asked to close needs no closing.
        for window_id in app.top_level_windows():
            self.desktop.run([XCLIENT, 'close', str(window_id)], check=False)
        self.wait(lambda: not self.about_windows(reader), 'the About window to close', 10, app)
        time.sleep(0.5)
        self.assertTrue(app.running(), 'closing About ended the program')
        self.assertEqual(TOOLTIP[True], item.tooltip())
        self.assertEqual([], self.new_notifications())

    def test_quit_ends_with_status_zero_and_removes_the_item(self):
        app = self.launch(False)
        item = self.status_item(app)
        reader = self.reader(app)
        item.context_menu(700, 10)
        self.choose(self.main_menu(reader, app)[6])
        self.assertEqual(0, app.wait(20))
        self.wait(lambda: item.service not in self.hosted_items(),
                  'the item to leave the host', 10)
        self.assertEqual([], self.new_notifications())

    def test_speaks_german_under_a_german_locale(self):
        app = self.launch(True, LANG='de_DE.UTF-8', LANGUAGE=None, LC_ALL=None, LC_MESSAGES=None)
        item = self.status_item(app)
        self.assertEqual('Vantel: Standard F1, F2 usw. (zum Umschalten klicken) • '
                         'Tastenkürzel: Super+Alt+F', item.tooltip())
        host = MenuHost(self.bus, item.service)
        entries = visible_entries(host.open())
        labels = [e['label'] for e in entries]
        # The memory entry names the application in front, which the desktop may or may not tell.
        self.assertRegex(labels[2], r'^Für .+ merken$')
        self.assertEqual(['Aktuell: Standard F1, F2 usw.', 'Zu Hardwaretasten wechseln'],
                         labels[:2])
        self.assertEqual(['Über Vantel…', '', 'Beenden'], labels[-3:])
        host.click(entries[1])
        note = self.wait_for_notification(app)
        self.assertEqual(('Funktionstasten umgeschaltet',
                          'Deaktiviert: F1, F2 steuern Hardwarefunktionen'),
                         (note['summary'], note['body']))
        self.wait(lambda: item.tooltip().startswith('Vantel: Hardwaretasten'),
                  'the German tooltip of the new mode', 10, app)


if __name__ == '__main__':
    unittest.main()
