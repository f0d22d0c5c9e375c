// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The word list's operations from the command line, for scripts, with no
// window: --add, --export and --import. They work on the list named with
// --pictures or on the teacher's own folder, never on a shipped pack.

#include <QtGlobal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace brindolo {

struct EditorRequest {
    enum class Operation { Add, Export, Import };
    Operation operation = Operation::Add;
    std::vector<std::string> pictures;  // --add's picture files
    std::optional<std::string> word;    // --word, UTF-8; with one picture only
    std::string theme;                  // --theme's folder name; empty for the list's own folder
    std::string chosenFolder;           // --pictures; empty for the teacher's folder
    std::string archive;                // --export's or --import's file
    bool replace = false;               // --replace
};

// What the operations need of the program around them.
struct EditorPlaces {
    std::string teacherFolder;
    std::string programFolder;
};

// Runs the request; one line to out for each word added or refused, and
// for what was shared, a failure to err. Returns the exit status: 0 when
// all was done, 1 when something was refused or failed.
int runEditorCommand(const EditorRequest& request, const EditorPlaces& places, std::FILE* out, std::FILE* err);

// The editor module, modules/editor.so, with libzip and the picture saver:
// the game loads it only for the editor and these operations.
inline constexpr char kEditorModule[] = "editor";
inline constexpr char kEditorCommand[] = "brindolo_editor_command";

}  // namespace brindolo

// The module's entry point for the command line: runEditorCommand. Only the
// module defines it; the game reaches it through module_loader.h.
extern "C" Q_DECL_EXPORT int brindolo_editor_command(const brindolo::EditorRequest* request,
                                                     const brindolo::EditorPlaces* places, std::FILE* out,
                                                     std::FILE* err);
