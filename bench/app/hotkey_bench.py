#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The hot-key benchmark: on a Wayland desktop of our own (headless Weston, the end-to-end
tests' notifier host, notification server and desktop portal), the time from a portal's
Activated signal to the "Function Keys toggled" notification, against the time from a click
(the host's Activate) to it, as a ratio measured in one run.

    bench/app/hotkey_bench.py [BIN_DIR]      (default: build/bin of this checkout)

/usr/bin/defaults must be the project's tool.
"""

import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(HERE, '..', '..', 'tests', 'e2e'))
import dbus  # noqa: E402

import desktop  # noqa: E402
import wayland  # noqa: E402
from desktop import StatusItem, wait_until  # noqa: E402

RUNS = 15
AIM = 1.2


def main(argv):
    repo = os.path.normpath(os.path.join(HERE, '..', '..'))
    bin_dir = argv[1] if len(argv) > 1 else os.path.join(repo, 'build', 'bin')
    scene = desktop.Desktop()
    try:
        scene.start_bus()
        scene.start_notifications()
        scene.start_watcher()
        bus = dbus.bus.BusConnection(scene.bus_address)
        socket = wayland.start_weston(scene)
        portal = wayland.Portal(scene, bus)
        scene.slow_flips(0)
        app = scene.launch(os.path.join(bin_dir, 'vantel'), QT_QPA_PLATFORM=None, DISPLAY=None,
                           WAYLAND_DISPLAY=socket)
        row = wait_until(lambda: [r for r in scene.registrations() if r['pid'] == app.pid], 30,
                         'the icon')[0]
        item = StatusItem(bus, row['service'], row['path'])
        wait_until(item.icon, 10, 'the first icon')
        wait_until(portal.bind_answered, 10, 'the shortcut to be bound')

        def latency(act):
            notes = len(scene.notifications())
            started = act()
            wait_until(lambda: len(scene.notifications()) > notes, 30, 'the notification',
                       interval=0.001)
            seconds = scene.notifications()[notes]['time'] - started
            time.sleep(0.1)
            return seconds

        def click():
            started = time.monotonic()
            item.activate()
            return started

        def press():
            portal.press()
            return portal.events('activated')[-1]['sent_at']

        clicks, presses = [], []
        for _ in range(RUNS + 1):
            clicks.append(latency(click))
            presses.append(latency(press))
        app.stop()
        bus.close()
    finally:
        scene.close()

    click_ms = statistics.median(clicks[1:]) * 1e3
    press_ms = statistics.median(presses[1:]) * 1e3
    ratio = press_ms / click_ms
    print(f'hot key through the portal {press_ms:7.1f} ms  vs a click {click_ms:6.1f} ms: '
          f'{ratio:.2f}x (aim <= {AIM}x)  {"ok" if ratio <= AIM else "MISSED"}')
    print(f'(medians of {RUNS} of each, from the signal or call to the notification)')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
