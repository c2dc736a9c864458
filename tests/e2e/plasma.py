# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""KDE Plasma 5.27's own programs on the private desktop: plasmashell's panel on the X server, or
KWin headless with the desktop portal and KDE's portal backend.

Plasma starts helpers on demand over the session bus (kded5 for the tray's watcher, for one), so
its bus gets a service directory of its own holding only the service files the scenario needs;
with the stock one, whatever else is installed would answer too. Nothing reaches the machine's
system bus.
"""

import itertools
import os
import shutil

import dbus

from desktop import transient, wait_until
from wayland import accepts

SERVICE_FILES = '/usr/share/dbus-1/services'
KWIN = '/usr/bin/kwin_wayland'
PORTAL = '/usr/libexec/xdg-desktop-portal'
PORTAL_KDE = '/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde'
# Plasma 6 renamed its module daemon with its frameworks' major version.
VERSION = 6 if os.access('/usr/bin/kded6', os.X_OK) else 5
KDED = f'kded{VERSION}'
# What the panel's tray tells screen readers its expanding button is called.
TRAY_EXPANDER = 'Show hidden icons' if VERSION == 6 else 'Expand System Tray'


def installed():
    """What of Plasma is missing here, as a reason to skip; None when everything is."""
    for program in (KWIN, PORTAL, PORTAL_KDE, '/usr/bin/plasmashell', f'/usr/bin/{KDED}'):
        if not os.access(program, os.X_OK):
            return f'{program} is not installed'
    return None


def prepare(desktop):
    """The environment Plasma's programs read, set before anything is started: services that
    the bus starts inherit the bus's environment."""
    desktop.env.update(
        XDG_CURRENT_DESKTOP='KDE', KDE_FULL_SESSION='true', KDE_SESSION_VERSION=str(VERSION),
        QT_QUICK_BACKEND='software')


def start_bus(desktop, services):
    """A session bus that starts on demand only the named services of Debian's; Plasma 6 ships
    no file for those it runs inside another program (kglobalaccel inside KWin)."""
    files = [os.path.join(SERVICE_FILES, name + '.service') for name in services]
    desktop.start_bus([f for f in files if VERSION == 5 or os.path.exists(f)])


def owned(bus, name):
    return bool(bus.name_has_owner(name))


def start_plasmashell(desktop, bus):
    """The panel with its system tray on the X server; kded, started on demand, is the tray's
    watcher, plasmashell itself the notification server."""
    # Published to screen readers, the tray tells where each item is. Qt 5 finds the screen
    # readers' bus at once through the root window's property, where asking the bus for it
    # sometimes never ends in a connection.
    desktop.run(['xprop', '-root', '-f', 'AT_SPI_BUS', '8s', '-set', 'AT_SPI_BUS',
                 desktop.bus_address])
    desktop.spawn('plasmashell', ['plasmashell', '--no-respawn'],
                  env=dict(desktop.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
    wait_until(lambda: owned(bus, 'org.kde.StatusNotifierWatcher'), 60,
               f'{KDED} to watch for status items')
    wait_until(lambda: owned(bus, 'org.freedesktop.Notifications'), 60,
               'plasmashell to serve notifications')


def start_kwin(desktop, bus, socket='wayland-kde'):
    """KWin without any output device; kglobalaccel runs inside it. The binary carries a file
    capability that a container refuses, which a plain copy drops."""
    copy = os.path.join(desktop.root, 'kwin_wayland')
    shutil.copy(KWIN, copy)
    env = dict(desktop.env, KWIN_WAYLAND_NO_PERMISSION_CHECKS='1')
    desktop.spawn('kwin', [copy, '--virtual', '--socket', socket, '--width', '1024',
                           '--height', '768'], env=env)
    wait_until(lambda: accepts(os.path.join(desktop.runtime, socket)), 60, 'KWin to listen')
    wait_until(lambda: owned(bus, 'org.kde.kglobalaccel'), 60, 'KWin\'s global shortcuts')
    return socket


def scripting(bus):
    return dbus.Interface(bus.get_object('org.kde.KWin', '/Scripting', introspect=False),
                          'org.kde.kwin.Scripting')


def wait_for_scripting(bus):
    """KWin offers its scripting a little after it takes its name on the bus."""
    def offered():
        try:
            scripting(bus).isScriptLoaded('none')
            return True
        except dbus.DBusException as error:
            if transient(error):
                return False
            raise
    wait_until(offered, 60, 'KWin\'s scripting')


_scripts = itertools.count()


def run_script(desktop, bus, text, name=None):
    """Loads and starts `text` as a KWin script named `name` (one of its own by default); KWin
    runs it a moment later."""
    number = next(_scripts)
    path = os.path.join(desktop.root, f'kwin-script-{number}.js')
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)
    script_id = scripting(bus).loadScript(path, name or f'e2e-{number}')
    # Plasma 6 puts the script under /Scripting, Plasma 5 at the root.
    for path in (f'/Scripting/Script{script_id}', f'/{script_id}'):
        try:
            bus.get_object('org.kde.KWin', path, introspect=False).run(
                dbus_interface='org.kde.kwin.Script')
            return
        except dbus.DBusException as error:
            if error.get_dbus_name() != 'org.freedesktop.DBus.Error.UnknownObject':
                raise
    raise AssertionError(f'KWin loaded script {script_id} but offers no way to start it')


def activate(desktop, bus, app_id):
    """Brings the window of `app_id` to the front, as a click on it would."""
    run_script(desktop, bus, f'''
        const windows = workspace.windowList ? workspace.windowList() : workspace.clientList();
        for (const window of windows) {{
            if (window.desktopFileName !== {app_id!r})
                continue;
            if (workspace.windowList)
                workspace.activeWindow = window;
            else
                workspace.activeClient = window;
        }}''')


def start_portal(desktop, bus, wayland):
    """xdg-desktop-portal with KDE's backend, both on KWin."""
    env = dict(desktop.env, WAYLAND_DISPLAY=wayland, QT_QPA_PLATFORM='wayland')
    env.pop('DISPLAY', None)
    desktop.spawn('portal-kde', [PORTAL_KDE], env=env)
    wait_until(lambda: owned(bus, 'org.freedesktop.impl.portal.desktop.kde'), 60,
               'KDE\'s portal backend')
    desktop.spawn('portal', [PORTAL], env=env)
    wait_until(lambda: owned(bus, 'org.freedesktop.portal.Desktop'), 60, 'the desktop portal')


def components(bus):
    """The names kglobalaccel knows components by, with their shortcuts' names."""
    accel = bus.get_object('org.kde.kglobalaccel', '/kglobalaccel', introspect=False)
    found = {}
    for path in accel.allComponents(dbus_interface='org.kde.KGlobalAccel'):
        component = bus.get_object('org.kde.kglobalaccel', path, introspect=False)
        names = component.shortcutNames(dbus_interface='org.kde.kglobalaccel.Component')
        found[str(path).rsplit('/', 1)[-1]] = [str(n) for n in names]
    return found


class Monitor:
    """Every method call on the bus and its answer, as dbus-monitor shows them: what the
    desktop's programs asked of each other, with no stand-in in between."""

    def __init__(self, desktop, bus, name='monitor'):
        self.path = desktop.log_path(name + '.out')
        desktop.spawn(name, ['dbus-monitor', '--address', desktop.bus_address,
                             "type='method_call'", "type='method_return'", "type='error'"])
        daemon = bus.get_object('org.freedesktop.DBus', '/org/freedesktop/DBus', introspect=False)

        def watching():
            daemon.GetId(dbus_interface='org.freedesktop.DBus')
            return self.calls('GetId')
        wait_until(watching, 10, 'dbus-monitor to watch the bus')

    def messages(self):
        """Each message as a dict of its header fields, with 'kind' and the lines of 'args'."""
        found = []
        with open(self.path, encoding='utf-8', errors='replace') as f:
            for line in f:
                if line.startswith((' ', '\t')):
                    if found:
                        found[-1]['args'].append(line.strip())
                    continue
                kind, _, rest = line.partition(' time=')
                fields = {'kind': kind, 'args': []}
                for word in rest.replace(';', ' ').split():
                    key, _, value = word.partition('=')
                    fields[key] = value
                found.append(fields)
        return found

    def calls(self, member, interface=None):
        return [m for m in self.messages() if m['kind'] == 'method call' and
                m.get('member') == member and interface in (None, m.get('interface'))]

    def answered(self, call):
        """Whether the call got a reply, not an error."""
        return any(m['kind'] == 'method return' and m.get('reply_serial') == call['serial'] and
                   m.get('destination') == call['sender'] for m in self.messages())
