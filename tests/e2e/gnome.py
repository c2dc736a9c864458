# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""GNOME Shell (43 on Debian 12, 48 on Debian 13) run headless as a Wayland compositor, with
Vantel's extension for that shell turned on.

The shell runs on a private session bus that starts only dconf (its settings) and the shell's
notification server, and reaches a private system bus of its own: where the machine has seats
the shell asks logind there and gives up when no system bus answers at all. The extension is
installed for the private user, as `gnome-extensions install` would, and turned on in the
private settings before the shell starts. The shell ends its start in the overview, where new
windows get no focus; the tests leave it through the shell's own bus property.
"""

import os
import shutil
import subprocess

import desktop
from desktop import BUS_CONFIG, wait_until
from wayland import accepts



def shell_version():
    """The installed shell's major version, or None without a shell."""
    try:
        found = subprocess.run(['gnome-shell', '--version'], capture_output=True, text=True,
                               check=False)
    except OSError:
        return None
    words = found.stdout.split()
    return int(words[-1].split('.')[0]) if words and words[-1][:1].isdigit() else None


# Shells from 45 on load extensions as modules, a build of their own.
MODULES = (shell_version() or 0) >= 45
SOURCE = os.path.normpath(os.path.join(desktop.HERE, '..', '..', 'data', 'gnome-shell',
                                       '45' if MODULES else '43'))
EXTENSION = 'focus-45@vantel.org' if MODULES else 'focus@vantel.org'
SERVICE_FILES = ['/usr/share/dbus-1/services/ca.desrt.dconf.service',
                 '/usr/share/dbus-1/services/org.gnome.Shell.Notifications.service']
SOCKET = 'wayland-gnome'


def usable():
    """Why the shell cannot run here, or None."""
    for program in ('gnome-shell', 'gjs', 'gsettings', 'gdbus'):
        if not shutil.which(program):
            return f'{program} is not installed'
    for path in SERVICE_FILES:
        if not os.path.exists(path):
            return f'{path} is missing'
    return None


class GnomeDesktop(desktop.Desktop):
    """The private desktop, with GNOME Shell as its compositor."""

    def __init__(self, **kwargs):
        super().__init__(**kwargs)
        self.env.update(XDG_SESSION_TYPE='wayland', XDG_CURRENT_DESKTOP='GNOME',
                        GSETTINGS_BACKEND='dconf')
        self.env.pop('DISPLAY', None)
        self.applications = os.path.join(self.env['XDG_DATA_HOME'], 'applications')
        os.makedirs(self.applications)

    def start_shell(self):
        self._start_system_bus()
        self.start_bus(SERVICE_FILES)
        target = os.path.join(self.env['XDG_DATA_HOME'], 'gnome-shell', 'extensions', EXTENSION)
        shutil.copytree(SOURCE, target)
        self.gsettings('disable-user-extensions', 'false')
        self.gsettings('enabled-extensions', f"['{EXTENSION}']")
        self.spawn('gnome-shell', ['gnome-shell', '--headless', '--wayland', '--no-x11',
                                   '--wayland-display', SOCKET, '--virtual-monitor',
                                   f'{desktop.SCREEN[0]}x{desktop.SCREEN[1]}'])
        wait_until(lambda: self._running() and accepts(os.path.join(self.runtime, SOCKET)), 60,
                   'GNOME Shell to listen')
        self.env['WAYLAND_DISPLAY'] = SOCKET
        wait_until(lambda: self.extension_state() == 1, 60, 'the extension to run')
        # The start-up animation ends in the overview, and the shell logs its end: leaving the
        # overview before that does not last.
        wait_until(self._started, 60, 'the shell to finish starting')
        wait_until(self._leave_overview, 30, 'the shell to leave its overview')

    def _start_system_bus(self):
        conf = os.path.join(self.root, 'system-bus.conf')
        with open(conf, 'w', encoding='utf-8') as f:
            f.write(BUS_CONFIG.replace('<type>session', '<type>system').format(
                socket=os.path.join(self.root, 'system-bus'), servicedirs=''))
        proc = self.spawn('system-bus', ['dbus-daemon', '--nofork', '--config-file=' + conf,
                                         '--print-address=1'], stdout=subprocess.PIPE)
        address = proc.stdout.readline().decode().strip()
        proc.stdout.close()
        if not address:
            raise RuntimeError('the private system bus did not start')
        self.env['DBUS_SYSTEM_BUS_ADDRESS'] = address

    def _running(self):
        proc = self.procs['gnome-shell']
        if proc.poll() is not None:
            raise RuntimeError(f'GNOME Shell ended with status {proc.returncode} (see '
                               f'{self.log_path("gnome-shell.err")})')
        return True

    def _started(self):
        self._running()
        with open(self.log_path('gnome-shell.err'), encoding='utf-8', errors='replace') as f:
            return 'GNOME Shell started at' in f.read()

    def gsettings(self, key, value):
        self.run(['gsettings', 'set', 'org.gnome.shell', key, value])

    def shell(self, interface, method, *args):
        """A call to the shell at /org/gnome/Shell; gdbus's printed answer, or None."""
        found = self.run(['gdbus', 'call', '--session', '--dest', 'org.gnome.Shell',
                          '--object-path', '/org/gnome/Shell', '--method',
                          f'{interface}.{method}'] + list(args), check=False)
        return found.stdout if found.returncode == 0 else None

    def extension_state(self):
        info = self.shell('org.gnome.Shell.Extensions', 'GetExtensionInfo', EXTENSION) or ''
        marker = "'state': <"
        at = info.find(marker)
        return float(info[at + len(marker):info.index('>', at)]) if at >= 0 else None

    def _leave_overview(self):
        prop = ['org.gnome.Shell', 'OverviewActive']
        self.shell('org.freedesktop.DBus.Properties', 'Set', *prop, '<false>')
        return '<false>' in (self.shell('org.freedesktop.DBus.Properties', 'Get', *prop) or '')

    # Applications ------------------------------------------------------------------------------

    def add_application(self, app_id, name):
        """A desktop file, through which the shell knows windows of `app_id` as `name`."""
        with open(os.path.join(self.applications, app_id + '.desktop'), 'w',
                  encoding='utf-8') as f:
            f.write(f'[Desktop Entry]\nType=Application\nName={name}\nExec=true\n')

    def open_window(self, program, app_id):
        """Shows a window of `app_id`; new windows take the focus."""
        out = self.log_path(app_id + '.out')
        if os.path.exists(out):
            os.remove(out)
        self.spawn(app_id, [program, app_id], env=dict(self.env, QT_QPA_PLATFORM='wayland'))

        def shown():
            if self.procs[app_id].poll() is not None:
                raise RuntimeError(f'the window of {app_id} ended')
            with open(out, encoding='utf-8') as f:
                return 'shown' in f.read()
        wait_until(shown, 30, f'the window of {app_id} to show')

    def close_window(self, app_id):
        self.stop(app_id)
