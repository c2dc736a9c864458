# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""Keyboards that the guest kernel's own drivers serve, made through uhid and uinput.

An Apple aluminium keyboard (USB 05AC:0220) binds to hid-apple, a ThinkPad Compact Bluetooth
Keyboard (17EF:6048) to hid-lenovo, and a uinput keyboard sends KEY_FN_ESC as many laptops'
keyboards do. A key is pressed by sending the report the real keyboard sends; what the driver
made of it is read back from the keyboard's evdev device.
"""

import fcntl
import glob
import os
import select
import struct
import threading
import time

UHID_DESTROY, UHID_GET_REPORT, UHID_GET_REPORT_REPLY = 1, 9, 10
UHID_CREATE2, UHID_INPUT2, UHID_SET_REPORT, UHID_SET_REPORT_REPLY = 11, 12, 13, 14
UHID_EVENT_SIZE = 4376
BUS_USB, BUS_BLUETOOTH, BUS_VIRTUAL = 0x03, 0x05, 0x06
EV_SYN, EV_KEY = 0x00, 0x01
KEY_FN_ESC, KEY_A = 465, 30
INPUT_EVENT = struct.Struct('llHHi')

# Apple's Fn key (vendor page 0xFF, usage 3): without it hid-apple never translates the top row.
APPLE_FN = '05ff0903150025017501950181027507950181 01'
# The ThinkPad's Fn+Esc, a vendor usage the driver maps to KEY_FN_ESC and answers by flipping
# its fn lock.
LENOVO_FN_ESC = 'c0' '0600ff0901a101' '8503' '09fa150025017501950181027507950181 01'


def _hex(text):
    return bytes.fromhex(text.replace(' ', ''))


APPLE_DESCRIPTOR = _hex('05010906a101'
                        '050719e029e715002501750195088102'
                        '950175088101'
                        '95067508150025650507190029658100' + APPLE_FN + 'c0')
LENOVO_DESCRIPTOR = _hex('05010906a101' '8501'
                         '050719e029e715002501750195088102'
                         '950175088101'
                         '95067508150025650507190029658100' + LENOVO_FN_ESC + 'c0')
F1_USAGE = 0x3a


def _wait(condition, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    return None


class EventReader:
    """The keys an evdev device delivers."""

    def __init__(self, input_dir):
        event = _wait(lambda: glob.glob(os.path.join(input_dir, 'event*')))
        if not event:
            raise RuntimeError(f'no event device under {input_dir}')
        self.path = '/dev/input/' + os.path.basename(event[0])
        _wait(lambda: os.path.exists(self.path))
        self.fd = os.open(self.path, os.O_RDONLY | os.O_NONBLOCK)

    def drain(self):
        try:
            while os.read(self.fd, 4096):
                pass
        except BlockingIOError:
            pass

    def keys_until_released(self, seconds=5):
        """Key codes that went down, until every one of them came up again."""
        down, pressed, data = [], set(), b''
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            ready, _, _ = select.select([self.fd], [], [], deadline - time.monotonic())
            if not ready:
                break
            data += os.read(self.fd, 4096)
            while len(data) >= INPUT_EVENT.size:
                _, _, kind, code, value = INPUT_EVENT.unpack_from(data)
                data = data[INPUT_EVENT.size:]
                if kind == EV_KEY and value == 1:
                    down.append(code)
                    pressed.add(code)
                elif kind == EV_KEY and value == 0:
                    pressed.discard(code)
                elif kind == EV_SYN and down and not pressed:
                    return down
        return down

    def close(self):
        os.close(self.fd)


class UhidKeyboard:
    def __init__(self, name, bus, vendor, product, rdesc, report_id):
        self.name = name
        self.report_id = report_id
        self.fd = os.open('/dev/uhid', os.O_RDWR | os.O_CLOEXEC)
        uniq = f'vantel-test-{name}'.encode()
        label = {0x05ac: b'Apple Inc. Apple Keyboard',
                 0x17ef: b'ThinkPad Compact Bluetooth Keyboard with TrackPoint'}[vendor]
        event = struct.pack('<I128s64s64sHHIIII', UHID_CREATE2, label, b'vantel-test',
                            uniq, len(rdesc), bus, vendor, product, 0x111, 0) + rdesc
        os.write(self.fd, event)
        self.thread = threading.Thread(target=self._serve, daemon=True)
        self.thread.start()
        hid_input = _wait(lambda: [os.path.dirname(p) for p in
                                   glob.glob('/sys/class/input/input*/uniq')
                                   if open(p).read().strip() == uniq.decode()])
        if not hid_input:
            raise RuntimeError(f'the kernel made no input device for {name}')
        self.input_dir = os.path.realpath(hid_input[0])
        # .../0005:17EF:6048.0001/input/input7: the HID device is two levels up.
        self.hid_device = os.path.basename(os.path.dirname(os.path.dirname(self.input_dir)))
        self.events = EventReader(self.input_dir)

    def _serve(self):
        """Answers what the driver asks the keyboard; what it only tells (output reports) is dropped."""
        while True:
            try:
                event = os.read(self.fd, UHID_EVENT_SIZE)
            except OSError:
                return
            if len(event) < 4:
                return
            kind = struct.unpack_from('<I', event)[0]
            if kind == UHID_GET_REPORT:
                request = struct.unpack_from('<I', event, 4)[0]
                os.write(self.fd, struct.pack('<IIHH', UHID_GET_REPORT_REPLY, request, 5, 0))
            elif kind == UHID_SET_REPORT:
                request = struct.unpack_from('<I', event, 4)[0]
                os.write(self.fd, struct.pack('<IIH', UHID_SET_REPORT_REPLY, request, 0))

    def describe(self):
        return {'event': self.events.path, 'hid': self.hid_device}

    def send(self, report):
        os.write(self.fd, struct.pack('<IH', UHID_INPUT2, len(report)) + report)

    def press(self, key):
        prefix = bytes([self.report_id]) if self.report_id else b''
        self.events.drain()
        if key == 'F1':
            self.send(prefix + bytes([0, 0, F1_USAGE, 0, 0, 0, 0, 0]) +
                      (b'\0' if not self.report_id else b''))
            self.send(prefix + bytes(8) + (b'\0' if not self.report_id else b''))
        elif key == 'FnEsc':
            self.send(bytes([0x03, 0x01]))
            self.send(bytes([0x03, 0x00]))
        else:
            raise ValueError(f'no key {key}')
        return self.events.keys_until_released()

    def close(self):
        self.events.close()
        os.write(self.fd, struct.pack('<I', UHID_DESTROY))
        os.close(self.fd)


UI_SET_EVBIT, UI_SET_KEYBIT = 0x40045564, 0x40045565
UI_DEV_SETUP, UI_DEV_CREATE, UI_DEV_DESTROY = 0x405C5503, 0x5501, 0x5502


class UinputKeyboard:
    """A keyboard whose own firmware tells of Fn+Esc with KEY_FN_ESC and has no switch."""

    def __init__(self, name):
        self.name = name
        self.fd = os.open('/dev/uinput', os.O_WRONLY | os.O_NONBLOCK | os.O_CLOEXEC)
        fcntl.ioctl(self.fd, UI_SET_EVBIT, EV_KEY)
        for key in (KEY_FN_ESC, 1, KEY_A):  # KEY_ESC, and a letter to type
            fcntl.ioctl(self.fd, UI_SET_KEYBIT, key)
        setup = struct.pack('<HHHH80sI', BUS_VIRTUAL, 0x1209, 0x0001, 1,
                            f'Vantel test {name}'.encode(), 0)
        fcntl.ioctl(self.fd, UI_DEV_SETUP, setup)
        fcntl.ioctl(self.fd, UI_DEV_CREATE)
        found = _wait(lambda: [os.path.dirname(p) for p in glob.glob('/sys/class/input/input*/name')
                               if open(p).read().strip() == f'Vantel test {name}'])
        self.events = EventReader(os.path.realpath(found[0]))

    def describe(self):
        return {'event': self.events.path}

    def press(self, key):
        if key != 'FnEsc':
            raise ValueError(f'no key {key}')
        self.events.drain()
        self.write(KEY_FN_ESC)
        return self.events.keys_until_released()

    def write(self, key):
        for value in (1, 0):
            os.write(self.fd, INPUT_EVENT.pack(0, 0, EV_KEY, key, value) +
                     INPUT_EVENT.pack(0, 0, EV_SYN, 0, 0))

    def type(self, letters=0, flood_seconds=0):
        """Letters typed one by one; or, for `flood_seconds`, Fn+Esc and letters as fast as the
        kernel takes them, from a thread, while the agent answers other requests."""
        for _ in range(letters):
            self.write(KEY_A)
        deadline = time.monotonic() + flood_seconds

        def flood():
            while time.monotonic() < deadline:
                self.write(KEY_FN_ESC)
                self.write(KEY_A)
        threading.Thread(target=flood, daemon=True).start()

    def close(self):
        self.events.close()
        fcntl.ioctl(self.fd, UI_DEV_DESTROY)
        os.close(self.fd)


def make(kind, name):
    if kind == 'apple':
        return UhidKeyboard(name, BUS_USB, 0x05ac, 0x0220, APPLE_DESCRIPTOR, 0)
    if kind == 'thinkpad':
        return UhidKeyboard(name, BUS_BLUETOOTH, 0x17ef, 0x6048, LENOVO_DESCRIPTOR, 1)
    if kind == 'uinput':
        return UinputKeyboard(name)
    raise ValueError(f'no keyboard kind {kind}')
