// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/board_map.h"
#include "game/clock_random.h"
#include "game/game.h"
#include "game/word_rules.h"
#include "support/memory_board.h"
#include "game/name_catalogue.h"
#include "support/scripted_random.h"
#include "system/errors.h"

#include <gtest/gtest.h>
#include <new>

#include <set>

namespace brindolo {
namespace {

const std::vector<std::string> kTenWords = {"cat.jpg",  "dog.jpg",  "sun.jpg",  "tree.jpg", "fish.jpg",
                                            "bird.jpg", "moon.jpg", "star.jpg", "lion.jpg", "frog.jpg"};

// For each arrangement, the game word whose key tile 1..10 shows.
constexpr int kWordOnTile[5][10] = {
    {1, 2, 4, 3, 7, 6, 5, 10, 8, 9}, {10, 9, 4, 8, 6, 5, 7, 2, 3, 1}, {4, 3, 2, 1, 7, 6, 10, 8, 5, 9},
    {7, 8, 10, 9, 2, 4, 6, 1, 3, 5}, {10, 4, 6, 5, 3, 1, 2, 9, 7, 8},
};

using namespace board_map;

class GameTest : public ::testing::Test {
protected:
    // A program folder without a picture folder, so the catalogue starts
    // empty and each test fills it.
    GameTest() { game.buildCatalogue("/no/such/prog/immagini/"); }

    // A catalogue of the given names with game words 1..10 drawn at the
    // given indices and the given arrangement.
    void start(const std::vector<std::string>& names, std::vector<int> draws, int arrangement)
    {
        catalogue.clear();
        for (const std::string& name : names)
            catalogue.append(name);
        for (int index : draws)
            random.push(index);
        random.push(arrangement);
        game.Panel35Click();
    }

    // The tile (1..10) that currently shows the given text, 0 for none.
    int tileShowing(const std::string& text) const
    {
        for (int n = 1; n <= kWordsPerGame; ++n)
            if (board.text(panelName(tile(n))) == text)
                return n;
        return 0;
    }
    std::string tileText(int n) const { return board.text(panelName(tile(n))); }

    MemoryBoard board;
    NameCatalogue catalogue;
    ScriptedRandom random;
    Game game{board, catalogue, random};
};

TEST_F(GameTest, WholeGameToTheTenthWordThenASecondGame)
{
    start(kTenWords, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 3);

    EXPECT_EQ(random.calls(), (std::vector<std::string>{"reseed", "uniform(10)", "uniform(10)", "uniform(10)",
                                                        "uniform(10)", "uniform(10)", "uniform(10)", "uniform(10)",
                                                        "uniform(10)", "uniform(10)", "uniform(10)", "reseed",
                                                        "uniform(5)"}));
    EXPECT_EQ(board.text(panelName(kHintBar)), "C_____");
    EXPECT_EQ(board.pictureRequests(), std::vector<std::string>{"/no/such/prog/immagini/cat.jpg"});
    EXPECT_EQ(board.text(panelName(kFoundCounter)), "0");
    EXPECT_FALSE(board.panel(kPlayButton).visible);
    EXPECT_EQ(board.text(panelName(keyCell(1))), "ACT");
    EXPECT_EQ(board.text(panelName(keyCell(4))), "EERT");
    for (int n = tile(1); n <= slot(kWordsPerGame); ++n)
        EXPECT_TRUE(board.panel(n).enabled) << n;

    for (int k = 1; k <= kWordsPerGame; ++k) {
        const int tileNumber = tileShowing(upperCase(AnagramKey(kTenWords[k - 1])));
        ASSERT_NE(tileNumber, 0) << k;
        EXPECT_FALSE(board.panel(kPlayButton).visible) << "before word " << k;
        EXPECT_EQ(game.SlotDragDrop(k, tileNumber), (Find{upperCase(wordStem(kTenWords[k - 1])), k, k == 10,
                                                          "/no/such/prog/immagini/" + std::string(kTenWords[k - 1])}));
        EXPECT_EQ(game.foundCount(), k);
        EXPECT_EQ(board.text(panelName(kFoundCounter)), std::to_string(k));
        EXPECT_EQ(board.text(panelName(slot(k))), upperCase(wordStem(kTenWords[k - 1])));
        EXPECT_FALSE(board.panel(slot(k)).enabled);
        EXPECT_EQ(tileText(tileNumber), "");
        EXPECT_TRUE(board.panel(tile(tileNumber)).enabled);
    }
    EXPECT_TRUE(board.panel(kPlayButton).visible);

    start(kTenWords, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}, 0);
    EXPECT_EQ(board.text(panelName(kFoundCounter)), "0");
    EXPECT_EQ(game.foundCount(), 0);
    EXPECT_FALSE(board.panel(kPlayButton).visible);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(board.text(panelName(tile(n))), "FGOR") << n;
        EXPECT_TRUE(board.panel(slot(n)).enabled) << n;
        EXPECT_EQ(board.text(panelName(slot(n))), "") << n;
    }
}

TEST_F(GameTest, EveryArrangementDealsEachKeyToItsTile)
{
    for (int arrangement = 0; arrangement < 5; ++arrangement) {
        start(kTenWords, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, arrangement);
        for (int n = 1; n <= 10; ++n) {
            const std::string& word = kTenWords[static_cast<size_t>(kWordOnTile[arrangement][n - 1] - 1)];
            EXPECT_EQ(board.text(panelName(tile(n))), upperCase(AnagramKey(word))) << arrangement << " tile " << n;
        }
        // Right after the start, the hint and the picture are game word 1's.
        EXPECT_EQ(board.text(panelName(kHintBar)), "C_____");
        EXPECT_EQ(board.pictureRequests().back(), "/no/such/prog/immagini/cat.jpg");
    }
}

TEST_F(GameTest, WrongDropsAndEmptiedTiles)
{
    start({"cat.jpg", "dog.jpg", ".jpg"}, {0, 1, 2, 0, 0, 0, 0, 0, 0, 0}, 0);
    const int dogTile = tileShowing("DGO");
    const int catTile = tileShowing("ACT");

    EXPECT_EQ(game.SlotDragDrop(1, dogTile), std::nullopt);
    EXPECT_EQ(board.text(panelName(slot(1))), "");
    EXPECT_TRUE(board.panel(slot(1)).enabled);
    EXPECT_EQ(tileText(dogTile), "DGO");
    EXPECT_EQ(board.text(panelName(kFoundCounter)), "0");

    // Key case never matters: a tile recased by hand is still accepted.
    board.setText(panelName(tile(catTile)), "aCt");
    game.SlotDragDrop(1, catTile);
    EXPECT_EQ(game.foundCount(), 1);
    EXPECT_EQ(tileText(catTile), "");

    // The emptied tile is refused wherever the key is not empty...
    EXPECT_FALSE(game.canPick(catTile));
    EXPECT_TRUE(game.canPick(4)) << "the empty key of word 3";
    game.SlotDragDrop(2, catTile);
    EXPECT_EQ(board.text(panelName(slot(2))), "");
    EXPECT_EQ(game.foundCount(), 1);
    // ...and counts on the slot of a word whose stem is empty.
    game.SlotDragDrop(3, catTile);
    EXPECT_EQ(game.foundCount(), 2);
    EXPECT_FALSE(board.panel(slot(3)).enabled);
    EXPECT_EQ(board.text(panelName(slot(3))), "");
    EXPECT_FALSE(game.pickTile(4)) << "no word without letters is left";
}

TEST_F(GameTest, EqualKeysAreAcceptedOnEachOthersSlots)
{
    // cat drawn twice and its anagram act: three slots with one key.
    start({"cat.jpg", "act.jpg", "dog.jpg"}, {0, 1, 0, 2, 2, 2, 2, 2, 2, 2}, 0);
    EXPECT_EQ(game.gameWord(1), game.gameWord(3));
    game.SlotDragDrop(2, tile(1));  // tile 1 carries game word 1's key
    game.SlotDragDrop(3, tile(2));
    game.SlotDragDrop(1, tile(4));
    EXPECT_EQ(game.foundCount(), 3);
    EXPECT_EQ(board.text(panelName(slot(1))), "CAT");
    EXPECT_EQ(board.text(panelName(slot(2))), "ACT");
    EXPECT_EQ(board.text(panelName(slot(3))), "CAT");
}

TEST_F(GameTest, OnePictureFillsEveryWord)
{
    start({"Banana.jpg"}, {}, 4);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(game.gameWord(k), "Banana.jpg");
        EXPECT_EQ(board.text(panelName(tile(k))), "AAABNN");
        EXPECT_EQ(board.text(panelName(keyCell(k))), "AAABNN");
    }
    EXPECT_EQ(random.calls()[1], "uniform(1)");
}

TEST_F(GameTest, ABrokenFirstPictureStillDealsAndEmptiesTheFrame)
{
    start({"dog.jpg"}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0);
    ASSERT_TRUE(board.pictureShown());
    board.setPictureLoader([](const std::string& path) -> PictureSize {
        throw EFOpenError("Cannot open file " + path);
    });

    EXPECT_THROW(start({"Cat.jpg"}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0), EFOpenError);
    EXPECT_EQ(random.reseedCount(), 4) << "the deal goes on past the picture";
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(board.panel(n).enabled);
        EXPECT_EQ(board.text(panelName(tile(n))), "ACT") << n;
        EXPECT_EQ(board.text(panelName(keyCell(n))), "ACT") << n;
    }
    EXPECT_EQ(board.text("Panel31"), "C_____");
    EXPECT_EQ(board.text("Panel33"), "0");
    EXPECT_FALSE(board.panel("Panel35").visible);
    EXPECT_FALSE(board.pictureShown()) << "the previous game's picture stays on screen";

    // A decode that runs out of memory breaks its picture as a bad file does.
    board.setPictureLoader([](const std::string&) -> PictureSize { throw std::bad_alloc(); });
    EXPECT_THROW(start({"dog.jpg"}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0), std::bad_alloc);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(board.text(panelName(tile(n))), "DGO") << n;
    EXPECT_NO_THROW(game.SlotMouseMove(1)) << "told once";
    EXPECT_FALSE(board.pictureShown());

    // No folder at all: told before the board changes, which stays playable
    // from GIOCA (an empty folder that is there deals empty words).
    board.setVisible("Panel35", true);
    EXPECT_THROW(start({}, {}, 0), Exception);
    EXPECT_EQ(board.pictureRequests().back(), "/no/such/prog/immagini/dog.jpg");
    EXPECT_EQ(board.text("Panel31"), "D_____");
    EXPECT_TRUE(board.panel("Panel35").visible);
}

TEST_F(GameTest, PictureFitsTheContainerOrIsStretched)
{
    catalogue.append("cat.jpg");
    const auto showWithSize = [&](PictureSize size) {
        board.setPictureLoader([size](const std::string&) { return size; });
        game.ShowPicture("cat.jpg");
        return std::pair(board.stretch(), board.center());
    };
    board.setContainerSize({321, 318});
    EXPECT_EQ(showWithSize({320, 318}), std::pair(false, true));
    EXPECT_EQ(showWithSize({321, 318}), std::pair(false, true));
    EXPECT_EQ(showWithSize({322, 10}), std::pair(true, true));
    EXPECT_EQ(showWithSize({10, 319}), std::pair(true, true));
    EXPECT_EQ(showWithSize({0, 0}), std::pair(false, true));
    // The picture is asked for at the size the container has now.
    board.setContainerSize({850, 750});
    showWithSize({1000, 750});
    EXPECT_EQ(board.pictureFrames().back(), (PictureSize{850, 750}));
}

// The other words' pictures start decoding once the words are chosen, before
// word 1's picture is decoded, and whether or not it can be.
TEST_F(GameTest, TheDealHasTheOtherPicturesDecodedAheadFirst)
{
    std::vector<std::size_t> prefetchesAtLoad;
    board.setPictureLoader([&](const std::string& path) -> PictureSize {
        prefetchesAtLoad.push_back(board.prefetches().size());
        if (path.ends_with("owl.jpg"))
            throw EFOpenError("Cannot open file " + path);
        return {};
    });
    start({"cat.jpg", "dog.jpg", "owl.jpg"}, {0, 1, 2, 1, 0, 0, 1, 2, 2, 1}, 0);
    ASSERT_EQ(board.prefetches().size(), 1u);
    EXPECT_EQ(prefetchesAtLoad, std::vector<std::size_t>{1});
    EXPECT_EQ(board.prefetches()[0].paths, game.picturesToCome());
    EXPECT_EQ(board.prefetches()[0].paths.size(), 2u) << "word 1's own picture is not among them";
    EXPECT_EQ(board.prefetches()[0].frame, board.containerSize());

    EXPECT_THROW(start({"owl.jpg", "dog.jpg"}, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 0), EFOpenError);
    EXPECT_EQ(board.prefetches().size(), 2u);
    EXPECT_EQ(prefetchesAtLoad.back(), 2u);
}

TEST_F(GameTest, ABrokenPictureIsToldOncePerWordPerGame)
{
    start(kTenWords, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2);
    game.SlotMouseMove(3);
    EXPECT_EQ(board.text(panelName(kHintBar)), "S_____");
    EXPECT_EQ(board.pictureRequests().back(), "/no/such/prog/immagini/sun.jpg");

    board.setCaseBoxChecked(false);
    board.setPictureLoader([](const std::string& path) -> PictureSize {
        if (path.ends_with("fish.jpg") || path.ends_with("bird.jpg"))
            throw EFOpenError(path);
        return {};
    });
    EXPECT_THROW(game.SlotMouseMove(5), EFOpenError);
    EXPECT_EQ(board.text("Panel31"), "f_____");
    EXPECT_FALSE(board.pictureShown()) << "sun's picture under fish's hint";
    EXPECT_NO_THROW(game.SlotMouseMove(5));
    EXPECT_THROW(game.SlotMouseMove(6), EFOpenError) << "another word is told too";
    game.SlotMouseMove(3);
    EXPECT_TRUE(board.pictureShown());
    EXPECT_NO_THROW(game.SlotMouseMove(5));
    EXPECT_FALSE(board.pictureShown());
    EXPECT_EQ(board.pictureRequests().size(), 7u) << "every move loads again";

    start(kTenWords, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2);
    EXPECT_THROW(game.SlotMouseMove(5), EFOpenError) << "a new game starts afresh";
}

TEST_F(GameTest, ANewWordListServesFromTheNextGameOn)
{
    start(kTenWords, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0);
    game.chooseWordList("/no/such/pack/");
    EXPECT_TRUE(game.catalogueOutdated());
    game.SlotMouseMove(2);
    EXPECT_EQ(board.pictureRequests().back(), "/no/such/prog/immagini/dog.jpg");
    EXPECT_EQ(catalogue.count(), 10);

    board.setPictureLoader([](const std::string& path) -> PictureSize { throw EFOpenError(path); });
    EXPECT_THROW(game.Panel35Click(), Exception);
    EXPECT_EQ(catalogue.count(), 0) << "read from the new, missing folder";
    EXPECT_EQ(game.pictureFolder(), "/no/such/pack/");
    EXPECT_FALSE(game.catalogueOutdated());
}

TEST_F(GameTest, CaseBoxRecasesBoardTextsOnly)
{
    board.setCaseBoxChecked(false);
    start({"Città.jpg", "Banana.jpg", "käse.jpg", "éléphant.jpg"}, {0, 1, 2, 1, 3, 1, 1, 1, 1, 1}, 0);
    EXPECT_EQ(board.text("Panel1"), "àcitt");
    EXPECT_EQ(board.text("Panel31"), "c_____");
    game.SlotDragDrop(1, 1);
    EXPECT_EQ(board.text("Panel11"), "città");

    board.setText("Panel32", "Hai trovato");
    board.setCaseBoxChecked(true);
    game.MaiuscoloMinuscoloClick();
    EXPECT_EQ(board.text("Panel11"), "CITTÀ");
    EXPECT_EQ(board.text("Panel2"), "AAABNN");
    EXPECT_EQ(board.text("Panel22"), "AAABNN");
    EXPECT_EQ(board.text("Panel31"), "C_____");
    EXPECT_EQ(board.text("Panel32"), "Hai trovato");
    EXPECT_EQ(board.text("Panel23"), "ÄEKS");
    EXPECT_EQ(board.text("Panel25"), "AÉÉHLNPT");
    EXPECT_EQ(game.previewedWord(), "CITTÀ") << "the deal shows word 1";
    game.SlotMouseMove(5);
    EXPECT_EQ(board.text("Panel31"), "É_____");
    EXPECT_EQ(game.previewedWord(), "ÉLÉPHANT");
    EXPECT_TRUE(game.previewedPicture().ends_with("/éléphant.jpg")) << game.previewedPicture();

    // Recased tiles are still accepted on their slots, accents and all.
    game.SlotDragDrop(2, 2);
    EXPECT_EQ(board.text("Panel12"), "BANANA");
    board.setCaseBoxChecked(false);
    game.MaiuscoloMinuscoloClick();
    EXPECT_EQ(board.text("Panel4"), "äeks");
    game.SlotDragDrop(3, 4);
    game.SlotDragDrop(5, 7);
    EXPECT_EQ(board.text("Panel13"), "käse");
    EXPECT_EQ(board.text("Panel15"), "éléphant");
    EXPECT_EQ(game.foundCount(), 4);
}

// A printed sheet is dealt away from the board by the very rules of a game:
// the same seed gives the same words again, on the board and off it.
TEST(SeededDeal, TheSameSeedDealsTheSameWordsOnTheBoardAndOffIt)
{
    std::vector<std::string> names;
    for (int n = 0; n < 40; ++n)
        names.push_back("word" + std::to_string(n) + ".jpg");
    const NameCatalogue catalogue(names);
    SeededRandom first(7);
    SeededRandom again(7);
    SeededRandom other(8);
    const auto dealt = dealWords(catalogue, first);
    EXPECT_EQ(dealWords(catalogue, again), dealt);
    EXPECT_NE(dealWords(catalogue, other), dealt);
    EXPECT_GT(std::set<std::string>(dealt.begin(), dealt.end()).size(), 1U) << "ten draws, not one repeated";

    MemoryBoard board;
    NameCatalogue boardCatalogue;
    SeededRandom seeded(7);
    Game game(board, boardCatalogue, seeded);
    for (const std::string& name : names)
        boardCatalogue.append(name);
    game.Panel35Click();
    EXPECT_EQ(game.gameWords(), dealt);

    SeededRandom empty(7);
    for (const std::string& word : dealWords(NameCatalogue(), empty))
        EXPECT_EQ(word, "");
}

// --longest keeps the words of at most so many characters (CITTÀ has five);
// --no-repeats deals ten different ones whenever there are ten; a worksheet
// tops the deal's words up to ten different ones.
TEST(DealRules, LongestAndNoRepeatsChooseTheWordsDealt)
{
    std::vector<std::string> names = {"città.jpg", "elefante.jpg", "ippopotamo.jpg"};
    for (int n = 0; n < 12; ++n)
        names.push_back("w" + std::to_string(n) + ".jpg");
    const NameCatalogue catalogue(names);
    EXPECT_EQ(dealableCount(catalogue, {5, true}), 13);
    EXPECT_EQ(dealableCount(catalogue, {8, true}), 14);
    EXPECT_EQ(dealableCount(catalogue, {1, true}), 0);

    SeededRandom random(3);
    for (int game = 0; game < 200; ++game) {
        const auto dealt = dealWords(catalogue, random, {5, false});
        EXPECT_EQ(std::set<std::string>(dealt.begin(), dealt.end()).size(), 10U);
        for (const std::string& word : dealt)
            EXPECT_LE(wordLength(word), 5) << word;
    }
    // One word's pictures in two themes are one word.
    std::vector<std::string> themed = {"natura/sole.jpg", "cielo/Sole.jpg"};
    for (int n = 0; n < 9; ++n)
        themed.push_back("w" + std::to_string(n) + ".jpg");
    for (int game = 0; game < 50; ++game) {
        std::set<std::string> words;
        for (const std::string& word : dealWords(NameCatalogue(themed), random, {0, false}))
            words.insert(lowerCase(wordStem(word)));
        EXPECT_EQ(words.size(), 10U);
    }
    // Too few for ten different words: those there are, with repeats; none: an empty deal.
    const auto few = dealWords(NameCatalogue({"a.jpg", "bb.jpg", "ccc.jpg"}), random, {2, false});
    EXPECT_EQ(std::set<std::string>(few.begin(), few.end()), (std::set<std::string>{"a.jpg", "bb.jpg"}));
    EXPECT_EQ(dealWords(catalogue, random, {1, true}), (std::array<std::string, kWordsPerGame>{}));

    // The default deal draws as it always did: one uniform(count) a word.
    ScriptedRandom scripted({14, 0, 14, 0, 14, 0, 14, 0, 14, 0});
    const auto repeated = dealWords(catalogue, scripted);
    EXPECT_EQ(repeated[0], "w11.jpg");
    EXPECT_EQ(repeated[1], "città.jpg");

    const auto sheet = differentWords(repeated, catalogue, random, {});
    EXPECT_EQ(sheet[0], "w11.jpg");
    EXPECT_EQ(std::set<std::string>(sheet.begin(), sheet.end()).size(), 10U);
    const std::array<std::string, kWordsPerGame> twice{"a.jpg", "a.jpg"};
    EXPECT_EQ(differentWords(twice, NameCatalogue({"a.jpg", "b.jpg"}), random, {}), twice) << "cannot make ten";
}

}  // namespace
}  // namespace brindolo
