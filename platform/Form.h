#pragma once

#include "WinControl.h"

class TFormWindow;
class TMainMenu;

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poMainFormCenter
};

// A top-level window. Left, Top, Width and Height are its outer frame (frame,
// caption and menu bar included); ClientWidth and ClientHeight are the area
// under the menu bar, where the child controls live. A form owned by another
// component is still a window of its own.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    String ClassName() const override { return "TForm"; }
    static void DefineProperties(TPropertyTable& table);

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);

    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState state);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool autoScroll) { FAutoScroll = autoScroll; }

    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);

    // The design metrics of a stored description; the toolkit scales for the
    // screen's resolution itself, so they are kept only as read.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int ppi) { FPixelsPerInch = ppi; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int height) { FTextHeight = height; }

    void SetAlign(TAlign align) override;
    // Makes the form the active window; its focused control keeps the focus.
    void SetFocus() override;
    void SetConstraints(const TSizeConstraints& constraints) override;
    bool Showing() const override;
    TPoint ClientToScreen(TPoint point) const override;

    // Runs OnClose; then the main form ends the application and any other form
    // is hidden, unless the handler chose caNone.
    void Close();

    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;
    // Fired when the form becomes the application's active form, and when
    // another form of the application takes that from it.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    void Loaded() override;

protected:
    // Runs OnCreate; the description reader calls it once the form is read.
    virtual void DoCreate();
    void BoundsChanged(int oldWidth, int oldHeight) override;
    void VisibleChanged() override;
    void UpdateWidgetVisibility() override;

private:
    friend class TFormReader;
    friend class TFormWindow;
    friend class TApplicationHooks;
    void Activate();
    void Deactivate();
    void ShowWindow();
    void WindowGeometryChanged();
    void WindowStateChanged();
    // Sends WM_ACTIVATE with WA_ACTIVE or WA_INACTIVE as the window now is.
    void WindowActivationChanged();
    void LayOutWindow();
    void MenuBarChanged();
    int MenuBarHeight() const;
    TPoint FrameExtra() const;
    void SizeToWorkArea();
    void UpdateWindowFlags();

    TFormWindow* FWindow;
    String FCaption;
    TWindowState FWindowState = wsNormal;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDefaultPosOnly;
    bool FAutoScroll = true;
    TMainMenu* FMenu = nullptr;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    bool FFollowingWindow = false;
    // The last size asked for was the client size: a window shown for the
    // first time keeps it and grows by its frame.
    bool FClientSizeGiven = false;
};
