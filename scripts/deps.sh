# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# Sourced by scripts/test and scripts/run: installs whatever Debian packages are missing.
# Quick when everything is present: dpkg is asked first, apt-get only for what is absent.

VANTEL_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config clang-format reuse
  qt6-base-dev libgl-dev libplist-dev libxcb1-dev libxkbcommon-dev libxkbcommon-x11-dev
  qt6-svg-dev qt6-tools-dev qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  zsh psmisc git qt6-wayland qt6-wayland-dev qt6-wayland-dev-tools
  libwayland-dev plasma-wayland-protocols
)
# What the end-to-end tests and the headless desktop need.
VANTEL_DESKTOP_PACKAGES=(
  xvfb x11-utils x11-xkb-utils x11-xserver-utils xdotool trayer dbus imagemagick python3 python3-dbus python3-gi
  qt6-qpa-plugins libqt6dbus6 weston systemd polkitd
)
# The real panels, portals and notification servers the end-to-end tests run, each privately.
VANTEL_REAL_DESKTOP_PACKAGES=(
  xfce4-panel xfconf lxqt-panel dunst xdg-desktop-portal-gtk dconf-service dconf-gsettings-backend
  gsettings-desktop-schemas libglib2.0-bin
  plasma-workspace plasma-desktop kwin-wayland xdg-desktop-portal xdg-desktop-portal-kde qtwayland5
  sway waybar wtype grim
  gnome-shell gjs
  openbox
)
# What scripts/package and its test need to make, check, install and remove the Debian package.
VANTEL_PACKAGING_PACKAGES=(
  dpkg-dev debhelper fakeroot lintian appstream desktop-file-utils
)

# What the Debian 13 root adds to the lists above: the compiler's cache its builds keep.
VANTEL_DEBIAN13_PACKAGES=(
  ccache
)

# What the kernel tests need to make and boot their Debian guest.
VANTEL_GUEST_PACKAGES=(
  qemu-system-x86 qemu-utils debootstrap e2fsprogs
)

# The Debian archive this machine installs from, for the roots that debootstrap makes.
vantel_debian_mirror() {
  local mirror=${VANTEL_DEBIAN_MIRROR:-$(sed -n 's/^URIs: *\(http[^ ]*\/debian\)$/\1/p' \
    /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)}
  echo "${mirror:-http://deb.debian.org/debian}"
}

vantel_install_missing() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq || true
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
