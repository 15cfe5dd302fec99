#pragma once

#include <QWidget>

class TWinControl;

// The window of a painted control: it hands paints and mouse input to the control.
class TWinWidget : public QWidget {
public:
    explicit TWinWidget(TWinControl* control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TWinControl* FControl;
};
