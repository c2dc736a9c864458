#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The focus benchmark: on an X11 desktop of our own (Xvfb with openbox, the end-to-end tests'
notifier host, notification server and polkit authority, the keyboard service on a fake sysfs
tree), the time from asking the window manager to activate a window to the keyboard's attribute
holding that application's mode, against one SetMode round trip to the service alone, as a ratio
measured in one run (the two interleaved).

    bench/app/focus_bench.py [BIN_DIR]      (default: build/bin of this checkout)

/usr/bin/defaults must be the project's tool.
"""

import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(HERE, '..', '..', 'tests', 'e2e'))
import dbus  # noqa: E402

import desktop  # noqa: E402
from desktop import read_switch, wait_until  # noqa: E402

RUNS = 15
AIM = 1.5
FNMODE = 'module/hid_apple/parameters/fnmode'
VALUE = {'function-keys': '2', 'hardware-keys': '1'}
RULED = 'org.example.Editor'


def active_window(scene):
    return scene.run(['xprop', '-root', '_NET_ACTIVE_WINDOW'], check=False).stdout


def show_window(scene, xclient, name, *argv):
    scene.spawn(name, [xclient, 'window'] + list(argv))

    def shown():
        with open(scene.log_path(name + '.out'), encoding='utf-8') as f:
            return f.read().strip()
    return wait_until(shown, 10, f'the {name} window')


def main(argv):
    repo = os.path.normpath(os.path.join(HERE, '..', '..'))
    bin_dir = argv[1] if len(argv) > 1 else os.path.join(repo, 'build', 'bin')
    xclient = os.path.join(bin_dir, 'e2e_xclient')
    scene = desktop.Desktop(xclient=xclient)
    activator = None
    try:
        scene.start_bus()
        scene.start_x()
        scene.start_notifications()
        scene.start_watcher()
        scene.start_polkit()
        scene.spawn('openbox', ['openbox', '--sm-disable'])
        wait_until(lambda: '_NET_ACTIVE_WINDOW' in scene.run(
            ['xprop', '-root', '_NET_SUPPORTED'], check=False).stdout, 20, 'openbox')
        bus = dbus.bus.BusConnection(scene.bus_address)
        sysfs = scene.start_keyboard_service(
            os.path.join(bin_dir, 'vantel-keyboard-service'), bus, {FNMODE: '3'})
        keyboard = dbus.Interface(bus.get_object('org.vantel.Keyboard1', '/org/vantel/Keyboard1',
                                                 introspect=False), 'org.vantel.Keyboard1')

        def mode():
            return read_switch(sysfs, FNMODE)
        windows = {'function-keys': show_window(scene, xclient, 'editor', 'Editor', RULED),
                   'hardware-keys': show_window(scene, xclient, 'viewer', 'Viewer')}
        scene.defaults('write', 'org.vantel.Vantel', 'ApplicationModes', '-dict-add', RULED,
                       'function-keys')
        scene.set_fn_state(False)
        scene.slow_flips(0)
        app = scene.launch(os.path.join(bin_dir, 'vantel'), VANTEL_KEYBOARD_BUS='session')
        wait_until(lambda: mode() == VALUE['hardware-keys'], 30, 'the launch to switch')
        activator = subprocess.Popen([xclient, 'activate'], stdin=subprocess.PIPE, env=scene.env,
                                     text=True)

        def focus(target):
            window = windows[target]
            started = time.monotonic()
            activator.stdin.write(window + '\n')
            activator.stdin.flush()
            wait_until(lambda: mode() == VALUE[target], 30, f'{target} to follow the focus',
                       interval=0.0005)
            seconds = time.monotonic() - started
            wait_until(lambda: f'# {window}' in active_window(scene), 10, 'the active window')
            time.sleep(0.2)  # the program settles (its rule bookkeeping) before the next one
            return seconds

        def set_mode(target):
            started = time.monotonic()
            keyboard.SetMode(target)
            seconds = time.monotonic() - started
            if mode() != VALUE[target]:
                raise RuntimeError('SetMode did not switch the fake keyboard')
            return seconds

        focused, round_trips = [], []
        for _ in range(RUNS + 1):
            # The round trips end where the program left the keyboard, so it never learns of them.
            for target in ('function-keys', 'hardware-keys'):
                round_trips.append(set_mode(target))
            for target in ('function-keys', 'hardware-keys'):
                focused.append(focus(target))
        app.stop()
        bus.close()
    finally:
        if activator:
            activator.stdin.close()
            activator.wait(5)
        scene.close()

    focus_ms = statistics.median(focused[2:]) * 1e3
    set_mode_ms = statistics.median(round_trips[2:]) * 1e3
    ratio = focus_ms / set_mode_ms
    print(f'focus change to keyboard switched {focus_ms:7.1f} ms  vs a SetMode round trip '
          f'{set_mode_ms:6.1f} ms: {ratio:.2f}x (aim <= {AIM}x)  {"ok" if ratio <= AIM else "MISSED"}')
    print(f'(medians of {2 * RUNS} of each, from the activation request to the attribute written)')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
