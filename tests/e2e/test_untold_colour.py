"""Where nothing tells the icon's colour (no tray colours, no desktop scheme, no preference), the
icon stands out on a black panel and on a white one alike."""

import unittest

from test_panel_icon import BLACK, WHITE, TrayTest


class UntoldTrayTest(TrayTest):
    """trayer publishes no colours, and the desktop has no portal."""

    def test_the_icon_stands_out_on_black_and_white_trays(self):
        for panel in (BLACK, WHITE):
            for fn_state in (False, True):
                with self.subTest(panel=panel, fn_state=fn_state):
                    self.start_tray(tint=panel)
                    app = self.launch(fn_state)
                    app.wait_for_embedded_icon()
                    self.wait(lambda: self.icon_contrast(app, panel) >= 3.0,
                              'a contrast of 3 : 1', 10, app)
                    app.stop()
                    self.desktop.stop_trayer()


if __name__ == '__main__':
    unittest.main()
