// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/logging.h"

namespace brindolo {

Q_LOGGING_CATEGORY(lcEvents, "brindolo.events", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPicture, "brindolo.picture", QtInfoMsg)
Q_LOGGING_CATEGORY(lcResults, "brindolo.results", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "brindolo.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSpeech, "brindolo.speech", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWorksheet, "brindolo.worksheet", QtInfoMsg)

}  // namespace brindolo
