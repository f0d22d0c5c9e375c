// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"
#include "app/first_paint.h"
#include "app/folder_check.h"
#include "app/principale.h"
#include "app/session_end.h"
#include "app/start_settings.h"
#include "app/worksheet_command.h"
#include "editor/editor_command.h"
#include "editor/editor_window_entry.h"
#include "game/word_list.h"
#include "results/class_summary.h"
#include "results/practice.h"
#include "results/results_writer.h"
#include "speech/module_recording_player.h"
#include "speech/text_to_speech_speaker.h"
#include "system/module_loader.h"
#include "system/program_folder.h"
#include "system/standard_streams.h"
#include "system/utf8.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// --add, --export and --import: on --pictures' folder or the teacher's own,
// never on the list the settings choose for a game.
int editWordList(const brindolo::CommandLine& line, int argc, char** argv)
{
    // Qt finds the picture format plugins through the application object.
    const QCoreApplication application(argc, argv);
    using Operation = brindolo::EditorRequest::Operation;
    brindolo::EditorRequest request;
    request.operation = line.action == brindolo::CommandLine::Action::Add      ? Operation::Add
                      : line.action == brindolo::CommandLine::Action::Export ? Operation::Export
                                                                              : Operation::Import;
    request.pictures = line.edit.pictures;
    if (line.edit.word)
        request.word = line.edit.word->toStdString();
    if (line.settings.theme)
        request.theme = *line.settings.theme;
    request.chosenFolder = line.settings.pictures.value_or(std::string());
    request.archive = line.edit.archive;
    request.replace = line.edit.replace;
    const brindolo::EditorPlaces places{brindolo::teacherFolder(), brindolo::programFolder()};
    try {
        const auto command = brindolo::moduleFunction<decltype(brindolo_editor_command)>(
            brindolo::moduleFolder(), brindolo::kEditorModule, brindolo::kEditorCommand);
        return command(&request, &places, stdout, stderr);
    } catch (const brindolo::EInOutError& error) {
        std::fprintf(stderr, "brindolo: %s\n", brindolo::terminalSafe(error.what()).c_str());
        return 1;
    }
}

// The class's table: 0 when every file and line was read, 1 otherwise.
int printSummary(const std::string& folder, std::vector<brindolo::PupilPractice>* pupils)
{
    try {
        return brindolo::printClassSummary(folder, stdout, stderr, pupils) > 0 ? 1 : 0;
    } catch (const brindolo::EInOutError& error) {
        std::fprintf(stderr, "brindolo: %s\n", brindolo::terminalSafe(error.what()).c_str());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    brindolo::secureStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("brindolo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRINDOLO_VERSION));
    const brindolo::CommandLine line = brindolo::readCommandLine(argc, argv);
    switch (line.action) {
    case brindolo::CommandLine::Action::Help:
    case brindolo::CommandLine::Action::Version:
        std::fputs(line.text.toLocal8Bit().constData(), stdout);
        return 0;
    case brindolo::CommandLine::Action::Error:
        std::fprintf(stderr, "brindolo: %s\nTry 'brindolo --help' for more information.\n",
                     brindolo::terminalSafe(line.text.toLocal8Bit().toStdString()).c_str());
        return 2;
    case brindolo::CommandLine::Action::Summary:
        if (line.worksheetsFolder.empty())
            return printSummary(line.summaryFolder, nullptr);
        break;
    case brindolo::CommandLine::Action::Add:
    case brindolo::CommandLine::Action::Export:
    case brindolo::CommandLine::Action::Import:
        return editWordList(line, argc, argv);
    case brindolo::CommandLine::Action::Edit:
    case brindolo::CommandLine::Action::Check:
    case brindolo::CommandLine::Action::Worksheet:
    case brindolo::CommandLine::Action::Play:
        break;
    }
    brindolo::StartSettings start;
    // The editor's --pictures names a list to change, which it makes when
    // missing: not the game's pictures, whose missing folder is warned of.
    brindolo::TypedSettings typed = line.settings;
    if (line.action == brindolo::CommandLine::Action::Edit)
        typed.pictures.reset();
    try {
        start = brindolo::readStartSettings(typed, brindolo::programFolder(), stderr);
    } catch (const brindolo::EUsageError& error) {
        std::fprintf(stderr, "brindolo: %s\n", brindolo::terminalSafe(error.what()).c_str());
        return 2;
    }
    const brindolo::WordListPlaces places{start.picturesFolder, brindolo::teacherFolder()};
    if (line.action == brindolo::CommandLine::Action::Edit) {
        // Only --pictures chooses another list: a school's pictures= is the
        // list the pupils play, not the teacher's to change.
        const brindolo::EditorWindowRequest request{argc, argv, line.settings.pictures.value_or(std::string()),
                                                    places.teacherFolder, brindolo::programFolder(),
                                                    start.language.toStdString(), line.editorFile};
        try {
            return brindolo::moduleFunction<decltype(brindolo_editor_window)>(
                brindolo::moduleFolder(), brindolo::kEditorModule, brindolo::kEditorWindowEntry)(&request);
        } catch (const brindolo::EInOutError& error) {
            std::fprintf(stderr, "brindolo: %s\n", brindolo::terminalSafe(error.what()).c_str());
            return 1;
        }
    }
    if (line.action == brindolo::CommandLine::Action::Check) {
        if (!line.checkFolder.empty())
            return brindolo::checkPictureFolder(line.checkFolder, stdout).errors > 0 ? 1 : 0;
        const std::string folder =
            brindolo::wordListFolder(places, brindolo::programFolder(), start.language.toStdString());
        std::printf("Checking the word list the game would use: %s\n", brindolo::terminalSafe(folder).c_str());
        return brindolo::checkPictureFolder(folder, stdout).errors > 0 ? 1 : 0;
    }
    if (line.action == brindolo::CommandLine::Action::Worksheet) {
        brindolo::FirstWords first;
        if (start.practice)
            first = {brindolo::practiceWords(start.resultsFolder, brindolo::loginName()), brindolo::kPracticeWords};
        return brindolo::runWorksheet(line.worksheet, places, brindolo::programFolder(), start.language,
                                      start.capitals && !line.worksheet.smallLetters, start.theme, start.longest,
                                      first);
    }
    if (line.action == brindolo::CommandLine::Action::Summary) {
        // The sheets of the pupils the table counts, dealt as a game would.
        std::vector<brindolo::PupilPractice> pupils;
        const int printed = printSummary(line.summaryFolder, &pupils);
        std::fflush(stdout);
        const int written = brindolo::runPracticeWorksheets(line.worksheetsFolder, pupils, places,
                                                            brindolo::programFolder(), start.language, start.capitals,
                                                            start.theme, start.longest);
        return std::max(printed, written);
    }

    QApplication qtApplication(argc, argv);
    brindolo::TApplication application;
    application.setTitle(QStringLiteral("Brindolo 1.0"));
    // Declared before the window, which speaks through it to the end.
    brindolo::TextToSpeechSpeaker speaker;
    brindolo::ModuleRecordingPlayer recordings;
    auto window = std::make_unique<brindolo::TPrincipale>(&application, std::string(), nullptr, places.teacherFolder);
    QObject::connect(&speaker, &brindolo::TextToSpeechSpeaker::voicesChanged, window.get(),
                     &brindolo::TPrincipale::voicesChanged);
    // For packaging checks: prove the window comes up on the shipped data,
    // then leave at once, with no speech daemon started on the way.
    const bool reportAndQuit = qEnvironmentVariable("BRINDOLO_REPORT_AND_QUIT") == QLatin1String("1");
    // Reaching the speech daemon (and starting it) takes a moment that must
    // not hold back the window.
    if (!reportAndQuit)
        brindolo::AfterFirstPaint::watch(*window, [&speaker] { speaker.start(); });
    brindolo::QuitAfterFirstPaint::watch(*window);
    window->apply(start, speaker, &recordings);
    // A logout, a shutdown or a signal ends even a locked game as ESCI
    // would; a signal also stops a message box that may be open.
    const brindolo::SessionEnd sessionEnd(
        [&window] {
            window->endGame();
            QCoreApplication::exit(0);
        },
        [&window] { window->releaseForSessionEnd(); });

    if (reportAndQuit) {
        std::printf("catalogue: %d\n", window->catalogue().count());
        std::fflush(stdout);
        QTimer::singleShot(0, &qtApplication, &QCoreApplication::quit);
    }
    qtApplication.exec();
    window.reset();
    // An engine thread still inside the speech library (a daemon that does
    // not answer) would meet the library's and Qt's memory torn down under
    // it by the exit that follows: the process ends here instead. Only our
    // own streams are flushed, since the library's thread holds its socket's
    // stream locked while it waits.
    if (!speaker.finish()) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(0);
    }
    return 0;
}
