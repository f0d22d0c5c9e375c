// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A teacher's picture, in any format Qt reads here, saved as a word list's
// picture: upright as its EXIF tag says, at most kLongestSavedSide pixels on
// its long side, on white where it was transparent, as a baseline JPEG with
// no metadata (no location, camera, date or colour profile), which the
// game's own reader has read back before the file takes its place.

#include "system/errors.h"

#include <QByteArray>
#include <QSize>
#include <string>
#include <variant>
#include <vector>

namespace brindolo {

// The frame shows a picture at about 320 pixels, and 1,600 leaves room for a
// window maximized on a large screen, at a tenth of a phone photo's bytes.
inline constexpr int kLongestSavedSide = 1600;

// A file that is no picture Qt can read here: its format is unknown or not
// supported, or the file is damaged. The message names the file and why.
class EPictureUnreadable : public Exception {
public:
    using Exception::Exception;
};

// A picture read, turned, reduced and encoded, which the game's reader has
// read back: ready to be written.
struct PreparedPicture {
    QByteArray jpeg;
    QSize size;
};

// The picture at source (the file system's bytes), made ready. Raises
// EFOpenError when the file cannot be opened, EPictureUnreadable when it is
// no picture read here, and EJPEGException when the game could not read back
// what was encoded.
PreparedPicture preparePicture(const std::string& source);

// A picture made ready, or the message why it cannot be (naming the file).
using PictureOrProblem = std::variant<PreparedPicture, std::string>;

// The pictures at sources made ready on every core, in their order: reading
// and reducing photos is most of the work of adding them.
std::vector<PictureOrProblem> preparePictures(const std::vector<std::string>& sources);

// Writes the picture to target (the file system's bytes) whole or nothing:
// raises Exception naming the target, which is then as it was.
void writePicture(const PreparedPicture& picture, const std::string& target);

}  // namespace brindolo
