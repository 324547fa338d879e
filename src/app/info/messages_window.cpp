// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/messages_window.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/info/fill_when_shown.h"
#include "document/report_document.h"
#include "model/report.h"
#include "tools/lines/line_filter.h"
#include "tools/lines/list_scheme.h"
#include "tools/ui/colour_list.h"

namespace maprune {

TMessagesWindow::TMessagesWindow(TReportDocument& document, QWidget* parent)
    : QWidget(parent)
    , FDocument(document)
{
    setObjectName(QStringLiteral("MessagesWindow"));
    setWindowTitle(QStringLiteral("Meldungen"));
    FPages = new QTabWidget(this);
    FPages->setObjectName(QStringLiteral("PageControl1"));
    FPages->setDocumentMode(true);
    const auto tabs = MessageTabs(nullptr);
    for (size_t i = 0; i < kMessageTabCount; ++i) {
        FTabs[i].Content.Caption = tabs[i].Caption;
        FPages->addTab(
            BuildTab(FTabs[i], static_cast<int>(i) + 1), QString::fromUtf8(tabs[i].Caption));
    }
    // Eleven captions do not fit beside each other in a dock: they stand on
    // two rows of buttons instead.
    FPages->tabBar()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(BuildTabRows());
    layout->addWidget(FPages, 1);
    new TFillWhenShown(
        *this, document, [](const DocumentChange& change) { return change.Whole(); },
        [this](const TReport* report) { Fill(report); });
}

QWidget* TMessagesWindow::BuildTabRows()
{
    // The own party's seven tabs above, the four of regions and units below.
    constexpr std::array<int, kMessageTabCount> kRowOf { 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0 };
    auto* rows = new QWidget(this);
    auto* layout = new QVBoxLayout(rows);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);
    const std::array<QHBoxLayout*, 2> row { new QHBoxLayout, new QHBoxLayout };
    auto* group = new QButtonGroup(rows);
    for (int i = 0; i < FPages->count(); ++i) {
        auto* button = new QToolButton(rows);
        button->setObjectName(QStringLiteral("TabButton%1").arg(i + 1));
        button->setText(FPages->tabText(i));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        group->addButton(button, i);
        row[static_cast<size_t>(kRowOf[static_cast<size_t>(i)])]->addWidget(button);
    }
    for (QHBoxLayout* line : row) {
        line->setSpacing(2);
        layout->addLayout(line);
    }
    group->button(0)->setChecked(true);
    connect(group, &QButtonGroup::idClicked, FPages, &QTabWidget::setCurrentIndex);
    connect(FPages, &QTabWidget::currentChanged, group,
        [group](int index) { group->button(index)->setChecked(true); });
    return rows;
}

QWidget* TMessagesWindow::BuildTab(Tab& tab, int number)
{
    auto* page = new QWidget(FPages);
    page->setObjectName(QStringLiteral("TabSheet%1").arg(number));
    tab.Filter = new QLineEdit(page);
    tab.Filter->setObjectName(QStringLiteral("Filter%1").arg(number));
    tab.Filter->setPlaceholderText(QStringLiteral("Filter"));
    tab.Filter->setClearButtonEnabled(true);
    tab.List = new TColourList(page);
    tab.List->setObjectName(QStringLiteral("ListBox%1").arg(number));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(tab.Filter);
    layout->addWidget(tab.List);
    connect(tab.Filter, &QLineEdit::textChanged, this, [this, &tab] { ShowLines(tab); });
    connect(tab.List, &QListWidget::itemDoubleClicked, this,
        [this, &tab](QListWidgetItem* item) { OpenLine(tab, *item); });
    return page;
}

void TMessagesWindow::Fill(const TReport* report)
{
    auto tabs = MessageTabs(report);
    for (size_t i = 0; i < kMessageTabCount; ++i) {
        FTabs[i].Content = std::move(tabs[i]);
        ShowLines(FTabs[i]);
    }
}

void TMessagesWindow::ShowLines(Tab& tab)
{
    const std::string filter = tab.Filter->text().toStdString();
    tab.List->setUpdatesEnabled(false);
    tab.List->clear();
    const std::vector<MessageLine>& lines = tab.Content.Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!LineMatchesFilter(lines[i].Text, filter))
            continue;
        const ListScheme& scheme = lines[i].Category ? SchemeOf(*lines[i].Category) : kPlainScheme;
        tab.List->AddLine(lines[i].Text, scheme, static_cast<int32_t>(i));
    }
    tab.List->setUpdatesEnabled(true);
}

void TMessagesWindow::OpenLine(const Tab& tab, const QListWidgetItem& item)
{
    const auto index = static_cast<size_t>(TColourList::NumberOf(item));
    TReport* report = FDocument.Report();
    if (report == nullptr || index >= tab.Content.Lines.size())
        return;
    const std::optional<RegionPlace>& place = tab.Content.Lines[index].Place;
    if (!place)
        return;
    FDocument.SwitchLayer(place->Z);
    TRegion* region = report->FindRegion(place->X, place->Y, place->Z);
    if (region == nullptr)
        return;
    FDocument.RequestCentre(*region);
}

} // namespace maprune
