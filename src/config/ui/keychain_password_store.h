// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/password_store.h"

namespace maprune {

// The desktop's password store through QtKeychain (the Secret Service, the
// macOS keychain, the Windows credential store). Each call waits for its
// job in an event loop, at most a few seconds. When the desktop has no
// store, or refuses, a written password is kept in memory for this session
// and WritePassword says why.
class KeychainPasswordStore final : public PasswordStore {
public:
    std::optional<std::string> ReadPassword(const std::string& account) override;
    std::string WritePassword(const std::string& account, const std::string& password) override;
    void DeletePassword(const std::string& account) override;

private:
    MemoryPasswordStore FSession;
};

// The program's one password store, a KeychainPasswordStore unless tests
// put another in its place (null: the keychain again).
PasswordStore& ProgramPasswordStore();
void SetProgramPasswordStore(PasswordStore* store);

} // namespace maprune
