// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's diagnostics, one category per subsystem, for failures it
// gets over without a word. Only warnings of the speech and results categories show by
// default; QT_LOGGING_RULES='brindolo.*=true' shows them all.

#include <QLoggingCategory>

namespace brindolo {

// A failure shown while another was being shown, and the like.
Q_DECLARE_LOGGING_CATEGORY(lcEvents)
// Pictures not decoded ahead, or failing again.
Q_DECLARE_LOGGING_CATEGORY(lcPicture)
// Pupils' results that could not be written.
Q_DECLARE_LOGGING_CATEGORY(lcResults)
// Settings files and the language list read at start.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
// What the speech engine reported.
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
// Pictures left off a worksheet.
Q_DECLARE_LOGGING_CATEGORY(lcWorksheet)

}  // namespace brindolo
