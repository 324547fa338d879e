// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

// Long operations (reading, merging, saving) report through this interface.
// The GUI moves a progress bar and lets its event loop run at the points where
// the operation calls ProcessEvents.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void SetRange(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    virtual void ProcessEvents() = 0;
};

class NullProgress : public Progress {
public:
    void SetRange(int) override {}
    void SetPosition(int) override {}
    void ProcessEvents() override {}
};

} // namespace maprune
