// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Component ownership as the program's design speaks of it, kept apart from
// Qt's parent tree: an owner lists the components it owns in creation order,
// and names are found over that list (the translator resolves property paths
// this way). Qt's parent tree still decides who deletes whom; this list only
// records ownership and tells the owner's components about removals.

#include <QObject>
#include <QString>
#include <QStringView>
#include <vector>

namespace brindolo {

enum class Operation { Insert, Remove };

// ASCII-only case-insensitive comparison: a to z equal A to Z, every other
// character (accented letters included) must match exactly.
bool sameTextAscii(QStringView a, QStringView b);

class TComponent {
public:
    // self is the QObject this component is (its objectName() is the Name,
    // its meta-object carries the published properties).
    TComponent(QObject& self, TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    QObject& object() const { return self_; }
    QString name() const { return self_.objectName(); }
    void setName(const QString& name) { self_.setObjectName(name); }

    TComponent* owner() const { return owner_; }
    int componentCount() const { return static_cast<int>(owned_.size()); }
    TComponent* component(int index) const { return owned_.at(static_cast<size_t>(index)); }
    // First owned component whose name equals name ASCII-case-insensitively.
    TComponent* findComponent(QStringView name) const;

    // While the design is being read, setters only store values.
    bool isLoading() const { return loading_; }
    void setLoading(bool loading) { loading_ = loading; }
    // Called once the design has been read, in creation order.
    virtual void loaded() { loading_ = false; }

    // Told when a component is inserted into or removed from the owner's
    // list. The default forwards the news to every owned component, so each
    // component of a form hears about its siblings.
    virtual void notification(TComponent& component, Operation operation);

private:
    QObject& self_;
    TComponent* owner_;
    std::vector<TComponent*> owned_;
    bool loading_ = false;
};

}  // namespace brindolo
