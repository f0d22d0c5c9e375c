// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible_control.h"

#include "widgets/event_boundary.h"
#include "widgets/mouse_hooks.h"
#include "widgets/tcontrol.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace brindolo {

namespace {

class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* widget, AccessibleHooks& hooks) : QAccessibleWidget(widget), hooks_(hooks) {}

    QAccessible::Role role() const override
    {
        if (hooks_.AccessibleRole != QAccessible::NoRole)
            return hooks_.AccessibleRole;
        const auto* control = dynamic_cast<const TControl*>(widget());
        return control && control->controlCount() > 0 ? QAccessible::Pane : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (hooks_.AccessibleName)
            return hooks_.AccessibleName();
        return widget()->property("Caption").toString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (hooks_.AccessibleChecked) {
            state.checkable = true;
            state.checked = hooks_.AccessibleChecked();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (click())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && click())
            EventBoundary::run(click());
        else
            QAccessibleWidget::doAction(name);
    }

private:
    std::function<void()> click() const
    {
        if (!widget()->isEnabled())
            return nullptr;
        if (auto* button = qobject_cast<QAbstractButton*>(widget()))
            return [button] { button->click(); };
        const auto* hooks = dynamic_cast<const MouseHooks*>(widget());
        return hooks ? hooks->OnClick : nullptr;
    }

    AccessibleHooks& hooks_;
};

AnnouncementListener& listener()
{
    static AnnouncementListener instance;
    return instance;
}

void announce(QAccessibleEvent& event)
{
    if (listener())
        listener()(event);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* accessibleFor(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    auto* hooks = dynamic_cast<AccessibleHooks*>(widget);
    return hooks ? new ControlAccessible(widget, *hooks) : nullptr;
}

}  // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}

void announceNameChange(QWidget& widget)
{
    QAccessibleEvent event(&widget, QAccessible::NameChanged);
    announce(event);
}

void announceCheckedChange(QWidget& widget)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&widget, changed);
    announce(event);
}

AccessibleNotice::AccessibleNotice(QWidget& window) : QWidget(&window)
{
    installAccessibleControls();
    setFocusPolicy(Qt::NoFocus);
    hide();
    AccessibleRole = QAccessible::Notification;
    AccessibleName = [this] { return message_; };
}

void AccessibleNotice::tell(const QString& message)
{
    message_ = message;
    // The new name first, so that a reader that keeps names drops the old one.
    announceNameChange(*this);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    announce(shown);
}

void setAnnouncementListener(AnnouncementListener newListener)
{
    listener() = std::move(newListener);
}

}  // namespace brindolo
