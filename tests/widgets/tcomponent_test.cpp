// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/properties.h"
#include "widgets/tcomponent.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

namespace brindolo {
namespace {

class Thing : public QObject, public TComponent {
public:
    Thing(TComponent* owner, const char* name) : TComponent(static_cast<QObject&>(*this), owner)
    {
        setObjectName(QString::fromUtf8(name));
    }
    void notification(TComponent& component, Operation operation) override
    {
        if (operation == Operation::Remove)
            removed.push_back(&component);
        TComponent::notification(component, operation);
    }
    std::vector<TComponent*> removed;
};

TEST(TComponent, OwnerListsComponentsInCreationOrderAndFindsNamesAsciiCaseInsensitively)
{
    Thing form(nullptr, "Principale");
    Thing first(&form, "Esci");
    Thing second(&form, "ESCI");
    Thing accented(&form, "Città");
    ASSERT_EQ(form.componentCount(), 3);
    EXPECT_EQ(form.component(0), &first);
    EXPECT_EQ(form.findComponent(u"esci"), &first);  // first match wins
    EXPECT_EQ(form.findComponent(u"CITTà"), &accented);
    EXPECT_EQ(form.findComponent(u"CITTÀ"), nullptr);  // accented letters match exactly
    EXPECT_EQ(form.findComponent(u"Esci "), nullptr);
}

TEST(TComponent, RemovalIsToldToTheSiblingsAndLeavesTheOwnersList)
{
    Thing form(nullptr, "Principale");
    Thing listener(&form, "Listener");
    auto gone = std::make_unique<Thing>(&form, "Gone");
    TComponent* address = gone.get();
    gone.reset();
    EXPECT_EQ(form.componentCount(), 1);
    ASSERT_EQ(listener.removed.size(), 1u);
    EXPECT_EQ(listener.removed[0], address);
}

TEST(TComponent, OwnedComponentsOutlivingTheirOwnerDoNotReportBack)
{
    auto form = std::make_unique<Thing>(nullptr, "Principale");
    Thing survivor(form.get(), "Survivor");
    form.reset();
    EXPECT_EQ(survivor.owner(), nullptr);
}

TEST(Properties, LookupWalksTheClassBeforeItsAncestorsAndIgnoresAsciiCase)
{
    QObject plain;
    plain.setObjectName("x");
    auto name = findProperty(plain, u"OBJECTNAME");
    ASSERT_TRUE(name.has_value());
    EXPECT_STREQ(name->name(), "objectName");
    EXPECT_FALSE(findProperty(plain, u"Caption").has_value());
    try {
        requireProperty(plain, u"Caption");
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "No Caption property");
    }
    EXPECT_TRUE(plain.dynamicPropertyNames().isEmpty());
}

}  // namespace
}  // namespace brindolo
