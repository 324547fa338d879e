# SPDX-License-Identifier: GPL-3.0-or-later
# add_cli_test(NAME EXIT OUTPUT ARGS...): maprune-cli ARGS, run as the user
# runs it with empty standard input, must end with EXIT and print OUTPUT (a
# regular expression).
set(cli_test_input ${CMAKE_CURRENT_BINARY_DIR}/cli-empty-input)
file(WRITE ${cli_test_input} "")

function(add_cli_test name expect_exit expect_output)
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND}
                   "-DCOMMAND=$<TARGET_FILE:maprune-cli>;${ARGN}"
                   -DEXPECT_EXIT=${expect_exit}
                   "-DEXPECT_OUTPUT=${expect_output}"
                   -DEMPTY_INPUT=${cli_test_input}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/run_command.cmake)
endfunction()

# Each verb registers itself in its own source file: the help names every one,
# in the order of their names.
set(cli_verbs calc changes chart check convert dump extract gamedata info lint merge merian messages
    orders parties reference region render route search send series settings stats structure
    trade unit)
list(JOIN cli_verbs " .*  " cli_verbs_in_order)
add_cli_test(cli_help_lists_every_verb 0 "Subcommands:.*  ${cli_verbs_in_order} " --help)

# Where maprune-cli hands the Qt verbs over to maprune-cli-qt, both list the
# same verbs with the same descriptions.
if(TARGET maprune-cli-qt)
  add_test(NAME cli_help_same_in_qt_program COMMAND ${CMAKE_COMMAND}
    -DCLI=$<TARGET_FILE:maprune-cli> -DQT_CLI=$<TARGET_FILE:maprune-cli-qt>
    -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/same_help.cmake)
endif()
