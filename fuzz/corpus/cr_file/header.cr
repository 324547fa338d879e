VERSION 36
"Standard";Konfiguration
"Kelvaran";Spiel
5;Runde
36;Basis
