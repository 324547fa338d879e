// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace maprune::cli {

// The verbs that need Qt: the map renderer, Qt Charts, QProcess, Qt Network
// or the user's QSettings. Where programs can be replaced by others (POSIX),
// they live in kQtProgram alone, so that maprune-cli starts without Qt's
// libraries; it lists them in its help and hands such a command over whole.
// Their descriptions are kept here, so that both programs list the same.
struct QtVerb {
    std::string_view Name;
    std::string_view Description;
};

inline constexpr std::string_view kQtProgram = "maprune-cli-qt";

inline constexpr QtVerb kQtVerbs[] = {
    { "changes",
        "Was das Fenster \"Veränderungen\" zeigt: was sich seit der Vorrunde geändert hat" },
    { "chart",
        "den zeitlichen Verlauf von Werten als PNG-Bild zeichnen, wie das Fenster ihn zeigt" },
    { "check", "die Befehle der aktiven Partei mit KCheck prüfen (Exit-Code 2 bei Fehlern)" },
    { "orders", "die Befehlsdatei der aktiven Partei schreiben (sonst auf die Standardausgabe)" },
    { "region", "Was das Regionsfenster von einer Region zeigt" },
    { "render", "eine Ebene eines Reports als PNG-Bild der Karte zeichnen" },
    { "route", "die Reiseroute über Haltepunkte, wie das Fenster \"Reiseroute optimieren\"" },
    { "search",
        "Was das Suchfenster findet; Muster mit *, ohne Rücksicht auf Groß- und Kleinschreibung" },
    { "send", "die Befehlsdatei der aktiven Partei per SMTP einsenden (Express-Versand)" },
    { "settings", "Einstellungen des Programms anzeigen und ändern (wie im Dialog Konfiguration)" },
    { "trade", "die Handelsrouten, wie das Fenster \"Handelsrouten\" sie listet" },
    { "unit", "Was das Einheitenfenster zeigt" },
};

// The description of the Qt verb `name`; std::logic_error for another name.
inline std::string QtVerbDescription(std::string_view name)
{
    for (const QtVerb& verb : kQtVerbs) {
        if (verb.Name == name)
            return std::string(verb.Description);
    }
    throw std::logic_error("maprune-cli: " + std::string(name) + " is no Qt verb");
}

} // namespace maprune::cli
