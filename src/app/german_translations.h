// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace maprune {

// Installs Qt's own German translations (file dialogs, context menus,
// standard buttons) into `app` when they are installed on the system, from
// Qt's translations folder or from a "translations" folder beside the
// program. Returns whether they were found; without them Qt's texts stay
// English, while the program's own texts are German anyway.
bool InstallGermanTranslations(QCoreApplication& app);

} // namespace maprune
