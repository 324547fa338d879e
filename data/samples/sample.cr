VERSION 36
"Standard";Konfiguration
"Kelvaran";Spiel
"Hex";Koordinaten
1;Umlaute
36;Basis
200;Runde
PARTEI 3742
"Die Wüstenfüchse";Parteiname
"partei1@kelvaran.example";email
"Für Ruhm und Ehre!";banner
"Mensch";Typus
75;Rekrutierungskosten
3038;Anzahl Personen
0;Anzahl Immigranten
12;Max. Immigranten
503;Punkte
63;Punktedurchschnitt
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
"Willkommen in Runde 200."
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
199;Runde
REGION 1 0
"Ozean";Terrain
REGION 2 0
"Oststätt";Name
"Ebene";Terrain
2195;Bauern
216;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
28;Pferde
39510;Silber
1975;Unterh
54;Rekruten
13;Lohn
PREISE
-18;Balsam
12;GewÃ¼rz
65;Juwel
23;Myrrhe
60;Ã–l
43;Seide
80;Weihrauch
UMGEBUNG
"Im so liegt Oststätts Nachbarland."
EINHEIT 208
"Hans";Name
3742;Partei
"Mensch";Typ
21;Anzahl
1;bewacht
1169;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"5040 8";Tarnung
"5040 8";Wahrnehmung
EINHEIT 233
"Knut";Name
3742;Partei
"Mensch";Typ
25;Anzahl
2738;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"4500 6";Burgenbau
"2250 3";Reiten
EINHEIT 248
"Jörg";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
41;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"4920 4";BogenschieÃŸen
"2460 2";HolzfÃ¤llen
"7380 6";Tarnung
GEGENSTAENDE
28;Bogen
65;Schwert
15;Stein
EINHEIT 270
"Späher von Wolfsau";Name
3742;Partei
"Mensch";Typ
29;Anzahl
169;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH w o"
"; Zur Küste"
TALENTE
"5220 6";Tarnung
GEGENSTAENDE
22;Speer
12;Kettenhemd
EINHEIT 282
"Bergleute von Mühlau";Name
4482;Partei
"Elf";Typ
13;Anzahl
841;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1950 5";Segeln
"1560 4";Burgenbau
GEGENSTAENDE
20;Eisen
13;Stein
11;Schild
EINHEIT 320
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2716;Silber
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
EINHEITSBOTSCHAFTEN
"Hans hat Hunger."
REGION 3 0
"Eichenfurt";Name
"Ebene";Terrain
1816;Bauern
113;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenfurt sind fleißig.";Beschr
57;Pferde
29056;Silber
1452;Unterh
45;Rekruten
13;Lohn
PREISE
-59;Balsam
48;GewÃ¼rz
7;Juwel
53;Myrrhe
58;Ã–l
48;Seide
10;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Eichenfurts Nachbarland."
EINHEIT 326
"Grete";Name
3742;Partei
"Mensch";Typ
57;Anzahl
144;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw w"
"; Zur Küste"
TALENTE
"11970 7";HolzfÃ¤llen
"3420 2";Reiten
GEGENSTAENDE
13;Holz
54;Speer
93;Schwert
EINHEIT 362
"Händler von Südtal";Name
3742;Partei
"Mensch";Typ
16;Anzahl
1;bewacht
424;Silber
3;Kampfstatus
0;Tarnung
"Nur für mich: Händler von Südtal";privat
COMMANDS
"LERNEN Tarnung"
TALENTE
"3840 8";Tarnung
GEGENSTAENDE
3;Schwert
8;Schild
1;Schwert
EINHEITSBOTSCHAFTEN
"Händler von Südtal hat Hunger."
EINHEIT 392
"Bergleute von Eichenbrück";Name
3742;Partei
"Mensch";Typ
13;Anzahl
657;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3120 8";Reiten
GEGENSTAENDE
15;Schwert
22;Schwert
EINHEIT 414
"Bergleute von Westheim";Name
3742;Partei
"Mensch";Typ
10;Anzahl
1506;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1800 6";Hiebwaffen
"1500 5";Reiten
"1200 4";BogenschieÃŸen
GEGENSTAENDE
9;Bogen
13;Eisen
EINHEITSBOTSCHAFTEN
"Bergleute von Westheim hat Hunger."
EINHEIT 446
"Wachen von Grünstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
607;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Tarnung
"90 3";Handeln
"60 2";Hiebwaffen
REGION 4 0
"Grünfurt";Name
"Ebene";Terrain
3059;Bauern
126;Baeume
UMGEBUNG
"Im so liegt Grünfurts Nachbarland."
REGION 5 0
"Kaltmoor";Name
"Berge";Terrain
265;Bauern
12;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
13;Pferde
3180;Silber
159;Unterh
6;Rekruten
11;Lohn
6;Eisen
PREISE
-53;Balsam
35;GewÃ¼rz
51;Juwel
34;Myrrhe
11;Ã–l
51;Seide
73;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im o liegt Kaltmoors Nachbarland."
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
"LERNEN Handeln"
TALENTE
"60 2";Handeln
"120 4";BogenschieÃŸen
"180 6";HolzfÃ¤llen
EINHEIT 498
"Späher von Wolfsau";Name
3742;Partei
"Mensch";Typ
10;Anzahl
747;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 14"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Wolfsau bleibt hier"
TALENTE
"2400 8";Reiten
"1500 5";HolzfÃ¤llen
"1800 6";Segeln
GEGENSTAENDE
10;Schild
18;Stein
EINHEIT 505
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
837;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
"Nur für mich: Knut";privat
COMMANDS
"LERNEN Burgenbau"
TALENTE
"180 6";Burgenbau
"30 1";Wahrnehmung
"150 5";Burgenbau
EINHEIT 537
"Hans";Name
3742;Partei
"Mensch";Typ
48;Anzahl
1;bewacht
450;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"2880 2";HolzfÃ¤llen
"11520 8";BogenschieÃŸen
"11520 8";HolzfÃ¤llen
GEGENSTAENDE
38;Holz
REGION 6 0
"Felsmoor";Name
"Hochland";Terrain
621;Bauern
104;Baeume
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
1789;Bauern
69;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltheim sind fleißig.";Beschr
46;Pferde
21468;Silber
1073;Unterh
44;Rekruten
11;Lohn
PREISE
-80;Balsam
12;GewÃ¼rz
23;Juwel
12;Myrrhe
24;Ã–l
68;Seide
39;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Kaltheims Nachbarland."
EINHEIT 593
"Holzfäller von Westtal";Name
3742;Partei
"Mensch";Typ
22;Anzahl
1004;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw so"
"; Zur Küste"
TALENTE
"4620 7";BogenschieÃŸen
"1980 3";Bergbau
"4620 7";Tarnung
EINHEIT 611
"Hans";Name
3742;Partei
"Mensch";Typ
26;Anzahl
2583;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"7020 9";Segeln
"3900 5";BogenschieÃŸen
GEGENSTAENDE
47;Eisen
40;Eisen
EINHEIT 632
"Holzfäller von Westberg";Name
3742;Partei
"Mensch";Typ
18;Anzahl
2191;Silber
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
EINHEIT 651
"Öda";Name
3742;Partei
"Mensch";Typ
39;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"2340 2";Tarnung
GEGENSTAENDE
73;Speer
EINHEIT 691
"Reiter von Nordtal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1618;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"210 7";HolzfÃ¤llen
"150 5";Handeln
GEGENSTAENDE
2;Pferd
2;Schild
2;Holz
REGION 8 0
"Weststätt";Name
"Ebene";Terrain
2916;Bauern
63;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
117;Pferde
23328;Silber
1166;Unterh
72;Rekruten
15;Lohn
PREISE
-49;Balsam
54;GewÃ¼rz
31;Juwel
31;Myrrhe
42;Ã–l
67;Seide
25;Weihrauch
UMGEBUNG
"Im so liegt Weststätts Nachbarland."
EINHEIT 700
"Swaantje";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
30;Anzahl
842;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 22"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Swaantje bleibt hier"
TALENTE
"7200 8";Burgenbau
"900 1";Wahrnehmung
"4500 5";Burgenbau
GEGENSTAENDE
40;Kettenhemd
EINHEIT 707
"Holzfäller von Eichenstätt";Name
3742;Partei
"Mensch";Typ
13;Anzahl
579;Silber
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
EINHEIT 739
"Späher von Mühlmoor";Name
3742;Partei
"Mensch";Typ
13;Anzahl
970;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 61"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Mühlmoor bleibt hier"
TALENTE
"2730 7";Handeln
"1950 5";Tarnung
GEGENSTAENDE
14;Speer
13;Stein
8;Eisen
EINHEIT 759
"Boten von Bärental";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1829;Silber
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
9;Anzahl
148;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Späher von Nordwald";privat
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"270 1";Hiebwaffen
GEGENSTAENDE
6;Eisen
2;Bogen
REGION 9 0
"Bärenau";Name
"Gletscher";Terrain
74;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
0;Pferde
592;Silber
29;Unterh
1;Rekruten
11;Lohn
74;Eisen
PREISE
-57;Balsam
78;GewÃ¼rz
10;Juwel
73;Myrrhe
24;Ã–l
73;Seide
73;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (7669)"
UMGEBUNG
"Im so liegt Bärenaus Nachbarland."
EINHEIT 800
"Rüdiger";Name
3742;Partei
"Mensch";Typ
40;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"6000 5";BogenschieÃŸen
GEGENSTAENDE
56;Speer
EINHEIT 837
"Gundolf";Name
3742;Partei
"Mensch";Typ
57;Anzahl
1557;Silber
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
EINHEITSBOTSCHAFTEN
"Gundolf hat Hunger."
REGION 10 0
"Tanntal";Name
"Ebene";Terrain
1635;Bauern
153;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tanntal sind fleißig.";Beschr
77;Pferde
26160;Silber
1308;Unterh
40;Rekruten
14;Lohn
PREISE
-37;Balsam
58;GewÃ¼rz
77;Juwel
19;Myrrhe
9;Ã–l
32;Seide
5;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Tanntals Nachbarland."
EINHEIT 838
"Reiter von Nordheim";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 845
"Boten von Westberg";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Boten von Westberg";privat
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"30 1";Bergbau
GEGENSTAENDE
2;Stein
2;Holz
2;Eisen
EINHEIT 846
"Swaantje";Name
3742;Partei
"Mensch";Typ
21;Anzahl
484;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"3780 6";BogenschieÃŸen
"4410 7";Hiebwaffen
"2520 4";Tarnung
GEGENSTAENDE
18;Eisen
12;Schwert
EINHEIT 866
"Schützen von Mühlheim";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 888
"Wachen von Wolfsmoor";Name
3742;Partei
"Mensch";Typ
33;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"3960 4";Handeln
GEGENSTAENDE
38;Kettenhemd
38;Bogen
30;Kettenhemd
REGION 11 0
"Ozean";Terrain
REGION 12 0
"Ozean";Terrain
REGION 13 0
"Osttal";Name
"Ebene";Terrain
3141;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
53;Pferde
18846;Silber
942;Unterh
78;Rekruten
11;Lohn
PREISE
-7;Balsam
61;GewÃ¼rz
6;Juwel
55;Myrrhe
21;Ã–l
79;Seide
42;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Osttals Nachbarland."
EINHEIT 901
"Bergleute von Wolfshausen";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2906;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"240 8";BogenschieÃŸen
"240 8";Handeln
"90 3";Handeln
EINHEIT 920
"Knut";Name
4482;Partei
"Elf";Typ
39;Anzahl
1;bewacht
617;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"7020 6";Wahrnehmung
"3510 3";BogenschieÃŸen
"3510 3";Hiebwaffen
EINHEIT 934
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"210 7";BogenschieÃŸen
"210 7";HolzfÃ¤llen
GEGENSTAENDE
1;Stein
EINHEIT 936
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
862;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 64"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
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
REGION 2 1
"Kaltwald";Name
"Ebene";Terrain
2516;Bauern
293;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltwald sind fleißig.";Beschr
69;Pferde
20128;Silber
1006;Unterh
62;Rekruten
13;Lohn
PREISE
-76;Balsam
80;GewÃ¼rz
36;Juwel
71;Myrrhe
46;Ã–l
16;Seide
66;Weihrauch
DURCHREISE
"Boten (5196)"
UMGEBUNG
"Im o liegt Kaltwalds Nachbarland."
EINHEIT 966
"Boten von Ostau";Name
3742;Partei
"Mensch";Typ
22;Anzahl
1107;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 94"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Ostau bleibt hier"
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
54;Anzahl
1;bewacht
2329;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 24"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"14580 9";Wahrnehmung
"8100 5";BogenschieÃŸen
"12960 8";Burgenbau
GEGENSTAENDE
105;Eisen
EINHEIT 1012
"Boten von Tannfurt";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 3 1
"Südau";Name
"Wüste";Terrain
170;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
11;Pferde
1190;Silber
59;Unterh
4;Rekruten
11;Lohn
PREISE
-66;Balsam
12;GewÃ¼rz
16;Juwel
69;Myrrhe
64;Ã–l
65;Seide
17;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (4478)"
UMGEBUNG
"Im nw liegt Südaus Nachbarland."
EINHEIT 1044
"Späher von Grünstätt";Name
3742;Partei
"Mensch";Typ
42;Anzahl
2961;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw o"
"; Zur Küste"
TALENTE
"1260 1";Tarnung
"6300 5";BogenschieÃŸen
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
1150;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 85"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
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
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1920 4";Tarnung
"2400 5";Handeln
"2880 6";Tarnung
GEGENSTAENDE
6;Holz
EINHEIT 1116
"Ulrike";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
262;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"240 8";Wahrnehmung
"150 5";Tarnung
"270 9";Segeln
GEGENSTAENDE
2;Schild
REGION 4 1
"Grünstätt";Name
"Berge";Terrain
475;Bauern
18;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2375;Silber
118;Unterh
11;Rekruten
12;Lohn
66;Eisen
PREISE
-52;Balsam
40;GewÃ¼rz
49;Juwel
76;Myrrhe
65;Ã–l
70;Seide
45;Weihrauch
UMGEBUNG
"Im o liegt Grünstätts Nachbarland."
EINHEIT 1137
"Boten von Mühltal";Name
3742;Partei
"Mensch";Typ
10;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1200 4";BogenschieÃŸen
"1500 5";Reiten
"1500 5";Handeln
GEGENSTAENDE
8;Bogen
5;Stein
EINHEIT 1169
"Jörg";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1553;Silber
2;Kampfstatus
2;Tarnung
"Nur für mich: Jörg";privat
COMMANDS
"NACH no w"
"; Zur Küste"
TALENTE
"7560 7";Reiten
"3240 3";Hiebwaffen
EINHEIT 1185
"Wachen von Bärenheim";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
8;Anzahl
125;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2160 9";Wahrnehmung
"1200 5";Hiebwaffen
"960 4";Handeln
EINHEIT 1202
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
52;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bergbau"
TALENTE
"180 6";Bergbau
GEGENSTAENDE
2;Eisen
2;Kettenhemd
1;Holz
EINHEIT 1216
"Boten von Eichenmoor";Name
4482;Partei
"Elf";Typ
22;Anzahl
442;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1980 3";Reiten
"4620 7";HolzfÃ¤llen
"4620 7";Reiten
REGION 5 1
"Kaltfurt";Name
"Ebene";Terrain
4175;Bauern
255;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
51;Pferde
62625;Silber
3131;Unterh
104;Rekruten
15;Lohn
PREISE
-11;Balsam
14;GewÃ¼rz
14;Juwel
7;Myrrhe
73;Ã–l
60;Seide
9;Weihrauch
UMGEBUNG
"Im o liegt Kaltfurts Nachbarland."
EINHEIT 1225
"Hans";Name
4482;Partei
"Elf";Typ
33;Anzahl
1463;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2970 3";Segeln
"7920 8";Bergbau
"5940 6";Bergbau
GEGENSTAENDE
9;Kettenhemd
48;Schild
EINHEIT 1248
"Öda";Name
3742;Partei
"Mensch";Typ
24;Anzahl
2400;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"3600 5";Handeln
"2880 4";BogenschieÃŸen
"5760 8";Bergbau
GEGENSTAENDE
42;Pferd
47;Kettenhemd
REGION 6 1
"Südfurt";Name
"Ebene";Terrain
4249;Bauern
107;Baeume
UMGEBUNG
"Im sw liegt Südfurts Nachbarland."
REGION 7 1
"Felsbrück";Name
"Wüste";Terrain
450;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsbrück sind fleißig.";Beschr
4;Pferde
8550;Silber
427;Unterh
11;Rekruten
13;Lohn
PREISE
-7;Balsam
39;GewÃ¼rz
56;Juwel
37;Myrrhe
18;Ã–l
52;Seide
37;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Felsbrücks Nachbarland."
EINHEIT 1254
"Schützen von Südberg";Name
3742;Partei
"Mensch";Typ
29;Anzahl
662;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 91"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Südberg bleibt hier"
TALENTE
"870 1";Burgenbau
GEGENSTAENDE
19;Holz
23;Schwert
EINHEIT 1267
"Reiter von Weststätt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2616;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Reiter von Weststätt";privat
COMMANDS
"MACHEN TEMP 7"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Weststätt bleibt hier"
TALENTE
"420 7";Handeln
"300 5";Segeln
"480 8";Handeln
EINHEIT 1294
"Bergleute von Kaltfurt";Name
3742;Partei
"Mensch";Typ
55;Anzahl
1545;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"3300 2";Reiten
"8250 5";BogenschieÃŸen
"1650 1";Burgenbau
EINHEITSBOTSCHAFTEN
"Bergleute von Kaltfurt hat Hunger."
EINHEIT 1313
"Späher von Felsberg";Name
3742;Partei
"Mensch";Typ
37;Anzahl
751;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 53"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Felsberg bleibt hier"
TALENTE
"8880 8";Tarnung
GEGENSTAENDE
8;Eisen
REGION 8 1
"Nordberg";Name
"Ebene";Terrain
2588;Bauern
119;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
94;Pferde
15528;Silber
776;Unterh
64;Rekruten
14;Lohn
PREISE
-66;Balsam
55;GewÃ¼rz
37;Juwel
26;Myrrhe
28;Ã–l
19;Seide
26;Weihrauch
UMGEBUNG
"Im sw liegt Nordbergs Nachbarland."
EINHEIT 1353
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
272;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 93"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Knut bleibt hier"
TALENTE
"240 8";HolzfÃ¤llen
GEGENSTAENDE
1;Schild
EINHEITSBOTSCHAFTEN
"Knut hat Hunger."
EINHEIT 1382
"Späher von Bärenberg";Name
3742;Partei
"Mensch";Typ
48;Anzahl
32;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"11520 8";Tarnung
"4320 3";BogenschieÃŸen
"8640 6";Handeln
EINHEIT 1410
"Rüdiger";Name
3742;Partei
"Mensch";Typ
12;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH so no"
"; Zur Küste"
TALENTE
"2160 6";Reiten
"2880 8";Hiebwaffen
REGION 9 1
"Felswald";Name
"Hochland";Terrain
910;Bauern
96;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felswald sind fleißig.";Beschr
0;Pferde
10010;Silber
500;Unterh
22;Rekruten
14;Lohn
PREISE
-14;Balsam
20;GewÃ¼rz
43;Juwel
72;Myrrhe
49;Ã–l
49;Seide
72;Weihrauch
UMGEBUNG
"Im w liegt Felswalds Nachbarland."
EINHEIT 1439
"Hans";Name
3742;Partei
"Mensch";Typ
47;Anzahl
794;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 82"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"5640 4";Tarnung
GEGENSTAENDE
8;Speer
48;Schild
44;Bogen
REGION 10 1
"Ozean";Terrain
REGION 11 1
"Ozean";Terrain
REGION 12 1
"Ozean";Terrain
REGION 13 1
"Südfurt";Name
"Wüste";Terrain
437;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
13;Pferde
8740;Silber
437;Unterh
10;Rekruten
15;Lohn
PREISE
-16;Balsam
38;GewÃ¼rz
79;Juwel
39;Myrrhe
16;Ã–l
73;Seide
30;Weihrauch
UMGEBUNG
"Im w liegt Südfurts Nachbarland."
EINHEIT 1453
"Händler von Ostfurt";Name
3742;Partei
"Mensch";Typ
50;Anzahl
1;bewacht
1111;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
8;Anzahl
2020;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1440 6";Wahrnehmung
"720 3";Reiten
"720 3";Reiten
EINHEIT 1480
"Bärbel";Name
3742;Partei
"Mensch";Typ
51;Anzahl
778;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3060 2";HolzfÃ¤llen
REGION 14 1
"Ozean";Terrain
REGION -1 2
"Ozean";Terrain
REGION 0 2
"Ozean";Terrain
REGION 1 2
"Westbrück";Name
"Gletscher";Terrain
51;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
0;Pferde
612;Silber
30;Unterh
1;Rekruten
13;Lohn
19;Strasse
43;Eisen
2;Laen
PREISE
-33;Balsam
78;GewÃ¼rz
42;Juwel
47;Myrrhe
20;Ã–l
72;Seide
33;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westbrück!"
UMGEBUNG
"Im so liegt Westbrücks Nachbarland."
EINHEIT 1507
"Reiter von Wolfswald";Name
3742;Partei
"Mensch";Typ
5;Anzahl
280;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
1001;Silber
3;Kampfstatus
0;Tarnung
"Nur für mich: Späher von Südau";privat
COMMANDS
"LERNEN Bogenschießen"
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
23;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3450 5";Reiten
EINHEIT 1562
"Rüdiger";Name
3742;Partei
"Mensch";Typ
33;Anzahl
589;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH so w"
"; Zur Küste"
TALENTE
"3960 4";HolzfÃ¤llen
GEGENSTAENDE
13;Kettenhemd
25;Holz
43;Schwert
REGION 2 2
"Südfurt";Name
"Sumpf";Terrain
450;Bauern
433;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
13;Pferde
3600;Silber
180;Unterh
11;Rekruten
15;Lohn
PREISE
-40;Balsam
26;GewÃ¼rz
25;Juwel
32;Myrrhe
77;Ã–l
48;Seide
9;Weihrauch
DURCHREISE
"Boten (6299)"
UMGEBUNG
"Im no liegt Südfurts Nachbarland."
EINHEIT 1581
"Öda";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1613
"Rüdiger";Name
3742;Partei
"Mensch";Typ
59;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 62"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Rüdiger bleibt hier"
TALENTE
"10620 6";Bergbau
"3540 2";Bergbau
EINHEIT 1615
"Ulrike";Name
3742;Partei
"Mensch";Typ
18;Anzahl
1;bewacht
1489;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH o o"
"; Zur Küste"
TALENTE
"4320 8";HolzfÃ¤llen
"540 1";Handeln
"540 1";Bergbau
GEGENSTAENDE
5;Holz
17;Stein
30;Eisen
EINHEIT 1618
"Holzfäller von Südhausen";Name
3742;Partei
"Mensch";Typ
1;Anzahl
599;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Holzfäller von Südhausen";privat
COMMANDS
"MACHEN TEMP 67"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Südhausen bleibt hier"
TALENTE
"60 2";HolzfÃ¤llen
GEGENSTAENDE
1;Bogen
1;Bogen
EINHEIT 1623
"Wachen von Felstal";Name
3742;Partei
"Mensch";Typ
52;Anzahl
1569;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"3120 2";Bergbau
GEGENSTAENDE
28;Eisen
86;Bogen
REGION 3 2
"Grünbrück";Name
"Hochland";Terrain
1163;Bauern
86;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
43;Pferde
20934;Silber
1046;Unterh
29;Rekruten
12;Lohn
PREISE
-39;Balsam
64;GewÃ¼rz
37;Juwel
18;Myrrhe
78;Ã–l
23;Seide
31;Weihrauch
UMGEBUNG
"Im w liegt Grünbrücks Nachbarland."
EINHEIT 1639
"Reiter von Nordhausen";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
18;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"Nur für mich: Reiter von Nordhausen";privat
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
733;Bauern
386;Baeume
UMGEBUNG
"Im nw liegt Grünmoors Nachbarland."
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
197;Runde
244;Bauern
0;Baeume
REGION 7 2
"Westbrück";Name
"Wald";Terrain
1202;Bauern
1021;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westbrück sind fleißig.";Beschr
75;Pferde
10818;Silber
540;Unterh
30;Rekruten
11;Lohn
PREISE
-69;Balsam
6;GewÃ¼rz
62;Juwel
76;Myrrhe
24;Ã–l
18;Seide
34;Weihrauch
UMGEBUNG
"Im no liegt Westbrücks Nachbarland."
EINHEIT 1677
"Swaantje";Name
4482;Partei
"Elf";Typ
41;Anzahl
2418;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"11070 9";Tarnung
"11070 9";Reiten
"7380 6";Burgenbau
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
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no nw"
"; Zur Küste"
TALENTE
"270 9";Handeln
"150 5";Tarnung
GEGENSTAENDE
1;Bogen
2;Speer
REGION 8 2
"Tannheim";Name
"Berge";Terrain
450;Bauern
27;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannheim sind fleißig.";Beschr
2;Pferde
5850;Silber
292;Unterh
11;Rekruten
13;Lohn
34;Eisen
PREISE
-25;Balsam
32;GewÃ¼rz
34;Juwel
9;Myrrhe
8;Ã–l
39;Seide
20;Weihrauch
UMGEBUNG
"Im so liegt Tannheims Nachbarland."
EINHEIT 1753
"Gundolf";Name
3742;Partei
"Mensch";Typ
8;Anzahl
883;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"480 2";Burgenbau
"2160 9";Reiten
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
24;Anzahl
1;bewacht
1513;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 16"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Kaltbrück bleibt hier"
TALENTE
"6480 9";Burgenbau
GEGENSTAENDE
41;Bogen
25;Holz
EINHEITSBOTSCHAFTEN
"Boten von Kaltbrück hat Hunger."
REGION 9 2
"Nordheim";Name
"Ebene";Terrain
2622;Bauern
118;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
3;Pferde
15732;Silber
786;Unterh
65;Rekruten
15;Lohn
PREISE
-76;Balsam
61;GewÃ¼rz
68;Juwel
16;Myrrhe
34;Ã–l
50;Seide
44;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Nordheims Nachbarland."
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
"MACHEN TEMP 35"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"120 4";Reiten
"90 3";Wahrnehmung
GEGENSTAENDE
1;Holz
EINHEIT 1806
"Boten von Tanntal";Name
3742;Partei
"Mensch";Typ
53;Anzahl
2187;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 61"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Tanntal bleibt hier"
TALENTE
"4770 3";Bergbau
"3180 2";BogenschieÃŸen
"7950 5";Handeln
GEGENSTAENDE
40;Holz
94;Bogen
EINHEIT 1825
"Öda";Name
3742;Partei
"Mensch";Typ
34;Anzahl
1203;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"7140 7";BogenschieÃŸen
"1020 1";Hiebwaffen
GEGENSTAENDE
48;Pferd
59;Pferd
17;Bogen
EINHEIT 1833
"Reiter von Ostbrück";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Reiter von Ostbrück";privat
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"60 2";Tarnung
"90 3";Hiebwaffen
"60 2";Hiebwaffen
GEGENSTAENDE
1;Pferd
1;Holz
REGION 10 2
"Ozean";Terrain
REGION 11 2
"Ozean";Terrain
196;Runde
REGION 12 2
"Ozean";Terrain
REGION 13 2
"Ozean";Terrain
REGION -1 3
"Ozean";Terrain
196;Runde
REGION 0 3
"Kaltmoor";Name
"Sumpf";Terrain
381;Bauern
183;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltmoor sind fleißig.";Beschr
24;Pferde
3429;Silber
171;Unterh
9;Rekruten
12;Lohn
PREISE
-42;Balsam
69;GewÃ¼rz
80;Juwel
47;Myrrhe
52;Ã–l
48;Seide
44;Weihrauch
UMGEBUNG
"Im w liegt Kaltmoors Nachbarland."
EINHEIT 1842
"Händler von Wolfstal";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
474;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"60 2";HolzfÃ¤llen
"90 3";Hiebwaffen
"30 1";HolzfÃ¤llen
EINHEIT 1879
"Grete";Name
3742;Partei
"Mensch";Typ
14;Anzahl
666;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3360 8";Hiebwaffen
"2940 7";Handeln
"840 2";BogenschieÃŸen
GEGENSTAENDE
27;Kettenhemd
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
EINHEIT 1883
"Knut";Name
6961;Partei
"Ork";Typ
10;Anzahl
EINHEIT 1922
"Ulrike";Name
3742;Partei
"Mensch";Typ
12;Anzahl
2381;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"2880 8";Hiebwaffen
"1800 5";Hiebwaffen
"3240 9";Wahrnehmung
GEGENSTAENDE
7;Holz
13;Stein
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
REGION 1 3
"Eichenbrück";Name
"Berge";Terrain
305;Bauern
22;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenbrück sind fleißig.";Beschr
2;Pferde
3965;Silber
198;Unterh
7;Rekruten
11;Lohn
15;Eisen
14;Laen
PREISE
-29;Balsam
13;GewÃ¼rz
66;Juwel
35;Myrrhe
21;Ã–l
14;Seide
67;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Eichenbrücks Nachbarland."
BURG 1960
"Feste Eichenbrück";Name
"Burg";Typ
209;Groesse
1955;Besitzer
20;Unterhalt
EINHEIT 1955
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
1960;Burg
1165;Silber
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
227;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Osttals Nachbarland."
REGION 3 3
"Westtal";Name
"Wald";Terrain
1880;Bauern
1046;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
88;Pferde
35720;Silber
1786;Unterh
47;Rekruten
14;Lohn
PREISE
-23;Balsam
60;GewÃ¼rz
48;Juwel
35;Myrrhe
65;Ã–l
68;Seide
57;Weihrauch
UMGEBUNG
"Im w liegt Westtals Nachbarland."
EINHEIT 1993
"Schützen von Eichenwald";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 2003
"Bergleute von Tanntal";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1973;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"5040 4";BogenschieÃŸen
"3780 3";Burgenbau
"11340 9";Bergbau
EINHEIT 2043
"Boten von Südheim";Name
3742;Partei
"Mensch";Typ
6;Anzahl
1590;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1440 8";Segeln
"180 1";BogenschieÃŸen
"1620 9";Segeln
GEGENSTAENDE
2;Eisen
6;Schild
REGION 4 3
"Westfurt";Name
"Sumpf";Terrain
711;Bauern
307;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
10;Pferde
4266;Silber
213;Unterh
17;Rekruten
14;Lohn
13;Strasse
PREISE
-56;Balsam
48;GewÃ¼rz
26;Juwel
33;Myrrhe
48;Ã–l
35;Seide
67;Weihrauch
DURCHREISE
"Boten (5666)"
UMGEBUNG
"Im w liegt Westfurts Nachbarland."
EINHEIT 2080
"Öda";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
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
36;Anzahl
1;bewacht
2273;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2160 2";Segeln
GEGENSTAENDE
68;Schild
35;Schild
39;Schild
EINHEIT 2134
"Jörg";Name
5666;Partei
"Zwerg";Typ
28;Anzahl
1;bewacht
EINHEIT 2138
"Späher von Mühlheim";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
50;Anzahl
1838;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 5"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Mühlheim bleibt hier"
TALENTE
"3000 2";HolzfÃ¤llen
"3000 2";HolzfÃ¤llen
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
REGION 5 3
"Grünbrück";Name
"Hochland";Terrain
1192;Bauern
81;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünbrück sind fleißig.";Beschr
40;Pferde
11920;Silber
596;Unterh
29;Rekruten
14;Lohn
PREISE
-46;Balsam
20;GewÃ¼rz
49;Juwel
45;Myrrhe
30;Ã–l
56;Seide
38;Weihrauch
UMGEBUNG
"Im w liegt Grünbrücks Nachbarland."
EINHEIT 2204
"Hans";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1207;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"180 6";Reiten
GEGENSTAENDE
2;Speer
1;Pferd
2;Holz
EINHEIT 2230
"Boten von Ostau";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 2249
"Bergleute von Felsbrück";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2783;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no o"
"; Zur Küste"
TALENTE
"120 2";Hiebwaffen
"360 6";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Bergleute von Felsbrück hat Hunger."
REGION 6 3
"Bärenfurt";Name
"Ebene";Terrain
1925;Bauern
143;Baeume
UMGEBUNG
"Im w liegt Bärenfurts Nachbarland."
REGION 7 3
"Mühlbrück";Name
"Ebene";Terrain
2393;Bauern
155;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
70;Pferde
19144;Silber
957;Unterh
59;Rekruten
15;Lohn
79;Strasse
PREISE
-12;Balsam
8;GewÃ¼rz
49;Juwel
7;Myrrhe
19;Ã–l
14;Seide
16;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im o liegt Mühlbrücks Nachbarland."
SCHIFF 2285
"Kahn von Mühlbrück";Name
"Boot";Typ
5;Kueste
2274;Kapitaen
0;Schaden
0;Ladung
500;MaxLadung
EINHEIT 2274
"Swaantje";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2285;Schiff
1019;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o w"
"; Zur Küste"
TALENTE
"270 9";Handeln
"30 1";Burgenbau
GEGENSTAENDE
1;Bogen
1;Holz
EINHEITSBOTSCHAFTEN
"Swaantje hat Hunger."
REGION 8 3
"Wolfsmoor";Name
"Wüste";Terrain
346;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
14;Pferde
6228;Silber
311;Unterh
8;Rekruten
15;Lohn
PREISE
-6;Balsam
5;GewÃ¼rz
21;Juwel
71;Myrrhe
52;Ã–l
77;Seide
54;Weihrauch
UMGEBUNG
"Im o liegt Wolfsmoors Nachbarland."
EINHEIT 2323
"Jörg";Name
3742;Partei
"Mensch";Typ
36;Anzahl
534;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"3240 3";Handeln
EINHEITSBOTSCHAFTEN
"Jörg hat Hunger."
EINHEIT 2343
"Händler von Felsfurt";Name
3742;Partei
"Mensch";Typ
23;Anzahl
452;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2760 4";Hiebwaffen
GEGENSTAENDE
39;Schwert
REGION 9 3
"Kaltau";Name
"Gletscher";Terrain
198;Runde
36;Bauern
0;Baeume
REGION 10 3
"Ozean";Terrain
REGION 11 3
"Ozean";Terrain
REGION 12 3
"Ozean";Terrain
REGION 13 3
"Ozean";Terrain
REGION -2 4
"Ozean";Terrain
REGION -1 4
"Felsheim";Name
"Sumpf";Terrain
557;Bauern
306;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsheim sind fleißig.";Beschr
8;Pferde
10026;Silber
501;Unterh
13;Rekruten
15;Lohn
PREISE
-28;Balsam
9;GewÃ¼rz
64;Juwel
10;Myrrhe
24;Ã–l
22;Seide
49;Weihrauch
UMGEBUNG
"Im sw liegt Felsheims Nachbarland."
EINHEIT 2371
"Schützen von Bärenstätt";Name
4482;Partei
"Elf";Typ
11;Anzahl
2620;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2310 7";Reiten
"2310 7";Wahrnehmung
GEGENSTAENDE
12;Speer
14;Speer
5;Eisen
EINHEIT 2404
"Rüdiger";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 2437
"Reiter von Ostfurt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2997;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Handeln
"240 8";Burgenbau
GEGENSTAENDE
2;Stein
2;Eisen
REGION 0 4
"Eichenhausen";Name
"Wüste";Terrain
158;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenhausen sind fleißig.";Beschr
13;Pferde
2212;Silber
110;Unterh
3;Rekruten
11;Lohn
78;Strasse
PREISE
-47;Balsam
69;GewÃ¼rz
75;Juwel
80;Myrrhe
62;Ã–l
12;Seide
71;Weihrauch
UMGEBUNG
"Im w liegt Eichenhausens Nachbarland."
EINHEIT 2459
"Wachen von Wolfshausen";Name
1;Parteitarnung
"Zwerg";Typ
1;Anzahl
EINHEIT 2466
"Schützen von Mühlfurt";Name
4482;Partei
"Elf";Typ
40;Anzahl
897;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2400 2";HolzfÃ¤llen
EINHEIT 2496
"Holzfäller von Grünhausen";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 2499
"Grete";Name
3742;Partei
"Mensch";Typ
53;Anzahl
251;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"14310 9";Handeln
"1590 1";HolzfÃ¤llen
"12720 8";Tarnung
GEGENSTAENDE
31;Holz
52;Eisen
EINHEIT 2531
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
48;Anzahl
REGION 1 4
"Nordbrück";Name
"Gletscher";Terrain
42;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordbrück sind fleißig.";Beschr
2;Pferde
210;Silber
10;Unterh
1;Rekruten
12;Lohn
51;Eisen
PREISE
-31;Balsam
37;GewÃ¼rz
71;Juwel
60;Myrrhe
36;Ã–l
51;Seide
78;Weihrauch
UMGEBUNG
"Im sw liegt Nordbrücks Nachbarland."
BURG 2665
"Feste Nordbrück";Name
"Burg";Typ
13;Groesse
2548;Besitzer
1;Unterhalt
EINHEIT 2548
"Gundolf";Name
4482;Partei
"Elf";Typ
44;Anzahl
2665;Burg
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"11880 9";BogenschieÃŸen
GEGENSTAENDE
34;Pferd
58;Schwert
19;Stein
EINHEIT 2582
"Wachen von Eichenau";Name
4482;Partei
"Elf";Typ
35;Anzahl
1;bewacht
2665;Burg
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3150 3";Tarnung
GEGENSTAENDE
7;Kettenhemd
45;Bogen
EINHEIT 2591
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2665;Burg
338;Silber
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
22;Anzahl
2400;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"5280 8";Tarnung
GEGENSTAENDE
40;Speer
43;Eisen
25;Kettenhemd
EINHEIT 2632
"Reiter von Felsheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
2941;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Burgenbau
GEGENSTAENDE
2;Bogen
EINHEIT 2659
"Späher von Eichenbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
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
197;Runde
32;Bauern
0;Baeume
REGION 3 4
"Tannau";Name
"Wüste";Terrain
386;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannau sind fleißig.";Beschr
11;Pferde
3474;Silber
173;Unterh
9;Rekruten
14;Lohn
PREISE
-80;Balsam
6;GewÃ¼rz
25;Juwel
34;Myrrhe
12;Ã–l
63;Seide
80;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Tannaus Nachbarland."
EINHEIT 2694
"Boten von Grünfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
2340;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"180 6";Handeln
"150 5";BogenschieÃŸen
"60 2";Tarnung
GEGENSTAENDE
1;Holz
EINHEIT 2724
"Wachen von Tannau";Name
3742;Partei
"Mensch";Typ
32;Anzahl
0;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"960 1";Wahrnehmung
"8640 9";Handeln
"7680 8";Burgenbau
GEGENSTAENDE
63;Pferd
63;Bogen
EINHEITSBOTSCHAFTEN
"Wachen von Tannau hat Hunger."
REGION 4 4
"Eichenau";Name
"Ebene";Terrain
2183;Bauern
75;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenau sind fleißig.";Beschr
32;Pferde
32745;Silber
1637;Unterh
54;Rekruten
12;Lohn
60;Strasse
PREISE
-65;Balsam
22;GewÃ¼rz
59;Juwel
56;Myrrhe
51;Ã–l
67;Seide
53;Weihrauch
UMGEBUNG
"Im sw liegt Eichenaus Nachbarland."
EINHEIT 2761
"Rüdiger";Name
3742;Partei
"Mensch";Typ
46;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"8280 6";Wahrnehmung
"5520 4";Hiebwaffen
"12420 9";Handeln
GEGENSTAENDE
52;Schwert
EINHEIT 2801
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2514;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Tarnung"
TALENTE
"120 4";Tarnung
EINHEIT 2831
"Jörg";Name
3742;Partei
"Mensch";Typ
46;Anzahl
2878;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
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
1;Anzahl
389;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Reiten"
TALENTE
"180 6";Reiten
"180 6";Reiten
EINHEITSBOTSCHAFTEN
"Späher von Mühltal hat Hunger."
EINHEIT 2898
"Schützen von Mühlstätt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2438;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"120 4";Handeln
"270 9";Wahrnehmung
"240 8";Hiebwaffen
GEGENSTAENDE
2;Kettenhemd
REGION 5 4
"Wolfstal";Name
"Hochland";Terrain
784;Bauern
117;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
37;Pferde
11760;Silber
588;Unterh
19;Rekruten
11;Lohn
PREISE
-78;Balsam
51;GewÃ¼rz
41;Juwel
13;Myrrhe
16;Ã–l
35;Seide
63;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Wolfstals Nachbarland."
EINHEIT 2899
"Rüdiger";Name
3742;Partei
"Mensch";Typ
9;Anzahl
751;Silber
3;Kampfstatus
2;Tarnung
"Nur für mich: Rüdiger";privat
COMMANDS
"MACHEN TEMP 87"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Rüdiger bleibt hier"
TALENTE
"2160 8";Tarnung
"1890 7";Tarnung
GEGENSTAENDE
11;Bogen
18;Kettenhemd
1;Kettenhemd
EINHEIT 2915
"Händler von Westwald";Name
3742;Partei
"Mensch";Typ
50;Anzahl
954;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 6"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Händler von Westwald bleibt hier"
TALENTE
"1500 1";Segeln
"1500 1";Tarnung
"13500 9";Hiebwaffen
EINHEIT 2922
"Händler von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2393;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"150 5";Wahrnehmung
GEGENSTAENDE
2;Eisen
1;Schild
EINHEIT 2925
"Holzfäller von Ostwald";Name
3742;Partei
"Mensch";Typ
5;Anzahl
1953;Silber
2;Kampfstatus
0;Tarnung
"Nur für mich: Holzfäller von Ostwald";privat
COMMANDS
"NACH o no"
"; Zur Küste"
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
1730;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH w no"
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
1051;Silber
1;Kampfstatus
0;Tarnung
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
1016;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
57;Pferde
19304;Silber
965;Unterh
25;Rekruten
15;Lohn
PREISE
-72;Balsam
21;GewÃ¼rz
18;Juwel
33;Myrrhe
31;Ã–l
29;Seide
69;Weihrauch
UMGEBUNG
"Im so liegt Mühlheims Nachbarland."
EINHEIT 2971
"Bärbel";Name
3742;Partei
"Mensch";Typ
39;Anzahl
1;bewacht
2655;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"9360 8";Wahrnehmung
"1170 1";Wahrnehmung
EINHEITSBOTSCHAFTEN
"Bärbel hat Hunger."
EINHEIT 3005
"Bärbel";Name
3742;Partei
"Mensch";Typ
37;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 96"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"8880 8";Burgenbau
"2220 2";Burgenbau
"5550 5";Tarnung
EINHEIT 3008
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1383;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"180 6";Reiten
"90 3";Reiten
GEGENSTAENDE
1;Schild
1;Eisen
1;Schild
REGION 7 4
"Bärental";Name
"Wüste";Terrain
311;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
1;Pferde
5598;Silber
279;Unterh
7;Rekruten
11;Lohn
PREISE
-53;Balsam
71;GewÃ¼rz
70;Juwel
49;Myrrhe
30;Ã–l
67;Seide
56;Weihrauch
UMGEBUNG
"Im o liegt Bärentals Nachbarland."
EINHEIT 3026
"Bärbel";Name
3742;Partei
"Mensch";Typ
40;Anzahl
1;bewacht
46;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"10800 9";Segeln
"1200 1";Burgenbau
GEGENSTAENDE
5;Eisen
72;Kettenhemd
EINHEITSBOTSCHAFTEN
"Bärbel hat Hunger."
EINHEIT 3055
"Grete";Name
3742;Partei
"Mensch";Typ
13;Anzahl
171;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"2730 7";BogenschieÃŸen
"2340 6";Reiten
GEGENSTAENDE
5;Eisen
EINHEIT 3058
"Öda";Name
3742;Partei
"Mensch";Typ
59;Anzahl
1;bewacht
1318;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1770 1";Handeln
"7080 4";Wahrnehmung
GEGENSTAENDE
51;Schild
97;Bogen
EINHEIT 3075
"Bergleute von Grünfurt";Name
4482;Partei
"Elf";Typ
34;Anzahl
428;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2040 2";Tarnung
"2040 2";Reiten
EINHEIT 3088
"Jörg";Name
4482;Partei
"Elf";Typ
7;Anzahl
581;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"840 4";HolzfÃ¤llen
"1890 9";Tarnung
GEGENSTAENDE
10;Kettenhemd
10;Eisen
9;Eisen
EINHEIT 3118
"Bergleute von Grünhausen";Name
3742;Partei
"Mensch";Typ
22;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"5940 9";Handeln
"3300 5";Segeln
"1320 2";Burgenbau
GEGENSTAENDE
15;Holz
REGION 8 4
"Eichenheim";Name
"Ebene";Terrain
3157;Bauern
216;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenheim sind fleißig.";Beschr
55;Pferde
56826;Silber
2841;Unterh
78;Rekruten
14;Lohn
PREISE
-69;Balsam
9;GewÃ¼rz
30;Juwel
33;Myrrhe
73;Ã–l
7;Seide
62;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Eichenheim!"
UMGEBUNG
"Im sw liegt Eichenheims Nachbarland."
BURG 3152
"Feste Eichenheim";Name
"Burg";Typ
227;Groesse
3129;Besitzer
22;Unterhalt
EINHEIT 3129
"Rüdiger";Name
3742;Partei
"Mensch";Typ
22;Anzahl
3152;Burg
1243;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5940 9";Hiebwaffen
"3300 5";HolzfÃ¤llen
REGION 9 4
"Oststätt";Name
"Gletscher";Terrain
73;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
1;Pferde
949;Silber
47;Unterh
1;Rekruten
15;Lohn
76;Eisen
PREISE
-69;Balsam
66;GewÃ¼rz
23;Juwel
80;Myrrhe
75;Ã–l
57;Seide
7;Weihrauch
UMGEBUNG
"Im no liegt Oststätts Nachbarland."
EINHEIT 3186
"Späher von Kaltmoor";Name
3742;Partei
"Mensch";Typ
60;Anzahl
647;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"10800 6";Segeln
"14400 8";Bergbau
"9000 5";BogenschieÃŸen
GEGENSTAENDE
117;Schwert
REGION 10 4
"Ozean";Terrain
REGION 11 4
"Ozean";Terrain
REGION 12 4
"Ozean";Terrain
199;Runde
REGION -2 5
"Südfurt";Name
"Berge";Terrain
251;Bauern
11;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
1;Pferde
4518;Silber
225;Unterh
6;Rekruten
15;Lohn
59;Eisen
3;Laen
PREISE
-8;Balsam
34;GewÃ¼rz
73;Juwel
75;Myrrhe
8;Ã–l
52;Seide
77;Weihrauch
UMGEBUNG
"Im sw liegt Südfurts Nachbarland."
EINHEIT 3218
"Boten von Wolfsstätt";Name
4482;Partei
"Elf";Typ
40;Anzahl
1528;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"8400 7";Tarnung
"3600 3";Segeln
"1200 1";Reiten
GEGENSTAENDE
61;Kettenhemd
27;Eisen
9;Speer
EINHEIT 3224
"Knut";Name
6961;Partei
"Ork";Typ
12;Anzahl
EINHEIT 3253
"Öda";Name
4482;Partei
"Elf";Typ
50;Anzahl
2416;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3000 2";HolzfÃ¤llen
"7500 5";Handeln
EINHEIT 3280
"Bergleute von Tannheim";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION -1 5
"Bärenhausen";Name
"Ebene";Terrain
2176;Bauern
101;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenhausen sind fleißig.";Beschr
92;Pferde
32640;Silber
1632;Unterh
54;Rekruten
15;Lohn
PREISE
-49;Balsam
14;GewÃ¼rz
78;Juwel
55;Myrrhe
6;Ã–l
8;Seide
57;Weihrauch
UMGEBUNG
"Im sw liegt Bärenhausens Nachbarland."
EINHEIT 3298
"Holzfäller von Ostfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
1877;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"150 5";Bergbau
"150 5";Segeln
"90 3";Handeln
EINHEIT 3312
"Hans";Name
6961;Partei
"Ork";Typ
19;Anzahl
EINHEIT 3325
"Wachen von Ostheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1818;Silber
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
4482;Partei
"Elf";Typ
10;Anzahl
2750;Silber
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
4427;Bauern
222;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
32;Pferde
70832;Silber
3541;Unterh
110;Rekruten
14;Lohn
PREISE
-29;Balsam
60;GewÃ¼rz
29;Juwel
8;Myrrhe
58;Ã–l
45;Seide
52;Weihrauch
UMGEBUNG
"Im o liegt Bärenbergs Nachbarland."
EINHEIT 3367
"Händler von Westberg";Name
4482;Partei
"Elf";Typ
44;Anzahl
300;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3960 3";HolzfÃ¤llen
"7920 6";Handeln
GEGENSTAENDE
19;Stein
71;Pferd
EINHEIT 3371
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
19;Anzahl
EINHEIT 3400
"Händler von Eichenberg";Name
4482;Partei
"Elf";Typ
28;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2520 3";Hiebwaffen
"840 1";Handeln
"2520 3";Burgenbau
GEGENSTAENDE
4;Eisen
53;Speer
EINHEIT 3432
"Wachen von Westheim";Name
6961;Partei
"Ork";Typ
59;Anzahl
REGION 1 5
"Wolfsmoor";Name
"Hochland";Terrain
611;Bauern
63;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
1;Pferde
9776;Silber
488;Unterh
15;Rekruten
13;Lohn
PREISE
-72;Balsam
65;GewÃ¼rz
58;Juwel
8;Myrrhe
6;Ã–l
47;Seide
72;Weihrauch
UMGEBUNG
"Im o liegt Wolfsmoors Nachbarland."
EINHEIT 3443
"Reiter von Tannhausen";Name
4482;Partei
"Elf";Typ
49;Anzahl
2874;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"10290 7";Burgenbau
GEGENSTAENDE
87;Holz
63;Holz
29;Schwert
EINHEIT 3467
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2786;Silber
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
1;Anzahl
25;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";HolzfÃ¤llen
"150 5";BogenschieÃŸen
REGION 2 5
"Nordstätt";Name
"Sumpf";Terrain
339;Bauern
278;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
24;Pferde
6780;Silber
339;Unterh
8;Rekruten
13;Lohn
PREISE
-7;Balsam
43;GewÃ¼rz
56;Juwel
13;Myrrhe
13;Ã–l
38;Seide
19;Weihrauch
UMGEBUNG
"Im w liegt Nordstätts Nachbarland."
EINHEIT 3497
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1047;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Segeln
GEGENSTAENDE
2;Eisen
1;Pferd
2;Bogen
EINHEIT 3506
"Schützen von Felsmoor";Name
5666;Partei
"Zwerg";Typ
37;Anzahl
1;bewacht
EINHEIT 3541
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
612;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Bergbau
"240 8";Tarnung
"30 1";Segeln
GEGENSTAENDE
2;Pferd
2;Pferd
EINHEIT 3543
"Schützen von Felsmoor";Name
4482;Partei
"Elf";Typ
1;Anzahl
301;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Segeln
"270 9";Hiebwaffen
"150 5";Handeln
GEGENSTAENDE
1;Schild
REGION 3 5
"Kaltfurt";Name
"Gletscher";Terrain
44;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
2;Pferde
528;Silber
26;Unterh
1;Rekruten
13;Lohn
3;Eisen
PREISE
-30;Balsam
26;GewÃ¼rz
32;Juwel
50;Myrrhe
55;Ã–l
63;Seide
60;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Kaltfurts Nachbarland."
EINHEIT 3574
"Bergleute von Westhausen";Name
4482;Partei
"Elf";Typ
60;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1800 1";Hiebwaffen
GEGENSTAENDE
27;Schild
4;Stein
97;Stein
REGION 4 5
"Westtal";Name
"Berge";Terrain
513;Bauern
29;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westtal sind fleißig.";Beschr
19;Pferde
3591;Silber
179;Unterh
12;Rekruten
15;Lohn
10;Strasse
0;Eisen
PREISE
-17;Balsam
59;GewÃ¼rz
34;Juwel
21;Myrrhe
28;Ã–l
31;Seide
7;Weihrauch
UMGEBUNG
"Im o liegt Westtals Nachbarland."
EINHEIT 3594
"Hans";Name
4482;Partei
"Elf";Typ
23;Anzahl
1;bewacht
1205;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5520 8";Reiten
"2760 4";Handeln
GEGENSTAENDE
13;Kettenhemd
REGION 5 5
"Eichenwald";Name
"Hochland";Terrain
1492;Bauern
81;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenwald sind fleißig.";Beschr
24;Pferde
23872;Silber
1193;Unterh
37;Rekruten
11;Lohn
PREISE
-61;Balsam
30;GewÃ¼rz
36;Juwel
43;Myrrhe
15;Ã–l
40;Seide
49;Weihrauch
UMGEBUNG
"Im w liegt Eichenwalds Nachbarland."
EINHEIT 3613
"Reiter von Tannfurt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1148;Silber
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
43;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6450 5";Wahrnehmung
"7740 6";Wahrnehmung
GEGENSTAENDE
54;Schild
EINHEIT 3676
"Gundolf";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 3706
"Späher von Westhausen";Name
4482;Partei
"Elf";Typ
42;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2520 2";Tarnung
GEGENSTAENDE
66;Eisen
78;Speer
57;Schild
EINHEIT 3735
"Öda";Name
4482;Partei
"Elf";Typ
52;Anzahl
683;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6240 4";Hiebwaffen
"7800 5";Wahrnehmung
"3120 2";BogenschieÃŸen
EINHEIT 3764
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
873;Silber
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
1446;Bauern
79;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
16;Pferde
18798;Silber
939;Unterh
36;Rekruten
12;Lohn
91;Strasse
PREISE
-67;Balsam
67;GewÃ¼rz
67;Juwel
24;Myrrhe
6;Ã–l
32;Seide
72;Weihrauch
UMGEBUNG
"Im o liegt Mühlwalds Nachbarland."
EINHEIT 3795
"Reiter von Mühlhausen";Name
3742;Partei
"Mensch";Typ
44;Anzahl
2558;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5280 4";HolzfÃ¤llen
"7920 6";HolzfÃ¤llen
"5280 4";Handeln
GEGENSTAENDE
61;Pferd
40;Holz
EINHEIT 3820
"Öda";Name
3742;Partei
"Mensch";Typ
50;Anzahl
860;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6000 4";Bergbau
EINHEIT 3840
"Holzfäller von Bärental";Name
3742;Partei
"Mensch";Typ
12;Anzahl
1730;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
38;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"7980 7";Handeln
GEGENSTAENDE
43;Holz
23;Bogen
REGION 7 5
"Grünfurt";Name
"Sumpf";Terrain
450;Bauern
331;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
8;Pferde
6300;Silber
315;Unterh
11;Rekruten
13;Lohn
PREISE
-50;Balsam
37;GewÃ¼rz
20;Juwel
27;Myrrhe
54;Ã–l
30;Seide
28;Weihrauch
UMGEBUNG
"Im no liegt Grünfurts Nachbarland."
EINHEIT 3865
"Bärbel";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1795;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"11340 9";HolzfÃ¤llen
GEGENSTAENDE
3;Kettenhemd
84;Schild
45;Eisen
EINHEIT 3878
"Reiter von Grünwald";Name
3742;Partei
"Mensch";Typ
2;Anzahl
2077;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"120 2";Reiten
REGION 8 5
"Kalttal";Name
"Wald";Terrain
1756;Bauern
468;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalttal sind fleißig.";Beschr
53;Pferde
22828;Silber
1141;Unterh
43;Rekruten
13;Lohn
PREISE
-45;Balsam
67;GewÃ¼rz
40;Juwel
32;Myrrhe
64;Ã–l
58;Seide
64;Weihrauch
UMGEBUNG
"Im o liegt Kalttals Nachbarland."
EINHEIT 3907
"Bärbel";Name
3742;Partei
"Mensch";Typ
26;Anzahl
2711;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"5460 7";Handeln
GEGENSTAENDE
19;Kettenhemd
36;Schild
38;Schwert
EINHEIT 3926
"Ulrike";Name
3742;Partei
"Mensch";Typ
48;Anzahl
0;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"NACH so no"
"; Zur Küste"
TALENTE
"5760 4";Hiebwaffen
"1440 1";Bergbau
GEGENSTAENDE
14;Kettenhemd
73;Stein
EINHEIT 3939
"Jörg";Name
6961;Partei
"Ork";Typ
31;Anzahl
EINHEIT 3947
"Schützen von Felsau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2223;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so no"
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
49;Anzahl
2151;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH no o"
"; Zur Küste"
TALENTE
"13230 9";Hiebwaffen
GEGENSTAENDE
40;Schwert
80;Speer
7;Holz
REGION 9 5
"Wolfsmoor";Name
"Gletscher";Terrain
43;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
1;Pferde
688;Silber
34;Unterh
1;Rekruten
12;Lohn
50;Strasse
77;Eisen
PREISE
-34;Balsam
77;GewÃ¼rz
20;Juwel
73;Myrrhe
15;Ã–l
66;Seide
40;Weihrauch
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 3973
"Boten von Felsfurt";Name
3742;Partei
"Mensch";Typ
59;Anzahl
1856;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH o w"
"; Zur Küste"
TALENTE
"12390 7";Segeln
"14160 8";Hiebwaffen
"12390 7";HolzfÃ¤llen
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
26;Anzahl
1058;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"780 1";Reiten
GEGENSTAENDE
9;Eisen
3;Bogen
EINHEIT 4021
"Boten von Westwald";Name
3742;Partei
"Mensch";Typ
16;Anzahl
1660;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"960 2";Wahrnehmung
"2880 6";Handeln
"3840 8";HolzfÃ¤llen
GEGENSTAENDE
9;Holz
23;Holz
8;Holz
EINHEIT 4046
"Schützen von Eichenwald";Name
3742;Partei
"Mensch";Typ
20;Anzahl
2215;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1800 3";Bergbau
"1800 3";Hiebwaffen
"3000 5";BogenschieÃŸen
GEGENSTAENDE
7;Pferd
6;Bogen
REGION 10 5
"Ozean";Terrain
197;Runde
REGION 11 5
"Ozean";Terrain
REGION 12 5
"Ozean";Terrain
REGION -3 6
"Westberg";Name
"Berge";Terrain
458;Bauern
17;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westberg sind fleißig.";Beschr
4;Pferde
9160;Silber
458;Unterh
11;Rekruten
13;Lohn
42;Eisen
PREISE
-62;Balsam
26;GewÃ¼rz
75;Juwel
19;Myrrhe
72;Ã–l
41;Seide
80;Weihrauch
UMGEBUNG
"Im w liegt Westbergs Nachbarland."
EINHEIT 4055
"Händler von Kaltheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Wahrnehmung
"240 8";Bergbau
"150 5";Handeln
EINHEIT 4059
"Späher von Mühlstätt";Name
4482;Partei
"Elf";Typ
48;Anzahl
2442;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10080 7";Wahrnehmung
GEGENSTAENDE
17;Stein
REGION -2 6
"Kalthausen";Name
"Hochland";Terrain
833;Bauern
51;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
5;Pferde
9163;Silber
458;Unterh
20;Rekruten
12;Lohn
PREISE
-16;Balsam
59;GewÃ¼rz
37;Juwel
63;Myrrhe
51;Ã–l
27;Seide
62;Weihrauch
UMGEBUNG
"Im no liegt Kalthausens Nachbarland."
EINHEIT 4088
"Holzfäller von Felswald";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
15;Anzahl
1887;Silber
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
17;Anzahl
878;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4590 9";Handeln
"4590 9";Reiten
GEGENSTAENDE
6;Holz
EINHEIT 4122
"Wachen von Bärenhausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
2647;Silber
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
239;Bauern
24;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsmoor sind fleißig.";Beschr
0;Pferde
2868;Silber
143;Unterh
5;Rekruten
15;Lohn
24;Eisen
PREISE
-62;Balsam
35;GewÃ¼rz
69;Juwel
57;Myrrhe
59;Ã–l
62;Seide
7;Weihrauch
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 4134
"Grete";Name
4482;Partei
"Elf";Typ
3;Anzahl
1;bewacht
1276;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"720 8";Handeln
GEGENSTAENDE
6;Kettenhemd
1;Holz
EINHEIT 4167
"Ulrike";Name
4482;Partei
"Elf";Typ
1;Anzahl
79;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Hiebwaffen
"90 3";Hiebwaffen
EINHEIT 4182
"Späher von Eichenau";Name
4482;Partei
"Elf";Typ
1;Anzahl
1021;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Tarnung
"240 8";Segeln
GEGENSTAENDE
2;Speer
1;Stein
1;Stein
EINHEIT 4207
"Öda";Name
4482;Partei
"Elf";Typ
43;Anzahl
2797;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5160 4";Handeln
GEGENSTAENDE
59;Holz
8;Stein
51;Eisen
EINHEIT 4238
"Boten von Mühlmoor";Name
4482;Partei
"Elf";Typ
12;Anzahl
162;Silber
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
592;Bauern
303;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenmoor sind fleißig.";Beschr
16;Pferde
2960;Silber
148;Unterh
14;Rekruten
13;Lohn
PREISE
-20;Balsam
13;GewÃ¼rz
79;Juwel
35;Myrrhe
20;Ã–l
71;Seide
7;Weihrauch
UMGEBUNG
"Im o liegt Eichenmoors Nachbarland."
EINHEIT 4260
"Gundolf";Name
4482;Partei
"Elf";Typ
11;Anzahl
751;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1980 6";Tarnung
"1320 4";Wahrnehmung
"2640 8";Wahrnehmung
GEGENSTAENDE
21;Kettenhemd
EINHEIT 4285
"Händler von Tannbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
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
REGION 1 6
"Bärental";Name
"Sumpf";Terrain
454;Bauern
382;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
22;Pferde
3178;Silber
158;Unterh
11;Rekruten
15;Lohn
PREISE
-54;Balsam
20;GewÃ¼rz
21;Juwel
24;Myrrhe
10;Ã–l
43;Seide
21;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Bärentals Nachbarland."
EINHEIT 4321
"Reiter von Felswald";Name
4482;Partei
"Elf";Typ
31;Anzahl
1;bewacht
1570;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1860 2";Segeln
"8370 9";Wahrnehmung
GEGENSTAENDE
22;Schild
EINHEIT 4361
"Ulrike";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
912;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Hiebwaffen
"90 3";BogenschieÃŸen
GEGENSTAENDE
1;Holz
2;Eisen
2;Schwert
EINHEIT 4391
"Späher von Grüntal";Name
4482;Partei
"Elf";Typ
7;Anzahl
0;Silber
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
17;Anzahl
447;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"510 1";Burgenbau
EINHEIT 4432
"Hans";Name
4482;Partei
"Elf";Typ
39;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8190 7";Segeln
GEGENSTAENDE
37;Speer
24;Speer
31;Holz
REGION 2 6
"Wolfsfurt";Name
"Hochland";Terrain
1261;Bauern
55;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsfurt sind fleißig.";Beschr
17;Pferde
7566;Silber
378;Unterh
31;Rekruten
11;Lohn
PREISE
-51;Balsam
10;GewÃ¼rz
79;Juwel
58;Myrrhe
29;Ã–l
56;Seide
72;Weihrauch
UMGEBUNG
"Im w liegt Wolfsfurts Nachbarland."
EINHEIT 4445
"Bärbel";Name
4482;Partei
"Elf";Typ
1;Anzahl
2202;Silber
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
12;Anzahl
2257;Silber
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
890;Silber
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
898;Bauern
441;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlau sind fleißig.";Beschr
21;Pferde
4490;Silber
224;Unterh
22;Rekruten
12;Lohn
PREISE
-48;Balsam
17;GewÃ¼rz
78;Juwel
20;Myrrhe
30;Ã–l
74;Seide
80;Weihrauch
UMGEBUNG
"Im so liegt Mühlaus Nachbarland."
EINHEIT 4491
"Boten von Felsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1791;Silber
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
"30 1";Handeln
"60 2";Bergbau
"60 2";Burgenbau
EINHEIT 4530
"Wachen von Südstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1907;Silber
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
2706;Bauern
141;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
20;Pferde
48708;Silber
2435;Unterh
67;Rekruten
12;Lohn
PREISE
-21;Balsam
75;GewÃ¼rz
22;Juwel
71;Myrrhe
12;Ã–l
50;Seide
64;Weihrauch
UMGEBUNG
"Im o liegt Kaltfurts Nachbarland."
EINHEIT 4539
"Holzfäller von Tannstätt";Name
4482;Partei
"Elf";Typ
34;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4080 4";BogenschieÃŸen
"4080 4";BogenschieÃŸen
"7140 7";Wahrnehmung
GEGENSTAENDE
7;Kettenhemd
44;Kettenhemd
EINHEIT 4563
"Späher von Nordau";Name
4482;Partei
"Elf";Typ
18;Anzahl
72;Silber
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
22;Anzahl
EINHEIT 4613
"Hans";Name
4482;Partei
"Elf";Typ
50;Anzahl
1926;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4500 3";Burgenbau
"10500 7";HolzfÃ¤llen
GEGENSTAENDE
35;Stein
EINHEIT 4633
"Späher von Eichenstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2042;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Reiten
"210 7";BogenschieÃŸen
"60 2";Tarnung
REGION 5 6
"Wolfsheim";Name
"Sumpf";Terrain
599;Bauern
245;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsheim sind fleißig.";Beschr
25;Pferde
3594;Silber
179;Unterh
14;Rekruten
12;Lohn
62;Strasse
PREISE
-64;Balsam
15;GewÃ¼rz
58;Juwel
31;Myrrhe
34;Ã–l
70;Seide
24;Weihrauch
DURCHREISE
"Boten (6417)"
UMGEBUNG
"Im so liegt Wolfsheims Nachbarland."
EINHEIT 4641
"Reiter von Eichenmoor";Name
4482;Partei
"Elf";Typ
1;Anzahl
1208;Silber
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
EINHEIT 4659
"Händler von Ostau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1788;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 4"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Händler von Ostau bleibt hier"
TALENTE
"270 9";Bergbau
GEGENSTAENDE
2;Eisen
1;Schild
REGION 6 6
"Mühlbrück";Name
"Ebene";Terrain
3632;Bauern
104;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlbrück sind fleißig.";Beschr
105;Pferde
61744;Silber
3087;Unterh
90;Rekruten
13;Lohn
PREISE
-47;Balsam
73;GewÃ¼rz
41;Juwel
34;Myrrhe
48;Ã–l
24;Seide
48;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Mühlbrück!"
UMGEBUNG
"Im nw liegt Mühlbrücks Nachbarland."
EINHEIT 4690
"Rüdiger";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2987;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Tarnung
"180 6";Reiten
GEGENSTAENDE
1;Schwert
EINHEIT 4723
"Späher von Südheim";Name
4482;Partei
"Elf";Typ
18;Anzahl
1347;Silber
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
0;Silber
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
1900;Bauern
553;Baeume
UMGEBUNG
"Im so liegt Mühlwalds Nachbarland."
REGION 8 6
"Westhausen";Name
"Ebene";Terrain
199;Runde
2973;Bauern
85;Baeume
REGION 9 6
"Kaltstätt";Name
"Gletscher";Terrain
32;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Kaltstätts Nachbarland."
REGION 10 6
"Ozean";Terrain
SCHIFF 4770
"Kaltbrücks Stolz";Name
"Boot";Typ
4787;Kapitaen
0;Schaden
0;Ladung
500;MaxLadung
EINHEIT 4787
"Boten von Mühltal";Name
3742;Partei
"Mensch";Typ
53;Anzahl
4770;Schiff
1640;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 35"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Mühltal bleibt hier"
TALENTE
"14310 9";BogenschieÃŸen
"9540 6";HolzfÃ¤llen
"3180 2";Bergbau
GEGENSTAENDE
30;Bogen
REGION 11 6
"Ozean";Terrain
REGION -3 7
"Felsau";Name
"Ebene";Terrain
3071;Bauern
74;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsau sind fleißig.";Beschr
121;Pferde
42994;Silber
2149;Unterh
76;Rekruten
14;Lohn
PREISE
-61;Balsam
47;GewÃ¼rz
12;Juwel
69;Myrrhe
80;Ã–l
12;Seide
61;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Felsau!"
UMGEBUNG
"Im sw liegt Felsaus Nachbarland."
EINHEIT 4795
"Händler von Kaltau";Name
4482;Partei
"Elf";Typ
29;Anzahl
2611;Silber
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
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Tarnung
"90 3";Segeln
GEGENSTAENDE
1;Holz
2;Kettenhemd
1;Kettenhemd
REGION -2 7
"Eichenheim";Name
"Ebene";Terrain
1418;Bauern
74;Baeume
UMGEBUNG
"Im o liegt Eichenheims Nachbarland."
REGION -1 7
"Felshausen";Name
"Wüste";Terrain
302;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felshausen sind fleißig.";Beschr
14;Pferde
3322;Silber
166;Unterh
7;Rekruten
13;Lohn
PREISE
-15;Balsam
68;GewÃ¼rz
24;Juwel
41;Myrrhe
16;Ã–l
27;Seide
36;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Felshausens Nachbarland."
EINHEIT 4858
"Späher von Grünbrück";Name
4482;Partei
"Elf";Typ
54;Anzahl
217;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9720 6";BogenschieÃŸen
GEGENSTAENDE
31;Eisen
28;Schwert
59;Schild
EINHEIT 4889
"Boten von Südau";Name
4482;Partei
"Elf";Typ
51;Anzahl
2805;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6120 4";Segeln
"3060 2";Burgenbau
"1530 1";Burgenbau
GEGENSTAENDE
51;Stein
87;Pferd
EINHEIT 4922
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
2847;Silber
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
49;Anzahl
1;bewacht
2993;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"11760 8";Reiten
"4410 3";Segeln
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
32;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8640 9";Segeln
REGION 0 7
"Westwald";Name
"Berge";Terrain
458;Bauern
10;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westwald sind fleißig.";Beschr
18;Pferde
7786;Silber
389;Unterh
11;Rekruten
15;Lohn
17;Eisen
8;Laen
PREISE
-9;Balsam
45;GewÃ¼rz
71;Juwel
21;Myrrhe
54;Ã–l
6;Seide
70;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Westwalds Nachbarland."
EINHEIT 4952
"Wachen von Südtal";Name
4482;Partei
"Elf";Typ
50;Anzahl
1748;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"12000 8";Wahrnehmung
EINHEIT 4959
"Wachen von Eichenhausen";Name
4482;Partei
"Elf";Typ
25;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5250 7";Segeln
"3000 4";Wahrnehmung
"5250 7";Tarnung
EINHEIT 4968
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
316;Silber
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
54;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9720 6";Wahrnehmung
"6480 4";Bergbau
GEGENSTAENDE
21;Schild
EINHEIT 5008
"Gundolf";Name
4482;Partei
"Elf";Typ
50;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7500 5";Tarnung
GEGENSTAENDE
55;Bogen
16;Stein
47;Schild
REGION 1 7
"Kaltstätt";Name
"Wüste";Terrain
395;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
7;Pferde
5530;Silber
276;Unterh
9;Rekruten
12;Lohn
66;Strasse
PREISE
-20;Balsam
65;GewÃ¼rz
57;Juwel
29;Myrrhe
67;Ã–l
42;Seide
24;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kaltstätt!"
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im no liegt Kaltstätts Nachbarland."
EINHEIT 5014
"Schützen von Tannau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2684;Silber
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
2375;Silber
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
REGION 2 7
"Bärenbrück";Name
"Sumpf";Terrain
884;Bauern
268;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
1;Pferde
12376;Silber
618;Unterh
22;Rekruten
14;Lohn
PREISE
-18;Balsam
50;GewÃ¼rz
57;Juwel
54;Myrrhe
69;Ã–l
19;Seide
10;Weihrauch
UMGEBUNG
"Im w liegt Bärenbrücks Nachbarland."
EINHEIT 5093
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
2571;Silber
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
59;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10620 6";Tarnung
"1770 1";BogenschieÃŸen
"7080 4";Tarnung
GEGENSTAENDE
7;Stein
29;Kettenhemd
93;Schild
REGION 3 7
"Grünstätt";Name
"Wüste";Terrain
317;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
10;Pferde
3487;Silber
174;Unterh
7;Rekruten
11;Lohn
PREISE
-13;Balsam
29;GewÃ¼rz
22;Juwel
45;Myrrhe
68;Ã–l
29;Seide
60;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Grünstätt!"
UMGEBUNG
"Im o liegt Grünstätts Nachbarland."
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
60;Anzahl
1;bewacht
2832;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"12600 7";Handeln
"1800 1";Segeln
"1800 1";HolzfÃ¤llen
GEGENSTAENDE
96;Speer
46;Holz
1;Kettenhemd
EINHEIT 5178
"Rüdiger";Name
4482;Partei
"Elf";Typ
37;Anzahl
1;bewacht
2484;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2220 2";Hiebwaffen
"1110 1";Wahrnehmung
"9990 9";Hiebwaffen
GEGENSTAENDE
62;Speer
EINHEIT 5179
"Swaantje";Name
4482;Partei
"Elf";Typ
52;Anzahl
2404;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3120 2";HolzfÃ¤llen
"10920 7";BogenschieÃŸen
GEGENSTAENDE
47;Speer
74;Schild
EINHEIT 5193
"Bergleute von Kaltbrück";Name
4482;Partei
"Elf";Typ
49;Anzahl
1655;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1470 1";BogenschieÃŸen
"1470 1";Burgenbau
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
862;Bauern
340;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
2;Pferde
11206;Silber
560;Unterh
21;Rekruten
14;Lohn
74;Strasse
PREISE
-74;Balsam
6;GewÃ¼rz
38;Juwel
77;Myrrhe
39;Ã–l
50;Seide
37;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Nordmoors Nachbarland."
EINHEIT 5234
"Schützen von Bärenmoor";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
29;Anzahl
1278;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"870 1";BogenschieÃŸen
REGION 5 7
"Ostbrück";Name
"Ebene";Terrain
3061;Bauern
134;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
110;Pferde
52037;Silber
2601;Unterh
76;Rekruten
12;Lohn
PREISE
-77;Balsam
14;GewÃ¼rz
26;Juwel
19;Myrrhe
35;Ã–l
57;Seide
32;Weihrauch
UMGEBUNG
"Im sw liegt Ostbrücks Nachbarland."
EINHEIT 5239
"Späher von Wolfsbrück";Name
4482;Partei
"Elf";Typ
45;Anzahl
1685;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9450 7";Handeln
"4050 3";Bergbau
"2700 2";HolzfÃ¤llen
GEGENSTAENDE
87;Bogen
EINHEIT 5240
"Hans";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
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
4482;Partei
"Elf";Typ
1;Anzahl
2187;Silber
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
58;Anzahl
990;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8700 5";Hiebwaffen
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
1507;Silber
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
REGION 6 7
"Grünstätt";Name
"Berge";Terrain
405;Bauern
26;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünstätt sind fleißig.";Beschr
11;Pferde
2835;Silber
141;Unterh
10;Rekruten
15;Lohn
24;Eisen
PREISE
-35;Balsam
75;GewÃ¼rz
19;Juwel
35;Myrrhe
58;Ã–l
25;Seide
45;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Grünstätts Nachbarland."
EINHEIT 5335
"Ulrike";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
11;Anzahl
2081;Silber
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
21;Anzahl
920;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1260 2";Segeln
EINHEIT 5363
"Boten von Grünwald";Name
4482;Partei
"Elf";Typ
3;Anzahl
2414;Silber
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
1679;Silber
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
26;Anzahl
1248;Silber
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
236;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
13;Pferde
1888;Silber
94;Unterh
5;Rekruten
14;Lohn
PREISE
-36;Balsam
32;GewÃ¼rz
37;Juwel
46;Myrrhe
62;Ã–l
42;Seide
26;Weihrauch
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
EINHEIT 5467
"Hans";Name
4482;Partei
"Elf";Typ
24;Anzahl
2372;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"6480 9";Wahrnehmung
"6480 9";Segeln
"3600 5";BogenschieÃŸen
EINHEIT 5486
"Jörg";Name
4482;Partei
"Elf";Typ
14;Anzahl
1;bewacht
1830;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2100 5";BogenschieÃŸen
"2100 5";HolzfÃ¤llen
GEGENSTAENDE
15;Pferd
20;Speer
22;Pferd
EINHEIT 5493
"Späher von Ostfurt";Name
4482;Partei
"Elf";Typ
59;Anzahl
656;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1770 1";Hiebwaffen
GEGENSTAENDE
47;Pferd
14;Bogen
EINHEIT 5520
"Öda";Name
4482;Partei
"Elf";Typ
16;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1440 3";HolzfÃ¤llen
"480 1";Wahrnehmung
REGION 8 7
"Bärenberg";Name
"Sumpf";Terrain
864;Bauern
260;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenberg sind fleißig.";Beschr
22;Pferde
14688;Silber
734;Unterh
21;Rekruten
13;Lohn
PREISE
-40;Balsam
62;GewÃ¼rz
38;Juwel
34;Myrrhe
71;Ã–l
23;Seide
47;Weihrauch
UMGEBUNG
"Im no liegt Bärenbergs Nachbarland."
EINHEIT 5545
"Gundolf";Name
4482;Partei
"Elf";Typ
26;Anzahl
1;bewacht
2130;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5460 7";Handeln
"7020 9";Burgenbau
"6240 8";Tarnung
GEGENSTAENDE
48;Speer
26;Schwert
37;Bogen
EINHEIT 5568
"Schützen von Wolfsmoor";Name
4482;Partei
"Elf";Typ
32;Anzahl
2045;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1920 2";Reiten
"2880 3";Reiten
GEGENSTAENDE
64;Holz
27;Stein
REGION 9 7
"Ozean";Terrain
REGION 10 7
"Ozean";Terrain
REGION 11 7
"Ozean";Terrain
196;Runde
REGION -4 8
"Grünau";Name
"Wald";Terrain
2255;Bauern
1053;Baeume
UMGEBUNG
"Im nw liegt Grünaus Nachbarland."
REGION -3 8
"Südau";Name
"Hochland";Terrain
1797;Bauern
66;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
59;Pferde
14376;Silber
718;Unterh
44;Rekruten
15;Lohn
PREISE
-19;Balsam
14;GewÃ¼rz
66;Juwel
25;Myrrhe
40;Ã–l
28;Seide
13;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Südaus Nachbarland."
EINHEIT 5589
"Swaantje";Name
4482;Partei
"Elf";Typ
54;Anzahl
538;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"12960 8";Handeln
"1620 1";Tarnung
"3240 2";Reiten
GEGENSTAENDE
38;Bogen
67;Kettenhemd
EINHEIT 5600
"Knut";Name
4482;Partei
"Elf";Typ
7;Anzahl
2103;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"210 1";Wahrnehmung
"1260 6";Reiten
EINHEIT 5616
"Ulrike";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 5654
"Schützen von Bärenwald";Name
4482;Partei
"Elf";Typ
21;Anzahl
2908;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4410 7";Burgenbau
GEGENSTAENDE
19;Bogen
13;Eisen
EINHEIT 5665
"Bergleute von Mühlberg";Name
4482;Partei
"Elf";Typ
15;Anzahl
883;Silber
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
37;Anzahl
1879;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1110 1";Tarnung
GEGENSTAENDE
72;Speer
REGION -2 8
"Felsmoor";Name
"Wald";Terrain
2415;Bauern
1096;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
29;Pferde
26565;Silber
1328;Unterh
60;Rekruten
14;Lohn
52;Strasse
PREISE
-34;Balsam
54;GewÃ¼rz
59;Juwel
31;Myrrhe
35;Ã–l
22;Seide
6;Weihrauch
UMGEBUNG
"Im sw liegt Felsmoors Nachbarland."
EINHEIT 5698
"Rüdiger";Name
4482;Partei
"Elf";Typ
56;Anzahl
2041;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8400 5";HolzfÃ¤llen
"1680 1";HolzfÃ¤llen
EINHEIT 5707
"Schützen von Kaltstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
1708;Silber
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
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2085;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Wahrnehmung
"180 6";Segeln
EINHEIT 5720
"Ulrike";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
37;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8880 8";Tarnung
"6660 6";Handeln
GEGENSTAENDE
6;Stein
17;Pferd
24;Speer
REGION -1 8
"Westmoor";Name
"Wüste";Terrain
323;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westmoor sind fleißig.";Beschr
13;Pferde
3876;Silber
193;Unterh
8;Rekruten
13;Lohn
PREISE
-41;Balsam
79;GewÃ¼rz
22;Juwel
13;Myrrhe
14;Ã–l
75;Seide
72;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Westmoors Nachbarland."
EINHEIT 5725
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
929;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Bergbau
"90 3";HolzfÃ¤llen
GEGENSTAENDE
2;Pferd
EINHEIT 5751
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
2599;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Wahrnehmung
"150 5";Wahrnehmung
REGION 0 8
"Wolfsheim";Name
"Ebene";Terrain
3549;Bauern
115;Baeume
UMGEBUNG
"Im no liegt Wolfsheims Nachbarland."
REGION 1 8
"Nordstätt";Name
"Wüste";Terrain
371;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordstätt sind fleißig.";Beschr
0;Pferde
7420;Silber
371;Unterh
9;Rekruten
15;Lohn
PREISE
-8;Balsam
22;GewÃ¼rz
12;Juwel
25;Myrrhe
30;Ã–l
24;Seide
66;Weihrauch
UMGEBUNG
"Im sw liegt Nordstätts Nachbarland."
EINHEIT 5779
"Gundolf";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
43;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9030 7";Segeln
"11610 9";Reiten
EINHEIT 5817
"Händler von Grünbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
1393;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Tarnung
REGION 2 8
"Westfurt";Name
"Ebene";Terrain
2386;Bauern
283;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Westfurt sind fleißig.";Beschr
125;Pferde
45334;Silber
2266;Unterh
59;Rekruten
15;Lohn
PREISE
-38;Balsam
56;GewÃ¼rz
63;Juwel
63;Myrrhe
35;Ã–l
47;Seide
9;Weihrauch
UMGEBUNG
"Im nw liegt Westfurts Nachbarland."
EINHEIT 5827
"Händler von Nordfurt";Name
4482;Partei
"Elf";Typ
17;Anzahl
1146;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1020 2";BogenschieÃŸen
GEGENSTAENDE
26;Schild
3;Eisen
7;Bogen
EINHEIT 5851
"Wachen von Tannheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Tarnung
"120 4";Bergbau
GEGENSTAENDE
1;Kettenhemd
2;Kettenhemd
2;Schild
REGION 3 8
"Südhausen";Name
"Ebene";Terrain
2391;Bauern
107;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
96;Pferde
38256;Silber
1912;Unterh
59;Rekruten
12;Lohn
PREISE
-5;Balsam
42;GewÃ¼rz
33;Juwel
5;Myrrhe
79;Ã–l
49;Seide
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
2414;Silber
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
34;Anzahl
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
199;Runde
3926;Bauern
171;Baeume
REGION 5 8
"Bärenau";Name
"Hochland";Terrain
633;Bauern
119;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenau sind fleißig.";Beschr
31;Pferde
6330;Silber
316;Unterh
15;Rekruten
11;Lohn
79;Strasse
PREISE
-56;Balsam
35;GewÃ¼rz
60;Juwel
32;Myrrhe
19;Ã–l
22;Seide
50;Weihrauch
UMGEBUNG
"Im o liegt Bärenaus Nachbarland."
EINHEIT 5971
"Boten von Nordberg";Name
4482;Partei
"Elf";Typ
8;Anzahl
1006;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1200 5";Wahrnehmung
"2160 9";Reiten
GEGENSTAENDE
5;Pferd
EINHEIT 5992
"Schützen von Eichenhausen";Name
4482;Partei
"Elf";Typ
41;Anzahl
2361;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3690 3";HolzfÃ¤llen
GEGENSTAENDE
16;Holz
17;Bogen
42;Holz
EINHEIT 6016
"Rüdiger";Name
4482;Partei
"Elf";Typ
1;Anzahl
1873;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Segeln
"180 6";HolzfÃ¤llen
GEGENSTAENDE
1;Stein
REGION 6 8
"Nordberg";Name
"Ebene";Terrain
2199;Bauern
132;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordberg sind fleißig.";Beschr
52;Pferde
41781;Silber
2089;Unterh
54;Rekruten
12;Lohn
PREISE
-67;Balsam
20;GewÃ¼rz
32;Juwel
48;Myrrhe
38;Ã–l
80;Seide
49;Weihrauch
UMGEBUNG
"Im o liegt Nordbergs Nachbarland."
EINHEIT 6039
"Händler von Bärenau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2679;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Burgenbau
"270 9";Burgenbau
REGION 7 8
"Mühlwald";Name
"Wald";Terrain
1992;Bauern
469;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
30;Pferde
19920;Silber
996;Unterh
49;Rekruten
12;Lohn
PREISE
-32;Balsam
48;GewÃ¼rz
55;Juwel
59;Myrrhe
80;Ã–l
31;Seide
79;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Mühlwalds Nachbarland."
EINHEIT 6078
"Swaantje";Name
4482;Partei
"Elf";Typ
22;Anzahl
189;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4620 7";Hiebwaffen
GEGENSTAENDE
35;Pferd
5;Speer
5;Bogen
REGION 8 8
"Ozean";Terrain
REGION 9 8
"Ozean";Terrain
198;Runde
REGION 10 8
"Ozean";Terrain
REGION -4 9
"Wolfswald";Name
"Wüste";Terrain
192;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfswald sind fleißig.";Beschr
3;Pferde
2496;Silber
124;Unterh
4;Rekruten
12;Lohn
83;Strasse
PREISE
-34;Balsam
39;GewÃ¼rz
64;Juwel
40;Myrrhe
72;Ã–l
51;Seide
72;Weihrauch
UMGEBUNG
"Im o liegt Wolfswalds Nachbarland."
EINHEIT 6105
"Späher von Südmoor";Name
4482;Partei
"Elf";Typ
8;Anzahl
2155;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"240 1";BogenschieÃŸen
"240 1";Tarnung
"960 4";Hiebwaffen
EINHEIT 6138
"Hans";Name
4482;Partei
"Elf";Typ
25;Anzahl
2774;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1500 2";HolzfÃ¤llen
"4500 6";Segeln
"6750 9";Hiebwaffen
GEGENSTAENDE
12;Schwert
29;Bogen
23;Pferd
EINHEIT 6152
"Jörg";Name
4482;Partei
"Elf";Typ
20;Anzahl
1027;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4200 7";Hiebwaffen
GEGENSTAENDE
7;Holz
29;Holz
REGION -3 9
"Mühltal";Name
"Gletscher";Terrain
74;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühltal sind fleißig.";Beschr
2;Pferde
1258;Silber
62;Unterh
1;Rekruten
14;Lohn
11;Eisen
PREISE
-60;Balsam
14;GewÃ¼rz
44;Juwel
73;Myrrhe
56;Ã–l
47;Seide
66;Weihrauch
UMGEBUNG
"Im no liegt Mühltals Nachbarland."
EINHEIT 6170
"Späher von Südfurt";Name
4482;Partei
"Elf";Typ
43;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5160 4";Hiebwaffen
"9030 7";Wahrnehmung
GEGENSTAENDE
35;Kettenhemd
25;Bogen
72;Bogen
EINHEIT 6193
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
2673;Silber
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
13;Anzahl
424;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"390 1";Handeln
"2730 7";Handeln
GEGENSTAENDE
23;Pferd
1;Kettenhemd
EINHEIT 6243
"Hans";Name
4482;Partei
"Elf";Typ
24;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4320 6";Burgenbau
"4320 6";Bergbau
"4320 6";Hiebwaffen
GEGENSTAENDE
34;Pferd
44;Stein
EINHEIT 6276
"Holzfäller von Südau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION -2 9
"Bärenfurt";Name
"Wald";Terrain
2291;Bauern
468;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
43;Pferde
43529;Silber
2176;Unterh
57;Rekruten
15;Lohn
PREISE
-5;Balsam
59;GewÃ¼rz
28;Juwel
43;Myrrhe
59;Ã–l
18;Seide
29;Weihrauch
UMGEBUNG
"Im w liegt Bärenfurts Nachbarland."
EINHEIT 6296
"Bärbel";Name
3742;Partei
"Mensch";Typ
33;Anzahl
1834;Silber
0;Kampfstatus
0;Tarnung
"Nur für mich: Bärbel";privat
COMMANDS
"MACHEN TEMP 89"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"5940 6";Wahrnehmung
"4950 5";Bergbau
"6930 7";Wahrnehmung
GEGENSTAENDE
47;Schild
4;Schild
20;Kettenhemd
REGION -1 9
"Nordhausen";Name
"Wald";Terrain
1190;Bauern
1263;Baeume
UMGEBUNG
"Im no liegt Nordhausens Nachbarland."
REGION 0 9
"Südhausen";Name
"Ebene";Terrain
1982;Bauern
64;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
122;Pferde
37658;Silber
1882;Unterh
49;Rekruten
12;Lohn
PREISE
-43;Balsam
73;GewÃ¼rz
71;Juwel
77;Myrrhe
59;Ã–l
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
57;Anzahl
2252;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"15390 9";Hiebwaffen
"8550 5";Reiten
EINHEIT 6311
"Grete";Name
4482;Partei
"Elf";Typ
1;Anzahl
109;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Wahrnehmung
"240 8";HolzfÃ¤llen
GEGENSTAENDE
1;Kettenhemd
2;Eisen
REGION 1 9
"Ostberg";Name
"Gletscher";Terrain
60;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostberg sind fleißig.";Beschr
2;Pferde
540;Silber
27;Unterh
1;Rekruten
13;Lohn
7;Eisen
20;Laen
PREISE
-41;Balsam
26;GewÃ¼rz
34;Juwel
14;Myrrhe
79;Ã–l
57;Seide
39;Weihrauch
UMGEBUNG
"Im w liegt Ostbergs Nachbarland."
EINHEIT 6342
"Späher von Südstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2691;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";HolzfÃ¤llen
GEGENSTAENDE
1;Holz
2;Eisen
2;Kettenhemd
EINHEIT 6346
"Reiter von Nordhausen";Name
4482;Partei
"Elf";Typ
15;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4050 9";Burgenbau
"900 2";Segeln
"3150 7";Bergbau
GEGENSTAENDE
1;Stein
15;Pferd
1;Stein
REGION 2 9
"Südbrück";Name
"Hochland";Terrain
197;Runde
1128;Bauern
47;Baeume
REGION 3 9
"Osttal";Name
"Hochland";Terrain
1253;Bauern
120;Baeume
UMGEBUNG
"Im sw liegt Osttals Nachbarland."
SCHIFF 6365
"Kahn von Osttal";Name
"Trireme";Typ
4;Kueste
6352;Kapitaen
EINHEIT 6351
"Reiter von Mühlmoor";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
EINHEIT 6352
"Ulrike";Name
5666;Partei
"Zwerg";Typ
7;Anzahl
6365;Schiff
REGION 4 9
"Bärenfurt";Name
"Hochland";Terrain
720;Bauern
107;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
25;Pferde
10080;Silber
504;Unterh
18;Rekruten
11;Lohn
17;Strasse
PREISE
-35;Balsam
26;GewÃ¼rz
80;Juwel
40;Myrrhe
40;Ã–l
22;Seide
13;Weihrauch
UMGEBUNG
"Im sw liegt Bärenfurts Nachbarland."
EINHEIT 6387
"Händler von Wolfshausen";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
EINHEIT 6406
"Reiter von Ostberg";Name
5666;Partei
"Zwerg";Typ
19;Anzahl
EINHEIT 6414
"Grete";Name
3742;Partei
"Mensch";Typ
26;Anzahl
128;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"3900 5";Bergbau
GEGENSTAENDE
52;Bogen
1;Bogen
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
REGION 5 9
"Nordheim";Name
"Wald";Terrain
2345;Bauern
624;Baeume
UMGEBUNG
"Im so liegt Nordheims Nachbarland."
BURG 6550
"Feste Nordheim";Name
"Burg";Typ
163;Groesse
6436;Besitzer
EINHEIT 6436
"Öda";Name
5666;Partei
"Zwerg";Typ
33;Anzahl
6550;Burg
EINHEIT 6451
"Boten von Grünau";Name
6961;Partei
"Ork";Typ
43;Anzahl
EINHEIT 6465
"Grete";Name
5666;Partei
"Zwerg";Typ
54;Anzahl
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
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
40;Anzahl
REGION 6 9
"Ostbrück";Name
"Ebene";Terrain
2743;Bauern
57;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostbrück sind fleißig.";Beschr
88;Pferde
41145;Silber
2057;Unterh
68;Rekruten
11;Lohn
PREISE
-63;Balsam
30;GewÃ¼rz
30;Juwel
24;Myrrhe
31;Ã–l
5;Seide
60;Weihrauch
UMGEBUNG
"Im no liegt Ostbrücks Nachbarland."
EINHEIT 6586
"Händler von Südtal";Name
5666;Partei
"Zwerg";Typ
17;Anzahl
1;bewacht
EINHEIT 6589
"Swaantje";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
1;Anzahl
1417;Silber
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
56;Anzahl
1;bewacht
EINHEIT 6617
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 7 9
"Ozean";Terrain
196;Runde
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
REGION -5 10
"Bärental";Name
"Wüste";Terrain
284;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärental sind fleißig.";Beschr
0;Pferde
5112;Silber
255;Unterh
7;Rekruten
14;Lohn
PREISE
-15;Balsam
8;GewÃ¼rz
34;Juwel
48;Myrrhe
34;Ã–l
11;Seide
50;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Bärentals Nachbarland."
EINHEIT 6679
"Boten von Nordheim";Name
4482;Partei
"Elf";Typ
46;Anzahl
2069;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"12420 9";Hiebwaffen
"1380 1";Bergbau
EINHEIT 6719
"Swaantje";Name
4482;Partei
"Elf";Typ
31;Anzahl
2310;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"930 1";BogenschieÃŸen
"8370 9";HolzfÃ¤llen
"6510 7";Wahrnehmung
EINHEIT 6722
"Schützen von Grünfurt";Name
4482;Partei
"Elf";Typ
60;Anzahl
2040;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5400 3";BogenschieÃŸen
"5400 3";Handeln
EINHEIT 6758
"Händler von Kaltheim";Name
4482;Partei
"Elf";Typ
4;Anzahl
1977;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"960 8";Wahrnehmung
"1080 9";HolzfÃ¤llen
"360 3";Hiebwaffen
GEGENSTAENDE
1;Schild
EINHEIT 6788
"Holzfäller von Westau";Name
4482;Partei
"Elf";Typ
14;Anzahl
2334;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2520 6";Segeln
"2520 6";Wahrnehmung
REGION -4 10
"Ostau";Name
"Ebene";Terrain
2730;Bauern
60;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostau sind fleißig.";Beschr
122;Pferde
30030;Silber
1501;Unterh
68;Rekruten
13;Lohn
PREISE
-80;Balsam
35;GewÃ¼rz
68;Juwel
76;Myrrhe
43;Ã–l
8;Seide
31;Weihrauch
UMGEBUNG
"Im no liegt Ostaus Nachbarland."
EINHEIT 6825
"Bärbel";Name
4482;Partei
"Elf";Typ
24;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2160 3";BogenschieÃŸen
GEGENSTAENDE
24;Pferd
27;Eisen
EINHEIT 6826
"Händler von Grünbrück";Name
4482;Partei
"Elf";Typ
54;Anzahl
1361;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3240 2";Bergbau
GEGENSTAENDE
86;Speer
14;Schwert
97;Pferd
EINHEIT 6860
"Jörg";Name
4482;Partei
"Elf";Typ
21;Anzahl
1124;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3780 6";BogenschieÃŸen
GEGENSTAENDE
2;Eisen
14;Stein
36;Bogen
EINHEIT 6899
"Ulrike";Name
4482;Partei
"Elf";Typ
13;Anzahl
1;bewacht
812;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1950 5";HolzfÃ¤llen
"1950 5";BogenschieÃŸen
"2340 6";Handeln
EINHEIT 6926
"Rüdiger";Name
4482;Partei
"Elf";Typ
52;Anzahl
2723;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1560 1";Reiten
"9360 6";Hiebwaffen
GEGENSTAENDE
95;Schwert
99;Schwert
EINHEIT 6946
"Rüdiger";Name
4482;Partei
"Elf";Typ
16;Anzahl
1;bewacht
184;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3360 7";Burgenbau
"960 2";Burgenbau
"3840 8";Handeln
REGION -3 10
"Kalthausen";Name
"Wüste";Terrain
316;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kalthausen sind fleißig.";Beschr
4;Pferde
3792;Silber
189;Unterh
7;Rekruten
13;Lohn
PREISE
-51;Balsam
57;GewÃ¼rz
48;Juwel
30;Myrrhe
72;Ã–l
63;Seide
7;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kalthausen!"
UMGEBUNG
"Im sw liegt Kalthausens Nachbarland."
EINHEIT 6975
"Ulrike";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
15;Anzahl
2073;Silber
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
14;Anzahl
1682;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3360 8";Wahrnehmung
EINHEIT 7024
"Grete";Name
3742;Partei
"Mensch";Typ
55;Anzahl
2685;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 41"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
TALENTE
"1650 1";HolzfÃ¤llen
"9900 6";Hiebwaffen
"3300 2";Burgenbau
GEGENSTAENDE
46;Bogen
23;Bogen
27;Pferd
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
EINHEIT 7038
"Ulrike";Name
4482;Partei
"Elf";Typ
24;Anzahl
65;Silber
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
1;Anzahl
REGION -2 10
"Nordhausen";Name
"Sumpf";Terrain
358;Bauern
413;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
5;Pferde
6444;Silber
322;Unterh
8;Rekruten
11;Lohn
PREISE
-44;Balsam
57;GewÃ¼rz
76;Juwel
30;Myrrhe
28;Ã–l
9;Seide
66;Weihrauch
UMGEBUNG
"Im no liegt Nordhausens Nachbarland."
EINHEIT 7080
"Rüdiger";Name
4482;Partei
"Elf";Typ
47;Anzahl
1;bewacht
1612;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9870 7";Handeln
GEGENSTAENDE
35;Eisen
EINHEIT 7088
"Händler von Wolfshausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
1551;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";BogenschieÃŸen
"240 8";Wahrnehmung
REGION -1 10
"Bärenbrück";Name
"Berge";Terrain
412;Bauern
11;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
9;Pferde
6180;Silber
309;Unterh
10;Rekruten
11;Lohn
58;Eisen
17;Laen
PREISE
-29;Balsam
43;GewÃ¼rz
50;Juwel
42;Myrrhe
39;Ã–l
7;Seide
15;Weihrauch
UMGEBUNG
"Im so liegt Bärenbrücks Nachbarland."
EINHEIT 7125
"Öda";Name
5666;Partei
"Zwerg";Typ
34;Anzahl
EINHEIT 7137
"Reiter von Mühlheim";Name
4482;Partei
"Elf";Typ
20;Anzahl
1;bewacht
1901;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3600 6";Reiten
GEGENSTAENDE
15;Pferd
REGION 0 10
"Mühlheim";Name
"Wald";Terrain
1311;Bauern
530;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
16;Pferde
10488;Silber
524;Unterh
32;Rekruten
13;Lohn
75;Strasse
PREISE
-76;Balsam
25;GewÃ¼rz
26;Juwel
66;Myrrhe
22;Ã–l
33;Seide
59;Weihrauch
DURCHREISE
"Boten (6589)"
UMGEBUNG
"Im nw liegt Mühlheims Nachbarland."
EINHEIT 7159
"Rüdiger";Name
4482;Partei
"Elf";Typ
30;Anzahl
295;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6300 7";Wahrnehmung
"2700 3";Tarnung
"4500 5";BogenschieÃŸen
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
EINHEIT 7192
"Händler von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
1100;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Tarnung
"90 3";HolzfÃ¤llen
GEGENSTAENDE
1;Kettenhemd
1;Holz
EINHEIT 7232
"Händler von Kaltfurt";Name
5666;Partei
"Zwerg";Typ
29;Anzahl
EINHEIT 7239
"Hans";Name
4482;Partei
"Elf";Typ
6;Anzahl
173;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1260 7";Segeln
REGION 1 10
"Mühlfurt";Name
"Wald";Terrain
2485;Bauern
459;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlfurt sind fleißig.";Beschr
81;Pferde
17395;Silber
869;Unterh
62;Rekruten
13;Lohn
10;Strasse
PREISE
-78;Balsam
13;GewÃ¼rz
7;Juwel
43;Myrrhe
23;Ã–l
28;Seide
78;Weihrauch
UMGEBUNG
"Im so liegt Mühlfurts Nachbarland."
EINHEIT 7275
"Holzfäller von Ostwald";Name
5666;Partei
"Zwerg";Typ
28;Anzahl
EINHEIT 7297
"Händler von Südberg";Name
5666;Partei
"Zwerg";Typ
42;Anzahl
EINHEIT 7299
"Knut";Name
4482;Partei
"Elf";Typ
26;Anzahl
2925;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"7020 9";Burgenbau
GEGENSTAENDE
48;Eisen
51;Speer
REGION 2 10
"Südfurt";Name
"Wüste";Terrain
334;Bauern
0;Baeume
UMGEBUNG
"Im o liegt Südfurts Nachbarland."
REGION 3 10
"Ostbrück";Name
"Gletscher";Terrain
66;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Ostbrücks Nachbarland."
EINHEIT 7311
"Gundolf";Name
1;Parteitarnung
"Zwerg";Typ
38;Anzahl
EINHEIT 7338
"Bergleute von Tannmoor";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
EINHEIT 7359
"Wachen von Nordberg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 7399
"Hans";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 4 10
"Felstal";Name
"Ebene";Terrain
1729;Bauern
165;Baeume
UMGEBUNG
"Im w liegt Felstals Nachbarland."
EINHEIT 7408
"Öda";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 7434
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 5 10
"Ostfurt";Name
"Ebene";Terrain
198;Runde
1607;Bauern
183;Baeume
REGION 6 10
"Ozean";Terrain
REGION 7 10
"Ozean";Terrain
REGION 8 10
"Ozean";Terrain
REGION 9 10
"Ozean";Terrain
REGION -5 11
"Nordheim";Name
"Ebene";Terrain
1349;Bauern
86;Baeume
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
REGION -4 11
"Grünhausen";Name
"Ebene";Terrain
2164;Bauern
83;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünhausen sind fleißig.";Beschr
32;Pferde
15148;Silber
757;Unterh
54;Rekruten
15;Lohn
46;Strasse
PREISE
-9;Balsam
24;GewÃ¼rz
18;Juwel
27;Myrrhe
22;Ã–l
75;Seide
58;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Grünhausens Nachbarland."
BURG 7649
"Bau von Grünhausen";Name
"Bergwerk";Typ
124;Groesse
7522;Besitzer
12;Unterhalt
EINHEIT 7522
"Bärbel";Name
1;Parteitarnung
"Zwerg";Typ
36;Anzahl
1;bewacht
7649;Burg
EINHEIT 7561
"Reiter von Mühlhausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
2288;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";BogenschieÃŸen
"120 4";Reiten
"240 8";Tarnung
GEGENSTAENDE
2;Schild
EINHEIT 7582
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
7649;Burg
437;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Bergbau
GEGENSTAENDE
1;Speer
EINHEIT 7611
"Bärbel";Name
4482;Partei
"Elf";Typ
4;Anzahl
2841;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"360 3";Hiebwaffen
"240 2";Burgenbau
REGION -3 11
"Felstal";Name
"Hochland";Terrain
1438;Bauern
46;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felstal sind fleißig.";Beschr
59;Pferde
10066;Silber
503;Unterh
35;Rekruten
14;Lohn
PREISE
-47;Balsam
66;GewÃ¼rz
29;Juwel
55;Myrrhe
16;Ã–l
20;Seide
7;Weihrauch
DURCHREISE
"Boten (9920)"
UMGEBUNG
"Im o liegt Felstals Nachbarland."
EINHEIT 7672
"Wachen von Südheim";Name
4482;Partei
"Elf";Typ
22;Anzahl
1460;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2640 4";Tarnung
"660 1";Burgenbau
"1980 3";Wahrnehmung
GEGENSTAENDE
23;Eisen
38;Holz
40;Holz
EINHEIT 7674
"Späher von Ostheim";Name
4482;Partei
"Elf";Typ
18;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1080 2";Handeln
"4860 9";Tarnung
GEGENSTAENDE
13;Holz
EINHEIT 7710
"Knut";Name
4482;Partei
"Elf";Typ
37;Anzahl
1746;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5550 5";Wahrnehmung
"6660 6";Burgenbau
"2220 2";Burgenbau
GEGENSTAENDE
5;Holz
66;Speer
EINHEIT 7716
"Händler von Eichental";Name
4482;Partei
"Elf";Typ
21;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1890 3";Wahrnehmung
"5040 8";BogenschieÃŸen
EINHEIT 7747
"Späher von Wolfstal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1672;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"30 1";Wahrnehmung
"30 1";Segeln
"210 7";Reiten
EINHEITSBOTSCHAFTEN
"Späher von Wolfstal hat Hunger."
REGION -2 11
"Südwald";Name
"Berge";Terrain
556;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südwald sind fleißig.";Beschr
18;Pferde
7784;Silber
389;Unterh
13;Rekruten
13;Lohn
27;Eisen
PREISE
-24;Balsam
26;GewÃ¼rz
18;Juwel
61;Myrrhe
29;Ã–l
79;Seide
11;Weihrauch
DURCHREISE
"Boten (8254)"
UMGEBUNG
"Im nw liegt Südwalds Nachbarland."
EINHEIT 7767
"Gundolf";Name
4482;Partei
"Elf";Typ
25;Anzahl
1548;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"6000 8";Wahrnehmung
GEGENSTAENDE
2;Bogen
REGION -1 11
"Ostfurt";Name
"Wüste";Terrain
269;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
6;Pferde
4573;Silber
228;Unterh
6;Rekruten
12;Lohn
PREISE
-7;Balsam
33;GewÃ¼rz
48;Juwel
27;Myrrhe
16;Ã–l
80;Seide
75;Weihrauch
UMGEBUNG
"Im so liegt Ostfurts Nachbarland."
EINHEIT 7783
"Swaantje";Name
4482;Partei
"Elf";Typ
49;Anzahl
51;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1470 1";Burgenbau
"8820 6";Wahrnehmung
"11760 8";Burgenbau
GEGENSTAENDE
82;Holz
EINHEIT 7802
"Wachen von Nordfurt";Name
4482;Partei
"Elf";Typ
8;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"720 3";Hiebwaffen
GEGENSTAENDE
3;Speer
EINHEIT 7813
"Boten von Nordbrück";Name
4482;Partei
"Elf";Typ
7;Anzahl
1634;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"630 3";Segeln
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
57;Anzahl
15;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6840 4";Segeln
"3420 2";Bergbau
"11970 7";Bergbau
GEGENSTAENDE
7;Pferd
REGION 0 11
"Oststätt";Name
"Ebene";Terrain
2145;Bauern
142;Baeume
UMGEBUNG
"Im nw liegt Oststätts Nachbarland."
EINHEIT 7859
"Jörg";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
REGION 1 11
"Tannberg";Name
"Ebene";Terrain
1915;Bauern
126;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannberg sind fleißig.";Beschr
56;Pferde
32555;Silber
1627;Unterh
47;Rekruten
13;Lohn
PREISE
-70;Balsam
9;GewÃ¼rz
60;Juwel
21;Myrrhe
18;Ã–l
61;Seide
71;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Tannbergs Nachbarland."
EINHEIT 7872
"Wachen von Tannstätt";Name
5666;Partei
"Zwerg";Typ
36;Anzahl
EINHEIT 7889
"Bergleute von Ostwald";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
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
EINHEIT 7914
"Swaantje";Name
4482;Partei
"Elf";Typ
55;Anzahl
1764;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8250 5";Wahrnehmung
"6600 4";Segeln
"11550 7";Bergbau
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
27;Anzahl
REGION 2 11
"Oststätt";Name
"Wüste";Terrain
448;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Oststätt sind fleißig.";Beschr
11;Pferde
8960;Silber
448;Unterh
11;Rekruten
13;Lohn
PREISE
-60;Balsam
10;GewÃ¼rz
60;Juwel
21;Myrrhe
14;Ã–l
7;Seide
50;Weihrauch
UMGEBUNG
"Im so liegt Oststätts Nachbarland."
EINHEIT 7960
"Boten von Felsstätt";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 7971
"Ulrike";Name
4482;Partei
"Elf";Typ
40;Anzahl
1;bewacht
2728;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4800 4";Hiebwaffen
"8400 7";Reiten
"3600 3";Reiten
GEGENSTAENDE
63;Schild
EINHEIT 7980
"Wachen von Nordhausen";Name
3742;Partei
"Mensch";Typ
51;Anzahl
1540;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH nw so"
"; Zur Küste"
TALENTE
"13770 9";Hiebwaffen
"7650 5";Tarnung
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
53;Anzahl
REGION 3 11
"Ostau";Name
"Berge";Terrain
196;Runde
529;Bauern
13;Baeume
REGION 4 11
"Eichenberg";Name
"Ebene";Terrain
2963;Bauern
275;Baeume
UMGEBUNG
"Im o liegt Eichenbergs Nachbarland."
EINHEIT 8083
"Ulrike";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
EINHEIT 8113
"Swaantje";Name
5666;Partei
"Zwerg";Typ
54;Anzahl
EINHEIT 8119
"Reiter von Bärenberg";Name
5666;Partei
"Zwerg";Typ
28;Anzahl
EINHEIT 8135
"Schützen von Felshausen";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
EINHEIT 8172
"Öda";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
6;Anzahl
REGION 5 11
"Ozean";Terrain
REGION 6 11
"Felsberg";Name
"Wüste";Terrain
235;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Felsbergs Nachbarland."
EINHEIT 8188
"Händler von Eichental";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8205
"Gundolf";Name
5666;Partei
"Zwerg";Typ
23;Anzahl
REGION 7 11
"Ozean";Terrain
REGION 8 11
"Ozean";Terrain
199;Runde
REGION 9 11
"Ozean";Terrain
REGION -6 12
"Nordmoor";Name
"Wald";Terrain
1704;Bauern
928;Baeume
UMGEBUNG
"Im nw liegt Nordmoors Nachbarland."
REGION -5 12
"Weststätt";Name
"Berge";Terrain
284;Bauern
25;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Weststätt sind fleißig.";Beschr
12;Pferde
2272;Silber
113;Unterh
7;Rekruten
14;Lohn
43;Eisen
PREISE
-22;Balsam
19;GewÃ¼rz
29;Juwel
17;Myrrhe
37;Ã–l
11;Seide
54;Weihrauch
DURCHREISE
"Boten (7044)"
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
30;Anzahl
2184;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"8100 9";Hiebwaffen
"2700 3";Reiten
"5400 6";Wahrnehmung
REGION -4 12
"Kaltberg";Name
"Wald";Terrain
199;Runde
951;Bauern
853;Baeume
REGION -3 12
"Eichental";Name
"Wald";Terrain
1495;Bauern
604;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
30;Pferde
16445;Silber
822;Unterh
37;Rekruten
15;Lohn
83;Strasse
PREISE
-34;Balsam
24;GewÃ¼rz
79;Juwel
79;Myrrhe
53;Ã–l
20;Seide
72;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Eichentals Nachbarland."
EINHEIT 8268
"Bergleute von Südtal";Name
4482;Partei
"Elf";Typ
1;Anzahl
1310;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Tarnung
GEGENSTAENDE
2;Holz
2;Bogen
EINHEIT 8271
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
221;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Tarnung
"30 1";Segeln
"60 2";Wahrnehmung
REGION -2 12
"Südau";Name
"Wald";Terrain
1893;Bauern
525;Baeume
UMGEBUNG
"Im sw liegt Südaus Nachbarland."
REGION -1 12
"Kaltfurt";Name
"Gletscher";Terrain
41;Bauern
0;Baeume
UMGEBUNG
"Im no liegt Kaltfurts Nachbarland."
EINHEIT 8278
"Holzfäller von Südmoor";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
1;bewacht
EINHEIT 8307
"Swaantje";Name
5666;Partei
"Zwerg";Typ
59;Anzahl
1;bewacht
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
46;Anzahl
EINHEIT 8366
"Reiter von Wolfsau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8390
"Bärbel";Name
1;Parteitarnung
"Zwerg";Typ
36;Anzahl
1;bewacht
EINHEIT 8403
"Gundolf";Name
5666;Partei
"Zwerg";Typ
15;Anzahl
EINHEIT 8412
"Ulrike";Name
6961;Partei
"Ork";Typ
36;Anzahl
EINHEIT 8440
"Hans";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
50;Anzahl
1;bewacht
REGION 1 12
"Nordfurt";Name
"Gletscher";Terrain
198;Runde
33;Bauern
0;Baeume
REGION 2 12
"Bärenmoor";Name
"Wüste";Terrain
377;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Bärenmoors Nachbarland."
EINHEIT 8562
"Holzfäller von Wolfswald";Name
5666;Partei
"Zwerg";Typ
3;Anzahl
EINHEIT 8585
"Reiter von Grünbrück";Name
5666;Partei
"Zwerg";Typ
35;Anzahl
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
2087;Bauern
148;Baeume
UMGEBUNG
"Im w liegt Mühlfurts Nachbarland."
REGION 4 12
"Ozean";Terrain
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
5;Anzahl
8696;Schiff
REGION 6 12
"Ozean";Terrain
197;Runde
REGION 7 12
"Felsheim";Name
"Ebene";Terrain
1817;Bauern
122;Baeume
UMGEBUNG
"Im nw liegt Felsheims Nachbarland."
EINHEIT 8713
"Öda";Name
5666;Partei
"Zwerg";Typ
33;Anzahl
EINHEIT 8728
"Bergleute von Kalttal";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
REGION 8 12
"Mühlwald";Name
"Ebene";Terrain
3818;Bauern
122;Baeume
UMGEBUNG
"Im sw liegt Mühlwalds Nachbarland."
REGION -6 13
"Wolfstal";Name
"Sumpf";Terrain
607;Bauern
156;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
16;Pferde
8498;Silber
424;Unterh
15;Rekruten
15;Lohn
PREISE
-29;Balsam
39;GewÃ¼rz
51;Juwel
76;Myrrhe
37;Ã–l
13;Seide
35;Weihrauch
UMGEBUNG
"Im so liegt Wolfstals Nachbarland."
EINHEIT 8732
"Boten von Bärental";Name
4482;Partei
"Elf";Typ
43;Anzahl
1252;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5160 4";Reiten
"7740 6";BogenschieÃŸen
"10320 8";Bergbau
GEGENSTAENDE
53;Schild
50;Holz
84;Pferd
REGION -5 13
"Nordfurt";Name
"Wüste";Terrain
407;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
4;Pferde
2849;Silber
142;Unterh
10;Rekruten
14;Lohn
PREISE
-76;Balsam
54;GewÃ¼rz
47;Juwel
16;Myrrhe
29;Ã–l
20;Seide
5;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Nordfurts Nachbarland."
EINHEIT 8756
"Ulrike";Name
4482;Partei
"Elf";Typ
9;Anzahl
1;bewacht
608;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1890 7";Handeln
"1620 6";Hiebwaffen
"810 3";Segeln
GEGENSTAENDE
11;Kettenhemd
9;Speer
1;Schild
REGION -4 13
"Kaltbrück";Name
"Hochland";Terrain
1261;Bauern
54;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltbrück sind fleißig.";Beschr
4;Pferde
21437;Silber
1071;Unterh
31;Rekruten
13;Lohn
PREISE
-76;Balsam
24;GewÃ¼rz
19;Juwel
56;Myrrhe
60;Ã–l
74;Seide
75;Weihrauch
UMGEBUNG
"Im no liegt Kaltbrücks Nachbarland."
EINHEIT 8781
"Knut";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
744;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Wahrnehmung
"270 9";Hiebwaffen
"180 6";Burgenbau
GEGENSTAENDE
1;Pferd
EINHEIT 8803
"Jörg";Name
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
301;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9720 9";Bergbau
"3240 3";BogenschieÃŸen
REGION -3 13
"Bärenbrück";Name
"Gletscher";Terrain
65;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenbrück sind fleißig.";Beschr
1;Pferde
715;Silber
35;Unterh
1;Rekruten
15;Lohn
8;Eisen
14;Laen
PREISE
-20;Balsam
48;GewÃ¼rz
59;Juwel
64;Myrrhe
19;Ã–l
65;Seide
73;Weihrauch
UMGEBUNG
"Im sw liegt Bärenbrücks Nachbarland."
EINHEIT 8850
"Bergleute von Westtal";Name
4482;Partei
"Elf";Typ
22;Anzahl
665;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3960 6";Segeln
GEGENSTAENDE
7;Stein
EINHEIT 8856
"Händler von Weststätt";Name
4482;Partei
"Elf";Typ
43;Anzahl
1126;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"11610 9";HolzfÃ¤llen
"7740 6";Tarnung
GEGENSTAENDE
35;Bogen
REGION -2 13
"Wolfsstätt";Name
"Wüste";Terrain
447;Bauern
0;Baeume
UMGEBUNG
"Im nw liegt Wolfsstätts Nachbarland."
EINHEIT 8878
"Boten von Kaltwald";Name
5666;Partei
"Zwerg";Typ
33;Anzahl
EINHEIT 8886
"Jörg";Name
5666;Partei
"Zwerg";Typ
46;Anzahl
EINHEIT 8919
"Knut";Name
5666;Partei
"Zwerg";Typ
37;Anzahl
REGION -1 13
"Südhausen";Name
"Gletscher";Terrain
196;Runde
68;Bauern
0;Baeume
REGION 0 13
"Nordfurt";Name
"Ebene";Terrain
1459;Bauern
91;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
37;Pferde
18967;Silber
948;Unterh
36;Rekruten
15;Lohn
20;Strasse
PREISE
-14;Balsam
35;GewÃ¼rz
36;Juwel
43;Myrrhe
50;Ã–l
59;Seide
73;Weihrauch
UMGEBUNG
"Im sw liegt Nordfurts Nachbarland."
EINHEIT 9063
"Swaantje";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
54;Anzahl
1;bewacht
EINHEIT 9097
"Grete";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
EINHEIT 9117
"Späher von Nordbrück";Name
3742;Partei
"Mensch";Typ
8;Anzahl
1673;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2160 9";Handeln
GEGENSTAENDE
12;Stein
EINHEIT 9136
"Ulrike";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9150
"Hans";Name
1;Parteitarnung
"Zwerg";Typ
1;Anzahl
EINHEIT 9151
"Ulrike";Name
1;Parteitarnung
"Zwerg";Typ
10;Anzahl
REGION 1 13
"Ozean";Terrain
REGION 2 13
"Ozean";Terrain
REGION 3 13
"Ozean";Terrain
REGION 4 13
"Ozean";Terrain
199;Runde
REGION 5 13
"Ozean";Terrain
REGION 6 13
"Ozean";Terrain
REGION 7 13
"Ozean";Terrain
REGION 8 13
"Ozean";Terrain
REGION -7 14
"Wolfstal";Name
"Ebene";Terrain
2783;Bauern
53;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfstal sind fleißig.";Beschr
63;Pferde
50094;Silber
2504;Unterh
69;Rekruten
13;Lohn
PREISE
-79;Balsam
18;GewÃ¼rz
32;Juwel
29;Myrrhe
13;Ã–l
29;Seide
22;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Wolfstal!"
UMGEBUNG
"Im sw liegt Wolfstals Nachbarland."
EINHEIT 9178
"Gundolf";Name
4482;Partei
"Elf";Typ
11;Anzahl
2800;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1320 4";Hiebwaffen
EINHEIT 9191
"Holzfäller von Bärenberg";Name
4482;Partei
"Elf";Typ
27;Anzahl
1439;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1620 2";Handeln
"3240 4";BogenschieÃŸen
"6480 8";Segeln
EINHEIT 9215
"Wachen von Eichenau";Name
4482;Partei
"Elf";Typ
9;Anzahl
1;bewacht
1241;Silber
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
1640;Bauern
96;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichental sind fleißig.";Beschr
1;Pferde
19680;Silber
984;Unterh
41;Rekruten
13;Lohn
PREISE
-26;Balsam
69;GewÃ¼rz
15;Juwel
32;Myrrhe
47;Ã–l
57;Seide
78;Weihrauch
DURCHREISE
"Boten (2210)"
UMGEBUNG
"Im no liegt Eichentals Nachbarland."
EINHEIT 9241
"Hans";Name
3742;Partei
"Mensch";Typ
32;Anzahl
2578;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"NACH so o"
"; Zur Küste"
TALENTE
"4800 5";BogenschieÃŸen
"6720 7";HolzfÃ¤llen
GEGENSTAENDE
3;Pferd
7;Holz
2;Schild
EINHEIT 9260
"Reiter von Bärenhausen";Name
4482;Partei
"Elf";Typ
56;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"10080 6";Wahrnehmung
"1680 1";BogenschieÃŸen
GEGENSTAENDE
46;Schild
56;Kettenhemd
60;Eisen
EINHEIT 9262
"Jörg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
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
32;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8640 9";Handeln
GEGENSTAENDE
27;Pferd
42;Holz
EINHEIT 9295
"Schützen von Westau";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 9304
"Reiter von Tannhausen";Name
4482;Partei
"Elf";Typ
23;Anzahl
2947;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4830 7";Hiebwaffen
"2070 3";HolzfÃ¤llen
REGION -5 14
"Nordau";Name
"Berge";Terrain
480;Bauern
16;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordau sind fleißig.";Beschr
1;Pferde
2400;Silber
120;Unterh
12;Rekruten
13;Lohn
65;Eisen
1;Laen
PREISE
-56;Balsam
71;GewÃ¼rz
58;Juwel
66;Myrrhe
39;Ã–l
40;Seide
50;Weihrauch
UMGEBUNG
"Im no liegt Nordaus Nachbarland."
EINHEIT 9314
"Rüdiger";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1091;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";HolzfÃ¤llen
"180 6";Bergbau
GEGENSTAENDE
1;Stein
EINHEIT 9327
"Gundolf";Name
4482;Partei
"Elf";Typ
40;Anzahl
2583;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7200 6";Handeln
EINHEIT 9345
"Öda";Name
4482;Partei
"Elf";Typ
16;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"480 1";Hiebwaffen
"1440 3";Segeln
"1440 3";HolzfÃ¤llen
EINHEIT 9376
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1428;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so w"
"; Zur Küste"
TALENTE
"240 8";BogenschieÃŸen
"180 6";Wahrnehmung
"270 9";BogenschieÃŸen
GEGENSTAENDE
1;Eisen
2;Schild
REGION -4 14
"Mühlwald";Name
"Berge";Terrain
584;Bauern
28;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
19;Pferde
10512;Silber
525;Unterh
14;Rekruten
12;Lohn
21;Eisen
PREISE
-33;Balsam
47;GewÃ¼rz
79;Juwel
28;Myrrhe
39;Ã–l
66;Seide
25;Weihrauch
UMGEBUNG
"Im o liegt Mühlwalds Nachbarland."
EINHEIT 9402
"Holzfäller von Eichenwald";Name
4482;Partei
"Elf";Typ
52;Anzahl
915;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"9360 6";Burgenbau
"9360 6";Tarnung
"9360 6";Hiebwaffen
GEGENSTAENDE
40;Holz
EINHEIT 9427
"Öda";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
26;Anzahl
EINHEIT 9431
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
1039;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"30 1";Bergbau
"210 7";HolzfÃ¤llen
REGION -3 14
"Felsbrück";Name
"Gletscher";Terrain
198;Runde
36;Bauern
0;Baeume
REGION -2 14
"Felsbrück";Name
"Gletscher";Terrain
34;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Felsbrücks Nachbarland."
EINHEIT 9578
"Jörg";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9617
"Öda";Name
5666;Partei
"Zwerg";Typ
21;Anzahl
EINHEIT 9641
"Grete";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
EINHEIT 9673
"Ulrike";Name
5666;Partei
"Zwerg";Typ
42;Anzahl
REGION 0 0 1
"Dichter Nebel";Terrain
199;Runde
REGION 1 0 1
"Nebel";Terrain
REGION 2 0 1
"Nebel";Terrain
REGION 3 0 1
"Dichter Nebel";Terrain
REGION 4 0 1
"Nebel";Terrain
REGION 0 1 1
"Dichter Nebel";Terrain
REGION 1 1 1
"Nebel";Terrain
REGION 2 1 1
"Nebel";Terrain
REGION 3 1 1
"Dichter Nebel";Terrain
196;Runde
REGION 4 1 1
"Nebel";Terrain
REGION 0 2 1
"Dichter Nebel";Terrain
REGION 1 2 1
"Nebel";Terrain
198;Runde
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
REGION 4 3 1
"Nebel";Terrain
199;Runde
REGION 0 4 1
"Dichter Nebel";Terrain
REGION 1 4 1
"Nebel";Terrain
REGION 2 4 1
"Nebel";Terrain
197;Runde
REGION 3 4 1
"Dichter Nebel";Terrain
