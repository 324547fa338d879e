VERSION 36
5;Runde
REGION 1 2
"Berge";Terrain
"Tirana";Name
4;Runde
6;Runde
1000;Silber
300;Bauern
12;Lohn
"Ein
weites
Land";Beschr
PREISE
5;Balsam
BURG 3
"Burg";Typ
11;Besitzer
SCHIFF 4
11;Kapitaen
EINHEIT 11
"Hans";Name
3;Anzahl
250;Silber
0;Burg
COMMANDS
"LERNEN Bergbau"
TALENTE
"900 7";Bergbau
"90 2";Holzfaellen
GEGENSTAENDE
3;Schwert
UNBEKANNT
"x"
REGION 0 0 1
"Ozean";Terrain
