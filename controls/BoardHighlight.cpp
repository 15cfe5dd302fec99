#include "BoardHighlight.h"

#include "Application.h"
#include "BoardImage.h"
#include "Button.h"
#include "Colors.h"
#include "HighlightMenu.h"
#include "MainMenu.h"
#include "Memo.h"
#include "MenuItem.h"
#include "PopupForm.h"
#include "PropertyTable.h"
#include "RadioPanel.h"
#include "Screen.h"
#include "StatusBar.h"

#include <algorithm>
#include <cmath>

namespace {

struct TKindLook {
    TColor Color;
    float IdleWeight, LitWeight, HotWeight;
};

// The colour of each kind of highlight and the strength of its ring in the
// idle, lit and hot looks: yellow settings, blue information, red calibration.
constexpr TKindLook KindLooks[] = {
    {clBlue, 0.25f, 0.5f, 1.0f},   // htOptions
    {clYellow, 0.5f, 0.75f, 1.0f}, // htSettings
    {clRed, 0.5f, 0.75f, 1.0f},    // htCalibration
};

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

String WithoutAmpersands(String text) {
    std::erase(text, '&');
    return text;
}

// "Output &Range" becomes "OutputRange": leading characters that cannot start
// an identifier go, and after the first character everything but letters,
// digits and "_".
String IdentifierStem(const String& title) {
    if (title.empty() || IsValidIdent(title))
        return title;
    auto first = std::find_if(title.begin(), title.end(), IsIdentStart);
    if (first == title.end())
        return {};
    String stem(1, *first);
    std::copy_if(first + 1, title.end(), std::back_inserter(stem), IsIdentChar);
    return stem;
}

// Single-precision as the ring's arithmetic is defined: each value is worked
// out exactly and rounded once to a float.
float ToSingle(double value) {
    return static_cast<float>(value);
}

std::uint8_t Blend(double base, double colour, double opacity) {
    return std::uint8_t(std::nearbyint(base * (1.0 - opacity) + colour * opacity));
}

bool IsBoardImage(const TControl* control) {
    return control && control->ClassName() == "TBoardImage";
}

} // namespace

void TBoardHighlight::DefineProperties(TPropertyTable& table) {
    TControl::DefineProperties(table);
    table.Remove("OnDblClick");
    table.Boolean<TBoardHighlight>("CreatePopup", &TBoardHighlight::SetCreatePopup);
    table.Enumeration<TBoardHighlight, THighlightType>(
        "HighlightType", &TBoardHighlight::SetHighlightType,
        {{"htOptions", htOptions}, {"htSettings", htSettings}, {"htCalibration", htCalibration}});
    table.Reference("RadioPanel", &TBoardHighlight::SetRadioPanel);
    table.Text<TBoardHighlight>("Title", &TBoardHighlight::SetTitle);
}

TBoardHighlight::TBoardHighlight(TComponent* owner)
    : TGraphicControl(owner) {
    SetWidth(65);
    SetHeight(65);
    FLit = false;
    FPrepared = false;
    FPopup = nullptr;
    FBoardMenu = nullptr;
    FCreatePopup = true;
    SetHighlightType(htSettings);
}

TBoardHighlight::~TBoardHighlight() {
    // The popup reports its activation to this highlight: it goes first.
    DestroyComponents();
}

void TBoardHighlight::SetTitle(const String& title) {
    if (title == FTitle)
        return;
    FTitle = title;
    FDisplayTitle = WithoutAmpersands(title);
    FNameStem = IdentifierStem(title);
}

void TBoardHighlight::SetHighlightType(THighlightType type) {
    if (type == FHighlightType)
        return;
    FHighlightType = type;
    const TKindLook& look = KindLooks[type];
    FHighlightColor = look.Color;
    FIdleWeight = look.IdleWeight;
    FHotWeight = look.HotWeight;
    FLitWeight = look.LitWeight;
    Invalidate();
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* panel) {
    if (panel == FRadioPanel)
        return;
    if (!panel) {
        FRadioPanel = nullptr;
        return;
    }
    // A panel belongs to one option; only linked highlights share it.
    if (Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            TControl* c = Parent()->Controls(i);
            if (c == this || c->ClassName() != "TBoardHighlight")
                continue;
            auto* other = static_cast<TBoardHighlight*>(c);
            if (other->FRadioPanel == panel &&
                (other->FTitle != FTitle || other->FHighlightType != FHighlightType))
                return;
        }
    FRadioPanel = panel;
}

bool TBoardHighlight::IsLinkedTo(const TControl* control) const {
    if (control->ClassName() != "TBoardHighlight")
        return false;
    auto* other = static_cast<const TBoardHighlight*>(control);
    return other->FTitle == FTitle && other->FHighlightType == FHighlightType;
}

std::vector<TBoardHighlight*> TBoardHighlight::LinkedHighlights() {
    std::vector<TBoardHighlight*> linked;
    if (!IsBoardImage(Parent()))
        return linked;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (IsLinkedTo(Parent()->Controls(i)))
            linked.push_back(static_cast<TBoardHighlight*>(Parent()->Controls(i)));
    return linked;
}

void TBoardHighlight::Relay(unsigned msg) {
    for (TBoardHighlight* highlight : LinkedHighlights())
        highlight->Perform(msg, 1, 0);
}

void TBoardHighlight::Paint() {
    // There is no form designer, so the images are built once, at run time.
    if (!FPrepared) {
        BuildImages();
        FBoardMenu = IsBoardImage(Parent()) ? static_cast<TBoardImage*>(Parent())->Menu() : nullptr;
        AddMenuEntries();
        FPrepared = true;
    }
    Canvas().Draw(0, 0, CurrentImage());
}

const TBitmap& TBoardHighlight::CurrentImage() const {
    if (FPopupActive && FLit)
        return FHotImage;
    if (FPopupActive || FLit)
        return FLitImage;
    return FIdleImage;
}

void TBoardHighlight::BuildImages() {
    struct TLook {
        TBitmap& Image;
        float Weight;
        bool Hot;
    };
    for (const TLook& look :
         {TLook{FIdleImage, FIdleWeight, false}, TLook{FHotImage, FHotWeight, true},
          TLook{FLitImage, FLitWeight, false}}) {
        look.Image.SetSize(Width(), Height());
        TRect whole{0, 0, Width(), Height()};
        look.Image.Canvas().CopyRect(whole, Canvas(), whole);
        DrawRing(look.Image, look.Weight, FHighlightColor, look.Hot);
    }
}

void TBoardHighlight::DrawRing(TBitmap& image, float weight, TColor color, bool hot) {
    int width = image.Width();
    int height = image.Height();
    if (width < 2 || height < 2)
        return;
    TColor rgb = ColorToRGB(color);
    const double colour[3] = {double(GetBValue(rgb)), double(GetGValue(rgb)),
                              double(GetRValue(rgb))};
    float sx = ToSingle(2.0 / (width - 1));
    float sy = ToSingle(2.0 / (height - 1));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.ScanLine(y);
        float v = ToSingle(double(y) * sy - 1.0);
        for (int x = 0; x < width; ++x) {
            float u = ToSingle(double(x) * sx - 1.0);
            float d2 = ToSingle(double(u) * u + double(v) * v);
            if (d2 >= 1.0f)
                continue;
            std::uint8_t* pixel = row + 4 * x;
            double base[3] = {double(pixel[0]), double(pixel[1]), double(pixel[2])};
            float a = 0.16f; // the inner disc, out to radius 0.77
            if (double(d2) >= 0.5929) {
                // The ring: strongest at radius 0.875, fading to nothing at 1.
                a = ToSingle(1.0 - 8.0 * std::fabs(std::sqrt(double(d2)) - 0.875));
                if (hot) {
                    a = ToSingle(double(a) * 2.0);
                    if (a > 1.0f) { // the hot ring's white core
                        base[0] = base[1] = base[2] = 255.0;
                        a = ToSingle(2.0 - double(a));
                    }
                }
            }
            a = ToSingle(double(a) * double(weight));
            for (int c = 0; c < 3; ++c)
                pixel[c] = Blend(base[c], colour[c], a);
        }
    }
}

void TBoardHighlight::WndProc(TMessage& message) {
    // Neither notice goes on to the parent, as the platform's handling would do.
    switch (message.Msg) {
    case CM_MOUSEENTER:
        MouseEnter(message);
        return;
    case CM_MOUSELEAVE:
        MouseLeave(message);
        return;
    default:
        TGraphicControl::WndProc(message);
    }
}

void TBoardHighlight::MouseEnter(TMessage& message) {
    if (FLit)
        return;
    FLit = true;
    Invalidate();
    if (FCreatePopup)
        ShowPopup();
    if (message.WParam == 1)
        return;
    Relay(CM_MOUSEENTER);
}

void TBoardHighlight::MouseLeave(TMessage& message) {
    if (!FLit)
        return;
    if (FPopup && !FPinned) {
        if (PointerOnPopup()) {
            FPopup->SetCloseOnLeave(true);
            PinPopup();
        } else {
            ClosePopup();
        }
    }
    // A circle that opens no popup has nothing else to unlight it.
    if (!FCreatePopup)
        Unlight();
    if (message.WParam == 1)
        return;
    Relay(CM_MOUSELEAVE);
}

bool TBoardHighlight::PointerOnPopup() const {
    TPoint pointer = Application->CursorPos();
    TPoint inPopup{pointer.X - FPopup->Left(), pointer.Y - FPopup->Top()};
    return TRect{0, 0, FPopup->Width(), FPopup->Height()}.Contains(inPopup);
}

void TBoardHighlight::Click() {
    TGraphicControl::Click();
    PinPopup();
}

void TBoardHighlight::PinPopup() {
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    for (TBoardHighlight* highlight : LinkedHighlights())
        highlight->PinOwnPopup();
}

void TBoardHighlight::PinOwnPopup() {
    if (!FPopup)
        return;
    FPinned = true;
    CheckMenuEntry(true);
    FPopup->SetFocus();
}

void TBoardHighlight::SetPopupActive(bool active, bool relay) {
    FPopupActive = active;
    BringToFront();
    Invalidate();
    if (!relay || !IsBoardImage(Parent()))
        return;
    // Each linked highlight moves to the end of the list when handled, so the
    // same index is looked at again and the count shrinks.
    TWinControl* board = Parent();
    int count = board->ControlCount();
    int index = 0;
    while (index < count) {
        TControl* control = board->Controls(index);
        if (control != this && IsLinkedTo(control)) {
            static_cast<TBoardHighlight*>(control)->SetPopupActive(active, false);
            --count;
        } else {
            ++index;
        }
    }
}

void TBoardHighlight::PopupClosed(TObject*, TCloseAction&) {
    CheckMenuEntry(false);
    if (FPopup)
        FPopup->SetCloseOnLeave(false);
    Unlight();
    for (TBoardHighlight* highlight : LinkedHighlights())
        highlight->Unlight();
}

void TBoardHighlight::Unlight() {
    FLit = false;
    Invalidate();
}

void TBoardHighlight::ClosePopup() {
    if (FPopup)
        FPopup->Close();
}

void TBoardHighlight::DoneClick(TObject*) {
    ClosePopup();
}

void TBoardHighlight::PreviousClick(TObject*) {
    ChooseNeighbourEntry(-1);
}

void TBoardHighlight::NextClick(TObject*) {
    ChooseNeighbourEntry(+1);
}

// Without an entry of its own the popup stays open: there is nowhere to go.
void TBoardHighlight::ChooseNeighbourEntry(int step) {
    if (!FBoardMenu)
        return;
    TMenuItem* top = FBoardMenu->Items();
    for (int i = 0; i < top->Count(); ++i) {
        TMenuItem* kindItem = top->Items(i);
        if (kindItem->Caption() != THighlightMenu::KindCaption(FHighlightType))
            continue;
        int count = kindItem->Count();
        for (int j = 0; j < count; ++j) {
            if (kindItem->Items(j)->Caption() != FTitle)
                continue;
            TMenuItem* target = kindItem->Items((j + step + count) % count);
            ClosePopup();
            if (target->OnClick)
                target->OnClick(this);
            return;
        }
    }
}

void TBoardHighlight::AddMenuEntries() {
    if (!FBoardMenu)
        return;
    TMenuItem* kindItem = THighlightMenu::KindItemMade(FBoardMenu, FHighlightType);
    if (FTitle.empty())
        return; // the kind's menu stays, with no entry
    for (int i = 0; i < kindItem->Count(); ++i)
        if (kindItem->Items(i)->Caption() == FTitle)
            return; // a linked highlight made the group's entry
    TMenuItem* entry = THighlightMenu::MakeEntry(FBoardMenu, FTitle, FNameStem);
    entry->OnClick = [this](TObject* sender) { MenuItemClick(sender); };
    kindItem->Add(entry);
}

void TBoardHighlight::CheckMenuEntry(bool mark) {
    if (!FBoardMenu)
        return;
    if (TMenuItem* entry = THighlightMenu::Entry(FBoardMenu, FHighlightType, FTitle))
        entry->SetChecked(mark);
}

void TBoardHighlight::MenuItemClick(TObject* sender) {
    if (sender && sender->ClassName() == "TMenuItem" &&
        static_cast<TMenuItem*>(sender)->Checked()) {
        if (FPopup) {
            ClosePopup();
            return;
        }
        // A linked highlight owns the popup.
        for (TBoardHighlight* highlight : LinkedHighlights())
            if (highlight->FPopup)
                highlight->MenuItemClick(sender);
        return;
    }
    // As a pointer would: onto the circle, a click, and off again.
    Perform(CM_MOUSEENTER, 0, 0);
    PinPopup();
    Perform(CM_MOUSELEAVE, 0, 0);
}

void TBoardHighlight::ShowPopup() {
    if (FPopup) {
        if (!FPopup->Visible())
            FPinned = false;
        FPopup->Show();
        return;
    }
    // A linked highlight that owns the group's popup shows it when the
    // relayed enter reaches it.
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        if (form->Caption() == FDisplayTitle && form->Tag() == int(FHighlightType))
            return;
    }
    BuildPopup();
}

void TBoardHighlight::BuildPopup() {
    auto* popup = new TPopupForm(this);
    FPopup = popup;
    FPinned = false;
    int memoHeight = 58;
    int panelLeft = 0;
    int panelTop = 0;
    if (TRadioPanel* panel = FRadioPanel) {
        memoHeight = panel->MemoHeight();
        popup->OnActivate = panel->OnActivate;
        popup->OnDeactivate = panel->OnDeactivate;
        panelLeft = panel->Left();
        panelTop = panel->Top();
        panel->SetLeft(0);
        panel->SetTop(0);
        panel->SetVisible(true);
        // The text box then starts one pixel below the panel: 51 = 1 + 6 + 25 + 19.
        popup->SetClientWidth(panel->Width());
        popup->SetClientHeight(panel->Height() + memoHeight + 51);
        panel->SetParent(popup);
        panel->SetAnchors(panel->FinalAnchors());
        panel->SetInPopup(true);
    } else {
        popup->SetWidth(194);
        popup->SetHeight(memoHeight + 64 + 19);
    }
    popup->SetCaption(FDisplayTitle);
    popup->SetWidth(std::max(194, popup->Width()));
    popup->SetHeight(std::max(122, popup->Height()));
    popup->SetConstraints({popup->Width(), popup->Height(), 0, 0});
    popup->SetTag(int(FHighlightType));
    popup->SetPosition(poDesigned);
    PlacePopup(panelLeft, panelTop);
    popup->OnClose = [this](TObject* sender, TCloseAction& action) { PopupClosed(sender, action); };
    popup->CreateControls(memoHeight, FRadioPanel ? &FRadioPanel->Lines() : nullptr);
    KeepPopupOnScreen();
    popup->Show();
    if (FRadioPanel)
        FRadioPanel->SetFocus();
    else
        popup->DoneButton()->SetFocus();
}

// Where the option panel stood in the main window's layout, moved by as much
// as the board image has moved since its first paint; without a panel, at the
// board image's left edge, 38 pixels below it. The main window's client
// coordinates serve as the screen position unchanged.
void TBoardHighlight::PlacePopup(int panelLeft, int panelTop) {
    TWinControl* board = Parent();
    int dx = 0;
    int dy = 0;
    if (IsBoardImage(board)) {
        auto* image = static_cast<TBoardImage*>(board);
        dx = image->DesignLeft() - panelLeft;
        dy = image->DesignTop() - panelTop;
    }
    if (!FRadioPanel) {
        dx = 0;
        dy = -((board ? board->Height() : 0) + 38);
    }
    FPopup->SetLeft((board ? board->Left() : 0) - dx);
    FPopup->SetTop((board ? board->Top() : 0) - dy);
}

void TBoardHighlight::KeepPopupOnScreen() {
    if (FPopup->Left() < 0)
        FPopup->SetLeft(0);
    else if (FPopup->Left() + FPopup->Width() > Screen->Width())
        FPopup->SetLeft(Screen->Width() - FPopup->Width());
    if (FPopup->Top() < 0)
        FPopup->SetTop(0);
    else if (FPopup->Top() + FPopup->Height() > Screen->Height())
        FPopup->SetTop(Screen->Height() - FPopup->Height());
}
