// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/editor_command.h"

int brindolo_editor_command(const brindolo::EditorRequest* request, const brindolo::EditorPlaces* places,
                            std::FILE* out, std::FILE* err)
{
    return brindolo::runEditorCommand(*request, *places, out, err);
}
