// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The order of the program's sorted lists (the anagram key sorts a word's
// characters with it). It ignores letter case and never depends on the
// user's locale, so a word's key is the same on every run and every machine:
//   1. characters that are not letters (blank, punctuation, digits), by code
//      point after case folding;
//   2. letters, by base letter: an accented letter stands right after its
//      plain letter and before the next one (a, à, á, ..., b), A-Z and a-z
//      alphabetically whatever their case;
//   3. bytes that are not UTF-8, by byte value, after everything else.
// Characters equal but for case are ordered by code point (capital first).

#include "system/utf8.h"

#include <string>
#include <string_view>

namespace brindolo {

struct CollationKey {
    int group = 0;
    char32_t base = 0;
    std::u32string marks;  // the accents of a letter, empty for a plain one
    char32_t exact = 0;    // the character itself, so the order is total

    auto operator<=>(const CollationKey&) const = default;
};

CollationKey collationKey(const Utf8Character& character);

// The text's characters rearranged in collation order, duplicates kept, each
// with its own bytes: "Banana" gives "aaaBnn".
std::string sortCharacters(std::string_view text);

}  // namespace brindolo
