# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Where nothing tells the icon's colour (no tray colours, no desktop scheme, no preference), the
icon stands out on a black panel and on a white one alike."""

import os
import shutil
import unittest

import harness
import sway
from panel_host import contrast_ratio
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


def changed_box(before, after, width, top):
    """The bounding box (x, y, w, h) of the pixels that differ between two shots of a strip."""
    points = [(i % width, i // width) for i, (a, b) in enumerate(zip(before, after)) if a != b]
    if not points:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return (min(xs), top + min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


def most_common(pixels):
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    return max(counts, key=counts.get)


@unittest.skipIf(sway.usable(), sway.usable())
class WaybarTest(harness.DesktopTest):
    """sway and waybar without a portal: waybar draws the named icon's file as it is."""

    @classmethod
    def setUpClass(cls):
        harness.check_environment()
        cls.desktop = sway.SwayDesktop()
        try:
            cls.desktop.start_bus()
            cls.desktop.start_sway()
            # The build may sit where the unprivileged user cannot reach (a root's home).
            cls.program = os.path.join(cls.desktop.root, 'vantel')
            shutil.copy2(harness.PROGRAM, cls.program)
            os.chmod(cls.program, 0o755)
            cls.bus = None
        except BaseException:
            cls.desktop.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close(remove=not os.environ.get('VANTEL_E2E_KEEP'))

    def launch(self, fn_state=None, **env):
        if fn_state is not None:
            self.desktop.set_fn_state(fn_state)
        app = self.desktop.launch(self.program, name=f'vantel-{harness.next_run()}', **env)
        self.apps.append(app)
        return app

    def test_the_icon_stands_out_on_the_bar(self):
        strip = (0, 0, sway.desktop.SCREEN[0], sway.BAR_HEIGHT)
        bare = self.desktop.screenshot(strip)
        bar = most_common(bare)
        for fn_state in (False, True):
            with self.subTest(fn_state=fn_state):
                app = self.launch(fn_state, QT_QPA_PLATFORM='wayland')
                last = []

                def settled():
                    box = changed_box(bare, self.desktop.screenshot(strip), strip[2], 0)
                    last.append(box)
                    return box if box and last[-2:] == [box, box] else None
                box = self.wait(settled, 'the icon on the bar', 30, app)
                self.wait(lambda: self.contrast(box, bar) >= 3.0, 'a contrast of 3 : 1', 10, app)
                app.stop()
                self.wait(lambda: self.desktop.screenshot(strip) == bare, 'the bar bare again', 20)

    def contrast(self, box, bar):
        pixels = self.desktop.screenshot(box)
        far = sorted(pixels, key=lambda p: -sum(abs(p[i] - bar[i]) for i in range(3)))
        marks = far[:max(len(far) // 12, 1)]
        mark = tuple(sum(p[i] for p in marks) // len(marks) for i in range(3))
        return contrast_ratio(mark, bar)


if __name__ == '__main__':
    unittest.main()
