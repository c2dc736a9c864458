# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# `format` rewrites every tracked C++ file with the repository's .clang-format; `check-format`
# lists each one that differs and fails. Both read the file list from git when they run, so a
# file added since configuring is covered too.
find_program(CLANG_FORMAT_EXECUTABLE NAMES clang-format)
find_package(Git QUIET)
if(NOT CLANG_FORMAT_EXECUTABLE)
  message(STATUS "clang-format not found: no format and check-format targets")
  return()
endif()

foreach(mode format check)
  if(mode STREQUAL "format")
    set(target format)
  else()
    set(target check-format)
  endif()
  add_custom_target(${target}
    COMMAND ${CMAKE_COMMAND} -DMODE=${mode} -DCLANG_FORMAT=${CLANG_FORMAT_EXECUTABLE}
            -DGIT=${GIT_EXECUTABLE} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -P ${CMAKE_CURRENT_LIST_DIR}/ClangFormatFiles.cmake
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    USES_TERMINAL
    VERBATIM)
endforeach()

# Every file says under which licence it is, checked with the REUSE tool beside the format, so
# that a distribution can check what it ships.
find_program(REUSE_EXECUTABLE NAMES reuse)
if(REUSE_EXECUTABLE)
  add_custom_command(TARGET check-format POST_BUILD
    COMMAND ${REUSE_EXECUTABLE} --root ${CMAKE_SOURCE_DIR} lint
    COMMAND ${CMAKE_COMMAND} -E echo "-- reuse: every file names its licence"
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    VERBATIM)
else()
  message(STATUS "reuse not found: check-format leaves the licence headers unchecked")
endif()
