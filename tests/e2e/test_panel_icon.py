# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The icon on every panel: the menu through a notifier host's dbusmenu, legible colours on dark
and light trays, the menu placed where it fits at every screen edge, clicks acting on release,
and a login profile that talks."""

import os
import subprocess
import unittest

import dbus

from desktop import SCREEN, wait_until
from harness import MENU, TOOLTIP, XCLIENT, DesktopTest, main_entries
from panel_host import MenuHost, contrast_ratio, visible_entries

HERE = os.path.dirname(os.path.abspath(__file__))
PYTHON = '/usr/bin/python3'
TRAY_HEIGHT = 28
WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def start_portal(desktop, scheme):
    """A desktop portal with the Settings interface, answering `scheme` (0, 1 dark, 2 light)."""
    desktop.stop('portal')
    log = desktop.log_path('portal.jsonl')
    proc = desktop.spawn('portal', [PYTHON, os.path.join(HERE, 'panel_host.py'), 'portal', log,
                                    str(scheme)], stdout=subprocess.PIPE)
    line = proc.stdout.readline().decode().strip()
    proc.stdout.close()
    if line != 'ready':
        raise RuntimeError('the settings portal did not start')


def set_scheme(bus, scheme):
    portal = bus.get_object('org.freedesktop.portal.Desktop', '/org/freedesktop/portal/desktop',
                            introspect=False)
    portal.SetScheme(dbus.UInt32(scheme), dbus_interface='org.vantel.tests.Portal')


def set_icon_color(desktop, value):
    if value is None:
        desktop.defaults('delete', 'org.vantel.Vantel', 'IconColor', check=False)
    else:
        desktop.defaults('write', 'org.vantel.Vantel', 'IconColor', '-string', value)


def symbol_colour(pixels):
    """The colour of the icon's marks in (r, g, b) tuples: the mostly opaque pixels, averaged."""
    marks = [p[:3] for p in pixels if p[3] >= 200]
    if not marks:
        return None
    return tuple(sum(c[i] for c in marks) // len(marks) for i in range(3))


def argb_pixels(icon):
    _, _, data = icon
    return [(data[i + 1], data[i + 2], data[i + 3], data[i]) for i in range(0, len(data), 4)]


class NotifierHostTest(DesktopTest):
    """Under a StatusNotifierItem host that behaves like the real ones."""

    TRAY = 'sni'

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        start_portal(cls.desktop, 1)

    def setUp(self):
        super().setUp()
        set_scheme(self.bus, 1)
        set_icon_color(self.desktop, None)

    def test_the_hosts_right_click_shows_the_menu_with_fresh_titles(self):
        app = self.launch(True)
        item = self.status_item(app)
        host = MenuHost(self.bus, item.service)
        self.assertNotEqual('/NO_DBUSMENU', host.menu_path)
        self.assertFalse(host.item_is_menu, 'a left click must still toggle')
        for state in (False, True):
            with self.subTest(state=state):
                self.desktop.set_fn_state(state)  # behind the program's back
                entries = main_entries(visible_entries(host.open()), lambda e: e['label'])
                self.assertEqual(MENU[state], [e['label'] for e in entries])
                self.assertEqual([True, True], [entries[5]['separator'], entries[2]['separator']])
                self.assertFalse(entries[0]['enabled'])
                host.close()
        self.assert_nothing_toggled(True, wait=0.2)
        entries = visible_entries(host.open())
        host.click(entries[1])
        self.assert_toggled_once(app, False)
        self.assertEqual(TOOLTIP[False], item.tooltip())

    def icon_form(self, item):
        """The name and the marks' colour, read in one call: two reads could straddle a change."""
        props = item.proxy.GetAll(item.IFACE, dbus_interface='org.freedesktop.DBus.Properties')
        pixmaps = [(int(w), int(h), bytes(data)) for w, h, data in props['IconPixmap']]
        largest = max(pixmaps, key=lambda p: p[0] * p[1])
        return str(props['IconName']), symbol_colour(argb_pixels(largest))

    def svg_for(self, name):
        path = os.path.join(self.desktop.env.get('XDG_DATA_HOME',
                                                 os.path.join(self.desktop.home, '.local/share')),
                            'icons/hicolor/scalable/status', name + '.svg')
        with open(path, encoding='utf-8') as f:
            return f.read()

    def test_the_icon_form_follows_the_desktop_scheme_and_the_preference(self):
        app = self.launch(False)
        item = self.status_item(app)
        for scheme, colour in ((1, WHITE), (2, BLACK)):
            with self.subTest(scheme=scheme):
                set_scheme(self.bus, scheme)
                name, pixels = self.wait(
                    lambda: (lambda f: f if f[1] == colour else None)(self.icon_form(item)),
                    f'the icon in {colour}', 10, app)
                self.assertTrue(name.endswith('-symbolic'), name)
                svg = self.svg_for(name)
                self.assertIn('#%02x%02x%02x' % colour, svg)
                self.assertIn('class="ColorScheme-Text"', svg)
        # The user's choice wins, as plain pixels no host recolours.
        set_icon_color(self.desktop, 'light')
        name, _ = self.wait(lambda: (lambda f: f if f[1] == WHITE else None)(self.icon_form(item)),
                            'the forced light icon', 10, app)
        self.assertEqual('', name)
        set_icon_color(self.desktop, 'auto')
        self.wait(lambda: self.icon_form(item)[1] == BLACK, 'the scheme again', 10, app)


class TrayTest(DesktopTest):
    """Under trayer, started per test with the edge and colours the test needs."""

    def start_tray(self, edge='top', tint=None):
        argv = ['trayer', '--edge', edge, '--align', 'center', '--widthtype', 'pixel',
                '--width', '120', '--heighttype', 'pixel', '--height', str(TRAY_HEIGHT),
                '--SetDockType', 'true']
        # trayer measures width along its edge and height across it, at every edge.
        if tint is not None:
            argv += ['--transparent', 'true', '--alpha', '0', '--tint', '0x%02x%02x%02x' % tint]
        self.desktop.spawn('trayer', argv)
        self.addCleanup(self.desktop.stop_trayer)
        wait_until(self.tray_manager, 10, 'trayer to claim the tray')

    def tray_manager(self):
        """The window that owns the tray selection, or 0."""
        return int(self.desktop.run([XCLIENT, 'tray-owner']).stdout.strip() or 0)

    def publish_colours(self, foreground):
        """Sets _NET_SYSTEM_TRAY_COLORS on the tray manager's window, as a tray that tells its
        colours would (trayer itself publishes none)."""
        values = ','.join(str(c * 257) for c in foreground) + ',65535,0,0,65535,65535,0,0,65535,0'
        self.desktop.run(['xprop', '-id', str(self.tray_manager()), '-f',
                          '_NET_SYSTEM_TRAY_COLORS', '32c', '-set', '_NET_SYSTEM_TRAY_COLORS',
                          values])

    def screenshot(self, box):
        x, y, w, h = box
        raw = subprocess.run(['import', '-window', 'root', '-crop', f'{w}x{h}+{x}+{y}',
                              '-depth', '8', 'rgba:-'], env=self.desktop.env, check=True,
                             capture_output=True, timeout=30).stdout
        return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]

    def icon_contrast(self, app, panel):
        pixels = self.screenshot(app.wait_for_embedded_icon())
        # The marks: the pixels that stand out most from the panel.
        distance = sorted(pixels, key=lambda p: -sum(abs(p[i] - panel[i]) for i in range(3)))
        marks = distance[:max(len(distance) // 12, 1)]
        mark = tuple(sum(p[i] for p in marks) // len(marks) for i in range(3))
        return contrast_ratio(mark, panel)


class TrayColourTest(TrayTest):
    """The icon stays legible wherever the panel or the desktop tells the colour."""

    def check(self, panel, publish=None, scheme=None, minimum=4.5):
        self.start_tray(tint=panel)
        try:
            if publish:
                self.publish_colours(publish)
            if scheme is not None:
                start_portal(self.desktop, scheme)
            app = self.launch(True)
            app.wait_for_embedded_icon()
            ratio = self.wait(lambda: (lambda r: r if r >= minimum else None)(
                self.icon_contrast(app, panel)), f'a contrast of {minimum}:1', 10, app)
            app.stop()
            return ratio
        finally:
            self.desktop.stop('portal')
            self.desktop.stop_trayer()

    def test_tray_colours_on_black_and_white_trays(self):
        for panel, foreground in ((BLACK, WHITE), (WHITE, (0x2e, 0x34, 0x36))):
            with self.subTest(panel=panel):
                self.check(panel, publish=foreground)

    def test_the_desktop_scheme_where_the_tray_tells_nothing(self):
        for panel, scheme in ((BLACK, 1), (WHITE, 2)):
            with self.subTest(panel=panel):
                self.check(panel, scheme=scheme)

    def test_the_preference_overrides(self):
        set_icon_color(self.desktop, 'light')
        self.addCleanup(set_icon_color, self.desktop, None)
        # A tray that asks for black and a light scheme: the user's light still wins.
        self.check(BLACK, publish=BLACK, scheme=2)


class TrayPlacementTest(TrayTest):
    """The menu opens fully on screen, beside the icon, at every edge."""

    def test_menu_beside_the_icon_at_every_edge(self):
        for edge in ('top', 'bottom', 'left', 'right'):
            with self.subTest(edge=edge):
                self.start_tray(edge)
                app = self.launch(True)
                self.addCleanup(app.stop)
                reader = self.reader(app)
                x, y, w, h = app.wait_for_embedded_icon()
                self.xdotool('mousemove', str(x + w // 2), str(y + h // 2), 'click', '3')
                menu = self.shown_menu(reader, app)
                mx, my, mw, mh = menu.extents()
                self.assertTrue(0 <= mx and 0 <= my and mx + mw <= SCREEN[0]
                                and my + mh <= SCREEN[1], f'{edge}: {menu.extents()}')
                apart = (mx >= x + w or mx + mw <= x or my >= y + h or my + mh <= y)
                self.assertTrue(apart, f'{edge}: menu {menu.extents()} icon {(x, y, w, h)}')
                self.close_menu(reader, app)
                app.stop()
                self.desktop.stop_trayer()


class TrayClickTest(TrayTest):
    """Clicks act on release over the icon; a talking login profile changes nothing."""

    def test_a_press_released_elsewhere_does_nothing(self):
        self.start_tray()
        app = self.launch(False)
        x, y, w, h = app.wait_for_embedded_icon()
        cx, cy = str(x + w // 2), str(y + h // 2)
        self.xdotool('mousemove', cx, cy, 'mousedown', '1', 'mousemove', '500', '400',
                     'mouseup', '1')
        self.assert_nothing_toggled(False, wait=0.8)
        self.xdotool('mousemove', cx, cy, 'mousedown', '1')
        self.assert_nothing_toggled(False, wait=0.3)  # nothing until the button comes up
        self.xdotool('mouseup', '1')
        self.assert_toggled_once(app, True)

    def test_a_talking_login_profile_still_reports_the_right_mode(self):
        self.start_tray()
        with open(os.path.join(self.desktop.home, '.zprofile'), 'w', encoding='utf-8') as f:
            f.write('echo "Welcome to this machine"\necho "true story"\n')
        for state in (True, False):
            app = self.launch(state)
            x, y, w, h = app.wait_for_embedded_icon()
            self.xdotool('mousemove', str(x + w // 2), str(y + h // 2), 'click', '1')
            self.assert_toggled_once(app, not state)
            app.stop()
            self.notes_seen = len(self.desktop.notifications())


if __name__ == '__main__':
    unittest.main()
