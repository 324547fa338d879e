// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/ulda_window.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "config/settings.h"
#include "model/named_item.h"

namespace maprune {

TULDAWindow::TULDAWindow(TSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , FSettings(settings)
    , FBindings(dialogs)
{
    setObjectName(QStringLiteral("ULDAWindow"));
    setWindowTitle(QStringLiteral("Informationsmenge der Einheitenliste konfigurieren"));
    auto* layout = new QVBoxLayout(this);
    const std::pair<const char*, std::int32_t> entries[] = {
        { "Kommentare anzeigen", ShowComments },
        { "Talentliste anzeigen", ShowTalents },
        { "Liste der Gegenstände anzeigen", ShowItems },
        { "Kampfstatus anzeigen", ShowFightState },
    };
    int number = 1;
    for (const auto& [caption, bit] : entries) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(number++));
        layout->addWidget(box);
        FBoxes.emplace_back(box, bit);
        connect(box, &QCheckBox::toggled, this, [this, bit = bit](bool checked) {
            FBindings.Store([&] {
                const std::int32_t details = FSettings.UnitListDetails.Get();
                FSettings.UnitListDetails.SetAndStore(checked ? details | bit : details & ~bit);
            });
            emit detailsChanged();
        });
    }
    layout->addStretch();
    // Room for the whole caption in the title bar.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 120);
}

void TULDAWindow::showEvent(QShowEvent* event)
{
    // Blocked signals: showing reads the setting and must not write it.
    const std::int32_t details = FSettings.UnitListDetails.Get();
    for (auto& [box, bit] : FBoxes) {
        const QSignalBlocker quiet(box);
        box->setChecked((details & bit) != 0);
    }
    QDialog::showEvent(event);
}

} // namespace maprune
