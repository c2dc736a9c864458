# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# Run as a script by the format targets:
#   cmake -DMODE=format|check -DCLANG_FORMAT=... -DGIT=... -DSOURCE_DIR=... -P ClangFormatFiles.cmake
# The files are the C++ sources and headers git tracks; outside a git checkout, every one under
# SOURCE_DIR except the build trees.

cmake_minimum_required(VERSION 3.25)

set(files "")
if(GIT)
  execute_process(COMMAND ${GIT} -c core.quotePath=off ls-files -- "*.cpp" "*.h"
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE listed OUTPUT_VARIABLE output ERROR_QUIET)
endif()
if(GIT AND listed EQUAL 0)
  string(REPLACE "\n" ";" files "${output}")
  list(FILTER files EXCLUDE REGEX "^$")
else()
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
  list(FILTER files EXCLUDE REGEX "^build[^/]*/")
endif()
list(SORT files)

set(differing "")
foreach(file IN LISTS files)
  # Tracked but deleted in the working tree: nothing to format.
  if(NOT EXISTS ${SOURCE_DIR}/${file})
    continue()
  endif()
  if(MODE STREQUAL "format")
    execute_process(COMMAND ${CLANG_FORMAT} -i --style=file ${file}
      WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE failed)
  else()
    execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror --style=file ${file}
      WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
  endif()
  if(NOT failed EQUAL 0)
    list(APPEND differing ${file})
  endif()
endforeach()

list(LENGTH files total)
if(differing)
  list(JOIN differing "\n  " shown)
  if(MODE STREQUAL "format")
    message(FATAL_ERROR "clang-format could not format:\n  ${shown}")
  endif()
  message(FATAL_ERROR "These files differ from clang-format (fix them with the `format` "
                      "target):\n  ${shown}")
endif()
if(MODE STREQUAL "format")
  message(STATUS "clang-format: ${total} files formatted")
else()
  message(STATUS "clang-format: all ${total} files as clang-format writes them")
endif()
