VERSION 36
"Runenland";Spiel
202;Runde
PARTEI 77
202;Runde
"Menschen";Typus
REGION 40 40
"Ebene";Terrain
"Fremdland";Name
