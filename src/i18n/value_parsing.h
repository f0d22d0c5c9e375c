// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the translator reads the values of a language file: trimming, lists
// and integers. They are written out by hand because Qt's own versions
// differ in ways that show: QString::trimmed() keeps control characters and
// strips Unicode blanks, and QString::toInt() accepts neither "$1F" nor
// leading blanks.

#include <QString>
#include <QStringList>

namespace brindolo {

// Removes from both ends every character whose code is 32 or less.
QString trimControls(const QString& text);

// Splits a value into the lines a list property receives: items separated by
// the separator (matched as a whole), each item trimmed; an empty separator
// never matches. Inner empty items stay, a blank last part is dropped.
QStringList splitList(QString value, const QString& separator);

// Reads a signed 32-bit integer: optional leading blanks (code 32 only), then
// either an optional sign and decimal digits within range, or "$" and
// hexadecimal digits whose value fits in 32 bits, read as signed. Nothing may
// follow. Raises EConvertError "'<text>' is not a valid integer value".
int strToInt(const QString& text);

}  // namespace brindolo
