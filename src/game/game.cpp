// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game.h"

#include "game/board_map.h"
#include "game/word_list.h"
#include "game/word_rules.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "system/logging.h"
#include "system/file_path.h"

#include <algorithm>
#include <exception>
#include <set>
#include <span>
#include <stdexcept>
#include <sys/stat.h>
#include <string>

namespace brindolo {

using namespace board_map;

const std::array<std::array<int, kWordsPerGame>, Game::kArrangementCount> Game::kArrangements{{
    {1, 2, 4, 3, 7, 6, 5, 9, 10, 8},
    {10, 8, 9, 3, 6, 5, 7, 4, 2, 1},
    {4, 3, 2, 1, 9, 6, 5, 8, 10, 7},
    {8, 5, 9, 6, 10, 7, 1, 2, 4, 3},
    {6, 7, 5, 2, 4, 3, 9, 10, 8, 1},
}};

std::vector<std::string> catalogueNames(const std::string& pictureFolder, const std::string& theme)
{
    std::vector<std::string> names;
    const auto appendFolder = [&](const std::string& prefix) {
        for (const std::string& name : searchDirectory(joinPath(pictureFolder, prefix), "*.jpg"))
            names.push_back(prefix + name);
    };
    if (!theme.empty()) {
        appendFolder(theme + "/");
        return names;
    }
    // One listing gives the pictures beside the themes and the themes.
    std::vector<std::string> themes;
    for (std::string& name : searchDirectory(pictureFolder, "*")) {
        if (wildcardMatch("*.jpg", name))
            names.push_back(std::move(name));
        else if (isTheme(pictureFolder, name))
            themes.push_back(std::move(name));
    }
    std::sort(themes.begin(), themes.end());
    for (const std::string& each : themes)
        appendFolder(each + "/");
    return names;
}

void readCatalogue(Catalogue& catalogue, const std::string& pictureFolder, const std::string& theme)
{
    catalogue.clear();
    for (const std::string& name : catalogueNames(pictureFolder, theme))
        catalogue.append(name);
}

namespace {

// The catalogue's indexes that the rules let a deal take.
std::vector<int> dealablePool(const Catalogue& catalogue, const DealRules& rules)
{
    std::vector<int> pool;
    for (int index = 0; index < catalogue.count(); ++index)
        if (rules.longest <= 0 || wordLength(catalogue.entry(index)) <= rules.longest)
            pool.push_back(index);
    return pool;
}

// What makes two pictures the same word: gatto.jpg in two themes, or
// Gatto.jpg beside gatto.jpg.
std::string sameWordForm(std::string_view gameWord)
{
    return caseInsensitiveForm(wordStem(gameWord));
}

size_t differentWordCount(const Catalogue& catalogue, const std::vector<int>& indexes)
{
    std::set<std::string> words;
    for (const int index : indexes)
        words.insert(sameWordForm(catalogue.entry(index)));
    return words.size();
}

}  // namespace

int dealableCount(const Catalogue& catalogue, const DealRules& rules)
{
    return static_cast<int>(dealablePool(catalogue, rules).size());
}

std::array<std::string, kWordsPerGame> dealWords(const Catalogue& catalogue, RandomSource& random,
                                                 const DealRules& rules, const FirstWords& first)
{
    random.reseed();
    // No index to draw: every game word stays empty.
    std::array<std::string, kWordsPerGame> words;
    std::vector<int> pool = dealablePool(catalogue, rules);
    if (pool.empty())
        return words;
    const bool different = !rules.repeats && differentWordCount(catalogue, pool) >= static_cast<size_t>(kWordsPerGame);
    size_t filled = 0;
    std::set<std::string> firstForms;
    const size_t mostFirst = static_cast<size_t>(std::clamp(first.most, 0, kWordsPerGame));
    for (const std::string& wanted : first.words) {
        const std::string form = sameWordForm(wanted);
        if (filled == mostFirst || firstForms.count(form) > 0)
            continue;
        const auto match = std::find_if(pool.begin(), pool.end(),
                                        [&](int index) { return sameWordForm(catalogue.entry(index)) == form; });
        if (match == pool.end())
            continue;
        firstForms.insert(form);
        words[filled++] = catalogue.entry(*match);
    }
    if (different)
        std::erase_if(pool, [&](int index) { return firstForms.count(sameWordForm(catalogue.entry(index))) > 0; });
    const auto rest = std::span(words).subspan(filled);
    if (!different) {
        for (std::string& word : rest)
            word = catalogue.entry(pool[static_cast<size_t>(random.uniform(static_cast<int>(pool.size())))]);
        return words;
    }
    // Ten different words: each drawn from the pictures whose word is not dealt yet.
    for (std::string& word : rest) {
        word = catalogue.entry(pool[static_cast<size_t>(random.uniform(static_cast<int>(pool.size())))]);
        const std::string dealt = sameWordForm(word);
        std::erase_if(pool, [&](int index) { return sameWordForm(catalogue.entry(index)) == dealt; });
    }
    return words;
}

std::array<std::string, kWordsPerGame> differentWords(const std::array<std::string, kWordsPerGame>& deal,
                                                      const Catalogue& catalogue, RandomSource& random,
                                                      const DealRules& rules)
{
    // No deal yet: nothing to print.
    if (std::all_of(deal.begin(), deal.end(), [](const std::string& word) { return word.empty(); }))
        return deal;
    std::array<std::string, kWordsPerGame> words;
    std::set<std::string> taken;
    size_t filled = 0;
    const auto add = [&](const std::string& word) {
        if (!word.empty() && filled < words.size() && taken.insert(sameWordForm(word)).second)
            words[filled++] = word;
    };
    for (const std::string& word : deal)
        add(word);
    std::vector<int> others = dealablePool(catalogue, rules);
    std::erase_if(others, [&](int index) { return taken.count(sameWordForm(catalogue.entry(index))) > 0; });
    while (filled < words.size() && !others.empty()) {
        const size_t at = static_cast<size_t>(random.uniform(static_cast<int>(others.size())));
        add(catalogue.entry(others[at]));
        others.erase(others.begin() + static_cast<long>(at));
    }
    return filled == words.size() ? words : deal;
}

Game::Game(Board& board, Catalogue& catalogue, RandomSource& random)
    : board_(board), catalogue_(catalogue), random_(random)
{
}

void Game::buildCatalogue(const std::string& pictureFolder)
{
    pictureFolder_ = pictureFolder;
    chosenFolder_ = pictureFolder;
    theme_ = chosenTheme_;
    readCatalogue(catalogue_, pictureFolder_, theme_);
}

std::array<std::string, kWordsPerGame> Game::worksheetWords()
{
    return differentWords(words_, catalogue_, random_, rules_);
}

std::string Game::Recase(std::string_view text) const
{
    return brindolo::Recase(text, board_.caseBoxChecked());
}

void Game::recasePanels(board_map::PanelRange panels)
{
    for (int number = panels.first; number <= panels.last; ++number)
        board_.setText(panelName(number), Recase(board_.text(panelName(number))));
}

void Game::ShowPicture(const std::string& gameWord)
{
    // Decoded no larger than the container needs, at its current size.
    const PictureSize container = board_.containerSize();
    const PictureSize picture = board_.loadPicture(picturePathFor(pictureFolder_, gameWord), container);
    // Too large a picture is scaled down whole, centred, keeping its shape
    // (the picture control scales in proportion).
    if (picture.width > container.width || picture.height > container.height)
        board_.setPictureFlags(true, true);
    else
        board_.setPictureFlags(false, true);
}

void Game::showWordPicture(int word)
{
    previewed_ = word;
    try {
        ShowPicture(gameWord(word));
    } catch (...) {
        // Whatever broke the picture (a bad file, or memory for a decode that
        // ran out) breaks this word's picture only. Never another word's
        // picture under this word's hint.
        board_.clearPicture();
        bool& failed = pictureFailed_.at(static_cast<size_t>(word - 1));
        if (failed) {
            // Told once per word and game; later failures only to the log.
            qCDebug(lcPicture) << "picture of word" << word << "failed again";
            return;
        }
        failed = true;
        throw;
    }
}

void Game::Panel35Click()
{
    if (catalogueOutdated())
        buildCatalogue(chosenFolder_);
    // A folder named at start that is not there: said as what it is, before
    // the board changes, so that the board stays as it was and another
    // language (and its words) can still be chosen.
    if (catalogue_.count() == 0) {
        struct stat folder {};
        if (::stat(pictureFolder_.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            throw Exception("There are no pictures (*.jpg) to play with: the folder " + pictureFolder_
                            + " does not exist");
    }
    pictureFailed_.fill(false);
    found_ = 0;
    picked_ = 0;
    placed_.fill(false);
    board_.setText(panelName(kFoundCounter), "0");
    for (int number = kPlayingPanels.first; number <= kPlayingPanels.last; ++number)
        board_.setEnabled(panelName(number), true);
    board_.setVisible(panelName(kPlayButton), false);
    for (int number = kPlayingPanels.first; number <= kPlayingPanels.last; ++number)
        board_.setText(panelName(number), "");

    words_ = dealWords(catalogue_, random_, rules_, first_);
    wordsWithoutLettersLeft_ = static_cast<int>(
        std::count_if(words_.begin(), words_.end(), [](const std::string& word) { return AnagramKey(word).empty(); }));

    // The other pictures decode in the background while word 1's does here.
    board_.prefetchPictures(picturesToCome(), board_.containerSize());

    board_.setText(panelName(kHintBar), rawHintText(words_[0]));
    for (int k = 1; k <= kWordsPerGame; ++k)
        board_.setText(panelName(keyCell(k)), AnagramKey(gameWord(k)));
    // A picture that cannot be shown must not keep the game from being
    // played: the deal completes, then the failure is told.
    std::exception_ptr pictureFailure;
    try {
        showWordPicture(1);
    } catch (...) {
        pictureFailure = std::current_exception();
    }

    random_.reseed();
    const auto& arrangement = kArrangements.at(static_cast<size_t>(random_.uniform(kArrangementCount)));
    for (int k = 1; k <= kWordsPerGame; ++k)
        board_.setText(panelName(tile(arrangement[static_cast<size_t>(k - 1)])), board_.text(panelName(keyCell(k))));

    recasePanels(kTiles);
    recasePanels(kKeysAndHint);
    if (pictureFailure)
        std::rethrow_exception(pictureFailure);
}

std::vector<std::string> Game::picturesToCome() const
{
    std::vector<std::string> paths;
    const std::string shown = picturePathFor(pictureFolder_, words_[0]);
    for (int k = 2; k <= kWordsPerGame; ++k) {
        std::string path = picturePathFor(pictureFolder_, gameWord(k));
        if (!gameWord(k).empty() && path != shown && std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(std::move(path));
    }
    return paths;
}

std::optional<Find> Game::SlotDragDrop(int slotNumber, int tileNumber)
{
    if (tileNumber < 1 || tileNumber > kWordsPerGame)
        throw std::out_of_range("No tile " + std::to_string(tileNumber));
    const std::string& word = gameWord(slotNumber);
    const std::string key = AnagramKey(word);
    const std::string source = panelName(tile(tileNumber));
    const std::string target = panelName(slot(slotNumber));
    board_.setText(target, board_.text(source));
    if (caseInsensitiveForm(board_.text(target)) != caseInsensitiveForm(key)) {
        board_.setText(target, "");
        return std::nullopt;
    }
    ++found_;
    board_.setText(panelName(kFoundCounter), std::to_string(found_));
    const Find find{Recase(wordStem(word)), found_, found_ == kWordsPerGame, picturePathFor(pictureFolder_, word)};
    if (find.gameOver)
        board_.setVisible(panelName(kPlayButton), true);
    board_.setEnabled(target, false);
    board_.setText(source, "");
    board_.setText(target, find.word);
    placed_.at(static_cast<size_t>(tileNumber - 1)) = true;
    if (key.empty())
        --wordsWithoutLettersLeft_;
    // A tile left without letters can no longer be carried.
    if (picked_ == tileNumber)
        picked_ = 0;
    return find;
}

bool Game::pickTile(int tileNumber)
{
    picked_ = canPick(tileNumber) ? tileNumber : 0;
    return picked_ != 0;
}

bool Game::canPick(int tileNumber) const
{
    if (!board_.text(panelName(tile(tileNumber))).empty())
        return true;
    return !placed_.at(static_cast<size_t>(tileNumber - 1)) && wordsWithoutLettersLeft_ > 0;
}

std::optional<Find> Game::dropPicked(int slotNumber)
{
    if (picked_ == 0)
        return std::nullopt;
    return SlotDragDrop(slotNumber, picked_);
}

int Game::nextTileToPick(int tileNumber) const
{
    for (int step = 1; step <= kWordsPerGame; ++step) {
        const int next = (tileNumber - 1 + step) % kWordsPerGame + 1;
        if (canPick(next))
            return next;
    }
    return 0;
}

void Game::SlotMouseMove(int word)
{
    board_.setText(panelName(kHintBar), brindolo::HintText(gameWord(word), board_.caseBoxChecked()));
    showWordPicture(word);
}

std::string Game::previewedWord() const
{
    return previewed_ == 0 ? std::string() : Recase(wordStem(gameWord(previewed_)));
}

std::string Game::previewedPicture() const
{
    return previewed_ == 0 ? std::string() : picturePathFor(pictureFolder_, gameWord(previewed_));
}

void Game::MaiuscoloMinuscoloClick()
{
    recasePanels(kRecasedPanels);
}

}  // namespace brindolo
