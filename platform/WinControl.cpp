#include "WinControl.h"

#include "Bitmap.h"
#include "GraphicControl.h"
#include "PropertyTable.h"
#include "qt/BitmapAccess.h"
#include "qt/WidgetBinding.h"
#include "qt/WinWidget.h"

#include <QPainter>

#include <algorithm>

namespace {

// One back buffer serves every paint: paints never nest, and keeping it spares
// an allocation on each hover repaint. It grows to the largest area painted.
TBitmap& BackBuffer(int width, int height) {
    static TBitmap buffer;
    if (buffer.Width() < width || buffer.Height() < height)
        buffer.SetSize(std::max(width, buffer.Width()), std::max(height, buffer.Height()));
    return buffer;
}

} // namespace

void TWinControl::DefineProperties(TPropertyTable& table) {
    TControl::DefineProperties(table);
    table.Integer<TWinControl>("TabOrder", &TWinControl::SetTabOrder);
    table.Boolean<TWinControl>("TabStop", &TWinControl::SetTabStop);
    table.Event("OnEnter", &TWinControl::OnEnter);
    table.Event("OnExit", &TWinControl::OnExit);
}

TWinControl::TWinControl(TComponent* owner)
    : TWinControl(owner, nullptr) {}

TWinControl::TWinControl(TComponent* owner, QWidget* widget)
    : TControl(owner)
    , FWidget(widget ? widget : new TWinWidget(this)) {
    BindWidget(FWidget, this);
    FWidget->hide();
}

TWinControl::~TWinControl() {
    BeginDestroying();
    DestroyComponents();
    while (!FControls.empty())
        FControls.back()->SetParent(nullptr);
    if (Parent())
        Parent()->RemoveControl(this);
    delete FWidget;
}

void TWinControl::SetParent(TWinControl* parent) {
    TControl::SetParent(parent);
    FWidget->setParent(parent ? parent->FWidget : nullptr);
    FWidget->setGeometry(Left(), Top(), Width(), Height());
    UpdateWidgetVisibility();
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        FTabList.push_back(windowed);
    control->FParent = this;
    control->UpdateAnchorRules();
    if (control->Align() != alNone)
        Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end())
        return;
    control->Invalidate();
    FControls.erase(it);
    std::erase(FTabList, control);
    control->FParent = nullptr;
    if (FMouseCapture == control)
        FMouseCapture = nullptr;
}

void TWinControl::MoveControlToEnd(TControl* control) {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    FControls.push_back(control);
    control->Invalidate();
}

void TWinControl::BringToFront() {
    TControl::BringToFront();
    FWidget->raise();
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* control = *it;
        if (control->Visible() && (allowDisabled || control->Enabled()) &&
            control->BoundsRect().Contains(point))
            return control;
    }
    return nullptr;
}

void TWinControl::Invalidate() {
    if (!Destroying())
        FWidget->update();
}

void TWinControl::InvalidateRect(const TRect& rect) {
    if (!Destroying() && !rect.IsEmpty())
        FWidget->update(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TWinControl::Update() {
    FWidget->repaint();
}

bool TWinControl::Showing() const {
    return FWidget->isVisible();
}

bool TWinControl::Focused() const {
    return FWidget->hasFocus();
}

void TWinControl::SetFocus() {
    FWidget->setFocus(Qt::OtherFocusReason);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

TPoint TWinControl::ClientToScreen(TPoint point) const {
    QPoint global = FWidget->mapToGlobal(QPoint(point.X, point.Y));
    return {global.x(), global.y()};
}

void TWinControl::Loaded() {
    TControl::Loaded();
    // Apply the tab order the description gave the children, lowest first, so
    // that each finds its place among siblings read after it.
    std::stable_sort(FTabList.begin(), FTabList.end(), [](TWinControl* a, TWinControl* b) {
        return unsigned(a->FStoredTabOrder) < unsigned(b->FStoredTabOrder);
    });
    ApplyTabOrder();
    Realign();
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->FTabList;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    FStoredTabOrder = order;
    if (!Parent() || Loading())
        return;
    auto& list = Parent()->FTabList;
    std::erase(list, this);
    list.insert(list.begin() + std::clamp(order, 0, int(list.size())), this);
    Parent()->ApplyTabOrder();
}

void TWinControl::ApplyTabOrder() {
    for (std::size_t i = 1; i < FTabList.size(); ++i)
        QWidget::setTabOrder(FTabList[i - 1]->FWidget, FTabList[i]->FWidget);
}

bool TWinControl::TabStop() const {
    return FWidget->focusPolicy() & Qt::TabFocus;
}

void TWinControl::SetTabStop(bool tabStop) {
    Qt::FocusPolicy policy = FWidget->focusPolicy();
    FWidget->setFocusPolicy(tabStop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                    : Qt::FocusPolicy(policy & ~Qt::TabFocus));
}

void TWinControl::BoundsChanged(int oldWidth, int oldHeight) {
    FWidget->setGeometry(Left(), Top(), Width(), Height());
    if (Width() != oldWidth || Height() != oldHeight)
        Realign();
}

void TWinControl::VisibleChanged() {
    UpdateWidgetVisibility();
}

void TWinControl::UpdateWidgetVisibility() {
    FWidget->setVisible(Visible() && Parent());
}

void TWinControl::Realign() {
    if (FAligning || Loading() || Destroying())
        return;
    FAligning = true;
    try {
        AlignChildren();
    } catch (...) {
        FAligning = false;
        throw;
    }
    FAligning = false;
}

void TWinControl::AlignChildren() {
    TRect free = ClientRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : FControls) {
            if (c->Align() != align || !c->Visible() || c->Loading())
                continue;
            switch (align) {
            case alTop:
                c->SetBoundsByParent(free.Left, free.Top, free.Width(), c->Height());
                free.Top += c->Height();
                break;
            case alBottom:
                c->SetBoundsByParent(free.Left, free.Bottom - c->Height(), free.Width(),
                                     c->Height());
                free.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBoundsByParent(free.Left, free.Top, c->Width(), free.Height());
                free.Left += c->Width();
                break;
            case alRight:
                c->SetBoundsByParent(free.Right - c->Width(), free.Top, c->Width(), free.Height());
                free.Right -= c->Width();
                break;
            default:
                c->SetBoundsByParent(free.Left, free.Top, free.Width(), free.Height());
                break;
            }
        }
    }
    for (TControl* c : FControls)
        if (c->Align() == alNone && c->Anchors() != (akLeft | akTop) && !c->Loading())
            c->AnchorTo(ClientWidth(), ClientHeight());
}

void TWinControl::PaintWindow(const std::vector<TRect>& update) {
    QPainter painter(FWidget);
    for (const TRect& area : update) {
        TBitmap& buffer = BackBuffer(area.Width(), area.Height());
        PaintArea(buffer, area);
        // A clip of one rectangle keeps the copy on the painter's plain path;
        // the exposed region alone may be several.
        QRect target(area.Left, area.Top, area.Width(), area.Height());
        painter.setClipRect(target);
        painter.drawImage(target.topLeft(), TBitmapAccess::Image(buffer),
                          QRect(0, 0, area.Width(), area.Height()));
    }
}

void TWinControl::PaintTo(TBitmap& target) {
    target.SetSize(ClientWidth(), ClientHeight());
    PaintArea(target, ClientRect());
}

void TWinControl::PaintArea(TBitmap& buffer, const TRect& area) {
    TCanvas::TTargetScope scope(FCanvas, &buffer, {-area.Left, -area.Top},
                                {0, 0, area.Width(), area.Height()});
    FCanvas.Font().Assign(Font());
    if (!Opaque()) {
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(Color());
        FCanvas.FillRect(area);
    }
    Paint();
    PaintGraphicChildren(buffer, area);
}

void TWinControl::PaintGraphicChildren(TBitmap& buffer, const TRect& update) {
    // Copy the list: a child's paint may bring a sibling to the front.
    std::vector<TControl*> children = FControls;
    for (TControl* c : children) {
        auto* graphic = dynamic_cast<TGraphicControl*>(c);
        if (!graphic || !graphic->Visible())
            continue;
        TRect clip = graphic->BoundsRect().Intersect(update);
        if (clip.IsEmpty())
            continue;
        graphic->PaintOn(buffer, {graphic->Left() - update.Left, graphic->Top() - update.Top},
                         clip.Offset(-update.Left, -update.Top));
    }
}

TControl* TWinControl::MouseTarget(TPoint point) const {
    TControl* child = ControlAtPos(point, false);
    if (dynamic_cast<TGraphicControl*>(child))
        return child;
    return const_cast<TWinControl*>(this);
}

void TWinControl::MousePressed(TMouseButton button, TShiftState shift, TPoint point,
                               bool doubleClick) {
    TControl* target = MouseTarget(point);
    FMouseCapture = target;
    FClickPending = button == mbLeft && !doubleClick;
    TPoint local =
        target == this ? point : TPoint{point.X - target->Left(), point.Y - target->Top()};
    if (doubleClick && button == mbLeft)
        target->DblClick();
    target->MouseDown(button, shift, local.X, local.Y);
}

void TWinControl::MouseMoved(TShiftState shift, TPoint point) {
    TControl* target = FMouseCapture ? FMouseCapture : MouseTarget(point);
    TPoint local =
        target == this ? point : TPoint{point.X - target->Left(), point.Y - target->Top()};
    target->MouseMove(shift, local.X, local.Y);
}

void TWinControl::MouseReleased(TMouseButton button, TShiftState shift, TPoint point) {
    TControl* target = FMouseCapture ? FMouseCapture : MouseTarget(point);
    FMouseCapture = nullptr;
    TPoint local =
        target == this ? point : TPoint{point.X - target->Left(), point.Y - target->Top()};
    bool click = FClickPending && button == mbLeft &&
                 TRect{0, 0, target->Width(), target->Height()}.Contains(local);
    FClickPending = false;
    target->MouseUp(button, shift, local.X, local.Y);
    if (click)
        target->Click();
}
