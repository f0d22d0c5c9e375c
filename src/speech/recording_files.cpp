// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/recording_files.h"

#include "system/file_errors.h"
#include "system/file_reader.h"

#include <QFile>
#include <QFileInfo>

namespace brindolo {

const QStringList& recordingExtensions()
{
    static const QStringList extensions{QStringLiteral("ogg"), QStringLiteral("opus"), QStringLiteral("mp3"),
                                        QStringLiteral("wav"), QStringLiteral("flac")};
    return extensions;
}

QString recordingFor(const QString& picturePath)
{
    const QFileInfo picture(picturePath);
    const QString stem = picture.path() + QLatin1Char('/') + picture.completeBaseName();
    for (const QString& extension : recordingExtensions()) {
        // A teacher's phone may well name it GATTO.OGG.
        for (const QString& name : {stem + QLatin1Char('.') + extension, stem + QLatin1Char('.') + extension.toUpper()})
            if (QFileInfo(name).isFile())
                return name;
    }
    return {};
}

namespace {

bool looksLikeAudio(const QByteArray& head)
{
    if (head.startsWith("OggS") || head.startsWith("fLaC") || head.startsWith("ID3"))
        return true;
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE")
        return true;
    // An MPEG audio frame without a tag: eleven set bits of frame sync.
    return head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF
           && (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0;
}

}  // namespace

QString recordingProblem(const QString& path)
{
    const std::string nativePath = QFile::encodeName(path).toStdString();
    const WholeFile start = readFileStart(nativePath, 12);
    if (start.error != 0)
        return QStringLiteral("cannot be read: ") + QString::fromLocal8Bit(whyUnreadableFile(nativePath, start.error));
    const QByteArray head(reinterpret_cast<const char*>(start.bytes.data()), static_cast<qsizetype>(start.bytes.size()));
    if (head.isEmpty())
        return QStringLiteral("is empty");
    if (!looksLikeAudio(head))
        return QStringLiteral("is not Ogg, WAV, FLAC or MP3 audio");
    return {};
}

}  // namespace brindolo
