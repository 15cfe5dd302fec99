#pragma once

#include <functional>

class TObject;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

// Event types. Every event's first argument is the object that fires it.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
