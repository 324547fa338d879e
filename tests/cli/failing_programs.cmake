# SPDX-License-Identifier: GPL-3.0-or-later
# maprune-cli when VORLAGE, the checker or its own output fail: a clear
# message and a non-zero exit, never success. The failing program is one
# script that fails as MAPRUNE_FAULT says; each test runs with a settings
# home and a temporary folder of its own.
set(fault_dir ${CMAKE_CURRENT_BINARY_DIR}/faults)
file(MAKE_DIRECTORY ${fault_dir})
file(WRITE ${fault_dir}/fault.sh [=[#!/bin/sh
# Stands for VORLAGE or the checker, failing as MAPRUNE_FAULT says.
for last; do :; done
case "$MAPRUNE_FAULT" in
crash) echo "letzte Worte" >&2; kill -SEGV $$ ;;
silent) exit 0 ;;
failing) echo "PARTEI a"; exit 3 ;;
hanging) echo "$(stat -c %a "$last") $(stat -c %a "$(dirname "$last")")"; exec sleep 30 ;;
flooding) exec yes ;;
esac
]=])
file(CHMOD ${fault_dir}/fault.sh PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
  GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# add_fault_test(NAME FAULT SETTINGS EXPECTED SCRIPT): runs SCRIPT under sh
# with "$0" the tool, after the settings (NAME=VALUE;...) were set in a
# home of its own; passes when the output matches EXPECTED, which ends with
# the exit code the script echoes.
function(add_fault_test name fault settings expected script)
  set(home ${fault_dir}/${name})
  set(setup "rm -rf '${home}' && mkdir -p '${home}/tmp'")
  foreach(setting ${settings})
    string(REPLACE "=" " " pair "${setting}")
    string(APPEND setup " && \"$0\" settings set ${pair}")
  endforeach()
  add_test(NAME ${name} COMMAND sh -c "${setup} && ${script}" $<TARGET_FILE:maprune-cli>)
  set_tests_properties(${name} PROPERTIES PASS_REGULAR_EXPRESSION "${expected}" ENVIRONMENT
    "XDG_CONFIG_HOME=${home};TMPDIR=${home}/tmp;MAPRUNE_FAULT=${fault}" TIMEOUT 60)
endfunction()

set(send_settings Mail_Server=smtp.example.org)
set(with_vorlage ${send_settings} VORLAGE_Use=true VORLAGE_Path=${fault_dir}/fault.sh)
set(send "\"$0\" send ${SAMPLE_CR} --dry-run </dev/null; echo \"exit $?\"")
set(check "\"$0\" check ${SAMPLE_CR} --checker ${fault_dir}/fault.sh; echo \"exit $?\"")

# VORLAGE that crashes, fails or writes nothing: no order mail.
add_fault_test(cli_send_vorlage_crashes crash "${with_vorlage}"
  "VORLAGE ist abgestürzt \\(Signal 11\\); es gibt keine Befehlsdatei.\nDie Befehle wurden nicht gesendet.\nexit 1\n$" "${send}")
add_fault_test(cli_send_vorlage_fails failing "${with_vorlage}"
  "VORLAGE endete mit dem Exit-Code 3; es gibt keine Befehlsdatei.\nDie Befehle wurden nicht gesendet.\nexit 1\n$" "${send}")
add_fault_test(cli_send_vorlage_silent silent "${with_vorlage}"
  "VORLAGE gab nichts aus; es gibt keine Befehlsdatei.\nDie Befehle wurden nicht gesendet.\nexit 1\n$" "${send}")

# A checker that crashes, runs without end or prints without end: no
# "Fehler: 0", but how it ended.
add_fault_test(cli_check_checker_crashes crash ""
  "KCheck ist abgestürzt \\(Signal 11\\); die Befehle wurden nicht überprüft.\nLetzte Ausgabe:\nletzte Worte\nexit 1\n$" "${check}")
add_fault_test(cli_check_checker_floods flooding ""
  "KCheck wurde abgebrochen, weil seine Ausgabe 67108864 Bytes überschritt; die Befehle wurden nicht überprüft.\nexit 1\n$" "${check}")

# The checker that never ends is stopped after KCHECK_Timeout; the files it
# was given were the owner's alone and are gone afterwards.
add_fault_test(cli_check_checker_hangs hanging "KCHECK_Timeout=1"
  "KCheck wurde wegen Zeitüberschreitung \\(1 s\\) abgebrochen; die Befehle wurden nicht überprüft.\nLetzte Ausgabe:\n600 700\nexit 1\nübrig: 0\n$"
  "${check}; echo \"übrig: $(ls -A \"$TMPDIR\" | wc -l)\"")

# The checker's errors ask "Trotzdem senden?": without a terminal the answer
# is no, --yes says yes.
set(with_checker ${send_settings} KCHECK_Use=true KCHECK_Path=${TEST_DATA_DIR}/fake_kcheck.sh)
add_fault_test(cli_send_question_without_terminal none "${with_checker}"
  "trotzdem senden\\? Nein \\(keine Eingabe vom Terminal; --yes antwortet Ja\\)\nDie Befehle wurden nicht gesendet.\nexit 1\n$" "${send}")
add_fault_test(cli_send_question_answered_by_yes none "${with_checker}"
  "trotzdem senden\\? Ja \\(--yes\\)\n.*C: QUIT\nS: 221 Auf Wiedersehen\nexit 0\n$"
  "\"$0\" send ${SAMPLE_CR} --dry-run --yes </dev/null 2>&1; echo \"exit $?\"")

# Output that cannot be written fails every verb.
foreach(verb info orders dump)
  add_fault_test(cli_${verb}_to_full_disk none ""
    "Die Ausgabe konnte nicht geschrieben werden(: Auf dem Datenträger ist kein Platz mehr frei)?.\nexit 1\n$"
    "\"$0\" ${verb} ${SAMPLE_CR} >/dev/full; echo \"exit $?\" >&2")
endforeach()

# A merge into a database that another merge holds is refused.
add_fault_test(cli_merge_into_a_database_in_use none ""
  "wird gerade von einem anderen Programm bearbeitet \\(Maprune oder maprune-cli\\); bitte versuchen Sie es danach noch einmal.\nexit 1\n$"
  "\"$0\" merge \"$TMPDIR/db.kdf\" ${SAMPLE_CR} >/dev/null && { flock \"$TMPDIR/db.kdf\" sleep 2 & sleep 0.5; \"$0\" merge \"$TMPDIR/db.kdf\" \"$TMPDIR/db.kdf\" ${PROJECT_SOURCE_DIR}/data/samples/sample-turn2.cr; echo \"exit $?\"; wait; }")
