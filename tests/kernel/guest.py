# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""A Debian 12 guest under qemu, for the tests that need a real kernel, udev, systemd and logind.

The image comes from build-guest (cached); each test class boots its own copy-on-write layer
over it, so nothing a test does reaches the image or another class. The host talks to the
guest's agent on its second serial port and to qemu itself through QMP (suspend and wake).
"""

import json
import os
import shutil
import socket
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.environ.get('VANTEL_SOURCE_DIR') or os.path.dirname(os.path.dirname(HERE))
CACHE = os.environ.get('VANTEL_GUEST_CACHE') or os.path.join(
    os.environ.get('XDG_CACHE_HOME') or os.path.expanduser('~/.cache'), 'vantel', 'guest')
# A systemd boot under emulation: the budget is a minute, the limit leaves room for a busy host.
BOOT_TIMEOUT = 180


class Unavailable(Exception):
    """The machine cannot boot a guest; the tests say why and are skipped."""


def accelerator():
    """KVM only where it is real hardware support; a nested software one is far slower than TCG."""
    with open('/proc/cpuinfo') as cpuinfo:
        flags = cpuinfo.read()
    if (os.access('/dev/kvm', os.W_OK) and not os.path.exists('/sys/module/kvm_pvm') and
            (' vmx' in flags or ' svm' in flags)):
        return ['-accel', 'kvm', '-cpu', 'host']
    return ['-accel', 'tcg', '-cpu', 'max']


def build_image(deb):
    if not shutil.which('qemu-system-x86_64'):
        raise Unavailable('qemu-system-x86_64 is not installed')
    if not shutil.which('debootstrap'):
        raise Unavailable('debootstrap is not installed')
    if os.geteuid() != 0:
        raise Unavailable('making the guest needs root (debootstrap and chroot)')
    done = subprocess.run([os.path.join(HERE, 'build-guest'), deb, CACHE],
                          capture_output=True, text=True, timeout=1800)
    if done.returncode != 0:
        raise AssertionError(f'the guest could not be made:\n{done.stderr}')
    return done.stdout.strip().splitlines()[-1]


class GuestError(AssertionError):
    pass


class Guest:
    """One running guest; its disk survives reboots within the test class."""

    def __init__(self, image, shared_dir):
        self.image = image
        self.shared_dir = shared_dir
        self.dir = tempfile.mkdtemp(prefix='vantel-guest-')
        self.disk = os.path.join(self.dir, 'disk.qcow2')
        subprocess.run(['qemu-img', 'create', '-q', '-f', 'qcow2', '-F', 'raw', '-b',
                        os.path.join(image, 'root.img'), self.disk], check=True)
        self.qemu = None
        self.agent = None
        self.next_id = 0
        self.boots = 0

    def boot(self):
        self.boots += 1
        self.console = os.path.join(self.dir, f'console-{self.boots}.log')
        agent_path = os.path.join(self.dir, 'agent.sock')
        self.qmp_path = os.path.join(self.dir, 'qmp.sock')
        for path in (agent_path, self.qmp_path):
            if os.path.exists(path):
                os.unlink(path)
        cmdline = 'root=/dev/vda rw console=ttyS0 quiet systemd.show_status=0 mem_sleep_default=deep'
        self.qemu_log = open(os.path.join(self.dir, 'qemu.log'), 'a')
        self.qemu = subprocess.Popen(
            ['qemu-system-x86_64', '-machine', 'pc', *accelerator(), '-smp', '1', '-m', '1024',
             '-kernel', os.path.join(self.image, 'vmlinuz'),
             '-initrd', os.path.join(self.image, 'initrd.img'), '-append', cmdline,
             '-drive', f'file={self.disk},if=virtio,format=qcow2',
             '-virtfs', f'local,path={self.shared_dir},mount_tag=tests,security_model=none,'
             'readonly=on',
             '-global', 'PIIX4_PM.disable_s3=0', '-nic', 'none', '-display', 'none',
             '-monitor', 'none', '-serial', f'file:{self.console}',
             '-chardev', f'socket,id=agent,path={agent_path},server=on,wait=off',
             '-serial', 'chardev:agent', '-qmp', f'unix:{self.qmp_path},server=on,wait=off'],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=self.qemu_log)
        deadline = time.monotonic() + 20
        while not os.path.exists(agent_path):
            if self.qemu.poll() is not None or time.monotonic() > deadline:
                raise GuestError('qemu did not start: ' + self.tail('qemu.log'))
            time.sleep(0.05)
        self.agent = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.agent.connect(agent_path)
        self.buffer = b''
        started = time.monotonic()
        # The agent tells when it is up: nothing sent before then would be read.
        while True:
            try:
                self.receive(lambda answer: answer.get('ready'), 5)
                break
            except TimeoutError:
                if time.monotonic() - started > BOOT_TIMEOUT or self.qemu.poll() is not None:
                    raise GuestError(f'the guest did not boot in {BOOT_TIMEOUT} s:\n' +
                                     self.tail(self.console)) from None
        self.boot_seconds = time.monotonic() - started
        self.sh('systemctl is-system-running --wait', check=False, timeout=BOOT_TIMEOUT)

    def tail(self, name, lines=40):
        path = name if os.path.isabs(name) else os.path.join(self.dir, name)
        try:
            with open(path, errors='replace') as log:
                return ''.join(log.readlines()[-lines:])
        except OSError:
            return ''

    def request(self, op, wait=60, **fields):
        self.next_id += 1
        request = dict(fields, op=op, id=self.next_id)
        self.agent.settimeout(None)
        self.agent.sendall((json.dumps(request) + '\n').encode())
        answer = self.receive(lambda answer: answer.get('id') == self.next_id, wait, op)
        if 'error' in answer:
            raise GuestError(f'{op} failed in the guest: {answer["error"]}')
        return answer

    def receive(self, wanted, wait, what='the agent'):
        deadline = time.monotonic() + wait
        while True:
            while b'\n' in self.buffer:
                line, self.buffer = self.buffer.split(b'\n', 1)
                try:
                    answer = json.loads(line)
                except ValueError:
                    continue
                if wanted(answer):
                    return answer
                # else: an answer to a request given up on
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError(f'no answer to {what} in {wait} s')
            self.agent.settimeout(left)
            try:
                chunk = self.agent.recv(65536)
            except socket.timeout:
                raise TimeoutError(f'no answer to {what} in {wait} s') from None
            if not chunk:
                raise GuestError('the guest went away: ' + self.tail(self.console))
            self.buffer += chunk

    def sh(self, cmd, user=None, check=True, timeout=60):
        fields = {'cmd': cmd, 'timeout': timeout}
        if user:
            fields['user'] = user
        answer = self.request('sh', wait=timeout + 10, **fields)
        if check and answer['rc'] != 0:
            raise GuestError(f'`{cmd}` failed in the guest ({answer["rc"]}):\n'
                             f'{answer["out"]}{answer["err"]}')
        return answer

    def out(self, cmd, **kwargs):
        return self.sh(cmd, **kwargs)['out'].strip()

    def seat(self, cmd, timeout=60):
        return self.request('seat', wait=timeout + 10, cmd=cmd, timeout=timeout)

    def qmp(self, command):
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as conn:
            conn.settimeout(30)
            conn.connect(self.qmp_path)
            reader = conn.makefile('rb')
            reader.readline()  # the greeting
            for message in ({'execute': 'qmp_capabilities'}, {'execute': command}):
                conn.sendall(json.dumps(message).encode())
                while True:
                    answer = json.loads(reader.readline())
                    if 'event' not in answer:
                        break
                if 'error' in answer:
                    raise GuestError(f'{command}: {answer["error"]}')

    def suspend_and_wake(self):
        """S3 in the guest, then the wake a lid or key would give."""
        self.request('sh', wait=30, cmd='systemctl suspend --no-block')
        deadline = time.monotonic() + 120
        while self.status() != 'suspended':
            if time.monotonic() > deadline:
                raise GuestError('the guest did not suspend: ' + self.tail(self.console))
            time.sleep(0.2)
        self.qmp('system_wakeup')
        # What reaches the serial port while the machine wakes may be lost: asked again.
        while True:
            try:
                self.request('ping', wait=3)
                return
            except TimeoutError:
                if time.monotonic() > deadline:
                    raise GuestError('the guest did not wake: ' + self.tail(self.console))

    def status(self):
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as conn:
            conn.settimeout(30)
            conn.connect(self.qmp_path)
            reader = conn.makefile('rb')
            reader.readline()
            conn.sendall(b'{"execute":"qmp_capabilities"}')
            reader.readline()
            conn.sendall(b'{"execute":"query-status"}')
            while True:
                answer = json.loads(reader.readline())
                if 'return' in answer:
                    return answer['return']['status']

    def shutdown(self):
        if not self.qemu:
            return
        if self.qemu.poll() is None:
            try:
                self.request('sh', wait=10, cmd='systemctl poweroff --no-block')
            except (GuestError, TimeoutError, OSError):
                pass
            try:
                self.qemu.wait(60)
            except subprocess.TimeoutExpired:
                self.qemu.kill()
                self.qemu.wait()
        self.agent.close()
        self.qemu_log.close()
        self.qemu = None

    def close(self):
        self.shutdown()
        if os.environ.get('VANTEL_GUEST_KEEP'):
            print(f'guest files kept in {self.dir}')
        else:
            shutil.rmtree(self.dir, ignore_errors=True)
