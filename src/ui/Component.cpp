#include "ui/Component.h"

#include <algorithm>
#include <cwctype>

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (FOwner)
        FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
    // Newest first, so a component never outlives one it was built on.
    while (!FComponents.empty())
        delete FComponents.back();
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(other->FFreeNotifies, this);
        other->Notification(this, opRemove);
    }
    if (FOwner) {
        std::erase(FOwner->FComponents, this);
        FOwner->Notification(this, opRemove);
    }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    // By index: a component told of a removal may itself make or free siblings.
    for (size_t i = 0; i < FComponents.size(); ++i)
        FComponents[i]->Notification(AComponent, Operation);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this ||
        std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) != FFreeNotifies.end())
        return;
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    std::erase(FFreeNotifies, component);
    std::erase(component->FFreeNotifies, this);
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
    const auto sameName = [name](const TComponent* c) {
        return std::equal(c->Name.begin(), c->Name.end(), name.begin(), name.end(),
                          [](wchar_t a, wchar_t b) { return towlower(a) == towlower(b); });
    };
    const auto it = std::find_if(FComponents.begin(), FComponents.end(), sameName);
    return it == FComponents.end() ? nullptr : *it;
}
