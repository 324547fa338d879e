// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/error.h"
#include "model/cr_interface.h"

namespace maprune {

inline CRToken Head(std::string block, std::string params = {})
{
    CRToken t;
    t.Block = block;
    t.Params = params;
    t.Value = params.empty() ? block : block + " " + params;
    t.LineType = CRLineType::BlockHead;
    return t;
}

inline CRToken Value(std::string value, std::string key = {})
{
    CRToken t;
    t.Value = std::move(value);
    t.Key = std::move(key);
    t.LineType = CRLineType::Value;
    return t;
}

// A token source over a fixed token list that records warnings; the first
// token is current at the start.
class FakeCR : public TCRInterface {
public:
    explicit FakeCR(std::vector<CRToken> tokens) : FTokens(std::move(tokens)) {}

    const CRToken& NextLine() override
    {
        if (FIndex < FTokens.size())
            ++FIndex;
        return CurrentLine();
    }
    const CRToken& CurrentLine() override { return FIndex < FTokens.size() ? FTokens[FIndex] : FEnd; }
    [[noreturn]] void Error(const std::string& message) override { throw maprune::Error(message); }
    void Warning(const std::string& message) override { warnings.push_back(message); }
    int LineNumber() const override { return static_cast<int>(FIndex) + 1; }

    std::vector<std::string> warnings;

private:
    std::vector<CRToken> FTokens;
    size_t FIndex = 0;
    CRToken FEnd;
};

} // namespace maprune
