#pragma once
#include "ui/Classes.h"

#include <string>
#include <string_view>
#include <vector>

enum TOperation { opInsert, opRemove };

// A component belongs to its owner, which frees it; it can be found by name among its siblings.
// A component that goes tells its owner, whose components all hear of it, and every component
// that asked for its removal notice, so none is left holding it.
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
    // Hears of a component that goes; the base passes it on to every owned component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Asks for a removal notice when `component` goes, whoever owns it; either side may go
    // first.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    std::wstring Name;
    std::intptr_t Tag = 0;

private:
    TComponent* FOwner;
    std::vector<TComponent*> FComponents;
    // Both ends of every removal notice asked for, whichever side asked.
    std::vector<TComponent*> FFreeNotifies;
};
