// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/collation.h"

#include "system/ascii_case.h"

#include <QChar>
#include <QList>
#include <QString>
#include <algorithm>
#include <numeric>

namespace brindolo {

namespace {

enum Group { NotLetter = 0, Letter = 1, StrayByte = 2 };

// Latin letters that Unicode does not decompose, given the base letter and
// the overlay mark they are drawn with, so they too sit beside their base.
struct Overlay {
    char32_t letter;
    char32_t base;
    char32_t mark;
};
constexpr Overlay kOverlays[] = {
    {U'\u00F8', U'o', U'\u0338'},  // ø
    {U'\u0111', U'd', U'\u0335'},  // đ
    {U'\u0127', U'h', U'\u0335'},  // ħ
    {U'\u0142', U'l', U'\u0337'},  // ł
    {U'\u0167', U't', U'\u0335'},  // ŧ
};

CollationKey letterKey(char32_t codePoint)
{
    const char32_t folded = QChar::toCaseFolded(codePoint);
    for (const Overlay& overlay : kOverlays)
        if (overlay.letter == folded)
            return {Letter, overlay.base, std::u32string(1, overlay.mark), codePoint};
    // Canonical decomposition splits an accented letter into its base letter
    // and its combining marks (à = a + U+0300).
    const QList<uint> parts = QString::fromUcs4(&folded, 1).normalized(QString::NormalizationForm_D).toUcs4();
    CollationKey key{Letter, folded, {}, codePoint};
    if (!parts.isEmpty()) {
        key.base = QChar::toCaseFolded(static_cast<char32_t>(parts.front()));
        for (qsizetype i = 1; i < parts.size(); ++i)
            key.marks.push_back(static_cast<char32_t>(parts[i]));
    }
    return key;
}

}  // namespace

CollationKey collationKey(const Utf8Character& character)
{
    if (!character.valid)
        return {StrayByte, character.codePoint, {}, character.codePoint};
    const char32_t codePoint = character.codePoint;
    if (codePoint < 0x80) {
        const char32_t small = asciiLower(codePoint);
        if (small >= U'a' && small <= U'z')
            return {Letter, small, {}, codePoint};
        return {NotLetter, codePoint, {}, codePoint};
    }
    if (QChar::isLetter(codePoint))
        return letterKey(codePoint);
    return {NotLetter, QChar::toCaseFolded(codePoint), {}, codePoint};
}

std::string sortCharacters(std::string_view text)
{
    const std::vector<Utf8Character> characters = utf8Characters(text);
    std::vector<CollationKey> keys;
    keys.reserve(characters.size());
    for (const Utf8Character& character : characters)
        keys.push_back(collationKey(character));

    std::vector<size_t> order(characters.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });

    std::string sorted;
    sorted.reserve(text.size());
    for (size_t index : order)
        sorted += characters[index].bytes;
    return sorted;
}

}  // namespace brindolo
