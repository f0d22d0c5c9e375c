// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/text_decoding.h"

#include <QStringDecoder>
#include <array>

namespace brindolo {

namespace {

// Qt 6 converts only UTF encodings and Latin-1 without ICU, and the program
// must not depend on ICU being built in; Windows-1252 differs from Latin-1
// only in 0x80-0x9F, so that row is the whole table. The five codes the code
// page leaves undefined map to the C1 control of the same value, as Windows
// itself does.
constexpr std::array<char16_t, 32> kWindows1252Row80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kWindows1252Row80[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodeUtf8Or1252(const QByteArray& bytes)
{
    // Stateless: a sequence cut off at the end of the file is an error too,
    // not a state kept for input that never comes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

}  // namespace brindolo
