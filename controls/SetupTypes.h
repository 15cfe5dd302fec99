#pragma once

#include "Messages.h"

// Types the setup controls share.

// How a drawn switch or jumper is turned: otUp as drawn, otDown half a turn,
// otLeft a quarter turn anticlockwise, otRight a quarter turn clockwise.
enum TOrientationType { otUp, otDown, otLeft, otRight };

// The kind of a highlight circle: its colour and its menu.
enum THighlightType : unsigned char { htOptions, htSettings, htCalibration };

// Where a jumper's cap sits.
enum TJumperState { jsOpen, jsLeft, jsRight };

// Sent to a board image to open and pin the popup of its first highlight.
constexpr unsigned WM_SHOWFIRSTPOPUP = WM_USER + 162;
