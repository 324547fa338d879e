# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli merge, run as the user runs it: exit codes and the per-file lines.
set(samples ${PROJECT_SOURCE_DIR}/data/samples)
set(merge_out ${CMAKE_CURRENT_BINARY_DIR}/merge-out)
file(MAKE_DIRECTORY ${merge_out})
function(add_merge_test name expect_exit expect_output)
  add_cli_test(${name} ${expect_exit} "${expect_output}" merge ${ARGN})
endfunction()

add_merge_test(cli_merge_sample_turns 0
  "sample-turn3.cr: zusammengeführt \\(Runde 202\\).*sample-ally.cr: zusammengeführt \\(Runde 202\\).*all.kdf: geschrieben \\(Runde 202, 240 Regionen\\)"
  ${merge_out}/all.kdf ${samples}/sample.cr ${samples}/sample-turn2.cr ${samples}/sample-turn3.cr
  ${samples}/sample-ally.cr)
add_merge_test(cli_merge_kdf_with_adaptation 0
  "all.kdf: geöffnet \\(Runde 202\\).*sample-turn2.cr: zusammengeführt \\(Runde 201\\)"
  ${merge_out}/again.KDF ${merge_out}/all.kdf ${samples}/sample-turn2.cr --adapt --on-none continue)
set_tests_properties(cli_merge_kdf_with_adaptation PROPERTIES DEPENDS cli_merge_sample_turns)
add_merge_test(cli_merge_reports_failed_files 1
  "missing.cr: übersprungen: .*notes.doc: übersprungen: unbekanntes Dateiformat.*Folgende Dateien konnten nicht hinzugefügt werden:"
  ${merge_out}/partial.kdf ${samples}/sample.cr ${merge_out}/missing.cr ${merge_out}/notes.doc)
add_merge_test(cli_merge_refuses_unknown_output 1 "out.txt: unbekanntes Dateiformat"
  ${merge_out}/out.txt ${samples}/sample.cr)
add_merge_test(cli_merge_fails_on_a_question_without_terminal 1
  "other-party-orders.txt: übersprungen: Warnung: Befehlsdatei gehört zu Partei 2"
  ${merge_out}/orders.kdf ${samples}/sample.cr ${PROJECT_SOURCE_DIR}/tests/data/merge/other-party-orders.txt)
add_merge_test(cli_merge_answers_questions_with_yes 0
  "other-party-orders.txt: Befehle gelesen"
  ${merge_out}/orders.kdf ${samples}/sample.cr ${PROJECT_SOURCE_DIR}/tests/data/merge/other-party-orders.txt --yes)
add_merge_test(cli_merge_refuses_another_game 1
  "other-game.cr: übersprungen: Der Report gehört zu einem anderen Spiel \\(Runenland\\)"
  ${merge_out}/games.kdf ${samples}/sample.cr ${PROJECT_SOURCE_DIR}/tests/data/merge/other-game.cr)
add_merge_test(cli_merge_adds_another_game_when_told 0
  "other-game.cr: zusammengeführt \\(Runde 202\\)"
  ${merge_out}/games.kdf ${samples}/sample.cr ${PROJECT_SOURCE_DIR}/tests/data/merge/other-game.cr --any-game)
