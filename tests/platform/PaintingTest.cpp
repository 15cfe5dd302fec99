#include "Application.h"
#include "Bitmap.h"
#include "Canvas.h"
#include "Colors.h"
#include "Form.h"
#include "GraphicControl.h"
#include "TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// A windowed control that paints a navy stripe along its top over its colour.
class THost : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clNavy);
        Canvas().FillRect({0, 0, Width(), 4});
    }
};

// Fills its rectangle with its colour, reaching Spill pixels beyond it on
// every side, and marks its own corners in black.
class TBlock : public TGraphicControl {
public:
    TBlock(TWinControl* parent, const TRect& bounds, TColor color, int spill = 0)
        : TGraphicControl(parent)
        , Spill(spill) {
        SetParent(parent);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetColor(color);
    }
    int Spill;
    TRect SeenClip;

protected:
    void Paint() override {
        SeenClip = Canvas().ClipRect();
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect({-Spill, -Spill, Width() + Spill, Height() + Spill});
        Canvas().SetPixel(0, 0, clBlack);
        Canvas().SetPixel(Width() - 1, Height() - 1, clBlack);
    }
};

// Copies what lies beneath it from its own canvas, as a highlight does, then
// shows it inverted.
class TProbe : public TGraphicControl {
public:
    TProbe(TWinControl* parent, const TRect& bounds)
        : TGraphicControl(parent) {
        SetParent(parent);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
    TBitmap Seen;

protected:
    void Paint() override {
        Seen.SetSize(Width(), Height());
        Seen.Canvas().CopyRect(ClientRect(), Canvas(), ClientRect());
        TRect clip = Canvas().ClipRect();
        for (int y = clip.Top; y < clip.Bottom; ++y)
            for (int x = clip.Left; x < clip.Right; ++x)
                Canvas().SetPixel(x, y, Canvas().Pixel(x, y) ^ 0xFFFFFF);
    }
};

class PaintingTest : public testing::Test {
protected:
    void SetUp() override {
        Host = std::make_unique<THost>(nullptr);
        Host->SetBounds(0, 0, 100, 60);
        Host->SetColor(clYellow);
    }

    std::unique_ptr<TBitmap> Painted() {
        auto bitmap = std::make_unique<TBitmap>();
        Host->PaintTo(*bitmap);
        return bitmap;
    }

    std::unique_ptr<THost> Host;
};

TEST_F(PaintingTest, ParentPaintsFirstThenGraphicChildrenInControlOrder) {
    auto* red = new TBlock(Host.get(), Bounds(10, 2, 30, 20), clRed);
    new TBlock(Host.get(), Bounds(35, 10, 30, 30), clLime);
    auto shown = Painted();
    ASSERT_EQ(shown->Width(), 100);
    ASSERT_EQ(shown->Height(), 60);
    EXPECT_EQ(shown->Pixel(0, 0), clNavy);
    EXPECT_EQ(shown->Pixel(99, 59), clYellow);
    EXPECT_EQ(shown->Pixel(5, 3), clNavy);
    EXPECT_EQ(shown->Pixel(12, 3), clRed);   // the child covers its parent's stripe
    EXPECT_EQ(shown->Pixel(37, 15), clLime); // the later sibling on top
    red->BringToFront();
    EXPECT_EQ(Painted()->Pixel(37, 15), clRed);
    red->Hide();
    EXPECT_EQ(Painted()->Pixel(12, 3), clNavy);
}

TEST_F(PaintingTest, ChildCanvasStartsAtItsCornerAndIsClippedToItsRectangle) {
    auto* block = new TBlock(Host.get(), Bounds(20, 20, 10, 10), clBlue, 5);
    auto shown = Painted();
    EXPECT_EQ(block->SeenClip, Rect(0, 0, 10, 10));
    EXPECT_EQ(shown->Pixel(20, 20), clBlack);
    EXPECT_EQ(shown->Pixel(29, 29), clBlack);
    EXPECT_EQ(shown->Pixel(21, 20), clBlue);
    EXPECT_EQ(shown->Pixel(28, 29), clBlue);
    for (TPoint outside : {TPoint{19, 19}, TPoint{19, 25}, TPoint{25, 19}, TPoint{30, 25},
                           TPoint{25, 30}, TPoint{30, 30}, TPoint{15, 15}})
        EXPECT_EQ(shown->Pixel(outside.X, outside.Y), clYellow) << outside.X << ", " << outside.Y;
}

TEST_F(PaintingTest, ChildReadsWhatParentAndEarlierSiblingsDrewBeneathIt) {
    new TBlock(Host.get(), Bounds(10, 0, 30, 30), clRed);
    auto* probe = new TProbe(Host.get(), Bounds(30, 2, 20, 20));
    auto* later = new TBlock(Host.get(), Bounds(35, 10, 30, 30), clLime);

    // What lies beneath the probe: the same picture without it and without
    // the sibling painted after it.
    probe->Hide();
    later->Hide();
    auto beneath = Painted();
    probe->Show();
    later->Show();
    auto shown = Painted();

    ASSERT_EQ(probe->Seen.Width(), 20);
    EXPECT_EQ(probe->Seen.Pixel(0, 0), clRed);
    EXPECT_EQ(probe->Seen.Pixel(15, 0), clNavy);
    EXPECT_EQ(probe->Seen.Pixel(15, 15), clYellow); // the later lime block is not there yet
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(probe->Seen.Pixel(x, y), beneath->Pixel(30 + x, 2 + y)) << x << ", " << y;
    EXPECT_EQ(shown->Pixel(30, 2), clRed ^ 0xFFFFFF);
    EXPECT_EQ(shown->Pixel(45, 17), clLime); // painted over the probe afterwards
}

TEST_F(PaintingTest, PartialRepaintOnScreenMatchesAWholePaint) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    Host->SetParent(&form);
    new TBlock(Host.get(), Bounds(10, 0, 30, 30), clRed);
    new TProbe(Host.get(), Bounds(30, 2, 20, 20));
    new TBlock(Host.get(), Bounds(35, 10, 30, 30), clLime);
    ShowAndWait(&form);
    auto whole = Painted();
    QWidget* widget = WidgetAt(Host.get(), {1, 1});
    ASSERT_NE(widget, nullptr);
    ASSERT_EQ(widget->size(), QSize(100, 60));

    // Each grab repaints only its rectangle, as a hover repaint does.
    for (QRect area : {QRect(35, 8, 20, 20), QRect(28, 0, 6, 6), QRect(0, 0, 100, 60)}) {
        QImage image = widget->grab(area).toImage();
        ASSERT_EQ(image.size(), area.size());
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) {
                QRgb p = image.pixel(x, y);
                ASSERT_EQ(RGB(qRed(p), qGreen(p), qBlue(p)),
                          whole->Pixel(area.x() + x, area.y() + y))
                    << "area at " << area.x() << ", " << area.y() << " pixel " << x << ", " << y;
            }
    }
}

// Drawing on a bitmap of 10 x 8 pixels, white at first; each case shows the
// result as rows of '.' white, 'R' red, 'B' blue.
struct DrawCase {
    const char* What;
    std::function<void(TCanvas&)> Draw;
    std::vector<const char*> Rows;
};

TColor GridColor(char c) {
    switch (c) {
    case 'R':
        return clRed;
    case 'B':
        return clBlue;
    default:
        return clWhite;
    }
}

TEST(CanvasTest, ShapesCoverExactlyTheirPixels) {
    auto rectangle = [](TPenStyle pen, TBrushStyle brush, TRect r) {
        return [=](TCanvas& canvas) {
            canvas.Pen().SetStyle(pen);
            canvas.Brush().SetStyle(brush);
            canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        };
    };
    const DrawCase cases[] = {
        {"outlined and filled rectangle",
         rectangle(psSolid, bsSolid, Rect(2, 1, 7, 6)),
         {"..........", "..RRRRR...", "..RBBBR...", "..RBBBR...", "..RBBBR...", "..RRRRR...",
          "..........", ".........."}},
        {"outline only",
         rectangle(psSolid, bsClear, Rect(2, 1, 7, 6)),
         {"..........", "..RRRRR...", "..R...R...", "..R...R...", "..R...R...", "..RRRRR...",
          "..........", ".........."}},
        {"fill without outline leaves the right and bottom edge",
         rectangle(psClear, bsSolid, Rect(2, 1, 7, 6)),
         {"..........", "..BBBB....", "..BBBB....", "..BBBB....", "..BBBB....", "..........",
          "..........", ".........."}},
        {"rectangle over the corner",
         rectangle(psSolid, bsSolid, Rect(-2, -2, 3, 3)),
         {"BBR.......", "BBR.......", "RRR.......", "..........", "..........", "..........",
          "..........", ".........."}},
        {"round rectangle: quarter ellipses in the corners, symmetric",
         [](TCanvas& canvas) { canvas.RoundRect(Rect(0, 0, 10, 8), 8, 8); },
         {"..RRRRRR..", ".RBBBBBBR.", "RBBBBBBBBR", "RBBBBBBBBR", "RBBBBBBBBR", "RBBBBBBBBR",
          ".RBBBBBBR.", "..RRRRRR.."}},
        {"ellipse touches the middle of each side of its box",
         [](TCanvas& canvas) { canvas.Ellipse(Rect(1, 1, 7, 7)); },
         {"..........", "..RRRR....", ".RBBBBR...", ".RBBBBR...", ".RBBBBR...", ".RBBBBR...",
          "..RRRR....", ".........."}},
        {"ellipse without outline still covers its whole box",
         [](TCanvas& canvas) {
             canvas.Pen().SetStyle(psClear);
             canvas.Ellipse(Rect(1, 1, 7, 7));
         },
         {"..........", "..BBBB....", ".BBBBBB...", ".BBBBBB...", ".BBBBBB...", ".BBBBBB...",
          "..BBBB....", ".........."}},
        {"ellipse over the corner",
         [](TCanvas& canvas) { canvas.Ellipse(Rect(-3, -3, 3, 3)); },
         {"BBR.......", "BBR.......", "RR........", "..........", "..........", "..........",
          "..........", ".........."}},
        {"fill rectangle",
         [](TCanvas& canvas) { canvas.FillRect(Rect(1, 1, 4, 3)); },
         {"..........", ".BBB......", ".BBB......", "..........", "..........", "..........",
          "..........", ".........."}},
        {"clear brush fills nothing",
         [](TCanvas& canvas) {
             canvas.Brush().SetStyle(bsClear);
             canvas.FillRect(Rect(1, 1, 4, 3));
         },
         {"..........", "..........", "..........", "..........", "..........", "..........",
          "..........", ".........."}},
        {"pixels, and none outside",
         [](TCanvas& canvas) {
             canvas.SetPixel(0, 0, clRed);
             canvas.SetPixel(9, 7, clBlue);
             canvas.SetPixel(10, 0, clRed);
             canvas.SetPixel(-1, 3, clRed);
             canvas.SetPixel(3, 8, clRed);
         },
         {"R.........", "..........", "..........", "..........", "..........", "..........",
          "..........", ".........B"}},
    };
    for (const DrawCase& c : cases) {
        TBitmap bitmap;
        bitmap.SetSize(10, 8);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Pen().SetColor(clRed);
        canvas.Brush().SetColor(clBlue);
        c.Draw(canvas);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                EXPECT_EQ(bitmap.Pixel(x, y), GridColor(c.Rows[y][x]))
                    << c.What << " at " << x << ", " << y;
    }
}

TEST(CanvasTest, PixelsAreBlueGreenRedUnusedInMemory) {
    TBitmap bitmap;
    bitmap.SetSize(6, 4);
    bitmap.Canvas().SetPixel(3, 2, RGB(0x12, 0x34, 0x56));
    const std::uint8_t* p = bitmap.ScanLine(2) + 4 * 3;
    EXPECT_EQ(p[0], 0x56);
    EXPECT_EQ(p[1], 0x34);
    EXPECT_EQ(p[2], 0x12);
    EXPECT_EQ(bitmap.Pixel(3, 2), 0x563412u);
    EXPECT_EQ(bitmap.Canvas().Pixel(3, 2), 0x563412u);

    std::uint8_t* q = bitmap.ScanLine(3) + 4 * 5;
    q[0] = 0xAB; // blue
    q[1] = 0xCD; // green
    q[2] = 0xEF; // red
    EXPECT_EQ(bitmap.Pixel(5, 3), RGB(0xEF, 0xCD, 0xAB));
    EXPECT_EQ(bitmap.Canvas().Pixel(6, 0), clNone);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, -1), clNone);
}

void FillWithPattern(TBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.Canvas().SetPixel(x, y, RGB(std::uint8_t(x * 13), std::uint8_t(y * 17), 99));
}

TEST(CanvasTest, CopyRectOfEqualSizeCopiesEveryPixelExactly) {
    TBitmap source;
    FillWithPattern(source, 16, 16);
    TBitmap target;
    target.SetSize(20, 20);
    target.Canvas().CopyRect(Bounds(3, 4, 8, 9), source.Canvas(), Bounds(5, 6, 8, 9));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            bool inside = Bounds(3, 4, 8, 9).Contains({x, y});
            TColor expected = inside ? source.Pixel(x - 3 + 5, y - 4 + 6) : clWhite;
            ASSERT_EQ(target.Pixel(x, y), expected) << x << ", " << y;
        }
}

TEST(CanvasTest, CopyRectWithinOneBitmapCopiesTheOriginalPixels) {
    struct Case {
        TRect From, To;
    };
    const Case cases[] = {
        {Bounds(2, 2, 8, 8), Bounds(4, 5, 8, 8)}, // down and right
        {Bounds(4, 5, 8, 8), Bounds(2, 2, 8, 8)}, // up and left
        {Bounds(2, 2, 8, 8), Bounds(5, 2, 8, 8)}, // along the row
    };
    for (const Case& c : cases) {
        TBitmap original, bitmap;
        FillWithPattern(original, 16, 16);
        FillWithPattern(bitmap, 16, 16);
        bitmap.Canvas().CopyRect(c.To, bitmap.Canvas(), c.From);
        for (int y = 0; y < c.To.Height(); ++y)
            for (int x = 0; x < c.To.Width(); ++x)
                ASSERT_EQ(bitmap.Pixel(c.To.Left + x, c.To.Top + y),
                          original.Pixel(c.From.Left + x, c.From.Top + y))
                    << "to " << c.To.Left << ", " << c.To.Top << " pixel " << x << ", " << y;
    }
}

TEST(CanvasTest, BitmapCanvasReachesTheWholeBitmapAfterAResize) {
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas().SetPixel(0, 0, clRed);
    bitmap.SetSize(12, 10);
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().FillRect(Rect(0, 0, 12, 10));
    EXPECT_EQ(bitmap.Pixel(11, 9), clBlue);
    EXPECT_EQ(bitmap.Canvas().ClipRect(), Rect(0, 0, 12, 10));
}

TEST(CanvasTest, SystemColoursResolveToThePalette) {
    QColor button = QApplication::palette().color(QPalette::Active, QPalette::Button);
    TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(face & 0xFF000000u, 0u);
    EXPECT_EQ(face, RGB(button.red(), button.green(), button.blue()));
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);

    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    bitmap.Canvas().Brush().SetColor(clBtnFace);
    bitmap.Canvas().FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(bitmap.Pixel(1, 1), face);
}

} // namespace
