VERSION 36
"Standard";Konfiguration
"Kelvaran";Spiel
"Hex";Koordinaten
1;Umlaute
36;Basis
201;Runde
PARTEI 3742
"Die Wüstenfüchse";Parteiname
"partei1@kelvaran.example";email
"Für Ruhm und Ehre!";banner
"Mensch";Typus
75;Rekrutierungskosten
3627;Anzahl Personen
0;Anzahl Immigranten
12;Max. Immigranten
563;Punkte
64;Punktedurchschnitt
1021;Optionen
ALLIIERTE
4482;Partei
"Bund der Bären";Parteiname
59;Status
ALLIANZ 5666
"Nordmänner";Parteiname
0;Status
ADRESSEN
3742;Partei
"Die Wüstenfüchse";Parteiname
"partei1@kelvaran.example";email
"Grüße von Die Wüstenfüchse";banner
4482;Partei
"Bund der Bären";Parteiname
"partei2@kelvaran.example";email
"Grüße von Bund der Bären";banner
5666;Partei
"Nordmänner";Parteiname
"partei3@kelvaran.example";email
"Grüße von Nordmänner";banner
6961;Partei
"Händlergilde von Öhringen";Parteiname
"partei4@kelvaran.example";email
"Grüße von Händlergilde von Öhringen";banner
MELDUNGEN
"Willkommen in Runde 201."
"Die Straßen sind unsicher geworden."
EREIGNISSE
"Ein Komet zieht über den Himmel."
EINKOMMEN
"Die Händler verdienen 120 Silber."
HANDEL
"Die Händler kaufen 5 Balsam für 150 Silber."
PRODUKTION
"Die Holzfäller produzieren 12 Holz."
BEWEGUNGEN
"Die Späher wandern nach Osten."
KAEMPFE
"Der Kampf um Felsbrück ist entschieden."
ZAUBER
"Feuerball";Spruch
3;Stufe
"Ein Ball aus Feuer trifft die Feinde.";Beschr
"Heilung";Spruch
2;Stufe
TRAENKE
"Heiltrank";Trank
2;Stufe
"Elfenlieb";Zutat
"Wasserfinder";Zutat
"Heilt Wunden über Nacht.";Beschr
SPRUCH 77
"Nebelschleier";Name
4;Stufe
"Hüllt die Region in dichten Nebel.";Beschr
TRANK 78
"Bauernlieb";Name
1;Stufe
"Schneekristall";Zutat
"Lässt die Bauern sich vermehren.";Beschr
REGION 0 0
"Ozean";Terrain
REGION 1 0
"Ozean";Terrain
REGION 2 0
"Oststätt";Name
"Ebene";Terrain
2151;Bauern
214;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
28;Pferde
35794;Silber
1789;Unterh
53;Rekruten
13;Lohn
PREISE
-19;Balsam
11;GewÃ¼rz
64;Juwel
24;Myrrhe
62;Ã–l
47;Seide
88;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Oststätts Nachbarland."
EINHEIT 208
"Hans";Name
3742;Partei
"Mensch";Typ
23;Anzahl
1;bewacht
1358;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"5520 8";Tarnung
"5520 8";Wahrnehmung
EINHEIT 233
"Knut";Name
3742;Partei
"Mensch";Typ
27;Anzahl
2907;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"4860 6";Burgenbau
"2430 3";Reiten
EINHEIT 248
"Jörg";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4560 4";BogenschieÃŸen
"2280 2";HolzfÃ¤llen
"6840 6";Tarnung
GEGENSTAENDE
28;Bogen
65;Schwert
15;Stein
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 270
"Späher von Wolfsau";Name
3742;Partei
"Mensch";Typ
31;Anzahl
137;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"5580 6";Tarnung
GEGENSTAENDE
22;Speer
12;Kettenhemd
EINHEITSBOTSCHAFTEN
"Späher von Wolfsau hat Hunger."
REGION 3 0
"Eichenfurt";Name
"Ebene";Terrain
1790;Bauern
111;Baeume
UMGEBUNG
"Im w liegt Eichenfurts Nachbarland."
REGION 4 0
"Grünfurt";Name
"Ebene";Terrain
3042;Bauern
126;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
15;Pferde
66707;Silber
3335;Unterh
76;Rekruten
11;Lohn
PREISE
-74;Balsam
18;GewÃ¼rz
4;Juwel
14;Myrrhe
19;Ã–l
9;Seide
13;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (4738)"
UMGEBUNG
"Im so liegt Grünfurts Nachbarland."
EINHEIT 290
"Schützen von Ostberg";Name
3742;Partei
"Mensch";Typ
12;Anzahl
2412;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 97"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Ostberg bleibt hier"
TALENTE
"720 2";Wahrnehmung
"1800 5";Segeln
EINHEITSBOTSCHAFTEN
"Schützen von Ostberg hat Hunger."
EINHEIT 330
"Schützen von Südwald";Name
3742;Partei
"Mensch";Typ
1;Anzahl
3216;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Tarnung"
TALENTE
"270 9";Tarnung
"270 9";Handeln
GEGENSTAENDE
2;Schwert
SPRUECHE
"Feuerball"
"Heilung"
EINHEITSBOTSCHAFTEN
"Schützen von Südwald hat Hunger."
EINHEIT 401
"Öda";Name
3742;Partei
"Mensch";Typ
30;Anzahl
291;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw so"
"; Zur Küste"
TALENTE
"900 1";Handeln
"2700 3";Hiebwaffen
"5400 6";Segeln
GEGENSTAENDE
18;Pferd
EINHEIT 494
"Hans";Name
3742;Partei
"Mensch";Typ
10;Anzahl
230;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1800 6";Hiebwaffen
"1200 4";BogenschieÃŸen
"1800 6";HolzfÃ¤llen
EINHEITSBOTSCHAFTEN
"Hans hat Hunger."
REGION 5 0
"Kaltmoor";Name
"Berge";Terrain
262;Bauern
12;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
14;Pferde
3078;Silber
153;Unterh
6;Rekruten
11;Lohn
6;Eisen
PREISE
-52;Balsam
38;GewÃ¼rz
53;Juwel
34;Myrrhe
12;Ã–l
54;Seide
66;Weihrauch
UMGEBUNG
"Im so liegt Kaltmoors Nachbarland."
EINHEIT 425
"Öda";Name
3742;Partei
"Mensch";Typ
27;Anzahl
2201;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"810 1";Reiten
GEGENSTAENDE
14;Holz
EINHEITSBOTSCHAFTEN
"Öda hat Hunger."
EINHEIT 454
"Öda";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2347;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 67"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"360 6";Reiten
REGION 6 0
"Felsmoor";Name
"Hochland";Terrain
605;Bauern
103;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
10;Pferde
8687;Silber
434;Unterh
15;Rekruten
12;Lohn
45;Strasse
PREISE
-84;Balsam
65;GewÃ¼rz
34;Juwel
39;Myrrhe
36;Ã–l
27;Seide
49;Weihrauch
UMGEBUNG
"Im no liegt Felsmoors Nachbarland."
EINHEIT 501
"Öda";Name
3742;Partei
"Mensch";Typ
48;Anzahl
0;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"11520 8";Segeln
"12960 9";Burgenbau
"1440 1";BogenschieÃŸen
REGION 7 0
"Kaltheim";Name
"Hochland";Terrain
1817;Bauern
70;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltheim sind fleißig.";Beschr
44;Pferde
22879;Silber
1143;Unterh
45;Rekruten
11;Lohn
PREISE
-88;Balsam
12;GewÃ¼rz
25;Juwel
13;Myrrhe
24;Ã–l
73;Seide
36;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kaltheim!"
UMGEBUNG
"Im w liegt Kaltheims Nachbarland."
BURG 652
"Feste Kaltheim";Name
"Burg";Typ
37;Groesse
507;Besitzer
3;Unterhalt
EINHEIT 507
"Bärbel";Name
3742;Partei
"Mensch";Typ
1;Anzahl
652;Burg
2646;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"210 7";Burgenbau
"270 9";BogenschieÃŸen
"90 3";Wahrnehmung
GEGENSTAENDE
2;Pferd
1;Pferd
1;Kettenhemd
EINHEIT 528
"Späher von Osttal";Name
3742;Partei
"Mensch";Typ
2;Anzahl
652;Burg
2940;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"540 9";HolzfÃ¤llen
"480 8";Reiten
GEGENSTAENDE
4;Bogen
3;Stein
2;Schild
EINHEIT 535
"Händler von Nordbrück";Name
3742;Partei
"Mensch";Typ
1;Anzahl
746;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"180 6";Burgenbau
"30 1";Wahrnehmung
"150 5";Burgenbau
EINHEIT 567
"Hans";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
44;Anzahl
1;bewacht
483;Silber
1;Kampfstatus
2;Tarnung
"Nur für mich: Hans";privat
COMMANDS
"MACHEN TEMP 83"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"2640 2";HolzfÃ¤llen
"10560 8";BogenschieÃŸen
"10560 8";HolzfÃ¤llen
GEGENSTAENDE
38;Holz
EINHEIT 585
"Händler von Felsbrück";Name
3742;Partei
"Mensch";Typ
44;Anzahl
652;Burg
234;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"7920 6";HolzfÃ¤llen
"10560 8";Wahrnehmung
"1320 1";Tarnung
GEGENSTAENDE
45;Schild
38;Pferd
EINHEITSBOTSCHAFTEN
"Händler von Felsbrück hat Hunger."
EINHEIT 614
"Grete";Name
3742;Partei
"Mensch";Typ
2;Anzahl
652;Burg
1773;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"120 2";HolzfÃ¤llen
"120 2";Burgenbau
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
REGION 8 0
"Weststätt";Name
"Ebene";Terrain
3001;Bauern
63;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
119;Pferde
25436;Silber
1271;Unterh
75;Rekruten
15;Lohn
PREISE
-45;Balsam
55;GewÃ¼rz
34;Juwel
30;Myrrhe
44;Ã–l
65;Seide
23;Weihrauch
UMGEBUNG
"Im sw liegt Weststätts Nachbarland."
EINHEIT 674
"Knut";Name
3742;Partei
"Mensch";Typ
46;Anzahl
1335;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1380 1";BogenschieÃŸen
GEGENSTAENDE
55;Pferd
30;Holz
91;Pferd
EINHEIT 695
"Holzfäller von Westberg";Name
3742;Partei
"Mensch";Typ
18;Anzahl
2043;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1080 2";Wahrnehmung
"3780 7";Reiten
"1620 3";Wahrnehmung
GEGENSTAENDE
11;Pferd
17;Holz
29;Kettenhemd
EINHEITSBOTSCHAFTEN
"Holzfäller von Westberg hat Hunger."
EINHEIT 714
"Öda";Name
3742;Partei
"Mensch";Typ
40;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2400 2";Tarnung
GEGENSTAENDE
73;Speer
EINHEIT 10454
"Boten von Eichenfurt";Name
3742;Partei
"Mensch";Typ
4;Anzahl
1587;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"720 6";Burgenbau
"120 1";Burgenbau
GEGENSTAENDE
4;Kettenhemd
4;Holz
REGION 9 0
"Bärenau";Name
"Gletscher";Terrain
75;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
0;Pferde
559;Silber
27;Unterh
1;Rekruten
11;Lohn
74;Eisen
PREISE
-58;Balsam
78;GewÃ¼rz
11;Juwel
67;Myrrhe
23;Ã–l
67;Seide
67;Weihrauch
UMGEBUNG
"Im no liegt Bärenaus Nachbarland."
EINHEIT 739
"Öda";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1;bewacht
3290;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 61"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"6750 5";Handeln
GEGENSTAENDE
18;Pferd
90;Schild
92;Holz
EINHEIT 771
"Boten von Bärenstätt";Name
3742;Partei
"Mensch";Typ
45;Anzahl
2298;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"6750 5";Handeln
GEGENSTAENDE
34;Schwert
87;Eisen
54;Holz
EINHEIT 799
"Grete";Name
3742;Partei
"Mensch";Typ
19;Anzahl
1414;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"3990 7";Tarnung
"4560 8";Hiebwaffen
"3990 7";BogenschieÃŸen
GEGENSTAENDE
16;Schwert
22;Pferd
EINHEIT 806
"Boten von Nordstätt";Name
3742;Partei
"Mensch";Typ
3;Anzahl
675;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 31"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Nordstätt bleibt hier"
TALENTE
"720 8";BogenschieÃŸen
"810 9";Wahrnehmung
"630 7";Tarnung
GEGENSTAENDE
3;Pferd
REGION 10 0
"Tanntal";Name
"Ebene";Terrain
1622;Bauern
152;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tanntal sind fleißig.";Beschr
77;Pferde
25277;Silber
1263;Unterh
40;Rekruten
14;Lohn
PREISE
-36;Balsam
58;GewÃ¼rz
81;Juwel
20;Myrrhe
8;Ã–l
31;Seide
6;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Tanntals Nachbarland."
EINHEIT 833
"Späher von Nordwald";Name
3742;Partei
"Mensch";Typ
10;Anzahl
176;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"300 1";Hiebwaffen
GEGENSTAENDE
6;Eisen
2;Bogen
REGION 11 0
"Ozean";Terrain
REGION 12 0
"Ozean";Terrain
REGION 13 0
"Osttal";Name
"Ebene";Terrain
3091;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
55;Pferde
18079;Silber
903;Unterh
77;Rekruten
11;Lohn
PREISE
-7;Balsam
65;GewÃ¼rz
6;Juwel
57;Myrrhe
19;Ã–l
86;Seide
41;Weihrauch
UMGEBUNG
"Im o liegt Osttals Nachbarland."
EINHEIT 863
"Reiter von Wolfsbrück";Name
3742;Partei
"Mensch";Typ
50;Anzahl
2820;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH no sw"
"; Zur Küste"
TALENTE
"6000 4";Wahrnehmung
"6000 4";Reiten
"3000 2";Wahrnehmung
GEGENSTAENDE
75;Speer
91;Bogen
9;Stein
EINHEITSBOTSCHAFTEN
"Reiter von Wolfsbrück hat Hunger."
EINHEIT 899
"Bergleute von Eichenfurt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
832;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 27"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Eichenfurt bleibt hier"
TALENTE
"240 4";Bergbau
EINHEIT 924
"Boten von Bärenhausen";Name
3742;Partei
"Mensch";Typ
8;Anzahl
2527;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"480 2";Burgenbau
"2160 9";Segeln
GEGENSTAENDE
8;Eisen
11;Schild
1;Pferd
EINHEITSBOTSCHAFTEN
"Boten von Bärenhausen hat Hunger."
EINHEIT 952
"Swaantje";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2255;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"90 3";Burgenbau
GEGENSTAENDE
2;Speer
EINHEIT 973
"Späher von Tanntal";Name
3742;Partei
"Mensch";Typ
46;Anzahl
1;bewacht
1868;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 4"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Tanntal bleibt hier"
TALENTE
"1380 1";BogenschieÃŸen
"6900 5";Handeln
GEGENSTAENDE
46;Stein
68;Bogen
32;Holz
EINHEITSBOTSCHAFTEN
"Späher von Tanntal hat Hunger."
REGION 14 0
"Ozean";Terrain
198;Runde
REGION 0 1
"Ozean";Terrain
REGION 1 1
"Ozean";Terrain
REGION 2 1
"Kaltwald";Name
"Ebene";Terrain
2521;Bauern
297;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltwald sind fleißig.";Beschr
66;Pferde
20001;Silber
1000;Unterh
63;Rekruten
13;Lohn
PREISE
-70;Balsam
84;GewÃ¼rz
36;Juwel
66;Myrrhe
50;Ã–l
17;Seide
64;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Kaltwalds Nachbarland."
EINHEIT 997
"Boten von Mühlstätt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
301;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no sw"
"; Zur Küste"
TALENTE
"60 1";Segeln
"540 9";Tarnung
GEGENSTAENDE
1;Schild
2;Holz
2;Pferd
EINHEITSBOTSCHAFTEN
"Boten von Mühlstätt hat Hunger."
EINHEIT 999
"Reiter von Kaltwald";Name
3742;Partei
"Mensch";Typ
36;Anzahl
2921;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 30"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Kaltwald bleibt hier"
TALENTE
"5400 5";Tarnung
GEGENSTAENDE
65;Schild
EINHEIT 1025
"Rüdiger";Name
3742;Partei
"Mensch";Typ
37;Anzahl
1210;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH w o"
"; Zur Küste"
TALENTE
"5550 5";Bergbau
"3330 3";Segeln
"5550 5";HolzfÃ¤llen
REGION 3 1
"Südau";Name
"Wüste";Terrain
174;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
10;Pferde
1168;Silber
58;Unterh
4;Rekruten
11;Lohn
PREISE
-61;Balsam
11;GewÃ¼rz
16;Juwel
75;Myrrhe
67;Ã–l
62;Seide
18;Weihrauch
UMGEBUNG
"Im so liegt Südaus Nachbarland."
EINHEIT 1033
"Holzfäller von Kaltwald";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1840;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bergbau"
TALENTE
"480 8";Bergbau
EINHEIT 1046
"Holzfäller von Nordfurt";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1081
"Schützen von Südberg";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
EINHEIT 1105
"Wachen von Westberg";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
51;Anzahl
287;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"9180 6";HolzfÃ¤llen
"7650 5";Hiebwaffen
"13770 9";Tarnung
GEGENSTAENDE
32;Schild
31;Schwert
EINHEIT 365
"Gundolf";Name
3742;Partei
"Mensch";Typ
2;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"180 3";BogenschieÃŸen
SPRUECHE
"Feuerball"
"Heilung"
REGION 4 1
"Grünstätt";Name
"Berge";Terrain
461;Bauern
18;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
10;Pferde
2564;Silber
128;Unterh
11;Rekruten
12;Lohn
66;Eisen
PREISE
-50;Balsam
42;GewÃ¼rz
51;Juwel
81;Myrrhe
71;Ã–l
74;Seide
41;Weihrauch
UMGEBUNG
"Im so liegt Grünstätts Nachbarland."
EINHEIT 1143
"Öda";Name
3742;Partei
"Mensch";Typ
8;Anzahl
2115;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1200 5";Bergbau
"480 2";BogenschieÃŸen
GEGENSTAENDE
5;Eisen
10;Bogen
EINHEIT 1162
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1491;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 96"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
TALENTE
"30 1";HolzfÃ¤llen
"270 9";BogenschieÃŸen
EINHEIT 1194
"Späher von Grünstätt";Name
3742;Partei
"Mensch";Typ
44;Anzahl
2816;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"1320 1";Tarnung
"6600 5";BogenschieÃŸen
GEGENSTAENDE
56;Stein
EINHEIT 1197
"Händler von Felsstätt";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 5 1
"Kaltfurt";Name
"Ebene";Terrain
4050;Bauern
250;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
51;Pferde
61928;Silber
3096;Unterh
101;Rekruten
15;Lohn
PREISE
-12;Balsam
13;GewÃ¼rz
13;Juwel
6;Myrrhe
73;Ã–l
55;Seide
10;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Kaltfurts Nachbarland."
EINHEIT 1199
"Rüdiger";Name
3742;Partei
"Mensch";Typ
2;Anzahl
884;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no sw"
"; Zur Küste"
TALENTE
"300 5";BogenschieÃŸen
EINHEIT 1233
"Holzfäller von Grünau";Name
3742;Partei
"Mensch";Typ
46;Anzahl
1651;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH no w"
"; Zur Küste"
TALENTE
"6900 5";Handeln
EINHEIT 1271
"Schützen von Osthausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1615;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Reiten
"150 5";Handeln
GEGENSTAENDE
2;Schild
2;Eisen
REGION 6 1
"Südfurt";Name
"Ebene";Terrain
4315;Bauern
105;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
19;Pferde
50865;Silber
2543;Unterh
107;Rekruten
11;Lohn
PREISE
-45;Balsam
28;GewÃ¼rz
59;Juwel
77;Myrrhe
56;Ã–l
17;Seide
74;Weihrauch
UMGEBUNG
"Im sw liegt Südfurts Nachbarland."
EINHEIT 1305
"Gundolf";Name
3742;Partei
"Mensch";Typ
36;Anzahl
964;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"9720 9";BogenschieÃŸen
GEGENSTAENDE
30;Schwert
26;Bogen
27;Speer
EINHEIT 1306
"Boten von Südfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1306;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 46"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Südfurt bleibt hier"
TALENTE
"240 8";Bergbau
"270 9";Wahrnehmung
GEGENSTAENDE
1;Speer
1;Stein
EINHEIT 1328
"Bergleute von Tanntal";Name
5666;Partei
"Zwerg";Typ
34;Anzahl
REGION 7 1
"Felsbrück";Name
"Wüste";Terrain
449;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsbrück sind fleißig.";Beschr
3;Pferde
8209;Silber
410;Unterh
11;Rekruten
13;Lohn
PREISE
-7;Balsam
39;GewÃ¼rz
54;Juwel
38;Myrrhe
19;Ã–l
52;Seide
40;Weihrauch
UMGEBUNG
"Im no liegt Felsbrücks Nachbarland."
EINHEIT 1340
"Knut";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
49;Anzahl
EINHEIT 1346
"Wachen von Tannheim";Name
3742;Partei
"Mensch";Typ
1;Anzahl
6;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH sw nw"
"; Zur Küste"
TALENTE
"120 4";Burgenbau
"240 8";Burgenbau
EINHEIT 1355
"Hans";Name
4482;Partei
"Elf";Typ
30;Anzahl
1179;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2700 3";Segeln
"7200 8";Bergbau
"5400 6";Bergbau
GEGENSTAENDE
9;Kettenhemd
48;Schild
EINHEIT 1378
"Öda";Name
3742;Partei
"Mensch";Typ
24;Anzahl
2201;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw w"
"; Zur Küste"
TALENTE
"3600 5";Handeln
"2880 4";BogenschieÃŸen
"5760 8";Bergbau
GEGENSTAENDE
42;Pferd
47;Kettenhemd
EINHEIT 1417
"Swaantje";Name
3742;Partei
"Mensch";Typ
14;Anzahl
2052;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"2100 5";Handeln
"1260 3";HolzfÃ¤llen
GEGENSTAENDE
22;Schwert
25;Speer
EINHEIT 1443
"Holzfäller von Kaltwald";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
14;Anzahl
673;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 86"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Kaltwald bleibt hier"
TALENTE
"840 2";Bergbau
"3360 8";Bergbau
GEGENSTAENDE
9;Schwert
5;Stein
EINHEIT 1971
"Bergleute von Felsau";Name
3742;Partei
"Mensch";Typ
22;Anzahl
1;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"4620 7";BogenschieÃŸen
"660 1";Hiebwaffen
GEGENSTAENDE
20;Pferd
39;Pferd
25;Bogen
REGION 8 1
"Nordberg";Name
"Ebene";Terrain
2627;Bauern
121;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
92;Pferde
16675;Silber
833;Unterh
65;Rekruten
14;Lohn
PREISE
-64;Balsam
59;GewÃ¼rz
39;Juwel
27;Myrrhe
27;Ã–l
18;Seide
26;Weihrauch
UMGEBUNG
"Im no liegt Nordbergs Nachbarland."
EINHEIT 1430
"Holzfäller von Westheim";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1430;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"180 6";HolzfÃ¤llen
GEGENSTAENDE
1;Speer
1;Holz
EINHEIT 1446
"Jörg";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
13;Anzahl
2075;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"780 2";Bergbau
"3510 9";Bergbau
"1950 5";HolzfÃ¤llen
EINHEIT 1472
"Holzfäller von Südheim";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
12;Anzahl
1196;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"3240 9";Reiten
"1800 5";Hiebwaffen
EINHEIT 1982
"Holzfäller von Grünau";Name
3742;Partei
"Mensch";Typ
43;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH o sw"
"; Zur Küste"
TALENTE
"2580 2";Hiebwaffen
"11610 9";Burgenbau
"7740 6";Bergbau
GEGENSTAENDE
23;Speer
25;Stein
45;Schild
REGION 9 1
"Felswald";Name
"Hochland";Terrain
917;Bauern
96;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felswald sind fleißig.";Beschr
0;Pferde
10289;Silber
514;Unterh
22;Rekruten
14;Lohn
PREISE
-13;Balsam
20;GewÃ¼rz
45;Juwel
65;Myrrhe
53;Ã–l
46;Seide
74;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Felswald!"
UMGEBUNG
"Im sw liegt Felswalds Nachbarland."
EINHEIT 1501
"Händler von Mühlau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1835;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"180 6";Handeln
"120 4";Hiebwaffen
"60 2";Wahrnehmung
GEGENSTAENDE
2;Schild
EINHEITSBOTSCHAFTEN
"Händler von Mühlau hat Hunger."
EINHEIT 1518
"Schützen von Tannhausen";Name
3742;Partei
"Mensch";Typ
38;Anzahl
2700;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 64"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Tannhausen bleibt hier"
TALENTE
"5700 5";Bergbau
"5700 5";Handeln
GEGENSTAENDE
2;Pferd
8;Schwert
55;Holz
EINHEIT 1546
"Reiter von Osthausen";Name
3742;Partei
"Mensch";Typ
46;Anzahl
1249;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"9660 7";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Reiter von Osthausen hat Hunger."
REGION 10 1
"Ozean";Terrain
REGION 11 1
"Ozean";Terrain
REGION 12 1
"Ozean";Terrain
200;Runde
REGION 13 1
"Südfurt";Name
"Wüste";Terrain
438;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
12;Pferde
9508;Silber
475;Unterh
10;Rekruten
15;Lohn
PREISE
-16;Balsam
41;GewÃ¼rz
86;Juwel
36;Myrrhe
15;Ã–l
79;Seide
31;Weihrauch
UMGEBUNG
"Im sw liegt Südfurts Nachbarland."
SCHIFF 1618
"Kahn von Südfurt";Name
"Drachenschiff";Typ
2;Kueste
1612;Kapitaen
EINHEIT 1577
"Ulrike";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
EINHEIT 1585
"Bergleute von Tannmoor";Name
4482;Partei
"Elf";Typ
28;Anzahl
3166;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"840 1";Segeln
"1680 2";Wahrnehmung
"6720 8";Burgenbau
GEGENSTAENDE
29;Speer
4;Schwert
31;Bogen
EINHEIT 1612
"Reiter von Wolfswald";Name
6961;Partei
"Ork";Typ
4;Anzahl
1618;Schiff
REGION 14 1
"Ozean";Terrain
REGION -1 2
"Ozean";Terrain
REGION 0 2
"Ozean";Terrain
200;Runde
REGION 1 2
"Westbrück";Name
"Gletscher";Terrain
50;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
0;Pferde
608;Silber
30;Unterh
1;Rekruten
13;Lohn
19;Strasse
43;Eisen
2;Laen
PREISE
-33;Balsam
82;GewÃ¼rz
41;Juwel
46;Myrrhe
18;Ã–l
73;Seide
31;Weihrauch
UMGEBUNG
"Im no liegt Westbrücks Nachbarland."
EINHEIT 2272
"Boten von Südstätt";Name
3742;Partei
"Mensch";Typ
26;Anzahl
517;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"3120 4";Tarnung
"7020 9";Bergbau
"3120 4";Hiebwaffen
GEGENSTAENDE
5;Speer
3;Schwert
2;Speer
REGION 2 2
"Südfurt";Name
"Sumpf";Terrain
450;Bauern
440;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
12;Pferde
3806;Silber
190;Unterh
11;Rekruten
15;Lohn
PREISE
-43;Balsam
24;GewÃ¼rz
27;Juwel
31;Myrrhe
70;Ã–l
47;Seide
10;Weihrauch
UMGEBUNG
"Im sw liegt Südfurts Nachbarland."
EINHEIT 1717
"Jörg";Name
3742;Partei
"Mensch";Typ
2;Anzahl
155;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Jörg";privat
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"120 2";Wahrnehmung
GEGENSTAENDE
3;Stein
3;Eisen
4;Schwert
REGION 3 2
"Grünbrück";Name
"Hochland";Terrain
1197;Bauern
86;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
42;Pferde
19635;Silber
981;Unterh
29;Rekruten
12;Lohn
PREISE
-40;Balsam
65;GewÃ¼rz
36;Juwel
18;Myrrhe
84;Ã–l
21;Seide
31;Weihrauch
UMGEBUNG
"Im o liegt Grünbrücks Nachbarland."
BURG 1777
"Feste Grünbrück";Name
"Burg";Typ
272;Groesse
1724;Besitzer
27;Unterhalt
EINHEIT 1724
"Schützen von Ostbrück";Name
3742;Partei
"Mensch";Typ
41;Anzahl
1777;Burg
1748;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 76"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Ostbrück bleibt hier"
TALENTE
"4920 4";Segeln
GEGENSTAENDE
44;Eisen
22;Bogen
65;Stein
EINHEIT 1728
"Schützen von Wolfswald";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
29;Anzahl
1777;Burg
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"7830 9";Bergbau
"6960 8";HolzfÃ¤llen
"870 1";Handeln
EINHEIT 1732
"Knut";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1777;Burg
2672;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2520 2";Reiten
GEGENSTAENDE
46;Holz
53;Speer
73;Pferd
EINHEIT 1735
"Bergleute von Eichenbrück";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1469;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so no"
"; Zur Küste"
TALENTE
"240 4";Bergbau
EINHEIT 1756
"Ulrike";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1777;Burg
822;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3420 3";BogenschieÃŸen
"4560 4";Burgenbau
GEGENSTAENDE
5;Bogen
1;Schild
21;Schwert
REGION 4 2
"Grünmoor";Name
"Sumpf";Terrain
739;Bauern
390;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünmoor sind fleißig.";Beschr
7;Pferde
10401;Silber
520;Unterh
18;Rekruten
11;Lohn
PREISE
-66;Balsam
7;GewÃ¼rz
21;Juwel
30;Myrrhe
7;Ã–l
41;Seide
32;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Grünmoors Nachbarland."
EINHEIT 1803
"Hans";Name
6961;Partei
"Ork";Typ
2;Anzahl
EINHEIT 1819
"Knut";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2558;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"420 7";Tarnung
"60 1";Bergbau
GEGENSTAENDE
2;Schild
2;Schild
1;Bogen
EINHEIT 1859
"Reiter von Felsfurt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
713;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 17"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Felsfurt bleibt hier"
TALENTE
"300 5";Segeln
"120 2";Wahrnehmung
"300 5";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Reiter von Felsfurt hat Hunger."
REGION 5 2
"Felsbrück";Name
"Wüste";Terrain
199;Runde
282;Bauern
0;Baeume
REGION 6 2
"Mühlheim";Name
"Wüste";Terrain
240;Bauern
1;Baeume
UMGEBUNG
"Im sw liegt Mühlheims Nachbarland."
REGION 7 2
"Westbrück";Name
"Wald";Terrain
1219;Bauern
1030;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
77;Pferde
11729;Silber
586;Unterh
30;Rekruten
11;Lohn
PREISE
-68;Balsam
6;GewÃ¼rz
62;Juwel
77;Myrrhe
22;Ã–l
17;Seide
32;Weihrauch
UMGEBUNG
"Im no liegt Westbrücks Nachbarland."
EINHEIT 1903
"Bärbel";Name
3742;Partei
"Mensch";Typ
8;Anzahl
2440;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"720 3";Reiten
GEGENSTAENDE
7;Schild
EINHEIT 1899
"Späher von Südheim";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1;bewacht
411;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6930 7";HolzfÃ¤llen
"2970 3";HolzfÃ¤llen
GEGENSTAENDE
26;Kettenhemd
REGION 8 2
"Tannheim";Name
"Berge";Terrain
455;Bauern
26;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannheim sind fleißig.";Beschr
2;Pferde
6303;Silber
315;Unterh
11;Rekruten
13;Lohn
34;Eisen
PREISE
-27;Balsam
33;GewÃ¼rz
33;Juwel
8;Myrrhe
8;Ã–l
38;Seide
19;Weihrauch
UMGEBUNG
"Im w liegt Tannheims Nachbarland."
EINHEIT 2009
"Ulrike";Name
3742;Partei
"Mensch";Typ
34;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH w nw"
"; Zur Küste"
TALENTE
"1020 1";BogenschieÃŸen
GEGENSTAENDE
46;Stein
3;Speer
EINHEIT 2048
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
33;Anzahl
1;bewacht
50;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"7920 8";Handeln
GEGENSTAENDE
22;Kettenhemd
EINHEIT 2072
"Holzfäller von Kaltau";Name
3742;Partei
"Mensch";Typ
54;Anzahl
1013;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 36"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Kaltau bleibt hier"
TALENTE
"12960 8";Bergbau
"11340 7";Burgenbau
"8100 5";BogenschieÃŸen
GEGENSTAENDE
67;Stein
REGION 9 2
"Nordheim";Name
"Ebene";Terrain
2609;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
3;Pferde
14192;Silber
709;Unterh
65;Rekruten
15;Lohn
PREISE
-78;Balsam
58;GewÃ¼rz
66;Juwel
16;Myrrhe
31;Ã–l
52;Seide
45;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
EINHEIT 2102
"Wachen von Bärenwald";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1765;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Segeln"
TALENTE
"360 6";Segeln
GEGENSTAENDE
2;Holz
1;Kettenhemd
1;Speer
EINHEIT 2139
"Späher von Südwald";Name
3742;Partei
"Mensch";Typ
15;Anzahl
1865;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw nw"
"; Zur Küste"
TALENTE
"900 2";Burgenbau
GEGENSTAENDE
9;Stein
EINHEIT 2143
"Bärbel";Name
3742;Partei
"Mensch";Typ
37;Anzahl
185;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH no so"
"; Zur Küste"
TALENTE
"1110 1";Wahrnehmung
EINHEIT 2148
"Hans";Name
6961;Partei
"Ork";Typ
1;Anzahl
REGION 10 2
"Ozean";Terrain
198;Runde
REGION 11 2
"Ozean";Terrain
REGION 12 2
"Ozean";Terrain
REGION 13 2
"Ozean";Terrain
REGION -1 3
"Ozean";Terrain
REGION 0 3
"Kaltmoor";Name
"Sumpf";Terrain
372;Bauern
183;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
24;Pferde
3117;Silber
155;Unterh
9;Rekruten
12;Lohn
PREISE
-43;Balsam
71;GewÃ¼rz
85;Juwel
51;Myrrhe
54;Ã–l
46;Seide
48;Weihrauch
UMGEBUNG
"Im nw liegt Kaltmoors Nachbarland."
EINHEIT 2198
"Reiter von Weststätt";Name
4482;Partei
"Elf";Typ
6;Anzahl
118;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"540 3";Bergbau
"1440 8";Segeln
GEGENSTAENDE
10;Pferd
EINHEIT 2225
"Holzfäller von Tannberg";Name
3742;Partei
"Mensch";Typ
50;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw sw"
"; Zur Küste"
TALENTE
"12000 8";Tarnung
"13500 9";Burgenbau
GEGENSTAENDE
75;Bogen
REGION 1 3
"Eichenbrück";Name
"Berge";Terrain
296;Bauern
21;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenbrück sind fleißig.";Beschr
1;Pferde
3574;Silber
178;Unterh
7;Rekruten
11;Lohn
15;Eisen
14;Laen
PREISE
-27;Balsam
12;GewÃ¼rz
63;Juwel
36;Myrrhe
22;Ã–l
13;Seide
69;Weihrauch
UMGEBUNG
"Im so liegt Eichenbrücks Nachbarland."
EINHEIT 2237
"Boten von Bärenbrück";Name
3742;Partei
"Mensch";Typ
41;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"4920 4";Wahrnehmung
GEGENSTAENDE
25;Schwert
51;Holz
72;Holz
EINHEIT 2275
"Holzfäller von Kaltau";Name
3742;Partei
"Mensch";Typ
30;Anzahl
292;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"5400 6";Wahrnehmung
"1800 2";BogenschieÃŸen
GEGENSTAENDE
18;Eisen
45;Eisen
1;Holz
EINHEIT 2165
"Holzfäller von Wolfsmoor";Name
3742;Partei
"Mensch";Typ
16;Anzahl
2437;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3840 8";BogenschieÃŸen
GEGENSTAENDE
28;Speer
10;Holz
21;Speer
EINHEIT 2299
"Späher von Eichenheim";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 69"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Eichenheim bleibt hier"
TALENTE
"30 1";Handeln
GEGENSTAENDE
1;Holz
SPRUECHE
"Feuerball"
"Heilung"
REGION 2 3
"Osttal";Name
"Wüste";Terrain
230;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
1;Pferde
3082;Silber
154;Unterh
5;Rekruten
12;Lohn
PREISE
-8;Balsam
46;GewÃ¼rz
55;Juwel
56;Myrrhe
57;Ã–l
81;Seide
53;Weihrauch
UMGEBUNG
"Im no liegt Osttals Nachbarland."
EINHEIT 2298
"Wachen von Eichenmoor";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"180 6";Hiebwaffen
"90 3";Burgenbau
GEGENSTAENDE
1;Stein
1;Stein
2;Eisen
EINHEIT 2310
"Rüdiger";Name
3742;Partei
"Mensch";Typ
17;Anzahl
643;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3060 6";Wahrnehmung
"510 1";BogenschieÃŸen
"2040 4";Burgenbau
GEGENSTAENDE
14;Pferd
25;Bogen
14;Kettenhemd
EINHEIT 2349
"Wachen von Nordmoor";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
56;Anzahl
1975;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw sw"
"; Zur Küste"
TALENTE
"8400 5";Segeln
"3360 2";Hiebwaffen
"10080 6";Hiebwaffen
EINHEIT 2372
"Ulrike";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
1;bewacht
1;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH no nw"
"; Zur Küste"
TALENTE
"540 9";Burgenbau
"120 2";BogenschieÃŸen
GEGENSTAENDE
1;Schwert
1;Pferd
REGION 3 3
"Westtal";Name
"Wald";Terrain
1928;Bauern
1042;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
87;Pferde
32932;Silber
1646;Unterh
48;Rekruten
14;Lohn
PREISE
-25;Balsam
64;GewÃ¼rz
46;Juwel
34;Myrrhe
59;Ã–l
69;Seide
53;Weihrauch
UMGEBUNG
"Im o liegt Westtals Nachbarland."
EINHEIT 2384
"Hans";Name
3742;Partei
"Mensch";Typ
30;Anzahl
2489;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 57"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"5400 6";HolzfÃ¤llen
"5400 6";Hiebwaffen
REGION 4 3
"Westfurt";Name
"Sumpf";Terrain
719;Bauern
304;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
10;Pferde
4076;Silber
203;Unterh
17;Rekruten
14;Lohn
13;Strasse
PREISE
-53;Balsam
45;GewÃ¼rz
26;Juwel
32;Myrrhe
50;Ã–l
36;Seide
67;Weihrauch
UMGEBUNG
"Im o liegt Westfurts Nachbarland."
EINHEIT 2389
"Boten von Tannstätt";Name
3742;Partei
"Mensch";Typ
57;Anzahl
1791;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6840 4";Wahrnehmung
EINHEIT 2392
"Rüdiger";Name
4482;Partei
"Elf";Typ
2;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Hiebwaffen
"420 7";Handeln
"540 9";Wahrnehmung
GEGENSTAENDE
1;Kettenhemd
EINHEIT 2431
"Schützen von Weststätt";Name
3742;Partei
"Mensch";Typ
27;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2430 3";Wahrnehmung
GEGENSTAENDE
50;Eisen
17;Speer
4;Pferd
EINHEIT 2460
"Schützen von Mühlau";Name
1;Parteitarnung
"Ork";Typ
23;Anzahl
EINHEIT 2487
"Bärbel";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
49;Anzahl
1663;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 63"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"11760 8";Burgenbau
GEGENSTAENDE
72;Stein
14;Eisen
EINHEIT 1810
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
1181;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"270 9";HolzfÃ¤llen
GEGENSTAENDE
2;Eisen
1;Stein
REGION 5 3
"Grünbrück";Name
"Hochland";Terrain
1195;Bauern
82;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
42;Pferde
11379;Silber
568;Unterh
29;Rekruten
14;Lohn
PREISE
-48;Balsam
20;GewÃ¼rz
49;Juwel
42;Myrrhe
32;Ã–l
55;Seide
36;Weihrauch
UMGEBUNG
"Im nw liegt Grünbrücks Nachbarland."
EINHEIT 2509
"Wachen von Wolfshausen";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
1;Parteitarnung
"Zwerg";Typ
1;Anzahl
EINHEIT 2516
"Schützen von Mühlfurt";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1019;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Holzfällen"
TALENTE
"2160 2";HolzfÃ¤llen
REGION 6 3
"Bärenfurt";Name
"Ebene";Terrain
1900;Bauern
141;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
110;Pferde
22595;Silber
1129;Unterh
47;Rekruten
15;Lohn
PREISE
-17;Balsam
14;GewÃ¼rz
14;Juwel
30;Myrrhe
65;Ã–l
56;Seide
76;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Bärenfurt!"
UMGEBUNG
"Im sw liegt Bärenfurts Nachbarland."
EINHEIT 2542
"Gundolf";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1104;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 21"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Gundolf bleibt hier"
TALENTE
"210 7";Handeln
"90 3";HolzfÃ¤llen
GEGENSTAENDE
2;Speer
2;Eisen
EINHEIT 1932
"Swaantje";Name
3742;Partei
"Mensch";Typ
22;Anzahl
2160;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH so w"
"; Zur Küste"
TALENTE
"4620 7";Bergbau
"5280 8";BogenschieÃŸen
GEGENSTAENDE
5;Pferd
REGION 7 3
"Mühlbrück";Name
"Ebene";Terrain
2413;Bauern
155;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
72;Pferde
18086;Silber
904;Unterh
60;Rekruten
15;Lohn
79;Strasse
PREISE
-12;Balsam
9;GewÃ¼rz
53;Juwel
7;Myrrhe
19;Ã–l
15;Seide
15;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Mühlbrück!"
UMGEBUNG
"Im sw liegt Mühlbrücks Nachbarland."
BURG 2583
"Bau von Mühlbrück";Name
"Bergwerk";Typ
9;Groesse
2576;Besitzer
0;Unterhalt
EINHEIT 2576
"Swaantje";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2583;Burg
1;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 55"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Swaantje bleibt hier"
TALENTE
"480 8";Tarnung
"540 9";Segeln
GEGENSTAENDE
1;Schild
REGION 8 3
"Wolfsmoor";Name
"Wüste";Terrain
356;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
13;Pferde
6146;Silber
307;Unterh
8;Rekruten
15;Lohn
PREISE
-6;Balsam
6;GewÃ¼rz
23;Juwel
64;Myrrhe
51;Ã–l
71;Seide
54;Weihrauch
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 2598
"Hans";Name
3742;Partei
"Mensch";Typ
56;Anzahl
1;bewacht
2106;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"6720 4";Hiebwaffen
"6720 4";Bergbau
"8400 5";Wahrnehmung
REGION 9 3
"Kaltau";Name
"Gletscher";Terrain
36;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltau sind fleißig.";Beschr
0;Pferde
164;Silber
8;Unterh
0;Rekruten
11;Lohn
63;Strasse
73;Eisen
PREISE
-64;Balsam
23;GewÃ¼rz
12;Juwel
34;Myrrhe
12;Ã–l
51;Seide
67;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Kaltaus Nachbarland."
EINHEIT 2615
"Wachen von Grünwald";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
6;Anzahl
EINHEIT 2637
"Bergleute von Westfurt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
1;Parteitarnung
"Zwerg";Typ
55;Anzahl
EINHEIT 2646
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
1;bewacht
286;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"240 4";Wahrnehmung
"300 5";Burgenbau
GEGENSTAENDE
2;Kettenhemd
1;Holz
EINHEIT 2656
"Gundolf";Name
3742;Partei
"Mensch";Typ
24;Anzahl
2270;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5760 8";Tarnung
GEGENSTAENDE
40;Speer
43;Eisen
25;Kettenhemd
EINHEITSBOTSCHAFTEN
"Gundolf hat Hunger."
EINHEIT 10480
"Späher von Tannwald";Name
3742;Partei
"Mensch";Typ
30;Anzahl
2390;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 5"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Tannwald bleibt hier"
TALENTE
"2700 3";Handeln
"1800 2";Hiebwaffen
REGION 10 3
"Ozean";Terrain
REGION 11 3
"Ozean";Terrain
REGION 12 3
"Ozean";Terrain
REGION 13 3
"Ozean";Terrain
199;Runde
REGION -2 4
"Ozean";Terrain
REGION -1 4
"Felsheim";Name
"Sumpf";Terrain
570;Bauern
306;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsheim sind fleißig.";Beschr
7;Pferde
10731;Silber
536;Unterh
14;Rekruten
15;Lohn
PREISE
-26;Balsam
8;GewÃ¼rz
62;Juwel
11;Myrrhe
23;Ã–l
23;Seide
49;Weihrauch
UMGEBUNG
"Im nw liegt Felsheims Nachbarland."
BURG 2748
"Bau von Felsheim";Name
"Hafen";Typ
287;Groesse
2663;Besitzer
28;Unterhalt
EINHEIT 2663
"Bergleute von Felstal";Name
4482;Partei
"Elf";Typ
10;Anzahl
2748;Burg
1909;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2100 7";Hiebwaffen
"900 3";Wahrnehmung
GEGENSTAENDE
13;Speer
11;Eisen
8;Holz
EINHEIT 2689
"Öda";Name
4482;Partei
"Elf";Typ
41;Anzahl
2748;Burg
2805;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3690 3";Segeln
GEGENSTAENDE
7;Pferd
26;Speer
EINHEIT 2718
"Boten von Grünfurt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2748;Burg
2376;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Handeln
"150 5";BogenschieÃŸen
"60 2";Tarnung
GEGENSTAENDE
1;Holz
REGION 0 4
"Eichenhausen";Name
"Wüste";Terrain
160;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenhausen sind fleißig.";Beschr
13;Pferde
2182;Silber
109;Unterh
4;Rekruten
11;Lohn
78;Strasse
PREISE
-45;Balsam
74;GewÃ¼rz
71;Juwel
73;Myrrhe
60;Ã–l
13;Seide
69;Weihrauch
UMGEBUNG
"Im so liegt Eichenhausens Nachbarland."
EINHEIT 2766
"Öda";Name
4482;Partei
"Elf";Typ
2;Anzahl
1048;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Segeln
GEGENSTAENDE
2;Schwert
2;Holz
2;Speer
EINHEIT 2888
"Bärbel";Name
6961;Partei
"Ork";Typ
11;Anzahl
1;bewacht
REGION 1 4
"Nordbrück";Name
"Gletscher";Terrain
41;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordbrück sind fleißig.";Beschr
1;Pferde
230;Silber
11;Unterh
1;Rekruten
12;Lohn
51;Eisen
PREISE
-33;Balsam
37;GewÃ¼rz
65;Juwel
55;Myrrhe
34;Ã–l
53;Seide
84;Weihrauch
UMGEBUNG
"Im w liegt Nordbrücks Nachbarland."
EINHEIT 2806
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
3339;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Bergbau
GEGENSTAENDE
1;Stein
EINHEIT 2825
"Reiter von Eichenwald";Name
4482;Partei
"Elf";Typ
47;Anzahl
1849;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"7050 5";Wahrnehmung
"11280 8";Handeln
"12690 9";Handeln
GEGENSTAENDE
39;Kettenhemd
81;Kettenhemd
EINHEIT 2854
"Knut";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Bergbau
"210 7";Reiten
"60 2";Segeln
GEGENSTAENDE
1;Speer
2;Schild
EINHEIT 2855
"Boten von Tannwald";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Hiebwaffen
"120 2";Handeln
REGION 2 4
"Mühlfurt";Name
"Gletscher";Terrain
31;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlfurt sind fleißig.";Beschr
0;Pferde
562;Silber
28;Unterh
0;Rekruten
11;Lohn
51;Eisen
PREISE
-38;Balsam
44;GewÃ¼rz
84;Juwel
13;Myrrhe
20;Ã–l
26;Seide
4;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Mühlfurt!"
UMGEBUNG
"Im sw liegt Mühlfurts Nachbarland."
EINHEIT 2908
"Grete";Name
4482;Partei
"Elf";Typ
38;Anzahl
783;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10260 9";Reiten
GEGENSTAENDE
17;Schwert
REGION 3 4
"Tannau";Name
"Wüste";Terrain
391;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannau sind fleißig.";Beschr
10;Pferde
3623;Silber
181;Unterh
9;Rekruten
14;Lohn
PREISE
-86;Balsam
6;GewÃ¼rz
23;Juwel
33;Myrrhe
11;Ã–l
65;Seide
77;Weihrauch
UMGEBUNG
"Im sw liegt Tannaus Nachbarland."
EINHEIT 2915
"Händler von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2782;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"150 5";Wahrnehmung
GEGENSTAENDE
2;Eisen
1;Schild
EINHEIT 2918
"Holzfäller von Ostwald";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
5;Anzahl
1587;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH w no"
"; Zur Küste"
TALENTE
"1350 9";HolzfÃ¤llen
"150 1";HolzfÃ¤llen
"450 3";BogenschieÃŸen
GEGENSTAENDE
2;Schwert
9;Eisen
7;Schild
EINHEIT 2934
"Gundolf";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1845;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH w nw"
"; Zur Küste"
TALENTE
"60 2";Tarnung
"120 4";Segeln
EINHEIT 2953
"Bärbel";Name
3742;Partei
"Mensch";Typ
16;Anzahl
864;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2400 5";Handeln
"3360 7";Handeln
"2880 6";Segeln
GEGENSTAENDE
26;Kettenhemd
EINHEIT 2971
"Grete";Name
3742;Partei
"Mensch";Typ
23;Anzahl
1;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"4140 6";Handeln
"5520 8";Tarnung
"5520 8";Wahrnehmung
GEGENSTAENDE
15;Bogen
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
REGION 4 4
"Eichenau";Name
"Ebene";Terrain
2229;Bauern
76;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenau sind fleißig.";Beschr
31;Pferde
35292;Silber
1764;Unterh
55;Rekruten
12;Lohn
60;Strasse
PREISE
-60;Balsam
20;GewÃ¼rz
56;Juwel
53;Myrrhe
50;Ã–l
63;Seide
49;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Eichenaus Nachbarland."
EINHEIT 2994
"Holzfäller von Südtal";Name
3742;Partei
"Mensch";Typ
24;Anzahl
1762;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 85"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Südtal bleibt hier"
TALENTE
"720 1";Bergbau
"2160 3";Hiebwaffen
GEGENSTAENDE
4;Bogen
39;Schwert
35;Eisen
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 3028
"Rüdiger";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
1343;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"240 8";HolzfÃ¤llen
"270 9";BogenschieÃŸen
GEGENSTAENDE
2;Holz
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 3067
"Späher von Westberg";Name
3742;Partei
"Mensch";Typ
53;Anzahl
1271;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"11130 7";Wahrnehmung
"11130 7";Burgenbau
GEGENSTAENDE
50;Eisen
REGION 5 4
"Wolfstal";Name
"Hochland";Terrain
785;Bauern
119;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
37;Pferde
12082;Silber
604;Unterh
19;Rekruten
11;Lohn
PREISE
-73;Balsam
48;GewÃ¼rz
37;Juwel
14;Myrrhe
17;Ã–l
34;Seide
60;Weihrauch
UMGEBUNG
"Im no liegt Wolfstals Nachbarland."
EINHEIT 3095
"Grete";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
1;bewacht
EINHEIT 3096
"Knut";Name
3742;Partei
"Mensch";Typ
41;Anzahl
824;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1230 1";Handeln
"6150 5";HolzfÃ¤llen
GEGENSTAENDE
67;Schild
36;Stein
EINHEIT 3130
"Grete";Name
4482;Partei
"Elf";Typ
25;Anzahl
2012;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1500 2";Bergbau
EINHEIT 3165
"Bergleute von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
15;Anzahl
1885;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"3600 8";BogenschieÃŸen
"3600 8";Bergbau
GEGENSTAENDE
6;Eisen
EINHEIT 3023
"Späher von Kaltmoor";Name
3742;Partei
"Mensch";Typ
50;Anzahl
1193;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 17"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Kaltmoor bleibt hier"
TALENTE
"4500 3";Tarnung
"9000 6";Wahrnehmung
GEGENSTAENDE
6;Schwert
71;Pferd
EINHEIT 3230
"Holzfäller von Ostwald";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1;bewacht
1;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 30"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Ostwald bleibt hier"
TALENTE
"4560 4";Reiten
GEGENSTAENDE
58;Schwert
74;Kettenhemd
66;Stein
REGION 6 4
"Mühlheim";Name
"Hochland";Terrain
1014;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
58;Pferde
19568;Silber
978;Unterh
25;Rekruten
15;Lohn
PREISE
-76;Balsam
23;GewÃ¼rz
17;Juwel
33;Myrrhe
28;Ã–l
27;Seide
66;Weihrauch
DURCHREISE
"Boten (1745)"
UMGEBUNG
"Im w liegt Mühlheims Nachbarland."
EINHEIT 3186
"Boten von Westfurt";Name
3742;Partei
"Mensch";Typ
7;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"210 1";Reiten
"1050 5";Segeln
EINHEITSBOTSCHAFTEN
"Boten von Westfurt hat Hunger."
EINHEIT 3190
"Rüdiger";Name
3742;Partei
"Mensch";Typ
2;Anzahl
591;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 87"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Rüdiger bleibt hier"
TALENTE
"360 6";Segeln
"480 8";Bergbau
"300 5";BogenschieÃŸen
GEGENSTAENDE
1;Schwert
EINHEIT 3206
"Boten von Bärental";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1481;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw o"
"; Zur Küste"
TALENTE
"6480 6";Bergbau
"7560 7";Wahrnehmung
"3240 3";Burgenbau
GEGENSTAENDE
46;Holz
14;Holz
EINHEIT 3250
"Späher von Wolfsberg";Name
3742;Partei
"Mensch";Typ
42;Anzahl
2167;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1260 1";Reiten
"6300 5";Hiebwaffen
GEGENSTAENDE
40;Holz
34;Pferd
48;Bogen
EINHEIT 3252
"Schützen von Osttal";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
56;Anzahl
REGION 7 4
"Bärental";Name
"Wüste";Terrain
314;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
2;Pferde
5588;Silber
279;Unterh
7;Rekruten
11;Lohn
PREISE
-54;Balsam
75;GewÃ¼rz
75;Juwel
48;Myrrhe
27;Ã–l
64;Seide
51;Weihrauch
UMGEBUNG
"Im w liegt Bärentals Nachbarland."
EINHEIT 3267
"Schützen von Kaltmoor";Name
4482;Partei
"Elf";Typ
30;Anzahl
1409;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"6300 7";BogenschieÃŸen
GEGENSTAENDE
15;Stein
EINHEIT 3299
"Rüdiger";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1;bewacht
1318;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3420 3";Reiten
"1140 1";Handeln
"6840 6";Hiebwaffen
GEGENSTAENDE
59;Bogen
31;Speer
EINHEIT 3312
"Wachen von Wolfswald";Name
3742;Partei
"Mensch";Typ
30;Anzahl
1;bewacht
1396;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw o"
"; Zur Küste"
TALENTE
"6300 7";Segeln
"1800 2";Handeln
"4500 5";Handeln
EINHEIT 3342
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1594;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"90 3";Handeln
GEGENSTAENDE
2;Bogen
1;Bogen
REGION 8 4
"Eichenheim";Name
"Ebene";Terrain
3142;Bauern
220;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenheim sind fleißig.";Beschr
56;Pferde
58663;Silber
2933;Unterh
78;Rekruten
14;Lohn
PREISE
-71;Balsam
8;GewÃ¼rz
33;Juwel
33;Myrrhe
75;Ã–l
8;Seide
56;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Eichenheims Nachbarland."
BURG 3368
"Feste Eichenheim";Name
"Burg";Typ
271;Groesse
3354;Besitzer
27;Unterhalt
EINHEIT 3354
"Bergleute von Grünhausen";Name
3742;Partei
"Mensch";Typ
20;Anzahl
3368;Burg
1733;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"5400 9";Tarnung
GEGENSTAENDE
35;Schwert
19;Holz
EINHEIT 3358
"Rüdiger";Name
3742;Partei
"Mensch";Typ
18;Anzahl
362;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3780 7";HolzfÃ¤llen
"4320 8";Wahrnehmung
GEGENSTAENDE
22;Holz
EINHEIT 3404
"Bergleute von Grünbrück";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH w w"
"; Zur Küste"
TALENTE
"90 3";Hiebwaffen
"240 8";Bergbau
"180 6";Segeln
GEGENSTAENDE
1;Stein
2;Holz
REGION 9 4
"Oststätt";Name
"Gletscher";Terrain
72;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
1;Pferde
966;Silber
48;Unterh
1;Rekruten
15;Lohn
76;Eisen
PREISE
-72;Balsam
60;GewÃ¼rz
24;Juwel
83;Myrrhe
73;Ã–l
55;Seide
7;Weihrauch
UMGEBUNG
"Im w liegt Oststätts Nachbarland."
EINHEIT 3430
"Ulrike";Name
3742;Partei
"Mensch";Typ
53;Anzahl
2915;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"11130 7";Burgenbau
GEGENSTAENDE
87;Holz
63;Holz
29;Schwert
SPRUECHE
"Feuerball"
"Heilung"
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
EINHEIT 3454
"Öda";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
2481;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no o"
"; Zur Küste"
TALENTE
"90 3";Burgenbau
"120 4";Burgenbau
"210 7";Wahrnehmung
EINHEIT 3470
"Wachen von Kalttal";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
20;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"150 5";HolzfÃ¤llen
"150 5";BogenschieÃŸen
REGION 10 4
"Ozean";Terrain
REGION 11 4
"Ozean";Terrain
197;Runde
SCHIFF 3472
"Felstals Stolz";Name
"Karavelle";Typ
3479;Kapitaen
REGION 12 4
"Ozean";Terrain
REGION -2 5
"Südfurt";Name
"Berge";Terrain
252;Bauern
11;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
2;Pferde
4342;Silber
217;Unterh
6;Rekruten
15;Lohn
59;Eisen
3;Laen
PREISE
-7;Balsam
37;GewÃ¼rz
67;Juwel
80;Myrrhe
9;Ã–l
56;Seide
82;Weihrauch
UMGEBUNG
"Im nw liegt Südfurts Nachbarland."
EINHEIT 3503
"Knut";Name
3742;Partei
"Mensch";Typ
43;Anzahl
1150;Silber
0;Kampfstatus
2;Tarnung
"Nur für mich: Knut";privat
COMMANDS
"MACHEN TEMP 12"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Knut bleibt hier"
TALENTE
"5160 4";Hiebwaffen
"9030 7";Handeln
"6450 5";Segeln
REGION -1 5
"Bärenhausen";Name
"Ebene";Terrain
2144;Bauern
100;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenhausen sind fleißig.";Beschr
91;Pferde
34614;Silber
1730;Unterh
53;Rekruten
15;Lohn
PREISE
-53;Balsam
13;GewÃ¼rz
84;Juwel
54;Myrrhe
5;Ã–l
7;Seide
61;Weihrauch
UMGEBUNG
"Im w liegt Bärenhausens Nachbarland."
EINHEIT 3535
"Reiter von Felsheim";Name
4482;Partei
"Elf";Typ
28;Anzahl
2017;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3360 4";Tarnung
EINHEIT 3569
"Bergleute von Ostheim";Name
4482;Partei
"Elf";Typ
39;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"10530 9";Tarnung
"7020 6";Segeln
"10530 9";Hiebwaffen
EINHEIT 3599
"Wachen von Eichenstätt";Name
4482;Partei
"Elf";Typ
59;Anzahl
1370;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1770 1";Tarnung
"14160 8";BogenschieÃŸen
"7080 4";Segeln
EINHEIT 3631
"Händler von Westbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
938;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Segeln
EINHEIT 2762
"Bergleute von Nordwald";Name
4482;Partei
"Elf";Typ
24;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1440 2";Hiebwaffen
REGION 0 5
"Bärenberg";Name
"Ebene";Terrain
4541;Bauern
223;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
31;Pferde
72926;Silber
3646;Unterh
113;Rekruten
14;Lohn
PREISE
-30;Balsam
56;GewÃ¼rz
30;Juwel
8;Myrrhe
59;Ã–l
46;Seide
47;Weihrauch
UMGEBUNG
"Im no liegt Bärenbergs Nachbarland."
EINHEIT 3646
"Bergleute von Mühlhausen";Name
3742;Partei
"Mensch";Typ
25;Anzahl
1;bewacht
2785;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"750 1";BogenschieÃŸen
EINHEIT 3652
"Knut";Name
4482;Partei
"Elf";Typ
30;Anzahl
2265;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5400 6";Burgenbau
"8100 9";Handeln
GEGENSTAENDE
55;Eisen
20;Kettenhemd
REGION 1 5
"Wolfsmoor";Name
"Hochland";Terrain
623;Bauern
62;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
1;Pferde
10056;Silber
502;Unterh
15;Rekruten
13;Lohn
PREISE
-70;Balsam
71;GewÃ¼rz
60;Juwel
8;Myrrhe
5;Ã–l
43;Seide
76;Weihrauch
DURCHREISE
"Boten (4718)"
UMGEBUNG
"Im no liegt Wolfsmoors Nachbarland."
EINHEIT 3668
"Schützen von Nordbrück";Name
4482;Partei
"Elf";Typ
27;Anzahl
949;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"7290 9";Wahrnehmung
"4050 5";Tarnung
GEGENSTAENDE
51;Speer
24;Eisen
29;Speer
REGION 2 5
"Nordstätt";Name
"Sumpf";Terrain
348;Bauern
281;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
24;Pferde
7054;Silber
352;Unterh
8;Rekruten
13;Lohn
PREISE
-6;Balsam
41;GewÃ¼rz
61;Juwel
12;Myrrhe
12;Ã–l
40;Seide
20;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Nordstätt!"
UMGEBUNG
"Im nw liegt Nordstätts Nachbarland."
EINHEIT 3698
"Rüdiger";Name
4482;Partei
"Elf";Typ
30;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"7200 8";Bergbau
"3600 4";Reiten
GEGENSTAENDE
5;Bogen
28;Schild
EINHEIT 3732
"Swaantje";Name
4482;Partei
"Elf";Typ
13;Anzahl
583;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3120 8";Burgenbau
GEGENSTAENDE
28;Speer
1;Holz
EINHEIT 3746
"Schützen von Grünbrück";Name
4482;Partei
"Elf";Typ
2;Anzahl
755;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Bergbau
"420 7";Bergbau
"360 6";Hiebwaffen
GEGENSTAENDE
2;Eisen
REGION 3 5
"Kaltfurt";Name
"Gletscher";Terrain
44;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
1;Pferde
511;Silber
25;Unterh
1;Rekruten
13;Lohn
3;Eisen
PREISE
-31;Balsam
27;GewÃ¼rz
35;Juwel
50;Myrrhe
58;Ã–l
66;Seide
55;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kaltfurt!"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Kaltfurts Nachbarland."
EINHEIT 3755
"Wachen von Mühlberg";Name
4482;Partei
"Elf";Typ
16;Anzahl
2737;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3840 8";Wahrnehmung
"480 1";Segeln
"3840 8";Handeln
EINHEIT 3790
"Bergleute von Osttal";Name
4482;Partei
"Elf";Typ
23;Anzahl
452;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"690 1";Hiebwaffen
GEGENSTAENDE
20;Schwert
EINHEIT 3803
"Hans";Name
4482;Partei
"Elf";Typ
21;Anzahl
2459;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1260 2";Hiebwaffen
"3150 5";HolzfÃ¤llen
EINHEIT 3807
"Grete";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";BogenschieÃŸen
GEGENSTAENDE
1;Bogen
2;Speer
1;Stein
EINHEIT 3842
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
482;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Reiten"
TALENTE
"60 2";Reiten
"240 8";Handeln
"270 9";Reiten
GEGENSTAENDE
1;Speer
1;Holz
REGION 4 5
"Westtal";Name
"Berge";Terrain
503;Bauern
28;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
19;Pferde
3660;Silber
183;Unterh
12;Rekruten
15;Lohn
10;Strasse
0;Eisen
PREISE
-16;Balsam
61;GewÃ¼rz
31;Juwel
19;Myrrhe
26;Ã–l
34;Seide
8;Weihrauch
UMGEBUNG
"Im sw liegt Westtals Nachbarland."
BURG 3976
"Feste Westtal";Name
"Burg";Typ
71;Groesse
3861;Besitzer
7;Unterhalt
SCHIFF 3983
"Kahn von Westtal";Name
"Trireme";Typ
4;Kueste
3937;Kapitaen
0;Schaden
83;Ladung
500;MaxLadung
EINHEIT 3861
"Swaantje";Name
4482;Partei
"Elf";Typ
6;Anzahl
3976;Burg
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"540 3";Hiebwaffen
GEGENSTAENDE
11;Bogen
EINHEIT 3897
"Boten von Grünbrück";Name
4482;Partei
"Elf";Typ
19;Anzahl
782;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4560 8";Tarnung
"1710 3";Burgenbau
GEGENSTAENDE
25;Schwert
21;Kettenhemd
EINHEIT 3937
"Jörg";Name
4482;Partei
"Elf";Typ
18;Anzahl
3983;Schiff
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2160 4";Segeln
"4860 9";Burgenbau
GEGENSTAENDE
14;Holz
REGION 5 5
"Eichenwald";Name
"Hochland";Terrain
1475;Bauern
82;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenwald sind fleißig.";Beschr
24;Pferde
25137;Silber
1256;Unterh
36;Rekruten
11;Lohn
PREISE
-55;Balsam
27;GewÃ¼rz
34;Juwel
45;Myrrhe
15;Ã–l
43;Seide
45;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (8829)"
UMGEBUNG
"Im no liegt Eichenwalds Nachbarland."
EINHEIT 4003
"Händler von Nordstätt";Name
5666;Partei
"Zwerg";Typ
8;Anzahl
EINHEIT 4011
"Schützen von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2523;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Reiten
"180 6";Hiebwaffen
GEGENSTAENDE
1;Kettenhemd
1;Speer
1;Bogen
REGION 6 5
"Mühlwald";Name
"Hochland";Terrain
1443;Bauern
80;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
15;Pferde
18301;Silber
915;Unterh
36;Rekruten
12;Lohn
91;Strasse
PREISE
-72;Balsam
72;GewÃ¼rz
69;Juwel
25;Myrrhe
7;Ã–l
31;Seide
77;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Mühlwalds Nachbarland."
EINHEIT 4042
"Swaantje";Name
3742;Partei
"Mensch";Typ
39;Anzahl
1699;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1170 1";Wahrnehmung
GEGENSTAENDE
18;Schwert
EINHEIT 4075
"Bergleute von Felsheim";Name
3742;Partei
"Mensch";Typ
59;Anzahl
1895;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"8850 5";Hiebwaffen
"8850 5";Segeln
"8850 5";Segeln
EINHEIT 4102
"Händler von Mühlau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
2839;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Segeln"
TALENTE
"270 9";Segeln
"120 4";Bergbau
"60 2";Reiten
GEGENSTAENDE
1;Stein
EINHEITSBOTSCHAFTEN
"Händler von Mühlau hat Hunger."
EINHEIT 4108
"Späher von Nordbrück";Name
3742;Partei
"Mensch";Typ
3;Anzahl
205;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"90 1";Wahrnehmung
GEGENSTAENDE
3;Schwert
1;Stein
EINHEIT 4116
"Boten von Tannberg";Name
3742;Partei
"Mensch";Typ
15;Anzahl
137;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw sw"
"; Zur Küste"
TALENTE
"1800 4";Burgenbau
"3600 8";Handeln
GEGENSTAENDE
18;Bogen
EINHEIT 4124
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2056;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 51"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
TALENTE
"90 3";Hiebwaffen
"150 5";BogenschieÃŸen
"30 1";Handeln
GEGENSTAENDE
2;Bogen
1;Pferd
2;Eisen
SPRUECHE
"Feuerball"
"Heilung"
REGION 7 5
"Grünfurt";Name
"Sumpf";Terrain
453;Bauern
331;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
8;Pferde
5759;Silber
287;Unterh
11;Rekruten
13;Lohn
PREISE
-53;Balsam
38;GewÃ¼rz
21;Juwel
26;Myrrhe
57;Ã–l
29;Seide
30;Weihrauch
DURCHREISE
"Boten (6038)"
UMGEBUNG
"Im o liegt Grünfurts Nachbarland."
EINHEIT 4132
"Boten von Tannhausen";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1819;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bergbau"
TALENTE
"480 8";Bergbau
"300 5";Handeln
EINHEIT 4136
"Späher von Mühlstätt";Name
3742;Partei
"Mensch";Typ
45;Anzahl
2122;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH no nw"
"; Zur Küste"
TALENTE
"9450 7";Wahrnehmung
GEGENSTAENDE
17;Stein
EINHEIT 4166
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
645;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 93"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Ulrike bleibt hier"
TALENTE
"210 7";BogenschieÃŸen
GEGENSTAENDE
2;Speer
2;Holz
EINHEIT 4204
"Jörg";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"210 7";Handeln
"30 1";Hiebwaffen
GEGENSTAENDE
1;Schwert
2;Pferd
EINHEIT 4242
"Wachen von Mühlberg";Name
3742;Partei
"Mensch";Typ
56;Anzahl
2186;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"5040 3";Tarnung
"5040 3";Reiten
GEGENSTAENDE
89;Pferd
21;Eisen
REGION 8 5
"Kalttal";Name
"Wald";Terrain
1790;Bauern
467;Baeume
UMGEBUNG
"Im o liegt Kalttals Nachbarland."
REGION 9 5
"Wolfsmoor";Name
"Gletscher";Terrain
42;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
0;Pferde
756;Silber
37;Unterh
1;Rekruten
12;Lohn
50;Strasse
77;Eisen
PREISE
-37;Balsam
78;GewÃ¼rz
22;Juwel
74;Myrrhe
16;Ã–l
67;Seide
44;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Wolfsmoors Nachbarland."
BURG 4378
"Feste Wolfsmoor";Name
"Burg";Typ
254;Groesse
4266;Besitzer
25;Unterhalt
EINHEIT 4266
"Reiter von Kaltau";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
13;Anzahl
4378;Burg
1126;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"1560 4";HolzfÃ¤llen
"3120 8";HolzfÃ¤llen
"2340 6";Reiten
GEGENSTAENDE
13;Stein
10;Stein
2;Schild
EINHEIT 4292
"Ulrike";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH w w"
"; Zur Küste"
TALENTE
"240 4";Burgenbau
"480 8";HolzfÃ¤llen
GEGENSTAENDE
1;Schild
4;Stein
EINHEIT 4307
"Späher von Eichenau";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1024;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 40"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Eichenau bleibt hier"
TALENTE
"540 9";Tarnung
"480 8";Segeln
GEGENSTAENDE
2;Speer
1;Stein
1;Stein
EINHEIT 4332
"Öda";Name
4482;Partei
"Elf";Typ
46;Anzahl
4378;Burg
2350;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5520 4";Handeln
GEGENSTAENDE
59;Holz
8;Stein
51;Eisen
EINHEIT 4363
"Boten von Mühlmoor";Name
3742;Partei
"Mensch";Typ
12;Anzahl
134;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1080 3";Hiebwaffen
GEGENSTAENDE
4;Bogen
15;Schwert
24;Holz
EINHEIT 4369
"Holzfäller von Tannheim";Name
3742;Partei
"Mensch";Typ
35;Anzahl
4378;Burg
2440;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH o o"
"; Zur Küste"
TALENTE
"3150 3";Hiebwaffen
"3150 3";Hiebwaffen
GEGENSTAENDE
36;Kettenhemd
REGION 10 5
"Ozean";Terrain
REGION 11 5
"Ozean";Terrain
REGION 12 5
"Ozean";Terrain
REGION -3 6
"Westberg";Name
"Berge";Terrain
457;Bauern
17;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westberg sind fleißig.";Beschr
5;Pferde
9644;Silber
482;Unterh
11;Rekruten
13;Lohn
42;Eisen
PREISE
-60;Balsam
26;GewÃ¼rz
70;Juwel
20;Myrrhe
67;Ã–l
44;Seide
83;Weihrauch
UMGEBUNG
"Im nw liegt Westbergs Nachbarland."
EINHEIT 4403
"Holzfäller von Felstal";Name
5666;Partei
"Zwerg";Typ
32;Anzahl
EINHEIT 4433
"Rüdiger";Name
4482;Partei
"Elf";Typ
25;Anzahl
442;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"750 1";Reiten
"3000 4";Burgenbau
"3750 5";Segeln
GEGENSTAENDE
20;Schild
EINHEIT 4446
"Jörg";Name
5666;Partei
"Zwerg";Typ
28;Anzahl
EINHEIT 4483
"Schützen von Felswald";Name
4482;Partei
"Elf";Typ
48;Anzahl
2894;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8640 6";HolzfÃ¤llen
GEGENSTAENDE
71;Pferd
REGION -2 6
"Kalthausen";Name
"Hochland";Terrain
838;Bauern
51;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
6;Pferde
8961;Silber
448;Unterh
20;Rekruten
12;Lohn
PREISE
-15;Balsam
64;GewÃ¼rz
40;Juwel
59;Myrrhe
50;Ã–l
29;Seide
63;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kalthausen!"
UMGEBUNG
"Im so liegt Kalthausens Nachbarland."
EINHEIT 4493
"Jörg";Name
4482;Partei
"Elf";Typ
33;Anzahl
647;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2970 3";Bergbau
"4950 5";Segeln
GEGENSTAENDE
27;Schild
41;Kettenhemd
EINHEIT 4502
"Späher von Kaltbrück";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 4515
"Bärbel";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 4523
"Rüdiger";Name
6961;Partei
"Ork";Typ
22;Anzahl
EINHEIT 4553
"Rüdiger";Name
4482;Partei
"Elf";Typ
15;Anzahl
1;bewacht
2164;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4050 9";Segeln
EINHEIT 4580
"Bergleute von Ostberg";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1;bewacht
1934;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3960 4";Hiebwaffen
"5940 6";Segeln
"990 1";Hiebwaffen
GEGENSTAENDE
16;Schild
26;Pferd
REGION -1 6
"Wolfsmoor";Name
"Berge";Terrain
238;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
1;Pferde
2650;Silber
132;Unterh
5;Rekruten
15;Lohn
24;Eisen
PREISE
-63;Balsam
33;GewÃ¼rz
68;Juwel
57;Myrrhe
55;Ã–l
62;Seide
6;Weihrauch
DURCHREISE
"Boten (2074)"
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 4610
"Rüdiger";Name
4482;Partei
"Elf";Typ
43;Anzahl
1101;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3870 3";BogenschieÃŸen
"9030 7";Tarnung
"11610 9";Segeln
GEGENSTAENDE
81;Schild
14;Stein
EINHEIT 4617
"Reiter von Ostau";Name
4482;Partei
"Elf";Typ
39;Anzahl
1955;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4680 4";HolzfÃ¤llen
"5850 5";Bergbau
EINHEIT 4656
"Ulrike";Name
4482;Partei
"Elf";Typ
43;Anzahl
807;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"11610 9";Wahrnehmung
"10320 8";Wahrnehmung
GEGENSTAENDE
10;Pferd
69;Eisen
88;Eisen
EINHEIT 4688
"Knut";Name
4482;Partei
"Elf";Typ
65;Anzahl
2136;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"11700 6";Hiebwaffen
"17550 9";Tarnung
"15600 8";Reiten
GEGENSTAENDE
118;Bogen
18;Schild
REGION 0 6
"Eichenmoor";Name
"Sumpf";Terrain
577;Bauern
308;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenmoor sind fleißig.";Beschr
15;Pferde
3083;Silber
154;Unterh
14;Rekruten
13;Lohn
PREISE
-21;Balsam
12;GewÃ¼rz
75;Juwel
35;Myrrhe
20;Ã–l
77;Seide
7;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Eichenmoors Nachbarland."
EINHEIT 4719
"Gundolf";Name
4482;Partei
"Elf";Typ
50;Anzahl
1;bewacht
1358;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3000 2";BogenschieÃŸen
GEGENSTAENDE
6;Pferd
2;Eisen
1;Speer
EINHEIT 4749
"Gundolf";Name
3742;Partei
"Mensch";Typ
39;Anzahl
762;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5850 5";Reiten
"9360 8";Handeln
EINHEIT 4773
"Bergleute von Mühlbrück";Name
6961;Partei
"Ork";Typ
54;Anzahl
EINHEIT 4777
"Gundolf";Name
4482;Partei
"Elf";Typ
48;Anzahl
2560;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8640 6";Bergbau
"4320 3";Wahrnehmung
"8640 6";Bergbau
GEGENSTAENDE
88;Holz
EINHEIT 4811
"Händler von Ostmoor";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";Hiebwaffen
"480 8";Reiten
"480 8";BogenschieÃŸen
REGION 1 6
"Bärental";Name
"Sumpf";Terrain
442;Bauern
388;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
23;Pferde
3476;Silber
173;Unterh
11;Rekruten
15;Lohn
PREISE
-54;Balsam
18;GewÃ¼rz
22;Juwel
26;Myrrhe
11;Ã–l
42;Seide
22;Weihrauch
UMGEBUNG
"Im sw liegt Bärentals Nachbarland."
EINHEIT 4850
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1085;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";HolzfÃ¤llen
EINHEIT 4882
"Bergleute von Tannberg";Name
4482;Partei
"Elf";Typ
18;Anzahl
978;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2700 5";Reiten
"3780 7";BogenschieÃŸen
"540 1";Reiten
GEGENSTAENDE
11;Pferd
EINHEIT 4887
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
842;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Burgenbau"
TALENTE
"270 9";Burgenbau
"210 7";Burgenbau
GEGENSTAENDE
2;Speer
REGION 2 6
"Wolfsfurt";Name
"Hochland";Terrain
1229;Bauern
54;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsfurt sind fleißig.";Beschr
16;Pferde
8125;Silber
406;Unterh
30;Rekruten
11;Lohn
PREISE
-46;Balsam
10;GewÃ¼rz
74;Juwel
55;Myrrhe
31;Ã–l
53;Seide
66;Weihrauch
UMGEBUNG
"Im nw liegt Wolfsfurts Nachbarland."
EINHEIT 4936
"Schützen von Westwald";Name
4482;Partei
"Elf";Typ
2;Anzahl
2716;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"420 7";Handeln
EINHEIT 4966
"Swaantje";Name
4482;Partei
"Elf";Typ
47;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"11280 8";Wahrnehmung
REGION 3 6
"Mühlau";Name
"Sumpf";Terrain
891;Bauern
448;Baeume
UMGEBUNG
"Im sw liegt Mühlaus Nachbarland."
REGION 4 6
"Kaltfurt";Name
"Ebene";Terrain
2723;Bauern
140;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
19;Pferde
53457;Silber
2672;Unterh
68;Rekruten
12;Lohn
PREISE
-20;Balsam
68;GewÃ¼rz
22;Juwel
69;Myrrhe
12;Ã–l
45;Seide
67;Weihrauch
DURCHREISE
"Boten (9473)"
UMGEBUNG
"Im w liegt Kaltfurts Nachbarland."
EINHEIT 5006
"Gundolf";Name
4482;Partei
"Elf";Typ
19;Anzahl
3;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2280 4";BogenschieÃŸen
"3420 6";BogenschieÃŸen
"1710 3";Burgenbau
GEGENSTAENDE
25;Kettenhemd
29;Schwert
REGION 5 6
"Wolfsheim";Name
"Sumpf";Terrain
586;Bauern
241;Baeume
UMGEBUNG
"Im nw liegt Wolfsheims Nachbarland."
REGION 6 6
"Mühlbrück";Name
"Ebene";Terrain
3694;Bauern
102;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
100;Pferde
67399;Silber
3369;Unterh
92;Rekruten
13;Lohn
PREISE
-47;Balsam
69;GewÃ¼rz
42;Juwel
36;Myrrhe
49;Ã–l
25;Seide
48;Weihrauch
UMGEBUNG
"Im o liegt Mühlbrücks Nachbarland."
EINHEIT 5039
"Bärbel";Name
6961;Partei
"Ork";Typ
30;Anzahl
EINHEIT 5045
"Jörg";Name
4482;Partei
"Elf";Typ
15;Anzahl
1822;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3150 7";Wahrnehmung
GEGENSTAENDE
27;Stein
25;Kettenhemd
EINHEIT 5058
"Schützen von Felswald";Name
4482;Partei
"Elf";Typ
33;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1980 2";Reiten
"4950 5";Tarnung
"1980 2";Segeln
EINHEIT 5078
"Boten von Südhausen";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
1;bewacht
EINHEIT 5110
"Hans";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
135;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Hiebwaffen
GEGENSTAENDE
2;Eisen
REGION 7 6
"Mühlwald";Name
"Wald";Terrain
1844;Bauern
554;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
30;Pferde
28535;Silber
1426;Unterh
46;Rekruten
12;Lohn
PREISE
-30;Balsam
75;GewÃ¼rz
72;Juwel
59;Myrrhe
33;Ã–l
57;Seide
21;Weihrauch
UMGEBUNG
"Im no liegt Mühlwalds Nachbarland."
EINHEIT 5139
"Bergleute von Grünheim";Name
3742;Partei
"Mensch";Typ
9;Anzahl
609;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 96"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Grünheim bleibt hier"
TALENTE
"2160 8";Segeln
"540 2";BogenschieÃŸen
"1350 5";BogenschieÃŸen
GEGENSTAENDE
2;Holz
EINHEIT 5179
"Schützen von Wolfsberg";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1;bewacht
1;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2160 2";Tarnung
"2160 2";Hiebwaffen
GEGENSTAENDE
43;Stein
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 5190
"Bärbel";Name
3742;Partei
"Mensch";Typ
41;Anzahl
1;bewacht
3138;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"7380 6";Bergbau
GEGENSTAENDE
33;Schild
64;Pferd
59;Schwert
EINHEIT 5191
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
1;bewacht
EINHEIT 5221
"Wachen von Kalttal";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;bewacht
1061;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Handeln"
TALENTE
"300 5";Handeln
"180 3";Bergbau
"120 2";Handeln
GEGENSTAENDE
2;Stein
3;Bogen
4;Kettenhemd
REGION 8 6
"Westhausen";Name
"Ebene";Terrain
2903;Bauern
85;Baeume
UMGEBUNG
"Im o liegt Westhausens Nachbarland."
EINHEIT 5954
"Knut";Name
6961;Partei
"Ork";Typ
38;Anzahl
REGION 9 6
"Kaltstätt";Name
"Gletscher";Terrain
33;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
2;Pferde
463;Silber
23;Unterh
0;Rekruten
11;Lohn
78;Eisen
PREISE
-21;Balsam
73;GewÃ¼rz
67;Juwel
37;Myrrhe
42;Ã–l
51;Seide
32;Weihrauch
UMGEBUNG
"Im o liegt Kaltstätts Nachbarland."
EINHEIT 5252
"Öda";Name
3742;Partei
"Mensch";Typ
5;Anzahl
1690;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"150 1";Hiebwaffen
GEGENSTAENDE
7;Bogen
1;Speer
2;Bogen
EINHEIT 5261
"Swaantje";Name
3742;Partei
"Mensch";Typ
19;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"5130 9";Segeln
"3990 7";BogenschieÃŸen
"3420 6";Wahrnehmung
GEGENSTAENDE
31;Holz
EINHEITSBOTSCHAFTEN
"Swaantje hat Hunger."
EINHEIT 5303
"Hans";Name
5666;Partei
"Zwerg";Typ
54;Anzahl
EINHEIT 5328
"Öda";Name
3742;Partei
"Mensch";Typ
23;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 91"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"1380 2";Tarnung
GEGENSTAENDE
29;Holz
15;Pferd
SPRUECHE
"Feuerball"
"Heilung"
REGION 10 6
"Ozean";Terrain
REGION 11 6
"Ozean";Terrain
REGION -3 7
"Felsau";Name
"Ebene";Terrain
3015;Bauern
75;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsau sind fleißig.";Beschr
117;Pferde
45262;Silber
2263;Unterh
75;Rekruten
14;Lohn
PREISE
-56;Balsam
51;GewÃ¼rz
13;Juwel
74;Myrrhe
81;Ã–l
12;Seide
60;Weihrauch
UMGEBUNG
"Im w liegt Felsaus Nachbarland."
BURG 5383
"Bau von Felsau";Name
"Burg";Typ
64;Groesse
5345;Besitzer
6;Unterhalt
EINHEIT 5345
"Rüdiger";Name
4482;Partei
"Elf";Typ
16;Anzahl
5383;Burg
885;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1920 4";Handeln
"3360 7";BogenschieÃŸen
GEGENSTAENDE
20;Holz
20;Bogen
1;Pferd
EINHEIT 5363
"Jörg";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1757;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"7560 7";BogenschieÃŸen
"7560 7";Tarnung
"9720 9";Reiten
GEGENSTAENDE
33;Speer
55;Pferd
20;Schwert
REGION -2 7
"Eichenheim";Name
"Ebene";Terrain
1387;Bauern
73;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenheim sind fleißig.";Beschr
39;Pferde
12580;Silber
629;Unterh
34;Rekruten
14;Lohn
PREISE
-60;Balsam
17;GewÃ¼rz
69;Juwel
19;Myrrhe
46;Ã–l
11;Seide
17;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Eichenheims Nachbarland."
EINHEIT 5410
"Rüdiger";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
38;Anzahl
1;bewacht
2565;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2280 2";Hiebwaffen
"1140 1";Wahrnehmung
"10260 9";Hiebwaffen
GEGENSTAENDE
62;Speer
REGION -1 7
"Felshausen";Name
"Wüste";Terrain
301;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felshausen sind fleißig.";Beschr
14;Pferde
3195;Silber
159;Unterh
7;Rekruten
13;Lohn
PREISE
-16;Balsam
68;GewÃ¼rz
26;Juwel
41;Myrrhe
17;Ã–l
25;Seide
35;Weihrauch
UMGEBUNG
"Im nw liegt Felshausens Nachbarland."
EINHEIT 6065
"Bergleute von Mühltal";Name
4482;Partei
"Elf";Typ
63;Anzahl
1;bewacht
1;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"11340 6";Segeln
"7560 4";BogenschieÃŸen
REGION 0 7
"Westwald";Name
"Berge";Terrain
467;Bauern
9;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westwald sind fleißig.";Beschr
17;Pferde
7771;Silber
388;Unterh
11;Rekruten
15;Lohn
17;Eisen
8;Laen
PREISE
-8;Balsam
41;GewÃ¼rz
72;Juwel
19;Myrrhe
54;Ã–l
7;Seide
69;Weihrauch
UMGEBUNG
"Im sw liegt Westwalds Nachbarland."
EINHEIT 5446
"Schützen von Bärenberg";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 5459
"Holzfäller von Eichenau";Name
4482;Partei
"Elf";Typ
42;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3780 3";Segeln
"6300 5";Handeln
GEGENSTAENDE
69;Schwert
EINHEIT 5493
"Bergleute von Oststätt";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1235;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"990 1";Burgenbau
GEGENSTAENDE
22;Schild
REGION 1 7
"Kaltstätt";Name
"Wüste";Terrain
406;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
6;Pferde
5085;Silber
254;Unterh
10;Rekruten
12;Lohn
66;Strasse
PREISE
-19;Balsam
69;GewÃ¼rz
59;Juwel
29;Myrrhe
70;Ã–l
43;Seide
26;Weihrauch
UMGEBUNG
"Im w liegt Kaltstätts Nachbarland."
EINHEIT 5498
"Späher von Wolfsbrück";Name
4482;Partei
"Elf";Typ
44;Anzahl
1855;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9240 7";Handeln
"3960 3";Bergbau
"2640 2";HolzfÃ¤llen
GEGENSTAENDE
87;Bogen
EINHEIT 5499
"Hans";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
EINHEIT 5532
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Reiten
GEGENSTAENDE
2;Speer
1;Stein
1;Stein
EINHEIT 5538
"Bergleute von Oststätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2269;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Burgenbau
"270 9";Burgenbau
"210 7";Reiten
GEGENSTAENDE
1;Bogen
EINHEIT 4904
"Boten von Mühltal";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
56;Anzahl
1467;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"15120 9";BogenschieÃŸen
"10080 6";HolzfÃ¤llen
"3360 2";Bergbau
GEGENSTAENDE
30;Bogen
REGION 2 7
"Bärenbrück";Name
"Sumpf";Terrain
898;Bauern
273;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
2;Pferde
11782;Silber
589;Unterh
22;Rekruten
14;Lohn
PREISE
-17;Balsam
45;GewÃ¼rz
60;Juwel
53;Myrrhe
69;Ã–l
19;Seide
9;Weihrauch
UMGEBUNG
"Im w liegt Bärenbrücks Nachbarland."
EINHEIT 5570
"Späher von Westwald";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
12;Anzahl
1856;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2880 8";Burgenbau
"1800 5";Reiten
GEGENSTAENDE
23;Bogen
EINHEIT 5591
"Ulrike";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
988;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";HolzfÃ¤llen
"90 3";BogenschieÃŸen
"270 9";Reiten
GEGENSTAENDE
2;Schild
1;Stein
EINHEIT 5629
"Öda";Name
4482;Partei
"Elf";Typ
14;Anzahl
613;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2520 6";Wahrnehmung
"840 2";Handeln
"2940 7";Wahrnehmung
GEGENSTAENDE
16;Speer
REGION 3 7
"Grünstätt";Name
"Wüste";Terrain
313;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
3786;Silber
189;Unterh
7;Rekruten
11;Lohn
PREISE
-14;Balsam
29;GewÃ¼rz
21;Juwel
42;Myrrhe
69;Ã–l
28;Seide
59;Weihrauch
UMGEBUNG
"Im nw liegt Grünstätts Nachbarland."
BURG 5670
"Feste Grünstätt";Name
"Burg";Typ
77;Groesse
5667;Besitzer
7;Unterhalt
EINHEIT 5667
"Späher von Südwald";Name
4482;Partei
"Elf";Typ
51;Anzahl
5670;Burg
2829;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1530 1";Segeln
"6120 4";HolzfÃ¤llen
"3060 2";Segeln
REGION 4 7
"Nordmoor";Name
"Sumpf";Terrain
844;Bauern
345;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
3;Pferde
10760;Silber
538;Unterh
21;Rekruten
14;Lohn
74;Strasse
PREISE
-75;Balsam
7;GewÃ¼rz
36;Juwel
82;Myrrhe
36;Ã–l
48;Seide
34;Weihrauch
UMGEBUNG
"Im sw liegt Nordmoors Nachbarland."
EINHEIT 5696
"Wachen von Eichenfurt";Name
4482;Partei
"Elf";Typ
36;Anzahl
1177;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3240 3";BogenschieÃŸen
"8640 8";Burgenbau
GEGENSTAENDE
15;Speer
68;Bogen
39;Eisen
EINHEIT 5697
"Bärbel";Name
3742;Partei
"Mensch";Typ
24;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Holzfällen"
TALENTE
"2160 3";HolzfÃ¤llen
GEGENSTAENDE
10;Pferd
33;Stein
EINHEIT 5711
"Reiter von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2032;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Wahrnehmung
"270 9";Segeln
"150 5";BogenschieÃŸen
EINHEIT 5730
"Jörg";Name
4482;Partei
"Elf";Typ
13;Anzahl
1;bewacht
2154;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1950 5";BogenschieÃŸen
"1950 5";HolzfÃ¤llen
GEGENSTAENDE
15;Pferd
20;Speer
22;Pferd
EINHEIT 5737
"Späher von Ostfurt";Name
4482;Partei
"Elf";Typ
64;Anzahl
601;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1920 1";Hiebwaffen
GEGENSTAENDE
47;Pferd
14;Bogen
REGION 5 7
"Ostbrück";Name
"Ebene";Terrain
3055;Bauern
134;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
110;Pferde
50926;Silber
2546;Unterh
76;Rekruten
12;Lohn
PREISE
-78;Balsam
13;GewÃ¼rz
26;Juwel
20;Myrrhe
38;Ã–l
53;Seide
30;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im no liegt Ostbrücks Nachbarland."
EINHEIT 5775
"Holzfäller von Ostfurt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
52;Anzahl
2204;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"6240 4";HolzfÃ¤llen
GEGENSTAENDE
51;Schwert
80;Schild
75;Pferd
REGION 6 7
"Grünstätt";Name
"Berge";Terrain
405;Bauern
26;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2926;Silber
146;Unterh
10;Rekruten
15;Lohn
24;Eisen
PREISE
-37;Balsam
80;GewÃ¼rz
20;Juwel
36;Myrrhe
59;Ã–l
23;Seide
46;Weihrauch
UMGEBUNG
"Im so liegt Grünstätts Nachbarland."
EINHEIT 5790
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
637;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";BogenschieÃŸen
"60 2";Burgenbau
"90 3";HolzfÃ¤llen
GEGENSTAENDE
1;Eisen
2;Stein
EINHEIT 5793
"Bärbel";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
278;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Burgenbau
"120 4";HolzfÃ¤llen
"180 6";Handeln
EINHEIT 5830
"Händler von Felstal";Name
4482;Partei
"Elf";Typ
54;Anzahl
1954;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"12960 8";Wahrnehmung
REGION 7 7
"Nordheim";Name
"Wüste";Terrain
229;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
12;Pferde
1900;Silber
95;Unterh
5;Rekruten
14;Lohn
PREISE
-36;Balsam
31;GewÃ¼rz
40;Juwel
44;Myrrhe
57;Ã–l
39;Seide
24;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Nordheim!"
UMGEBUNG
"Im no liegt Nordheims Nachbarland."
EINHEIT 5867
"Händler von Felsmoor";Name
4482;Partei
"Elf";Typ
35;Anzahl
1;bewacht
945;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8400 8";Wahrnehmung
GEGENSTAENDE
23;Stein
EINHEIT 5895
"Grete";Name
4482;Partei
"Elf";Typ
64;Anzahl
2299;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"13440 7";BogenschieÃŸen
"17280 9";Bergbau
"13440 7";Reiten
GEGENSTAENDE
119;Pferd
EINHEIT 5916
"Grete";Name
4482;Partei
"Elf";Typ
5;Anzahl
1691;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"300 2";Burgenbau
"1350 9";HolzfÃ¤llen
"1050 7";Wahrnehmung
GEGENSTAENDE
7;Stein
4;Holz
REGION 8 7
"Bärenberg";Name
"Sumpf";Terrain
862;Bauern
262;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
21;Pferde
15287;Silber
764;Unterh
21;Rekruten
13;Lohn
PREISE
-38;Balsam
66;GewÃ¼rz
39;Juwel
36;Myrrhe
74;Ã–l
21;Seide
47;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Bärenbergs Nachbarland."
EINHEIT 5937
"Holzfäller von Ostwald";Name
4482;Partei
"Elf";Typ
38;Anzahl
1;bewacht
2009;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"5700 5";Burgenbau
GEGENSTAENDE
78;Kettenhemd
EINHEIT 5970
"Rüdiger";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
60;Anzahl
2175;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9000 5";HolzfÃ¤llen
"1800 1";HolzfÃ¤llen
REGION 9 7
"Ozean";Terrain
REGION 10 7
"Ozean";Terrain
198;Runde
REGION 11 7
"Ozean";Terrain
REGION -4 8
"Grünau";Name
"Wald";Terrain
2293;Bauern
1062;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünau sind fleißig.";Beschr
51;Pferde
20107;Silber
1005;Unterh
57;Rekruten
13;Lohn
PREISE
-35;Balsam
49;GewÃ¼rz
14;Juwel
40;Myrrhe
29;Ã–l
55;Seide
50;Weihrauch
UMGEBUNG
"Im sw liegt Grünaus Nachbarland."
EINHEIT 5998
"Händler von Eichenmoor";Name
4482;Partei
"Elf";Typ
36;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8640 8";Bergbau
GEGENSTAENDE
12;Schwert
38;Schild
EINHEIT 6003
"Jörg";Name
4482;Partei
"Elf";Typ
22;Anzahl
861;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"660 1";Burgenbau
"3960 6";BogenschieÃŸen
"1320 2";Bergbau
GEGENSTAENDE
42;Kettenhemd
11;Kettenhemd
47;Stein
EINHEIT 6011
"Swaantje";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Segeln
EINHEIT 6021
"Holzfäller von Grünwald";Name
3742;Partei
"Mensch";Typ
11;Anzahl
895;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Holzfäller von Grünwald";privat
COMMANDS
"MACHEN TEMP 8"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Grünwald bleibt hier"
TALENTE
"990 3";Reiten
"2640 8";Reiten
"1320 4";Reiten
EINHEITSBOTSCHAFTEN
"Holzfäller von Grünwald hat Hunger."
REGION -3 8
"Südau";Name
"Hochland";Terrain
1761;Bauern
65;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
59;Pferde
14150;Silber
707;Unterh
44;Rekruten
15;Lohn
PREISE
-18;Balsam
14;GewÃ¼rz
69;Juwel
25;Myrrhe
43;Ã–l
26;Seide
14;Weihrauch
UMGEBUNG
"Im so liegt Südaus Nachbarland."
EINHEIT 6020
"Rüdiger";Name
4482;Partei
"Elf";Typ
57;Anzahl
2754;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1710 1";Burgenbau
"8550 5";Reiten
"1710 1";Hiebwaffen
GEGENSTAENDE
79;Kettenhemd
25;Bogen
102;Eisen
EINHEIT 6056
"Ulrike";Name
4482;Partei
"Elf";Typ
35;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5250 5";Burgenbau
GEGENSTAENDE
9;Eisen
25;Schild
23;Stein
REGION -2 8
"Felsmoor";Name
"Wald";Terrain
2413;Bauern
1080;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
30;Pferde
24396;Silber
1219;Unterh
60;Rekruten
14;Lohn
52;Strasse
PREISE
-31;Balsam
51;GewÃ¼rz
55;Juwel
33;Myrrhe
32;Ã–l
22;Seide
5;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Felsmoors Nachbarland."
EINHEIT 6095
"Wachen von Mühlstätt";Name
4482;Partei
"Elf";Typ
2;Anzahl
2922;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Reiten
"120 2";Burgenbau
"480 8";Handeln
GEGENSTAENDE
2;Holz
1;Speer
EINHEIT 6130
"Bergleute von Grünau";Name
1;Parteitarnung
"Zwerg";Typ
33;Anzahl
1;bewacht
REGION -1 8
"Westmoor";Name
"Wüste";Terrain
317;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westmoor sind fleißig.";Beschr
13;Pferde
4245;Silber
212;Unterh
7;Rekruten
13;Lohn
PREISE
-37;Balsam
83;GewÃ¼rz
23;Juwel
14;Myrrhe
15;Ã–l
70;Seide
75;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westmoor!"
UMGEBUNG
"Im nw liegt Westmoors Nachbarland."
EINHEIT 6143
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";HolzfÃ¤llen
"210 7";Burgenbau
"90 3";BogenschieÃŸen
GEGENSTAENDE
2;Eisen
EINHEIT 6150
"Schützen von Ostmoor";Name
4482;Partei
"Elf";Typ
41;Anzahl
1;bewacht
414;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"7380 6";Segeln
"4920 4";HolzfÃ¤llen
"6150 5";Handeln
EINHEIT 6151
"Händler von Eichenmoor";Name
4482;Partei
"Elf";Typ
40;Anzahl
2284;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2400 2";Reiten
"7200 6";Reiten
"3600 3";Handeln
GEGENSTAENDE
6;Eisen
EINHEIT 5417
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
657;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";BogenschieÃŸen
"30 1";Bergbau
GEGENSTAENDE
2;Schild
REGION 0 8
"Wolfsheim";Name
"Ebene";Terrain
3476;Bauern
115;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsheim sind fleißig.";Beschr
79;Pferde
42747;Silber
2137;Unterh
86;Rekruten
11;Lohn
PREISE
-10;Balsam
31;GewÃ¼rz
76;Juwel
17;Myrrhe
71;Ã–l
69;Seide
7;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Wolfsheim!"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Wolfsheims Nachbarland."
EINHEIT 6177
"Späher von Grünfurt";Name
4482;Partei
"Elf";Typ
59;Anzahl
1;bewacht
2626;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3540 2";Handeln
"8850 5";Wahrnehmung
"15930 9";Reiten
GEGENSTAENDE
97;Pferd
EINHEIT 6198
"Schützen von Eichenhausen";Name
4482;Partei
"Elf";Typ
39;Anzahl
2534;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3510 3";HolzfÃ¤llen
GEGENSTAENDE
16;Holz
17;Bogen
42;Holz
EINHEIT 6222
"Rüdiger";Name
4482;Partei
"Elf";Typ
1;Anzahl
1990;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Segeln
"180 6";HolzfÃ¤llen
GEGENSTAENDE
1;Stein
EINHEIT 6236
"Schützen von Felsstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
740;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Wahrnehmung
"60 2";BogenschieÃŸen
"270 9";Handeln
GEGENSTAENDE
1;Holz
EINHEIT 6875
"Wachen von Kaltheim";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Reiten
"240 4";BogenschieÃŸen
REGION 1 8
"Nordstätt";Name
"Wüste";Terrain
369;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
1;Pferde
7043;Silber
352;Unterh
9;Rekruten
15;Lohn
PREISE
-7;Balsam
21;GewÃ¼rz
13;Juwel
24;Myrrhe
32;Ã–l
23;Seide
72;Weihrauch
UMGEBUNG
"Im w liegt Nordstätts Nachbarland."
EINHEIT 6256
"Reiter von Kaltberg";Name
4482;Partei
"Elf";Typ
21;Anzahl
505;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4410 7";Handeln
REGION 2 8
"Westfurt";Name
"Ebene";Terrain
2339;Bauern
281;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
128;Pferde
43602;Silber
2180;Unterh
58;Rekruten
15;Lohn
PREISE
-39;Balsam
54;GewÃ¼rz
67;Juwel
61;Myrrhe
38;Ã–l
46;Seide
8;Weihrauch
UMGEBUNG
"Im no liegt Westfurts Nachbarland."
EINHEIT 6263
"Bergleute von Tannheim";Name
4482;Partei
"Elf";Typ
15;Anzahl
238;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4050 9";Handeln
"450 1";Handeln
GEGENSTAENDE
30;Bogen
1;Kettenhemd
19;Holz
REGION 3 8
"Südhausen";Name
"Ebene";Terrain
2354;Bauern
108;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
100;Pferde
36832;Silber
1841;Unterh
58;Rekruten
12;Lohn
PREISE
-5;Balsam
40;GewÃ¼rz
34;Juwel
4;Myrrhe
80;Ã–l
52;Seide
15;Weihrauch
DURCHREISE
"Boten (4077)"
UMGEBUNG
"Im sw liegt Südhausens Nachbarland."
EINHEIT 6284
"Reiter von Kaltberg";Name
6961;Partei
"Ork";Typ
38;Anzahl
EINHEIT 6306
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
764;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Tarnung
EINHEIT 5705
"Schützen von Grünbrück";Name
4482;Partei
"Elf";Typ
57;Anzahl
3;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"13680 8";Wahrnehmung
"15390 9";Tarnung
REGION 4 8
"Ostfurt";Name
"Ebene";Terrain
3993;Bauern
168;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
106;Pferde
19364;Silber
968;Unterh
99;Rekruten
15;Lohn
PREISE
-63;Balsam
25;GewÃ¼rz
68;Juwel
58;Myrrhe
20;Ã–l
50;Seide
24;Weihrauch
UMGEBUNG
"Im so liegt Ostfurts Nachbarland."
EINHEIT 6313
"Swaantje";Name
4482;Partei
"Elf";Typ
37;Anzahl
1907;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9990 9";Handeln
"9990 9";BogenschieÃŸen
GEGENSTAENDE
35;Eisen
69;Eisen
26;Speer
EINHEIT 6341
"Späher von Felshausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
1574;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Reiten
"120 4";Hiebwaffen
"90 3";Hiebwaffen
EINHEIT 6403
"Bärbel";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Segeln
"30 1";Tarnung
"150 5";Bergbau
GEGENSTAENDE
1;Kettenhemd
2;Schild
1;Stein
EINHEIT 6442
"Händler von Ostfurt";Name
4482;Partei
"Elf";Typ
10;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"900 3";Bergbau
"1200 4";BogenschieÃŸen
EINHEIT 6482
"Späher von Tanntal";Name
5666;Partei
"Zwerg";Typ
56;Anzahl
REGION 5 8
"Bärenau";Name
"Hochland";Terrain
637;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
32;Pferde
6444;Silber
322;Unterh
15;Rekruten
11;Lohn
79;Strasse
PREISE
-61;Balsam
38;GewÃ¼rz
61;Juwel
29;Myrrhe
20;Ã–l
21;Seide
50;Weihrauch
UMGEBUNG
"Im o liegt Bärenaus Nachbarland."
BURG 6522
"Bau von Bärenau";Name
"Burg";Typ
236;Groesse
6487;Besitzer
23;Unterhalt
EINHEIT 6487
"Boten von Wolfshausen";Name
4482;Partei
"Elf";Typ
13;Anzahl
6522;Burg
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1170 3";Burgenbau
"3120 8";Burgenbau
GEGENSTAENDE
22;Eisen
EINHEIT 6368
"Knut";Name
4482;Partei
"Elf";Typ
22;Anzahl
1627;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4620 7";Hiebwaffen
"3960 6";Burgenbau
"5940 9";Segeln
GEGENSTAENDE
23;Holz
3;Eisen
REGION 6 8
"Nordberg";Name
"Ebene";Terrain
2155;Bauern
131;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
51;Pferde
38479;Silber
1923;Unterh
53;Rekruten
12;Lohn
PREISE
-67;Balsam
20;GewÃ¼rz
32;Juwel
52;Myrrhe
41;Ã–l
76;Seide
48;Weihrauch
DURCHREISE
"Boten (3727)"
UMGEBUNG
"Im w liegt Nordbergs Nachbarland."
EINHEIT 6550
"Wachen von Eichenwald";Name
4482;Partei
"Elf";Typ
35;Anzahl
169;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5250 5";Burgenbau
"6300 6";Bergbau
GEGENSTAENDE
22;Schwert
44;Bogen
EINHEIT 6581
"Reiter von Südhausen";Name
4482;Partei
"Elf";Typ
33;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2970 3";HolzfÃ¤llen
GEGENSTAENDE
17;Bogen
EINHEIT 6604
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
25;Anzahl
1752;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5250 7";Handeln
"4500 6";Bergbau
"3000 4";Hiebwaffen
GEGENSTAENDE
24;Stein
11;Kettenhemd
REGION 7 8
"Mühlwald";Name
"Wald";Terrain
1942;Bauern
460;Baeume
UMGEBUNG
"Im o liegt Mühlwalds Nachbarland."
BURG 6655
"Feste Mühlwald";Name
"Burg";Typ
219;Groesse
6641;Besitzer
EINHEIT 6641
"Knut";Name
5666;Partei
"Zwerg";Typ
4;Anzahl
6655;Burg
EINHEIT 7600
"Boten von Nordhausen";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
EINHEIT 7661
"Hans";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 8 8
"Ozean";Terrain
200;Runde
REGION 9 8
"Ozean";Terrain
REGION 10 8
"Ozean";Terrain
REGION -4 9
"Wolfswald";Name
"Wüste";Terrain
188;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfswald sind fleißig.";Beschr
3;Pferde
2538;Silber
126;Unterh
4;Rekruten
12;Lohn
83;Strasse
PREISE
-35;Balsam
36;GewÃ¼rz
70;Juwel
39;Myrrhe
78;Ã–l
52;Seide
74;Weihrauch
UMGEBUNG
"Im so liegt Wolfswalds Nachbarland."
EINHEIT 6679
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Hiebwaffen
"90 3";Tarnung
"240 8";Burgenbau
GEGENSTAENDE
2;Pferd
EINHEIT 6714
"Rüdiger";Name
4482;Partei
"Elf";Typ
7;Anzahl
1343;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1680 8";Tarnung
GEGENSTAENDE
4;Stein
6;Speer
3;Schild
EINHEIT 6722
"Swaantje";Name
4482;Partei
"Elf";Typ
55;Anzahl
1638;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9900 6";BogenschieÃŸen
"13200 8";Hiebwaffen
EINHEIT 6757
"Knut";Name
4482;Partei
"Elf";Typ
54;Anzahl
200;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4860 3";Segeln
GEGENSTAENDE
97;Holz
35;Speer
24;Pferd
REGION -3 9
"Mühltal";Name
"Gletscher";Terrain
74;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühltal sind fleißig.";Beschr
2;Pferde
1363;Silber
68;Unterh
1;Rekruten
14;Lohn
11;Eisen
PREISE
-62;Balsam
15;GewÃ¼rz
44;Juwel
75;Myrrhe
58;Ã–l
47;Seide
62;Weihrauch
DURCHREISE
"Boten (3257)"
UMGEBUNG
"Im no liegt Mühltals Nachbarland."
EINHEIT 6782
"Schützen von Wolfsmoor";Name
5666;Partei
"Zwerg";Typ
15;Anzahl
1;bewacht
EINHEIT 6787
"Händler von Bärenfurt";Name
4482;Partei
"Elf";Typ
56;Anzahl
1;bewacht
2336;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10080 6";Wahrnehmung
EINHEIT 6818
"Grete";Name
4482;Partei
"Elf";Typ
5;Anzahl
825;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"900 6";Hiebwaffen
"900 6";Hiebwaffen
EINHEIT 6850
"Späher von Nordmoor";Name
4482;Partei
"Elf";Typ
61;Anzahl
2652;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3660 2";Burgenbau
"12810 7";Tarnung
"14640 8";Segeln
EINHEIT 6870
"Holzfäller von Nordfurt";Name
4482;Partei
"Elf";Typ
20;Anzahl
1344;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1800 3";Handeln
"4800 8";HolzfÃ¤llen
GEGENSTAENDE
32;Pferd
22;Pferd
REGION -2 9
"Bärenfurt";Name
"Wald";Terrain
2345;Bauern
463;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
43;Pferde
44578;Silber
2228;Unterh
58;Rekruten
15;Lohn
PREISE
-4;Balsam
64;GewÃ¼rz
26;Juwel
42;Myrrhe
56;Ã–l
17;Seide
30;Weihrauch
UMGEBUNG
"Im nw liegt Bärenfurts Nachbarland."
EINHEIT 7865
"Jörg";Name
4482;Partei
"Elf";Typ
47;Anzahl
1436;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5640 4";Tarnung
"12690 9";Burgenbau
REGION -1 9
"Nordhausen";Name
"Wald";Terrain
1176;Bauern
1267;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
75;Pferde
19278;Silber
963;Unterh
29;Rekruten
15;Lohn
PREISE
-49;Balsam
65;GewÃ¼rz
53;Juwel
16;Myrrhe
22;Ã–l
18;Seide
6;Weihrauch
UMGEBUNG
"Im so liegt Nordhausens Nachbarland."
EINHEIT 6876
"Jörg";Name
4482;Partei
"Elf";Typ
21;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5040 8";Hiebwaffen
"1260 2";BogenschieÃŸen
EINHEIT 6879
"Holzfäller von Mühlwald";Name
4482;Partei
"Elf";Typ
2;Anzahl
2765;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Wahrnehmung
GEGENSTAENDE
1;Pferd
EINHEIT 6894
"Bergleute von Eichenbrück";Name
4482;Partei
"Elf";Typ
27;Anzahl
800;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1620 2";BogenschieÃŸen
REGION 0 9
"Südhausen";Name
"Ebene";Terrain
2024;Bauern
64;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
124;Pferde
36861;Silber
1843;Unterh
50;Rekruten
12;Lohn
PREISE
-45;Balsam
66;GewÃ¼rz
75;Juwel
81;Myrrhe
63;Ã–l
29;Seide
24;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südhausen!"
UMGEBUNG
"Im o liegt Südhausens Nachbarland."
SCHIFF 7056
"Kahn von Südhausen";Name
"Karavelle";Typ
4;Kueste
7049;Kapitaen
0;Schaden
269;Ladung
500;MaxLadung
EINHEIT 6941
"Wachen von Mühlfurt";Name
4482;Partei
"Elf";Typ
11;Anzahl
843;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"330 1";Handeln
GEGENSTAENDE
17;Schild
EINHEIT 6978
"Bergleute von Mühltal";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
1520;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"420 7";Handeln
GEGENSTAENDE
1;Eisen
EINHEIT 7009
"Wachen von Grüntal";Name
5666;Partei
"Zwerg";Typ
50;Anzahl
EINHEIT 7049
"Swaantje";Name
4482;Partei
"Elf";Typ
30;Anzahl
7056;Schiff
1898;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"900 1";BogenschieÃŸen
"8100 9";HolzfÃ¤llen
"6300 7";Wahrnehmung
EINHEIT 6905
"Reiter von Mühlberg";Name
4482;Partei
"Elf";Typ
56;Anzahl
1;bewacht
2154;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8400 5";Hiebwaffen
"5040 3";Tarnung
"13440 8";BogenschieÃŸen
GEGENSTAENDE
73;Holz
REGION 1 9
"Ostberg";Name
"Gletscher";Terrain
59;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostberg sind fleißig.";Beschr
3;Pferde
530;Silber
26;Unterh
1;Rekruten
13;Lohn
7;Eisen
20;Laen
PREISE
-41;Balsam
24;GewÃ¼rz
37;Juwel
14;Myrrhe
80;Ã–l
54;Seide
39;Weihrauch
UMGEBUNG
"Im sw liegt Ostbergs Nachbarland."
BURG 7175
"Feste Ostberg";Name
"Burg";Typ
158;Groesse
7067;Besitzer
15;Unterhalt
EINHEIT 7067
"Wachen von Mühlstätt";Name
4482;Partei
"Elf";Typ
8;Anzahl
1;bewacht
7175;Burg
1449;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"960 4";Reiten
"720 3";HolzfÃ¤llen
GEGENSTAENDE
4;Holz
EINHEIT 7084
"Jörg";Name
4482;Partei
"Elf";Typ
40;Anzahl
1;bewacht
1341;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6000 5";Reiten
"6000 5";Bergbau
"1200 1";Segeln
EINHEIT 7119
"Bergleute von Tannau";Name
6961;Partei
"Ork";Typ
25;Anzahl
7175;Burg
EINHEIT 7145
"Hans";Name
4482;Partei
"Elf";Typ
48;Anzahl
37;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8640 6";Hiebwaffen
"4320 3";HolzfÃ¤llen
"11520 8";Bergbau
GEGENSTAENDE
65;Bogen
19;Kettenhemd
EINHEIT 7146
"Schützen von Westhausen";Name
4482;Partei
"Elf";Typ
10;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2100 7";Tarnung
GEGENSTAENDE
14;Stein
3;Kettenhemd
EINHEIT 7158
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
24;Anzahl
543;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4320 6";Reiten
"1440 2";Wahrnehmung
GEGENSTAENDE
51;Pferd
EINHEIT 7220
"Gundolf";Name
4482;Partei
"Elf";Typ
44;Anzahl
252;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9240 7";BogenschieÃŸen
"7920 6";HolzfÃ¤llen
GEGENSTAENDE
5;Eisen
35;Pferd
REGION 2 9
"Südbrück";Name
"Hochland";Terrain
1115;Bauern
48;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südbrück sind fleißig.";Beschr
20;Pferde
17401;Silber
870;Unterh
27;Rekruten
14;Lohn
PREISE
-15;Balsam
32;GewÃ¼rz
47;Juwel
51;Myrrhe
5;Ã–l
5;Seide
61;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südbrück!"
UMGEBUNG
"Im o liegt Südbrücks Nachbarland."
EINHEIT 7196
"Öda";Name
4482;Partei
"Elf";Typ
2;Anzahl
407;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Hiebwaffen
GEGENSTAENDE
2;Schwert
1;Schild
1;Stein
EINHEIT 8213
"Knut";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
REGION 3 9
"Osttal";Name
"Hochland";Terrain
1263;Bauern
122;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
35;Pferde
18148;Silber
907;Unterh
31;Rekruten
15;Lohn
PREISE
-51;Balsam
23;GewÃ¼rz
78;Juwel
19;Myrrhe
42;Ã–l
31;Seide
28;Weihrauch
UMGEBUNG
"Im so liegt Osttals Nachbarland."
EINHEIT 7223
"Holzfäller von Wolfsmoor";Name
5666;Partei
"Zwerg";Typ
15;Anzahl
EINHEIT 7244
"Öda";Name
5666;Partei
"Zwerg";Typ
13;Anzahl
EINHEIT 7266
"Grete";Name
3742;Partei
"Mensch";Typ
54;Anzahl
2565;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 89"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
TALENTE
"1620 1";HolzfÃ¤llen
"9720 6";Hiebwaffen
"3240 2";Burgenbau
GEGENSTAENDE
46;Bogen
23;Bogen
27;Pferd
EINHEIT 7280
"Ulrike";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
EINHEIT 7284
"Schützen von Nordfurt";Name
5666;Partei
"Zwerg";Typ
22;Anzahl
EINHEIT 8124
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 4 9
"Bärenfurt";Name
"Hochland";Terrain
727;Bauern
109;Baeume
UMGEBUNG
"Im so liegt Bärenfurts Nachbarland."
BURG 7418
"Bau von Bärenfurt";Name
"Burg";Typ
135;Groesse
7323;Besitzer
EINHEIT 7323
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
46;Anzahl
1;bewacht
7418;Burg
EINHEIT 7389
"Holzfäller von Tannheim";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
1;bewacht
7418;Burg
REGION 5 9
"Nordheim";Name
"Wald";Terrain
2355;Bauern
621;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
17;Pferde
38118;Silber
1905;Unterh
58;Rekruten
14;Lohn
PREISE
-32;Balsam
29;GewÃ¼rz
29;Juwel
7;Myrrhe
18;Ã–l
41;Seide
52;Weihrauch
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
EINHEIT 7453
"Holzfäller von Bärenheim";Name
5666;Partei
"Zwerg";Typ
29;Anzahl
EINHEIT 7474
"Wachen von Grünbrück";Name
5666;Partei
"Zwerg";Typ
26;Anzahl
EINHEIT 7482
"Gundolf";Name
5666;Partei
"Zwerg";Typ
12;Anzahl
EINHEIT 7496
"Boten von Eichenwald";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
EINHEIT 7532
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
15;Anzahl
EINHEIT 7554
"Grete";Name
3742;Partei
"Mensch";Typ
39;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"10530 9";Hiebwaffen
"2340 2";HolzfÃ¤llen
GEGENSTAENDE
53;Schwert
3;Pferd
80;Bogen
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
REGION 6 9
"Ostbrück";Name
"Ebene";Terrain
2661;Bauern
57;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
90;Pferde
44779;Silber
2238;Unterh
66;Rekruten
11;Lohn
PREISE
-65;Balsam
33;GewÃ¼rz
28;Juwel
24;Myrrhe
33;Ã–l
5;Seide
54;Weihrauch
UMGEBUNG
"Im no liegt Ostbrücks Nachbarland."
EINHEIT 7556
"Knut";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
EINHEIT 7568
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
EINHEIT 7621
"Wachen von Nordberg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 7695
"Händler von Bärenberg";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
EINHEIT 6535
"Bergleute von Eichenhausen";Name
4482;Partei
"Elf";Typ
36;Anzahl
3177;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2160 2";Handeln
GEGENSTAENDE
68;Schild
42;Kettenhemd
REGION 7 9
"Ozean";Terrain
REGION 8 9
"Ozean";Terrain
REGION 9 9
"Ozean";Terrain
SCHIFF 7719
"Kalthausens Stolz";Name
"Drachenschiff";Typ
7723;Kapitaen
EINHEIT 7723
"Grete";Name
1;Parteitarnung
"Zwerg";Typ
39;Anzahl
7719;Schiff
REGION 10 9
"Ozean";Terrain
REGION -5 10
"Bärental";Name
"Wüste";Terrain
288;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
1;Pferde
4695;Silber
234;Unterh
7;Rekruten
14;Lohn
PREISE
-14;Balsam
8;GewÃ¼rz
34;Juwel
52;Myrrhe
33;Ã–l
10;Seide
48;Weihrauch
UMGEBUNG
"Im o liegt Bärentals Nachbarland."
BURG 7851
"Feste Bärental";Name
"Burg";Typ
120;Groesse
7740;Besitzer
12;Unterhalt
EINHEIT 7740
"Schützen von Ostheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
7851;Burg
474;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Wahrnehmung
EINHEIT 7769
"Knut";Name
4482;Partei
"Elf";Typ
50;Anzahl
7851;Burg
592;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4500 3";Hiebwaffen
"1500 1";HolzfÃ¤llen
GEGENSTAENDE
17;Speer
37;Bogen
83;Schwert
EINHEIT 7796
"Späher von Nordfurt";Name
4482;Partei
"Elf";Typ
36;Anzahl
2552;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4320 4";Segeln
GEGENSTAENDE
25;Speer
61;Kettenhemd
30;Bogen
EINHEIT 7834
"Bärbel";Name
4482;Partei
"Elf";Typ
5;Anzahl
632;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"600 4";Reiten
"900 6";Tarnung
"1350 9";Tarnung
EINHEIT 7843
"Boten von Tannhausen";Name
4482;Partei
"Elf";Typ
26;Anzahl
7851;Burg
398;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4680 6";Segeln
"7020 9";BogenschieÃŸen
"1560 2";Burgenbau
GEGENSTAENDE
32;Eisen
REGION -4 10
"Ostau";Name
"Ebene";Terrain
2719;Bauern
61;Baeume
UMGEBUNG
"Im nw liegt Ostaus Nachbarland."
REGION -3 10
"Kalthausen";Name
"Wüste";Terrain
324;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
3;Pferde
3695;Silber
184;Unterh
8;Rekruten
13;Lohn
PREISE
-46;Balsam
53;GewÃ¼rz
48;Juwel
27;Myrrhe
66;Ã–l
57;Seide
8;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Kalthausens Nachbarland."
EINHEIT 7876
"Bergleute von Wolfsbrück";Name
4482;Partei
"Elf";Typ
31;Anzahl
292;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1860 2";HolzfÃ¤llen
"2790 3";Hiebwaffen
GEGENSTAENDE
59;Bogen
8;Speer
EINHEIT 7900
"Holzfäller von Wolfsbrück";Name
4482;Partei
"Elf";Typ
23;Anzahl
562;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4830 7";Reiten
"6210 9";Reiten
GEGENSTAENDE
16;Kettenhemd
35;Stein
17;Holz
EINHEIT 7908
"Händler von Ostfurt";Name
3742;Partei
"Mensch";Typ
55;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 52"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Händler von Ostfurt bleibt hier"
TALENTE
"4950 3";Handeln
"3300 2";Tarnung
SPRUECHE
"Feuerball"
"Heilung"
EINHEITSBOTSCHAFTEN
"Händler von Ostfurt hat Hunger."
REGION -2 10
"Nordhausen";Name
"Sumpf";Terrain
361;Bauern
405;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
5;Pferde
5892;Silber
294;Unterh
9;Rekruten
11;Lohn
PREISE
-45;Balsam
58;GewÃ¼rz
71;Juwel
33;Myrrhe
27;Ã–l
8;Seide
68;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Nordhausens Nachbarland."
EINHEIT 7915
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
940;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Reiten
"30 1";Reiten
"240 8";Hiebwaffen
GEGENSTAENDE
2;Holz
EINHEIT 7947
"Gundolf";Name
6961;Partei
"Ork";Typ
12;Anzahl
EINHEIT 7948
"Hans";Name
4482;Partei
"Elf";Typ
59;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3540 2";BogenschieÃŸen
"1770 1";Handeln
GEGENSTAENDE
106;Holz
108;Speer
38;Kettenhemd
EINHEIT 7974
"Swaantje";Name
4482;Partei
"Elf";Typ
57;Anzahl
3244;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5130 3";Segeln
"10260 6";Tarnung
REGION -1 10
"Bärenbrück";Name
"Berge";Terrain
417;Bauern
10;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
10;Pferde
5719;Silber
285;Unterh
10;Rekruten
11;Lohn
58;Eisen
17;Laen
PREISE
-28;Balsam
45;GewÃ¼rz
47;Juwel
38;Myrrhe
38;Ã–l
7;Seide
14;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Bärenbrücks Nachbarland."
EINHEIT 8038
"Gundolf";Name
4482;Partei
"Elf";Typ
19;Anzahl
3025;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3990 7";Wahrnehmung
GEGENSTAENDE
21;Kettenhemd
EINHEIT 8061
"Reiter von Eichenstätt";Name
4482;Partei
"Elf";Typ
25;Anzahl
1326;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3750 5";Reiten
"4500 6";BogenschieÃŸen
"750 1";Reiten
GEGENSTAENDE
36;Bogen
EINHEIT 8068
"Hans";Name
5666;Partei
"Zwerg";Typ
21;Anzahl
REGION 0 10
"Mühlheim";Name
"Wald";Terrain
1300;Bauern
528;Baeume
UMGEBUNG
"Im sw liegt Mühlheims Nachbarland."
REGION 1 10
"Mühlfurt";Name
"Wald";Terrain
2528;Bauern
468;Baeume
UMGEBUNG
"Im no liegt Mühlfurts Nachbarland."
EINHEIT 8094
"Holzfäller von Nordau";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
1;bewacht
REGION 2 10
"Südfurt";Name
"Wüste";Terrain
335;Bauern
0;Baeume
UMGEBUNG
"Im nw liegt Südfurts Nachbarland."
EINHEIT 8141
"Grete";Name
5666;Partei
"Zwerg";Typ
11;Anzahl
EINHEIT 8174
"Schützen von Kaltstätt";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8191
"Boten von Westfurt";Name
5666;Partei
"Zwerg";Typ
40;Anzahl
1;bewacht
EINHEIT 8217
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
10;Anzahl
REGION 3 10
"Ostbrück";Name
"Gletscher";Terrain
67;Bauern
0;Baeume
UMGEBUNG
"Im nw liegt Ostbrücks Nachbarland."
EINHEIT 8235
"Reiter von Felshausen";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
27;Anzahl
EINHEIT 8273
"Grete";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
REGION 4 10
"Felstal";Name
"Ebene";Terrain
200;Runde
1771;Bauern
164;Baeume
REGION 5 10
"Ostfurt";Name
"Ebene";Terrain
1625;Bauern
182;Baeume
UMGEBUNG
"Im o liegt Ostfurts Nachbarland."
EINHEIT 8340
"Knut";Name
5666;Partei
"Zwerg";Typ
60;Anzahl
EINHEIT 8365
"Boten von Kaltfurt";Name
5666;Partei
"Zwerg";Typ
10;Anzahl
REGION 6 10
"Ozean";Terrain
REGION 7 10
"Ozean";Terrain
REGION 8 10
"Ozean";Terrain
REGION 9 10
"Ozean";Terrain
199;Runde
REGION -5 11
"Nordheim";Name
"Ebene";Terrain
1342;Bauern
87;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
45;Pferde
12550;Silber
627;Unterh
33;Rekruten
13;Lohn
PREISE
-69;Balsam
55;GewÃ¼rz
58;Juwel
19;Myrrhe
64;Ã–l
71;Seide
52;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Nordheim!"
UMGEBUNG
"Im w liegt Nordheims Nachbarland."
BURG 8421
"Feste Nordheim";Name
"Burg";Typ
13;Groesse
8388;Besitzer
1;Unterhalt
EINHEIT 8388
"Grete";Name
4482;Partei
"Elf";Typ
23;Anzahl
8421;Burg
1025;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4140 6";Bergbau
GEGENSTAENDE
12;Pferd
22;Holz
EINHEIT 8402
"Wachen von Südheim";Name
4482;Partei
"Elf";Typ
39;Anzahl
2020;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8190 7";Reiten
"8190 7";Handeln
GEGENSTAENDE
10;Eisen
21;Stein
REGION -4 11
"Grünhausen";Name
"Ebene";Terrain
2222;Bauern
84;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünhausen sind fleißig.";Beschr
33;Pferde
15790;Silber
789;Unterh
55;Rekruten
15;Lohn
46;Strasse
PREISE
-10;Balsam
23;GewÃ¼rz
18;Juwel
27;Myrrhe
20;Ã–l
76;Seide
57;Weihrauch
UMGEBUNG
"Im o liegt Grünhausens Nachbarland."
EINHEIT 8445
"Boten von Felsau";Name
4482;Partei
"Elf";Typ
2;Anzahl
1900;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Handeln
"180 3";Reiten
"120 2";Reiten
GEGENSTAENDE
1;Eisen
1;Pferd
2;Eisen
EINHEIT 8465
"Schützen von Grünau";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1282;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"4560 4";Bergbau
"4560 4";HolzfÃ¤llen
"9120 8";Wahrnehmung
GEGENSTAENDE
68;Kettenhemd
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 8475
"Holzfäller von Kaltwald";Name
6961;Partei
"Ork";Typ
25;Anzahl
EINHEIT 8496
"Schützen von Nordfurt";Name
4482;Partei
"Elf";Typ
39;Anzahl
726;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9360 8";Handeln
"4680 4";Handeln
EINHEIT 8497
"Jörg";Name
6961;Partei
"Ork";Typ
39;Anzahl
REGION -3 11
"Felstal";Name
"Hochland";Terrain
1418;Bauern
45;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felstal sind fleißig.";Beschr
59;Pferde
9151;Silber
457;Unterh
35;Rekruten
14;Lohn
PREISE
-47;Balsam
63;GewÃ¼rz
27;Juwel
54;Myrrhe
15;Ã–l
21;Seide
8;Weihrauch
UMGEBUNG
"Im nw liegt Felstals Nachbarland."
EINHEIT 8506
"Swaantje";Name
4482;Partei
"Elf";Typ
4;Anzahl
1377;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"480 4";Segeln
EINHEIT 8529
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
2022;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Bergbau
"90 3";Reiten
"150 5";Segeln
GEGENSTAENDE
1;Bogen
EINHEIT 8536
"Jörg";Name
4482;Partei
"Elf";Typ
57;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5130 3";Reiten
"10260 6";Wahrnehmung
"11970 7";Tarnung
EINHEIT 8553
"Reiter von Grünbrück";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Segeln
"360 6";Tarnung
"120 2";Bergbau
GEGENSTAENDE
2;Bogen
1;Kettenhemd
2;Schild
EINHEIT 8590
"Bärbel";Name
4482;Partei
"Elf";Typ
60;Anzahl
2575;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3600 2";Burgenbau
"3600 2";Tarnung
"14400 8";Burgenbau
EINHEIT 9073
"Ulrike";Name
4482;Partei
"Elf";Typ
44;Anzahl
2533;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5280 4";BogenschieÃŸen
"10560 8";BogenschieÃŸen
"7920 6";Handeln
GEGENSTAENDE
65;Schwert
18;Holz
40;Stein
REGION -2 11
"Südwald";Name
"Berge";Terrain
551;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südwald sind fleißig.";Beschr
17;Pferde
7384;Silber
369;Unterh
13;Rekruten
13;Lohn
27;Eisen
PREISE
-26;Balsam
26;GewÃ¼rz
17;Juwel
66;Myrrhe
31;Ã–l
73;Seide
10;Weihrauch
UMGEBUNG
"Im so liegt Südwalds Nachbarland."
EINHEIT 8636
"Swaantje";Name
5666;Partei
"Zwerg";Typ
60;Anzahl
1;bewacht
EINHEIT 8649
"Bärbel";Name
4482;Partei
"Elf";Typ
2;Anzahl
1575;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Handeln
GEGENSTAENDE
3;Eisen
EINHEIT 8686
"Bärbel";Name
4482;Partei
"Elf";Typ
36;Anzahl
2268;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5400 5";HolzfÃ¤llen
"3240 3";Segeln
"2160 2";Hiebwaffen
GEGENSTAENDE
15;Bogen
51;Pferd
EINHEIT 8002
"Gundolf";Name
6961;Partei
"Ork";Typ
62;Anzahl
REGION -1 11
"Ostfurt";Name
"Wüste";Terrain
262;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
7;Pferde
4907;Silber
245;Unterh
6;Rekruten
12;Lohn
PREISE
-6;Balsam
32;GewÃ¼rz
52;Juwel
27;Myrrhe
15;Ã–l
81;Seide
68;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Ostfurts Nachbarland."
EINHEIT 8710
"Bärbel";Name
4482;Partei
"Elf";Typ
35;Anzahl
1;bewacht
297;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3150 3";Reiten
GEGENSTAENDE
41;Holz
23;Stein
EINHEIT 8741
"Händler von Kalttal";Name
4482;Partei
"Elf";Typ
16;Anzahl
962;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3840 8";Bergbau
GEGENSTAENDE
6;Stein
EINHEIT 9200
"Reiter von Eichenwald";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
19;Anzahl
474;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"570 1";BogenschieÃŸen
REGION 0 11
"Oststätt";Name
"Ebene";Terrain
2162;Bauern
144;Baeume
UMGEBUNG
"Im o liegt Oststätts Nachbarland."
REGION 1 11
"Tannberg";Name
"Ebene";Terrain
1888;Bauern
126;Baeume
UMGEBUNG
"Im so liegt Tannbergs Nachbarland."
BURG 8825
"Bau von Tannberg";Name
"Hafen";Typ
179;Groesse
8759;Besitzer
EINHEIT 8759
"Händler von Westmoor";Name
5666;Partei
"Zwerg";Typ
38;Anzahl
8825;Burg
EINHEIT 8787
"Hans";Name
5666;Partei
"Zwerg";Typ
48;Anzahl
1;bewacht
8825;Burg
EINHEIT 8797
"Bergleute von Tannfurt";Name
5666;Partei
"Zwerg";Typ
37;Anzahl
1;bewacht
8825;Burg
EINHEIT 8807
"Schützen von Wolfswald";Name
6961;Partei
"Ork";Typ
56;Anzahl
REGION 2 11
"Oststätt";Name
"Wüste";Terrain
198;Runde
436;Bauern
0;Baeume
BURG 8869
"Feste Oststätt";Name
"Burg";Typ
214;Groesse
8859;Besitzer
REGION 3 11
"Ostau";Name
"Berge";Terrain
536;Bauern
12;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostau sind fleißig.";Beschr
8;Pferde
8802;Silber
440;Unterh
13;Rekruten
11;Lohn
16;Eisen
3;Laen
PREISE
-16;Balsam
27;GewÃ¼rz
61;Juwel
39;Myrrhe
30;Ã–l
13;Seide
46;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Ostaus Nachbarland."
EINHEIT 8876
"Jörg";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
11;Anzahl
EINHEIT 8877
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2920;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 51"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"60 2";Bergbau
"120 4";Wahrnehmung
REGION 4 11
"Eichenberg";Name
"Ebene";Terrain
2925;Bauern
276;Baeume
UMGEBUNG
"Im o liegt Eichenbergs Nachbarland."
EINHEIT 8904
"Händler von Mühltal";Name
5666;Partei
"Zwerg";Typ
22;Anzahl
1;bewacht
REGION 5 11
"Ozean";Terrain
REGION 6 11
"Felsberg";Name
"Wüste";Terrain
231;Bauern
0;Baeume
UMGEBUNG
"Im sw liegt Felsbergs Nachbarland."
EINHEIT 8922
"Öda";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8929
"Späher von Tannberg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 7 11
"Ozean";Terrain
197;Runde
REGION 8 11
"Ozean";Terrain
REGION 9 11
"Ozean";Terrain
REGION -6 12
"Nordmoor";Name
"Wald";Terrain
1735;Bauern
932;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
55;Pferde
14349;Silber
717;Unterh
43;Rekruten
15;Lohn
PREISE
-51;Balsam
35;GewÃ¼rz
63;Juwel
20;Myrrhe
61;Ã–l
54;Seide
63;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Nordmoors Nachbarland."
EINHEIT 8933
"Boten von Tannhausen";Name
4482;Partei
"Elf";Typ
49;Anzahl
1792;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"13230 9";BogenschieÃŸen
"2940 2";Reiten
GEGENSTAENDE
44;Speer
89;Stein
EINHEIT 8965
"Wachen von Westfurt";Name
4482;Partei
"Elf";Typ
33;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5940 6";Reiten
"5940 6";BogenschieÃŸen
EINHEIT 8977
"Rüdiger";Name
4482;Partei
"Elf";Typ
2;Anzahl
460;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Tarnung
"60 1";Bergbau
"360 6";HolzfÃ¤llen
GEGENSTAENDE
1;Kettenhemd
1;Stein
EINHEIT 8984
"Schützen von Wolfsau";Name
4482;Partei
"Elf";Typ
47;Anzahl
792;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"9870 7";Segeln
"5640 4";BogenschieÃŸen
"2820 2";HolzfÃ¤llen
GEGENSTAENDE
12;Eisen
72;Schwert
EINHEIT 9003
"Hans";Name
5666;Partei
"Zwerg";Typ
43;Anzahl
REGION -5 12
"Weststätt";Name
"Berge";Terrain
197;Runde
281;Bauern
25;Baeume
REGION -4 12
"Kaltberg";Name
"Wald";Terrain
967;Bauern
854;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltberg sind fleißig.";Beschr
77;Pferde
10825;Silber
541;Unterh
24;Rekruten
15;Lohn
PREISE
-30;Balsam
7;GewÃ¼rz
60;Juwel
55;Myrrhe
26;Ã–l
69;Seide
29;Weihrauch
UMGEBUNG
"Im sw liegt Kaltbergs Nachbarland."
EINHEIT 9072
"Schützen von Bärenstätt";Name
5666;Partei
"Zwerg";Typ
9;Anzahl
EINHEIT 9080
"Jörg";Name
4482;Partei
"Elf";Typ
25;Anzahl
1913;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3000 4";Tarnung
"4500 6";Burgenbau
"2250 3";Wahrnehmung
GEGENSTAENDE
43;Stein
26;Stein
REGION -3 12
"Eichental";Name
"Wald";Terrain
1457;Bauern
612;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
29;Pferde
15572;Silber
778;Unterh
36;Rekruten
15;Lohn
83;Strasse
PREISE
-31;Balsam
23;GewÃ¼rz
80;Juwel
85;Myrrhe
52;Ã–l
18;Seide
65;Weihrauch
UMGEBUNG
"Im sw liegt Eichentals Nachbarland."
BURG 9115
"Bau von Eichental";Name
"Burg";Typ
219;Groesse
8607;Besitzer
21;Unterhalt
EINHEIT 8607
"Gundolf";Name
4482;Partei
"Elf";Typ
35;Anzahl
1;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2100 2";HolzfÃ¤llen
GEGENSTAENDE
12;Stein
61;Pferd
28;Kettenhemd
REGION -2 12
"Südau";Name
"Wald";Terrain
1911;Bauern
516;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
32;Pferde
14116;Silber
705;Unterh
47;Rekruten
15;Lohn
PREISE
-13;Balsam
52;GewÃ¼rz
23;Juwel
6;Myrrhe
73;Ã–l
80;Seide
61;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südau!"
UMGEBUNG
"Im o liegt Südaus Nachbarland."
EINHEIT 9144
"Späher von Bärenmoor";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";BogenschieÃŸen
"210 7";Handeln
"90 3";Burgenbau
GEGENSTAENDE
2;Bogen
2;Schwert
2;Bogen
EINHEIT 9162
"Schützen von Kaltberg";Name
4482;Partei
"Elf";Typ
45;Anzahl
2073;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"12150 9";Burgenbau
"10800 8";Burgenbau
"2700 2";Burgenbau
GEGENSTAENDE
31;Bogen
EINHEIT 9866
"Swaantje";Name
4482;Partei
"Elf";Typ
16;Anzahl
1743;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3840 8";Burgenbau
"1440 3";HolzfÃ¤llen
GEGENSTAENDE
3;Stein
21;Schild
20;Kettenhemd
REGION -1 12
"Kaltfurt";Name
"Gletscher";Terrain
41;Bauern
1;Baeume
UMGEBUNG
"Im sw liegt Kaltfurts Nachbarland."
EINHEIT 9223
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9269
"Gundolf";Name
5666;Partei
"Zwerg";Typ
23;Anzahl
EINHEIT 9277
"Reiter von Tannwald";Name
5666;Partei
"Zwerg";Typ
22;Anzahl
EINHEIT 9302
"Wachen von Westberg";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 9320
"Gundolf";Name
1;Parteitarnung
"Zwerg";Typ
7;Anzahl
REGION 0 12
"Westwald";Name
"Gletscher";Terrain
69;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westwald sind fleißig.";Beschr
1;Pferde
1141;Silber
57;Unterh
1;Rekruten
11;Lohn
17;Eisen
PREISE
-25;Balsam
48;GewÃ¼rz
6;Juwel
10;Myrrhe
74;Ã–l
27;Seide
7;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Westwalds Nachbarland."
BURG 9458
"Feste Westwald";Name
"Burg";Typ
138;Groesse
9332;Besitzer
13;Unterhalt
EINHEIT 9332
"Grete";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
9458;Burg
EINHEIT 9371
"Bergleute von Nordberg";Name
5666;Partei
"Zwerg";Typ
37;Anzahl
1;bewacht
EINHEIT 9389
"Boten von Tannheim";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
9458;Burg
EINHEIT 9397
"Schützen von Südau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
9458;Burg
EINHEIT 9418
"Swaantje";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
47;Anzahl
EINHEIT 9422
"Gundolf";Name
5666;Partei
"Zwerg";Typ
9;Anzahl
1;bewacht
EINHEIT 9231
"Händler von Eichenwald";Name
4482;Partei
"Elf";Typ
30;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4500 5";Burgenbau
"3600 4";HolzfÃ¤llen
"1800 2";Burgenbau
GEGENSTAENDE
54;Schwert
REGION 1 12
"Nordfurt";Name
"Gletscher";Terrain
33;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
3;Pferde
348;Silber
17;Unterh
0;Rekruten
11;Lohn
57;Strasse
80;Eisen
4;Laen
PREISE
-29;Balsam
68;GewÃ¼rz
22;Juwel
49;Myrrhe
4;Ã–l
15;Seide
77;Weihrauch
DURCHREISE
"Boten (8234)"
UMGEBUNG
"Im so liegt Nordfurts Nachbarland."
EINHEIT 9476
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
29;Anzahl
1;bewacht
EINHEIT 9492
"Reiter von Südfurt";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
EINHEIT 9527
"Ulrike";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"480 8";HolzfÃ¤llen
"300 5";Segeln
"540 9";Bergbau
REGION 2 12
"Bärenmoor";Name
"Wüste";Terrain
372;Bauern
0;Baeume
UMGEBUNG
"Im sw liegt Bärenmoors Nachbarland."
EINHEIT 9529
"Öda";Name
5666;Partei
"Zwerg";Typ
64;Anzahl
EINHEIT 9461
"Wachen von Bärenberg";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
REGION 3 12
"Mühlfurt";Name
"Ebene";Terrain
2032;Bauern
147;Baeume
UMGEBUNG
"Im w liegt Mühlfurts Nachbarland."
EINHEIT 9575
"Wachen von Wolfsbrück";Name
5666;Partei
"Zwerg";Typ
57;Anzahl
EINHEIT 9584
"Bärbel";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9595
"Öda";Name
5666;Partei
"Zwerg";Typ
45;Anzahl
EINHEIT 9608
"Swaantje";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
7;Anzahl
EINHEIT 8899
"Bergleute von Eichenmoor";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 4 12
"Ozean";Terrain
REGION 5 12
"Ozean";Terrain
199;Runde
REGION 6 12
"Ozean";Terrain
REGION 7 12
"Felsheim";Name
"Ebene";Terrain
1806;Bauern
121;Baeume
UMGEBUNG
"Im no liegt Felsheims Nachbarland."
EINHEIT 9634
"Holzfäller von Eichenwald";Name
5666;Partei
"Zwerg";Typ
47;Anzahl
EINHEIT 9650
"Reiter von Bärenau";Name
5666;Partei
"Zwerg";Typ
45;Anzahl
REGION 8 12
"Mühlwald";Name
"Ebene";Terrain
3765;Bauern
120;Baeume
UMGEBUNG
"Im so liegt Mühlwalds Nachbarland."
EINHEIT 9672
"Bärbel";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9679
"Reiter von Felsberg";Name
5666;Partei
"Zwerg";Typ
55;Anzahl
1;bewacht
EINHEIT 9683
"Händler von Eichental";Name
5666;Partei
"Zwerg";Typ
58;Anzahl
EINHEIT 9721
"Reiter von Südstätt";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
EINHEIT 9725
"Holzfäller von Felstal";Name
5666;Partei
"Zwerg";Typ
55;Anzahl
REGION -6 13
"Wolfstal";Name
"Sumpf";Terrain
590;Bauern
153;Baeume
UMGEBUNG
"Im so liegt Wolfstals Nachbarland."
REGION -5 13
"Nordfurt";Name
"Wüste";Terrain
418;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
3;Pferde
2854;Silber
142;Unterh
10;Rekruten
14;Lohn
PREISE
-70;Balsam
54;GewÃ¼rz
45;Juwel
16;Myrrhe
27;Ã–l
19;Seide
6;Weihrauch
UMGEBUNG
"Im w liegt Nordfurts Nachbarland."
EINHEIT 9738
"Jörg";Name
4482;Partei
"Elf";Typ
24;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2160 3";Hiebwaffen
"720 1";Tarnung
GEGENSTAENDE
34;Stein
7;Pferd
EINHEIT 9761
"Bärbel";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
42;Anzahl
1707;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7560 6";HolzfÃ¤llen
GEGENSTAENDE
26;Bogen
50;Bogen
68;Speer
REGION -4 13
"Kaltbrück";Name
"Hochland";Terrain
1243;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltbrück sind fleißig.";Beschr
4;Pferde
21545;Silber
1077;Unterh
31;Rekruten
13;Lohn
PREISE
-69;Balsam
26;GewÃ¼rz
19;Juwel
61;Myrrhe
62;Ã–l
73;Seide
75;Weihrauch
UMGEBUNG
"Im sw liegt Kaltbrücks Nachbarland."
EINHEIT 9777
"Jörg";Name
4482;Partei
"Elf";Typ
61;Anzahl
324;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9150 5";Reiten
"16470 9";Burgenbau
"14640 8";Tarnung
EINHEIT 9816
"Händler von Wolfshausen";Name
4482;Partei
"Elf";Typ
45;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5400 4";Burgenbau
EINHEIT 9818
"Ulrike";Name
4482;Partei
"Elf";Typ
42;Anzahl
1864;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2520 2";Wahrnehmung
"3780 3";Wahrnehmung
GEGENSTAENDE
34;Schild
42;Speer
44;Schwert
REGION -3 13
"Bärenbrück";Name
"Gletscher";Terrain
66;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
1;Pferde
758;Silber
37;Unterh
1;Rekruten
15;Lohn
8;Eisen
14;Laen
PREISE
-22;Balsam
47;GewÃ¼rz
63;Juwel
60;Myrrhe
18;Ã–l
63;Seide
66;Weihrauch
UMGEBUNG
"Im nw liegt Bärenbrücks Nachbarland."
EINHEIT 9830
"Bärbel";Name
4482;Partei
"Elf";Typ
26;Anzahl
2627;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1560 2";BogenschieÃŸen
GEGENSTAENDE
44;Speer
2;Kettenhemd
EINHEIT 9841
"Gundolf";Name
4482;Partei
"Elf";Typ
27;Anzahl
1;bewacht
1460;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3240 4";Wahrnehmung
"4860 6";BogenschieÃŸen
GEGENSTAENDE
29;Schild
31;Pferd
44;Holz
EINHEIT 9882
"Reiter von Mühlmoor";Name
3742;Partei
"Mensch";Typ
5;Anzahl
3166;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"150 1";Handeln
GEGENSTAENDE
12;Speer
1;Stein
EINHEIT 9977
"Wachen von Wolfstal";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
27;Anzahl
1;bewacht
464;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5670 7";Wahrnehmung
REGION -2 13
"Wolfsstätt";Name
"Wüste";Terrain
198;Runde
455;Bauern
0;Baeume
REGION -1 13
"Südhausen";Name
"Gletscher";Terrain
68;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
1;Pferde
1053;Silber
52;Unterh
1;Rekruten
11;Lohn
46;Eisen
PREISE
-51;Balsam
49;GewÃ¼rz
74;Juwel
8;Myrrhe
19;Ã–l
5;Seide
22;Weihrauch
UMGEBUNG
"Im no liegt Südhausens Nachbarland."
EINHEIT 9996
"Händler von Grünwald";Name
3742;Partei
"Mensch";Typ
2;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Segeln"
TALENTE
"420 7";Segeln
GEGENSTAENDE
2;Stein
EINHEIT 10029
"Hans";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
1;bewacht
REGION 0 13
"Nordfurt";Name
"Ebene";Terrain
1492;Bauern
90;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
37;Pferde
18603;Silber
930;Unterh
37;Rekruten
15;Lohn
20;Strasse
PREISE
-14;Balsam
36;GewÃ¼rz
39;Juwel
40;Myrrhe
51;Ã–l
54;Seide
69;Weihrauch
UMGEBUNG
"Im so liegt Nordfurts Nachbarland."
EINHEIT 10039
"Bärbel";Name
4482;Partei
"Elf";Typ
18;Anzahl
944;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1620 3";BogenschieÃŸen
"4860 9";Bergbau
GEGENSTAENDE
20;Schwert
5;Bogen
32;Stein
REGION 1 13
"Ozean";Terrain
REGION 2 13
"Ozean";Terrain
REGION 3 13
"Ozean";Terrain
197;Runde
REGION 4 13
"Ozean";Terrain
REGION 5 13
"Ozean";Terrain
REGION 6 13
"Ozean";Terrain
REGION 7 13
"Ozean";Terrain
REGION 8 13
"Ozean";Terrain
200;Runde
REGION -7 14
"Wolfstal";Name
"Ebene";Terrain
2779;Bauern
54;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
62;Pferde
53382;Silber
2669;Unterh
69;Rekruten
13;Lohn
PREISE
-82;Balsam
17;GewÃ¼rz
34;Juwel
31;Myrrhe
14;Ã–l
28;Seide
20;Weihrauch
UMGEBUNG
"Im o liegt Wolfstals Nachbarland."
BURG 10078
"Bau von Wolfstal";Name
"Burg";Typ
123;Groesse
10057;Besitzer
12;Unterhalt
EINHEIT 10057
"Hans";Name
4482;Partei
"Elf";Typ
13;Anzahl
10078;Burg
832;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1950 5";BogenschieÃŸen
EINHEIT 10076
"Hans";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
47;Anzahl
2209;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"8460 6";Reiten
"12690 9";HolzfÃ¤llen
"2820 2";Hiebwaffen
GEGENSTAENDE
66;Holz
67;Stein
REGION -6 14
"Eichental";Name
"Hochland";Terrain
1631;Bauern
96;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
0;Pferde
20263;Silber
1013;Unterh
40;Rekruten
13;Lohn
PREISE
-28;Balsam
74;GewÃ¼rz
15;Juwel
35;Myrrhe
51;Ã–l
60;Seide
77;Weihrauch
DURCHREISE
"Boten (1287)"
UMGEBUNG
"Im so liegt Eichentals Nachbarland."
EINHEIT 10092
"Bergleute von Wolfstal";Name
4482;Partei
"Elf";Typ
31;Anzahl
1;bewacht
2550;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8370 9";BogenschieÃŸen
"930 1";Handeln
"6510 7";Tarnung
GEGENSTAENDE
19;Schwert
56;Bogen
REGION -5 14
"Nordau";Name
"Berge";Terrain
485;Bauern
15;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordau sind fleißig.";Beschr
0;Pferde
2559;Silber
127;Unterh
12;Rekruten
13;Lohn
65;Eisen
1;Laen
PREISE
-61;Balsam
77;GewÃ¼rz
54;Juwel
65;Myrrhe
40;Ã–l
40;Seide
47;Weihrauch
DURCHREISE
"Boten (6860)"
UMGEBUNG
"Im nw liegt Nordaus Nachbarland."
BURG 10213
"Feste Nordau";Name
"Burg";Typ
171;Groesse
10100;Besitzer
17;Unterhalt
EINHEIT 10100
"Händler von Bärenmoor";Name
4482;Partei
"Elf";Typ
43;Anzahl
10213;Burg
863;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"11610 9";Handeln
"1290 1";Handeln
EINHEIT 10113
"Bergleute von Bärenwald";Name
3742;Partei
"Mensch";Typ
32;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH so nw"
"; Zur Küste"
TALENTE
"1920 2";Wahrnehmung
GEGENSTAENDE
35;Holz
22;Eisen
34;Schild
EINHEIT 10125
"Bärbel";Name
4482;Partei
"Elf";Typ
1;Anzahl
2056;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Reiten
EINHEIT 10141
"Öda";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
19;Anzahl
944;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5130 9";Handeln
"1140 2";Hiebwaffen
"5130 9";Burgenbau
GEGENSTAENDE
23;Schwert
3;Kettenhemd
EINHEIT 10174
"Hans";Name
4482;Partei
"Elf";Typ
4;Anzahl
10213;Burg
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"720 6";Hiebwaffen
GEGENSTAENDE
1;Speer
REGION -4 14
"Mühlwald";Name
"Berge";Terrain
591;Bauern
28;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
20;Pferde
10699;Silber
534;Unterh
14;Rekruten
12;Lohn
21;Eisen
PREISE
-36;Balsam
43;GewÃ¼rz
77;Juwel
30;Myrrhe
37;Ã–l
72;Seide
25;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Mühlwald!"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Mühlwalds Nachbarland."
BURG 10344
"Feste Mühlwald";Name
"Burg";Typ
40;Groesse
10236;Besitzer
4;Unterhalt
EINHEIT 10236
"Knut";Name
4482;Partei
"Elf";Typ
56;Anzahl
1;bewacht
10344;Burg
718;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"10080 6";Hiebwaffen
"6720 4";Segeln
GEGENSTAENDE
79;Pferd
71;Eisen
69;Speer
EINHEIT 10246
"Jörg";Name
4482;Partei
"Elf";Typ
2;Anzahl
492;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Segeln
"360 6";Wahrnehmung
"60 1";Bergbau
GEGENSTAENDE
1;Holz
EINHEIT 10283
"Öda";Name
4482;Partei
"Elf";Typ
14;Anzahl
962;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1260 3";Hiebwaffen
"2940 7";Tarnung
GEGENSTAENDE
1;Holz
20;Speer
EINHEIT 10315
"Boten von Südfurt";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
31;Anzahl
10344;Burg
2232;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5580 6";Tarnung
"2790 3";BogenschieÃŸen
GEGENSTAENDE
42;Holz
EINHEIT 10330
"Boten von Bärenberg";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Wahrnehmung
GEGENSTAENDE
1;Stein
1;Pferd
1;Eisen
EINHEIT 9848
"Boten von Wolfswald";Name
6961;Partei
"Ork";Typ
17;Anzahl
REGION -3 14
"Felsbrück";Name
"Gletscher";Terrain
37;Bauern
0;Baeume
UMGEBUNG
"Im o liegt Felsbrücks Nachbarland."
EINHEIT 10350
"Bergleute von Kalthausen";Name
5666;Partei
"Zwerg";Typ
48;Anzahl
EINHEIT 10374
"Bergleute von Eichenbrück";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
1;bewacht
REGION -2 14
"Felsbrück";Name
"Gletscher";Terrain
33;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Felsbrücks Nachbarland."
EINHEIT 10381
"Jörg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 10420
"Knut";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
EINHEIT 10451
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 0 0 1
"Dichter Nebel";Terrain
REGION 1 0 1
"Nebel";Terrain
REGION 2 0 1
"Nebel";Terrain
REGION 3 0 1
"Dichter Nebel";Terrain
REGION 4 0 1
"Nebel";Terrain
200;Runde
REGION 0 1 1
"Dichter Nebel";Terrain
REGION 1 1 1
"Nebel";Terrain
REGION 2 1 1
"Nebel";Terrain
198;Runde
REGION 3 1 1
"Dichter Nebel";Terrain
REGION 4 1 1
"Nebel";Terrain
REGION 0 2 1
"Dichter Nebel";Terrain
200;Runde
REGION 1 2 1
"Nebel";Terrain
REGION 2 2 1
"Nebel";Terrain
REGION 3 2 1
"Dichter Nebel";Terrain
REGION 4 2 1
"Nebel";Terrain
REGION 0 3 1
"Dichter Nebel";Terrain
REGION 1 3 1
"Nebel";Terrain
REGION 2 3 1
"Nebel";Terrain
REGION 3 3 1
"Dichter Nebel";Terrain
197;Runde
REGION 4 3 1
"Nebel";Terrain
REGION 0 4 1
"Dichter Nebel";Terrain
REGION 1 4 1
"Nebel";Terrain
199;Runde
REGION 2 4 1
"Nebel";Terrain
REGION 3 4 1
"Dichter Nebel";Terrain
