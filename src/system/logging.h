// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's diagnostics, one category per subsystem, for failures it
// gets over without a word. By default the events, picture, settings and
// worksheet categories show their info messages and above, speech and
// results their warnings and above, and none shows debug messages. What that
// prints: a language file that exists but cannot be read (settings, info) and
// results that cannot be written (results, warnings); the other messages
// (debug, and speech's info) show only when switched on, for instance with
// QT_LOGGING_RULES='brindolo.*=true'.

#include <QLoggingCategory>

namespace brindolo {

// A failure shown while another was being shown, and the like.
Q_DECLARE_LOGGING_CATEGORY(lcEvents)
// Pictures not decoded ahead, or failing again.
Q_DECLARE_LOGGING_CATEGORY(lcPicture)
// Pupils' results that could not be written.
Q_DECLARE_LOGGING_CATEGORY(lcResults)
// Settings files, language files and the language list.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
// What the speech engine and the recording player reported.
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
// Pictures left off a worksheet.
Q_DECLARE_LOGGING_CATEGORY(lcWorksheet)

}  // namespace brindolo
