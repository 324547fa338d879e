# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli orders, extract, merian and saving as CR, run as the user runs
# them: exit codes, messages and what the written files read back as (the
# output is compared after CMake has turned its CR LF into LF).
set(export_out ${CMAKE_CURRENT_BINARY_DIR}/export-out)
file(MAKE_DIRECTORY ${export_out})

add_cli_test(cli_orders_sample 0
  "^PARTEI [0-9a-z]+ \"\"\n\n; KCHECK -s -l -w4 -r75\n\nREGION [-0-9]+,[-0-9]+ ; .*\nNAECHSTER\n$"
  orders ${SAMPLE_CR})
add_cli_test(cli_orders_without_party 1 "Fehler: keine Partei aktiviert"
  orders ${TEST_DATA_DIR}/export/no-party.cr -o ${export_out}/none.txt)
# The order file that orders writes is one that the order-file reader takes.
add_cli_test(cli_orders_to_file 0 "^$" orders ${SAMPLE_CR} -o ${export_out}/orders.txt)
set_tests_properties(cli_orders_to_file PROPERTIES FIXTURES_SETUP order_file)
add_cli_test(cli_orders_file_reads_back 0 "orders.txt: Befehle gelesen"
  merge ${export_out}/with-orders.kdf ${SAMPLE_CR} ${export_out}/orders.txt)
set_tests_properties(cli_orders_file_reads_back PROPERTIES FIXTURES_REQUIRED order_file)

# VORLAGE as the user's settings name it, here a script that shows its
# arguments: the parameters split as a shell would, the report it got.
set(vorlage_home ${export_out}/vorlage-home)
add_cli_test(cli_orders_vorlage_setup_path 0 "" settings set VORLAGE_Path
  ${CMAKE_CURRENT_SOURCE_DIR}/cli/fake_vorlage.sh)
add_cli_test(cli_orders_vorlage_setup_parameters 0 "" settings set VORLAGE_Parameters
  "x \"a b\"")
add_cli_test(cli_orders_vorlage 0
  "^\\[-p\\]\n\\[[0-9]+\\]\n\\[x\\]\n\\[a b\\]\n\\[[^]]*maprune-vorlage-[0-9]+\\.cr\\]\nVERSION 37\n$"
  orders ${SAMPLE_CR} --vorlage)
set_tests_properties(cli_orders_vorlage_setup_path cli_orders_vorlage_setup_parameters
  PROPERTIES FIXTURES_SETUP vorlage_settings ENVIRONMENT XDG_CONFIG_HOME=${vorlage_home})
set_tests_properties(cli_orders_vorlage PROPERTIES FIXTURES_REQUIRED vorlage_settings
  ENVIRONMENT XDG_CONFIG_HOME=${vorlage_home})

# A full extract and a report saved as CR read back as the sample did.
add_cli_test(cli_extract_everything 0 "^$"
  extract ${SAMPLE_CR} ${export_out}/full.cr --all --units --parties --times)
add_cli_test(cli_convert_to_cr 0 "^$" convert ${SAMPLE_CR} ${export_out}/saved.CR)
set_tests_properties(cli_extract_everything cli_convert_to_cr PROPERTIES FIXTURES_SETUP full_cr)
add_cli_test(cli_extract_reads_back 0
  "^Version: 37\nGame: Kelvaran\nTurn: 200\nActiveParty: [0-9]+\nActiveLayer: 0\nParties: 4\nRegions: 240\n.*Spells: 3\nPotions: 2\nWarnings: 0\nFormat: CR 37\nSkippedBlocks: 0\n$"
  info --warnings ${export_out}/full.cr)
add_test(NAME cli_saved_cr_is_the_full_extract COMMAND ${CMAKE_COMMAND}
  -DCLI=$<TARGET_FILE:maprune-cli> -DFIRST=${export_out}/full.cr -DSECOND=${export_out}/saved.CR
  -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/same_dump.cmake)
set_tests_properties(cli_extract_reads_back cli_saved_cr_is_the_full_extract
  PROPERTIES FIXTURES_REQUIRED full_cr)
# Without --all only the selection counts, and the sample selects nothing.
add_cli_test(cli_extract_selection 0 "^$" extract ${SAMPLE_CR} ${export_out}/none.cr)

add_cli_test(cli_merian_all 0 "^$" merian ${SAMPLE_CR} ${export_out}/sample.mer --all)
add_cli_test(cli_merian_nothing_selected 1 "Auf der Ebene 0 ist keine Region ausgewählt."
  merian ${SAMPLE_CR} ${export_out}/none.mer)
add_cli_test(cli_merian_empty_layer 1 "Die Ebene 7 hat keine Regionen."
  merian ${SAMPLE_CR} ${export_out}/none.mer --all --layer 7)
