// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What language a name in the language list stands for. The list names
// languages in their own words ("français"), so Qt's table of native
// language names maps them to codes: a translator who adds a language is
// understood by the voice and the desktop's language with no change here.

#include <QLocale>
#include <QString>

namespace brindolo {

// The language a name stands for: an ISO 639 code ("de"), or a language's
// name in its own language or in English, any case ("Deutsch", "german").
// QLocale::AnyLanguage when none matches.
QLocale::Language languageNamed(const QString& name);

}  // namespace brindolo
