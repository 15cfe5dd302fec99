#include "PopupForm.h"

#include "Application.h"
#include "BoardHighlight.h"
#include "Button.h"
#include "Memo.h"
#include "StatusBar.h"

TPopupForm::TPopupForm(TBoardHighlight* owner)
    : TForm(owner)
    , FOwnerHighlight(owner) {
    SetAutoScroll(false);
    SetBorderStyle(bsSizeToolWin);
    SetFormStyle(fsStayOnTop);
}

namespace {

TButton* AddButton(TPopupForm* popup, const String& name, const String& caption, TRect bounds,
                   TAnchors anchors, TNotifyEvent onClick) {
    auto* button = new TButton(popup);
    button->SetName(name);
    button->SetParent(popup);
    button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    button->SetAnchors(anchors);
    button->SetCaption(caption);
    button->OnClick = std::move(onClick);
    return button;
}

} // namespace

// The controls below the panel, in tab order: the buttons stand on the status
// bar, the text box ends 6 pixels above them, all keep 6 pixels from the sides.
void TPopupForm::CreateControls(int memoHeight, const TStrings* lines) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    TBoardHighlight* owner = FOwnerHighlight;

    PopupStatus = new TStatusBar(this);
    PopupStatus->SetName("PopupStatus");
    PopupStatus->SetParent(this);
    PopupStatus->SetBounds(0, height - 19, width, 19);
    PopupStatus->SetAnchors(akLeft | akRight | akBottom);
    PopupStatus->AddPanel({"", pbNone});

    const int buttonTop = height - 44;
    AddButton(this, "PreviousButton", "Previous", Bounds(6, buttonTop, 58, 25), akLeft | akBottom,
              [owner](TObject* sender) { owner->PreviousClick(sender); });
    AddButton(this, "NextButton", "Next", Bounds((width - 58) / 2, buttonTop, 58, 25), akBottom,
              [owner](TObject* sender) { owner->NextClick(sender); });
    FDoneButton =
        AddButton(this, "DoneButton", "Done", Bounds(width - 64, buttonTop, 58, 25),
                  akRight | akBottom, [owner](TObject* sender) { owner->DoneClick(sender); });

    auto* memo = new TMemo(this);
    memo->SetName("StatusMemo");
    memo->SetParent(this);
    memo->SetBounds(6, buttonTop - 6 - memoHeight, width - 12, memoHeight);
    memo->SetAnchors(akLeft | akTop | akRight | akBottom);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    if (lines)
        memo->Lines().Assign(*lines);
}

void TPopupForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ACTIVATE:
        // Answered here, not by the form's own handling.
        FOwnerHighlight->SetPopupActive(message.WParam != WA_INACTIVE, true);
        message.Result = 0;
        return;
    case CM_MOUSELEAVE:
        // Moving between the controls inside the popup never closes it.
        if (FCloseOnLeave && PointerOutside()) {
            Close();
            return;
        }
        break;
    default:
        break;
    }
    TForm::WndProc(message);
}

bool TPopupForm::PointerOutside() const {
    TPoint pointer = Application->CursorPos();
    TPoint inWindow{pointer.X - Left(), pointer.Y - Top()};
    return !TRect{0, 0, Width(), Height()}.Contains(inWindow);
}
