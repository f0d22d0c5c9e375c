// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads values from an INI file the way the language files are written:
//
//   [Translations]
//   Principale.Esci.Caption=EXIT
//
// QSettings does not fit: it turns commas into lists and decodes % escapes,
// and a caption may hold both. The finer rules chosen here:
// - a line ends at LF, CR LF or a lone CR; the file is UTF-8 when valid,
//   otherwise Windows-1252;
// - a line whose first non-blank character is ";" is a comment;
// - "[name]" opens a section; lines before the first section are ignored;
// - section and key names compare ASCII-case-insensitively, after blanks
//   (codes 32 and less) around them are trimmed; the key asked for is
//   trimmed the same way;
// - a key ends at the first "="; lines without one are ignored; blanks
//   around the value are trimmed, and one pair of matching quotes (" or ')
//   around it is removed, so a value can keep blanks at its ends;
// - the first occurrence of a key wins, also across repeated sections;
// - a value is cut to its first 1023 characters (code points).
// A file that is missing, unreadable, larger than 1 MiB or not a regular
// file reads as empty: every key gives the default (and, unless the file is
// missing, the log says why).

#include <QHash>
#include <QString>
#include <string>

namespace brindolo {

class IniReader {
public:
    static constexpr qsizetype kMaxValueLength = 1023;

    // path in the file system's bytes. Opening never fails.
    explicit IniReader(const std::string& path);
    static IniReader fromText(const QString& text);

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;

private:
    IniReader() = default;
    void parse(const QString& text);

    // Keyed by upper-cased "section\nkey".
    QHash<QString, QString> values_;
};

}  // namespace brindolo
