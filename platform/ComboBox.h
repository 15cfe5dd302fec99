#pragma once

#include "Strings.h"
#include "WinControl.h"

enum TComboBoxStyle { csDropDown, csDropDownList };

// A drop-down list; a pick-only list unless its style makes it editable. OnChange
// fires for a selection the user makes with the mouse or the keys, never for
// one made from code.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    String ClassName() const override { return "TComboBox"; }
    static void DefineProperties(TPropertyTable& table);

    TStrings& Items() { return FItems; }
    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int height) { FItemHeight = height; }

    TNotifyEvent OnChange;

private:
    void ShowItems();

    TStrings FItems;
    TComboBoxStyle FStyle = csDropDownList;
    int FItemHeight = 13;
};
