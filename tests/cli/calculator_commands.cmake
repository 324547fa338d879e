# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli calc, series and chart on the sample report and on the merged
# database of the three sample turns (written by cli_merge_sample_turns).
set(samples ${PROJECT_SOURCE_DIR}/data/samples)
set(merged ${CMAKE_CURRENT_BINARY_DIR}/merge-out/all.kdf)
add_cli_test(cli_calc_sample 0 "^7\nWesttal\n\\$\\$CLASSREF\\$\\$00000002\n$"
  calc ${samples}/sample.cr "1+2*3" "region[3,3].name" "region[3,3].bauern")
add_cli_test(cli_calc_reports_failures 1 "^3\n.*Fehler beim Parsen: \\(3\\) Operator erwartet"
  calc ${samples}/sample.cr "1+2" "1 2")
# An expression may begin with "-", like any positional.
add_cli_test(cli_calc_leading_minus 0 "^-3\n-2\n$" calc ${samples}/sample.cr "-(3)" "-(1+1)")
add_cli_test(cli_series_merged 0 "^200 1880\n201 [0-9]+\n202 [0-9]+\n$"
  series ${merged} "region[3,3].bauern")
add_cli_test(cli_series_merged_json 0 "^{\"Expression\": \"region\\[3,3\\].bauern\", \"History\": \\[\\[200, 1880\\], \\[201, [0-9]+\\], \\[202, [0-9]+\\]\\]}\n$"
  series ${merged} "region[3,3].bauern" --json)
add_cli_test(cli_series_not_a_history 1 "Westtal ist kein Wert mit Verlauf"
  series ${merged} "region[3,3].name")
add_cli_test(cli_chart_merged 0 "merged-chart.png: 3 Reihen, Runden 200 bis 202\n"
  chart ${merged} ${CMAKE_CURRENT_BINARY_DIR}/merged-chart.png "region[3,3].bauern=Bauern Westtal"
  "region[3,2].bauern=Bauern Grünbrück" "einheit[0z1u8].silber=Silber von Hans" "partei.silber==1=Unsinn")
add_cli_test(cli_chart_nothing_to_draw 1 "Keine der Reihen hat einen Verlauf"
  chart ${merged} ${CMAKE_CURRENT_BINARY_DIR}/nothing.png "1+1")
# A series whose history holds no value is named, not dropped silently.
add_cli_test(cli_chart_names_empty_series 0
  "one-chart.png: 1 Reihe, Runden 200 bis 202\n.*Ozean \\(region\\[9,9\\]\\.bauern\\): ohne Werte, nicht gezeichnet\n"
  chart ${merged} ${CMAKE_CURRENT_BINARY_DIR}/one-chart.png "region[9,9].bauern=Ozean"
  "region[3,3].bauern=Bauern")
set_tests_properties(cli_series_merged cli_series_merged_json cli_series_not_a_history
  cli_chart_merged cli_chart_nothing_to_draw cli_chart_names_empty_series
  PROPERTIES DEPENDS cli_merge_sample_turns)
