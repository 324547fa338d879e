// SPDX-License-Identifier: GPL-3.0-or-later
// crgen: writes a synthetic computer report of a world of any size.
#include <fstream>
#include <iostream>
#include <stdexcept>

#include <CLI/CLI.hpp>

#include "bench/crgen/cr_generator.h"

int main(int argc, char** argv)
{
    maprune::crgen::GeneratorOptions options;
    std::string output;
    std::string view = "player";
    std::vector<int> shift;
    CLI::App app{"crgen - schreibt einen synthetischen Kelvaran-Report", "crgen"};
    app.add_option("--regions", options.Regions, "Anzahl der Regionen")->check(CLI::Range(10, 10'000'000));
    app.add_option("--units-per-region", options.UnitsPerRegion, "Einheiten je Region im Mittel")
        ->check(CLI::Range(0, 100));
    app.add_option("--parties", options.Parties, "Anzahl der Parteien")->check(CLI::Range(3, 1000));
    app.add_option("--seed", options.Seed, "Startwert des Zufalls");
    app.add_option("--turn", options.Turn, "die wievielte Runde derselben Welt (1 = erste)")
        ->check(CLI::Range(1, 1000));
    app.add_option("--view", view, "Sicht der Partei: player oder ally")->check(CLI::IsMember({"player", "ally"}));
    app.add_option("--shift", shift, "Koordinatenursprung verschoben um DX DY")->expected(2);
    app.add_flag("--utf8", options.Utf8, "Texte in UTF-8 statt Windows-1252");
    app.add_option("--format", options.Format, "Version des CR-Formats: 36 oder 69 (heutige Reports)")
        ->check(CLI::IsMember({maprune::crgen::kOlderFormat, maprune::crgen::kTodayFormat}));
    app.add_option("-o,--output", output, "Ausgabedatei (sonst Standardausgabe)");
    CLI11_PARSE(app, argc, argv);

    options.ViewParty = view == "ally" ? 1 : 0;
    if (shift.size() == 2) {
        options.ShiftX = shift[0];
        options.ShiftY = shift[1];
    }
    try {
        const std::string report = maprune::crgen::GenerateReport(options);
        if (output.empty()) {
            std::cout.write(report.data(), static_cast<std::streamsize>(report.size()));
            return std::cout ? 0 : 1;
        }
        std::ofstream out(output, std::ios::binary);
        out.write(report.data(), static_cast<std::streamsize>(report.size()));
        if (!out.flush()) {
            std::cerr << "crgen: cannot write " << output << '\n';
            return 1;
        }
    } catch (const std::invalid_argument& e) {
        std::cerr << "crgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
