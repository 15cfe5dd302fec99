#include "MainMenu.h"

#include "Form.h"
#include "MenuItem.h"

#include <QMenuBar>

TMainMenu::TMainMenu(TComponent* owner)
    : TComponent(owner)
    , FBar(new QMenuBar())
    , FItems(new TMenuItem(this)) {
    FItems->FBar = FBar;
}

TMainMenu::~TMainMenu() {
    if (FForm)
        FForm->SetMenu(nullptr);
    DestroyComponents(); // the items, while the bar still exists
    delete FBar;
}
