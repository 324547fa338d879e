VERSION 69
"UTF-8";charset
"de";locale
1;noskillpoints
1820960000;date
"Standard";Konfiguration
"Kelvaran";Spiel
"Hex";Koordinaten
1;Umlaute
36;Basis
200;Runde
2;Zeitalter
"befehle@kelvaran.example";mailto
"KELVARAN 2 BEFEHLE";mailcmd
4593;reportowner
"3.28.1-42-gabcdef";Build
250;max_units
0;curTempID
COORDTRANS 4593
0 0;translation
ALLIANCE 1
4593;leader
"Bund des Nordens";name
WELTCHRONIK
"Das Zeitalter der Drachen";titel
KAPITEL 1
"Es war einmal."
ISLAND 1
"Nordinsel";name
PARTEI 4593
"de";locale
188;age
1021;Optionen
"Die Wüstenfüchse";Parteiname
"partei1@kelvaran.example";email
"Für \"Ruhm\" und Ehre!\\";banner
"Mensch";race
"Gwyrrd";Magiegebiet
75;Rekrutierungskosten
46;Anzahl Personen
204;Punkte
63;Punktedurchschnitt
1;heroes
4;max_heroes
1;alliance
OPTIONEN
1;REPORT
1;COMPUTER
0;ZEITUNG
GEGENSTAENDE
120;Silber
3;Holz
ALLIANZ 5703
"Bund der Bären";Parteiname
59;Status
GRUPPE 1
"Wächter";name
ALLIANZ 6369
"Nordmänner";Parteiname
1;Status
VORLIEBEN
"Met";Getraenk
MESSAGE 1
1006;type
"Willkommen in Runde 200.";rendered
200;turn
MESSAGE 2
1001;type
"Ein Komet zieht über den Himmel.";rendered
MESSAGE 3
1002;type
"Die Händler verdienen 120 Silber.";rendered
"-1 2 0";region
120;amount
MESSAGE 4
1003;type
"Die Holzfäller produzieren 12 Holz.";rendered
"Holz";resource
MESSAGE 5
1004;type
"Die Späher wandern nach Osten.";rendered
MESSAGE 6
4242;type
"Die Straßen sind \"unsicher\" geworden.";rendered
ZAUBER 1234567
"Feuerball";name
3;level
5;rank
"Ein Ball aus Feuer trifft die Feinde.";info
"combat";class
"ZAUBERE \"Feuerball\"";syntax
KOMPONENTEN
3;Aura
ZAUBER 2345678
"Heilung";name
2;level
1;familiar
ZAUBER 4000000001
"Nebelschleier";name
4;level
"Hüllt die Region in dichten Nebel.";info
1;far
TRAENKE
"Heiltrank";Trank
2;Stufe
"Elfenlieb";Zutat
"Wasserfinder";Zutat
"Heilt Wunden über Nacht.";Beschr
TRANK 78
"Bauernlieb";Name
1;Stufe
"Schneekristall";Zutat
"Lässt die Bauern sich vermehren.";Beschr
PARTEI 5703
"Bund der Bären";Parteiname
"partei2@kelvaran.example";email
"Grüße von Bund der Bären";banner
PARTEI 6369
"Nordmänner";Parteiname
"partei3@kelvaran.example";email
"Grüße von Nordmänner";banner
PARTEI 7627
"Händlergilde von Öhringen";Parteiname
"partei4@kelvaran.example";email
"Grüße von Händlergilde von Öhringen";banner
REGION 0 0
"Südtal";Name
"Ebene";Terrain
199;Runde
549756338176;id
"lighthouse";visibility
1;Insel
5;morale
3216;letztebauern
3216;Bauern
138;Baeume
34;Schoesslinge
REGION 1 0
"Ostmoor";Name
"Ebene";Terrain
549756338177;id
"neighbour";visibility
1;Insel
5;morale
2167;letztebauern
2167;Bauern
181;Baeume
45;Schoesslinge
UMGEBUNG
"Im no liegt Ostmoors Nachbarland."
EINHEIT 258
"Händler von Mühlbrück";Name
7627;Partei
"Ork";Typ
16;Anzahl
"einige";typprefix
16000;weight
REGION 2 0
"Bärenstätt";Name
"Ebene";Terrain
549756338178;id
1;Insel
5;morale
2281;letztebauern
2281;Bauern
122;Baeume
30;Schoesslinge
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenstätt sind fleißig.";Beschr
116;Pferde
18248;Silber
912;Unterh
57;Rekruten
14;Lohn
PREISE
-56;Balsam
14;Gewürz
52;Juwel
30;Myrrhe
80;Öl
27;Seide
64;Weihrauch
RESOURCE 1
"Bauern";type
2281;number
RESOURCE 2
"Bäume";type
122;number
RESOURCE 3
"Schößlinge";type
30;number
RESOURCE 4
"Pferde";type
116;number
UMGEBUNG
"Im o liegt Bärenstätts Nachbarland."
BURG 311
"Feste Bärenstätt";Name
"Burg";Typ
3;Groesse
285;Besitzer
0;Unterhalt
EINHEIT 285
"Rüdiger";Name
5703;Partei
"Elf";Typ
58;Anzahl
1;bewacht
311;Burg
"einige";typprefix
58000;weight
833;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"3480 2 -1";Reiten
"6960 4 -1";Wahrnehmung
GEGENSTAENDE
9;Pferd
63;Schild
EINHEIT 292
"Swaantje";Name
5703;Partei
"Elf";Typ
27;Anzahl
1;bewacht
311;Burg
"einige";typprefix
27000;weight
1956;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"2430 3 0";Wahrnehmung
"2430 3 0";Holzfällen
GEGENSTAENDE
3;Kettenhemd
REGION 3 0
"Eichenwald";Name
"Berge";Terrain
549756338179;id
"neighbour";visibility
1;Insel
5;morale
297;letztebauern
297;Bauern
22;Baeume
5;Schoesslinge
UMGEBUNG
"Im no liegt Eichenwalds Nachbarland."
REGION 0 1
"Eichenfurt";Name
"Wüste";Terrain
549757386752;id
1;Insel
5;morale
399;letztebauern
399;Bauern
0;Baeume
0;Schoesslinge
"Ein weites Land unter hohem Himmel.
Die Bauern von Eichenfurt sind fleißig.";Beschr
1;Pferde
2793;Silber
139;Unterh
9;Rekruten
14;Lohn
PREISE
-24;Balsam
56;Gewürz
67;Juwel
34;Myrrhe
56;Öl
72;Seide
63;Weihrauch
RESOURCE 1
"Bauern";type
399;number
RESOURCE 2
"Bäume";type
0;number
RESOURCE 3
"Schößlinge";type
0;number
RESOURCE 4
"Pferde";type
1;number
WETTER
"Regen";heute
WOLKE 1
3;dichte
MESSAGE 3000
2001;type
"Die Bauern feiern ein Erntefest.";rendered
UMGEBUNG
"Im nw liegt Eichenfurts Nachbarland."
EINHEIT 336
"Jörg";Name
4593;Partei
"Mensch";Typ
1;Anzahl
"";typprefix
1000;weight
2966;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"180 6 -1";Holzfällen
GEGENSTAENDE
1;Kettenhemd
1;Speer
TAGEBUCH
"Heute nichts Besonderes."
EINHEIT 358
"Händler von Osthausen";Name
4593;Partei
"Mensch";Typ
45;Anzahl
"einige";typprefix
45000;weight
2107;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"ARBEITEN"
TALENTE
"10800 8 0";Wahrnehmung
"5400 4 0";Reiten
GEGENSTAENDE
58;Pferd
60;Speer
REGION 1 1
"Mühlau";Name
"Wüste";Terrain
549757386753;id
1;Insel
5;morale
362;letztebauern
362;Bauern
0;Baeume
0;Schoesslinge
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlau sind fleißig.";Beschr
6;Pferde
2534;Silber
126;Unterh
9;Rekruten
15;Lohn
PREISE
-28;Balsam
5;Gewürz
27;Juwel
36;Myrrhe
19;Öl
75;Seide
72;Weihrauch
RESOURCE 1
"Bauern";type
362;number
RESOURCE 2
"Bäume";type
0;number
RESOURCE 3
"Schößlinge";type
0;number
RESOURCE 4
"Pferde";type
6;number
UMGEBUNG
"Im so liegt Mühlaus Nachbarland."
EINHEIT 373
"Swaantje";Name
5703;Partei
"Elf";Typ
2;Anzahl
"einige";typprefix
2000;weight
341;Silber
0;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"420 7 0";Hiebwaffen
GEGENSTAENDE
3;Kettenhemd
REGION 2 1
"Bärental";Name
"Sumpf";Terrain
549757386754;id
"neighbour";visibility
1;Insel
5;morale
847;letztebauern
847;Bauern
177;Baeume
44;Schoesslinge
UMGEBUNG
"Im o liegt Bärentals Nachbarland."
EINHEIT 403
"Swaantje";Name
7627;Partei
"Ork";Typ
16;Anzahl
"einige";typprefix
16000;weight
EINHEIT 423
"Reiter von Nordberg \"der Kühne\"";Name
6369;Partei
"Zwerg";Typ
1;Anzahl
"";typprefix
1000;weight
REGION 3 1
"Felsberg";Name
"Gletscher";Terrain
196;Runde
549757386755;id
"lighthouse";visibility
1;Insel
5;morale
26;letztebauern
26;Bauern
0;Baeume
0;Schoesslinge
REGION -1 2
"Tannstätt";Name
"Sumpf";Terrain
549758435327;id
"neighbour";visibility
1;Insel
5;morale
684;letztebauern
684;Bauern
157;Baeume
39;Schoesslinge
UMGEBUNG
"Im w liegt Tannstätts Nachbarland."
REGION 0 2
"Felsberg";Name
"Gletscher";Terrain
549758435328;id
1;Insel
5;morale
53;letztebauern
53;Bauern
0;Baeume
0;Schoesslinge
"Ein weites Land unter hohem Himmel.
Die Bauern von Felsberg sind fleißig.";Beschr
0;Pferde
848;Silber
42;Unterh
1;Rekruten
15;Lohn
PREISE
-70;Balsam
15;Gewürz
54;Juwel
55;Myrrhe
66;Öl
32;Seide
66;Weihrauch
RESOURCE 1
"Bauern";type
53;number
RESOURCE 2
"Bäume";type
0;number
RESOURCE 3
"Schößlinge";type
0;number
RESOURCE 4
"Pferde";type
0;number
RESOURCE 5
"Eisen";type
44;number
1;skill
RESOURCE 6
"Steine";type
6;number
1;skill
MESSAGE 3000
2001;type
"Die Bauern feiern ein Erntefest.";rendered
UMGEBUNG
"Im o liegt Felsbergs Nachbarland."
EINHEIT 427
"Rüdiger";Name
5703;Partei
"Elf";Typ
15;Anzahl
"einige";typprefix
15000;weight
1765;Silber
1;Kampfstatus
0;Tarnung
TALENTE
"1350 3 0";Hiebwaffen
"3150 7 0";Bogenschießen
"4050 9 0";Bergbau
GEGENSTAENDE
19;Eisen
REGION 1 2
"Ostau";Name
"Hochland";Terrain
549758435329;id
1;Insel
5;morale
1473;letztebauern
1473;Bauern
59;Baeume
14;Schoesslinge
"Ein weites Land unter hohem Himmel.
Die Bauern von Ostau sind fleißig.";Beschr
23;Pferde
19149;Silber
957;Unterh
36;Rekruten
11;Lohn
PREISE
-55;Balsam
34;Gewürz
47;Juwel
21;Myrrhe
20;Öl
62;Seide
36;Weihrauch
RESOURCE 1
"Bauern";type
1473;number
RESOURCE 2
"Bäume";type
59;number
RESOURCE 3
"Schößlinge";type
14;number
RESOURCE 4
"Pferde";type
23;number
GRENZE 1
"Straße";typ
1;richtung
74;prozent
GRENZE 2
"Straße";typ
4;richtung
37;prozent
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im so liegt Ostaus Nachbarland."
EINHEIT 439
"Holzfäller von Felshausen";Name
5703;Partei
"Elf";Typ
1;Anzahl
"";typprefix
1000;weight
2208;Silber
1;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"120 4 0";Bergbau
GEGENSTAENDE
2;Schwert
1;Schwert
EINHEIT 479
"Hans";Name
5703;Partei
"Elf";Typ
30;Anzahl
"einige";typprefix
30000;weight
157;Silber
3;Kampfstatus
0;Tarnung
TALENTE
"900 1 1";Reiten
"3600 4 1";Tarnung
"8100 9 1";Segeln
GEGENSTAENDE
32;Kettenhemd
REGION 0 0 1
"Dichter Nebel";Terrain
199;Runde
1649267965952;id
"lighthouse";visibility
BATTLE -1 2 0
MESSAGE 7
1005;type
"Der Kampf um Tannstätt ist entschieden.";rendered
MESSAGE 8
1005;type
"Die Späher fliehen.";rendered
MESSAGETYPE 1001
"Ein $thing zieht über den Himmel.";text
"events";section
MESSAGETYPE 1002
"$unit($unit) verdient $int($amount) Silber.";text
"economy";section
MESSAGETYPE 1003
"$unit($unit) produziert $int($amount) $resource($resource,$amount).";text
"production";section
MESSAGETYPE 1004
"$unit($unit) wandert nach $direction.";text
"movement";section
MESSAGETYPE 1005
"Der Kampf um $region($region) ist entschieden.";text
"battle";section
MESSAGETYPE 1006
"Willkommen in Runde $int($turn).";text
"errors";section
MESSAGETYPE 2001
"Die Bauern feiern ein Erntefest.";text
"events";section
TRANSLATION
"Ozean";Ozean
"Ebene";Ebene
