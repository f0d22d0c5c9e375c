// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game.h"
#include "game/word_list.h"
#include "game/word_rules.h"
#include "support/memory_board.h"
#include "game/name_catalogue.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace brindolo {
namespace {

namespace fs = std::filesystem;

TEST(WordRules, StemAndLetterCase)
{
    EXPECT_EQ(wordStem("cat.jpg"), "cat");
    EXPECT_EQ(wordStem("a.jpg.jpg"), "a");
    EXPECT_EQ(wordStem(".jpg"), "");
    EXPECT_EQ(wordStem("CAT.JPG"), "CAT.JPG");
    EXPECT_EQ(wordStem(""), "");
    // A theme's folder leads the game word but is no part of the word.
    EXPECT_EQ(wordStem("animali/gatto.jpg"), "gatto");
    EXPECT_EQ(wordLength("luoghi/città.jpg"), 5);
    EXPECT_EQ(upperCase("città zebra-1 \xff"), "CITTÀ ZEBRA-1 \xff");
    EXPECT_EQ(lowerCase("CITTÀ ZEBRA-1"), "città zebra-1");
    // One character for one: ß has no capital of its own and stays.
    EXPECT_EQ(upperCase("straße"), "STRAßE");
    EXPECT_EQ(lowerCase("ÉLÉPHANT ΣΟΦΊΑ"), "éléphant σοφία");
    EXPECT_EQ(caseInsensitiveForm("İ"), caseInsensitiveForm(lowerCase("İ")));
    EXPECT_EQ(Recase("aaaBnn", true), "AAABNN");
    EXPECT_EQ(Recase("aaaBnn", false), "aaabnn");
}

TEST(WordRules, AnagramKeySortsCharactersIgnoringCase)
{
    const std::pair<const char*, const char*> keys[] = {
        {"cat.jpg", "act"}, {"zebra.jpg", "aberz"}, {"Banana.jpg", "aaaBnn"}, {"a.jpg.jpg", "a"}, {".jpg", ""},
        // The whole name is the stem: the dot sorts before the letters.
        {"CAT.JPG", ".ACGJPT"}, {"ice cream.jpg", " acceeimr"},
        // The accented letter stays whole and stands beside its base letter.
        {"città.jpg", "àcitt"}, {"bàa.jpg", "aàb"},
        // A byte that is not UTF-8 is kept, after every character.
        {"\xff" "ba.jpg", "ab\xff"}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(AnagramKey(name), key) << name;
    // The key depends on the characters alone, never on their order.
    EXPECT_EQ(AnagramKey("tac.jpg"), AnagramKey("cat.jpg"));
    EXPECT_EQ(AnagramKey("bB.jpg"), AnagramKey("Bb.jpg"));
}

TEST(WordRules, HintAndPicturePath)
{
    EXPECT_EQ(HintText("cat.jpg", true), "C_____");
    EXPECT_EQ(HintText("hippopotamus.jpg", false), "h_____");
    EXPECT_EQ(HintText(".jpg", true), "._____");
    EXPECT_EQ(HintText("", true), "_____");
    EXPECT_EQ(HintText("àpe.jpg", true), "À_____");
    EXPECT_EQ(HintText("\xff.jpg", true), "\xff_____");
    EXPECT_EQ(HintText("animali/gatto.jpg", true), "G_____");
    EXPECT_EQ(picturePathFor("/w/", "animali/gatto.jpg"), "/w/animali/gatto.jpg");
    EXPECT_EQ(picturePathFor(programPictureFolder("/opt/brindolo"), "cat.jpg"), "/opt/brindolo/immagini/cat.jpg");
    EXPECT_EQ(picturePathFor("/home/t/words", "cat.jpg"), "/home/t/words/cat.jpg");
    EXPECT_EQ(picturePathFor("/opt/brindolo/immagini/", ""), "/opt/brindolo/immagini/");
}

class CatalogueFolder : public ::testing::Test {
protected:
    CatalogueFolder()
    {
        // mkdtemp, because tests run in parallel processes and any name made up here can meet another's.
        std::string pattern = (fs::temp_directory_path() / "brindolo-catalogue-XXXXXX").native();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        program = pattern;
        fs::create_directories(program / "immagini");
    }
    ~CatalogueFolder() override { fs::remove_all(program); }

    void touch(const std::string& name) { std::ofstream(program / "immagini" / name).put('x'); }

    std::vector<std::string> build()
    {
        game.buildCatalogue(program.native() + "/immagini/");
        std::vector<std::string> names = catalogue.names();
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path program;
    MemoryBoard board;
    NameCatalogue catalogue;
    ScriptedRandom random;
    Game game{board, catalogue, random};
};

TEST_F(CatalogueFolder, ListsEveryMatchingEntryWithItsOwnBytes)
{
    const std::string longName = std::string(200, 'z') + ".jpg";
    const std::string notUtf8 = "\xff\xfe gatto.jpg";
    for (const std::string name : {"CAT.JPG", "a.jpg.jpg", ".jpg", "ice cream.jpg", "città.jpg", "Banana.jpg",
                                   "Dog.Jpg", "dog.png", "cat.jpgx", "jpg"})
        touch(name);
    touch(longName);
    touch(notUtf8);
    fs::create_directory(program / "immagini" / "old.jpg");

    std::vector<std::string> expected = {"CAT.JPG",    "a.jpg.jpg", ".jpg",    "ice cream.jpg", "città.jpg",
                                         "Banana.jpg", "Dog.Jpg",   "old.jpg", longName,        notUtf8};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(build(), expected);

    // A name that is not UTF-8 still reaches its picture by its own bytes.
    catalogue.clear();
    catalogue.append(notUtf8);
    game.Panel35Click();
    EXPECT_EQ(board.pictureRequests().back(), program.native() + "/immagini/" + notUtf8);
    EXPECT_TRUE(fs::is_regular_file(board.pictureRequests().back()));
}

TEST_F(CatalogueFolder, TheWordListComesFromTheFirstPlaceThatApplies)
{
    const std::string programFolder = program.native() + "/";
    const std::string teacher = (program / "teacher").native();
    const std::string english = programFolder + "parole/english/";
    fs::create_directories(english);
    fs::create_directories(teacher);
    std::ofstream(english + "cat.JPG").put('x');
    const std::string italian = programFolder + "immagini/";

    // An empty teacher's folder does not count, nor one without pictures.
    EXPECT_EQ(wordListFolder({"", teacher}, programFolder, ""), italian);
    std::ofstream(teacher + "/notes.txt").put('x');
    EXPECT_EQ(wordListFolder({"", teacher}, programFolder, "English"), english);
    EXPECT_EQ(wordListFolder({"", teacher}, programFolder, "italiano"), italian) << "no pack: immagini";
    EXPECT_EQ(wordListFolder({"", teacher}, programFolder, "../parole/english"), italian);

    // Pictures in a theme of the teacher's folder are enough.
    fs::create_directories(teacher + "/animali");
    std::ofstream(teacher + "/animali/gatto.jpg").put('x');
    EXPECT_EQ(wordListFolder({"", teacher}, programFolder, "English"), teacher + "/");
    fs::remove_all(teacher + "/animali");
    std::ofstream(teacher + "/Gatto.Jpg").put('x');
    EXPECT_EQ(wordListFolder({"", teacher}, programFolder, "English"), teacher + "/");
    EXPECT_EQ(wordListFolder({"/chosen", teacher}, programFolder, "English"), "/chosen/");

    // The words are in the pack's language; in a folder of one's own, in the interface language.
    EXPECT_EQ(wordListLanguage(english, programFolder, "deutsch"), "english");
    EXPECT_EQ(wordListLanguage(italian, programFolder, "english"), "italiano");
    EXPECT_EQ(wordListLanguage(teacher + "/", programFolder, "français"), "français");
    EXPECT_EQ(wordListLanguage(english + "more/", programFolder, "deutsch"), "deutsch");
}

// Subfolders with pictures are themes: the whole list is the folder's
// pictures and every theme's; a chosen theme deals from its own only.
TEST_F(CatalogueFolder, SubfoldersWithPicturesAreThemes)
{
    touch("sole.jpg");
    for (const char* folder : {"animali", "frutta", "vuota", ".nascosta", "note"})
        fs::create_directory(program / "immagini" / folder);
    for (const char* name : {"animali/gatto.jpg", "animali/cane.jpg", "frutta/mela.jpg", ".nascosta/x.jpg",
                             "note/leggimi.txt"})
        touch(name);
    const std::string folder = program.native() + "/immagini/";
    EXPECT_EQ(themesIn(folder), (std::vector<std::string>{"animali", "frutta"}));
    EXPECT_EQ(build(), (std::vector<std::string>{"animali/cane.jpg", "animali/gatto.jpg", "frutta/mela.jpg",
                                                 "sole.jpg"}));

    std::string warning;
    EXPECT_EQ(themeToPlay(folder, "frutta", warning), "frutta");
    EXPECT_EQ(warning, "");
    EXPECT_EQ(themeToPlay(folder, "cibo", warning), "");
    EXPECT_EQ(warning, "no theme 'cibo' in " + folder + " (its themes are animali, frutta); playing the whole list");

    game.chooseTheme("frutta");
    game.Panel35Click();
    EXPECT_EQ(catalogue.names(), std::vector<std::string>{"frutta/mela.jpg"});
    EXPECT_EQ(board.pictureRequests().back(), folder + "frutta/mela.jpg");
    EXPECT_EQ(board.text(board_map::panelName(board_map::keyCell(1))), "AELM");
}

TEST_F(CatalogueFolder, MissingFolderGivesAnEmptyCatalogue)
{
    catalogue.append("stale.jpg");
    fs::remove_all(program / "immagini");
    EXPECT_TRUE(build().empty());
    std::ofstream(program / "immagini").put('x');  // a file where the folder should be
    EXPECT_TRUE(build().empty());
}

}  // namespace
}  // namespace brindolo
