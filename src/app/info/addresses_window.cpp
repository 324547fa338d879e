// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/addresses_window.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QUrl>
#include <QVBoxLayout>

#include "app/info/fill_when_shown.h"
#include "core/dialogs.h"
#include "core/mailto_url.h"
#include "core/text_encoding.h"
#include "document/report_document.h"
#include "model/report.h"
#include "tools/parties/party_lines.h"
#include "tools/ui/colour_list.h"

namespace maprune {

TAddressesWindow::TAddressesWindow(TReportDocument& document, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , FDocument(document)
    , FDialogs(dialogs)
    , FOpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("AddressesWindow"));
    setWindowTitle(QStringLiteral("Adressen"));
    FList = new TColourList(this);
    FList->setObjectName(QStringLiteral("XListBox1"));
    FList->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FList);
    connect(FList, &QListWidget::itemDoubleClicked, this, &TAddressesWindow::MailSelectedParty);
    new TFillWhenShown(
        *this, document, [](const DocumentChange& change) { return change.Structure(); },
        [this](const TReport* report) { Fill(report); });
}

void TAddressesWindow::Fill(const TReport* report)
{
    FList->setUpdatesEnabled(false);
    FList->SetLines(AddressLines(report));
    FList->setUpdatesEnabled(true);
}

bool TAddressesWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelectedParty();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TAddressesWindow::MailSelectedParty()
{
    const QListWidgetItem* item = FList->currentItem();
    const TReport* report = FDocument.Report();
    if (item == nullptr || report == nullptr)
        return;
    const TParty* party = report->FindParty(TColourList::NumberOf(*item));
    if (party == nullptr)
        return;
    FOpenUrl(QUrl(QString::fromStdString(MailtoUrl(DisplayText(party->EMail), "Kelvaran")),
        QUrl::StrictMode));
}

void TAddressesWindow::DeleteSelectedParty()
{
    const QListWidgetItem* item = FList->currentItem();
    if (item == nullptr || FDocument.Report() == nullptr)
        return;
    const std::string question
        = "Wollen Sie diese Adresse wirklich löschen: " + item->text().toStdString() + "?";
    if (FDialogs.ShowMessage(MessageKind::Confirmation, question, ButtonYes | ButtonNo)
        != ButtonYes)
        return;
    // The document tells every window, this one included, which refills
    // without the party.
    FDocument.DeleteParty(TColourList::NumberOf(*item));
}

} // namespace maprune
