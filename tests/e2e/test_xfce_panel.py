# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The program on Xfce's own panel, with the desktop portal and dunst Debian ship: the panel's
menu for the item, clicks, the Ctrl+click menu and a legible icon in every colour case."""

import unittest

import desktop
from real_panels import RealPanelTest


class XfcePanelTest(RealPanelTest):

    SERVICES = ('xfce',)
    PANEL_CLASS = 'xfce4-panel'
    # Xfce's panel draws an item's menu in a window of its plugin's wrapper.
    MENU_CLASS = 'wrapper-2.0'

    def start_panel(self, edge='top', dark=False):
        return self.desktop.start_xfce_panel(edge, dark)

    def test_the_panels_menu_and_clicks(self):
        self.check_menu_and_clicks(edge='top')

    def test_ctrl_click_opens_the_menu_above_a_bottom_panel(self):
        app, strip, box = self.panel_with_icon(True, edge='bottom')
        self.addCleanup(self.xdotool, 'keyup', 'ctrl')
        # Ctrl stays down until the menu shows: the program asks for it when the click arrives.
        self.click(box, 1, 'ctrl')
        menu = self.wait(lambda: app.top_level_windows(), 'the program\'s menu', 20, app)[0]
        info = desktop.window_info(self.desktop, menu)
        x, y, w, h = info['x'], info['y'], info['w'], info['h']
        self.xdotool('keyup', 'ctrl')
        self.assertTrue(0 <= x and x + w <= desktop.SCREEN[0] and 0 <= y,
                        f'menu {(x, y, w, h)} off the screen')
        self.assertLessEqual(y + h, strip[1], f'menu {(x, y, w, h)} over the panel {strip}')
        self.xdotool('key', 'Escape')
        self.wait(lambda: not app.top_level_windows(), 'the menu to close', 10, app)
        self.assertTrue(self.desktop.fn_state(), 'a Ctrl+click only opens the menu')

    def set_panel_dark(self, dark):
        self.desktop.set_xfce_dark(dark)

    def test_the_icon_stands_out_in_every_colour_case(self):
        # Each pair of panel and scheme that agree or leave it open; the scheme turning both ways
        # together with the panel.
        self.check_colours([(False, None), (False, 'light'), (True, 'dark'), (True, None),
                            (False, 'light'), (True, 'dark'), (False, 'light')], edge='bottom')

    # A scheme that contradicts the panel: the panel recolours the symbolic icon it is handed to
    # its own text colour, so the panel's look wins over the scheme.
    def test_the_icon_against_a_scheme_that_contradicts_the_panel(self):
        self.check_colours([(False, 'dark'), (False, 'light'), (True, 'light')], edge='bottom')

if __name__ == '__main__':
    unittest.main()
