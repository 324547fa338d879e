// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/add_progress_panel.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace maprune {

class TAddProgressPanel::BarProgress : public Progress {
public:
    explicit BarProgress(QProgressBar* bar)
        : FBar(bar)
    {
    }

    void SetRange(int maximum) override { FBar->setRange(0, std::max(maximum, 0)); }
    void SetPosition(int position) override { FBar->setValue(position); }
    void ProcessEvents() override { QApplication::processEvents(); }

    QProgressBar* Widget() const { return FBar; }

private:
    QProgressBar* FBar;
};

TAddProgressPanel::TAddProgressPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("ProgressPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    FCaption = new QLabel(this);
    FCaption->setObjectName(QStringLiteral("ProgressCaption"));
    layout->addWidget(FCaption);
    const char* names[] = { "ProgressBar1", "ProgressBar2", "ProgressBar3" };
    const char* labels[] = { "Koordinatenursprung", "Regionen", "Dateien" };
    for (size_t i = 0; i < FBars.size(); ++i) {
        auto* bar = new QProgressBar(this);
        bar->setObjectName(QString::fromLatin1(names[i]));
        bar->setFormat(QString::fromUtf8(labels[i]) + QStringLiteral(": %p%"));
        layout->addWidget(bar);
        FBars[i] = std::make_unique<BarProgress>(bar);
    }
    setFixedWidth(420);
    hide();
}

TAddProgressPanel::~TAddProgressPanel() = default;

void TAddProgressPanel::Start()
{
    FCaption->setText(QStringLiteral("Reports werden hinzugefügt ..."));
    for (const auto& bar : FBars) {
        bar->Widget()->setRange(0, 1);
        bar->Widget()->setValue(0);
    }
    adjustSize();
    if (QWidget* window = parentWidget()) {
        move((window->width() - width()) / 2, (window->height() - height()) / 2);
    }
    show();
    raise();
}

void TAddProgressPanel::Finish()
{
    hide();
}

Progress& TAddProgressPanel::Bar(PanelBar bar)
{
    return *FBars[static_cast<size_t>(bar)];
}

void TAddProgressPanel::SetCaption(const std::string& text)
{
    FCaption->setText(QString::fromStdString(text));
}

QProgressBar* TAddProgressPanel::BarWidget(PanelBar bar) const
{
    return FBars[static_cast<size_t>(bar)]->Widget();
}

} // namespace maprune
