# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli lint: the sample's own orders pass with warnings only; an order
# file gives its findings at the file's lines and columns, and errors end
# with exit code 1.
add_cli_test(cli_lint_sample 0 "^(Befehle\\([0-9]+,[0-9]+\\): Warnung: [^\n]*\n)+0 Fehler, 31 Warnungen\n$"
  lint ${SAMPLE_CR})
add_cli_test(cli_lint_order_file 1
  "lint_orders.txt\\(5,3\\): Fehler: Unbekannter Befehl \"FLIEGE\"\n.*\\(6,7\\): Warnung: Einheit zzz ist nicht in der Region\n.*\\(7,10\\): Fehler: Unbekannte Richtung \"xy\"\n2 Fehler, 1 Warnung\n$"
  lint ${SAMPLE_CR} --orders ${TEST_DATA_DIR}/orders/lint_orders.txt)
add_cli_test(cli_lint_json 1 "^\\[\n  {\"line\": 5, \"column\": 3, \"endColumn\": 9, \"level\": \"Fehler\""
  lint ${SAMPLE_CR} --orders ${TEST_DATA_DIR}/orders/lint_orders.txt --json)
