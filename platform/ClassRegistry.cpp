#include "ClassRegistry.h"

#include "Form.h"
#include "MainMenu.h"
#include "MenuItem.h"

TClassRegistry::TClassRegistry() {
    Register<TForm>("TForm");
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
