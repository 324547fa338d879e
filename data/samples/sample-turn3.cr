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
2909;Anzahl Personen
0;Anzahl Immigranten
12;Max. Immigranten
492;Punkte
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
COMMANDS
"NACH nw sw"
"; Zur Küste"
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
"LERNEN Tarnung"
TALENTE
"5580 6";Tarnung
GEGENSTAENDE
22;Speer
12;Kettenhemd
EINHEIT 282
"Bergleute von Mühlau";Name
4482;Partei
"Elf";Typ
15;Anzahl
777;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2250 5";Segeln
"1800 4";Burgenbau
GEGENSTAENDE
20;Eisen
13;Stein
11;Schild
EINHEIT 320
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2677;Silber
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
EINHEIT 1012
"Boten von Tannfurt";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 3 0
"Eichenfurt";Name
"Ebene";Terrain
1881;Bauern
110;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenfurt sind fleißig.";Beschr
58;Pferde
33036;Silber
1651;Unterh
47;Rekruten
13;Lohn
PREISE
-59;Balsam
45;GewÃ¼rz
6;Juwel
58;Myrrhe
63;Ã–l
52;Seide
9;Weihrauch
UMGEBUNG
"Im so liegt Eichenfurts Nachbarland."
EINHEIT 326
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
66;Anzahl
136;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"NACH sw no"
"; Zur Küste"
TALENTE
"13860 7";HolzfÃ¤llen
"3960 2";Reiten
GEGENSTAENDE
13;Holz
54;Speer
93;Schwert
EINHEIT 392
"Bergleute von Eichenbrück";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
12;Anzahl
641;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2880 8";Reiten
GEGENSTAENDE
15;Schwert
22;Schwert
EINHEIT 446
"Wachen von Grünstätt";Name
4482;Partei
"Elf";Typ
2;Anzahl
846;Silber
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
3024;Bauern
123;Baeume
UMGEBUNG
"Im nw liegt Grünfurts Nachbarland."
REGION 5 0
"Kaltmoor";Name
"Berge";Terrain
260;Bauern
12;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
12;Pferde
3148;Silber
157;Unterh
6;Rekruten
11;Lohn
6;Eisen
PREISE
-45;Balsam
35;GewÃ¼rz
52;Juwel
37;Myrrhe
12;Ã–l
56;Seide
71;Weihrauch
UMGEBUNG
"Im no liegt Kaltmoors Nachbarland."
EINHEIT 465
"Ulrike";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no so"
"; Zur Küste"
TALENTE
"120 2";Handeln
"240 4";BogenschieÃŸen
"360 6";HolzfÃ¤llen
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
EINHEIT 498
"Späher von Wolfsau";Name
3742;Partei
"Mensch";Typ
10;Anzahl
759;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
727;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"360 6";Burgenbau
"60 1";Wahrnehmung
"300 5";Burgenbau
EINHEIT 537
"Hans";Name
3742;Partei
"Mensch";Typ
44;Anzahl
1;bewacht
360;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH no sw"
"; Zur Küste"
TALENTE
"2640 2";HolzfÃ¤llen
"10560 8";BogenschieÃŸen
"10560 8";HolzfÃ¤llen
GEGENSTAENDE
38;Holz
REGION 6 0
"Felsmoor";Name
"Hochland";Terrain
619;Bauern
100;Baeume
UMGEBUNG
"Im so liegt Felsmoors Nachbarland."
EINHEIT 555
"Reiter von Nordau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 7 0
"Kaltheim";Name
"Hochland";Terrain
1813;Bauern
69;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltheim sind fleißig.";Beschr
46;Pferde
21949;Silber
1097;Unterh
45;Rekruten
11;Lohn
PREISE
-88;Balsam
11;GewÃ¼rz
23;Juwel
14;Myrrhe
24;Ã–l
59;Seide
33;Weihrauch
DURCHREISE
"Boten (5804)"
UMGEBUNG
"Im no liegt Kaltheims Nachbarland."
EINHEIT 593
"Holzfäller von Westtal";Name
3742;Partei
"Mensch";Typ
25;Anzahl
949;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5250 7";BogenschieÃŸen
"2250 3";Bergbau
"5250 7";Tarnung
EINHEIT 611
"Hans";Name
3742;Partei
"Mensch";Typ
27;Anzahl
2846;Silber
1;Kampfstatus
0;Tarnung
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
17;Anzahl
2147;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1020 2";Wahrnehmung
"3570 7";Reiten
"1530 3";Wahrnehmung
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
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2520 2";Tarnung
GEGENSTAENDE
73;Speer
EINHEIT 1254
"Schützen von Südberg";Name
3742;Partei
"Mensch";Typ
29;Anzahl
547;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"870 1";Burgenbau
GEGENSTAENDE
19;Holz
23;Schwert
REGION 8 0
"Weststätt";Name
"Ebene";Terrain
2875;Bauern
64;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
113;Pferde
24167;Silber
1208;Unterh
71;Rekruten
15;Lohn
PREISE
-50;Balsam
60;GewÃ¼rz
32;Juwel
34;Myrrhe
45;Ã–l
69;Seide
26;Weihrauch
DURCHREISE
"Boten (3340)"
UMGEBUNG
"Im so liegt Weststätts Nachbarland."
EINHEIT 700
"Swaantje";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
28;Anzahl
952;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"6720 8";Burgenbau
"840 1";Wahrnehmung
"4200 5";Burgenbau
GEGENSTAENDE
40;Kettenhemd
EINHEITSBOTSCHAFTEN
"Swaantje hat Hunger."
EINHEIT 707
"Holzfäller von Eichenstätt";Name
3742;Partei
"Mensch";Typ
14;Anzahl
552;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 29"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Eichenstätt bleibt hier"
TALENTE
"420 1";Hiebwaffen
GEGENSTAENDE
23;Pferd
24;Holz
23;Speer
EINHEIT 739
"Späher von Mühlmoor";Name
3742;Partei
"Mensch";Typ
14;Anzahl
853;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"2940 7";Handeln
"2100 5";Tarnung
GEGENSTAENDE
14;Speer
13;Stein
8;Eisen
EINHEIT 759
"Boten von Bärental";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1493;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"240 8";Tarnung
GEGENSTAENDE
2;Stein
2;Schwert
2;Pferd
EINHEIT 766
"Späher von Nordwald";Name
3742;Partei
"Mensch";Typ
10;Anzahl
180;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"300 1";Hiebwaffen
GEGENSTAENDE
6;Eisen
2;Bogen
EINHEIT 1382
"Späher von Bärenberg";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
53;Anzahl
38;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"12720 8";Tarnung
"4770 3";BogenschieÃŸen
"9540 6";Handeln
REGION 9 0
"Bärenau";Name
"Gletscher";Terrain
77;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
1;Pferde
521;Silber
26;Unterh
1;Rekruten
11;Lohn
74;Eisen
PREISE
-59;Balsam
77;GewÃ¼rz
10;Juwel
69;Myrrhe
22;Ã–l
71;Seide
72;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Bärenaus Nachbarland."
EINHEIT 800
"Rüdiger";Name
3742;Partei
"Mensch";Typ
44;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH o nw"
"; Zur Küste"
TALENTE
"6600 5";BogenschieÃŸen
GEGENSTAENDE
56;Speer
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
"LERNEN Bergbau"
TALENTE
"30 1";Bergbau
GEGENSTAENDE
2;Stein
2;Holz
2;Eisen
EINHEIT 1353
"Knut";Name
3742;Partei
"Mensch";Typ
2;Anzahl
212;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"480 8";HolzfÃ¤llen
GEGENSTAENDE
1;Schild
REGION 10 0
"Tanntal";Name
"Ebene";Terrain
1704;Bauern
154;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tanntal sind fleißig.";Beschr
83;Pferde
26774;Silber
1338;Unterh
42;Rekruten
14;Lohn
PREISE
-38;Balsam
52;GewÃ¼rz
76;Juwel
19;Myrrhe
10;Ã–l
30;Seide
7;Weihrauch
UMGEBUNG
"Im w liegt Tanntals Nachbarland."
EINHEIT 838
"Reiter von Nordheim";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 846
"Swaantje";Name
3742;Partei
"Mensch";Typ
25;Anzahl
503;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"4500 6";BogenschieÃŸen
"5250 7";Hiebwaffen
"3000 4";Tarnung
GEGENSTAENDE
18;Eisen
12;Schwert
EINHEIT 866
"Schützen von Mühlheim";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
2;Anzahl
REGION 11 0
"Ozean";Terrain
REGION 12 0
"Ozean";Terrain
REGION 13 0
"Osttal";Name
"Ebene";Terrain
3164;Bauern
115;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
57;Pferde
21239;Silber
1061;Unterh
79;Rekruten
11;Lohn
PREISE
-6;Balsam
68;GewÃ¼rz
6;Juwel
48;Myrrhe
19;Ã–l
66;Seide
42;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Osttal!"
UMGEBUNG
"Im nw liegt Osttals Nachbarland."
EINHEIT 901
"Bergleute von Wolfshausen";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
2833;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
"Nur für mich: Bergleute von Wolfshausen";privat
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"480 8";BogenschieÃŸen
"480 8";Handeln
"180 3";Handeln
EINHEITSBOTSCHAFTEN
"Bergleute von Wolfshausen hat Hunger."
EINHEIT 934
"Knut";Name
3742;Partei
"Mensch";Typ
3;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"630 7";BogenschieÃŸen
"630 7";HolzfÃ¤llen
GEGENSTAENDE
1;Stein
EINHEIT 936
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
848;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Tarnung"
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
REGION 0 1
"Ozean";Terrain
REGION 1 1
"Ozean";Terrain
200;Runde
REGION 2 1
"Kaltwald";Name
"Ebene";Terrain
2595;Bauern
292;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltwald sind fleißig.";Beschr
71;Pferde
21219;Silber
1060;Unterh
64;Rekruten
13;Lohn
PREISE
-73;Balsam
80;GewÃ¼rz
34;Juwel
73;Myrrhe
40;Ã–l
17;Seide
73;Weihrauch
UMGEBUNG
"Im o liegt Kaltwalds Nachbarland."
EINHEIT 966
"Boten von Ostau";Name
3742;Partei
"Mensch";Typ
22;Anzahl
812;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"NACH so no"
"; Zur Küste"
TALENTE
"660 1";Segeln
"5940 9";Reiten
"3960 6";HolzfÃ¤llen
GEGENSTAENDE
36;Bogen
38;Pferd
EINHEIT 993
"Bärbel";Name
3742;Partei
"Mensch";Typ
57;Anzahl
1;bewacht
2141;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"15390 9";Wahrnehmung
"8550 5";BogenschieÃŸen
"13680 8";Burgenbau
GEGENSTAENDE
105;Eisen
EINHEIT 414
"Bergleute von Westheim";Name
3742;Partei
"Mensch";Typ
11;Anzahl
1756;Silber
1;Kampfstatus
2;Tarnung
"Nur für mich: Bergleute von Westheim";privat
COMMANDS
"NACH o nw"
"; Zur Küste"
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
167;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
11;Pferde
1137;Silber
56;Unterh
4;Rekruten
11;Lohn
PREISE
-69;Balsam
12;GewÃ¼rz
17;Juwel
62;Myrrhe
67;Ã–l
66;Seide
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
2679;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
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
3742;Partei
"Mensch";Typ
1;Anzahl
1212;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"60 2";Segeln
"270 9";Handeln
GEGENSTAENDE
1;Stein
EINHEIT 1085
"Hans";Name
3742;Partei
"Mensch";Typ
16;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1920 4";Tarnung
"2400 5";Handeln
"2880 6";Tarnung
GEGENSTAENDE
6;Holz
EINHEIT 1116
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
239;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"240 8";Wahrnehmung
"150 5";Tarnung
"270 9";Segeln
GEGENSTAENDE
2;Schild
EINHEIT 362
"Händler von Südtal";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
18;Anzahl
1;bewacht
474;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"4320 8";Tarnung
GEGENSTAENDE
3;Schwert
8;Schild
1;Schwert
REGION 4 1
"Grünstätt";Name
"Berge";Terrain
487;Bauern
18;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2254;Silber
112;Unterh
12;Rekruten
12;Lohn
66;Eisen
PREISE
-47;Balsam
38;GewÃ¼rz
49;Juwel
73;Myrrhe
72;Ã–l
72;Seide
38;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im no liegt Grünstätts Nachbarland."
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
"MACHEN TEMP 71"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Mühltal bleibt hier"
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
36;Anzahl
1219;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 6"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Jörg bleibt hier"
TALENTE
"7560 7";Reiten
"3240 3";Hiebwaffen
EINHEIT 1185
"Wachen von Bärenheim";Name
3742;Partei
"Mensch";Typ
10;Anzahl
113;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2700 9";Wahrnehmung
"1500 5";Hiebwaffen
"1200 4";Handeln
EINHEIT 1216
"Boten von Eichenmoor";Name
4482;Partei
"Elf";Typ
20;Anzahl
403;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1800 3";Reiten
"4200 7";HolzfÃ¤llen
"4200 7";Reiten
REGION 5 1
"Kaltfurt";Name
"Ebene";Terrain
4291;Bauern
260;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
50;Pferde
65222;Silber
3261;Unterh
107;Rekruten
15;Lohn
PREISE
-11;Balsam
14;GewÃ¼rz
12;Juwel
7;Myrrhe
75;Ã–l
58;Seide
7;Weihrauch
UMGEBUNG
"Im no liegt Kaltfurts Nachbarland."
EINHEIT 1225
"Hans";Name
4482;Partei
"Elf";Typ
31;Anzahl
1513;Silber
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
20;Anzahl
1627;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 85"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"3000 5";Handeln
"2400 4";BogenschieÃŸen
"4800 8";Bergbau
GEGENSTAENDE
42;Pferd
47;Kettenhemd
EINHEITSBOTSCHAFTEN
"Öda hat Hunger."
EINHEIT 1202
"Hans";Name
3742;Partei
"Mensch";Typ
3;Anzahl
62;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 39"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"540 6";Bergbau
GEGENSTAENDE
2;Eisen
2;Kettenhemd
1;Holz
EINHEITSBOTSCHAFTEN
"Hans hat Hunger."
REGION 6 1
"Südfurt";Name
"Ebene";Terrain
199;Runde
4338;Bauern
106;Baeume
REGION 7 1
"Felsbrück";Name
"Wüste";Terrain
456;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsbrück sind fleißig.";Beschr
4;Pferde
8502;Silber
425;Unterh
11;Rekruten
13;Lohn
PREISE
-5;Balsam
42;GewÃ¼rz
60;Juwel
37;Myrrhe
19;Ã–l
52;Seide
38;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Felsbrück!"
UMGEBUNG
"Im no liegt Felsbrücks Nachbarland."
EINHEIT 1267
"Reiter von Weststätt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2402;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"420 7";Handeln
"300 5";Segeln
"480 8";Handeln
EINHEIT 1294
"Bergleute von Kaltfurt";Name
3742;Partei
"Mensch";Typ
51;Anzahl
1225;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH no so"
"; Zur Küste"
TALENTE
"3060 2";Reiten
"7650 5";BogenschieÃŸen
"1530 1";Burgenbau
EINHEIT 1313
"Späher von Felsberg";Name
3742;Partei
"Mensch";Typ
36;Anzahl
547;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH so nw"
"; Zur Küste"
TALENTE
"8640 8";Tarnung
GEGENSTAENDE
8;Eisen
EINHEIT 691
"Reiter von Nordtal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1815;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
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
2632;Bauern
119;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
98;Pferde
14653;Silber
732;Unterh
65;Rekruten
14;Lohn
PREISE
-68;Balsam
56;GewÃ¼rz
38;Juwel
26;Myrrhe
25;Ã–l
18;Seide
27;Weihrauch
UMGEBUNG
"Im nw liegt Nordbergs Nachbarland."
EINHEIT 1410
"Rüdiger";Name
3742;Partei
"Mensch";Typ
12;Anzahl
0;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2160 6";Reiten
"2880 8";Hiebwaffen
REGION 9 1
"Felswald";Name
"Hochland";Terrain
904;Bauern
95;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felswald sind fleißig.";Beschr
0;Pferde
9457;Silber
472;Unterh
22;Rekruten
14;Lohn
PREISE
-13;Balsam
23;GewÃ¼rz
48;Juwel
72;Myrrhe
57;Ã–l
41;Seide
78;Weihrauch
UMGEBUNG
"Im o liegt Felswalds Nachbarland."
EINHEIT 1439
"Hans";Name
3742;Partei
"Mensch";Typ
43;Anzahl
933;Silber
1;Kampfstatus
2;Tarnung
"Nur für mich: Hans";privat
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5160 4";Tarnung
GEGENSTAENDE
8;Speer
48;Schild
44;Bogen
EINHEIT 1825
"Öda";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1315;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 80"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"7560 7";BogenschieÃŸen
"1080 1";Hiebwaffen
GEGENSTAENDE
48;Pferd
59;Pferd
17;Bogen
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
420;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
13;Pferde
9695;Silber
484;Unterh
10;Rekruten
15;Lohn
PREISE
-18;Balsam
39;GewÃ¼rz
73;Juwel
39;Myrrhe
14;Ã–l
81;Seide
31;Weihrauch
UMGEBUNG
"Im w liegt Südfurts Nachbarland."
EINHEIT 1453
"Händler von Ostfurt";Name
3742;Partei
"Mensch";Typ
51;Anzahl
1;bewacht
1019;Silber
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
"10710 7";BogenschieÃŸen
GEGENSTAENDE
45;Stein
95;Schwert
96;Eisen
EINHEIT 1478
"Knut";Name
3742;Partei
"Mensch";Typ
9;Anzahl
2116;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"1620 6";Wahrnehmung
"810 3";Reiten
"810 3";Reiten
EINHEITSBOTSCHAFTEN
"Knut hat Hunger."
EINHEIT 1480
"Bärbel";Name
3742;Partei
"Mensch";Typ
53;Anzahl
794;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3180 2";HolzfÃ¤llen
EINHEIT 920
"Knut";Name
4482;Partei
"Elf";Typ
33;Anzahl
1;bewacht
566;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5940 6";Wahrnehmung
"2970 3";BogenschieÃŸen
"2970 3";Hiebwaffen
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
2;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
0;Pferde
564;Silber
28;Unterh
1;Rekruten
13;Lohn
19;Strasse
43;Eisen
2;Laen
PREISE
-31;Balsam
78;GewÃ¼rz
46;Juwel
50;Myrrhe
19;Ã–l
84;Seide
34;Weihrauch
DURCHREISE
"Boten (3228)"
UMGEBUNG
"Im w liegt Westbrücks Nachbarland."
EINHEIT 1507
"Reiter von Wolfswald";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
5;Anzahl
358;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH o so"
"; Zur Küste"
TALENTE
"1200 8";Segeln
"1050 7";Bergbau
"150 1";Reiten
GEGENSTAENDE
7;Eisen
10;Holz
1;Eisen
EINHEIT 1542
"Späher von Südau";Name
3742;Partei
"Mensch";Typ
31;Anzahl
1;bewacht
813;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 88"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Südau bleibt hier"
TALENTE
"1860 2";BogenschieÃŸen
"7440 8";HolzfÃ¤llen
"3720 4";Reiten
GEGENSTAENDE
56;Pferd
54;Schild
EINHEIT 1557
"Öda";Name
3742;Partei
"Mensch";Typ
22;Anzahl
1;Silber
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
35;Anzahl
552;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4200 4";HolzfÃ¤llen
GEGENSTAENDE
13;Kettenhemd
25;Holz
43;Schwert
REGION 2 2
"Südfurt";Name
"Sumpf";Terrain
449;Bauern
435;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
13;Pferde
3173;Silber
158;Unterh
11;Rekruten
15;Lohn
PREISE
-37;Balsam
25;GewÃ¼rz
26;Juwel
34;Myrrhe
73;Ã–l
45;Seide
8;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Südfurts Nachbarland."
EINHEIT 1581
"Öda";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1613
"Rüdiger";Name
3742;Partei
"Mensch";Typ
60;Anzahl
1;bewacht
2;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"10800 6";Bergbau
"3600 2";Bergbau
EINHEIT 1615
"Ulrike";Name
3742;Partei
"Mensch";Typ
18;Anzahl
1;bewacht
1351;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
2;Anzahl
476;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"120 2";HolzfÃ¤llen
GEGENSTAENDE
1;Bogen
1;Bogen
EINHEIT 1623
"Wachen von Felstal";Name
3742;Partei
"Mensch";Typ
56;Anzahl
1443;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw w"
"; Zur Küste"
TALENTE
"3360 2";Bergbau
GEGENSTAENDE
28;Eisen
86;Bogen
REGION 3 2
"Grünbrück";Name
"Hochland";Terrain
1114;Bauern
87;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
45;Pferde
20374;Silber
1018;Unterh
27;Rekruten
12;Lohn
PREISE
-40;Balsam
61;GewÃ¼rz
37;Juwel
18;Myrrhe
85;Ã–l
25;Seide
33;Weihrauch
UMGEBUNG
"Im so liegt Grünbrücks Nachbarland."
EINHEIT 1639
"Reiter von Nordhausen";Name
3742;Partei
"Mensch";Typ
18;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"540 1";Wahrnehmung
GEGENSTAENDE
25;Eisen
REGION 4 2
"Grünmoor";Name
"Sumpf";Terrain
704;Bauern
384;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünmoor sind fleißig.";Beschr
9;Pferde
10649;Silber
532;Unterh
17;Rekruten
11;Lohn
PREISE
-75;Balsam
7;GewÃ¼rz
18;Juwel
27;Myrrhe
7;Ã–l
48;Seide
30;Weihrauch
UMGEBUNG
"Im nw liegt Grünmoors Nachbarland."
EINHEIT 2043
"Boten von Südheim";Name
3742;Partei
"Mensch";Typ
6;Anzahl
1708;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Segeln"
TALENTE
"1440 8";Segeln
"180 1";BogenschieÃŸen
"1620 9";Segeln
GEGENSTAENDE
2;Eisen
6;Schild
REGION 5 2
"Felsbrück";Name
"Wüste";Terrain
277;Bauern
1;Baeume
UMGEBUNG
"Im o liegt Felsbrücks Nachbarland."
REGION 6 2
"Mühlheim";Name
"Wüste";Terrain
243;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Mühlheims Nachbarland."
REGION 7 2
"Westbrück";Name
"Wald";Terrain
1175;Bauern
1031;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
71;Pferde
11820;Silber
591;Unterh
29;Rekruten
11;Lohn
PREISE
-62;Balsam
8;GewÃ¼rz
58;Juwel
74;Myrrhe
26;Ã–l
17;Seide
36;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Westbrücks Nachbarland."
EINHEIT 1677
"Swaantje";Name
4482;Partei
"Elf";Typ
37;Anzahl
1960;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"9990 9";Tarnung
"9990 9";Reiten
"6660 6";Burgenbau
GEGENSTAENDE
59;Holz
54;Schild
79;Pferd
EINHEIT 1714
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
2;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"270 9";Handeln
"150 5";Tarnung
GEGENSTAENDE
1;Bogen
2;Speer
REGION 8 2
"Tannheim";Name
"Berge";Terrain
443;Bauern
29;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannheim sind fleißig.";Beschr
0;Pferde
6180;Silber
309;Unterh
11;Rekruten
13;Lohn
34;Eisen
PREISE
-25;Balsam
30;GewÃ¼rz
37;Juwel
10;Myrrhe
9;Ã–l
45;Seide
19;Weihrauch
UMGEBUNG
"Im sw liegt Tannheims Nachbarland."
EINHEIT 1753
"Gundolf";Name
3742;Partei
"Mensch";Typ
10;Anzahl
936;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 8"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Gundolf bleibt hier"
TALENTE
"600 2";Burgenbau
"2700 9";Reiten
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
21;Anzahl
1;bewacht
1292;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH w w"
"; Zur Küste"
TALENTE
"5670 9";Burgenbau
GEGENSTAENDE
41;Bogen
25;Holz
REGION 9 2
"Nordheim";Name
"Ebene";Terrain
2625;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
4;Pferde
16368;Silber
818;Unterh
65;Rekruten
15;Lohn
PREISE
-74;Balsam
63;GewÃ¼rz
73;Juwel
16;Myrrhe
40;Ã–l
55;Seide
43;Weihrauch
DURCHREISE
"Boten (7474)"
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
BURG 1838
"Feste Nordheim";Name
"Burg";Typ
159;Groesse
1780;Besitzer
15;Unterhalt
EINHEIT 1780
"Bärbel";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1838;Burg
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"240 4";Reiten
"180 3";Wahrnehmung
GEGENSTAENDE
1;Holz
EINHEIT 1806
"Boten von Tanntal";Name
3742;Partei
"Mensch";Typ
51;Anzahl
1675;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH o sw"
"; Zur Küste"
TALENTE
"4590 3";Bergbau
"3060 2";BogenschieÃŸen
"7650 5";Handeln
GEGENSTAENDE
40;Holz
94;Bogen
EINHEIT 1833
"Reiter von Ostbrück";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 88"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Ostbrück bleibt hier"
TALENTE
"120 2";Tarnung
"180 3";Hiebwaffen
"120 2";Hiebwaffen
GEGENSTAENDE
1;Pferd
1;Holz
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
379;Bauern
189;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
24;Pferde
3381;Silber
169;Unterh
9;Rekruten
12;Lohn
PREISE
-43;Balsam
73;GewÃ¼rz
82;Juwel
49;Myrrhe
50;Ã–l
49;Seide
39;Weihrauch
UMGEBUNG
"Im so liegt Kaltmoors Nachbarland."
EINHEIT 1842
"Händler von Wolfstal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
617;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Holzfällen"
TALENTE
"60 2";HolzfÃ¤llen
"90 3";Hiebwaffen
"30 1";HolzfÃ¤llen
EINHEIT 1879
"Grete";Name
3742;Partei
"Mensch";Typ
14;Anzahl
856;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 37"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
TALENTE
"3360 8";Hiebwaffen
"2940 7";Handeln
"840 2";BogenschieÃŸen
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
12;Anzahl
2851;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH o w"
"; Zur Küste"
TALENTE
"2880 8";Hiebwaffen
"1800 5";Hiebwaffen
"3240 9";Wahrnehmung
GEGENSTAENDE
7;Holz
13;Stein
REGION 1 3
"Eichenbrück";Name
"Berge";Terrain
308;Bauern
23;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenbrück sind fleißig.";Beschr
2;Pferde
3861;Silber
193;Unterh
7;Rekruten
11;Lohn
15;Eisen
14;Laen
PREISE
-33;Balsam
14;GewÃ¼rz
67;Juwel
36;Myrrhe
20;Ã–l
13;Seide
67;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Eichenbrück!"
UMGEBUNG
"Im so liegt Eichenbrücks Nachbarland."
BURG 1960
"Feste Eichenbrück";Name
"Burg";Typ
211;Groesse
1955;Besitzer
21;Unterhalt
EINHEIT 1955
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
1960;Burg
945;Silber
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
199;Runde
224;Bauern
0;Baeume
REGION 3 3
"Westtal";Name
"Wald";Terrain
1792;Bauern
1039;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
89;Pferde
36120;Silber
1806;Unterh
44;Rekruten
14;Lohn
PREISE
-25;Balsam
67;GewÃ¼rz
50;Juwel
39;Myrrhe
71;Ã–l
66;Seide
57;Weihrauch
UMGEBUNG
"Im no liegt Westtals Nachbarland."
EINHEIT 2003
"Bergleute von Tanntal";Name
3742;Partei
"Mensch";Typ
43;Anzahl
1788;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"5160 4";BogenschieÃŸen
"3870 3";Burgenbau
"11610 9";Bergbau
EINHEIT 2134
"Jörg";Name
5666;Partei
"Zwerg";Typ
26;Anzahl
1;bewacht
REGION 4 3
"Westfurt";Name
"Sumpf";Terrain
699;Bauern
316;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
9;Pferde
4419;Silber
220;Unterh
17;Rekruten
14;Lohn
13;Strasse
PREISE
-52;Balsam
55;GewÃ¼rz
25;Juwel
34;Myrrhe
54;Ã–l
35;Seide
64;Weihrauch
UMGEBUNG
"Im no liegt Westfurts Nachbarland."
EINHEIT 2080
"Öda";Name
3742;Partei
"Mensch";Typ
49;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"11760 8";Handeln
"11760 8";Burgenbau
GEGENSTAENDE
23;Schild
51;Speer
33;Speer
EINHEIT 2106
"Holzfäller von Nordwald";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 2138
"Späher von Mühlheim";Name
3742;Partei
"Mensch";Typ
53;Anzahl
1687;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Holzfällen"
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
1;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 44"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
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
1247;Bauern
81;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
43;Pferde
12414;Silber
620;Unterh
31;Rekruten
14;Lohn
PREISE
-51;Balsam
24;GewÃ¼rz
51;Juwel
45;Myrrhe
31;Ã–l
57;Seide
38;Weihrauch
UMGEBUNG
"Im sw liegt Grünbrücks Nachbarland."
EINHEIT 2204
"Hans";Name
3742;Partei
"Mensch";Typ
3;Anzahl
1100;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"540 6";Reiten
GEGENSTAENDE
2;Speer
1;Pferd
2;Holz
EINHEIT 2230
"Boten von Ostau";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 2120
"Rüdiger";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1;bewacht
2674;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Segeln"
TALENTE
"1980 2";Segeln
GEGENSTAENDE
68;Schild
35;Schild
39;Schild
EINHEIT 2801
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2817;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"120 4";Tarnung
REGION 6 3
"Bärenfurt";Name
"Ebene";Terrain
1940;Bauern
145;Baeume
UMGEBUNG
"Im sw liegt Bärenfurts Nachbarland."
REGION 7 3
"Mühlbrück";Name
"Ebene";Terrain
2415;Bauern
153;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
73;Pferde
18058;Silber
902;Unterh
60;Rekruten
15;Lohn
79;Strasse
PREISE
-11;Balsam
9;GewÃ¼rz
50;Juwel
8;Myrrhe
18;Ã–l
12;Seide
16;Weihrauch
UMGEBUNG
"Im o liegt Mühlbrücks Nachbarland."
SCHIFF 2285
"Kahn von Mühlbrück";Name
"Boot";Typ
5;Kueste
2274;Kapitaen
0;Schaden
100;Ladung
500;MaxLadung
EINHEIT 2274
"Swaantje";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2285;Schiff
1221;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"270 9";Handeln
"30 1";Burgenbau
GEGENSTAENDE
1;Bogen
1;Holz
REGION 8 3
"Wolfsmoor";Name
"Wüste";Terrain
349;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
13;Pferde
6413;Silber
320;Unterh
8;Rekruten
15;Lohn
PREISE
-5;Balsam
5;GewÃ¼rz
24;Juwel
81;Myrrhe
53;Ã–l
75;Seide
55;Weihrauch
UMGEBUNG
"Im no liegt Wolfsmoors Nachbarland."
EINHEIT 2323
"Jörg";Name
3742;Partei
"Mensch";Typ
36;Anzahl
484;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3240 3";Handeln
EINHEIT 2343
"Händler von Felsfurt";Name
3742;Partei
"Mensch";Typ
21;Anzahl
360;Silber
0;Kampfstatus
2;Tarnung
"Nur für mich: Händler von Felsfurt";privat
COMMANDS
"ARBEITEN"
TALENTE
"2520 4";Hiebwaffen
GEGENSTAENDE
39;Schwert
REGION 9 3
"Kaltau";Name
"Gletscher";Terrain
37;Bauern
2;Baeume
UMGEBUNG
"Im sw liegt Kaltaus Nachbarland."
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
536;Bauern
308;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsheim sind fleißig.";Beschr
6;Pferde
9583;Silber
479;Unterh
13;Rekruten
15;Lohn
PREISE
-27;Balsam
9;GewÃ¼rz
59;Juwel
11;Myrrhe
25;Ã–l
25;Seide
52;Weihrauch
UMGEBUNG
"Im w liegt Felsheims Nachbarland."
EINHEIT 2371
"Schützen von Bärenstätt";Name
4482;Partei
"Elf";Typ
12;Anzahl
2520;Silber
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
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
3;Anzahl
EINHEIT 2437
"Reiter von Ostfurt";Name
4482;Partei
"Elf";Typ
2;Anzahl
3788;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"420 7";Handeln
"480 8";Burgenbau
GEGENSTAENDE
2;Stein
2;Eisen
EINHEIT 9751
"Holzfäller von Südstätt";Name
6961;Partei
"Ork";Typ
17;Anzahl
1;bewacht
REGION 0 4
"Eichenhausen";Name
"Wüste";Terrain
160;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenhausen sind fleißig.";Beschr
12;Pferde
2331;Silber
116;Unterh
4;Rekruten
11;Lohn
78;Strasse
PREISE
-48;Balsam
65;GewÃ¼rz
68;Juwel
69;Myrrhe
62;Ã–l
12;Seide
71;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Eichenhausens Nachbarland."
EINHEIT 2459
"Wachen von Wolfshausen";Name
1;Parteitarnung
"Zwerg";Typ
3;Anzahl
EINHEIT 2466
"Schützen von Mühlfurt";Name
4482;Partei
"Elf";Typ
46;Anzahl
980;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2760 2";HolzfÃ¤llen
EINHEIT 2496
"Holzfäller von Grünhausen";Name
6961;Partei
"Ork";Typ
2;Anzahl
EINHEIT 2499
"Grete";Name
3742;Partei
"Mensch";Typ
56;Anzahl
237;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"15120 9";Handeln
"1680 1";HolzfÃ¤llen
"13440 8";Tarnung
GEGENSTAENDE
31;Holz
52;Eisen
EINHEIT 2531
"Rüdiger";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
44;Anzahl
EINHEIT 3325
"Wachen von Ostheim";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
1722;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"420 7";Wahrnehmung
"540 9";Handeln
"180 3";Tarnung
GEGENSTAENDE
1;Kettenhemd
2;Schwert
REGION 1 4
"Nordbrück";Name
"Gletscher";Terrain
42;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordbrück sind fleißig.";Beschr
4;Pferde
188;Silber
9;Unterh
1;Rekruten
12;Lohn
51;Eisen
PREISE
-36;Balsam
38;GewÃ¼rz
78;Juwel
58;Myrrhe
38;Ã–l
46;Seide
75;Weihrauch
UMGEBUNG
"Im w liegt Nordbrücks Nachbarland."
BURG 2665
"Feste Nordbrück";Name
"Burg";Typ
20;Groesse
2548;Besitzer
2;Unterhalt
EINHEIT 2548
"Gundolf";Name
4482;Partei
"Elf";Typ
48;Anzahl
2665;Burg
2;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"12960 9";BogenschieÃŸen
GEGENSTAENDE
34;Pferd
58;Schwert
19;Stein
EINHEIT 2591
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2665;Burg
397;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Wahrnehmung
"150 5";Burgenbau
GEGENSTAENDE
2;Kettenhemd
1;Holz
EINHEIT 2601
"Gundolf";Name
4482;Partei
"Elf";Typ
24;Anzahl
2618;Silber
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
2819;Silber
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
32;Bauern
0;Baeume
UMGEBUNG
"Im o liegt Mühlfurts Nachbarland."
REGION 3 4
"Tannau";Name
"Wüste";Terrain
369;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannau sind fleißig.";Beschr
10;Pferde
3684;Silber
184;Unterh
9;Rekruten
14;Lohn
PREISE
-93;Balsam
6;GewÃ¼rz
24;Juwel
35;Myrrhe
13;Ã–l
67;Seide
79;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Tannau!"
UMGEBUNG
"Im o liegt Tannaus Nachbarland."
EINHEIT 2724
"Wachen von Tannau";Name
3742;Partei
"Mensch";Typ
34;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
2214;Bauern
75;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenau sind fleißig.";Beschr
31;Pferde
32391;Silber
1619;Unterh
55;Rekruten
12;Lohn
60;Strasse
PREISE
-63;Balsam
26;GewÃ¼rz
62;Juwel
61;Myrrhe
50;Ã–l
73;Seide
45;Weihrauch
UMGEBUNG
"Im so liegt Eichenaus Nachbarland."
EINHEIT 2831
"Jörg";Name
3742;Partei
"Mensch";Typ
43;Anzahl
3150;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"7740 6";Wahrnehmung
"5160 4";Handeln
"3870 3";Segeln
GEGENSTAENDE
89;Speer
EINHEIT 2862
"Späher von Mühltal";Name
3742;Partei
"Mensch";Typ
3;Anzahl
407;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"540 6";Reiten
"540 6";Reiten
EINHEIT 2898
"Schützen von Mühlstätt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2206;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH w so"
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
776;Bauern
119;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
38;Pferde
10024;Silber
501;Unterh
19;Rekruten
11;Lohn
PREISE
-66;Balsam
50;GewÃ¼rz
39;Juwel
13;Myrrhe
15;Ã–l
30;Seide
64;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Wolfstal!"
UMGEBUNG
"Im o liegt Wolfstals Nachbarland."
EINHEIT 2899
"Rüdiger";Name
3742;Partei
"Mensch";Typ
8;Anzahl
795;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
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
46;Anzahl
1318;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 6"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Händler von Westwald bleibt hier"
TALENTE
"1380 1";Segeln
"1380 1";Tarnung
"12420 9";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Händler von Westwald hat Hunger."
EINHEIT 2922
"Händler von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2005;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 13"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Händler von Wolfsfurt bleibt hier"
TALENTE
"150 5";Wahrnehmung
GEGENSTAENDE
2;Eisen
1;Schild
EINHEIT 2925
"Holzfäller von Ostwald";Name
3742;Partei
"Mensch";Typ
4;Anzahl
2394;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1080 9";HolzfÃ¤llen
"120 1";HolzfÃ¤llen
"360 3";BogenschieÃŸen
GEGENSTAENDE
2;Schwert
9;Eisen
7;Schild
EINHEIT 2941
"Gundolf";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2166;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH w so"
"; Zur Küste"
TALENTE
"60 2";Tarnung
"120 4";Segeln
EINHEITSBOTSCHAFTEN
"Gundolf hat Hunger."
EINHEIT 2960
"Bärbel";Name
3742;Partei
"Mensch";Typ
15;Anzahl
959;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw nw"
"; Zur Küste"
TALENTE
"2250 5";Handeln
"3150 7";Handeln
"2700 6";Segeln
GEGENSTAENDE
26;Kettenhemd
EINHEITSBOTSCHAFTEN
"Bärbel hat Hunger."
REGION 6 4
"Mühlheim";Name
"Hochland";Terrain
987;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
55;Pferde
16869;Silber
843;Unterh
24;Rekruten
15;Lohn
PREISE
-66;Balsam
21;GewÃ¼rz
19;Juwel
39;Myrrhe
29;Ã–l
25;Seide
72;Weihrauch
UMGEBUNG
"Im nw liegt Mühlheims Nachbarland."
EINHEIT 2971
"Bärbel";Name
3742;Partei
"Mensch";Typ
44;Anzahl
1;bewacht
1923;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 62"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"10560 8";Wahrnehmung
"1320 1";Wahrnehmung
EINHEIT 3005
"Bärbel";Name
3742;Partei
"Mensch";Typ
32;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"7680 8";Burgenbau
"1920 2";Burgenbau
"4800 5";Tarnung
EINHEIT 3008
"Ulrike";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1201;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
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
313;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
3;Pferde
5895;Silber
294;Unterh
7;Rekruten
11;Lohn
PREISE
-50;Balsam
73;GewÃ¼rz
84;Juwel
52;Myrrhe
35;Ã–l
64;Seide
57;Weihrauch
UMGEBUNG
"Im w liegt Bärentals Nachbarland."
EINHEIT 3026
"Bärbel";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
38;Anzahl
1;bewacht
58;Silber
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
12;Anzahl
170;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2520 7";BogenschieÃŸen
"2160 6";Reiten
GEGENSTAENDE
5;Eisen
EINHEIT 3058
"Öda";Name
3742;Partei
"Mensch";Typ
56;Anzahl
1;bewacht
1476;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1680 1";Handeln
"6720 4";Wahrnehmung
GEGENSTAENDE
51;Schild
97;Bogen
EINHEIT 3075
"Bergleute von Grünfurt";Name
4482;Partei
"Elf";Typ
32;Anzahl
532;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1920 2";Tarnung
"1920 2";Reiten
EINHEIT 3088
"Jörg";Name
4482;Partei
"Elf";Typ
6;Anzahl
708;Silber
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
3036;Bauern
223;Baeume
UMGEBUNG
"Im so liegt Eichenheims Nachbarland."
BURG 3152
"Feste Eichenheim";Name
"Burg";Typ
235;Groesse
REGION 9 4
"Oststätt";Name
"Gletscher";Terrain
73;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
0;Pferde
985;Silber
49;Unterh
1;Rekruten
15;Lohn
76;Eisen
PREISE
-74;Balsam
62;GewÃ¼rz
20;Juwel
70;Myrrhe
64;Ã–l
56;Seide
6;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Oststätts Nachbarland."
EINHEIT 3186
"Späher von Kaltmoor";Name
3742;Partei
"Mensch";Typ
57;Anzahl
644;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"10260 6";Segeln
"13680 8";Bergbau
"8550 5";BogenschieÃŸen
GEGENSTAENDE
117;Schwert
REGION 10 4
"Ozean";Terrain
199;Runde
REGION 11 4
"Ozean";Terrain
REGION 12 4
"Ozean";Terrain
REGION -2 5
"Südfurt";Name
"Berge";Terrain
247;Bauern
9;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
0;Pferde
4845;Silber
242;Unterh
6;Rekruten
15;Lohn
59;Eisen
3;Laen
PREISE
-7;Balsam
33;GewÃ¼rz
73;Juwel
78;Myrrhe
9;Ã–l
56;Seide
83;Weihrauch
UMGEBUNG
"Im no liegt Südfurts Nachbarland."
EINHEIT 3218
"Boten von Wolfsstätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
34;Anzahl
1711;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"7140 7";Tarnung
"3060 3";Segeln
"1020 1";Reiten
GEGENSTAENDE
61;Kettenhemd
27;Eisen
9;Speer
EINHEIT 3224
"Knut";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
12;Anzahl
EINHEIT 3280
"Bergleute von Tannheim";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
REGION -1 5
"Bärenhausen";Name
"Ebene";Terrain
2194;Bauern
99;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenhausen sind fleißig.";Beschr
92;Pferde
32531;Silber
1626;Unterh
54;Rekruten
15;Lohn
PREISE
-55;Balsam
12;GewÃ¼rz
81;Juwel
55;Myrrhe
7;Ã–l
7;Seide
67;Weihrauch
UMGEBUNG
"Im w liegt Bärenhausens Nachbarland."
EINHEIT 3298
"Holzfäller von Ostfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
1327;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"150 5";Bergbau
"150 5";Segeln
"90 3";Handeln
EINHEITSBOTSCHAFTEN
"Holzfäller von Ostfurt hat Hunger."
EINHEIT 3312
"Hans";Name
6961;Partei
"Ork";Typ
18;Anzahl
EINHEIT 3340
"Bärbel";Name
4482;Partei
"Elf";Typ
10;Anzahl
2913;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2700 9";Hiebwaffen
GEGENSTAENDE
13;Holz
15;Speer
11;Eisen
REGION 0 5
"Bärenberg";Name
"Ebene";Terrain
4526;Bauern
219;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
32;Pferde
64618;Silber
3230;Unterh
113;Rekruten
14;Lohn
PREISE
-25;Balsam
67;GewÃ¼rz
34;Juwel
10;Myrrhe
55;Ã–l
50;Seide
59;Weihrauch
UMGEBUNG
"Im w liegt Bärenbergs Nachbarland."
EINHEIT 3400
"Händler von Eichenberg";Name
4482;Partei
"Elf";Typ
31;Anzahl
1;bewacht
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2790 3";Hiebwaffen
"930 1";Handeln
"2790 3";Burgenbau
GEGENSTAENDE
4;Eisen
53;Speer
EINHEIT 3432
"Wachen von Westheim";Name
6961;Partei
"Ork";Typ
68;Anzahl
REGION 1 5
"Wolfsmoor";Name
"Hochland";Terrain
636;Bauern
63;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
1;Pferde
8797;Silber
439;Unterh
15;Rekruten
13;Lohn
PREISE
-67;Balsam
70;GewÃ¼rz
55;Juwel
9;Myrrhe
7;Ã–l
47;Seide
70;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Wolfsmoors Nachbarland."
EINHEIT 3467
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2516;Silber
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
19;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";HolzfÃ¤llen
"300 5";BogenschieÃŸen
REGION 2 5
"Nordstätt";Name
"Sumpf";Terrain
339;Bauern
282;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
25;Pferde
7071;Silber
353;Unterh
8;Rekruten
13;Lohn
PREISE
-8;Balsam
47;GewÃ¼rz
48;Juwel
12;Myrrhe
11;Ã–l
40;Seide
19;Weihrauch
UMGEBUNG
"Im sw liegt Nordstätts Nachbarland."
EINHEIT 3497
"Jörg";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;bewacht
902;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"180 2";Segeln
GEGENSTAENDE
2;Eisen
1;Pferd
2;Bogen
EINHEIT 3506
"Schützen von Felsmoor";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
1;bewacht
EINHEIT 3541
"Öda";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
837;Silber
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
3;Anzahl
317;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"540 6";Segeln
"810 9";Hiebwaffen
"450 5";Handeln
GEGENSTAENDE
1;Schild
EINHEIT 3443
"Reiter von Tannhausen";Name
4482;Partei
"Elf";Typ
43;Anzahl
3955;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9030 7";Burgenbau
GEGENSTAENDE
87;Holz
63;Holz
29;Schwert
REGION 3 5
"Kaltfurt";Name
"Gletscher";Terrain
44;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
0;Pferde
499;Silber
24;Unterh
1;Rekruten
13;Lohn
3;Eisen
PREISE
-29;Balsam
28;GewÃ¼rz
35;Juwel
48;Myrrhe
55;Ã–l
64;Seide
55;Weihrauch
UMGEBUNG
"Im w liegt Kaltfurts Nachbarland."
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
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
49;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw no"
"; Zur Küste"
TALENTE
"8820 6";Wahrnehmung
"5880 4";Hiebwaffen
"13230 9";Handeln
GEGENSTAENDE
52;Schwert
REGION 4 5
"Westtal";Name
"Berge";Terrain
527;Bauern
29;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
18;Pferde
3071;Silber
153;Unterh
13;Rekruten
15;Lohn
10;Strasse
0;Eisen
PREISE
-15;Balsam
57;GewÃ¼rz
35;Juwel
19;Myrrhe
31;Ã–l
33;Seide
9;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Westtals Nachbarland."
EINHEIT 3594
"Hans";Name
4482;Partei
"Elf";Typ
22;Anzahl
1;bewacht
1206;Silber
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
1418;Bauern
83;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenwald sind fleißig.";Beschr
25;Pferde
24063;Silber
1203;Unterh
35;Rekruten
11;Lohn
PREISE
-60;Balsam
33;GewÃ¼rz
32;Juwel
39;Myrrhe
16;Ã–l
36;Seide
51;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Eichenwald!"
DURCHREISE
"Boten (4980)"
UMGEBUNG
"Im nw liegt Eichenwalds Nachbarland."
EINHEIT 3613
"Reiter von Tannfurt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1421;Silber
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
48;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7200 5";Wahrnehmung
"8640 6";Wahrnehmung
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
47;Anzahl
763;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"5640 4";Hiebwaffen
"7050 5";Wahrnehmung
"2820 2";BogenschieÃŸen
EINHEIT 3764
"Swaantje";Name
4482;Partei
"Elf";Typ
2;Anzahl
806;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";Reiten
"360 6";Hiebwaffen
GEGENSTAENDE
1;Bogen
2;Speer
1;Bogen
REGION 6 5
"Mühlwald";Name
"Hochland";Terrain
1445;Bauern
79;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
14;Pferde
18132;Silber
906;Unterh
36;Rekruten
12;Lohn
91;Strasse
PREISE
-70;Balsam
63;GewÃ¼rz
73;Juwel
27;Myrrhe
6;Ã–l
37;Seide
72;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Mühlwalds Nachbarland."
EINHEIT 3795
"Reiter von Mühlhausen";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
40;Anzahl
3035;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 13"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Mühlhausen bleibt hier"
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
48;Anzahl
972;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"5760 4";Bergbau
EINHEIT 3840
"Holzfäller von Bärental";Name
3742;Partei
"Mensch";Typ
12;Anzahl
1395;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH o so"
"; Zur Küste"
TALENTE
"2160 6";Reiten
"3240 9";BogenschieÃŸen
GEGENSTAENDE
4;Holz
22;Schild
12;Pferd
EINHEIT 3858
"Hans";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1;bewacht
1;Silber
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
"7560 7";Handeln
GEGENSTAENDE
43;Holz
23;Bogen
REGION 7 5
"Grünfurt";Name
"Sumpf";Terrain
442;Bauern
328;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
7;Pferde
6546;Silber
327;Unterh
11;Rekruten
13;Lohn
PREISE
-46;Balsam
37;GewÃ¼rz
20;Juwel
25;Myrrhe
57;Ã–l
28;Seide
28;Weihrauch
UMGEBUNG
"Im sw liegt Grünfurts Nachbarland."
EINHEIT 3865
"Bärbel";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
39;Anzahl
2371;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"10530 9";HolzfÃ¤llen
GEGENSTAENDE
3;Kettenhemd
84;Schild
45;Eisen
REGION 8 5
"Kalttal";Name
"Wald";Terrain
1757;Bauern
484;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalttal sind fleißig.";Beschr
56;Pferde
23473;Silber
1173;Unterh
43;Rekruten
13;Lohn
PREISE
-41;Balsam
67;GewÃ¼rz
34;Juwel
31;Myrrhe
69;Ã–l
60;Seide
72;Weihrauch
UMGEBUNG
"Im w liegt Kalttals Nachbarland."
EINHEIT 3907
"Bärbel";Name
3742;Partei
"Mensch";Typ
23;Anzahl
2483;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"NACH no so"
"; Zur Küste"
TALENTE
"4830 7";Handeln
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
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
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
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
2;Anzahl
2021;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH w no"
"; Zur Küste"
TALENTE
"300 5";Reiten
"360 6";Hiebwaffen
GEGENSTAENDE
1;Kettenhemd
1;Speer
1;Bogen
EINHEIT 3967
"Swaantje";Name
3742;Partei
"Mensch";Typ
47;Anzahl
2276;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw nw"
"; Zur Küste"
TALENTE
"12690 9";Hiebwaffen
GEGENSTAENDE
40;Schwert
80;Speer
7;Holz
EINHEITSBOTSCHAFTEN
"Swaantje hat Hunger."
REGION 9 5
"Wolfsmoor";Name
"Gletscher";Terrain
44;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
1;Pferde
756;Silber
37;Unterh
1;Rekruten
12;Lohn
50;Strasse
77;Eisen
PREISE
-34;Balsam
73;GewÃ¼rz
18;Juwel
73;Myrrhe
14;Ã–l
60;Seide
37;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Wolfsmoor!"
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 3973
"Boten von Felsfurt";Name
3742;Partei
"Mensch";Typ
64;Anzahl
2040;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"13440 7";Segeln
"15360 8";Hiebwaffen
"13440 7";HolzfÃ¤llen
GEGENSTAENDE
34;Kettenhemd
90;Schwert
54;Holz
EINHEITSBOTSCHAFTEN
"Boten von Felsfurt hat Hunger."
EINHEIT 3993
"Hans";Name
3742;Partei
"Mensch";Typ
25;Anzahl
868;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"750 1";Reiten
GEGENSTAENDE
9;Eisen
3;Bogen
EINHEITSBOTSCHAFTEN
"Hans hat Hunger."
EINHEIT 4021
"Boten von Westwald";Name
3742;Partei
"Mensch";Typ
14;Anzahl
1356;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"840 2";Wahrnehmung
"2520 6";Handeln
"3360 8";HolzfÃ¤llen
GEGENSTAENDE
9;Holz
23;Holz
8;Holz
EINHEITSBOTSCHAFTEN
"Boten von Westwald hat Hunger."
EINHEIT 4046
"Schützen von Eichenwald";Name
3742;Partei
"Mensch";Typ
19;Anzahl
2242;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 70"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Eichenwald bleibt hier"
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
463;Bauern
18;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westberg sind fleißig.";Beschr
4;Pferde
9053;Silber
452;Unterh
11;Rekruten
13;Lohn
42;Eisen
PREISE
-61;Balsam
28;GewÃ¼rz
77;Juwel
19;Myrrhe
74;Ã–l
40;Seide
75;Weihrauch
UMGEBUNG
"Im so liegt Westbergs Nachbarland."
EINHEIT 4055
"Händler von Kaltheim";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;bewacht
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"180 2";Wahrnehmung
"720 8";Bergbau
"450 5";Handeln
EINHEIT 4059
"Späher von Mühlstätt";Name
4482;Partei
"Elf";Typ
48;Anzahl
2632;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10080 7";Wahrnehmung
GEGENSTAENDE
17;Stein
REGION -2 6
"Kalthausen";Name
"Hochland";Terrain
869;Bauern
51;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
4;Pferde
8124;Silber
406;Unterh
21;Rekruten
12;Lohn
PREISE
-15;Balsam
57;GewÃ¼rz
33;Juwel
55;Myrrhe
57;Ã–l
29;Seide
55;Weihrauch
UMGEBUNG
"Im o liegt Kalthausens Nachbarland."
EINHEIT 4088
"Holzfäller von Felswald";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
15;Anzahl
1750;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1800 4";Bergbau
"3600 8";Wahrnehmung
"2700 6";Hiebwaffen
GEGENSTAENDE
4;Holz
8;Stein
1;Pferd
EINHEIT 4095
"Ulrike";Name
4482;Partei
"Elf";Typ
18;Anzahl
869;Silber
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
2;Anzahl
3022;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Reiten
"480 8";Bergbau
GEGENSTAENDE
1;Schild
2;Bogen
1;Bogen
REGION -1 6
"Wolfsmoor";Name
"Berge";Terrain
229;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
0;Pferde
2679;Silber
133;Unterh
5;Rekruten
15;Lohn
24;Eisen
PREISE
-63;Balsam
33;GewÃ¼rz
71;Juwel
54;Myrrhe
56;Ã–l
56;Seide
8;Weihrauch
UMGEBUNG
"Im w liegt Wolfsmoors Nachbarland."
EINHEIT 4134
"Grete";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;bewacht
1001;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"720 8";Handeln
GEGENSTAENDE
6;Kettenhemd
1;Holz
EINHEIT 4238
"Boten von Mühlmoor";Name
4482;Partei
"Elf";Typ
12;Anzahl
165;Silber
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
596;Bauern
306;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenmoor sind fleißig.";Beschr
17;Pferde
2918;Silber
145;Unterh
14;Rekruten
13;Lohn
PREISE
-22;Balsam
15;GewÃ¼rz
76;Juwel
33;Myrrhe
23;Ã–l
75;Seide
9;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Eichenmoors Nachbarland."
EINHEIT 4260
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
12;Anzahl
733;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2160 6";Tarnung
"1440 4";Wahrnehmung
"2880 8";Wahrnehmung
GEGENSTAENDE
21;Kettenhemd
EINHEIT 4167
"Ulrike";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
96;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Hiebwaffen
"90 3";Hiebwaffen
REGION 1 6
"Bärental";Name
"Sumpf";Terrain
468;Bauern
387;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
23;Pferde
3471;Silber
173;Unterh
11;Rekruten
15;Lohn
PREISE
-50;Balsam
18;GewÃ¼rz
18;Juwel
25;Myrrhe
8;Ã–l
45;Seide
21;Weihrauch
UMGEBUNG
"Im no liegt Bärentals Nachbarland."
EINHEIT 4321
"Reiter von Felswald";Name
4482;Partei
"Elf";Typ
33;Anzahl
1;bewacht
1659;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1980 2";Segeln
"8910 9";Wahrnehmung
GEGENSTAENDE
22;Schild
EINHEIT 4361
"Ulrike";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;bewacht
931;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"90 1";Hiebwaffen
"270 3";BogenschieÃŸen
GEGENSTAENDE
1;Holz
2;Eisen
2;Schwert
EINHEIT 4391
"Späher von Grüntal";Name
4482;Partei
"Elf";Typ
6;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1080 6";Hiebwaffen
"720 4";Tarnung
GEGENSTAENDE
12;Kettenhemd
9;Pferd
13;Bogen
EINHEIT 4405
"Schützen von Felsau";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
19;Anzahl
310;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"570 1";Burgenbau
EINHEIT 4432
"Hans";Name
4482;Partei
"Elf";Typ
36;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"7560 7";Segeln
GEGENSTAENDE
37;Speer
24;Speer
31;Holz
REGION 2 6
"Wolfsfurt";Name
"Hochland";Terrain
1268;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsfurt sind fleißig.";Beschr
16;Pferde
8595;Silber
429;Unterh
31;Rekruten
11;Lohn
PREISE
-50;Balsam
10;GewÃ¼rz
94;Juwel
56;Myrrhe
28;Ã–l
56;Seide
81;Weihrauch
UMGEBUNG
"Im no liegt Wolfsfurts Nachbarland."
EINHEIT 4445
"Bärbel";Name
4482;Partei
"Elf";Typ
1;Anzahl
2108;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Hiebwaffen
"120 4";Segeln
"180 6";Burgenbau
GEGENSTAENDE
2;Pferd
2;Stein
2;Schild
EINHEIT 4465
"Grete";Name
4482;Partei
"Elf";Typ
13;Anzahl
2360;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1170 3";Bergbau
"390 1";HolzfÃ¤llen
GEGENSTAENDE
14;Schild
22;Pferd
EINHEIT 4482
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
999;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Bergbau
"120 4";Bergbau
GEGENSTAENDE
1;Eisen
1;Eisen
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
REGION 3 6
"Mühlau";Name
"Sumpf";Terrain
917;Bauern
439;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlau sind fleißig.";Beschr
22;Pferde
4874;Silber
243;Unterh
22;Rekruten
12;Lohn
PREISE
-57;Balsam
18;GewÃ¼rz
80;Juwel
22;Myrrhe
30;Ã–l
70;Seide
73;Weihrauch
UMGEBUNG
"Im sw liegt Mühlaus Nachbarland."
EINHEIT 4491
"Boten von Felsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1817;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"30 1";Handeln
"60 2";Bergbau
"60 2";Burgenbau
EINHEIT 4530
"Wachen von Südstätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2056;Silber
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
2728;Bauern
137;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
20;Pferde
54935;Silber
2746;Unterh
68;Rekruten
12;Lohn
PREISE
-23;Balsam
75;GewÃ¼rz
23;Juwel
63;Myrrhe
11;Ã–l
51;Seide
71;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kaltfurt!"
UMGEBUNG
"Im so liegt Kaltfurts Nachbarland."
EINHEIT 4539
"Holzfäller von Tannstätt";Name
4482;Partei
"Elf";Typ
39;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4680 4";BogenschieÃŸen
"4680 4";BogenschieÃŸen
"8190 7";Wahrnehmung
GEGENSTAENDE
7;Kettenhemd
44;Kettenhemd
EINHEIT 4563
"Späher von Nordau";Name
4482;Partei
"Elf";Typ
18;Anzahl
78;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4860 9";Segeln
"3780 7";Hiebwaffen
GEGENSTAENDE
30;Holz
EINHEIT 4583
"Swaantje";Name
5666;Partei
"Zwerg";Typ
18;Anzahl
EINHEIT 4613
"Hans";Name
4482;Partei
"Elf";Typ
57;Anzahl
1508;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5130 3";Burgenbau
"11970 7";HolzfÃ¤llen
GEGENSTAENDE
35;Stein
REGION 5 6
"Wolfsheim";Name
"Sumpf";Terrain
614;Bauern
244;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsheim sind fleißig.";Beschr
25;Pferde
3487;Silber
174;Unterh
15;Rekruten
12;Lohn
62;Strasse
PREISE
-70;Balsam
15;GewÃ¼rz
49;Juwel
33;Myrrhe
34;Ã–l
68;Seide
26;Weihrauch
DURCHREISE
"Boten (4125)"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Wolfsheims Nachbarland."
EINHEIT 4659
"Händler von Ostau";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1558;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"540 9";Bergbau
GEGENSTAENDE
2;Eisen
1;Schild
EINHEIT 4633
"Späher von Eichenstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1574;Silber
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
3533;Bauern
103;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
103;Pferde
57501;Silber
2875;Unterh
88;Rekruten
13;Lohn
PREISE
-48;Balsam
67;GewÃ¼rz
38;Juwel
30;Myrrhe
47;Ã–l
20;Seide
44;Weihrauch
UMGEBUNG
"Im no liegt Mühlbrücks Nachbarland."
EINHEIT 4723
"Späher von Südheim";Name
4482;Partei
"Elf";Typ
18;Anzahl
1494;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3240 6";Handeln
GEGENSTAENDE
32;Speer
EINHEIT 4739
"Grete";Name
4482;Partei
"Elf";Typ
37;Anzahl
1;bewacht
2;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2220 2";Reiten
"7770 7";Handeln
GEGENSTAENDE
27;Kettenhemd
REGION 7 6
"Mühlwald";Name
"Wald";Terrain
1893;Bauern
552;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
31;Pferde
27069;Silber
1353;Unterh
47;Rekruten
12;Lohn
PREISE
-32;Balsam
69;GewÃ¼rz
70;Juwel
54;Myrrhe
40;Ã–l
50;Seide
23;Weihrauch
UMGEBUNG
"Im so liegt Mühlwalds Nachbarland."
EINHEIT 3878
"Reiter von Grünwald";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1538;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Reiten"
TALENTE
"120 2";Reiten
EINHEIT 4690
"Rüdiger";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
2839;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";Tarnung
"360 6";Reiten
GEGENSTAENDE
1;Schwert
REGION 8 6
"Westhausen";Name
"Ebene";Terrain
3110;Bauern
86;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westhausen sind fleißig.";Beschr
118;Pferde
44586;Silber
2229;Unterh
77;Rekruten
13;Lohn
PREISE
-12;Balsam
45;GewÃ¼rz
43;Juwel
68;Myrrhe
61;Ã–l
9;Seide
46;Weihrauch
UMGEBUNG
"Im sw liegt Westhausens Nachbarland."
EINHEIT 5545
"Gundolf";Name
4482;Partei
"Elf";Typ
28;Anzahl
1;bewacht
1533;Silber
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
"Im so liegt Kaltstätts Nachbarland."
REGION 10 6
"Ozean";Terrain
SCHIFF 4770
"Kaltbrücks Stolz";Name
"Boot";Typ
REGION 11 6
"Ozean";Terrain
198;Runde
REGION -3 7
"Felsau";Name
"Ebene";Terrain
3112;Bauern
73;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsau sind fleißig.";Beschr
127;Pferde
39180;Silber
1959;Unterh
77;Rekruten
14;Lohn
PREISE
-58;Balsam
40;GewÃ¼rz
12;Juwel
67;Myrrhe
68;Ã–l
13;Seide
62;Weihrauch
UMGEBUNG
"Im w liegt Felsaus Nachbarland."
EINHEIT 4795
"Händler von Kaltau";Name
4482;Partei
"Elf";Typ
29;Anzahl
2847;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6960 8";Handeln
"4350 5";Burgenbau
GEGENSTAENDE
47;Holz
EINHEIT 4829
"Gundolf";Name
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
EINHEIT 5600
"Knut";Name
4482;Partei
"Elf";Typ
8;Anzahl
2848;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"240 1";Wahrnehmung
"1440 6";Reiten
EINHEIT 5682
"Knut";Name
4482;Partei
"Elf";Typ
39;Anzahl
1401;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1170 1";Tarnung
GEGENSTAENDE
72;Speer
REGION -2 7
"Eichenheim";Name
"Ebene";Terrain
1467;Bauern
76;Baeume
UMGEBUNG
"Im nw liegt Eichenheims Nachbarland."
REGION -1 7
"Felshausen";Name
"Wüste";Terrain
305;Bauern
2;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felshausen sind fleißig.";Beschr
13;Pferde
3614;Silber
180;Unterh
7;Rekruten
13;Lohn
PREISE
-15;Balsam
77;GewÃ¼rz
20;Juwel
40;Myrrhe
15;Ã–l
26;Seide
37;Weihrauch
UMGEBUNG
"Im no liegt Felshausens Nachbarland."
EINHEIT 4858
"Späher von Grünbrück";Name
4482;Partei
"Elf";Typ
57;Anzahl
186;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10260 6";BogenschieÃŸen
GEGENSTAENDE
31;Eisen
28;Schwert
59;Schild
EINHEIT 4922
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
2385;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 1";Tarnung
GEGENSTAENDE
2;Bogen
1;Eisen
2;Bogen
EINHEIT 4935
"Reiter von Mühlstätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
55;Anzahl
1;bewacht
2974;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"13200 8";Reiten
"4950 3";Segeln
GEGENSTAENDE
43;Stein
EINHEIT 4941
"Boten von Grünstätt";Name
4482;Partei
"Elf";Typ
2;Anzahl
7;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";Bergbau
"180 3";Hiebwaffen
GEGENSTAENDE
2;Eisen
EINHEIT 4946
"Knut";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
36;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9720 9";Segeln
EINHEIT 5698
"Rüdiger";Name
4482;Partei
"Elf";Typ
63;Anzahl
1880;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9450 5";HolzfÃ¤llen
"1890 1";HolzfÃ¤llen
REGION 0 7
"Westwald";Name
"Berge";Terrain
468;Bauern
10;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westwald sind fleißig.";Beschr
17;Pferde
8440;Silber
422;Unterh
11;Rekruten
15;Lohn
17;Eisen
8;Laen
PREISE
-8;Balsam
51;GewÃ¼rz
69;Juwel
19;Myrrhe
58;Ã–l
8;Seide
70;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westwald!"
UMGEBUNG
"Im o liegt Westwalds Nachbarland."
EINHEIT 4952
"Wachen von Südtal";Name
4482;Partei
"Elf";Typ
50;Anzahl
1350;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"12000 8";Wahrnehmung
EINHEIT 4959
"Wachen von Eichenhausen";Name
4482;Partei
"Elf";Typ
23;Anzahl
1;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4830 7";Segeln
"2760 4";Wahrnehmung
"4830 7";Tarnung
EINHEIT 4968
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
349;Silber
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
52;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9360 6";Wahrnehmung
"6240 4";Bergbau
GEGENSTAENDE
21;Schild
EINHEIT 5008
"Gundolf";Name
4482;Partei
"Elf";Typ
53;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7950 5";Tarnung
GEGENSTAENDE
55;Bogen
16;Stein
47;Schild
EINHEIT 4285
"Händler von Tannbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
2;Silber
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
REGION 1 7
"Kaltstätt";Name
"Wüste";Terrain
393;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
9;Pferde
5633;Silber
281;Unterh
9;Rekruten
12;Lohn
66;Strasse
PREISE
-21;Balsam
60;GewÃ¼rz
65;Juwel
30;Myrrhe
65;Ã–l
47;Seide
22;Weihrauch
DURCHREISE
"Boten (2609)"
UMGEBUNG
"Im so liegt Kaltstätts Nachbarland."
EINHEIT 5036
"Swaantje";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
2234;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";Burgenbau
"540 9";Segeln
GEGENSTAENDE
1;Holz
EINHEIT 5779
"Gundolf";Name
4482;Partei
"Elf";Typ
41;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8610 7";Segeln
"11070 9";Reiten
REGION 2 7
"Bärenbrück";Name
"Sumpf";Terrain
879;Bauern
266;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
0;Pferde
13165;Silber
658;Unterh
21;Rekruten
14;Lohn
PREISE
-18;Balsam
50;GewÃ¼rz
54;Juwel
61;Myrrhe
73;Ã–l
18;Seide
10;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Bärenbrück!"
UMGEBUNG
"Im so liegt Bärenbrücks Nachbarland."
EINHEIT 5093
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
2979;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Reiten
GEGENSTAENDE
1;Pferd
1;Speer
2;Stein
EINHEIT 5113
"Schützen von Eichenbrück";Name
4482;Partei
"Elf";Typ
58;Anzahl
1;bewacht
2;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10440 6";Tarnung
"1740 1";BogenschieÃŸen
"6960 4";Tarnung
GEGENSTAENDE
7;Stein
29;Kettenhemd
93;Schild
REGION 3 7
"Grünstätt";Name
"Wüste";Terrain
318;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2978;Silber
148;Unterh
7;Rekruten
11;Lohn
PREISE
-13;Balsam
30;GewÃ¼rz
19;Juwel
46;Myrrhe
67;Ã–l
30;Seide
69;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Grünstätts Nachbarland."
EINHEIT 5131
"Rüdiger";Name
4482;Partei
"Elf";Typ
18;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2700 5";Bergbau
"2160 4";Segeln
"1080 2";Burgenbau
EINHEIT 5151
"Wachen von Tannmoor";Name
4482;Partei
"Elf";Typ
55;Anzahl
1;bewacht
2863;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"11550 7";Handeln
"1650 1";Segeln
"1650 1";HolzfÃ¤llen
GEGENSTAENDE
96;Speer
46;Holz
1;Kettenhemd
EINHEIT 5179
"Swaantje";Name
4482;Partei
"Elf";Typ
51;Anzahl
1969;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3060 2";HolzfÃ¤llen
"10710 7";BogenschieÃŸen
GEGENSTAENDE
47;Speer
74;Schild
EINHEIT 5193
"Bergleute von Kaltbrück";Name
4482;Partei
"Elf";Typ
52;Anzahl
1957;Silber
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
42;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3780 3";Segeln
"6300 5";Handeln
GEGENSTAENDE
69;Schwert
REGION 4 7
"Nordmoor";Name
"Sumpf";Terrain
845;Bauern
348;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
3;Pferde
10038;Silber
501;Unterh
21;Rekruten
14;Lohn
74;Strasse
PREISE
-72;Balsam
6;GewÃ¼rz
42;Juwel
83;Myrrhe
41;Ã–l
58;Seide
41;Weihrauch
UMGEBUNG
"Im nw liegt Nordmoors Nachbarland."
EINHEIT 5234
"Schützen von Bärenmoor";Name
4482;Partei
"Elf";Typ
25;Anzahl
1379;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"750 1";BogenschieÃŸen
EINHEIT 5957
"Boten von Eichenheim";Name
5666;Partei
"Zwerg";Typ
23;Anzahl
REGION 5 7
"Ostbrück";Name
"Ebene";Terrain
3094;Bauern
131;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
108;Pferde
54534;Silber
2726;Unterh
77;Rekruten
12;Lohn
PREISE
-80;Balsam
14;GewÃ¼rz
28;Juwel
20;Myrrhe
35;Ã–l
57;Seide
30;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Ostbrücks Nachbarland."
EINHEIT 5239
"Späher von Wolfsbrück";Name
4482;Partei
"Elf";Typ
46;Anzahl
1594;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9660 7";Handeln
"4140 3";Bergbau
"2760 2";HolzfÃ¤llen
GEGENSTAENDE
87;Bogen
EINHEIT 5240
"Hans";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
EINHEIT 5273
"Swaantje";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
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
EINHEIT 5279
"Bergleute von Oststätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2367;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Burgenbau
"270 9";Burgenbau
"210 7";Reiten
GEGENSTAENDE
1;Bogen
EINHEIT 5305
"Reiter von Mühlstätt";Name
4482;Partei
"Elf";Typ
63;Anzahl
1049;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9450 5";Hiebwaffen
GEGENSTAENDE
43;Kettenhemd
44;Eisen
94;Schild
EINHEIT 5325
"Boten von Tannstätt";Name
4482;Partei
"Elf";Typ
15;Anzahl
1;bewacht
1901;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1350 3";BogenschieÃŸen
"4050 9";Reiten
"2700 6";Hiebwaffen
GEGENSTAENDE
9;Stein
10;Holz
4;Bogen
EINHEIT 4641
"Reiter von Eichenmoor";Name
4482;Partei
"Elf";Typ
2;Anzahl
1191;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"420 7";Segeln
"540 9";Burgenbau
"480 8";Tarnung
GEGENSTAENDE
1;Kettenhemd
2;Stein
REGION 6 7
"Grünstätt";Name
"Berge";Terrain
405;Bauern
24;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
12;Pferde
2682;Silber
134;Unterh
10;Rekruten
15;Lohn
24;Eisen
PREISE
-34;Balsam
78;GewÃ¼rz
17;Juwel
32;Myrrhe
53;Ã–l
25;Seide
42;Weihrauch
UMGEBUNG
"Im o liegt Grünstätts Nachbarland."
EINHEIT 5335
"Ulrike";Name
4482;Partei
"Elf";Typ
12;Anzahl
1778;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1080 3";HolzfÃ¤llen
"1800 5";Burgenbau
"1440 4";Wahrnehmung
GEGENSTAENDE
19;Pferd
EINHEIT 5360
"Händler von Kalttal";Name
4482;Partei
"Elf";Typ
18;Anzahl
1168;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1080 2";Segeln
EINHEIT 5363
"Boten von Grünwald";Name
4482;Partei
"Elf";Typ
2;Anzahl
3264;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Burgenbau
"420 7";HolzfÃ¤llen
"300 5";HolzfÃ¤llen
GEGENSTAENDE
3;Schild
EINHEIT 5403
"Swaantje";Name
4482;Partei
"Elf";Typ
16;Anzahl
1597;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3360 7";Bergbau
GEGENSTAENDE
9;Kettenhemd
9;Schwert
16;Kettenhemd
EINHEIT 5430
"Jörg";Name
4482;Partei
"Elf";Typ
26;Anzahl
1415;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3120 4";Bergbau
"3900 5";Wahrnehmung
GEGENSTAENDE
35;Kettenhemd
44;Holz
13;Kettenhemd
REGION 7 7
"Nordheim";Name
"Wüste";Terrain
244;Bauern
2;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
12;Pferde
1843;Silber
92;Unterh
6;Rekruten
14;Lohn
PREISE
-34;Balsam
31;GewÃ¼rz
44;Juwel
43;Myrrhe
53;Ã–l
40;Seide
29;Weihrauch
UMGEBUNG
"Im w liegt Nordheims Nachbarland."
EINHEIT 5467
"Hans";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
23;Anzahl
2961;Silber
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
58;Anzahl
572;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1740 1";Hiebwaffen
GEGENSTAENDE
47;Pferd
14;Bogen
REGION 8 7
"Bärenberg";Name
"Sumpf";Terrain
871;Bauern
253;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
21;Pferde
16094;Silber
804;Unterh
21;Rekruten
13;Lohn
PREISE
-36;Balsam
63;GewÃ¼rz
38;Juwel
35;Myrrhe
69;Ã–l
20;Seide
40;Weihrauch
UMGEBUNG
"Im nw liegt Bärenbergs Nachbarland."
EINHEIT 5568
"Schützen von Wolfsmoor";Name
4482;Partei
"Elf";Typ
33;Anzahl
1934;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1980 2";Reiten
"2970 3";Reiten
GEGENSTAENDE
64;Holz
27;Stein
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
2141;Bauern
1063;Baeume
UMGEBUNG
"Im nw liegt Grünaus Nachbarland."
REGION -3 8
"Südau";Name
"Hochland";Terrain
1884;Bauern
66;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
60;Pferde
12752;Silber
637;Unterh
47;Rekruten
15;Lohn
PREISE
-18;Balsam
15;GewÃ¼rz
69;Juwel
26;Myrrhe
47;Ã–l
29;Seide
14;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südau!"
UMGEBUNG
"Im nw liegt Südaus Nachbarland."
EINHEIT 5589
"Swaantje";Name
4482;Partei
"Elf";Typ
56;Anzahl
474;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"13440 8";Handeln
"1680 1";Tarnung
"3360 2";Reiten
GEGENSTAENDE
38;Bogen
67;Kettenhemd
EINHEIT 5616
"Ulrike";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 5654
"Schützen von Bärenwald";Name
4482;Partei
"Elf";Typ
20;Anzahl
2168;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4200 7";Burgenbau
GEGENSTAENDE
19;Bogen
13;Eisen
EINHEIT 5665
"Bergleute von Mühlberg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
16;Anzahl
760;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1440 3";BogenschieÃŸen
GEGENSTAENDE
2;Bogen
REGION -2 8
"Felsmoor";Name
"Wald";Terrain
2362;Bauern
1088;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
30;Pferde
27072;Silber
1353;Unterh
59;Rekruten
14;Lohn
52;Strasse
PREISE
-36;Balsam
48;GewÃ¼rz
57;Juwel
27;Myrrhe
35;Ã–l
21;Seide
5;Weihrauch
UMGEBUNG
"Im so liegt Felsmoors Nachbarland."
EINHEIT 5707
"Schützen von Kaltstätt";Name
4482;Partei
"Elf";Typ
2;Anzahl
1729;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 3";BogenschieÃŸen
"300 5";Hiebwaffen
GEGENSTAENDE
1;Schwert
1;Kettenhemd
EINHEIT 5711
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2307;Silber
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
35;Anzahl
2;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8400 8";Tarnung
"6300 6";Handeln
GEGENSTAENDE
6;Stein
17;Pferd
24;Speer
EINHEIT 6276
"Holzfäller von Südau";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION -1 8
"Westmoor";Name
"Wüste";Terrain
321;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westmoor sind fleißig.";Beschr
14;Pferde
3628;Silber
181;Unterh
8;Rekruten
13;Lohn
PREISE
-42;Balsam
89;GewÃ¼rz
20;Juwel
15;Myrrhe
14;Ã–l
74;Seide
79;Weihrauch
UMGEBUNG
"Im so liegt Westmoors Nachbarland."
EINHEIT 5751
"Jörg";Name
4482;Partei
"Elf";Typ
2;Anzahl
2026;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Wahrnehmung
"300 5";Wahrnehmung
REGION 0 8
"Wolfsheim";Name
"Ebene";Terrain
3430;Bauern
116;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsheim sind fleißig.";Beschr
76;Pferde
40224;Silber
2011;Unterh
85;Rekruten
11;Lohn
PREISE
-8;Balsam
30;GewÃ¼rz
81;Juwel
20;Myrrhe
70;Ã–l
78;Seide
6;Weihrauch
UMGEBUNG
"Im o liegt Wolfsheims Nachbarland."
EINHEIT 5014
"Schützen von Tannau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2303;Silber
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
REGION 1 8
"Nordstätt";Name
"Wüste";Terrain
362;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
0;Pferde
7696;Silber
384;Unterh
9;Rekruten
15;Lohn
PREISE
-10;Balsam
20;GewÃ¼rz
12;Juwel
29;Myrrhe
26;Ã–l
26;Seide
73;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (5299)"
UMGEBUNG
"Im sw liegt Nordstätts Nachbarland."
EINHEIT 5817
"Händler von Grünbrück";Name
4482;Partei
"Elf";Typ
2;Anzahl
1558;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Tarnung
REGION 2 8
"Westfurt";Name
"Ebene";Terrain
2451;Bauern
279;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
129;Pferde
50751;Silber
2537;Unterh
61;Rekruten
15;Lohn
PREISE
-39;Balsam
59;GewÃ¼rz
65;Juwel
69;Myrrhe
37;Ã–l
46;Seide
7;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westfurt!"
UMGEBUNG
"Im nw liegt Westfurts Nachbarland."
EINHEIT 5827
"Händler von Nordfurt";Name
4482;Partei
"Elf";Typ
15;Anzahl
1535;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"900 2";BogenschieÃŸen
GEGENSTAENDE
26;Schild
3;Eisen
7;Bogen
EINHEIT 5178
"Rüdiger";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
36;Anzahl
1;bewacht
1867;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2160 2";Hiebwaffen
"1080 1";Wahrnehmung
"9720 9";Hiebwaffen
GEGENSTAENDE
62;Speer
REGION 3 8
"Südhausen";Name
"Ebene";Terrain
2477;Bauern
108;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
90;Pferde
35751;Silber
1787;Unterh
61;Rekruten
12;Lohn
PREISE
-3;Balsam
49;GewÃ¼rz
27;Juwel
7;Myrrhe
80;Ã–l
50;Seide
15;Weihrauch
UMGEBUNG
"Im o liegt Südhausens Nachbarland."
EINHEIT 5868
"Knut";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2430;Silber
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
4072;Bauern
173;Baeume
UMGEBUNG
"Im so liegt Ostfurts Nachbarland."
EINHEIT 5947
"Boten von Westtal";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
REGION 5 8
"Bärenau";Name
"Hochland";Terrain
610;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
29;Pferde
5909;Silber
295;Unterh
15;Rekruten
11;Lohn
79;Strasse
PREISE
-51;Balsam
33;GewÃ¼rz
62;Juwel
29;Myrrhe
18;Ã–l
24;Seide
52;Weihrauch
UMGEBUNG
"Im no liegt Bärenaus Nachbarland."
EINHEIT 5992
"Schützen von Eichenhausen";Name
4482;Partei
"Elf";Typ
49;Anzahl
2180;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4410 3";HolzfÃ¤llen
GEGENSTAENDE
16;Holz
17;Bogen
42;Holz
EINHEIT 6016
"Rüdiger";Name
4482;Partei
"Elf";Typ
3;Anzahl
2547;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"720 8";Segeln
"540 6";HolzfÃ¤llen
GEGENSTAENDE
1;Stein
REGION 6 8
"Nordberg";Name
"Ebene";Terrain
2167;Bauern
133;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
52;Pferde
35405;Silber
1770;Unterh
54;Rekruten
12;Lohn
PREISE
-72;Balsam
21;GewÃ¼rz
31;Juwel
50;Myrrhe
37;Ã–l
75;Seide
52;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Nordberg!"
UMGEBUNG
"Im so liegt Nordbergs Nachbarland."
EINHEIT 6039
"Händler von Bärenau";Name
4482;Partei
"Elf";Typ
3;Anzahl
2892;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"180 2";Burgenbau
"810 9";Burgenbau
REGION 7 8
"Mühlwald";Name
"Wald";Terrain
1946;Bauern
471;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
29;Pferde
21705;Silber
1085;Unterh
48;Rekruten
12;Lohn
PREISE
-35;Balsam
50;GewÃ¼rz
62;Juwel
59;Myrrhe
75;Ã–l
28;Seide
89;Weihrauch
UMGEBUNG
"Im no liegt Mühlwalds Nachbarland."
EINHEIT 6078
"Swaantje";Name
4482;Partei
"Elf";Typ
21;Anzahl
183;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4410 7";Hiebwaffen
GEGENSTAENDE
35;Pferd
5;Speer
5;Bogen
EINHEIT 5520
"Öda";Name
4482;Partei
"Elf";Typ
16;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1440 3";HolzfÃ¤llen
"480 1";Wahrnehmung
REGION 8 8
"Ozean";Terrain
REGION 9 8
"Ozean";Terrain
REGION 10 8
"Ozean";Terrain
REGION -4 9
"Wolfswald";Name
"Wüste";Terrain
196;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfswald sind fleißig.";Beschr
3;Pferde
2769;Silber
138;Unterh
4;Rekruten
12;Lohn
83;Strasse
PREISE
-29;Balsam
38;GewÃ¼rz
63;Juwel
41;Myrrhe
64;Ã–l
47;Seide
74;Weihrauch
UMGEBUNG
"Im nw liegt Wolfswalds Nachbarland."
EINHEIT 6105
"Späher von Südmoor";Name
4482;Partei
"Elf";Typ
8;Anzahl
2315;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"240 1";BogenschieÃŸen
"240 1";Tarnung
"960 4";Hiebwaffen
EINHEIT 6152
"Jörg";Name
4482;Partei
"Elf";Typ
23;Anzahl
1206;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4830 7";Hiebwaffen
GEGENSTAENDE
7;Holz
29;Holz
REGION -3 9
"Mühltal";Name
"Gletscher";Terrain
73;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühltal sind fleißig.";Beschr
2;Pferde
1222;Silber
61;Unterh
1;Rekruten
14;Lohn
11;Eisen
PREISE
-53;Balsam
14;GewÃ¼rz
45;Juwel
74;Myrrhe
59;Ã–l
43;Seide
59;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im sw liegt Mühltals Nachbarland."
EINHEIT 6170
"Späher von Südfurt";Name
4482;Partei
"Elf";Typ
44;Anzahl
2;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5280 4";Hiebwaffen
"9240 7";Wahrnehmung
GEGENSTAENDE
35;Kettenhemd
25;Bogen
72;Bogen
EINHEIT 6193
"Gundolf";Name
4482;Partei
"Elf";Typ
2;Anzahl
2523;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";Tarnung
"300 5";Reiten
"480 8";Tarnung
GEGENSTAENDE
2;Pferd
EINHEIT 6216
"Boten von Bärenmoor";Name
4482;Partei
"Elf";Typ
13;Anzahl
415;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"390 1";Handeln
"2730 7";Handeln
GEGENSTAENDE
23;Pferd
1;Kettenhemd
EINHEIT 9752
"Reiter von Osttal";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1;bewacht
393;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"9720 9";BogenschieÃŸen
GEGENSTAENDE
20;Schwert
EINHEIT 6946
"Rüdiger";Name
4482;Partei
"Elf";Typ
16;Anzahl
1;bewacht
197;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3360 7";Burgenbau
"960 2";Burgenbau
"3840 8";Handeln
REGION -2 9
"Bärenfurt";Name
"Wald";Terrain
2303;Bauern
456;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
46;Pferde
47481;Silber
2374;Unterh
57;Rekruten
15;Lohn
PREISE
-5;Balsam
60;GewÃ¼rz
28;Juwel
40;Myrrhe
55;Ã–l
20;Seide
29;Weihrauch
UMGEBUNG
"Im sw liegt Bärenfurts Nachbarland."
EINHEIT 6296
"Bärbel";Name
3742;Partei
"Mensch";Typ
31;Anzahl
1739;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5580 6";Wahrnehmung
"4650 5";Bergbau
"6510 7";Wahrnehmung
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
1166;Bauern
1262;Baeume
UMGEBUNG
"Im no liegt Nordhausens Nachbarland."
REGION 0 9
"Südhausen";Name
"Ebene";Terrain
1975;Bauern
62;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
128;Pferde
32508;Silber
1625;Unterh
49;Rekruten
12;Lohn
PREISE
-45;Balsam
68;GewÃ¼rz
75;Juwel
78;Myrrhe
54;Ã–l
32;Seide
26;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Südhausens Nachbarland."
EINHEIT 6309
"Knut";Name
4482;Partei
"Elf";Typ
55;Anzahl
1820;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"14850 9";Hiebwaffen
"8250 5";Reiten
REGION 1 9
"Ostberg";Name
"Gletscher";Terrain
58;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostberg sind fleißig.";Beschr
2;Pferde
584;Silber
29;Unterh
1;Rekruten
13;Lohn
7;Eisen
20;Laen
PREISE
-38;Balsam
28;GewÃ¼rz
35;Juwel
15;Myrrhe
92;Ã–l
54;Seide
42;Weihrauch
UMGEBUNG
"Im sw liegt Ostbergs Nachbarland."
EINHEIT 6342
"Späher von Südstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2541;Silber
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
104;Silber
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
2;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"480 8";Hiebwaffen
"300 5";Hiebwaffen
"180 3";Hiebwaffen
EINHEIT 7232
"Händler von Kaltfurt";Name
5666;Partei
"Zwerg";Typ
26;Anzahl
EINHEIT 7275
"Holzfäller von Ostwald";Name
5666;Partei
"Zwerg";Typ
31;Anzahl
REGION 2 9
"Südbrück";Name
"Hochland";Terrain
1120;Bauern
48;Baeume
UMGEBUNG
"Im so liegt Südbrücks Nachbarland."
REGION 3 9
"Osttal";Name
"Hochland";Terrain
1246;Bauern
117;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
37;Pferde
22715;Silber
1135;Unterh
31;Rekruten
15;Lohn
PREISE
-47;Balsam
26;GewÃ¼rz
77;Juwel
20;Myrrhe
46;Ã–l
32;Seide
27;Weihrauch
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
24;Anzahl
EINHEIT 6352
"Ulrike";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
6365;Schiff
EINHEIT 7299
"Knut";Name
4482;Partei
"Elf";Typ
29;Anzahl
3143;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"7830 9";Burgenbau
GEGENSTAENDE
48;Eisen
51;Speer
REGION 4 9
"Bärenfurt";Name
"Hochland";Terrain
705;Bauern
108;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
26;Pferde
10046;Silber
502;Unterh
17;Rekruten
11;Lohn
17;Strasse
PREISE
-32;Balsam
26;GewÃ¼rz
80;Juwel
39;Myrrhe
39;Ã–l
23;Seide
13;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im sw liegt Bärenfurts Nachbarland."
EINHEIT 6387
"Händler von Wolfshausen";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
45;Anzahl
EINHEIT 6414
"Grete";Name
3742;Partei
"Mensch";Typ
22;Anzahl
153;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Grete";privat
COMMANDS
"LERNEN Bergbau"
TALENTE
"3300 5";Bergbau
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
200;Runde
2341;Bauern
623;Baeume
BURG 6550
"Feste Nordheim";Name
"Burg";Typ
168;Groesse
6436;Besitzer
REGION 6 9
"Ostbrück";Name
"Ebene";Terrain
2656;Bauern
58;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
93;Pferde
39536;Silber
1976;Unterh
66;Rekruten
11;Lohn
PREISE
-57;Balsam
28;GewÃ¼rz
26;Juwel
21;Myrrhe
34;Ã–l
6;Seide
56;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Ostbrück!"
UMGEBUNG
"Im sw liegt Ostbrücks Nachbarland."
EINHEIT 6586
"Händler von Südtal";Name
5666;Partei
"Zwerg";Typ
16;Anzahl
1;bewacht
EINHEIT 6589
"Swaantje";Name
4482;Partei
"Elf";Typ
2;Anzahl
1262;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Bergbau
"60 1";Burgenbau
"420 7";Reiten
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
3;Anzahl
6639;Schiff
REGION 10 9
"Ozean";Terrain
199;Runde
REGION -5 10
"Bärental";Name
"Wüste";Terrain
289;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
1;Pferde
5306;Silber
265;Unterh
7;Rekruten
14;Lohn
PREISE
-16;Balsam
8;GewÃ¼rz
31;Juwel
48;Myrrhe
35;Ã–l
12;Seide
47;Weihrauch
UMGEBUNG
"Im nw liegt Bärentals Nachbarland."
EINHEIT 6679
"Boten von Nordheim";Name
4482;Partei
"Elf";Typ
53;Anzahl
2504;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"14310 9";Hiebwaffen
"1590 1";Bergbau
EINHEIT 6719
"Swaantje";Name
4482;Partei
"Elf";Typ
32;Anzahl
2105;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"960 1";BogenschieÃŸen
"8640 9";HolzfÃ¤llen
"6720 7";Wahrnehmung
EINHEIT 6722
"Schützen von Grünfurt";Name
4482;Partei
"Elf";Typ
58;Anzahl
2071;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5220 3";BogenschieÃŸen
"5220 3";Handeln
EINHEIT 6758
"Händler von Kaltheim";Name
4482;Partei
"Elf";Typ
5;Anzahl
2063;Silber
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
1762;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2520 6";Segeln
"2520 6";Wahrnehmung
EINHEIT 6138
"Hans";Name
4482;Partei
"Elf";Typ
22;Anzahl
3136;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1320 2";HolzfÃ¤llen
"3960 6";Segeln
"5940 9";Hiebwaffen
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
114;Pferde
30126;Silber
1506;Unterh
70;Rekruten
13;Lohn
PREISE
-93;Balsam
36;GewÃ¼rz
60;Juwel
75;Myrrhe
47;Ã–l
8;Seide
28;Weihrauch
DURCHREISE
"Boten (5439)"
UMGEBUNG
"Im no liegt Ostaus Nachbarland."
EINHEIT 6825
"Bärbel";Name
4482;Partei
"Elf";Typ
28;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2520 3";BogenschieÃŸen
GEGENSTAENDE
24;Pferd
27;Eisen
EINHEIT 6826
"Händler von Grünbrück";Name
4482;Partei
"Elf";Typ
49;Anzahl
1169;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2940 2";Bergbau
GEGENSTAENDE
86;Speer
14;Schwert
97;Pferd
EINHEIT 6860
"Jörg";Name
4482;Partei
"Elf";Typ
22;Anzahl
1300;Silber
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
4482;Partei
"Elf";Typ
14;Anzahl
1;bewacht
850;Silber
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
53;Anzahl
3257;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1590 1";Reiten
"9540 6";Hiebwaffen
GEGENSTAENDE
95;Schwert
99;Schwert
REGION -3 10
"Kalthausen";Name
"Wüste";Terrain
312;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
4;Pferde
3549;Silber
177;Unterh
7;Rekruten
13;Lohn
PREISE
-55;Balsam
58;GewÃ¼rz
50;Juwel
28;Myrrhe
71;Ã–l
71;Seide
8;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im no liegt Kalthausens Nachbarland."
EINHEIT 6975
"Ulrike";Name
4482;Partei
"Elf";Typ
15;Anzahl
2017;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"900 2";Wahrnehmung
"3150 7";Bergbau
"900 2";Tarnung
GEGENSTAENDE
6;Eisen
29;Schild
EINHEIT 7002
"Bärbel";Name
4482;Partei
"Elf";Typ
15;Anzahl
1775;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3600 8";Wahrnehmung
EINHEIT 7024
"Grete";Name
3742;Partei
"Mensch";Typ
60;Anzahl
3176;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1800 1";HolzfÃ¤llen
"10800 6";Hiebwaffen
"3600 2";Burgenbau
GEGENSTAENDE
46;Bogen
23;Bogen
27;Pferd
EINHEIT 7038
"Ulrike";Name
4482;Partei
"Elf";Typ
25;Anzahl
72;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3000 4";Hiebwaffen
"4500 6";Hiebwaffen
"6000 8";Handeln
GEGENSTAENDE
25;Eisen
15;Holz
7;Schwert
EINHEIT 7041
"Bergleute von Tannhausen";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 7561
"Reiter von Mühlhausen";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
2205;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 4";BogenschieÃŸen
"240 4";Reiten
"480 8";Tarnung
GEGENSTAENDE
2;Schild
REGION -2 10
"Nordhausen";Name
"Sumpf";Terrain
348;Bauern
417;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
4;Pferde
5767;Silber
288;Unterh
8;Rekruten
11;Lohn
PREISE
-43;Balsam
50;GewÃ¼rz
80;Juwel
33;Myrrhe
28;Ã–l
8;Seide
62;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Nordhausens Nachbarland."
EINHEIT 7080
"Rüdiger";Name
4482;Partei
"Elf";Typ
43;Anzahl
1;bewacht
1599;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9030 7";Handeln
GEGENSTAENDE
35;Eisen
EINHEIT 9708
"Öda";Name
4482;Partei
"Elf";Typ
40;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"6000 5";Burgenbau
"4800 4";Bergbau
"8400 7";HolzfÃ¤llen
GEGENSTAENDE
67;Stein
2;Speer
36;Pferd
REGION -1 10
"Bärenbrück";Name
"Berge";Terrain
423;Bauern
11;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
9;Pferde
5610;Silber
280;Unterh
10;Rekruten
11;Lohn
58;Eisen
17;Laen
PREISE
-27;Balsam
37;GewÃ¼rz
44;Juwel
45;Myrrhe
38;Ã–l
9;Seide
15;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Bärenbrücks Nachbarland."
EINHEIT 7088
"Händler von Wolfshausen";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
2;Anzahl
1833;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";BogenschieÃŸen
"480 8";Wahrnehmung
REGION 0 10
"Mühlheim";Name
"Wald";Terrain
1331;Bauern
523;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
15;Pferde
10716;Silber
535;Unterh
33;Rekruten
13;Lohn
75;Strasse
PREISE
-69;Balsam
28;GewÃ¼rz
23;Juwel
64;Myrrhe
21;Ã–l
33;Seide
66;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Mühlheim!"
UMGEBUNG
"Im so liegt Mühlheims Nachbarland."
EINHEIT 7159
"Rüdiger";Name
4482;Partei
"Elf";Typ
28;Anzahl
314;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5880 7";Wahrnehmung
"2520 3";Tarnung
"4200 5";BogenschieÃŸen
EINHEIT 7192
"Händler von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
1083;Silber
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
8;Anzahl
177;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1680 7";Segeln
EINHEIT 7297
"Händler von Südberg";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
REGION 1 10
"Mühlfurt";Name
"Wald";Terrain
2422;Bauern
463;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlfurt sind fleißig.";Beschr
83;Pferde
17979;Silber
898;Unterh
60;Rekruten
13;Lohn
10;Strasse
PREISE
-77;Balsam
13;GewÃ¼rz
9;Juwel
40;Myrrhe
24;Ã–l
30;Seide
71;Weihrauch
DURCHREISE
"Boten (5279)"
UMGEBUNG
"Im w liegt Mühlfurts Nachbarland."
EINHEIT 7914
"Swaantje";Name
4482;Partei
"Elf";Typ
58;Anzahl
1376;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8700 5";Wahrnehmung
"6960 4";Segeln
"12180 7";Bergbau
GEGENSTAENDE
20;Eisen
54;Schwert
REGION 2 10
"Südfurt";Name
"Wüste";Terrain
341;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
16;Pferde
3943;Silber
197;Unterh
8;Rekruten
14;Lohn
PREISE
-16;Balsam
30;GewÃ¼rz
29;Juwel
11;Myrrhe
12;Ã–l
67;Seide
74;Weihrauch
UMGEBUNG
"Im no liegt Südfurts Nachbarland."
EINHEIT 7971
"Ulrike";Name
4482;Partei
"Elf";Typ
37;Anzahl
1;bewacht
2375;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4440 4";Hiebwaffen
"7770 7";Reiten
"3330 3";Reiten
GEGENSTAENDE
63;Schild
REGION 3 10
"Ostbrück";Name
"Gletscher";Terrain
198;Runde
66;Bauern
1;Baeume
REGION 4 10
"Felstal";Name
"Ebene";Terrain
1699;Bauern
161;Baeume
UMGEBUNG
"Im w liegt Felstals Nachbarland."
EINHEIT 7408
"Öda";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 7434
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8135
"Schützen von Felshausen";Name
5666;Partei
"Zwerg";Typ
47;Anzahl
REGION 5 10
"Ostfurt";Name
"Ebene";Terrain
1570;Bauern
183;Baeume
UMGEBUNG
"Im no liegt Ostfurts Nachbarland."
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
28;Anzahl
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
14;Anzahl
EINHEIT 9730
"Schützen von Ostbrück";Name
6961;Partei
"Ork";Typ
18;Anzahl
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
1372;Bauern
87;Baeume
UMGEBUNG
"Im nw liegt Nordheims Nachbarland."
REGION -4 11
"Grünhausen";Name
"Ebene";Terrain
2162;Bauern
85;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünhausen sind fleißig.";Beschr
34;Pferde
15210;Silber
760;Unterh
54;Rekruten
15;Lohn
46;Strasse
PREISE
-9;Balsam
25;GewÃ¼rz
17;Juwel
27;Myrrhe
24;Ã–l
84;Seide
56;Weihrauch
UMGEBUNG
"Im no liegt Grünhausens Nachbarland."
BURG 7649
"Bau von Grünhausen";Name
"Bergwerk";Typ
130;Groesse
7522;Besitzer
13;Unterhalt
EINHEIT 7522
"Bärbel";Name
1;Parteitarnung
"Zwerg";Typ
35;Anzahl
1;bewacht
7649;Burg
EINHEIT 7582
"Gundolf";Name
4482;Partei
"Elf";Typ
3;Anzahl
7649;Burg
437;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"720 8";Bergbau
GEGENSTAENDE
1;Speer
EINHEIT 7611
"Bärbel";Name
4482;Partei
"Elf";Typ
4;Anzahl
2241;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"360 3";Hiebwaffen
"240 2";Burgenbau
REGION -3 11
"Felstal";Name
"Hochland";Terrain
1443;Bauern
45;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felstal sind fleißig.";Beschr
61;Pferde
10629;Silber
531;Unterh
36;Rekruten
14;Lohn
PREISE
-53;Balsam
68;GewÃ¼rz
28;Juwel
57;Myrrhe
17;Ã–l
20;Seide
9;Weihrauch
DURCHREISE
"Boten (5579)"
UMGEBUNG
"Im nw liegt Felstals Nachbarland."
EINHEIT 7672
"Wachen von Südheim";Name
4482;Partei
"Elf";Typ
20;Anzahl
1478;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2400 4";Tarnung
"600 1";Burgenbau
"1800 3";Wahrnehmung
GEGENSTAENDE
23;Eisen
38;Holz
40;Holz
EINHEIT 7710
"Knut";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
40;Anzahl
1861;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6000 5";Wahrnehmung
"7200 6";Burgenbau
"2400 2";Burgenbau
GEGENSTAENDE
5;Holz
66;Speer
EINHEIT 7716
"Händler von Eichental";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
21;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1890 3";Wahrnehmung
"5040 8";BogenschieÃŸen
EINHEIT 7125
"Öda";Name
5666;Partei
"Zwerg";Typ
36;Anzahl
REGION -2 11
"Südwald";Name
"Berge";Terrain
571;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südwald sind fleißig.";Beschr
19;Pferde
7829;Silber
391;Unterh
14;Rekruten
13;Lohn
27;Eisen
PREISE
-20;Balsam
22;GewÃ¼rz
19;Juwel
61;Myrrhe
28;Ã–l
78;Seide
11;Weihrauch
UMGEBUNG
"Im sw liegt Südwalds Nachbarland."
EINHEIT 7767
"Gundolf";Name
4482;Partei
"Elf";Typ
27;Anzahl
1189;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"6480 8";Wahrnehmung
GEGENSTAENDE
2;Bogen
EINHEIT 7747
"Späher von Wolfstal";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
1598;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH sw no"
"; Zur Küste"
TALENTE
"30 1";Wahrnehmung
"30 1";Segeln
"210 7";Reiten
REGION -1 11
"Ostfurt";Name
"Wüste";Terrain
256;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
6;Pferde
3783;Silber
189;Unterh
6;Rekruten
12;Lohn
PREISE
-7;Balsam
34;GewÃ¼rz
46;Juwel
27;Myrrhe
16;Ã–l
82;Seide
77;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Ostfurt!"
UMGEBUNG
"Im w liegt Ostfurts Nachbarland."
EINHEIT 7783
"Swaantje";Name
4482;Partei
"Elf";Typ
58;Anzahl
41;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1740 1";Burgenbau
"10440 6";Wahrnehmung
"13920 8";Burgenbau
GEGENSTAENDE
82;Holz
EINHEIT 7802
"Wachen von Nordfurt";Name
4482;Partei
"Elf";Typ
10;Anzahl
2;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"900 3";Hiebwaffen
GEGENSTAENDE
3;Speer
EINHEIT 7813
"Boten von Nordbrück";Name
4482;Partei
"Elf";Typ
5;Anzahl
1197;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"450 3";Segeln
GEGENSTAENDE
13;Stein
3;Holz
EINHEIT 7838
"Wachen von Nordheim";Name
6961;Partei
"Ork";Typ
25;Anzahl
EINHEIT 7856
"Grete";Name
4482;Partei
"Elf";Typ
65;Anzahl
16;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"7800 4";Segeln
"3900 2";Bergbau
"13650 7";Bergbau
GEGENSTAENDE
7;Pferd
REGION 0 11
"Oststätt";Name
"Ebene";Terrain
2128;Bauern
143;Baeume
UMGEBUNG
"Im o liegt Oststätts Nachbarland."
EINHEIT 7859
"Jörg";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
REGION 1 11
"Tannberg";Name
"Ebene";Terrain
1934;Bauern
128;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannberg sind fleißig.";Beschr
57;Pferde
32300;Silber
1615;Unterh
48;Rekruten
13;Lohn
PREISE
-78;Balsam
9;GewÃ¼rz
57;Juwel
18;Myrrhe
18;Ã–l
61;Seide
60;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Tannberg!"
UMGEBUNG
"Im w liegt Tannbergs Nachbarland."
EINHEIT 7872
"Wachen von Tannstätt";Name
5666;Partei
"Zwerg";Typ
38;Anzahl
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
48;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1440 1";Burgenbau
"5760 4";Tarnung
"1440 1";HolzfÃ¤llen
GEGENSTAENDE
20;Eisen
EINHEIT 7948
"Reiter von Felshausen";Name
6961;Partei
"Ork";Typ
28;Anzahl
EINHEIT 8412
"Ulrike";Name
6961;Partei
"Ork";Typ
34;Anzahl
REGION 2 11
"Oststätt";Name
"Wüste";Terrain
450;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
11;Pferde
8377;Silber
418;Unterh
11;Rekruten
13;Lohn
PREISE
-67;Balsam
12;GewÃ¼rz
64;Juwel
22;Myrrhe
15;Ã–l
9;Seide
45;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Oststätt!"
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
52;Anzahl
1183;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"14040 9";Hiebwaffen
"7800 5";Tarnung
GEGENSTAENDE
16;Schild
57;Schild
68;Schwert
EINHEITSBOTSCHAFTEN
"Wachen von Nordhausen hat Hunger."
EINHEIT 8008
"Hans";Name
5666;Partei
"Zwerg";Typ
20;Anzahl
EINHEIT 8046
"Grete";Name
5666;Partei
"Zwerg";Typ
62;Anzahl
EINHEIT 8531
"Späher von Grünstätt";Name
5666;Partei
"Zwerg";Typ
52;Anzahl
EINHEIT 7930
"Bergleute von Oststätt";Name
5666;Partei
"Zwerg";Typ
16;Anzahl
REGION 3 11
"Ostau";Name
"Berge";Terrain
518;Bauern
13;Baeume
UMGEBUNG
"Im o liegt Ostaus Nachbarland."
EINHEIT 8059
"Jörg";Name
6961;Partei
"Ork";Typ
25;Anzahl
EINHEIT 8064
"Wachen von Felsmoor";Name
5666;Partei
"Zwerg";Typ
42;Anzahl
REGION 4 11
"Eichenberg";Name
"Ebene";Terrain
2875;Bauern
281;Baeume
UMGEBUNG
"Im w liegt Eichenbergs Nachbarland."
EINHEIT 8083
"Ulrike";Name
5666;Partei
"Zwerg";Typ
28;Anzahl
EINHEIT 8113
"Swaantje";Name
5666;Partei
"Zwerg";Typ
58;Anzahl
EINHEIT 8172
"Öda";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
REGION 5 11
"Ozean";Terrain
REGION 6 11
"Felsberg";Name
"Wüste";Terrain
199;Runde
225;Bauern
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
199;Runde
1658;Bauern
936;Baeume
REGION -5 12
"Weststätt";Name
"Berge";Terrain
292;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
11;Pferde
2579;Silber
128;Unterh
7;Rekruten
14;Lohn
43;Eisen
PREISE
-23;Balsam
19;GewÃ¼rz
28;Juwel
17;Myrrhe
38;Ã–l
12;Seide
47;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im no liegt Weststätts Nachbarland."
EINHEIT 8224
"Späher von Nordheim";Name
4482;Partei
"Elf";Typ
9;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"540 2";Bergbau
"1350 5";Handeln
GEGENSTAENDE
4;Speer
EINHEIT 8244
"Wachen von Grünau";Name
4482;Partei
"Elf";Typ
33;Anzahl
2378;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8910 9";Hiebwaffen
"2970 3";Reiten
"5940 6";Wahrnehmung
REGION -4 12
"Kaltberg";Name
"Wald";Terrain
941;Bauern
868;Baeume
UMGEBUNG
"Im nw liegt Kaltbergs Nachbarland."
REGION -3 12
"Eichental";Name
"Wald";Terrain
1479;Bauern
588;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
31;Pferde
14936;Silber
746;Unterh
36;Rekruten
15;Lohn
83;Strasse
PREISE
-33;Balsam
25;GewÃ¼rz
80;Juwel
87;Myrrhe
61;Ã–l
18;Seide
67;Weihrauch
UMGEBUNG
"Im so liegt Eichentals Nachbarland."
EINHEIT 8268
"Bergleute von Südtal";Name
4482;Partei
"Elf";Typ
2;Anzahl
1033;Silber
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
EINHEIT 7674
"Späher von Ostheim";Name
4482;Partei
"Elf";Typ
17;Anzahl
1;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1020 2";Handeln
"4590 9";Tarnung
GEGENSTAENDE
13;Holz
EINHEIT 8850
"Bergleute von Westtal";Name
4482;Partei
"Elf";Typ
21;Anzahl
665;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3780 6";Segeln
GEGENSTAENDE
7;Stein
REGION -2 12
"Südau";Name
"Wald";Terrain
1906;Bauern
524;Baeume
UMGEBUNG
"Im o liegt Südaus Nachbarland."
REGION -1 12
"Kaltfurt";Name
"Gletscher";Terrain
198;Runde
39;Bauern
1;Baeume
REGION 0 12
"Westwald";Name
"Gletscher";Terrain
70;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Westwalds Nachbarland."
EINHEIT 8340
"Holzfäller von Südwald";Name
5666;Partei
"Zwerg";Typ
50;Anzahl
EINHEIT 8366
"Reiter von Wolfsau";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 8390
"Bärbel";Name
1;Parteitarnung
"Zwerg";Typ
34;Anzahl
1;bewacht
EINHEIT 8403
"Gundolf";Name
5666;Partei
"Zwerg";Typ
16;Anzahl
EINHEIT 8440
"Hans";Name
5666;Partei
"Zwerg";Typ
50;Anzahl
1;bewacht
REGION 1 12
"Nordfurt";Name
"Gletscher";Terrain
32;Bauern
1;Baeume
UMGEBUNG
"Im no liegt Nordfurts Nachbarland."
EINHEIT 8470
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
1;bewacht
EINHEIT 8480
"Schützen von Wolfswald";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
54;Anzahl
EINHEIT 8498
"Grete";Name
6961;Partei
"Ork";Typ
54;Anzahl
EINHEIT 8518
"Bärbel";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
1;bewacht
EINHEIT 8556
"Wachen von Kaltstätt";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
REGION 2 12
"Bärenmoor";Name
"Wüste";Terrain
374;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Bärenmoors Nachbarland."
EINHEIT 8562
"Holzfäller von Wolfswald";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 8585
"Reiter von Grünbrück";Name
5666;Partei
"Zwerg";Typ
31;Anzahl
1;bewacht
EINHEIT 8618
"Boten von Mühlau";Name
5666;Partei
"Zwerg";Typ
42;Anzahl
EINHEIT 8656
"Swaantje";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
1;Anzahl
REGION 3 12
"Mühlfurt";Name
"Ebene";Terrain
2170;Bauern
152;Baeume
UMGEBUNG
"Im sw liegt Mühlfurts Nachbarland."
REGION 4 12
"Ozean";Terrain
201;Runde
REGION 5 12
"Ozean";Terrain
SCHIFF 8696
"Westfurts Stolz";Name
"Boot";Typ
8709;Kapitaen
EINHEIT 8709
"Gundolf";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
8696;Schiff
REGION 6 12
"Ozean";Terrain
REGION 7 12
"Felsheim";Name
"Ebene";Terrain
1858;Bauern
124;Baeume
UMGEBUNG
"Im w liegt Felsheims Nachbarland."
EINHEIT 8713
"Öda";Name
5666;Partei
"Zwerg";Typ
35;Anzahl
EINHEIT 8728
"Bergleute von Kalttal";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
1;bewacht
REGION 8 12
"Mühlwald";Name
"Ebene";Terrain
3905;Bauern
123;Baeume
UMGEBUNG
"Im so liegt Mühlwalds Nachbarland."
REGION -6 13
"Wolfstal";Name
"Sumpf";Terrain
611;Bauern
155;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
16;Pferde
8035;Silber
401;Unterh
15;Rekruten
15;Lohn
PREISE
-31;Balsam
39;GewÃ¼rz
51;Juwel
78;Myrrhe
36;Ã–l
13;Seide
31;Weihrauch
UMGEBUNG
"Im no liegt Wolfstals Nachbarland."
EINHEIT 8732
"Boten von Bärental";Name
4482;Partei
"Elf";Typ
40;Anzahl
1607;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4800 4";Reiten
"7200 6";BogenschieÃŸen
"9600 8";Bergbau
GEGENSTAENDE
53;Schild
50;Holz
84;Pferd
REGION -5 13
"Nordfurt";Name
"Wüste";Terrain
391;Bauern
1;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
3;Pferde
3156;Silber
157;Unterh
9;Rekruten
14;Lohn
PREISE
-82;Balsam
58;GewÃ¼rz
44;Juwel
16;Myrrhe
31;Ã–l
19;Seide
3;Weihrauch
UMGEBUNG
"Im no liegt Nordfurts Nachbarland."
EINHEIT 8756
"Ulrike";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
7;Anzahl
1;bewacht
595;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1470 7";Handeln
"1260 6";Hiebwaffen
"630 3";Segeln
GEGENSTAENDE
11;Kettenhemd
9;Speer
1;Schild
REGION -4 13
"Kaltbrück";Name
"Hochland";Terrain
1209;Bauern
53;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltbrück sind fleißig.";Beschr
3;Pferde
23736;Silber
1186;Unterh
30;Rekruten
13;Lohn
PREISE
-74;Balsam
25;GewÃ¼rz
17;Juwel
55;Myrrhe
71;Ã–l
68;Seide
76;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Kaltbrücks Nachbarland."
EINHEIT 8781
"Knut";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;bewacht
827;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"540 6";Wahrnehmung
"810 9";Hiebwaffen
"540 6";Burgenbau
GEGENSTAENDE
1;Pferd
EINHEIT 8836
"Wachen von Bärenhausen";Name
4482;Partei
"Elf";Typ
33;Anzahl
265;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8910 9";Bergbau
"2970 3";BogenschieÃŸen
EINHEIT 9327
"Gundolf";Name
4482;Partei
"Elf";Typ
42;Anzahl
2542;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7560 6";Handeln
REGION -3 13
"Bärenbrück";Name
"Gletscher";Terrain
65;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
3;Pferde
778;Silber
38;Unterh
1;Rekruten
15;Lohn
8;Eisen
14;Laen
PREISE
-22;Balsam
44;GewÃ¼rz
52;Juwel
63;Myrrhe
20;Ã–l
67;Seide
78;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im sw liegt Bärenbrücks Nachbarland."
EINHEIT 8856
"Händler von Weststätt";Name
4482;Partei
"Elf";Typ
40;Anzahl
956;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"10800 9";HolzfÃ¤llen
"7200 6";Tarnung
GEGENSTAENDE
35;Bogen
EINHEIT 9577
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8803
"Jörg";Name
4482;Partei
"Elf";Typ
2;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"300 5";Burgenbau
GEGENSTAENDE
1;Speer
2;Schwert
REGION -2 13
"Wolfsstätt";Name
"Wüste";Terrain
437;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Wolfsstätts Nachbarland."
EINHEIT 8878
"Boten von Kaltwald";Name
5666;Partei
"Zwerg";Typ
34;Anzahl
EINHEIT 8886
"Jörg";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
45;Anzahl
EINHEIT 8919
"Knut";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
REGION -1 13
"Südhausen";Name
"Gletscher";Terrain
67;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Südhausens Nachbarland."
EINHEIT 8922
"Grete";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
EINHEIT 8964
"Holzfäller von Wolfshausen";Name
5666;Partei
"Zwerg";Typ
8;Anzahl
EINHEIT 9020
"Wachen von Eichenheim";Name
5666;Partei
"Zwerg";Typ
45;Anzahl
EINHEIT 9058
"Swaantje";Name
5666;Partei
"Zwerg";Typ
37;Anzahl
EINHEIT 9755
"Ulrike";Name
5666;Partei
"Zwerg";Typ
14;Anzahl
EINHEIT 9673
"Ulrike";Name
5666;Partei
"Zwerg";Typ
42;Anzahl
REGION 0 13
"Nordfurt";Name
"Ebene";Terrain
1447;Bauern
92;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
38;Pferde
19613;Silber
980;Unterh
36;Rekruten
15;Lohn
20;Strasse
PREISE
-15;Balsam
34;GewÃ¼rz
34;Juwel
40;Myrrhe
46;Ã–l
53;Seide
74;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Nordfurts Nachbarland."
EINHEIT 9063
"Swaantje";Name
5666;Partei
"Zwerg";Typ
59;Anzahl
1;bewacht
EINHEIT 9097
"Grete";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
EINHEIT 9117
"Späher von Nordbrück";Name
3742;Partei
"Mensch";Typ
9;Anzahl
1757;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw nw"
"; Zur Küste"
TALENTE
"2430 9";Handeln
GEGENSTAENDE
12;Stein
EINHEIT 9136
"Ulrike";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 9150
"Hans";Name
1;Parteitarnung
"Zwerg";Typ
1;Anzahl
EINHEIT 9151
"Ulrike";Name
1;Parteitarnung
"Zwerg";Typ
9;Anzahl
EINHEIT 8982
"Swaantje";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
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
2830;Bauern
53;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
64;Pferde
48880;Silber
2444;Unterh
70;Rekruten
13;Lohn
PREISE
-76;Balsam
20;GewÃ¼rz
30;Juwel
28;Myrrhe
12;Ã–l
28;Seide
25;Weihrauch
UMGEBUNG
"Im so liegt Wolfstals Nachbarland."
EINHEIT 9178
"Gundolf";Name
4482;Partei
"Elf";Typ
12;Anzahl
2718;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1440 4";Hiebwaffen
EINHEIT 9191
"Holzfäller von Bärenberg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
23;Anzahl
1384;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1380 2";Handeln
"2760 4";BogenschieÃŸen
"5520 8";Segeln
EINHEIT 9215
"Wachen von Eichenau";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
10;Anzahl
1;bewacht
1203;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1200 4";HolzfÃ¤llen
GEGENSTAENDE
5;Holz
5;Speer
REGION -6 14
"Eichental";Name
"Hochland";Terrain
1613;Bauern
96;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
0;Pferde
22313;Silber
1115;Unterh
40;Rekruten
13;Lohn
PREISE
-27;Balsam
71;GewÃ¼rz
15;Juwel
27;Myrrhe
47;Ã–l
58;Seide
83;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Eichentals Nachbarland."
EINHEIT 9241
"Hans";Name
3742;Partei
"Mensch";Typ
27;Anzahl
2748;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"4050 5";BogenschieÃŸen
"5670 7";HolzfÃ¤llen
GEGENSTAENDE
3;Pferd
7;Holz
2;Schild
EINHEIT 9260
"Reiter von Bärenhausen";Name
4482;Partei
"Elf";Typ
57;Anzahl
1;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10260 6";Wahrnehmung
"1710 1";BogenschieÃŸen
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
31;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8370 9";Handeln
GEGENSTAENDE
27;Pferd
42;Holz
EINHEIT 9295
"Schützen von Westau";Name
6961;Partei
"Ork";Typ
3;Anzahl
REGION -5 14
"Nordau";Name
"Berge";Terrain
459;Bauern
16;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordau sind fleißig.";Beschr
1;Pferde
2635;Silber
131;Unterh
11;Rekruten
13;Lohn
65;Eisen
1;Laen
PREISE
-53;Balsam
74;GewÃ¼rz
63;Juwel
65;Myrrhe
40;Ã–l
42;Seide
59;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Nordaus Nachbarland."
EINHEIT 9314
"Rüdiger";Name
4482;Partei
"Elf";Typ
2;Anzahl
1;bewacht
1146;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"540 9";HolzfÃ¤llen
"360 6";Bergbau
GEGENSTAENDE
1;Stein
EINHEIT 9345
"Öda";Name
4482;Partei
"Elf";Typ
14;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"420 1";Hiebwaffen
"1260 3";Segeln
"1260 3";HolzfÃ¤llen
EINHEIT 9376
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1657;Silber
3;Kampfstatus
2;Tarnung
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
EINHEITSBOTSCHAFTEN
"Rüdiger hat Hunger."
EINHEIT 9427
"Öda";Name
5666;Partei
"Zwerg";Typ
28;Anzahl
EINHEIT 9304
"Reiter von Tannhausen";Name
4482;Partei
"Elf";Typ
27;Anzahl
2263;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5670 7";Hiebwaffen
"2430 3";HolzfÃ¤llen
REGION -4 14
"Mühlwald";Name
"Berge";Terrain
596;Bauern
29;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
19;Pferde
9897;Silber
494;Unterh
14;Rekruten
12;Lohn
21;Eisen
PREISE
-34;Balsam
50;GewÃ¼rz
73;Juwel
28;Myrrhe
38;Ã–l
68;Seide
26;Weihrauch
UMGEBUNG
"Im nw liegt Mühlwalds Nachbarland."
EINHEIT 9402
"Holzfäller von Eichenwald";Name
4482;Partei
"Elf";Typ
56;Anzahl
871;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"10080 6";Burgenbau
"10080 6";Tarnung
"10080 6";Hiebwaffen
GEGENSTAENDE
40;Holz
EINHEIT 9431
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
1046;Silber
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
"Im sw liegt Felsbrücks Nachbarland."
EINHEIT 9459
"Reiter von Eichenstätt";Name
5666;Partei
"Zwerg";Typ
4;Anzahl
1;bewacht
EINHEIT 9495
"Gundolf";Name
5666;Partei
"Zwerg";Typ
36;Anzahl
EINHEIT 9520
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
EINHEIT 9544
"Knut";Name
5666;Partei
"Zwerg";Typ
57;Anzahl
REGION -2 14
"Felsbrück";Name
"Gletscher";Terrain
33;Bauern
1;Baeume
UMGEBUNG
"Im nw liegt Felsbrücks Nachbarland."
EINHEIT 9578
"Jörg";Name
5666;Partei
"Zwerg";Typ
2;Anzahl
EINHEIT 9641
"Grete";Name
5666;Partei
"Zwerg";Typ
7;Anzahl
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
