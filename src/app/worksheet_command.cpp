// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheet_command.h"

#include "i18n/language_chooser.h"
#include "i18n/language_list.h"
#include "system/errors.h"
#include "system/file_path.h"
#include "worksheet/worksheet_file.h"

#include <QGuiApplication>
#include <cstdio>
#include <limits>
#include <new>

namespace brindolo {

WorksheetParser::WorksheetParser(QCommandLineParser& parser)
    : worksheet_(QStringLiteral("worksheet"),
                 QStringLiteral("Write a worksheet of a fresh deal to <file> (PDF) and exit, without a window: "
                                "the pictures with their sorted letters, and the answers on a second page."),
                 QStringLiteral("file")),
      seed_(QStringLiteral("seed"), QStringLiteral("With --worksheet: deal from <number>, so that the same number "
                                                   "gives the same sheet again."),
            QStringLiteral("number")),
      smallLetters_(QStringLiteral("small-letters"), QStringLiteral("With --worksheet: small letters, not capitals."))
{
    parser.addOption(worksheet_);
    parser.addOption(seed_);
    parser.addOption(smallLetters_);
}

bool WorksheetParser::read(const QCommandLineParser& parser, CommandLine& line) const
{
    const auto mistake = [&line](const QString& text) {
        line.action = CommandLine::Action::Error;
        line.text = text;
        return false;
    };
    if (!parser.isSet(worksheet_)) {
        for (const QCommandLineOption* option : {&seed_, &smallLetters_})
            if (parser.isSet(*option))
                return mistake(QStringLiteral("--%1 goes with --worksheet.").arg(option->names().first()));
        return true;
    }
    line.worksheet.file = fileBytes(parser.value(worksheet_));
    if (line.worksheet.file.empty())
        return mistake(QStringLiteral("--worksheet needs the name of the file to write."));
    if (parser.isSet(seed_)) {
        bool number = false;
        const qulonglong seed = parser.value(seed_).toULongLong(&number);
        if (!number || seed > std::numeric_limits<std::uint32_t>::max())
            return mistake(QStringLiteral("--seed takes a whole number from 0 to %1, not '%2'.")
                               .arg(std::numeric_limits<std::uint32_t>::max())
                               .arg(parser.value(seed_)));
        line.worksheet.seed = static_cast<std::uint32_t>(seed);
    }
    line.worksheet.smallLetters = parser.isSet(smallLetters_);
    line.action = CommandLine::Action::Worksheet;
    return true;
}

int runWorksheet(const WorksheetOptions& options, const WordListPlaces& places, const std::string& programFolder,
                 const QString& language, bool capitals, const std::string& theme, int longest)
{
    WorksheetRequest request;
    request.wordFolder = wordListFolder(places, programFolder, language.toStdString());
    std::string warning;
    request.theme = themeToPlay(request.wordFolder, theme, warning);
    if (!warning.empty())
        std::fprintf(stderr, "brindolo: %s\n", warning.c_str());
    request.longest = longest;
    if (!language.isEmpty())
        request.languageFile = LanguageFilePath(programFolder, language);
    request.capitals = capitals;
    request.seed = options.seed;

    // Fonts and the PDF need a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int count = 1;
    char name[] = "brindolo";
    char* arguments[] = {name, nullptr};
    const QGuiApplication application(count, arguments);
    try {
        writeWorksheet(request, options.file);
    } catch (const Exception& failure) {
        std::fprintf(stderr, "brindolo: %s\n", failure.what());
        return 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "brindolo: out of memory while writing the worksheet\n");
        return 1;
    }
    return 0;
}

}  // namespace brindolo
