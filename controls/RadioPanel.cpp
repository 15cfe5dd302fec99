#include "RadioPanel.h"

#include "PropertyTable.h"

void TRadioPanel::DefineProperties(TPropertyTable& table) {
    // Anchors, Caption and Font are not for descriptions: FinalAnchors takes
    // the place of the anchors, and the panel has no caption.
    TWinControl::DefineProperties(table);
    table.Remove("Anchors");
    table.Color<TRadioPanel>("Color", &TRadioPanel::SetColor);
    table.Enumeration<TRadioPanel, TBevelCut>(
        "BevelOuter", &TRadioPanel::SetBevelOuter,
        {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}});
    table.Boolean<TRadioPanel>("RadioEnabled", &TRadioPanel::SetRadioEnabled);
    table.Lines<TRadioPanel>("Lines.Strings", [](TRadioPanel& panel, const auto& lines) {
        TStrings text;
        for (const String& line : lines)
            text.Add(line);
        panel.SetLines(text);
    });
    table.Integer<TRadioPanel>("MemoHeight", &TRadioPanel::SetMemoHeight);
    table.Flags<TRadioPanel>(
        "FinalAnchors", &TRadioPanel::SetFinalAnchors,
        {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}});
    table.Event("OnRadioChange", &TRadioPanel::OnRadioChange);
    table.Event("OnActivate", &TRadioPanel::OnActivate);
    table.Event("OnDeactivate", &TRadioPanel::OnDeactivate);
}

TRadioPanel::TRadioPanel(TComponent* owner)
    : TCustomPanel(owner) {
    SetAnchors(akLeft | akTop);
    FFinalAnchors = akLeft | akTop;
    FInPopup = false;
    FRadioEnabled = false;
    SetBevelOuter(bvNone);
    SetHeight(100);
    SetWidth(194);
    FMemoHeight = 58;
    SetVisible(false);
}

void TRadioPanel::SetFinalAnchors(TAnchors anchors) {
    if (FInPopup)
        SetAnchors(anchors);
    FFinalAnchors = anchors;
}
