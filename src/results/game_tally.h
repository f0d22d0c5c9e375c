// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How one game went, for a school that records its pupils' results: fed by
// the window with the deal and each drop, read when the game ends or is left.

#include "game/board_map.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brindolo {

struct GameResult {
    std::chrono::system_clock::time_point dealt;
    // The word list's folder name, or the theme's name where a theme was
    // chosen.
    std::string wordList;
    int found = 0;
    int wrongDrops = 0;
    // From the deal to the last find; none when nothing was found.
    std::optional<int> seconds;
    // The words not found, in slot order.
    std::vector<std::string> missed;
    // The ten words dealt, in slot order.
    std::vector<std::string> words;
    // Each wrong drop: the word whose letters were dropped, then the word
    // whose picture they were dropped on.
    std::vector<std::pair<std::string, std::string>> mixUps;
};

class GameTally {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    explicit GameTally(Clock now = [] { return std::chrono::system_clock::now(); }) : now_(std::move(now)) {}

    // A new game of these words (as they are shown once found).
    void dealt(std::string wordList, const std::array<std::string, board_map::kWordsPerGame>& words);
    // A tile showing letters dropped on slot 1..10, spelling its word or
    // not.
    void dropped(int slot, bool found, std::string_view letters);
    // The game dealt and not yet taken: its result, which only the next deal
    // starts again; nothing when no game is under way.
    std::optional<GameResult> take();

private:
    Clock now_;
    bool underWay_ = false;
    GameResult result_;
    std::chrono::system_clock::time_point lastFind_;
    std::array<std::string, board_map::kWordsPerGame> words_;
    std::array<bool, board_map::kWordsPerGame> found_{};
};

}  // namespace brindolo
