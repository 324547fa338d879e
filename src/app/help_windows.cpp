// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_windows.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/main_menu.h"
#include "model/region.h"
#include "model/report.h"

namespace maprune {

namespace {

QString ResourceText(const QString& name)
{
    QFile file(QStringLiteral(":/help/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(%1 fehlt in diesem Programm.)").arg(name);
    return QString::fromUtf8(file.readAll());
}

// The caption of a menu or entry as the menu shows it: without the '&'
// that marks its access key, "&&" standing for one '&'.
QString PlainCaption(const QString& caption)
{
    QString plain = caption;
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return plain;
}

void ListKeys(const QMenu& menu, const QString& path, QString& table)
{
    for (const QAction* entry : menu.actions()) {
        if (entry->isSeparator())
            continue;
        const QString caption = path + PlainCaption(entry->text());
        if (const QMenu* submenu = entry->menu()) {
            ListKeys(*submenu, caption + QStringLiteral(" > "), table);
            continue;
        }
        const QKeySequence key = MenuEntryKey(*entry);
        const QString verb = MenuEntryVerb(*entry);
        if (!key.isEmpty() || !verb.isEmpty()) {
            table += QStringLiteral("| %1 | %2 | %3 |\n")
                         .arg(caption, key.toString(QKeySequence::NativeText),
                             verb.isEmpty() ? QString() : QStringLiteral("maprune-cli ") + verb);
        }
    }
}

// The resident memory of this process in bytes, or -1 where the system
// does not tell it this way.
qint64 ResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            bool ok = false;
            const qint64 kib = line.mid(6).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok ? kib * 1024 : -1;
        }
    }
    return -1;
}

} // namespace

THelpWindow::THelpWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    FText = new QTextBrowser(this);
    FText->setObjectName(QStringLiteral("HelpText"));
    FText->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FText);
    resize(720, 640);
}

void THelpWindow::ShowMarkdown(const QString& title, const QString& markdown)
{
    setWindowTitle(title);
    FText->setMarkdown(markdown);
    show();
    raise();
    activateWindow();
}

QString THelpWindow::Text() const
{
    return FText->toPlainText();
}

QString HelpContents()
{
    return ResourceText(QStringLiteral("docs/handbuch.md"));
}

QString ChangeHistory()
{
    return ResourceText(QStringLiteral("CHANGELOG.md"));
}

QString MenuKeyIndex(const QMenuBar& bar)
{
    QString table
        = QStringLiteral("# Tasten\n\n| Menüeintrag | Taste | Befehlszeile |\n|---|---|---|\n");
    for (const QAction* menu : bar.actions()) {
        if (menu->menu() != nullptr)
            ListKeys(*menu->menu(), PlainCaption(menu->text()) + QStringLiteral(" > "), table);
    }
    return table;
}

QString MemoryUsageText(const TReport* report)
{
    QString text;
    if (report == nullptr) {
        text = QStringLiteral("Kein Report geladen.\n");
    } else {
        size_t units = 0;
        size_t ships = 0;
        size_t buildings = 0;
        for (const TRegion* region : *report->Regions) {
            units += region->Units->Count();
            ships += region->Ships->Count();
            buildings += region->Buildings->Count();
        }
        text = QStringLiteral("Objekte des Reports: %1\nParteien: %2\nRegionen: %3\n"
                              "Einheiten: %4\nSchiffe: %5\nGebäude: %6\n")
                   .arg(report->RefCount())
                   .arg(report->Parties->Count())
                   .arg(report->Regions->Count())
                   .arg(units)
                   .arg(ships)
                   .arg(buildings);
    }
    const qint64 resident = ResidentBytes();
    if (resident >= 0) {
        text += QStringLiteral("Speicher des Programms: %1 MB\n")
                    .arg(static_cast<double>(resident) / (1024.0 * 1024.0), 0, 'f', 1);
    }
    return text;
}

} // namespace maprune
