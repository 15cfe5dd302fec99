#include "TestSupport.h"

#include "Application.h"
#include "Control.h"
#include "Form.h"
#include "qt/WidgetBinding.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>

testing::AssertionResult ReportsLineAndFault(const String& message, int line,
                                             const String& detail) {
    String where = "test.dfm line " + std::to_string(line) + ": ";
    if (message.compare(0, where.size(), where) != 0)
        return testing::AssertionFailure()
               << "\"" << message << "\" does not begin \"" << where << "\"";
    if (message.find(detail) == String::npos)
        return testing::AssertionFailure()
               << "\"" << message << "\" does not mention \"" << detail << "\"";
    return testing::AssertionSuccess();
}

QWidget* WindowOf(TForm* form) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!widget->parentWidget() && ControlOfWidget(widget) == form) // not a menu's popup
            return widget;
    return nullptr;
}

void ShowAndWait(TForm* form) {
    form->Show();
    QWidget* window = WindowOf(form);
    if (window && !QTest::qWaitForWindowExposed(window))
        throw std::runtime_error("the window was never exposed");
    Application->ProcessMessages();
}

QWidget* WidgetAt(TControl* control, TPoint point) {
    TPoint global = control->ClientToScreen(point);
    return QApplication::widgetAt(QPoint(global.X, global.Y));
}

TPoint PointIn(QWidget* widget, TControl* control, TPoint point) {
    TPoint global = control->ClientToScreen(point);
    QPoint local = widget->mapFromGlobal(QPoint(global.X, global.Y));
    return {local.x(), local.y()};
}

void ClickOn(TControl* control, TPoint point) {
    QWidget* widget = WidgetAt(control, point);
    if (!widget)
        throw std::runtime_error("nothing to click there");
    TPoint local = PointIn(widget, control, point);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(local.X, local.Y));
    Application->ProcessMessages();
}

void MovePointerTo(TControl* control, TPoint point) {
    TPoint global = control->ClientToScreen(point);
    QCursor::setPos(global.X, global.Y);
    Application->ProcessMessages();
}
