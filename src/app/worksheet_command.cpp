// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheet_command.h"

#include "i18n/language_chooser.h"
#include "i18n/language_list.h"
#include "system/errors.h"
#include "system/file_path.h"
#include "system/utf8.h"
#include "worksheet/worksheet_file.h"

#include <QGuiApplication>
#include <cstdio>
#include <new>

namespace brindolo {

int runWorksheet(const WorksheetOptions& options, const WordListPlaces& places, const std::string& programFolder,
                 const QString& language, bool capitals, const std::string& theme, int longest)
{
    WorksheetRequest request;
    request.wordFolder = wordListFolder(places, programFolder, language.toStdString());
    std::string warning;
    request.theme = themeToPlay(request.wordFolder, theme, warning);
    if (!warning.empty())
        std::fprintf(stderr, "brindolo: %s\n", terminalSafe(warning).c_str());
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
        std::fprintf(stderr, "brindolo: %s\n", terminalSafe(failure.what()).c_str());
        return 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "brindolo: out of memory while writing the worksheet\n");
        return 1;
    }
    return 0;
}

}  // namespace brindolo
