#pragma once

#include "Component.h"
#include "Events.h"
#include "Font.h"
#include "Messages.h"

class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

// Zero means no limit.
struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    friend bool operator==(const TSizeConstraints&, const TSizeConstraints&) = default;
};

// Something with a place on a parent: bounds, visibility, alignment and
// anchors, mouse events and synchronous messages. Left and Top are in the
// parent's client coordinates.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    String ClassName() const override { return "TControl"; }
    static void DefineProperties(TPropertyTable& table);
    // Font.Name, Font.Height, ... for the classes that let a description set the font.
    static void DefineFontProperties(TPropertyTable& table);

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
    void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
    void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
    void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
    // Applies auto-size and the size constraints, then moves the control.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }

    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    virtual TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents up to a window that is shown.
    virtual bool Showing() const;

    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    TAlign Align() const { return FAlign; }
    virtual void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);
    const TSizeConstraints& Constraints() const { return FConstraints; }
    virtual void SetConstraints(const TSizeConstraints& constraints);

    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool autoSize);

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor color);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }

    // The control covers its whole rectangle, so its parent need not erase
    // the background beneath it first.
    bool Opaque() const { return FOpaque; }
    void SetOpaque(bool opaque) { FOpaque = opaque; }

    // Schedules a repaint of the control's rectangle.
    virtual void Invalidate();
    // Repaints at once what is scheduled.
    virtual void Update();
    // Moves the control to the end of its parent's control list, above its siblings.
    virtual void BringToFront();

    // Delivers a message synchronously through WndProc and returns its result.
    std::intptr_t Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam);
    virtual void WndProc(TMessage& message);

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    void Loaded() override;

protected:
    // Consulted while AutoSize is on; may change the proposed size.
    virtual bool CanAutoSize(int& newWidth, int& newHeight);
    // Re-applies auto-size with the current bounds (not while loading, nor
    // before the control has a parent).
    void AdjustSize();
    // Called after the bounds changed, with the old size.
    virtual void BoundsChanged(int oldWidth, int oldHeight);
    virtual void VisibleChanged();
    // Remembers the bounds and the parent's client size that the anchors keep
    // distances to.
    void UpdateAnchorRules();

private:
    friend class TWinControl;
    void ApplySizeConstraints(int& width, int& height) const;
    // Places the control as its anchors say for a parent client area of the given size.
    void AnchorTo(int parentWidth, int parentHeight);
    // Moves without taking the new place as the anchors' reference.
    void SetBoundsByParent(int left, int top, int width, int height);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TAlign FAlign = alNone;
    TAnchors FAnchors = akLeft | akTop;
    TSizeConstraints FConstraints;
    bool FAutoSize = false;
    TColor FColor = clBtnFace;
    TFont FFont;
    bool FOpaque = false;
    bool FPlacedByParent = false;
    TRect FAnchorBounds;
    TPoint FAnchorParentSize;
};
