#include "Application.h"

#include "Form.h"
#include "GraphicControl.h"
#include "Screen.h"
#include "qt/ApplicationHooks.h"
#include "qt/WidgetBinding.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

// Both objects live here so that they are destroyed in a known order at exit:
// the application (and with it every form) before the screen.
TScreen TheScreen;
TApplication TheApplication;

std::vector<TForm*> FormsToRelease;

int DefaultArgc = 1;
char DefaultProgramName[] = "Settings";
char* DefaultArgv[] = {DefaultProgramName, nullptr};

QMessageBox::StandardButtons ButtonsFor(unsigned flags) {
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    case MB_RETRYCANCEL:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconFor(unsigned flags) {
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ResultOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Retry:
        return IDRETRY;
    default:
        return IDOK;
    }
}

} // namespace

TScreen* Screen = &TheScreen;
TApplication* Application = &TheApplication;

TApplication::TApplication()
    : TComponent(nullptr) {}

TApplication::~TApplication() {
    Finalize();
}

void TApplication::Initialize(int& argc, char** argv) {
    if (FQt)
        return;
    FQt = std::make_unique<QApplication>(argc, argv);
    // Which window ends the program is the main form's business, not the toolkit's.
    FQt->setQuitOnLastWindowClosed(false);
    FHooks = std::make_unique<TApplicationHooks>(this);
}

void TApplication::Initialize() {
    Initialize(DefaultArgc, DefaultArgv);
}

int TApplication::Run() {
    if (!FQt)
        Initialize();
    if (FMainForm && !FTerminated)
        FMainForm->Show();
    int status = FTerminated ? 0 : FQt->exec();
    Finalize();
    return status;
}

void TApplication::Finalize() {
    BeginDestroying();
    DestroyComponents();
    FHooks.reset();
    FQt.reset();
}

void TApplication::Terminate() {
    FTerminated = true;
    if (FQt)
        FQt->quit();
}

void TApplication::ProcessMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void TApplication::Release(TForm* form) {
    FormsToRelease.push_back(form);
    QTimer::singleShot(0, FQt.get(), [form] {
        if (std::find(FormsToRelease.begin(), FormsToRelease.end(), form) != FormsToRelease.end())
            delete form;
    });
}

void TApplication::CallProtected(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

void TApplication::HandleException(const std::exception& error) {
    if (OnException) {
        OnException(this, error);
        return;
    }
    MessageBox(error.what(), FTitle, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const String& text, const String& caption, unsigned flags) {
    if (OnMessageBox)
        return OnMessageBox(text, caption, flags);
    QMessageBox box(IconFor(flags), QString::fromStdString(caption), QString::fromStdString(text),
                    ButtonsFor(flags), QApplication::activeWindow());
    return ResultOf(box.exec());
}

TPoint TApplication::CursorPos() const {
    QPoint pos = QCursor::pos();
    return {pos.x(), pos.y()};
}

TControl* TApplication::ControlUnderPointer() const {
    QPoint pos = QCursor::pos();
    TWinControl* window = ControlOfWidget(QApplication::widgetAt(pos));
    if (!window)
        return nullptr;
    TControl* child = window->ControlAtPos(window->ScreenToClient({pos.x(), pos.y()}), true);
    if (dynamic_cast<TGraphicControl*>(child))
        return child;
    return window;
}

void TApplication::UpdateMouseControl() {
    if (FUpdatingMouse || !FQt)
        return;
    FUpdatingMouse = true;
    try {
        TControl* target = ControlUnderPointer();
        if (target != FMouseControl) {
            TControl* previous = FMouseControl;
            FMouseControl = target;
            if (previous)
                previous->Perform(CM_MOUSELEAVE, 0, 0);
            // The leave handling may have destroyed the new control.
            if (FMouseControl == target && target)
                target->Perform(CM_MOUSEENTER, 0, 0);
        }
    } catch (...) {
        FUpdatingMouse = false;
        throw;
    }
    FUpdatingMouse = false;
}

void TApplication::Idle() {
    CallProtected([this] {
        UpdateMouseControl();
        if (!OnIdle)
            return;
        bool done = true;
        OnIdle(this, done);
        if (!done)
            QTimer::singleShot(0, FQt.get(), [] {}); // keep the loop from waiting
    });
}

void TApplication::ControlDestroyed(TControl* control) {
    if (FMouseControl == control)
        FMouseControl = nullptr;
}

void TApplication::FormDestroyed(TForm* form) {
    if (FMainForm == form)
        FMainForm = nullptr;
    FormsToRelease.erase(std::remove(FormsToRelease.begin(), FormsToRelease.end(), form),
                         FormsToRelease.end());
}
