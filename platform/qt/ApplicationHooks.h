#pragma once

#include <QObject>

class TApplication;

// Watches the toolkit for the application: pointer movement anywhere in the
// program, and the moments when the message loop runs out of events.
class TApplicationHooks : public QObject {
public:
    explicit TApplicationHooks(TApplication* application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TApplication* FApplication;
};
