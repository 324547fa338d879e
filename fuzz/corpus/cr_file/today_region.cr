VERSION 69
5;Runde
REGION 0 0 0
"Berge";Terrain
12;Lohn
"neighbour";visibility
RESOURCE 1
"Eisen";type
50;number
3;skill
3;Runde
GRENZE 1
"Straﬂe";typ
1;richtung
100;prozent
MESSAGE 7
"Ein \\Bote\" ruft.";rendered
WETTER
"Regen";heute
EINHEIT 5
3000;weight
TALENTE
"90 2 -1";Bergbau
KAMPFZAUBER 0
"Feuerball";name
TAGEBUCH
"heute"
GEGENSTAENDE
3;Schwert
