# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# Component `keyboard`: the service, its tool and everything the system needs to start, allow and
# re-apply it. The system paths are where Debian's dbus, systemd, polkit and udev look, whatever
# the prefix; packagers may point them elsewhere.
set(VANTEL_DBUS_SYSTEM_SERVICES_DIR /usr/share/dbus-1/system-services CACHE PATH
  "Where the system bus finds activatable services")
set(VANTEL_DBUS_SYSTEM_POLICY_DIR /usr/share/dbus-1/system.d CACHE PATH
  "Where the system bus finds its policies")
set(VANTEL_SYSTEMD_UNIT_DIR /lib/systemd/system CACHE PATH "Where systemd finds system units")
set(VANTEL_POLKIT_ACTIONS_DIR /usr/share/polkit-1/actions CACHE PATH
  "Where polkit finds action definitions")
set(VANTEL_UDEV_RULES_DIR /lib/udev/rules.d CACHE PATH "Where udev finds rules")

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

# The re-apply unit is wanted by every sleep target without `systemctl enable`: the links
# its [Install] section asks for ship with it.
set(sleepTargets suspend.target hibernate.target hybrid-sleep.target suspend-then-hibernate.target)
foreach(target ${sleepTargets})
  file(MAKE_DIRECTORY ${generated}/${target}.wants)
  file(CREATE_LINK ../vantel-keyboard-apply.service
    ${generated}/${target}.wants/vantel-keyboard-apply.service SYMBOLIC)
  install(FILES ${generated}/${target}.wants/vantel-keyboard-apply.service
    DESTINATION ${VANTEL_SYSTEMD_UNIT_DIR}/${target}.wants COMPONENT keyboard)
endforeach()

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
