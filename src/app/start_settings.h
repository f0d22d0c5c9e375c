// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a game starts with, set up once for a class: a school's settings file
// for every machine, the user's own, the command line and the desktop's
// language. The files are only read: the game writes nothing and keeps no
// state between runs.
//
// A settings file is in Qt's INI format (comments begin with ";"), one
// KEY=VALUE a line, each key a setting of the table below; KEY[$i]= fixes
// the setting: no file after this one, nor the command line, changes it.

#include "app/warning.h"
#include "system/errors.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brindolo {

struct StartSettings {
    QString language;            // a name from lingue.txt; empty leaves the window as designed
    std::string picturesFolder;  // the file system's bytes; empty leaves the usual places
    bool capitals = true;
    bool voice = true;
    bool fullscreen = false;
    QString font;                // a font family for the board's texts; empty keeps the design's
    std::string theme;  // a theme's folder name, UTF-8; empty for the whole list
    int longest = 0;    // the most letters a dealt word has; 0 for any
    bool repeats = true;
    bool locked = false;  // ESCI and the flag hidden, the window not closed
    std::string resultsFolder;   // the file system's bytes; empty writes no results
    int scanBeat = 0;            // the switch scan's pace in milliseconds; 0 for no scan
    bool practice = false;       // deals begin with the pupil's words to practise; only with results

    bool operator==(const StartSettings&) const = default;
};

// The pace a switch scan takes, in milliseconds.
inline constexpr int kFastestScan = 500;
inline constexpr int kSlowestScan = 10000;
// The scan's pace in milliseconds from seconds written as a decimal number
// (1, 1.5) from kFastestScan to kSlowestScan; none for anything else.
std::optional<int> readScanBeat(const QString& seconds);

// The start settings' options as the player typed them, the file system's
// bytes (empty for an option without a value), each named in the settings
// table; none when not given.
struct TypedSettings {
    std::optional<std::string> language, pictures, mute, fullscreen, font, theme, longest, noRepeats, locked,
        results, practice, scan;
};

// The greatest word length --longest and longest= take.
inline constexpr int kMostLetters = 99;
// A word length from 1 to kMostLetters, written in decimal digits.
std::optional<int> readLongest(const QString& text);

// What the settings are resolved from, besides the command line.
struct StartSources {
    QStringList languageNames;     // the names in lingue.txt
    QStringList settingsFiles;     // the weakest first
    QStringList desktopLanguages;  // the preferred first, as QLocale::uiLanguages() gives them
    QString languageListProblem;   // "FILE: cannot be read: why" when lingue.txt could not be read
};

// Where a setting's value comes from: a settings file's line, or an option
// the player typed.
enum class From { File, CommandLine };

// One start setting, declared once for the settings files, the command line
// and its help; its default is StartSettings' own.
struct Setting {
    const char* key;
    // Takes value into settings, or says why it cannot. A file's value is
    // then passed over; an option's is taken even so (why is a warning),
    // since the player named it, unless usageError.
    QString (*take)(const QByteArray& value, From from, const StartSources& sources, StartSettings& settings);
    std::optional<std::string> TypedSettings::*given = nullptr;  // its option's value as typed; none without an option
    const char* option = nullptr;       // the option's name, when it is not the key's
    char letter = 0;                    // a one-letter name of the option too
    const char* valueName = nullptr;    // the option's <value> in the help, when it is not the key
    const char* switchValue = nullptr;  // for an option without a value: the value it stands for
    const char* help = nullptr;
    bool bytes = false;       // a folder's name, taken as the file system's bytes whatever their encoding
    bool usageError = false;  // an option's value it cannot take stops the start (exit status 2)
    bool stricter = false;    // its option only makes the game stricter, so even a fixed setting takes it

    QString optionName() const { return QString::fromLatin1(option ? option : key); }
};

// Every start setting, in the order the help and the warnings name them.
std::span<const Setting> startSettingsTable();

// A command line the game cannot follow (exit status 2).
class EUsageError : public Exception {
public:
    using Exception::Exception;
};

// Each setting from the strongest place that has it: the command line, the
// files from the last to the first, then (for the language) the first
// desktop language that the list holds, matched by language alone (fr_CH
// gives "français"), then the design. A file's setting that is wrong or
// unknown adds one warning "FILE: KEY=VALUE: why" and counts as absent; so
// does each such line of a key written more than once, and the last line
// the game can use wins. A setting a file fixed (KEY[$i]=, see
// settings_file.h) stays as that file says: a later file's other value, or
// an option that would change it, adds one warning line and is ignored;
// --locked always locks. A --language that the list lacks throws
// EUsageError, unless the language is fixed.
StartSettings resolveStartSettings(const TypedSettings& typed, const StartSources& sources,
                                   std::vector<Warning>& warnings);

// brindolo/brindolo.conf in each folder of XDG_CONFIG_DIRS (/etc/xdg), the
// first folder the strongest, then in XDG_CONFIG_HOME (~/.config): the
// weakest first.
QStringList settingsFiles();

// The settings of this desktop for the program in programFolder; the
// warnings go to err, one line each, among them one for a lingue.txt that
// cannot be read.
StartSettings readStartSettings(const TypedSettings& typed, const std::string& programFolder, std::FILE* err);

}  // namespace brindolo
