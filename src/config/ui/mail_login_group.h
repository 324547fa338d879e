// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGroupBox;

namespace maprune {

class Dialogs;
class PasswordStore;
class SettingBindings;
class TSettings;

// The mail tab's "Versand" group: port, encryption (none, STARTTLS, TLS),
// login and time-out (Mail_Port, Mail_Security, Mail_Login, Mail_Timeout),
// bound through `bindings`, and the password, which goes into `passwords`
// (the desktop's password store) and never into the settings. A password
// the store cannot keep is kept for the session and the user is told.
QGroupBox* MailLoginGroup(
    TSettings& settings, SettingBindings& bindings, Dialogs& dialogs, PasswordStore& passwords);

} // namespace maprune
