// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The list of interface languages, "lingue.txt" in the program folder: one
// name per line, read as text files were read on the system the list was
// first written for.

#include <QByteArray>
#include <QStringList>
#include <string>

namespace brindolo {

// The names in the file's bytes. A line ends at CR, which swallows one LF
// right after it; a lone LF stays inside the name. A byte 26 ends the file.
// Lines are kept unchanged (not trimmed, blank ones give empty names), and a
// line end after the last line adds no name; an empty file gives one empty
// name. The text is UTF-8 when valid, otherwise Windows-1252.
QStringList parseLanguageList(const QByteArray& bytes);

// Reads and parses the file at path (the file system's bytes); a file that
// cannot be opened or read raises EInOutError.
QStringList readLanguageList(const std::string& path);

}  // namespace brindolo
