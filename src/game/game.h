// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's rules, reaching the window only through the Board: the picture
// catalogue, starting a game, the drop check and score, the hover preview and
// letter case. No widget is used here.

#include "game/board_map.h"
#include "game/ports.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

// The game's catalogue of a folder: its "*.jpg" names in directory order,
// then each theme's (themesIn) as "theme/name". For one theme, that theme's
// only.
void readCatalogue(Catalogue& catalogue, const std::string& pictureFolder, const std::string& theme = {});
// The names readCatalogue reads, in its order.
std::vector<std::string> catalogueNames(const std::string& pictureFolder, const std::string& theme = {});

// Which of the catalogue's words a deal takes.
struct DealRules {
    int longest = 0;       // words of at most this many characters; 0: any
    bool repeats = true;   // false: ten different words whenever there are ten
    bool operator==(const DealRules&) const = default;
};

// Words a deal begins with before it draws the others: the first `most` of
// these words (as the picture's name spells them, in any letter case) that
// the rules let it take, each once and in this order; a word the list lacks
// is passed over.
struct FirstWords {
    std::vector<std::string> words;
    int most = 0;
};

// How many of the catalogue's words the rules let a deal take.
int dealableCount(const Catalogue& catalogue, const DealRules& rules);

// The ten game words of a deal: the generator re-seeded, then each word drawn
// from the words the rules allow, so a word may come twice unless repeats are
// off and there are ten different words to draw (a word's pictures in two
// themes, or in two letter cases, are one word). With the default rules each draw is one
// uniform(count) over the whole catalogue. No word to draw deals ten empty
// words. The first words come before the drawn ones, which, without
// repeats, are others.
std::array<std::string, board_map::kWordsPerGame> dealWords(const Catalogue& catalogue, RandomSource& random,
                                                            const DealRules& rules = {},
                                                            const FirstWords& first = {});

// A worksheet's words: the deal's words each once, in their order, then
// others drawn from the words the rules allow, to ten different ones. A deal
// that cannot be made ten different words, or no deal yet, stays as it is.
std::array<std::string, board_map::kWordsPerGame> differentWords(
    const std::array<std::string, board_map::kWordsPerGame>& deal, const Catalogue& catalogue, RandomSource& random,
    const DealRules& rules);

// What a tile found on its slot.
struct Find {
    // The word as its slot now shows it.
    std::string word;
    // The found count, this word included.
    int count = 0;
    // The tenth word: the game is over and "GIOCA" is back.
    bool gameOver = false;
    // The path of the word's picture, beside which its recording may lie.
    std::string picture;
    bool operator==(const Find&) const = default;
};

class Game {
public:
    Game(Board& board, Catalogue& catalogue, RandomSource& random);

    // Reads the catalogue from the folder of the pictures, for the chosen
    // theme, whose game words then load their pictures from it.
    void buildCatalogue(const std::string& pictureFolder);
    const std::string& pictureFolder() const { return pictureFolder_; }
    // Another word list, or theme of it (empty: the whole list), for the
    // games to come: the next "GIOCA" reads the catalogue from it, while the
    // game in progress keeps its pictures.
    void chooseWordList(const std::string& pictureFolder) { chosenFolder_ = pictureFolder; }
    const std::string& chosenWordList() const { return chosenFolder_; }
    void chooseTheme(const std::string& theme) { chosenTheme_ = theme; }
    const std::string& chosenTheme() const { return chosenTheme_; }
    bool catalogueOutdated() const { return chosenFolder_ != pictureFolder_ || chosenTheme_ != theme_; }
    void setDealRules(const DealRules& rules) { rules_ = rules; }
    const DealRules& dealRules() const { return rules_; }
    // The words the next deals begin with.
    void dealFirst(FirstWords first) { first_ = std::move(first); }
    // The words a worksheet of this game shows: differentWords of the deal.
    std::array<std::string, board_map::kWordsPerGame> worksheetWords();

    // "GIOCA" clicked.
    void Panel35Click();
    // Drag over slot 1..10: accepts exactly when the dragged control is a panel.
    static bool SlotDragOver(bool draggedIsPanel) { return draggedIsPanel; }
    // Tile 1..10 dropped on slot 1..10: what it found, nothing when it does
    // not spell the slot's word.
    std::optional<Find> SlotDragDrop(int slot, int tile);
    // Mouse moving over slot or key cell of game word 1..10.
    void SlotMouseMove(int word);
    // The case box's click, after its state changed.
    void MaiuscoloMinuscoloClick();

    // Playing without holding a button down: a tile is picked up first and
    // put on a slot afterwards. Only a tile that canPick() can be picked;
    // true when tile 1..10 is picked now.
    bool pickTile(int tile);
    // Whether tile 1..10 still has a slot to go to: it holds letters, or it
    // holds the empty key of a word without letters (a picture named
    // ".jpg") while such a word is not found.
    bool canPick(int tile) const;
    void putBack() { picked_ = 0; }
    // The picked tile (1..10), 0 for none.
    int pickedTile() const { return picked_; }
    // The picked tile put on slot 1..10 with the very check of a drop; a
    // wrong slot leaves everything as it was and the tile still picked.
    std::optional<Find> dropPicked(int slot);
    // The first tile after tile 1..10, in a circle, that can be picked; 0
    // when none can.
    int nextTileToPick(int tile) const;

    const std::string& gameWord(int word) const { return words_.at(static_cast<size_t>(word - 1)); }
    const std::array<std::string, board_map::kWordsPerGame>& gameWords() const { return words_; }
    // The word whose picture is shown, as its slot shows it once found;
    // empty before the first deal.
    std::string previewedWord() const;
    // The path of the previewed word's picture; empty with no word previewed.
    std::string previewedPicture() const;
    int foundCount() const { return found_; }
    // The picture files that hovers over slots 2..10 of the game dealt will
    // load, in slot order, each once and without word 1's, which the deal
    // shows; the deal has them decoded ahead.
    std::vector<std::string> picturesToCome() const;

    // Loads the game word's picture and fits it: natural size centred when it
    // fits the container, scaled to the picture control when it does not.
    void ShowPicture(const std::string& gameWord);

    // The tile (1..10) that receives the key of game word 1..10 in each of
    // the five arrangements.
    static constexpr int kArrangementCount = 5;
    static const std::array<std::array<int, board_map::kWordsPerGame>, kArrangementCount> kArrangements;

private:
    std::string Recase(std::string_view text) const;
    void recasePanels(board_map::PanelRange panels);
    // Shows game word 1..10's picture. On failure the frame is emptied, and
    // the failure is raised only the first time in this game that the word
    // fails: a broken picture is told once, not at every mouse move.
    void showWordPicture(int word);

    Board& board_;
    Catalogue& catalogue_;
    RandomSource& random_;
    std::string pictureFolder_;
    std::string chosenFolder_;
    std::string theme_;
    std::string chosenTheme_;
    DealRules rules_;
    FirstWords first_;
    std::array<std::string, board_map::kWordsPerGame> words_;
    std::array<bool, board_map::kWordsPerGame> pictureFailed_{};
    int found_ = 0;
    int picked_ = 0;
    // Tiles emptied by a find, and words without letters still to find.
    std::array<bool, board_map::kWordsPerGame> placed_{};
    int wordsWithoutLettersLeft_ = 0;
    int previewed_ = 0;
};

}  // namespace brindolo
