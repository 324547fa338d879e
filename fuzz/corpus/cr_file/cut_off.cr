VERSION 36
"Kelvaran";Spiel
REGION 0 0
"Wald von