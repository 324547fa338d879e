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
2940;Anzahl Personen
0;Anzahl Immigranten
12;Max. Immigranten
495;Punkte
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
"MACHEN TEMP 40"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Knut bleibt hier"
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
"NACH sw nw"
"; Zur Küste"
TALENTE
"4560 4";BogenschieÃŸen
"2280 2";HolzfÃ¤llen
"6840 6";Tarnung
GEGENSTAENDE
28;Bogen
65;Schwert
15;Stein
EINHEIT 270
"Späher von Wolfsau";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
31;Anzahl
137;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"5580 6";Tarnung
GEGENSTAENDE
22;Speer
12;Kettenhemd
EINHEIT 282
"Bergleute von Mühlau";Name
4482;Partei
"Elf";Typ
14;Anzahl
683;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2100 5";Segeln
"1680 4";Burgenbau
GEGENSTAENDE
20;Eisen
13;Stein
11;Schild
EINHEIT 320
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2906;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Tarnung"
TALENTE
"270 9";Tarnung
"270 9";Handeln
GEGENSTAENDE
2;Schwert
EINHEIT 1012
"Boten von Tannfurt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 3 0
"Eichenfurt";Name
"Ebene";Terrain
1842;Bauern
111;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenfurt sind fleißig.";Beschr
57;Pferde
31469;Silber
1573;Unterh
46;Rekruten
13;Lohn
PREISE
-55;Balsam
49;GewÃ¼rz
6;Juwel
55;Myrrhe
61;Ã–l
52;Seide
9;Weihrauch
UMGEBUNG
"Im so liegt Eichenfurts Nachbarland."
EINHEIT 326
"Grete";Name
3742;Partei
"Mensch";Typ
62;Anzahl
165;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Holzfällen"
TALENTE
"13020 7";HolzfÃ¤llen
"3720 2";Reiten
GEGENSTAENDE
13;Holz
54;Speer
93;Schwert
EINHEIT 362
"Händler von Südtal";Name
3742;Partei
"Mensch";Typ
17;Anzahl
1;bewacht
421;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH no no"
"; Zur Küste"
TALENTE
"4080 8";Tarnung
GEGENSTAENDE
3;Schwert
8;Schild
1;Schwert
EINHEIT 392
"Bergleute von Eichenbrück";Name
3742;Partei
"Mensch";Typ
13;Anzahl
569;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3120 8";Reiten
GEGENSTAENDE
15;Schwert
22;Schwert
EINHEIT 446
"Wachen von Grünstätt";Name
4482;Partei
"Elf";Typ
2;Anzahl
720;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Tarnung
"180 3";Handeln
"120 2";Hiebwaffen
REGION 4 0
"Grünfurt";Name
"Ebene";Terrain
200;Runde
2972;Bauern
124;Baeume
REGION 5 0
"Kaltmoor";Name
"Berge";Terrain
261;Bauern
11;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
12;Pferde
3400;Silber
170;Unterh
6;Rekruten
11;Lohn
6;Eisen
PREISE
-49;Balsam
35;GewÃ¼rz
48;Juwel
35;Myrrhe
12;Ã–l
53;Seide
70;Weihrauch
UMGEBUNG
"Im nw liegt Kaltmoors Nachbarland."
EINHEIT 465
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"60 2";Handeln
"120 4";BogenschieÃŸen
"180 6";HolzfÃ¤llen
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
EINHEIT 498
"Späher von Wolfsau";Name
3742;Partei
"Mensch";Typ
10;Anzahl
654;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"2400 8";Reiten
"1500 5";HolzfÃ¤llen
"1800 6";Segeln
GEGENSTAENDE
10;Schild
18;Stein
EINHEITSBOTSCHAFTEN
"Späher von Wolfsau hat Hunger."
EINHEIT 505
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
735;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 21"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Knut bleibt hier"
TALENTE
"180 6";Burgenbau
"30 1";Wahrnehmung
"150 5";Burgenbau
EINHEIT 537
"Hans";Name
3742;Partei
"Mensch";Typ
46;Anzahl
1;bewacht
398;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2760 2";HolzfÃ¤llen
"11040 8";BogenschieÃŸen
"11040 8";HolzfÃ¤llen
GEGENSTAENDE
38;Holz
REGION 6 0
"Felsmoor";Name
"Hochland";Terrain
609;Bauern
102;Baeume
UMGEBUNG
"Im sw liegt Felsmoors Nachbarland."
EINHEIT 555
"Reiter von Nordau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 7 0
"Kaltheim";Name
"Hochland";Terrain
1827;Bauern
68;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltheim sind fleißig.";Beschr
45;Pferde
21531;Silber
1076;Unterh
45;Rekruten
11;Lohn
PREISE
-80;Balsam
11;GewÃ¼rz
24;Juwel
13;Myrrhe
26;Ã–l
63;Seide
36;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Kaltheims Nachbarland."
EINHEIT 593
"Holzfäller von Westtal";Name
3742;Partei
"Mensch";Typ
23;Anzahl
889;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH w nw"
"; Zur Küste"
TALENTE
"4830 7";BogenschieÃŸen
"2070 3";Bergbau
"4830 7";Tarnung
EINHEIT 611
"Hans";Name
3742;Partei
"Mensch";Typ
27;Anzahl
3012;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Hans";privat
COMMANDS
"LERNEN Segeln"
TALENTE
"7290 9";Segeln
"4050 5";BogenschieÃŸen
GEGENSTAENDE
47;Eisen
40;Eisen
EINHEIT 632
"Holzfäller von Westberg";Name
3742;Partei
"Mensch";Typ
18;Anzahl
1819;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"1080 2";Wahrnehmung
"3780 7";Reiten
"1620 3";Wahrnehmung
GEGENSTAENDE
11;Pferd
17;Holz
29;Kettenhemd
EINHEIT 651
"Öda";Name
3742;Partei
"Mensch";Typ
42;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2520 2";Tarnung
GEGENSTAENDE
73;Speer
REGION 8 0
"Weststätt";Name
"Ebene";Terrain
2879;Bauern
63;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
114;Pferde
25314;Silber
1265;Unterh
71;Rekruten
15;Lohn
PREISE
-50;Balsam
57;GewÃ¼rz
30;Juwel
32;Myrrhe
45;Ã–l
64;Seide
25;Weihrauch
UMGEBUNG
"Im sw liegt Weststätts Nachbarland."
EINHEIT 700
"Swaantje";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
29;Anzahl
978;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"6960 8";Burgenbau
"870 1";Wahrnehmung
"4350 5";Burgenbau
GEGENSTAENDE
40;Kettenhemd
EINHEIT 707
"Holzfäller von Eichenstätt";Name
3742;Partei
"Mensch";Typ
13;Anzahl
561;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"390 1";Hiebwaffen
GEGENSTAENDE
23;Pferd
24;Holz
23;Speer
EINHEITSBOTSCHAFTEN
"Holzfäller von Eichenstätt hat Hunger."
EINHEIT 739
"Späher von Mühlmoor";Name
3742;Partei
"Mensch";Typ
14;Anzahl
808;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2940 7";Handeln
"2100 5";Tarnung
GEGENSTAENDE
14;Speer
13;Stein
8;Eisen
EINHEIT 759
"Boten von Bärental";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
1814;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"480 8";Tarnung
GEGENSTAENDE
2;Stein
2;Schwert
2;Pferd
EINHEIT 766
"Späher von Nordwald";Name
3742;Partei
"Mensch";Typ
9;Anzahl
155;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"270 1";Hiebwaffen
GEGENSTAENDE
6;Eisen
2;Bogen
EINHEIT 1382
"Späher von Bärenberg";Name
3742;Partei
"Mensch";Typ
51;Anzahl
32;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH no w"
"; Zur Küste"
TALENTE
"12240 8";Tarnung
"4590 3";BogenschieÃŸen
"9180 6";Handeln
EINHEITSBOTSCHAFTEN
"Späher von Bärenberg hat Hunger."
REGION 9 0
"Bärenau";Name
"Gletscher";Terrain
75;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
1;Pferde
549;Silber
27;Unterh
1;Rekruten
11;Lohn
74;Eisen
PREISE
-59;Balsam
79;GewÃ¼rz
10;Juwel
67;Myrrhe
23;Ã–l
67;Seide
80;Weihrauch
UMGEBUNG
"Im sw liegt Bärenaus Nachbarland."
EINHEIT 800
"Rüdiger";Name
3742;Partei
"Mensch";Typ
44;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"6600 5";BogenschieÃŸen
GEGENSTAENDE
56;Speer
EINHEIT 837
"Gundolf";Name
3742;Partei
"Mensch";Typ
57;Anzahl
1514;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"10260 6";Bergbau
"10260 6";Segeln
GEGENSTAENDE
52;Bogen
9;Holz
EINHEIT 845
"Boten von Westberg";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"30 1";Bergbau
GEGENSTAENDE
2;Stein
2;Holz
2;Eisen
REGION 10 0
"Tanntal";Name
"Ebene";Terrain
1674;Bauern
155;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tanntal sind fleißig.";Beschr
80;Pferde
25916;Silber
1295;Unterh
41;Rekruten
14;Lohn
PREISE
-39;Balsam
56;GewÃ¼rz
75;Juwel
18;Myrrhe
9;Ã–l
31;Seide
6;Weihrauch
UMGEBUNG
"Im so liegt Tanntals Nachbarland."
EINHEIT 838
"Reiter von Nordheim";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 846
"Swaantje";Name
3742;Partei
"Mensch";Typ
23;Anzahl
542;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"4140 6";BogenschieÃŸen
"4830 7";Hiebwaffen
"2760 4";Tarnung
GEGENSTAENDE
18;Eisen
12;Schwert
EINHEIT 866
"Schützen von Mühlheim";Name
6961;Partei
"Ork";Typ
1;Anzahl
REGION 11 0
"Ozean";Terrain
REGION 12 0
"Ozean";Terrain
REGION 13 0
"Osttal";Name
"Ebene";Terrain
3135;Bauern
116;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
55;Pferde
20697;Silber
1034;Unterh
78;Rekruten
11;Lohn
PREISE
-6;Balsam
63;GewÃ¼rz
7;Juwel
53;Myrrhe
21;Ã–l
73;Seide
42;Weihrauch
UMGEBUNG
"Im sw liegt Osttals Nachbarland."
EINHEIT 901
"Bergleute von Wolfshausen";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2628;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Bergleute von Wolfshausen";privat
COMMANDS
"MACHEN TEMP 29"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Wolfshausen bleibt hier"
TALENTE
"240 8";BogenschieÃŸen
"240 8";Handeln
"90 3";Handeln
EINHEIT 920
"Knut";Name
4482;Partei
"Elf";Typ
36;Anzahl
1;bewacht
519;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6480 6";Wahrnehmung
"3240 3";BogenschieÃŸen
"3240 3";Hiebwaffen
EINHEIT 934
"Knut";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 62"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Knut bleibt hier"
TALENTE
"420 7";BogenschieÃŸen
"420 7";HolzfÃ¤llen
GEGENSTAENDE
1;Stein
EINHEIT 936
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
993;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw sw"
"; Zur Küste"
TALENTE
"30 1";Tarnung
"60 2";Handeln
"180 6";Tarnung
GEGENSTAENDE
1;Schwert
2;Kettenhemd
2;Holz
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
2564;Bauern
288;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltwald sind fleißig.";Beschr
69;Pferde
20357;Silber
1017;Unterh
64;Rekruten
13;Lohn
PREISE
-71;Balsam
83;GewÃ¼rz
36;Juwel
77;Myrrhe
44;Ã–l
17;Seide
70;Weihrauch
UMGEBUNG
"Im so liegt Kaltwalds Nachbarland."
EINHEIT 966
"Boten von Ostau";Name
3742;Partei
"Mensch";Typ
24;Anzahl
955;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"720 1";Segeln
"6480 9";Reiten
"4320 6";HolzfÃ¤llen
GEGENSTAENDE
36;Bogen
38;Pferd
EINHEIT 993
"Bärbel";Name
3742;Partei
"Mensch";Typ
54;Anzahl
1;bewacht
1903;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"14580 9";Wahrnehmung
"8100 5";BogenschieÃŸen
"12960 8";Burgenbau
GEGENSTAENDE
105;Eisen
EINHEIT 414
"Bergleute von Westheim";Name
3742;Partei
"Mensch";Typ
11;Anzahl
1625;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"1980 6";Hiebwaffen
"1650 5";Reiten
"1320 4";BogenschieÃŸen
GEGENSTAENDE
9;Bogen
13;Eisen
REGION 3 1
"Südau";Name
"Wüste";Terrain
168;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
11;Pferde
1181;Silber
59;Unterh
4;Rekruten
11;Lohn
PREISE
-69;Balsam
13;GewÃ¼rz
17;Juwel
64;Myrrhe
66;Ã–l
60;Seide
18;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Südaus Nachbarland."
EINHEIT 1044
"Späher von Grünstätt";Name
3742;Partei
"Mensch";Typ
45;Anzahl
3296;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH o sw"
"; Zur Küste"
TALENTE
"1350 1";Tarnung
"6750 5";BogenschieÃŸen
GEGENSTAENDE
56;Stein
EINHEIT 1047
"Händler von Felsstätt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
EINHEIT 1054
"Bärbel";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
1281;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"120 2";Segeln
"540 9";Handeln
GEGENSTAENDE
1;Stein
EINHEIT 1085
"Hans";Name
3742;Partei
"Mensch";Typ
17;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH no sw"
"; Zur Küste"
TALENTE
"2040 4";Tarnung
"2550 5";Handeln
"3060 6";Tarnung
GEGENSTAENDE
6;Holz
EINHEIT 1116
"Ulrike";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
261;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 50"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Ulrike bleibt hier"
TALENTE
"240 8";Wahrnehmung
"150 5";Tarnung
"270 9";Segeln
GEGENSTAENDE
2;Schild
REGION 4 1
"Grünstätt";Name
"Berge";Terrain
487;Bauern
17;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2359;Silber
117;Unterh
12;Rekruten
12;Lohn
66;Eisen
PREISE
-47;Balsam
39;GewÃ¼rz
49;Juwel
69;Myrrhe
70;Ã–l
68;Seide
41;Weihrauch
UMGEBUNG
"Im sw liegt Grünstätts Nachbarland."
EINHEIT 1137
"Boten von Mühltal";Name
3742;Partei
"Mensch";Typ
9;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1080 4";BogenschieÃŸen
"1350 5";Reiten
"1350 5";Handeln
GEGENSTAENDE
8;Bogen
5;Stein
EINHEIT 1169
"Jörg";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1344;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"7980 7";Reiten
"3420 3";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Jörg hat Hunger."
EINHEIT 1185
"Wachen von Bärenheim";Name
3742;Partei
"Mensch";Typ
9;Anzahl
130;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"2430 9";Wahrnehmung
"1350 5";Hiebwaffen
"1080 4";Handeln
EINHEIT 1202
"Hans";Name
3742;Partei
"Mensch";Typ
2;Anzahl
57;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no no"
"; Zur Küste"
TALENTE
"360 6";Bergbau
GEGENSTAENDE
2;Eisen
2;Kettenhemd
1;Holz
EINHEITSBOTSCHAFTEN
"Hans hat Hunger."
EINHEIT 1216
"Boten von Eichenmoor";Name
4482;Partei
"Elf";Typ
22;Anzahl
411;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1980 3";Reiten
"4620 7";HolzfÃ¤llen
"4620 7";Reiten
REGION 5 1
"Kaltfurt";Name
"Ebene";Terrain
4208;Bauern
256;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
52;Pferde
67734;Silber
3386;Unterh
105;Rekruten
15;Lohn
PREISE
-12;Balsam
15;GewÃ¼rz
13;Juwel
7;Myrrhe
70;Ã–l
62;Seide
8;Weihrauch
UMGEBUNG
"Im o liegt Kaltfurts Nachbarland."
EINHEIT 1225
"Hans";Name
4482;Partei
"Elf";Typ
31;Anzahl
1520;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2790 3";Segeln
"7440 8";Bergbau
"5580 6";Bergbau
GEGENSTAENDE
9;Kettenhemd
48;Schild
EINHEIT 1248
"Öda";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
22;Anzahl
2026;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"3300 5";Handeln
"2640 4";BogenschieÃŸen
"5280 8";Bergbau
GEGENSTAENDE
42;Pferd
47;Kettenhemd
REGION 6 1
"Südfurt";Name
"Ebene";Terrain
4333;Bauern
107;Baeume
UMGEBUNG
"Im nw liegt Südfurts Nachbarland."
REGION 7 1
"Felsbrück";Name
"Wüste";Terrain
445;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsbrück sind fleißig.";Beschr
3;Pferde
9375;Silber
468;Unterh
11;Rekruten
13;Lohn
PREISE
-6;Balsam
39;GewÃ¼rz
58;Juwel
35;Myrrhe
18;Ã–l
56;Seide
35;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Felsbrücks Nachbarland."
EINHEIT 1254
"Schützen von Südberg";Name
3742;Partei
"Mensch";Typ
27;Anzahl
664;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"810 1";Burgenbau
GEGENSTAENDE
19;Holz
23;Schwert
EINHEIT 1267
"Reiter von Weststätt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2754;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o o"
"; Zur Küste"
TALENTE
"210 7";Handeln
"150 5";Segeln
"240 8";Handeln
EINHEITSBOTSCHAFTEN
"Reiter von Weststätt hat Hunger."
EINHEIT 1294
"Bergleute von Kaltfurt";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
56;Anzahl
1254;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"3360 2";Reiten
"8400 5";BogenschieÃŸen
"1680 1";Burgenbau
EINHEIT 1313
"Späher von Felsberg";Name
3742;Partei
"Mensch";Typ
34;Anzahl
620;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"8160 8";Tarnung
GEGENSTAENDE
8;Eisen
EINHEIT 691
"Reiter von Nordtal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1813;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 13"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Nordtal bleibt hier"
TALENTE
"210 7";HolzfÃ¤llen
"150 5";Handeln
GEGENSTAENDE
2;Pferd
2;Schild
2;Holz
REGION 8 1
"Nordberg";Name
"Ebene";Terrain
2563;Bauern
121;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
96;Pferde
16171;Silber
808;Unterh
64;Rekruten
14;Lohn
PREISE
-69;Balsam
58;GewÃ¼rz
37;Juwel
26;Myrrhe
27;Ã–l
20;Seide
28;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Nordbergs Nachbarland."
EINHEIT 1353
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
234;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"240 8";HolzfÃ¤llen
GEGENSTAENDE
1;Schild
EINHEIT 1410
"Rüdiger";Name
3742;Partei
"Mensch";Typ
12;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2160 6";Reiten
"2880 8";Hiebwaffen
REGION 9 1
"Felswald";Name
"Hochland";Terrain
917;Bauern
95;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felswald sind fleißig.";Beschr
1;Pferde
9199;Silber
459;Unterh
22;Rekruten
14;Lohn
PREISE
-14;Balsam
21;GewÃ¼rz
47;Juwel
67;Myrrhe
52;Ã–l
45;Seide
73;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Felswalds Nachbarland."
EINHEIT 1439
"Hans";Name
3742;Partei
"Mensch";Typ
46;Anzahl
869;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5520 4";Tarnung
GEGENSTAENDE
8;Speer
48;Schild
44;Bogen
EINHEIT 1825
"Öda";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1164;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"6930 7";BogenschieÃŸen
"990 1";Hiebwaffen
GEGENSTAENDE
48;Pferd
59;Pferd
17;Bogen
EINHEITSBOTSCHAFTEN
"Öda hat Hunger."
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
427;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
12;Pferde
8999;Silber
449;Unterh
10;Rekruten
15;Lohn
PREISE
-17;Balsam
39;GewÃ¼rz
81;Juwel
36;Myrrhe
15;Ã–l
76;Seide
33;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südfurt!"
UMGEBUNG
"Im nw liegt Südfurts Nachbarland."
EINHEIT 1453
"Händler von Ostfurt";Name
3742;Partei
"Mensch";Typ
50;Anzahl
1;bewacht
1230;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 96"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Händler von Ostfurt bleibt hier"
TALENTE
"10500 7";BogenschieÃŸen
GEGENSTAENDE
45;Stein
95;Schwert
96;Eisen
EINHEIT 1478
"Knut";Name
3742;Partei
"Mensch";Typ
9;Anzahl
2015;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH w nw"
"; Zur Küste"
TALENTE
"1620 6";Wahrnehmung
"810 3";Reiten
"810 3";Reiten
EINHEIT 1480
"Bärbel";Name
3742;Partei
"Mensch";Typ
54;Anzahl
903;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Holzfällen"
TALENTE
"3240 2";HolzfÃ¤llen
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
51;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
1;Pferde
591;Silber
29;Unterh
1;Rekruten
13;Lohn
19;Strasse
43;Eisen
2;Laen
PREISE
-32;Balsam
84;GewÃ¼rz
45;Juwel
49;Myrrhe
21;Ã–l
77;Seide
33;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westbrück!"
UMGEBUNG
"Im o liegt Westbrücks Nachbarland."
EINHEIT 1507
"Reiter von Wolfswald";Name
3742;Partei
"Mensch";Typ
6;Anzahl
335;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Segeln"
TALENTE
"1440 8";Segeln
"1260 7";Bergbau
"180 1";Reiten
GEGENSTAENDE
7;Eisen
10;Holz
1;Eisen
EINHEIT 1542
"Späher von Südau";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
29;Anzahl
1;bewacht
921;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1740 2";BogenschieÃŸen
"6960 8";HolzfÃ¤llen
"3480 4";Reiten
GEGENSTAENDE
56;Pferd
54;Schild
EINHEIT 1557
"Öda";Name
3742;Partei
"Mensch";Typ
22;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"3300 5";Reiten
EINHEIT 1562
"Rüdiger";Name
3742;Partei
"Mensch";Typ
33;Anzahl
523;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Holzfällen"
TALENTE
"3960 4";HolzfÃ¤llen
GEGENSTAENDE
13;Kettenhemd
25;Holz
43;Schwert
EINHEITSBOTSCHAFTEN
"Rüdiger hat Hunger."
REGION 2 2
"Südfurt";Name
"Sumpf";Terrain
462;Bauern
429;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
14;Pferde
3314;Silber
165;Unterh
11;Rekruten
15;Lohn
PREISE
-36;Balsam
26;GewÃ¼rz
26;Juwel
35;Myrrhe
75;Ã–l
50;Seide
9;Weihrauch
UMGEBUNG
"Im no liegt Südfurts Nachbarland."
EINHEIT 1581
"Öda";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1613
"Rüdiger";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
59;Anzahl
1;bewacht
1;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"10620 6";Bergbau
"3540 2";Bergbau
EINHEIT 1615
"Ulrike";Name
3742;Partei
"Mensch";Typ
18;Anzahl
1;bewacht
1477;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Holzfällen"
TALENTE
"4320 8";HolzfÃ¤llen
"540 1";Handeln
"540 1";Bergbau
GEGENSTAENDE
5;Holz
17;Stein
30;Eisen
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
EINHEIT 1618
"Holzfäller von Südhausen";Name
3742;Partei
"Mensch";Typ
1;Anzahl
514;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Holzfällen"
TALENTE
"60 2";HolzfÃ¤llen
GEGENSTAENDE
1;Bogen
1;Bogen
EINHEIT 1623
"Wachen von Felstal";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
56;Anzahl
1374;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3360 2";Bergbau
GEGENSTAENDE
28;Eisen
86;Bogen
REGION 3 2
"Grünbrück";Name
"Hochland";Terrain
1148;Bauern
86;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
45;Pferde
21802;Silber
1090;Unterh
28;Rekruten
12;Lohn
PREISE
-42;Balsam
59;GewÃ¼rz
34;Juwel
18;Myrrhe
83;Ã–l
25;Seide
32;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Grünbrück!"
UMGEBUNG
"Im nw liegt Grünbrücks Nachbarland."
EINHEIT 1639
"Reiter von Nordhausen";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
18;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 88"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Nordhausen bleibt hier"
TALENTE
"540 1";Wahrnehmung
GEGENSTAENDE
25;Eisen
REGION 4 2
"Grünmoor";Name
"Sumpf";Terrain
721;Bauern
381;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünmoor sind fleißig.";Beschr
8;Pferde
10377;Silber
518;Unterh
18;Rekruten
11;Lohn
PREISE
-73;Balsam
7;GewÃ¼rz
20;Juwel
27;Myrrhe
8;Ã–l
44;Seide
30;Weihrauch
UMGEBUNG
"Im w liegt Grünmoors Nachbarland."
EINHEIT 2043
"Boten von Südheim";Name
3742;Partei
"Mensch";Typ
5;Anzahl
1864;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1200 8";Segeln
"150 1";BogenschieÃŸen
"1350 9";Segeln
GEGENSTAENDE
2;Eisen
6;Schild
REGION 5 2
"Felsbrück";Name
"Wüste";Terrain
199;Runde
283;Bauern
0;Baeume
REGION 6 2
"Mühlheim";Name
"Wüste";Terrain
245;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Mühlheims Nachbarland."
REGION 7 2
"Westbrück";Name
"Wald";Terrain
1194;Bauern
1012;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
74;Pferde
11129;Silber
556;Unterh
29;Rekruten
11;Lohn
PREISE
-66;Balsam
7;GewÃ¼rz
56;Juwel
81;Myrrhe
25;Ã–l
17;Seide
35;Weihrauch
UMGEBUNG
"Im no liegt Westbrücks Nachbarland."
EINHEIT 1677
"Swaantje";Name
4482;Partei
"Elf";Typ
40;Anzahl
2027;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10800 9";Tarnung
"10800 9";Reiten
"7200 6";Burgenbau
GEGENSTAENDE
59;Holz
54;Schild
79;Pferd
EINHEIT 1714
"Rüdiger";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;bewacht
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Handeln"
TALENTE
"540 9";Handeln
"300 5";Tarnung
GEGENSTAENDE
1;Bogen
2;Speer
REGION 8 2
"Tannheim";Name
"Berge";Terrain
455;Bauern
28;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannheim sind fleißig.";Beschr
1;Pferde
5833;Silber
291;Unterh
11;Rekruten
13;Lohn
34;Eisen
PREISE
-27;Balsam
31;GewÃ¼rz
35;Juwel
9;Myrrhe
9;Ã–l
42;Seide
18;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Tannheim!"
DURCHREISE
"Boten (1277)"
UMGEBUNG
"Im w liegt Tannheims Nachbarland."
EINHEIT 1753
"Gundolf";Name
3742;Partei
"Mensch";Typ
9;Anzahl
853;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"540 2";Burgenbau
"2430 9";Reiten
GEGENSTAENDE
4;Kettenhemd
2;Eisen
12;Schild
EINHEITSBOTSCHAFTEN
"Gundolf hat Hunger."
EINHEIT 1761
"Boten von Kaltbrück";Name
3742;Partei
"Mensch";Typ
22;Anzahl
1;bewacht
1229;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5940 9";Burgenbau
GEGENSTAENDE
41;Bogen
25;Holz
REGION 9 2
"Nordheim";Name
"Ebene";Terrain
2567;Bauern
119;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
3;Pferde
16588;Silber
829;Unterh
64;Rekruten
15;Lohn
PREISE
-79;Balsam
64;GewÃ¼rz
71;Juwel
17;Myrrhe
37;Ã–l
51;Seide
42;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
BURG 1838
"Feste Nordheim";Name
"Burg";Typ
158;Groesse
1780;Besitzer
15;Unterhalt
EINHEIT 1780
"Bärbel";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1838;Burg
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"120 4";Reiten
"90 3";Wahrnehmung
GEGENSTAENDE
1;Holz
EINHEIT 1806
"Boten von Tanntal";Name
3742;Partei
"Mensch";Typ
52;Anzahl
2018;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4680 3";Bergbau
"3120 2";BogenschieÃŸen
"7800 5";Handeln
GEGENSTAENDE
40;Holz
94;Bogen
EINHEIT 1833
"Reiter von Ostbrück";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"60 2";Tarnung
"90 3";Hiebwaffen
"60 2";Hiebwaffen
GEGENSTAENDE
1;Pferd
1;Holz
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
384;Bauern
186;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
23;Pferde
3327;Silber
166;Unterh
9;Rekruten
12;Lohn
PREISE
-44;Balsam
73;GewÃ¼rz
80;Juwel
46;Myrrhe
50;Ã–l
47;Seide
42;Weihrauch
DURCHREISE
"Boten (6705)"
UMGEBUNG
"Im so liegt Kaltmoors Nachbarland."
EINHEIT 1842
"Händler von Wolfstal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
554;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"60 2";HolzfÃ¤llen
"90 3";Hiebwaffen
"30 1";HolzfÃ¤llen
EINHEIT 1879
"Grete";Name
3742;Partei
"Mensch";Typ
13;Anzahl
751;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3120 8";Hiebwaffen
"2730 7";Handeln
"780 2";BogenschieÃŸen
GEGENSTAENDE
27;Kettenhemd
EINHEIT 1883
"Knut";Name
6961;Partei
"Ork";Typ
11;Anzahl
EINHEIT 1922
"Ulrike";Name
3742;Partei
"Mensch";Typ
11;Anzahl
2775;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"NACH no w"
"; Zur Küste"
TALENTE
"2640 8";Hiebwaffen
"1650 5";Hiebwaffen
"2970 9";Wahrnehmung
GEGENSTAENDE
7;Holz
13;Stein
REGION 1 3
"Eichenbrück";Name
"Berge";Terrain
310;Bauern
22;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenbrück sind fleißig.";Beschr
3;Pferde
4193;Silber
209;Unterh
7;Rekruten
11;Lohn
15;Eisen
14;Laen
PREISE
-31;Balsam
14;GewÃ¼rz
67;Juwel
34;Myrrhe
21;Ã–l
13;Seide
64;Weihrauch
UMGEBUNG
"Im no liegt Eichenbrücks Nachbarland."
BURG 1960
"Feste Eichenbrück";Name
"Burg";Typ
210;Groesse
1955;Besitzer
21;Unterhalt
EINHEIT 1955
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
1960;Burg
958;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Bergbau
GEGENSTAENDE
1;Speer
1;Stein
REGION 2 3
"Osttal";Name
"Wüste";Terrain
229;Bauern
1;Baeume
UMGEBUNG
"Im o liegt Osttals Nachbarland."
REGION 3 3
"Westtal";Name
"Wald";Terrain
1830;Bauern
1034;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
92;Pferde
34450;Silber
1722;Unterh
45;Rekruten
14;Lohn
PREISE
-23;Balsam
62;GewÃ¼rz
48;Juwel
38;Myrrhe
65;Ã–l
67;Seide
60;Weihrauch
UMGEBUNG
"Im no liegt Westtals Nachbarland."
EINHEIT 2003
"Bergleute von Tanntal";Name
3742;Partei
"Mensch";Typ
44;Anzahl
2234;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"5280 4";BogenschieÃŸen
"3960 3";Burgenbau
"11880 9";Bergbau
EINHEITSBOTSCHAFTEN
"Bergleute von Tanntal hat Hunger."
EINHEIT 2134
"Jörg";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
1;bewacht
REGION 4 3
"Westfurt";Name
"Sumpf";Terrain
698;Bauern
310;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
9;Pferde
4434;Silber
221;Unterh
17;Rekruten
14;Lohn
13;Strasse
PREISE
-57;Balsam
50;GewÃ¼rz
24;Juwel
32;Myrrhe
50;Ã–l
36;Seide
61;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Westfurts Nachbarland."
EINHEIT 2080
"Öda";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 44"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"10800 8";Handeln
"10800 8";Burgenbau
GEGENSTAENDE
23;Schild
51;Speer
33;Speer
EINHEIT 2106
"Holzfäller von Nordwald";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 2120
"Rüdiger";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1;bewacht
2245;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1980 2";Segeln
GEGENSTAENDE
68;Schild
35;Schild
39;Schild
EINHEIT 2138
"Späher von Mühlheim";Name
3742;Partei
"Mensch";Typ
53;Anzahl
1590;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3180 2";HolzfÃ¤llen
"3180 2";HolzfÃ¤llen
GEGENSTAENDE
69;Holz
72;Speer
61;Speer
EINHEIT 2177
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"180 6";Hiebwaffen
"90 3";Burgenbau
GEGENSTAENDE
1;Stein
1;Stein
2;Eisen
EINHEIT 1993
"Schützen von Eichenwald";Name
6961;Partei
"Ork";Typ
2;Anzahl
REGION 5 3
"Grünbrück";Name
"Hochland";Terrain
1217;Bauern
80;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
41;Pferde
12362;Silber
618;Unterh
30;Rekruten
14;Lohn
PREISE
-48;Balsam
22;GewÃ¼rz
47;Juwel
44;Myrrhe
32;Ã–l
52;Seide
38;Weihrauch
UMGEBUNG
"Im so liegt Grünbrücks Nachbarland."
EINHEIT 2204
"Hans";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1044;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"360 6";Reiten
GEGENSTAENDE
2;Speer
1;Pferd
2;Holz
EINHEIT 2230
"Boten von Ostau";Name
6961;Partei
"Ork";Typ
1;Anzahl
REGION 6 3
"Bärenfurt";Name
"Ebene";Terrain
1909;Bauern
145;Baeume
UMGEBUNG
"Im w liegt Bärenfurts Nachbarland."
REGION 7 3
"Mühlbrück";Name
"Ebene";Terrain
2450;Bauern
153;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
70;Pferde
17856;Silber
892;Unterh
61;Rekruten
15;Lohn
79;Strasse
PREISE
-12;Balsam
9;GewÃ¼rz
49;Juwel
7;Myrrhe
19;Ã–l
13;Seide
17;Weihrauch
UMGEBUNG
"Im nw liegt Mühlbrücks Nachbarland."
SCHIFF 2285
"Kahn von Mühlbrück";Name
"Boot";Typ
5;Kueste
2274;Kapitaen
0;Schaden
462;Ladung
500;MaxLadung
EINHEIT 2274
"Swaantje";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2285;Schiff
1191;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Handeln"
TALENTE
"540 9";Handeln
"60 1";Burgenbau
GEGENSTAENDE
1;Bogen
1;Holz
REGION 8 3
"Wolfsmoor";Name
"Wüste";Terrain
344;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
13;Pferde
6068;Silber
303;Unterh
8;Rekruten
15;Lohn
PREISE
-5;Balsam
6;GewÃ¼rz
23;Juwel
76;Myrrhe
51;Ã–l
80;Seide
52;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Wolfsmoors Nachbarland."
EINHEIT 2323
"Jörg";Name
3742;Partei
"Mensch";Typ
37;Anzahl
439;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH no so"
"; Zur Küste"
TALENTE
"3330 3";Handeln
EINHEIT 2343
"Händler von Felsfurt";Name
3742;Partei
"Mensch";Typ
21;Anzahl
390;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"2520 4";Hiebwaffen
GEGENSTAENDE
39;Schwert
REGION 9 3
"Kaltau";Name
"Gletscher";Terrain
36;Bauern
1;Baeume
UMGEBUNG
"Im sw liegt Kaltaus Nachbarland."
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
545;Bauern
311;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsheim sind fleißig.";Beschr
7;Pferde
9982;Silber
499;Unterh
13;Rekruten
15;Lohn
PREISE
-26;Balsam
10;GewÃ¼rz
58;Juwel
10;Myrrhe
26;Ã–l
23;Seide
49;Weihrauch
UMGEBUNG
"Im so liegt Felsheims Nachbarland."
EINHEIT 2371
"Schützen von Bärenstätt";Name
4482;Partei
"Elf";Typ
12;Anzahl
2835;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2520 7";Reiten
"2520 7";Wahrnehmung
GEGENSTAENDE
12;Speer
14;Speer
5;Eisen
EINHEIT 2404
"Rüdiger";Name
6961;Partei
"Ork";Typ
2;Anzahl
EINHEIT 2437
"Reiter von Ostfurt";Name
4482;Partei
"Elf";Typ
2;Anzahl
3580;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"420 7";Handeln
"480 8";Burgenbau
GEGENSTAENDE
2;Stein
2;Eisen
REGION 0 4
"Eichenhausen";Name
"Wüste";Terrain
160;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenhausen sind fleißig.";Beschr
13;Pferde
2427;Silber
121;Unterh
4;Rekruten
11;Lohn
78;Strasse
PREISE
-48;Balsam
67;GewÃ¼rz
68;Juwel
76;Myrrhe
67;Ã–l
11;Seide
69;Weihrauch
UMGEBUNG
"Im o liegt Eichenhausens Nachbarland."
EINHEIT 2459
"Wachen von Wolfshausen";Name
1;Parteitarnung
"Zwerg";Typ
2;Anzahl
EINHEIT 2466
"Schützen von Mühlfurt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
42;Anzahl
859;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2520 2";HolzfÃ¤llen
EINHEIT 2496
"Holzfäller von Grünhausen";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 2499
"Grete";Name
3742;Partei
"Mensch";Typ
52;Anzahl
252;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"14040 9";Handeln
"1560 1";HolzfÃ¤llen
"12480 8";Tarnung
GEGENSTAENDE
31;Holz
52;Eisen
EINHEIT 2531
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
REGION 1 4
"Nordbrück";Name
"Gletscher";Terrain
43;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordbrück sind fleißig.";Beschr
3;Pferde
203;Silber
10;Unterh
1;Rekruten
12;Lohn
51;Eisen
PREISE
-33;Balsam
36;GewÃ¼rz
73;Juwel
58;Myrrhe
36;Ã–l
49;Seide
72;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Nordbrücks Nachbarland."
BURG 2665
"Feste Nordbrück";Name
"Burg";Typ
18;Groesse
2548;Besitzer
1;Unterhalt
EINHEIT 2548
"Gundolf";Name
4482;Partei
"Elf";Typ
45;Anzahl
2665;Burg
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"12150 9";BogenschieÃŸen
GEGENSTAENDE
34;Pferd
58;Schwert
19;Stein
EINHEIT 2591
"Grete";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
2665;Burg
339;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Wahrnehmung
"300 5";Burgenbau
GEGENSTAENDE
2;Kettenhemd
1;Holz
EINHEIT 2601
"Gundolf";Name
4482;Partei
"Elf";Typ
24;Anzahl
2681;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"5760 8";Tarnung
GEGENSTAENDE
40;Speer
43;Eisen
25;Kettenhemd
EINHEIT 2632
"Reiter von Felsheim";Name
4482;Partei
"Elf";Typ
2;Anzahl
3400;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"480 8";Burgenbau
GEGENSTAENDE
2;Bogen
EINHEIT 2659
"Späher von Eichenbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Bergbau
"120 4";Wahrnehmung
"270 9";Reiten
GEGENSTAENDE
1;Bogen
REGION 2 4
"Mühlfurt";Name
"Gletscher";Terrain
31;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Mühlfurts Nachbarland."
REGION 3 4
"Tannau";Name
"Wüste";Terrain
375;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannau sind fleißig.";Beschr
11;Pferde
3785;Silber
189;Unterh
9;Rekruten
14;Lohn
PREISE
-88;Balsam
5;GewÃ¼rz
26;Juwel
36;Myrrhe
12;Ã–l
67;Seide
76;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (3269)"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Tannaus Nachbarland."
EINHEIT 2724
"Wachen von Tannau";Name
3742;Partei
"Mensch";Typ
34;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"1020 1";Wahrnehmung
"9180 9";Handeln
"8160 8";Burgenbau
GEGENSTAENDE
63;Pferd
63;Bogen
REGION 4 4
"Eichenau";Name
"Ebene";Terrain
2241;Bauern
76;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenau sind fleißig.";Beschr
31;Pferde
30030;Silber
1501;Unterh
56;Rekruten
12;Lohn
60;Strasse
PREISE
-67;Balsam
24;GewÃ¼rz
60;Juwel
58;Myrrhe
50;Ã–l
73;Seide
49;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im w liegt Eichenaus Nachbarland."
EINHEIT 2801
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2836;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"120 4";Tarnung
EINHEIT 2831
"Jörg";Name
3742;Partei
"Mensch";Typ
46;Anzahl
3429;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"8280 6";Wahrnehmung
"5520 4";Handeln
"4140 3";Segeln
GEGENSTAENDE
89;Speer
EINHEIT 2862
"Späher von Mühltal";Name
3742;Partei
"Mensch";Typ
2;Anzahl
446;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Reiten"
TALENTE
"360 6";Reiten
"360 6";Reiten
EINHEIT 2898
"Schützen von Mühlstätt";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
2048;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH no nw"
"; Zur Küste"
TALENTE
"120 4";Handeln
"270 9";Wahrnehmung
"240 8";Hiebwaffen
GEGENSTAENDE
2;Kettenhemd
REGION 5 4
"Wolfstal";Name
"Hochland";Terrain
792;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
38;Pferde
10761;Silber
538;Unterh
19;Rekruten
11;Lohn
PREISE
-72;Balsam
54;GewÃ¼rz
39;Juwel
12;Myrrhe
16;Ã–l
33;Seide
62;Weihrauch
UMGEBUNG
"Im so liegt Wolfstals Nachbarland."
EINHEIT 2899
"Rüdiger";Name
3742;Partei
"Mensch";Typ
8;Anzahl
826;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1920 8";Tarnung
"1680 7";Tarnung
GEGENSTAENDE
11;Bogen
18;Kettenhemd
1;Kettenhemd
EINHEIT 2915
"Händler von Westwald";Name
3742;Partei
"Mensch";Typ
51;Anzahl
1130;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1530 1";Segeln
"1530 1";Tarnung
"13770 9";Hiebwaffen
EINHEIT 2922
"Händler von Wolfsfurt";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
1924;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH sw w"
"; Zur Küste"
TALENTE
"300 5";Wahrnehmung
GEGENSTAENDE
2;Eisen
1;Schild
EINHEIT 2925
"Holzfäller von Ostwald";Name
3742;Partei
"Mensch";Typ
5;Anzahl
2114;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1350 9";HolzfÃ¤llen
"150 1";HolzfÃ¤llen
"450 3";BogenschieÃŸen
GEGENSTAENDE
2;Schwert
9;Eisen
7;Schild
EINHEIT 2941
"Gundolf";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1808;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no nw"
"; Zur Küste"
TALENTE
"60 2";Tarnung
"120 4";Segeln
EINHEIT 2960
"Bärbel";Name
3742;Partei
"Mensch";Typ
15;Anzahl
1070;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 51"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"2250 5";Handeln
"3150 7";Handeln
"2700 6";Segeln
GEGENSTAENDE
26;Kettenhemd
REGION 6 4
"Mühlheim";Name
"Hochland";Terrain
1001;Bauern
54;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
56;Pferde
18743;Silber
937;Unterh
25;Rekruten
15;Lohn
PREISE
-65;Balsam
22;GewÃ¼rz
19;Juwel
36;Myrrhe
29;Ã–l
27;Seide
67;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Mühlheim!"
UMGEBUNG
"Im o liegt Mühlheims Nachbarland."
EINHEIT 2971
"Bärbel";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1;bewacht
2196;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 62"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"10080 8";Wahrnehmung
"1260 1";Wahrnehmung
EINHEIT 3005
"Bärbel";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
34;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw sw"
"; Zur Küste"
TALENTE
"8160 8";Burgenbau
"2040 2";Burgenbau
"5100 5";Tarnung
EINHEIT 3008
"Ulrike";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1352;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH sw sw"
"; Zur Küste"
TALENTE
"360 6";Reiten
"180 3";Reiten
GEGENSTAENDE
1;Schild
1;Eisen
1;Schild
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
REGION 7 4
"Bärental";Name
"Wüste";Terrain
315;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
2;Pferde
5812;Silber
290;Unterh
7;Rekruten
11;Lohn
PREISE
-48;Balsam
69;GewÃ¼rz
77;Juwel
52;Myrrhe
32;Ã–l
62;Seide
57;Weihrauch
UMGEBUNG
"Im no liegt Bärentals Nachbarland."
EINHEIT 3026
"Bärbel";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1;bewacht
49;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 20"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"10260 9";Segeln
"1140 1";Burgenbau
GEGENSTAENDE
5;Eisen
72;Kettenhemd
EINHEIT 3055
"Grete";Name
3742;Partei
"Mensch";Typ
13;Anzahl
191;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2730 7";BogenschieÃŸen
"2340 6";Reiten
GEGENSTAENDE
5;Eisen
EINHEIT 3058
"Öda";Name
3742;Partei
"Mensch";Typ
61;Anzahl
1;bewacht
1427;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"1830 1";Handeln
"7320 4";Wahrnehmung
GEGENSTAENDE
51;Schild
97;Bogen
EINHEIT 3075
"Bergleute von Grünfurt";Name
4482;Partei
"Elf";Typ
34;Anzahl
454;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2040 2";Tarnung
"2040 2";Reiten
EINHEIT 3088
"Jörg";Name
4482;Partei
"Elf";Typ
6;Anzahl
682;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"720 4";HolzfÃ¤llen
"1620 9";Tarnung
GEGENSTAENDE
10;Kettenhemd
10;Eisen
9;Eisen
REGION 8 4
"Eichenheim";Name
"Ebene";Terrain
3103;Bauern
220;Baeume
UMGEBUNG
"Im so liegt Eichenheims Nachbarland."
BURG 3152
"Feste Eichenheim";Name
"Burg";Typ
230;Groesse
REGION 9 4
"Oststätt";Name
"Gletscher";Terrain
73;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
1;Pferde
920;Silber
46;Unterh
1;Rekruten
15;Lohn
76;Eisen
PREISE
-73;Balsam
62;GewÃ¼rz
21;Juwel
77;Myrrhe
69;Ã–l
59;Seide
7;Weihrauch
UMGEBUNG
"Im so liegt Oststätts Nachbarland."
EINHEIT 3186
"Späher von Kaltmoor";Name
3742;Partei
"Mensch";Typ
58;Anzahl
569;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Segeln"
TALENTE
"10440 6";Segeln
"13920 8";Bergbau
"8700 5";BogenschieÃŸen
GEGENSTAENDE
117;Schwert
REGION 10 4
"Ozean";Terrain
REGION 11 4
"Ozean";Terrain
197;Runde
REGION 12 4
"Ozean";Terrain
REGION -2 5
"Südfurt";Name
"Berge";Terrain
244;Bauern
10;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
0;Pferde
4522;Silber
226;Unterh
6;Rekruten
15;Lohn
59;Eisen
3;Laen
PREISE
-7;Balsam
35;GewÃ¼rz
77;Juwel
81;Myrrhe
8;Ã–l
55;Seide
84;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südfurt!"
UMGEBUNG
"Im w liegt Südfurts Nachbarland."
EINHEIT 3218
"Boten von Wolfsstätt";Name
4482;Partei
"Elf";Typ
36;Anzahl
1543;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"7560 7";Tarnung
"3240 3";Segeln
"1080 1";Reiten
GEGENSTAENDE
61;Kettenhemd
27;Eisen
9;Speer
EINHEIT 3224
"Knut";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
11;Anzahl
EINHEIT 3280
"Bergleute von Tannheim";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION -1 5
"Bärenhausen";Name
"Ebene";Terrain
2232;Bauern
101;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenhausen sind fleißig.";Beschr
90;Pferde
32653;Silber
1632;Unterh
55;Rekruten
15;Lohn
PREISE
-52;Balsam
13;GewÃ¼rz
83;Juwel
59;Myrrhe
7;Ã–l
7;Seide
62;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Bärenhausens Nachbarland."
EINHEIT 3298
"Holzfäller von Ostfurt";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
1613;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"150 5";Bergbau
"150 5";Segeln
"90 3";Handeln
EINHEIT 3312
"Hans";Name
6961;Partei
"Ork";Typ
18;Anzahl
EINHEIT 3325
"Wachen von Ostheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1949;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Wahrnehmung
"270 9";Handeln
"90 3";Tarnung
GEGENSTAENDE
1;Kettenhemd
2;Schwert
EINHEIT 3340
"Bärbel";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
9;Anzahl
2455;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2430 9";Hiebwaffen
GEGENSTAENDE
13;Holz
15;Speer
11;Eisen
REGION 0 5
"Bärenberg";Name
"Ebene";Terrain
4481;Bauern
221;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
31;Pferde
64796;Silber
3239;Unterh
112;Rekruten
14;Lohn
PREISE
-27;Balsam
63;GewÃ¼rz
31;Juwel
9;Myrrhe
59;Ã–l
47;Seide
55;Weihrauch
UMGEBUNG
"Im sw liegt Bärenbergs Nachbarland."
EINHEIT 3400
"Händler von Eichenberg";Name
4482;Partei
"Elf";Typ
29;Anzahl
1;bewacht
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2610 3";Hiebwaffen
"870 1";Handeln
"2610 3";Burgenbau
GEGENSTAENDE
4;Eisen
53;Speer
EINHEIT 3432
"Wachen von Westheim";Name
6961;Partei
"Ork";Typ
63;Anzahl
REGION 1 5
"Wolfsmoor";Name
"Hochland";Terrain
621;Bauern
62;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
2;Pferde
9766;Silber
488;Unterh
15;Rekruten
13;Lohn
PREISE
-68;Balsam
71;GewÃ¼rz
55;Juwel
9;Myrrhe
6;Ã–l
50;Seide
76;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 3467
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2994;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Burgenbau
"120 4";Burgenbau
"210 7";Wahrnehmung
EINHEIT 3483
"Wachen von Kalttal";Name
4482;Partei
"Elf";Typ
2;Anzahl
22;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";HolzfÃ¤llen
"300 5";BogenschieÃŸen
REGION 2 5
"Nordstätt";Name
"Sumpf";Terrain
335;Bauern
282;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
25;Pferde
6818;Silber
340;Unterh
8;Rekruten
13;Lohn
PREISE
-7;Balsam
47;GewÃ¼rz
53;Juwel
13;Myrrhe
12;Ã–l
38;Seide
20;Weihrauch
UMGEBUNG
"Im so liegt Nordstätts Nachbarland."
EINHEIT 3497
"Jörg";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
862;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Segeln
GEGENSTAENDE
2;Eisen
1;Pferd
2;Bogen
EINHEIT 3506
"Schützen von Felsmoor";Name
5666;Partei
"Zwerg";Typ
40;Anzahl
1;bewacht
EINHEIT 3541
"Öda";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
702;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Bergbau
"480 8";Tarnung
"60 1";Segeln
GEGENSTAENDE
2;Pferd
2;Pferd
EINHEIT 3543
"Schützen von Felsmoor";Name
4482;Partei
"Elf";Typ
2;Anzahl
346;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Segeln
"540 9";Hiebwaffen
"300 5";Handeln
GEGENSTAENDE
1;Schild
EINHEIT 3443
"Reiter von Tannhausen";Name
4482;Partei
"Elf";Typ
47;Anzahl
3306;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9870 7";Burgenbau
GEGENSTAENDE
87;Holz
63;Holz
29;Schwert
REGION 3 5
"Kaltfurt";Name
"Gletscher";Terrain
43;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
1;Pferde
532;Silber
26;Unterh
1;Rekruten
13;Lohn
3;Eisen
PREISE
-27;Balsam
26;GewÃ¼rz
32;Juwel
49;Myrrhe
59;Ã–l
64;Seide
55;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kaltfurt!"
UMGEBUNG
"Im so liegt Kaltfurts Nachbarland."
EINHEIT 3574
"Bergleute von Westhausen";Name
4482;Partei
"Elf";Typ
65;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1950 1";Hiebwaffen
GEGENSTAENDE
27;Schild
4;Stein
97;Stein
EINHEIT 2761
"Rüdiger";Name
3742;Partei
"Mensch";Typ
50;Anzahl
0;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"9000 6";Wahrnehmung
"6000 4";Hiebwaffen
"13500 9";Handeln
GEGENSTAENDE
52;Schwert
REGION 4 5
"Westtal";Name
"Berge";Terrain
518;Bauern
29;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
19;Pferde
3330;Silber
166;Unterh
12;Rekruten
15;Lohn
10;Strasse
0;Eisen
PREISE
-16;Balsam
59;GewÃ¼rz
35;Juwel
19;Myrrhe
29;Ã–l
33;Seide
8;Weihrauch
UMGEBUNG
"Im nw liegt Westtals Nachbarland."
EINHEIT 3594
"Hans";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
22;Anzahl
1;bewacht
1117;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5280 8";Reiten
"2640 4";Handeln
GEGENSTAENDE
13;Kettenhemd
REGION 5 5
"Eichenwald";Name
"Hochland";Terrain
1453;Bauern
82;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenwald sind fleißig.";Beschr
24;Pferde
23537;Silber
1176;Unterh
36;Rekruten
11;Lohn
PREISE
-63;Balsam
33;GewÃ¼rz
33;Juwel
39;Myrrhe
15;Ã–l
39;Seide
47;Weihrauch
UMGEBUNG
"Im o liegt Eichenwalds Nachbarland."
EINHEIT 3613
"Reiter von Tannfurt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
1289;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Segeln
"240 8";Burgenbau
"180 6";BogenschieÃŸen
GEGENSTAENDE
1;Schild
2;Eisen
1;Eisen
EINHEIT 3648
"Knut";Name
4482;Partei
"Elf";Typ
44;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6600 5";Wahrnehmung
"7920 6";Wahrnehmung
GEGENSTAENDE
54;Schild
EINHEIT 3676
"Gundolf";Name
6961;Partei
"Ork";Typ
2;Anzahl
EINHEIT 3706
"Späher von Westhausen";Name
4482;Partei
"Elf";Typ
38;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2280 2";Tarnung
GEGENSTAENDE
66;Eisen
78;Speer
57;Schild
EINHEIT 3735
"Öda";Name
4482;Partei
"Elf";Typ
48;Anzahl
677;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"5760 4";Hiebwaffen
"7200 5";Wahrnehmung
"2880 2";BogenschieÃŸen
EINHEIT 3764
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
924;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Reiten
"180 6";Hiebwaffen
GEGENSTAENDE
1;Bogen
2;Speer
1;Bogen
REGION 6 5
"Mühlwald";Name
"Hochland";Terrain
1466;Bauern
80;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
15;Pferde
19123;Silber
956;Unterh
36;Rekruten
12;Lohn
91;Strasse
PREISE
-65;Balsam
64;GewÃ¼rz
68;Juwel
26;Myrrhe
5;Ã–l
34;Seide
71;Weihrauch
UMGEBUNG
"Im nw liegt Mühlwalds Nachbarland."
EINHEIT 3795
"Reiter von Mühlhausen";Name
3742;Partei
"Mensch";Typ
40;Anzahl
2537;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"4800 4";HolzfÃ¤llen
"7200 6";HolzfÃ¤llen
"4800 4";Handeln
GEGENSTAENDE
61;Pferd
40;Holz
EINHEIT 3820
"Öda";Name
3742;Partei
"Mensch";Typ
52;Anzahl
901;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"6240 4";Bergbau
EINHEIT 3840
"Holzfäller von Bärental";Name
3742;Partei
"Mensch";Typ
12;Anzahl
1545;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 58"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Bärental bleibt hier"
TALENTE
"2160 6";Reiten
"3240 9";BogenschieÃŸen
GEGENSTAENDE
4;Holz
22;Schild
12;Pferd
EINHEITSBOTSCHAFTEN
"Holzfäller von Bärental hat Hunger."
EINHEIT 3858
"Hans";Name
3742;Partei
"Mensch";Typ
39;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 76"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"8190 7";Handeln
GEGENSTAENDE
43;Holz
23;Bogen
EINHEITSBOTSCHAFTEN
"Hans hat Hunger."
REGION 7 5
"Grünfurt";Name
"Sumpf";Terrain
445;Bauern
326;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
7;Pferde
6056;Silber
302;Unterh
11;Rekruten
13;Lohn
PREISE
-46;Balsam
35;GewÃ¼rz
19;Juwel
26;Myrrhe
59;Ã–l
28;Seide
29;Weihrauch
UMGEBUNG
"Im w liegt Grünfurts Nachbarland."
EINHEIT 3865
"Bärbel";Name
3742;Partei
"Mensch";Typ
39;Anzahl
2059;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw o"
"; Zur Küste"
TALENTE
"10530 9";HolzfÃ¤llen
GEGENSTAENDE
3;Kettenhemd
84;Schild
45;Eisen
EINHEIT 3878
"Reiter von Grünwald";Name
3742;Partei
"Mensch";Typ
3;Anzahl
1773;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 96"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Grünwald bleibt hier"
TALENTE
"180 2";Reiten
EINHEITSBOTSCHAFTEN
"Reiter von Grünwald hat Hunger."
REGION 8 5
"Kalttal";Name
"Wald";Terrain
1764;Bauern
476;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalttal sind fleißig.";Beschr
55;Pferde
22750;Silber
1137;Unterh
44;Rekruten
13;Lohn
PREISE
-41;Balsam
62;GewÃ¼rz
36;Juwel
34;Myrrhe
65;Ã–l
60;Seide
70;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Kalttals Nachbarland."
EINHEIT 3907
"Bärbel";Name
3742;Partei
"Mensch";Typ
24;Anzahl
2259;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5040 7";Handeln
GEGENSTAENDE
19;Kettenhemd
36;Schild
38;Schwert
EINHEIT 3926
"Ulrike";Name
3742;Partei
"Mensch";Typ
51;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw nw"
"; Zur Küste"
TALENTE
"6120 4";Hiebwaffen
"1530 1";Bergbau
GEGENSTAENDE
14;Kettenhemd
73;Stein
EINHEIT 3939
"Jörg";Name
6961;Partei
"Ork";Typ
34;Anzahl
EINHEIT 3947
"Schützen von Felsau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2351;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"150 5";Reiten
"180 6";Hiebwaffen
GEGENSTAENDE
1;Kettenhemd
1;Speer
1;Bogen
EINHEIT 3967
"Swaantje";Name
3742;Partei
"Mensch";Typ
48;Anzahl
2014;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 88"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Swaantje bleibt hier"
TALENTE
"12960 9";Hiebwaffen
GEGENSTAENDE
40;Schwert
80;Speer
7;Holz
REGION 9 5
"Wolfsmoor";Name
"Gletscher";Terrain
44;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
0;Pferde
688;Silber
34;Unterh
1;Rekruten
12;Lohn
50;Strasse
77;Eisen
PREISE
-33;Balsam
71;GewÃ¼rz
19;Juwel
67;Myrrhe
15;Ã–l
61;Seide
38;Weihrauch
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 3973
"Boten von Felsfurt";Name
3742;Partei
"Mensch";Typ
59;Anzahl
2137;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"12390 7";Segeln
"14160 8";Hiebwaffen
"12390 7";HolzfÃ¤llen
GEGENSTAENDE
34;Kettenhemd
90;Schwert
54;Holz
EINHEIT 3993
"Hans";Name
3742;Partei
"Mensch";Typ
26;Anzahl
984;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"780 1";Reiten
GEGENSTAENDE
9;Eisen
3;Bogen
EINHEIT 4021
"Boten von Westwald";Name
3742;Partei
"Mensch";Typ
15;Anzahl
1337;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"900 2";Wahrnehmung
"2700 6";Handeln
"3600 8";HolzfÃ¤llen
GEGENSTAENDE
9;Holz
23;Holz
8;Holz
EINHEIT 4046
"Schützen von Eichenwald";Name
3742;Partei
"Mensch";Typ
19;Anzahl
2478;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"1710 3";Bergbau
"1710 3";Hiebwaffen
"2850 5";BogenschieÃŸen
GEGENSTAENDE
7;Pferd
6;Bogen
REGION 10 5
"Ozean";Terrain
REGION 11 5
"Ozean";Terrain
REGION 12 5
"Ozean";Terrain
REGION -3 6
"Westberg";Name
"Berge";Terrain
466;Bauern
17;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westberg sind fleißig.";Beschr
4;Pferde
9222;Silber
461;Unterh
11;Rekruten
13;Lohn
42;Eisen
PREISE
-58;Balsam
28;GewÃ¼rz
73;Juwel
19;Myrrhe
74;Ã–l
38;Seide
72;Weihrauch
UMGEBUNG
"Im w liegt Westbergs Nachbarland."
EINHEIT 4055
"Händler von Kaltheim";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
1;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Wahrnehmung
"480 8";Bergbau
"300 5";Handeln
EINHEIT 4059
"Späher von Mühlstätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
48;Anzahl
2910;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10080 7";Wahrnehmung
GEGENSTAENDE
17;Stein
REGION -2 6
"Kalthausen";Name
"Hochland";Terrain
855;Bauern
51;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
5;Pferde
8539;Silber
426;Unterh
21;Rekruten
12;Lohn
PREISE
-16;Balsam
56;GewÃ¼rz
36;Juwel
61;Myrrhe
54;Ã–l
28;Seide
58;Weihrauch
UMGEBUNG
"Im o liegt Kalthausens Nachbarland."
EINHEIT 4088
"Holzfäller von Felswald";Name
4482;Partei
"Elf";Typ
16;Anzahl
1550;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1920 4";Bergbau
"3840 8";Wahrnehmung
"2880 6";Hiebwaffen
GEGENSTAENDE
4;Holz
8;Stein
1;Pferd
EINHEIT 4095
"Ulrike";Name
4482;Partei
"Elf";Typ
18;Anzahl
980;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4860 9";Handeln
"4860 9";Reiten
GEGENSTAENDE
6;Holz
EINHEIT 4122
"Wachen von Bärenhausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
2845;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Reiten
"240 8";Bergbau
GEGENSTAENDE
1;Schild
2;Bogen
1;Bogen
REGION -1 6
"Wolfsmoor";Name
"Berge";Terrain
235;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
0;Pferde
2845;Silber
142;Unterh
5;Rekruten
15;Lohn
24;Eisen
PREISE
-61;Balsam
36;GewÃ¼rz
74;Juwel
55;Myrrhe
56;Ã–l
59;Seide
7;Weihrauch
DURCHREISE
"Boten (2632)"
UMGEBUNG
"Im sw liegt Wolfsmoors Nachbarland."
EINHEIT 4134
"Grete";Name
4482;Partei
"Elf";Typ
4;Anzahl
1;bewacht
1059;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"960 8";Handeln
GEGENSTAENDE
6;Kettenhemd
1;Holz
EINHEIT 4238
"Boten von Mühlmoor";Name
4482;Partei
"Elf";Typ
12;Anzahl
151;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1080 3";Hiebwaffen
GEGENSTAENDE
4;Bogen
15;Schwert
24;Holz
REGION 0 6
"Eichenmoor";Name
"Sumpf";Terrain
594;Bauern
307;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenmoor sind fleißig.";Beschr
17;Pferde
2755;Silber
137;Unterh
14;Rekruten
13;Lohn
PREISE
-21;Balsam
14;GewÃ¼rz
79;Juwel
32;Myrrhe
22;Ã–l
77;Seide
8;Weihrauch
UMGEBUNG
"Im w liegt Eichenmoors Nachbarland."
EINHEIT 4260
"Gundolf";Name
4482;Partei
"Elf";Typ
11;Anzahl
703;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1980 6";Tarnung
"1320 4";Wahrnehmung
"2640 8";Wahrnehmung
GEGENSTAENDE
21;Kettenhemd
EINHEIT 4167
"Ulrike";Name
4482;Partei
"Elf";Typ
1;Anzahl
87;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Hiebwaffen
"90 3";Hiebwaffen
REGION 1 6
"Bärental";Name
"Sumpf";Terrain
466;Bauern
384;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
22;Pferde
3312;Silber
165;Unterh
11;Rekruten
15;Lohn
PREISE
-52;Balsam
19;GewÃ¼rz
19;Juwel
24;Myrrhe
9;Ã–l
43;Seide
22;Weihrauch
UMGEBUNG
"Im o liegt Bärentals Nachbarland."
EINHEIT 4321
"Reiter von Felswald";Name
4482;Partei
"Elf";Typ
32;Anzahl
1;bewacht
1686;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1920 2";Segeln
"8640 9";Wahrnehmung
GEGENSTAENDE
22;Schild
EINHEIT 4361
"Ulrike";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
811;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 1";Hiebwaffen
"180 3";BogenschieÃŸen
GEGENSTAENDE
1;Holz
2;Eisen
2;Schwert
EINHEIT 4391
"Späher von Grüntal";Name
4482;Partei
"Elf";Typ
7;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1260 6";Hiebwaffen
"840 4";Tarnung
GEGENSTAENDE
12;Kettenhemd
9;Pferd
13;Bogen
EINHEIT 4405
"Schützen von Felsau";Name
4482;Partei
"Elf";Typ
18;Anzahl
364;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"540 1";Burgenbau
EINHEIT 4432
"Hans";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
37;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"7770 7";Segeln
GEGENSTAENDE
37;Speer
24;Speer
31;Holz
REGION 2 6
"Wolfsfurt";Name
"Hochland";Terrain
1235;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsfurt sind fleißig.";Beschr
17;Pferde
7986;Silber
399;Unterh
30;Rekruten
11;Lohn
PREISE
-51;Balsam
11;GewÃ¼rz
86;Juwel
60;Myrrhe
30;Ã–l
53;Seide
74;Weihrauch
UMGEBUNG
"Im nw liegt Wolfsfurts Nachbarland."
EINHEIT 4445
"Bärbel";Name
4482;Partei
"Elf";Typ
2;Anzahl
1847;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Hiebwaffen
"240 4";Segeln
"360 6";Burgenbau
GEGENSTAENDE
2;Pferd
2;Stein
2;Schild
EINHEIT 4465
"Grete";Name
4482;Partei
"Elf";Typ
12;Anzahl
2676;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1080 3";Bergbau
"360 1";HolzfÃ¤llen
GEGENSTAENDE
14;Schild
22;Pferd
EINHEIT 4482
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
978;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Bergbau
"120 4";Bergbau
GEGENSTAENDE
1;Eisen
1;Eisen
REGION 3 6
"Mühlau";Name
"Sumpf";Terrain
916;Bauern
443;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlau sind fleißig.";Beschr
22;Pferde
4804;Silber
240;Unterh
22;Rekruten
12;Lohn
PREISE
-52;Balsam
17;GewÃ¼rz
84;Juwel
21;Myrrhe
29;Ã–l
73;Seide
77;Weihrauch
UMGEBUNG
"Im sw liegt Mühlaus Nachbarland."
EINHEIT 4491
"Boten von Felsfurt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1770;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 30"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Felsfurt bleibt hier"
TALENTE
"60 1";Handeln
"120 2";Bergbau
"120 2";Burgenbau
EINHEIT 4530
"Wachen von Südstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2207;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Tarnung
"150 5";Segeln
"150 5";Segeln
GEGENSTAENDE
2;Stein
1;Speer
REGION 4 6
"Kaltfurt";Name
"Ebene";Terrain
2654;Bauern
139;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
21;Pferde
50470;Silber
2523;Unterh
66;Rekruten
12;Lohn
PREISE
-23;Balsam
79;GewÃ¼rz
22;Juwel
67;Myrrhe
11;Ã–l
51;Seide
66;Weihrauch
UMGEBUNG
"Im w liegt Kaltfurts Nachbarland."
EINHEIT 4539
"Holzfäller von Tannstätt";Name
4482;Partei
"Elf";Typ
37;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4440 4";BogenschieÃŸen
"4440 4";BogenschieÃŸen
"7770 7";Wahrnehmung
GEGENSTAENDE
7;Kettenhemd
44;Kettenhemd
EINHEIT 4563
"Späher von Nordau";Name
4482;Partei
"Elf";Typ
19;Anzahl
70;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5130 9";Segeln
"3990 7";Hiebwaffen
GEGENSTAENDE
30;Holz
EINHEIT 4583
"Swaantje";Name
5666;Partei
"Zwerg";Typ
20;Anzahl
EINHEIT 4613
"Hans";Name
4482;Partei
"Elf";Typ
54;Anzahl
1813;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4860 3";Burgenbau
"11340 7";HolzfÃ¤llen
GEGENSTAENDE
35;Stein
REGION 5 6
"Wolfsheim";Name
"Sumpf";Terrain
613;Bauern
242;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsheim sind fleißig.";Beschr
25;Pferde
3864;Silber
193;Unterh
15;Rekruten
12;Lohn
62;Strasse
PREISE
-68;Balsam
16;GewÃ¼rz
54;Juwel
33;Myrrhe
34;Ã–l
75;Seide
26;Weihrauch
UMGEBUNG
"Im nw liegt Wolfsheims Nachbarland."
EINHEIT 4659
"Händler von Ostau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1844;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"270 9";Bergbau
GEGENSTAENDE
2;Eisen
1;Schild
EINHEITSBOTSCHAFTEN
"Händler von Ostau hat Hunger."
EINHEIT 4633
"Späher von Eichenstätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
1876;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Reiten
"210 7";BogenschieÃŸen
"60 2";Tarnung
REGION 6 6
"Mühlbrück";Name
"Ebene";Terrain
3636;Bauern
105;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
106;Pferde
56380;Silber
2819;Unterh
90;Rekruten
13;Lohn
PREISE
-44;Balsam
71;GewÃ¼rz
41;Juwel
33;Myrrhe
48;Ã–l
22;Seide
46;Weihrauch
UMGEBUNG
"Im o liegt Mühlbrücks Nachbarland."
EINHEIT 4690
"Rüdiger";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
2631;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";Tarnung
"360 6";Reiten
GEGENSTAENDE
1;Schwert
EINHEIT 4723
"Späher von Südheim";Name
4482;Partei
"Elf";Typ
17;Anzahl
1390;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3060 6";Handeln
GEGENSTAENDE
32;Speer
EINHEIT 4739
"Grete";Name
4482;Partei
"Elf";Typ
35;Anzahl
1;bewacht
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2100 2";Reiten
"7350 7";Handeln
GEGENSTAENDE
27;Kettenhemd
REGION 7 6
"Mühlwald";Name
"Wald";Terrain
197;Runde
1906;Bauern
543;Baeume
REGION 8 6
"Westhausen";Name
"Ebene";Terrain
3058;Bauern
85;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westhausen sind fleißig.";Beschr
122;Pferde
40561;Silber
2028;Unterh
76;Rekruten
13;Lohn
PREISE
-13;Balsam
46;GewÃ¼rz
41;Juwel
62;Myrrhe
61;Ã–l
8;Seide
46;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Westhausens Nachbarland."
EINHEIT 5545
"Gundolf";Name
4482;Partei
"Elf";Typ
28;Anzahl
1;bewacht
1841;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5880 7";Handeln
"7560 9";Burgenbau
"6720 8";Tarnung
GEGENSTAENDE
48;Speer
26;Schwert
37;Bogen
REGION 9 6
"Kaltstätt";Name
"Gletscher";Terrain
31;Bauern
1;Baeume
UMGEBUNG
"Im nw liegt Kaltstätts Nachbarland."
REGION 10 6
"Ozean";Terrain
SCHIFF 4770
"Kaltbrücks Stolz";Name
"Boot";Typ
REGION 11 6
"Ozean";Terrain
REGION -3 7
"Felsau";Name
"Ebene";Terrain
3145;Bauern
73;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsau sind fleißig.";Beschr
121;Pferde
38817;Silber
1940;Unterh
78;Rekruten
14;Lohn
PREISE
-56;Balsam
43;GewÃ¼rz
11;Juwel
67;Myrrhe
73;Ã–l
13;Seide
58;Weihrauch
UMGEBUNG
"Im nw liegt Felsaus Nachbarland."
EINHEIT 4795
"Händler von Kaltau";Name
4482;Partei
"Elf";Typ
28;Anzahl
2575;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6720 8";Handeln
"4200 5";Burgenbau
GEGENSTAENDE
47;Holz
EINHEIT 4829
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Tarnung
"180 3";Segeln
GEGENSTAENDE
1;Holz
2;Kettenhemd
1;Kettenhemd
REGION -2 7
"Eichenheim";Name
"Ebene";Terrain
1446;Bauern
75;Baeume
UMGEBUNG
"Im nw liegt Eichenheims Nachbarland."
REGION -1 7
"Felshausen";Name
"Wüste";Terrain
311;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felshausen sind fleißig.";Beschr
14;Pferde
3455;Silber
172;Unterh
7;Rekruten
13;Lohn
PREISE
-14;Balsam
74;GewÃ¼rz
22;Juwel
42;Myrrhe
15;Ã–l
28;Seide
39;Weihrauch
UMGEBUNG
"Im nw liegt Felshausens Nachbarland."
EINHEIT 4858
"Späher von Grünbrück";Name
4482;Partei
"Elf";Typ
53;Anzahl
208;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9540 6";BogenschieÃŸen
GEGENSTAENDE
31;Eisen
28;Schwert
59;Schild
EINHEIT 4922
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
2962;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Tarnung
GEGENSTAENDE
2;Bogen
1;Eisen
2;Bogen
EINHEIT 4935
"Reiter von Mühlstätt";Name
4482;Partei
"Elf";Typ
52;Anzahl
1;bewacht
3275;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"12480 8";Reiten
"4680 3";Segeln
GEGENSTAENDE
43;Stein
EINHEIT 4941
"Boten von Grünstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
6;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Bergbau
"90 3";Hiebwaffen
GEGENSTAENDE
2;Eisen
EINHEIT 4946
"Knut";Name
4482;Partei
"Elf";Typ
35;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9450 9";Segeln
REGION 0 7
"Westwald";Name
"Berge";Terrain
471;Bauern
10;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westwald sind fleißig.";Beschr
17;Pferde
8058;Silber
402;Unterh
11;Rekruten
15;Lohn
17;Eisen
8;Laen
PREISE
-9;Balsam
47;GewÃ¼rz
66;Juwel
20;Myrrhe
56;Ã–l
7;Seide
68;Weihrauch
UMGEBUNG
"Im so liegt Westwalds Nachbarland."
EINHEIT 4952
"Wachen von Südtal";Name
4482;Partei
"Elf";Typ
46;Anzahl
1582;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"11040 8";Wahrnehmung
EINHEIT 4959
"Wachen von Eichenhausen";Name
4482;Partei
"Elf";Typ
23;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4830 7";Segeln
"2760 4";Wahrnehmung
"4830 7";Tarnung
EINHEIT 4968
"Grete";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
313;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Hiebwaffen
"270 9";Wahrnehmung
"150 5";Tarnung
EINHEIT 4981
"Swaantje";Name
4482;Partei
"Elf";Typ
49;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8820 6";Wahrnehmung
"5880 4";Bergbau
GEGENSTAENDE
21;Schild
EINHEIT 5008
"Gundolf";Name
4482;Partei
"Elf";Typ
51;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7650 5";Tarnung
GEGENSTAENDE
55;Bogen
16;Stein
47;Schild
EINHEIT 4285
"Händler von Tannbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Tarnung
"180 6";Burgenbau
"120 4";Wahrnehmung
GEGENSTAENDE
2;Schild
1;Schwert
EINHEIT 5725
"Grete";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
941;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Bergbau
"180 3";HolzfÃ¤llen
GEGENSTAENDE
2;Pferd
REGION 1 7
"Kaltstätt";Name
"Wüste";Terrain
386;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
8;Pferde
5350;Silber
267;Unterh
9;Rekruten
12;Lohn
66;Strasse
PREISE
-21;Balsam
61;GewÃ¼rz
61;Juwel
29;Myrrhe
67;Ã–l
43;Seide
22;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Kaltstätts Nachbarland."
EINHEIT 5014
"Schützen von Tannau";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
2503;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Bergbau
"30 1";BogenschieÃŸen
GEGENSTAENDE
2;Pferd
2;Holz
1;Kettenhemd
EINHEIT 5036
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2161;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Burgenbau
"270 9";Segeln
GEGENSTAENDE
1;Holz
EINHEIT 5067
"Wachen von Kalthausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Handeln
"120 4";BogenschieÃŸen
"240 8";Handeln
GEGENSTAENDE
2;Pferd
1;Kettenhemd
EINHEIT 5779
"Gundolf";Name
4482;Partei
"Elf";Typ
39;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8190 7";Segeln
"10530 9";Reiten
REGION 2 7
"Bärenbrück";Name
"Sumpf";Terrain
900;Bauern
269;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
1;Pferde
13078;Silber
653;Unterh
22;Rekruten
14;Lohn
PREISE
-17;Balsam
55;GewÃ¼rz
60;Juwel
56;Myrrhe
67;Ã–l
19;Seide
10;Weihrauch
DURCHREISE
"Boten (1994)"
UMGEBUNG
"Im nw liegt Bärenbrücks Nachbarland."
EINHEIT 5093
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
2714;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Reiten
GEGENSTAENDE
1;Pferd
1;Speer
2;Stein
EINHEIT 5113
"Schützen von Eichenbrück";Name
4482;Partei
"Elf";Typ
64;Anzahl
1;bewacht
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"11520 6";Tarnung
"1920 1";BogenschieÃŸen
"7680 4";Tarnung
GEGENSTAENDE
7;Stein
29;Kettenhemd
93;Schild
REGION 3 7
"Grünstätt";Name
"Wüste";Terrain
315;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
3259;Silber
162;Unterh
7;Rekruten
11;Lohn
PREISE
-13;Balsam
30;GewÃ¼rz
20;Juwel
42;Myrrhe
73;Ã–l
29;Seide
63;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Grünstätt!"
DURCHREISE
"Boten (2585)"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Grünstätts Nachbarland."
EINHEIT 5131
"Rüdiger";Name
4482;Partei
"Elf";Typ
17;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2550 5";Bergbau
"2040 4";Segeln
"1020 2";Burgenbau
EINHEIT 5151
"Wachen von Tannmoor";Name
4482;Partei
"Elf";Typ
59;Anzahl
1;bewacht
2759;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"12390 7";Handeln
"1770 1";Segeln
"1770 1";HolzfÃ¤llen
GEGENSTAENDE
96;Speer
46;Holz
1;Kettenhemd
EINHEIT 5179
"Swaantje";Name
4482;Partei
"Elf";Typ
49;Anzahl
2175;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2940 2";HolzfÃ¤llen
"10290 7";BogenschieÃŸen
GEGENSTAENDE
47;Speer
74;Schild
EINHEIT 5193
"Bergleute von Kaltbrück";Name
4482;Partei
"Elf";Typ
52;Anzahl
1645;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1560 1";BogenschieÃŸen
"1560 1";Burgenbau
GEGENSTAENDE
42;Schild
57;Schwert
44;Speer
EINHEIT 5214
"Knut";Name
4482;Partei
"Elf";Typ
45;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4050 3";Segeln
"6750 5";Handeln
GEGENSTAENDE
69;Schwert
REGION 4 7
"Nordmoor";Name
"Sumpf";Terrain
841;Bauern
343;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
3;Pferde
10153;Silber
507;Unterh
21;Rekruten
14;Lohn
74;Strasse
PREISE
-70;Balsam
7;GewÃ¼rz
39;Juwel
79;Myrrhe
42;Ã–l
55;Seide
39;Weihrauch
UMGEBUNG
"Im o liegt Nordmoors Nachbarland."
EINHEIT 5234
"Schützen von Bärenmoor";Name
4482;Partei
"Elf";Typ
27;Anzahl
1456;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"810 1";BogenschieÃŸen
EINHEIT 5957
"Boten von Eichenheim";Name
5666;Partei
"Zwerg";Typ
21;Anzahl
REGION 5 7
"Ostbrück";Name
"Ebene";Terrain
3042;Bauern
132;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
110;Pferde
55113;Silber
2755;Unterh
76;Rekruten
12;Lohn
PREISE
-78;Balsam
13;GewÃ¼rz
28;Juwel
19;Myrrhe
32;Ã–l
62;Seide
32;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Ostbrücks Nachbarland."
EINHEIT 5239
"Späher von Wolfsbrück";Name
4482;Partei
"Elf";Typ
48;Anzahl
1477;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10080 7";Handeln
"4320 3";Bergbau
"2880 2";HolzfÃ¤llen
GEGENSTAENDE
87;Bogen
EINHEIT 5240
"Hans";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
EINHEIT 5273
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
EINHEIT 5279
"Bergleute von Oststätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
2353;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 1";Burgenbau
"540 9";Burgenbau
"420 7";Reiten
GEGENSTAENDE
1;Bogen
EINHEIT 5305
"Reiter von Mühlstätt";Name
4482;Partei
"Elf";Typ
61;Anzahl
1133;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9150 5";Hiebwaffen
GEGENSTAENDE
43;Kettenhemd
44;Eisen
94;Schild
EINHEIT 5325
"Boten von Tannstätt";Name
4482;Partei
"Elf";Typ
14;Anzahl
1;bewacht
1688;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1260 3";BogenschieÃŸen
"3780 9";Reiten
"2520 6";Hiebwaffen
GEGENSTAENDE
9;Stein
10;Holz
4;Bogen
EINHEIT 4641
"Reiter von Eichenmoor";Name
4482;Partei
"Elf";Typ
1;Anzahl
1274;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Segeln
"270 9";Burgenbau
"240 8";Tarnung
GEGENSTAENDE
1;Kettenhemd
2;Stein
REGION 6 7
"Grünstätt";Name
"Berge";Terrain
417;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2753;Silber
137;Unterh
10;Rekruten
15;Lohn
24;Eisen
PREISE
-34;Balsam
79;GewÃ¼rz
18;Juwel
32;Myrrhe
58;Ã–l
26;Seide
46;Weihrauch
DURCHREISE
"Boten (1784)"
UMGEBUNG
"Im w liegt Grünstätts Nachbarland."
EINHEIT 5335
"Ulrike";Name
4482;Partei
"Elf";Typ
11;Anzahl
1823;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"990 3";HolzfÃ¤llen
"1650 5";Burgenbau
"1320 4";Wahrnehmung
GEGENSTAENDE
19;Pferd
EINHEIT 5360
"Händler von Kalttal";Name
4482;Partei
"Elf";Typ
20;Anzahl
1059;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1200 2";Segeln
EINHEIT 5363
"Boten von Grünwald";Name
4482;Partei
"Elf";Typ
3;Anzahl
2816;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"450 5";Burgenbau
"630 7";HolzfÃ¤llen
"450 5";HolzfÃ¤llen
GEGENSTAENDE
3;Schild
EINHEIT 5403
"Swaantje";Name
4482;Partei
"Elf";Typ
15;Anzahl
1445;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3150 7";Bergbau
GEGENSTAENDE
9;Kettenhemd
9;Schwert
16;Kettenhemd
EINHEIT 5430
"Jörg";Name
4482;Partei
"Elf";Typ
24;Anzahl
1262;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2880 4";Bergbau
"3600 5";Wahrnehmung
GEGENSTAENDE
35;Kettenhemd
44;Holz
13;Kettenhemd
REGION 7 7
"Nordheim";Name
"Wüste";Terrain
241;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
12;Pferde
1745;Silber
87;Unterh
6;Rekruten
14;Lohn
PREISE
-37;Balsam
34;GewÃ¼rz
40;Juwel
47;Myrrhe
58;Ã–l
38;Seide
28;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Nordheims Nachbarland."
EINHEIT 5467
"Hans";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
23;Anzahl
2657;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"6210 9";Wahrnehmung
"6210 9";Segeln
"3450 5";BogenschieÃŸen
EINHEIT 5493
"Späher von Ostfurt";Name
4482;Partei
"Elf";Typ
55;Anzahl
544;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1650 1";Hiebwaffen
GEGENSTAENDE
47;Pferd
14;Bogen
REGION 8 7
"Bärenberg";Name
"Sumpf";Terrain
888;Bauern
255;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
22;Pferde
15398;Silber
769;Unterh
22;Rekruten
13;Lohn
PREISE
-39;Balsam
62;GewÃ¼rz
38;Juwel
37;Myrrhe
68;Ã–l
22;Seide
43;Weihrauch
UMGEBUNG
"Im no liegt Bärenbergs Nachbarland."
EINHEIT 5568
"Schützen von Wolfsmoor";Name
4482;Partei
"Elf";Typ
31;Anzahl
2074;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1860 2";Reiten
"2790 3";Reiten
GEGENSTAENDE
64;Holz
27;Stein
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
2203;Bauern
1044;Baeume
UMGEBUNG
"Im so liegt Grünaus Nachbarland."
REGION -3 8
"Südau";Name
"Hochland";Terrain
1846;Bauern
66;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
59;Pferde
13350;Silber
667;Unterh
46;Rekruten
15;Lohn
PREISE
-19;Balsam
15;GewÃ¼rz
67;Juwel
25;Myrrhe
43;Ã–l
28;Seide
14;Weihrauch
UMGEBUNG
"Im nw liegt Südaus Nachbarland."
EINHEIT 5589
"Swaantje";Name
4482;Partei
"Elf";Typ
58;Anzahl
551;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"13920 8";Handeln
"1740 1";Tarnung
"3480 2";Reiten
GEGENSTAENDE
38;Bogen
67;Kettenhemd
EINHEIT 5600
"Knut";Name
4482;Partei
"Elf";Typ
7;Anzahl
2459;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"210 1";Wahrnehmung
"1260 6";Reiten
EINHEIT 5616
"Ulrike";Name
6961;Partei
"Ork";Typ
2;Anzahl
EINHEIT 5654
"Schützen von Bärenwald";Name
4482;Partei
"Elf";Typ
19;Anzahl
2471;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3990 7";Burgenbau
GEGENSTAENDE
19;Bogen
13;Eisen
EINHEIT 5665
"Bergleute von Mühlberg";Name
4482;Partei
"Elf";Typ
15;Anzahl
871;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1350 3";BogenschieÃŸen
GEGENSTAENDE
2;Bogen
EINHEIT 5682
"Knut";Name
4482;Partei
"Elf";Typ
40;Anzahl
1560;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1200 1";Tarnung
GEGENSTAENDE
72;Speer
REGION -2 8
"Felsmoor";Name
"Wald";Terrain
2391;Bauern
1104;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
30;Pferde
29127;Silber
1456;Unterh
59;Rekruten
14;Lohn
52;Strasse
PREISE
-34;Balsam
52;GewÃ¼rz
60;Juwel
28;Myrrhe
35;Ã–l
23;Seide
5;Weihrauch
UMGEBUNG
"Im nw liegt Felsmoors Nachbarland."
EINHEIT 5698
"Rüdiger";Name
4482;Partei
"Elf";Typ
60;Anzahl
1746;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9000 5";HolzfÃ¤llen
"1800 1";HolzfÃ¤llen
EINHEIT 5707
"Schützen von Kaltstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1973;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";BogenschieÃŸen
"150 5";Hiebwaffen
GEGENSTAENDE
1;Schwert
1;Kettenhemd
EINHEIT 5711
"Grete";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2476;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Wahrnehmung
"180 6";Segeln
EINHEIT 5720
"Ulrike";Name
4482;Partei
"Elf";Typ
36;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8640 8";Tarnung
"6480 6";Handeln
GEGENSTAENDE
6;Stein
17;Pferd
24;Speer
REGION -1 8
"Westmoor";Name
"Wüste";Terrain
328;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westmoor sind fleißig.";Beschr
13;Pferde
3689;Silber
184;Unterh
8;Rekruten
13;Lohn
PREISE
-40;Balsam
81;GewÃ¼rz
20;Juwel
14;Myrrhe
15;Ã–l
78;Seide
72;Weihrauch
DURCHREISE
"Boten (6038)"
UMGEBUNG
"Im o liegt Westmoors Nachbarland."
EINHEIT 5751
"Jörg";Name
4482;Partei
"Elf";Typ
2;Anzahl
2463;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Wahrnehmung
"300 5";Wahrnehmung
REGION 0 8
"Wolfsheim";Name
"Ebene";Terrain
3470;Bauern
115;Baeume
UMGEBUNG
"Im no liegt Wolfsheims Nachbarland."
REGION 1 8
"Nordstätt";Name
"Wüste";Terrain
362;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
0;Pferde
7363;Silber
368;Unterh
9;Rekruten
15;Lohn
PREISE
-9;Balsam
22;GewÃ¼rz
13;Juwel
27;Myrrhe
28;Ã–l
24;Seide
72;Weihrauch
UMGEBUNG
"Im sw liegt Nordstätts Nachbarland."
EINHEIT 5817
"Händler von Grünbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
1348;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Tarnung
REGION 2 8
"Westfurt";Name
"Ebene";Terrain
2387;Bauern
282;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
130;Pferde
49862;Silber
2493;Unterh
59;Rekruten
15;Lohn
PREISE
-38;Balsam
56;GewÃ¼rz
64;Juwel
69;Myrrhe
38;Ã–l
51;Seide
8;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Westfurts Nachbarland."
EINHEIT 5827
"Händler von Nordfurt";Name
4482;Partei
"Elf";Typ
16;Anzahl
1326;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"960 2";BogenschieÃŸen
GEGENSTAENDE
26;Schild
3;Eisen
7;Bogen
EINHEIT 5178
"Rüdiger";Name
4482;Partei
"Elf";Typ
39;Anzahl
1;bewacht
1995;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2340 2";Hiebwaffen
"1170 1";Wahrnehmung
"10530 9";Hiebwaffen
GEGENSTAENDE
62;Speer
REGION 3 8
"Südhausen";Name
"Ebene";Terrain
2436;Bauern
107;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
92;Pferde
39357;Silber
1967;Unterh
60;Rekruten
12;Lohn
PREISE
-4;Balsam
45;GewÃ¼rz
30;Juwel
6;Myrrhe
74;Ã–l
47;Seide
15;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Südhausens Nachbarland."
EINHEIT 5868
"Knut";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2278;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Reiten
"120 4";Wahrnehmung
GEGENSTAENDE
2;Schild
1;Bogen
EINHEIT 5903
"Bergleute von Grünau";Name
1;Parteitarnung
"Zwerg";Typ
36;Anzahl
1;bewacht
EINHEIT 5916
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
REGION 4 8
"Ostfurt";Name
"Ebene";Terrain
3992;Bauern
170;Baeume
UMGEBUNG
"Im o liegt Ostfurts Nachbarland."
EINHEIT 5947
"Boten von Westtal";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 5 8
"Bärenau";Name
"Hochland";Terrain
628;Bauern
117;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
30;Pferde
6315;Silber
315;Unterh
15;Rekruten
11;Lohn
79;Strasse
PREISE
-52;Balsam
33;GewÃ¼rz
62;Juwel
32;Myrrhe
19;Ã–l
23;Seide
51;Weihrauch
UMGEBUNG
"Im nw liegt Bärenaus Nachbarland."
EINHEIT 5992
"Schützen von Eichenhausen";Name
4482;Partei
"Elf";Typ
45;Anzahl
2719;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4050 3";HolzfÃ¤llen
GEGENSTAENDE
16;Holz
17;Bogen
42;Holz
EINHEIT 6016
"Rüdiger";Name
4482;Partei
"Elf";Typ
2;Anzahl
2124;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"480 8";Segeln
"360 6";HolzfÃ¤llen
GEGENSTAENDE
1;Stein
REGION 6 8
"Nordberg";Name
"Ebene";Terrain
2146;Bauern
133;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
52;Pferde
38605;Silber
1930;Unterh
53;Rekruten
12;Lohn
PREISE
-68;Balsam
20;GewÃ¼rz
30;Juwel
46;Myrrhe
40;Ã–l
80;Seide
50;Weihrauch
UMGEBUNG
"Im o liegt Nordbergs Nachbarland."
EINHEIT 6039
"Händler von Bärenau";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
2420;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Burgenbau
"540 9";Burgenbau
EINHEIT 5486
"Jörg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
15;Anzahl
1;bewacht
1862;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2250 5";BogenschieÃŸen
"2250 5";HolzfÃ¤llen
GEGENSTAENDE
15;Pferd
20;Speer
22;Pferd
REGION 7 8
"Mühlwald";Name
"Wald";Terrain
1937;Bauern
465;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
30;Pferde
19892;Silber
994;Unterh
48;Rekruten
12;Lohn
PREISE
-32;Balsam
47;GewÃ¼rz
57;Juwel
60;Myrrhe
80;Ã–l
29;Seide
83;Weihrauch
UMGEBUNG
"Im sw liegt Mühlwalds Nachbarland."
EINHEIT 6078
"Swaantje";Name
4482;Partei
"Elf";Typ
20;Anzahl
200;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4200 7";Hiebwaffen
GEGENSTAENDE
35;Pferd
5;Speer
5;Bogen
EINHEIT 5520
"Öda";Name
4482;Partei
"Elf";Typ
17;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1530 3";HolzfÃ¤llen
"510 1";Wahrnehmung
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
191;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfswald sind fleißig.";Beschr
2;Pferde
2584;Silber
129;Unterh
4;Rekruten
12;Lohn
83;Strasse
PREISE
-31;Balsam
36;GewÃ¼rz
70;Juwel
39;Myrrhe
69;Ã–l
47;Seide
74;Weihrauch
UMGEBUNG
"Im w liegt Wolfswalds Nachbarland."
EINHEIT 6105
"Späher von Südmoor";Name
4482;Partei
"Elf";Typ
9;Anzahl
2414;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"270 1";BogenschieÃŸen
"270 1";Tarnung
"1080 4";Hiebwaffen
EINHEIT 6152
"Jörg";Name
4482;Partei
"Elf";Typ
21;Anzahl
1172;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4410 7";Hiebwaffen
GEGENSTAENDE
7;Holz
29;Holz
REGION -3 9
"Mühltal";Name
"Gletscher";Terrain
74;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühltal sind fleißig.";Beschr
2;Pferde
1344;Silber
67;Unterh
1;Rekruten
14;Lohn
11;Eisen
PREISE
-57;Balsam
15;GewÃ¼rz
46;Juwel
68;Myrrhe
61;Ã–l
45;Seide
65;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Mühltals Nachbarland."
EINHEIT 6170
"Späher von Südfurt";Name
4482;Partei
"Elf";Typ
40;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4800 4";Hiebwaffen
"8400 7";Wahrnehmung
GEGENSTAENDE
35;Kettenhemd
25;Bogen
72;Bogen
EINHEIT 6193
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
2463;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Tarnung
"150 5";Reiten
"240 8";Tarnung
GEGENSTAENDE
2;Pferd
EINHEIT 6216
"Boten von Bärenmoor";Name
4482;Partei
"Elf";Typ
12;Anzahl
390;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"360 1";Handeln
"2520 7";Handeln
GEGENSTAENDE
23;Pferd
1;Kettenhemd
EINHEIT 6276
"Holzfäller von Südau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION -2 9
"Bärenfurt";Name
"Wald";Terrain
2308;Bauern
459;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
45;Pferde
46200;Silber
2310;Unterh
57;Rekruten
15;Lohn
PREISE
-4;Balsam
61;GewÃ¼rz
26;Juwel
44;Myrrhe
58;Ã–l
19;Seide
28;Weihrauch
UMGEBUNG
"Im w liegt Bärenfurts Nachbarland."
EINHEIT 6296
"Bärbel";Name
3742;Partei
"Mensch";Typ
34;Anzahl
1690;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH o o"
"; Zur Küste"
TALENTE
"6120 6";Wahrnehmung
"5100 5";Bergbau
"7140 7";Wahrnehmung
GEGENSTAENDE
47;Schild
4;Schild
20;Kettenhemd
EINHEIT 6243
"Hans";Name
4482;Partei
"Elf";Typ
26;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4680 6";Burgenbau
"4680 6";Bergbau
"4680 6";Hiebwaffen
GEGENSTAENDE
34;Pferd
44;Stein
REGION -1 9
"Nordhausen";Name
"Wald";Terrain
1155;Bauern
1245;Baeume
UMGEBUNG
"Im nw liegt Nordhausens Nachbarland."
REGION 0 9
"Südhausen";Name
"Ebene";Terrain
2021;Bauern
63;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
125;Pferde
36092;Silber
1804;Unterh
50;Rekruten
12;Lohn
PREISE
-44;Balsam
73;GewÃ¼rz
76;Juwel
72;Myrrhe
56;Ã–l
30;Seide
26;Weihrauch
UMGEBUNG
"Im no liegt Südhausens Nachbarland."
EINHEIT 6309
"Knut";Name
4482;Partei
"Elf";Typ
55;Anzahl
2170;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"14850 9";Hiebwaffen
"8250 5";Reiten
REGION 1 9
"Ostberg";Name
"Gletscher";Terrain
59;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostberg sind fleißig.";Beschr
1;Pferde
578;Silber
28;Unterh
1;Rekruten
13;Lohn
7;Eisen
20;Laen
PREISE
-40;Balsam
27;GewÃ¼rz
33;Juwel
14;Myrrhe
86;Ã–l
54;Seide
40;Weihrauch
UMGEBUNG
"Im nw liegt Ostbergs Nachbarland."
EINHEIT 6342
"Späher von Südstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2306;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";HolzfÃ¤llen
GEGENSTAENDE
1;Holz
2;Eisen
2;Kettenhemd
EINHEIT 6311
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
100;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Wahrnehmung
"240 8";HolzfÃ¤llen
GEGENSTAENDE
1;Kettenhemd
2;Eisen
EINHEIT 7177
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Hiebwaffen
"150 5";Hiebwaffen
"90 3";Hiebwaffen
EINHEIT 7232
"Händler von Kaltfurt";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
REGION 2 9
"Südbrück";Name
"Hochland";Terrain
1151;Bauern
48;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südbrück sind fleißig.";Beschr
18;Pferde
16132;Silber
806;Unterh
28;Rekruten
14;Lohn
PREISE
-14;Balsam
33;GewÃ¼rz
47;Juwel
50;Myrrhe
5;Ã–l
6;Seide
67;Weihrauch
UMGEBUNG
"Im o liegt Südbrücks Nachbarland."
EINHEIT 7299
"Knut";Name
4482;Partei
"Elf";Typ
28;Anzahl
3207;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"7560 9";Burgenbau
GEGENSTAENDE
48;Eisen
51;Speer
REGION 3 9
"Osttal";Name
"Hochland";Terrain
1278;Bauern
118;Baeume
UMGEBUNG
"Im nw liegt Osttals Nachbarland."
SCHIFF 6365
"Kahn von Osttal";Name
"Trireme";Typ
4;Kueste
6352;Kapitaen
EINHEIT 6351
"Reiter von Mühlmoor";Name
5666;Partei
"Zwerg";Typ
26;Anzahl
EINHEIT 6352
"Ulrike";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
7;Anzahl
6365;Schiff
REGION 4 9
"Bärenfurt";Name
"Hochland";Terrain
710;Bauern
108;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
25;Pferde
9401;Silber
470;Unterh
17;Rekruten
11;Lohn
17;Strasse
PREISE
-33;Balsam
27;GewÃ¼rz
83;Juwel
39;Myrrhe
40;Ã–l
22;Seide
13;Weihrauch
UMGEBUNG
"Im nw liegt Bärenfurts Nachbarland."
EINHEIT 6387
"Händler von Wolfshausen";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
EINHEIT 6406
"Reiter von Ostberg";Name
5666;Partei
"Zwerg";Typ
20;Anzahl
EINHEIT 6414
"Grete";Name
3742;Partei
"Mensch";Typ
24;Anzahl
129;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3600 5";Bergbau
GEGENSTAENDE
52;Bogen
1;Bogen
EINHEIT 7359
"Wachen von Nordberg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 5 9
"Nordheim";Name
"Wald";Terrain
2372;Bauern
627;Baeume
UMGEBUNG
"Im so liegt Nordheims Nachbarland."
BURG 6550
"Feste Nordheim";Name
"Burg";Typ
166;Groesse
6436;Besitzer
EINHEIT 6436
"Öda";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
6550;Burg
EINHEIT 6451
"Boten von Grünau";Name
6961;Partei
"Ork";Typ
45;Anzahl
EINHEIT 6465
"Grete";Name
5666;Partei
"Zwerg";Typ
55;Anzahl
1;bewacht
6550;Burg
EINHEIT 6488
"Späher von Nordau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
6550;Burg
EINHEIT 6511
"Boten von Nordau";Name
5666;Partei
"Zwerg";Typ
9;Anzahl
6550;Burg
EINHEIT 6546
"Grete";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
REGION 6 9
"Ostbrück";Name
"Ebene";Terrain
2724;Bauern
58;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
92;Pferde
41559;Silber
2077;Unterh
68;Rekruten
11;Lohn
PREISE
-61;Balsam
31;GewÃ¼rz
27;Juwel
23;Myrrhe
32;Ã–l
6;Seide
60;Weihrauch
UMGEBUNG
"Im sw liegt Ostbrücks Nachbarland."
EINHEIT 6586
"Händler von Südtal";Name
5666;Partei
"Zwerg";Typ
17;Anzahl
1;bewacht
EINHEIT 6589
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
1246;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Bergbau
"30 1";Burgenbau
"210 7";Reiten
GEGENSTAENDE
1;Schwert
EINHEIT 6600
"Reiter von Mühlberg";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
1;bewacht
EINHEIT 6617
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 7 9
"Ozean";Terrain
REGION 8 9
"Ozean";Terrain
REGION 9 9
"Ozean";Terrain
SCHIFF 6639
"Mühlheims Stolz";Name
"Langboot";Typ
6643;Kapitaen
EINHEIT 6643
"Knut";Name
5666;Partei
"Zwerg";Typ
4;Anzahl
6639;Schiff
REGION 10 9
"Ozean";Terrain
REGION -5 10
"Bärental";Name
"Wüste";Terrain
291;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
0;Pferde
5298;Silber
264;Unterh
7;Rekruten
14;Lohn
PREISE
-16;Balsam
9;GewÃ¼rz
33;Juwel
46;Myrrhe
36;Ã–l
12;Seide
52;Weihrauch
UMGEBUNG
"Im sw liegt Bärentals Nachbarland."
EINHEIT 6679
"Boten von Nordheim";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
49;Anzahl
2133;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"13230 9";Hiebwaffen
"1470 1";Bergbau
EINHEIT 6719
"Swaantje";Name
4482;Partei
"Elf";Typ
30;Anzahl
2361;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"900 1";BogenschieÃŸen
"8100 9";HolzfÃ¤llen
"6300 7";Wahrnehmung
EINHEIT 6722
"Schützen von Grünfurt";Name
4482;Partei
"Elf";Typ
56;Anzahl
1971;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5040 3";BogenschieÃŸen
"5040 3";Handeln
EINHEIT 6758
"Händler von Kaltheim";Name
4482;Partei
"Elf";Typ
5;Anzahl
1771;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1200 8";Wahrnehmung
"1350 9";HolzfÃ¤llen
"450 3";Hiebwaffen
GEGENSTAENDE
1;Schild
EINHEIT 6788
"Holzfäller von Westau";Name
4482;Partei
"Elf";Typ
14;Anzahl
2062;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2520 6";Segeln
"2520 6";Wahrnehmung
EINHEIT 6138
"Hans";Name
4482;Partei
"Elf";Typ
24;Anzahl
2626;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1440 2";HolzfÃ¤llen
"4320 6";Segeln
"6480 9";Hiebwaffen
GEGENSTAENDE
12;Schwert
29;Bogen
23;Pferd
REGION -4 10
"Ostau";Name
"Ebene";Terrain
2806;Bauern
61;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostau sind fleißig.";Beschr
117;Pferde
32665;Silber
1633;Unterh
70;Rekruten
13;Lohn
PREISE
-87;Balsam
36;GewÃ¼rz
65;Juwel
72;Myrrhe
46;Ã–l
9;Seide
31;Weihrauch
UMGEBUNG
"Im sw liegt Ostaus Nachbarland."
EINHEIT 6825
"Bärbel";Name
4482;Partei
"Elf";Typ
26;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2340 3";BogenschieÃŸen
GEGENSTAENDE
24;Pferd
27;Eisen
EINHEIT 6826
"Händler von Grünbrück";Name
4482;Partei
"Elf";Typ
53;Anzahl
1102;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3180 2";Bergbau
GEGENSTAENDE
86;Speer
14;Schwert
97;Pferd
EINHEIT 6860
"Jörg";Name
4482;Partei
"Elf";Typ
22;Anzahl
1129;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3960 6";BogenschieÃŸen
GEGENSTAENDE
2;Eisen
14;Stein
36;Bogen
EINHEIT 6899
"Ulrike";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
14;Anzahl
1;bewacht
752;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2100 5";HolzfÃ¤llen
"2100 5";BogenschieÃŸen
"2520 6";Handeln
EINHEIT 6926
"Rüdiger";Name
4482;Partei
"Elf";Typ
49;Anzahl
3093;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1470 1";Reiten
"8820 6";Hiebwaffen
GEGENSTAENDE
95;Schwert
99;Schwert
EINHEIT 6946
"Rüdiger";Name
4482;Partei
"Elf";Typ
17;Anzahl
1;bewacht
181;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3570 7";Burgenbau
"1020 2";Burgenbau
"4080 8";Handeln
REGION -3 10
"Kalthausen";Name
"Wüste";Terrain
313;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
3;Pferde
3617;Silber
180;Unterh
7;Rekruten
13;Lohn
PREISE
-56;Balsam
53;GewÃ¼rz
49;Juwel
28;Myrrhe
77;Ã–l
68;Seide
8;Weihrauch
UMGEBUNG
"Im o liegt Kalthausens Nachbarland."
EINHEIT 6975
"Ulrike";Name
4482;Partei
"Elf";Typ
16;Anzahl
2422;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"960 2";Wahrnehmung
"3360 7";Bergbau
"960 2";Tarnung
GEGENSTAENDE
6;Eisen
29;Schild
EINHEIT 7002
"Bärbel";Name
4482;Partei
"Elf";Typ
14;Anzahl
1604;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3360 8";Wahrnehmung
EINHEIT 7024
"Grete";Name
3742;Partei
"Mensch";Typ
59;Anzahl
2657;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Holzfällen"
TALENTE
"1770 1";HolzfÃ¤llen
"10620 6";Hiebwaffen
"3540 2";Burgenbau
GEGENSTAENDE
46;Bogen
23;Bogen
27;Pferd
EINHEIT 7038
"Ulrike";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
24;Anzahl
76;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2880 4";Hiebwaffen
"4320 6";Hiebwaffen
"5760 8";Handeln
GEGENSTAENDE
25;Eisen
15;Holz
7;Schwert
EINHEIT 7041
"Bergleute von Tannhausen";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 7561
"Reiter von Mühlhausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
2018;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";BogenschieÃŸen
"120 4";Reiten
"240 8";Tarnung
GEGENSTAENDE
2;Schild
REGION -2 10
"Nordhausen";Name
"Sumpf";Terrain
350;Bauern
411;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
5;Pferde
5967;Silber
298;Unterh
8;Rekruten
11;Lohn
PREISE
-41;Balsam
53;GewÃ¼rz
83;Juwel
32;Myrrhe
26;Ã–l
9;Seide
60;Weihrauch
UMGEBUNG
"Im w liegt Nordhausens Nachbarland."
EINHEIT 7080
"Rüdiger";Name
4482;Partei
"Elf";Typ
46;Anzahl
1;bewacht
1528;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9660 7";Handeln
GEGENSTAENDE
35;Eisen
EINHEIT 7088
"Händler von Wolfshausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
1847;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";BogenschieÃŸen
"240 8";Wahrnehmung
EINHEIT 9708
"Öda";Name
4482;Partei
"Elf";Typ
39;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5850 5";Burgenbau
"4680 4";Bergbau
"8190 7";HolzfÃ¤llen
GEGENSTAENDE
67;Stein
2;Speer
36;Pferd
EINHEIT 7125
"Öda";Name
5666;Partei
"Zwerg";Typ
34;Anzahl
REGION -1 10
"Bärenbrück";Name
"Berge";Terrain
411;Bauern
12;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
8;Pferde
5809;Silber
290;Unterh
10;Rekruten
11;Lohn
58;Eisen
17;Laen
PREISE
-27;Balsam
39;GewÃ¼rz
45;Juwel
44;Myrrhe
42;Ã–l
8;Seide
16;Weihrauch
UMGEBUNG
"Im no liegt Bärenbrücks Nachbarland."
EINHEIT 7137
"Reiter von Mühlheim";Name
4482;Partei
"Elf";Typ
18;Anzahl
1;bewacht
1646;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3240 6";Reiten
GEGENSTAENDE
15;Pferd
REGION 0 10
"Mühlheim";Name
"Wald";Terrain
1343;Bauern
528;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
16;Pferde
10706;Silber
535;Unterh
33;Rekruten
13;Lohn
75;Strasse
PREISE
-75;Balsam
26;GewÃ¼rz
25;Juwel
68;Myrrhe
20;Ã–l
30;Seide
64;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Mühlheims Nachbarland."
EINHEIT 7159
"Rüdiger";Name
4482;Partei
"Elf";Typ
30;Anzahl
284;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6300 7";Wahrnehmung
"2700 3";Tarnung
"4500 5";BogenschieÃŸen
EINHEIT 7192
"Händler von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
1114;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Tarnung
"90 3";HolzfÃ¤llen
GEGENSTAENDE
1;Kettenhemd
1;Holz
EINHEIT 7239
"Hans";Name
4482;Partei
"Elf";Typ
7;Anzahl
149;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1470 7";Segeln
EINHEIT 7297
"Händler von Südberg";Name
5666;Partei
"Zwerg";Typ
45;Anzahl
REGION 1 10
"Mühlfurt";Name
"Wald";Terrain
2493;Bauern
465;Baeume
UMGEBUNG
"Im sw liegt Mühlfurts Nachbarland."
EINHEIT 7275
"Holzfäller von Ostwald";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
REGION 2 10
"Südfurt";Name
"Wüste";Terrain
335;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
15;Pferde
3745;Silber
187;Unterh
8;Rekruten
14;Lohn
PREISE
-15;Balsam
29;GewÃ¼rz
30;Juwel
12;Myrrhe
12;Ã–l
69;Seide
69;Weihrauch
UMGEBUNG
"Im o liegt Südfurts Nachbarland."
EINHEIT 7971
"Ulrike";Name
4482;Partei
"Elf";Typ
40;Anzahl
1;bewacht
2370;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4800 4";Hiebwaffen
"8400 7";Reiten
"3600 3";Reiten
GEGENSTAENDE
63;Schild
REGION 3 10
"Ostbrück";Name
"Gletscher";Terrain
67;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Ostbrücks Nachbarland."
EINHEIT 7311
"Gundolf";Name
1;Parteitarnung
"Zwerg";Typ
36;Anzahl
EINHEIT 7338
"Bergleute von Tannmoor";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
EINHEIT 7399
"Hans";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 4 10
"Felstal";Name
"Ebene";Terrain
200;Runde
1747;Bauern
162;Baeume
REGION 5 10
"Ostfurt";Name
"Ebene";Terrain
1599;Bauern
180;Baeume
UMGEBUNG
"Im w liegt Ostfurts Nachbarland."
EINHEIT 7457
"Ulrike";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
EINHEIT 7459
"Grete";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
1;bewacht
EINHEIT 7497
"Händler von Bärental";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
EINHEIT 7505
"Wachen von Kaltmoor";Name
5666;Partei
"Zwerg";Typ
13;Anzahl
EINHEIT 9730
"Schützen von Ostbrück";Name
6961;Partei
"Ork";Typ
19;Anzahl
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
1344;Bauern
87;Baeume
UMGEBUNG
"Im w liegt Nordheims Nachbarland."
REGION -4 11
"Grünhausen";Name
"Ebene";Terrain
2145;Bauern
84;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünhausen sind fleißig.";Beschr
33;Pferde
16461;Silber
823;Unterh
53;Rekruten
15;Lohn
46;Strasse
PREISE
-10;Balsam
25;GewÃ¼rz
18;Juwel
27;Myrrhe
22;Ã–l
80;Seide
62;Weihrauch
UMGEBUNG
"Im no liegt Grünhausens Nachbarland."
BURG 7649
"Bau von Grünhausen";Name
"Bergwerk";Typ
125;Groesse
7522;Besitzer
12;Unterhalt
EINHEIT 7522
"Bärbel";Name
1;Parteitarnung
"Zwerg";Typ
36;Anzahl
1;bewacht
7649;Burg
EINHEIT 7582
"Gundolf";Name
4482;Partei
"Elf";Typ
2;Anzahl
7649;Burg
425;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"480 8";Bergbau
GEGENSTAENDE
1;Speer
EINHEIT 7611
"Bärbel";Name
4482;Partei
"Elf";Typ
3;Anzahl
2639;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"270 3";Hiebwaffen
"180 2";Burgenbau
REGION -3 11
"Felstal";Name
"Hochland";Terrain
1445;Bauern
45;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felstal sind fleißig.";Beschr
61;Pferde
9878;Silber
493;Unterh
36;Rekruten
14;Lohn
PREISE
-49;Balsam
71;GewÃ¼rz
28;Juwel
58;Myrrhe
17;Ã–l
20;Seide
8;Weihrauch
DURCHREISE
"Boten (2234)"
UMGEBUNG
"Im w liegt Felstals Nachbarland."
EINHEIT 7672
"Wachen von Südheim";Name
4482;Partei
"Elf";Typ
21;Anzahl
1725;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2520 4";Tarnung
"630 1";Burgenbau
"1890 3";Wahrnehmung
GEGENSTAENDE
23;Eisen
38;Holz
40;Holz
EINHEIT 7674
"Späher von Ostheim";Name
4482;Partei
"Elf";Typ
17;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1020 2";Handeln
"4590 9";Tarnung
GEGENSTAENDE
13;Holz
EINHEIT 7710
"Knut";Name
4482;Partei
"Elf";Typ
38;Anzahl
1791;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5700 5";Wahrnehmung
"6840 6";Burgenbau
"2280 2";Burgenbau
GEGENSTAENDE
5;Holz
66;Speer
EINHEIT 7716
"Händler von Eichental";Name
4482;Partei
"Elf";Typ
22;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1980 3";Wahrnehmung
"5280 8";BogenschieÃŸen
REGION -2 11
"Südwald";Name
"Berge";Terrain
562;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südwald sind fleißig.";Beschr
19;Pferde
7548;Silber
377;Unterh
14;Rekruten
13;Lohn
27;Eisen
PREISE
-22;Balsam
24;GewÃ¼rz
19;Juwel
65;Myrrhe
29;Ã–l
81;Seide
12;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Südwalds Nachbarland."
EINHEIT 7767
"Gundolf";Name
4482;Partei
"Elf";Typ
26;Anzahl
1415;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"6240 8";Wahrnehmung
GEGENSTAENDE
2;Bogen
EINHEIT 7747
"Späher von Wolfstal";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
1398;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"30 1";Wahrnehmung
"30 1";Segeln
"210 7";Reiten
REGION -1 11
"Ostfurt";Name
"Wüste";Terrain
263;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
7;Pferde
4181;Silber
209;Unterh
6;Rekruten
12;Lohn
PREISE
-8;Balsam
31;GewÃ¼rz
47;Juwel
27;Myrrhe
15;Ã–l
78;Seide
81;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Ostfurts Nachbarland."
EINHEIT 7783
"Swaantje";Name
4482;Partei
"Elf";Typ
53;Anzahl
41;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1590 1";Burgenbau
"9540 6";Wahrnehmung
"12720 8";Burgenbau
GEGENSTAENDE
82;Holz
EINHEIT 7802
"Wachen von Nordfurt";Name
4482;Partei
"Elf";Typ
9;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"810 3";Hiebwaffen
GEGENSTAENDE
3;Speer
EINHEIT 7813
"Boten von Nordbrück";Name
4482;Partei
"Elf";Typ
6;Anzahl
1407;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"540 3";Segeln
GEGENSTAENDE
13;Stein
3;Holz
EINHEIT 7838
"Wachen von Nordheim";Name
6961;Partei
"Ork";Typ
23;Anzahl
EINHEIT 7856
"Grete";Name
4482;Partei
"Elf";Typ
62;Anzahl
15;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"7440 4";Segeln
"3720 2";Bergbau
"13020 7";Bergbau
GEGENSTAENDE
7;Pferd
REGION 0 11
"Oststätt";Name
"Ebene";Terrain
2085;Bauern
144;Baeume
UMGEBUNG
"Im nw liegt Oststätts Nachbarland."
EINHEIT 7859
"Jörg";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
52;Anzahl
REGION 1 11
"Tannberg";Name
"Ebene";Terrain
1937;Bauern
127;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannberg sind fleißig.";Beschr
56;Pferde
32425;Silber
1621;Unterh
48;Rekruten
13;Lohn
PREISE
-74;Balsam
9;GewÃ¼rz
57;Juwel
19;Myrrhe
19;Ã–l
64;Seide
66;Weihrauch
UMGEBUNG
"Im so liegt Tannbergs Nachbarland."
EINHEIT 7872
"Wachen von Tannstätt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
36;Anzahl
EINHEIT 7889
"Bergleute von Ostwald";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
EINHEIT 7910
"Bergleute von Kaltberg";Name
4482;Partei
"Elf";Typ
44;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1320 1";Burgenbau
"5280 4";Tarnung
"1320 1";HolzfÃ¤llen
GEGENSTAENDE
20;Eisen
EINHEIT 7914
"Swaantje";Name
4482;Partei
"Elf";Typ
57;Anzahl
1623;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8550 5";Wahrnehmung
"6840 4";Segeln
"11970 7";Bergbau
GEGENSTAENDE
20;Eisen
54;Schwert
EINHEIT 7930
"Bergleute von Oststätt";Name
5666;Partei
"Zwerg";Typ
16;Anzahl
EINHEIT 7948
"Reiter von Felshausen";Name
6961;Partei
"Ork";Typ
29;Anzahl
REGION 2 11
"Oststätt";Name
"Wüste";Terrain
447;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
10;Pferde
9026;Silber
451;Unterh
11;Rekruten
13;Lohn
PREISE
-64;Balsam
11;GewÃ¼rz
60;Juwel
23;Myrrhe
15;Ã–l
8;Seide
48;Weihrauch
UMGEBUNG
"Im nw liegt Oststätts Nachbarland."
EINHEIT 7960
"Boten von Felsstätt";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 7980
"Wachen von Nordhausen";Name
3742;Partei
"Mensch";Typ
54;Anzahl
1415;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 27"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Wachen von Nordhausen bleibt hier"
TALENTE
"14580 9";Hiebwaffen
"8100 5";Tarnung
GEGENSTAENDE
16;Schild
57;Schild
68;Schwert
EINHEIT 8008
"Hans";Name
5666;Partei
"Zwerg";Typ
22;Anzahl
EINHEIT 8046
"Grete";Name
5666;Partei
"Zwerg";Typ
58;Anzahl
EINHEIT 8531
"Späher von Grünstätt";Name
5666;Partei
"Zwerg";Typ
55;Anzahl
REGION 3 11
"Ostau";Name
"Berge";Terrain
515;Bauern
12;Baeume
UMGEBUNG
"Im w liegt Ostaus Nachbarland."
EINHEIT 8059
"Jörg";Name
6961;Partei
"Ork";Typ
27;Anzahl
EINHEIT 8064
"Wachen von Felsmoor";Name
5666;Partei
"Zwerg";Typ
42;Anzahl
REGION 4 11
"Eichenberg";Name
"Ebene";Terrain
2939;Bauern
278;Baeume
UMGEBUNG
"Im w liegt Eichenbergs Nachbarland."
EINHEIT 8083
"Ulrike";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
27;Anzahl
EINHEIT 8113
"Swaantje";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
EINHEIT 8135
"Schützen von Felshausen";Name
5666;Partei
"Zwerg";Typ
47;Anzahl
EINHEIT 8172
"Öda";Name
5666;Partei
"Zwerg";Typ
5;Anzahl
REGION 5 11
"Ozean";Terrain
REGION 6 11
"Felsberg";Name
"Wüste";Terrain
229;Bauern
0;Baeume
UMGEBUNG
"Im no liegt Felsbergs Nachbarland."
EINHEIT 8188
"Händler von Eichental";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8205
"Gundolf";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
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
1676;Bauern
944;Baeume
UMGEBUNG
"Im nw liegt Nordmoors Nachbarland."
REGION -5 12
"Weststätt";Name
"Berge";Terrain
285;Bauern
24;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
12;Pferde
2392;Silber
119;Unterh
7;Rekruten
14;Lohn
43;Eisen
PREISE
-21;Balsam
20;GewÃ¼rz
28;Juwel
16;Myrrhe
40;Ã–l
11;Seide
49;Weihrauch
UMGEBUNG
"Im no liegt Weststätts Nachbarland."
EINHEIT 8224
"Späher von Nordheim";Name
4482;Partei
"Elf";Typ
10;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"600 2";Bergbau
"1500 5";Handeln
GEGENSTAENDE
4;Speer
EINHEIT 8244
"Wachen von Grünau";Name
4482;Partei
"Elf";Typ
30;Anzahl
2135;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8100 9";Hiebwaffen
"2700 3";Reiten
"5400 6";Wahrnehmung
REGION -4 12
"Kaltberg";Name
"Wald";Terrain
939;Bauern
860;Baeume
UMGEBUNG
"Im nw liegt Kaltbergs Nachbarland."
REGION -3 12
"Eichental";Name
"Wald";Terrain
1461;Bauern
592;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
30;Pferde
16059;Silber
802;Unterh
36;Rekruten
15;Lohn
83;Strasse
PREISE
-36;Balsam
26;GewÃ¼rz
80;Juwel
83;Myrrhe
57;Ã–l
19;Seide
69;Weihrauch
DURCHREISE
"Boten (6141)"
UMGEBUNG
"Im w liegt Eichentals Nachbarland."
EINHEIT 8268
"Bergleute von Südtal";Name
4482;Partei
"Elf";Typ
2;Anzahl
1077;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Tarnung
GEGENSTAENDE
2;Holz
2;Bogen
EINHEIT 8271
"Jörg";Name
4482;Partei
"Elf";Typ
2;Anzahl
189;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 1";Tarnung
"60 1";Segeln
"120 2";Wahrnehmung
REGION -2 12
"Südau";Name
"Wald";Terrain
1877;Bauern
529;Baeume
UMGEBUNG
"Im so liegt Südaus Nachbarland."
REGION -1 12
"Kaltfurt";Name
"Gletscher";Terrain
40;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Kaltfurts Nachbarland."
EINHEIT 8278
"Holzfäller von Südmoor";Name
5666;Partei
"Zwerg";Typ
48;Anzahl
1;bewacht
EINHEIT 8936
"Holzfäller von Wolfsheim";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
13;Anzahl
REGION 0 12
"Westwald";Name
"Gletscher";Terrain
200;Runde
69;Bauern
0;Baeume
REGION 1 12
"Nordfurt";Name
"Gletscher";Terrain
32;Bauern
0;Baeume
UMGEBUNG
"Im no liegt Nordfurts Nachbarland."
EINHEIT 8470
"Rüdiger";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
EINHEIT 8480
"Schützen von Wolfswald";Name
6961;Partei
"Ork";Typ
53;Anzahl
EINHEIT 8498
"Grete";Name
6961;Partei
"Ork";Typ
52;Anzahl
EINHEIT 8518
"Bärbel";Name
5666;Partei
"Zwerg";Typ
45;Anzahl
1;bewacht
EINHEIT 8556
"Wachen von Kaltstätt";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 2 12
"Bärenmoor";Name
"Wüste";Terrain
367;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Bärenmoors Nachbarland."
EINHEIT 8562
"Holzfäller von Wolfswald";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 8585
"Reiter von Grünbrück";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
33;Anzahl
1;bewacht
EINHEIT 8618
"Boten von Mühlau";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
EINHEIT 8656
"Swaantje";Name
6961;Partei
"Ork";Typ
1;Anzahl
REGION 3 12
"Mühlfurt";Name
"Ebene";Terrain
2120;Bauern
150;Baeume
UMGEBUNG
"Im sw liegt Mühlfurts Nachbarland."
REGION 4 12
"Ozean";Terrain
REGION 5 12
"Ozean";Terrain
199;Runde
SCHIFF 8696
"Westfurts Stolz";Name
"Boot";Typ
8709;Kapitaen
REGION 6 12
"Ozean";Terrain
REGION 7 12
"Felsheim";Name
"Ebene";Terrain
1842;Bauern
122;Baeume
UMGEBUNG
"Im sw liegt Felsheims Nachbarland."
EINHEIT 8713
"Öda";Name
5666;Partei
"Zwerg";Typ
36;Anzahl
EINHEIT 8728
"Bergleute von Kalttal";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 8 12
"Mühlwald";Name
"Ebene";Terrain
3839;Bauern
122;Baeume
UMGEBUNG
"Im w liegt Mühlwalds Nachbarland."
REGION -6 13
"Wolfstal";Name
"Sumpf";Terrain
622;Bauern
158;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
17;Pferde
8266;Silber
413;Unterh
15;Rekruten
15;Lohn
PREISE
-31;Balsam
42;GewÃ¼rz
56;Juwel
83;Myrrhe
34;Ã–l
12;Seide
34;Weihrauch
UMGEBUNG
"Im sw liegt Wolfstals Nachbarland."
EINHEIT 8732
"Boten von Bärental";Name
4482;Partei
"Elf";Typ
41;Anzahl
1397;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4920 4";Reiten
"7380 6";BogenschieÃŸen
"9840 8";Bergbau
GEGENSTAENDE
53;Schild
50;Holz
84;Pferd
REGION -5 13
"Nordfurt";Name
"Wüste";Terrain
395;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
4;Pferde
3099;Silber
154;Unterh
9;Rekruten
14;Lohn
PREISE
-80;Balsam
53;GewÃ¼rz
45;Juwel
16;Myrrhe
30;Ã–l
19;Seide
4;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (8988)"
UMGEBUNG
"Im w liegt Nordfurts Nachbarland."
EINHEIT 8756
"Ulrike";Name
4482;Partei
"Elf";Typ
8;Anzahl
1;bewacht
645;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1680 7";Handeln
"1440 6";Hiebwaffen
"720 3";Segeln
GEGENSTAENDE
11;Kettenhemd
9;Speer
1;Schild
REGION -4 13
"Kaltbrück";Name
"Hochland";Terrain
1243;Bauern
54;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltbrück sind fleißig.";Beschr
3;Pferde
21712;Silber
1085;Unterh
31;Rekruten
13;Lohn
PREISE
-81;Balsam
25;GewÃ¼rz
18;Juwel
58;Myrrhe
66;Ã–l
71;Seide
74;Weihrauch
UMGEBUNG
"Im sw liegt Kaltbrücks Nachbarland."
EINHEIT 8781
"Knut";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
812;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Wahrnehmung
"540 9";Hiebwaffen
"360 6";Burgenbau
GEGENSTAENDE
1;Pferd
EINHEIT 8803
"Jörg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Burgenbau
GEGENSTAENDE
1;Speer
2;Schwert
EINHEIT 8836
"Wachen von Bärenhausen";Name
4482;Partei
"Elf";Typ
36;Anzahl
305;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9720 9";Bergbau
"3240 3";BogenschieÃŸen
EINHEIT 9327
"Gundolf";Name
4482;Partei
"Elf";Typ
41;Anzahl
2437;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7380 6";Handeln
REGION -3 13
"Bärenbrück";Name
"Gletscher";Terrain
66;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
2;Pferde
739;Silber
36;Unterh
1;Rekruten
15;Lohn
8;Eisen
14;Laen
PREISE
-20;Balsam
44;GewÃ¼rz
57;Juwel
65;Myrrhe
19;Ã–l
64;Seide
78;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Bärenbrücks Nachbarland."
EINHEIT 8850
"Bergleute von Westtal";Name
4482;Partei
"Elf";Typ
23;Anzahl
710;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4140 6";Segeln
GEGENSTAENDE
7;Stein
EINHEIT 8856
"Händler von Weststätt";Name
4482;Partei
"Elf";Typ
42;Anzahl
999;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"11340 9";HolzfÃ¤llen
"7560 6";Tarnung
GEGENSTAENDE
35;Bogen
EINHEIT 9577
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION -2 13
"Wolfsstätt";Name
"Wüste";Terrain
198;Runde
439;Bauern
0;Baeume
REGION -1 13
"Südhausen";Name
"Gletscher";Terrain
69;Bauern
1;Baeume
UMGEBUNG
"Im o liegt Südhausens Nachbarland."
EINHEIT 8922
"Grete";Name
5666;Partei
"Zwerg";Typ
43;Anzahl
EINHEIT 8964
"Holzfäller von Wolfshausen";Name
5666;Partei
"Zwerg";Typ
9;Anzahl
EINHEIT 8982
"Swaantje";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9020
"Wachen von Eichenheim";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
EINHEIT 9058
"Swaantje";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
REGION 0 13
"Nordfurt";Name
"Ebene";Terrain
1488;Bauern
92;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
38;Pferde
18998;Silber
949;Unterh
37;Rekruten
15;Lohn
20;Strasse
PREISE
-14;Balsam
34;GewÃ¼rz
34;Juwel
43;Myrrhe
48;Ã–l
55;Seide
70;Weihrauch
DURCHREISE
"Boten (6980)"
UMGEBUNG
"Im nw liegt Nordfurts Nachbarland."
EINHEIT 9063
"Swaantje";Name
5666;Partei
"Zwerg";Typ
54;Anzahl
1;bewacht
EINHEIT 9097
"Grete";Name
5666;Partei
"Zwerg";Typ
23;Anzahl
EINHEIT 9117
"Späher von Nordbrück";Name
3742;Partei
"Mensch";Typ
8;Anzahl
1888;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"2160 9";Handeln
GEGENSTAENDE
12;Stein
EINHEIT 9136
"Ulrike";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9150
"Hans";Name
1;Parteitarnung
"Zwerg";Typ
2;Anzahl
EINHEIT 9151
"Ulrike";Name
1;Parteitarnung
"Zwerg";Typ
9;Anzahl
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
2793;Bauern
53;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
66;Pferde
51569;Silber
2578;Unterh
69;Rekruten
13;Lohn
PREISE
-77;Balsam
19;GewÃ¼rz
31;Juwel
27;Myrrhe
12;Ã–l
30;Seide
23;Weihrauch
UMGEBUNG
"Im w liegt Wolfstals Nachbarland."
EINHEIT 9178
"Gundolf";Name
4482;Partei
"Elf";Typ
11;Anzahl
2428;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1320 4";Hiebwaffen
EINHEIT 9191
"Holzfäller von Bärenberg";Name
4482;Partei
"Elf";Typ
25;Anzahl
1338;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1500 2";Handeln
"3000 4";BogenschieÃŸen
"6000 8";Segeln
EINHEIT 9215
"Wachen von Eichenau";Name
4482;Partei
"Elf";Typ
9;Anzahl
1;bewacht
1478;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1080 4";HolzfÃ¤llen
GEGENSTAENDE
5;Holz
5;Speer
REGION -6 14
"Eichental";Name
"Hochland";Terrain
1647;Bauern
97;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
0;Pferde
20391;Silber
1019;Unterh
41;Rekruten
13;Lohn
PREISE
-28;Balsam
68;GewÃ¼rz
16;Juwel
29;Myrrhe
49;Ã–l
59;Seide
78;Weihrauch
UMGEBUNG
"Im nw liegt Eichentals Nachbarland."
EINHEIT 9241
"Hans";Name
3742;Partei
"Mensch";Typ
29;Anzahl
2700;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"4350 5";BogenschieÃŸen
"6090 7";HolzfÃ¤llen
GEGENSTAENDE
3;Pferd
7;Holz
2;Schild
EINHEIT 9260
"Reiter von Bärenhausen";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
58;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10440 6";Wahrnehmung
"1740 1";BogenschieÃŸen
GEGENSTAENDE
46;Schild
56;Kettenhemd
60;Eisen
EINHEIT 9262
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Tarnung
"90 3";Bergbau
GEGENSTAENDE
1;Schwert
1;Schwert
2;Bogen
EINHEIT 9283
"Grete";Name
4482;Partei
"Elf";Typ
34;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9180 9";Handeln
GEGENSTAENDE
27;Pferd
42;Holz
EINHEIT 9295
"Schützen von Westau";Name
6961;Partei
"Ork";Typ
2;Anzahl
EINHEIT 9304
"Reiter von Tannhausen";Name
4482;Partei
"Elf";Typ
25;Anzahl
2678;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5250 7";Hiebwaffen
"2250 3";HolzfÃ¤llen
REGION -5 14
"Nordau";Name
"Berge";Terrain
470;Bauern
17;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordau sind fleißig.";Beschr
2;Pferde
2597;Silber
129;Unterh
11;Rekruten
13;Lohn
65;Eisen
1;Laen
PREISE
-55;Balsam
78;GewÃ¼rz
63;Juwel
70;Myrrhe
41;Ã–l
41;Seide
54;Weihrauch
UMGEBUNG
"Im sw liegt Nordaus Nachbarland."
EINHEIT 9314
"Rüdiger";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1170;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";HolzfÃ¤llen
"180 6";Bergbau
GEGENSTAENDE
1;Stein
EINHEIT 9345
"Öda";Name
4482;Partei
"Elf";Typ
15;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"450 1";Hiebwaffen
"1350 3";Segeln
"1350 3";HolzfÃ¤llen
EINHEIT 9376
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1554;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"240 8";BogenschieÃŸen
"180 6";Wahrnehmung
"270 9";BogenschieÃŸen
GEGENSTAENDE
1;Eisen
2;Schild
EINHEIT 9427
"Öda";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
REGION -4 14
"Mühlwald";Name
"Berge";Terrain
589;Bauern
28;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
19;Pferde
10623;Silber
531;Unterh
14;Rekruten
12;Lohn
21;Eisen
PREISE
-35;Balsam
51;GewÃ¼rz
75;Juwel
26;Myrrhe
36;Ã–l
69;Seide
27;Weihrauch
UMGEBUNG
"Im o liegt Mühlwalds Nachbarland."
EINHEIT 9402
"Holzfäller von Eichenwald";Name
4482;Partei
"Elf";Typ
51;Anzahl
966;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9180 6";Burgenbau
"9180 6";Tarnung
"9180 6";Hiebwaffen
GEGENSTAENDE
40;Holz
EINHEIT 9431
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
1064;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Bergbau
"210 7";HolzfÃ¤llen
REGION -3 14
"Felsbrück";Name
"Gletscher";Terrain
36;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Felsbrücks Nachbarland."
EINHEIT 9459
"Reiter von Eichenstätt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
3;Anzahl
1;bewacht
EINHEIT 9495
"Gundolf";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
EINHEIT 9520
"Rüdiger";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
7;Anzahl
EINHEIT 9544
"Knut";Name
5666;Partei
"Zwerg";Typ
60;Anzahl
REGION -2 14
"Felsbrück";Name
"Gletscher";Terrain
33;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Felsbrücks Nachbarland."
EINHEIT 9578
"Jörg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9617
"Öda";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
23;Anzahl
EINHEIT 9641
"Grete";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
EINHEIT 9673
"Ulrike";Name
5666;Partei
"Zwerg";Typ
45;Anzahl
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
