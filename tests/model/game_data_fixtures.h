// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "model/game_data.h"

namespace maprune::test {

inline GameRecord MakeRecord(
    uint8_t kind, std::string singular, std::string plural, std::string names)
{
    GameRecord r;
    r.Singular = std::move(singular);
    r.Plural = std::move(plural);
    r.Names = std::move(names);
    r.SetByte(16, kind);
    return r;
}

// A file under the temporary folder that is removed with the object.
class TempFile {
public:
    explicit TempFile(std::string_view bytes)
    {
        static int counter = 0;
        FPath = std::filesystem::temp_directory_path()
            / ("maprune-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                + "-" + std::to_string(++counter) + ".dat");
        std::ofstream(FPath, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile()
    {
        std::error_code ignored;
        std::filesystem::remove(FPath, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::filesystem::path& Path() const { return FPath; }

private:
    std::filesystem::path FPath;
};

} // namespace maprune::test
