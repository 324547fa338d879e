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
3626;Anzahl Personen
0;Anzahl Immigranten
12;Max. Immigranten
562;Punkte
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
18;Balsam
12;GewÃ¼rz
-65;Juwel
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
2;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4500 6";Burgenbau
"2250 3";Reiten
EINHEIT 248
"Jörg";Name
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
"LERNEN Tarnung"
TALENTE
"5220 6";Tarnung
GEGENSTAENDE
22;Speer
12;Kettenhemd
REGION 3 0
"Eichenfurt";Name
"Ebene";Terrain
1816;Bauern
113;Baeume
UMGEBUNG
"Im o liegt Eichenfurts Nachbarland."
REGION 4 0
"Grünfurt";Name
"Ebene";Terrain
3059;Bauern
126;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünfurt sind fleißig.";Beschr
15;Pferde
61180;Silber
3059;Unterh
76;Rekruten
11;Lohn
PREISE
68;Balsam
-17;GewÃ¼rz
5;Juwel
15;Myrrhe
18;Ã–l
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
11;Anzahl
2726;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"660 2";Wahrnehmung
"1650 5";Segeln
EINHEIT 330
"Schützen von Südwald";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2716;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"270 9";Tarnung
"270 9";Handeln
GEGENSTAENDE
2;Schwert
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
EINHEIT 401
"Öda";Name
3742;Partei
"Mensch";Typ
32;Anzahl
349;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"960 1";Handeln
"2880 3";Hiebwaffen
"5760 6";Segeln
GEGENSTAENDE
18;Pferd
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
53;Balsam
35;GewÃ¼rz
51;Juwel
34;Myrrhe
-11;Ã–l
51;Seide
73;Weihrauch
DURCHREISE
"Boten (2424)"
UMGEBUNG
"Im o liegt Kaltmoors Nachbarland."
EINHEIT 425
"Öda";Name
3742;Partei
"Mensch";Typ
26;Anzahl
1981;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"780 1";Reiten
GEGENSTAENDE
14;Holz
EINHEIT 454
"Öda";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2308;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"180 6";Reiten
EINHEIT 494
"Hans";Name
3742;Partei
"Mensch";Typ
9;Anzahl
280;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"1620 6";Hiebwaffen
"1080 4";BogenschieÃŸen
"1620 6";HolzfÃ¤llen
REGION 6 0
"Felsmoor";Name
"Hochland";Terrain
621;Bauern
104;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsmoor sind fleißig.";Beschr
10;Pferde
9315;Silber
465;Unterh
15;Rekruten
12;Lohn
45;Strasse
PREISE
-79;Balsam
61;GewÃ¼rz
34;Juwel
37;Myrrhe
36;Ã–l
30;Seide
48;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Felsmoor!"
UMGEBUNG
"Im w liegt Felsmoors Nachbarland."
EINHEIT 501
"Öda";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
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
80;Balsam
12;GewÃ¼rz
23;Juwel
-12;Myrrhe
24;Ã–l
68;Seide
39;Weihrauch
UMGEBUNG
"Im so liegt Kaltheims Nachbarland."
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
2708;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 23"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bärbel bleibt hier"
TALENTE
"210 7";Burgenbau
"270 9";BogenschieÃŸen
"90 3";Wahrnehmung
GEGENSTAENDE
2;Pferd
1;Pferd
1;Kettenhemd
EINHEITSBOTSCHAFTEN
"Bärbel hat Hunger."
EINHEIT 528
"Späher von Osttal";Name
3742;Partei
"Mensch";Typ
2;Anzahl
652;Burg
2632;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
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
837;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"180 6";Burgenbau
"30 1";Wahrnehmung
"150 5";Burgenbau
EINHEIT 567
"Hans";Name
3742;Partei
"Mensch";Typ
48;Anzahl
1;bewacht
450;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 83"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"2880 2";HolzfÃ¤llen
"11520 8";BogenschieÃŸen
"11520 8";HolzfÃ¤llen
GEGENSTAENDE
38;Holz
EINHEIT 585
"Händler von Felsbrück";Name
3742;Partei
"Mensch";Typ
44;Anzahl
652;Burg
206;Silber
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
EINHEIT 614
"Grete";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
3;Anzahl
652;Burg
1837;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"180 2";HolzfÃ¤llen
"180 2";Burgenbau
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
49;Balsam
54;GewÃ¼rz
31;Juwel
31;Myrrhe
42;Ã–l
67;Seide
-25;Weihrauch
UMGEBUNG
"Im w liegt Weststätts Nachbarland."
EINHEIT 674
"Knut";Name
3742;Partei
"Mensch";Typ
47;Anzahl
1310;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw w"
"; Zur Küste"
TALENTE
"1410 1";BogenschieÃŸen
GEGENSTAENDE
55;Pferd
30;Holz
91;Pferd
EINHEIT 695
"Holzfäller von Westberg";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
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
EINHEIT 714
"Öda";Name
3742;Partei
"Mensch";Typ
39;Anzahl
0;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2340 2";Tarnung
GEGENSTAENDE
73;Speer
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
57;Balsam
78;GewÃ¼rz
-10;Juwel
73;Myrrhe
24;Ã–l
73;Seide
73;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Bärenau!"
UMGEBUNG
"Im nw liegt Bärenaus Nachbarland."
EINHEIT 739
"Öda";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
47;Anzahl
1;bewacht
2842;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"7050 5";Handeln
GEGENSTAENDE
18;Pferd
90;Schild
92;Holz
EINHEIT 771
"Boten von Bärenstätt";Name
3742;Partei
"Mensch";Typ
46;Anzahl
2252;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"6900 5";Handeln
GEGENSTAENDE
34;Schwert
87;Eisen
54;Holz
EINHEITSBOTSCHAFTEN
"Boten von Bärenstätt hat Hunger."
EINHEIT 799
"Grete";Name
3742;Partei
"Mensch";Typ
18;Anzahl
1738;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"3780 7";Tarnung
"4320 8";Hiebwaffen
"3780 7";BogenschieÃŸen
GEGENSTAENDE
16;Schwert
22;Pferd
EINHEIT 806
"Boten von Nordstätt";Name
3742;Partei
"Mensch";Typ
3;Anzahl
645;Silber
1;Kampfstatus
2;Tarnung
"Nur für mich: Boten von Nordstätt";privat
COMMANDS
"ARBEITEN"
TALENTE
"720 8";BogenschieÃŸen
"810 9";Wahrnehmung
"630 7";Tarnung
GEGENSTAENDE
3;Pferd
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
37;Balsam
58;GewÃ¼rz
77;Juwel
19;Myrrhe
9;Ã–l
-32;Seide
5;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Tanntals Nachbarland."
EINHEIT 826
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
EINHEIT 833
"Späher von Nordwald";Name
3742;Partei
"Mensch";Typ
9;Anzahl
148;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 58"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Nordwald bleibt hier"
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
UMGEBUNG
"Im sw liegt Osttals Nachbarland."
EINHEIT 863
"Reiter von Wolfsbrück";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
49;Anzahl
2699;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5880 4";Wahrnehmung
"5880 4";Reiten
"2940 2";Wahrnehmung
GEGENSTAENDE
75;Speer
91;Bogen
9;Stein
EINHEIT 899
"Bergleute von Eichenfurt";Name
3742;Partei
"Mensch";Typ
2;Anzahl
850;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Bergleute von Eichenfurt";privat
COMMANDS
"LERNEN Bergbau"
TALENTE
"240 4";Bergbau
EINHEIT 924
"Boten von Bärenhausen";Name
3742;Partei
"Mensch";Typ
8;Anzahl
2872;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH sw sw"
"; Zur Küste"
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
2742;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Burgenbau"
TALENTE
"90 3";Burgenbau
GEGENSTAENDE
2;Speer
EINHEIT 973
"Späher von Tanntal";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1;bewacht
1585;Silber
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
"1260 1";BogenschieÃŸen
"6300 5";Handeln
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
76;Balsam
80;GewÃ¼rz
36;Juwel
71;Myrrhe
46;Ã–l
-16;Seide
66;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kaltwald!"
UMGEBUNG
"Im sw liegt Kaltwalds Nachbarland."
EINHEIT 997
"Boten von Mühlstätt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
265;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH o so"
"; Zur Küste"
TALENTE
"30 1";Segeln
"270 9";Tarnung
GEGENSTAENDE
1;Schild
2;Holz
2;Pferd
EINHEIT 999
"Reiter von Kaltwald";Name
3742;Partei
"Mensch";Typ
37;Anzahl
2986;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"5550 5";Tarnung
GEGENSTAENDE
65;Schild
EINHEITSBOTSCHAFTEN
"Reiter von Kaltwald hat Hunger."
EINHEIT 1025
"Rüdiger";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
40;Anzahl
1315;Silber
3;Kampfstatus
2;Tarnung
"Nur für mich: Rüdiger";privat
COMMANDS
"NACH o no"
"; Zur Küste"
TALENTE
"6000 5";Bergbau
"3600 3";Segeln
"6000 5";HolzfÃ¤llen
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
66;Balsam
-12;GewÃ¼rz
16;Juwel
69;Myrrhe
64;Ã–l
65;Seide
17;Weihrauch
UMGEBUNG
"Im o liegt Südaus Nachbarland."
EINHEIT 1033
"Holzfäller von Kaltwald";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1545;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH w nw"
"; Zur Küste"
TALENTE
"240 8";Bergbau
EINHEIT 1046
"Holzfäller von Nordfurt";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1081
"Schützen von Südberg";Name
5666;Partei
"Zwerg";Typ
48;Anzahl
EINHEIT 1105
"Wachen von Westberg";Name
3742;Partei
"Mensch";Typ
53;Anzahl
240;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw sw"
"; Zur Küste"
TALENTE
"9540 6";HolzfÃ¤llen
"7950 5";Hiebwaffen
"14310 9";Tarnung
GEGENSTAENDE
32;Schild
31;Schwert
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
52;Balsam
40;GewÃ¼rz
49;Juwel
76;Myrrhe
-65;Ã–l
70;Seide
45;Weihrauch
UMGEBUNG
"Im so liegt Grünstätts Nachbarland."
EINHEIT 1143
"Öda";Name
3742;Partei
"Mensch";Typ
8;Anzahl
1991;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"1200 5";Bergbau
"480 2";BogenschieÃŸen
GEGENSTAENDE
5;Eisen
10;Bogen
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 1162
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1658;Silber
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
SPRUECHE
"Feuerball"
"Heilung"
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
EINHEIT 1194
"Späher von Grünstätt";Name
3742;Partei
"Mensch";Typ
42;Anzahl
2961;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 31"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Späher von Grünstätt bleibt hier"
TALENTE
"1260 1";Tarnung
"6300 5";BogenschieÃŸen
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
"Im so liegt Kaltfurts Nachbarland."
EINHEIT 1199
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
908;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"150 5";BogenschieÃŸen
EINHEIT 1233
"Holzfäller von Grünau";Name
3742;Partei
"Mensch";Typ
42;Anzahl
1558;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6300 5";Handeln
EINHEIT 1271
"Schützen von Osthausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1760;Silber
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
4249;Bauern
107;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südfurt sind fleißig.";Beschr
20;Pferde
46739;Silber
2336;Unterh
106;Rekruten
11;Lohn
PREISE
44;Balsam
28;GewÃ¼rz
55;Juwel
-78;Myrrhe
57;Ã–l
17;Seide
74;Weihrauch
UMGEBUNG
"Im w liegt Südfurts Nachbarland."
EINHEIT 1305
"Gundolf";Name
3742;Partei
"Mensch";Typ
40;Anzahl
880;Silber
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
"10800 9";BogenschieÃŸen
GEGENSTAENDE
30;Schwert
26;Bogen
27;Speer
EINHEIT 1306
"Boten von Südfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1188;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw w"
"; Zur Küste"
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
35;Anzahl
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
7;Balsam
39;GewÃ¼rz
56;Juwel
37;Myrrhe
18;Ã–l
52;Seide
-37;Weihrauch
UMGEBUNG
"Im o liegt Felsbrücks Nachbarland."
EINHEIT 1340
"Knut";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
EINHEIT 1346
"Wachen von Tannheim";Name
3742;Partei
"Mensch";Typ
1;Anzahl
6;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH no nw"
"; Zur Küste"
TALENTE
"120 4";Burgenbau
"240 8";Burgenbau
EINHEIT 1355
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
EINHEIT 1378
"Öda";Name
3742;Partei
"Mensch";Typ
24;Anzahl
2400;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
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
13;Anzahl
2025;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1950 5";Handeln
"1170 3";HolzfÃ¤llen
GEGENSTAENDE
22;Schwert
25;Speer
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
66;Balsam
55;GewÃ¼rz
-37;Juwel
26;Myrrhe
28;Ã–l
19;Seide
26;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Nordbergs Nachbarland."
EINHEIT 1430
"Holzfäller von Westheim";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1340;Silber
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
EINHEIT 1443
"Holzfäller von Kaltwald";Name
3742;Partei
"Mensch";Typ
15;Anzahl
761;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"NACH so no"
"; Zur Küste"
TALENTE
"900 2";Bergbau
"3600 8";Bergbau
GEGENSTAENDE
9;Schwert
5;Stein
EINHEITSBOTSCHAFTEN
"Holzfäller von Kaltwald hat Hunger."
EINHEIT 1446
"Jörg";Name
3742;Partei
"Mensch";Typ
13;Anzahl
1840;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"780 2";Bergbau
"3510 9";Bergbau
"1950 5";HolzfÃ¤llen
EINHEIT 1472
"Holzfäller von Südheim";Name
3742;Partei
"Mensch";Typ
12;Anzahl
1254;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3240 9";Reiten
"1800 5";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Holzfäller von Südheim hat Hunger."
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
14;Balsam
20;GewÃ¼rz
43;Juwel
72;Myrrhe
49;Ã–l
-49;Seide
72;Weihrauch
UMGEBUNG
"Im nw liegt Felswalds Nachbarland."
EINHEIT 1501
"Händler von Mühlau";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
1757;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"180 6";Handeln
"120 4";Hiebwaffen
"60 2";Wahrnehmung
GEGENSTAENDE
2;Schild
EINHEIT 1518
"Schützen von Tannhausen";Name
3742;Partei
"Mensch";Typ
36;Anzahl
2347;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 64"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Tannhausen bleibt hier"
TALENTE
"5400 5";Bergbau
"5400 5";Handeln
GEGENSTAENDE
2;Pferd
8;Schwert
55;Holz
EINHEIT 1546
"Reiter von Osthausen";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1537;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"9450 7";Hiebwaffen
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
16;Balsam
38;GewÃ¼rz
79;Juwel
-39;Myrrhe
16;Ã–l
73;Seide
30;Weihrauch
UMGEBUNG
"Im nw liegt Südfurts Nachbarland."
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
26;Anzahl
2844;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"780 1";Segeln
"1560 2";Wahrnehmung
"6240 8";Burgenbau
GEGENSTAENDE
29;Speer
4;Schwert
31;Bogen
EINHEIT 1612
"Reiter von Wolfswald";Name
6961;Partei
"Ork";Typ
5;Anzahl
1618;Schiff
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
PREISE
33;Balsam
-78;GewÃ¼rz
42;Juwel
47;Myrrhe
20;Ã–l
72;Seide
33;Weihrauch
UMGEBUNG
"Im so liegt Westbrücks Nachbarland."
EINHEIT 1657
"Reiter von Mühlau";Name
3742;Partei
"Mensch";Typ
38;Anzahl
2392;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"6840 6";Tarnung
GEGENSTAENDE
48;Schild
69;Pferd
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 1684
"Öda";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
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
40;Balsam
26;GewÃ¼rz
25;Juwel
32;Myrrhe
-77;Ã–l
48;Seide
9;Weihrauch
DURCHREISE
"Boten (7116)"
UMGEBUNG
"Im no liegt Südfurts Nachbarland."
EINHEIT 1717
"Jörg";Name
3742;Partei
"Mensch";Typ
3;Anzahl
175;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"180 2";Wahrnehmung
GEGENSTAENDE
3;Stein
3;Eisen
4;Schwert
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
2011;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"4920 4";Segeln
GEGENSTAENDE
44;Eisen
22;Bogen
65;Stein
EINHEIT 1728
"Schützen von Wolfswald";Name
3742;Partei
"Mensch";Typ
29;Anzahl
1777;Burg
0;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"NACH so w"
"; Zur Küste"
TALENTE
"7830 9";Bergbau
"6960 8";HolzfÃ¤llen
"870 1";Handeln
EINHEIT 1732
"Knut";Name
3742;Partei
"Mensch";Typ
41;Anzahl
1777;Burg
2930;Silber
0;Kampfstatus
0;Tarnung
"Nur für mich: Knut";privat
COMMANDS
"ARBEITEN"
TALENTE
"2460 2";Reiten
GEGENSTAENDE
46;Holz
53;Speer
73;Pferd
EINHEIT 1735
"Bergleute von Eichenbrück";Name
3742;Partei
"Mensch";Typ
2;Anzahl
1500;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 87"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Eichenbrück bleibt hier"
TALENTE
"240 4";Bergbau
EINHEIT 1756
"Ulrike";Name
3742;Partei
"Mensch";Typ
35;Anzahl
1777;Burg
988;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3150 3";BogenschieÃŸen
"4200 4";Burgenbau
GEGENSTAENDE
5;Bogen
1;Schild
21;Schwert
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
REGION 4 2
"Grünmoor";Name
"Sumpf";Terrain
733;Bauern
386;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünmoor sind fleißig.";Beschr
8;Pferde
10262;Silber
513;Unterh
18;Rekruten
11;Lohn
PREISE
73;Balsam
6;GewÃ¼rz
21;Juwel
-30;Myrrhe
7;Ã–l
45;Seide
30;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Grünmoors Nachbarland."
EINHEIT 1803
"Hans";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 1810
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
1218;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"270 9";HolzfÃ¤llen
GEGENSTAENDE
2;Eisen
1;Stein
EINHEIT 1819
"Knut";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2705;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH sw so"
"; Zur Küste"
TALENTE
"210 7";Tarnung
"30 1";Bergbau
GEGENSTAENDE
2;Schild
2;Schild
1;Bogen
EINHEITSBOTSCHAFTEN
"Knut hat Hunger."
EINHEIT 1859
"Reiter von Felsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
739;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Gewürz"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"150 5";Segeln
"60 2";Wahrnehmung
"150 5";Hiebwaffen
EINHEITSBOTSCHAFTEN
"Reiter von Felsfurt hat Hunger."
REGION 5 2
"Felsbrück";Name
"Wüste";Terrain
279;Bauern
0;Baeume
UMGEBUNG
"Im sw liegt Felsbrücks Nachbarland."
REGION 6 2
"Mühlheim";Name
"Wüste";Terrain
244;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlheim sind fleißig.";Beschr
15;Pferde
3172;Silber
158;Unterh
6;Rekruten
15;Lohn
PREISE
34;Balsam
23;GewÃ¼rz
-53;Juwel
48;Myrrhe
48;Ã–l
44;Seide
44;Weihrauch
UMGEBUNG
"Im w liegt Mühlheims Nachbarland."
EINHEIT 1899
"Späher von Südheim";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
35;Anzahl
1;bewacht
439;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"7350 7";HolzfÃ¤llen
"3150 3";HolzfÃ¤llen
GEGENSTAENDE
26;Kettenhemd
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
69;Balsam
6;GewÃ¼rz
62;Juwel
76;Myrrhe
24;Ã–l
-18;Seide
34;Weihrauch
UMGEBUNG
"Im so liegt Westbrücks Nachbarland."
EINHEIT 1903
"Bärbel";Name
3742;Partei
"Mensch";Typ
8;Anzahl
2394;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw w"
"; Zur Küste"
TALENTE
"720 3";Reiten
GEGENSTAENDE
7;Schild
EINHEIT 1932
"Swaantje";Name
3742;Partei
"Mensch";Typ
22;Anzahl
2481;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"4620 7";Bergbau
"5280 8";BogenschieÃŸen
GEGENSTAENDE
5;Pferd
EINHEIT 1971
"Bergleute von Felsau";Name
3742;Partei
"Mensch";Typ
20;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"4200 7";BogenschieÃŸen
"600 1";Hiebwaffen
GEGENSTAENDE
20;Pferd
39;Pferd
25;Bogen
EINHEITSBOTSCHAFTEN
"Bergleute von Felsau hat Hunger."
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
25;Balsam
-32;GewÃ¼rz
34;Juwel
9;Myrrhe
8;Ã–l
39;Seide
20;Weihrauch
UMGEBUNG
"Im o liegt Tannheims Nachbarland."
EINHEIT 1982
"Holzfäller von Grünau";Name
3742;Partei
"Mensch";Typ
45;Anzahl
0;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 43"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Grünau bleibt hier"
TALENTE
"2700 2";Hiebwaffen
"12150 9";Burgenbau
"8100 6";Bergbau
GEGENSTAENDE
23;Speer
25;Stein
45;Schild
EINHEIT 2009
"Ulrike";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
36;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1080 1";BogenschieÃŸen
GEGENSTAENDE
46;Stein
3;Speer
EINHEIT 2048
"Grete";Name
3742;Partei
"Mensch";Typ
30;Anzahl
1;bewacht
51;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 12"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
TALENTE
"7200 8";Handeln
GEGENSTAENDE
22;Kettenhemd
EINHEIT 2072
"Holzfäller von Kaltau";Name
3742;Partei
"Mensch";Typ
53;Anzahl
1153;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"12720 8";Bergbau
"11130 7";Burgenbau
"7950 5";BogenschieÃŸen
GEGENSTAENDE
67;Stein
SPRUECHE
"Feuerball"
"Heilung"
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
76;Balsam
61;GewÃ¼rz
68;Juwel
16;Myrrhe
-34;Ã–l
50;Seide
44;Weihrauch
UMGEBUNG
"Im no liegt Nordheims Nachbarland."
EINHEIT 2102
"Wachen von Bärenwald";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1568;Silber
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
EINHEIT 2139
"Späher von Südwald";Name
3742;Partei
"Mensch";Typ
16;Anzahl
2101;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"960 2";Burgenbau
GEGENSTAENDE
9;Stein
EINHEIT 2143
"Bärbel";Name
3742;Partei
"Mensch";Typ
34;Anzahl
171;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1020 1";Wahrnehmung
EINHEIT 2148
"Hans";Name
6961;Partei
"Ork";Typ
1;Anzahl
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
42;Balsam
-69;GewÃ¼rz
80;Juwel
47;Myrrhe
52;Ã–l
48;Seide
44;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Kaltmoors Nachbarland."
EINHEIT 2165
"Holzfäller von Wolfsmoor";Name
3742;Partei
"Mensch";Typ
16;Anzahl
2358;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"3840 8";BogenschieÃŸen
GEGENSTAENDE
28;Speer
10;Holz
21;Speer
EINHEIT 2198
"Reiter von Weststätt";Name
4482;Partei
"Elf";Typ
5;Anzahl
104;Silber
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
49;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"11760 8";Tarnung
"13230 9";Burgenbau
GEGENSTAENDE
75;Bogen
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
29;Balsam
13;GewÃ¼rz
66;Juwel
35;Myrrhe
-21;Ã–l
14;Seide
67;Weihrauch
UMGEBUNG
"Im no liegt Eichenbrücks Nachbarland."
EINHEIT 2237
"Boten von Bärenbrück";Name
3742;Partei
"Mensch";Typ
38;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH w w"
"; Zur Küste"
TALENTE
"4560 4";Wahrnehmung
GEGENSTAENDE
25;Schwert
51;Holz
72;Holz
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 2248
"Bergleute von Westhausen";Name
6961;Partei
"Ork";Typ
22;Anzahl
EINHEIT 2272
"Boten von Südstätt";Name
3742;Partei
"Mensch";Typ
27;Anzahl
642;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH so so"
"; Zur Küste"
TALENTE
"3240 4";Tarnung
"7290 9";Bergbau
"3240 4";Hiebwaffen
GEGENSTAENDE
5;Speer
3;Schwert
2;Speer
EINHEIT 2275
"Holzfäller von Kaltau";Name
3742;Partei
"Mensch";Typ
31;Anzahl
353;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"5580 6";Wahrnehmung
"1860 2";BogenschieÃŸen
GEGENSTAENDE
18;Eisen
45;Eisen
1;Holz
REGION 2 3
"Osttal";Name
"Wüste";Terrain
227;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
1;Pferde
2951;Silber
147;Unterh
5;Rekruten
12;Lohn
PREISE
-8;Balsam
46;GewÃ¼rz
56;Juwel
54;Myrrhe
55;Ã–l
76;Seide
58;Weihrauch
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
"LERNEN Hiebwaffen"
TALENTE
"180 6";Hiebwaffen
"90 3";Burgenbau
GEGENSTAENDE
1;Stein
1;Stein
2;Eisen
SPRUECHE
"Feuerball"
"Heilung"
EINHEITSBOTSCHAFTEN
"Wachen von Eichenmoor hat Hunger."
EINHEIT 2299
"Späher von Eichenheim";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Handeln"
TALENTE
"30 1";Handeln
GEGENSTAENDE
1;Holz
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 2310
"Rüdiger";Name
3742;Partei
"Mensch";Typ
18;Anzahl
786;Silber
2;Kampfstatus
0;Tarnung
"Nur für mich: Rüdiger";privat
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3240 6";Wahrnehmung
"540 1";BogenschieÃŸen
"2160 4";Burgenbau
GEGENSTAENDE
14;Pferd
25;Bogen
14;Kettenhemd
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 2349
"Wachen von Nordmoor";Name
3742;Partei
"Mensch";Typ
57;Anzahl
2398;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Segeln"
TALENTE
"8550 5";Segeln
"3420 2";Hiebwaffen
"10260 6";Hiebwaffen
EINHEIT 2372
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Burgenbau"
TALENTE
"270 9";Burgenbau
"60 2";BogenschieÃŸen
GEGENSTAENDE
1;Schwert
1;Pferd
EINHEITSBOTSCHAFTEN
"Ulrike hat Hunger."
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
23;Balsam
60;GewÃ¼rz
48;Juwel
-35;Myrrhe
65;Ã–l
68;Seide
57;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westtal!"
UMGEBUNG
"Im o liegt Westtals Nachbarland."
EINHEIT 2384
"Hans";Name
3742;Partei
"Mensch";Typ
29;Anzahl
2764;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"5220 6";HolzfÃ¤llen
"5220 6";Hiebwaffen
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
56;Balsam
48;GewÃ¼rz
26;Juwel
33;Myrrhe
48;Ã–l
35;Seide
-67;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Westfurt!"
UMGEBUNG
"Im no liegt Westfurts Nachbarland."
EINHEIT 2389
"Boten von Tannstätt";Name
3742;Partei
"Mensch";Typ
52;Anzahl
1780;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"6240 4";Wahrnehmung
EINHEIT 2392
"Rüdiger";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Hiebwaffen
"210 7";Handeln
"270 9";Wahrnehmung
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
COMMANDS
"ARBEITEN"
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
23;Anzahl
EINHEIT 2487
"Bärbel";Name
3742;Partei
"Mensch";Typ
46;Anzahl
1395;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw no"
"; Zur Küste"
TALENTE
"11040 8";Burgenbau
GEGENSTAENDE
72;Stein
14;Eisen
SPRUECHE
"Feuerball"
"Heilung"
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
46;Balsam
20;GewÃ¼rz
-49;Juwel
45;Myrrhe
30;Ã–l
56;Seide
38;Weihrauch
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
40;Anzahl
897;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 92"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Schützen von Mühlfurt bleibt hier"
TALENTE
"2400 2";HolzfÃ¤llen
SPRUECHE
"Feuerball"
"Heilung"
REGION 6 3
"Bärenfurt";Name
"Ebene";Terrain
1925;Bauern
143;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenfurt sind fleißig.";Beschr
112;Pferde
23100;Silber
1155;Unterh
48;Rekruten
15;Lohn
PREISE
17;Balsam
15;GewÃ¼rz
14;Juwel
33;Myrrhe
71;Ã–l
-61;Seide
70;Weihrauch
UMGEBUNG
"Im w liegt Bärenfurts Nachbarland."
EINHEIT 2542
"Gundolf";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1358;Silber
0;Kampfstatus
0;Tarnung
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
EINHEITSBOTSCHAFTEN
"Gundolf hat Hunger."
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
12;Balsam
-8;GewÃ¼rz
49;Juwel
7;Myrrhe
19;Ã–l
14;Seide
16;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Mühlbrücks Nachbarland."
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
1;Anzahl
2583;Burg
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH nw w"
"; Zur Küste"
TALENTE
"240 8";Tarnung
"270 9";Segeln
GEGENSTAENDE
1;Schild
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
6;Balsam
5;GewÃ¼rz
21;Juwel
71;Myrrhe
-52;Ã–l
77;Seide
54;Weihrauch
UMGEBUNG
"Im so liegt Wolfsmoors Nachbarland."
EINHEIT 2598
"Hans";Name
3742;Partei
"Mensch";Typ
58;Anzahl
1;bewacht
2224;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 77"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Hans bleibt hier"
TALENTE
"6960 4";Hiebwaffen
"6960 4";Bergbau
"8700 5";Wahrnehmung
REGION 9 3
"Kaltau";Name
"Gletscher";Terrain
36;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltau sind fleißig.";Beschr
0;Pferde
180;Silber
9;Unterh
0;Rekruten
11;Lohn
63;Strasse
73;Eisen
PREISE
-62;Balsam
22;GewÃ¼rz
12;Juwel
34;Myrrhe
12;Ã–l
49;Seide
64;Weihrauch
UMGEBUNG
"Im nw liegt Kaltaus Nachbarland."
EINHEIT 2615
"Wachen von Grünwald";Name
5666;Partei
"Zwerg";Typ
5;Anzahl
EINHEIT 2637
"Bergleute von Westfurt";Name
1;Parteitarnung
"Zwerg";Typ
53;Anzahl
EINHEIT 2646
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
338;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"120 4";Wahrnehmung
"150 5";Burgenbau
GEGENSTAENDE
2;Kettenhemd
1;Holz
EINHEIT 2656
"Gundolf";Name
3742;Partei
"Mensch";Typ
22;Anzahl
2400;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"5280 8";Tarnung
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
28;Balsam
9;GewÃ¼rz
64;Juwel
10;Myrrhe
-24;Ã–l
22;Seide
49;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Felsheim!"
UMGEBUNG
"Im nw liegt Felsheims Nachbarland."
BURG 2748
"Bau von Felsheim";Name
"Hafen";Typ
285;Groesse
2663;Besitzer
28;Unterhalt
EINHEIT 2663
"Bergleute von Felstal";Name
4482;Partei
"Elf";Typ
11;Anzahl
2748;Burg
2191;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2310 7";Hiebwaffen
"990 3";Wahrnehmung
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
2726;Silber
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
2340;Silber
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
"Im no liegt Eichenhausens Nachbarland."
EINHEIT 2762
"Bergleute von Nordwald";Name
4482;Partei
"Elf";Typ
23;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1380 2";Hiebwaffen
EINHEIT 2766
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1135;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Segeln
GEGENSTAENDE
2;Schwert
2;Holz
2;Speer
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
31;Balsam
37;GewÃ¼rz
71;Juwel
-60;Myrrhe
36;Ã–l
51;Seide
78;Weihrauch
UMGEBUNG
"Im o liegt Nordbrücks Nachbarland."
EINHEIT 2806
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
2873;Silber
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
46;Anzahl
2035;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"6900 5";Wahrnehmung
"11040 8";Handeln
"12420 9";Handeln
GEGENSTAENDE
39;Kettenhemd
81;Kettenhemd
EINHEIT 2854
"Knut";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
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
1;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"150 5";Hiebwaffen
"60 2";Handeln
EINHEIT 2888
"Bärbel";Name
6961;Partei
"Ork";Typ
10;Anzahl
1;bewacht
REGION 2 4
"Mühlfurt";Name
"Gletscher";Terrain
32;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlfurt sind fleißig.";Beschr
0;Pferde
608;Silber
30;Unterh
0;Rekruten
11;Lohn
51;Eisen
PREISE
36;Balsam
45;GewÃ¼rz
79;Juwel
13;Myrrhe
19;Ã–l
25;Seide
-5;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Mühlfurts Nachbarland."
EINHEIT 2908
"Grete";Name
4482;Partei
"Elf";Typ
39;Anzahl
663;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10530 9";Reiten
GEGENSTAENDE
17;Schwert
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
80;Balsam
6;GewÃ¼rz
-25;Juwel
34;Myrrhe
12;Ã–l
63;Seide
80;Weihrauch
UMGEBUNG
"Im sw liegt Tannaus Nachbarland."
EINHEIT 2915
"Händler von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
1;Anzahl
2393;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH nw o"
"; Zur Küste"
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
1953;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Holzfällen"
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
1730;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Tarnung"
TALENTE
"60 2";Tarnung
"120 4";Segeln
EINHEIT 2953
"Bärbel";Name
3742;Partei
"Mensch";Typ
15;Anzahl
1051;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"2250 5";Handeln
"3150 7";Handeln
"2700 6";Segeln
GEGENSTAENDE
26;Kettenhemd
EINHEIT 2971
"Grete";Name
3742;Partei
"Mensch";Typ
23;Anzahl
0;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 62"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Grete bleibt hier"
TALENTE
"4140 6";Handeln
"5520 8";Tarnung
"5520 8";Wahrnehmung
GEGENSTAENDE
15;Bogen
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
65;Balsam
22;GewÃ¼rz
59;Juwel
56;Myrrhe
51;Ã–l
-67;Seide
53;Weihrauch
UMGEBUNG
"Im so liegt Eichenaus Nachbarland."
EINHEIT 2994
"Holzfäller von Südtal";Name
3742;Partei
"Mensch";Typ
24;Anzahl
1749;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"720 1";Bergbau
"2160 3";Hiebwaffen
GEGENSTAENDE
4;Bogen
39;Schwert
35;Eisen
EINHEIT 3023
"Späher von Kaltmoor";Name
3742;Partei
"Mensch";Typ
54;Anzahl
1313;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Tarnung"
TALENTE
"4860 3";Tarnung
"9720 6";Wahrnehmung
GEGENSTAENDE
6;Schwert
71;Pferd
EINHEIT 3028
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1489;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 22"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Rüdiger bleibt hier"
TALENTE
"240 8";HolzfÃ¤llen
"270 9";BogenschieÃŸen
GEGENSTAENDE
2;Holz
EINHEIT 3067
"Späher von Westberg";Name
3742;Partei
"Mensch";Typ
54;Anzahl
1170;Silber
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
"11340 7";Wahrnehmung
"11340 7";Burgenbau
GEGENSTAENDE
50;Eisen
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
78;Balsam
-51;GewÃ¼rz
41;Juwel
13;Myrrhe
16;Ã–l
35;Seide
63;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Wolfstals Nachbarland."
EINHEIT 3095
"Grete";Name
5666;Partei
"Zwerg";Typ
52;Anzahl
1;bewacht
EINHEIT 3096
"Knut";Name
3742;Partei
"Mensch";Typ
42;Anzahl
747;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"1260 1";Handeln
"6300 5";HolzfÃ¤llen
GEGENSTAENDE
67;Schild
36;Stein
EINHEIT 3130
"Grete";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
25;Anzahl
1856;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1500 2";Bergbau
EINHEIT 3165
"Bergleute von Wolfsfurt";Name
3742;Partei
"Mensch";Typ
14;Anzahl
1795;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 62"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Wolfsfurt bleibt hier"
TALENTE
"3360 8";BogenschieÃŸen
"3360 8";Bergbau
GEGENSTAENDE
6;Eisen
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
72;Balsam
21;GewÃ¼rz
18;Juwel
33;Myrrhe
-31;Ã–l
29;Seide
69;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Mühlheims Nachbarland."
EINHEIT 3186
"Boten von Westfurt";Name
3742;Partei
"Mensch";Typ
7;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"210 1";Reiten
"1050 5";Segeln
EINHEIT 3190
"Rüdiger";Name
3742;Partei
"Mensch";Typ
1;Anzahl
647;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"180 6";Segeln
"240 8";Bergbau
"150 5";BogenschieÃŸen
GEGENSTAENDE
1;Schwert
EINHEIT 3206
"Boten von Bärental";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
38;Anzahl
1780;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH w sw"
"; Zur Küste"
TALENTE
"6840 6";Bergbau
"7980 7";Wahrnehmung
"3420 3";Burgenbau
GEGENSTAENDE
46;Holz
14;Holz
EINHEIT 3230
"Holzfäller von Ostwald";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
42;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 30"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Holzfäller von Ostwald bleibt hier"
TALENTE
"5040 4";Reiten
GEGENSTAENDE
58;Schwert
74;Kettenhemd
66;Stein
EINHEIT 3250
"Späher von Wolfsberg";Name
3742;Partei
"Mensch";Typ
44;Anzahl
1867;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"1320 1";Reiten
"6600 5";Hiebwaffen
GEGENSTAENDE
40;Holz
34;Pferd
48;Bogen
EINHEIT 3252
"Schützen von Osttal";Name
5666;Partei
"Zwerg";Typ
51;Anzahl
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
"Im sw liegt Bärentals Nachbarland."
EINHEIT 3267
"Schützen von Kaltmoor";Name
4482;Partei
"Elf";Typ
31;Anzahl
1385;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"6510 7";BogenschieÃŸen
GEGENSTAENDE
15;Stein
EINHEIT 3299
"Rüdiger";Name
3742;Partei
"Mensch";Typ
36;Anzahl
1;bewacht
1519;Silber
1;Kampfstatus
2;Tarnung
"Nur für mich: Rüdiger";privat
COMMANDS
"NACH so no"
"; Zur Küste"
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
30;Anzahl
1;bewacht
1471;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 15"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Wachen von Wolfswald bleibt hier"
TALENTE
"6300 7";Segeln
"1800 2";Handeln
"4500 5";Handeln
EINHEIT 3342
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1410;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"NACH so no"
"; Zur Küste"
TALENTE
"90 3";Handeln
GEGENSTAENDE
2;Bogen
1;Bogen
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
69;Balsam
9;GewÃ¼rz
30;Juwel
-33;Myrrhe
73;Ã–l
7;Seide
62;Weihrauch
UMGEBUNG
"Im sw liegt Eichenheims Nachbarland."
BURG 3368
"Feste Eichenheim";Name
"Burg";Typ
269;Groesse
3354;Besitzer
26;Unterhalt
EINHEIT 3354
"Bergleute von Grünhausen";Name
3742;Partei
"Mensch";Typ
20;Anzahl
3368;Burg
2078;Silber
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
19;Anzahl
314;Silber
3;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3990 7";HolzfÃ¤llen
"4560 8";Wahrnehmung
GEGENSTAENDE
22;Holz
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
69;Balsam
66;GewÃ¼rz
23;Juwel
80;Myrrhe
75;Ã–l
57;Seide
-7;Weihrauch
UMGEBUNG
"Im w liegt Oststätts Nachbarland."
EINHEIT 3402
"Reiter von Felsberg";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1497;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"MACHEN TEMP 8"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Felsberg bleibt hier"
TALENTE
"60 2";Tarnung
GEGENSTAENDE
1;Stein
1;Schild
2;Holz
EINHEIT 3404
"Bergleute von Grünbrück";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"90 3";Hiebwaffen
"240 8";Bergbau
"180 6";Segeln
GEGENSTAENDE
1;Stein
2;Holz
EINHEIT 3430
"Ulrike";Name
3742;Partei
"Mensch";Typ
49;Anzahl
2874;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"10290 7";Burgenbau
GEGENSTAENDE
87;Holz
63;Holz
29;Schwert
EINHEIT 3454
"Öda";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
2786;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"90 3";Burgenbau
"120 4";Burgenbau
"210 7";Wahrnehmung
EINHEIT 3470
"Wachen von Kalttal";Name
3742;Partei
"Mensch";Typ
1;Anzahl
25;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
"Nur für mich: Wachen von Kalttal";privat
COMMANDS
"NACH so sw"
"; Zur Küste"
TALENTE
"150 5";HolzfÃ¤llen
"150 5";BogenschieÃŸen
REGION 10 4
"Ozean";Terrain
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
1;Anzahl
3472;Schiff
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
8;Balsam
34;GewÃ¼rz
73;Juwel
75;Myrrhe
-8;Ã–l
52;Seide
77;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Südfurts Nachbarland."
EINHEIT 3503
"Knut";Name
3742;Partei
"Mensch";Typ
45;Anzahl
1066;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5400 4";Hiebwaffen
"9450 7";Handeln
"6750 5";Segeln
EINHEITSBOTSCHAFTEN
"Knut hat Hunger."
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
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Bärenhausens Nachbarland."
EINHEIT 3535
"Reiter von Felsheim";Name
4482;Partei
"Elf";Typ
31;Anzahl
2197;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3720 4";Tarnung
EINHEIT 3569
"Bergleute von Ostheim";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
36;Anzahl
1;bewacht
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9720 9";Tarnung
"6480 6";Segeln
"9720 9";Hiebwaffen
EINHEIT 3599
"Wachen von Eichenstätt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
59;Anzahl
1260;Silber
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
966;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Segeln
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
29;Balsam
60;GewÃ¼rz
29;Juwel
-8;Myrrhe
58;Ã–l
45;Seide
52;Weihrauch
UMGEBUNG
"Im o liegt Bärenbergs Nachbarland."
EINHEIT 3646
"Bergleute von Mühlhausen";Name
3742;Partei
"Mensch";Typ
26;Anzahl
1;bewacht
2420;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH o sw"
"; Zur Küste"
TALENTE
"780 1";BogenschieÃŸen
EINHEIT 3652
"Knut";Name
4482;Partei
"Elf";Typ
31;Anzahl
2394;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5580 6";Burgenbau
"8370 9";Handeln
GEGENSTAENDE
55;Eisen
20;Kettenhemd
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
72;Balsam
65;GewÃ¼rz
58;Juwel
8;Myrrhe
6;Ã–l
47;Seide
-72;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Wolfsmoor!"
DURCHREISE
"Boten (9620)"
UMGEBUNG
"Im o liegt Wolfsmoors Nachbarland."
EINHEIT 3668
"Schützen von Nordbrück";Name
4482;Partei
"Elf";Typ
26;Anzahl
1181;Silber
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
7;Balsam
43;GewÃ¼rz
-56;Juwel
13;Myrrhe
13;Ã–l
38;Seide
19;Weihrauch
UMGEBUNG
"Im w liegt Nordstätts Nachbarland."
EINHEIT 3698
"Rüdiger";Name
4482;Partei
"Elf";Typ
32;Anzahl
0;Silber
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
14;Anzahl
535;Silber
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
1;Anzahl
939;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Bergbau
"210 7";Bergbau
"180 6";Hiebwaffen
GEGENSTAENDE
2;Eisen
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
30;Balsam
26;GewÃ¼rz
32;Juwel
50;Myrrhe
55;Ã–l
-63;Seide
60;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Kaltfurts Nachbarland."
EINHEIT 3755
"Wachen von Mühlberg";Name
4482;Partei
"Elf";Typ
17;Anzahl
2612;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4080 8";Wahrnehmung
"510 1";Segeln
"4080 8";Handeln
EINHEIT 3790
"Bergleute von Osttal";Name
4482;Partei
"Elf";Typ
24;Anzahl
462;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"720 1";Hiebwaffen
GEGENSTAENDE
20;Schwert
EINHEIT 3803
"Hans";Name
4482;Partei
"Elf";Typ
23;Anzahl
2253;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1380 2";Hiebwaffen
"3450 5";HolzfÃ¤llen
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
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
1;Anzahl
499;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
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
17;Balsam
-59;GewÃ¼rz
34;Juwel
21;Myrrhe
28;Ã–l
31;Seide
7;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Westtals Nachbarland."
BURG 3976
"Feste Westtal";Name
"Burg";Typ
70;Groesse
3861;Besitzer
7;Unterhalt
SCHIFF 3983
"Kahn von Westtal";Name
"Trireme";Typ
4;Kueste
3937;Kapitaen
0;Schaden
0;Ladung
500;MaxLadung
EINHEIT 3861
"Swaantje";Name
4482;Partei
"Elf";Typ
7;Anzahl
3976;Burg
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"630 3";Hiebwaffen
GEGENSTAENDE
11;Bogen
EINHEIT 3897
"Boten von Grünbrück";Name
4482;Partei
"Elf";Typ
19;Anzahl
737;Silber
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
61;Balsam
30;GewÃ¼rz
36;Juwel
43;Myrrhe
-15;Ã–l
40;Seide
49;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Eichenwalds Nachbarland."
EINHEIT 4003
"Händler von Nordstätt";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
8;Anzahl
EINHEIT 4011
"Schützen von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2223;Silber
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
"Im sw liegt Mühlwalds Nachbarland."
EINHEIT 4042
"Swaantje";Name
3742;Partei
"Mensch";Typ
39;Anzahl
1438;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1170 1";Wahrnehmung
GEGENSTAENDE
18;Schwert
EINHEITSBOTSCHAFTEN
"Swaantje hat Hunger."
EINHEIT 4075
"Bergleute von Felsheim";Name
3742;Partei
"Mensch";Typ
59;Anzahl
1663;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"8850 5";Hiebwaffen
"8850 5";Segeln
"8850 5";Segeln
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 4102
"Händler von Mühlau";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1;bewacht
2680;Silber
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
EINHEIT 4108
"Späher von Nordbrück";Name
3742;Partei
"Mensch";Typ
2;Anzahl
228;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"60 1";Wahrnehmung
GEGENSTAENDE
3;Schwert
1;Stein
EINHEIT 4116
"Boten von Tannberg";Name
3742;Partei
"Mensch";Typ
15;Anzahl
127;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
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
1855;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Hiebwaffen"
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
EINHEITSBOTSCHAFTEN
"Grete hat Hunger."
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
50;Balsam
37;GewÃ¼rz
20;Juwel
-27;Myrrhe
54;Ã–l
30;Seide
28;Weihrauch
UMGEBUNG
"Im so liegt Grünfurts Nachbarland."
EINHEIT 4132
"Boten von Tannhausen";Name
3742;Partei
"Mensch";Typ
1;Anzahl
1904;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Balsam"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"240 8";Bergbau
"150 5";Handeln
EINHEIT 4136
"Späher von Mühlstätt";Name
3742;Partei
"Mensch";Typ
48;Anzahl
2442;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"LERNEN Wahrnehmung"
TALENTE
"10080 7";Wahrnehmung
GEGENSTAENDE
17;Stein
EINHEITSBOTSCHAFTEN
"Späher von Mühlstätt hat Hunger."
EINHEIT 4166
"Ulrike";Name
3742;Partei
"Mensch";Typ
1;Anzahl
788;Silber
2;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bogenschießen"
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
"NACH w so"
"; Zur Küste"
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
59;Anzahl
2518;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Öl"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"5310 3";Tarnung
"5310 3";Reiten
GEGENSTAENDE
89;Pferd
21;Eisen
REGION 8 5
"Kalttal";Name
"Wald";Terrain
1756;Bauern
468;Baeume
UMGEBUNG
"Im w liegt Kalttals Nachbarland."
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
34;Balsam
77;GewÃ¼rz
-20;Juwel
73;Myrrhe
15;Ã–l
66;Seide
40;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Wolfsmoors Nachbarland."
BURG 4378
"Feste Wolfsmoor";Name
"Burg";Typ
249;Groesse
4266;Besitzer
24;Unterhalt
EINHEIT 4266
"Reiter von Kaltau";Name
3742;Partei
"Mensch";Typ
12;Anzahl
4378;Burg
1288;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 96"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Reiter von Kaltau bleibt hier"
TALENTE
"1440 4";HolzfÃ¤llen
"2880 8";HolzfÃ¤llen
"2160 6";Reiten
GEGENSTAENDE
13;Stein
10;Stein
2;Schild
EINHEIT 4292
"Ulrike";Name
3742;Partei
"Mensch";Typ
2;Anzahl
0;Silber
3;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Burgenbau"
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
1;Anzahl
1021;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Tarnung"
TALENTE
"270 9";Tarnung
"240 8";Segeln
GEGENSTAENDE
2;Speer
1;Stein
1;Stein
EINHEIT 4332
"Öda";Name
4482;Partei
"Elf";Typ
43;Anzahl
4378;Burg
2797;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5160 4";Handeln
GEGENSTAENDE
59;Holz
8;Stein
51;Eisen
EINHEIT 4363
"Boten von Mühlmoor";Name
3742;Partei
"Mensch";Typ
12;Anzahl
162;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
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
38;Anzahl
4378;Burg
2732;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"3420 3";Hiebwaffen
"3420 3";Hiebwaffen
GEGENSTAENDE
36;Kettenhemd
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
"Im sw liegt Westbergs Nachbarland."
EINHEIT 4403
"Holzfäller von Felstal";Name
5666;Partei
"Zwerg";Typ
35;Anzahl
EINHEIT 4433
"Rüdiger";Name
4482;Partei
"Elf";Typ
25;Anzahl
470;Silber
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
45;Anzahl
2453;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8100 6";HolzfÃ¤llen
GEGENSTAENDE
71;Pferd
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
16;Balsam
59;GewÃ¼rz
37;Juwel
-63;Myrrhe
51;Ã–l
27;Seide
62;Weihrauch
UMGEBUNG
"Im w liegt Kalthausens Nachbarland."
EINHEIT 4493
"Jörg";Name
4482;Partei
"Elf";Typ
32;Anzahl
696;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2880 3";Bergbau
"4800 5";Segeln
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
21;Anzahl
EINHEIT 4553
"Rüdiger";Name
4482;Partei
"Elf";Typ
16;Anzahl
1;bewacht
2619;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4320 9";Segeln
EINHEIT 4580
"Bergleute von Ostberg";Name
3742;Partei
"Mensch";Typ
30;Anzahl
1;bewacht
1733;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"MACHEN TEMP 22"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Bergleute von Ostberg bleibt hier"
TALENTE
"3600 4";Hiebwaffen
"5400 6";Segeln
"900 1";Hiebwaffen
GEGENSTAENDE
16;Schild
26;Pferd
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
62;Balsam
35;GewÃ¼rz
69;Juwel
57;Myrrhe
59;Ã–l
62;Seide
-7;Weihrauch
UMGEBUNG
"Im no liegt Wolfsmoors Nachbarland."
EINHEIT 4610
"Rüdiger";Name
4482;Partei
"Elf";Typ
42;Anzahl
1268;Silber
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
37;Anzahl
2350;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4440 4";HolzfÃ¤llen
"5550 5";Bergbau
EINHEIT 4656
"Ulrike";Name
4482;Partei
"Elf";Typ
44;Anzahl
998;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"11880 9";Wahrnehmung
"10560 8";Wahrnehmung
GEGENSTAENDE
10;Pferd
69;Eisen
88;Eisen
EINHEIT 4688
"Knut";Name
4482;Partei
"Elf";Typ
60;Anzahl
2123;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10800 6";Hiebwaffen
"16200 9";Tarnung
"14400 8";Reiten
GEGENSTAENDE
118;Bogen
18;Schild
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
20;Balsam
13;GewÃ¼rz
-79;Juwel
35;Myrrhe
20;Ã–l
71;Seide
7;Weihrauch
UMGEBUNG
"Im sw liegt Eichenmoors Nachbarland."
EINHEIT 4719
"Gundolf";Name
4482;Partei
"Elf";Typ
52;Anzahl
1;bewacht
1444;Silber
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
43;Anzahl
770;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Juwel"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6450 5";Reiten
"10320 8";Handeln
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 4773
"Bergleute von Mühlbrück";Name
6961;Partei
"Ork";Typ
56;Anzahl
EINHEIT 4777
"Gundolf";Name
4482;Partei
"Elf";Typ
53;Anzahl
2339;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9540 6";Bergbau
"4770 3";Wahrnehmung
"9540 6";Bergbau
GEGENSTAENDE
88;Holz
EINHEIT 4811
"Händler von Ostmoor";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Hiebwaffen
"240 8";Reiten
"240 8";BogenschieÃŸen
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
54;Balsam
20;GewÃ¼rz
21;Juwel
24;Myrrhe
10;Ã–l
-43;Seide
21;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (6139)"
UMGEBUNG
"Im so liegt Bärentals Nachbarland."
EINHEIT 4850
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1226;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";HolzfÃ¤llen
EINHEIT 4882
"Bergleute von Tannberg";Name
4482;Partei
"Elf";Typ
17;Anzahl
1021;Silber
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
1;Anzahl
730;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Burgenbau"
TALENTE
"270 9";Burgenbau
"210 7";Burgenbau
GEGENSTAENDE
2;Speer
EINHEITSBOTSCHAFTEN
"Knut hat Hunger."
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
51;Balsam
-10;GewÃ¼rz
79;Juwel
58;Myrrhe
29;Ã–l
56;Seide
72;Weihrauch
UMGEBUNG
"Im w liegt Wolfsfurts Nachbarland."
EINHEIT 4904
"Boten von Mühltal";Name
3742;Partei
"Mensch";Typ
53;Anzahl
1640;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Weihrauch"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"14310 9";BogenschieÃŸen
"9540 6";HolzfÃ¤llen
"3180 2";Bergbau
GEGENSTAENDE
30;Bogen
EINHEITSBOTSCHAFTEN
"Boten von Mühltal hat Hunger."
EINHEIT 4936
"Schützen von Westwald";Name
4482;Partei
"Elf";Typ
1;Anzahl
2461;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Handeln
EINHEIT 4966
"Swaantje";Name
4482;Partei
"Elf";Typ
46;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"11040 8";Wahrnehmung
REGION 3 6
"Mühlau";Name
"Sumpf";Terrain
196;Runde
898;Bauern
441;Baeume
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
"Im nw liegt Kaltfurts Nachbarland."
EINHEIT 5006
"Gundolf";Name
4482;Partei
"Elf";Typ
20;Anzahl
2;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2400 4";BogenschieÃŸen
"3600 6";BogenschieÃŸen
"1800 3";Burgenbau
GEGENSTAENDE
25;Kettenhemd
29;Schwert
REGION 5 6
"Wolfsheim";Name
"Sumpf";Terrain
599;Bauern
245;Baeume
UMGEBUNG
"Im o liegt Wolfsheims Nachbarland."
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
47;Balsam
73;GewÃ¼rz
41;Juwel
34;Myrrhe
48;Ã–l
24;Seide
-48;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Mühlbrücks Nachbarland."
EINHEIT 5039
"Bärbel";Name
6961;Partei
"Ork";Typ
29;Anzahl
EINHEIT 5045
"Jörg";Name
4482;Partei
"Elf";Typ
15;Anzahl
1702;Silber
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
34;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2040 2";Reiten
"5100 5";Tarnung
"2040 2";Segeln
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
146;Silber
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
1900;Bauern
553;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
31;Pferde
28500;Silber
1425;Unterh
47;Rekruten
12;Lohn
PREISE
33;Balsam
73;GewÃ¼rz
-80;Juwel
57;Myrrhe
34;Ã–l
52;Seide
23;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im sw liegt Mühlwalds Nachbarland."
EINHEIT 5139
"Bergleute von Grünheim";Name
3742;Partei
"Mensch";Typ
8;Anzahl
533;Silber
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
35;Anzahl
1;bewacht
0;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw w"
"; Zur Küste"
TALENTE
"2100 2";Tarnung
"2100 2";Hiebwaffen
GEGENSTAENDE
43;Stein
EINHEIT 5190
"Bärbel";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
44;Anzahl
1;bewacht
2740;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bergbau"
TALENTE
"7920 6";Bergbau
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
934;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
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
199;Runde
2973;Bauern
85;Baeume
REGION 9 6
"Kaltstätt";Name
"Gletscher";Terrain
32;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltstätt sind fleißig.";Beschr
2;Pferde
480;Silber
24;Unterh
0;Rekruten
11;Lohn
78;Eisen
PREISE
20;Balsam
-71;GewÃ¼rz
71;Juwel
37;Myrrhe
44;Ã–l
49;Seide
30;Weihrauch
UMGEBUNG
"Im o liegt Kaltstätts Nachbarland."
EINHEIT 5252
"Öda";Name
3742;Partei
"Mensch";Typ
6;Anzahl
1409;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 15"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Öda bleibt hier"
TALENTE
"180 1";Hiebwaffen
GEGENSTAENDE
7;Bogen
1;Speer
2;Bogen
EINHEIT 5261
"Swaantje";Name
3742;Partei
"Mensch";Typ
18;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"4860 9";Segeln
"3780 7";BogenschieÃŸen
"3240 6";Wahrnehmung
GEGENSTAENDE
31;Holz
EINHEIT 5301
"Grete";Name
3742;Partei
"Mensch";Typ
1;Anzahl
191;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"ARBEITEN"
TALENTE
"120 4";BogenschieÃŸen
EINHEIT 5303
"Hans";Name
5666;Partei
"Zwerg";Typ
52;Anzahl
EINHEIT 5328
"Öda";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
21;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1260 2";Tarnung
GEGENSTAENDE
29;Holz
15;Pferd
REGION 10 6
"Ozean";Terrain
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
61;Balsam
47;GewÃ¼rz
12;Juwel
-69;Myrrhe
80;Ã–l
12;Seide
61;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Felsaus Nachbarland."
BURG 5383
"Bau von Felsau";Name
"Burg";Typ
59;Groesse
5345;Besitzer
5;Unterhalt
EINHEIT 5345
"Rüdiger";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
15;Anzahl
5383;Burg
935;Silber
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
35;Anzahl
1991;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 29"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Jörg bleibt hier"
TALENTE
"7350 7";BogenschieÃŸen
"7350 7";Tarnung
"9450 9";Reiten
GEGENSTAENDE
33;Speer
55;Pferd
20;Schwert
REGION -2 7
"Eichenheim";Name
"Ebene";Terrain
1418;Bauern
74;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenheim sind fleißig.";Beschr
41;Pferde
12762;Silber
638;Unterh
35;Rekruten
14;Lohn
PREISE
58;Balsam
18;GewÃ¼rz
72;Juwel
18;Myrrhe
49;Ã–l
11;Seide
-18;Weihrauch
UMGEBUNG
"Im o liegt Eichenheims Nachbarland."
EINHEIT 5410
"Rüdiger";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
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
15;Balsam
68;GewÃ¼rz
-24;Juwel
41;Myrrhe
16;Ã–l
27;Seide
36;Weihrauch
UMGEBUNG
"Im nw liegt Felshausens Nachbarland."
EINHEIT 5417
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
552;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";BogenschieÃŸen
"30 1";Bergbau
GEGENSTAENDE
2;Schild
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
9;Balsam
45;GewÃ¼rz
71;Juwel
21;Myrrhe
54;Ã–l
-6;Seide
70;Weihrauch
UMGEBUNG
"Im nw liegt Westwalds Nachbarland."
EINHEIT 5446
"Schützen von Bärenberg";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 5459
"Holzfäller von Eichenau";Name
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
EINHEIT 5493
"Bergleute von Oststätt";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
34;Anzahl
1159;Silber
3;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Burgenbau"
TALENTE
"1020 1";Burgenbau
GEGENSTAENDE
22;Schild
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
20;Balsam
-65;GewÃ¼rz
57;Juwel
29;Myrrhe
67;Ã–l
42;Seide
24;Weihrauch
UMGEBUNG
"Im o liegt Kaltstätts Nachbarland."
EINHEIT 5498
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
18;Balsam
50;GewÃ¼rz
57;Juwel
54;Myrrhe
-69;Ã–l
19;Seide
10;Weihrauch
DURCHREISE
"Boten (1848)"
UMGEBUNG
"Im sw liegt Bärenbrücks Nachbarland."
EINHEIT 5570
"Späher von Westwald";Name
4482;Partei
"Elf";Typ
13;Anzahl
1879;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3120 8";Burgenbau
"1950 5";Reiten
GEGENSTAENDE
23;Bogen
EINHEIT 5591
"Ulrike";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
1207;Silber
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
626;Silber
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
DURCHREISE
"Boten (6903)"
UMGEBUNG
"Im sw liegt Grünstätts Nachbarland."
BURG 5670
"Feste Grünstätt";Name
"Burg";Typ
76;Groesse
5667;Besitzer
7;Unterhalt
EINHEIT 5667
"Späher von Südwald";Name
4482;Partei
"Elf";Typ
52;Anzahl
5670;Burg
2538;Silber
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
74;Balsam
6;GewÃ¼rz
38;Juwel
-77;Myrrhe
39;Ã–l
50;Seide
37;Weihrauch
DURCHREISE
"Boten (7044)"
UMGEBUNG
"Im no liegt Nordmoors Nachbarland."
EINHEIT 5696
"Wachen von Eichenfurt";Name
4482;Partei
"Elf";Typ
35;Anzahl
1142;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3150 3";BogenschieÃŸen
"8400 8";Burgenbau
GEGENSTAENDE
15;Speer
68;Bogen
39;Eisen
EINHEIT 5697
"Bärbel";Name
3742;Partei
"Mensch";Typ
24;Anzahl
0;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"2160 3";HolzfÃ¤llen
GEGENSTAENDE
10;Pferd
33;Stein
EINHEIT 5705
"Schützen von Grünbrück";Name
4482;Partei
"Elf";Typ
58;Anzahl
4;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"13920 8";Wahrnehmung
"15660 9";Tarnung
EINHEIT 5711
"Reiter von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2372;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Wahrnehmung
"270 9";Segeln
"150 5";BogenschieÃŸen
EINHEIT 5730
"Jörg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
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
EINHEIT 5737
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
77;Balsam
14;GewÃ¼rz
26;Juwel
19;Myrrhe
35;Ã–l
57;Seide
-32;Weihrauch
UMGEBUNG
"Im w liegt Ostbrücks Nachbarland."
EINHEIT 5775
"Holzfäller von Ostfurt";Name
4482;Partei
"Elf";Typ
51;Anzahl
2038;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"6120 4";HolzfÃ¤llen
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
2835;Silber
141;Unterh
10;Rekruten
15;Lohn
24;Eisen
PREISE
35;Balsam
75;GewÃ¼rz
-19;Juwel
35;Myrrhe
58;Ã–l
25;Seide
45;Weihrauch
DURCHREISE
"Boten (7575)"
UMGEBUNG
"Im w liegt Grünstätts Nachbarland."
EINHEIT 5790
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
743;Silber
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
4482;Partei
"Elf";Typ
1;Anzahl
287;Silber
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
52;Anzahl
1829;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"12480 8";Wahrnehmung
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
36;Balsam
32;GewÃ¼rz
37;Juwel
46;Myrrhe
62;Ã–l
-42;Seide
26;Weihrauch
UMGEBUNG
"Im sw liegt Nordheims Nachbarland."
EINHEIT 5867
"Händler von Felsmoor";Name
4482;Partei
"Elf";Typ
35;Anzahl
1;bewacht
1084;Silber
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
60;Anzahl
2602;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"12600 7";BogenschieÃŸen
"16200 9";Bergbau
"12600 7";Reiten
GEGENSTAENDE
119;Pferd
EINHEIT 5916
"Grete";Name
4482;Partei
"Elf";Typ
6;Anzahl
2078;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"360 2";Burgenbau
"1620 9";HolzfÃ¤llen
"1260 7";Wahrnehmung
GEGENSTAENDE
7;Stein
4;Holz
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
40;Balsam
-62;GewÃ¼rz
38;Juwel
34;Myrrhe
71;Ã–l
23;Seide
47;Weihrauch
UMGEBUNG
"Im so liegt Bärenbergs Nachbarland."
EINHEIT 5937
"Holzfäller von Ostwald";Name
4482;Partei
"Elf";Typ
42;Anzahl
1;bewacht
1894;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"6300 5";Burgenbau
GEGENSTAENDE
78;Kettenhemd
EINHEIT 5954
"Knut";Name
6961;Partei
"Ork";Typ
37;Anzahl
EINHEIT 5970
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
"Ein weites Land unter hohem Himmel.
Die Bauern von Grünau sind fleißig.";Beschr
52;Pferde
20295;Silber
1014;Unterh
56;Rekruten
13;Lohn
PREISE
37;Balsam
50;GewÃ¼rz
14;Juwel
39;Myrrhe
28;Ã–l
51;Seide
-46;Weihrauch
UMGEBUNG
"Im o liegt Grünaus Nachbarland."
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
24;Anzahl
910;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"720 1";Burgenbau
"4320 6";BogenschieÃŸen
"1440 2";Bergbau
GEGENSTAENDE
42;Kettenhemd
11;Kettenhemd
47;Stein
EINHEIT 6011
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Segeln
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
19;Balsam
14;GewÃ¼rz
-66;Juwel
25;Myrrhe
40;Ã–l
28;Seide
13;Weihrauch
UMGEBUNG
"Im o liegt Südaus Nachbarland."
EINHEIT 6020
"Rüdiger";Name
4482;Partei
"Elf";Typ
56;Anzahl
2352;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1680 1";Burgenbau
"8400 5";Reiten
"1680 1";Hiebwaffen
GEGENSTAENDE
79;Kettenhemd
25;Bogen
102;Eisen
EINHEIT 6021
"Holzfäller von Grünwald";Name
3742;Partei
"Mensch";Typ
12;Anzahl
748;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"1080 3";Reiten
"2880 8";Reiten
"1440 4";Reiten
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
34;Balsam
54;GewÃ¼rz
59;Juwel
31;Myrrhe
35;Ã–l
-22;Seide
6;Weihrauch
UMGEBUNG
"Im no liegt Felsmoors Nachbarland."
EINHEIT 6065
"Bergleute von Mühltal";Name
4482;Partei
"Elf";Typ
60;Anzahl
1;bewacht
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"10800 6";Segeln
"7200 4";BogenschieÃŸen
EINHEIT 6076
"Ulrike";Name
4482;Partei
"Elf";Typ
54;Anzahl
1;bewacht
2491;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"12960 8";BogenschieÃŸen
"6480 4";Tarnung
GEGENSTAENDE
40;Schild
29;Kettenhemd
EINHEIT 6095
"Wachen von Mühlstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
2577;Silber
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
41;Balsam
-79;GewÃ¼rz
22;Juwel
13;Myrrhe
14;Ã–l
75;Seide
72;Weihrauch
UMGEBUNG
"Im nw liegt Westmoors Nachbarland."
EINHEIT 6130
"Bergleute von Grünau";Name
1;Parteitarnung
"Zwerg";Typ
34;Anzahl
1;bewacht
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
38;Anzahl
1;bewacht
504;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"6840 6";Segeln
"4560 4";HolzfÃ¤llen
"5700 5";Handeln
EINHEIT 6151
"Händler von Eichenmoor";Name
4482;Partei
"Elf";Typ
42;Anzahl
1928;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"2520 2";Reiten
"7560 6";Reiten
"3780 3";Handeln
GEGENSTAENDE
6;Eisen
REGION 0 8
"Wolfsheim";Name
"Ebene";Terrain
3549;Bauern
115;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsheim sind fleißig.";Beschr
82;Pferde
39039;Silber
1951;Unterh
88;Rekruten
11;Lohn
PREISE
10;Balsam
31;GewÃ¼rz
70;Juwel
18;Myrrhe
-70;Ã–l
74;Seide
7;Weihrauch
UMGEBUNG
"Im nw liegt Wolfsheims Nachbarland."
EINHEIT 6177
"Späher von Grünfurt";Name
4482;Partei
"Elf";Typ
58;Anzahl
1;bewacht
2385;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3480 2";Handeln
"8700 5";Wahrnehmung
"15660 9";Reiten
GEGENSTAENDE
97;Pferd
EINHEIT 6198
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
EINHEIT 6222
"Rüdiger";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
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
EINHEIT 6236
"Schützen von Felsstätt";Name
4482;Partei
"Elf";Typ
1;Anzahl
722;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"60 2";Wahrnehmung
"60 2";BogenschieÃŸen
"270 9";Handeln
GEGENSTAENDE
1;Holz
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
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Nordstätts Nachbarland."
EINHEIT 6256
"Reiter von Kaltberg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
21;Anzahl
550;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4410 7";Handeln
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
38;Balsam
56;GewÃ¼rz
63;Juwel
-63;Myrrhe
35;Ã–l
47;Seide
9;Weihrauch
UMGEBUNG
"Im so liegt Westfurts Nachbarland."
EINHEIT 6263
"Bergleute von Tannheim";Name
4482;Partei
"Elf";Typ
15;Anzahl
259;Silber
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
5;Balsam
42;GewÃ¼rz
33;Juwel
5;Myrrhe
79;Ã–l
49;Seide
-15;Weihrauch
UMGEBUNG
"Im nw liegt Südhausens Nachbarland."
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
643;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Tarnung
REGION 4 8
"Ostfurt";Name
"Ebene";Terrain
3926;Bauern
171;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostfurt sind fleißig.";Beschr
108;Pferde
19630;Silber
981;Unterh
98;Rekruten
15;Lohn
PREISE
70;Balsam
27;GewÃ¼rz
-69;Juwel
61;Myrrhe
21;Ã–l
49;Seide
22;Weihrauch
UMGEBUNG
"Im nw liegt Ostfurts Nachbarland."
EINHEIT 6313
"Swaantje";Name
4482;Partei
"Elf";Typ
36;Anzahl
2144;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9720 9";Handeln
"9720 9";BogenschieÃŸen
GEGENSTAENDE
35;Eisen
69;Eisen
26;Speer
EINHEIT 6341
"Späher von Felshausen";Name
4482;Partei
"Elf";Typ
1;Anzahl
1402;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";Reiten
"120 4";Hiebwaffen
"90 3";Hiebwaffen
EINHEIT 6368
"Knut";Name
4482;Partei
"Elf";Typ
20;Anzahl
1774;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4200 7";Hiebwaffen
"3600 6";Burgenbau
"5400 9";Segeln
GEGENSTAENDE
23;Holz
3;Eisen
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
11;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"990 3";Bergbau
"1320 4";BogenschieÃŸen
EINHEIT 6482
"Späher von Tanntal";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
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
56;Balsam
35;GewÃ¼rz
60;Juwel
32;Myrrhe
19;Ã–l
-22;Seide
50;Weihrauch
UMGEBUNG
"Im nw liegt Bärenaus Nachbarland."
BURG 6522
"Bau von Bärenau";Name
"Burg";Typ
231;Groesse
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
67;Balsam
-20;GewÃ¼rz
32;Juwel
48;Myrrhe
38;Ã–l
80;Seide
49;Weihrauch
DURCHREISE
"Boten (2667)"
UMGEBUNG
"Im nw liegt Nordbergs Nachbarland."
EINHEIT 6535
"Bergleute von Eichenhausen";Name
4482;Partei
"Elf";Typ
35;Anzahl
2942;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2100 2";Handeln
GEGENSTAENDE
68;Schild
42;Kettenhemd
EINHEIT 6550
"Wachen von Eichenwald";Name
4482;Partei
"Elf";Typ
33;Anzahl
191;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4950 5";Burgenbau
"5940 6";Bergbau
GEGENSTAENDE
22;Schwert
44;Bogen
EINHEIT 6581
"Reiter von Südhausen";Name
4482;Partei
"Elf";Typ
30;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"2700 3";HolzfÃ¤llen
GEGENSTAENDE
17;Bogen
EINHEIT 6604
"Gundolf";Name
4482;Partei
"Elf";Typ
25;Anzahl
2161;Silber
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
1992;Bauern
469;Baeume
UMGEBUNG
"Im o liegt Mühlwalds Nachbarland."
BURG 6655
"Feste Mühlwald";Name
"Burg";Typ
217;Groesse
6641;Besitzer
EINHEIT 6641
"Knut";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
5;Anzahl
6655;Burg
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
34;Balsam
39;GewÃ¼rz
-64;Juwel
40;Myrrhe
72;Ã–l
51;Seide
72;Weihrauch
UMGEBUNG
"Im nw liegt Wolfswalds Nachbarland."
EINHEIT 6679
"Jörg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
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
6;Anzahl
1392;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1440 8";Tarnung
GEGENSTAENDE
4;Stein
6;Speer
3;Schild
EINHEIT 6722
"Swaantje";Name
4482;Partei
"Elf";Typ
54;Anzahl
1800;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9720 6";BogenschieÃŸen
"12960 8";Hiebwaffen
EINHEIT 6757
"Knut";Name
4482;Partei
"Elf";Typ
55;Anzahl
230;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4950 3";Segeln
GEGENSTAENDE
97;Holz
35;Speer
24;Pferd
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
60;Balsam
14;GewÃ¼rz
44;Juwel
73;Myrrhe
56;Ã–l
-47;Seide
66;Weihrauch
UMGEBUNG
"Im nw liegt Mühltals Nachbarland."
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
54;Anzahl
1;bewacht
2494;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"9720 6";Wahrnehmung
EINHEIT 6818
"Grete";Name
4482;Partei
"Elf";Typ
5;Anzahl
718;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"900 6";Hiebwaffen
"900 6";Hiebwaffen
EINHEIT 6850
"Späher von Nordmoor";Name
4482;Partei
"Elf";Typ
57;Anzahl
2815;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3420 2";Burgenbau
"11970 7";Tarnung
"13680 8";Segeln
EINHEIT 6870
"Holzfäller von Nordfurt";Name
4482;Partei
"Elf";Typ
20;Anzahl
1315;Silber
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
2291;Bauern
468;Baeume
UMGEBUNG
"Im no liegt Bärenfurts Nachbarland."
REGION -1 9
"Nordhausen";Name
"Wald";Terrain
1190;Bauern
1263;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordhausen sind fleißig.";Beschr
78;Pferde
17850;Silber
892;Unterh
29;Rekruten
15;Lohn
PREISE
47;Balsam
68;GewÃ¼rz
50;Juwel
16;Myrrhe
-21;Ã–l
20;Seide
5;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Nordhausen!"
UMGEBUNG
"Im w liegt Nordhausens Nachbarland."
EINHEIT 6875
"Wachen von Kaltheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Reiten
"120 4";BogenschieÃŸen
EINHEIT 6876
"Jörg";Name
4482;Partei
"Elf";Typ
23;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5520 8";Hiebwaffen
"1380 2";BogenschieÃŸen
EINHEIT 6879
"Holzfäller von Mühlwald";Name
4482;Partei
"Elf";Typ
1;Anzahl
2422;Silber
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
27;Anzahl
979;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"1620 2";BogenschieÃŸen
EINHEIT 6905
"Reiter von Mühlberg";Name
4482;Partei
"Elf";Typ
56;Anzahl
1;bewacht
1891;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8400 5";Hiebwaffen
"5040 3";Tarnung
"13440 8";BogenschieÃŸen
GEGENSTAENDE
73;Holz
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
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im no liegt Südhausens Nachbarland."
SCHIFF 7056
"Kahn von Südhausen";Name
"Karavelle";Typ
4;Kueste
7049;Kapitaen
0;Schaden
0;Ladung
500;MaxLadung
EINHEIT 6941
"Wachen von Mühlfurt";Name
4482;Partei
"Elf";Typ
11;Anzahl
825;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"330 1";Handeln
GEGENSTAENDE
17;Schild
EINHEIT 6978
"Bergleute von Mühltal";Name
4482;Partei
"Elf";Typ
1;Anzahl
1443;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"210 7";Handeln
GEGENSTAENDE
1;Eisen
EINHEIT 7009
"Wachen von Grüntal";Name
5666;Partei
"Zwerg";Typ
49;Anzahl
EINHEIT 7049
"Swaantje";Name
4482;Partei
"Elf";Typ
31;Anzahl
7056;Schiff
2310;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"930 1";BogenschieÃŸen
"8370 9";HolzfÃ¤llen
"6510 7";Wahrnehmung
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
PREISE
41;Balsam
26;GewÃ¼rz
34;Juwel
-14;Myrrhe
79;Ã–l
57;Seide
39;Weihrauch
UMGEBUNG
"Im so liegt Ostbergs Nachbarland."
BURG 7175
"Feste Ostberg";Name
"Burg";Typ
156;Groesse
7067;Besitzer
15;Unterhalt
EINHEIT 7067
"Wachen von Mühlstätt";Name
4482;Partei
"Elf";Typ
7;Anzahl
1;bewacht
7175;Burg
1555;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"840 4";Reiten
"630 3";HolzfÃ¤llen
GEGENSTAENDE
4;Holz
EINHEIT 7084
"Jörg";Name
4482;Partei
"Elf";Typ
41;Anzahl
1;bewacht
1472;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"6150 5";Reiten
"6150 5";Bergbau
"1230 1";Segeln
EINHEIT 7119
"Bergleute von Tannau";Name
"Eine Gruppe Orken auf Wanderschaft.";Beschr
6961;Partei
"Ork";Typ
27;Anzahl
7175;Burg
EINHEIT 7145
"Hans";Name
4482;Partei
"Elf";Typ
51;Anzahl
34;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9180 6";Hiebwaffen
"4590 3";HolzfÃ¤llen
"12240 8";Bergbau
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
4482;Partei
"Elf";Typ
26;Anzahl
666;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4680 6";Reiten
"1560 2";Wahrnehmung
GEGENSTAENDE
51;Pferd
REGION 2 9
"Südbrück";Name
"Hochland";Terrain
1128;Bauern
47;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südbrück sind fleißig.";Beschr
19;Pferde
16920;Silber
846;Unterh
28;Rekruten
14;Lohn
PREISE
15;Balsam
30;GewÃ¼rz
47;Juwel
52;Myrrhe
6;Ã–l
5;Seide
-65;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Südbrück!"
UMGEBUNG
"Im nw liegt Südbrücks Nachbarland."
EINHEIT 7196
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
430;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Hiebwaffen
GEGENSTAENDE
2;Schwert
1;Schild
1;Stein
EINHEIT 7220
"Gundolf";Name
4482;Partei
"Elf";Typ
40;Anzahl
270;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8400 7";BogenschieÃŸen
"7200 6";HolzfÃ¤llen
GEGENSTAENDE
5;Eisen
35;Pferd
REGION 3 9
"Osttal";Name
"Hochland";Terrain
1253;Bauern
120;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Osttal sind fleißig.";Beschr
36;Pferde
20048;Silber
1002;Unterh
31;Rekruten
15;Lohn
PREISE
49;Balsam
25;GewÃ¼rz
-77;Juwel
20;Myrrhe
41;Ã–l
32;Seide
30;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
DURCHREISE
"Boten (2467)"
UMGEBUNG
"Im o liegt Osttals Nachbarland."
EINHEIT 7223
"Holzfäller von Wolfsmoor";Name
5666;Partei
"Zwerg";Typ
15;Anzahl
EINHEIT 7244
"Öda";Name
5666;Partei
"Zwerg";Typ
14;Anzahl
EINHEIT 7266
"Grete";Name
3742;Partei
"Mensch";Typ
55;Anzahl
2685;Silber
0;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"1650 1";HolzfÃ¤llen
"9900 6";Hiebwaffen
"3300 2";Burgenbau
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
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
21;Anzahl
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
35;Balsam
26;GewÃ¼rz
80;Juwel
40;Myrrhe
40;Ã–l
-22;Seide
13;Weihrauch
UMGEBUNG
"Im no liegt Bärenfurts Nachbarland."
BURG 7418
"Bau von Bärenfurt";Name
"Burg";Typ
135;Groesse
7323;Besitzer
13;Unterhalt
EINHEIT 7323
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
47;Anzahl
1;bewacht
7418;Burg
EINHEIT 7349
"Gundolf";Name
4482;Partei
"Elf";Typ
39;Anzahl
2546;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9360 8";Burgenbau
GEGENSTAENDE
8;Kettenhemd
21;Stein
33;Schild
EINHEIT 7389
"Holzfäller von Tannheim";Name
5666;Partei
"Zwerg";Typ
38;Anzahl
1;bewacht
7418;Burg
REGION 5 9
"Nordheim";Name
"Wald";Terrain
2345;Bauern
624;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
16;Pferde
39865;Silber
1993;Unterh
58;Rekruten
14;Lohn
PREISE
30;Balsam
-28;GewÃ¼rz
28;Juwel
7;Myrrhe
18;Ã–l
42;Seide
51;Weihrauch
UMGEBUNG
"Im o liegt Nordheims Nachbarland."
EINHEIT 7453
"Holzfäller von Bärenheim";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
EINHEIT 7474
"Wachen von Grünbrück";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
EINHEIT 7482
"Gundolf";Name
5666;Partei
"Zwerg";Typ
13;Anzahl
EINHEIT 7496
"Boten von Eichenwald";Name
5666;Partei
"Zwerg";Typ
31;Anzahl
EINHEIT 7532
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
14;Anzahl
EINHEIT 7554
"Grete";Name
3742;Partei
"Mensch";Typ
43;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Hiebwaffen"
TALENTE
"11610 9";Hiebwaffen
"2580 2";HolzfÃ¤llen
GEGENSTAENDE
53;Schwert
3;Pferd
80;Bogen
REGION 6 9
"Ostbrück";Name
"Ebene";Terrain
2743;Bauern
57;Baeume
UMGEBUNG
"Im sw liegt Ostbrücks Nachbarland."
EINHEIT 7556
"Knut";Name
5666;Partei
"Zwerg";Typ
26;Anzahl
EINHEIT 7568
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
30;Anzahl
EINHEIT 7600
"Boten von Nordhausen";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
EINHEIT 7621
"Wachen von Nordberg";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 7661
"Hans";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 7695
"Händler von Bärenberg";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
32;Anzahl
REGION 7 9
"Ozean";Terrain
196;Runde
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
15;Balsam
8;GewÃ¼rz
34;Juwel
48;Myrrhe
34;Ã–l
-11;Seide
50;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im w liegt Bärentals Nachbarland."
BURG 7851
"Feste Bärental";Name
"Burg";Typ
118;Groesse
7740;Besitzer
11;Unterhalt
EINHEIT 7740
"Schützen von Ostheim";Name
4482;Partei
"Elf";Typ
1;Anzahl
7851;Burg
405;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Wahrnehmung
EINHEIT 7769
"Knut";Name
4482;Partei
"Elf";Typ
52;Anzahl
7851;Burg
610;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4680 3";Hiebwaffen
"1560 1";HolzfÃ¤llen
GEGENSTAENDE
17;Speer
37;Bogen
83;Schwert
EINHEIT 7796
"Späher von Nordfurt";Name
4482;Partei
"Elf";Typ
34;Anzahl
2858;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4080 4";Segeln
GEGENSTAENDE
25;Speer
61;Kettenhemd
30;Bogen
EINHEIT 7834
"Bärbel";Name
4482;Partei
"Elf";Typ
4;Anzahl
697;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"480 4";Reiten
"720 6";Tarnung
"1080 9";Tarnung
EINHEIT 7843
"Boten von Tannhausen";Name
4482;Partei
"Elf";Typ
26;Anzahl
7851;Burg
475;Silber
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
2730;Bauern
60;Baeume
UMGEBUNG
"Im no liegt Ostaus Nachbarland."
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
51;Balsam
57;GewÃ¼rz
48;Juwel
30;Myrrhe
-72;Ã–l
63;Seide
7;Weihrauch
REGIONSBOTSCHAFTEN
"Ein Bote ruft: Frieden für Kalthausen!"
UMGEBUNG
"Im no liegt Kalthausens Nachbarland."
EINHEIT 7865
"Jörg";Name
4482;Partei
"Elf";Typ
45;Anzahl
1618;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5400 4";Tarnung
"12150 9";Burgenbau
EINHEIT 7876
"Bergleute von Wolfsbrück";Name
4482;Partei
"Elf";Typ
33;Anzahl
286;Silber
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
23;Anzahl
588;Silber
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
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
3742;Partei
"Mensch";Typ
58;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Handeln"
TALENTE
"5220 3";Handeln
"3480 2";Tarnung
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
"Im nw liegt Nordhausens Nachbarland."
EINHEIT 7915
"Gundolf";Name
4482;Partei
"Elf";Typ
1;Anzahl
854;Silber
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
58;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"3480 2";BogenschieÃŸen
"1740 1";Handeln
GEGENSTAENDE
106;Holz
108;Speer
38;Kettenhemd
EINHEIT 7974
"Swaantje";Name
4482;Partei
"Elf";Typ
55;Anzahl
2936;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4950 3";Segeln
"9900 6";Tarnung
EINHEIT 8002
"Gundolf";Name
6961;Partei
"Ork";Typ
59;Anzahl
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
29;Balsam
43;GewÃ¼rz
50;Juwel
-42;Myrrhe
39;Ã–l
7;Seide
15;Weihrauch
UMGEBUNG
"Im nw liegt Bärenbrücks Nachbarland."
EINHEIT 8038
"Gundolf";Name
4482;Partei
"Elf";Typ
20;Anzahl
2664;Silber
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
24;Anzahl
1257;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3600 5";Reiten
"4320 6";BogenschieÃŸen
"720 1";Reiten
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
199;Runde
1311;Bauern
530;Baeume
REGION 1 10
"Mühlfurt";Name
"Wald";Terrain
2485;Bauern
459;Baeume
UMGEBUNG
"Im nw liegt Mühlfurts Nachbarland."
EINHEIT 8094
"Holzfäller von Nordau";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
1;bewacht
REGION 2 10
"Südfurt";Name
"Wüste";Terrain
334;Bauern
0;Baeume
UMGEBUNG
"Im sw liegt Südfurts Nachbarland."
EINHEIT 8124
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
1;bewacht
EINHEIT 8141
"Grete";Name
5666;Partei
"Zwerg";Typ
10;Anzahl
EINHEIT 8174
"Schützen von Kaltstätt";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 8191
"Boten von Westfurt";Name
5666;Partei
"Zwerg";Typ
38;Anzahl
1;bewacht
EINHEIT 8213
"Knut";Name
5666;Partei
"Zwerg";Typ
23;Anzahl
EINHEIT 8217
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
9;Anzahl
REGION 3 10
"Ostbrück";Name
"Gletscher";Terrain
66;Bauern
0;Baeume
UMGEBUNG
"Im o liegt Ostbrücks Nachbarland."
EINHEIT 8235
"Reiter von Felshausen";Name
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
1729;Bauern
165;Baeume
UMGEBUNG
"Im w liegt Felstals Nachbarland."
EINHEIT 8277
"Gundolf";Name
1;Parteitarnung
"Zwerg";Typ
46;Anzahl
EINHEIT 8303
"Swaantje";Name
5666;Partei
"Zwerg";Typ
51;Anzahl
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
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordheim sind fleißig.";Beschr
46;Pferde
13490;Silber
674;Unterh
33;Rekruten
13;Lohn
PREISE
72;Balsam
-58;GewÃ¼rz
53;Juwel
19;Myrrhe
59;Ã–l
69;Seide
50;Weihrauch
UMGEBUNG
"Im no liegt Nordheims Nachbarland."
BURG 8421
"Feste Nordheim";Name
"Burg";Typ
10;Groesse
8388;Besitzer
1;Unterhalt
EINHEIT 8388
"Grete";Name
4482;Partei
"Elf";Typ
24;Anzahl
8421;Burg
1205;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"4320 6";Bergbau
GEGENSTAENDE
12;Pferd
22;Holz
EINHEIT 8402
"Wachen von Südheim";Name
4482;Partei
"Elf";Typ
42;Anzahl
1863;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8820 7";Reiten
"8820 7";Handeln
GEGENSTAENDE
10;Eisen
21;Stein
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
9;Balsam
24;GewÃ¼rz
18;Juwel
27;Myrrhe
-22;Ã–l
75;Seide
58;Weihrauch
UMGEBUNG
"Im so liegt Grünhausens Nachbarland."
EINHEIT 8445
"Boten von Felsau";Name
4482;Partei
"Elf";Typ
1;Anzahl
2257;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Handeln
"90 3";Reiten
"60 2";Reiten
GEGENSTAENDE
1;Eisen
1;Pferd
2;Eisen
EINHEIT 8465
"Schützen von Grünau";Name
3742;Partei
"Mensch";Typ
35;Anzahl
1366;Silber
2;Kampfstatus
2;Tarnung
COMMANDS
"NACH o nw"
"; Zur Küste"
TALENTE
"4200 4";Bergbau
"4200 4";HolzfÃ¤llen
"8400 8";Wahrnehmung
GEGENSTAENDE
68;Kettenhemd
EINHEIT 8475
"Holzfäller von Kaltwald";Name
6961;Partei
"Ork";Typ
25;Anzahl
EINHEIT 8496
"Schützen von Nordfurt";Name
4482;Partei
"Elf";Typ
43;Anzahl
773;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"10320 8";Handeln
"5160 4";Handeln
EINHEIT 8497
"Jörg";Name
6961;Partei
"Ork";Typ
41;Anzahl
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
UMGEBUNG
"Im so liegt Felstals Nachbarland."
EINHEIT 8506
"Swaantje";Name
4482;Partei
"Elf";Typ
5;Anzahl
1538;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"600 4";Segeln
EINHEIT 8529
"Öda";Name
4482;Partei
"Elf";Typ
1;Anzahl
1694;Silber
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
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
54;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"4860 3";Reiten
"9720 6";Wahrnehmung
"11340 7";Tarnung
EINHEIT 8553
"Reiter von Grünbrück";Name
4482;Partei
"Elf";Typ
1;Anzahl
1;bewacht
0;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Segeln
"180 6";Tarnung
"60 2";Bergbau
GEGENSTAENDE
2;Bogen
1;Kettenhemd
2;Schild
EINHEIT 8590
"Bärbel";Name
4482;Partei
"Elf";Typ
57;Anzahl
2197;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3420 2";Burgenbau
"3420 2";Tarnung
"13680 8";Burgenbau
EINHEIT 8607
"Gundolf";Name
4482;Partei
"Elf";Typ
35;Anzahl
0;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2100 2";HolzfÃ¤llen
GEGENSTAENDE
12;Stein
61;Pferd
28;Kettenhemd
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
24;Balsam
26;GewÃ¼rz
18;Juwel
-61;Myrrhe
29;Ã–l
79;Seide
11;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Südwalds Nachbarland."
EINHEIT 8636
"Swaantje";Name
5666;Partei
"Zwerg";Typ
59;Anzahl
1;bewacht
EINHEIT 8649
"Bärbel";Name
4482;Partei
"Elf";Typ
3;Anzahl
1574;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"360 4";Handeln
GEGENSTAENDE
3;Eisen
EINHEIT 8686
"Bärbel";Name
4482;Partei
"Elf";Typ
39;Anzahl
2406;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5850 5";HolzfÃ¤llen
"3510 3";Segeln
"2340 2";Hiebwaffen
GEGENSTAENDE
15;Bogen
51;Pferd
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
7;Balsam
33;GewÃ¼rz
48;Juwel
27;Myrrhe
16;Ã–l
80;Seide
-75;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im nw liegt Ostfurts Nachbarland."
EINHEIT 8710
"Bärbel";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
36;Anzahl
1;bewacht
286;Silber
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
15;Anzahl
1061;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"3600 8";Bergbau
GEGENSTAENDE
6;Stein
REGION 0 11
"Oststätt";Name
"Ebene";Terrain
2145;Bauern
142;Baeume
UMGEBUNG
"Im no liegt Oststätts Nachbarland."
REGION 1 11
"Tannberg";Name
"Ebene";Terrain
1915;Bauern
126;Baeume
UMGEBUNG
"Im w liegt Tannbergs Nachbarland."
BURG 8825
"Bau von Tannberg";Name
"Hafen";Typ
178;Groesse
8759;Besitzer
EINHEIT 8759
"Händler von Westmoor";Name
5666;Partei
"Zwerg";Typ
36;Anzahl
8825;Burg
EINHEIT 8787
"Hans";Name
5666;Partei
"Zwerg";Typ
50;Anzahl
1;bewacht
8825;Burg
EINHEIT 8797
"Bergleute von Tannfurt";Name
5666;Partei
"Zwerg";Typ
39;Anzahl
1;bewacht
8825;Burg
EINHEIT 8807
"Schützen von Wolfswald";Name
6961;Partei
"Ork";Typ
52;Anzahl
REGION 2 11
"Oststätt";Name
"Wüste";Terrain
448;Bauern
0;Baeume
UMGEBUNG
"Im w liegt Oststätts Nachbarland."
BURG 8869
"Feste Oststätt";Name
"Burg";Typ
211;Groesse
8859;Besitzer
EINHEIT 8859
"Hans";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
8869;Burg
REGION 3 11
"Ostau";Name
"Berge";Terrain
529;Bauern
13;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostau sind fleißig.";Beschr
9;Pferde
9522;Silber
476;Unterh
13;Rekruten
11;Lohn
16;Eisen
3;Laen
PREISE
15;Balsam
25;GewÃ¼rz
65;Juwel
41;Myrrhe
-31;Ã–l
12;Seide
45;Weihrauch
DURCHREISE
"Boten (2660)"
UMGEBUNG
"Im no liegt Ostaus Nachbarland."
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
2480;Silber
0;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"LERNEN Bergbau"
TALENTE
"60 2";Bergbau
"120 4";Wahrnehmung
EINHEIT 8899
"Bergleute von Eichenmoor";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION 4 11
"Eichenberg";Name
"Ebene";Terrain
2963;Bauern
275;Baeume
UMGEBUNG
"Im w liegt Eichenbergs Nachbarland."
EINHEIT 8904
"Händler von Mühltal";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
1;bewacht
REGION 5 11
"Ozean";Terrain
REGION 6 11
"Felsberg";Name
"Wüste";Terrain
235;Bauern
0;Baeume
UMGEBUNG
"Im no liegt Felsbergs Nachbarland."
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
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordmoor sind fleißig.";Beschr
56;Pferde
13632;Silber
681;Unterh
42;Rekruten
15;Lohn
PREISE
47;Balsam
36;GewÃ¼rz
59;Juwel
21;Myrrhe
-65;Ã–l
60;Seide
58;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im w liegt Nordmoors Nachbarland."
EINHEIT 8933
"Boten von Tannhausen";Name
4482;Partei
"Elf";Typ
46;Anzahl
1978;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"12420 9";BogenschieÃŸen
"2760 2";Reiten
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
1;Anzahl
575;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"90 3";Tarnung
"30 1";Bergbau
"180 6";HolzfÃ¤llen
GEGENSTAENDE
1;Kettenhemd
1;Stein
EINHEIT 8984
"Schützen von Wolfsau";Name
4482;Partei
"Elf";Typ
44;Anzahl
964;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"9240 7";Segeln
"5280 4";BogenschieÃŸen
"2640 2";HolzfÃ¤llen
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
284;Bauern
25;Baeume
UMGEBUNG
"Im sw liegt Weststätts Nachbarland."
EINHEIT 9038
"Reiter von Osttal";Name
6961;Partei
"Ork";Typ
20;Anzahl
1;bewacht
EINHEIT 9062
"Hans";Name
5666;Partei
"Zwerg";Typ
11;Anzahl
REGION -4 12
"Kaltberg";Name
"Wald";Terrain
951;Bauern
853;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltberg sind fleißig.";Beschr
79;Pferde
10461;Silber
523;Unterh
23;Rekruten
15;Lohn
PREISE
28;Balsam
8;GewÃ¼rz
57;Juwel
-57;Myrrhe
27;Ã–l
76;Seide
29;Weihrauch
UMGEBUNG
"Im sw liegt Kaltbergs Nachbarland."
EINHEIT 9072
"Schützen von Bärenstätt";Name
5666;Partei
"Zwerg";Typ
8;Anzahl
EINHEIT 9073
"Ulrike";Name
4482;Partei
"Elf";Typ
45;Anzahl
2665;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"5400 4";BogenschieÃŸen
"10800 8";BogenschieÃŸen
"8100 6";Handeln
GEGENSTAENDE
65;Schwert
18;Holz
40;Stein
EINHEIT 9080
"Jörg";Name
4482;Partei
"Elf";Typ
23;Anzahl
2164;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2760 4";Tarnung
"4140 6";Burgenbau
"2070 3";Wahrnehmung
GEGENSTAENDE
43;Stein
26;Stein
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
34;Balsam
24;GewÃ¼rz
79;Juwel
79;Myrrhe
53;Ã–l
20;Seide
-72;Weihrauch
UMGEBUNG
"Im o liegt Eichentals Nachbarland."
BURG 9115
"Bau von Eichental";Name
"Burg";Typ
217;Groesse
9090;Besitzer
21;Unterhalt
EINHEIT 9090
"Swaantje";Name
4482;Partei
"Elf";Typ
1;Anzahl
9115;Burg
2728;Silber
2;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4";Reiten
REGION -2 12
"Südau";Name
"Wald";Terrain
1893;Bauern
525;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südau sind fleißig.";Beschr
32;Pferde
13251;Silber
662;Unterh
47;Rekruten
15;Lohn
PREISE
13;Balsam
48;GewÃ¼rz
-25;Juwel
7;Myrrhe
76;Ã–l
76;Seide
64;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im no liegt Südaus Nachbarland."
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
46;Anzahl
1733;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"12420 9";Burgenbau
"11040 8";Burgenbau
"2760 2";Burgenbau
GEGENSTAENDE
31;Bogen
EINHEIT 9200
"Reiter von Eichenwald";Name
4482;Partei
"Elf";Typ
19;Anzahl
414;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"570 1";BogenschieÃŸen
REGION -1 12
"Kaltfurt";Name
"Gletscher";Terrain
41;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Kaltfurt sind fleißig.";Beschr
1;Pferde
328;Silber
16;Unterh
1;Rekruten
11;Lohn
17;Eisen
PREISE
25;Balsam
44;GewÃ¼rz
62;Juwel
50;Myrrhe
30;Ã–l
-44;Seide
57;Weihrauch
UMGEBUNG
"Im sw liegt Kaltfurts Nachbarland."
EINHEIT 9223
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9231
"Händler von Eichenwald";Name
4482;Partei
"Elf";Typ
33;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"4950 5";Burgenbau
"3960 4";HolzfÃ¤llen
"1980 2";Burgenbau
GEGENSTAENDE
54;Schwert
EINHEIT 9269
"Gundolf";Name
5666;Partei
"Zwerg";Typ
25;Anzahl
EINHEIT 9277
"Reiter von Tannwald";Name
5666;Partei
"Zwerg";Typ
24;Anzahl
EINHEIT 9302
"Wachen von Westberg";Name
6961;Partei
"Ork";Typ
1;Anzahl
EINHEIT 9320
"Gundolf";Name
1;Parteitarnung
"Zwerg";Typ
6;Anzahl
REGION 0 12
"Westwald";Name
"Gletscher";Terrain
70;Bauern
0;Baeume
UMGEBUNG
"Im so liegt Westwalds Nachbarland."
BURG 9458
"Feste Westwald";Name
"Burg";Typ
133;Groesse
9332;Besitzer
EINHEIT 9332
"Grete";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
9458;Burg
EINHEIT 9371
"Bergleute von Nordberg";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
1;bewacht
EINHEIT 9389
"Boten von Tannheim";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
9458;Burg
EINHEIT 9397
"Schützen von Südau";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
9458;Burg
EINHEIT 9418
"Swaantje";Name
6961;Partei
"Ork";Typ
50;Anzahl
EINHEIT 9422
"Gundolf";Name
5666;Partei
"Zwerg";Typ
8;Anzahl
1;bewacht
REGION 1 12
"Nordfurt";Name
"Gletscher";Terrain
33;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Nordfurt sind fleißig.";Beschr
2;Pferde
330;Silber
16;Unterh
0;Rekruten
11;Lohn
57;Strasse
80;Eisen
PREISE
29;Balsam
69;GewÃ¼rz
22;Juwel
46;Myrrhe
-5;Ã–l
14;Seide
70;Weihrauch
UMGEBUNG
"Im nw liegt Nordfurts Nachbarland."
EINHEIT 9461
"Wachen von Bärenberg";Name
5666;Partei
"Zwerg";Typ
41;Anzahl
EINHEIT 9476
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
27;Anzahl
1;bewacht
EINHEIT 9492
"Reiter von Südfurt";Name
5666;Partei
"Zwerg";Typ
4;Anzahl
EINHEIT 9527
"Ulrike";Name
4482;Partei
"Elf";Typ
1;Anzahl
0;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"240 8";HolzfÃ¤llen
"150 5";Segeln
"270 9";Bergbau
REGION 2 12
"Bärenmoor";Name
"Wüste";Terrain
377;Bauern
0;Baeume
UMGEBUNG
"Im o liegt Bärenmoors Nachbarland."
EINHEIT 9529
"Öda";Name
5666;Partei
"Zwerg";Typ
60;Anzahl
EINHEIT 9548
"Swaantje";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
53;Anzahl
EINHEIT 9569
"Händler von Ostbrück";Name
5666;Partei
"Zwerg";Typ
60;Anzahl
REGION 3 12
"Mühlfurt";Name
"Ebene";Terrain
2087;Bauern
148;Baeume
UMGEBUNG
"Im nw liegt Mühlfurts Nachbarland."
EINHEIT 9575
"Wachen von Wolfsbrück";Name
5666;Partei
"Zwerg";Typ
55;Anzahl
EINHEIT 9584
"Bärbel";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9595
"Öda";Name
5666;Partei
"Zwerg";Typ
42;Anzahl
EINHEIT 9608
"Swaantje";Name
5666;Partei
"Zwerg";Typ
6;Anzahl
REGION 4 12
"Ozean";Terrain
REGION 5 12
"Ozean";Terrain
REGION 6 12
"Ozean";Terrain
197;Runde
REGION 7 12
"Felsheim";Name
"Ebene";Terrain
1817;Bauern
122;Baeume
UMGEBUNG
"Im o liegt Felsheims Nachbarland."
EINHEIT 9634
"Holzfäller von Eichenwald";Name
5666;Partei
"Zwerg";Typ
52;Anzahl
EINHEIT 9650
"Reiter von Bärenau";Name
5666;Partei
"Zwerg";Typ
43;Anzahl
REGION 8 12
"Mühlwald";Name
"Ebene";Terrain
3818;Bauern
122;Baeume
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
58;Anzahl
1;bewacht
EINHEIT 9683
"Händler von Eichental";Name
5666;Partei
"Zwerg";Typ
53;Anzahl
EINHEIT 9721
"Reiter von Südstätt";Name
5666;Partei
"Zwerg";Typ
44;Anzahl
EINHEIT 9725
"Holzfäller von Felstal";Name
5666;Partei
"Zwerg";Typ
51;Anzahl
REGION -6 13
"Wolfstal";Name
"Sumpf";Terrain
197;Runde
607;Bauern
156;Baeume
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
76;Balsam
54;GewÃ¼rz
47;Juwel
-16;Myrrhe
29;Ã–l
20;Seide
5;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im nw liegt Nordfurts Nachbarland."
EINHEIT 9738
"Jörg";Name
4482;Partei
"Elf";Typ
22;Anzahl
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1980 3";Hiebwaffen
"660 1";Tarnung
GEGENSTAENDE
34;Stein
7;Pferd
EINHEIT 9761
"Bärbel";Name
4482;Partei
"Elf";Typ
44;Anzahl
1839;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"7920 6";HolzfÃ¤llen
GEGENSTAENDE
26;Bogen
50;Bogen
68;Speer
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
76;Balsam
24;GewÃ¼rz
19;Juwel
56;Myrrhe
60;Ã–l
74;Seide
-75;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im o liegt Kaltbrücks Nachbarland."
EINHEIT 9777
"Jörg";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
4482;Partei
"Elf";Typ
59;Anzahl
339;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"8850 5";Reiten
"15930 9";Burgenbau
"14160 8";Tarnung
EINHEIT 9816
"Händler von Wolfshausen";Name
4482;Partei
"Elf";Typ
49;Anzahl
0;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"5880 4";Burgenbau
EINHEIT 9818
"Ulrike";Name
4482;Partei
"Elf";Typ
43;Anzahl
2258;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2580 2";Wahrnehmung
"3870 3";Wahrnehmung
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
715;Silber
35;Unterh
1;Rekruten
15;Lohn
8;Eisen
PREISE
20;Balsam
48;GewÃ¼rz
-59;Juwel
64;Myrrhe
19;Ã–l
65;Seide
73;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im w liegt Bärenbrücks Nachbarland."
EINHEIT 9830
"Bärbel";Name
4482;Partei
"Elf";Typ
26;Anzahl
2316;Silber
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
26;Anzahl
1;bewacht
1591;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3120 4";Wahrnehmung
"4680 6";BogenschieÃŸen
GEGENSTAENDE
29;Schild
31;Pferd
44;Holz
EINHEIT 9848
"Boten von Wolfswald";Name
6961;Partei
"Ork";Typ
16;Anzahl
EINHEIT 9866
"Swaantje";Name
4482;Partei
"Elf";Typ
15;Anzahl
1764;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"3600 8";Burgenbau
"1350 3";HolzfÃ¤llen
GEGENSTAENDE
3;Stein
21;Schild
20;Kettenhemd
EINHEIT 9882
"Reiter von Mühlmoor";Name
3742;Partei
"Mensch";Typ
6;Anzahl
2705;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"NACH nw so"
"; Zur Küste"
TALENTE
"180 1";Handeln
GEGENSTAENDE
12;Speer
1;Stein
REGION -2 13
"Wolfsstätt";Name
"Wüste";Terrain
447;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Wolfsstätt sind fleißig.";Beschr
8;Pferde
3576;Silber
178;Unterh
11;Rekruten
15;Lohn
37;Strasse
PREISE
32;Balsam
53;GewÃ¼rz
77;Juwel
69;Myrrhe
12;Ã–l
-58;Seide
60;Weihrauch
UMGEBUNG
"Im w liegt Wolfsstätts Nachbarland."
EINHEIT 9907
"Hans";Name
6961;Partei
"Ork";Typ
55;Anzahl
EINHEIT 9941
"Rüdiger";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 9977
"Wachen von Wolfstal";Name
4482;Partei
"Elf";Typ
26;Anzahl
1;bewacht
392;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"5460 7";Wahrnehmung
EINHEIT 9978
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
REGION -1 13
"Südhausen";Name
"Gletscher";Terrain
68;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südhausen sind fleißig.";Beschr
2;Pferde
1020;Silber
51;Unterh
1;Rekruten
11;Lohn
46;Eisen
PREISE
51;Balsam
-48;GewÃ¼rz
71;Juwel
7;Myrrhe
19;Ã–l
6;Seide
24;Weihrauch
UMGEBUNG
"Im w liegt Südhausens Nachbarland."
EINHEIT 9996
"Händler von Grünwald";Name
3742;Partei
"Mensch";Typ
1;Anzahl
0;Silber
1;Kampfstatus
2;Tarnung
"verwundet";hp
COMMANDS
"NACH w nw"
"; Zur Küste"
TALENTE
"210 7";Segeln
GEGENSTAENDE
2;Stein
SPRUECHE
"Feuerball"
"Heilung"
EINHEIT 10029
"Hans";Name
5666;Partei
"Zwerg";Typ
32;Anzahl
1;bewacht
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
14;Balsam
35;GewÃ¼rz
36;Juwel
43;Myrrhe
-50;Ã–l
59;Seide
73;Weihrauch
UMGEBUNG
"Im sw liegt Nordfurts Nachbarland."
EINHEIT 10039
"Bärbel";Name
4482;Partei
"Elf";Typ
17;Anzahl
906;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"1530 3";BogenschieÃŸen
"4590 9";Bergbau
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
79;Balsam
18;GewÃ¼rz
32;Juwel
-29;Myrrhe
13;Ã–l
29;Seide
22;Weihrauch
UMGEBUNG
"Im no liegt Wolfstals Nachbarland."
BURG 10078
"Bau von Wolfstal";Name
"Burg";Typ
120;Groesse
10057;Besitzer
12;Unterhalt
EINHEIT 10057
"Hans";Name
4482;Partei
"Elf";Typ
14;Anzahl
10078;Burg
960;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"2100 5";BogenschieÃŸen
EINHEIT 10076
"Hans";Name
4482;Partei
"Elf";Typ
46;Anzahl
2273;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"8280 6";Reiten
"12420 9";HolzfÃ¤llen
"2760 2";Hiebwaffen
GEGENSTAENDE
66;Holz
67;Stein
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
26;Balsam
69;GewÃ¼rz
15;Juwel
32;Myrrhe
47;Ã–l
57;Seide
-78;Weihrauch
UMGEBUNG
"Im no liegt Eichentals Nachbarland."
EINHEIT 10092
"Bergleute von Wolfstal";Name
4482;Partei
"Elf";Typ
30;Anzahl
1;bewacht
2354;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"8100 9";BogenschieÃŸen
"900 1";Handeln
"6300 7";Tarnung
GEGENSTAENDE
19;Schwert
56;Bogen
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
56;Balsam
71;GewÃ¼rz
-58;Juwel
66;Myrrhe
39;Ã–l
40;Seide
50;Weihrauch
UMGEBUNG
"Im no liegt Nordaus Nachbarland."
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
41;Anzahl
10213;Burg
816;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"11070 9";Handeln
"1230 1";Handeln
EINHEIT 10113
"Bergleute von Bärenwald";Name
3742;Partei
"Mensch";Typ
33;Anzahl
0;Silber
1;Kampfstatus
2;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
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
2322;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Reiten
EINHEIT 10141
"Öda";Name
4482;Partei
"Elf";Typ
18;Anzahl
1158;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"4860 9";Handeln
"1080 2";Hiebwaffen
"4860 9";Burgenbau
GEGENSTAENDE
23;Schwert
3;Kettenhemd
EINHEIT 10174
"Hans";Name
4482;Partei
"Elf";Typ
3;Anzahl
10213;Burg
0;Silber
2;Kampfstatus
0;Tarnung
TALENTE
"540 6";Hiebwaffen
GEGENSTAENDE
1;Speer
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
33;Balsam
47;GewÃ¼rz
79;Juwel
28;Myrrhe
39;Ã–l
-66;Seide
25;Weihrauch
UMGEBUNG
"Im o liegt Mühlwalds Nachbarland."
BURG 10344
"Feste Mühlwald";Name
"Burg";Typ
37;Groesse
10236;Besitzer
3;Unterhalt
EINHEIT 10236
"Knut";Name
4482;Partei
"Elf";Typ
51;Anzahl
1;bewacht
10344;Burg
894;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"9180 6";Hiebwaffen
"6120 4";Segeln
GEGENSTAENDE
79;Pferd
71;Eisen
69;Speer
EINHEIT 10246
"Jörg";Name
4482;Partei
"Elf";Typ
1;Anzahl
461;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"180 6";Segeln
"180 6";Wahrnehmung
"30 1";Bergbau
GEGENSTAENDE
1;Holz
EINHEIT 10283
"Öda";Name
4482;Partei
"Elf";Typ
13;Anzahl
1146;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"1170 3";Hiebwaffen
"2730 7";Tarnung
GEGENSTAENDE
1;Holz
20;Speer
EINHEIT 10315
"Boten von Südfurt";Name
3742;Partei
"Mensch";Typ
32;Anzahl
10344;Burg
2589;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"MACHEN TEMP 34"
"  REKRUTIEREN 5"
"  BENENNEN EINHEIT Neue~Wache"
"  LERNEN Hiebwaffen"
"ENDE"
"// Boten von Südfurt bleibt hier"
TALENTE
"5760 6";Tarnung
"2880 3";BogenschieÃŸen
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
EINHEIT 10381
"Jörg";Name
"Eine Gruppe Zwergen auf Wanderschaft.";Beschr
5666;Partei
"Zwerg";Typ
1;Anzahl
EINHEIT 10420
"Knut";Name
5666;Partei
"Zwerg";Typ
45;Anzahl
EINHEIT 10451
"Gundolf";Name
5666;Partei
"Zwerg";Typ
1;Anzahl
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
