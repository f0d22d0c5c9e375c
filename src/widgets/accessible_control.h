// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader is told about the controls we draw ourselves: Qt
// describes its own widgets, but a panel or a shape of ours would reach the
// reader as a nameless pane.

#include <QAccessible>
#include <QString>
#include <QWidget>
#include <functional>

namespace brindolo {

class AccessibleHooks {
public:
    virtual ~AccessibleHooks() = default;
    // NoRole: a pane when the control holds controls, static text otherwise.
    QAccessible::Role AccessibleRole = QAccessible::NoRole;
    // The name read out; without it, the control's caption.
    std::function<QString()> AccessibleName;
    // Set for a control that can be checked: whether it is.
    std::function<bool()> AccessibleChecked;
};

// Makes Qt ask AccessibleHooks for every widget that has them. Once is
// enough; later calls do nothing.
void installAccessibleControls();

// Tells a listening screen reader what happened when no control's name
// says it: a word found, a slot that is not the tile's. Qt 6.4 has no
// announcement event, and a name or description change reaches Orca 43
// without its text; what Orca speaks of its own accord is a notification
// that appears. So the message is the name of a notification, which is shown
// to the screen reader and never on screen.
class AccessibleNotice : public QWidget, public AccessibleHooks {
public:
    explicit AccessibleNotice(QWidget& window);
    void tell(const QString& message);
    const QString& message() const { return message_; }

private:
    QString message_;
};

// Tells a listening screen reader that the widget's name, or its checked
// state, has changed.
void announceNameChange(QWidget& widget);
void announceCheckedChange(QWidget& widget);

// Hears every change told above, before the screen reader does; none by
// default. Qt hands such changes on only while a screen reader is connected
// through the platform, which a test has no way to be.
using AnnouncementListener = std::function<void(QAccessibleEvent& event)>;
void setAnnouncementListener(AnnouncementListener listener);

}  // namespace brindolo
