#include "FormWindow.h"

#include "../Application.h"
#include "../Form.h"

#include <QCloseEvent>

TFormWindow::TFormWindow(TForm* form)
    : FForm(form) {}

void TFormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: it hides itself or ends the application.
    event->ignore();
    Application->CallProtected([this] { FForm->Close(); });
}

void TFormWindow::resizeEvent(QResizeEvent*) {
    Application->CallProtected([this] { FForm->WindowGeometryChanged(); });
}

void TFormWindow::moveEvent(QMoveEvent*) {
    Application->CallProtected([this] { FForm->WindowGeometryChanged(); });
}

void TFormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        Application->CallProtected([this] { FForm->WindowStateChanged(); });
    QWidget::changeEvent(event);
}

bool TFormWindow::event(QEvent* event) {
    // The menu bar asks for a new layout when its entries change its height.
    if (event->type() == QEvent::LayoutRequest)
        Application->CallProtected([this] { FForm->MenuBarChanged(); });
    return QWidget::event(event);
}
