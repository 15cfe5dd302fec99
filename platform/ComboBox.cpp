#include "ComboBox.h"

#include "Application.h"
#include "PropertyTable.h"

#include <QComboBox>

void TComboBox::DefineProperties(TPropertyTable& table) {
    TWinControl::DefineProperties(table);
    table.Enumeration<TComboBox, TComboBoxStyle>(
        "Style", &TComboBox::SetStyle,
        {{"csDropDown", csDropDown}, {"csDropDownList", csDropDownList}});
    table.Integer<TComboBox>("ItemHeight", &TComboBox::SetItemHeight);
    table.Lines<TComboBox>("Items.Strings", [](TComboBox& box, const std::vector<String>& items) {
        TStrings list;
        for (const String& item : items)
            list.Add(item);
        box.Items().Assign(list);
    });
    table.Integer<TComboBox>("ItemIndex", &TComboBox::SetItemIndex);
    table.Event("OnChange", &TComboBox::OnChange);
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner, new QComboBox()) {
    auto* box = static_cast<QComboBox*>(Widget());
    // activated is raised for the user's choices only, by mouse or keys.
    QObject::connect(box, &QComboBox::activated, [this] {
        Application->CallProtected([this] {
            if (OnChange)
                OnChange(this);
        });
    });
    FItems.OnChange = [this] { ShowItems(); };
    SetBounds(0, 0, 145, 21);
}

void TComboBox::ShowItems() {
    auto* box = static_cast<QComboBox*>(Widget());
    box->clear();
    for (const String& item : FItems.Lines())
        box->addItem(QString::fromStdString(item));
    box->setCurrentIndex(-1);
}

int TComboBox::ItemIndex() const {
    return static_cast<QComboBox*>(Widget())->currentIndex();
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= FItems.Count())
        index = -1;
    static_cast<QComboBox*>(Widget())->setCurrentIndex(index);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    static_cast<QComboBox*>(Widget())->setEditable(style == csDropDown);
}
