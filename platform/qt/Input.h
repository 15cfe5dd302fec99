#pragma once

#include "../Events.h"

#include <QMouseEvent>

TMouseButton ToMouseButton(Qt::MouseButton button);
TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
