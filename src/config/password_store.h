// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>

namespace maprune {

class TSettings;

// Where the mail password lives: the desktop's password store in the GUI,
// memory in tests. Never the settings.
class PasswordStore {
public:
    virtual ~PasswordStore() = default;
    // Nothing when none is kept for `account`.
    virtual std::optional<std::string> ReadPassword(const std::string& account) = 0;
    // Returns an empty text when kept, else why not (the password then
    // lives only as long as the store).
    virtual std::string WritePassword(const std::string& account, const std::string& password) = 0;
    virtual void DeletePassword(const std::string& account) = 0;
};

class MemoryPasswordStore : public PasswordStore {
public:
    std::optional<std::string> ReadPassword(const std::string& account) override
    {
        const auto found = FPasswords.find(account);
        if (found == FPasswords.end())
            return std::nullopt;
        return found->second;
    }
    std::string WritePassword(const std::string& account, const std::string& password) override
    {
        FPasswords[account] = password;
        return {};
    }
    void DeletePassword(const std::string& account) override { FPasswords.erase(account); }

private:
    std::map<std::string, std::string> FPasswords;
};

// The account the mail password is kept under: the login at the server
// ("name@smtp.example.org").
std::string MailPasswordAccount(const TSettings& settings);

} // namespace maprune
