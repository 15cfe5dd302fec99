#include "ApplicationHooks.h"

#include "../Application.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

TApplicationHooks::TApplicationHooks(TApplication* application)
    : FApplication(application) {
    QCoreApplication::instance()->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { FApplication->Idle(); });
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
