# Runs clang-tidy with the checks of .clang-tidy over the .cpp files of the core library,
# using the compile commands of the build; any warning fails.
if(NOT CLANG_TIDY)
  message("SKIPPED: clang-tidy is not installed")
  return()
endif()
if(NOT EXISTS ${BUILD_DIR}/compile_commands.json)
  message("SKIPPED: the build has no compile_commands.json (a Ninja or Makefile build writes it)")
  return()
endif()

set(files "")
foreach(src IN LISTS CORE_SOURCES)
  if(NOT IS_ABSOLUTE ${src})
    set(src ${CORE_DIR}/${src})
  endif()
  if(src MATCHES "\\.cpp$" AND EXISTS ${src})
    list(APPEND files ${src})
  endif()
endforeach()

execute_process(COMMAND ${CLANG_TIDY} -p ${BUILD_DIR} --quiet --warnings-as-errors=* ${files}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "clang-tidy found problems in the core:\n${out}")
endif()
list(LENGTH files count)
message("${count} core files are clean")
