// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The "lingue.txt" reader on arbitrary bytes, and the language file each name
// it gives leads to.

#include "i18n/language_chooser.h"
#include "i18n/language_list.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace brindolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList names = parseLanguageList(bytes);
    // Every file names at least one language, and a CR always ends a name.
    if (names.isEmpty())
        std::abort();
    static const QString folder = QStringLiteral("/opt/brindolo/");
    for (const QString& name : names) {
        if (name.contains(u'\r'))
            std::abort();
        const QString path = LanguageFilePath("/opt/brindolo", name);
        if (!path.startsWith(folder) || !path.endsWith(QStringLiteral(".lng"))
            || path.size() != folder.size() + name.size() + 4)
            std::abort();
    }
    return 0;
}
