# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""sway with waybar as its bar and tray, run headless by an unprivileged user.

sway refuses to run as root, and the tests run as root in CI: every process of this desktop runs
as `nobody` (through setpriv, tied to the test like the rest), with a HOME, XDG_RUNTIME_DIR and
session bus of its own under a temporary directory that user owns.
"""

import json
import os
import pwd
import shutil
import tempfile

import desktop
from desktop import wait_until
from wayland import accepts

USER = 'nobody'
BAR_HEIGHT = 28
SWAY_CONFIG = 'output HEADLESS-1 resolution {w}x{h} bg #000000 solid_color\n'
# waybar's own bar colour, half see-through over sway's black; the tray takes the bar's colour
# rather than a highlight of its own, so that the icon is seen against the bar itself. Its tray
# is the notifier host and draws named icons as their files are.
WAYBAR_STYLE = '''window#waybar { background-color: rgba(43, 48, 59, 0.5); }
#tray { background-color: transparent; padding: 0 6px; }
'''
WAYBAR_CONFIG = {'layer': 'top', 'position': 'top', 'height': BAR_HEIGHT,
                 'modules-right': ['tray'],
                 'tray': {'icon-size': 22, 'spacing': 4}}


def usable():
    """Why the desktop cannot run here, or None."""
    for tool in ('sway', 'waybar', 'grim', 'setpriv', 'dbus-daemon'):
        if not shutil.which(tool):
            return f'{tool} is not installed'
    try:
        pwd.getpwnam(USER)
    except KeyError:
        return f'there is no user {USER}'
    return None


class SwayDesktop(desktop.Desktop):
    """The private desktop, every process of it running as an unprivileged user."""

    def __init__(self, **kwargs):
        entry = pwd.getpwnam(USER)
        self.uid, self.gid = entry.pw_uid, entry.pw_gid
        root = tempfile.mkdtemp(prefix='vantel-e2e-sway-')
        super().__init__(root=root, **kwargs)
        self.env.update(USER=USER, LOGNAME=USER, XDG_SESSION_TYPE='wayland',
                        WLR_BACKENDS='headless', WLR_LIBINPUT_NO_DEVICES='1')
        self.env.pop('DISPLAY', None)
        os.chmod(root, 0o755)
        for folder, _, files in os.walk(root):
            os.chown(folder, self.uid, self.gid)
            for name in files:
                os.chown(os.path.join(folder, name), self.uid, self.gid)

    def as_user(self, argv):
        # The parent's death reaches the user's process too, as it does the test's own.
        return ['setpriv', f'--reuid={self.uid}', f'--regid={self.gid}', '--clear-groups',
                '--pdeathsig', 'KILL', '--'] + list(argv)

    def spawn(self, name, argv, env=None, stdout=None, stderr=None, pass_fds=()):
        return super().spawn(name, self.as_user(argv), env, stdout, stderr, pass_fds)

    def run(self, argv, check=True, env=None, timeout=30, **kwargs):
        return super().run(self.as_user(argv), check, env, timeout, **kwargs)

    def write(self, name, text):
        path = os.path.join(self.root, name)
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text)
        os.chown(path, self.uid, self.gid)
        return path

    def start_sway(self):
        """sway and its bar, once the bar's tray is there to hold icons."""
        bar_config = self.write('waybar.json', json.dumps(WAYBAR_CONFIG))
        config = self.write('sway.conf', SWAY_CONFIG.format(w=desktop.SCREEN[0],
                                                            h=desktop.SCREEN[1]))
        self.spawn('sway', ['sway', '-c', config])
        found = wait_until(self._wayland_socket, 30, 'sway to listen')
        self.env['WAYLAND_DISPLAY'] = found
        # waybar asks sway about its bars through this socket, and fails without it.
        self.env['SWAYSOCK'] = wait_until(self._ipc_socket, 30, 'sway\'s IPC socket')
        style = self.write('waybar.css', WAYBAR_STYLE)
        self.spawn('waybar', ['waybar', '-c', bar_config, '-s', style])
        wait_until(self._tray_watcher, 30, 'waybar\'s tray to watch for items')

    def _wayland_socket(self):
        if self.procs['sway'].poll() is not None:
            raise RuntimeError(f'sway ended with status {self.procs["sway"].returncode}')
        for name in sorted(os.listdir(self.runtime)):
            if name.startswith('wayland-') and not name.endswith('.lock') and \
                    accepts(os.path.join(self.runtime, name)):
                return name
        return None

    def _ipc_socket(self):
        for name in os.listdir(self.runtime):
            if name.startswith('sway-ipc.') and accepts(os.path.join(self.runtime, name)):
                return os.path.join(self.runtime, name)
        return None

    def _tray_watcher(self):
        found = self.run(['dbus-send', '--session', '--print-reply', '--dest=org.freedesktop.DBus',
                          '/org/freedesktop/DBus', 'org.freedesktop.DBus.NameHasOwner',
                          'string:org.kde.StatusNotifierWatcher'], check=False)
        return 'boolean true' in found.stdout

    def screenshot(self, box):
        """The pixels of `box` (x, y, w, h) as (r, g, b) tuples."""
        x, y, w, h = box
        shot = os.path.join(self.root, 'shot.ppm')
        self.run(['grim', '-t', 'ppm', '-g', f'{x},{y} {w}x{h}', shot])
        with open(shot, 'rb') as f:
            data = f.read()
        # P6, width, height, maximum, each ended by one blank; then the pixels.
        fields, at = [], 0
        while len(fields) < 4:
            end = at
            while data[end:end + 1] not in (b' ', b'\n', b'\t', b'\r'):
                end += 1
            if end > at:
                fields.append(data[at:end])
            at = end + 1
        pixels = data[at:]
        return [tuple(pixels[i:i + 3]) for i in range(0, len(pixels), 3)]

