# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# Component `keyboard`: the service, its tool and everything the system needs to start, allow and
# re-apply it. The system paths are where Debian's dbus, systemd, polkit and udev look, whatever
# the prefix; packagers may point them elsewhere.
set(VANTEL_DBUS_SYSTEM_SERVICES_DIR /usr/share/dbus-1/system-services CACHE PATH
  "Where the system bus finds activatable services")
set(VANTEL_DBUS_SYSTEM_POLICY_DIR /usr/share/dbus-1/system.d CACHE PATH
  "Where the system bus finds its policies")
# Where systemd and udev look differs between releases (/lib on Debian 12, /usr/lib on Debian 13):
# their own pkg-config files say, where installed.
pkg_get_variable(vantel_systemd_unit_dir systemd systemdsystemunitdir)
pkg_get_variable(vantel_udev_dir udev udevdir)
if(NOT vantel_systemd_unit_dir)
  set(vantel_systemd_unit_dir /lib/systemd/system)
endif()
if(NOT vantel_udev_dir)
  set(vantel_udev_dir /lib/udev)
endif()
set(VANTEL_SYSTEMD_UNIT_DIR ${vantel_systemd_unit_dir} CACHE PATH "Where systemd finds system units")
set(VANTEL_POLKIT_ACTIONS_DIR /usr/share/polkit-1/actions CACHE PATH
  "Where polkit finds action definitions")
set(VANTEL_UDEV_RULES_DIR ${vantel_udev_dir}/rules.d CACHE PATH "Where udev finds rules")

set(VANTEL_KEYBOARD_SERVICE_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantel)
set(VANTEL_KEYBOARD_SERVICE_PATH ${CMAKE_INSTALL_FULL_LIBEXECDIR}/vantel/vantel-keyboard-service)

# Both units run the service in the same sandbox.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/data/vantel-keyboard-sandbox.conf VANTEL_KEYBOARD_SANDBOX)
# Its licence header is the unit's own already.
string(REGEX REPLACE "# SPDX-[^\n]*\n" "" VANTEL_KEYBOARD_SANDBOX "${VANTEL_KEYBOARD_SANDBOX}")
string(STRIP "${VANTEL_KEYBOARD_SANDBOX}" VANTEL_KEYBOARD_SANDBOX)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/vantel-keyboard-sandbox.conf)

set(generated ${CMAKE_CURRENT_BINARY_DIR}/data)
set(VANTEL_KEYBOARD_UNITS ${generated}/vantel-keyboard.service
  ${generated}/vantel-keyboard-apply.service)
foreach(file org.vantel.Keyboard1.service vantel-keyboard.service vantel-keyboard-apply.service)
  configure_file(data/${file}.in ${generated}/${file} @ONLY)
endforeach()

# The udev rule matches what the driver table says each driver does when it becomes ready: the
# table's program fills in the match lines, which configure_file leaves in place for it.
set(VANTEL_KEYBOARD_MATCHES @VANTEL_KEYBOARD_MATCHES@)
configure_file(data/70-vantel-keyboard.rules.in ${generated}/70-vantel-keyboard.rules.in @ONLY)
add_custom_command(OUTPUT ${generated}/70-vantel-keyboard.rules
  COMMAND vantel-keyboard-udev-rule ${generated}/70-vantel-keyboard.rules.in
    ${generated}/70-vantel-keyboard.rules
  DEPENDS vantel-keyboard-udev-rule ${generated}/70-vantel-keyboard.rules.in
  COMMENT "Writing the udev rule from the keyboard driver table" VERBATIM)
add_custom_target(vantel-keyboard-udev-rules ALL DEPENDS ${generated}/70-vantel-keyboard.rules)

install(TARGETS vantel-keyboard-service RUNTIME DESTINATION ${VANTEL_KEYBOARD_SERVICE_DIR}
  COMPONENT keyboard)
install(TARGETS vantel-keyboard RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT keyboard)
install(FILES data/vantel-keyboard.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT keyboard)
install(FILES ${generated}/org.vantel.Keyboard1.service
  DESTINATION ${VANTEL_DBUS_SYSTEM_SERVICES_DIR} COMPONENT keyboard)
install(FILES ${VANTEL_DBUS_INTERFACES}/org.vantel.Keyboard1.xml
  DESTINATION ${VANTEL_DBUS_INTERFACES_DIR} COMPONENT keyboard)
install(FILES data/org.vantel.Keyboard1.conf DESTINATION ${VANTEL_DBUS_SYSTEM_POLICY_DIR}
  COMPONENT keyboard)
install(FILES ${VANTEL_KEYBOARD_UNITS} DESTINATION ${VANTEL_SYSTEMD_UNIT_DIR} COMPONENT keyboard)
install(FILES data/org.vantel.keyboard.policy DESTINATION ${VANTEL_POLKIT_ACTIONS_DIR}
  COMPONENT keyboard)
install(FILES ${generated}/70-vantel-keyboard.rules DESTINATION ${VANTEL_UDEV_RULES_DIR}
  COMPONENT keyboard)
