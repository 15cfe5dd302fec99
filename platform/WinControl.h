#pragma once

#include "Canvas.h"
#include "Control.h"

#include <vector>

class QWidget;
class TBitmap;

// A control with a window: it holds child controls and paints them. Its own
// Paint and its graphic children draw into one 32-bit back buffer, which then
// goes to the screen in one copy.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    String ClassName() const override { return "TWinControl"; }
    static void DefineProperties(TPropertyTable& table);

    void SetParent(TWinControl* parent) override;

    // Child controls, windowed and graphic, in control order: later ones are
    // painted above earlier ones.
    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(index); }
    // The topmost visible child whose rectangle holds the point (client
    // coordinates), or nullptr.
    TControl* ControlAtPos(TPoint point, bool allowDisabled) const;

    void Invalidate() override;
    void InvalidateRect(const TRect& rect);
    void Update() override;
    void BringToFront() override;
    // Places the aligned and anchored children for the current client size.
    void Realign();

    bool Showing() const override;
    bool Focused() const;
    virtual void SetFocus();
    // The place among the parent's windowed controls that the Tab key visits
    // them in; a description's values take effect once it is read.
    int TabOrder() const;
    void SetTabOrder(int order);
    // Whether the Tab key stops at the control.
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    // Fired when the keyboard focus enters the control (or a control inside
    // it) from outside, and when it leaves it for a control outside, within
    // one form.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TPoint ClientToScreen(TPoint point) const override;

    // Paints the whole client area, graphic children included, into the
    // bitmap, as the screen would show it.
    void PaintTo(TBitmap& target);

    // The canvas the control paints on; valid while it paints.
    TCanvas& Canvas() { return FCanvas; }

    void Loaded() override;

protected:
    // For controls over a ready-made widget of the toolkit.
    TWinControl(TComponent* owner, QWidget* widget);
    QWidget* Widget() const { return FWidget; }

    virtual void Paint() {}
    virtual void DoEnter();
    virtual void DoExit();
    void BoundsChanged(int oldWidth, int oldHeight) override;
    void VisibleChanged() override;
    // Shows or hides the widget as Visible and the parent say.
    virtual void UpdateWidgetVisibility();

private:
    friend class TControl;
    friend class TWinWidget;
    friend class TApplicationHooks;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveControlToEnd(TControl* control);
    void AlignChildren();
    void ApplyTabOrder();

    // Paints the rectangles of an exposed region to the screen, each through
    // the back buffer.
    void PaintWindow(const std::vector<TRect>& update);
    // Paints area (client coordinates) into buffer, whose top-left pixel
    // stands for the area's top-left corner.
    void PaintArea(TBitmap& buffer, const TRect& area);
    void PaintGraphicChildren(TBitmap& buffer, const TRect& update);
    TControl* MouseTarget(TPoint point) const;
    void MousePressed(TMouseButton button, TShiftState shift, TPoint point, bool doubleClick);
    void MouseMoved(TShiftState shift, TPoint point);
    void MouseReleased(TMouseButton button, TShiftState shift, TPoint point);

    QWidget* FWidget = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList; // windowed children in tab order
    int FStoredTabOrder = -1;
    TCanvas FCanvas;
    TControl* FMouseCapture = nullptr;
    bool FClickPending = false;
    bool FAligning = false;
};
