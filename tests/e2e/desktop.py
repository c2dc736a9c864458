# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""A private desktop for the end-to-end tests, the headless run and the benchmarks.

Everything lives under one temporary directory: HOME, XDG_CONFIG_HOME (where the preference tool
keeps its store), XDG_RUNTIME_DIR, the logs of every service and the session bus socket. Nothing
is shared with the user's own session or the machine (the headless run alone keeps the user's
HOME and preferences, and the machine's system bus): the bus has no service directories, so
nothing is started on demand, the system bus is a path where nothing listens, and the X server
listens on its abstract socket only.
"""

import atexit
import ctypes
import json
import os
import pwd
import random
import select
import shutil
import signal
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PYTHON = '/usr/bin/python3'
DEFAULTS = '/usr/bin/defaults'
FN_KEY = 'com.apple.keyboard.fnState'
SCREEN = (1024, 768)
TRAYER_SIZE = (120, 28)
TRAYER = ['trayer', '--edge', 'top', '--align', 'right', '--widthtype', 'pixel', '--width',
          str(TRAYER_SIZE[0]), '--heighttype', 'pixel', '--height', str(TRAYER_SIZE[1]),
          '--SetDockType', 'true']
PASSED_THROUGH = ('PATH', 'LANG', 'ASAN_OPTIONS', 'UBSAN_OPTIONS', 'LSAN_OPTIONS', 'TERM')

BUS_CONFIG = '''<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
{servicedirs}  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
'''


# Bus errors of an object or a name that went away, or did not answer while going: what is read
# may vanish at any moment, so a wait asks again until its deadline instead of failing on them.
TRANSIENT_BUS_ERRORS = frozenset('org.freedesktop.DBus.Error.' + name for name in (
    'UnknownObject', 'UnknownMethod', 'UnknownInterface', 'ServiceUnknown', 'NameHasNoOwner',
    'NoReply', 'Timeout'))


def transient(error):
    """Whether a D-Bus error only says that what was read is going or gone."""
    name = getattr(error, 'get_dbus_name', None)
    return callable(name) and name() in TRANSIENT_BUS_ERRORS


def write_switch(sysfs, path, value):
    """With a sysfs tree of the tests' own, a finished write also stands for the kernel's notice
    of a change made on the keyboard."""
    os.makedirs(os.path.join(sysfs, os.path.dirname(path)), exist_ok=True)
    with open(os.path.join(sysfs, path), 'w', encoding='utf-8') as f:
        f.write(value + '\n')


def read_switch(sysfs, path):
    with open(os.path.join(sysfs, path), encoding='utf-8') as f:
        return f.read().strip()


def wait_until(predicate, timeout, what, interval=0.05):
    """Polls predicate until it returns something truthy; raises TimeoutError naming `what`.
    A transient bus error counts as "not yet" and is named if the time runs out."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = predicate()
        except Exception as error:  # pylint: disable=broad-except
            if not transient(error):
                raise
            value, last_error = None, error
        if value:
            return value
        if time.monotonic() > deadline:
            detail = f' (last error: {last_error})' if last_error else ''
            raise TimeoutError(f'timed out after {timeout:.1f} s waiting for {what}{detail}')
        time.sleep(interval)


def no_system_bus(folder):
    """A system bus address in `folder` where nothing listens."""
    return 'unix:path=' + os.path.join(folder, 'no-system-bus')


def parse_bool(text):
    return text.strip().lower() in ('1', 'true', 'yes')


_libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1


def _die_with(parent):
    """Run in the child before exec: a killed or crashed test takes its desktop with it."""
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)
    if os.getppid() != parent:
        os._exit(1)


class Desktop:
    """Starts and stops the pieces of a private desktop; each piece is optional."""

    def __init__(self, root=None, user_home=False, tied=True, xclient=None):
        """user_home: keep the user's own HOME and preferences, and the machine's system bus,
        instead of private ones.
        tied: everything started here ends with this process, however it ends; otherwise it
        outlives it and is stopped by whoever reads the pids file.
        xclient: the e2e_xclient program, for asking the X server what tools cannot."""
        self.root = root or tempfile.mkdtemp(prefix='vantel-e2e-')
        self.procs = {}
        self.tied = tied
        self.xclient = xclient if xclient and os.access(xclient, os.X_OK) else None
        if tied:
            atexit.register(self.close, remove=False)
        self.user_home = user_home
        if user_home:
            self.home = os.path.expanduser('~')
            self.config = os.environ.get('XDG_CONFIG_HOME', os.path.join(self.home, '.config'))
        else:
            self.home = self._dir('home')
            self.config = self._dir('config')
        self.runtime = self._dir('runtime')
        self.logs = self._dir('logs')
        self.env = {k: os.environ[k] for k in PASSED_THROUGH if k in os.environ}
        self.env.setdefault('PATH', '/usr/local/bin:/usr/bin:/bin')
        self.env.setdefault('LANG', 'C.UTF-8')
        user = pwd.getpwuid(os.getuid()).pw_name
        self.env.update(HOME=self.home, USER=user, LOGNAME=user, XDG_CONFIG_HOME=self.config,
                        XDG_RUNTIME_DIR=self.runtime, NO_AT_BRIDGE='1')
        if not user_home:
            # The machine's system bus may run the keyboard service, or not: a test sees the same
            # program either way, and one that wants the service runs it on a bus of its own.
            self.env.update(XDG_CACHE_HOME=self._dir('cache'), XDG_DATA_HOME=self._dir('data'),
                            DBUS_SYSTEM_BUS_ADDRESS=no_system_bus(self.root))
        self.bus_address = None
        self.display = None

    def _dir(self, name):
        path = os.path.join(self.root, name)
        os.makedirs(path, mode=0o700, exist_ok=True)
        os.chmod(path, 0o700)
        return path

    def log_path(self, name):
        return os.path.join(self.logs, name)

    # Processes ---------------------------------------------------------------------------------

    def spawn(self, name, argv, env=None, stdout=None, stderr=None, pass_fds=()):
        """Starts argv in its own session, its output in logs/<name>.out and .err by default."""
        files = [open(self.log_path(name + ext), 'ab') for ext in ('.out', '.err')]
        parent = os.getpid()
        try:
            proc = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                    stdout=stdout or files[0], stderr=stderr or files[1],
                                    start_new_session=True, pass_fds=pass_fds,
                                    preexec_fn=(lambda: _die_with(parent)) if self.tied else None)
        finally:
            for f in files:
                f.close()
        self.procs[name] = proc
        self._write_pids()
        return proc

    def stop(self, name, timeout=5.0):
        """Ends the process and whatever it left running in its session."""
        proc = self.procs.pop(name, None)
        if proc is None:
            return None
        signal_session(proc.pid, signal.SIGTERM)
        try:
            proc.wait(timeout)
        except subprocess.TimeoutExpired:
            signal_session(proc.pid, signal.SIGKILL)
            proc.wait()
        # Children may have moved to process groups of their own, never to another session.
        signal_session(proc.pid, signal.SIGKILL)
        self._write_pids()
        return proc.returncode

    def _write_pids(self):
        with open(os.path.join(self.root, 'pids'), 'w', encoding='utf-8') as f:
            for name, proc in self.procs.items():
                f.write(f'{proc.pid} {name}\n')

    def close(self, remove=True):
        for name in reversed(list(self.procs)):
            self.stop(name)
        if remove:
            shutil.rmtree(self.root, ignore_errors=True)
        if self.tied:
            atexit.unregister(self.close)

    # The session bus and the X server ----------------------------------------------------------

    def start_bus(self, service_files=(), env=None):
        """The private session bus. It starts on demand only the given service files (paths of
        Debian's own), in `env` when given: what it starts inherits the bus's environment."""
        servicedirs = ''
        if service_files:
            folder = os.path.join(self.root, 'services')
            os.makedirs(folder, exist_ok=True)
            for path in service_files:
                shutil.copy(path, folder)
            servicedirs = f'  <servicedir>{folder}</servicedir>\n'
        socket = os.path.join(self.runtime, 'bus')
        conf = os.path.join(self.root, 'bus.conf')
        with open(conf, 'w', encoding='utf-8') as f:
            f.write(BUS_CONFIG.format(socket=socket, servicedirs=servicedirs))
        proc = self.spawn('bus', ['dbus-daemon', '--nofork', '--config-file=' + conf,
                                  '--print-address=1'], env=env, stdout=subprocess.PIPE)
        self.bus_address = proc.stdout.readline().decode().strip()
        proc.stdout.close()
        if not self.bus_address:
            raise RuntimeError('the private session bus did not start')
        self.env['DBUS_SESSION_BUS_ADDRESS'] = self.bus_address

    def start_x(self):
        # Another test may pick the same number at the same moment. Asking the display whether
        # it answers could then reach the other test's server; instead the server itself says,
        # through -displayfd, that it holds the number and accepts clients, or exits.
        for _ in range(20):
            number = random.randrange(100, 1000)
            if display_in_use(number):
                continue
            read_end, write_end = os.pipe()
            try:
                self.spawn('xvfb', ['Xvfb', f':{number}', '-displayfd', str(write_end),
                                    '-screen', '0', f'{SCREEN[0]}x{SCREEN[1]}x24', '-nolisten',
                                    'tcp', '-nolisten', 'unix', '-nolock', '-noreset'],
                           pass_fds=(write_end,))
            finally:
                os.close(write_end)
            if read_line(read_end, 60) == str(number):
                self.display = f':{number}'
                self.env['DISPLAY'] = self.display
                return
            self.stop('xvfb')
        raise RuntimeError('no private X server could be started')

    def capture(self, window, xclient):
        """The window's pixels as the X server holds them (xclient: the e2e_xclient program)."""
        return subprocess.run([xclient, 'capture', str(window)], env=self.env, check=True,
                              capture_output=True, timeout=10).stdout

    def run(self, argv, check=True, env=None, timeout=30, **kwargs):
        return subprocess.run(argv, env=env or self.env, check=check, timeout=timeout,
                              capture_output=True, text=True, **kwargs)

    # Services on the bus -----------------------------------------------------------------------

    def _start_service(self, kind):
        log = self.log_path(kind + '.jsonl')
        proc = self.spawn(kind, [PYTHON, os.path.join(HERE, 'services.py'), kind, log],
                          stdout=subprocess.PIPE)
        line = proc.stdout.readline().decode().strip()
        proc.stdout.close()
        if line != 'ready':
            raise RuntimeError(f'the {kind} service did not start (see {self.logs})')

    def start_notifications(self):
        self._start_service('notifications')

    def start_accessibility(self):
        """Lets the tests read the program's menus and windows as a screen reader would."""
        self._start_service('accessibility')

    def start_polkit(self):
        """A polkit authority that allows everything, for the keyboard service."""
        self._start_service('polkit')

    def start_keyboard_service(self, service, bus, switches):
        """Runs the keyboard service on a sysfs tree of the test's own, holding `switches` (path
        below the tree: value), with the authority of start_polkit(). Returns the tree's folder
        once the service owns its name; stopped with stop('keyboard-service')."""
        sysfs = tempfile.mkdtemp(dir=self.root, prefix='sysfs-')
        for path, value in switches.items():
            write_switch(sysfs, path, value)
        state = tempfile.mkdtemp(dir=self.root, prefix='state-')
        self.spawn('keyboard-service', [service, '--session', '--sysfs-root', sysfs,
                                        '--state-dir', state, '--idle-exit', '0'])
        wait_until(lambda: bus.name_has_owner('org.vantel.Keyboard1'), 10,
                   'the keyboard service to own its name')
        return sysfs

    def start_watcher(self):
        self._start_service('watcher')

    def stop_watcher(self):
        self.stop('watcher')

    def records(self, kind, event):
        path = self.log_path(kind + '.jsonl')
        if not os.path.exists(path):
            return []
        with open(path, encoding='utf-8') as f:
            rows = [json.loads(line) for line in f if line.endswith('\n')]
        return [r for r in rows if r['event'] == event]

    def notifications(self):
        return self.records('notifications', 'notify')

    def registrations(self):
        return self.records('watcher', 'register')

    # The XEmbed tray ---------------------------------------------------------------------------

    def start_trayer(self, *options):
        """options: more of trayer's own, which win over the defaults (its look, its width)."""
        self.spawn('trayer', TRAYER + list(options))
        proc = self.procs['trayer']

        def ready():
            if proc.poll() is not None:
                raise RuntimeError(f'trayer ended with status {proc.returncode}')
            return self.tray_owner() is not None
        # Icons are embedded once trayer owns the tray selection, which it claims after mapping
        # its panel. Without the X client at hand, the panel has to do: Qt finds a late tray.
        if self.xclient:
            wait_until(ready, 20, 'trayer to own the tray')
        else:
            wait_until(lambda: self.windows(['--classname', 'trayer']), 20,
                       'trayer to map its panel')

    def tray_owner(self):
        """The window that owns the XEmbed tray selection, or None."""
        found = self.run([self.xclient, 'owner', '_NET_SYSTEM_TRAY_S0'], check=False).stdout
        found = found.strip()
        return int(found, 16) if found.startswith('0x') else None

    def stop_trayer(self):
        self.stop('trayer')

    def windows(self, query):
        """The windows an xdotool search finds. A window that vanishes while xdotool walks the
        tree ends it with an X error and a partial answer, so the search is made again."""
        for _ in range(50):
            found = self.run(['xdotool', 'search', '--all'] + query, check=False)
            if 'X Error' not in found.stderr:
                return [int(w) for w in found.stdout.split()]
        raise RuntimeError(f'xdotool search {" ".join(query)} keeps failing:\n{found.stderr}')

    # The preference ----------------------------------------------------------------------------

    def defaults(self, *args, check=True):
        return self.run([DEFAULTS] + list(args), check=check)

    def set_fn_state(self, value):
        self.defaults('write', '-g', FN_KEY, '-bool', 'true' if value else 'false')

    def fn_state(self):
        result = self.defaults('read', '-g', FN_KEY, check=False)
        return result.returncode == 0 and parse_bool(result.stdout)

    def slow_flips(self, seconds):
        """Makes every login shell, and so every flip, take at least `seconds` longer."""
        if self.user_home:
            raise RuntimeError('refusing to write the user\'s own login profile')
        with open(os.path.join(self.home, '.zprofile'), 'w', encoding='utf-8') as f:
            f.write(f'sleep {seconds}\n' if seconds else '')

    # The program -------------------------------------------------------------------------------

    def app_env(self, **extra):
        env = dict(self.env, QT_QPA_PLATFORM='xcb')
        env.update(extra)
        return {k: v for k, v in env.items() if v is not None}

    def launch(self, binary, name='vantel', **extra_env):
        proc = self.spawn(name, [binary], env=self.app_env(**extra_env))
        return App(self, name, proc)


class App:
    """One run of the program under test."""

    def __init__(self, desktop, name, proc):
        self.desktop = desktop
        self.name = name
        self.proc = proc
        self.pid = proc.pid

    def stderr(self):
        with open(self.desktop.log_path(self.name + '.err'), encoding='utf-8',
                  errors='replace') as f:
            return f.read()

    def running(self):
        return self.proc.poll() is None

    def wait(self, timeout):
        return self.proc.wait(timeout)

    def stop(self):
        return self.desktop.stop(self.name)

    def windows(self):
        return self.desktop.windows(['--pid', str(self.pid)])

    def top_level_windows(self):
        """The program's windows that are shown on their own, not inside a tray."""
        found = []
        for window in self.windows():
            info = window_info(self.desktop, window)
            if info and info['viewable'] and info['parent'] == info['root']:
                found.append(window)
        return found

    def embedded_window(self):
        """The icon's window when a tray host has embedded it, else None."""
        for window in self.windows():
            info = window_info(self.desktop, window)
            if info and info['viewable'] and info['parent'] != info['root'] and info['w'] < 64:
                return window
        return None

    def embedded_icon(self):
        """The icon's geometry (x, y, w, h) when a tray host has embedded it, else None."""
        window = self.embedded_window()
        info = window and window_info(self.desktop, window)
        return (info['x'], info['y'], info['w'], info['h']) if info else None

    def wait_for_embedded_icon(self, timeout=30):
        return wait_until(self.embedded_icon, timeout, 'the icon to be embedded in the tray')


def window_info(desktop, window):
    result = desktop.run(['xwininfo', '-id', str(window), '-children', '-stats'], check=False)
    if result.returncode != 0:
        return None
    info = {'viewable': 'Map State: IsViewable' in result.stdout}
    for line in result.stdout.splitlines():
        line = line.strip()
        for key, label in (('x', 'Absolute upper-left X:'), ('y', 'Absolute upper-left Y:'),
                           ('w', 'Width:'), ('h', 'Height:')):
            if line.startswith(label):
                info[key] = int(line.split(':')[1])
        if line.startswith('Root window id:'):
            info['root'] = line.split()[3]
        if line.startswith('Parent window id:'):
            info['parent'] = line.split()[3]
    return info if {'x', 'y', 'w', 'h', 'root', 'parent'} <= info.keys() else None


def display_in_use(number):
    """Whether any X server, ours or another's, seems to hold the display number."""
    if os.path.exists(f'/tmp/.X11-unix/X{number}') or os.path.exists(f'/tmp/.X{number}-lock'):
        return True
    with open('/proc/net/unix', encoding='utf-8') as sockets:
        return f'@/tmp/.X11-unix/X{number}\n' in sockets.read()


def read_line(fd, timeout):
    """The first line written to fd (which is closed) without its newline; '' when the writer
    closed it first or the time ran out."""
    deadline = time.monotonic() + timeout
    data = b''
    try:
        while not data.endswith(b'\n'):
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                return ''
            chunk = os.read(fd, 64)
            if not chunk:
                return ''
            data += chunk
    finally:
        os.close(fd)
    return data.decode(errors='replace').strip()


def session_members(sid):
    members = []
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            with open(f'/proc/{entry}/stat', encoding='utf-8', errors='replace') as f:
                fields = f.read().rsplit(')', 1)[1].split()
        except OSError:
            continue
        if int(fields[3]) == sid:
            members.append(int(entry))
    return members


def signal_session(sid, sig):
    for pid in session_members(sid):
        try:
            os.kill(pid, sig)
        except (ProcessLookupError, PermissionError):
            pass


class StatusItem:
    """The host side of a StatusNotifierItem: reads its icon and tooltip, clicks it."""

    IFACE = 'org.kde.StatusNotifierItem'

    def __init__(self, bus, service, path='/StatusNotifierItem'):
        self.service = service
        self.proxy = bus.get_object(service, path, introspect=False)

    def _get(self, prop):
        return self.proxy.Get(self.IFACE, prop, dbus_interface='org.freedesktop.DBus.Properties')

    def icon(self):
        """The largest pixmap as (width, height, ARGB bytes in network order)."""
        pixmaps = [(int(w), int(h), bytes(data)) for w, h, data in self._get('IconPixmap')]
        return max(pixmaps, default=None, key=lambda p: p[0] * p[1])

    def tooltip(self):
        return str(self._get('ToolTip')[2])

    # Hosts send clicks without waiting: an item may answer only once its menu has closed.
    def activate(self, x=0, y=0):
        self.proxy.Activate(x, y, dbus_interface=self.IFACE, ignore_reply=True)

    def context_menu(self, x, y):
        self.proxy.ContextMenu(x, y, dbus_interface=self.IFACE, ignore_reply=True)


def coverage(icon):
    """The share of the icon's pixels that are mostly opaque."""
    _, _, data = icon
    alphas = data[0::4]
    return sum(1 for a in alphas if a >= 128) / max(len(alphas), 1)
