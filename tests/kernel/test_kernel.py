# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The package on a real kernel: Debian 12 in qemu, keyboards served by the kernel's own drivers.

Every keyboard here is one the guest kernel's drivers serve: an Apple aluminium keyboard
(hid-apple, its one switch `fnmode`), a ThinkPad Compact Bluetooth Keyboard (hid-lenovo,
`fn_lock`) and a uinput keyboard that sends KEY_FN_ESC. A mode is proven by keys where the
driver translates them (F1 on the Apple keyboard comes out as KEY_F1 or KEY_BRIGHTNESSDOWN), and
by the command the driver sent the ThinkPad where the keyboard's firmware does.

VANTEL_KERNEL_TEST_DEB names a package already made from build/ to use instead of running
scripts/package.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import guest as guest_module
from guest import Guest, Unavailable

KEY_F1, KEY_BRIGHTNESSDOWN, KEY_FN_ESC = 59, 224, 465
FNMODE = '/sys/module/hid_apple/parameters/fnmode'
APPLE_VALUES = {'function-keys': '2', 'hardware-keys': '1'}
LENOVO_VALUES = {'function-keys': '1', 'hardware-keys': '0'}
F1_KEYS = {'function-keys': [KEY_F1], 'hardware-keys': [KEY_BRIGHTNESSDOWN]}
OTHER = {'function-keys': 'hardware-keys', 'hardware-keys': 'function-keys'}
SIGNAL_LOG = '/run/vantel-test/signals.log'


def make_package(*package_args):
    given = os.environ.get('VANTEL_KERNEL_TEST_DEB')
    if given and not package_args:
        return given
    done = subprocess.run([os.path.join(guest_module.SOURCE, 'scripts', 'package'), *package_args],
                          capture_output=True, text=True, timeout=1800)
    if done.returncode != 0:
        raise AssertionError(f'scripts/package failed:\n{done.stderr[-3000:]}')
    return done.stdout.strip().splitlines()[-1]


class GuestCase(unittest.TestCase):
    """A booted guest for the class, with the tests' files shared into it."""

    @classmethod
    def setUpClass(cls):
        try:
            cls.deb = make_package()
            image = guest_module.build_image(cls.deb)
        except Unavailable as why:
            raise unittest.SkipTest(str(why))
        cls.shared = tempfile.mkdtemp(prefix='vantel-guest-share-')
        os.chmod(cls.shared, 0o755)
        for name in ('agent.py', 'keyboards.py', 'subscriber.py'):
            shutil.copy(os.path.join(guest_module.HERE, 'guest', name), cls.shared)
        cls.guest = Guest(image, cls.shared)
        try:
            cls.guest.boot()
        except BaseException:
            cls.guest.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.guest.close()
        shutil.rmtree(cls.shared, ignore_errors=True)

    # What the keyboards hold, read from the kernel.
    def apple_mode(self):
        value = self.guest.out(f'cat {FNMODE}')
        return {v: k for k, v in APPLE_VALUES.items()}.get(value, value)

    def lenovo_switch(self, name):
        hid = self.keyboards[name]['hid']
        return f'/sys/bus/hid/devices/{hid}/fn_lock'

    def lenovo_mode(self, name):
        value = self.guest.out(f'cat {self.lenovo_switch(name)}')
        return {v: k for k, v in LENOVO_VALUES.items()}.get(value, value)

    def plug(self, name, kind):
        answer = self.guest.request('plug', wait=60, name=name, kind=kind)
        self.keyboards[name] = answer
        return answer

    def press(self, name, key='F1'):
        return self.guest.request('press', name=name, key=key)['keys']

    def kept(self):
        return self.guest.out('vantel-keyboard get')

    def log_in(self):
        """The person at the machine, logged in on the first console."""
        self.guest.sh('systemctl start getty@tty1')
        self.wait_for(lambda: self.guest.sh('test -S /tmp/vantel-seat.sock', check=False)['rc'] == 0,
                      60, 'the seat logged in')

    def set_mode(self, mode):
        self.guest.sh(f'vantel-keyboard set {mode}')

    def wait_for(self, condition, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return
            time.sleep(0.1)
        self.fail(f'{what() if callable(what) else what} within {seconds} s')

    def signals(self):
        return re.findall(r'string "([a-z-]+)"',
                          self.guest.out(f'cat {SIGNAL_LOG} 2>/dev/null || true'))

    def wait_watched(self, name):
        """Until the service reads the keyboard's input device: a key pressed before is lost."""
        event = self.keyboards[name]['event']
        self.wait_for(lambda: event in self.guest.out(
            'pid=$(systemctl show vantel-keyboard.service -p MainPID --value); '
            'ls -l /proc/$pid/fd 2>/dev/null || true'), 10, f'the service watching {event}')

    def listen(self):
        """A subscriber as the program is one, and a record of every signal the service sends."""
        self.guest.request('spawn', name='signals', cmd=(
            "exec dbus-monitor --system \"type='signal',sender='org.vantel.Keyboard1',"
            f"member='ModeChangedByKeyboard'\" >{SIGNAL_LOG}"))
        self.guest.request('spawn', name='subscriber',
                           cmd='exec python3 /run/vantel-test/subscriber.py')
        log = '/run/vantel-test/subscriber.log'
        self.wait_for(lambda: 'subscribed' in self.guest.out(f'cat {log}'), 30,
                      lambda: 'the subscriber subscribed: ' + self.guest.out(
                          f'cat {log}; journalctl -u vantel-keyboard --no-pager | tail -5'))
        self.addCleanup(self.guest.request, 'stop', name='subscriber')
        self.addCleanup(self.guest.request, 'stop', name='signals')
        # The service looks at the switches once as it starts watching them; what a test
        # changes after that must come after that look.
        self.wait_watched('thinkpad')
        self.guest.sh('vantel-keyboard get')


class RunningSystem(GuestCase):
    """One boot: a seat, hot-plug, Fn+Esc, writes behind the service, suspend and the sandbox."""

    keyboards = {}

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.keyboards = {}

    def setUp(self):
        if 'apple' not in self.keyboards:
            self.plug('apple', 'apple')
            self.plug('thinkpad', 'thinkpad')

    def test_boots_to_an_active_seat(self):
        started = time.monotonic()
        self.log_in()
        # Told, not held to: emulation's speed is the host's.
        print(f'boot to a logged-in seat: {self.guest.boot_seconds + time.monotonic() - started:.0f} s',
              file=sys.stderr)
        session = self.guest.out('loginctl show-user seat -p Display --value')
        self.assertEqual('yes', self.guest.out(f'loginctl show-session {session} -p Active --value'))
        self.assertEqual('seat0', self.guest.out(f'loginctl show-session {session} -p Seat --value'))

    def test_the_seat_user_switches_without_a_password_and_another_user_is_refused(self):
        self.log_in()
        for mode in ('function-keys', 'hardware-keys'):
            with self.subTest(mode=mode):
                done = self.guest.seat(f'vantel-keyboard set {mode}')
                self.assertEqual(0, done['rc'], done)
                self.assertEqual(mode, self.apple_mode())
                self.assertEqual(mode, self.lenovo_mode('thinkpad'))
                self.assertEqual(F1_KEYS[mode], self.press('apple'))
        refused = self.guest.sh('vantel-keyboard set function-keys', user='other', check=False)
        self.assertEqual(4, refused['rc'], refused)
        self.assertEqual('hardware-keys', self.apple_mode())
        self.assertEqual('hardware-keys', self.lenovo_mode('thinkpad'))
        self.assertEqual('hardware-keys', self.kept())

    def test_a_keyboard_plugged_in_gets_the_kept_mode_from_udev(self):
        for mode in ('function-keys', 'hardware-keys'):
            with self.subTest(mode=mode):
                self.set_mode(mode)
                self.guest.request('unplug', name='apple')
                self.guest.request('unplug', name='thinkpad')
                # hid_apple comes back with its own default, as on a machine that never had one.
                self.guest.sh('modprobe -r hid_apple')
                plugged = time.monotonic()
                self.plug('apple', 'apple')
                self.plug('thinkpad', 'thinkpad')
                # Two seconds on real hardware; emulation is many times slower, so the time is
                # reported rather than held to.
                self.wait_for(lambda: (self.apple_mode(), self.lenovo_mode('thinkpad')) ==
                              (mode, mode), 30, f'both keyboards in {mode}')
                print(f'hot-plug to {mode}: {time.monotonic() - plugged:.1f} s under emulation',
                      file=sys.stderr)
                self.assertEqual(F1_KEYS[mode], self.press('apple'))

    def test_fn_esc_on_a_keyboard_is_followed(self):
        self.set_mode('function-keys')
        self.listen()
        self.assertEqual([KEY_FN_ESC], self.press('thinkpad', 'FnEsc'))
        self.wait_for(lambda: self.signals() == ['hardware-keys'], 10, 'the change told')
        self.assertEqual('hardware-keys', self.kept())
        self.assertEqual('hardware-keys', self.apple_mode())
        self.assertEqual(F1_KEYS['hardware-keys'], self.press('apple'))
        # A laptop's firmware flips its own switch and sends KEY_FN_ESC from another device.
        self.plug('laptop', 'uinput')
        self.addCleanup(self.guest.request, 'unplug', name='laptop')
        self.wait_watched('laptop')
        self.guest.sh(f'echo 1 >{self.lenovo_switch("thinkpad")}')
        self.assertEqual([KEY_FN_ESC], self.press('laptop', 'FnEsc'))
        self.wait_for(lambda: self.signals() == ['hardware-keys', 'function-keys'], 10,
                      'the second change told')
        self.assertEqual('function-keys', self.kept())
        self.assertEqual(F1_KEYS['function-keys'], self.press('apple'))

    def test_the_service_reads_nothing_but_fn_esc(self):
        self.listen()
        event = self.plug('typist', 'uinput')['event']
        self.addCleanup(self.guest.request, 'unplug', name='typist')
        self.wait_watched('typist')
        pid = self.guest.out('systemctl show vantel-keyboard.service -p MainPID --value')
        # Its event loop's thread reads the devices: were it another, nothing would be seen.
        self.guest.request('spawn', name='strace',
                           cmd=f'exec strace -y -s 0 -e trace=read -p {pid}')
        self.addCleanup(self.guest.request, 'stop', name='strace')
        log = '/run/vantel-test/strace.log'
        self.wait_for(lambda: 'attached' in self.guest.out(f'cat {log}'), 30, 'strace attached')
        self.guest.request('type', name='typist', letters=40, flood_seconds=0)
        self.assertEqual([KEY_FN_ESC], self.press('typist', 'FnEsc'))  # behind the letters

        def read():
            return sum(map(int, re.findall(rf'^read\(\d+<{event}>,.*= (\d+)$',
                                           self.guest.out(f'cat {log}'), re.M)))
        self.wait_for(lambda: read() >= 4 * 24, 30, f'the service reading Fn+Esc from {event}')
        self.assertEqual(4 * 24, read())  # Fn+Esc down and up, each with its SYN_REPORT

    def test_a_flooding_keyboard_leaves_the_bus_answered(self):
        self.listen()
        self.plug('flood', 'uinput')
        self.addCleanup(self.guest.request, 'unplug', name='flood')
        self.wait_watched('flood')
        self.guest.request('type', name='flood', letters=0, flood_seconds=20)
        reads = self.guest.request('read_mode', wait=600, seconds=20)  # raises if one failed
        print(f'{reads["answered"]} property reads during a flood, the slowest answered in '
              f'{reads["worst"]:.2f} s under emulation', file=sys.stderr)

    def test_a_write_nobody_explains_is_put_back_and_spreads_nowhere(self):
        self.set_mode('function-keys')
        self.listen()
        self.guest.sh(f'echo {APPLE_VALUES["hardware-keys"]} >{FNMODE}')
        self.assertEqual('function-keys', self.kept())
        self.guest.sh('vantel-keyboard list')
        self.assertEqual('function-keys', self.lenovo_mode('thinkpad'))
        self.guest.sh('vantel-keyboard apply')
        self.assertEqual('function-keys', self.apple_mode())
        self.assertEqual(F1_KEYS['function-keys'], self.press('apple'))
        self.assertEqual('function-keys', self.kept())
        self.assertEqual([], self.signals())

    def test_resume_puts_back_what_the_firmware_changed(self):
        self.set_mode('function-keys')
        self.listen()
        # What firmware does while asleep: the switch changes and nobody is told.
        self.guest.sh(f'echo {APPLE_VALUES["hardware-keys"]} >{FNMODE}')
        before = self.guest.out('systemctl show vantel-keyboard-apply.service '
                                '-p ExecMainExitTimestampMonotonic --value')
        self.guest.suspend_and_wake()
        self.wait_for(lambda: self.guest.out(
            'systemctl show vantel-keyboard-apply.service -p ExecMainExitTimestampMonotonic '
            '--value') != before, 60, 'the re-apply after resume ran')
        self.assertEqual('function-keys', self.apple_mode())
        self.assertEqual(F1_KEYS['function-keys'], self.press('apple'))
        self.assertEqual('function-keys', self.kept())
        self.assertEqual([], self.signals())

    def test_the_sandbox_lets_the_service_write_the_switches_and_nothing_else(self):
        self.set_mode('hardware-keys')
        self.listen()
        pid = self.guest.out('systemctl show vantel-keyboard.service -p MainPID --value')
        self.assertNotEqual('0', pid)
        inside = f'nsenter -t {pid} -m -- sh -c'
        for path in (FNMODE, self.lenovo_switch('thinkpad')):
            with self.subTest(switch=path):
                value = self.guest.out(f'cat {path}')
                self.guest.sh(f"{inside} 'echo {value} >{path}'")
        for tunable in ('/proc/sys/kernel/printk_ratelimit', '/sys/kernel/mm/ksm/run',
                        '/sys/bus/hid/drivers/apple/unbind', '/sys/power/pm_async'):
            with self.subTest(tunable=tunable):
                written = self.guest.sh(f"{inside} 'cat {tunable} >{tunable}'", check=False)
                self.assertNotEqual(0, written['rc'], f'{tunable} is writable in the sandbox')
        # The re-apply unit runs in the same sandbox and still does its work.
        self.guest.sh(f'echo {APPLE_VALUES["function-keys"]} >{FNMODE}')
        self.guest.sh('systemctl start vantel-keyboard-apply.service')
        self.assertEqual('hardware-keys', self.apple_mode())


class AcrossBoots(GuestCase):
    """Boot, upgrade and purge: the disk carries over from one boot to the next."""

    keyboards = {}

    def reboot(self):
        self.guest.request('boot_keyboards', keyboards={'apple': 'apple', 'thinkpad': 'thinkpad'})
        self.guest.shutdown()
        self.guest.boot()
        self.keyboards['thinkpad'] = {'hid': self.guest.out(
            'basename /sys/bus/hid/devices/0005:17EF:6048.*')}

    def assert_before_anyone_logs_in(self, mode):
        self.assertEqual('', self.guest.out('loginctl list-sessions --no-legend'))
        self.wait_for(lambda: (self.apple_mode(), self.lenovo_mode('thinkpad')) == (mode, mode),
                      10, f'both keyboards in {mode} at boot')
        self.assertEqual(F1_KEYS[mode], self.press('apple'))

    def test_boot_upgrade_and_purge(self):
        # Nothing kept yet: the administrator's default holds from boot on.
        self.guest.sh('mkdir -p /etc/vantel && printf "[Default]\\nMode=function-keys\\n" '
                      '>/etc/vantel/keyboard.conf')
        self.reboot()
        self.assert_before_anyone_logs_in('function-keys')
        self.assertEqual('none', self.kept())

        self.set_mode('hardware-keys')
        self.reboot()
        self.assert_before_anyone_logs_in('hardware-keys')
        self.assertEqual('hardware-keys', self.kept())

        newer = make_package('--version', self.guest.out(
            f"dpkg-query -W -f '${{Version}}' vantel") + '+1', '--into',
            tempfile.mkdtemp(prefix='vantel-newer-'))
        shutil.copy(newer, os.path.join(self.shared, 'newer.deb'))
        self.guest.sh('apt-get install -y -q --no-install-recommends /mnt/tests/newer.deb',
                      timeout=300)
        self.assertEqual('hardware-keys', self.kept())
        self.assertEqual('hardware-keys', self.apple_mode())

        self.guest.sh('apt-get purge -y -q vantel', timeout=300)
        left = self.guest.out(
            'ls -d /lib/systemd/system/vantel-* /lib/systemd/system/*/vantel-* '
            '/lib/udev/rules.d/*vantel* /usr/share/polkit-1/actions/org.vantel.* '
            '/usr/share/dbus-1/system*/org.vantel.* /var/lib/vantel 2>/dev/null || true')
        self.assertEqual('', left)
        # Only what systemd still remembers of a unit whose file is gone may stay until reboot.
        self.assertEqual('', self.guest.out('systemctl list-units --all --no-legend '
                                            '"vantel-keyboard*" | grep -v not-found || true'))
        # The keyboards stay in the mode that was chosen.
        self.assertEqual('hardware-keys', self.apple_mode())
        self.assertEqual('hardware-keys', self.lenovo_mode('thinkpad'))


if __name__ == '__main__':
    outcome = unittest.main(exit=False).result
    ran = outcome.testsRun - len(outcome.skipped)
    if not outcome.wasSuccessful():
        sys.exit(1)
    # Nothing could run here: told as a skip, never as a pass.
    sys.exit(77 if outcome.skipped and ran == 0 else 0)
