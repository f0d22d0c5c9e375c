// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/tcomponent.h"

#include "system/ascii_case.h"

#include <algorithm>

namespace brindolo {

bool sameTextAscii(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    return true;
}

TComponent::TComponent(QObject& self, TComponent* owner) : self_(self), owner_(owner)
{
    if (owner_) {
        owner_->owned_.push_back(this);
        owner_->notification(*this, Operation::Insert);
    }
}

TComponent::~TComponent()
{
    // Owned components outlive this list while Qt tears the tree down; they
    // must not report back to an owner that is going away.
    for (TComponent* c : owned_)
        c->owner_ = nullptr;
    owned_.clear();
    if (owner_) {
        auto& list = owner_->owned_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        owner_->notification(*this, Operation::Remove);
    }
}

TComponent* TComponent::findComponent(QStringView name) const
{
    for (TComponent* c : owned_)
        if (sameTextAscii(c->name(), name))
            return c;
    return nullptr;
}

void TComponent::notification(TComponent& component, Operation operation)
{
    // A copy: a component may leave the list while it is being told.
    const std::vector<TComponent*> owned = owned_;
    for (TComponent* c : owned)
        if (c != &component)
            c->notification(component, operation);
}

}  // namespace brindolo
