// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "config/memory_settings_store.h"
#include "config/order_mail_target.h"
#include "config/settings.h"
#include "model/report.h"

using namespace maprune;

namespace {

TEST(OrderMailTarget, TheServersAddressStandsInForDefaultSettingsOnly)
{
    struct Case {
        const char* SetAddress; // null: the setting keeps its default
        const char* ReportAddress;
        const char* Expected;
    };
    const Case cases[] = {
        { nullptr, "befehle@server.example", "befehle@server.example" },
        { nullptr, "", kDefaultCommandsAddress },
        { "meine@adresse.example", "befehle@server.example", "meine@adresse.example" },
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        TSettings settings(store);
        if (c.SetAddress != nullptr)
            settings.Mail_Commands_Address.Set(c.SetAddress);
        const std::unique_ptr<TReport> report = CreateEmpty<TReport>(nullptr);
        report->OrderAddress = c.ReportAddress;
        report->OrderSubject = "KELVARAN 2 BEFEHLE";
        const OrderMailTarget target = ChooseOrderMailTarget(settings, *report);
        EXPECT_EQ(target.Address, c.Expected);
        EXPECT_EQ(target.Subject, "KELVARAN 2 BEFEHLE");
    }
}

} // namespace
