# The program runs /usr/bin/defaults, so the tool goes exactly there whatever the prefix. Other
# packages ship an unrelated program under that name; it is only replaced when asked.
option(VANTEL_FORCE_DEFAULTS_INSTALL
  "Replace a /usr/bin/defaults that is not Vantel's (or set the variable in the environment)" OFF)
set(VANTEL_DEFAULTS_MARKER "Vantel preference tool")

configure_file(CheckDefaultsTarget.cmake.in CheckDefaultsTarget.cmake @ONLY)
install(SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/CheckDefaultsTarget.cmake COMPONENT defaults)
install(TARGETS defaults RUNTIME DESTINATION /usr/bin COMPONENT defaults)
install(FILES defaults.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT defaults)
