#pragma once

#include "Component.h"

class QMenuBar;
class TForm;
class TMenuItem;

// The menu bar of a form. Its top-level menus are the entries of Items.
class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    String ClassName() const override { return "TMainMenu"; }
    static void DefineProperties(TPropertyTable& table) { TComponent::DefineProperties(table); }

    TMenuItem* Items() const { return FItems; }

private:
    friend class TForm;
    QMenuBar* Bar() const { return FBar; }

    QMenuBar* FBar;
    TMenuItem* FItems;
    TForm* FForm = nullptr; // the form that shows this menu
};
