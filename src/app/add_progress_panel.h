// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include <QFrame>

#include "report/progress_panel.h"

class QLabel;
class QProgressBar;

namespace maprune {

// The progress panel of "Report(e) hinzufügen": a caption line and the bars
// of the origin search, the regions being merged and the files. It floats
// over the centre of its parent window while files are added. A bar whose
// range is 0 shows that work is going on without a known amount.
class TAddProgressPanel : public QFrame, public ProgressPanel {
    Q_OBJECT
public:
    explicit TAddProgressPanel(QWidget* parent);
    ~TAddProgressPanel() override;

    // Resets the bars and the caption and shows the panel over the centre
    // of the parent.
    void Start();
    // Hides the panel.
    void Finish();

    Progress& Bar(PanelBar bar) override;
    void SetCaption(const std::string& text) override;

    QProgressBar* BarWidget(PanelBar bar) const;

private:
    class BarProgress;

    QLabel* FCaption = nullptr;
    std::array<std::unique_ptr<BarProgress>, 3> FBars;
};

} // namespace maprune
