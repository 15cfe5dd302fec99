#include "FormWindow.h"

#include "../Application.h"
#include "../Form.h"
#include "WidgetBinding.h"

#include <QCloseEvent>

TFormWindow::TFormWindow(TForm* form)
    : FForm(form) {}

void TFormWindow::Detach() {
    BindWidget(this, nullptr);
    FForm = nullptr;
}

void TFormWindow::Notify(void (TForm::*handler)()) {
    if (FForm)
        Application->CallProtected([this, handler] { (FForm->*handler)(); });
}

void TFormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: it hides itself or ends the application.
    event->ignore();
    Notify(&TForm::Close);
}

void TFormWindow::resizeEvent(QResizeEvent*) {
    Notify(&TForm::WindowGeometryChanged);
}

void TFormWindow::moveEvent(QMoveEvent*) {
    Notify(&TForm::WindowGeometryChanged);
}

void TFormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        Notify(&TForm::WindowStateChanged);
    if (event->type() == QEvent::ActivationChange)
        Notify(&TForm::WindowActivationChanged);
    QWidget::changeEvent(event);
}

bool TFormWindow::event(QEvent* event) {
    // The menu bar asks for a new layout when its entries change its height.
    if (event->type() == QEvent::LayoutRequest)
        Notify(&TForm::MenuBarChanged);
    return QWidget::event(event);
}
