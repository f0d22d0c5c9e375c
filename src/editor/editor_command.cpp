// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/editor_command.h"

#include "editor/editor_errors.h"
#include "editor/list_archive.h"
#include "editor/word_list_editor.h"
#include "editor/word_names.h"
#include "system/utf8.h"

#include <new>

namespace brindolo {

namespace {

int addPictures(const EditorRequest& request, WordListEditor& list, std::FILE* out)
{
    const std::vector<PictureOrProblem> prepared = preparePictures(request.pictures);
    int refused = 0;
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        const std::string shown = terminalSafe(request.pictures[i]);
        try {
            if (const auto* why = std::get_if<std::string>(&prepared[i]))
                throw EPictureUnreadable(*why);
            const std::string word = request.word.value_or(proposedWord(request.pictures[i]));
            const std::string added =
                list.addPicture(std::get<PreparedPicture>(prepared[i]), word, request.theme, request.replace);
            std::fprintf(out, "%s: added as %s\n", shown.c_str(), terminalSafe(added).c_str());
        } catch (const EWordExists& exists) {
            ++refused;
            std::fprintf(out, "%s: refused: %s (--replace replaces it)\n", shown.c_str(),
                         terminalSafe(exists.what()).c_str());
        } catch (const Exception& failure) {
            ++refused;
            // The picture is named once, at the start of the line.
            std::string_view why = failure.what();
            if (why.starts_with(request.pictures[i] + ": "))
                why.remove_prefix(request.pictures[i].size() + 2);
            std::fprintf(out, "%s: refused: %s\n", shown.c_str(), terminalSafe(why).c_str());
        }
    }
    return refused > 0 ? 1 : 0;
}

// The list the operations change: the one named, or the teacher's own.
std::string listFolder(const EditorRequest& request, const EditorPlaces& places)
{
    if (!request.chosenFolder.empty())
        return request.chosenFolder;
    if (places.teacherFolder.empty())
        throw EInOutError("There is no folder of your own: neither XDG_DATA_HOME nor HOME is set; name one with "
                          "--pictures",
                          ENOENT);
    return places.teacherFolder;
}

}  // namespace

int runEditorCommand(const EditorRequest& request, const EditorPlaces& places, std::FILE* out, std::FILE* err)
{
    try {
        const std::string folder = listFolder(request, places);
        if (request.operation == EditorRequest::Operation::Export) {
            const int entries = exportList(folder, request.theme, request.archive);
            std::fprintf(out, "%s: %d files and folders shared\n", terminalSafe(request.archive).c_str(), entries);
            return 0;
        }
        WordListEditor list(folder, places.programFolder);
        if (request.operation == EditorRequest::Operation::Add)
            return addPictures(request, list, out);
        for (const std::string& added : importArchive(request.archive, list, request.replace))
            std::fprintf(out, "%s: added\n", terminalSafe(added).c_str());
        return 0;
    } catch (const Exception& failure) {
        std::fprintf(err, "brindolo: %s\n", terminalSafe(failure.what()).c_str());
    } catch (const std::bad_alloc&) {
        std::fprintf(err, "brindolo: out of memory\n");
    }
    return 1;
}

}  // namespace brindolo
