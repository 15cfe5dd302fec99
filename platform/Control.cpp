#include "Control.h"

#include "Application.h"
#include "PropertyTable.h"
#include "WinControl.h"

void TControl::DefineProperties(TPropertyTable& table) {
    TComponent::DefineProperties(table);
    table.Integer<TControl>("Left", &TControl::SetLeft);
    table.Integer<TControl>("Top", &TControl::SetTop);
    table.Integer<TControl>("Width", &TControl::SetWidth);
    table.Integer<TControl>("Height", &TControl::SetHeight);
    table.Boolean<TControl>("Visible", &TControl::SetVisible);
    table.Boolean<TControl>("Enabled", &TControl::SetEnabled);
    table.Enumeration<TControl, TAlign>("Align", &TControl::SetAlign,
                                        {{"alNone", alNone},
                                         {"alTop", alTop},
                                         {"alBottom", alBottom},
                                         {"alLeft", alLeft},
                                         {"alRight", alRight},
                                         {"alClient", alClient}});
    table.Flags<TControl>(
        "Anchors", &TControl::SetAnchors,
        {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}});
    for (auto [name, limit] : {std::pair{"Constraints.MinWidth", &TSizeConstraints::MinWidth},
                               std::pair{"Constraints.MinHeight", &TSizeConstraints::MinHeight},
                               std::pair{"Constraints.MaxWidth", &TSizeConstraints::MaxWidth},
                               std::pair{"Constraints.MaxHeight", &TSizeConstraints::MaxHeight}})
        table.Integer<TControl>(name, [limit](TControl& c, int v) {
            TSizeConstraints limits = c.Constraints();
            limits.*limit = v;
            c.SetConstraints(limits);
        });
    table.Event("OnClick", &TControl::OnClick);
    table.Event("OnDblClick", &TControl::OnDblClick);
    table.Event("OnMouseDown", &TControl::OnMouseDown);
    table.Event("OnMouseMove", &TControl::OnMouseMove);
    table.Event("OnMouseUp", &TControl::OnMouseUp);
}

void TControl::DefineFontProperties(TPropertyTable& table) {
    table.Add("Font.Charset", [](TComponent& c, const TDescriptionValue& v, TFormReader&) {
        static const TPropertyTable::TNames<int> charsets = {{"ANSI_CHARSET", 0},
                                                             {"DEFAULT_CHARSET", 1},
                                                             {"SYMBOL_CHARSET", 2},
                                                             {"OEM_CHARSET", 255}};
        int charset = -1;
        if (v.Kind == TDescriptionValue::vkInteger)
            charset = v.AsInteger();
        for (const auto& [name, value] : charsets)
            if (v.Kind == TDescriptionValue::vkIdentifier && SameText(name, v.Text))
                charset = value;
        if (charset < 0)
            throw Exception("a character set is expected");
        static_cast<TControl&>(c).Font().SetCharset(charset);
    });
    table.Color<TControl>("Font.Color", [](TControl& c, TColor v) { c.Font().SetColor(v); });
    table.Integer<TControl>("Font.Height", [](TControl& c, int v) { c.Font().SetHeight(v); });
    table.Integer<TControl>("Font.Size", [](TControl& c, int v) { c.Font().SetSize(v); });
    table.Text<TControl>("Font.Name", [](TControl& c, const String& v) { c.Font().SetName(v); });
    table.Flags<TControl>("Font.Style", [](TControl& c, unsigned v) { c.Font().SetStyle(v); },
                          {{"fsBold", fsBold},
                           {"fsItalic", fsItalic},
                           {"fsUnderline", fsUnderline},
                           {"fsStrikeOut", fsStrikeOut}});
}

TControl::TControl(TComponent* owner)
    : TComponent(owner) {
    FFont.OnChange = [this] { Invalidate(); };
}

TControl::~TControl() {
    if (Application)
        Application->ControlDestroyed(this);
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent)
        return;
    if (parent == this)
        throw Exception("A control cannot be its own parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* winControl = dynamic_cast<TWinControl*>(parent))
        SetParent(winControl);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (FAutoSize && !Loading() && FAlign != alClient) {
        int autoWidth = width;
        int autoHeight = height;
        if (CanAutoSize(autoWidth, autoHeight)) {
            if (FAlign == alNone || FAlign == alLeft || FAlign == alRight)
                width = autoWidth;
            if (FAlign == alNone || FAlign == alTop || FAlign == alBottom)
                height = autoHeight;
        }
    }
    ApplySizeConstraints(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    int oldWidth = FWidth;
    int oldHeight = FHeight;
    if (FParent && FVisible && !FPlacedByParent)
        Invalidate(); // the old place
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    BoundsChanged(oldWidth, oldHeight);
    if (!FPlacedByParent) {
        UpdateAnchorRules();
        if (FParent && FAlign != alNone)
            FParent->Realign();
    }
}

void TControl::SetBoundsByParent(int left, int top, int width, int height) {
    FPlacedByParent = true;
    try {
        SetBounds(left, top, width, height);
    } catch (...) {
        FPlacedByParent = false;
        throw;
    }
    FPlacedByParent = false;
}

void TControl::BoundsChanged(int, int) {
    Invalidate();
}

void TControl::ApplySizeConstraints(int& width, int& height) const {
    if (FConstraints.MaxWidth > 0 && width > FConstraints.MaxWidth)
        width = FConstraints.MaxWidth;
    if (FConstraints.MaxHeight > 0 && height > FConstraints.MaxHeight)
        height = FConstraints.MaxHeight;
    if (FConstraints.MinWidth > 0 && width < FConstraints.MinWidth)
        width = FConstraints.MinWidth;
    if (FConstraints.MinHeight > 0 && height < FConstraints.MinHeight)
        height = FConstraints.MinHeight;
}

TPoint TControl::ClientToScreen(TPoint point) const {
    if (!FParent)
        return point;
    return FParent->ClientToScreen({point.X + FLeft, point.Y + FTop});
}

TPoint TControl::ScreenToClient(TPoint point) const {
    TPoint origin = ClientToScreen({0, 0});
    return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible)
        return;
    if (!visible)
        Invalidate();
    FVisible = visible;
    VisibleChanged();
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TControl::VisibleChanged() {
    Invalidate();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    Invalidate();
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign)
        return;
    FAlign = align;
    if (FParent)
        FParent->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
    if (anchors == FAnchors)
        return;
    FAnchors = anchors;
    UpdateAnchorRules();
}

void TControl::SetConstraints(const TSizeConstraints& constraints) {
    if (constraints == FConstraints)
        return;
    FConstraints = constraints;
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetAutoSize(bool autoSize) {
    if (autoSize == FAutoSize)
        return;
    FAutoSize = autoSize;
    if (autoSize)
        AdjustSize();
}

void TControl::AdjustSize() {
    // Like a window that does not exist yet, a control without a parent keeps
    // its size until it is next resized.
    if (!Loading() && FParent)
        SetBounds(FLeft, FTop, FWidth, FHeight);
}

bool TControl::CanAutoSize(int&, int&) {
    return true;
}

void TControl::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    Invalidate();
}

void TControl::Invalidate() {
    if (FParent && !Destroying())
        FParent->InvalidateRect(BoundsRect());
}

void TControl::Update() {
    if (FParent)
        FParent->Update();
}

void TControl::BringToFront() {
    if (FParent)
        FParent->MoveControlToEnd(this);
}

std::intptr_t TControl::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        // The parent hears the pointer enter and leave every control inside it;
        // LParam names the control the notice began at.
        if (FParent)
            FParent->Perform(message.Msg, 0,
                             message.LParam ? message.LParam
                                            : reinterpret_cast<std::intptr_t>(this));
        break;
    default:
        break;
    }
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Loaded() {
    TComponent::Loaded();
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!FParent || Loading())
        return;
    FAnchorBounds = BoundsRect();
    FAnchorParentSize = {FParent->ClientWidth(), FParent->ClientHeight()};
}

namespace {

// One axis of the anchor rules: both edges anchored stretch, the far edge only
// keeps its distance, neither keeps the centre in proportion.
void AnchorAxis(bool nearEdge, bool farEdge, int refStart, int refSize, int refParent,
                int parentSize, int& start, int& size) {
    start = refStart;
    size = refSize;
    int delta = parentSize - refParent;
    if (farEdge) {
        if (nearEdge)
            size = refSize + delta;
        else
            start = refStart + delta;
    } else if (!nearEdge && refParent > 0) {
        long long centre = refStart + refSize / 2;
        start = int((centre * parentSize + refParent / 2) / refParent) - refSize / 2;
    }
}

} // namespace

void TControl::AnchorTo(int parentWidth, int parentHeight) {
    if (FAnchorParentSize == TPoint{})
        return; // no reference yet
    int left, width, top, height;
    AnchorAxis(FAnchors & akLeft, FAnchors & akRight, FAnchorBounds.Left, FAnchorBounds.Width(),
               FAnchorParentSize.X, parentWidth, left, width);
    AnchorAxis(FAnchors & akTop, FAnchors & akBottom, FAnchorBounds.Top, FAnchorBounds.Height(),
               FAnchorParentSize.Y, parentHeight, top, height);
    SetBoundsByParent(left, top, width, height);
}
