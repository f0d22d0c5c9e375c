// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A speaker with voices for the languages it is given, which keeps every
// request to speak instead of saying it.

#include "speech/speaker.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace brindolo {

class RecordingSpeaker : public Speaker {
public:
    using Utterance = std::pair<QString, QString>;  // text, language

    bool canSpeak(const QString& language) const override { return voices.contains(language, Qt::CaseInsensitive); }
    void say(const QString& text, const QString& language) override { said.emplace_back(text, language); }

    QStringList voices;
    std::vector<Utterance> said;
};

}  // namespace brindolo
