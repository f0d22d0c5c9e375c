// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/value_parsing.h"

#include "system/errors.h"

#include <cstdint>
#include <optional>

namespace brindolo {

QString trimControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QStringList splitList(QString value, const QString& separator)
{
    QStringList lines;
    if (!separator.isEmpty()) {
        for (qsizetype at = value.indexOf(separator); at >= 0; at = value.indexOf(separator)) {
            lines << trimControls(value.left(at));
            value.remove(0, at + separator.size());
        }
    }
    const QString rest = trimControls(value);
    if (!rest.isEmpty())
        lines << rest;
    return lines;
}

namespace {

std::optional<int> digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = 99;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'z')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'Z')
        value = u - u'A' + 10;
    if (value >= base)
        return std::nullopt;
    return value;
}

std::optional<int> parseInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Decimal allows one more on the negative side; hexadecimal takes any
    // 32-bit pattern.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const auto digit = digitValue(text[i], base);
        if (!digit)
            return std::nullopt;
        magnitude = magnitude * base + static_cast<std::uint64_t>(*digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    if (base == 16)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    return static_cast<int>(negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude));
}

}  // namespace

int strToInt(const QString& text)
{
    if (const auto value = parseInt(text))
        return *value;
    throw EConvertError("'" + text.toStdString() + "' is not a valid integer value");
}

}  // namespace brindolo
