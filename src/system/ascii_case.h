// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The case mapping of names (wildcard patterns, settings keys, control
// names, language file names) and of A-Z in the sorted-list order: A to Z
// and a to z, nothing else. Written out because std::toupper follows the
// process locale and QString::toUpper follows Unicode; both would change
// accented letters, whose case these names keep. The game's words are
// recased by Unicode's rules instead (game/word_rules.h).

#include <QChar>
#include <concepts>

namespace brindolo {

template <std::integral Char>
constexpr Char asciiUpper(Char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

template <std::integral Char>
constexpr Char asciiLower(Char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

inline QChar asciiUpper(QChar c) { return QChar(asciiUpper(c.unicode())); }
inline QChar asciiLower(QChar c) { return QChar(asciiLower(c.unicode())); }

// A whole text, one unit at a time: a std::string of UTF-8 bytes or a QString.
template <typename Text>
Text asciiUpperText(Text text)
{
    for (auto& c : text)
        c = asciiUpper(c);
    return text;
}

template <typename Text>
Text asciiLowerText(Text text)
{
    for (auto& c : text)
        c = asciiLower(c);
    return text;
}

}  // namespace brindolo
