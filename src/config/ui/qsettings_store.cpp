// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/qsettings_store.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

#include <QByteArray>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include "config/settings.h"
#include "config/text_case.h"
#ifdef Q_OS_WIN
// QSettings writes a byte array to the registry as a text "@ByteArray(...)"
// and reads a raw binary value as text: binary settings bypass it there.
#include "platform/windows/registry.h"
#endif

namespace maprune {

namespace {

std::optional<std::int32_t> ParseInt32(const std::string& text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

// A 64-bit registry number fits an integer setting only when it is small enough.
StoredValue FromWideInteger(qlonglong value)
{
    if (value >= std::numeric_limits<std::int32_t>::min()
        && value <= std::numeric_limits<std::int32_t>::max())
        return StoredValue::Integer(static_cast<std::int32_t>(value));
    return StoredValue::Other("Zahl mit mehr als 32 Bit");
}

} // namespace

QSettingsStore::QSettingsStore()
    : FSettings(Open())
{
}

QSettingsStore::QSettingsStore(const QString& fileName)
    : FFileName(fileName)
    , FSettings(Open())
{
}

QSettingsStore::~QSettingsStore() = default;

std::unique_ptr<QSettings> QSettingsStore::Open() const
{
    auto settings = FFileName.isEmpty()
        ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
            QStringLiteral("Oskel"), QStringLiteral("Maprune"))
        : std::make_unique<QSettings>(FFileName, QSettings::IniFormat);
    // Only the user's own values count, not an organisation-wide or system file.
    settings->setFallbacksEnabled(false);
    return settings;
}

QString QSettingsStore::Location() const
{
    return FSettings->fileName();
}

std::optional<QString> QSettingsStore::GroupOf(const std::string& key) const
{
    const std::string_view root = kSettingsKey;
    if (key.size() < root.size() || !EqualsIgnoringAsciiCase(key.substr(0, root.size()), root))
        return std::nullopt;
    if (key.size() == root.size())
        return QString();
    if (key[root.size()] != '\\')
        return std::nullopt;
    const QStringList parts = QString::fromStdString(key.substr(root.size() + 1)).split('\\');
    for (const QString& part : parts) {
        if (part.isEmpty() || part.contains('/'))
            return std::nullopt;
    }
    return parts.join('/');
}

std::optional<QString> QSettingsStore::EntryOf(
    const std::string& key, const std::string& name) const
{
    const std::optional<QString> group = GroupOf(key);
    const QString valueName = QString::fromStdString(name);
    if (!group || valueName.isEmpty() || valueName.contains('/') || valueName.contains('\\'))
        return std::nullopt;
    return group->isEmpty() ? valueName : *group + '/' + valueName;
}

bool QSettingsStore::Sync()
{
    FSettings->sync();
    if (FSettings->status() != QSettings::AccessError)
        return true;
    // The error sticks to a QSettings object; a fresh one lets later changes succeed.
    FSettings = Open();
    return false;
}

bool QSettingsStore::OpenKey(const std::string& key)
{
    return GroupOf(key).has_value();
}

std::optional<StoredValue> QSettingsStore::Read(
    const std::string& key, const std::string& name, StoredType expected) const
{
    const std::optional<QString> entry = EntryOf(key, name);
    if (!entry)
        return std::nullopt;
#ifdef Q_OS_WIN
    if (FFileName.isEmpty()) {
        if (auto bytes = ReadRegistryBinary(key, name))
            return StoredValue::Binary(std::move(*bytes));
    }
#endif
    const QVariant value = FSettings->value(*entry);
    if (!value.isValid())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return StoredValue::Binary(
            std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    case QMetaType::Int:
        return StoredValue::Integer(value.toInt());
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
        const qulonglong number = value.toULongLong();
        return FromWideInteger(
            number > static_cast<qulonglong>(std::numeric_limits<qlonglong>::max())
                ? std::numeric_limits<qlonglong>::max()
                : static_cast<qlonglong>(number));
    }
    case QMetaType::LongLong:
        return FromWideInteger(value.toLongLong());
    case QMetaType::QString: {
        std::string text = value.toString().toStdString();
        if (expected == StoredType::Integer) {
            if (const auto number = ParseInt32(text))
                return StoredValue::Integer(*number);
        }
        return StoredValue::String(std::move(text));
    }
    case QMetaType::QStringList:
        return StoredValue::Other("Liste");
    default:
        return StoredValue::Other(std::string("Wert vom Typ ") + value.typeName());
    }
}

bool QSettingsStore::Write(
    const std::string& key, const std::string& name, const StoredValue& value)
{
    const std::optional<QString> entry = EntryOf(key, name);
    if (!entry)
        return false;
    switch (value.type) {
    case StoredType::Integer:
        FSettings->setValue(*entry, static_cast<int>(value.integer));
        break;
    case StoredType::String:
        FSettings->setValue(*entry, QString::fromStdString(value.data));
        break;
    case StoredType::Binary:
#ifdef Q_OS_WIN
        if (FFileName.isEmpty())
            return WriteRegistryBinary(key, name, value.data);
#endif
        FSettings->setValue(
            *entry, QByteArray(value.data.data(), static_cast<qsizetype>(value.data.size())));
        break;
    case StoredType::Other:
        return false;
    }
    return Sync();
}

bool QSettingsStore::Delete(const std::string& key, const std::string& name)
{
    const std::optional<QString> entry = EntryOf(key, name);
    if (!entry)
        return false;
    if (!FSettings->contains(*entry))
        return true;
    FSettings->remove(*entry);
    return Sync();
}

std::vector<std::string> QSettingsStore::ValueNames(const std::string& key) const
{
    std::vector<std::string> names;
    const std::optional<QString> group = GroupOf(key);
    if (!group)
        return names;
    FSettings->beginGroup(*group);
    for (const QString& name : FSettings->childKeys())
        names.push_back(name.toStdString());
    FSettings->endGroup();
    return names;
}

bool QSettingsStore::DeleteKey(const std::string& key)
{
    const std::optional<QString> group = GroupOf(key);
    if (!group || group->isEmpty())
        return false;
    FSettings->remove(*group);
    return Sync();
}

} // namespace maprune
