VERSION 36
"Standard";Konfiguration
"Kelvaran";Spiel
"Hex";Koordinaten
1;Umlaute
36;Basis
202;Runde
PARTEI 3742
"Die Wüstenfüchse";Parteiname
"partei1@kelvaran.example";email
"Für Ruhm und Ehre!";banner
"Mensch";Typus
75;Rekrutierungskosten
3574;Anzahl Personen
0;Anzahl Immigranten
12;Max. Immigranten
559;Punkte
65;Punktedurchschnitt
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
"Willkommen in Runde 202."
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
2187;Bauern
215;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
27;Pferde
34898;Silber
1744;Unterh
54;Rekruten
13;Lohn
PREISE
-18;Balsam
12;GewÃ¼rz
59;Juwel
22;Myrrhe
62;Ã–l
50;Seide
96;Weihrauch
DURCHREISE
"Boten (5780)"
UMGEBUNG
"Im sw liegt Oststätts Nachbarland."
EINHEIT 208
"Hans";Name
3742;Partei
"Mensch";Typ
23;Anzahl
1;bewacht
1558;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5520 8";Tarnung
"5520 8";Wahrnehmung
EINHEIT 233
"Knut";Name
3742;Partei
"Mensch";Typ
25;Anzahl
3382;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Knut";privat
COMMANDS
"LERNEN Burgenbau"
TALENTE
"4500 6";Burgenbau
"2250 3";Reiten
EINHEIT 248
"Jörg";Name
3742;Partei
"Mensch";Typ
37;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"4440 4";BogenschieÃŸen
"2220 2";HolzfÃ¤llen
"6660 6";Tarnung
GEGENSTAENDE
28;Bogen
65;Schwert
15;Stein
EINHEIT 270
"Späher von Wolfsau";Name
3742;Partei
"Mensch";Typ
31;Anzahl
119;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"5580 6";Tarnung
GEGENSTAENDE
22;Speer
12;Kettenhemd
REGION 3 0
"Eichenfurt";Name
"Ebene";Terrain
198;Runde
1773;Bauern
113;Baeume
REGION 4 0
"Grünfurt";Name
"Ebene";Terrain
3114;Bauern
125;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
14;Pferde
61098;Silber
3054;Unterh
77;Rekruten
11;Lohn
PREISE
-67;Balsam
17;GewÃ¼rz
4;Juwel
13;Myrrhe
19;Ã–l
9;Seide
13;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Grünfurt!"
UMGEBUNG
"Im o liegt Grünfurts Nachbarland."
EINHEIT 290
"Schützen von Ostberg";Name
3742;Partei
"Mensch";Typ
13;Anzahl
2415;Silber
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
"780 2";Wahrnehmung
"1950 5";Segeln
EINHEITSBOTSCHAFTEN
"Schützen von Ostberg hat Hunger."
EINHEIT 401
"Öda";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
29;Anzahl
316;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH no sw"
"; Zur Küste"
TALENTE
"870 1";Handeln
"2610 3";Hiebwaffen
"5220 6";Segeln
GEGENSTAENDE
18;Pferd
EINHEIT 494
"Hans";Name
3742;Partei
"Mensch";Typ
10;Anzahl
243;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 10"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"1800 6";Hiebwaffen
"1200 4";BogenschieÃŸen
"1800 6";HolzfÃ¤llen
REGION 5 0
"Kaltmoor";Name
"Berge";Terrain
258;Bauern
11;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
15;Pferde
2930;Silber
146;Unterh
6;Rekruten
11;Lohn
6;Eisen
PREISE
-52;Balsam
39;GewÃ¼rz
51;Juwel
35;Myrrhe
11;Ã–l
58;Seide
70;Weihrauch
UMGEBUNG
"Im no liegt Kaltmoors Nachbarland."
EINHEIT 425
"Öda";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
26;Anzahl
2495;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH no so"
"; Zur Küste"
TALENTE
"780 1";Reiten
GEGENSTAENDE
14;Holz
EINHEIT 454
"Öda";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2352;Silber
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
"180 6";Reiten
REGION 6 0
"Felsmoor";Name
"Hochland";Terrain
597;Bauern
104;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
11;Pferde
7910;Silber
395;Unterh
14;Rekruten
12;Lohn
45;Strasse
PREISE
-88;Balsam
63;GewÃ¼rz
37;Juwel
37;Myrrhe
33;Ã–l
29;Seide
49;Weihrauch
UMGEBUNG
"Im w liegt Felsmoors Nachbarland."
EINHEIT 501
"Öda";Name
3742;Partei
"Mensch";Typ
46;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 17"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"11040 8";Segeln
"12420 9";Burgenbau
"1380 1";BogenschieÃŸen
REGION 7 0
"Kaltheim";Name
"Hochland";Terrain
1800;Bauern
69;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltheim sind fleißig.";Beschr
42;Pferde
23285;Silber
1164;Unterh
45;Rekruten
11;Lohn
PREISE
-84;Balsam
12;GewÃ¼rz
23;Juwel
12;Myrrhe
24;Ã–l
80;Seide
37;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Kaltheims Nachbarland."
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
2;Anzahl
652;Burg
2362;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"420 7";Burgenbau
"540 9";BogenschieÃŸen
"180 3";Wahrnehmung
GEGENSTAENDE
2;Pferd
1;Pferd
1;Kettenhemd
EINHEIT 528
"Späher von Osttal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
652;Burg
2948;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no sw"
"; Zur Küste"
TALENTE
"270 9";HolzfÃ¤llen
"240 8";Reiten
GEGENSTAENDE
4;Bogen
3;Stein
2;Schild
EINHEIT 567
"Hans";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1;bewacht
461;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2520 2";HolzfÃ¤llen
"10080 8";BogenschieÃŸen
"10080 8";HolzfÃ¤llen
GEGENSTAENDE
38;Holz
EINHEITSBOTSCHAFTEN
"Hans hat Hunger."
EINHEIT 585
"Händler von Felsbrück";Name
3742;Partei
"Mensch";Typ
45;Anzahl
652;Burg
275;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 4"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Händler von Felsbrück bleibt hier"
TALENTE
"8100 6";HolzfÃ¤llen
"10800 8";Wahrnehmung
"1350 1";Tarnung
GEGENSTAENDE
45;Schild
38;Pferd
EINHEIT 614
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
652;Burg
1785;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"60 2";HolzfÃ¤llen
"60 2";Burgenbau
SPRUECHE
"Feuerball"
"Heilung"
REGION 8 0
"Weststätt";Name
"Ebene";Terrain
3084;Bauern
64;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
114;Pferde
23512;Silber
1175;Unterh
77;Rekruten
15;Lohn
PREISE
-43;Balsam
57;GewÃ¼rz
32;Juwel
30;Myrrhe
44;Ã–l
68;Seide
22;Weihrauch
DURCHREISE
"Boten (4823)"
UMGEBUNG
"Im sw liegt Weststätts Nachbarland."
EINHEIT 674
"Knut";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
42;Anzahl
1549;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1260 1";BogenschieÃŸen
GEGENSTAENDE
55;Pferd
30;Holz
91;Pferd
EINHEIT 695
"Holzfäller von Westberg";Name
3742;Partei
"Mensch";Typ
17;Anzahl
2014;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"1020 2";Wahrnehmung
"3570 7";Reiten
"1530 3";Wahrnehmung
GEGENSTAENDE
11;Pferd
17;Holz
29;Kettenhemd
EINHEIT 714
"Öda";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"2520 2";Tarnung
GEGENSTAENDE
73;Speer
EINHEIT 10454
"Boten von Eichenfurt";Name
3742;Partei
"Mensch";Typ
5;Anzahl
1291;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 76"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Eichenfurt bleibt hier"
TALENTE
"900 6";Burgenbau
"150 1";Burgenbau
GEGENSTAENDE
4;Kettenhemd
4;Holz
SPRUECHE
"Feuerball"
"Heilung"
EINHEITSBOTSCHAFTEN
"Boten von Eichenfurt hat Hunger."
REGION 9 0
"Bärenau";Name
"Gletscher";Terrain
76;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
1;Pferde
605;Silber
30;Unterh
1;Rekruten
11;Lohn
74;Eisen
PREISE
-54;Balsam
75;GewÃ¼rz
10;Juwel
67;Myrrhe
21;Ã–l
64;Seide
71;Weihrauch
DURCHREISE
"Boten (3231)"
UMGEBUNG
"Im so liegt Bärenaus Nachbarland."
EINHEIT 739
"Öda";Name
3742;Partei
"Mensch";Typ
41;Anzahl
1;bewacht
3648;Silber
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
"6150 5";Handeln
GEGENSTAENDE
18;Pferd
90;Schild
92;Holz
EINHEIT 771
"Boten von Bärenstätt";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1899;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"6750 5";Handeln
GEGENSTAENDE
34;Schwert
87;Eisen
54;Holz
EINHEIT 806
"Boten von Nordstätt";Name
3742;Partei
"Mensch";Typ
4;Anzahl
645;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"960 8";BogenschieÃŸen
"1080 9";Wahrnehmung
"840 7";Tarnung
GEGENSTAENDE
3;Pferd
EINHEIT 1446
"Jörg";Name
3742;Partei
"Mensch";Typ
13;Anzahl
2152;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"780 2";Bergbau
"3510 9";Bergbau
"1950 5";HolzfÃ¤llen
REGION 10 0
"Tanntal";Name
"Ebene";Terrain
1624;Bauern
151;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tanntal sind fleißig.";Beschr
74;Pferde
23165;Silber
1158;Unterh
40;Rekruten
14;Lohn
PREISE
-38;Balsam
60;GewÃ¼rz
76;Juwel
19;Myrrhe
8;Ã–l
31;Seide
7;Weihrauch
UMGEBUNG
"Im so liegt Tanntals Nachbarland."
EINHEIT 833
"Späher von Nordwald";Name
3742;Partei
"Mensch";Typ
9;Anzahl
182;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH no nw"
"; Zur Küste"
TALENTE
"270 1";Hiebwaffen
GEGENSTAENDE
6;Eisen
2;Bogen
EINHEITSBOTSCHAFTEN
"Späher von Nordwald hat Hunger."
REGION 11 0
"Ozean";Terrain
REGION 12 0
"Ozean";Terrain
REGION 13 0
"Osttal";Name
"Ebene";Terrain
3055;Bauern
119;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
53;Pferde
19561;Silber
978;Unterh
76;Rekruten
11;Lohn
PREISE
-8;Balsam
65;GewÃ¼rz
7;Juwel
61;Myrrhe
19;Ã–l
81;Seide
43;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Osttal!"
UMGEBUNG
"Im o liegt Osttals Nachbarland."
EINHEIT 863
"Reiter von Wolfsbrück";Name
3742;Partei
"Mensch";Typ
46;Anzahl
2460;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Reiter von Wolfsbrück";privat
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5520 4";Wahrnehmung
"5520 4";Reiten
"2760 2";Wahrnehmung
GEGENSTAENDE
75;Speer
91;Bogen
9;Stein
EINHEIT 899
"Bergleute von Eichenfurt";Name
3742;Partei
"Mensch";Typ
3;Anzahl
727;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"360 4";Bergbau
EINHEITSBOTSCHAFTEN
"Bergleute von Eichenfurt hat Hunger."
EINHEIT 924
"Boten von Bärenhausen";Name
3742;Partei
"Mensch";Typ
7;Anzahl
2316;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"420 2";Burgenbau
"1890 9";Segeln
GEGENSTAENDE
8;Eisen
11;Schild
1;Pferd
EINHEIT 952
"Swaantje";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2174;Silber
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
48;Anzahl
1;bewacht
1948;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1440 1";BogenschieÃŸen
"7200 5";Handeln
GEGENSTAENDE
46;Stein
68;Bogen
32;Holz
EINHEITSBOTSCHAFTEN
"Späher von Tanntal hat Hunger."
REGION 14 0
"Ozean";Terrain
REGION 0 1
"Ozean";Terrain
REGION 1 1
"Ozean";Terrain
200;Runde
REGION 2 1
"Kaltwald";Name
"Ebene";Terrain
2530;Bauern
299;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltwald sind fleißig.";Beschr
69;Pferde
21312;Silber
1065;Unterh
63;Rekruten
13;Lohn
PREISE
-69;Balsam
85;GewÃ¼rz
33;Juwel
62;Myrrhe
53;Ã–l
18;Seide
70;Weihrauch
UMGEBUNG
"Im o liegt Kaltwalds Nachbarland."
EINHEIT 997
"Boten von Mühlstätt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
253;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
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
39;Anzahl
2424;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5850 5";Tarnung
GEGENSTAENDE
65;Schild
EINHEIT 1025
"Rüdiger";Name
3742;Partei
"Mensch";Typ
39;Anzahl
1132;Silber
3;Kampfstatus
0;Tarnung
"Nur für mich: Rüdiger";privat
COMMANDS
"LERNEN Bergbau"
TALENTE
"5850 5";Bergbau
"3510 3";Segeln
"5850 5";HolzfÃ¤llen
REGION 3 1
"Südau";Name
"Wüste";Terrain
172;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
10;Pferde
1070;Silber
53;Unterh
4;Rekruten
11;Lohn
PREISE
-56;Balsam
12;GewÃ¼rz
15;Juwel
77;Myrrhe
65;Ã–l
60;Seide
18;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südau!"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im no liegt Südaus Nachbarland."
EINHEIT 1033
"Holzfäller von Kaltwald";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1802;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"240 8";Bergbau
EINHEITSBOTSCHAFTEN
"Holzfäller von Kaltwald hat Hunger."
EINHEIT 1046
"Holzfäller von Nordfurt";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1081
"Schützen von Südberg";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
EINHEIT 1105
"Wachen von Westberg";Name
3742;Partei
"Mensch";Typ
47;Anzahl
329;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 39"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Wachen von Westberg bleibt hier"
TALENTE
"8460 6";HolzfÃ¤llen
"7050 5";Hiebwaffen
"12690 9";Tarnung
GEGENSTAENDE
32;Schild
31;Schwert
EINHEIT 365
"Gundolf";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"90 3";BogenschieÃŸen
REGION 4 1
"Grünstätt";Name
"Berge";Terrain
471;Bauern
18;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2392;Silber
119;Unterh
11;Rekruten
12;Lohn
66;Eisen
PREISE
-55;Balsam
41;GewÃ¼rz
49;Juwel
77;Myrrhe
67;Ã–l
73;Seide
37;Weihrauch
UMGEBUNG
"Im so liegt Grünstätts Nachbarland."
EINHEIT 1162
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1653;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"30 1";HolzfÃ¤llen
"270 9";BogenschieÃŸen
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
EINHEIT 1194
"Späher von Grünstätt";Name
3742;Partei
"Mensch";Typ
44;Anzahl
3130;Silber
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
EINHEIT 330
"Schützen von Südwald";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2957;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"540 9";Tarnung
"540 9";Handeln
GEGENSTAENDE
2;Schwert
EINHEITSBOTSCHAFTEN
"Schützen von Südwald hat Hunger."
REGION 5 1
"Kaltfurt";Name
"Ebene";Terrain
4086;Bauern
248;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
53;Pferde
63906;Silber
3195;Unterh
102;Rekruten
15;Lohn
PREISE
-13;Balsam
14;GewÃ¼rz
14;Juwel
7;Myrrhe
77;Ã–l
56;Seide
11;Weihrauch
UMGEBUNG
"Im w liegt Kaltfurts Nachbarland."
EINHEIT 1233
"Holzfäller von Grünau";Name
3742;Partei
"Mensch";Typ
43;Anzahl
1818;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"6450 5";Handeln
REGION 6 1
"Südfurt";Name
"Ebene";Terrain
4350;Bauern
106;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
18;Pferde
52469;Silber
2623;Unterh
108;Rekruten
11;Lohn
PREISE
-49;Balsam
27;GewÃ¼rz
61;Juwel
81;Myrrhe
52;Ã–l
18;Seide
71;Weihrauch
UMGEBUNG
"Im nw liegt Südfurts Nachbarland."
EINHEIT 1305
"Gundolf";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
35;Anzahl
1025;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 45"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Gundolf bleibt hier"
TALENTE
"9450 9";BogenschieÃŸen
GEGENSTAENDE
30;Schwert
26;Bogen
27;Speer
EINHEIT 1306
"Boten von Südfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1204;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
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
31;Anzahl
EINHEIT 1199
"Rüdiger";Name
3742;Partei
"Mensch";Typ
3;Anzahl
882;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"NACH no so"
"; Zur Küste"
TALENTE
"450 5";BogenschieÃŸen
EINHEITSBOTSCHAFTEN
"Rüdiger hat Hunger."
REGION 7 1
"Felsbrück";Name
"Wüste";Terrain
436;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsbrück sind fleißig.";Beschr
2;Pferde
8293;Silber
414;Unterh
10;Rekruten
13;Lohn
PREISE
-7;Balsam
39;GewÃ¼rz
55;Juwel
35;Myrrhe
20;Ã–l
54;Seide
36;Weihrauch
UMGEBUNG
"Im w liegt Felsbrücks Nachbarland."
EINHEIT 1340
"Knut";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
EINHEIT 1346
"Wachen von Tannheim";Name
3742;Partei
"Mensch";Typ
1;Anzahl
5;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
"Nur für mich: Wachen von Tannheim";privat
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"120 4";Burgenbau
"240 8";Burgenbau
EINHEIT 1355
"Hans";Name
4482;Partei
"Elf";Typ
30;Anzahl
1379;Silber
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
22;Anzahl
2345;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3300 5";Handeln
"2640 4";BogenschieÃŸen
"5280 8";Bergbau
GEGENSTAENDE
42;Pferd
47;Kettenhemd
EINHEIT 1417
"Swaantje";Name
3742;Partei
"Mensch";Typ
15;Anzahl
1976;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 60"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Swaantje bleibt hier"
TALENTE
"2250 5";Handeln
"1350 3";HolzfÃ¤llen
GEGENSTAENDE
22;Schwert
25;Speer
EINHEIT 1443
"Holzfäller von Kaltwald";Name
3742;Partei
"Mensch";Typ
13;Anzahl
673;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"780 2";Bergbau
"3120 8";Bergbau
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
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4620 7";BogenschieÃŸen
"660 1";Hiebwaffen
GEGENSTAENDE
20;Pferd
39;Pferd
25;Bogen
EINHEIT 535
"Händler von Nordbrück";Name
3742;Partei
"Mensch";Typ
2;Anzahl
614;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH o w"
"; Zur Küste"
TALENTE
"360 6";Burgenbau
"60 1";Wahrnehmung
"300 5";Burgenbau
REGION 8 1
"Nordberg";Name
"Ebene";Terrain
2577;Bauern
123;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
88;Pferde
17428;Silber
871;Unterh
64;Rekruten
14;Lohn
PREISE
-66;Balsam
58;GewÃ¼rz
39;Juwel
29;Myrrhe
27;Ã–l
17;Seide
26;Weihrauch
UMGEBUNG
"Im o liegt Nordbergs Nachbarland."
EINHEIT 1430
"Holzfäller von Westheim";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1298;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 73"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Westheim bleibt hier"
TALENTE
"360 6";HolzfÃ¤llen
GEGENSTAENDE
1;Speer
1;Holz
EINHEIT 1472
"Holzfäller von Südheim";Name
3742;Partei
"Mensch";Typ
11;Anzahl
1228;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 18"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Südheim bleibt hier"
TALENTE
"2970 9";Reiten
"1650 5";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Holzfäller von Südheim hat Hunger."
EINHEIT 1982
"Holzfäller von Grünau";Name
3742;Partei
"Mensch";Typ
45;Anzahl
0;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"2700 2";Hiebwaffen
"12150 9";Burgenbau
"8100 6";Bergbau
GEGENSTAENDE
23;Speer
25;Stein
45;Schild
EINHEIT 799
"Grete";Name
3742;Partei
"Mensch";Typ
20;Anzahl
1456;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4200 7";Tarnung
"4800 8";Hiebwaffen
"4200 7";BogenschieÃŸen
GEGENSTAENDE
16;Schwert
22;Pferd
REGION 9 1
"Felswald";Name
"Hochland";Terrain
920;Bauern
96;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felswald sind fleißig.";Beschr
0;Pferde
9743;Silber
487;Unterh
23;Rekruten
14;Lohn
PREISE
-12;Balsam
21;GewÃ¼rz
46;Juwel
64;Myrrhe
57;Ã–l
50;Seide
72;Weihrauch
UMGEBUNG
"Im sw liegt Felswalds Nachbarland."
EINHEIT 1501
"Händler von Mühlau";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1625;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Handeln"
TALENTE
"360 6";Handeln
"240 4";Hiebwaffen
"120 2";Wahrnehmung
GEGENSTAENDE
2;Schild
EINHEITSBOTSCHAFTEN
"Händler von Mühlau hat Hunger."
EINHEIT 1546
"Reiter von Osthausen";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1300;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"8820 7";Hiebwaffen
REGION 10 1
"Ozean";Terrain
REGION 11 1
"Ozean";Terrain
198;Runde
REGION 12 1
"Ozean";Terrain
REGION 13 1
"Südfurt";Name
"Wüste";Terrain
449;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
12;Pferde
9353;Silber
467;Unterh
11;Rekruten
15;Lohn
PREISE
-15;Balsam
40;GewÃ¼rz
89;Juwel
34;Myrrhe
15;Ã–l
74;Seide
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
4;Anzahl
EINHEIT 1585
"Bergleute von Tannmoor";Name
4482;Partei
"Elf";Typ
27;Anzahl
2895;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"810 1";Segeln
"1620 2";Wahrnehmung
"6480 8";Burgenbau
GEGENSTAENDE
29;Speer
4;Schwert
31;Bogen
EINHEIT 1612
"Reiter von Wolfswald";Name
6961;Partei
"Ork";Typ
3;Anzahl
1618;Schiff
REGION 14 1
"Ozean";Terrain
REGION -1 2
"Ozean";Terrain
198;Runde
REGION 0 2
"Ozean";Terrain
REGION 1 2
"Westbrück";Name
"Gletscher";Terrain
50;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
0;Pferde
605;Silber
30;Unterh
1;Rekruten
13;Lohn
19;Strasse
43;Eisen
2;Laen
PREISE
-33;Balsam
87;GewÃ¼rz
41;Juwel
47;Myrrhe
17;Ã–l
67;Seide
28;Weihrauch
UMGEBUNG
"Im w liegt Westbrücks Nachbarland."
EINHEIT 2272
"Boten von Südstätt";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
27;Anzahl
487;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"3240 4";Tarnung
"7290 9";Bergbau
"3240 4";Hiebwaffen
GEGENSTAENDE
5;Speer
3;Schwert
2;Speer
EINHEITSBOTSCHAFTEN
"Boten von Südstätt hat Hunger."
REGION 2 2
"Südfurt";Name
"Sumpf";Terrain
459;Bauern
446;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
12;Pferde
3684;Silber
184;Unterh
11;Rekruten
15;Lohn
PREISE
-47;Balsam
24;GewÃ¼rz
28;Juwel
32;Myrrhe
66;Ã–l
43;Seide
11;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im w liegt Südfurts Nachbarland."
EINHEIT 1717
"Jörg";Name
3742;Partei
"Mensch";Typ
1;Anzahl
153;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"60 2";Wahrnehmung
GEGENSTAENDE
3;Stein
3;Eisen
4;Schwert
REGION 3 2
"Grünbrück";Name
"Hochland";Terrain
1177;Bauern
87;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
44;Pferde
18021;Silber
901;Unterh
29;Rekruten
12;Lohn
PREISE
-41;Balsam
65;GewÃ¼rz
33;Juwel
17;Myrrhe
85;Ã–l
23;Seide
32;Weihrauch
UMGEBUNG
"Im sw liegt Grünbrücks Nachbarland."
BURG 1777
"Feste Grünbrück";Name
"Burg";Typ
276;Groesse
1724;Besitzer
27;Unterhalt
EINHEIT 1724
"Schützen von Ostbrück";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1777;Burg
1926;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5400 4";Segeln
GEGENSTAENDE
44;Eisen
22;Bogen
65;Stein
EINHEITSBOTSCHAFTEN
"Schützen von Ostbrück hat Hunger."
EINHEIT 1728
"Schützen von Wolfswald";Name
3742;Partei
"Mensch";Typ
29;Anzahl
1777;Burg
1;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"7830 9";Bergbau
"6960 8";HolzfÃ¤llen
"870 1";Handeln
EINHEIT 1732
"Knut";Name
3742;Partei
"Mensch";Typ
39;Anzahl
1777;Burg
3149;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH o nw"
"; Zur Küste"
TALENTE
"2340 2";Reiten
GEGENSTAENDE
46;Holz
53;Speer
73;Pferd
EINHEIT 1735
"Bergleute von Eichenbrück";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
1559;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"240 4";Bergbau
EINHEIT 1756
"Ulrike";Name
3742;Partei
"Mensch";Typ
38;Anzahl
1777;Burg
981;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH o sw"
"; Zur Küste"
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
731;Bauern
394;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünmoor sind fleißig.";Beschr
6;Pferde
9494;Silber
474;Unterh
18;Rekruten
11;Lohn
PREISE
-71;Balsam
8;GewÃ¼rz
21;Juwel
32;Myrrhe
8;Ã–l
42;Seide
32;Weihrauch
UMGEBUNG
"Im no liegt Grünmoors Nachbarland."
EINHEIT 1803
"Hans";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1819
"Knut";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2241;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
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
3;Anzahl
774;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"450 5";Segeln
"180 2";Wahrnehmung
"450 5";Hiebwaffen
EINHEIT 1143
"Öda";Name
3742;Partei
"Mensch";Typ
7;Anzahl
2492;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH o w"
"; Zur Küste"
TALENTE
"1050 5";Bergbau
"420 2";BogenschieÃŸen
GEGENSTAENDE
5;Eisen
10;Bogen
EINHEIT 1271
"Schützen von Osthausen";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1762;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Reiten
"150 5";Handeln
GEGENSTAENDE
2;Schild
2;Eisen
REGION 5 2
"Felsbrück";Name
"Wüste";Terrain
279;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Felsbrücks Nachbarland."
REGION 6 2
"Mühlheim";Name
"Wüste";Terrain
243;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Mühlheims Nachbarland."
REGION 7 2
"Westbrück";Name
"Wald";Terrain
1232;Bauern
1028;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
80;Pferde
10722;Silber
536;Unterh
30;Rekruten
11;Lohn
PREISE
-74;Balsam
7;GewÃ¼rz
61;Juwel
76;Myrrhe
23;Ã–l
17;Seide
33;Weihrauch
UMGEBUNG
"Im w liegt Westbrücks Nachbarland."
EINHEIT 1903
"Bärbel";Name
3742;Partei
"Mensch";Typ
7;Anzahl
2772;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"630 3";Reiten
GEGENSTAENDE
7;Schild
EINHEIT 1899
"Späher von Südheim";Name
3742;Partei
"Mensch";Typ
32;Anzahl
1;bewacht
403;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6720 7";HolzfÃ¤llen
"2880 3";HolzfÃ¤llen
GEGENSTAENDE
26;Kettenhemd
REGION 8 2
"Tannheim";Name
"Berge";Terrain
458;Bauern
26;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannheim sind fleißig.";Beschr
3;Pferde
6531;Silber
326;Unterh
11;Rekruten
13;Lohn
34;Eisen
PREISE
-25;Balsam
31;GewÃ¼rz
31;Juwel
9;Myrrhe
7;Ã–l
38;Seide
18;Weihrauch
UMGEBUNG
"Im w liegt Tannheims Nachbarland."
EINHEIT 2009
"Ulrike";Name
3742;Partei
"Mensch";Typ
32;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH no o"
"; Zur Küste"
TALENTE
"960 1";BogenschieÃŸen
GEGENSTAENDE
46;Stein
3;Speer
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
EINHEIT 2048
"Grete";Name
3742;Partei
"Mensch";Typ
30;Anzahl
1;bewacht
55;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"7200 8";Handeln
GEGENSTAENDE
22;Kettenhemd
EINHEIT 2072
"Holzfäller von Kaltau";Name
3742;Partei
"Mensch";Typ
58;Anzahl
1095;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"13920 8";Bergbau
"12180 7";Burgenbau
"8700 5";BogenschieÃŸen
GEGENSTAENDE
67;Stein
EINHEITSBOTSCHAFTEN
"Holzfäller von Kaltau hat Hunger."
EINHEIT 1518
"Schützen von Tannhausen";Name
3742;Partei
"Mensch";Typ
41;Anzahl
2323;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"6150 5";Bergbau
"6150 5";Handeln
GEGENSTAENDE
2;Pferd
8;Schwert
55;Holz
EINHEIT 2102
"Wachen von Bärenwald";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2090;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 66"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Wachen von Bärenwald bleibt hier"
TALENTE
"180 6";Segeln
GEGENSTAENDE
2;Holz
1;Kettenhemd
1;Speer
REGION 9 2
"Nordheim";Name
"Ebene";Terrain
2654;Bauern
117;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
3;Pferde
13175;Silber
658;Unterh
66;Rekruten
15;Lohn
PREISE
-74;Balsam
54;GewÃ¼rz
63;Juwel
17;Myrrhe
33;Ã–l
47;Seide
43;Weihrauch
UMGEBUNG
"Im so liegt Nordheims Nachbarland."
EINHEIT 2139
"Späher von Südwald";Name
3742;Partei
"Mensch";Typ
14;Anzahl
1895;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"840 2";Burgenbau
GEGENSTAENDE
9;Stein
EINHEIT 2143
"Bärbel";Name
3742;Partei
"Mensch";Typ
35;Anzahl
184;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH no no"
"; Zur Küste"
TALENTE
"1050 1";Wahrnehmung
EINHEIT 2148
"Hans";Name
6961;Partei
"Ork";Typ
2;Anzahl
REGION 10 2
"Ozean";Terrain
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
362;Bauern
185;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
23;Pferde
3117;Silber
155;Unterh
9;Rekruten
12;Lohn
PREISE
-40;Balsam
72;GewÃ¼rz
91;Juwel
52;Myrrhe
52;Ã–l
50;Seide
45;Weihrauch
UMGEBUNG
"Im no liegt Kaltmoors Nachbarland."
EINHEIT 2198
"Reiter von Weststätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
5;Anzahl
137;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"450 3";Bergbau
"1200 8";Segeln
GEGENSTAENDE
10;Pferd
EINHEIT 2225
"Holzfäller von Tannberg";Name
3742;Partei
"Mensch";Typ
54;Anzahl
2;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"12960 8";Tarnung
"14580 9";Burgenbau
GEGENSTAENDE
75;Bogen
EINHEIT 2299
"Späher von Eichenheim";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
1;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"30 1";Handeln
GEGENSTAENDE
1;Holz
REGION 1 3
"Eichenbrück";Name
"Berge";Terrain
295;Bauern
20;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenbrück sind fleißig.";Beschr
1;Pferde
3891;Silber
194;Unterh
7;Rekruten
11;Lohn
15;Eisen
14;Laen
PREISE
-28;Balsam
13;GewÃ¼rz
64;Juwel
39;Myrrhe
21;Ã–l
13;Seide
75;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Eichenbrück!"
UMGEBUNG
"Im o liegt Eichenbrücks Nachbarland."
EINHEIT 2237
"Boten von Bärenbrück";Name
3742;Partei
"Mensch";Typ
37;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
"Nur für mich: Boten von Bärenbrück";privat
COMMANDS
"ARBEITEN"
TALENTE
"4440 4";Wahrnehmung
GEGENSTAENDE
25;Schwert
51;Holz
72;Holz
EINHEIT 2275
"Holzfäller von Kaltau";Name
3742;Partei
"Mensch";Typ
31;Anzahl
333;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 45"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Kaltau bleibt hier"
TALENTE
"5580 6";Wahrnehmung
"1860 2";BogenschieÃŸen
GEGENSTAENDE
18;Eisen
45;Eisen
1;Holz
EINHEIT 2165
"Holzfäller von Wolfsmoor";Name
3742;Partei
"Mensch";Typ
16;Anzahl
2664;Silber
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
REGION 2 3
"Osttal";Name
"Wüste";Terrain
234;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
1;Pferde
2925;Silber
146;Unterh
5;Rekruten
12;Lohn
PREISE
-7;Balsam
42;GewÃ¼rz
59;Juwel
60;Myrrhe
61;Ã–l
85;Seide
58;Weihrauch
UMGEBUNG
"Im sw liegt Osttals Nachbarland."
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
"LERNEN Hiebwaffen"
TALENTE
"180 6";Hiebwaffen
"90 3";Burgenbau
GEGENSTAENDE
1;Stein
1;Stein
2;Eisen
EINHEITSBOTSCHAFTEN
"Wachen von Eichenmoor hat Hunger."
EINHEIT 2310
"Rüdiger";Name
3742;Partei
"Mensch";Typ
18;Anzahl
594;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3240 6";Wahrnehmung
"540 1";BogenschieÃŸen
"2160 4";Burgenbau
GEGENSTAENDE
14;Pferd
25;Bogen
14;Kettenhemd
EINHEITSBOTSCHAFTEN
"Rüdiger hat Hunger."
EINHEIT 2349
"Wachen von Nordmoor";Name
3742;Partei
"Mensch";Typ
60;Anzahl
2325;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 22"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Wachen von Nordmoor bleibt hier"
TALENTE
"9000 5";Segeln
"3600 2";Hiebwaffen
"10800 6";Hiebwaffen
EINHEIT 2372
"Ulrike";Name
3742;Partei
"Mensch";Typ
3;Anzahl
1;bewacht
1;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"810 9";Burgenbau
"180 2";BogenschieÃŸen
GEGENSTAENDE
1;Schwert
1;Pferd
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
REGION 3 3
"Westtal";Name
"Wald";Terrain
1941;Bauern
1025;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
89;Pferde
34570;Silber
1728;Unterh
48;Rekruten
14;Lohn
PREISE
-25;Balsam
60;GewÃ¼rz
43;Juwel
33;Myrrhe
63;Ã–l
64;Seide
56;Weihrauch
UMGEBUNG
"Im w liegt Westtals Nachbarland."
EINHEIT 2384
"Hans";Name
3742;Partei
"Mensch";Typ
29;Anzahl
2125;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5220 6";HolzfÃ¤llen
"5220 6";Hiebwaffen
REGION 4 3
"Westfurt";Name
"Sumpf";Terrain
708;Bauern
310;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
11;Pferde
4066;Silber
203;Unterh
17;Rekruten
14;Lohn
13;Strasse
PREISE
-57;Balsam
48;GewÃ¼rz
28;Juwel
32;Myrrhe
52;Ã–l
35;Seide
61;Weihrauch
UMGEBUNG
"Im so liegt Westfurts Nachbarland."
EINHEIT 2389
"Boten von Tannstätt";Name
3742;Partei
"Mensch";Typ
56;Anzahl
1819;Silber
3;Kampfstatus
0;Tarnung
"Nur für mich: Boten von Tannstätt";privat
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6720 4";Wahrnehmung
EINHEIT 2392
"Rüdiger";Name
4482;Partei
"Elf";Typ
3;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"270 3";Hiebwaffen
"630 7";Handeln
"810 9";Wahrnehmung
GEGENSTAENDE
1;Kettenhemd
EINHEIT 2431
"Schützen von Weststätt";Name
3742;Partei
"Mensch";Typ
25;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Schützen von Weststätt";privat
COMMANDS
"MACHEN TEMP 7"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Weststätt bleibt hier"
TALENTE
"2250 3";Wahrnehmung
GEGENSTAENDE
50;Eisen
17;Speer
4;Pferd
EINHEIT 2460
"Schützen von Mühlau";Name
1;Parteitarnung
"Ork";Typ
21;Anzahl
EINHEIT 2487
"Bärbel";Name
3742;Partei
"Mensch";Typ
46;Anzahl
1700;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH no w"
"; Zur Küste"
TALENTE
"11040 8";Burgenbau
GEGENSTAENDE
72;Stein
14;Eisen
EINHEIT 1810
"Knut";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;bewacht
1179;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 65"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Knut bleibt hier"
TALENTE
"540 9";HolzfÃ¤llen
GEGENSTAENDE
2;Eisen
1;Stein
REGION 5 3
"Grünbrück";Name
"Hochland";Terrain
1162;Bauern
82;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
44;Pferde
10429;Silber
521;Unterh
29;Rekruten
14;Lohn
PREISE
-49;Balsam
22;GewÃ¼rz
48;Juwel
44;Myrrhe
32;Ã–l
53;Seide
39;Weihrauch
DURCHREISE
"Boten (7384)"
UMGEBUNG
"Im o liegt Grünbrücks Nachbarland."
EINHEIT 2509
"Wachen von Wolfshausen";Name
1;Parteitarnung
"Zwerg";Typ
1;Anzahl
EINHEIT 2516
"Schützen von Mühlfurt";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1207;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2160 2";HolzfÃ¤llen
REGION 6 3
"Bärenfurt";Name
"Ebene";Terrain
1890;Bauern
143;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
113;Pferde
22633;Silber
1131;Unterh
47;Rekruten
15;Lohn
PREISE
-17;Balsam
14;GewÃ¼rz
13;Juwel
30;Myrrhe
68;Ã–l
57;Seide
75;Weihrauch
UMGEBUNG
"Im sw liegt Bärenfurts Nachbarland."
EINHEIT 2542
"Gundolf";Name
3742;Partei
"Mensch";Typ
2;Anzahl
937;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"420 7";Handeln
"180 3";HolzfÃ¤llen
GEGENSTAENDE
2;Speer
2;Eisen
EINHEITSBOTSCHAFTEN
"Gundolf hat Hunger."
EINHEIT 1932
"Swaantje";Name
3742;Partei
"Mensch";Typ
23;Anzahl
2233;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"4830 7";Bergbau
"5520 8";BogenschieÃŸen
GEGENSTAENDE
5;Pferd
REGION 7 3
"Mühlbrück";Name
"Ebene";Terrain
2433;Bauern
155;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
70;Pferde
19148;Silber
957;Unterh
60;Rekruten
15;Lohn
79;Strasse
PREISE
-13;Balsam
9;GewÃ¼rz
53;Juwel
8;Myrrhe
18;Ã–l
14;Seide
14;Weihrauch
UMGEBUNG
"Im nw liegt Mühlbrücks Nachbarland."
BURG 2583
"Bau von Mühlbrück";Name
"Bergwerk";Typ
13;Groesse
2576;Besitzer
1;Unterhalt
EINHEIT 2576
"Swaantje";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2583;Burg
2;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Tarnung"
TALENTE
"240 8";Tarnung
"270 9";Segeln
GEGENSTAENDE
1;Schild
REGION 8 3
"Wolfsmoor";Name
"Wüste";Terrain
361;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
12;Pferde
5707;Silber
285;Unterh
9;Rekruten
15;Lohn
PREISE
-7;Balsam
7;GewÃ¼rz
21;Juwel
65;Myrrhe
54;Ã–l
71;Seide
57;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Wolfsmoor!"
UMGEBUNG
"Im w liegt Wolfsmoors Nachbarland."
EINHEIT 2598
"Hans";Name
3742;Partei
"Mensch";Typ
58;Anzahl
1;bewacht
2208;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6960 4";Hiebwaffen
"6960 4";Bergbau
"8700 5";Wahrnehmung
REGION 9 3
"Kaltau";Name
"Gletscher";Terrain
35;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltau sind fleißig.";Beschr
0;Pferde
163;Silber
8;Unterh
0;Rekruten
11;Lohn
63;Strasse
73;Eisen
PREISE
-65;Balsam
25;GewÃ¼rz
13;Juwel
35;Myrrhe
13;Ã–l
46;Seide
72;Weihrauch
UMGEBUNG
"Im o liegt Kaltaus Nachbarland."
EINHEIT 2615
"Wachen von Grünwald";Name
5666;Partei
"Zwerg";Typ
5;Anzahl
EINHEIT 2637
"Bergleute von Westfurt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
1;Parteitarnung
"Zwerg";Typ
59;Anzahl
EINHEIT 2646
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
3;Anzahl
1;bewacht
288;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"NACH so nw"
"; Zur Küste"
TALENTE
"360 4";Wahrnehmung
"450 5";Burgenbau
GEGENSTAENDE
2;Kettenhemd
1;Holz
EINHEIT 2656
"Gundolf";Name
3742;Partei
"Mensch";Typ
23;Anzahl
2378;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 38"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Gundolf bleibt hier"
TALENTE
"5520 8";Tarnung
GEGENSTAENDE
40;Speer
43;Eisen
25;Kettenhemd
REGION 10 3
"Ozean";Terrain
REGION 11 3
"Ozean";Terrain
REGION 12 3
"Ozean";Terrain
201;Runde
REGION 13 3
"Ozean";Terrain
REGION -2 4
"Ozean";Terrain
REGION -1 4
"Felsheim";Name
"Sumpf";Terrain
554;Bauern
312;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsheim sind fleißig.";Beschr
6;Pferde
11019;Silber
550;Unterh
13;Rekruten
15;Lohn
PREISE
-25;Balsam
9;GewÃ¼rz
63;Juwel
12;Myrrhe
23;Ã–l
22;Seide
45;Weihrauch
UMGEBUNG
"Im so liegt Felsheims Nachbarland."
BURG 2748
"Bau von Felsheim";Name
"Hafen";Typ
289;Groesse
2663;Besitzer
28;Unterhalt
EINHEIT 2663
"Bergleute von Felstal";Name
4482;Partei
"Elf";Typ
10;Anzahl
2748;Burg
2096;Silber
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
42;Anzahl
2748;Burg
3297;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3780 3";Segeln
GEGENSTAENDE
7;Pferd
26;Speer
EINHEIT 2718
"Boten von Grünfurt";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
2748;Burg
2422;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"360 6";Handeln
"300 5";BogenschieÃŸen
"120 2";Tarnung
GEGENSTAENDE
1;Holz
EINHEIT 2888
"Bärbel";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
11;Anzahl
1;bewacht
REGION 0 4
"Eichenhausen";Name
"Wüste";Terrain
201;Runde
163;Bauern
0;Baeume
REGION 1 4
"Nordbrück";Name
"Gletscher";Terrain
40;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordbrück sind fleißig.";Beschr
1;Pferde
250;Silber
12;Unterh
1;Rekruten
12;Lohn
51;Eisen
PREISE
-35;Balsam
38;GewÃ¼rz
67;Juwel
60;Myrrhe
36;Ã–l
52;Seide
89;Weihrauch
UMGEBUNG
"Im w liegt Nordbrücks Nachbarland."
EINHEIT 2806
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
3017;Silber
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
48;Anzahl
1634;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"7200 5";Wahrnehmung
"11520 8";Handeln
"12960 9";Handeln
GEGENSTAENDE
39;Kettenhemd
81;Kettenhemd
EINHEIT 2854
"Knut";Name
4482;Partei
"Elf";Typ
2;Anzahl
2;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"480 8";Bergbau
"420 7";Reiten
"120 2";Segeln
GEGENSTAENDE
1;Speer
2;Schild
EINHEIT 2855
"Boten von Tannwald";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"450 5";Hiebwaffen
"180 2";Handeln
REGION 2 4
"Mühlfurt";Name
"Gletscher";Terrain
31;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlfurt sind fleißig.";Beschr
0;Pferde
603;Silber
30;Unterh
0;Rekruten
11;Lohn
51;Eisen
PREISE
-36;Balsam
44;GewÃ¼rz
91;Juwel
13;Myrrhe
20;Ã–l
28;Seide
5;Weihrauch
UMGEBUNG
"Im nw liegt Mühlfurts Nachbarland."
EINHEIT 2908
"Grete";Name
4482;Partei
"Elf";Typ
37;Anzahl
728;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"9990 9";Reiten
GEGENSTAENDE
17;Schwert
REGION 3 4
"Tannau";Name
"Wüste";Terrain
396;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannau sind fleißig.";Beschr
10;Pferde
3959;Silber
197;Unterh
9;Rekruten
14;Lohn
PREISE
-80;Balsam
6;GewÃ¼rz
24;Juwel
30;Myrrhe
12;Ã–l
69;Seide
84;Weihrauch
UMGEBUNG
"Im so liegt Tannaus Nachbarland."
EINHEIT 2915
"Händler von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
3228;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"150 5";Wahrnehmung
GEGENSTAENDE
2;Eisen
1;Schild
EINHEIT 2918
"Holzfäller von Ostwald";Name
3742;Partei
"Mensch";Typ
5;Anzahl
1580;Silber
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
EINHEIT 2934
"Gundolf";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2194;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"60 2";Tarnung
"120 4";Segeln
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 2953
"Bärbel";Name
3742;Partei
"Mensch";Typ
17;Anzahl
728;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"2550 5";Handeln
"3570 7";Handeln
"3060 6";Segeln
GEGENSTAENDE
26;Kettenhemd
EINHEIT 2971
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
25;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw o"
"; Zur Küste"
TALENTE
"4500 6";Handeln
"6000 8";Tarnung
"6000 8";Wahrnehmung
GEGENSTAENDE
15;Bogen
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
REGION 4 4
"Eichenau";Name
"Ebene";Terrain
2225;Bauern
75;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenau sind fleißig.";Beschr
32;Pferde
38526;Silber
1926;Unterh
55;Rekruten
12;Lohn
60;Strasse
PREISE
-62;Balsam
19;GewÃ¼rz
58;Juwel
58;Myrrhe
55;Ã–l
67;Seide
49;Weihrauch
UMGEBUNG
"Im o liegt Eichenaus Nachbarland."
EINHEIT 2994
"Holzfäller von Südtal";Name
3742;Partei
"Mensch";Typ
22;Anzahl
1552;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"660 1";Bergbau
"1980 3";Hiebwaffen
GEGENSTAENDE
4;Bogen
39;Schwert
35;Eisen
EINHEIT 3028
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1166;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"240 8";HolzfÃ¤llen
"270 9";BogenschieÃŸen
GEGENSTAENDE
2;Holz
EINHEIT 3067
"Späher von Westberg";Name
3742;Partei
"Mensch";Typ
55;Anzahl
1232;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 61"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Westberg bleibt hier"
TALENTE
"11550 7";Wahrnehmung
"11550 7";Burgenbau
GEGENSTAENDE
50;Eisen
EINHEITSBOTSCHAFTEN
"Späher von Westberg hat Hunger."
REGION 5 4
"Wolfstal";Name
"Hochland";Terrain
797;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
37;Pferde
10913;Silber
545;Unterh
19;Rekruten
11;Lohn
PREISE
-79;Balsam
52;GewÃ¼rz
39;Juwel
13;Myrrhe
18;Ã–l
32;Seide
55;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Wolfstals Nachbarland."
EINHEIT 3095
"Grete";Name
5666;Partei
"Zwerg";Typ
46;Anzahl
1;bewacht
EINHEIT 3096
"Knut";Name
3742;Partei
"Mensch";Typ
45;Anzahl
872;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH no o"
"; Zur Küste"
TALENTE
"1350 1";Handeln
"6750 5";HolzfÃ¤llen
GEGENSTAENDE
67;Schild
36;Stein
EINHEIT 3130
"Grete";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
27;Anzahl
1736;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1620 2";Bergbau
EINHEIT 3165
"Bergleute von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
16;Anzahl
1784;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"3840 8";BogenschieÃŸen
"3840 8";Bergbau
GEGENSTAENDE
6;Eisen
EINHEIT 3023
"Späher von Kaltmoor";Name
3742;Partei
"Mensch";Typ
50;Anzahl
1147;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
40;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw o"
"; Zur Küste"
TALENTE
"4800 4";Reiten
GEGENSTAENDE
58;Schwert
74;Kettenhemd
66;Stein
REGION 6 4
"Mühlheim";Name
"Hochland";Terrain
993;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
58;Pferde
18411;Silber
920;Unterh
24;Rekruten
15;Lohn
PREISE
-78;Balsam
24;GewÃ¼rz
18;Juwel
34;Myrrhe
27;Ã–l
26;Seide
69;Weihrauch
DURCHREISE
"Boten (4833)"
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
"MACHEN TEMP 83"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Westfurt bleibt hier"
TALENTE
"210 1";Reiten
"1050 5";Segeln
EINHEIT 3190
"Rüdiger";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
483;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"360 6";Segeln
"480 8";Bergbau
"300 5";BogenschieÃŸen
GEGENSTAENDE
1;Schwert
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 3206
"Boten von Bärental";Name
3742;Partei
"Mensch";Typ
35;Anzahl
1765;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"6300 6";Bergbau
"7350 7";Wahrnehmung
"3150 3";Burgenbau
GEGENSTAENDE
46;Holz
14;Holz
EINHEITSBOTSCHAFTEN
"Boten von Bärental hat Hunger."
EINHEIT 3250
"Späher von Wolfsberg";Name
3742;Partei
"Mensch";Typ
42;Anzahl
2156;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 50"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Wolfsberg bleibt hier"
TALENTE
"1260 1";Reiten
"6300 5";Hiebwaffen
GEGENSTAENDE
40;Holz
34;Pferd
48;Bogen
EINHEIT 3252
"Schützen von Osttal";Name
5666;Partei
"Zwerg";Typ
52;Anzahl
REGION 7 4
"Bärental";Name
"Wüste";Terrain
307;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
2;Pferde
5496;Silber
274;Unterh
7;Rekruten
11;Lohn
PREISE
-55;Balsam
68;GewÃ¼rz
78;Juwel
45;Myrrhe
27;Ã–l
59;Seide
50;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Bärentals Nachbarland."
EINHEIT 3267
"Schützen von Kaltmoor";Name
4482;Partei
"Elf";Typ
30;Anzahl
1665;Silber
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
36;Anzahl
1;bewacht
1190;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"3240 3";Reiten
"1080 1";Handeln
"6480 6";Hiebwaffen
GEGENSTAENDE
59;Bogen
31;Speer
EINHEIT 3312
"Wachen von Wolfswald";Name
3742;Partei
"Mensch";Typ
28;Anzahl
1;bewacht
1557;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"5880 7";Segeln
"1680 2";Handeln
"4200 5";Handeln
EINHEIT 3342
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1624;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 45"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Ulrike bleibt hier"
TALENTE
"90 3";Handeln
GEGENSTAENDE
2;Bogen
1;Bogen
REGION 8 4
"Eichenheim";Name
"Ebene";Terrain
3212;Bauern
221;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenheim sind fleißig.";Beschr
54;Pferde
56112;Silber
2805;Unterh
80;Rekruten
14;Lohn
PREISE
-74;Balsam
7;GewÃ¼rz
31;Juwel
30;Myrrhe
68;Ã–l
7;Seide
55;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Eichenheim!"
DURCHREISE
"Boten (1248)"
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
18;Anzahl
3368;Burg
1618;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 57"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Grünhausen bleibt hier"
TALENTE
"4860 9";Tarnung
GEGENSTAENDE
35;Schwert
19;Holz
EINHEITSBOTSCHAFTEN
"Bergleute von Grünhausen hat Hunger."
EINHEIT 3358
"Rüdiger";Name
3742;Partei
"Mensch";Typ
17;Anzahl
299;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3570 7";HolzfÃ¤llen
"4080 8";Wahrnehmung
GEGENSTAENDE
22;Holz
EINHEIT 3404
"Bergleute von Grünbrück";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 10"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Grünbrück bleibt hier"
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
71;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
1;Pferde
885;Silber
44;Unterh
1;Rekruten
15;Lohn
76;Eisen
PREISE
-79;Balsam
58;GewÃ¼rz
22;Juwel
87;Myrrhe
80;Ã–l
53;Seide
7;Weihrauch
UMGEBUNG
"Im no liegt Oststätts Nachbarland."
EINHEIT 3430
"Ulrike";Name
3742;Partei
"Mensch";Typ
55;Anzahl
2902;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 36"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Ulrike bleibt hier"
TALENTE
"11550 7";Burgenbau
GEGENSTAENDE
87;Holz
63;Holz
29;Schwert
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
EINHEIT 3454
"Öda";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;bewacht
2947;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 60"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"180 3";Burgenbau
"240 4";Burgenbau
"420 7";Wahrnehmung
EINHEIT 3470
"Wachen von Kalttal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
22;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so w"
"; Zur Küste"
TALENTE
"150 5";HolzfÃ¤llen
"150 5";BogenschieÃŸen
EINHEITSBOTSCHAFTEN
"Wachen von Kalttal hat Hunger."
REGION 10 4
"Ozean";Terrain
199;Runde
REGION 11 4
"Ozean";Terrain
SCHIFF 3472
"Felstals Stolz";Name
"Karavelle";Typ
3479;Kapitaen
EINHEIT 3479
"Swaantje";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
3472;Schiff
REGION 12 4
"Ozean";Terrain
REGION -2 5
"Südfurt";Name
"Berge";Terrain
199;Runde
254;Bauern
11;Baeume
REGION -1 5
"Bärenhausen";Name
"Ebene";Terrain
2182;Bauern
101;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenhausen sind fleißig.";Beschr
93;Pferde
32024;Silber
1601;Unterh
54;Rekruten
15;Lohn
PREISE
-53;Balsam
12;GewÃ¼rz
83;Juwel
54;Myrrhe
5;Ã–l
8;Seide
61;Weihrauch
UMGEBUNG
"Im sw liegt Bärenhausens Nachbarland."
EINHEIT 3535
"Reiter von Felsheim";Name
4482;Partei
"Elf";Typ
26;Anzahl
2324;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3120 4";Tarnung
EINHEIT 3569
"Bergleute von Ostheim";Name
4482;Partei
"Elf";Typ
37;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9990 9";Tarnung
"6660 6";Segeln
"9990 9";Hiebwaffen
EINHEIT 3599
"Wachen von Eichenstätt";Name
4482;Partei
"Elf";Typ
59;Anzahl
1158;Silber
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
2;Anzahl
834;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"480 8";Segeln
EINHEIT 2762
"Bergleute von Nordwald";Name
4482;Partei
"Elf";Typ
22;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1320 2";Hiebwaffen
EINHEIT 2766
"Öda";Name
4482;Partei
"Elf";Typ
3;Anzahl
1008;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"540 6";Segeln
GEGENSTAENDE
2;Schwert
2;Holz
2;Speer
REGION 0 5
"Bärenberg";Name
"Ebene";Terrain
4634;Bauern
224;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
32;Pferde
76610;Silber
3830;Unterh
115;Rekruten
14;Lohn
PREISE
-28;Balsam
60;GewÃ¼rz
28;Juwel
7;Myrrhe
55;Ã–l
44;Seide
51;Weihrauch
UMGEBUNG
"Im sw liegt Bärenbergs Nachbarland."
EINHEIT 3646
"Bergleute von Mühlhausen";Name
3742;Partei
"Mensch";Typ
23;Anzahl
1;bewacht
3108;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"690 1";BogenschieÃŸen
EINHEIT 3652
"Knut";Name
4482;Partei
"Elf";Typ
33;Anzahl
2355;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5940 6";Burgenbau
"8910 9";Handeln
GEGENSTAENDE
55;Eisen
20;Kettenhemd
REGION 1 5
"Wolfsmoor";Name
"Hochland";Terrain
626;Bauern
62;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
0;Pferde
9078;Silber
453;Unterh
15;Rekruten
13;Lohn
PREISE
-66;Balsam
66;GewÃ¼rz
58;Juwel
8;Myrrhe
5;Ã–l
47;Seide
80;Weihrauch
UMGEBUNG
"Im no liegt Wolfsmoors Nachbarland."
EINHEIT 3668
"Schützen von Nordbrück";Name
4482;Partei
"Elf";Typ
26;Anzahl
963;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"7020 9";Wahrnehmung
"3900 5";Tarnung
GEGENSTAENDE
51;Speer
24;Eisen
29;Speer
REGION 2 5
"Nordstätt";Name
"Sumpf";Terrain
353;Bauern
282;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
25;Pferde
7611;Silber
380;Unterh
8;Rekruten
13;Lohn
PREISE
-5;Balsam
45;GewÃ¼rz
59;Juwel
12;Myrrhe
11;Ã–l
36;Seide
19;Weihrauch
UMGEBUNG
"Im w liegt Nordstätts Nachbarland."
EINHEIT 3698
"Rüdiger";Name
4482;Partei
"Elf";Typ
32;Anzahl
2;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"7680 8";Bergbau
"3840 4";Reiten
GEGENSTAENDE
5;Bogen
28;Schild
EINHEIT 3732
"Swaantje";Name
4482;Partei
"Elf";Typ
14;Anzahl
682;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3360 8";Burgenbau
GEGENSTAENDE
28;Speer
1;Holz
EINHEIT 3746
"Schützen von Grünbrück";Name
4482;Partei
"Elf";Typ
3;Anzahl
735;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"360 4";Bergbau
"630 7";Bergbau
"540 6";Hiebwaffen
GEGENSTAENDE
2;Eisen
EINHEIT 4936
"Schützen von Westwald";Name
4482;Partei
"Elf";Typ
1;Anzahl
2762;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Handeln
REGION 3 5
"Kaltfurt";Name
"Gletscher";Terrain
43;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
2;Pferde
477;Silber
23;Unterh
1;Rekruten
13;Lohn
3;Eisen
PREISE
-33;Balsam
28;GewÃ¼rz
32;Juwel
54;Myrrhe
54;Ã–l
64;Seide
58;Weihrauch
UMGEBUNG
"Im o liegt Kaltfurts Nachbarland."
EINHEIT 3755
"Wachen von Mühlberg";Name
4482;Partei
"Elf";Typ
15;Anzahl
2365;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3600 8";Wahrnehmung
"450 1";Segeln
"3600 8";Handeln
EINHEIT 3790
"Bergleute von Osttal";Name
4482;Partei
"Elf";Typ
22;Anzahl
441;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"660 1";Hiebwaffen
GEGENSTAENDE
20;Schwert
EINHEIT 3803
"Hans";Name
4482;Partei
"Elf";Typ
22;Anzahl
2905;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1320 2";Hiebwaffen
"3300 5";HolzfÃ¤llen
EINHEIT 3807
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";BogenschieÃŸen
GEGENSTAENDE
1;Bogen
2;Speer
1;Stein
EINHEIT 3842
"Grete";Name
3742;Partei
"Mensch";Typ
2;Anzahl
541;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
"Nur für mich: Grete";privat
COMMANDS
"NACH sw sw"
"; Zur Küste"
TALENTE
"120 2";Reiten
"480 8";Handeln
"540 9";Reiten
GEGENSTAENDE
1;Speer
1;Holz
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
REGION 4 5
"Westtal";Name
"Berge";Terrain
495;Bauern
29;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
19;Pferde
3917;Silber
195;Unterh
12;Rekruten
15;Lohn
10;Strasse
0;Eisen
PREISE
-15;Balsam
61;GewÃ¼rz
31;Juwel
18;Myrrhe
24;Ã–l
31;Seide
9;Weihrauch
DURCHREISE
"Boten (3299)"
UMGEBUNG
"Im nw liegt Westtals Nachbarland."
BURG 3976
"Feste Westtal";Name
"Burg";Typ
75;Groesse
3861;Besitzer
7;Unterhalt
SCHIFF 3983
"Kahn von Westtal";Name
"Trireme";Typ
4;Kueste
3937;Kapitaen
0;Schaden
422;Ladung
500;MaxLadung
EINHEIT 3861
"Swaantje";Name
4482;Partei
"Elf";Typ
5;Anzahl
3976;Burg
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"450 3";Hiebwaffen
GEGENSTAENDE
11;Bogen
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
1488;Bauern
81;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenwald sind fleißig.";Beschr
25;Pferde
24096;Silber
1204;Unterh
37;Rekruten
11;Lohn
PREISE
-53;Balsam
25;GewÃ¼rz
34;Juwel
48;Myrrhe
15;Ã–l
47;Seide
47;Weihrauch
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
2461;Silber
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
1410;Bauern
80;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
14;Pferde
17235;Silber
861;Unterh
35;Rekruten
12;Lohn
91;Strasse
PREISE
-77;Balsam
74;GewÃ¼rz
67;Juwel
24;Myrrhe
6;Ã–l
28;Seide
83;Weihrauch
UMGEBUNG
"Im no liegt Mühlwalds Nachbarland."
EINHEIT 4042
"Swaantje";Name
3742;Partei
"Mensch";Typ
37;Anzahl
1484;Silber
2;Kampfstatus
0;Tarnung
"Nur für mich: Swaantje";privat
COMMANDS
"ARBEITEN"
TALENTE
"1110 1";Wahrnehmung
GEGENSTAENDE
18;Schwert
EINHEIT 4075
"Bergleute von Felsheim";Name
3742;Partei
"Mensch";Typ
58;Anzahl
1607;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"8700 5";Hiebwaffen
"8700 5";Segeln
"8700 5";Segeln
EINHEIT 4102
"Händler von Mühlau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
2349;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH sw nw"
"; Zur Küste"
TALENTE
"270 9";Segeln
"120 4";Bergbau
"60 2";Reiten
GEGENSTAENDE
1;Stein
EINHEIT 4116
"Boten von Tannberg";Name
3742;Partei
"Mensch";Typ
15;Anzahl
155;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"NACH no w"
"; Zur Küste"
TALENTE
"1800 4";Burgenbau
"3600 8";Handeln
GEGENSTAENDE
18;Bogen
EINHEITSBOTSCHAFTEN
"Boten von Tannberg hat Hunger."
EINHEIT 4124
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
2423;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"180 3";Hiebwaffen
"300 5";BogenschieÃŸen
"60 1";Handeln
GEGENSTAENDE
2;Bogen
1;Pferd
2;Eisen
REGION 7 5
"Grünfurt";Name
"Sumpf";Terrain
449;Bauern
335;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
9;Pferde
5367;Silber
268;Unterh
11;Rekruten
13;Lohn
PREISE
-52;Balsam
38;GewÃ¼rz
23;Juwel
24;Myrrhe
59;Ã–l
30;Seide
30;Weihrauch
UMGEBUNG
"Im nw liegt Grünfurts Nachbarland."
EINHEIT 4132
"Boten von Tannhausen";Name
3742;Partei
"Mensch";Typ
3;Anzahl
2159;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH w so"
"; Zur Küste"
TALENTE
"720 8";Bergbau
"450 5";Handeln
EINHEITSBOTSCHAFTEN
"Boten von Tannhausen hat Hunger."
EINHEIT 4136
"Späher von Mühlstätt";Name
3742;Partei
"Mensch";Typ
41;Anzahl
1935;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 63"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Mühlstätt bleibt hier"
TALENTE
"8610 7";Wahrnehmung
GEGENSTAENDE
17;Stein
EINHEIT 4166
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
725;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"210 7";BogenschieÃŸen
GEGENSTAENDE
2;Speer
2;Holz
EINHEIT 4204
"Jörg";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Handeln"
TALENTE
"420 7";Handeln
"60 1";Hiebwaffen
GEGENSTAENDE
1;Schwert
2;Pferd
EINHEIT 4242
"Wachen von Mühlberg";Name
3742;Partei
"Mensch";Typ
59;Anzahl
2168;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"5310 3";Tarnung
"5310 3";Reiten
GEGENSTAENDE
89;Pferd
21;Eisen
REGION 8 5
"Kalttal";Name
"Wald";Terrain
201;Runde
1738;Bauern
465;Baeume
REGION 9 5
"Wolfsmoor";Name
"Gletscher";Terrain
42;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
0;Pferde
696;Silber
34;Unterh
1;Rekruten
12;Lohn
50;Strasse
77;Eisen
PREISE
-34;Balsam
83;GewÃ¼rz
24;Juwel
80;Myrrhe
15;Ã–l
63;Seide
46;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Wolfsmoors Nachbarland."
BURG 4378
"Feste Wolfsmoor";Name
"Burg";Typ
254;Groesse
4266;Besitzer
25;Unterhalt
EINHEIT 4266
"Reiter von Kaltau";Name
3742;Partei
"Mensch";Typ
13;Anzahl
4378;Burg
1212;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
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
1;Anzahl
2;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 25"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Ulrike bleibt hier"
TALENTE
"120 4";Burgenbau
"240 8";HolzfÃ¤llen
GEGENSTAENDE
1;Schild
4;Stein
EINHEIT 4307
"Späher von Eichenau";Name
3742;Partei
"Mensch";Typ
3;Anzahl
1221;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"810 9";Tarnung
"720 8";Segeln
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
2272;Silber
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
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
13;Anzahl
123;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 96"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Mühlmoor bleibt hier"
TALENTE
"1170 3";Hiebwaffen
GEGENSTAENDE
4;Bogen
15;Schwert
24;Holz
EINHEIT 4369
"Holzfäller von Tannheim";Name
3742;Partei
"Mensch";Typ
37;Anzahl
4378;Burg
2229;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"3330 3";Hiebwaffen
"3330 3";Hiebwaffen
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
465;Bauern
16;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westberg sind fleißig.";Beschr
4;Pferde
10426;Silber
521;Unterh
11;Rekruten
13;Lohn
42;Eisen
PREISE
-63;Balsam
24;GewÃ¼rz
71;Juwel
19;Myrrhe
61;Ã–l
48;Seide
78;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westberg!"
UMGEBUNG
"Im w liegt Westbergs Nachbarland."
EINHEIT 4403
"Holzfäller von Felstal";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
35;Anzahl
EINHEIT 4433
"Rüdiger";Name
4482;Partei
"Elf";Typ
26;Anzahl
449;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"780 1";Reiten
"3120 4";Burgenbau
"3900 5";Segeln
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
49;Anzahl
2515;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8820 6";HolzfÃ¤llen
GEGENSTAENDE
71;Pferd
EINHEIT 3503
"Knut";Name
3742;Partei
"Mensch";Typ
43;Anzahl
1363;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"5160 4";Hiebwaffen
"9030 7";Handeln
"6450 5";Segeln
REGION -2 6
"Kalthausen";Name
"Hochland";Terrain
844;Bauern
52;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
5;Pferde
8069;Silber
403;Unterh
21;Rekruten
12;Lohn
PREISE
-14;Balsam
68;GewÃ¼rz
42;Juwel
59;Myrrhe
54;Ã–l
28;Seide
67;Weihrauch
UMGEBUNG
"Im w liegt Kalthausens Nachbarland."
EINHEIT 4493
"Jörg";Name
4482;Partei
"Elf";Typ
34;Anzahl
698;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3060 3";Bergbau
"5100 5";Segeln
GEGENSTAENDE
27;Schild
41;Kettenhemd
EINHEIT 4502
"Späher von Kaltbrück";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 4515
"Bärbel";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 4523
"Rüdiger";Name
6961;Partei
"Ork";Typ
23;Anzahl
EINHEIT 4553
"Rüdiger";Name
4482;Partei
"Elf";Typ
16;Anzahl
1;bewacht
1959;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4320 9";Segeln
EINHEIT 4580
"Bergleute von Ostberg";Name
3742;Partei
"Mensch";Typ
35;Anzahl
1;bewacht
2027;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Bergleute von Ostberg";privat
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4200 4";Hiebwaffen
"6300 6";Segeln
"1050 1";Hiebwaffen
GEGENSTAENDE
16;Schild
26;Pferd
REGION -1 6
"Wolfsmoor";Name
"Berge";Terrain
243;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
1;Pferde
2870;Silber
143;Unterh
6;Rekruten
15;Lohn
24;Eisen
PREISE
-59;Balsam
34;GewÃ¼rz
70;Juwel
57;Myrrhe
55;Ã–l
62;Seide
6;Weihrauch
UMGEBUNG
"Im w liegt Wolfsmoors Nachbarland."
EINHEIT 4610
"Rüdiger";Name
4482;Partei
"Elf";Typ
42;Anzahl
954;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3780 3";BogenschieÃŸen
"8820 7";Tarnung
"11340 9";Segeln
GEGENSTAENDE
81;Schild
14;Stein
EINHEIT 4617
"Reiter von Ostau";Name
4482;Partei
"Elf";Typ
42;Anzahl
1883;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5040 4";HolzfÃ¤llen
"6300 5";Bergbau
EINHEIT 4656
"Ulrike";Name
4482;Partei
"Elf";Typ
42;Anzahl
701;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"11340 9";Wahrnehmung
"10080 8";Wahrnehmung
GEGENSTAENDE
10;Pferd
69;Eisen
88;Eisen
EINHEIT 4688
"Knut";Name
4482;Partei
"Elf";Typ
68;Anzahl
2282;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"12240 6";Hiebwaffen
"18360 9";Tarnung
"16320 8";Reiten
GEGENSTAENDE
118;Bogen
18;Schild
REGION 0 6
"Eichenmoor";Name
"Sumpf";Terrain
579;Bauern
307;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenmoor sind fleißig.";Beschr
14;Pferde
2953;Silber
147;Unterh
14;Rekruten
13;Lohn
PREISE
-19;Balsam
11;GewÃ¼rz
77;Juwel
36;Myrrhe
20;Ã–l
79;Seide
8;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Eichenmoor!"
UMGEBUNG
"Im nw liegt Eichenmoors Nachbarland."
EINHEIT 4719
"Gundolf";Name
4482;Partei
"Elf";Typ
52;Anzahl
1;bewacht
1591;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3120 2";BogenschieÃŸen
GEGENSTAENDE
6;Pferd
2;Eisen
1;Speer
EINHEIT 4749
"Gundolf";Name
3742;Partei
"Mensch";Typ
40;Anzahl
668;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"6000 5";Reiten
"9600 8";Handeln
EINHEITSBOTSCHAFTEN
"Gundolf hat Hunger."
EINHEIT 4773
"Bergleute von Mühlbrück";Name
6961;Partei
"Ork";Typ
54;Anzahl
EINHEIT 4777
"Gundolf";Name
4482;Partei
"Elf";Typ
45;Anzahl
2446;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8100 6";Bergbau
"4050 3";Wahrnehmung
"8100 6";Bergbau
GEGENSTAENDE
88;Holz
EINHEIT 4811
"Händler von Ostmoor";Name
4482;Partei
"Elf";Typ
2;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";Hiebwaffen
"480 8";Reiten
"480 8";BogenschieÃŸen
EINHEIT 10513
"Wachen von Wolfstal";Name
4482;Partei
"Elf";Typ
54;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"14580 9";BogenschieÃŸen
"1620 1";Reiten
"1620 1";Reiten
GEGENSTAENDE
57;Holz
94;Kettenhemd
73;Eisen
REGION 1 6
"Bärental";Name
"Sumpf";Terrain
434;Bauern
381;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
22;Pferde
3822;Silber
191;Unterh
10;Rekruten
15;Lohn
PREISE
-49;Balsam
18;GewÃ¼rz
20;Juwel
27;Myrrhe
11;Ã–l
45;Seide
20;Weihrauch
UMGEBUNG
"Im w liegt Bärentals Nachbarland."
EINHEIT 4850
"Öda";Name
4482;Partei
"Elf";Typ
2;Anzahl
945;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";HolzfÃ¤llen
EINHEIT 4882
"Bergleute von Tannberg";Name
4482;Partei
"Elf";Typ
17;Anzahl
933;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2550 5";Reiten
"3570 7";BogenschieÃŸen
"510 1";Reiten
GEGENSTAENDE
11;Pferd
EINHEIT 4887
"Knut";Name
3742;Partei
"Mensch";Typ
2;Anzahl
713;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"540 9";Burgenbau
"420 7";Burgenbau
GEGENSTAENDE
2;Speer
REGION 2 6
"Wolfsfurt";Name
"Hochland";Terrain
1215;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsfurt sind fleißig.";Beschr
17;Pferde
8705;Silber
435;Unterh
30;Rekruten
11;Lohn
PREISE
-48;Balsam
10;GewÃ¼rz
67;Juwel
54;Myrrhe
28;Ã–l
56;Seide
70;Weihrauch
UMGEBUNG
"Im no liegt Wolfsfurts Nachbarland."
EINHEIT 4966
"Swaantje";Name
4482;Partei
"Elf";Typ
48;Anzahl
2;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"11520 8";Wahrnehmung
REGION 3 6
"Mühlau";Name
"Sumpf";Terrain
910;Bauern
453;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlau sind fleißig.";Beschr
22;Pferde
5182;Silber
259;Unterh
22;Rekruten
12;Lohn
PREISE
-45;Balsam
19;GewÃ¼rz
66;Juwel
22;Myrrhe
27;Ã–l
80;Seide
75;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (8596)"
UMGEBUNG
"Im so liegt Mühlaus Nachbarland."
EINHEIT 3897
"Boten von Grünbrück";Name
4482;Partei
"Elf";Typ
19;Anzahl
694;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4560 8";Tarnung
"1710 3";Burgenbau
GEGENSTAENDE
25;Schwert
21;Kettenhemd
REGION 4 6
"Kaltfurt";Name
"Ebene";Terrain
2793;Bauern
139;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
18;Pferde
53696;Silber
2684;Unterh
69;Rekruten
12;Lohn
PREISE
-18;Balsam
65;GewÃ¼rz
20;Juwel
71;Myrrhe
13;Ã–l
43;Seide
73;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im sw liegt Kaltfurts Nachbarland."
EINHEIT 5006
"Gundolf";Name
4482;Partei
"Elf";Typ
18;Anzahl
3;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2160 4";BogenschieÃŸen
"3240 6";BogenschieÃŸen
"1620 3";Burgenbau
GEGENSTAENDE
25;Kettenhemd
29;Schwert
REGION 5 6
"Wolfsheim";Name
"Sumpf";Terrain
580;Bauern
242;Baeume
UMGEBUNG
"Im sw liegt Wolfsheims Nachbarland."
REGION 6 6
"Mühlbrück";Name
"Ebene";Terrain
3731;Bauern
100;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
104;Pferde
70477;Silber
3523;Unterh
93;Rekruten
13;Lohn
PREISE
-44;Balsam
64;GewÃ¼rz
38;Juwel
35;Myrrhe
50;Ã–l
27;Seide
51;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Mühlbrücks Nachbarland."
EINHEIT 5039
"Bärbel";Name
6961;Partei
"Ork";Typ
31;Anzahl
EINHEIT 5045
"Jörg";Name
4482;Partei
"Elf";Typ
14;Anzahl
1733;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2940 7";Wahrnehmung
GEGENSTAENDE
27;Stein
25;Kettenhemd
EINHEIT 5058
"Schützen von Felswald";Name
4482;Partei
"Elf";Typ
33;Anzahl
2;Silber
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
23;Anzahl
1;bewacht
EINHEIT 5110
"Hans";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
132;Silber
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
1795;Bauern
550;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
31;Pferde
29443;Silber
1472;Unterh
44;Rekruten
12;Lohn
PREISE
-30;Balsam
70;GewÃ¼rz
72;Juwel
60;Myrrhe
35;Ã–l
54;Seide
21;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Mühlwalds Nachbarland."
EINHEIT 5139
"Bergleute von Grünheim";Name
3742;Partei
"Mensch";Typ
8;Anzahl
496;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1920 8";Segeln
"480 2";BogenschieÃŸen
"1200 5";BogenschieÃŸen
GEGENSTAENDE
2;Holz
EINHEIT 5179
"Schützen von Wolfsberg";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1;bewacht
1;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH so o"
"; Zur Küste"
TALENTE
"1980 2";Tarnung
"1980 2";Hiebwaffen
GEGENSTAENDE
43;Stein
EINHEIT 5190
"Bärbel";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1;bewacht
2826;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"8100 6";Bergbau
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
1;Anzahl
1;bewacht
1193;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Handeln"
TALENTE
"150 5";Handeln
"90 3";Bergbau
"60 2";Handeln
GEGENSTAENDE
2;Stein
3;Bogen
4;Kettenhemd
REGION 8 6
"Westhausen";Name
"Ebene";Terrain
2858;Bauern
85;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westhausen sind fleißig.";Beschr
123;Pferde
42770;Silber
2138;Unterh
71;Rekruten
13;Lohn
PREISE
-12;Balsam
43;GewÃ¼rz
43;Juwel
61;Myrrhe
56;Ã–l
7;Seide
48;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westhausen!"
UMGEBUNG
"Im so liegt Westhausens Nachbarland."
EINHEIT 5954
"Knut";Name
6961;Partei
"Ork";Typ
39;Anzahl
EINHEIT 5970
"Rüdiger";Name
4482;Partei
"Elf";Typ
59;Anzahl
2457;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8850 5";HolzfÃ¤llen
"1770 1";HolzfÃ¤llen
REGION 9 6
"Kaltstätt";Name
"Gletscher";Terrain
34;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
1;Pferde
494;Silber
24;Unterh
0;Rekruten
11;Lohn
78;Eisen
PREISE
-22;Balsam
77;GewÃ¼rz
69;Juwel
34;Myrrhe
42;Ã–l
47;Seide
29;Weihrauch
UMGEBUNG
"Im sw liegt Kaltstätts Nachbarland."
EINHEIT 5252
"Öda";Name
3742;Partei
"Mensch";Typ
5;Anzahl
1470;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"150 1";Hiebwaffen
GEGENSTAENDE
7;Bogen
1;Speer
2;Bogen
EINHEIT 5303
"Hans";Name
5666;Partei
"Zwerg";Typ
59;Anzahl
EINHEIT 5328
"Öda";Name
3742;Partei
"Mensch";Typ
23;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"1380 2";Tarnung
GEGENSTAENDE
29;Holz
15;Pferd
REGION 10 6
"Ozean";Terrain
REGION 11 6
"Ozean";Terrain
198;Runde
REGION -3 7
"Felsau";Name
"Ebene";Terrain
3028;Bauern
75;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsau sind fleißig.";Beschr
122;Pferde
47374;Silber
2368;Unterh
75;Rekruten
14;Lohn
PREISE
-57;Balsam
52;GewÃ¼rz
13;Juwel
79;Myrrhe
86;Ã–l
11;Seide
54;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Felsaus Nachbarland."
BURG 5383
"Bau von Felsau";Name
"Burg";Typ
69;Groesse
5345;Besitzer
6;Unterhalt
EINHEIT 5345
"Rüdiger";Name
4482;Partei
"Elf";Typ
15;Anzahl
5383;Burg
1032;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1800 4";Handeln
"3150 7";BogenschieÃŸen
GEGENSTAENDE
20;Holz
20;Bogen
1;Pferd
EINHEIT 5363
"Jörg";Name
3742;Partei
"Mensch";Typ
39;Anzahl
1469;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"8190 7";BogenschieÃŸen
"8190 7";Tarnung
"10530 9";Reiten
GEGENSTAENDE
33;Speer
55;Pferd
20;Schwert
REGION -2 7
"Eichenheim";Name
"Ebene";Terrain
1348;Bauern
73;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenheim sind fleißig.";Beschr
38;Pferde
13241;Silber
662;Unterh
33;Rekruten
14;Lohn
PREISE
-59;Balsam
18;GewÃ¼rz
73;Juwel
19;Myrrhe
46;Ã–l
10;Seide
17;Weihrauch
UMGEBUNG
"Im w liegt Eichenheims Nachbarland."
EINHEIT 5410
"Rüdiger";Name
4482;Partei
"Elf";Typ
38;Anzahl
1;bewacht
2107;Silber
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
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felshausen sind fleißig.";Beschr
14;Pferde
3462;Silber
173;Unterh
7;Rekruten
13;Lohn
PREISE
-16;Balsam
74;GewÃ¼rz
26;Juwel
42;Myrrhe
16;Ã–l
23;Seide
35;Weihrauch
UMGEBUNG
"Im so liegt Felshausens Nachbarland."
EINHEIT 6065
"Bergleute von Mühltal";Name
4482;Partei
"Elf";Typ
66;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"11880 6";Segeln
"7920 4";BogenschieÃŸen
REGION 0 7
"Westwald";Name
"Berge";Terrain
467;Bauern
10;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westwald sind fleißig.";Beschr
18;Pferde
7861;Silber
393;Unterh
11;Rekruten
15;Lohn
17;Eisen
8;Laen
PREISE
-9;Balsam
40;GewÃ¼rz
67;Juwel
19;Myrrhe
59;Ã–l
6;Seide
66;Weihrauch
UMGEBUNG
"Im so liegt Westwalds Nachbarland."
EINHEIT 5446
"Schützen von Bärenberg";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 5459
"Holzfäller von Eichenau";Name
4482;Partei
"Elf";Typ
43;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3870 3";Segeln
"6450 5";Handeln
GEGENSTAENDE
69;Schwert
EINHEIT 5493
"Bergleute von Oststätt";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1335;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 62"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Oststätt bleibt hier"
TALENTE
"1080 1";Burgenbau
GEGENSTAENDE
22;Schild
SPRUECHE
"Feuerball"
"Heilung"
REGION 1 7
"Kaltstätt";Name
"Wüste";Terrain
407;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
5;Pferde
4990;Silber
249;Unterh
10;Rekruten
12;Lohn
66;Strasse
PREISE
-18;Balsam
70;GewÃ¼rz
61;Juwel
28;Myrrhe
75;Ã–l
45;Seide
27;Weihrauch
UMGEBUNG
"Im sw liegt Kaltstätts Nachbarland."
EINHEIT 5498
"Späher von Wolfsbrück";Name
4482;Partei
"Elf";Typ
42;Anzahl
1889;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8820 7";Handeln
"3780 3";Bergbau
"2520 2";HolzfÃ¤llen
GEGENSTAENDE
87;Bogen
EINHEIT 5499
"Hans";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
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
1;Silber
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
2420;Silber
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
3742;Partei
"Mensch";Typ
52;Anzahl
1428;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"14040 9";BogenschieÃŸen
"9360 6";HolzfÃ¤llen
"3120 2";Bergbau
GEGENSTAENDE
30;Bogen
SPRUECHE
"Feuerball"
"Heilung"
REGION 2 7
"Bärenbrück";Name
"Sumpf";Terrain
914;Bauern
273;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
1;Pferde
12599;Silber
629;Unterh
22;Rekruten
14;Lohn
PREISE
-18;Balsam
46;GewÃ¼rz
58;Juwel
51;Myrrhe
66;Ã–l
18;Seide
8;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Bärenbrück!"
UMGEBUNG
"Im o liegt Bärenbrücks Nachbarland."
EINHEIT 5570
"Späher von Westwald";Name
4482;Partei
"Elf";Typ
11;Anzahl
1748;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2640 8";Burgenbau
"1650 5";Reiten
GEGENSTAENDE
23;Bogen
EINHEIT 5591
"Ulrike";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
922;Silber
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
15;Anzahl
567;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2700 6";Wahrnehmung
"900 2";Handeln
"3150 7";Wahrnehmung
GEGENSTAENDE
16;Speer
REGION 3 7
"Grünstätt";Name
"Wüste";Terrain
315;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
3794;Silber
189;Unterh
7;Rekruten
11;Lohn
PREISE
-13;Balsam
28;GewÃ¼rz
23;Juwel
38;Myrrhe
72;Ã–l
27;Seide
54;Weihrauch
DURCHREISE
"Boten (7847)"
UMGEBUNG
"Im w liegt Grünstätts Nachbarland."
BURG 5670
"Feste Grünstätt";Name
"Burg";Typ
79;Groesse
5667;Besitzer
7;Unterhalt
EINHEIT 5667
"Späher von Südwald";Name
4482;Partei
"Elf";Typ
52;Anzahl
5670;Burg
3353;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1560 1";Segeln
"6240 4";HolzfÃ¤llen
"3120 2";Segeln
REGION 4 7
"Nordmoor";Name
"Sumpf";Terrain
862;Bauern
348;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
3;Pferde
10306;Silber
515;Unterh
21;Rekruten
14;Lohn
74;Strasse
PREISE
-70;Balsam
7;GewÃ¼rz
34;Juwel
76;Myrrhe
38;Ã–l
51;Seide
33;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Nordmoors Nachbarland."
EINHEIT 5696
"Wachen von Eichenfurt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
38;Anzahl
1376;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3420 3";BogenschieÃŸen
"9120 8";Burgenbau
GEGENSTAENDE
15;Speer
68;Bogen
39;Eisen
EINHEIT 5697
"Bärbel";Name
3742;Partei
"Mensch";Typ
23;Anzahl
2;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 72"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"2070 3";HolzfÃ¤llen
GEGENSTAENDE
10;Pferd
33;Stein
EINHEIT 5711
"Reiter von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2192;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Wahrnehmung
"270 9";Segeln
"150 5";BogenschieÃŸen
EINHEIT 5737
"Späher von Ostfurt";Name
4482;Partei
"Elf";Typ
65;Anzahl
645;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1950 1";Hiebwaffen
GEGENSTAENDE
47;Pferd
14;Bogen
REGION 5 7
"Ostbrück";Name
"Ebene";Terrain
2967;Bauern
135;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
112;Pferde
55990;Silber
2799;Unterh
74;Rekruten
12;Lohn
PREISE
-78;Balsam
12;GewÃ¼rz
25;Juwel
19;Myrrhe
37;Ã–l
55;Seide
33;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Ostbrücks Nachbarland."
EINHEIT 5775
"Holzfäller von Ostfurt";Name
4482;Partei
"Elf";Typ
49;Anzahl
1886;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5880 4";HolzfÃ¤llen
GEGENSTAENDE
51;Schwert
80;Schild
75;Pferd
REGION 6 7
"Grünstätt";Name
"Berge";Terrain
415;Bauern
27;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
10;Pferde
2699;Silber
134;Unterh
10;Rekruten
15;Lohn
24;Eisen
PREISE
-36;Balsam
84;GewÃ¼rz
21;Juwel
39;Myrrhe
61;Ã–l
24;Seide
45;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Grünstätts Nachbarland."
EINHEIT 5793
"Bärbel";Name
4482;Partei
"Elf";Typ
2;Anzahl
313;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Burgenbau
"240 4";HolzfÃ¤llen
"360 6";Handeln
EINHEIT 5830
"Händler von Felstal";Name
4482;Partei
"Elf";Typ
55;Anzahl
2120;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"13200 8";Wahrnehmung
REGION 7 7
"Nordheim";Name
"Wüste";Terrain
225;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
13;Pferde
2074;Silber
103;Unterh
5;Rekruten
14;Lohn
PREISE
-36;Balsam
33;GewÃ¼rz
40;Juwel
45;Myrrhe
61;Ã–l
39;Seide
23;Weihrauch
DURCHREISE
"Boten (1295)"
UMGEBUNG
"Im sw liegt Nordheims Nachbarland."
EINHEIT 5867
"Händler von Felsmoor";Name
4482;Partei
"Elf";Typ
38;Anzahl
1;bewacht
886;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9120 8";Wahrnehmung
GEGENSTAENDE
23;Stein
EINHEIT 5895
"Grete";Name
4482;Partei
"Elf";Typ
61;Anzahl
1896;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"12810 7";BogenschieÃŸen
"16470 9";Bergbau
"12810 7";Reiten
GEGENSTAENDE
119;Pferd
EINHEIT 5916
"Grete";Name
4482;Partei
"Elf";Typ
5;Anzahl
1824;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"300 2";Burgenbau
"1350 9";HolzfÃ¤llen
"1050 7";Wahrnehmung
GEGENSTAENDE
7;Stein
4;Holz
EINHEIT 5790
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
742;Silber
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
REGION 8 7
"Bärenberg";Name
"Sumpf";Terrain
871;Bauern
258;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
21;Pferde
15242;Silber
762;Unterh
21;Rekruten
13;Lohn
PREISE
-41;Balsam
71;GewÃ¼rz
36;Juwel
34;Myrrhe
67;Ã–l
19;Seide
43;Weihrauch
UMGEBUNG
"Im sw liegt Bärenbergs Nachbarland."
EINHEIT 5937
"Holzfäller von Ostwald";Name
4482;Partei
"Elf";Typ
41;Anzahl
1;bewacht
2255;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6150 5";Burgenbau
GEGENSTAENDE
78;Kettenhemd
EINHEIT 5261
"Swaantje";Name
3742;Partei
"Mensch";Typ
18;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"4860 9";Segeln
"3780 7";BogenschieÃŸen
"3240 6";Wahrnehmung
GEGENSTAENDE
31;Holz
REGION 9 7
"Ozean";Terrain
200;Runde
REGION 10 7
"Ozean";Terrain
REGION 11 7
"Ozean";Terrain
REGION -4 8
"Grünau";Name
"Wald";Terrain
2284;Bauern
1056;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünau sind fleißig.";Beschr
52;Pferde
19463;Silber
973;Unterh
57;Rekruten
13;Lohn
PREISE
-38;Balsam
45;GewÃ¼rz
13;Juwel
41;Myrrhe
31;Ã–l
54;Seide
48;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Grünaus Nachbarland."
EINHEIT 5998
"Händler von Eichenmoor";Name
4482;Partei
"Elf";Typ
38;Anzahl
1;bewacht
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9120 8";Bergbau
GEGENSTAENDE
12;Schwert
38;Schild
EINHEIT 6003
"Jörg";Name
4482;Partei
"Elf";Typ
22;Anzahl
725;Silber
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
1;Anzahl
2;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Segeln
EINHEIT 6021
"Holzfäller von Grünwald";Name
3742;Partei
"Mensch";Typ
11;Anzahl
999;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"990 3";Reiten
"2640 8";Reiten
"1320 4";Reiten
REGION -3 8
"Südau";Name
"Hochland";Terrain
1803;Bauern
66;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
61;Pferde
14421;Silber
721;Unterh
45;Rekruten
15;Lohn
PREISE
-19;Balsam
15;GewÃ¼rz
66;Juwel
27;Myrrhe
43;Ã–l
28;Seide
15;Weihrauch
UMGEBUNG
"Im so liegt Südaus Nachbarland."
EINHEIT 6020
"Rüdiger";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
61;Anzahl
2607;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1830 1";Burgenbau
"9150 5";Reiten
"1830 1";Hiebwaffen
GEGENSTAENDE
79;Kettenhemd
25;Bogen
102;Eisen
EINHEIT 6056
"Ulrike";Name
4482;Partei
"Elf";Typ
36;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5400 5";Burgenbau
GEGENSTAENDE
9;Eisen
25;Schild
23;Stein
REGION -2 8
"Felsmoor";Name
"Wald";Terrain
2410;Bauern
1077;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
29;Pferde
22955;Silber
1147;Unterh
60;Rekruten
14;Lohn
52;Strasse
PREISE
-30;Balsam
46;GewÃ¼rz
55;Juwel
30;Myrrhe
35;Ã–l
24;Seide
4;Weihrauch
UMGEBUNG
"Im o liegt Felsmoors Nachbarland."
EINHEIT 6095
"Wachen von Mühlstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2711;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Reiten
"60 2";Burgenbau
"240 8";Handeln
GEGENSTAENDE
2;Holz
1;Speer
EINHEIT 6130
"Bergleute von Grünau";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
1;Parteitarnung
"Zwerg";Typ
32;Anzahl
1;bewacht
REGION -1 8
"Westmoor";Name
"Wüste";Terrain
326;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westmoor sind fleißig.";Beschr
14;Pferde
3931;Silber
196;Unterh
8;Rekruten
13;Lohn
PREISE
-36;Balsam
86;GewÃ¼rz
22;Juwel
15;Myrrhe
14;Ã–l
64;Seide
78;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Westmoors Nachbarland."
EINHEIT 6143
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1;Silber
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
40;Anzahl
1;bewacht
344;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"7200 6";Segeln
"4800 4";HolzfÃ¤llen
"6000 5";Handeln
EINHEIT 5417
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
607;Silber
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
3532;Bauern
113;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsheim sind fleißig.";Beschr
79;Pferde
42932;Silber
2146;Unterh
88;Rekruten
11;Lohn
PREISE
-10;Balsam
28;GewÃ¼rz
75;Juwel
18;Myrrhe
67;Ã–l
69;Seide
6;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im sw liegt Wolfsheims Nachbarland."
EINHEIT 6198
"Schützen von Eichenhausen";Name
4482;Partei
"Elf";Typ
41;Anzahl
2605;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3690 3";HolzfÃ¤llen
GEGENSTAENDE
16;Holz
17;Bogen
42;Holz
EINHEIT 6222
"Rüdiger";Name
4482;Partei
"Elf";Typ
1;Anzahl
1797;Silber
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
2;Anzahl
754;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 2";Wahrnehmung
"120 2";BogenschieÃŸen
"540 9";Handeln
GEGENSTAENDE
1;Holz
EINHEIT 6875
"Wachen von Kaltheim";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
2;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Reiten
"240 4";BogenschieÃŸen
REGION 1 8
"Nordstätt";Name
"Wüste";Terrain
364;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
2;Pferde
6889;Silber
344;Unterh
9;Rekruten
15;Lohn
PREISE
-6;Balsam
23;GewÃ¼rz
14;Juwel
23;Myrrhe
34;Ã–l
21;Seide
77;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Nordstätt!"
UMGEBUNG
"Im o liegt Nordstätts Nachbarland."
EINHEIT 6256
"Reiter von Kaltberg";Name
4482;Partei
"Elf";Typ
20;Anzahl
487;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4200 7";Handeln
EINHEIT 6177
"Späher von Grünfurt";Name
4482;Partei
"Elf";Typ
56;Anzahl
1;bewacht
2277;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3360 2";Handeln
"8400 5";Wahrnehmung
"15120 9";Reiten
GEGENSTAENDE
97;Pferd
REGION 2 8
"Westfurt";Name
"Ebene";Terrain
2285;Bauern
281;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
132;Pferde
47292;Silber
2364;Unterh
57;Rekruten
15;Lohn
PREISE
-37;Balsam
50;GewÃ¼rz
62;Juwel
59;Myrrhe
37;Ã–l
49;Seide
9;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Westfurts Nachbarland."
EINHEIT 6263
"Bergleute von Tannheim";Name
4482;Partei
"Elf";Typ
16;Anzahl
248;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4320 9";Handeln
"480 1";Handeln
GEGENSTAENDE
30;Bogen
1;Kettenhemd
19;Holz
REGION 3 8
"Südhausen";Name
"Ebene";Terrain
2351;Bauern
109;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
105;Pferde
35076;Silber
1753;Unterh
58;Rekruten
12;Lohn
PREISE
-4;Balsam
39;GewÃ¼rz
36;Juwel
5;Myrrhe
82;Ã–l
55;Seide
16;Weihrauch
UMGEBUNG
"Im nw liegt Südhausens Nachbarland."
EINHEIT 6284
"Reiter von Kaltberg";Name
6961;Partei
"Ork";Typ
36;Anzahl
EINHEIT 6306
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
911;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Tarnung
EINHEIT 5705
"Schützen von Grünbrück";Name
4482;Partei
"Elf";Typ
60;Anzahl
3;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"14400 8";Wahrnehmung
"16200 9";Tarnung
REGION 4 8
"Ostfurt";Name
"Ebene";Terrain
3963;Bauern
170;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
105;Pferde
19576;Silber
978;Unterh
99;Rekruten
15;Lohn
PREISE
-67;Balsam
26;GewÃ¼rz
71;Juwel
53;Myrrhe
19;Ã–l
51;Seide
23;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Ostfurts Nachbarland."
EINHEIT 6313
"Swaantje";Name
4482;Partei
"Elf";Typ
39;Anzahl
1843;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"10530 9";Handeln
"10530 9";BogenschieÃŸen
GEGENSTAENDE
35;Eisen
69;Eisen
26;Speer
EINHEIT 6341
"Späher von Felshausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
1391;Silber
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
2;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Segeln
"60 1";Tarnung
"300 5";Bergbau
GEGENSTAENDE
1;Kettenhemd
2;Schild
1;Stein
REGION 5 8
"Bärenau";Name
"Hochland";Terrain
619;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
33;Pferde
6642;Silber
332;Unterh
15;Rekruten
11;Lohn
79;Strasse
PREISE
-60;Balsam
40;GewÃ¼rz
63;Juwel
29;Myrrhe
20;Ã–l
21;Seide
48;Weihrauch
UMGEBUNG
"Im sw liegt Bärenaus Nachbarland."
BURG 6522
"Bau von Bärenau";Name
"Burg";Typ
236;Groesse
6487;Besitzer
23;Unterhalt
EINHEIT 6487
"Boten von Wolfshausen";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
14;Anzahl
6522;Burg
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1260 3";Burgenbau
"3360 8";Burgenbau
GEGENSTAENDE
22;Eisen
EINHEIT 6368
"Knut";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
22;Anzahl
1326;Silber
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
2167;Bauern
132;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
53;Pferde
36314;Silber
1815;Unterh
54;Rekruten
12;Lohn
PREISE
-70;Balsam
21;GewÃ¼rz
29;Juwel
57;Myrrhe
39;Ã–l
69;Seide
45;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Nordbergs Nachbarland."
EINHEIT 6550
"Wachen von Eichenwald";Name
4482;Partei
"Elf";Typ
37;Anzahl
173;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5550 5";Burgenbau
"6660 6";Bergbau
GEGENSTAENDE
22;Schwert
44;Bogen
EINHEIT 6581
"Reiter von Südhausen";Name
4482;Partei
"Elf";Typ
31;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2790 3";HolzfÃ¤llen
GEGENSTAENDE
17;Bogen
EINHEIT 6604
"Gundolf";Name
4482;Partei
"Elf";Typ
25;Anzahl
1463;Silber
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
198;Runde
1894;Bauern
467;Baeume
BURG 6655
"Feste Mühlwald";Name
"Burg";Typ
219;Groesse
6641;Besitzer
REGION 8 8
"Ozean";Terrain
REGION 9 8
"Ozean";Terrain
REGION 10 8
"Ozean";Terrain
REGION -4 9
"Wolfswald";Name
"Wüste";Terrain
191;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfswald sind fleißig.";Beschr
4;Pferde
2767;Silber
138;Unterh
4;Rekruten
12;Lohn
83;Strasse
PREISE
-37;Balsam
36;GewÃ¼rz
65;Juwel
42;Myrrhe
78;Ã–l
47;Seide
68;Weihrauch
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
1116;Silber
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
52;Anzahl
1937;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9360 6";BogenschieÃŸen
"12480 8";Hiebwaffen
EINHEIT 6757
"Knut";Name
4482;Partei
"Elf";Typ
59;Anzahl
190;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5310 3";Segeln
GEGENSTAENDE
97;Holz
35;Speer
24;Pferd
REGION -3 9
"Mühltal";Name
"Gletscher";Terrain
73;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühltal sind fleißig.";Beschr
2;Pferde
1431;Silber
71;Unterh
1;Rekruten
14;Lohn
11;Eisen
PREISE
-66;Balsam
14;GewÃ¼rz
42;Juwel
69;Myrrhe
61;Ã–l
50;Seide
61;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Mühltals Nachbarland."
EINHEIT 6787
"Händler von Bärenfurt";Name
4482;Partei
"Elf";Typ
57;Anzahl
1;bewacht
2381;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10260 6";Wahrnehmung
EINHEIT 6818
"Grete";Name
4482;Partei
"Elf";Typ
6;Anzahl
724;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1080 6";Hiebwaffen
"1080 6";Hiebwaffen
EINHEIT 6850
"Späher von Nordmoor";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
61;Anzahl
2353;Silber
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
1159;Silber
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
2409;Bauern
469;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
45;Pferde
47288;Silber
2364;Unterh
60;Rekruten
15;Lohn
PREISE
-5;Balsam
65;GewÃ¼rz
24;Juwel
45;Myrrhe
58;Ã–l
18;Seide
31;Weihrauch
UMGEBUNG
"Im sw liegt Bärenfurts Nachbarland."
EINHEIT 6151
"Händler von Eichenmoor";Name
4482;Partei
"Elf";Typ
43;Anzahl
1828;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2580 2";Reiten
"7740 6";Reiten
"3870 3";Handeln
GEGENSTAENDE
6;Eisen
EINHEIT 7915
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
861;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Reiten
"30 1";Reiten
"240 8";Hiebwaffen
GEGENSTAENDE
2;Holz
REGION -1 9
"Nordhausen";Name
"Wald";Terrain
1206;Bauern
1253;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
74;Pferde
18857;Silber
942;Unterh
30;Rekruten
15;Lohn
PREISE
-45;Balsam
68;GewÃ¼rz
54;Juwel
15;Myrrhe
22;Ã–l
17;Seide
5;Weihrauch
UMGEBUNG
"Im w liegt Nordhausens Nachbarland."
EINHEIT 6876
"Jörg";Name
4482;Partei
"Elf";Typ
20;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4800 8";Hiebwaffen
"1200 2";BogenschieÃŸen
EINHEIT 6879
"Holzfäller von Mühlwald";Name
4482;Partei
"Elf";Typ
1;Anzahl
3067;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Wahrnehmung
GEGENSTAENDE
1;Pferd
EINHEIT 6894
"Bergleute von Eichenbrück";Name
4482;Partei
"Elf";Typ
26;Anzahl
851;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1560 2";BogenschieÃŸen
REGION 0 9
"Südhausen";Name
"Ebene";Terrain
1993;Bauern
64;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
124;Pferde
37313;Silber
1865;Unterh
49;Rekruten
12;Lohn
PREISE
-42;Balsam
68;GewÃ¼rz
70;Juwel
77;Myrrhe
68;Ã–l
28;Seide
22;Weihrauch
UMGEBUNG
"Im w liegt Südhausens Nachbarland."
SCHIFF 7056
"Kahn von Südhausen";Name
"Karavelle";Typ
4;Kueste
7049;Kapitaen
0;Schaden
455;Ladung
500;MaxLadung
EINHEIT 6941
"Wachen von Mühlfurt";Name
4482;Partei
"Elf";Typ
10;Anzahl
820;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"300 1";Handeln
GEGENSTAENDE
17;Schild
EINHEIT 7009
"Wachen von Grüntal";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
EINHEIT 7049
"Swaantje";Name
4482;Partei
"Elf";Typ
32;Anzahl
7056;Schiff
2109;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"960 1";BogenschieÃŸen
"8640 9";HolzfÃ¤llen
"6720 7";Wahrnehmung
EINHEIT 6905
"Reiter von Mühlberg";Name
4482;Partei
"Elf";Typ
54;Anzahl
1;bewacht
2002;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8100 5";Hiebwaffen
"4860 3";Tarnung
"12960 8";BogenschieÃŸen
GEGENSTAENDE
73;Holz
EINHEIT 7084
"Jörg";Name
4482;Partei
"Elf";Typ
41;Anzahl
1;bewacht
1524;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6150 5";Reiten
"6150 5";Bergbau
"1230 1";Segeln
REGION 1 9
"Ostberg";Name
"Gletscher";Terrain
59;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostberg sind fleißig.";Beschr
2;Pferde
496;Silber
24;Unterh
1;Rekruten
13;Lohn
7;Eisen
20;Laen
PREISE
-39;Balsam
26;GewÃ¼rz
34;Juwel
14;Myrrhe
84;Ã–l
54;Seide
42;Weihrauch
UMGEBUNG
"Im sw liegt Ostbergs Nachbarland."
BURG 7175
"Feste Ostberg";Name
"Burg";Typ
160;Groesse
7067;Besitzer
16;Unterhalt
EINHEIT 7067
"Wachen von Mühlstätt";Name
4482;Partei
"Elf";Typ
8;Anzahl
1;bewacht
7175;Burg
1177;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"960 4";Reiten
"720 3";HolzfÃ¤llen
GEGENSTAENDE
4;Holz
EINHEIT 7145
"Hans";Name
4482;Partei
"Elf";Typ
47;Anzahl
42;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8460 6";Hiebwaffen
"4230 3";HolzfÃ¤llen
"11280 8";Bergbau
GEGENSTAENDE
65;Bogen
19;Kettenhemd
EINHEIT 7146
"Schützen von Westhausen";Name
4482;Partei
"Elf";Typ
9;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1890 7";Tarnung
GEGENSTAENDE
14;Stein
3;Kettenhemd
EINHEIT 7220
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
46;Anzahl
283;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9660 7";BogenschieÃŸen
"8280 6";HolzfÃ¤llen
GEGENSTAENDE
5;Eisen
35;Pferd
REGION 2 9
"Südbrück";Name
"Hochland";Terrain
1091;Bauern
49;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südbrück sind fleißig.";Beschr
19;Pferde
16025;Silber
801;Unterh
27;Rekruten
14;Lohn
PREISE
-15;Balsam
32;GewÃ¼rz
49;Juwel
47;Myrrhe
5;Ã–l
4;Seide
56;Weihrauch
UMGEBUNG
"Im w liegt Südbrücks Nachbarland."
EINHEIT 7196
"Öda";Name
4482;Partei
"Elf";Typ
3;Anzahl
420;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"540 6";Hiebwaffen
GEGENSTAENDE
2;Schwert
1;Schild
1;Stein
EINHEIT 8213
"Knut";Name
5666;Partei
"Zwerg";Typ
26;Anzahl
REGION 3 9
"Osttal";Name
"Hochland";Terrain
1298;Bauern
124;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
34;Pferde
19911;Silber
995;Unterh
32;Rekruten
15;Lohn
PREISE
-51;Balsam
22;GewÃ¼rz
74;Juwel
19;Myrrhe
45;Ã–l
33;Seide
26;Weihrauch
UMGEBUNG
"Im sw liegt Osttals Nachbarland."
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
53;Anzahl
2647;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH so w"
"; Zur Küste"
TALENTE
"1590 1";HolzfÃ¤llen
"9540 6";Hiebwaffen
"3180 2";Burgenbau
GEGENSTAENDE
46;Bogen
23;Bogen
27;Pferd
EINHEIT 7280
"Ulrike";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
EINHEIT 7284
"Schützen von Nordfurt";Name
5666;Partei
"Zwerg";Typ
20;Anzahl
EINHEIT 8124
"Gundolf";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
REGION 4 9
"Bärenfurt";Name
"Hochland";Terrain
715;Bauern
107;Baeume
UMGEBUNG
"Im w liegt Bärenfurts Nachbarland."
BURG 7418
"Bau von Bärenfurt";Name
"Burg";Typ
139;Groesse
7323;Besitzer
EINHEIT 7323
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
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
2386;Bauern
618;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
18;Pferde
39389;Silber
1969;Unterh
59;Rekruten
14;Lohn
PREISE
-33;Balsam
30;GewÃ¼rz
29;Juwel
6;Myrrhe
18;Ã–l
44;Seide
56;Weihrauch
DURCHREISE
"Boten (7061)"
UMGEBUNG
"Im w liegt Nordheims Nachbarland."
EINHEIT 7453
"Holzfäller von Bärenheim";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
EINHEIT 7474
"Wachen von Grünbrück";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
EINHEIT 7482
"Gundolf";Name
5666;Partei
"Zwerg";Typ
13;Anzahl
EINHEIT 7496
"Boten von Eichenwald";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
EINHEIT 7532
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
15;Anzahl
EINHEIT 7554
"Grete";Name
3742;Partei
"Mensch";Typ
42;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"11340 9";Hiebwaffen
"2520 2";HolzfÃ¤llen
GEGENSTAENDE
53;Schwert
3;Pferd
80;Bogen
REGION 6 9
"Ostbrück";Name
"Ebene";Terrain
2728;Bauern
56;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
92;Pferde
45994;Silber
2299;Unterh
68;Rekruten
11;Lohn
PREISE
-65;Balsam
34;GewÃ¼rz
29;Juwel
26;Myrrhe
33;Ã–l
4;Seide
52;Weihrauch
UMGEBUNG
"Im so liegt Ostbrücks Nachbarland."
EINHEIT 7568
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
29;Anzahl
EINHEIT 7621
"Wachen von Nordberg";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 7695
"Händler von Bärenberg";Name
5666;Partei
"Zwerg";Typ
33;Anzahl
EINHEIT 6535
"Bergleute von Eichenhausen";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
34;Anzahl
2965;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2040 2";Handeln
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
36;Anzahl
7719;Schiff
REGION 10 9
"Ozean";Terrain
199;Runde
REGION -5 10
"Bärental";Name
"Wüste";Terrain
291;Bauern
2;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
1;Pferde
5160;Silber
258;Unterh
7;Rekruten
14;Lohn
PREISE
-14;Balsam
9;GewÃ¼rz
34;Juwel
57;Myrrhe
33;Ã–l
10;Seide
46;Weihrauch
UMGEBUNG
"Im sw liegt Bärentals Nachbarland."
BURG 7851
"Feste Bärental";Name
"Burg";Typ
121;Groesse
7740;Besitzer
12;Unterhalt
EINHEIT 7740
"Schützen von Ostheim";Name
4482;Partei
"Elf";Typ
2;Anzahl
7851;Burg
443;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Wahrnehmung
EINHEIT 7769
"Knut";Name
4482;Partei
"Elf";Typ
55;Anzahl
7851;Burg
549;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4950 3";Hiebwaffen
"1650 1";HolzfÃ¤llen
GEGENSTAENDE
17;Speer
37;Bogen
83;Schwert
EINHEIT 7796
"Späher von Nordfurt";Name
4482;Partei
"Elf";Typ
35;Anzahl
2384;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4200 4";Segeln
GEGENSTAENDE
25;Speer
61;Kettenhemd
30;Bogen
EINHEIT 7834
"Bärbel";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
6;Anzahl
663;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"720 4";Reiten
"1080 6";Tarnung
"1620 9";Tarnung
EINHEIT 7843
"Boten von Tannhausen";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
27;Anzahl
7851;Burg
346;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4860 6";Segeln
"7290 9";BogenschieÃŸen
"1620 2";Burgenbau
GEGENSTAENDE
32;Eisen
REGION -4 10
"Ostau";Name
"Ebene";Terrain
2708;Bauern
61;Baeume
UMGEBUNG
"Im no liegt Ostaus Nachbarland."
EINHEIT 8497
"Jörg";Name
6961;Partei
"Ork";Typ
41;Anzahl
REGION -3 10
"Kalthausen";Name
"Wüste";Terrain
320;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
2;Pferde
3481;Silber
174;Unterh
8;Rekruten
13;Lohn
PREISE
-49;Balsam
55;GewÃ¼rz
46;Juwel
29;Myrrhe
64;Ã–l
60;Seide
8;Weihrauch
UMGEBUNG
"Im so liegt Kalthausens Nachbarland."
EINHEIT 7876
"Bergleute von Wolfsbrück";Name
4482;Partei
"Elf";Typ
33;Anzahl
248;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1980 2";HolzfÃ¤llen
"2970 3";Hiebwaffen
GEGENSTAENDE
59;Bogen
8;Speer
EINHEIT 7900
"Holzfäller von Wolfsbrück";Name
4482;Partei
"Elf";Typ
21;Anzahl
459;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4410 7";Reiten
"5670 9";Reiten
GEGENSTAENDE
16;Kettenhemd
35;Stein
17;Holz
EINHEIT 7908
"Händler von Ostfurt";Name
3742;Partei
"Mensch";Typ
50;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"4500 3";Handeln
"3000 2";Tarnung
EINHEIT 7865
"Jörg";Name
4482;Partei
"Elf";Typ
51;Anzahl
1681;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"6120 4";Tarnung
"13770 9";Burgenbau
REGION -2 10
"Nordhausen";Name
"Sumpf";Terrain
353;Bauern
408;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
4;Pferde
6190;Silber
309;Unterh
8;Rekruten
11;Lohn
PREISE
-42;Balsam
60;GewÃ¼rz
78;Juwel
35;Myrrhe
25;Ã–l
7;Seide
63;Weihrauch
DURCHREISE
"Boten (2354)"
UMGEBUNG
"Im sw liegt Nordhausens Nachbarland."
EINHEIT 7947
"Gundolf";Name
6961;Partei
"Ork";Typ
13;Anzahl
EINHEIT 7948
"Hans";Name
4482;Partei
"Elf";Typ
62;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3720 2";BogenschieÃŸen
"1860 1";Handeln
GEGENSTAENDE
106;Holz
108;Speer
38;Kettenhemd
EINHEIT 7974
"Swaantje";Name
4482;Partei
"Elf";Typ
55;Anzahl
3062;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4950 3";Segeln
"9900 6";Tarnung
REGION -1 10
"Bärenbrück";Name
"Berge";Terrain
419;Bauern
11;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
9;Pferde
5782;Silber
289;Unterh
10;Rekruten
11;Lohn
58;Eisen
17;Laen
PREISE
-29;Balsam
47;GewÃ¼rz
47;Juwel
35;Myrrhe
35;Ã–l
8;Seide
13;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Bärenbrücks Nachbarland."
EINHEIT 8038
"Gundolf";Name
4482;Partei
"Elf";Typ
20;Anzahl
3000;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4200 7";Wahrnehmung
GEGENSTAENDE
21;Kettenhemd
EINHEIT 8061
"Reiter von Eichenstätt";Name
4482;Partei
"Elf";Typ
25;Anzahl
1195;Silber
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
EINHEIT 9200
"Reiter von Eichenwald";Name
4482;Partei
"Elf";Typ
19;Anzahl
431;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"570 1";BogenschieÃŸen
REGION 0 10
"Mühlheim";Name
"Wald";Terrain
1283;Bauern
520;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
16;Pferde
9952;Silber
497;Unterh
32;Rekruten
13;Lohn
75;Strasse
PREISE
-71;Balsam
28;GewÃ¼rz
24;Juwel
61;Myrrhe
19;Ã–l
37;Seide
53;Weihrauch
UMGEBUNG
"Im no liegt Mühlheims Nachbarland."
EINHEIT 6978
"Bergleute von Mühltal";Name
4482;Partei
"Elf";Typ
3;Anzahl
1684;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"630 7";Handeln
GEGENSTAENDE
1;Eisen
REGION 1 10
"Mühlfurt";Name
"Wald";Terrain
2592;Bauern
460;Baeume
UMGEBUNG
"Im o liegt Mühlfurts Nachbarland."
EINHEIT 8094
"Holzfäller von Nordau";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
1;bewacht
REGION 2 10
"Südfurt";Name
"Wüste";Terrain
338;Bauern
0;Baeume
UMGEBUNG
"Im no liegt Südfurts Nachbarland."
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
37;Anzahl
1;bewacht
EINHEIT 8217
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
10;Anzahl
REGION 3 10
"Ostbrück";Name
"Gletscher";Terrain
198;Runde
65;Bauern
1;Baeume
REGION 4 10
"Felstal";Name
"Ebene";Terrain
1813;Bauern
162;Baeume
UMGEBUNG
"Im o liegt Felstals Nachbarland."
EINHEIT 8277
"Gundolf";Name
1;Parteitarnung
"Zwerg";Typ
46;Anzahl
EINHEIT 8303
"Swaantje";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
REGION 5 10
"Ostfurt";Name
"Ebene";Terrain
1589;Bauern
181;Baeume
UMGEBUNG
"Im sw liegt Ostfurts Nachbarland."
EINHEIT 8340
"Knut";Name
5666;Partei
"Zwerg";Typ
62;Anzahl
EINHEIT 8365
"Boten von Kaltfurt";Name
5666;Partei
"Zwerg";Typ
11;Anzahl
REGION 6 10
"Ozean";Terrain
REGION 7 10
"Ozean";Terrain
REGION 8 10
"Ozean";Terrain
201;Runde
REGION 9 10
"Ozean";Terrain
REGION -5 11
"Nordheim";Name
"Ebene";Terrain
1368;Bauern
87;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
47;Pferde
12047;Silber
602;Unterh
34;Rekruten
13;Lohn
PREISE
-69;Balsam
59;GewÃ¼rz
56;Juwel
19;Myrrhe
58;Ã–l
74;Seide
53;Weihrauch
DURCHREISE
"Boten (3624)"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
BURG 8421
"Feste Nordheim";Name
"Burg";Typ
17;Groesse
8388;Besitzer
1;Unterhalt
EINHEIT 8388
"Grete";Name
4482;Partei
"Elf";Typ
22;Anzahl
8421;Burg
851;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3960 6";Bergbau
GEGENSTAENDE
12;Pferd
22;Holz
EINHEIT 8402
"Wachen von Südheim";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
39;Anzahl
1826;Silber
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
2174;Bauern
84;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünhausen sind fleißig.";Beschr
32;Pferde
14579;Silber
728;Unterh
54;Rekruten
15;Lohn
46;Strasse
PREISE
-9;Balsam
25;GewÃ¼rz
19;Juwel
29;Myrrhe
20;Ã–l
82;Seide
59;Weihrauch
UMGEBUNG
"Im nw liegt Grünhausens Nachbarland."
EINHEIT 8445
"Boten von Felsau";Name
4482;Partei
"Elf";Typ
2;Anzahl
1685;Silber
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
36;Anzahl
1278;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"4320 4";Bergbau
"4320 4";HolzfÃ¤llen
"8640 8";Wahrnehmung
GEGENSTAENDE
68;Kettenhemd
EINHEITSBOTSCHAFTEN
"Schützen von Grünau hat Hunger."
EINHEIT 8475
"Holzfäller von Kaltwald";Name
6961;Partei
"Ork";Typ
24;Anzahl
EINHEIT 8496
"Schützen von Nordfurt";Name
4482;Partei
"Elf";Typ
38;Anzahl
717;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9120 8";Handeln
"4560 4";Handeln
REGION -3 11
"Felstal";Name
"Hochland";Terrain
1422;Bauern
46;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felstal sind fleißig.";Beschr
59;Pferde
9860;Silber
493;Unterh
35;Rekruten
14;Lohn
PREISE
-46;Balsam
64;GewÃ¼rz
25;Juwel
59;Myrrhe
15;Ã–l
23;Seide
8;Weihrauch
UMGEBUNG
"Im sw liegt Felstals Nachbarland."
EINHEIT 8506
"Swaantje";Name
4482;Partei
"Elf";Typ
4;Anzahl
1298;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"480 4";Segeln
EINHEIT 8529
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
2157;Silber
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
60;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5400 3";Reiten
"10800 6";Wahrnehmung
"12600 7";Tarnung
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
65;Anzahl
2924;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3900 2";Burgenbau
"3900 2";Tarnung
"15600 8";Burgenbau
EINHEIT 9073
"Ulrike";Name
4482;Partei
"Elf";Typ
47;Anzahl
2253;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5640 4";BogenschieÃŸen
"11280 8";BogenschieÃŸen
"8460 6";Handeln
GEGENSTAENDE
65;Schwert
18;Holz
40;Stein
REGION -2 11
"Südwald";Name
"Berge";Terrain
555;Bauern
24;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südwald sind fleißig.";Beschr
16;Pferde
6685;Silber
334;Unterh
13;Rekruten
13;Lohn
27;Eisen
PREISE
-26;Balsam
28;GewÃ¼rz
16;Juwel
67;Myrrhe
28;Ã–l
69;Seide
11;Weihrauch
UMGEBUNG
"Im nw liegt Südwalds Nachbarland."
EINHEIT 8636
"Swaantje";Name
5666;Partei
"Zwerg";Typ
61;Anzahl
1;bewacht
EINHEIT 8649
"Bärbel";Name
4482;Partei
"Elf";Typ
2;Anzahl
1446;Silber
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
37;Anzahl
2577;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5550 5";HolzfÃ¤llen
"3330 3";Segeln
"2220 2";Hiebwaffen
GEGENSTAENDE
15;Bogen
51;Pferd
EINHEIT 8002
"Gundolf";Name
6961;Partei
"Ork";Typ
63;Anzahl
REGION -1 11
"Ostfurt";Name
"Wüste";Terrain
267;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
8;Pferde
4683;Silber
234;Unterh
6;Rekruten
12;Lohn
PREISE
-6;Balsam
34;GewÃ¼rz
53;Juwel
26;Myrrhe
14;Ã–l
78;Seide
70;Weihrauch
UMGEBUNG
"Im so liegt Ostfurts Nachbarland."
EINHEIT 8710
"Bärbel";Name
4482;Partei
"Elf";Typ
36;Anzahl
1;bewacht
320;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3240 3";Reiten
GEGENSTAENDE
41;Holz
23;Stein
EINHEIT 8741
"Händler von Kalttal";Name
4482;Partei
"Elf";Typ
17;Anzahl
1026;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4080 8";Bergbau
GEGENSTAENDE
6;Stein
EINHEIT 9269
"Gundolf";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
REGION 0 11
"Oststätt";Name
"Ebene";Terrain
2190;Bauern
146;Baeume
UMGEBUNG
"Im no liegt Oststätts Nachbarland."
REGION 1 11
"Tannberg";Name
"Ebene";Terrain
200;Runde
1902;Bauern
126;Baeume
BURG 8825
"Bau von Tannberg";Name
"Hafen";Typ
183;Groesse
8759;Besitzer
REGION 2 11
"Oststätt";Name
"Wüste";Terrain
432;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Oststätts Nachbarland."
BURG 8869
"Feste Oststätt";Name
"Burg";Typ
214;Groesse
8859;Besitzer
EINHEIT 8859
"Hans";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
8869;Burg
EINHEIT 9548
"Swaantje";Name
5666;Partei
"Zwerg";Typ
57;Anzahl
EINHEIT 9569
"Händler von Ostbrück";Name
5666;Partei
"Zwerg";Typ
58;Anzahl
EINHEIT 9529
"Öda";Name
5666;Partei
"Zwerg";Typ
69;Anzahl
REGION 3 11
"Ostau";Name
"Berge";Terrain
532;Bauern
13;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostau sind fleißig.";Beschr
7;Pferde
8379;Silber
418;Unterh
13;Rekruten
11;Lohn
16;Eisen
3;Laen
PREISE
-15;Balsam
29;GewÃ¼rz
67;Juwel
42;Myrrhe
31;Ã–l
12;Seide
47;Weihrauch
UMGEBUNG
"Im nw liegt Ostaus Nachbarland."
EINHEIT 8876
"Jörg";Name
6961;Partei
"Ork";Typ
12;Anzahl
EINHEIT 8877
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2471;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so w"
"; Zur Küste"
TALENTE
"60 2";Bergbau
"120 4";Wahrnehmung
REGION 4 11
"Eichenberg";Name
"Ebene";Terrain
2961;Bauern
271;Baeume
UMGEBUNG
"Im sw liegt Eichenbergs Nachbarland."
EINHEIT 8904
"Händler von Mühltal";Name
5666;Partei
"Zwerg";Typ
21;Anzahl
1;bewacht
REGION 5 11
"Ozean";Terrain
REGION 6 11
"Felsberg";Name
"Wüste";Terrain
199;Runde
232;Bauern
0;Baeume
REGION 7 11
"Ozean";Terrain
REGION 8 11
"Ozean";Terrain
REGION 9 11
"Ozean";Terrain
REGION -6 12
"Nordmoor";Name
"Wald";Terrain
1735;Bauern
946;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
56;Pferde
15391;Silber
769;Unterh
43;Rekruten
15;Lohn
PREISE
-50;Balsam
34;GewÃ¼rz
58;Juwel
20;Myrrhe
61;Ã–l
52;Seide
61;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Nordmoor!"
DURCHREISE
"Boten (1873)"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Nordmoors Nachbarland."
EINHEIT 8933
"Boten von Tannhausen";Name
4482;Partei
"Elf";Typ
48;Anzahl
1464;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"12960 9";BogenschieÃŸen
"2880 2";Reiten
GEGENSTAENDE
44;Speer
89;Stein
EINHEIT 8965
"Wachen von Westfurt";Name
4482;Partei
"Elf";Typ
31;Anzahl
1;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5580 6";Reiten
"5580 6";BogenschieÃŸen
EINHEIT 8977
"Rüdiger";Name
4482;Partei
"Elf";Typ
2;Anzahl
526;Silber
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
50;Anzahl
793;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10500 7";Segeln
"6000 4";BogenschieÃŸen
"3000 2";HolzfÃ¤llen
GEGENSTAENDE
12;Eisen
72;Schwert
EINHEIT 9003
"Hans";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
REGION -5 12
"Weststätt";Name
"Berge";Terrain
289;Bauern
25;Baeume
UMGEBUNG
"Im no liegt Weststätts Nachbarland."
EINHEIT 9038
"Reiter von Osttal";Name
6961;Partei
"Ork";Typ
19;Anzahl
1;bewacht
EINHEIT 9062
"Hans";Name
5666;Partei
"Zwerg";Typ
10;Anzahl
REGION -4 12
"Kaltberg";Name
"Wald";Terrain
990;Bauern
841;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltberg sind fleißig.";Beschr
77;Pferde
11032;Silber
551;Unterh
24;Rekruten
15;Lohn
PREISE
-31;Balsam
8;GewÃ¼rz
55;Juwel
55;Myrrhe
24;Ã–l
66;Seide
29;Weihrauch
UMGEBUNG
"Im no liegt Kaltbergs Nachbarland."
EINHEIT 9072
"Schützen von Bärenstätt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
8;Anzahl
EINHEIT 9080
"Jörg";Name
4482;Partei
"Elf";Typ
24;Anzahl
2284;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2880 4";Tarnung
"4320 6";Burgenbau
"2160 3";Wahrnehmung
GEGENSTAENDE
43;Stein
26;Stein
REGION -3 12
"Eichental";Name
"Wald";Terrain
1492;Bauern
613;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
29;Pferde
14536;Silber
726;Unterh
37;Rekruten
15;Lohn
83;Strasse
PREISE
-32;Balsam
21;GewÃ¼rz
81;Juwel
86;Myrrhe
49;Ã–l
19;Seide
71;Weihrauch
UMGEBUNG
"Im w liegt Eichentals Nachbarland."
BURG 9115
"Bau von Eichental";Name
"Burg";Typ
224;Groesse
8607;Besitzer
22;Unterhalt
EINHEIT 8607
"Gundolf";Name
4482;Partei
"Elf";Typ
33;Anzahl
2;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1980 2";HolzfÃ¤llen
GEGENSTAENDE
12;Stein
61;Pferd
28;Kettenhemd
REGION -2 12
"Südau";Name
"Wald";Terrain
1898;Bauern
506;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
33;Pferde
13113;Silber
655;Unterh
47;Rekruten
15;Lohn
PREISE
-12;Balsam
48;GewÃ¼rz
21;Juwel
6;Myrrhe
67;Ã–l
88;Seide
55;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südau!"
UMGEBUNG
"Im sw liegt Südaus Nachbarland."
EINHEIT 9144
"Späher von Bärenmoor";Name
4482;Partei
"Elf";Typ
2;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";BogenschieÃŸen
"420 7";Handeln
"180 3";Burgenbau
GEGENSTAENDE
2;Bogen
2;Schwert
2;Bogen
EINHEIT 9162
"Schützen von Kaltberg";Name
4482;Partei
"Elf";Typ
47;Anzahl
2237;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"12690 9";Burgenbau
"11280 8";Burgenbau
"2820 2";Burgenbau
GEGENSTAENDE
31;Bogen
EINHEIT 9866
"Swaantje";Name
4482;Partei
"Elf";Typ
17;Anzahl
1876;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4080 8";Burgenbau
"1530 3";HolzfÃ¤llen
GEGENSTAENDE
3;Stein
21;Schild
20;Kettenhemd
REGION -1 12
"Kaltfurt";Name
"Gletscher";Terrain
198;Runde
42;Bauern
2;Baeume
REGION 0 12
"Westwald";Name
"Gletscher";Terrain
67;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westwald sind fleißig.";Beschr
1;Pferde
1029;Silber
51;Unterh
1;Rekruten
11;Lohn
17;Eisen
PREISE
-27;Balsam
47;GewÃ¼rz
7;Juwel
10;Myrrhe
67;Ã–l
28;Seide
6;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Westwalds Nachbarland."
BURG 9458
"Feste Westwald";Name
"Burg";Typ
143;Groesse
9332;Besitzer
14;Unterhalt
EINHEIT 9332
"Grete";Name
5666;Partei
"Zwerg";Typ
46;Anzahl
9458;Burg
EINHEIT 9371
"Bergleute von Nordberg";Name
5666;Partei
"Zwerg";Typ
36;Anzahl
1;bewacht
EINHEIT 9389
"Boten von Tannheim";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
9458;Burg
EINHEIT 9397
"Schützen von Südau";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
9458;Burg
EINHEIT 9418
"Swaantje";Name
6961;Partei
"Ork";Typ
49;Anzahl
EINHEIT 9422
"Gundolf";Name
5666;Partei
"Zwerg";Typ
8;Anzahl
1;bewacht
EINHEIT 9231
"Händler von Eichenwald";Name
4482;Partei
"Elf";Typ
32;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4800 5";Burgenbau
"3840 4";HolzfÃ¤llen
"1920 2";Burgenbau
GEGENSTAENDE
54;Schwert
REGION 1 12
"Nordfurt";Name
"Gletscher";Terrain
32;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
3;Pferde
377;Silber
18;Unterh
0;Rekruten
11;Lohn
57;Strasse
80;Eisen
4;Laen
PREISE
-28;Balsam
71;GewÃ¼rz
24;Juwel
45;Myrrhe
5;Ã–l
16;Seide
70;Weihrauch
DURCHREISE
"Boten (5735)"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im w liegt Nordfurts Nachbarland."
EINHEIT 9492
"Reiter von Südfurt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
4;Anzahl
EINHEIT 9527
"Ulrike";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"720 8";HolzfÃ¤llen
"450 5";Segeln
"810 9";Bergbau
REGION 2 12
"Bärenmoor";Name
"Wüste";Terrain
379;Bauern
0;Baeume
UMGEBUNG
"Im o liegt Bärenmoors Nachbarland."
EINHEIT 9461
"Wachen von Bärenberg";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
EINHEIT 9476
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
1;bewacht
REGION 3 12
"Mühlfurt";Name
"Ebene";Terrain
2001;Bauern
147;Baeume
UMGEBUNG
"Im sw liegt Mühlfurts Nachbarland."
EINHEIT 9575
"Wachen von Wolfsbrück";Name
5666;Partei
"Zwerg";Typ
59;Anzahl
EINHEIT 9584
"Bärbel";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9595
"Öda";Name
5666;Partei
"Zwerg";Typ
48;Anzahl
EINHEIT 9608
"Swaantje";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
EINHEIT 8899
"Bergleute von Eichenmoor";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 4 12
"Ozean";Terrain
201;Runde
REGION 5 12
"Ozean";Terrain
REGION 6 12
"Ozean";Terrain
REGION 7 12
"Felsheim";Name
"Ebene";Terrain
1838;Bauern
122;Baeume
UMGEBUNG
"Im no liegt Felsheims Nachbarland."
EINHEIT 9634
"Holzfäller von Eichenwald";Name
5666;Partei
"Zwerg";Typ
43;Anzahl
REGION 8 12
"Mühlwald";Name
"Ebene";Terrain
3824;Bauern
122;Baeume
UMGEBUNG
"Im so liegt Mühlwalds Nachbarland."
EINHEIT 9672
"Bärbel";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 9679
"Reiter von Felsberg";Name
5666;Partei
"Zwerg";Typ
58;Anzahl
1;bewacht
EINHEIT 9683
"Händler von Eichental";Name
5666;Partei
"Zwerg";Typ
56;Anzahl
EINHEIT 9721
"Reiter von Südstätt";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
EINHEIT 9725
"Holzfäller von Felstal";Name
5666;Partei
"Zwerg";Typ
60;Anzahl
EINHEIT 9650
"Reiter von Bärenau";Name
5666;Partei
"Zwerg";Typ
47;Anzahl
REGION -6 13
"Wolfstal";Name
"Sumpf";Terrain
586;Bauern
153;Baeume
UMGEBUNG
"Im o liegt Wolfstals Nachbarland."
REGION -5 13
"Nordfurt";Name
"Wüste";Terrain
415;Bauern
2;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
4;Pferde
3097;Silber
154;Unterh
10;Rekruten
14;Lohn
PREISE
-68;Balsam
57;GewÃ¼rz
45;Juwel
16;Myrrhe
25;Ã–l
18;Seide
7;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Nordfurts Nachbarland."
EINHEIT 9738
"Jörg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
25;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2250 3";Hiebwaffen
"750 1";Tarnung
GEGENSTAENDE
34;Stein
7;Pferd
EINHEIT 9761
"Bärbel";Name
4482;Partei
"Elf";Typ
39;Anzahl
1974;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7020 6";HolzfÃ¤llen
GEGENSTAENDE
26;Bogen
50;Bogen
68;Speer
REGION -4 13
"Kaltbrück";Name
"Hochland";Terrain
1280;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltbrück sind fleißig.";Beschr
3;Pferde
19590;Silber
979;Unterh
32;Rekruten
13;Lohn
PREISE
-73;Balsam
27;GewÃ¼rz
18;Juwel
56;Myrrhe
57;Ã–l
71;Seide
77;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kaltbrück!"
UMGEBUNG
"Im o liegt Kaltbrücks Nachbarland."
EINHEIT 9777
"Jörg";Name
4482;Partei
"Elf";Typ
62;Anzahl
276;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9300 5";Reiten
"16740 9";Burgenbau
"14880 8";Tarnung
EINHEIT 9816
"Händler von Wolfshausen";Name
4482;Partei
"Elf";Typ
42;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5040 4";Burgenbau
EINHEIT 9818
"Ulrike";Name
4482;Partei
"Elf";Typ
40;Anzahl
2165;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2400 2";Wahrnehmung
"3600 3";Wahrnehmung
GEGENSTAENDE
34;Schild
42;Speer
44;Schwert
REGION -3 13
"Bärenbrück";Name
"Gletscher";Terrain
65;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
1;Pferde
697;Silber
34;Unterh
1;Rekruten
15;Lohn
8;Eisen
14;Laen
PREISE
-21;Balsam
43;GewÃ¼rz
68;Juwel
63;Myrrhe
19;Ã–l
58;Seide
63;Weihrauch
UMGEBUNG
"Im w liegt Bärenbrücks Nachbarland."
EINHEIT 9830
"Bärbel";Name
4482;Partei
"Elf";Typ
24;Anzahl
2112;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1440 2";BogenschieÃŸen
GEGENSTAENDE
44;Speer
2;Kettenhemd
EINHEIT 9841
"Gundolf";Name
4482;Partei
"Elf";Typ
27;Anzahl
1;bewacht
1521;Silber
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
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
4;Anzahl
3664;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 86"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Mühlmoor bleibt hier"
TALENTE
"120 1";Handeln
GEGENSTAENDE
12;Speer
1;Stein
EINHEITSBOTSCHAFTEN
"Reiter von Mühlmoor hat Hunger."
EINHEIT 9977
"Wachen von Wolfstal";Name
4482;Partei
"Elf";Typ
25;Anzahl
1;bewacht
403;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5250 7";Wahrnehmung
REGION -2 13
"Wolfsstätt";Name
"Wüste";Terrain
462;Bauern
0;Baeume
UMGEBUNG
"Im o liegt Wolfsstätts Nachbarland."
EINHEIT 9907
"Hans";Name
6961;Partei
"Ork";Typ
61;Anzahl
EINHEIT 9941
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
EINHEIT 9978
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION -1 13
"Südhausen";Name
"Gletscher";Terrain
70;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
1;Pferde
959;Silber
47;Unterh
1;Rekruten
11;Lohn
46;Eisen
PREISE
-55;Balsam
49;GewÃ¼rz
72;Juwel
7;Myrrhe
18;Ã–l
4;Seide
21;Weihrauch
UMGEBUNG
"Im sw liegt Südhausens Nachbarland."
EINHEIT 9996
"Händler von Grünwald";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw nw"
"; Zur Küste"
TALENTE
"210 7";Segeln
GEGENSTAENDE
2;Stein
EINHEIT 10029
"Hans";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
1;bewacht
REGION 0 13
"Nordfurt";Name
"Ebene";Terrain
1532;Bauern
91;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
36;Pferde
20145;Silber
1007;Unterh
38;Rekruten
15;Lohn
20;Strasse
PREISE
-13;Balsam
38;GewÃ¼rz
39;Juwel
36;Myrrhe
56;Ã–l
52;Seide
65;Weihrauch
UMGEBUNG
"Im nw liegt Nordfurts Nachbarland."
EINHEIT 10039
"Bärbel";Name
4482;Partei
"Elf";Typ
19;Anzahl
839;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1710 3";BogenschieÃŸen
"5130 9";Bergbau
GEGENSTAENDE
20;Schwert
5;Bogen
32;Stein
REGION 1 13
"Ozean";Terrain
REGION 2 13
"Ozean";Terrain
199;Runde
REGION 3 13
"Ozean";Terrain
REGION 4 13
"Ozean";Terrain
REGION 5 13
"Ozean";Terrain
REGION 6 13
"Ozean";Terrain
REGION 7 13
"Ozean";Terrain
198;Runde
REGION 8 13
"Ozean";Terrain
REGION -7 14
"Wolfstal";Name
"Ebene";Terrain
2732;Bauern
54;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
61;Pferde
53254;Silber
2662;Unterh
68;Rekruten
13;Lohn
PREISE
-77;Balsam
17;GewÃ¼rz
34;Juwel
29;Myrrhe
14;Ã–l
29;Seide
21;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Wolfstal!"
UMGEBUNG
"Im no liegt Wolfstals Nachbarland."
BURG 10078
"Bau von Wolfstal";Name
"Burg";Typ
127;Groesse
10057;Besitzer
12;Unterhalt
EINHEIT 10057
"Hans";Name
4482;Partei
"Elf";Typ
12;Anzahl
10078;Burg
945;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1800 5";BogenschieÃŸen
EINHEIT 10076
"Hans";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
50;Anzahl
1860;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"9000 6";Reiten
"13500 9";HolzfÃ¤llen
"3000 2";Hiebwaffen
GEGENSTAENDE
66;Holz
67;Stein
REGION -6 14
"Eichental";Name
"Hochland";Terrain
1625;Bauern
97;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
0;Pferde
19565;Silber
978;Unterh
40;Rekruten
13;Lohn
PREISE
-28;Balsam
80;GewÃ¼rz
15;Juwel
33;Myrrhe
52;Ã–l
65;Seide
71;Weihrauch
UMGEBUNG
"Im o liegt Eichentals Nachbarland."
EINHEIT 10092
"Bergleute von Wolfstal";Name
4482;Partei
"Elf";Typ
32;Anzahl
1;bewacht
2181;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8640 9";BogenschieÃŸen
"960 1";Handeln
"6720 7";Tarnung
GEGENSTAENDE
19;Schwert
56;Bogen
REGION -5 14
"Nordau";Name
"Berge";Terrain
482;Bauern
14;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordau sind fleißig.";Beschr
1;Pferde
2347;Silber
117;Unterh
12;Rekruten
13;Lohn
65;Eisen
1;Laen
PREISE
-61;Balsam
74;GewÃ¼rz
50;Juwel
71;Myrrhe
39;Ã–l
41;Seide
44;Weihrauch
UMGEBUNG
"Im w liegt Nordaus Nachbarland."
BURG 10213
"Feste Nordau";Name
"Burg";Typ
172;Groesse
10113;Besitzer
17;Unterhalt
EINHEIT 10113
"Bergleute von Bärenwald";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
33;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw sw"
"; Zur Küste"
TALENTE
"1980 2";Wahrnehmung
GEGENSTAENDE
35;Holz
22;Eisen
34;Schild
EINHEIT 10125
"Bärbel";Name
4482;Partei
"Elf";Typ
1;Anzahl
2216;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Reiten
EINHEIT 10141
"Öda";Name
4482;Partei
"Elf";Typ
20;Anzahl
844;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5400 9";Handeln
"1200 2";Hiebwaffen
"5400 9";Burgenbau
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
583;Bauern
27;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
20;Pferde
11698;Silber
584;Unterh
14;Rekruten
12;Lohn
21;Eisen
PREISE
-36;Balsam
45;GewÃ¼rz
74;Juwel
29;Myrrhe
40;Ã–l
78;Seide
23;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (6209)"
UMGEBUNG
"Im nw liegt Mühlwalds Nachbarland."
BURG 10344
"Feste Mühlwald";Name
"Burg";Typ
41;Groesse
10236;Besitzer
4;Unterhalt
EINHEIT 10236
"Knut";Name
4482;Partei
"Elf";Typ
57;Anzahl
1;bewacht
10344;Burg
662;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"10260 6";Hiebwaffen
"6840 4";Segeln
GEGENSTAENDE
79;Pferd
71;Eisen
69;Speer
EINHEIT 10246
"Jörg";Name
4482;Partei
"Elf";Typ
3;Anzahl
486;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"540 6";Segeln
"540 6";Wahrnehmung
"90 1";Bergbau
GEGENSTAENDE
1;Holz
EINHEIT 10283
"Öda";Name
4482;Partei
"Elf";Typ
14;Anzahl
914;Silber
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
3742;Partei
"Mensch";Typ
28;Anzahl
10344;Burg
1869;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 34"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Südfurt bleibt hier"
TALENTE
"5040 6";Tarnung
"2520 3";BogenschieÃŸen
GEGENSTAENDE
42;Holz
EINHEITSBOTSCHAFTEN
"Boten von Südfurt hat Hunger."
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
36;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Felsbrücks Nachbarland."
EINHEIT 10350
"Bergleute von Kalthausen";Name
5666;Partei
"Zwerg";Typ
51;Anzahl
EINHEIT 10374
"Bergleute von Eichenbrück";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
REGION -2 14
"Felsbrück";Name
"Gletscher";Terrain
32;Bauern
0;Baeume
UMGEBUNG
"Im nw liegt Felsbrücks Nachbarland."
EINHEIT 10381
"Jörg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 10420
"Knut";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
REGION 0 0 1
"Dichter Nebel";Terrain
REGION 1 0 1
"Nebel";Terrain
REGION 2 0 1
"Nebel";Terrain
REGION 3 0 1
"Dichter Nebel";Terrain
198;Runde
REGION 4 0 1
"Nebel";Terrain
REGION 0 1 1
"Dichter Nebel";Terrain
REGION 1 1 1
"Nebel";Terrain
200;Runde
REGION 2 1 1
"Nebel";Terrain
REGION 3 1 1
"Dichter Nebel";Terrain
REGION 4 1 1
"Nebel";Terrain
REGION 0 2 1
"Dichter Nebel";Terrain
REGION 1 2 1
"Nebel";Terrain
REGION 2 2 1
"Nebel";Terrain
REGION 3 2 1
"Dichter Nebel";Terrain
REGION 4 2 1
"Nebel";Terrain
201;Runde
REGION 0 3 1
"Dichter Nebel";Terrain
REGION 1 3 1
"Nebel";Terrain
REGION 2 3 1
"Nebel";Terrain
199;Runde
REGION 3 3 1
"Dichter Nebel";Terrain
REGION 4 3 1
"Nebel";Terrain
REGION 0 4 1
"Dichter Nebel";Terrain
201;Runde
REGION 1 4 1
"Nebel";Terrain
REGION 2 4 1
"Nebel";Terrain
REGION 3 4 1
"Dichter Nebel";Terrain
