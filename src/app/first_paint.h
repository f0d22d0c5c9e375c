// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// For start-up timing: with BRINDOLO_QUIT_AFTER_FIRST_PAINT=1 the process
// ends as soon as its window has been painted once. Header-only, so that the
// empty-window baseline of the start-up benchmark uses this very rule without
// linking anything of the program's.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace brindolo {

class QuitAfterFirstPaint : public QObject {
public:
    static bool requested() { return qEnvironmentVariable("BRINDOLO_QUIT_AFTER_FIRST_PAINT") == QLatin1String("1"); }

    // Watches window when requested; the watcher belongs to the window.
    static void watch(QWidget& window)
    {
        if (requested())
            QCoreApplication::instance()->installEventFilter(new QuitAfterFirstPaint(window));
    }

    // The whole application is watched: a window whose client area is
    // covered by an opaque control receives no paint event of its own.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || quitting_ || !watched->isWidgetType()
            || static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        quitting_ = true;
        // Queued, so that the whole window tree finishes painting and the
        // backing store is flushed before the process ends. Leaving without
        // tearing the window down keeps the measure to start-up alone.
        QMetaObject::invokeMethod(
            this,
            [] {
                std::fflush(nullptr);
                std::_Exit(0);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    explicit QuitAfterFirstPaint(QWidget& window) : QObject(&window), window_(window) {}

    QWidget& window_;
    bool quitting_ = false;
};

}  // namespace brindolo
