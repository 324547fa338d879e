// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "core/progress.h"

namespace maprune {

// The bars of the progress panel shown while reports are added.
enum class PanelBar {
    Adaptation = 0, // origin search of the current layer, 0..1000
    Regions = 1,    // regions of the report being merged
    Files = 2,      // files being added
};

// The progress panel of "Report(e) hinzufügen": three bars and a caption
// line. The GUI shows it in the main window; the bars' ProcessEvents let the
// user interface handle pending events at the points the merge names.
class ProgressPanel {
public:
    virtual ~ProgressPanel() = default;
    virtual Progress& Bar(PanelBar bar) = 0;
    virtual void SetCaption(const std::string& text) = 0;
};

class NullProgressPanel : public ProgressPanel {
public:
    Progress& Bar(PanelBar bar) override { return FBars[static_cast<size_t>(bar)]; }
    void SetCaption(const std::string&) override {}

private:
    std::array<NullProgress, 3> FBars;
};

} // namespace maprune
