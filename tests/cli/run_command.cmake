# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND (a ;-list) with standard input from an empty file and checks
# its exit code against EXPECT_EXIT and its standard output and error
# together against the regular expression EXPECT_OUTPUT.
execute_process(COMMAND ${COMMAND}
                INPUT_FILE ${EMPTY_INPUT}
                RESULT_VARIABLE exit_code
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
set(all "${out}${err}")
if(NOT exit_code EQUAL EXPECT_EXIT)
  message(FATAL_ERROR "exit code ${exit_code}, expected ${EXPECT_EXIT}:\n${all}")
endif()
if(NOT all MATCHES "${EXPECT_OUTPUT}")
  message(FATAL_ERROR "output does not match \"${EXPECT_OUTPUT}\":\n${all}")
endif()
