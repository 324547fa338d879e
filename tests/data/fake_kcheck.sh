#!/bin/sh
# Stands for the order checker in tests and screenshots: prints a banner,
# messages of both forms about the order file named last and a summary;
# one of the messages goes to standard error.
for last; do :; done
file="$last"
echo "KCheck (Testausgabe) - prüft $file"
echo "$file(5): Warnung: Region ohne Wachen"
echo "$file(9): Fehler: unbekannter Befehl 'ARBEITN'" >&2
echo "$file(10)|1|Einheit hat keinen langen Befehl"
echo "$file(999): Fehler: Zeile hinter dem Ende der Datei"
echo "$file(4): Hinweis: wird nicht angezeigt"
echo "Fertig: 2 Fehler, 2 Warnungen"
