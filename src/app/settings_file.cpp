// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/settings_file.h"

#include <QList>

namespace brindolo {

namespace {

QByteArray blanksTrimmed(const QByteArray& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t'))
        --last;
    return text.mid(first, last - first);
}

// The value after "=": quotes taken off, a comment cut, and commas outside
// quotes noted. Blanks around each list item go, blanks inside quotes stay.
SettingsValue readValue(const QByteArray& written)
{
    SettingsValue value;
    QByteArray item;
    qsizetype keep = 0;  // the item's length up to its last quoted or non-blank byte
    bool quoted = false;
    const auto endItem = [&] {
        value.bytes += item.left(keep);
        item.clear();
        keep = 0;
    };
    for (const char c : written) {
        if (c == '"') {
            quoted = !quoted;
            keep = item.size();
        } else if (!quoted && c == ';') {
            break;
        } else if (!quoted && c == ',') {
            endItem();
            value.bytes += ", ";
            value.isList = true;
        } else if (quoted || (c != ' ' && c != '\t') || !item.isEmpty()) {
            item += c;
            if (quoted || (c != ' ' && c != '\t'))
                keep = item.size();
        }
    }
    endItem();
    return value;
}

}  // namespace

SettingsText parseSettings(const QByteArray& text)
{
    static const QByteArray kFixedMark = "[$i]";
    SettingsText settings;
    QString section;
    bool fileFixed = false;     // after a line [$i]
    bool sectionFixed = false;  // in a group whose header ends in [$i]
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        line = blanksTrimmed(line);
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            if (line == kFixedMark) {
                fileFixed = true;
                section.clear();
                sectionFixed = true;
                continue;
            }
            sectionFixed = fileFixed || (line.size() > kFixedMark.size() && line.endsWith(kFixedMark));
            if (line.endsWith(kFixedMark))
                line = blanksTrimmed(line.chopped(kFixedMark.size()));
            section = QString::fromUtf8(line.mid(1, line.size() - 2)).trimmed();
            if (section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        QByteArray key = blanksTrimmed(line.left(equals));
        const bool keyFixed = key.endsWith(kFixedMark);
        if (keyFixed)
            key = blanksTrimmed(key.chopped(kFixedMark.size()));
        if (equals < 0 || key.isEmpty()) {
            settings.malformed = true;
            continue;
        }
        SettingsValue value = readValue(line.mid(equals + 1));
        value.fixed = keyFixed || sectionFixed;
        const QString name = QString::fromUtf8(key);
        settings.values[section.isEmpty() ? name : section + u'/' + name].push_back(value);
    }
    return settings;
}

}  // namespace brindolo
