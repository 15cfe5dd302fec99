#pragma once

#include "Component.h"
#include "Events.h"

#include <vector>

class QAction;
class QMenu;
class QWidget;
class TMainMenu;

// One entry of a menu, or a menu of entries. The toolkit's menu bar shows every
// change at once: captions ("&" marks the accelerator letter), check marks,
// insertions and removals.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    String ClassName() const override { return "TMenuItem"; }
    static void DefineProperties(TPropertyTable& table);

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(index); }
    TMenuItem* Parent() const { return FParent; }
    int IndexOf(const TMenuItem* item) const;
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    // Inserting an item that sits in another menu moves it here.
    void Insert(int index, TMenuItem* item);
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Remove(TMenuItem* item);

    // Fires OnClick, as choosing the entry does.
    virtual void Click();
    TNotifyEvent OnClick;

    void SetParentComponent(TComponent* parent) override;

private:
    friend class TMainMenu;
    // The widget this item's entries are shown in: a menu bar for the top of a
    // main menu, otherwise the item's own drop-down menu.
    QWidget* EntryContainer();
    void UpdateAction();

    String FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    QAction* FAction = nullptr;
    QMenu* FSubMenu = nullptr;
    QWidget* FBar = nullptr; // set on the top item of a main menu only
};
