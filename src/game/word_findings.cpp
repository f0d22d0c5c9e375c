// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/word_findings.h"

#include "game/word_rules.h"
#include "system/utf8.h"

namespace brindolo {

namespace {

std::string inQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

bool validUtf8(std::string_view text)
{
    for (const Utf8Character& character : utf8Characters(text))
        if (!character.valid)
            return false;
    return true;
}

}  // namespace

std::vector<WordFinding> nameFindings(const std::string& name)
{
    std::vector<WordFinding> findings;
    const std::string word = wordStem(name);
    if (word == fileNameOf(name))
        findings.push_back({true,
                            "the name must end in \".jpg\" in small letters, or the word is the whole name " +
                                inQuotes(word),
                            FindingKind::NoJpgEnding, {word}});
    else if (word.empty())
        findings.push_back({true, "there is no word before \".jpg\"", FindingKind::NoWord, {}});
    if (!validUtf8(name))
        findings.push_back(
            {false, "the name is not valid UTF-8, so some of its letters cannot be shown", FindingKind::NotUtf8, {}});
    const size_t length = utf8Characters(word).size();
    if (length > static_cast<size_t>(kTileCharacters))
        findings.push_back({false,
                            "the word has " + std::to_string(length) + " letters, more than the " +
                                std::to_string(kTileCharacters) + " a tile shows",
                            FindingKind::TooLong,
                            {std::to_string(length), std::to_string(kTileCharacters)}});
    return findings;
}

std::vector<WordFinding> sizeFindings(int width, int height)
{
    if (width <= kLargestUsefulSide && height <= kLargestUsefulSide)
        return {};
    return {{false,
             "the picture is " + std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
                 std::to_string(kLargestUsefulSide) +
                 " on a side: it is slow to show and to check, and a smaller copy looks the same",
             FindingKind::TooLarge,
             {std::to_string(width), std::to_string(height), std::to_string(kLargestUsefulSide)}}};
}

WordFinding sameWordFinding(const std::string& firstName)
{
    return {false, "it gives the same word as " + inQuotes(firstName), FindingKind::SameWord, {firstName}};
}

}  // namespace brindolo
