// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/utf8.h"

namespace brindolo {

// Written by hand rather than with QStringDecoder: Qt's decoders replace
// malformed bytes, while file names must keep theirs exactly.
Utf8Character utf8CharacterAt(std::string_view text, size_t offset)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(offset);
    Utf8Character stray{text.substr(offset, 1), lead, false};
    if (lead < 0x80)
        return {text.substr(offset, 1), lead, true};

    size_t length = 0;
    char32_t codePoint = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        lowest = 0x10000;
    } else {
        return stray;
    }
    if (offset + length > text.size())
        return stray;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(offset + i);
        if ((next & 0xC0) != 0x80)
            return stray;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and values past Unicode are not
    // characters; their lead byte stands alone.
    if (codePoint < lowest || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        return stray;
    return {text.substr(offset, length), codePoint, true};
}

std::vector<Utf8Character> utf8Characters(std::string_view text)
{
    std::vector<Utf8Character> characters;
    characters.reserve(text.size());
    for (size_t offset = 0; offset < text.size();) {
        characters.push_back(utf8CharacterAt(text, offset));
        offset += characters.back().bytes.size();
    }
    return characters;
}

std::string_view utf8FirstCharacter(std::string_view text)
{
    return text.empty() ? text : utf8CharacterAt(text, 0).bytes;
}

void appendUtf8(std::string& text, char32_t codePoint)
{
    const auto put = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

std::string terminalSafe(std::string_view text, StrayBytes stray)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string safe;
    safe.reserve(text.size());
    for (const Utf8Character& character : utf8Characters(text)) {
        const char32_t code = character.codePoint;
        // A stray byte of another encoding (Latin-1's é) is kept: a file's
        // name shows as the terminal shows it. Those that an 8-bit terminal
        // takes as controls are not.
        const auto first = static_cast<unsigned char>(character.bytes.front());
        if (character.valid ? code >= 0x20 && (code < 0x7f || code > 0x9f)
                            : stray == StrayBytes::Kept && first > 0x9f) {
            safe += character.bytes;
            continue;
        }
        for (const char byte : character.bytes) {
            const auto value = static_cast<unsigned char>(byte);
            safe += "\\x";
            safe += kDigits[value >> 4];
            safe += kDigits[value & 0xf];
        }
    }
    return safe;
}

}  // namespace brindolo
