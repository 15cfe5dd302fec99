#pragma once

#include "CustomPanel.h"
#include "Picture.h"
#include "SetupTypes.h"

#include <memory>

class TBoardHighlight;
class TMainMenu;

// The photograph of the card, holding the highlight circles as its children.
// At run time it keeps itself centred in its parent window, and at its first
// paint it records where the form description put it, for placing popups.
class TBoardImage : public TCustomPanel {
public:
    explicit TBoardImage(TComponent* owner);
    ~TBoardImage() override;
    String ClassName() const override { return "TBoardImage"; }
    static void DefineProperties(TPropertyTable& table);

    TPicture& Picture() { return *FPicture; }
    // Copies the given picture; the caller keeps its own.
    void SetPicture(const TPicture& picture) { FPicture->Assign(picture); }

    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    bool Scale() const { return FScale; }
    void SetScale(bool scale);
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool centerOnForm) { FCenterOnForm = centerOnForm; }

    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* first) { FFirst = first; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu) { FMenu = menu; }

    double AspectRatio() const { return FAspectRatio; }
    bool Drawing() const { return FDrawing; }
    bool DesignPosRecorded() const { return FDesignPosRecorded; }
    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }

    // Where the picture is drawn, in the control's client coordinates.
    TRect PictureRect() const;
    // This platform has no palettes, so the picture never has one to hand on.
    unsigned GetPalette() const { return 0; }

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;

private:
    void ApplyPicture();
    bool RealizePicturePalette();
    void CenterInParent();
    void ShowFirstPopup(TMessage& message);

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FDrawing = false;
    double FAspectRatio = 1.0;
    bool FScale = false;
    TMainMenu* FMenu = nullptr;
    bool FCenterOnForm = false;
    bool FDesignPosRecorded = false;
    TBoardHighlight* FFirst = nullptr;
    int FDesignLeft = 0;
    int FDesignTop = 0;
};
