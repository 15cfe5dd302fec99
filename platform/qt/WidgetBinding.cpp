#include "WidgetBinding.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char ControlProperty[] = "kqControl";
}

void BindWidget(QWidget* widget, TWinControl* control) {
    widget->setProperty(ControlProperty, QVariant::fromValue(reinterpret_cast<quintptr>(control)));
}

TWinControl* ControlOfWidget(QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        QVariant value = widget->property(ControlProperty);
        if (value.isValid())
            return reinterpret_cast<TWinControl*>(value.value<quintptr>());
    }
    return nullptr;
}
