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

// Each rectangle of the exposed region is painted and copied on its own: a
// hover repaints two small circles, not the board between them, and a copy
// clipped to several rectangles is far slower than one per rectangle.
void TWinWidget::paintEvent(QPaintEvent* event) {
    std::vector<TRect> areas;
    for (const QRect& r : event->region())
        areas.push_back({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    Application->CallProtected([&] { FControl->PaintWindow(areas); });
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
