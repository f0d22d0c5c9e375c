// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/collation.h"
#include "system/directory_search.h"
#include "system/language_names.h"
#include "system/program_folder.h"
#include "system/utf8.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace brindolo {
namespace {

std::vector<std::string> pieces(std::string_view text)
{
    std::vector<std::string> result;
    for (const Utf8Character& character : utf8Characters(text))
        result.emplace_back(character.bytes);
    return result;
}

TEST(Utf8, CharactersAreCodePointsAndStrayBytesStandAlone)
{
    EXPECT_EQ(pieces("città"), (std::vector<std::string>{"c", "i", "t", "t", "à"}));
    EXPECT_EQ(pieces("\xF0\x9F\x90\xB1!"), (std::vector<std::string>{"\xF0\x9F\x90\xB1", "!"}));
    // Overlong, truncated, surrogate and past-Unicode sequences: one byte each.
    EXPECT_EQ(pieces("\xC0\xAF"), (std::vector<std::string>{"\xC0", "\xAF"}));
    EXPECT_EQ(pieces("\xE2\x82"), (std::vector<std::string>{"\xE2", "\x82"}));
    EXPECT_EQ(pieces("\xED\xA0\x80").size(), 3u);
    EXPECT_EQ(pieces("\xF4\x90\x80\x80").size(), 4u);
    EXPECT_EQ(pieces("\xE2\x82" "a"), (std::vector<std::string>{"\xE2", "\x82", "a"}));
    EXPECT_EQ(utf8FirstCharacter("àpe"), "à");
    EXPECT_EQ(utf8FirstCharacter(""), "");
}

TEST(Collation, LettersIgnoreCaseAndAccentsStandBesideTheirBase)
{
    EXPECT_EQ(sortCharacters("zyxCBAcba"), "AaBbCcxyz");
    EXPECT_EQ(sortCharacters("bÀàa"), "aÀàb");
    EXPECT_EQ(sortCharacters("óoòpn"), "noòóp");
    EXPECT_EQ(sortCharacters("pøo"), "oøp");
    // Not letters first, stray bytes last.
    EXPECT_EQ(sortCharacters("a\xFF" "1 -b"), " -1ab\xFF");
    // A total order: every permutation of a text gives the same result.
    const std::string first = sortCharacters("aÀbBà1");
    EXPECT_EQ(sortCharacters("Bà1baÀ"), first);
    EXPECT_EQ(sortCharacters("1ÀàBba"), first);
}

TEST(DirectorySearch, WildcardIgnoresAsciiCaseOnly)
{
    EXPECT_TRUE(wildcardMatch("*.jpg", "cat.jpg"));
    EXPECT_TRUE(wildcardMatch("*.jpg", "CAT.JPG"));
    EXPECT_TRUE(wildcardMatch("*.jpg", ".jpg"));
    EXPECT_TRUE(wildcardMatch("*.jpg", "a.jpg.jpg"));
    EXPECT_TRUE(wildcardMatch("*.jpg", "\xFF.jpg"));
    EXPECT_FALSE(wildcardMatch("*.jpg", "cat.jpgx"));
    EXPECT_FALSE(wildcardMatch("*.jpg", "jpg"));
    EXPECT_TRUE(wildcardMatch("*a*b?", "xaxaybz"));
    EXPECT_FALSE(wildcardMatch("*à", "À"));
    EXPECT_TRUE(wildcardMatch("", ""));
    EXPECT_FALSE(wildcardMatch("", "a"));
}

TEST(DirectorySearch, UnreadableFoldersGiveNothing)
{
    EXPECT_TRUE(searchDirectory("/no/such/folder", "*").empty());
    EXPECT_TRUE(searchDirectory("", "*").empty());
    EXPECT_TRUE(searchDirectory("/proc/self/exe", "*").empty());
}

TEST(LanguageNames, AsTheLanguageListWritesThemOrByNameOrCode)
{
    EXPECT_EQ(languageNamed("italiano"), QLocale::Italian);
    EXPECT_EQ(languageNamed("english"), QLocale::English);
    EXPECT_EQ(languageNamed("Français"), QLocale::French);
    EXPECT_EQ(languageNamed("deutsch"), QLocale::German);
    EXPECT_EQ(languageNamed("español"), QLocale::Spanish);
    EXPECT_EQ(languageNamed("português"), QLocale::Portuguese);
    EXPECT_EQ(languageNamed("German"), QLocale::German);
    EXPECT_EQ(languageNamed("de"), QLocale::German);
    EXPECT_EQ(languageNamed("parziale"), QLocale::AnyLanguage);
    EXPECT_EQ(languageNamed(""), QLocale::AnyLanguage);
}

TEST(ProgramFolder, IsTheExecutablesFolder)
{
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::equivalent(folder, std::filesystem::path(BRINDOLO_BINARY_DIR) / "tests"));
}

}  // namespace
}  // namespace brindolo
