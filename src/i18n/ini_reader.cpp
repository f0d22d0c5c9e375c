// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/ini_reader.h"

#include "i18n/text_decoding.h"
#include "i18n/value_parsing.h"
#include "system/ascii_case.h"
#include "system/file_errors.h"
#include "system/logging.h"
#include "system/text_file.h"
#include "system/utf8.h"

namespace brindolo {

namespace {

QString lookupKey(const QString& section, const QString& key)
{
    return asciiUpperText(trimControls(section)) + u'\n' + asciiUpperText(trimControls(key));
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// Cuts after kMaxValueLength code points, never inside a surrogate pair.
QString cutValue(const QString& value)
{
    qsizetype units = 0;
    for (qsizetype points = 0; points < IniReader::kMaxValueLength && units < value.size(); ++points)
        units += (value[units].isHighSurrogate() && units + 1 < value.size()) ? 2 : 1;
    return value.left(units);
}

}  // namespace

IniReader::IniReader(const std::string& path)
{
    const FileContents contents = readTextFile(path);
    if (contents.error == 0)
        parse(decodeUtf8Or1252(contents.bytes));
    else if (contents.error != ENOENT)
        qCInfo(lcSettings, "%s", terminalSafe(fileErrorMessage(contents.error, path)).c_str());
}

IniReader IniReader::fromText(const QString& text)
{
    IniReader reader;
    reader.parse(text);
    return reader;
}

void IniReader::parse(const QString& text)
{
    QString section;
    bool inSection = false;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString line = trimControls(QStringView(text).mid(start, end - start).toString());
        start = end + 1;
        if (end < text.size() && text[end] == u'\r' && start < text.size() && text[start] == u'\n')
            ++start;

        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            section = line.mid(1, close < 0 ? -1 : close - 1);
            inSection = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0)
            continue;
        const QString key = lookupKey(section, line.left(equals));
        if (!values_.contains(key))
            values_.insert(key, cutValue(unquoted(trimControls(line.mid(equals + 1)))));
    }
}

QString IniReader::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QString value = values_.value(lookupKey(section, key));
    return value.isEmpty() ? defaultValue : value;
}

}  // namespace brindolo
