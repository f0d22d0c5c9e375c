// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The teacher's recordings: a sound file beside a picture, with the
// picture's name (gatto.jpg, gatto.ogg).

#include <QString>
#include <QStringList>

namespace brindolo {

// The extensions a recording may have, in the order they are looked for.
const QStringList& recordingExtensions();

// The recording beside the picture, or empty when there is none.
QString recordingFor(const QString& picturePath);

// Why the recording cannot be played, judged by its size and the first bytes
// of its container (nothing is decoded); empty when it looks playable.
QString recordingProblem(const QString& path);

}  // namespace brindolo
