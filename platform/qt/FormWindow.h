#pragma once

#include <QWidget>

class TForm;

// The top-level window of a form: it holds the menu bar and the client area
// and tells the form about moves, resizes, state changes and close requests.
class TFormWindow : public QWidget {
public:
    explicit TFormWindow(TForm* form);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    TForm* FForm;
};
