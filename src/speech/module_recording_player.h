// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's recording player: it loads the recordings module and makes its
// Qt Multimedia player for the first recording played, so that a game in
// which none is played never loads Qt Multimedia. Without the module, no
// recording can be played and the synthetic voice says the words.

#include "speech/recording_player.h"
#include "system/module_loader.h"

#include <memory>
#include <string>

namespace brindolo {

class ModuleRecordingPlayer : public RecordingPlayer {
public:
    // folder: where the module is looked for.
    explicit ModuleRecordingPlayer(std::string folder = moduleFolder());
    ~ModuleRecordingPlayer() override;

    void play(const QString& path, Done done) override;
    void stop() override;
    bool playing() const override;

private:
    // The module's player, made on the first call; nullptr for good once
    // the module has failed to load.
    RecordingPlayer* loadedPlayer();

    std::string folder_;
    std::unique_ptr<RecordingPlayer> player_;
    bool unavailable_ = false;
};

}  // namespace brindolo
