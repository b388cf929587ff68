#pragma once
#include "ui/Classes.h"

#include <string>
#include <string_view>
#include <vector>

// A component belongs to its owner, which frees it; it can be found by name among its siblings.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::vector<TComponent*>& Components() const { return FComponents; }
    TComponent* FindComponent(std::wstring_view name) const;

    // Called once the stored settings of the owner's layout have all been applied.
    virtual void Loaded() {}

    std::wstring Name;
    std::intptr_t Tag = 0;

private:
    TComponent* FOwner;
    std::vector<TComponent*> FComponents;
};
