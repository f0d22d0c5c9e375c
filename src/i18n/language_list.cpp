// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/language_list.h"

#include "i18n/text_decoding.h"
#include "system/file_errors.h"
#include "system/text_file.h"

namespace brindolo {

QStringList parseLanguageList(const QByteArray& bytes)
{
    constexpr char kEndOfFile = 26;
    const qsizetype end = bytes.indexOf(kEndOfFile);
    const QString text = decodeUtf8Or1252(end < 0 ? bytes : bytes.left(end));

    // A name is taken before the end is tested, so the file always gives at
    // least one, and a CR (LF) at the very end gives none more.
    QStringList names;
    qsizetype start = 0;
    do {
        qsizetype cr = text.indexOf(u'\r', start);
        if (cr < 0)
            cr = text.size();
        names << text.mid(start, cr - start);
        start = cr + 1;
        if (start < text.size() && text[start] == u'\n')
            ++start;
    } while (start < text.size());
    return names;
}

QStringList readLanguageList(const std::string& path)
{
    const FileContents contents = readTextFile(path);
    if (contents.error != 0)
        raiseFileError(contents.error, path);
    return parseLanguageList(contents.bytes);
}

}  // namespace brindolo
