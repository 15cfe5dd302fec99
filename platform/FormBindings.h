#pragma once

#include "Component.h"
#include "Exception.h"

#include <any>
#include <functional>
#include <utility>
#include <vector>

// What a form class offers the reader of its stored description: the fields
// that receive the components of the same names, and the handlers that events
// are bound to by name.
//
//   bindings.Field("BoardImage1", &TMainForm::BoardImage1);
//   bindings.Handler("Exit2Click", &TMainForm::Exit2Click);
class TFormBindings {
public:
    template <class TFormClass, class TComponentClass>
    void Field(const String& name, TComponentClass* TFormClass::*field) {
        FFields.emplace_back(name, [name, field](TComponent& root, TComponent* component) {
            auto* typed = dynamic_cast<TComponentClass*>(component);
            if (!typed)
                throw Exception("the field " + name + " cannot hold a " + component->ClassName());
            static_cast<TFormClass&>(root).*field = typed;
        });
    }

    template <class TFormClass, class... TArgs>
    void Handler(const String& name, void (TFormClass::*method)(TArgs...)) {
        using TEvent = std::function<void(TArgs...)>;
        std::function<TEvent(TComponent&)> bind = [method](TComponent& root) {
            auto* form = &static_cast<TFormClass&>(root);
            return TEvent([form, method](TArgs... args) { (form->*method)(args...); });
        };
        FHandlers.emplace_back(name, std::move(bind));
    }

    // Stores the component in the root's field of its name, if there is one.
    void AssignField(TComponent& root, const String& name, TComponent* component) const {
        for (const auto& [fieldName, assign] : FFields)
            if (SameText(fieldName, name))
                assign(root, component);
    }

    template <class TEvent>
    TEvent BindHandler(TComponent& root, const String& name, const String& eventName) const {
        for (const auto& [handlerName, binder] : FHandlers) {
            if (!SameText(handlerName, name))
                continue;
            auto* bind = std::any_cast<std::function<TEvent(TComponent&)>>(&binder);
            if (!bind)
                throw Exception("the handler " + name + " does not fit the event " + eventName);
            return (*bind)(root);
        }
        throw Exception(root.ClassName() + " has no handler named " + name);
    }

private:
    std::vector<std::pair<String, std::function<void(TComponent&, TComponent*)>>> FFields;
    std::vector<std::pair<String, std::any>> FHandlers;
};
