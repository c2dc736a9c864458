# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The program in an XEmbed tray (trayer), clicked and hovered with the pointer."""

import time
import unittest

from a11y import unless_gone
from desktop import SCREEN
from harness import SLOW_FLIP, TOOLTIP, XCLIENT, DesktopTest


class XEmbedTrayTest(DesktopTest):
    TRAY = 'xembed'

    def click_icon(self, app, button='1', *modifiers):
        x, y, w, h = app.wait_for_embedded_icon()
        keys_down = [a for m in modifiers for a in ('keydown', m)]
        keys_up = [a for m in modifiers for a in ('keyup', m)]
        self.xdotool('mousemove', str(x + w // 2), str(y + h // 2), *keys_down, 'click', button,
                     *keys_up)

    def capture(self, window):
        return self.desktop.capture(window, XCLIENT)

    def hover_tooltip(self, app, reader):
        x, y, w, h = app.wait_for_embedded_icon()
        self.xdotool('mousemove', str(x + w // 2), str(y + h // 2 + 1))

        def tooltip():
            tips = reader.shown('tool tip')
            return unless_gone(tips[0].text) if tips else None
        text = self.wait(tooltip, 'the tooltip to show', 20, app)
        self.xdotool('mousemove', '500', '500')
        return text

    def test_click_spins_flips_and_shows_the_new_state(self):
        app = self.launch(True)
        window = self.wait(app.embedded_window, 'the icon in the tray', 30, app)
        reader = self.reader(app)
        self.assertEqual(TOOLTIP[True], self.hover_tooltip(app, reader))
        first = self.capture(window)
        self.desktop.slow_flips(SLOW_FLIP)
        self.click_icon(app)
        frames = set()
        while not self.new_notifications() and app.running():
            frames.add(self.capture(window))
        self.assert_toggled_once(app, False)
        final = self.capture(window)
        self.assertNotEqual(first, final, 'the icon of the new state')
        self.assertGreaterEqual(len(frames - {first, final}), 2, 'spinning frames')
        time.sleep(0.3)
        self.assertEqual(final, self.capture(window), 'the spin stopped')
        self.assertEqual(TOOLTIP[False], self.hover_tooltip(app, reader))

    def test_two_quick_clicks_flip_once(self):
        app = self.launch(False)
        x, y, w, h = app.wait_for_embedded_icon()
        self.desktop.slow_flips(SLOW_FLIP)
        self.xdotool('mousemove', str(x + w // 2), str(y + h // 2), 'click', '--repeat', '2',
                     '--delay', '120', '1')
        self.assert_toggled_once(app, True, settle=SLOW_FLIP + 0.5)

    def test_right_click_and_ctrl_click_open_the_menu_below_the_icon(self):
        for state, button, modifiers in ((True, '3', ()), (False, '1', ('ctrl',))):
            with self.subTest(state=state, button=button):
                app = self.launch(state)
                reader = self.reader(app)
                self.click_icon(app, button, *modifiers)
                menu = self.shown_menu(reader, app)
                self.assert_menu(menu, state)
                x, y, w, h = app.wait_for_embedded_icon()
                mx, my, mw, _ = menu.extents()
                self.assertEqual(y + h + 3, my, 'the menu is 3 pixels below the icon')
                self.assertEqual(min(x, SCREEN[0] - mw), mx, 'aligned with the icon')
                self.close_menu(reader, app)
                self.assert_nothing_toggled(state, wait=0.3)
                app.stop()

    def test_icon_comes_back_after_the_panel_restarts(self):
        app = self.launch(False)
        app.wait_for_embedded_icon()
        self.desktop.stop_trayer()
        self.wait(lambda: not app.embedded_icon(), 'the icon to leave the stopped tray', 10, app)
        self.desktop.start_trayer()
        self.wait(app.embedded_icon, 'the icon in the restarted tray', 30, app)
        self.click_icon(app)
        self.assert_toggled_once(app, True)


if __name__ == '__main__':
    unittest.main()
