#pragma once

#include "DescriptionNode.h"
#include "FormBindings.h"

#include <functional>
#include <vector>

// Builds a form's components from its stored description: creates each
// component by class name, nests it under its parent, sets the properties in
// the order written, binds events to the form's handlers, resolves references
// to components written later, then runs Loaded on every component and the
// form's OnCreate. Anything wrong raises EReadError naming the line; the
// components made so far belong to the root and go with it.
class TFormReader {
public:
    TFormReader(TComponent& root, const TFormBindings& bindings, const String& sourceName);

    void Read(const String& text);

    // For property setters.
    void AddReference(const String& name, std::function<void(TComponent*)> assign);
    template <class TEvent>
    TEvent BindHandler(const String& handlerName, const String& eventName) {
        return FBindings.BindHandler<TEvent>(FRoot, handlerName, eventName);
    }

private:
    struct TPendingReference {
        String Name;
        int Line;
        std::function<void(TComponent*)> Assign;
    };

    void ReadObject(const TDescriptionObject& object, TComponent& instance);
    void ReadChild(const TDescriptionObject& object, TComponent& parent);
    void ReadProperties(const TDescriptionObject& object, TComponent& instance);
    void ResolveReferences();
    void FinishLoading();
    [[noreturn]] void Fail(int line, const String& message) const;

    TComponent& FRoot;
    const TFormBindings& FBindings;
    String FSourceName;
    int FLine = 0;
    std::vector<TPendingReference> FReferences;
    std::vector<TComponent*> FCreated;
};
