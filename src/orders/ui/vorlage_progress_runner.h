// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "orders/ui/qprocess_runner.h"

class QWidget;

namespace maprune {

// What a progress window over an external program says.
struct ProgressTexts {
    QString Title;
    QString Label;
    QString ObjectName;
};

// Runs `program` through `runner` behind a modal progress window over
// `parent` whose "Abbrechen" cancels it.
ProcessResult RunBehindProgress(QProcessRunner& runner, QWidget* parent, const ProgressTexts& texts,
    const std::filesystem::path& program, const std::vector<std::string>& arguments,
    const std::filesystem::path& outputFile, const std::filesystem::path& errorFile,
    const ProcessLimits& limits);

// Runs VORLAGE through QProcessRunner behind a modal progress window whose
// "Abbrechen" stops it: the program stays responsive, and no other command
// can start while VORLAGE works.
class TVorlageProgressRunner final : public ProcessRunner {
public:
    explicit TVorlageProgressRunner(QWidget* parent)
        : FParent(parent)
    {
    }

    ProcessResult Run(const std::filesystem::path& program,
        const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
        const std::filesystem::path& errorFile, const ProcessLimits& limits) override;

private:
    QWidget* FParent;
    QProcessRunner FRunner;
};

} // namespace maprune
