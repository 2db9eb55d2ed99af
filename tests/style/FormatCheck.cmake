# Checks that every .h and .cpp file in src, tools, tests and bench is formatted the way
# .clang-format says. Lists the files under version control (and new ones not ignored), or
# every such file when the tree is not a git checkout.
if(NOT CLANG_FORMAT)
  message("SKIPPED: clang-format is not installed")
  return()
endif()

set(folders src tools tests bench)
find_package(Git QUIET)
set(files "")
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} ls-files --cached --others --exclude-standard
                          -- ${folders}
                  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_QUIET)
  if(rc EQUAL 0)
    string(REPLACE "\n" ";" listed "${out}")
    foreach(f IN LISTS listed)
      if(f MATCHES "\\.(h|cpp)$" AND EXISTS ${SOURCE_DIR}/${f})
        list(APPEND files ${f})
      endif()
    endforeach()
  endif()
endif()
if(NOT files)
  foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h
         ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND files ${found})
  endforeach()
endif()
list(REMOVE_DUPLICATES files)
list(SORT files)
list(LENGTH files count)

execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  # One line per file is enough to find them; clang-format -i fixes them.
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted" hits "${err}")
  set(bad "")
  foreach(hit IN LISTS hits)
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error: .*" "" path "${hit}")
    list(APPEND bad ${path})
  endforeach()
  list(REMOVE_DUPLICATES bad)
  if(NOT bad)
    message(FATAL_ERROR "clang-format failed:\n${err}")
  endif()
  list(JOIN bad "\n  " bad)
  message(FATAL_ERROR "not formatted (run clang-format -i on them):\n  ${bad}")
endif()
message("${count} files formatted")
