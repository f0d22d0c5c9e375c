// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/recordings_module.h"

#include "speech/recordings/media_recording_player.h"

brindolo::RecordingPlayer* brindolo_make_recording_player()
{
    return new brindolo::MediaRecordingPlayer;
}
