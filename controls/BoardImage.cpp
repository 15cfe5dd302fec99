#include "BoardImage.h"

#include "BoardHighlight.h"
#include "MainMenu.h"
#include "PropertyTable.h"

void TBoardImage::DefineProperties(TPropertyTable& table) {
    // The panel's colour, font and caption are not for descriptions to set.
    TControl::DefineProperties(table);
    table.Reference("First", &TBoardImage::SetFirst);
    table.Reference("Menu", &TBoardImage::SetMenu);
    table.Boolean<TBoardImage>("CenterOnForm", &TBoardImage::SetCenterOnForm);
    table.Boolean<TBoardImage>("Scale", &TBoardImage::SetScale);
    table.Boolean<TBoardImage>("AutoSize", &TBoardImage::SetAutoSize);
    table.Boolean<TBoardImage>("Center", &TBoardImage::SetCenter);
    table.Data<TBoardImage>("Picture.Data", [](TBoardImage& image, const auto& data) {
        image.Picture().LoadFromStoredData(data);
    });
    table.Boolean<TBoardImage>("Stretch", &TBoardImage::SetStretch);
    table.Boolean<TBoardImage>("Transparent", &TBoardImage::SetTransparent);
}

TBoardImage::TBoardImage(TComponent* owner)
    : TCustomPanel(owner)
    , FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this] { ApplyPicture(); };
    SetHeight(105);
    SetWidth(105);
    FAspectRatio = 1.0;
    SetAutoSize(true);
    FScale = true;
    FMenu = nullptr;
    FCenterOnForm = true;
    FDesignPosRecorded = false;
    SetStretch(false);
}

TBoardImage::~TBoardImage() {
    FPicture->OnChange = nullptr;
}

void TBoardImage::SetStretch(bool stretch) {
    if (stretch == FStretch)
        return;
    FStretch = stretch;
    ApplyPicture();
}

void TBoardImage::SetCenter(bool center) {
    if (center == FCenter)
        return;
    FCenter = center;
    ApplyPicture();
}

void TBoardImage::SetTransparent(bool transparent) {
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    ApplyPicture();
}

void TBoardImage::SetScale(bool scale) {
    if (scale == FScale)
        return;
    FScale = scale;
    ApplyPicture();
}

TRect TBoardImage::PictureRect() const {
    int pictureWidth = FPicture->Width();
    int pictureHeight = FPicture->Height();
    if (FStretch)
        return ClientRect();
    if (FCenter)
        return Bounds((Width() - pictureWidth) / 2, (Height() - pictureHeight) / 2, pictureWidth,
                      pictureHeight);
    return {0, 0, pictureWidth, pictureHeight};
}

void TBoardImage::Paint() {
    if (!FDesignPosRecorded) {
        FDesignLeft = Left();
        FDesignTop = Top();
        FDesignPosRecorded = true;
    }
    // There is no form designer: the designer's aspect scaling and dashed frame never apply.
    if (FCenterOnForm)
        CenterInParent();
    bool wasDrawing = FDrawing;
    FDrawing = true;
    try {
        if (TGraphic* graphic = FPicture->Graphic())
            Canvas().StretchDraw(PictureRect(), *graphic);
    } catch (...) {
        FDrawing = wasDrawing;
        throw;
    }
    FDrawing = wasDrawing;
}

// Centres on the parent's outer size (frame, caption and menu bar included),
// halving with truncation toward zero.
void TBoardImage::CenterInParent() {
    if (!Parent())
        return;
    SetLeft((Parent()->Width() - Width()) / 2);
    SetTop((Parent()->Height() - Height()) / 2);
}

bool TBoardImage::CanAutoSize(int& newWidth, int& newHeight) {
    // Without a designer the empty-picture exception never applies: an empty
    // picture proposes 0 x 0.
    if (Align() == alNone || Align() == alLeft || Align() == alRight)
        newWidth = FPicture->Width();
    if (Align() == alNone || Align() == alTop || Align() == alBottom)
        newHeight = FPicture->Height();
    return true;
}

void TBoardImage::ApplyPicture() {
    int pictureWidth = FPicture->Width();
    int pictureHeight = FPicture->Height();
    // Both sizes are positive here, so the division cannot fail.
    if (pictureWidth > 0 && pictureHeight > 0)
        FAspectRatio = double(static_cast<long double>(pictureHeight) / pictureWidth);
    if (AutoSize() && pictureWidth > 0 && pictureHeight > 0)
        SetBounds(Left(), Top(), pictureWidth, pictureHeight);
    if (TGraphic* graphic = FPicture->Graphic()) {
        graphic->SetTransparent(FTransparent);
        SetOpaque(!graphic->Transparent() &&
                  (FStretch || (graphic->Width() >= Width() && graphic->Height() >= Height())));
        if (RealizePicturePalette() && FDrawing)
            Update();
    } else {
        SetOpaque(false);
    }
    if (!FDrawing)
        Invalidate();
}

bool TBoardImage::RealizePicturePalette() {
    TGraphic* graphic = FPicture->Graphic();
    if (!Visible() || Loading() || !graphic || !graphic->PaletteModified())
        return false;
    // This platform has no palettes: a graphic never has one to realise.
    graphic->SetPaletteModified(false);
    return false;
}

void TBoardImage::WndProc(TMessage& message) {
    if (message.Msg == WM_SHOWFIRSTPOPUP) {
        ShowFirstPopup(message);
        return;
    }
    TCustomPanel::WndProc(message);
}

// Opens and pins the first highlight's popup as if the user had moved onto the
// circle, clicked it and moved off again.
void TBoardImage::ShowFirstPopup(TMessage& message) {
    if (!FFirst)
        return;
    FFirst->MouseEnter(message);
    FFirst->Click();
    FFirst->MouseLeave(message);
}
