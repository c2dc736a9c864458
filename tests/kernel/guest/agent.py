#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The tests' hands inside the guest.

    agent.py /dev/ttyS1    as root, from a unit at boot: answers the host on the serial port
    agent.py --seat        as the person at the machine, from their login on the first console

Requests and answers are JSON, one object per line. Root's agent runs commands, makes and
unplugs keyboards that the kernel's own drivers serve (through uhid and uinput), presses their
keys and reads from evdev which key came out. Commands for the person at the machine are handed
to the seat agent, so that they run inside that login session, as polkit sees a local user.
"""

import itertools
import json
import os
import shutil
import select
import socket
import subprocess
import sys
import termios
import time
import tty

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import keyboards  # noqa: E402

SEAT_SOCKET = '/tmp/vantel-seat.sock'
BOOT_KEYBOARDS = '/var/lib/vantel-test/boot-keyboards'
LOGS = '/run/vantel-test'


def run(cmd, user=None, timeout=60):
    argv = ['sh', '-c', cmd]
    if user:
        argv = ['runuser', '-u', user, '--'] + argv
    try:
        done = subprocess.run(argv, capture_output=True, text=True, timeout=timeout,
                              stdin=subprocess.DEVNULL)
        return {'rc': done.returncode, 'out': done.stdout, 'err': done.stderr}
    except subprocess.TimeoutExpired as expired:
        return {'rc': -1, 'out': str(expired.stdout or ''), 'err': f'timed out after {timeout} s'}


def read_line(conn):
    """One request or answer: everything up to its newline, or up to the peer hanging up."""
    data = b''
    while not data.endswith(b'\n'):
        chunk = conn.recv(65536)
        if not chunk:
            break
        data += chunk
    return data


def ask_seat(request, timeout=60):
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as conn:
        conn.settimeout(timeout + 5)
        try:
            conn.connect(SEAT_SOCKET)
        except OSError as error:
            return {'error': f'no seat agent: {error}'}
        conn.sendall((json.dumps(request) + '\n').encode())
        data = read_line(conn)
    return json.loads(data) if data else {'error': 'the seat agent hung up'}


class Root:
    def __init__(self):
        self.keyboards = {}
        self.spawned = {}
        os.makedirs(LOGS, exist_ok=True)

    def make_boot_keyboards(self):
        """Keyboards plugged in while the machine boots, as the previous boot asked."""
        try:
            with open(BOOT_KEYBOARDS) as names:
                for line in names:
                    name, _, kind = line.strip().partition(' ')
                    if name:
                        self.keyboards[name] = keyboards.make(kind, name)
        except FileNotFoundError:
            pass

    def handle(self, request):
        op = request['op']
        if op == 'ping':
            return {}
        if op == 'sh':
            return run(request['cmd'], request.get('user'), request.get('timeout', 60))
        if op == 'seat':
            return ask_seat({'cmd': request['cmd']}, request.get('timeout', 60))
        if op == 'spawn':
            log = open(os.path.join(LOGS, request['name'] + '.log'), 'w')
            self.spawned[request['name']] = subprocess.Popen(
                ['sh', '-c', request['cmd']], stdout=log, stderr=subprocess.STDOUT,
                stdin=subprocess.DEVNULL)
            return {}
        if op == 'stop':
            process = self.spawned.pop(request['name'], None)
            if process:
                process.terminate()
                process.wait(10)
            return {}
        if op == 'plug':
            name = request['name']
            if name in self.keyboards:
                self.keyboards.pop(name).close()
            keyboard = keyboards.make(request['kind'], name)
            self.keyboards[name] = keyboard
            return keyboard.describe()
        if op == 'unplug':
            keyboard = self.keyboards.pop(request['name'], None)
            if keyboard:
                keyboard.close()
            return {}
        if op == 'press':
            return {'keys': self.keyboards[request['name']].press(request['key'])}
        if op == 'type':
            self.keyboards[request['name']].type(request['letters'], request['flood_seconds'])
            return {}
        if op == 'read_mode':  # Mode read over and over: how long the slowest answer took
            import dbus
            bus, worst, deadline = dbus.SystemBus(), 0, time.monotonic() + request['seconds']
            for count in itertools.count(1):
                started = time.monotonic()
                bus.call_blocking('org.vantel.Keyboard1', '/org/vantel/Keyboard1',
                                  'org.freedesktop.DBus.Properties', 'Get', 'ss',
                                  ['org.vantel.Keyboard1', 'Mode'], timeout=120)
                worst = max(worst, time.monotonic() - started)
                if time.monotonic() > deadline:
                    return {'answered': count, 'worst': worst}
        if op == 'boot_keyboards':
            os.makedirs(os.path.dirname(BOOT_KEYBOARDS), exist_ok=True)
            with open(BOOT_KEYBOARDS, 'w') as names:
                for name, kind in request['keyboards'].items():
                    names.write(f'{name} {kind}\n')
            return {}
        return {'error': f'unknown request {op}'}


def serve_serial(path):
    # The shared folder does not survive the guest's suspend (its virtio transport hangs after
    # resume): what the guest runs later comes from a copy.
    os.makedirs(LOGS, exist_ok=True)
    here = os.path.dirname(os.path.abspath(__file__))
    for name in os.listdir(here):
        if name.endswith('.py'):
            shutil.copy(os.path.join(here, name), LOGS)
    root = Root()
    root.make_boot_keyboards()
    fd = os.open(path, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    attrs = termios.tcgetattr(fd)
    attrs[4] = attrs[5] = termios.B115200
    termios.tcsetattr(fd, termios.TCSANOW, attrs)
    os.write(fd, b'{"ready": true}\n')
    buffer = b''
    while True:
        select.select([fd], [], [])
        buffer += os.read(fd, 65536)
        while b'\n' in buffer:
            line, buffer = buffer.split(b'\n', 1)
            try:
                request = json.loads(line)
            except ValueError:
                continue  # noise from before the host's first request
            try:
                answer = root.handle(request)
            except Exception as error:  # the host is told, the agent stays
                answer = {'error': f'{type(error).__name__}: {error}'}
            answer['id'] = request.get('id')
            data = (json.dumps(answer) + '\n').encode()
            while data:
                data = data[os.write(fd, data):]


def serve_seat():
    if os.path.exists(SEAT_SOCKET):
        os.unlink(SEAT_SOCKET)
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(SEAT_SOCKET)
    os.chmod(SEAT_SOCKET, 0o666)
    server.listen(4)
    while True:
        conn, _ = server.accept()
        with conn:
            data = read_line(conn)
            if not data:
                continue
            request = json.loads(data)
            conn.sendall((json.dumps(run(request['cmd'])) + '\n').encode())


if __name__ == '__main__':
    if sys.argv[1] == '--seat':
        serve_seat()
    else:
        serve_serial(sys.argv[1])
