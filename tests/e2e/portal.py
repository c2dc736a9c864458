#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""A desktop portal with global shortcuts, for tests, on a private session bus.

    portal.py [--no-shortcuts] [--bind-on-create]

Owns org.freedesktop.portal.Desktop and answers as xdg-desktop-portal does: each call returns a
request handle at once and answers later through org.freedesktop.portal.Request.Response,
unicast to the caller, at /org/freedesktop/portal/desktop/request/SENDER/TOKEN. With
--no-shortcuts it is a portal without the GlobalShortcuts interface, as on some desktops. The
shortcuts CreateSession's options carry are bound only with --bind-on-create, whose answer then
lists them; without it only BindShortcuts binds.

Tests steer it through the interface org.vantel.test.Portal of the same object:
    Configure(s answer, d delay, b other_handle, b early)
        answer: "ok", "cancel" (response 1), "error" (response 2), "listed-as-error" (response 2
        with the shortcuts listed as bound, as GNOME answers after its dialog) or "never", for
        CreateSession with --bind-on-create, else for BindShortcuts;
        delay: seconds before the answer; other_handle: answer at a path other than the
        predicted one; early: send the answer before the method's own reply.
    Press(s session, s id, b release)  Activated (or Deactivated) unicast to the session's owner;
        an empty session means the newest one, an unknown one is sent to its owner all the same.
    CloseFromDesktop(s session)        the desktop ends the session (Session.Closed).
    Events() -> s                      everything that happened, as a JSON list.
Like xdg-desktop-portal 1.19 and later it offers org.freedesktop.host.portal.Registry, and takes
Register only as a connection's first call (logged as "register").
Prints "ready" once the names are owned.
"""

import itertools
import json
import sys
import time

import dbus
import dbus.lowlevel
import dbus.service
from gi.repository import GLib

from services import serve, session_bus

PORTAL = 'org.freedesktop.portal.Desktop'
PATH = '/org/freedesktop/portal/desktop'
SHORTCUTS = 'org.freedesktop.portal.GlobalShortcuts'
REQUEST = 'org.freedesktop.portal.Request'
SESSION = 'org.freedesktop.portal.Session'
CONTROL = 'org.vantel.test.Portal'
RESPONSES = {'ok': 0, 'cancel': 1, 'error': 2, 'listed-as-error': 2}
LISTING = ('ok', 'listed-as-error')
REGISTRY = 'org.freedesktop.host.portal.Registry'


def listed(shortcuts):
    return [{'id': str(i), **{str(k): str(v) for k, v in p.items()}} for i, p in shortcuts]


def bound(shortcuts):
    return dbus.Array([dbus.Struct((s['id'], {'description': s.get('description', ''),
                                              'trigger_description': 'Super+Alt+F'}),
                                   signature='sa{sv}') for s in shortcuts],
                      signature='(sa{sv})')


def unicast(bus, destination, path, interface, member, signature, *args):
    message = dbus.lowlevel.SignalMessage(path, interface, member)
    message.set_destination(destination)
    message.append(*args, signature=signature)
    bus.send_message(message)


class Session(dbus.service.Object):
    def __init__(self, portal, path, owner):
        super().__init__(portal.bus, path)
        self.portal = portal
        self.path = path
        self.owner = owner
        self.open = True

    @dbus.service.method(SESSION, sender_keyword='sender')
    def Close(self, sender=None):
        self.portal.log(event='close', session=self.path, sender=str(sender))
        self.end()

    def end(self):
        if self.open:
            self.open = False
            self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus, shortcuts, bind_on_create):
        super().__init__(bus, PATH)
        self.bus = bus
        self.shortcuts = shortcuts
        self.bind_on_create = bind_on_create
        self.events = []
        self.callers = set()
        self.sessions = {}
        self.numbers = itertools.count(1)
        self.answer, self.delay, self.other_handle, self.early = 'ok', 0.0, False, False

    def log(self, **event):
        event['time'] = time.monotonic()
        self.events.append(event)
        if 'sender' in event:
            self.callers.add(event['sender'])

    def require_shortcuts(self):
        if not self.shortcuts:
            raise dbus.exceptions.DBusException(
                f'No such interface "{SHORTCUTS}"', name='org.freedesktop.DBus.Error.UnknownMethod')

    def request_path(self, sender, options):
        name = sender[1:].replace('.', '_')
        token = str(options.get('handle_token', f'portal{next(self.numbers)}'))
        if self.other_handle:
            token = f'other{next(self.numbers)}'
        return f'{PATH}/request/{name}/{token}'

    def respond(self, sender, path, response, results, signature):
        def send():
            unicast(self.bus, sender, path, REQUEST, 'Response', 'ua{sv}',
                    dbus.UInt32(response), dbus.Dictionary(results, signature=signature))
            self.log(event='response', path=path, response=response)
            return False
        if response is None:
            return
        if self.early:
            send()
        elif self.delay:
            GLib.timeout_add(int(self.delay * 1000), send)
        else:
            GLib.idle_add(send)

    @dbus.service.method(SHORTCUTS, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender=None):
        self.require_shortcuts()
        path = self.request_path(sender, options)
        name = sender[1:].replace('.', '_')
        session_path = f'{PATH}/session/{name}/{options.get("session_handle_token", "s")}'
        self.sessions[session_path] = Session(self, session_path, str(sender))
        wanted = listed(options.get('shortcuts', []))
        self.log(event='create_session', sender=str(sender), request=path,
                 predicted=not self.other_handle, session=session_path, shortcuts=wanted)
        results = {'session_handle': dbus.String(session_path)}
        response = 0
        if self.bind_on_create:
            response = RESPONSES.get(self.answer)
            if self.answer in LISTING:
                results['shortcuts'] = bound(wanted)
        self.respond(sender, path, response, results, 'sv')
        return dbus.ObjectPath(path)

    @dbus.service.method(SHORTCUTS, in_signature='oa(sa{sv})sa{sv}', out_signature='o',
                         sender_keyword='sender')
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
        self.require_shortcuts()
        path = self.request_path(sender, options)
        wanted = listed(shortcuts)
        self.log(event='bind', sender=str(sender), session=str(session), shortcuts=wanted,
                 parent_window=str(parent_window), request=path)
        self.respond(sender, path, RESPONSES.get(self.answer),
                     {'shortcuts': bound(wanted)} if self.answer in LISTING else {}, 'sv')
        return dbus.ObjectPath(path)

    @dbus.service.method(REGISTRY, in_signature='sa{sv}', sender_keyword='sender')
    def Register(self, app_id, options, sender=None):
        first = str(sender) not in self.callers
        self.log(event='register', sender=str(sender), app_id=str(app_id), first=first)
        if not first:
            raise dbus.exceptions.DBusException(
                'Connection already associated with an application ID',
                name='org.freedesktop.portal.Error.Failed')

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        if str(interface) != SHORTCUTS or not self.shortcuts:
            raise dbus.exceptions.DBusException(
                'No such interface', name='org.freedesktop.DBus.Error.UnknownInterface')
        return dbus.UInt32(1)

    # The tests' side ---------------------------------------------------------------------------

    @dbus.service.method(CONTROL, in_signature='sdbb')
    def Configure(self, answer, delay, other_handle, early):
        self.answer, self.delay = str(answer), float(delay)
        self.other_handle, self.early = bool(other_handle), bool(early)

    def session(self, path):
        open_sessions = [s for s in self.sessions.values() if s.open]
        if not path:
            return open_sessions[-1] if open_sessions else None
        return self.sessions.get(str(path))

    @dbus.service.method(CONTROL, in_signature='ssb')
    def Press(self, session, shortcut, release):
        # A session path the portal never made still goes to the newest session's owner, as a
        # press of another program's session would if the portal broadcast it.
        target = self.session(session) or self.session('')
        owner = target.owner if target else ''
        path = session or (target.path if target else '/')
        member = 'Deactivated' if release else 'Activated'
        sent_at = time.monotonic()
        if owner:
            unicast(self.bus, owner, PATH, SHORTCUTS, member, 'osta{sv}', dbus.ObjectPath(path),
                    str(shortcut), dbus.UInt64(int(time.monotonic() * 1000)),
                    dbus.Dictionary({}, signature='sv'))
        self.log(event=member.lower(), session=path, id=str(shortcut), sent=bool(owner),
                 sent_at=sent_at)

    @dbus.service.method(CONTROL, in_signature='s')
    def CloseFromDesktop(self, session):
        target = self.session(session)
        if target and target.open:
            unicast(self.bus, target.owner, target.path, SESSION, 'Closed', 'a{sv}',
                    dbus.Dictionary({}, signature='sv'))
            target.end()
            self.log(event='closed_by_desktop', session=target.path)

    @dbus.service.method(CONTROL, out_signature='s')
    def Events(self):
        return json.dumps(self.events)


def main():
    bus = session_bus()
    options = sys.argv[1:]
    return serve(bus, Portal(bus, '--no-shortcuts' not in options, '--bind-on-create' in options),
                 PORTAL)


if __name__ == '__main__':
    sys.exit(main())
