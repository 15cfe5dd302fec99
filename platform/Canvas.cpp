#include "Canvas.h"

#include "Bitmap.h"
#include "Colors.h"
#include "qt/BitmapAccess.h"
#include "qt/ColorMap.h"
#include "qt/FontMap.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

Qt::PenStyle ToQtPenStyle(TPenStyle style) {
    switch (style) {
    case psSolid:
        return Qt::SolidLine;
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

std::uint32_t ToPixel(TColor color) {
    TColor rgb = ColorToRGB(color);
    return 0xFF000000u | (std::uint32_t(GetRValue(rgb)) << 16) |
           (std::uint32_t(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

} // namespace

TCanvas::TCanvas(TBitmap* target) {
    SetTarget(target);
}

void TCanvas::SetTarget(TBitmap* target, TPoint origin, const TRect& clip) {
    FTarget = target;
    FOrigin = origin;
    FClip = target ? clip.Intersect({0, 0, target->Width(), target->Height()}) : TRect{};
}

void TCanvas::SetTarget(TBitmap* target) {
    SetTarget(target, {}, target ? TRect{0, 0, target->Width(), target->Height()} : TRect{});
}

template <class Paint>
void TCanvas::WithPainter(Paint paint) {
    if (!FTarget || FClip.IsEmpty())
        return;
    QPainter painter(&TBitmapAccess::Image(*FTarget));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(QRect(FClip.Left, FClip.Top, FClip.Width(), FClip.Height()));
    painter.translate(FOrigin.X, FOrigin.Y);
    paint(painter);
}

void TCanvas::FillTargetRect(const TRect& targetRect, TColor color) {
    TRect r = targetRect.Intersect(FClip);
    if (r.IsEmpty())
        return;
    std::uint32_t pixel = ToPixel(color);
    // Rows are reached by stepping from the first: ScanLine checks the bitmap
    // is not shared on every call.
    std::uint8_t* row = FTarget->ScanLine(r.Top);
    for (int y = r.Top; y < r.Bottom; ++y, row += FTarget->BytesPerLine()) {
        auto* pixels = reinterpret_cast<std::uint32_t*>(row);
        std::fill(pixels + r.Left, pixels + r.Right, pixel);
    }
}

void TCanvas::FillRect(const TRect& rect) {
    if (FTarget && FBrush.Style() != bsClear)
        FillTargetRect(rect.Offset(FOrigin.X, FOrigin.Y), FBrush.Color());
}

void TCanvas::Rectangle(const TRect& rect) {
    if (!FTarget)
        return;
    TRect r = rect.Offset(FOrigin.X, FOrigin.Y);
    bool outlined = FPen.Style() != psClear;
    if (FBrush.Style() != bsClear) {
        // Without an outline the fill leaves the right and bottom edge out,
        // as the classic rectangle does.
        TRect inner = outlined ? TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}
                               : TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
        FillTargetRect(inner, FBrush.Color());
    }
    if (!outlined)
        return;
    if (FPen.Style() == psSolid) {
        FillTargetRect({r.Left, r.Top, r.Right, r.Top + 1}, FPen.Color());
        FillTargetRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, FPen.Color());
        FillTargetRect({r.Left, r.Top, r.Left + 1, r.Bottom}, FPen.Color());
        FillTargetRect({r.Right - 1, r.Top, r.Right, r.Bottom}, FPen.Color());
        return;
    }
    WithPainter([&](QPainter& p) {
        p.setPen(QPen(ToQColor(FPen.Color()), 0, ToQtPenStyle(FPen.Style())));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
    });
}

void TCanvas::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) {
    DrawRoundShape(rect, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(const TRect& rect) {
    DrawRoundShape(rect, rect.Width(), rect.Height());
}

namespace {

// Whether the centre of a pixel lies inside a box with corners rounded by an
// ellipse of cornerWidth x cornerHeight. Offsets are counted in half pixels so
// that the test is exact in integers and the shape is mirror-symmetric.
bool InsideRoundShape(const TRect& box, int cornerWidth, int cornerHeight, int x, int y) {
    if (cornerWidth == 0 || cornerHeight == 0)
        return true;
    auto outsideStraightPart = [](int twiceCentre, int low, int high, int corner) {
        return std::max({0, 2 * low + corner - twiceCentre, twiceCentre - (2 * high - corner)});
    };
    std::int64_t dx = outsideStraightPart(2 * x + 1, box.Left, box.Right, cornerWidth);
    std::int64_t dy = outsideStraightPart(2 * y + 1, box.Top, box.Bottom, cornerHeight);
    std::int64_t w2 = std::int64_t(cornerWidth) * cornerWidth;
    std::int64_t h2 = std::int64_t(cornerHeight) * cornerHeight;
    return dx * dx * h2 + dy * dy * w2 <= w2 * h2;
}

// The pixels of one row that a round shape covers, left included, right excluded.
struct TSpan {
    int Left = 0;
    int Right = 0;
};

TSpan RoundShapeRow(const TRect& box, int cornerWidth, int cornerHeight, int y) {
    if (y < box.Top || y >= box.Bottom)
        return {};
    int middle = box.Left + (box.Width() + 1) / 2;
    int left = box.Left;
    while (left < middle && !InsideRoundShape(box, cornerWidth, cornerHeight, left, y))
        ++left;
    // The shape is symmetric, so the right end mirrors the left one.
    return {left, box.Left + box.Right - left};
}

} // namespace

void TCanvas::DrawRoundShape(const TRect& rect, int cornerWidth, int cornerHeight) {
    if (!FTarget || rect.IsEmpty())
        return;
    TRect box = rect.Offset(FOrigin.X, FOrigin.Y);
    cornerWidth = std::clamp(cornerWidth, 0, box.Width());
    cornerHeight = std::clamp(cornerHeight, 0, box.Height());
    bool outlined = FPen.Style() != psClear;
    bool filled = FBrush.Style() != bsClear;
    // Without an outline the fill reaches the outermost pixels, so that a
    // round shape covers exactly its box either way.
    TColor rim = outlined ? FPen.Color() : FBrush.Color();
    bool rimDrawn = outlined || filled;
    TSpan above{};
    TSpan row = RoundShapeRow(box, cornerWidth, cornerHeight, box.Top);
    for (int y = box.Top; y < box.Bottom; ++y) {
        TSpan below = RoundShapeRow(box, cornerWidth, cornerHeight, y + 1);
        // A pixel is on the outline when one of its four neighbours is outside.
        int innerLeft = std::max({row.Left + 1, above.Left, below.Left});
        int innerRight = std::min({row.Right - 1, above.Right, below.Right});
        if (innerLeft >= innerRight) {
            innerLeft = row.Right;
            innerRight = row.Right;
        }
        if (rimDrawn) {
            FillTargetRect({row.Left, y, innerLeft, y + 1}, rim);
            FillTargetRect({innerRight, y, row.Right, y + 1}, rim);
        }
        if (filled)
            FillTargetRect({innerLeft, y, innerRight, y + 1}, FBrush.Color());
        above = row;
        row = below;
    }
}

void TCanvas::TextOut(int x, int y, const String& text) {
    QFont font = ToQFont(FFont);
    font.setStyleStrategy(QFont::NoAntialias);
    WithPainter([&](QPainter& p) {
        QFontMetrics metrics(font);
        QString qtext = QString::fromStdString(text);
        if (FBrush.Style() != bsClear)
            p.fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()),
                       ToQColor(FBrush.Color()));
        p.setFont(font);
        p.setPen(ToQColor(FFont.Color()));
        p.drawText(x, y + metrics.ascent(), qtext);
    });
}

int TCanvas::TextWidth(const String& text) {
    return QFontMetrics(ToQFont(FFont)).horizontalAdvance(QString::fromStdString(text));
}

int TCanvas::TextHeight(const String&) {
    return QFontMetrics(ToQFont(FFont)).height();
}

TColor TCanvas::Pixel(int x, int y) const {
    TPoint p{x + FOrigin.X, y + FOrigin.Y};
    if (!FTarget || !FClip.Contains(p))
        return clNone;
    return FTarget->Pixel(p.X, p.Y);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (FTarget)
        FillTargetRect({x + FOrigin.X, y + FOrigin.Y, x + FOrigin.X + 1, y + FOrigin.Y + 1}, color);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (source.FTarget)
        CopyPixels(dest, *source.FTarget, sourceRect.Offset(source.FOrigin.X, source.FOrigin.Y),
                   source.FClip);
}

void TCanvas::CopyPixels(const TRect& dest, const TBitmap& source, const TRect& from,
                         const TRect& sourceClip) {
    if (!FTarget)
        return;
    TRect to = dest.Offset(FOrigin.X, FOrigin.Y);
    if (from.Width() != to.Width() || from.Height() != to.Height()) {
        QImage part = TBitmapAccess::Image(source).copy(
            QRect(from.Left, from.Top, from.Width(), from.Height()));
        WithPainter([&](QPainter& p) {
            p.drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), part);
        });
        return;
    }
    // Equal sizes: a plain copy of the pixels that both clips allow.
    int dx = from.Left - to.Left;
    int dy = from.Top - to.Top;
    TRect visible = to.Intersect(FClip).Intersect(sourceClip.Offset(-dx, -dy));
    // Within one bitmap, a copy downwards goes bottom row first so that no
    // source row is overwritten before it is read.
    if (visible.IsEmpty())
        return;
    bool bottomUp = &source == FTarget && dy < 0;
    int firstRow = bottomUp ? visible.Bottom - 1 : visible.Top;
    int step = bottomUp ? -1 : 1;
    // The target's row first: making it writable may copy its pixels away
    // from a source that shared them.
    std::uint8_t* targetRow = FTarget->ScanLine(firstRow) + 4 * visible.Left;
    const std::uint8_t* sourceRow = source.ScanLine(firstRow + dy) + 4 * (visible.Left + dx);
    for (int i = 0; i < visible.Height(); ++i) {
        std::memmove(targetRow, sourceRow, 4 * std::size_t(visible.Width()));
        targetRow += step * FTarget->BytesPerLine();
        sourceRow += step * source.BytesPerLine();
    }
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    graphic.Draw(*this, {x, y, x + graphic.Width(), y + graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
    graphic.Draw(*this, rect);
}

void TCanvas::DrawBitmap(const TRect& dest, const TBitmap& bitmap) {
    TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
    CopyPixels(dest, bitmap, whole, whole);
}
