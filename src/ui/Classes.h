#pragma once
// The toolkit's basic vocabulary: objects, events, shift states and mouse buttons.
#include <cstdint>
#include <functional>

class TObject {
public:
    virtual ~TObject() = default;
};

// A bound callback taking the sender; an empty function means no handler.
using TNotifyEvent = std::function<void(TObject* Sender)>;

using TShiftState = std::uint8_t;
enum : TShiftState {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
// Result 0 leaves the key to the toolkit's own dialog-key handling; any other value ends it.
using TDialogKeyEvent = std::function<void(TObject* Sender, std::uint16_t Key, long& Result)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, bool& Handled)>;
