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
    if (FOwner) {
        auto& siblings = FOwner->FComponents;
        siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    }
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
    const auto sameName = [name](const TComponent* c) {
        return std::equal(c->Name.begin(), c->Name.end(), name.begin(), name.end(),
                          [](wchar_t a, wchar_t b) { return towlower(a) == towlower(b); });
    };
    const auto it = std::find_if(FComponents.begin(), FComponents.end(), sameName);
    return it == FComponents.end() ? nullptr : *it;
}
