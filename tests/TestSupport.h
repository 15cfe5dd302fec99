#pragma once

#include "Types.h"

#include <gtest/gtest.h>

#include <ostream>

class QWidget;
class TControl;
class TForm;

// Helpers for tests that drive real windows under the offscreen platform.

// The toolkit window of a form.
QWidget* WindowOf(TForm* form);
// Shows the form and waits until the platform has exposed and painted it.
void ShowAndWait(TForm* form);
// The widget under a point of a control (client coordinates), as the pointer would find it.
QWidget* WidgetAt(TControl* control, TPoint point);
// Where a control's client point lies in a widget's own coordinates.
TPoint PointIn(QWidget* widget, TControl* control, TPoint point);
// Moves the real pointer to a control's client point and lets the program react.
void MovePointerTo(TControl* control, TPoint point);
// Clicks the left button at a control's client point, on whatever widget is there.
void ClickOn(TControl* control, TPoint point);

// A description error's message begins "test.dfm line N: " and says what is wrong.
testing::AssertionResult ReportsLineAndFault(const String& message, int line, const String& detail);

inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline void PrintTo(const TPoint& p, std::ostream* os) {
    *os << "(" << p.X << ", " << p.Y << ")";
}
