// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/module_recording_player.h"

#include "speech/recordings_module.h"
#include "system/errors.h"
#include "system/logging.h"
#include "system/utf8.h"

#include <utility>

namespace brindolo {

ModuleRecordingPlayer::ModuleRecordingPlayer(std::string folder) : folder_(std::move(folder)) {}

ModuleRecordingPlayer::~ModuleRecordingPlayer() = default;

RecordingPlayer* ModuleRecordingPlayer::loadedPlayer()
{
    if (player_ || unavailable_)
        return player_.get();
    try {
        const auto make = moduleFunction<decltype(brindolo_make_recording_player)>(folder_, kRecordingsModule,
                                                                                   kMakeRecordingPlayer);
        player_.reset(make());
    } catch (const EInOutError& error) {
        // Said once: every recording after it is spoken without a word more.
        qCWarning(lcSpeech, "recordings cannot be played; speaking instead. %s", terminalSafe(error.what()).c_str());
        unavailable_ = true;
    }
    return player_.get();
}

void ModuleRecordingPlayer::play(const QString& path, Done done)
{
    if (RecordingPlayer* player = loadedPlayer())
        player->play(path, std::move(done));
    else
        done(false);
}

void ModuleRecordingPlayer::stop()
{
    if (player_)
        player_->stop();
}

bool ModuleRecordingPlayer::playing() const
{
    return player_ && player_->playing();
}

}  // namespace brindolo
