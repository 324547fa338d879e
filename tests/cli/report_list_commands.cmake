# SPDX-License-Identifier: GPL-3.0-or-later
# messages, parties and reference print what the messages, addresses,
# spells, allies and reference windows show. An umlaut is two bytes (..).
add_cli_test(cli_messages_tab 0 "^Handel:.  Die H..ndler kaufen 5 Balsam f..r 150 Silber..$"
  messages ${SAMPLE_CR} --tab handel)
add_cli_test(cli_messages_filter 0 "Einheitsbotschaften:.  Boten von B..renst..tt \\(771\\), befindet sich in Gletscher von B..renau \\(9,0\\): "
  messages ${SAMPLE_CR} --filter BÄRENSTÄTT)
add_cli_test(cli_messages_unknown_tab 2 "unbekannter Reiter 'Post'" messages ${SAMPLE_CR} --tab Post)
add_cli_test(cli_parties_sample 0 "^Adressen:.  \\[eigen\\] Die W..stenf..chse \\(3742\\), EMail: partei1@kelvaran.example; F..r Ruhm und Ehre!.  \\[verb..ndet\\] Bund"
  parties ${SAMPLE_CR})
add_cli_test(cli_parties_allies 0 "^Alliierte:.  \\[verb..ndet\\] Bund der B..ren \\(4482\\); Status: 59.  \\[verb..ndet\\] Nordm..nner \\(5666\\); Status: 0.$"
  parties ${SAMPLE_CR} --allies)
add_cli_test(cli_parties_spells 0 "Zauber:.  Feuerball \\(Stufe 3\\); Ein Ball.*Tr..nke:.  Heiltrank \\(Stufe 2\\), Zutaten: Elfenlieb Wasserfinder; "
  parties ${SAMPLE_CR} --spells)
add_cli_test(cli_reference_race 0 "^Trefferpunkte: 18.*Talentmodifikatoren:.  Bergbau: -2.*Beschreibung: Das alte Volk"
  reference race elfen)
add_cli_test(cli_reference_unknown 1 "kein Eintrag 'Riesen'" reference race Riesen)
