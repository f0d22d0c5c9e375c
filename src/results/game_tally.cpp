// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/game_tally.h"

#include "game/word_rules.h"

#include <algorithm>

namespace brindolo {

void GameTally::dealt(std::string wordList, const std::array<std::string, board_map::kWordsPerGame>& words)
{
    underWay_ = true;
    result_ = GameResult{};
    result_.dealt = now_();
    result_.wordList = std::move(wordList);
    words_ = words;
    result_.words.assign(words.begin(), words.end());
    found_.fill(false);
}

void GameTally::dropped(int slot, bool found, std::string_view letters)
{
    if (!underWay_)
        return;
    if (!found) {
        ++result_.wrongDrops;
        // The word the letters spell: the tile shows its sorted letters,
        // in the case the board shows.
        const std::string key = caseInsensitiveForm(letters);
        const auto word = std::find_if(words_.begin(), words_.end(), [&](const std::string& each) {
            return caseInsensitiveForm(AnagramKey(each)) == key;
        });
        if (word != words_.end())
            result_.mixUps.emplace_back(*word, words_.at(static_cast<size_t>(slot - 1)));
        return;
    }
    bool& slotFound = found_.at(static_cast<size_t>(slot - 1));
    if (slotFound)
        return;
    slotFound = true;
    ++result_.found;
    lastFind_ = now_();
}

std::optional<GameResult> GameTally::take()
{
    if (!underWay_)
        return std::nullopt;
    underWay_ = false;
    if (result_.found > 0)
        result_.seconds =
            static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(lastFind_ - result_.dealt).count());
    for (size_t k = 0; k < words_.size(); ++k)
        if (!found_[k])
            result_.missed.push_back(words_[k]);
    return result_;
}

}  // namespace brindolo
