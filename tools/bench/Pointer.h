#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QWidget;

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget);
    int Count() const { return FCount; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int FCount = 0;
};

// Handles every event the toolkit has waiting, posted and from the window
// system, and whatever those set off in turn, without waiting for more.
void HandlePendingEvents();

// Moves the pointer to a point of a widget (the widget's coordinates) and
// handles everything the move sets off: enter and leave notices, repaints,
// windows opening or closing.
void MovePointer(QWidget* widget, QPoint local);

// Shows a top-level window and waits until it is exposed and painted; throws
// when it never is.
void ShowAndWait(QWidget* window);

// The visible top-level window with the given title, or nullptr.
QWidget* WindowTitled(const QString& title);
