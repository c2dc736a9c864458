# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# The Debian package: `scripts/package`, or `cpack --config build/CPackConfig.cmake`. Included
# last, after every install rule, so that the component list is complete.
set(VANTEL_PACKAGE_VERSION "${PROJECT_VERSION}" CACHE STRING "Version of the Debian package")
set(VANTEL_PACKAGE_MAINTAINER "Vantel developers <developers@vantel.org>"
  CACHE STRING "Maintainer field of the Debian package")
set(VANTEL_RELEASE_DATE "2026-12-07")
set(VANTEL_RELEASE_YEAR "2026")
set(VANTEL_RELEASE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")

set(CPACK_PACKAGE_NAME vantel)
set(CPACK_PACKAGE_VERSION "${VANTEL_PACKAGE_VERSION}")
set(CPACK_PACKAGE_VENDOR "Vantel developers")
set(CPACK_PACKAGE_CONTACT "${VANTEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTEL_PACKAGE_MAINTAINER}")

add_subdirectory(data)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "switch the keyboard's top row between function keys and hardware keys")
# The body of the control file's description; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vantel is a small tray icon that switches how the keyboard's top row
behaves: standard function keys (F1, F2, ...) or hardware keys
(brightness, volume). A left click or Super+Alt+F switches, a desktop
notification reports every switch, and a small system service applies the
mode to every keyboard whose driver can be switched.

The package conflicts with gnustep-base-runtime: both install an unrelated
program at /usr/bin/defaults, the path Vantel runs to keep the mode.")

# Libraries come from dpkg-shlibdeps; these are run, loaded as plugins or talked to instead.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "zsh, psmisc, dbus, polkitd, qt6-wayland, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "notification-daemon | dunst | xfce4-notifyd | mate-notification-daemon, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONFLICTS "gnustep-base-runtime")

set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  "${CMAKE_SOURCE_DIR}/data/deb/postinst;${CMAKE_SOURCE_DIR}/data/deb/postrm;${CMAKE_SOURCE_DIR}/data/deb/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_SOURCE_DIR}/cmake/CompressDocs.cmake")

# Several install rules name absolute paths (/usr/bin/defaults, /etc/xdg, /lib/udev); staging
# through DESTDIR keeps every one of them inside the package instead of on this machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# One package made of the shipped components only: tests, benchmarks and developer tools stay out.
get_cmake_property(installed_components COMPONENTS)
set(CPACK_COMPONENTS_ALL "")
foreach(component vantel defaults keyboard data)
  if(component IN_LIST installed_components)
    list(APPEND CPACK_COMPONENTS_ALL ${component})
  endif()
endforeach()
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

include(CPack)
