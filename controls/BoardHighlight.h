#pragma once

#include "Bitmap.h"
#include "GraphicControl.h"
#include "SetupTypes.h"

#include <memory>
#include <vector>

class TMainMenu;
class TPopupForm;
class TRadioPanel;

// A highlight circle over a part of the card: a soft ring in the colour of its
// kind, blended over the photograph. Entering it lights it and its linked
// highlights and opens their popup; leaving closes the popup unless it has been
// pinned; a click pins it. Highlights on the same board image with the same
// Title and kind are linked: they light together and share one popup.
class TBoardHighlight : public TGraphicControl {
public:
    explicit TBoardHighlight(TComponent* owner);
    ~TBoardHighlight() override;
    String ClassName() const override { return "TBoardHighlight"; }
    static void DefineProperties(TPropertyTable& table);

    const String& Title() const { return FTitle; }
    void SetTitle(const String& title);
    // Title without its "&" marks: the popup's caption.
    const String& DisplayTitle() const { return FDisplayTitle; }
    // Title reduced to an identifier: the stem of the menu entry's name.
    const String& NameStem() const { return FNameStem; }

    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType type);
    TColor HighlightColor() const { return FHighlightColor; }
    float IdleWeight() const { return FIdleWeight; }
    float LitWeight() const { return FLitWeight; }
    float HotWeight() const { return FHotWeight; }

    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool createPopup) { FCreatePopup = createPopup; }
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    // Refused, silently, when a highlight of another option on the same
    // parent holds the panel already; linked highlights may share it.
    void SetRadioPanel(TRadioPanel* panel);

    bool Lit() const { return FLit; }
    bool Pinned() const { return FPinned; }
    bool PopupActive() const { return FPopupActive; }
    bool Prepared() const { return FPrepared; }
    TPopupForm* Popup() const { return FPopup; }
    TMainMenu* BoardMenu() const { return FBoardMenu; }

    // The three looks, built at the first paint from what lies beneath.
    const TBitmap& IdleImage() const { return FIdleImage; }
    const TBitmap& LitImage() const { return FLitImage; }
    const TBitmap& HotImage() const { return FHotImage; }

    // The pointer entering and leaving; WParam 1 marks a notice relayed by a
    // linked highlight, which is not relayed again.
    void MouseEnter(TMessage& message);
    void MouseLeave(TMessage& message);
    void WndProc(TMessage& message) override;
    void Click() override;

    // Pins the popups of this highlight and of its linked highlights.
    void PinPopup();
    void PinOwnPopup();
    // The popup window of the group became active (or stopped being so).
    void SetPopupActive(bool active, bool relay);
    // The popup's close event: clears the group's lit state.
    void PopupClosed(TObject* sender, TCloseAction& action);
    void Unlight();
    // Shows the popup, building it the first time.
    void ShowPopup();
    // The popup's buttons.
    void DoneClick(TObject* sender);
    void PreviousClick(TObject* sender);
    void NextClick(TObject* sender);

    // The option's entry on the board image's menu: made at the first paint,
    // checked while the group's popup is pinned.
    void AddMenuEntries();
    void CheckMenuEntry(bool mark);
    // Choosing the entry: closes a pinned popup, otherwise opens and pins it.
    void MenuItemClick(TObject* sender);

    // Blends the ring into the image. Pixels outside the inscribed ellipse are
    // left as they are; an image less than 2 pixels wide or high keeps its
    // background, as no ellipse fits in it.
    static void DrawRing(TBitmap& image, float weight, TColor color, bool hot);

protected:
    void Paint() override;

private:
    std::vector<TBoardHighlight*> LinkedHighlights();
    bool IsLinkedTo(const TControl* control) const;
    void Relay(unsigned msg);
    void BuildImages();
    const TBitmap& CurrentImage() const;
    bool PointerOnPopup() const;
    void BuildPopup();
    void PlacePopup(int panelLeft, int panelTop);
    void KeepPopupOnScreen();
    void ClosePopup();
    // Closes the popup and chooses the entry step places away, wrapping around.
    void ChooseNeighbourEntry(int step);

    TBitmap FIdleImage;
    TBitmap FHotImage;
    TBitmap FLitImage;
    float FIdleWeight = 0;
    float FHotWeight = 0;
    float FLitWeight = 0;
    TColor FHighlightColor = 0;
    THighlightType FHighlightType = htOptions;
    bool FLit = false;
    TPopupForm* FPopup = nullptr; // owned as a component
    String FTitle;
    String FDisplayTitle;
    String FNameStem;
    TMainMenu* FBoardMenu = nullptr;
    bool FPrepared = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    TRadioPanel* FRadioPanel = nullptr;
    bool FPopupActive = false;
};
