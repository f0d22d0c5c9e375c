// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheet_command.h"

#include "app/warning.h"

#include "i18n/language_chooser.h"
#include "i18n/language_list.h"
#include "results/practice.h"
#include "system/errors.h"
#include "system/file_path.h"
#include "system/utf8.h"
#include "worksheet/worksheet_file.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <new>

namespace brindolo {

namespace {

WorksheetRequest worksheetRequest(const WordListPlaces& places, const std::string& programFolder,
                                  const QString& language, bool capitals, const std::string& theme, int longest)
{
    WorksheetRequest request;
    request.wordFolder = wordListFolder(places, programFolder, language.toStdString());
    std::string missingTheme;
    request.theme = themeToPlay(request.wordFolder, theme, missingTheme);
    if (!missingTheme.empty())
        printWarnings({{.why = missingTheme}});
    request.longest = longest;
    if (!language.isEmpty())
        request.languageFile = LanguageFilePath(programFolder, language);
    request.capitals = capitals;
    return request;
}

// Fonts and the PDF need a GUI application, never a display.
template <typename Write>
int withGuiApplication(const Write& write)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int count = 1;
    char name[] = "brindolo";
    char* arguments[] = {name, nullptr};
    const QGuiApplication application(count, arguments);
    return write();
}

// Writes one sheet; 1, with the message on stderr, when it cannot be.
int writeOne(const WorksheetRequest& request, const std::string& path)
{
    try {
        writeWorksheet(request, path);
    } catch (const Exception& failure) {
        std::fprintf(stderr, "brindolo: %s\n", terminalSafe(failure.what()).c_str());
        return 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "brindolo: out of memory while writing the worksheet\n");
        return 1;
    }
    return 0;
}

}  // namespace

int runWorksheet(const WorksheetOptions& options, const WordListPlaces& places, const std::string& programFolder,
                 const QString& language, bool capitals, const std::string& theme, int longest,
                 const FirstWords& first)
{
    WorksheetRequest request = worksheetRequest(places, programFolder, language, capitals, theme, longest);
    request.seed = options.seed;
    request.first = first;
    return withGuiApplication([&] { return writeOne(request, options.file); });
}

int runPracticeWorksheets(const std::string& folder, const std::vector<PupilPractice>& pupils,
                          const WordListPlaces& places, const std::string& programFolder, const QString& language,
                          bool capitals, const std::string& theme, int longest)
{
    const WorksheetRequest shared = worksheetRequest(places, programFolder, language, capitals, theme, longest);
    return withGuiApplication([&] {
        int status = 0;
        for (const PupilPractice& pupil : pupils) {
            WorksheetRequest request = shared;
            request.first = {pupil.words, kPracticeWords};
            status = std::max(status, writeOne(request, joinPath(folder, pupil.login + ".pdf")));
        }
        return status;
    });
}

}  // namespace brindolo
