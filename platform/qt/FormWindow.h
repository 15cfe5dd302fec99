#pragma once

#include <QPointer>
#include <QWidget>

class TForm;

// The top-level window of a form: it holds the menu bar and the client area
// and tells the form about moves, resizes, state changes and close requests.
class TFormWindow : public QWidget {
public:
    explicit TFormWindow(TForm* form);

    // The widget of this window that last had the keyboard focus: a form
    // keeps its focused control while another form is active.
    QPointer<QWidget> LastFocus;
    // The form is going: notices from here on are not passed to it.
    void Detach();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Runs a handler of the form, unless the form has gone.
    void Notify(void (TForm::*handler)());

    TForm* FForm;
};
