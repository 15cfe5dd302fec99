#include "Button.h"

#include "Application.h"
#include "PropertyTable.h"

#include <QPushButton>

void TButton::DefineProperties(TPropertyTable& table) {
    TWinControl::DefineProperties(table);
    table.Text<TButton>("Caption", &TButton::SetCaption);
}

TButton::TButton(TComponent* owner)
    : TWinControl(owner, new QPushButton()) {
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked,
                     [this] { Application->CallProtected([this] { Click(); }); });
    SetBounds(0, 0, 75, 25);
}

void TButton::SetCaption(const String& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    static_cast<QPushButton*>(Widget())->setText(QString::fromStdString(caption));
}
