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

std::string Stem(std::string_view gameWord)
{
    return TextBefore(gameWord, ".jpg");
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

std::string UpperCase(std::string_view text)
{
    return mapEachCharacter(text, &QChar::toUpper);
}

std::string LowerCase(std::string_view text)
{
    return mapEachCharacter(text, &QChar::toLower);
}

std::string CaseInsensitiveForm(std::string_view text)
{
    return UpperCase(LowerCase(text));
}

std::string Recase(std::string_view text, bool capitals)
{
    return capitals ? UpperCase(text) : LowerCase(text);
}

std::string AnagramKey(std::string_view gameWord)
{
    return sortCharacters(Stem(gameWord));
}

std::string RawHintText(std::string_view gameWord)
{
    return std::string(utf8FirstCharacter(gameWord)) + "_____";
}

std::string HintText(std::string_view gameWord, bool capitals)
{
    return Recase(RawHintText(gameWord), capitals);
}

std::string PictureFolder(std::string_view programFolder)
{
    return joinPath(programFolder, "immagini/");
}

std::string PicturePath(std::string_view pictureFolder, std::string_view gameWord)
{
    return joinPath(pictureFolder, gameWord);
}

}  // namespace brindolo
