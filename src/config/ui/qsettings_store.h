// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include <QString>

#include "config/settings_store.h"

class QSettings;

namespace maprune {

// The settings store of the desktop program and the command-line tool, on
// QSettings. Keys must lie under kSettingsKey ("Software\Oskel\Maprune"),
// which is the store's root; deeper keys are its groups, so that
// "Software\Oskel\Maprune\LastRecentlyUsed" is the group "LastRecentlyUsed".
// Other keys cannot be opened.
//
// In the per-user store of organisation "Oskel" and application "Maprune"
// the root is HKEY_CURRENT_USER\Software\Oskel\Maprune on Windows (binary
// values there are raw REG_BINARY values, which QSettings itself does not
// write) and Qt's per-user file elsewhere, i.e. Oskel/Maprune.conf in the
// user's configuration folder. That file keeps no types, so a text is an
// Integer when the reader expects one and it is a decimal 32-bit number.
// Every change is written to disk at once.
class QSettingsStore final : public SettingsStore {
public:
    // The per-user store described above.
    QSettingsStore();
    // A store in the INI file `fileName`, whose root is kSettingsKey too.
    explicit QSettingsStore(const QString& fileName);
    ~QSettingsStore() override;

    bool OpenKey(const std::string& key) override;
    std::optional<StoredValue> Read(
        const std::string& key, const std::string& name, StoredType expected) const override;
    bool Write(const std::string& key, const std::string& name, const StoredValue& value) override;
    bool Delete(const std::string& key, const std::string& name) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;
    bool DeleteKey(const std::string& key) override;

    // Where the values are: the file name, or the registry path on Windows.
    QString Location() const;

private:
    std::unique_ptr<QSettings> Open() const;
    // The QSettings group of `key`, or nullopt when the key is not under the root.
    std::optional<QString> GroupOf(const std::string& key) const;
    // The QSettings key of value `name` of `key`, or nullopt when there is none.
    std::optional<QString> EntryOf(const std::string& key, const std::string& name) const;
    // Writes pending changes; false, and a fresh QSettings, when that failed.
    bool Sync();

    QString FFileName; // empty for the per-user store
    std::unique_ptr<QSettings> FSettings;
};

} // namespace maprune
