// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the word list's operations refuse, as types the window can tell
// apart: it asks before replacing a word and before deleting for good. Every
// other failure is EInOutError (the system's reason) or, for a picture,
// EPictureUnreadable; each leaves the list as it was.

#include "system/errors.h"

namespace brindolo {

// The list is a pack shipped with the program, or a folder the user cannot
// write: it is shown, never changed.
class EReadOnlyList : public Exception {
public:
    using Exception::Exception;
};

// A word (or theme) of that name is there already; the operation may be
// repeated with leave to replace it.
class EWordExists : public Exception {
public:
    using Exception::Exception;
};

// A word or theme name that cannot be used (empty, or one the game would
// show wrongly and that cannot be mended).
class EBadName : public Exception {
public:
    using Exception::Exception;
};

// The desktop has no trash for this folder: nothing was deleted, and the
// user is to be asked before it is deleted for good.
class ENoTrash : public Exception {
public:
    using Exception::Exception;
};

// An archive that is refused whole: the message names each entry refused
// and why. Nothing was written.
class EArchiveRefused : public Exception {
public:
    using Exception::Exception;
};

}  // namespace brindolo
