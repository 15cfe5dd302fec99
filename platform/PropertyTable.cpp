#include "PropertyTable.h"

#include "Colors.h"

namespace {

const TPropertyTable::TNames<TColor> ColorNames = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
};

} // namespace

void TPropertyTable::Add(const String& name, TSetter setter) {
    for (auto& entry : FSetters)
        if (SameText(entry.first, name)) {
            entry.second = std::move(setter);
            return;
        }
    FSetters.emplace_back(name, std::move(setter));
}

void TPropertyTable::Remove(const String& name) {
    std::erase_if(FSetters, [&](const auto& entry) { return SameText(entry.first, name); });
}

const TPropertyTable::TSetter* TPropertyTable::Find(const String& name) const {
    for (const auto& entry : FSetters)
        if (SameText(entry.first, name))
            return &entry.second;
    return nullptr;
}

String TPropertyTable::WrongReference(const TComponent* target) {
    if (!target)
        return "a reference to nothing cannot be assigned here";
    return target->Name() + " is a " + target->ClassName() + " and cannot be assigned here";
}

TColor TPropertyTable::ColorOf(const TDescriptionValue& value) {
    if (value.Kind == TDescriptionValue::vkInteger)
        return TColor(value.AsInteger());
    return ValueOf(ColorNames, value.AsIdentifier());
}
