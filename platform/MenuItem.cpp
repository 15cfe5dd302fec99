#include "MenuItem.h"

#include "Application.h"
#include "MainMenu.h"
#include "PropertyTable.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

void TMenuItem::DefineProperties(TPropertyTable& table) {
    TComponent::DefineProperties(table);
    table.Text<TMenuItem>("Caption", &TMenuItem::SetCaption);
    table.Boolean<TMenuItem>("Checked", &TMenuItem::SetChecked);
    table.Boolean<TMenuItem>("Enabled", &TMenuItem::SetEnabled);
    table.Event("OnClick", &TMenuItem::OnClick);
}

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
    , FAction(new QAction()) {
    QObject::connect(FAction, &QAction::triggered,
                     [this] { Application->CallProtected([this] { Click(); }); });
}

TMenuItem::~TMenuItem() {
    BeginDestroying();
    // Sub-items go with their menu, whoever owns them.
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
    delete FSubMenu;
    delete FAction;
}

void TMenuItem::SetCaption(const String& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    UpdateAction();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == FChecked)
        return;
    FChecked = checked;
    UpdateAction();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    UpdateAction();
}

void TMenuItem::UpdateAction() {
    FAction->setText(QString::fromStdString(FCaption));
    FAction->setSeparator(FCaption == "-");
    FAction->setCheckable(FChecked);
    FAction->setChecked(FChecked);
    FAction->setEnabled(FEnabled);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

QWidget* TMenuItem::EntryContainer() {
    if (FBar)
        return FBar;
    if (!FSubMenu) {
        FSubMenu = new QMenu();
        FAction->setMenu(FSubMenu);
    }
    return FSubMenu;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->FParent)
        item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    QWidget* container = EntryContainer();
    QAction* before = index < Count() ? FItems[index]->FAction : nullptr;
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    item->UpdateAction();
    container->insertAction(before, item->FAction);
}

void TMenuItem::Remove(TMenuItem* item) {
    int index = IndexOf(item);
    if (index < 0)
        return;
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
    EntryContainer()->removeAction(item->FAction);
}

void TMenuItem::Click() {
    if (OnClick)
        OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TMainMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}
