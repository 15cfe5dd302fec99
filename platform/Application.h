#pragma once

#include "Component.h"
#include "Events.h"

#include <exception>
#include <functional>
#include <memory>

class QApplication;
class TApplicationHooks;
class TControl;
class TForm;

// Buttons and icons of message boxes, and the button a box returns.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_RETRYCANCEL = 0x05;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The running program: the message loop, the main form, the idle event, the
// pointer's enter and leave notices and the standard exception handler.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    String ClassName() const override { return "TApplication"; }

    // Starts the toolkit; arguments are the process's own.
    void Initialize(int& argc, char** argv);
    void Initialize();
    bool Initialized() const { return FQt != nullptr; }
    // Destroys every form and stops the toolkit; Run does this when the loop ends.
    void Finalize();

    // Creates a form owned by the application; the first one becomes the main form.
    template <class TFormClass>
    void CreateForm(TFormClass*& reference) {
        reference = nullptr;
        auto* form = new TFormClass(this);
        reference = form;
        if (!FMainForm)
            FMainForm = form;
    }
    TForm* MainForm() const { return FMainForm; }

    // Shows the main form and runs the message loop until Terminate.
    int Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles the events that are waiting, then returns.
    void ProcessMessages();
    // Destroys a form once the event that asked for it is over.
    void Release(TForm* form);

    // Runs an event handler; an exception it raises goes to HandleException.
    void CallProtected(const std::function<void()>& handler);
    // Shows the exception's message (or passes it to OnException) and goes on.
    void HandleException(const std::exception& error);
    // A message box; OnMessageBox, when set, answers it instead of the user.
    int MessageBox(const String& text, const String& caption, unsigned flags);

    const String& Title() const { return FTitle; }
    void SetTitle(const String& title) { FTitle = title; }

    // The control under the pointer, as the last enter notice named it.
    TControl* MouseControl() const { return FMouseControl; }
    // The pointer's position on the screen.
    TPoint CursorPos() const;
    // Works out which control the pointer is over and sends CM_MOUSELEAVE to
    // the old one and CM_MOUSEENTER to the new one. Runs after every pointer
    // movement and whenever the loop goes idle.
    void UpdateMouseControl();

    TIdleEvent OnIdle;
    std::function<void(TObject* Sender, const std::exception& Error)> OnException;
    std::function<int(const String& Text, const String& Caption, unsigned Flags)> OnMessageBox;

    // Called by the platform's own classes.
    void ControlDestroyed(TControl* control);
    void FormDestroyed(TForm* form);

private:
    friend class TApplicationHooks;
    void Idle();
    TControl* ControlUnderPointer() const;

    std::unique_ptr<QApplication> FQt;
    std::unique_ptr<TApplicationHooks> FHooks;
    TForm* FMainForm = nullptr;
    TControl* FMouseControl = nullptr;
    bool FUpdatingMouse = false;
    bool FTerminated = false;
    String FTitle = "Setup";
};

extern TApplication* Application;
