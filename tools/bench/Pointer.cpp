#include "Pointer.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTest>
#include <QWidget>

#include <stdexcept>

namespace {

// Enough rounds for a move's whole chain (input, notices, repaint, window
// show or hide, activation); the bound only guards against a source that is
// always ready.
constexpr int MaxEventRounds = 100;

} // namespace

PaintCounter::PaintCounter(QWidget* widget)
    : QObject(widget) {
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++FCount;
    return false;
}

void HandlePendingEvents() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < MaxEventRounds; ++round) {
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents))
            return;
    }
}

void MovePointer(QWidget* widget, QPoint local) {
    // On the offscreen platform this sends the window under the point a real
    // mouse move, with enter and leave notices when the window changes.
    QCursor::setPos(widget->mapToGlobal(local));
    HandlePendingEvents();
}

void ShowAndWait(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        throw std::runtime_error("the window \"" + window->windowTitle().toStdString() +
                                 "\" was never exposed");
    HandlePendingEvents();
}

QWidget* WindowTitled(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->isWindow() && widget->windowTitle() == title)
            return widget;
    return nullptr;
}
