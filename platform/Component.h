#pragma once

#include "Object.h"

#include <vector>

class TPropertyTable;

// A named object that may own other components. An owner destroys what it
// owns, newest first, when it is destroyed itself.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    String ClassName() const override { return "TComponent"; }
    // The properties a stored description may set on this class.
    static void DefineProperties(TPropertyTable& table);

    TComponent* Owner() const { return FOwner; }

    const String& Name() const { return FName; }
    // Names are identifiers and unique among the owner's components, compared
    // without regard to letter case; a clash raises an Exception.
    void SetName(const String& name);

    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(index); }
    // Finds an owned component by name, ignoring letter case; nullptr if none.
    TComponent* FindComponent(const String& name) const;

    // True while a stored description is being read into this component.
    bool Loading() const { return FLoading; }
    // True once destruction has begun; components skip repaints and notices then.
    bool Destroying() const { return FDestroying; }

    // Called by the description reader, once every component of the
    // description exists and all references are resolved.
    virtual void Loaded();
    // The description reader nests a component under another one; controls
    // take it as their parent, menu items as their parent item.
    virtual void SetParentComponent(TComponent* parent);

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

protected:
    // Destroys the owned components, newest first. Classes whose owned
    // components may reach back into them call this first in their destructor.
    void DestroyComponents();
    void BeginDestroying() { FDestroying = true; }

private:
    friend class TFormReader;
    void SetLoading(bool loading) { FLoading = loading; }

    TComponent* FOwner = nullptr;
    String FName;
    int FTag = 0;
    bool FLoading = false;
    bool FDestroying = false;
    std::vector<TComponent*> FComponents;
};

// Letter-case-blind comparison of ASCII identifiers, as component names use.
bool SameText(const String& a, const String& b);
// An identifier begins with an ASCII letter or "_" and goes on with ASCII
// letters, digits or "_".
bool IsValidIdent(const String& text);
