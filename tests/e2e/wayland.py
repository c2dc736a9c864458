# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""A headless Wayland compositor and a desktop portal of the tests' own, for the private desktop."""

import json
import os
import shutil
import socket
import subprocess
import tempfile

import dbus

from desktop import PYTHON, HERE, wait_until

PORTAL_NAME = 'org.freedesktop.portal.Desktop'
PORTAL_PATH = '/org/freedesktop/portal/desktop'
CONTROL = 'org.vantel.test.Portal'
PLATFORMS = '/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms'


def accepts(path):
    probe = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        probe.connect(path)
        return True
    except OSError:
        return False
    finally:
        probe.close()


def start_weston(desktop, name='wayland-e2e'):
    """Weston without any output device, its socket in the desktop's XDG_RUNTIME_DIR."""
    desktop.spawn('weston', ['weston', '--backend=headless-backend.so', f'--socket={name}',
                             '--no-config', '--idle-time=0'])
    wait_until(lambda: accepts(os.path.join(desktop.runtime, name)), 15, 'weston to listen')
    return name


class Portal:
    """The tests' own portal process (portal.py) and the tests' side of it."""

    def __init__(self, desktop, bus, shortcuts=True):
        self.desktop = desktop
        self.bus = bus
        argv = [PYTHON, os.path.join(HERE, 'portal.py')] + ([] if shortcuts else ['--no-shortcuts'])
        proc = desktop.spawn('portal', argv, stdout=subprocess.PIPE)
        line = proc.stdout.readline().decode().strip()
        proc.stdout.close()
        if line != 'ready':
            raise RuntimeError(f'the portal did not start (see {desktop.logs})')

    def stop(self):
        self.desktop.stop('portal')

    def _control(self):
        return dbus.Interface(self.bus.get_object(PORTAL_NAME, PORTAL_PATH, introspect=False),
                              CONTROL)

    def configure(self, answer='ok', delay=0.0, other_handle=False, early=False):
        self._control().Configure(answer, delay, other_handle, early)

    def press(self, session='', shortcut='toggle', release=False):
        self._control().Press(session, shortcut, release)

    def events(self, kind):
        return [e for e in json.loads(str(self._control().Events())) if e['event'] == kind]

    def bind_answered(self):
        requests = {b['request'] for b in self.events('bind')}
        return [r for r in self.events('response') if r['path'] in requests]


class PlatformsWithoutWayland:
    """Qt's platform plugin directory without the Wayland plugins, mounted over the real one in
    a private mount namespace of the program alone."""

    def __init__(self):
        self.copy = tempfile.mkdtemp(prefix='vantel-platforms-')
        for name in os.listdir(PLATFORMS):
            if 'wayland' not in name:
                shutil.copy2(os.path.join(PLATFORMS, name), self.copy)

    def usable(self):
        probe = subprocess.run(['unshare', '--mount', '--propagation', 'private', 'true'],
                               capture_output=True, check=False)
        return probe.returncode == 0

    def wrap(self, argv):
        """argv run with the copy in place of the real directory; unshare and sh exec, so the
        program keeps the process id it was started with."""
        script = 'mount --bind "$1" "$2" && shift 2 && exec "$@"'
        return ['unshare', '--mount', '--propagation', 'private', 'sh', '-c', script, 'sh',
                self.copy, PLATFORMS] + argv

    def close(self):
        shutil.rmtree(self.copy, ignore_errors=True)
