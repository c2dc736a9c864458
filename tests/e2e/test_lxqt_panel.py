# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The program on LXQt's panel (its status notifier plugin), with the desktop portal and dunst
Debian ship: the panel's menu for the item, clicks and a legible icon in every colour case."""

import unittest

from real_panels import RealPanelTest


class LxqtPanelTest(RealPanelTest):

    PANEL_CLASS = 'lxqt-panel'
    # LXQt's panel draws an item's menu in a menu window of its own.
    MENU_CLASS = 'lxqt-panel'

    def start_panel(self, dark=False):
        return self.desktop.start_lxqt_panel(dark)

    def set_panel_dark(self, dark):
        self.desktop.set_lxqt_dark(dark)

    def test_the_panels_menu_and_clicks(self):
        self.check_menu_and_clicks()

    def test_the_icon_stands_out_in_every_colour_case(self):
        # LXQt's panel recolours nothing: the desktop's scheme decides, turning both ways, and
        # with no scheme the icon has to stand out on either theme.
        self.check_colours([(False, None), (False, 'light'), (True, 'dark'), (True, None),
                            (False, 'light'), (True, 'dark'), (False, None)])

    # A scheme that contradicts the panel: nothing tells the program the panel's own colour
    # (this panel publishes none and recolours nothing), and a told colour is drawn as told.
    @unittest.expectedFailure
    def test_the_icon_against_a_scheme_that_contradicts_the_panel(self):
        self.check_colours([(True, 'light'), (False, 'dark')])


if __name__ == '__main__':
    unittest.main()
