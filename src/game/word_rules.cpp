// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/word_rules.h"

#include "system/collation.h"
#include "system/file_path.h"
#include "system/utf8.h"

#include <QChar>

namespace brindolo {

std::string TextBefore(std::string_view text, std::string_view part)
{
    return std::string(text.substr(0, text.find(part)));
}

std::string_view fileNameOf(std::string_view gameWord)
{
    const size_t slash = gameWord.rfind('/');
    return slash == std::string_view::npos ? gameWord : gameWord.substr(slash + 1);
}

std::string wordStem(std::string_view gameWord)
{
    return TextBefore(fileNameOf(gameWord), ".jpg");
}

int wordLength(std::string_view gameWord)
{
    return static_cast<int>(utf8Characters(wordStem(gameWord)).size());
}

namespace {

// Qt's per-character mappings are Unicode's simple ones, never the special
// cases that change a word's length (ß to SS).
std::string mapEachCharacter(std::string_view text, char32_t (*map)(char32_t) noexcept)
{
    std::string result;
    result.reserve(text.size());
    for (const Utf8Character& character : utf8Characters(text)) {
        if (character.valid)
            appendUtf8(result, map(character.codePoint));
        else
            result += character.bytes;
    }
    return result;
}

}  // namespace

std::string upperCase(std::string_view text)
{
    return mapEachCharacter(text, &QChar::toUpper);
}

std::string lowerCase(std::string_view text)
{
    return mapEachCharacter(text, &QChar::toLower);
}

std::string caseInsensitiveForm(std::string_view text)
{
    return upperCase(lowerCase(text));
}

std::string Recase(std::string_view text, bool capitals)
{
    return capitals ? upperCase(text) : lowerCase(text);
}

std::string AnagramKey(std::string_view gameWord)
{
    return sortCharacters(wordStem(gameWord));
}

std::string rawHintText(std::string_view gameWord)
{
    return std::string(utf8FirstCharacter(fileNameOf(gameWord))) + "_____";
}

std::string HintText(std::string_view gameWord, bool capitals)
{
    return Recase(rawHintText(gameWord), capitals);
}

std::string programPictureFolder(std::string_view programFolder)
{
    return joinPath(programFolder, "immagini/");
}

std::string picturePathFor(std::string_view pictureFolder, std::string_view gameWord)
{
    return joinPath(pictureFolder, gameWord);
}

}  // namespace brindolo
