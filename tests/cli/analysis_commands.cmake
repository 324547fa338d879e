# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli stats and search print what the statistics and search windows
# show of the sample world.
add_cli_test(cli_stats_sample 0
  "^Sie kommandieren [0-9]+ Personen in [0-9]+ Einheiten\\. Mit [0-9]+ Punkten liegen Sie [0-9]+ Punkte (über|unter) dem Durchschnitt gleichalteriger Parteien\nPartei: [^\n]+\nGegenstände:\n  [0-9]+ Menschen\n.*Talent: Tarnung\nAnzahl Personen mit Talent: [1-9][0-9]*\n.*Talentwerte:\n  [0-9]+ 0\n.* 0\n$"
  stats ${SAMPLE_CR} --talent tarnung)
add_cli_test(cli_stats_unknown_party 1 "Keine Partei zzzz" stats ${SAMPLE_CR} --party zzzz)
add_cli_test(cli_search_buildings 0 "^\\[eigen\\] [^\n]+\n(\\[eigen\\] [^\n]+\n)*\\[verbündet\\]"
  search ${SAMPLE_CR} --buildings --nr *)
# As in the window, an empty number finds nothing.
add_cli_test(cli_search_nothing 0 "^$" search ${SAMPLE_CR} --units)
add_cli_test(cli_search_regions 0 "^Ebene von Weststätt \\(8,0\\)\n" search ${SAMPLE_CR} --regions
  --name w* --terrain ebene)
add_cli_test(cli_search_needs_a_list 106 "--buildings" search ${SAMPLE_CR})
