// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/order_words.h"

#include <algorithm>

#include "core/model_text.h"
#include "model/game_data.h"

namespace maprune {

OrderVocabulary::OrderVocabulary()
{
    GameData& game = GameDataInstance();
    for (size_t i = 0; i < game.Count(); ++i) {
        const GameRecord& record = game.Record(i);
        if (record.Kind() != KindCommand)
            continue;
        std::string_view names = record.Names;
        while (!names.empty()) {
            const size_t bar = std::min(names.find('|'), names.size());
            if (bar > 0)
                FCommands.push_back(FoldedText(names.substr(0, bar)));
            names.remove_prefix(std::min(bar + 1, names.size()));
        }
    }
}

bool OrderVocabulary::IsCommand(const std::u32string& word) const
{
    constexpr size_t kShortest = 3;
    for (const std::u32string& command : FCommands) {
        if (word.starts_with(command) || (word.size() >= kShortest && command.starts_with(word)))
            return true;
    }
    return false;
}

OrderLineKind OrderVocabulary::Classify(std::string_view line) const
{
    OrderLineKind kind;
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return kind;
    if (line[start] == ';' || line.substr(start).starts_with("//")) {
        kind.Is = OrderLineKind::Comment;
        kind.WordStart = start;
        kind.WordLength = line.size() - start;
        return kind;
    }
    if (line[start] == '@')
        ++start;
    const size_t end = std::min(line.find_first_of(" \t", start), line.size());
    kind.WordStart = start;
    kind.WordLength = end - start;
    const std::u32string word = FoldedText(line.substr(start, end - start));
    kind.Is = IsCommand(word) ? OrderLineKind::Command : OrderLineKind::Unknown;
    return kind;
}

} // namespace maprune
