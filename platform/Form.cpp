#include "Form.h"

#include "Application.h"
#include "MainMenu.h"
#include "PropertyTable.h"
#include "Screen.h"
#include "qt/FontMap.h"
#include "qt/FormWindow.h"
#include "qt/WidgetBinding.h"

#include <QMenuBar>

void TForm::DefineProperties(TPropertyTable& table) {
    TControl::DefineProperties(table);
    DefineFontProperties(table);
    table.Text<TForm>("Caption", &TForm::SetCaption);
    table.Integer<TForm>("ClientWidth", &TForm::SetClientWidth);
    table.Integer<TForm>("ClientHeight", &TForm::SetClientHeight);
    table.Color<TForm>("Color", &TForm::SetColor);
    table.Reference("Menu", &TForm::SetMenu);
    table.Enumeration<TForm, TWindowState>(
        "WindowState", &TForm::SetWindowState,
        {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}});
    table.Enumeration<TForm, TFormBorderStyle>("BorderStyle", &TForm::SetBorderStyle,
                                               {{"bsNone", bsNone},
                                                {"bsSingle", bsSingle},
                                                {"bsSizeable", bsSizeable},
                                                {"bsDialog", bsDialog},
                                                {"bsToolWindow", bsToolWindow},
                                                {"bsSizeToolWin", bsSizeToolWin}});
    table.Enumeration<TForm, TFormStyle>("FormStyle", &TForm::SetFormStyle,
                                         {{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}});
    table.Enumeration<TForm, TPosition>("Position", &TForm::SetPosition,
                                        {{"poDesigned", poDesigned},
                                         {"poDefault", poDefault},
                                         {"poDefaultPosOnly", poDefaultPosOnly},
                                         {"poDefaultSizeOnly", poDefaultSizeOnly},
                                         {"poScreenCenter", poScreenCenter},
                                         {"poMainFormCenter", poMainFormCenter}});
    table.Boolean<TForm>("AutoScroll", &TForm::SetAutoScroll);
    table.Integer<TForm>("PixelsPerInch", &TForm::SetPixelsPerInch);
    table.Integer<TForm>("TextHeight", &TForm::SetTextHeight);
    table.Event("OnCreate", &TForm::OnCreate);
    table.Event("OnClose", &TForm::OnClose);
}

TForm::TForm(TComponent* owner)
    : TWinControl(owner)
    , FWindow(new TFormWindow(this)) {
    BindWidget(FWindow, this);
    Widget()->setParent(FWindow);
    Widget()->show();
    FWindow->setFont(ToQFont(Font()));
    Font().OnChange = [this] {
        FWindow->setFont(ToQFont(Font()));
        Invalidate();
    };
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TForm::~TForm() {
    BeginDestroying();
    DestroyComponents();
    SetMenu(nullptr);
    Screen->RemoveForm(this);
    Application->FormDestroyed(this);
    Widget()->setParent(nullptr); // the base class deletes the client area itself
    FWindow->Detach();            // the window's last notices find no form
    delete FWindow;
}

void TForm::SetCaption(const String& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    FWindow->setWindowTitle(QString::fromStdString(caption));
}

TPoint TForm::FrameExtra() const {
    QRect frame = FWindow->frameGeometry();
    return {frame.width() - FWindow->width(), frame.height() - FWindow->height()};
}

int TForm::MenuBarHeight() const {
    if (!FMenu || FMenu->Bar()->actions().isEmpty())
        return 0;
    int height = FMenu->Bar()->heightForWidth(FWindow->width());
    return height >= 0 ? height : FMenu->Bar()->sizeHint().height();
}

int TForm::ClientWidth() const {
    return FWindow->width();
}

int TForm::ClientHeight() const {
    return FWindow->height() - MenuBarHeight();
}

void TForm::SetClientWidth(int width) {
    SetWidth(width + FrameExtra().X);
    FClientSizeGiven = true;
}

void TForm::SetClientHeight(int height) {
    SetHeight(height + MenuBarHeight() + FrameExtra().Y);
    FClientSizeGiven = true;
}

void TForm::LayOutWindow() {
    int menuHeight = MenuBarHeight();
    if (FMenu) {
        FMenu->Bar()->setGeometry(0, 0, FWindow->width(), menuHeight);
        FMenu->Bar()->setVisible(menuHeight > 0);
    }
    Widget()->setGeometry(0, menuHeight, FWindow->width(), FWindow->height() - menuHeight);
}

void TForm::MenuBarChanged() {
    LayOutWindow();
    Realign();
}

void TForm::BoundsChanged(int, int) {
    if (!FFollowingWindow) {
        // Moving the window reports the move back before the resize: place
        // it with the bounds asked for, not with what the report leaves.
        TRect bounds = BoundsRect();
        TPoint extra = FrameExtra();
        FWindow->move(bounds.Left, bounds.Top);
        FWindow->resize(std::max(1, bounds.Width() - extra.X),
                        std::max(1, bounds.Height() - extra.Y));
        FClientSizeGiven = false;
    }
    LayOutWindow();
    Realign();
}

// The window moved or was resized from outside: the bounds follow it, and a
// change lays out the menu bar and the client area (BoundsChanged).
void TForm::WindowGeometryChanged() {
    QRect frame = FWindow->frameGeometry();
    FFollowingWindow = true;
    try {
        SetBounds(frame.x(), frame.y(), frame.width(), frame.height());
    } catch (...) {
        FFollowingWindow = false;
        throw;
    }
    FFollowingWindow = false;
}

void TForm::WindowStateChanged() {
    Qt::WindowStates state = FWindow->windowState();
    if (state & Qt::WindowMinimized)
        FWindowState = wsMinimized;
    else if (state & Qt::WindowMaximized)
        FWindowState = wsMaximized;
    else
        FWindowState = wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
    if (state == FWindowState)
        return;
    FWindowState = state;
    if (Visible())
        ShowWindow();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    UpdateWindowFlags();
}

void TForm::SetFormStyle(TFormStyle style) {
    if (style == FFormStyle)
        return;
    FFormStyle = style;
    UpdateWindowFlags();
}

void TForm::UpdateWindowFlags() {
    Qt::WindowFlags flags = Qt::Window;
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin)
        flags = Qt::Tool;
    else if (FBorderStyle == bsDialog)
        flags = Qt::Dialog;
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    bool wasVisible = FWindow->isVisible();
    FWindow->setWindowFlags(flags);
    if (wasVisible)
        ShowWindow();
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == FMenu)
        return;
    if (FMenu) {
        FMenu->Bar()->hide();
        FMenu->Bar()->setParent(nullptr);
        FMenu->FForm = nullptr;
    }
    FMenu = menu;
    if (FMenu) {
        if (FMenu->FForm)
            FMenu->FForm->SetMenu(nullptr);
        FMenu->FForm = this;
        FMenu->Bar()->setParent(FWindow);
        FMenu->Bar()->show();
    }
    if (!Destroying()) {
        LayOutWindow();
        Realign();
    }
}

void TForm::SetAlign(TAlign align) {
    TControl::SetAlign(align);
    if (align == alClient && !Loading())
        SizeToWorkArea();
}

void TForm::SizeToWorkArea() {
    TRect area = Screen->WorkAreaRect();
    SetBounds(area.Left, area.Top, area.Width(), area.Height());
}

void TForm::SetConstraints(const TSizeConstraints& constraints) {
    TControl::SetConstraints(constraints);
    TPoint extra = FrameExtra();
    FWindow->setMinimumSize(std::max(0, constraints.MinWidth - extra.X),
                            std::max(0, constraints.MinHeight - extra.Y));
}

bool TForm::Showing() const {
    return FWindow->isVisible();
}

TPoint TForm::ClientToScreen(TPoint point) const {
    QPoint global = Widget()->mapToGlobal(QPoint(point.X, point.Y));
    return {global.x(), global.y()};
}

void TForm::VisibleChanged() {
    UpdateWidgetVisibility();
}

void TForm::UpdateWidgetVisibility() {
    // A form read from its description shows once the reading is complete.
    if (Visible() && !Loading())
        ShowWindow();
    else
        FWindow->hide();
}

void TForm::ShowWindow() {
    bool wasVisible = FWindow->isVisible();
    switch (FWindowState) {
    case wsMaximized:
        FWindow->showMaximized();
        break;
    case wsMinimized:
        FWindow->showMinimized();
        break;
    default: {
        if (Align() == alClient)
            SizeToWorkArea();
        // The window's frame is known once it is shown; the outer bounds stay
        // as they were and the client area gives way to the frame.
        TRect bounds = BoundsRect();
        FWindow->showNormal();
        if (!wasVisible && !FClientSizeGiven && BoundsRect() != bounds)
            SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        break;
    }
    }
    if (wasVisible)
        FWindow->raise(); // a window shown anew is on top already
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Hide();
        Application->Release(this);
        break;
    default:
        Hide();
        break;
    }
}

void TForm::Loaded() {
    TWinControl::Loaded();
    if (Align() == alClient)
        SizeToWorkArea();
}

void TForm::DoCreate() {
    if (OnCreate)
        OnCreate(this);
}

void TForm::SetFocus() {
    FWindow->raise();
    FWindow->activateWindow();
}

void TForm::WndProc(TMessage& message) {
    if (message.Msg == WM_ACTIVATE) {
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

void TForm::WindowActivationChanged() {
    Perform(WM_ACTIVATE, FWindow->isActiveWindow() ? WA_ACTIVE : WA_INACTIVE, 0);
}

void TForm::Activate() {
    if (OnActivate)
        OnActivate(this);
}

void TForm::Deactivate() {
    if (OnDeactivate)
        OnDeactivate(this);
}
