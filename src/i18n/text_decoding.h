// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The language files are 8-bit text written on whatever system the
// translator used: UTF-8 today, Windows-1252 for older files. A file is read
// as UTF-8 when all of it is valid UTF-8, otherwise as Windows-1252.

#include <QByteArray>
#include <QString>

namespace brindolo {

// A leading UTF-8 byte order mark is an encoding marker, not text: dropped.
QString decodeUtf8Or1252(const QByteArray& bytes);

// Every byte one character, by the Windows-1252 table.
QString decodeWindows1252(const QByteArray& bytes);

}  // namespace brindolo
