// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/game_tally.h"

namespace brindolo {

void GameTally::dealt(std::string wordList, const std::array<std::string, board_map::kWordsPerGame>& words)
{
    underWay_ = true;
    result_ = GameResult{};
    result_.dealt = now_();
    result_.wordList = std::move(wordList);
    words_ = words;
    found_.fill(false);
}

void GameTally::dropped(int slot, bool found)
{
    if (!underWay_)
        return;
    if (!found) {
        ++result_.wrongDrops;
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
