#include "QuitAfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

QuitAfterFirstPaint::QuitAfterFirstPaint(QString windowTitle, std::function<void()> quit)
    : QObject(QCoreApplication::instance())
    , FWindowTitle(std::move(windowTitle))
    , FQuit(std::move(quit)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool QuitAfterFirstPaint::PaintsTheWindow(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    return window && window->windowTitle() == FWindowTitle;
}

bool QuitAfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (!FPainted && PaintsTheWindow(watched, event)) {
        FPainted = true;
        // Every widget of the window is painted and the frame flushed before
        // posted events run again.
        QTimer::singleShot(0, this, [this] { FQuit(); });
    }
    return false;
}
