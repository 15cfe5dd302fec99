#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class TApplication;

// Watches the toolkit for the application: pointer movement anywhere in the
// program, the moments when the message loop runs out of events, the keyboard
// focus moving between controls, and the active window changing.
class TApplicationHooks : public QObject {
public:
    explicit TApplicationHooks(TApplication* application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusMoved(QWidget* now);
    void ActiveWindowChanged();

    TApplication* FApplication;
    QPointer<QWidget> FActiveWindow;
};
