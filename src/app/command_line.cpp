// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include "app/start_settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <limits>
#include <utility>
#include <vector>

namespace brindolo {

namespace {

// Options that QGuiApplication and QApplication take out of the arguments
// themselves: known here so that they are not refused, never shown in help.
void acceptQtOptions(QCommandLineParser& parser)
{
    const auto hidden = [&](const QString& name, const QString& valueName = {}) {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet"})
        hidden(QString::fromLatin1(name), QStringLiteral("value"));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        hidden(QString::fromLatin1(name));
}

// Qt would decode an argument that is not UTF-8 with replacement characters,
// and a folder named in another encoding (lat\xe9n) could then never be found
// again. Such an argument keeps each byte above ASCII as a lone surrogate
// U+DC80..U+DCFF, which no UTF-8 text decodes to, so that its bytes come back
// intact in fileBytes.
QString argumentText(const char* argument)
{
    const QByteArrayView bytes(argument);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += QChar(static_cast<char16_t>(code < 0x80 ? code : 0xDC00 + code));
    }
    return text;
}

// A byte kept by argumentText: a low surrogate of that range with no high
// surrogate before it (UTF-8 text gives low surrogates only in pairs).
bool isKeptByte(const QString& text, qsizetype i)
{
    const char16_t code = text[i].unicode();
    return code >= 0xDC80 && code <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
}


struct WorksheetOptionNames {
    QCommandLineOption file;
    QCommandLineOption seed;
    QCommandLineOption smallLetters;
};

// After parsing: fills line.worksheet and, for --worksheet, the action.
// False, with line's action Error and its text, for a mistake: a seed that
// is no number, or an option that only goes with --worksheet.
bool readWorksheetOptions(const QCommandLineParser& parser, const WorksheetOptionNames& names, CommandLine& line)
{
    const auto mistake = [&line](const QString& text) {
        line.action = CommandLine::Action::Error;
        line.text = text;
        return false;
    };
    if (!parser.isSet(names.file)) {
        for (const QCommandLineOption* option : {&names.seed, &names.smallLetters})
            if (parser.isSet(*option))
                return mistake(QStringLiteral("--%1 goes with --worksheet.").arg(option->names().first()));
        return true;
    }
    line.worksheet.file = fileBytes(parser.value(names.file));
    if (line.worksheet.file.empty())
        return mistake(QStringLiteral("--worksheet needs the name of the file to write."));
    if (parser.isSet(names.seed)) {
        bool number = false;
        const qulonglong seed = parser.value(names.seed).toULongLong(&number);
        if (!number || seed > std::numeric_limits<std::uint32_t>::max())
            return mistake(QStringLiteral("--seed takes a whole number from 0 to %1, not '%2'.")
                               .arg(std::numeric_limits<std::uint32_t>::max())
                               .arg(parser.value(names.seed)));
        line.worksheet.seed = static_cast<std::uint32_t>(seed);
    }
    line.worksheet.smallLetters = parser.isSet(names.smallLetters);
    line.action = CommandLine::Action::Worksheet;
    return true;
}

struct ListEditOptionNames {
    QCommandLineOption add;
    QCommandLineOption exportTo;
    QCommandLineOption importFrom;
    QCommandLineOption word;
    QCommandLineOption replace;
};

// After parsing, unless a worksheet or a summary was asked for: fills
// line.edit and the action for --add, --export or --import. False, with
// line's action Error and its text, for a mistake.
bool readListEditOptions(const QCommandLineParser& parser, const ListEditOptionNames& names, bool otherCommand,
                         CommandLine& line)
{
    const auto mistake = [&line](const QString& text) {
        line.action = CommandLine::Action::Error;
        line.text = text;
        return false;
    };
    const int operations = int(parser.isSet(names.add)) + int(parser.isSet(names.exportTo))
        + int(parser.isSet(names.importFrom));
    if (operations == 0) {
        for (const QCommandLineOption* option : {&names.word, &names.replace})
            if (parser.isSet(*option))
                return mistake(QStringLiteral("--%1 goes with --add or --import.").arg(option->names().first()));
        return true;
    }
    if (operations > 1 || otherCommand)
        return mistake(QStringLiteral("--add, --export and --import go one at a time, and not with --check, "
                                      "--worksheet or --summary."));
    const QStringList positional = parser.positionalArguments();
    line.edit.replace = parser.isSet(names.replace);
    if (parser.isSet(names.add)) {
        if (positional.isEmpty())
            return mistake(QStringLiteral("--add needs the pictures to add."));
        if (parser.isSet(names.word) && positional.size() > 1)
            return mistake(QStringLiteral("--word goes with one picture only, not %1.").arg(positional.size()));
        if (parser.isSet(names.word) && parser.value(names.word).trimmed().isEmpty())
            return mistake(QStringLiteral("--word needs the word."));
        for (const QString& picture : positional)
            line.edit.pictures.push_back(fileBytes(picture));
        if (parser.isSet(names.word))
            line.edit.word = parser.value(names.word);
        line.action = CommandLine::Action::Add;
        return true;
    }
    const QCommandLineOption& option = parser.isSet(names.exportTo) ? names.exportTo : names.importFrom;
    if (parser.isSet(names.word) || (parser.isSet(names.replace) && &option == &names.exportTo))
        return mistake(QStringLiteral("--%1 does not go with --%2.")
                           .arg(parser.isSet(names.word) ? QStringLiteral("word") : QStringLiteral("replace"),
                                option.names().first()));
    if (!positional.isEmpty())
        return mistake(QStringLiteral("--%1 takes one file, given after it.").arg(option.names().first()));
    line.edit.archive = fileBytes(parser.value(option));
    if (line.edit.archive.empty())
        return mistake(QStringLiteral("--%1 needs the name of the .brindolo file.").arg(option.names().first()));
    line.action = &option == &names.exportTo ? CommandLine::Action::Export : CommandLine::Action::Import;
    return true;
}

}  // namespace

std::string fileBytes(const QString& value)
{
    bool kept = false;
    for (qsizetype i = 0; i < value.size() && !kept; ++i)
        kept = isKeptByte(value, i);
    if (!kept)
        return QFile::encodeName(value).toStdString();
    // Such a text holds ASCII and kept bytes only.
    std::string bytes;
    for (const QChar c : value)
        bytes += static_cast<char>(c.unicode() >= 0xDC80 ? c.unicode() - 0xDC00 : c.unicode());
    return bytes;
}

CommandLine readCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(argumentText(argv[i]));

    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform offscreen), so one
    // dash never bundles single letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "A vocabulary game: drag each word's sorted letters onto the picture it spells."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const auto option = [&parser](QStringList names, const char* description, const char* valueName = nullptr) {
        const QCommandLineOption added(names, QString::fromUtf8(description), QString::fromLatin1(valueName));
        parser.addOption(added);
        return added;
    };
    const WorksheetOptionNames worksheet{
        option({"worksheet"},
               "Write a worksheet of a fresh deal to <file> (PDF) and exit, without a window: the pictures with "
               "their sorted letters, and the answers on a second page.",
               "file"),
        option({"seed"}, "With --worksheet: deal from <number>, so that the same number gives the same sheet again.",
               "number"),
        option({"small-letters"}, "With --worksheet: small letters, not capitals."),
    };
    const ListEditOptionNames edit{
        option({"add"},
               "Add the pictures given after the options to the word list, each saved as its word's picture, "
               "without a window: to your own list, or to --pictures' folder, and to --theme's theme."),
        option({"export"}, "Share the word list (or --theme's theme) as one file, <file>.brindolo, and exit.",
               "file"),
        option({"import"}, "Add the pictures and recordings of <file> (.brindolo or .zip) to the word list, and "
                           "exit.",
               "file"),
        option({"word"}, "With --add of one picture: its word, instead of the one its file name gives.", "word"),
        option({"replace"}, "With --add or --import: replace the words that are in the list already."),
    };
    std::vector<std::pair<const Setting*, QCommandLineOption>> settings;
    for (const Setting& setting : startSettingsTable()) {
        if (!setting.given)
            continue;
        QStringList names{setting.optionName()};
        if (setting.letter)
            names.prepend(QString(QChar::fromLatin1(setting.letter)));
        const char* valueName = setting.switchValue ? nullptr : setting.valueName ? setting.valueName : setting.key;
        settings.emplace_back(&setting, option(names, setting.help, valueName));
    }
    const auto check = option({"check"},
                              "Check the pictures of the word list, or of [folder], and report what would go wrong "
                              "in a game, without opening the window. Exit status 1 when there is an error.");
    const auto summary = option(
        {"summary"}, "Print a table of the results in <folder>, one row per pupil, without opening the window.",
        "folder");
    const auto worksheets = option({"worksheets"},
                                   "With --summary: write each pupil's practice worksheet to <folder>/LOGIN.pdf.",
                                   "folder");
    const auto editor = option({"edit"}, "Open the word-list editor on the teacher's own word list, or on --pictures' "
                                       "folder; a [file].brindolo given with it is offered for import.");
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The folder that --check checks."),
                                 QStringLiteral("[folder]"));
    parser.addPositionalArgument(QStringLiteral("pictures"), QStringLiteral("The pictures that --add adds."),
                                 QStringLiteral("[pictures...]"));
    acceptQtOptions(parser);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Error;
        line.text = parser.errorText();
        return line;
    }
    if (parser.isSet(help) || parser.optionNames().contains(QStringLiteral("help-all"))) {
        // The usage line names the program after the application object's
        // first argument: the command the user types, not the private path
        // the launcher starts.
        int count = 1;
        char name[] = "brindolo";
        char* names[] = {name, nullptr};
        const QCoreApplication application(count, names);
        line.action = CommandLine::Action::Help;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.text = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return line;
    }
    for (const auto& [setting, given] : settings) {
        if (!parser.isSet(given))
            continue;
        const QString value = parser.value(given);
        if (setting->given == &TypedSettings::longest && !readLongest(value)) {
            line.action = CommandLine::Action::Error;
            line.text = QStringLiteral("--longest takes a number of letters from 1 to %1, not '%2'.")
                            .arg(kMostLetters)
                            .arg(value);
            return line;
        }
        line.settings.*setting->given = fileBytes(value);
    }
    const QStringList positional = parser.positionalArguments();
    if (!readWorksheetOptions(parser, worksheet, line))
        return line;
    const bool otherCommand = line.action == CommandLine::Action::Worksheet || parser.isSet(summary)
        || parser.isSet(check) || parser.isSet(editor);
    if (!readListEditOptions(parser, edit, otherCommand, line))
        return line;
    if (line.action != CommandLine::Action::Play && line.action != CommandLine::Action::Worksheet)
        return line;
    if (line.action == CommandLine::Action::Worksheet && (parser.isSet(check) || !positional.isEmpty())) {
        line.action = CommandLine::Action::Error;
        line.text = QStringLiteral("--worksheet takes no folder and does not go with --check.");
        return line;
    }
    if (line.action == CommandLine::Action::Worksheet)
        return line;
    if (parser.isSet(summary)) {
        if (parser.isSet(check) || !positional.isEmpty()) {
            line.action = CommandLine::Action::Error;
            line.text = QStringLiteral("--summary takes one folder and does not go with --check.");
            return line;
        }
        line.action = CommandLine::Action::Summary;
        line.summaryFolder = fileBytes(parser.value(summary));
        line.worksheetsFolder = fileBytes(parser.value(worksheets));
        return line;
    }
    if (parser.isSet(worksheets)) {
        line.action = CommandLine::Action::Error;
        line.text = QStringLiteral("--worksheets goes with --summary.");
        return line;
    }
    if (parser.isSet(editor)) {
        if (parser.isSet(check) || positional.size() > 1) {
            line.action = CommandLine::Action::Error;
            line.text = QStringLiteral("--edit takes at most one file to import and does not go with --check.");
            return line;
        }
        line.action = CommandLine::Action::Edit;
        if (!positional.isEmpty())
            line.editorFile = fileBytes(positional.first());
        return line;
    }
    if (parser.isSet(check)) {
        if (positional.size() > 1) {
            line.action = CommandLine::Action::Error;
            line.text = QStringLiteral("--check takes one folder, not %1.").arg(positional.size());
            return line;
        }
        if (!positional.isEmpty() && positional.first().isEmpty()) {
            line.action = CommandLine::Action::Error;
            line.text = QStringLiteral("--check was given an empty folder name; leave the folder out to check the "
                                       "word list the game would use.");
            return line;
        }
        line.action = CommandLine::Action::Check;
        if (!positional.isEmpty())
            line.checkFolder = fileBytes(positional.first());
        return line;
    }
    if (!positional.isEmpty()) {
        line.action = CommandLine::Action::Error;
        line.text = QStringLiteral("Unexpected argument '%1': a folder of pictures goes after --pictures "
                                   "(or after --check).")
                        .arg(positional.first());
    }
    return line;
}

}  // namespace brindolo
