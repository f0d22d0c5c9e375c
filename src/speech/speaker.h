// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A voice that says words aloud. The window speaks through this interface
// only, so that tests can listen with a fake and a machine without speech
// plays silently.

#include <QString>

namespace brindolo {

class Speaker {
public:
    virtual ~Speaker() = default;

    // True when a voice for the language (a language name as lingue.txt
    // writes it, "Italiano", or an ISO 639 code, "it") can speak now.
    virtual bool canSpeak(const QString& language) const = 0;
    // Says text in the language, cutting short whatever is still being said.
    // Does nothing when no voice for the language can speak.
    virtual void say(const QString& text, const QString& language) = 0;
    // True from a say() that found a voice until its text has been said (or
    // cut short, or failed): what a switch scan waits for.
    virtual bool speaking() const = 0;
};

}  // namespace brindolo
