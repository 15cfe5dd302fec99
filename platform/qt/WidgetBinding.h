#pragma once

class QWidget;
class TWinControl;

// Links a toolkit widget to the control it stands for, so that input found on
// a widget reaches the right control.
void BindWidget(QWidget* widget, TWinControl* control);
// The control of the widget or of its nearest ancestor that has one.
TWinControl* ControlOfWidget(QWidget* widget);
