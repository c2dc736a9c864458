# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The real panels, portal and notification server Debian ships, each run privately for a test.

RealDesktop is a private desktop (X server, session bus, HOME) whose bus starts on demand only
the services it is given (xfconf for Xfce's panel, dconf, the desktop portal with its GTK backend)
and reaches no system bus. The desktop's colour scheme is the GNOME setting the portal's GTK
backend serves as `org.freedesktop.appearance` `color-scheme`.
"""

import json
import os
import re
import subprocess
import time

import dbus

import desktop
import harness
from desktop import wait_until
from panel_host import contrast_ratio

SERVICE_DIR = '/usr/share/dbus-1/services'
# What each real piece needs the bus to start for it.
SERVICES = {
    'xfce': ['org.xfce.Xfconf.service'],
    'portal': ['org.freedesktop.portal.Desktop.service',
               'org.freedesktop.impl.portal.desktop.gtk.service', 'ca.desrt.dconf.service',
               'org.freedesktop.impl.portal.PermissionStore.service'],
}
# The portal picks its GTK backend for a GNOME desktop; GNOME's settings live in dconf.
GNOME_SETTINGS = {'XDG_CURRENT_DESKTOP': 'GNOME', 'GSETTINGS_BACKEND': 'dconf'}
SCHEMES = {None: 'default', 'dark': 'prefer-dark', 'light': 'prefer-light'}

XFCE_PANEL = '''<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="dark-mode" type="bool" value="{dark}"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p={position};x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="{size}"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
      <property name="style" type="uint" value="0"/>
    </property>
    <property name="plugin-2" type="string" value="systray"/>
  </property>
</channel>
'''
LXQT_PANEL = '''[General]
__userfile__=true

[panel1]
alignment=-1
desktop=0
hidable=false
panelSize={size}
iconSize=22
lineCount=1
lockPanel=true
plugins=spacer,statusnotifier
position={position}
width=100
widthPercent=true

[spacer]
type=spacer
expandable=true

[statusnotifier]
type=statusnotifier
'''
PANEL_SIZE = 28


class RealDesktop(desktop.Desktop):
    """A private desktop whose bus starts the real services named in `services` on demand."""

    def start_bus_with(self, services):
        # What the bus starts inherits its environment: the display, the portal's backend and
        # settings store, and the system bus where nothing listens.
        self.start_bus([os.path.join(SERVICE_DIR, name) for kind in services
                        for name in SERVICES[kind]], env=dict(self.env, **GNOME_SETTINGS))

    # The notification server -------------------------------------------------------------------

    def start_dunst(self):
        self.spawn('dunst', ['dunst'])
        wait_until(lambda: self.run(['dunstctl', 'is-paused'], check=False).returncode == 0, 20,
                   'dunst to answer')

    def dunst_history(self):
        """The summaries and bodies of what dunst showed, oldest first."""
        found = self.run(['dunstctl', 'history'], check=False)
        if found.returncode != 0:
            return []
        rows = json.loads(found.stdout)['data'][0]
        notes = [(r['summary']['data'], r['body']['data'], r['appname']['data'], r['id']['data'])
                 for r in rows]
        return [n[:3] for n in sorted(notes, key=lambda n: n[3])]

    # The desktop's colour scheme -----------------------------------------------------------------

    def set_scheme(self, scheme):
        """None, 'dark' or 'light', as the desktop's settings would write it."""
        self.run(['gsettings', 'set', 'org.gnome.desktop.interface', 'color-scheme',
                  SCHEMES[scheme]], env=dict(self.env, **GNOME_SETTINGS))

    def portal_scheme(self):
        """What the portal answers for color-scheme now (0 none, 1 dark, 2 light), or None."""
        found = self.run(['gdbus', 'call', '--session', '--dest', 'org.freedesktop.portal.Desktop',
                          '--object-path', '/org/freedesktop/portal/desktop', '--method',
                          'org.freedesktop.portal.Settings.Read', 'org.freedesktop.appearance',
                          'color-scheme'], check=False, timeout=60)
        value = re.search(r'uint32 (\d+)', found.stdout)
        return int(value.group(1)) if value else None

    def start_portal(self, scheme=None):
        """Sets the scheme and waits until the portal, started on demand, serves it."""
        self.set_scheme(scheme)
        expected = {None: 0, 'dark': 1, 'light': 2}[scheme]
        wait_until(lambda: self.portal_scheme() == expected, 60, 'the portal to serve the scheme',
                   interval=0.5)

    # Xfce's panel --------------------------------------------------------------------------------

    def start_xfce_panel(self, edge='top', dark=False):
        folder = os.path.join(self.config, 'xfce4/xfconf/xfce-perchannel-xml')
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, 'xfce4-panel.xml'), 'w', encoding='utf-8') as f:
            f.write(XFCE_PANEL.format(dark='true' if dark else 'false', size=PANEL_SIZE,
                                      position={'top': 6, 'bottom': 10}[edge]))
        # xfconfd, once started, keeps what it read: the settings go through it as well.
        self.xfconf('/panels/panel-1/position', f'p={ {"top": 6, "bottom": 10}[edge] };x=0;y=0')
        self.set_xfce_dark(dark)
        self.spawn('xfce4-panel', ['xfce4-panel', '--disable-wm-check'])
        return self.wait_for_panel('xfce4-panel')

    def set_xfce_dark(self, dark):
        self.xfconf('/panels/dark-mode', 'true' if dark else 'false')

    def xfconf(self, prop, value):
        self.run(['xfconf-query', '-c', 'xfce4-panel', '-p', prop, '-s', value])

    # LXQt's panel --------------------------------------------------------------------------------

    def start_lxqt_panel(self, dark=False):
        folder = os.path.join(self.config, 'lxqt')
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, 'panel.conf'), 'w', encoding='utf-8') as f:
            f.write(LXQT_PANEL.format(size=PANEL_SIZE, position='Top'))
        self.set_lxqt_dark(dark)
        # Without the system's configuration folders the panel has no theme and paints nothing.
        env = dict(self.env, XDG_CONFIG_DIRS='/etc/xdg:/usr/share')
        self.spawn('lxqt-panel', ['lxqt-panel'], env=env)
        return self.wait_for_panel('lxqt-panel')

    def set_lxqt_dark(self, dark):
        """The LXQt theme, dark or light, which the running panel follows."""
        path = os.path.join(self.config, 'lxqt', 'lxqt.conf')
        with open(path + '.new', 'w', encoding='utf-8') as f:
            f.write(f'[General]\ntheme={"dark" if dark else "light"}\n')
        os.replace(path + '.new', path)

    def wait_for_panel(self, name):
        """The panel's strip, once shown with its status notifier host in place: Qt looks for
        a host once, when the program starts, and takes the XEmbed tray when it finds none."""
        strip = wait_until(lambda: self.panel_window(name), 30, f'{name} to show')
        wait_until(self.notifier_host_registered, 30, f'{name}\'s status notifier host')
        return strip

    def notifier_host_registered(self):
        found = self.run(['gdbus', 'call', '--session', '--dest', 'org.kde.StatusNotifierWatcher',
                          '--object-path', '/StatusNotifierWatcher', '--method',
                          'org.freedesktop.DBus.Properties.Get', 'org.kde.StatusNotifierWatcher',
                          'IsStatusNotifierHostRegistered'], check=False)
        return found.returncode == 0 and 'true' in found.stdout

    # Looking at the panel ------------------------------------------------------------------------

    def panel_window(self, name):
        """The panel's geometry (x, y, w, h) once it is shown as a strip along an edge."""
        for window in self.windows(['--onlyvisible', '--classname', name]):
            info = desktop.window_info(self, window)
            if info and info['viewable'] and info['w'] >= desktop.SCREEN[0] // 2 and \
                    PANEL_SIZE <= info['h'] <= PANEL_SIZE + 4:
                return (info['x'], info['y'], info['w'], info['h'])
        return None

    def screenshot(self, box):
        x, y, w, h = box
        raw = subprocess.run(['import', '-window', 'root', '-crop', f'{w}x{h}+{x}+{y}',
                              '-depth', '8', 'rgb:-'], env=self.env, check=True,
                             capture_output=True, timeout=30).stdout
        return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def changed_box(before, after, box):
    """The bounding box (x, y, w, h) of the last icon-sized run of changed columns between two
    shots of `box`: the tray sits at the panel's end, while the panel may also redraw its other
    plugins and its border as an item arrives."""
    x0, y0, w, _ = box
    points = [(i % w, i // w) for i, (a, b) in enumerate(zip(before, after)) if a != b]
    runs = []
    for column in sorted({p[0] for p in points}):
        if runs and column - runs[-1][1] <= 4:
            runs[-1][1] = column
        else:
            runs.append([column, column])
    runs = [r for r in runs if r[1] - r[0] >= 8]
    if not runs:
        return None
    points = [p for p in points if runs[-1][0] <= p[0] <= runs[-1][1]]
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return (x0 + min(xs), y0 + min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


def background(pixels):
    """The colour most pixels have."""
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    return max(counts, key=counts.get)


class RealPanelTest(harness.DesktopTest):
    """Under a real panel (started by each test), the real portal and dunst."""

    SERVICES = ()
    # The dark panel and the light one, as the tests switch between them.
    PANEL_CLASS = None
    MENU_CLASS = None

    @classmethod
    def setUpClass(cls):
        harness.check_environment()
        cls.desktop = RealDesktop(xclient=harness.XCLIENT)
        try:
            cls.desktop.start_x()
            cls.desktop.start_bus_with(list(cls.SERVICES) + ['portal'])
            cls.desktop.start_portal(None)
            cls.desktop.start_dunst()
            # The panels draw an item's menu themselves: what they ask of it shows they did.
            cls.desktop.spawn('dbusmenu', ['dbus-monitor', '--address', cls.desktop.bus_address,
                                           "type='method_call',interface='com.canonical.dbusmenu'"])
            cls.bus = dbus.bus.BusConnection(cls.desktop.bus_address)
        except BaseException:
            cls.desktop.close()
            raise

    def setUp(self):
        super().setUp()
        self.desktop.set_scheme(None)
        self.addCleanup(self.desktop.set_scheme, None)

    def start_panel(self, **options):
        """Starts the panel; returns its strip and a shot of it before the icon shows."""
        raise NotImplementedError

    def panel_with_icon(self, fn_state, **options):
        """The panel, the program on it and the icon's box once it is drawn there."""
        strip = self.start_panel(**options)
        self.addCleanup(self.desktop.stop, self.PANEL_CLASS)
        bare = self.desktop.screenshot(strip)
        app = self.launch(fn_state)
        # The icon's box: what the program's icon changed on the panel, once it stays put.
        last = []

        def settled():
            box = changed_box(bare, self.desktop.screenshot(strip), strip)
            last.append(box)
            return box if box and last[-2:] == [box, box] else None
        box = self.wait(settled, 'the icon on the panel', 30, app)
        return app, strip, box

    def click(self, box, button, *keys):
        x, y, w, h = box
        args = ['mousemove', str(x + w // 2), str(y + h // 2)]
        for key in keys:
            args += ['keydown', key]
        args += ['click', str(button)]
        for key in keys:
            args += ['keyup', key]
        self.xdotool(*args)

    def move_away(self):
        # A hovered item is drawn highlighted.
        self.xdotool('mousemove', str(desktop.SCREEN[0] // 2), str(desktop.SCREEN[1] // 2))

    def dbusmenu_calls(self):
        with open(self.desktop.log_path('dbusmenu.out'), encoding='utf-8', errors='replace') as f:
            text = f.read()
        return [m for m in ('AboutToShow', 'GetLayout', 'Event') if f'member={m}' in text]

    def panel_menu(self, strip, app):
        """The window in which the panel draws the item's menu, once it shows."""
        def shown():
            for window in self.desktop.windows(['--onlyvisible', '--classname', self.MENU_CLASS]):
                info = desktop.window_info(self.desktop, window)
                box = info and (info['x'], info['y'], info['w'], info['h'])
                if box and info['viewable'] and box != strip and info['h'] > 40:
                    return box
            return None
        return self.wait(shown, 'the panel\'s menu window', 20, app)

    def assert_notified(self, app, fn_state, seen):
        """The switch to `fn_state` took place and dunst showed it, after `seen` notifications."""
        expected = (harness.TITLE, harness.BODY[fn_state], 'Vantel')
        notes = self.wait(lambda: self.desktop.dunst_history()[seen:], 'dunst to show the switch',
                          30, app)
        self.assertEqual([expected], notes)
        self.assertEqual(fn_state, self.desktop.fn_state())
        return seen + 1

    def check_menu_and_clicks(self, **options):
        """Right click: the panel's menu for the item, whose switch entry toggles; left click
        toggles back; dunst shows both."""
        app, strip, box = self.panel_with_icon(False, **options)
        seen = len(self.desktop.dunst_history())
        self.click(box, 3)
        menu = self.panel_menu(strip, app)
        self.wait(lambda: 'AboutToShow' in self.dbusmenu_calls() or None,
                  'the panel to ask for the item\'s menu', 10, app)
        # The first entry only tells the mode; the keyboard passes over it to the switch.
        self.xdotool('mousemove', str(menu[0] + 5), str(menu[1] + 5), 'key', 'Down', 'Return')
        seen = self.assert_notified(app, True, seen)
        self.assertIn('Event', self.dbusmenu_calls())
        self.click(box, 1)
        self.assert_notified(app, False, seen)

    def contrast(self, strip, box):
        """The contrast of the icon's marks against the panel around them."""
        panel = background(self.desktop.screenshot(strip))
        pixels = self.desktop.screenshot(box)
        far = sorted(pixels, key=lambda p: -sum(abs(p[i] - panel[i]) for i in range(3)))
        marks = far[:max(len(far) // 12, 1)]
        mark = tuple(sum(p[i] for p in marks) // len(marks) for i in range(3))
        return contrast_ratio(mark, panel)

    def wait_legible(self, app, strip, box, minimum=3.0):
        """Waits until the icon stands out and still does a second later: a change on its way
        could otherwise pass for the result."""
        def steady():
            first = self.contrast(strip, box)
            if first < minimum:
                return None
            time.sleep(1.0)
            second = self.contrast(strip, box)
            return second if second >= minimum else None
        return self.wait(steady, f'a contrast of {minimum} : 1', 15, app)

    def set_panel_dark(self, dark):
        raise NotImplementedError

    def check_colours(self, steps, **options):
        """The icon stands out after each step: the panel turned dark or light, the desktop's
        scheme set to dark, light or no preference (None)."""
        app, strip, box = self.panel_with_icon(False, **options)
        self.move_away()
        for dark, scheme in steps:
            with self.subTest(panel_dark=dark, scheme=scheme):
                self.set_panel_dark(dark)
                self.desktop.set_scheme(scheme)
                ratio = self.wait_legible(app, strip, box)
                # The figures docs/panel-hosts.md records, for each release's panels.
                print(f'{type(self).__name__}: panel dark={dark} scheme={scheme}: '
                      f'contrast {ratio:.1f} : 1', flush=True)
