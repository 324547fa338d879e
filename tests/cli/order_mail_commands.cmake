# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli check and send: the order checker (a script that prints both
# message forms) and a trial run of the express mail, each with settings of
# its own.
set(mail_out ${CMAKE_CURRENT_BINARY_DIR}/mail-out)
file(MAKE_DIRECTORY ${mail_out})

add_cli_test(cli_check_sample 2
  "\nregion [-0-9]+,[-0-9]+,0: Warnung: Region ohne Wachen\nunit [0-9a-z]+: Fehler: unbekannter Befehl 'ARBEITN'\nunit [0-9a-z]+: Einheit hat keinen langen Befehl\nFehler: Zeile hinter dem Ende der Datei\nFertig: 2 Fehler, 2 Warnungen\nWarnungen: 2\nFehler: 2\n$"
  check ${SAMPLE_CR} --checker ${TEST_DATA_DIR}/fake_kcheck.sh)
add_cli_test(cli_check_missing_checker 1 "Es trat ein Fehler beim Ausführen von KCheck auf"
  check ${SAMPLE_CR} --checker ${mail_out}/no-such-kcheck)
set_tests_properties(cli_check_sample cli_check_missing_checker PROPERTIES
  ENVIRONMENT XDG_CONFIG_HOME=${mail_out}/check-home)

set(send_home ${mail_out}/send-home)
add_cli_test(cli_send_setup_server 0 "" settings set Mail_Server smtp.example.org)
add_cli_test(cli_send_setup_login 0 "" settings set Mail_Login ich)
add_cli_test(cli_send_setup_port 0 "" settings set Mail_Port 587)
add_cli_test(cli_send_setup_security 0 "" settings set Mail_Security 1)
# The dialogue up to the mail, and its end (the body between holds the
# report's 8-bit bytes, which CMake's expressions do not match).
add_cli_test(cli_send_dry_run 0
  "^# Verbindung zu smtp.example.org:587\nS: 220 .*\nC: EHLO localhost\nS: 250-Probelauf\n.*C: STARTTLS\nS: 220 bereit\n# TLS\n.*C: AUTH PLAIN \\*\\*\\*\\*\\*\\*\\*\\*\nS: 235 angemeldet\nC: RSET\n.*C: DATA\nS: 354 Daten bitte\nC: From: Partei [0-9]+<"
  send ${SAMPLE_CR} --dry-run)
add_cli_test(cli_send_dry_run_end 0
  "C: NAECHSTER\nC: \\.\nS: 250 angenommen\nC: QUIT\nS: 221 Auf Wiedersehen\n$"
  send ${SAMPLE_CR} --dry-run)
set_tests_properties(cli_send_setup_server cli_send_setup_login cli_send_setup_port
  cli_send_setup_security PROPERTIES FIXTURES_SETUP send_settings
  ENVIRONMENT XDG_CONFIG_HOME=${send_home})
set_tests_properties(cli_send_dry_run cli_send_dry_run_end PROPERTIES FIXTURES_REQUIRED send_settings
  ENVIRONMENT XDG_CONFIG_HOME=${send_home})
