// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/language_names.h"

namespace brindolo {

QLocale::Language languageNamed(const QString& name)
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return QLocale::AnyLanguage;
    const QLocale byCode(wanted);
    if (byCode.language() != QLocale::C && wanted.size() <= 3)
        return byCode.language();
    const auto all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : all) {
        if (locale.nativeLanguageName().compare(wanted, Qt::CaseInsensitive) == 0
            || QLocale::languageToString(locale.language()).compare(wanted, Qt::CaseInsensitive) == 0)
            return locale.language();
    }
    return QLocale::AnyLanguage;
}

}  // namespace brindolo
