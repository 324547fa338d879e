// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/unit_list_sort_options_window.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"

namespace maprune {

namespace {

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QListWidget* List(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(160);
    return list;
}

} // namespace

TUnitListSortOptionsWindow::TUnitListSortOptionsWindow(
    TSettings& settings, const UnitSortCriteria& criteria, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , FSettings(settings)
    , FCriteria(criteria)
    , FDialogs(dialogs)
    , FLists(criteria, settings.UnitListSortOptions.Get())
{
    setObjectName(QStringLiteral("UnitListSortOptionsWindow"));
    setWindowTitle(QStringLiteral("Sortierung der Einheitenliste im Regionsfenster"));

    FAvailable = List(QStringLiteral("ListBox1"), this);
    FChosen = List(QStringLiteral("ListBox2"), this);
    // Wide enough for every criterion's full name, in either list.
    int widest = 0;
    for (const std::string& name : criteria.Names())
        widest = std::max(
            widest, FAvailable->fontMetrics().horizontalAdvance(QString::fromStdString(name)));
    const int listWidth = widest + 2 * FAvailable->frameWidth()
        + FAvailable->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    FAvailable->setMinimumWidth(listWidth);
    FChosen->setMinimumWidth(listWidth);
    auto* availableLabel = new QLabel(QStringLiteral("Verfügbare Sortierkriterien"), this);
    availableLabel->setObjectName(QStringLiteral("Label1"));
    availableLabel->setBuddy(FAvailable);
    auto* chosenLabel = new QLabel(QStringLiteral("Reihenfolge der Sortierkriterien"), this);
    chosenLabel->setObjectName(QStringLiteral("Label2"));
    chosenLabel->setBuddy(FChosen);

    auto* choose = Button(QStringLiteral("Button1"), QStringLiteral(">>"), this);
    auto* unchoose = Button(QStringLiteral("Button2"), QStringLiteral("<<"), this);
    auto* up = Button(QStringLiteral("Button3"), QStringLiteral("aufwärts >"), this);
    auto* down = Button(QStringLiteral("Button4"), QStringLiteral("abwärts >"), this);
    auto* unsorted = Button(QStringLiteral("Button5"), QStringLiteral("unsortiert"), this);
    auto* standard = Button(QStringLiteral("Button6"), QStringLiteral("Standard"), this);
    for (QPushButton* button : { choose, unchoose, up, down, unsorted, standard })
        button->setAutoDefault(false);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(choose);
    middle->addWidget(unchoose);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addStretch();
    right->addWidget(up);
    right->addWidget(down);
    right->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(unsorted);
    bottom->addWidget(standard);

    auto* grid = new QGridLayout(this);
    grid->addWidget(availableLabel, 0, 0);
    grid->addWidget(chosenLabel, 0, 2);
    grid->addWidget(FAvailable, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(FChosen, 1, 2);
    grid->addLayout(right, 1, 3);
    grid->addLayout(bottom, 2, 0, 1, 4);

    const auto row = [](QListWidget* list) { return static_cast<std::size_t>(list->currentRow()); };
    connect(choose, &QPushButton::clicked, this, [this, row] {
        if (FLists.Choose(row(FAvailable)))
            ShowLists(FChosen->count());
    });
    connect(unchoose, &QPushButton::clicked, this, [this, row] {
        if (FLists.Unchoose(row(FChosen)))
            ShowLists();
    });
    connect(up, &QPushButton::clicked, this, [this, row] {
        if (FLists.MoveUp(row(FChosen)))
            ShowLists(FChosen->currentRow() - 1);
    });
    connect(down, &QPushButton::clicked, this, [this, row] {
        if (FLists.MoveDown(row(FChosen)))
            ShowLists(FChosen->currentRow() + 1);
    });
    connect(unsorted, &QPushButton::clicked, this, [this] {
        FLists.UnchooseAll();
        ShowLists();
    });
    connect(standard, &QPushButton::clicked, this, [this] {
        FLists.Standard();
        ShowLists();
    });
    connect(FAvailable, &QListWidget::itemDoubleClicked, choose, &QPushButton::click);
    connect(FChosen, &QListWidget::itemDoubleClicked, unchoose, &QPushButton::click);
}

void TUnitListSortOptionsWindow::showEvent(QShowEvent* event)
{
    FLists = UnitSortLists(FCriteria, FSettings.UnitListSortOptions.Get());
    ShowLists();
    QDialog::showEvent(event);
}

void TUnitListSortOptionsWindow::ShowLists(std::optional<int> chosenRow)
{
    const auto fill = [](QListWidget* list, const std::vector<std::string>& names) {
        list->clear();
        for (const std::string& name : names)
            list->addItem(QString::fromStdString(name));
    };
    fill(FAvailable, FLists.Available());
    fill(FChosen, FLists.Chosen());
    if (chosenRow && *chosenRow >= 0 && *chosenRow < FChosen->count())
        FChosen->setCurrentRow(*chosenRow);
}

void TUnitListSortOptionsWindow::done(int result)
{
    try {
        FSettings.UnitListSortOptions.SetAndStore(FLists.Options());
    } catch (const Error& e) {
        FDialogs.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
    emit sortOrderChanged();
    QDialog::done(result);
}

} // namespace maprune
