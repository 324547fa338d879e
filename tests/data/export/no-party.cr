VERSION 36
"Standard";Konfiguration
200;Runde
REGION 0 0
"Ebene";Terrain
