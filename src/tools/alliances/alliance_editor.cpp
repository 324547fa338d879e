// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/alliances/alliance_editor.h"

#include <algorithm>

#include "core/error.h"
#include "core/path_text.h"
#include "core/read_file.h"
#include "core/text_encoding.h"
#include "map/alliance_file.h"
#include "model/report.h"

namespace maprune {

namespace {

bool InAnyAlliance(const AllianceList& alliances, int32_t party)
{
    return std::any_of(alliances.begin(), alliances.end(), [party](const Alliance& alliance) {
        return std::any_of(alliance.Members.begin(), alliance.Members.end(),
            [party](const AllianceMember& member) { return member.Party == party; });
    });
}

int Clamped(int index, size_t count)
{
    return count == 0 ? -1 : std::clamp(index, 0, static_cast<int>(count) - 1);
}

bool Within(int index, size_t count)
{
    return index >= 0 && static_cast<size_t>(index) < count;
}

} // namespace

AllianceEditor::AllianceEditor(AllianceList& alliances, const TReport* report)
    : FAlliances(alliances)
{
    if (report != nullptr) {
        for (const TParty* party : *report->Parties) {
            if (party != nullptr)
                FParties.push_back({ DisplayText(party->Name), party->Nr });
        }
    }
    OfferParties();
    SelectAlliance(FAlliances.empty() ? -1 : 0);
}

const std::vector<AllianceMember>& AllianceEditor::Members() const
{
    static const std::vector<AllianceMember> kNone;
    return Within(FAlliance, FAlliances.size()) ? FAlliances[static_cast<size_t>(FAlliance)].Members
                                                : kNone;
}

void AllianceEditor::SelectAlliance(int index)
{
    FAlliance = Within(index, FAlliances.size()) ? index : -1;
    FMember = -1;
}

void AllianceEditor::SelectMember(int index)
{
    FMember = Within(index, Members().size()) ? index : -1;
}

void AllianceEditor::SelectOffered(int index)
{
    FOfferedChoice = Within(index, FOffered.size()) ? index : -1;
}

bool AllianceEditor::CanAddAlliance() const
{
    return !FOffered.empty() && !FNewName.empty()
        && std::none_of(FAlliances.begin(), FAlliances.end(),
            [this](const Alliance& alliance) { return alliance.Name == FNewName; });
}

bool AllianceEditor::CanDeleteAlliance() const
{
    return FAlliance != -1;
}

bool AllianceEditor::CanAddParty() const
{
    return !FOffered.empty() && FAlliance != -1 && FOfferedChoice != -1;
}

bool AllianceEditor::CanRemoveParty() const
{
    return FMember != -1;
}

void AllianceEditor::AddAlliance()
{
    if (!CanAddAlliance())
        return;
    FAlliances.push_back({ FNewName, {} });
    SelectAlliance(static_cast<int>(FAlliances.size()) - 1);
}

void AllianceEditor::DeleteAlliance()
{
    if (!CanDeleteAlliance())
        return;
    const auto at = FAlliances.begin() + FAlliance;
    for (const AllianceMember& member : at->Members)
        Offer(member);
    FAlliances.erase(at);
    SelectAlliance(-1);
}

void AllianceEditor::AddParty()
{
    if (!CanAddParty())
        return;
    const auto chosen = FOffered.begin() + FOfferedChoice;
    FAlliances[static_cast<size_t>(FAlliance)].Members.push_back(*chosen);
    FOffered.erase(chosen);
    // The next party is at hand for adding it too.
    FOfferedChoice = Clamped(FOfferedChoice, FOffered.size());
}

void AllianceEditor::RemoveParty()
{
    if (!CanRemoveParty())
        return;
    std::vector<AllianceMember>& members = FAlliances[static_cast<size_t>(FAlliance)].Members;
    const auto at = members.begin() + FMember;
    Offer(*at);
    members.erase(at);
    FMember = -1;
}

void AllianceEditor::Export(const std::filesystem::path& path) const
{
    WriteAllianceFile(path, FAlliances);
}

void AllianceEditor::Import(const std::filesystem::path& path)
{
    const std::string bytes = ReadFileBytes(path, kMaxAllianceFileBytes);
    AllianceList read;
    try {
        read = ParseAllianceFile(bytes);
    } catch (const Error& e) {
        throw Error(PathText(path) + ": " + e.what());
    }
    FAlliances = std::move(read);
    OfferParties();
    SelectAlliance(FAlliances.empty() ? -1 : 0);
}

void AllianceEditor::OfferParties()
{
    FOffered.clear();
    for (const AllianceMember& party : FParties) {
        if (!InAnyAlliance(FAlliances, party.Party))
            FOffered.push_back(party);
    }
    FOfferedChoice = FOffered.empty() ? -1 : 0;
}

void AllianceEditor::Offer(const AllianceMember& member)
{
    // An imported file may name a party in two alliances; it is offered once.
    const bool offered = std::any_of(FOffered.begin(), FOffered.end(),
        [&member](const AllianceMember& o) { return o.Party == member.Party; });
    if (!offered)
        FOffered.push_back(member);
    if (FOfferedChoice == -1)
        FOfferedChoice = 0;
}

} // namespace maprune
