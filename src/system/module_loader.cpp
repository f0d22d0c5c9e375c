// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/module_loader.h"

#include "system/errors.h"
#include "system/file_errors.h"
#include "system/file_path.h"
#include "system/program_folder.h"

#include <QFile>
#include <QLibrary>
#include <cerrno>

namespace brindolo {

std::string moduleFolder()
{
    return joinPath(programFolder(), "modules/");
}

QFunctionPointer moduleEntryPoint(const std::string& folder, const std::string& name, const char* entryPoint)
{
    const std::string path = joinPath(folder, name + ".so");
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    // Missing, QLibrary would go on to try the name with "lib" before it,
    // and then report that name's failure.
    if (!QFile::exists(file))
        throw EInOutError("Cannot load module " + name + ": " + path + ": " + errorText(ENOENT), ENOENT);
    // Every symbol resolved now: a module that does not fit the libraries
    // installed fails here, not in the middle of a call. The library is
    // never unloaded (a QLibrary leaves it loaded when it goes).
    QLibrary module(file);
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!module.load())
        throw EInOutError("Cannot load module " + name + ": " + module.errorString().toStdString(), ENOEXEC);
    if (const QFunctionPointer function = module.resolve(entryPoint))
        return function;
    throw EInOutError("Module " + name + " has no " + entryPoint + ": " + module.errorString().toStdString(), ENOEXEC);
}

}  // namespace brindolo
