VERSION 36
5;Runde
PARTEI 7
"Die Füchse";Parteiname
"Mensch";Typus
10;Punkte
ALLIIERTE
8;Partei
"Nachbarn";Parteiname
3;Status
ALLIANZ 9
1;Status
ADRESSEN
8;Partei
"a@b";email
MELDUNGEN
"Hallo; Welt"
ZAUBER
"AB";Spruch
2;Stufe
TRAENKE
"Heiltrank";Trank
"Kraut";Zutat
SPRUCH 3
"Blitz";Name
TRANK 4
"Gift";Name
