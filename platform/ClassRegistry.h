#pragma once

#include "PropertyTable.h"

#include <functional>
#include <memory>
#include <vector>

// A class that stored descriptions may name: how to create it and which
// properties they may set.
struct TClassInfo {
    String Name;
    std::function<TComponent*(TComponent* owner)> Create;
    TPropertyTable Properties;
};

// The classes that stored descriptions know, by exact class name. The
// platform's own classes are always there; each layer registers its own.
class TClassRegistry {
public:
    static TClassRegistry& Instance();

    // T provides static void DefineProperties(TPropertyTable&).
    template <class T>
    void Register(const String& name) {
        if (Find(name))
            return;
        auto info = std::make_unique<TClassInfo>();
        info->Name = name;
        info->Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
        T::DefineProperties(info->Properties);
        FClasses.push_back(std::move(info));
    }

    const TClassInfo* Find(const String& name) const;

private:
    TClassRegistry();
    std::vector<std::unique_ptr<TClassInfo>> FClasses;
};
