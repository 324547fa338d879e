// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/german_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace maprune {

bool InstallGermanTranslations(QCoreApplication& app)
{
    const QStringList folders {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
    };
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                QStringLiteral("_"), folder)) {
            translator->setParent(&app);
            QCoreApplication::installTranslator(translator.release());
            return true;
        }
    }
    return false;
}

} // namespace maprune
