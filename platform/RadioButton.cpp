#include "RadioButton.h"

#include "Application.h"
#include "PropertyTable.h"

#include <QRadioButton>

void TRadioButton::DefineProperties(TPropertyTable& table) {
    TWinControl::DefineProperties(table);
    table.Text<TRadioButton>("Caption", &TRadioButton::SetCaption);
    table.Boolean<TRadioButton>("Checked", &TRadioButton::SetChecked);
}

TRadioButton::TRadioButton(TComponent* owner)
    : TWinControl(owner, new QRadioButton()) {
    auto* button = static_cast<QRadioButton*>(Widget());
    QObject::connect(button, &QRadioButton::toggled, [this](bool checked) {
        if (checked && !Loading())
            Application->CallProtected([this] { Click(); });
    });
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetCaption(const String& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    static_cast<QRadioButton*>(Widget())->setText(QString::fromStdString(caption));
}

bool TRadioButton::Checked() const {
    return static_cast<QRadioButton*>(Widget())->isChecked();
}

void TRadioButton::SetChecked(bool checked) {
    static_cast<QRadioButton*>(Widget())->setChecked(checked);
}
