// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_store.h"

#include <utility>

namespace maprune {

StoredValue StoredValue::Integer(std::int32_t value)
{
    return { StoredType::Integer, value, {} };
}

StoredValue StoredValue::String(std::string text)
{
    return { StoredType::String, 0, std::move(text) };
}

StoredValue StoredValue::Binary(std::string bytes)
{
    return { StoredType::Binary, 0, std::move(bytes) };
}

StoredValue StoredValue::Other(std::string description)
{
    return { StoredType::Other, 0, std::move(description) };
}

std::string StoredTypeName(StoredType type)
{
    switch (type) {
    case StoredType::Integer:
        return "Ganzzahl";
    case StoredType::String:
        return "Zeichenkette";
    case StoredType::Binary:
        return "Binärdaten";
    case StoredType::Other:
        break;
    }
    return "unbekannter Typ";
}

} // namespace maprune
