#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Watches every event of the application and, once a widget of the window with
// the given title has been painted, asks the program to quit. The quit request
// is posted, so the frame that paint belongs to is finished and shown first.
class QuitAfterFirstPaint : public QObject {
public:
    // Installs itself on the running application, which also owns it.
    QuitAfterFirstPaint(QString windowTitle, std::function<void()> quit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool PaintsTheWindow(QObject* watched, QEvent* event) const;

    QString FWindowTitle;
    std::function<void()> FQuit;
    bool FPainted = false;
};
