// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "map/alliance_list.h"

namespace maprune {

class TReport;

// The alliance editor apart from its window: it edits the program's one
// alliance list in place and keeps the choices of the window (the selected
// alliance, member and offered party, the name typed for a new alliance).
// Indices are -1 for no selection. Member texts are "Name (Nr)".
class AllianceEditor {
public:
    // `alliances` must outlive the editor. The parties offered are those of
    // `report` (null: none) that are in no alliance, in the report's order.
    AllianceEditor(AllianceList& alliances, const TReport* report);

    const AllianceList& Alliances() const { return FAlliances; }
    const std::vector<AllianceMember>& Offered() const { return FOffered; }
    // The members of the selected alliance (empty without one).
    const std::vector<AllianceMember>& Members() const;

    int SelectedAlliance() const { return FAlliance; }
    int SelectedMember() const { return FMember; }
    int SelectedOffered() const { return FOfferedChoice; }
    void SelectAlliance(int index); // also drops the member selection
    void SelectMember(int index);
    void SelectOffered(int index);
    void SetNewName(std::string name) { FNewName = std::move(name); }

    // Whether the buttons may be used: add an alliance (a party is offered,
    // a name is typed and no alliance has it), delete the selected alliance,
    // add the offered party to the selected alliance, remove the selected
    // member.
    bool CanAddAlliance() const;
    bool CanDeleteAlliance() const;
    bool CanAddParty() const;
    bool CanRemoveParty() const;

    // The actions; each does nothing when its Can... is false. A new
    // alliance becomes the selected one; a removed member is offered again.
    void AddAlliance();
    void DeleteAlliance();
    void AddParty();
    void RemoveParty();

    // Writes the list to `path` (atomically). Throws Error on failure; the
    // list and any former file stay as they were.
    void Export(const std::filesystem::path& path) const;
    // Reads `path` completely and only then replaces the list, selects the
    // first alliance and offers the parties anew. Throws Error (naming the
    // file and the line) when the file cannot be read; the list stays as it
    // was.
    void Import(const std::filesystem::path& path);

private:
    void OfferParties();
    void Offer(const AllianceMember& member);

    AllianceList& FAlliances;
    std::vector<AllianceMember> FParties; // of the report, in its order
    std::vector<AllianceMember> FOffered;
    std::string FNewName;
    int FAlliance = -1;
    int FMember = -1;
    int FOfferedChoice = -1;
};

} // namespace maprune
