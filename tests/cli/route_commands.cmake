# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli route and trade: the legs of a journey over the sample map and
# the trade routes of a copy of it whose regions sell different goods.
add_cli_test(cli_route_sample 0
  "\\(6,4\\) -> Ebene von Kaltwald \\(2,1\\): SW SW SW W W W W \\(7 Runden\\)\nGesamt: 11 Runden\nRoute: O O P O NO P SW SW SW W W W W\n$"
  route ${SAMPLE_CR} 3,3 5,3 6,4 2,1)
# Both orders take 11 turns: the reverse one is tried first and stays.
add_cli_test(cli_route_optimise 0 "\nRoute: O O O NO P SW W P SW SW W W W\n$"
  route ${SAMPLE_CR} 3,3 5,3 6,4 2,1 --optimise)
add_cli_test(cli_route_unreachable 1 "Could not determine route from \"Wald von Westtal \\(3,3\\)\" to \"Ozean \\(9,9\\)\"..."
  route ${SAMPLE_CR} 3,3 9,9 --ship)
add_cli_test(cli_route_no_region 1 "Keine Region bei 99,99" route ${SAMPLE_CR} 3,3 99,99)
add_cli_test(cli_trade_markets 0
  "^Balsam von Ebene von Kaltfurt \\(5,1\\) nach Ebene von Ostfurt \\(4,8\\); Menge: 39; Kaufpreis: 11 Silber; Verkaufspreis: 70 Silber; Zeit für Route: 7; Gewinn: 1661.00 Silber bei 39 Luxusgütern; Rentabilittät: 387.18%\n"
  trade ${TEST_DATA_DIR}/trade/markets.cr)
add_cli_test(cli_trade_zero_talent 1 "Das Handeln-Talent des Käufers muss größer als 0 sein."
  trade ${TEST_DATA_DIR}/trade/markets.cr --buyer-talent 0)
# Without the Kelvaran layout of the user's settings the directions have no
# names, as in the route window.
set(route_home ${CMAKE_CURRENT_BINARY_DIR}/route-home)
add_cli_test(cli_route_layout_setting 0 "" settings set KelvaranLayout false)
add_cli_test(cli_route_without_kelvaran_layout 0 "\nRoute:    \n$" route ${SAMPLE_CR} 3,3 5,3)
set_tests_properties(cli_route_layout_setting PROPERTIES FIXTURES_SETUP route_layout
  ENVIRONMENT XDG_CONFIG_HOME=${route_home})
set_tests_properties(cli_route_without_kelvaran_layout PROPERTIES FIXTURES_REQUIRED route_layout
  ENVIRONMENT XDG_CONFIG_HOME=${route_home})
