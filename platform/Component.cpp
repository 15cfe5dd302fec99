#include "Component.h"

#include "Exception.h"
#include "PropertyTable.h"

#include <algorithm>
#include <cctype>

bool SameText(const String& a, const String& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsValidIdent(const String& text) {
    auto isAlpha = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    auto isAlnum = [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); };
    return !text.empty() && isAlpha(text.front()) && std::all_of(text.begin(), text.end(), isAlnum);
}

void TComponent::DefineProperties(TPropertyTable& table) {
    table.Integer<TComponent>("Tag", &TComponent::SetTag);
}

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    FDestroying = true;
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::SetName(const String& name) {
    if (name == FName)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw Exception("\"" + name + "\" is not a valid component name");
    if (FOwner && !name.empty()) {
        TComponent* other = FOwner->FindComponent(name);
        if (other && other != this)
            throw Exception("A component named " + name + " already exists");
    }
    FName = name;
}

TComponent* TComponent::FindComponent(const String& name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->Name(), name))
            return c;
    return nullptr;
}

void TComponent::Loaded() {
    FLoading = false;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::InsertComponent(TComponent* component) {
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it != FComponents.end())
        FComponents.erase(it);
    component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    FDestroying = true;
    while (!FComponents.empty())
        delete FComponents.back(); // the destructor removes it from the list
}
