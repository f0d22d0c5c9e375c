// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/program_folder.h"

#include "system/file_path.h"

#include <QCoreApplication>
#include <QFile>
#include <filesystem>
#include <system_error>

namespace brindolo {

std::string programFolder()
{
    // /proc keeps the path's bytes as they are; Qt's path comes back through
    // QString and would lose bytes that are not UTF-8.
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    std::string folder;
    if (!error)
        folder = executable.parent_path().native();
    else if (QCoreApplication::instance())
        folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return joinPath(folder, "");
}

}  // namespace brindolo
