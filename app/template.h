#pragma once

#include "Form.h"
#include "FormBindings.h"

class TBoardImage;
class TMainMenu;
class TMenuItem;

// The main window: the photograph of the card under the program's menu. It is
// built from its stored description, compiled into the program.
class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);
    String ClassName() const override { return "TMainForm"; }

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;

    void Exit2Click(TObject* Sender);

private:
    static const TFormBindings& Bindings();
};

extern TMainForm* MainForm;
