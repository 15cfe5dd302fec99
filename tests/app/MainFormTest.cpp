#include "Application.h"
#include "Bitmap.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "JpegFixture.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "Screen.h"
#include "TestSupport.h"
#include "template.h"

#include <QApplication>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class MainFormTest : public testing::Test {
protected:
    void SetUp() override { Application->CreateForm(MainForm); }
    void TearDown() override {
        delete MainForm;
        MainForm = nullptr;
    }
};

TEST_F(MainFormTest, DescriptionGivesTheWindowItsStoredValues) {
    EXPECT_EQ(MainForm->Name(), "MainForm");
    EXPECT_EQ(MainForm->Caption(), "Setup");
    EXPECT_EQ(MainForm->WindowState(), wsMaximized);
    EXPECT_EQ(MainForm->Align(), alClient);
    EXPECT_EQ(MainForm->Color(), clWhite);
    EXPECT_EQ(MainForm->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(MainForm->Font().Height(), -11);
    EXPECT_EQ(MainForm->Font().Color(), clWindowText);
    EXPECT_EQ(MainForm->Font().Style(), 0u);
    EXPECT_EQ(MainForm->PixelsPerInch(), 96);
    EXPECT_EQ(MainForm->TextHeight(), 13);
    EXPECT_EQ(MainForm->Menu(), MainForm->MainMenu1);
    EXPECT_EQ(Application->MainForm(), MainForm);
    EXPECT_FALSE(MainForm->Visible()); // shown by Run, not by creation
}

TEST_F(MainFormTest, BoardImageHasItsStoredValues) {
    TBoardImage* image = MainForm->BoardImage1;
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Parent(), MainForm);
    EXPECT_EQ(image->BoundsRect(), Bounds(166, 122, 600, 274));
    EXPECT_EQ(image->Menu(), MainForm->MainMenu1);
    EXPECT_FALSE(image->AutoSize());
    EXPECT_TRUE(image->Stretch());
    EXPECT_TRUE(image->CenterOnForm());
    EXPECT_TRUE(image->Scale());
    EXPECT_FALSE(image->Center());
    EXPECT_FALSE(image->Transparent());
    EXPECT_TRUE(image->Opaque());
    EXPECT_DOUBLE_EQ(image->AspectRatio(), 274.0 / 600.0);
    ASSERT_NE(image->Picture().Graphic(), nullptr);
    EXPECT_EQ(image->Picture().Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(image->Picture().Width(), 600);
    EXPECT_EQ(image->Picture().Height(), 274);
}

TEST_F(MainFormTest, MenuHasFileAndHelpWithTheirItems) {
    TMenuItem* items = MainForm->MainMenu1->Items();
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Items(0), MainForm->File1);
    EXPECT_EQ(items->Items(1), MainForm->Help1);
    EXPECT_EQ(MainForm->File1->Caption(), "&File");
    ASSERT_EQ(MainForm->File1->Count(), 1);
    EXPECT_EQ(MainForm->File1->Items(0), MainForm->Exit2);
    EXPECT_EQ(MainForm->Exit2->Caption(), "&Exit");
    EXPECT_EQ(MainForm->Help1->Caption(), "&Help");
    ASSERT_EQ(MainForm->Help1->Count(), 2);
    EXPECT_EQ(MainForm->Help1->Items(0), MainForm->Howtousethisprogram1);
    EXPECT_EQ(MainForm->Howtousethisprogram1->Caption(), "H&ow to use this program");
    EXPECT_EQ(MainForm->Help1->Items(1), MainForm->TechnicalSupport1);
    EXPECT_EQ(MainForm->TechnicalSupport1->Caption(), "&Technical Support");
}

TEST_F(MainFormTest, StartsMaximisedWithTheBoardCentredOnTheOuterSize) {
    ShowAndWait(MainForm);
    QWidget* window = WindowOf(MainForm);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->windowTitle(), "Setup");
    TRect workArea = Screen->WorkAreaRect();
    EXPECT_EQ(MainForm->Width(), workArea.Width());
    EXPECT_EQ(MainForm->Height(), workArea.Height());
    EXPECT_LT(MainForm->ClientHeight(), MainForm->Height()); // menu bar and frame

    TBoardImage* image = MainForm->BoardImage1;
    EXPECT_EQ(image->DesignLeft(), 166);
    EXPECT_EQ(image->DesignTop(), 122);
    EXPECT_EQ(image->Left(), (MainForm->Width() - 600) / 2);
    EXPECT_EQ(image->Top(), (MainForm->Height() - 274) / 2);
    EXPECT_EQ(image->Width(), 600);
    EXPECT_EQ(image->Height(), 274);
}

// What the board should show at a pixel: a highlight's idle look where a
// circle lies, the photograph as libjpeg decodes it elsewhere.
TColor ExpectedBoardPixel(const TDecodedJpeg& photo, int x, int y) {
    TBoardImage* image = MainForm->BoardImage1;
    for (int i = image->ControlCount() - 1; i >= 0; --i) {
        auto* highlight = static_cast<TBoardHighlight*>(image->Controls(i));
        if (highlight->BoundsRect().Contains({x, y}))
            return highlight->IdleImage().Pixel(x - highlight->Left(), y - highlight->Top());
    }
    TRgb rgb = photo.At(x, y);
    return RGB(rgb.R, rgb.G, rgb.B);
}

TEST_F(MainFormTest, ScreenShowsThePhotographAsLibjpegDecodesIt) {
    ShowAndWait(MainForm);
    QWidget* window = WindowOf(MainForm);
    ASSERT_NE(window, nullptr);
    QImage shown = window->grab().toImage();
    TPoint origin = MainForm->BoardImage1->ClientToScreen({0, 0});
    QPoint inWindow = window->mapFromGlobal(QPoint(origin.X, origin.Y));
    TDecodedJpeg photo = DecodeJpeg(ReadFileBytes(BOARD_PHOTO_PATH));
    ASSERT_EQ(photo.Width, 600);
    ASSERT_EQ(photo.Height, 274);
    int mismatches = 0;
    int photoPixels = 0;
    for (int y = 0; y < photo.Height; ++y)
        for (int x = 0; x < photo.Width; ++x) {
            QRgb pixel = shown.pixel(inWindow.x() + x, inWindow.y() + y);
            TColor expected = ExpectedBoardPixel(photo, x, y);
            TRgb fromPhoto = photo.At(x, y);
            photoPixels += expected == RGB(fromPhoto.R, fromPhoto.G, fromPhoto.B);
            if (RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)) != expected)
                ++mismatches;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(photoPixels, 600 * 274 * 9 / 10); // most of it is the bare photograph
    // Around the photograph the window is white.
    QRgb outside = shown.pixel(inWindow.x() - 1, inWindow.y() - 1);
    EXPECT_EQ(qRgb(qRed(outside), qGreen(outside), qBlue(outside)), qRgb(255, 255, 255));
}

TEST_F(MainFormTest, MenuBarShowsTheStoredMenusAndTheSettingsOfTheCircles) {
    ShowAndWait(MainForm);
    auto* bar = WindowOf(MainForm)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList captions;
    for (QAction* action : bar->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"&File", "&Settings", "&Help"}));
    ASSERT_NE(bar->actions()[0]->menu(), nullptr);
    EXPECT_EQ(bar->actions()[0]->menu()->actions()[0]->text(), "&Exit");
}

TEST_F(MainFormTest, ExitEndsTheApplication) {
    ShowAndWait(MainForm);
    auto* bar = WindowOf(MainForm)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    bar->actions()[0]->menu()->actions()[0]->trigger();
    EXPECT_TRUE(Application->Terminated());
}

} // namespace
