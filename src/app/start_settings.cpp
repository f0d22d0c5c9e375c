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

// What the files and the command line chose; unset ones are left to the
// weaker places.
struct Chosen {
    std::optional<QString> language;
    std::optional<std::string> picturesFolder;
    std::optional<bool> capitals;
    std::optional<bool> voice;
    std::optional<bool> fullscreen;
    std::optional<QString> font;
    std::optional<std::string> theme;
    std::optional<int> longest;
    std::optional<bool> repeats;
    std::optional<bool> locked;
    std::optional<std::string> resultsFolder;
    std::optional<bool> practice;
    std::optional<int> scanBeat;
};

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

std::optional<bool> readBoolean(const QString& text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
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

// The settings a file marked [$i]: the file and the line that fixed each,
// by key. Neither a later file nor the command line changes them.
struct FixedBy {
    QString file;  // as shown
    QByteArray value;
};
using FixedSettings = std::map<QString, FixedBy>;

bool isKnownKey(const QString& key)
{
    static const QStringList kKeys = {"language", "pictures", "capitals", "voice",   "fullscreen", "font",
                                      "theme",    "longest",  "repeats",  "locked", "results",    "practice",
                                      "scan"};
    return kKeys.contains(key);
}

// Takes one line KEY=VALUE of a file into chosen; false, with why, for a
// value the game cannot use.
bool takeSetting(const QString& key, const SettingsValue& value, const StartSources& sources, Chosen& chosen,
                 QString& why)
{
    const QString text = QString::fromUtf8(value.bytes);
    const auto refuse = [&why](const QString& reason) {
        why = reason;
        return false;
    };
    if (!isKnownKey(key))
        return refuse(QStringLiteral("no such setting (the settings are language, pictures, capitals, voice, "
                                     "fullscreen, font, theme, longest, repeats, locked, results, practice and scan)"));
    if (value.isList)
        return refuse(QStringLiteral("a value with a comma must be written in double quotes"));
    if (key == QLatin1String("pictures")) {
        // A folder's name is the file system's bytes, whatever their
        // encoding. A relative path would depend on where the game is
        // started from.
        struct stat folder {};
        if (!value.bytes.startsWith('/'))
            return refuse(QStringLiteral("not a full path (one that begins with /)"));
        if (::stat(value.bytes.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            return refuse(QStringLiteral("no such folder"));
        chosen.picturesFolder = value.bytes.toStdString();
    } else if (key == QLatin1String("theme")) {
        // A theme is a folder's name, in the file system's bytes. Empty:
        // the whole list, over a weaker file's theme.
        chosen.theme = value.bytes.toStdString();
    } else if (key == QLatin1String("results")) {
        // Empty turns results off again; whether the folder can be
        // written to is told when the game starts.
        if (!value.bytes.isEmpty() && !value.bytes.startsWith('/'))
            return refuse(QStringLiteral("not a full path (one that begins with /)"));
        chosen.resultsFolder = value.bytes.toStdString();
    } else if (text.toUtf8() != value.bytes) {
        return refuse(QStringLiteral("not UTF-8 text"));
    } else if (key == QLatin1String("language")) {
        const QString name = findLanguage(sources.languageNames, text);
        if (name.isEmpty())
            return refuse(QStringLiteral("not a language of the list: ")
                          + listedNames(sources.languageNames, sources.languageListProblem));
        chosen.language = name;
    } else if (key == QLatin1String("font")) {
        // Whether the family is installed is known only to the window.
        if (text.trimmed().isEmpty())
            return refuse(QStringLiteral("no font family given"));
        chosen.font = text.trimmed();
    } else if (key == QLatin1String("longest")) {
        const std::optional<int> letters = readLongest(text);
        if (!letters)
            return refuse(QStringLiteral("not a number of letters from 1 to %1").arg(kMostLetters));
        chosen.longest = *letters;
    } else if (key == QLatin1String("scan")) {
        // Empty turns off a weaker file's scan.
        const std::optional<int> beat = text.trimmed().isEmpty() ? 0 : readScanBeat(text);
        if (!beat)
            return refuse(scanRange());
        chosen.scanBeat = *beat;
    } else {
        const std::optional<bool> flag = readBoolean(text);
        if (!flag)
            return refuse(QStringLiteral("neither true nor false"));
        std::optional<bool>& box = key == QLatin1String("capitals") ? chosen.capitals
            : key == QLatin1String("voice")                      ? chosen.voice
            : key == QLatin1String("repeats")                    ? chosen.repeats
            : key == QLatin1String("locked")                     ? chosen.locked
            : key == QLatin1String("practice")                   ? chosen.practice
                                                                 : chosen.fullscreen;
        box = *flag;
    }
    return true;
}

void readFile(const QString& path, const StartSources& sources, Chosen& chosen, FixedSettings& fixed,
              QStringList& warnings)
{
    const QByteArray pathBytes = QFile::encodeName(path);
    const FileContents contents = readTextFile(pathBytes.toStdString());
    if (contents.error != 0) {
        if (!absent(pathBytes.toStdString(), contents.error))
            warnings << shown(pathBytes) + QStringLiteral(": cannot be read: ")
                    + whyUnreadable(pathBytes.toStdString(), contents.error, "settings file")
                    + QStringLiteral("; ignored");
        return;
    }
    qCDebug(lcSettings) << "reading" << path;
    const SettingsText file = parseSettings(contents.bytes);
    if (file.malformed)
        warnings << shown(pathBytes)
                + QStringLiteral(": a line that is neither KEY=VALUE nor [SECTION] is ignored "
                                 "(comments begin with ';')");
    for (const auto& [key, values] : file.values) {
        // Commented out as in a shell script: what the writer meant.
        if (key.startsWith(u'#'))
            continue;
        // Each line in turn, so that every mistake is told and the last
        // line the game can use wins.
        for (const SettingsValue& value : values) {
            const auto ignore = [&](const QString& why) {
                warnings << QStringLiteral("%1: %2=%3: %4; ignored")
                                .arg(shown(pathBytes), shown(key.toUtf8()), shown(value.bytes), why);
            };
            if (const auto by = fixed.find(key); by != fixed.end()) {
                if (value.bytes != by->second.value)
                    ignore(QStringLiteral("fixed by ") + by->second.file);
                continue;
            }
            QString why;
            if (!takeSetting(key, value, sources, chosen, why))
                ignore(why);
            else if (value.fixed)
                fixed[key] = {shown(pathBytes), value.bytes};
        }
    }
}

// The command line's value for a setting, unless a file fixed the setting
// to another value: that option is ignored with a warning.
template <typename T>
void takeOption(const QString& key, const QString& option, const T& value, std::optional<T>& box,
                const FixedSettings& fixed, QStringList& warnings)
{
    if (const auto by = fixed.find(key); by != fixed.end() && box != value) {
        warnings << QStringLiteral("%1: fixed by %2 (%3=%4); ignored")
                        .arg(option, by->second.file, key, shown(by->second.value));
        return;
    }
    box = value;
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

StartSettings resolveStartSettings(const CommandLine& line, const StartSources& sources, QStringList& warnings)
{
    Chosen chosen;
    FixedSettings fixed;
    for (const QString& path : sources.settingsFiles)
        readFile(path, sources, chosen, fixed, warnings);

    const auto option = [](const QString& key, const QString& value) {
        return QStringLiteral("--%1 %2").arg(key, shown(value.toUtf8()));
    };
    const auto bytesOption = [](const QString& key, const std::string& value) {
        return QStringLiteral("--%1 %2").arg(key, shown(QByteArray::fromStdString(value)));
    };
    if (line.language) {
        const QString name = findLanguage(sources.languageNames, *line.language);
        if (name.isEmpty() && !fixed.contains(QStringLiteral("language")))
            throw EUsageError(QStringLiteral("unknown language '%1': %2")
                                  .arg(*line.language, listedNames(sources.languageNames, sources.languageListProblem))
                                  .toStdString());
        takeOption(QStringLiteral("language"), option(QStringLiteral("language"), *line.language), name,
                   chosen.language, fixed, warnings);
    }
    if (!line.picturesFolder.empty()) {
        // Kept all the same: the player named it, and the window says it
        // holds no pictures.
        struct stat folder {};
        const bool overruled =
            fixed.contains(QStringLiteral("pictures")) && chosen.picturesFolder != line.picturesFolder;
        if (!overruled && (::stat(line.picturesFolder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)))
            warnings << bytesOption(QStringLiteral("pictures"), line.picturesFolder) + QStringLiteral(": no such folder");
        takeOption(QStringLiteral("pictures"), bytesOption(QStringLiteral("pictures"), line.picturesFolder),
                   line.picturesFolder, chosen.picturesFolder, fixed, warnings);
    }
    if (!line.resultsFolder.empty())
        takeOption(QStringLiteral("results"), bytesOption(QStringLiteral("results"), line.resultsFolder),
                   line.resultsFolder, chosen.resultsFolder, fixed, warnings);
    if (line.practice)
        takeOption(QStringLiteral("practice"), QStringLiteral("--practice"), true, chosen.practice, fixed, warnings);
    if (line.mute)
        takeOption(QStringLiteral("voice"), QStringLiteral("--mute"), false, chosen.voice, fixed, warnings);
    if (line.fullscreen)
        takeOption(QStringLiteral("fullscreen"), QStringLiteral("--fullscreen"), true, chosen.fullscreen, fixed,
                   warnings);
    if (line.font)
        takeOption(QStringLiteral("font"), option(QStringLiteral("font"), *line.font), *line.font, chosen.font, fixed,
                   warnings);
    if (line.theme)
        takeOption(QStringLiteral("theme"), option(QStringLiteral("theme"), *line.theme),
                   QFile::encodeName(*line.theme).toStdString(), chosen.theme, fixed, warnings);
    if (line.longest)
        takeOption(QStringLiteral("longest"), option(QStringLiteral("longest"), QString::number(*line.longest)),
                   *line.longest, chosen.longest, fixed, warnings);
    if (line.noRepeats)
        takeOption(QStringLiteral("repeats"), QStringLiteral("--no-repeats"), false, chosen.repeats, fixed, warnings);
    // Locking only ever makes the game stricter, even over a file's fixed
    // locked=false.
    if (line.locked)
        chosen.locked = true;
    if (line.scan) {
        // The player asked for this pace: none other is put in its place.
        const int beat = readScanBeat(*line.scan).value_or(0);
        const bool overruled = fixed.contains(QStringLiteral("scan")) && chosen.scanBeat != beat;
        if (beat == 0 && !overruled)
            warnings << QStringLiteral("--scan %1: %2; no switch scan").arg(shown(line.scan->toUtf8()), scanRange());
        takeOption(QStringLiteral("scan"), option(QStringLiteral("scan"), *line.scan), beat, chosen.scanBeat, fixed,
                   warnings);
    }

    StartSettings settings;
    if (chosen.language) {
        settings.language = *chosen.language;
    } else {
        settings.language = desktopLanguage(sources.languageNames, sources.desktopLanguages);
        qCDebug(lcSettings) << "desktop languages" << sources.desktopLanguages << "give" << settings.language;
    }
    settings.picturesFolder = chosen.picturesFolder.value_or(settings.picturesFolder);
    settings.capitals = chosen.capitals.value_or(settings.capitals);
    settings.voice = chosen.voice.value_or(settings.voice);
    settings.fullscreen = chosen.fullscreen.value_or(settings.fullscreen);
    settings.font = chosen.font.value_or(settings.font);
    settings.theme = chosen.theme.value_or(settings.theme);
    settings.longest = chosen.longest.value_or(settings.longest);
    settings.repeats = chosen.repeats.value_or(settings.repeats);
    settings.locked = chosen.locked.value_or(settings.locked);
    settings.resultsFolder = chosen.resultsFolder.value_or(settings.resultsFolder);
    // The words to practise are read from the pupil's results.
    settings.practice = chosen.practice.value_or(settings.practice) && !settings.resultsFolder.empty();
    if (chosen.practice.value_or(false) && settings.resultsFolder.empty())
        warnings << QStringLiteral("practice needs a results folder (results= or --results); the game deals as usual");
    settings.scanBeat = chosen.scanBeat.value_or(settings.scanBeat);
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

StartSettings readStartSettings(const CommandLine& line, const std::string& programFolder, std::FILE* err)
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
    QStringList warnings;
    if (!sources.languageListProblem.isEmpty())
        warnings << sources.languageListProblem + QStringLiteral("; the window keeps its own language");
    const StartSettings settings = resolveStartSettings(line, sources, warnings);
    for (const QString& warning : warnings)
        std::fprintf(err, "brindolo: %s\n", terminalSafe(warning.toStdString()).c_str());
    return settings;
}

}  // namespace brindolo
