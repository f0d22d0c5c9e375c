// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A word list shared as one file: NAME.brindolo, a ZIP archive of pictures,
// recordings and theme folders (at most one level), which any unzip tool
// opens. Made and read with libzip.

#include <cstdint>
#include <string>
#include <vector>

namespace brindolo {

class WordListEditor;

// Writes the pictures of the list in folder (or of its theme) with their
// recordings to archive (the file system's bytes), whole or nothing: libzip
// writes beside the archive and renames when done. Raises EInOutError with
// libzip's reason, EBadName for a theme no list could have, and Exception
// when there is no picture to put in it.
// Returns the number of entries written.
int exportList(const std::string& folder, const std::string& theme, const std::string& archive);

// What an archive may hold at most, so that a small file cannot unpack to
// gigabytes or fill the list with thousands of files.
struct ArchiveBounds {
    std::int64_t entries = 5000;
    std::uint64_t fileBytes = std::uint64_t{64} << 20;
    std::uint64_t totalBytes = std::uint64_t{2} << 30;
    // An entry may unpack to at most this many times its packed size; JPEG
    // and compressed sound hardly pack at all. Small entries are let be.
    std::uint64_t packingRatio = 50;
    std::uint64_t ratioFloor = std::uint64_t{1} << 20;
};

// Adds the archive's pictures and recordings to the list, all or none. Every
// entry is checked before anything is written: only pictures and
// recordings, in the list's folder or one theme folder, named as the game
// needs (a name is mended as a word is); absolute names, "..", hidden
// entries, links, devices, entries over the bounds and words already in the
// list (as the game shows them: Gatto.jpg is gatto.jpg; unless replace) are
// refused, each by name, with EArchiveRefused. A NAME.brindolo holds a
// shared list's JPEGs, which are kept as they are; any other picture Qt
// reads here (a plain .zip's photos, PNG, WebP...) is saved as WORD.jpg as
// an added picture is. The entries are unpacked into a hidden folder inside
// the list's folder, their bytes checked as pictures and recordings (or
// converted there), and then renamed into place. A picture replaced keeps
// its name; a recording replaces every older one of its word. Returns the
// game names of the files added.
std::vector<std::string> importArchive(const std::string& archive, const WordListEditor& list, bool replace,
                                       const ArchiveBounds& bounds = {});

}  // namespace brindolo
