#include "HighlightMenu.h"

#include "MainMenu.h"
#include "MenuItem.h"

#include <vector>

namespace {

struct TKindMenu {
    const char* Caption;
    const char* NameStem;
    std::vector<const char*> InsertBefore;
};

// Listed by THighlightType. Whatever order the kinds turn up in, the menus end
// up as Settings, Calibration, Options, then Help.
const TKindMenu KindMenus[] = {
    {"&Options", "Options", {"&Help"}},
    {"&Settings", "Settings", {"&Calibration", "&Options", "&Help"}},
    {"&Calibration", "Calibration", {"&Options", "&Help"}},
};

} // namespace

const char* THighlightMenu::KindCaption(THighlightType type) {
    return KindMenus[type].Caption;
}

TMenuItem* THighlightMenu::KindItem(TMainMenu* menu, THighlightType type) {
    TMenuItem* top = menu->Items();
    for (int i = 0; i < top->Count(); ++i)
        if (top->Items(i)->Caption() == KindCaption(type))
            return top->Items(i);
    return nullptr;
}

TMenuItem* THighlightMenu::KindItemMade(TMainMenu* menu, THighlightType type) {
    if (TMenuItem* existing = KindItem(menu, type))
        return existing;
    const TKindMenu& kind = KindMenus[type];
    TMenuItem* top = menu->Items();
    int index = top->Count();
    for (int i = 0; i < top->Count() && index == top->Count(); ++i)
        for (const char* caption : kind.InsertBefore)
            if (top->Items(i)->Caption() == caption)
                index = i;
    auto* item = new TMenuItem(menu->Owner());
    item->SetName(UniqueName(menu->Owner(), kind.NameStem));
    item->SetCaption(kind.Caption);
    top->Insert(index, item);
    return item;
}

TMenuItem* THighlightMenu::Entry(TMainMenu* menu, THighlightType type, const String& title) {
    TMenuItem* top = menu->Items();
    for (int i = 0; i < top->Count(); ++i) {
        TMenuItem* item = top->Items(i);
        if (item->Caption() != KindCaption(type))
            continue;
        for (int j = 0; j < item->Count(); ++j)
            if (item->Items(j)->Caption() == title)
                return item->Items(j);
    }
    return nullptr;
}

TMenuItem* THighlightMenu::MakeEntry(TMainMenu* menu, const String& caption, const String& stem) {
    auto* entry = new TMenuItem(menu->Owner());
    // A title without a letter leaves no stem; such an entry is still named.
    entry->SetName(UniqueName(menu->Owner(), stem.empty() ? "Entry" : stem));
    entry->SetCaption(caption);
    return entry;
}

String THighlightMenu::UniqueName(const TComponent* owner, const String& stem) {
    for (int number = 1;; ++number) {
        String name = stem + std::to_string(number);
        if (!owner || !owner->FindComponent(name))
            return name;
    }
}
