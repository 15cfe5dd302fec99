#include "ApplicationHooks.h"

#include "../Application.h"
#include "../Form.h"
#include "FormWindow.h"
#include "WidgetBinding.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <vector>

namespace {

// The controls from the form down to the one holding the widget, outermost
// first; the form itself is not among them.
std::vector<TWinControl*> ControlsInForm(QWidget* widget) {
    std::vector<TWinControl*> chain;
    for (TWinControl* c = ControlOfWidget(widget); c && !dynamic_cast<TForm*>(c); c = c->Parent())
        chain.insert(chain.begin(), c);
    return chain;
}

} // namespace

TApplicationHooks::TApplicationHooks(TApplication* application)
    : FApplication(application) {
    QCoreApplication::instance()->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { FApplication->Idle(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        FApplication->CallProtected([this, now] { FocusMoved(now); });
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [this] { FApplication->CallProtected([this] { ActiveWindowChanged(); }); });
}

bool TApplicationHooks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
        if (watched->isWidgetType())
            FApplication->CallProtected([this] { FApplication->UpdateMouseControl(); });
        break;
    default:
        break;
    }
    return false;
}

// Each form keeps its own focused control, as the classic model has it: the
// focus entering another form's control enters nothing in this one. Within a
// form the controls the focus leaves hear OnExit, innermost first, and those it
// enters hear OnEnter, outermost first.
void TApplicationHooks::FocusMoved(QWidget* now) {
    if (!now)
        return;
    auto* window = dynamic_cast<TFormWindow*>(now->window());
    if (!window || window->LastFocus == now)
        return;
    QWidget* previous = window->LastFocus;
    window->LastFocus = now;
    std::vector<TWinControl*> left = ControlsInForm(previous);
    std::vector<TWinControl*> entered = ControlsInForm(now);
    std::size_t common = 0;
    while (common < left.size() && common < entered.size() && left[common] == entered[common])
        ++common;
    for (std::size_t i = left.size(); i > common; --i)
        left[i - 1]->DoExit();
    for (std::size_t i = common; i < entered.size(); ++i)
        entered[i]->DoEnter();
}

// A form is deactivated when another form of the application becomes active,
// not when the application as a whole loses the focus.
void TApplicationHooks::ActiveWindowChanged() {
    QWidget* active = QApplication::activeWindow();
    auto* form = dynamic_cast<TForm*>(ControlOfWidget(active));
    if (!form || active == FActiveWindow)
        return;
    auto* previous = dynamic_cast<TForm*>(ControlOfWidget(FActiveWindow));
    FActiveWindow = active;
    if (previous)
        previous->Deactivate();
    form->Activate();
}
