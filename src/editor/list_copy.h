// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A word list copied into another, for a teacher who starts from a pack that
// came with the game: the editor shows a pack read-only and offers this.

#include <string>

namespace brindolo {

// Copies the files of the word list at from and of its themes (pictures,
// recordings, the credits of a pack) into the list at to, made if need be.
// A file already there is kept as it is. Everything is copied aside first,
// inside to, and only then moved into place, so that a full disk leaves to
// as it was. Returns how many files were copied. Raises Exception with a
// sentence for the user.
int copyWordList(const std::string& from, const std::string& to);

}  // namespace brindolo
