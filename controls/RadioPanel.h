#pragma once

#include "CustomPanel.h"
#include "Strings.h"

using TRadioPanelChangeEvent = std::function<void(TObject* Sender)>;

// The option panel of a highlight: a hidden container on the main window
// holding the controls that pick an option and the drawing that shows how to
// set the hardware, with the option's explanation. The highlight's popup takes
// it in the first time it opens and keeps it.
class TRadioPanel : public TCustomPanel {
public:
    explicit TRadioPanel(TComponent* owner);
    String ClassName() const override { return "TRadioPanel"; }
    static void DefineProperties(TPropertyTable& table);

    // The explanation shown in the popup's text box.
    TStrings& Lines() { return FLines; }
    // Copies the given lines; the caller keeps its own.
    void SetLines(const TStrings& lines) { FLines.Assign(lines); }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int height) { FMemoHeight = height; }
    // The anchors the panel gets inside its popup.
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    void SetFinalAnchors(TAnchors anchors);
    bool InPopup() const { return FInPopup; }
    void SetInPopup(bool inPopup) { FInPopup = inPopup; }
    // Kept for descriptions that set them; nothing reads them.
    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool enabled) { FRadioEnabled = enabled; }

    // Become the popup's activation events when the popup is built.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TRadioPanelChangeEvent OnRadioChange;

private:
    bool FRadioEnabled = false;
    TStrings FLines;
    int FMemoHeight = 58;
    TAnchors FFinalAnchors = akLeft | akTop;
    bool FInPopup = false;
};
