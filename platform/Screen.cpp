#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

int TScreen::Width() const {
    return QGuiApplication::primaryScreen()->geometry().width();
}

int TScreen::Height() const {
    return QGuiApplication::primaryScreen()->geometry().height();
}

TRect TScreen::WorkAreaRect() const {
    QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return Bounds(area.x(), area.y(), area.width(), area.height());
}

void TScreen::RemoveForm(TForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}
