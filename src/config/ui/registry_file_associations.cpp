// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/file_associations.h"

#include <QDir>

#include "core/error.h"
#include "platform/windows/registry_file_associations.h"

namespace maprune {

namespace {

class RegistryFileAssociations final : public FileAssociations {
public:
    explicit RegistryFileAssociations(const QString& programPath)
        : FProgram(QDir::toNativeSeparators(programPath).toStdString())
    {
    }

    bool IsAssociated(const QString& extension) override
    {
        const std::optional<RegistryFileType> type = TypeOf(extension);
        return type && IsRegistryAssociated(*type, FProgram);
    }

    void SetAssociated(const QString& extension, bool associated) override
    {
        const std::optional<RegistryFileType> type = TypeOf(extension);
        if (!type)
            throw Error("Unbekannter Dateityp: " + extension.toStdString());
        SetRegistryAssociated(*type, FProgram, associated);
    }

private:
    static std::optional<RegistryFileType> TypeOf(const QString& extension)
    {
        for (const AssociableFileType& type : AssociableFileTypes()) {
            if (type.extension == extension)
                return RegistryFileType { type.extension.toStdString(),
                    type.description.toStdString(), type.iconIndex };
        }
        return std::nullopt;
    }

    std::string FProgram;
};

} // namespace

std::unique_ptr<FileAssociations> CreateDesktopFileAssociations(const QString& programPath)
{
    return std::make_unique<RegistryFileAssociations>(programPath);
}

} // namespace maprune
