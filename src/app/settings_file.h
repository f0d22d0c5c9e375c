// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One settings file read as the plain text a teacher writes:
//   ; a comment            (also after a value: language=deutsch ; mine)
//   language=deutsch
//   pictures="/srv/a, b"   (double quotes keep a comma or a ';')
//   locked[$i]=true        (no weaker place may change it)
// QSettings is not used for it: it reads a file of any size whole and
// decodes a value written "@Variant(...)" as a serialized object. Keys in a
// section other than [General] are named SECTION/KEY, as unknown keys.
//
// Fixed entries follow the desktop's kiosk convention (KDE's KConfig): a key
// written KEY[$i], every key of a group whose header ends in [$i]
// ([General][$i]), and every key after a line [$i], which fixes the rest of
// the file.

#include <QByteArray>
#include <QString>
#include <map>
#include <string>
#include <vector>

namespace brindolo {

struct SettingsValue {
    QByteArray bytes;     // as written, less its quotes and comment; not always UTF-8
    bool isList = false;  // commas outside quotes: several values where one is meant
    bool fixed = false;   // marked [$i]
};

struct SettingsText {
    std::map<QString, std::vector<SettingsValue>> values;  // by key, its lines in the file's order
    bool malformed = false;                   // a line that is neither KEY=VALUE nor [SECTION]
};

SettingsText parseSettings(const QByteArray& text);

}  // namespace brindolo
