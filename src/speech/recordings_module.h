// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The recordings module, modules/recordings.so: the player of the teacher's
// recordings through Qt Multimedia, which would otherwise load Qt Multimedia,
// the sound server's client and a dozen codec libraries at every start. The
// game loads it for the first recording played (ModuleRecordingPlayer).

#include "speech/recording_player.h"

#include <QtGlobal>

namespace brindolo {

inline constexpr char kRecordingsModule[] = "recordings";
inline constexpr char kMakeRecordingPlayer[] = "brindolo_make_recording_player";

}  // namespace brindolo

// The module's entry point, declared here so that the module's definition
// and the game's call agree: a new player, the caller's to delete. Only the
// module defines it; the game reaches it through module_loader.h.
extern "C" Q_DECL_EXPORT brindolo::RecordingPlayer* brindolo_make_recording_player();
