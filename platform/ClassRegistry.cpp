#include "ClassRegistry.h"

#include "Button.h"
#include "ComboBox.h"
#include "Form.h"
#include "Label.h"
#include "MainMenu.h"
#include "Memo.h"
#include "MenuItem.h"
#include "RadioButton.h"

TClassRegistry::TClassRegistry() {
    Register<TForm>("TForm");
    Register<TButton>("TButton");
    Register<TComboBox>("TComboBox");
    Register<TLabel>("TLabel");
    Register<TMemo>("TMemo");
    Register<TRadioButton>("TRadioButton");
    Register<TMainMenu>("TMainMenu");
    Register<TMenuItem>("TMenuItem");
}

TClassRegistry& TClassRegistry::Instance() {
    static TClassRegistry registry;
    return registry;
}

const TClassInfo* TClassRegistry::Find(const String& name) const {
    for (const auto& info : FClasses)
        if (info->Name == name)
            return info.get();
    return nullptr;
}
