// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/list_copy.h"

#include "system/errors.h"
#include "system/utf8.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace brindolo {

namespace {

QString fromBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string shown(const QString& path)
{
    return terminalSafe(QFile::encodeName(path).toStdString());
}

}  // namespace

int copyWordList(const std::string& from, const std::string& to)
{
    const QDir source(fromBytes(from));
    const QDir target(fromBytes(to));
    if (!QDir().mkpath(target.path()))
        throw Exception("cannot make the folder " + shown(target.path()));
    // The list's own files, then each theme's: one level deep, as the game
    // reads them.
    QStringList names = source.entryList(QDir::Files);
    for (const QString& theme : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& name : QDir(source.filePath(theme)).entryList(QDir::Files))
            names << theme + u'/' + name;
    names.removeIf([&target](const QString& name) { return QFileInfo::exists(target.filePath(name)); });

    QTemporaryDir aside(target.filePath(QStringLiteral(".brindolo-copy-XXXXXX")));
    if (!aside.isValid())
        throw Exception("cannot write in " + shown(target.path()) + ": " + aside.errorString().toStdString());
    const QDir staging(aside.path());
    for (const QString& name : names) {
        if (!QDir().mkpath(QFileInfo(staging.filePath(name)).path()))
            throw Exception("cannot write in " + shown(target.path()));
        QFile file(source.filePath(name));
        if (!file.copy(staging.filePath(name)))
            throw Exception("cannot copy " + shown(source.filePath(name)) + ": " + file.errorString().toStdString());
    }
    for (const QString& name : names) {
        QDir().mkpath(QFileInfo(target.filePath(name)).path());
        if (!QFile::rename(staging.filePath(name), target.filePath(name)))
            throw Exception("cannot copy into " + shown(target.filePath(name)));
    }
    return static_cast<int>(names.size());
}

}  // namespace brindolo
