# Runs inside CPack once the package's files are staged: Debian wants manual pages and the
# changelog compressed, reproducibly (no name or time stamp in the gzip header).
file(GLOB_RECURSE staged LIST_DIRECTORIES false
  "${CPACK_TEMPORARY_DIRECTORY}/*/share/man/man*/*"
  "${CPACK_TEMPORARY_DIRECTORY}/*/share/doc/vantel/changelog")
foreach(file IN LISTS staged)
  if(NOT file MATCHES "\\.gz$")
    execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "cannot compress ${file}")
    endif()
  endif()
endforeach()
