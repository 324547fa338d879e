# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli on files that are no report: a clear message and exit code 1,
# never an abort; a report cut off in transfer is read with a warning.
set(hostile_dir ${CMAKE_CURRENT_BINARY_DIR}/hostile)
file(MAKE_DIRECTORY ${hostile_dir}/folder.kdf ${hostile_dir}/folder.cr)
file(WRITE ${hostile_dir}/empty.cr "")
file(WRITE ${hostile_dir}/cut-off.cr "VERSION 36\nREGION 0 0\n\"Wald\";Terrain\n\"Wald von")
foreach(verb info dump)
  add_cli_test(cli_${verb}_folder_kdf 1 "folder.kdf\". Is a directory" ${verb} ${hostile_dir}/folder.kdf)
  add_cli_test(cli_${verb}_folder_cr 1 "folder.cr ist ein Ordner, keine Datei" ${verb} ${hostile_dir}/folder.cr)
endforeach()
add_cli_test(cli_convert_folder_kdf 1 "Is a directory" convert ${hostile_dir}/folder.kdf ${hostile_dir}/out.kdf)
add_cli_test(cli_info_empty_cr 1 "Die Datei enthält keinen Report" info ${hostile_dir}/empty.cr)
add_cli_test(cli_convert_empty_cr 1 "Die Datei enthält keinen Report" convert ${hostile_dir}/empty.cr ${hostile_dir}/empty.kdf)
add_cli_test(cli_info_cut_off_cr 0 "Regions: 1\n.*Datei endet mitten in einer Zeile – unvollständig\\?" info ${hostile_dir}/cut-off.cr)
# The next turn's report, cut off inside a quoted value as a broken download is.
file(READ ${PROJECT_SOURCE_DIR}/data/samples/sample-turn2.cr cut_turn LIMIT 69975)
file(WRITE ${hostile_dir}/turn2-cut.cr "${cut_turn}")
add_cli_test(cli_merge_cut_off_cr 0 "turn2-cut.cr: zusammengeführt \\(Runde 201.*, Datei endet mitten in einer Zeile – unvollständig\\?\\)"
  merge ${hostile_dir}/merged.kdf ${SAMPLE_CR} ${hostile_dir}/turn2-cut.cr)
