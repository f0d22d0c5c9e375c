// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/event_boundary.h"

#include "system/errors.h"
#include "system/logging.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <exception>

namespace brindolo {

namespace {

struct BoundaryState {
    EventBoundary::Reporter reporter;
    std::function<void()> canceller;
    QString title;
};

BoundaryState& state()
{
    static BoundaryState s;
    return s;
}

void showMessageBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Drops whatever holds the mouse so that the next event reaches the control
// under the pointer again.
void cancelMouse()
{
    // A copy: cancelling a drag clears the canceller while it runs.
    if (const auto canceller = state().canceller)
        canceller();
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

// What failed while the boundary cleaned up or showed an error has no window
// left to go to; the log is the last place. Logging may throw too (memory),
// and nothing may leave the boundary.
void noteLostFailure(const char* step, const QString& message = {}) noexcept
{
    try {
        qCDebug(lcEvents) << "failed while" << step << message;
    } catch (...) {
    }
}

void report(const QString& message)
{
    const QString text = EventBoundary::reportText(message);
    if (state().reporter)
        state().reporter(state().title, text);
    else
        showMessageBox(state().title, text);
}

}  // namespace

bool EventBoundary::run(const std::function<void()>& handler) noexcept
{
    QString message;
    try {
        handler();
        return true;
    } catch (const EAbort&) {
        try {
            cancelMouse();
        } catch (...) {
            noteLostFailure("cancelling the mouse after an abort");
        }
        return false;
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unexpected failure of unknown kind");
    }
    // Neither cancelling nor reporting may let anything escape into Qt: a
    // failure there has nowhere left to be shown.
    try {
        cancelMouse();
        report(message);
    } catch (...) {
        noteLostFailure("showing an error:", message);
    }
    return false;
}

void EventBoundary::setReporter(Reporter reporter)
{
    state().reporter = std::move(reporter);
}

void EventBoundary::setCanceller(std::function<void()> canceller)
{
    state().canceller = std::move(canceller);
}

QString EventBoundary::title()
{
    return state().title;
}

void EventBoundary::setTitle(const QString& title)
{
    state().title = title;
}

QString EventBoundary::reportText(const QString& message)
{
    if (message.isEmpty())
        return message;
    // A character outside the basic plane ends in a low surrogate, whose code
    // is above the period's as well, so the last UTF-16 unit decides alike.
    const char16_t last = message.back().unicode();
    return last <= U'.' ? message : message + QLatin1Char('.');
}

}  // namespace brindolo
