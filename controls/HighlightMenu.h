#pragma once

#include "SetupTypes.h"
#include "Types.h"

class TComponent;
class TMainMenu;
class TMenuItem;

// The highlights' top-level menus on a main menu, one per kind ("&Settings",
// "&Calibration", "&Options", in this order before "&Help"), each with one
// entry per option, captioned with the option's title.
class THighlightMenu {
public:
    static const char* KindCaption(THighlightType type);

    // The first top-level item of the kind, or nullptr.
    static TMenuItem* KindItem(TMainMenu* menu, THighlightType type);
    // The kind's top-level item, made and put in its place when missing.
    static TMenuItem* KindItemMade(TMainMenu* menu, THighlightType type);
    // The first entry captioned title in a top-level item of the kind, or nullptr.
    static TMenuItem* Entry(TMainMenu* menu, THighlightType type, const String& title);
    // An entry owned by the menu's owner, named after stem with the smallest
    // free number.
    static TMenuItem* MakeEntry(TMainMenu* menu, const String& caption, const String& stem);

    // The stem followed by the smallest number from 1 up that names no
    // component of the owner, letter case ignored.
    static String UniqueName(const TComponent* owner, const String& stem);
};
