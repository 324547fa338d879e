// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/class_info.h"

#include <algorithm>

namespace maprune {

namespace {

bool KeyBefore(std::string_view a, std::string_view b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

const PropertyInfo* Find(
    const ClassInfo& cls, const std::vector<ClassInfo::CRKey>& keys, std::string_view key)
{
    const auto found = std::lower_bound(keys.begin(), keys.end(), key,
        [](const ClassInfo::CRKey& entry, std::string_view k) { return KeyBefore(entry.Key, k); });
    if (found == keys.end() || found->Key != key)
        return nullptr;
    return &cls.Properties[found->Property];
}

} // namespace

const PropertyInfo* ClassInfo::FindCRValue(std::string_view key) const
{
    return Find(*this, CRValueKeys, key);
}

const PropertyInfo* ClassInfo::FindCRBlock(std::string_view block) const
{
    return Find(*this, CRBlockKeys, block);
}

void ClassInfo::IndexCRKeys()
{
    CRValueKeys.clear();
    CRBlockKeys.clear();
    for (size_t i = 0; i < Properties.size(); ++i) {
        const CRDescription& cr = Properties[i].CR;
        const bool block = cr.Form == CRForm::Block;
        if (cr.Form != CRForm::Value && cr.Form != CRForm::Appended && !block)
            continue;
        for (std::string_view key : cr.Keys) {
            if (!key.empty())
                (block ? CRBlockKeys : CRValueKeys).push_back({ key, static_cast<uint16_t>(i) });
        }
    }
    auto before = [](const CRKey& a, const CRKey& b) { return KeyBefore(a.Key, b.Key); };
    std::sort(CRValueKeys.begin(), CRValueKeys.end(), before);
    std::sort(CRBlockKeys.begin(), CRBlockKeys.end(), before);
}

} // namespace maprune
