#pragma once
// The game's rules, reaching the window only through the Board: the picture
// catalogue, starting a game, the drop check and score, the hover preview and
// letter case. No widget is used here.

#include "platform/board.h"

#include <array>
#include <string>
#include <string_view>

namespace brindolo {

class Game {
public:
    Game(Board& board, Catalogue& catalogue, RandomSource& random);

    // The catalogue part of FormCreate: programFolder ends with "/".
    void buildCatalogue(const std::string& programFolder);
    const std::string& programFolder() const { return programFolder_; }

    // "GIOCA" clicked.
    void Panel35Click();
    // Drag over slot 1..10: accepts exactly when the dragged control is a panel.
    static bool SlotDragOver(bool draggedIsPanel) { return draggedIsPanel; }
    // A tile (by control name, "Panel1".."Panel10") dropped on slot 1..10.
    void SlotDragDrop(int slot, std::string_view source);
    // Mouse moving over slot or key cell of game word 1..10.
    void SlotMouseMove(int word);
    // The case box's click, after its state changed.
    void MaiuscoloMinuscoloClick();

    const std::string& gameWord(int word) const { return words_.at(static_cast<size_t>(word - 1)); }
    int foundCount() const { return found_; }

    // Loads the game word's picture and fits it: natural size centred when it
    // fits the container, stretched to the picture control when it does not.
    void ShowPicture(const std::string& gameWord);

    // The tile (1..10) that receives the key of game word 1..10 in each of
    // the five arrangements.
    static constexpr int kArrangementCount = 5;
    static const std::array<std::array<int, 10>, kArrangementCount> kArrangements;

private:
    std::string Recase(std::string_view text) const;
    void recasePanels(int first, int last);

    Board& board_;
    Catalogue& catalogue_;
    RandomSource& random_;
    std::string programFolder_;
    std::array<std::string, 10> words_;
    int found_ = 0;
};

}  // namespace brindolo
