VERSION 69
"UTF-8";charset
"befehle@kelvaran.example";mailto
"KELVARAN 2 BEFEHLE";mailcmd
7;reportowner
5;Runde
COORDTRANS 7
0 0;translation
ALLIANCE 1
7;leader
GEHEIM 3
1;x
UNTER 1
"Text"
PARTEI 7
"Die \"Wanderer\"";Parteiname
OPTIONEN
1;REPORT
GEGENSTAENDE
120;Silber
GRUPPE 1
"Wache";name
ALLIANZ 9
1;Status
MESSAGE 1
11;type
"Ein Komet.";rendered
"3 4 0";region
ZAUBER 3000000000
"Blitz";name
3;level
KOMPONENTEN
2;Aura
REGION 3 4 0
"Ebene";Terrain
BATTLE 3 4 0
MESSAGE 4
13;type
"Die Späher fliehen.";rendered
MESSAGETYPE 11
"events";section
TRANSLATION
"Ebene";Ebene
