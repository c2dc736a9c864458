#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The Debian package on this machine: made, checked, installed, used, upgraded and purged.

Runs as root, alone and after the rest of the suite, because it installs files that other tests
use. Whatever it finds at the package's paths (the source-built /usr/bin/defaults above all),
the kept keyboard mode and the set of installed packages are put back as they were, however a
step ends. VANTEL_PACKAGE_TEST_DEB names a package already made by scripts/package to use instead of
making it again.
"""

import hashlib
import os
import re
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.environ.get("VANTEL_SOURCE_DIR") or os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
STATE_DIR = "/var/lib/vantel"
APT = ["apt-get", "-y", "-q", "--no-install-recommends", "-o", "DPkg::Lock::Timeout=600"]
ENV = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

BASE_FILES = [
    "/usr/bin/vantel",
    "/usr/bin/defaults",
    "/usr/share/man/man1/vantel.1.gz",
    "/usr/share/man/man1/defaults.1.gz",
    "/usr/share/applications/org.vantel.Vantel.desktop",
    "/etc/xdg/autostart/org.vantel.Vantel.desktop",
    "/usr/share/metainfo/org.vantel.Vantel.metainfo.xml",
    "/usr/share/dbus-1/interfaces/org.vantel.Vantel.xml",
    "/usr/share/icons/hicolor/scalable/apps/org.vantel.Vantel.svg",
    "/usr/share/doc/vantel/copyright",
    "/usr/share/gnome-shell/extensions/focus@vantel.org/extension.js",
    "/usr/share/gnome-shell/extensions/focus@vantel.org/metadata.json",
    "/usr/share/gnome-shell/extensions/focus-45@vantel.org/extension.js",
    "/usr/share/gnome-shell/extensions/focus-45@vantel.org/metadata.json",
    "/usr/share/doc/vantel/changelog.Debian.gz",
] + [f"/usr/share/icons/hicolor/{s}x{s}/apps/org.vantel.Vantel.png" for s in ICON_SIZES] + [
    f"/usr/share/vantel/translations/vantel_{language}.qm"
    for language in ("de", "fr", "es", "pt_BR", "it", "ja", "zh_CN")]
KEYBOARD_FILES = [
    "/usr/libexec/vantel/vantel-keyboard-service",
    "/usr/bin/vantel-keyboard",
    "/usr/share/dbus-1/system-services/org.vantel.Keyboard1.service",
    "/usr/share/dbus-1/system.d/org.vantel.Keyboard1.conf",
    "/usr/share/dbus-1/interfaces/org.vantel.Keyboard1.xml",
    "/lib/systemd/system/vantel-keyboard.service",
    "/usr/share/polkit-1/actions/org.vantel.keyboard.policy",
    "/lib/udev/rules.d/70-vantel-keyboard.rules",
    "/lib/systemd/system/vantel-keyboard-apply.service",
    "/usr/share/man/man1/vantel-keyboard.1.gz",
]
# Nothing of the developer's side belongs in the package.
NOT_SHIPPED = re.compile(r"/tests?/|/bench|render-icons|app-icon|/usr/local/|/include/|\.a$")


def run(cmd, check=True, timeout=900, **kwargs):
    result = subprocess.run(cmd, capture_output=True, text=True, env=kwargs.pop("env", ENV),
                            timeout=timeout, **kwargs)
    if check and result.returncode != 0:
        raise AssertionError(f"{' '.join(cmd)} failed ({result.returncode}):\n"
                             f"{result.stdout}\n{result.stderr}")
    return result


def dpkg(args):
    """dpkg itself, waiting while another package manager on this machine holds its lock."""
    for _ in range(120):
        result = run(["dpkg"] + args, check=False)
        if "lock" not in result.stderr:
            return result
        subprocess.run(["sleep", "5"])
    return result


def status(package):
    """dpkg's two-letter state of `package`, or '' when dpkg has never heard of it."""
    result = run(["dpkg-query", "-W", "-f", "${db:Status-Abbrev}", package], check=False)
    return result.stdout.strip() if result.returncode == 0 else ""


def installed_version(package):
    return run(["dpkg-query", "-W", "-f", "${Version}", package]).stdout.strip()


def installed_packages():
    out = run(["dpkg-query", "-W", "-f", "${Package}:${Architecture} ${db:Status-Abbrev}\n"])
    return {line.split()[0] for line in out.stdout.splitlines() if " ii" in line}


def control_fields(deb):
    fields, name = {}, None
    for line in run(["dpkg-deb", "-f", deb]).stdout.splitlines():
        if line.startswith(" ") and name:
            fields[name] += "\n" + line.strip()
        elif ":" in line:
            name, value = line.split(":", 1)
            fields[name] = value.strip()
    return fields


def relation_names(field):
    return {re.split(r"[\s(:]", alt.strip())[0] for alt in re.split(r"[,|]", field) if alt.strip()}


def package_files(deb):
    listing = run(["dpkg-deb", "-c", deb]).stdout.splitlines()
    return {line.split(None, 5)[5].lstrip(".").split(" -> ")[0]
            for line in listing if not line.startswith("d")}


def system_bus_runs():
    address = os.environ.get("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/run/dbus/system_bus_socket")
    path = address.split("unix:path=", 1)[-1].split(",")[0]
    try:
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
            probe.connect(path)
        return True
    except OSError:
        return False


def tree_digest(root):
    digest = hashlib.sha256()
    for folder, _, files in sorted(os.walk(root)):
        for name in sorted(files):
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                digest.update(path.encode() + b"\0" + f.read() + b"\0")
    return digest.hexdigest()


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    return struct.unpack(">II", header[16:24])


class Machine:
    """What this test may change, as found; `restore` puts it back."""

    def __init__(self, paths):
        self.packages = installed_packages()
        self.files = {}
        for path in paths:
            if os.path.isfile(path) and not os.path.islink(path):
                with open(path, "rb") as f:
                    self.files[path] = (f.read(), os.stat(path).st_mode & 0o7777)
        self.state_copy = None
        if os.path.isdir(STATE_DIR):
            self.state_copy = tempfile.mkdtemp(prefix="vantel-state-")
            shutil.copytree(STATE_DIR, self.state_copy, dirs_exist_ok=True)

    def restore(self):
        if status("vantel")[1:2] not in ("", "n"):
            dpkg(["--purge", "vantel"])
        # Only what this test pulled in: explicitly installed, or installed as a dependency.
        auto = set(run(["apt-mark", "showauto"]).stdout.split())
        added = [p for p in installed_packages() - self.packages
                 if p.startswith("gnustep-base-runtime:") or p.split(":")[0] in auto or p in auto]
        if added:
            run(APT + ["purge"] + added, check=False)
        # The source-built tools first: other tests need them back at once.
        for path, (data, mode) in sorted(self.files.items(), key=lambda i: i[0] != "/usr/bin/defaults"):
            os.makedirs(os.path.dirname(path), exist_ok=True)
            temporary = path + ".vantel-restore"
            with open(temporary, "wb") as f:
                f.write(data)
            os.chmod(temporary, mode)
            os.replace(temporary, path)
        if self.state_copy:
            shutil.rmtree(STATE_DIR, ignore_errors=True)
            shutil.copytree(self.state_copy, STATE_DIR)
            shutil.rmtree(self.state_copy)
        else:
            shutil.rmtree(STATE_DIR, ignore_errors=True)


class DebianPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        for package in ("vantel", "gnustep-base-runtime"):
            if status(package)[1:2] not in ("", "n"):
                raise unittest.SkipTest(f"{package} is installed on this machine; the package test "
                                        "would change it, so it does not run")
        # A developer may hand in a package already made from this build, to skip the full build.
        cls.deb = os.environ.get("VANTEL_PACKAGE_TEST_DEB") or run(
            [os.path.join(SOURCE, "scripts", "package")], timeout=3000).stdout.split()[-1]
        cls.fields = control_fields(cls.deb)
        cls.version = cls.fields["Version"]
        cls.scratch = tempfile.mkdtemp(prefix="vantel-package-test-")
        # The previous release, as far as the package manager can tell: a lower version.
        cls.old_deb = run([os.path.join(SOURCE, "scripts", "package"), "--version", "0.0.1",
                           "--into", cls.scratch], timeout=3000).stdout.split()[-1]
        cls.files = package_files(cls.deb)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(getattr(cls, "scratch", ""), ignore_errors=True)

    def machine(self):
        machine = Machine(self.files | {"/usr/bin/defaults"})
        self.addCleanup(machine.restore)
        return machine

    def install(self, deb):
        run(APT + ["install", os.path.abspath(deb)])

    def expected_files(self):
        return BASE_FILES + KEYBOARD_FILES

    def test_1_files_and_control_fields(self):
        self.assertEqual(os.path.basename(self.deb), f"vantel_{self.version}_"
                         f"{run(['dpkg', '--print-architecture']).stdout.strip()}.deb")
        self.assertEqual([], [f for f in self.expected_files() if f not in self.files])
        self.assertEqual([], sorted(f for f in self.files if NOT_SHIPPED.search(f)))

        depends = relation_names(self.fields["Depends"])
        for needed in ("zsh", "psmisc", "dbus", "polkitd", "qt6-wayland", "qt6-qpa-plugins",
                       "libc6", "libqt6widgets6"):
            self.assertIn(needed, depends)
        self.assertIn("notification-daemon", relation_names(self.fields["Recommends"]))
        self.assertEqual({"gnustep-base-runtime"}, relation_names(self.fields["Conflicts"]))
        self.assertIn("gnustep-base-runtime", self.fields["Description"])

        for script in ("postinst", "postrm"):
            text = run(["dpkg-deb", "-I", self.deb, script]).stdout
            run(["sh", "-n", "-c", text])
            self.assertIn("set -e", text)
        self.assertEqual("/etc/xdg/autostart/org.vantel.Vantel.desktop",
                         run(["dpkg-deb", "-I", self.deb, "conffiles"]).stdout.strip())

    def test_2_lintian_and_metadata(self):
        report = run(["lintian", "--tag-display-limit", "0", self.deb], check=False).stdout
        print(report, file=sys.stderr)
        self.assertEqual([], [line for line in report.splitlines() if line[:2] in ("E:", "W:")])

        root = os.path.join(self.scratch, "contents")
        run(["dpkg-deb", "-x", self.deb, root])
        run(["appstreamcli", "validate", "--pedantic", "--no-net",
             root + "/usr/share/metainfo/org.vantel.Vantel.metainfo.xml"])
        for desktop in ("/usr/share/applications/", "/etc/xdg/autostart/"):
            result = run(["desktop-file-validate", root + desktop + "org.vantel.Vantel.desktop"])
            self.assertEqual("", result.stdout.strip())
        for size in ICON_SIZES:
            path = f"{root}/usr/share/icons/hicolor/{size}x{size}/apps/org.vantel.Vantel.png"
            self.assertEqual((size, size), png_size(path))
        # Activation must start a program the package really ships.
        for unit, key in (("/usr/share/dbus-1/system-services/org.vantel.Keyboard1.service",
                           "Exec"), ("/lib/systemd/system/vantel-keyboard.service", "ExecStart")):
            with open(root + unit) as f:
                command = re.search(rf"^{key}=(\S+)", f.read(), re.M).group(1)
            self.assertIn(command, self.files, unit)

    def test_3_install_use_and_purge(self):
        self.machine()
        self.install(self.deb)
        self.assertEqual("ii", status("vantel"))
        self.assertEqual(self.version, installed_version("vantel"))
        self.assertIn("vantel: /usr/bin/defaults", run(["dpkg", "-S", "/usr/bin/defaults"]).stdout)
        self.check_version_option()
        self.check_defaults()
        self.check_keyboard_service()

        run(APT + ["purge", "vantel"])
        self.assertEqual([], sorted(f for f in self.files if os.path.lexists(f)))
        self.assertFalse(os.path.exists(STATE_DIR))

    def check_version_option(self):
        sources = ""
        for folder, _, names in os.walk(os.path.join(SOURCE, "src")):
            for name in (n for n in names if n.endswith(".cpp")):
                with open(os.path.join(folder, name), errors="replace") as f:
                    sources += f.read()
        env = {k: v for k, v in ENV.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        if not re.search(r'addVersionOption|"--version"|Option\([^;]*"version"', sources):
            print("note: this build of vantel has no --version; checked that it runs instead",
                  file=sys.stderr)
            result = run(["/usr/bin/vantel"], check=False, env=env, timeout=60)
            self.assertEqual(1, result.returncode, result.stderr)
            return
        result = run(["/usr/bin/vantel", "--version"], env=env, timeout=60)
        self.assertIn(self.version.split("-")[0], result.stdout)
        # The installed catalogues are found: without a display it says so in German.
        german = {k: v for k, v in env.items()
                  if k not in ("QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES")}
        result = run(["/usr/bin/vantel"], check=False, env=dict(german, LANG="de_DE.UTF-8"),
                     timeout=60)
        self.assertEqual(1, result.returncode, result.stderr)
        self.assertIn("Vantel benötigt eine grafische Desktop-Sitzung.", result.stderr)

    def check_defaults(self):
        with tempfile.TemporaryDirectory() as home:
            env = {k: v for k, v in ENV.items() if not k.startswith("XDG_")}
            env["HOME"] = home
            run(["/usr/bin/defaults", "write", "-g", "com.apple.keyboard.fnState", "-bool",
                 "true"], env=env)
            result = run(["/usr/bin/defaults", "read", "-g", "com.apple.keyboard.fnState"],
                         env=env)
            self.assertEqual("1", result.stdout.strip())
            self.assertTrue(os.path.isfile(
                f"{home}/.config/vantel-preferences/NSGlobalDomain.plist"))

    def check_keyboard_service(self):
        if not system_bus_runs():
            print("note: no system bus runs here; vantel-keyboard list through D-Bus "
                  "activation skipped", file=sys.stderr)
            return
        result = run(["/usr/bin/vantel-keyboard", "list"], check=False, timeout=120)
        output = (result.stdout + result.stderr).lower()
        self.assertNotIn("not installed", output)
        self.assertTrue(result.returncode == 0 or "no keyboard" in output, output)

    def test_4_upgrade_keeps_the_kept_mode(self):
        self.machine()
        self.install(self.old_deb)
        self.assertEqual("0.0.1", installed_version("vantel"))
        os.makedirs(STATE_DIR, exist_ok=True)
        if system_bus_runs():
            run(["/usr/bin/vantel-keyboard", "set", "function-keys"], check=False, timeout=120)
        if not os.listdir(STATE_DIR):
            # No service to keep a mode here: a file of the kind it writes stands in.
            with open(os.path.join(STATE_DIR, "mode"), "w") as f:
                f.write("function-keys\n")
        kept = tree_digest(STATE_DIR)

        self.install(self.deb)
        self.assertEqual(self.version, installed_version("vantel"))
        self.assertEqual(kept, tree_digest(STATE_DIR))

        run(APT + ["purge", "vantel"])
        self.assertFalse(os.path.exists(STATE_DIR))

    def test_5_conflict_leaves_the_other_program(self):
        self.machine()
        run(APT + ["install", "gnustep-base-runtime"])
        with open("/usr/bin/defaults", "rb") as f:
            theirs = f.read()

        result = dpkg(["-i", self.deb])
        self.assertNotEqual(0, result.returncode)
        self.assertIn("gnustep-base-runtime", result.stdout + result.stderr)
        with open("/usr/bin/defaults", "rb") as f:
            self.assertEqual(theirs, f.read())
        self.assertIn(status("vantel")[1:2], ("", "n"), "dpkg went on with the package")


def main():
    if os.geteuid() != 0:
        print("SKIPPED: the package test installs and removes a system package; run it as root",
              file=sys.stderr)
        return 77
    result = unittest.main(exit=False, verbosity=2).result
    if result.testsRun == 0 or (result.skipped and len(result.skipped) == result.testsRun):
        return 77 if result.wasSuccessful() else 1
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
