# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# The program runs /usr/bin/defaults, so the tool goes exactly there whatever the prefix. Other
# packages ship an unrelated program under that name; it is only replaced when asked.
option(VANTEL_FORCE_DEFAULTS_INSTALL
  "Replace a /usr/bin/defaults that is not Vantel's (or set the variable in the environment)" OFF)
set(VANTEL_DEFAULTS_MARKER "Vantel preference tool")

configure_file(CheckDefaultsTarget.cmake.in CheckDefaultsTarget.cmake @ONLY)
install(SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/CheckDefaultsTarget.cmake COMPONENT defaults)
# Copied beside its place and renamed over it, never unlinked and rewritten in place: a program
# that runs the tool during an install finds the old one or the new one, not none or half of one.
# The strip tool is known only here, at configure time; packaging asks for stripped files.
install(CODE "set(vantel_strip \"${CMAKE_STRIP}\")" COMPONENT defaults)
install(CODE [[
  set(vantel_target "$ENV{DESTDIR}/usr/bin/defaults")
  set(vantel_staged "$ENV{DESTDIR}/usr/bin/.defaults.installing")
  message(STATUS "Installing: ${vantel_target}")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}/usr/bin")
  file(COPY_FILE "$<TARGET_FILE:defaults>" "${vantel_staged}")
  file(CHMOD "${vantel_staged}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
       GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  if(CMAKE_INSTALL_DO_STRIP AND vantel_strip)
    execute_process(COMMAND "${vantel_strip}" "${vantel_staged}")
  endif()
  file(RENAME "${vantel_staged}" "${vantel_target}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${vantel_target}")
]] COMPONENT defaults)
install(FILES defaults.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT defaults)
