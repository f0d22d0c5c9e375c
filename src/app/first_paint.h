// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Work that must wait until the window has been painted once, so that it
// never delays what the user first sees. Header-only, so that the
// empty-window baseline of the start-up benchmark uses this very rule
// without linking anything of the program's.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace brindolo {

// Runs an action once, queued after the window's first paint. Watchers of
// one window act in the reverse order of their watch calls.
class AfterFirstPaint : public QObject {
public:
    // The watcher belongs to the window.
    static void watch(QWidget& window, std::function<void()> action)
    {
        QCoreApplication::instance()->installEventFilter(new AfterFirstPaint(window, std::move(action)));
    }

    // The whole application is watched: a window whose client area is
    // covered by an opaque control receives no paint event of its own.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()
            || static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued, so that the whole window tree finishes painting and the
        // backing store is flushed first.
        QMetaObject::invokeMethod(this, action_, Qt::QueuedConnection);
        return false;
    }

private:
    AfterFirstPaint(QWidget& window, std::function<void()> action)
        : QObject(&window), window_(window), action_(std::move(action))
    {
    }

    QWidget& window_;
    std::function<void()> action_;
};

// For start-up timing: with BRINDOLO_QUIT_AFTER_FIRST_PAINT=1 the process
// ends as soon as its window has been painted once.
struct QuitAfterFirstPaint {
    static bool requested() { return qEnvironmentVariable("BRINDOLO_QUIT_AFTER_FIRST_PAINT") == QLatin1String("1"); }

    // Watches window when requested. Watch last, so that the process ends
    // before any other work waiting for the first paint; leaving without
    // tearing the window down keeps the measure to start-up alone.
    static void watch(QWidget& window)
    {
        if (requested())
            AfterFirstPaint::watch(window, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
    }
};

}  // namespace brindolo
