VERSION 36
"Standard";Konfiguration
"Kelvaran";Spiel
"Hex";Koordinaten
1;Umlaute
36;Basis
200;Runde
PARTEI 4778
"Die Wüstenfüchse";Parteiname
"partei1@kelvaran.example";email
"Für Ruhm und Ehre!";banner
"Mensch";Typus
75;Rekrutierungskosten
178;Anzahl Personen
0;Anzahl Immigranten
12;Max. Immigranten
217;Punkte
63;Punktedurchschnitt
1021;Optionen
ALLIIERTE
5259;Partei
"Bund der Bären";Parteiname
59;Status
ALLIANZ 5777
"Nordmänner";Parteiname
0;Status
ADRESSEN
4778;Partei
"Die Wüstenfüchse";Parteiname
"partei1@kelvaran.example";email
"Grüße von Die Wüstenfüchse";banner
5259;Partei
"Bund der Bären";Parteiname
"partei2@kelvaran.example";email
"Grüße von Bund der Bären";banner
5777;Partei
"Nordmänner";Parteiname
"partei3@kelvaran.example";email
"Grüße von Nordmänner";banner
6776;Partei
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
"Der Kampf um Bärenwald ist entschieden."
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
"Mühlwald";Name
"Hochland";Terrain
615;Bauern
94;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Mühlwald sind fleißig.";Beschr
5;Pferde
6150;Silber
307;Unterh
15;Rekruten
14;Lohn
PREISE
-47;Balsam
64;GewÃ¼rz
33;Juwel
57;Myrrhe
45;Ã–l
8;Seide
61;Weihrauch
UMGEBUNG
"Im w liegt Mühlwalds Nachbarland."
BURG 241
"Feste Mühlwald";Name
"Burg";Typ
62;Groesse
217;Besitzer
6;Unterhalt
EINHEIT 217
"Händler von Felsberg";Name
4778;Partei
"Mensch";Typ
29;Anzahl
241;Burg
795;Silber
1;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Reiten"
TALENTE
"7830 9";Reiten
"6090 7";Handeln
"7830 9";Burgenbau
REGION 1 0
"Bärenstätt";Name
"Hochland";Terrain
1485;Bauern
47;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenstätt sind fleißig.";Beschr
42;Pferde
8910;Silber
445;Unterh
37;Rekruten
14;Lohn
PREISE
-35;Balsam
52;GewÃ¼rz
30;Juwel
16;Myrrhe
79;Ã–l
36;Seide
67;Weihrauch
DURCHREISE
"Boten (3040)"
UMGEBUNG
"Im so liegt Bärenstätts Nachbarland."
BURG 316
"Bau von Bärenstätt";Name
"Hafen";Typ
7;Groesse
272;Besitzer
0;Unterhalt
EINHEIT 272
"Grete";Name
4778;Partei
"Mensch";Typ
35;Anzahl
316;Burg
2170;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Seide"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"3150 3";Wahrnehmung
"7350 7";Handeln
GEGENSTAENDE
19;Stein
EINHEIT 309
"Bergleute von Tannheim";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
4778;Partei
"Mensch";Typ
55;Anzahl
830;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"NACH w no"
"; Zur Küste"
TALENTE
"9900 6";Reiten
"1650 1";Handeln
"9900 6";BogenschieÃŸen
GEGENSTAENDE
106;Stein
51;Pferd
REGION 2 0
"Bärenwald";Name
"Hochland";Terrain
1138;Bauern
66;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Bärenwald sind fleißig.";Beschr
45;Pferde
22760;Silber
1138;Unterh
28;Rekruten
12;Lohn
22;Strasse
PREISE
-31;Balsam
45;GewÃ¼rz
6;Juwel
44;Myrrhe
34;Ã–l
70;Seide
48;Weihrauch
REGIONSEREIGNISSE
"Die Bauern feiern ein Erntefest."
UMGEBUNG
"Im so liegt Bärenwalds Nachbarland."
EINHEIT 320
"Schützen von Eichenberg";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
4778;Partei
"Mensch";Typ
13;Anzahl
1861;Silber
0;Kampfstatus
0;Tarnung
COMMANDS
"LERNEN Bogenschießen"
TALENTE
"1950 5";BogenschieÃŸen
"3510 9";Bergbau
"3510 9";Reiten
GEGENSTAENDE
13;Stein
5;Eisen
EINHEIT 345
"Reiter von Bärenheim";Name
"Eine Gruppe Menschen auf Wanderschaft.";Beschr
4778;Partei
"Mensch";Typ
46;Anzahl
2686;Silber
2;Kampfstatus
0;Tarnung
COMMANDS
"KAUFEN 5 Myrrhe"
"VERKAUFEN ALLES Wunder~Elixier"
TALENTE
"6900 5";Hiebwaffen
"5520 4";Reiten
GEGENSTAENDE
40;Kettenhemd
31;Kettenhemd
REGION 0 1
"Tannhausen";Name
"Wüste";Terrain
290;Bauern
0;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Tannhausen sind fleißig.";Beschr
6;Pferde
3480;Silber
174;Unterh
7;Rekruten
13;Lohn
PREISE
-54;Balsam
67;GewÃ¼rz
8;Juwel
47;Myrrhe
79;Ã–l
11;Seide
18;Weihrauch
REGIONSKOMMENTAR
"Hier lohnt sich ein Markt."
UMGEBUNG
"Im o liegt Tannhausens Nachbarland."
EINHEIT 385
"Reiter von Kaltfurt";Name
"Eine Gruppe Elfen auf Wanderschaft.";Beschr
5259;Partei
"Elf";Typ
1;Anzahl
2654;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Tarnung
"60 2";Handeln
"120 4";HolzfÃ¤llen
GEGENSTAENDE
2;Speer
EINHEIT 400
"Bergleute von Nordstätt";Name
5259;Partei
"Elf";Typ
1;Anzahl
2453;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Handeln
"120 4";Reiten
REGION 1 1
"Kaltau";Name
"Ebene";Terrain
4442;Bauern
230;Baeume
UMGEBUNG
"Im o liegt Kaltaus Nachbarland."
REGION 2 1
"Südtal";Name
"Wald";Terrain
1290;Bauern
1146;Baeume
UMGEBUNG
"Im no liegt Südtals Nachbarland."
REGION -1 2
"Ostmoor";Name
"Berge";Terrain
507;Bauern
27;Baeume
UMGEBUNG
"Im o liegt Ostmoors Nachbarland."
REGION 0 2
"Südstätt";Name
"Hochland";Terrain
1286;Bauern
41;Baeume
"Ein weites Land unter hohem Himmel.
Die Bauern von Südstätt sind fleißig.";Beschr
21;Pferde
16718;Silber
835;Unterh
32;Rekruten
12;Lohn
PREISE
-34;Balsam
59;GewÃ¼rz
13;Juwel
5;Myrrhe
79;Ã–l
19;Seide
55;Weihrauch
UMGEBUNG
"Im nw liegt Südstätts Nachbarland."
EINHEIT 421
"Jörg";Name
5259;Partei
"Elf";Typ
3;Anzahl
451;Silber
0;Kampfstatus
0;Tarnung
TALENTE
"450 5";Burgenbau
"720 8";BogenschieÃŸen
GEGENSTAENDE
5;Speer
6;Kettenhemd
2;Kettenhemd
EINHEIT 426
"Rüdiger";Name
5259;Partei
"Elf";Typ
1;Anzahl
532;Silber
3;Kampfstatus
0;Tarnung
"verwundet";hp
TALENTE
"270 9";Bergbau
REGION 1 2
"Grünau";Name
"Hochland";Terrain
198;Runde
1347;Bauern
78;Baeume
REGION 0 0 1
"Dichter Nebel";Terrain
199;Runde
