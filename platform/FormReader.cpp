#include "FormReader.h"

#include "ClassRegistry.h"
#include "DescriptionParser.h"
#include "Form.h"

TFormReader::TFormReader(TComponent& root, const TFormBindings& bindings, const String& sourceName)
    : FRoot(root)
    , FBindings(bindings)
    , FSourceName(sourceName) {}

void TFormReader::Read(const String& text) {
    TDescriptionObject description = TDescriptionParser(text, FSourceName).Parse();
    if (description.ClassName != FRoot.ClassName())
        Fail(description.Line,
             "the description is of " + description.ClassName + ", not of " + FRoot.ClassName());
    FRoot.SetLoading(true);
    try {
        FRoot.SetName(description.Name);
    } catch (const Exception& error) {
        Fail(description.Line, error.what());
    }
    ReadObject(description, FRoot);
    ResolveReferences();
    FinishLoading();
}

void TFormReader::ReadObject(const TDescriptionObject& object, TComponent& instance) {
    ReadProperties(object, instance);
    for (const TDescriptionObject& child : object.Children)
        ReadChild(child, instance);
}

void TFormReader::ReadChild(const TDescriptionObject& object, TComponent& parent) {
    const TClassInfo* info = TClassRegistry::Instance().Find(object.ClassName);
    if (!info)
        Fail(object.Line, "unknown class " + object.ClassName);
    TComponent* instance = info->Create(&FRoot);
    instance->SetLoading(true);
    FCreated.push_back(instance);
    try {
        instance->SetName(object.Name);
        FBindings.AssignField(FRoot, object.Name, instance);
        instance->SetParentComponent(&parent);
    } catch (const Exception& error) {
        Fail(object.Line, error.what());
    }
    ReadObject(object, *instance);
}

void TFormReader::ReadProperties(const TDescriptionObject& object, TComponent& instance) {
    const TClassInfo* info = TClassRegistry::Instance().Find(instance.ClassName());
    if (!info)
        Fail(object.Line, "unknown class " + instance.ClassName());
    for (const TDescriptionProperty& property : object.Properties) {
        const TPropertyTable::TSetter* setter = info->Properties.Find(property.Name);
        if (!setter)
            Fail(property.Line, object.ClassName + " has no property " + property.Name);
        FLine = property.Line;
        try {
            (*setter)(instance, property.Value, *this);
        } catch (const EReadError&) {
            throw;
        } catch (const std::exception& error) {
            Fail(property.Line, property.Name + ": " + error.what());
        }
    }
}

void TFormReader::AddReference(const String& name, std::function<void(TComponent*)> assign) {
    FReferences.push_back({name, FLine, std::move(assign)});
}

void TFormReader::ResolveReferences() {
    for (const TPendingReference& reference : FReferences) {
        TComponent* target =
            SameText(reference.Name, FRoot.Name()) ? &FRoot : FRoot.FindComponent(reference.Name);
        if (!target)
            Fail(reference.Line, "no component named " + reference.Name);
        try {
            reference.Assign(target);
        } catch (const std::exception& error) {
            Fail(reference.Line, error.what());
        }
    }
    FReferences.clear();
}

void TFormReader::FinishLoading() {
    // Children before their parents, so that a parent's Loaded finds its
    // children ready to be aligned.
    for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it)
        (*it)->Loaded();
    FRoot.Loaded();
    if (auto* form = dynamic_cast<TForm*>(&FRoot)) {
        form->DoCreate();
        if (form->Visible())
            form->UpdateWidgetVisibility(); // held back while loading
    }
}

void TFormReader::Fail(int line, const String& message) const {
    throw EReadError(FSourceName + " line " + std::to_string(line) + ": " + message);
}
