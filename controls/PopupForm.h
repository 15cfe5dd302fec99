#pragma once

#include "Form.h"

class TBoardHighlight;
class TButton;
class TStatusBar;
class TStrings;

// The window a highlight opens: its option panel, a read-only text box with
// the option's explanation, Previous, Next and Done, and a status bar. It
// stays above the other windows and is hidden, never destroyed, when closed.
class TPopupForm : public TForm {
public:
    explicit TPopupForm(TBoardHighlight* owner);
    String ClassName() const override { return "TPopupForm"; }

    TStatusBar* PopupStatus = nullptr;
    TBoardHighlight* OwnerHighlight() const { return FOwnerHighlight; }
    // Close when the pointer leaves the whole window: set when the pointer
    // came straight from the circle onto the popup.
    bool CloseOnLeave() const { return FCloseOnLeave; }
    void SetCloseOnLeave(bool closeOnLeave) { FCloseOnLeave = closeOnLeave; }

    // Builds the status bar, Previous, Next, Done and the text box for the
    // popup's final client size; lines, when given, fill the text box.
    void CreateControls(int memoHeight, const TStrings* lines);
    TButton* DoneButton() const { return FDoneButton; }

    void WndProc(TMessage& message) override;

private:
    bool PointerOutside() const;

    TButton* FDoneButton = nullptr;
    TBoardHighlight* FOwnerHighlight;
    bool FCloseOnLeave = false;
};
