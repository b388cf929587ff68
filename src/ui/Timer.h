#pragma once
#include "ui/Component.h"

#include <memory>

class TUtilWindow;

// The toolkit timer. Its countdown restarts only when the interval or the enabled state
// changes; setting either to the value it already has leaves a running countdown alone.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned ms);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);

    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    unsigned FInterval = 1000;
    bool FEnabled = true;
    std::unique_ptr<TUtilWindow> FWindow;
};
