// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up baseline: the empty window with one word on it. Its first
// paint brings up the whole font stack (the system's font configuration, the
// font list, a font engine, glyphs), which the empty window never touches, so
// it shows the least that any window showing text costs on this machine.

#include "app/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    QLabel word(QStringLiteral("GIOCA"), &window);
    brindolo::QuitAfterFirstPaint::watch(window);
    window.showMaximized();
    return application.exec();
}
