#include "WinWidget.h"

#include "../Application.h"
#include "../WinControl.h"
#include "Input.h"

#include <QPaintEvent>

TWinWidget::TWinWidget(TWinControl* control)
    : FControl(control) {
    // The control paints every pixel itself, from its back buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TWinWidget::paintEvent(QPaintEvent* event) {
    QRect r = event->rect();
    Application->CallProtected([&] {
        FControl->PaintWindow({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    });
}

void TWinWidget::mousePressEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Application->CallProtected([&] {
        FControl->MousePressed(ToMouseButton(event->button()),
                               ToShiftState(event->modifiers(), event->buttons()), {p.x(), p.y()},
                               false);
    });
}

void TWinWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Application->CallProtected([&] {
        FControl->MousePressed(ToMouseButton(event->button()),
                               ToShiftState(event->modifiers(), event->buttons()) | ssDouble,
                               {p.x(), p.y()}, true);
    });
}

void TWinWidget::mouseMoveEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Application->CallProtected([&] {
        FControl->MouseMoved(ToShiftState(event->modifiers(), event->buttons()), {p.x(), p.y()});
    });
}

void TWinWidget::mouseReleaseEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Application->CallProtected([&] {
        FControl->MouseReleased(ToMouseButton(event->button()),
                                ToShiftState(event->modifiers(), event->buttons()), {p.x(), p.y()});
    });
}
