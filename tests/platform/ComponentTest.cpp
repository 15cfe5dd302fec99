#include "Component.h"
#include "Exception.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A component that writes its name into a shared list when it is destroyed.
class TRecordedComponent : public TComponent {
public:
    TRecordedComponent(TComponent* owner, const String& name, std::vector<String>& destroyed)
        : TComponent(owner)
        , FDestroyed(destroyed) {
        SetName(name);
    }
    ~TRecordedComponent() override { FDestroyed.push_back(Name()); }

private:
    std::vector<String>& FDestroyed;
};

TEST(ComponentTest, OwnerDestroysWhatItOwnsNewestFirst) {
    std::vector<String> destroyed;
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* first = new TRecordedComponent(owner.get(), "First", destroyed);
    new TRecordedComponent(first, "Inner", destroyed);
    new TRecordedComponent(owner.get(), "Second", destroyed);
    new TRecordedComponent(owner.get(), "Third", destroyed);
    owner.reset();
    // First's own destructor body runs before the components it owns go.
    EXPECT_EQ(destroyed, (std::vector<String>{"Third", "Second", "First", "Inner"}));
}

TEST(ComponentTest, ComponentDeletedDirectlyLeavesItsOwnersList) {
    std::vector<String> destroyed;
    TComponent owner(nullptr);
    new TRecordedComponent(&owner, "Kept1", destroyed);
    auto* gone = new TRecordedComponent(&owner, "Gone", destroyed);
    new TRecordedComponent(&owner, "Kept2", destroyed);
    delete gone;
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components(0)->Name(), "Kept1");
    EXPECT_EQ(owner.Components(1)->Name(), "Kept2");
    EXPECT_EQ(owner.FindComponent("Gone"), nullptr);
    EXPECT_EQ(destroyed, std::vector<String>{"Gone"}); // and it is not destroyed twice later
}

TEST(ComponentTest, FindComponentIgnoresLetterCase) {
    TComponent owner(nullptr);
    auto* button = new TComponent(&owner);
    button->SetName("OkButton1");
    auto* other = new TComponent(&owner);
    other->SetName("Other");
    EXPECT_EQ(owner.FindComponent("OkButton1"), button);
    EXPECT_EQ(owner.FindComponent("okbutton1"), button);
    EXPECT_EQ(owner.FindComponent("OKBUTTON1"), button);
    EXPECT_EQ(owner.FindComponent("OkButton"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(ComponentTest, NameClashInAnyLetterCaseIsRefused) {
    TComponent owner(nullptr);
    auto* first = new TComponent(&owner);
    first->SetName("Panel1");
    auto* second = new TComponent(&owner);
    EXPECT_THROW(second->SetName("PANEL1"), Exception);
    EXPECT_EQ(second->Name(), "");
    // Renaming a component in another letter case is no clash with itself.
    first->SetName("panel1");
    EXPECT_EQ(first->Name(), "panel1");
    // The same name under another owner is fine.
    TComponent otherOwner(nullptr);
    auto* elsewhere = new TComponent(&otherOwner);
    EXPECT_NO_THROW(elsewhere->SetName("Panel1"));
}

TEST(ComponentTest, NamesMustBeIdentifiers) {
    TComponent owner(nullptr);
    auto* component = new TComponent(&owner);
    for (const char* bad : {"1Panel", "Panel 1", "Font.Name", "Panel-1", "Caf\xC3\xA9"}) {
        EXPECT_THROW(component->SetName(bad), Exception) << bad;
        EXPECT_EQ(component->Name(), "") << bad;
    }
    for (const char* good : {"_panel", "Panel_1", "x", "ABC123"}) {
        EXPECT_NO_THROW(component->SetName(good)) << good;
        EXPECT_EQ(component->Name(), good);
    }
    // An empty name is allowed: such a component is simply not found by name.
    EXPECT_NO_THROW(component->SetName(""));
}

} // namespace
