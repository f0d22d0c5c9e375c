// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where everything lies on the board: the window's panels are numbered, and
// each number has one job. Code that picks a panel by its number takes the
// number from here. The window's design (app/design.cpp) lists the panels by
// name, "Panel1" .. "Panel35", as a form file does, and the click handlers
// keep the form's names (Panel31Click, Panel35Click): a panel given another
// job here needs the same change there.

#include <string>
#include <string_view>

namespace brindolo::board_map {

inline constexpr int kWordsPerGame = 10;
// Panel1 .. Panel35.
inline constexpr int kPanelCount = 35;

// Tile 1..10 carries a key the player drags.
constexpr int tile(int n) { return n; }
// Slot 1..10 takes the tile of game word 1..10 and previews that word.
constexpr int slot(int word) { return 10 + word; }
// Key cell 1..10 holds game word 1..10's key; it is never shown.
constexpr int keyCell(int word) { return 20 + word; }
inline constexpr int kHintBar = 31;
// The counter line: "HAI TROVATO", the count, "PAROLE".
inline constexpr int kCounterBefore = 32;
inline constexpr int kFoundCounter = 33;
inline constexpr int kCounterAfter = 34;
// GIOCA: starts a game, hidden while one is under way.
inline constexpr int kPlayButton = 35;

// Panels first .. last, both included.
struct PanelRange {
    int first;
    int last;
};
inline constexpr PanelRange kTiles{tile(1), tile(kWordsPerGame)};
// The two columns the player works in: the tiles, then the slots.
inline constexpr PanelRange kTilesAndSlots{tile(1), slot(kWordsPerGame)};
// The panel in row 1..10 of column 0 (the tiles) or 1 (the slots).
constexpr int inColumn(int column, int row) { return column == 0 ? tile(row) : slot(row); }
// Tiles, slots and key cells: what a new game enables and empties.
inline constexpr PanelRange kPlayingPanels{tile(1), keyCell(kWordsPerGame)};
// What a freshly dealt game recases besides the tiles.
inline constexpr PanelRange kKeysAndHint{keyCell(1), kHintBar};
// What the case box recases: the playing panels and the hint bar.
inline constexpr PanelRange kRecasedPanels{tile(1), kHintBar};

// "Panel<number>".
std::string panelName(int number);
// The number of "Panel1" .. "Panel35", written without leading zeros; any
// other name raises std::out_of_range.
int panelNumber(std::string_view name);

}  // namespace brindolo::board_map
