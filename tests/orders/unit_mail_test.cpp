// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/desktop_services.h"
#include "model/region.h"
#include "model/unit.h"
#include "orders/unit_mail.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

class RecordingDesktop : public DesktopServices {
public:
    std::vector<std::string> opened;
    bool OpenUrl(const std::string& url) override
    {
        opened.push_back(url);
        return true;
    }
};

// Party 11's address and the game's name carry everything that would open
// further URL fields; unit 41 (15) belongs to party 11, unit 42 (16) to a
// party the report does not know.
constexpr const char* kReport = "VERSION 36\n\"Kel varan&cc=x\";Spiel\n200;Runde\nPARTEI 10\n"
                                "PARTEI 11\n\"Elf\";Typ\n\"a&b@x.de?bcc=evil#f\";email\n"
                                "REGION 0 0\n\"Ebene\";Terrain\n"
                                "EINHEIT 41\n11;Partei\nEINHEIT 42\n99;Partei\n";

class UnitMailTest : public CRTest {
protected:
    void SetUp() override
    {
        CRTest::SetUp();
        read = ReadText(kReport);
        ASSERT_NE(read->Report, nullptr);
        TRegion* region = (*read->Report->Regions)[0];
        known = (*region->Units)[0];
        unknown = (*region->Units)[1];
    }
    std::unique_ptr<ReadOutcome> read;
    TUnit* known = nullptr;
    TUnit* unknown = nullptr;
};

TEST_F(UnitMailTest, UrlsAreEncodedAndFollowTheSettings)
{
    struct Case {
        bool Party;
        bool Unit;
        std::string Template;
        bool Known;
        std::optional<std::string> Url;
    };
    const Case cases[] = {
        { true, false, "", true,
            "mailto:a%26b@x.de%3Fbcc%3Devil%23f?subject=Kel%20varan%26cc%3Dx%20-%20Einheit%2015" },
        { false, true, "einheit-[x36]@x.de", true, std::nullopt },
        { false, true, "einheit-[x36]@x.de [x36]", false,
            "mailto:einheit-16@x.de%20%5Bx36%5D?subject=Kel%20varan%26cc%3Dx" },
        { false, true, "fest@x.de", false, "mailto:fest@x.de?subject=Kel%20varan%26cc%3Dx" },
        { true, false, "einheit-[x36]@x.de", false, std::nullopt },
    };
    for (const Case& c : cases) {
        const UnitMailOptions options { c.Party, c.Unit, c.Template };
        const TUnit& unit = c.Known ? *known : *unknown;
        EXPECT_EQ(UnitMailUrl(*read->Report, unit, options), c.Url) << c.Template;
        RecordingDesktop desktop;
        MailToUnit(*read->Report, unit, options, desktop);
        EXPECT_EQ(desktop.opened.size(), c.Url ? 1u : 0u);
    }
}

} // namespace
} // namespace maprune::test
