# quorin-layout check names files whose names, or the cells it quotes, hold control bytes:
# none may reach the terminal raw (an escape sequence could rewrite the screen, a line break
# would fake a second result). Each comes out as \xHH, one line per file.
# Called with TOOL, LAYOUT (a good layout file) and WORK (a scratch folder).
string(ASCII 27 esc)
string(ASCII 7 bell)
string(ASCII 1 soh)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

set(good "${WORK}/a${esc}[31mred\nline.lay")
file(READ ${LAYOUT} content)
file(WRITE ${good} "${content}")
string(REPEAT "0" 3399 zeros)
set(bad "${WORK}/b${esc}]0;title${bell}.lay")
file(WRITE ${bad} "Quorin 3.0\r\nBad\r\n${soh}${zeros}\r\n")

execute_process(COMMAND ${TOOL} check ${good} ${bad} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
file(REMOVE_RECURSE ${WORK})
if(NOT rc STREQUAL "1")
  message(FATAL_ERROR "exit code ${rc}, 1 expected\n${out}${err}")
endif()
foreach(raw IN ITEMS "${esc}" "${bell}" "${soh}")
  string(FIND "${out}${err}" "${raw}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "a control byte reached the output raw:\n${out}${err}")
  endif()
endforeach()
foreach(expected IN ITEMS "a\\x1B[31mred\\x0Aline.lay: ok, 144 positions"
                          "b\\x1B]0;title\\x07.lay: error: cell 1 of line 3 is '\\x01'")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the output lacks \"${expected}\":\n${out}${err}")
  endif()
endforeach()
string(REGEX MATCHALL "\n" ends "${out}")
list(LENGTH ends lines)
if(NOT lines EQUAL 2)
  message(FATAL_ERROR "${lines} lines for two files:\n${out}")
endif()
