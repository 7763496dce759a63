# Run by CPack on the staged tree before the Debian package is made: Debian
# wants its manual pages compressed, while `cmake --install` keeps them
# plain so that `man -l` and the install test read them as they are.
file(GLOB_RECURSE pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/*.[1-9]")
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9 -n -f "${page}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Compressing ${page} failed")
  endif()
endforeach()
