// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/word_names.h"

#include "game/word_rules.h"
#include "system/directory_search.h"
#include "system/utf8.h"

namespace brindolo {

namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\u00A0';
}

// Texts from old file systems and zip tools are mostly Latin-1: a stray
// byte is read as that character rather than dropped.
std::u32string codePoints(std::string_view text)
{
    std::u32string points;
    for (const Utf8Character& character : utf8Characters(text))
        points += character.valid ? character.codePoint : static_cast<unsigned char>(character.bytes.front());
    return points;
}

std::string utf8Of(const std::u32string& points)
{
    std::string text;
    for (const char32_t c : points)
        appendUtf8(text, c);
    return text;
}

void trimBlanks(std::u32string& word)
{
    while (!word.empty() && (isBlank(word.back())))
        word.pop_back();
    std::size_t first = 0;
    while (first < word.size() && (isBlank(word[first]) || word[first] == U'.'))
        ++first;
    word.erase(0, first);
}

}  // namespace

std::string mendedWord(std::string_view text)
{
    std::u32string kept;
    for (const char32_t c : codePoints(text)) {
        // A tab or a line break in a typed word was meant as a blank.
        if (c == U'\t' || c == U'\n' || c == U'\r')
            kept += U' ';
        else if (!isControl(c) && c != U'/')
            kept += c;
    }
    // The word ends at the first ".jpg", so one inside it would cut it short.
    std::string lowered = lowerCase(utf8Of(kept));
    for (std::size_t at = lowered.find(".jpg"); at != std::string::npos; at = lowered.find(".jpg"))
        lowered.erase(at, 4);
    std::u32string word = codePoints(lowered);
    trimBlanks(word);
    if (word.size() > static_cast<std::size_t>(kTileCharacters))
        word.resize(kTileCharacters);
    trimBlanks(word);
    return utf8Of(word);
}

std::string proposedWord(std::string_view pictureFile)
{
    std::string_view name = fileNameOf(pictureFile);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return mendedWord(name);
}

std::string pictureFileName(std::string_view word)
{
    return std::string(word) + ".jpg";
}

std::string themeNameProblem(std::string_view name)
{
    if (name.empty())
        return "a theme needs a name";
    if (name.starts_with('.'))
        return "a theme's name cannot begin with a dot, which hides the folder";
    if (wildcardMatch("*.jpg", name))
        return "a theme's name cannot end in \".jpg\", which names a picture";
    for (const Utf8Character& character : utf8Characters(name)) {
        if (!character.valid)
            return "a theme's name must be UTF-8 text";
        if (character.codePoint == U'/')
            return "a theme's name cannot hold \"/\"";
        if (isControl(character.codePoint))
            return "a theme's name cannot hold control characters";
    }
    return {};
}

}  // namespace brindolo
