// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's modules (bin/modules/NAME.so, made by
// brindolo_loadable_module) hold what a game may never need, and the
// libraries only that uses: they are loaded the first time they are needed.
// A module once loaded stays loaded to the end, since what it made may live
// as long.

#include <QFunctionPointer>
#include <string>

namespace brindolo {

// <program folder>/modules/, where the modules are installed beside the game.
std::string moduleFolder();

// The extern "C" function entryPoint of the module name in folder, loading
// the module if it is not loaded yet. Throws EInOutError naming the module
// and the reason when the module cannot be loaded or lacks the function.
QFunctionPointer moduleEntryPoint(const std::string& folder, const std::string& name, const char* entryPoint);

// The same, as the function type the module declares for it.
template <typename Function>
Function* moduleFunction(const std::string& folder, const std::string& name, const char* entryPoint)
{
    return reinterpret_cast<Function*>(moduleEntryPoint(folder, name, entryPoint));
}

}  // namespace brindolo
