# Runs TOOL with the list ARGS and checks its exit code (EXPECT_EXIT) and that its output
# contains EXPECT_OUTPUT.
execute_process(COMMAND ${TOOL} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT rc STREQUAL "${EXPECT_EXIT}")
  message(FATAL_ERROR "exit code ${rc}, ${EXPECT_EXIT} expected\n${out}${err}")
endif()
string(FIND "${out}${err}" "${EXPECT_OUTPUT}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the output lacks \"${EXPECT_OUTPUT}\":\n${out}${err}")
endif()
