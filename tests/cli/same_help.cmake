# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless maprune-cli and maprune-cli-qt print the same help.
# Usage: cmake -DCLI=... -DQT_CLI=... -P same_help.cmake
foreach(program CLI QT_CLI)
  execute_process(COMMAND ${${program}} --help OUTPUT_VARIABLE help_${program} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${${program}} --help failed")
  endif()
endforeach()
if(NOT help_CLI STREQUAL help_QT_CLI)
  message(FATAL_ERROR "different help:\n${help_CLI}\n---\n${help_QT_CLI}")
endif()
