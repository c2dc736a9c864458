# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# Runs inside CPack once the package's files are staged: Debian wants manual pages and the
# changelog compressed, reproducibly (no name or time stamp in the gzip header).
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
list(FILTER staged INCLUDE REGEX "/share/man/man[1-9]/[^/]+$|/share/doc/vantel/changelog$")
list(FILTER staged EXCLUDE REGEX "\\.gz$")
foreach(file IN LISTS staged)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot compress ${file}")
  endif()
endforeach()
