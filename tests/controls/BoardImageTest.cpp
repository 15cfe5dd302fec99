#include "BoardImage.h"
#include "Application.h"
#include "Bitmap.h"
#include "Form.h"
#include "JpegFixture.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "TestSupport.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A board image that counts its paints.
class TCountingBoardImage : public TBoardImage {
public:
    using TBoardImage::TBoardImage;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TBoardImage::Paint();
    }
};

const std::vector<std::uint8_t>& PhotoLikeJpeg() {
    static const std::vector<std::uint8_t> jpeg = EncodeJpeg(600, 274, [](int x, int y) {
        return TRgb{std::uint8_t(x * 255 / 599), std::uint8_t(y * 255 / 273), 80};
    });
    return jpeg;
}

class BoardImageTest : public testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 889, 645);
        Image = new TCountingBoardImage(Form.get());
        Image->SetParent(Form.get());
    }

    // The values the main window's description gives its board image. The
    // description sets the bounds while loading, when auto-size waits; here
    // auto-size goes off first for the same outcome.
    void LoadAsDescribed() {
        Image->SetAutoSize(false);
        Image->SetBounds(166, 122, 600, 274);
        Image->Picture().LoadFromStoredData(StoredJpegData(PhotoLikeJpeg()));
        Image->SetStretch(true);
    }

    void PaintImage() {
        TBitmap shown;
        Image->PaintTo(shown);
    }

    std::unique_ptr<TForm> Form;
    TCountingBoardImage* Image = nullptr;
};

TEST_F(BoardImageTest, NewImageHasTheConstructorsValues) {
    TBoardImage image(nullptr);
    EXPECT_EQ(image.Width(), 105);
    EXPECT_EQ(image.Height(), 105);
    EXPECT_TRUE(image.AutoSize());
    EXPECT_TRUE(image.Scale());
    EXPECT_TRUE(image.CenterOnForm());
    EXPECT_FALSE(image.Stretch());
    EXPECT_FALSE(image.Center());
    EXPECT_FALSE(image.Transparent());
    EXPECT_FALSE(image.Drawing());
    EXPECT_FALSE(image.DesignPosRecorded());
    EXPECT_EQ(image.AspectRatio(), 1.0);
    EXPECT_EQ(image.First(), nullptr);
    EXPECT_EQ(image.Menu(), nullptr);
    EXPECT_EQ(image.Picture().Graphic(), nullptr);
}

TEST_F(BoardImageTest, LoadingThePictureKeepsTheSizeAndMarksTheImageOpaque) {
    LoadAsDescribed();
    EXPECT_EQ(Image->BoundsRect(), Bounds(166, 122, 600, 274));
    EXPECT_DOUBLE_EQ(Image->AspectRatio(), 274.0 / 600.0);
    EXPECT_TRUE(Image->Opaque());
    EXPECT_EQ(Image->PictureRect(), Rect(0, 0, 600, 274));
}

TEST_F(BoardImageTest, CentresOnTheParentsOuterSizeTruncatingTowardZero) {
    struct Case {
        int ParentWidth, ParentHeight, Left, Top;
    };
    const Case cases[] = {
        {889, 645, 144, 185}, // the normal-state main window
        {597, 271, -1, -1},   // 3 pixels narrower: -3 div 2 is -1, not -2
        {599, 273, 0, 0},     // 1 pixel narrower: -1 div 2 is 0
        {1000, 800, 200, 263},
    };
    LoadAsDescribed();
    for (const Case& c : cases) {
        Form->SetBounds(0, 0, c.ParentWidth, c.ParentHeight);
        PaintImage();
        EXPECT_EQ(Image->Left(), c.Left) << "parent width " << c.ParentWidth;
        EXPECT_EQ(Image->Top(), c.Top) << "parent height " << c.ParentHeight;
    }
}

TEST_F(BoardImageTest, CentringIgnoresTheMenuBarAndUsesTheOuterHeight) {
    auto* menu = new TMainMenu(Form.get());
    auto* file = new TMenuItem(Form.get());
    file->SetCaption("&File");
    menu->Items()->Add(file);
    Form->SetMenu(menu);
    Form->SetBounds(0, 0, 900, 700);
    ASSERT_LT(Form->ClientHeight(), Form->Height());
    LoadAsDescribed();
    PaintImage();
    EXPECT_EQ(Image->Left(), (900 - 600) / 2);
    EXPECT_EQ(Image->Top(), (700 - 274) / 2);
}

TEST_F(BoardImageTest, FirstPaintRecordsTheDescribedPositionOnce) {
    LoadAsDescribed();
    PaintImage();
    EXPECT_TRUE(Image->DesignPosRecorded());
    EXPECT_EQ(Image->DesignLeft(), 166);
    EXPECT_EQ(Image->DesignTop(), 122);
    for (int width : {1000, 700, 1200}) {
        Form->SetBounds(0, 0, width, 645);
        PaintImage();
    }
    EXPECT_EQ(Image->Left(), (1200 - 600) / 2);
    EXPECT_EQ(Image->DesignLeft(), 166);
    EXPECT_EQ(Image->DesignTop(), 122);
}

TEST_F(BoardImageTest, WithoutCenterOnFormTheImageStaysWhereTheDescriptionPutIt) {
    LoadAsDescribed();
    Image->SetCenterOnForm(false);
    PaintImage();
    EXPECT_EQ(Image->Left(), 166);
    EXPECT_EQ(Image->Top(), 122);
}

TEST_F(BoardImageTest, PictureRectFollowsStretchAndCenter) {
    struct Case {
        bool Stretch, Center;
        int Width, Height;
        TRect Expected;
    };
    const Case cases[] = {
        {true, false, 610, 284, Rect(0, 0, 610, 284)},
        {true, true, 610, 284, Rect(0, 0, 610, 284)},
        {false, false, 610, 284, Rect(0, 0, 600, 274)},
        {false, true, 601, 275, Bounds(0, 0, 600, 274)}, // 1 div 2 is 0
        {false, true, 599, 273, Bounds(0, 0, 600, 274)}, // -1 div 2 is 0: clipped
        {false, true, 610, 284, Bounds(5, 5, 600, 274)},
        {false, true, 596, 270, Bounds(-2, -2, 600, 274)}, // -4 div 2
    };
    LoadAsDescribed();
    for (const Case& c : cases) {
        Image->SetStretch(c.Stretch);
        Image->SetCenter(c.Center);
        Image->SetBounds(0, 0, c.Width, c.Height);
        EXPECT_EQ(Image->PictureRect(), c.Expected) << c.Width << " x " << c.Height;
    }
}

TEST_F(BoardImageTest, CenteredPictureIsDrawnAtItsOffsetAndClipped) {
    LoadAsDescribed();
    Image->SetCenterOnForm(false);
    Image->SetBounds(0, 0, 610, 284);
    Image->SetStretch(false);
    Image->SetCenter(true);
    TBitmap shown;
    Image->PaintTo(shown);
    TDecodedJpeg photo = DecodeJpeg(PhotoLikeJpeg());
    TRgb corner = photo.At(0, 0);
    EXPECT_EQ(shown.Pixel(5, 5), RGB(corner.R, corner.G, corner.B));
    TRgb last = photo.At(599, 273);
    EXPECT_EQ(shown.Pixel(604, 278), RGB(last.R, last.G, last.B));
    EXPECT_FALSE(Image->Opaque()); // the border around the picture shows the background
}

TEST_F(BoardImageTest, AutoSizeAnswersEveryResizeWithThePicturesSize) {
    struct Case {
        TAlign Align;
        bool WidthFollowsPicture, HeightFollowsPicture;
    };
    const Case cases[] = {
        {alNone, true, true},
        {alTop, false, true},
        {alLeft, true, false},
    };
    LoadAsDescribed();
    for (const Case& c : cases) {
        Image->SetAutoSize(true);
        Image->SetAlign(c.Align);
        Image->SetBounds(10, 10, 50, 60);
        if (c.WidthFollowsPicture)
            EXPECT_EQ(Image->Width(), 600) << "align " << c.Align;
        else
            EXPECT_EQ(Image->Width(), Form->ClientWidth()) << "align " << c.Align;
        if (c.HeightFollowsPicture)
            EXPECT_EQ(Image->Height(), 274) << "align " << c.Align;
        else
            EXPECT_EQ(Image->Height(), Form->ClientHeight()) << "align " << c.Align;
        Image->SetAlign(alNone);
    }
}

TEST_F(BoardImageTest, EmptyPictureProposesNoSizeAtRunTime) {
    Image->SetBounds(0, 0, 50, 60);
    EXPECT_EQ(Image->Width(), 0);
    EXPECT_EQ(Image->Height(), 0);
}

TEST_F(BoardImageTest, SettersRepaintOnlyWhenTheValueChanges) {
    LoadAsDescribed();
    ShowAndWait(Form.get());
    Image->Paints = 0;
    Image->SetStretch(true);
    Image->SetCenter(false);
    Image->SetScale(true);
    Image->SetTransparent(false);
    Application->ProcessMessages();
    EXPECT_EQ(Image->Paints, 0);
    Image->SetCenter(true);
    Application->ProcessMessages();
    EXPECT_EQ(Image->Paints, 1);
}

TEST_F(BoardImageTest, TransparencyReachesTheGraphicAndClearsTheOpaqueMark) {
    LoadAsDescribed();
    Image->SetTransparent(true);
    EXPECT_TRUE(Image->Picture().Graphic()->Transparent());
    EXPECT_FALSE(Image->Opaque());
    Image->SetTransparent(false);
    EXPECT_TRUE(Image->Opaque());
}

TEST_F(BoardImageTest, SettingThePictureCopiesIt) {
    TPicture own;
    own.LoadFromStoredData(StoredJpegData(PhotoLikeJpeg()));
    Image->SetPicture(own);
    ASSERT_NE(Image->Picture().Graphic(), nullptr);
    EXPECT_NE(Image->Picture().Graphic(), own.Graphic());
    own.SetGraphic(nullptr);
    EXPECT_EQ(Image->Picture().Width(), 600);
}

TEST_F(BoardImageTest, DraggingWithTheMouseNeverMovesTheImage) {
    LoadAsDescribed();
    Form->SetBounds(0, 0, 700, 500);
    ShowAndWait(Form.get());
    int downs = 0;
    Image->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    TPoint before{Image->Left(), Image->Top()};
    QWidget* widget = WidgetAt(Image, {10, 10});
    ASSERT_NE(widget, nullptr);
    TPoint press = PointIn(widget, Image, {10, 10});
    TPoint drag = PointIn(widget, Image, {60, 40});
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(press.X, press.Y));
    QTest::mouseMove(widget, QPoint(drag.X, drag.Y));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(drag.X, drag.Y));
    Application->ProcessMessages();
    EXPECT_EQ(downs, 1);
    EXPECT_EQ((TPoint{Image->Left(), Image->Top()}), before);
}

} // namespace
