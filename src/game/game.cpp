#include "game/game.h"

#include "game/text_rules.h"
#include "platform/directory_search.h"
#include "platform/errors.h"

#include <exception>
#include <string>

namespace brindolo {

namespace {

std::string panel(int number)
{
    return "Panel" + std::to_string(number);
}

std::string tile(int n)
{
    return panel(n);
}

std::string slot(int k)
{
    return panel(10 + k);
}

std::string keyCell(int k)
{
    return panel(20 + k);
}

const std::string kHintBar = "Panel31";
const std::string kFoundCounter = "Panel33";
const std::string kPlayButton = "Panel35";
constexpr int kWordsPerGame = 10;

}  // namespace

const std::array<std::array<int, 10>, Game::kArrangementCount> Game::kArrangements{{
    {1, 2, 4, 3, 7, 6, 5, 9, 10, 8},
    {10, 8, 9, 3, 6, 5, 7, 4, 2, 1},
    {4, 3, 2, 1, 9, 6, 5, 8, 10, 7},
    {8, 5, 9, 6, 10, 7, 1, 2, 4, 3},
    {6, 7, 5, 2, 4, 3, 9, 10, 8, 1},
}};

Game::Game(Board& board, Catalogue& catalogue, RandomSource& random)
    : board_(board), catalogue_(catalogue), random_(random)
{
}

void Game::buildCatalogue(const std::string& pictureFolder)
{
    pictureFolder_ = pictureFolder;
    chosenFolder_ = pictureFolder;
    catalogue_.clear();
    for (const std::string& name : searchDirectory(pictureFolder_, "*.jpg"))
        catalogue_.append(name);
}

std::string Game::Recase(std::string_view text) const
{
    return brindolo::Recase(text, board_.caseBoxChecked());
}

void Game::recasePanels(int first, int last)
{
    for (int number = first; number <= last; ++number)
        board_.setText(panel(number), Recase(board_.text(panel(number))));
}

void Game::ShowPicture(const std::string& gameWord)
{
    const PictureSize picture = board_.loadPicture(PicturePath(pictureFolder_, gameWord));
    const PictureSize container = board_.containerSize();
    // Too large a picture is scaled down whole, centred, keeping its shape
    // (the picture control scales in proportion).
    if (picture.width > container.width || picture.height > container.height)
        board_.setPictureFlags(true, true);
    else
        board_.setPictureFlags(false, true);
}

void Game::showWordPicture(int word)
{
    try {
        ShowPicture(gameWord(word));
    } catch (const Exception&) {
        // Never another word's picture under this word's hint.
        board_.clearPicture();
        bool& failed = pictureFailed_.at(static_cast<size_t>(word - 1));
        if (failed)
            return;
        failed = true;
        throw;
    }
}

void Game::Panel35Click()
{
    if (catalogueOutdated())
        buildCatalogue(chosenFolder_);
    pictureFailed_.fill(false);
    found_ = 0;
    board_.setText(kFoundCounter, "0");
    for (int number = 1; number <= 30; ++number)
        board_.setEnabled(panel(number), true);
    board_.setVisible(kPlayButton, false);
    for (int number = 1; number <= 30; ++number)
        board_.setText(panel(number), "");

    random_.reseed();
    // An empty catalogue has no index to draw: every game word stays empty.
    const int count = catalogue_.count();
    for (std::string& word : words_)
        word = count > 0 ? catalogue_.entry(random_.uniform(count)) : std::string();

    board_.setText(kHintBar, RawHintText(words_[0]));
    for (int k = 1; k <= kWordsPerGame; ++k)
        board_.setText(keyCell(k), AnagramKey(gameWord(k)));
    // A picture that cannot be shown must not keep the game from being
    // played: the deal completes, then the failure is told.
    std::exception_ptr pictureFailure;
    try {
        showWordPicture(1);
    } catch (const Exception&) {
        pictureFailure = std::current_exception();
    }

    random_.reseed();
    const auto& arrangement = kArrangements.at(static_cast<size_t>(random_.uniform(kArrangementCount)));
    for (int k = 1; k <= kWordsPerGame; ++k)
        board_.setText(tile(arrangement[static_cast<size_t>(k - 1)]), board_.text(keyCell(k)));

    recasePanels(1, 10);
    recasePanels(21, 31);
    if (pictureFailure)
        std::rethrow_exception(pictureFailure);
}

void Game::SlotDragDrop(int slotNumber, std::string_view source)
{
    const std::string& word = gameWord(slotNumber);
    const std::string key = AnagramKey(word);
    const std::string target = slot(slotNumber);
    board_.setText(target, board_.text(source));
    if (CaseInsensitiveForm(board_.text(target)) != CaseInsensitiveForm(key)) {
        board_.setText(target, "");
        return;
    }
    ++found_;
    board_.setText(kFoundCounter, std::to_string(found_));
    if (found_ == kWordsPerGame)
        board_.setVisible(kPlayButton, true);
    board_.setEnabled(target, false);
    board_.setText(source, "");
    board_.setText(target, Recase(Stem(word)));
}

void Game::SlotMouseMove(int word)
{
    board_.setText(kHintBar, brindolo::HintText(gameWord(word), board_.caseBoxChecked()));
    showWordPicture(word);
}

void Game::MaiuscoloMinuscoloClick()
{
    recasePanels(1, 31);
}

}  // namespace brindolo
