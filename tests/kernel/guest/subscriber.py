#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Subscribes to the keyboard service as the program does, and stays on the bus until killed."""

import signal

import dbus

bus = dbus.SystemBus()
bus.call_blocking('org.vantel.Keyboard1', '/org/vantel/Keyboard1', 'org.vantel.Keyboard1',
                  'Subscribe', '', [], timeout=30)
print('subscribed', flush=True)
signal.pause()
