// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-datagen SOURCE TARGET: turns the readable game reference data
// (data/gamedata.txt) into the data file maprune.dat that the programs read.
#include <iostream>

#include "core/error.h"
#include "core/read_file.h"
#include "core/write_file.h"
#include "model/game_data_file.h"
#include "model/game_data_source.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: maprune-datagen SOURCE TARGET\n";
        return 2;
    }
    const std::string source = argv[1];
    try {
        const std::string text = maprune::ReadFileBytes(source, 16u << 20);
        const auto records = maprune::ParseGameDataSource(text, source);
        maprune::WriteFileAtomically(argv[2], maprune::SerializeGameDataFile(records));
    } catch (const maprune::Error& e) {
        std::cerr << "maprune-datagen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
