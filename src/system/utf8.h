// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Splitting texts into characters. A character is one Unicode code point in
// UTF-8; a byte that does not start a well-formed sequence counts as one
// character of its own, so file names that are not UTF-8 keep every byte.

#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

struct Utf8Character {
    std::string_view bytes;  // the character's bytes inside the text
    char32_t codePoint = 0;  // meaningful only when valid
    bool valid = false;      // false: a single stray byte
};

// The first character starting at offset (offset < text.size()).
Utf8Character utf8CharacterAt(std::string_view text, size_t offset);

// Every character of the text in order; the bytes of the parts add up to the
// whole text.
std::vector<Utf8Character> utf8Characters(std::string_view text);

// The bytes of the text's first character; empty for an empty text.
std::string_view utf8FirstCharacter(std::string_view text);

// Appends the UTF-8 form of a code point (at most 0x10FFFF, no surrogate).
void appendUtf8(std::string& text, char32_t codePoint);

// The text to quote on a terminal: each byte of a control character (C0,
// DEL, C1, and the bytes 0x80 to 0x9F outside UTF-8) written as \xNN, so
// that a file name or a settings line can never move the cursor, clear the
// screen or change the terminal's settings. Other bytes stay as they are,
// unless stray bytes are to be escaped too: in a text that becomes a
// QString, which cannot hold them.
enum class StrayBytes { Kept, Escaped };
std::string terminalSafe(std::string_view text, StrayBytes stray = StrayBytes::Kept);

}  // namespace brindolo
