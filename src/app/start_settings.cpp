// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/start_settings.h"

#include "app/settings_file.h"
#include "i18n/language_list.h"
#include "system/file_errors.h"
#include "system/file_path.h"
#include "system/language_names.h"
#include "system/utf8.h"
#include "system/logging.h"
#include "system/text_file.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace brindolo {

namespace {

QString scanRange()
{
    return QStringLiteral("not a number of seconds from %1 to %2")
        .arg(QString::number(kFastestScan / 1000.0), QString::number(kSlowestScan / 1000.0));
}

// The name in names that text stands for: the name itself in any case, or
// its language's code or name ("fr", "French"). Empty when none.
QString findLanguage(const QStringList& names, const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return {};
    for (const QString& name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    const QLocale::Language language = languageNamed(wanted);
    if (language == QLocale::AnyLanguage)
        return {};
    for (const QString& name : names)
        if (!name.trimmed().isEmpty() && languageNamed(name) == language)
            return name;
    return {};
}

QString desktopLanguage(const QStringList& names, const QStringList& desktopLanguages)
{
    // Naming the list's languages searches Qt's whole locale table, so it
    // waits for a desktop language worth matching: the C locale of a kiosk
    // starts without it.
    QList<QLocale::Language> listed;
    for (const QString& tag : desktopLanguages) {
        const QLocale::Language language = QLocale(tag).language();
        if (language == QLocale::C || language == QLocale::AnyLanguage)
            continue;
        if (listed.isEmpty())
            for (const QString& name : names)
                listed << (name.trimmed().isEmpty() ? QLocale::AnyLanguage : languageNamed(name));
        if (const qsizetype at = listed.indexOf(language); at >= 0)
            return names.at(at);
    }
    return {};
}

// The list's names, or why there are none: listProblem names the list's
// file when it could not be read.
QString listedNames(QStringList names, const QString& listProblem)
{
    names.removeIf([](const QString& name) { return name.trimmed().isEmpty(); });
    if (!names.isEmpty())
        return QStringLiteral("the languages are ") + names.join(QStringLiteral(", "));
    return listProblem.isEmpty() ? QStringLiteral("the language list is empty or missing") : listProblem;
}

// Bytes of a file name or a settings line as they may be shown on a terminal.
QString shown(const QByteArray& bytes)
{
    return QString::fromStdString(terminalSafe(bytes.toStdString(), StrayBytes::Escaped));
}

// A file that is not there at all, not even as a link: no mistake for a
// settings file, which is usually absent.
bool absent(const std::string& path, int error)
{
    struct stat link {};
    return error == ENOENT && ::lstat(path.c_str(), &link) != 0;
}

// Why a file the game reads at start cannot be read; kind names what it
// is meant to be ("settings file").
QString whyUnreadable(const std::string& path, int error, const char* kind)
{
    return QString::fromLocal8Bit(whyUnreadableFile(path, error, kind, kMaxTextFileBytes));
}

const QString kNotFullPath = QStringLiteral("not a full path (one that begins with /)");

// Each setting's check of a value and what it takes from it, for the table.
// A file's value is passed over whole when refused. An option's value comes
// as the player typed it (--longest's is checked as the command line is
// read).
QString takeLanguage(const QByteArray& value, From from, const StartSources& sources, StartSettings& settings)
{
    settings.language = findLanguage(sources.languageNames, QString::fromUtf8(value));
    if (!settings.language.isEmpty())
        return {};
    const QString names = listedNames(sources.languageNames, sources.languageListProblem);
    return from == From::File ? QStringLiteral("not a language of the list: ") + names
                              : QStringLiteral("unknown language '%1': %2").arg(QString::fromUtf8(value), names);
}

QString takePictures(const QByteArray& value, From from, const StartSources&, StartSettings& settings)
{
    // A relative path in a file would depend on where the game is started
    // from. A folder the player named is kept all the same, and the window
    // says it holds no pictures; an empty one names none.
    if (from == From::File && !value.startsWith('/'))
        return kNotFullPath;
    if (!value.isEmpty())
        settings.picturesFolder = value.toStdString();
    struct stat folder {};
    const bool there = value.isEmpty() || (::stat(value.constData(), &folder) == 0 && S_ISDIR(folder.st_mode));
    return there ? QString() : QStringLiteral("no such folder");
}

QString takeFont(const QByteArray& value, From from, const StartSources&, StartSettings& settings)
{
    // Whether the family is installed is known only to the window.
    const QString family = QString::fromUtf8(value);
    settings.font = from == From::File ? family.trimmed() : family;
    return from == From::File && settings.font.isEmpty() ? QStringLiteral("no font family given") : QString();
}

QString takeTheme(const QByteArray& value, From, const StartSources&, StartSettings& settings)
{
    // Empty: the whole list, over a weaker file's theme.
    settings.theme = value.toStdString();
    return {};
}

QString takeLongest(const QByteArray& value, From, const StartSources&, StartSettings& settings)
{
    const std::optional<int> letters = readLongest(QString::fromUtf8(value));
    if (!letters)
        return QStringLiteral("not a number of letters from 1 to %1").arg(kMostLetters);
    settings.longest = *letters;
    return {};
}

QString takeResults(const QByteArray& value, From from, const StartSources&, StartSettings& settings)
{
    // Empty in a file turns results off again; whether the folder can be
    // written to is told when the game starts.
    if (from == From::File && !value.isEmpty() && !value.startsWith('/'))
        return kNotFullPath;
    if (from == From::File || !value.isEmpty())
        settings.resultsFolder = value.toStdString();
    return {};
}

QString takeScan(const QByteArray& value, From from, const StartSources&, StartSettings& settings)
{
    // Empty in a file turns off a weaker file's scan. The player asked for
    // this pace: none other is put in its place.
    const QString seconds = QString::fromUtf8(value);
    const std::optional<int> beat = from == From::File && seconds.trimmed().isEmpty() ? 0 : readScanBeat(seconds);
    settings.scanBeat = beat.value_or(0);
    if (beat)
        return {};
    return from == From::File ? scanRange() : scanRange() + QStringLiteral("; no switch scan");
}

template <bool StartSettings::*flag>
QString takeBoolean(const QByteArray& value, From, const StartSources&, StartSettings& settings)
{
    const QString text = QString::fromUtf8(value);
    settings.*flag = text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    if (settings.*flag || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return {};
    return QStringLiteral("neither true nor false");
}

const Setting kSettings[] = {
    {.key = "language", .take = takeLanguage, .given = &TypedSettings::language,
     .help = "Show the window in <language>, a name from the flag's list or its code (fr).", .usageError = true},
    {.key = "pictures", .take = takePictures, .given = &TypedSettings::pictures, .letter = 'p', .valueName = "folder",
     .help = "Play with the pictures of <folder>.", .bytes = true},
    {.key = "capitals", .take = takeBoolean<&StartSettings::capitals>},
    {.key = "voice", .take = takeBoolean<&StartSettings::voice>, .given = &TypedSettings::mute, .option = "mute",
     .switchValue = "false", .help = "Start with the voice off: found words are not said aloud."},
    {.key = "fullscreen", .take = takeBoolean<&StartSettings::fullscreen>, .given = &TypedSettings::fullscreen,
     .switchValue = "true", .help = "Show the board over the whole screen."},
    {.key = "font", .take = takeFont, .given = &TypedSettings::font, .valueName = "family",
     .help = "Show the board's words in <family>, an installed font (Andika, OpenDyslexic)."},
    {.key = "theme", .take = takeTheme, .given = &TypedSettings::theme,
     .help = "Start with the words of <theme>, a subfolder of the word list.", .bytes = true},
    {.key = "longest", .take = takeLongest, .given = &TypedSettings::longest, .valueName = "letters",
     .help = "Deal only words of at most <letters> letters."},
    {.key = "repeats", .take = takeBoolean<&StartSettings::repeats>, .given = &TypedSettings::noRepeats,
     .option = "no-repeats", .switchValue = "false", .help = "Deal ten different words in every game."},
    {.key = "locked", .take = takeBoolean<&StartSettings::locked>, .given = &TypedSettings::locked,
     .switchValue = "true",
     .help = "Hide the exit and the language flag and keep the window open; Ctrl+Alt+Shift+Q ends the game.",
     .stricter = true},
    {.key = "results", .take = takeResults, .given = &TypedSettings::results, .valueName = "folder",
     .help = "Write each game's result to <folder>/LOGIN.csv, for the teacher.", .bytes = true},
    {.key = "practice", .take = takeBoolean<&StartSettings::practice>, .given = &TypedSettings::practice,
     .switchValue = "true",
     .help = "Begin each deal with up to five words the pupil missed in recent games (needs --results)."},
    {.key = "scan", .take = takeScan, .given = &TypedSettings::scan, .valueName = "seconds",
     .help = "Step the focus by itself every <seconds> (0.5 to 10), for play with one or two switches: Space, "
             "Return or a click chooses, Tab or a right click steps on."},
};

// "language, pictures, ... and scan".
QString settingKeys()
{
    QStringList keys;
    for (const Setting& setting : kSettings)
        keys << QString::fromLatin1(setting.key);
    const QString last = keys.takeLast();
    return keys.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

Warning warning(const QString& where, const QString& why)
{
    return {where.toStdString(), {}, {}, why.toStdString()};
}

// The settings a file marked [$i]: the file and the line that fixed each,
// by key. Neither a later file nor the command line changes them.
struct FixedBy {
    QString file;  // as shown
    QByteArray value;
};
using FixedSettings = std::map<QString, FixedBy>;

// Takes one line KEY=VALUE of a file into settings; why not, for a value
// the game cannot use.
QString takeLine(const QString& key, const SettingsValue& value, const StartSources& sources, StartSettings& settings)
{
    const Setting* setting = std::find_if(std::begin(kSettings), std::end(kSettings),
                                          [&key](const Setting& known) { return key == QLatin1String(known.key); });
    if (setting == std::end(kSettings))
        return QStringLiteral("no such setting (the settings are %1)").arg(settingKeys());
    if (value.isList)
        return QStringLiteral("a value with a comma must be written in double quotes");
    if (!setting->bytes && QString::fromUtf8(value.bytes).toUtf8() != value.bytes)
        return QStringLiteral("not UTF-8 text");
    StartSettings taken = settings;
    const QString why = setting->take(value.bytes, From::File, sources, taken);
    if (why.isEmpty())
        settings = taken;
    return why;
}

void readFile(const QString& path, const StartSources& sources, StartSettings& settings, FixedSettings& fixed,
              std::vector<Warning>& warnings)
{
    const QByteArray pathBytes = QFile::encodeName(path);
    const FileContents contents = readTextFile(pathBytes.toStdString());
    if (contents.error != 0) {
        if (!absent(pathBytes.toStdString(), contents.error))
            warnings.push_back(warning(shown(pathBytes), QStringLiteral("cannot be read: ")
                    + whyUnreadable(pathBytes.toStdString(), contents.error, "settings file")
                    + QStringLiteral("; ignored")));
        return;
    }
    qCDebug(lcSettings) << "reading" << path;
    const SettingsText file = parseSettings(contents.bytes);
    if (file.malformed)
        warnings.push_back(warning(shown(pathBytes), QStringLiteral("a line that is neither KEY=VALUE nor [SECTION] "
                                                                    "is ignored (comments begin with ';')")));
    for (const auto& [key, values] : file.values) {
        // Commented out as in a shell script: what the writer meant.
        if (key.startsWith(u'#'))
            continue;
        // Each line in turn, so that every mistake is told and the last
        // line the game can use wins.
        for (const SettingsValue& value : values) {
            const auto ignore = [&](const QString& why) {
                warnings.push_back({shown(pathBytes).toStdString(), shown(key.toUtf8()).toStdString(),
                                    shown(value.bytes).toStdString(), (why + QStringLiteral("; ignored")).toStdString()});
            };
            if (const auto by = fixed.find(key); by != fixed.end()) {
                if (value.bytes != by->second.value)
                    ignore(QStringLiteral("fixed by ") + by->second.file);
                continue;
            }
            if (const QString why = takeLine(key, value, sources, settings); !why.isEmpty())
                ignore(why);
            else if (value.fixed)
                fixed[key] = {shown(pathBytes), value.bytes};
        }
    }
}

// Each option of the command line in the table's order, unless a file fixed
// its setting to another value: that option is ignored with a warning.
void readOptions(const TypedSettings& typed, const StartSources& sources, const FixedSettings& fixed,
                 StartSettings& settings, std::vector<Warning>& warnings)
{
    for (const Setting& setting : kSettings) {
        if (!setting.given || !(typed.*setting.given))
            continue;
        const QByteArray value = setting.switchValue ? QByteArray(setting.switchValue)
                                                     : QByteArray::fromStdString(*(typed.*setting.given));
        const QString option = QStringLiteral("--") + setting.optionName()
            + (setting.switchValue ? QString() : u' ' + shown(value));
        StartSettings taken = settings;
        const QString why = setting.take(value, From::CommandLine, sources, taken);
        const QString key = QString::fromLatin1(setting.key);
        if (const auto by = fixed.find(key); by != fixed.end() && taken != settings && !setting.stricter) {
            warnings.push_back(warning(option, QStringLiteral("fixed by %1 (%2=%3); ignored")
                                                   .arg(by->second.file, key, shown(by->second.value))));
            continue;
        }
        if (!why.isEmpty() && setting.usageError)
            throw EUsageError(why.toStdString());
        if (!why.isEmpty())
            warnings.push_back(warning(option, why));
        settings = taken;
    }
}

}  // namespace

std::optional<int> readScanBeat(const QString& seconds)
{
    // Plain decimals only: no sign, exponent, infinity or "nan", which a
    // number reader would take.
    const QString text = seconds.trimmed();
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const bool decimal = text.count(u'.') <= 1 && std::any_of(text.begin(), text.end(), digit)
        && std::all_of(text.begin(), text.end(), [&](QChar c) { return c == u'.' || digit(c); });
    bool number = false;
    const double value = decimal ? QLocale::c().toDouble(text, &number) : 0;
    if (!number || value * 1000 < kFastestScan || value * 1000 > kSlowestScan)
        return std::nullopt;
    return qRound(value * 1000);
}

std::span<const Setting> startSettingsTable()
{
    return kSettings;
}

std::optional<int> readLongest(const QString& text)
{
    const QString digits = text.trimmed();
    bool number = !digits.isEmpty();
    for (const QChar c : digits)
        number = number && c >= u'0' && c <= u'9';
    const int letters = number ? digits.toInt(&number) : 0;
    if (!number || letters < 1 || letters > kMostLetters)
        return std::nullopt;
    return letters;
}

StartSettings resolveStartSettings(const TypedSettings& typed, const StartSources& sources,
                                   std::vector<Warning>& warnings)
{
    StartSettings settings;
    FixedSettings fixed;
    for (const QString& path : sources.settingsFiles)
        readFile(path, sources, settings, fixed, warnings);
    readOptions(typed, sources, fixed, settings, warnings);
    if (settings.language.isEmpty()) {
        settings.language = desktopLanguage(sources.languageNames, sources.desktopLanguages);
        qCDebug(lcSettings) << "desktop languages" << sources.desktopLanguages << "give" << settings.language;
    }
    // The words to practise are read from the pupil's results.
    if (settings.practice && settings.resultsFolder.empty()) {
        settings.practice = false;
        warnings.push_back(
            warning({}, QStringLiteral("practice needs a results folder (results= or --results); the game deals as usual")));
    }
    return settings;
}

QStringList settingsFiles()
{
    // The XDG base directories: a relative entry is ignored, as the XDG
    // base directory rules ask, since it would depend on where the game
    // starts.
    const auto absolute = [](const QByteArray& folder) { return folder.startsWith('/'); };
    QStringList folders;
    const QByteArray home = qgetenv("XDG_CONFIG_HOME");
    if (absolute(home))
        folders << QFile::decodeName(home);
    else if (const QByteArray user = qgetenv("HOME"); absolute(user))
        folders << QFile::decodeName(user + "/.config");
    QStringList system;
    for (const QByteArray& folder : qgetenv("XDG_CONFIG_DIRS").split(':'))
        if (absolute(folder))
            system << QFile::decodeName(folder);
    if (system.isEmpty())
        system << QStringLiteral("/etc/xdg");
    folders << system;
    folders.removeDuplicates();
    QStringList files;
    for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder)
        files << *folder + QStringLiteral("/brindolo/brindolo.conf");
    return files;
}

StartSettings readStartSettings(const TypedSettings& typed, const std::string& programFolder, std::FILE* err)
{
    StartSources sources;
    const std::string listPath = joinPath(programFolder, "lingue.txt");
    const FileContents list = readTextFile(listPath);
    if (list.error == 0) {
        sources.languageNames = parseLanguageList(list.bytes);
    } else {
        // No language can be matched: the desktop's or the files' language
        // would be passed over without a word.
        sources.languageListProblem = shown(QByteArray::fromStdString(listPath)) + QStringLiteral(": cannot be read: ")
            + whyUnreadable(listPath, list.error, "language list");
    }
    sources.settingsFiles = settingsFiles();
    sources.desktopLanguages = QLocale::system().uiLanguages();
    std::vector<Warning> warnings;
    if (!sources.languageListProblem.isEmpty())
        warnings.push_back(warning({}, sources.languageListProblem + QStringLiteral("; the window keeps its own language")));
    const StartSettings settings = resolveStartSettings(typed, sources, warnings);
    printWarnings(warnings, err);
    return settings;
}

}  // namespace brindolo
