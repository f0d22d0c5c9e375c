// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A reference for the start-up benchmark, not its baseline: the least a Qt
// Widgets program does to show one maximized window, with the same rule for
// leaving after the first paint.

#include "app/first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    brindolo::QuitAfterFirstPaint::watch(window);
    window.showMaximized();
    return application.exec();
}
