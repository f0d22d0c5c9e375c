// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one place where a failure raised by an event handler stops. Every hook
// the controls call runs inside EventBoundary::run, so no C++ exception ever
// unwinds through Qt's event loop. A failure ends its handler (whatever the
// handler changed before stays), cancels a drag or mouse grab under way, and
// is told to the user unless it is the silent kind (EAbort).

#include <QString>
#include <functional>
#include <string>

namespace brindolo {

class EventBoundary {
public:
    // Shows one failure: the caption is the application title, the text the
    // message as reportText() shapes it.
    using Reporter = std::function<void(const QString& caption, const QString& text)>;

    // Runs the handler; returns false when it ended with a failure.
    static bool run(const std::function<void()>& handler) noexcept;

    // Replaces the modal message box (tests read caption and text here). An
    // empty reporter brings the message box back.
    static void setReporter(Reporter reporter);

    // Called when a failure ends a handler, before it is reported, so that a
    // drag under way is abandoned. One canceller at a time.
    static void setCanceller(std::function<void()> canceller);

    // The application title, the caption of every message box.
    static QString title();
    static void setTitle(const QString& title);

    // The message with a period appended, unless it is empty or already ends
    // in a character whose code is at most that of the period itself.
    static QString reportText(const QString& message);
};

}  // namespace brindolo
