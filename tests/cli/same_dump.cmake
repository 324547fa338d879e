# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless `maprune-cli dump` prints the same for FIRST and SECOND.
# Usage: cmake -DCLI=... -DFIRST=... -DSECOND=... -P same_dump.cmake
foreach(file FIRST SECOND)
  execute_process(COMMAND ${CLI} dump ${${file}} OUTPUT_VARIABLE dump_${file} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "maprune-cli dump ${${file}} failed")
  endif()
endforeach()
if(NOT dump_FIRST STREQUAL dump_SECOND)
  message(FATAL_ERROR "${FIRST} and ${SECOND} give different dumps")
endif()
