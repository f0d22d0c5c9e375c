// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The editor module's window entry point, which `brindolo --edit` calls once
// the command line and the start settings are read: the module
// (editor_command.h names it) brings the window, and the libraries only it
// needs, into the process only then.

#include <QtGlobal>
#include <string>

namespace brindolo {

struct EditorWindowRequest {
    int argc = 0;
    char** argv = nullptr;
    std::string chosenFolder;   // --pictures, the file system's bytes; empty for the teacher's own list
    std::string teacherFolder;  // $XDG_DATA_HOME/brindolo/immagini
    std::string programFolder;  // the program's folder, ending with "/"
    std::string language;       // the interface language the game would start in; empty as designed
    std::string importFile;     // a FILE.brindolo to offer for import; empty when none
};

inline constexpr char kEditorWindowEntry[] = "brindolo_editor_window";

}  // namespace brindolo

// Opens the editor's window and runs it to its end; the exit status.
extern "C" Q_DECL_EXPORT int brindolo_editor_window(const brindolo::EditorWindowRequest* request);
