#pragma once

#include "Form.h"
#include "FormBindings.h"

class TBoardHighlight;
class TBoardImage;
class TMainMenu;
class TMenuItem;
class TRadioPanel;

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
    TRadioPanel* RangePanel = nullptr;
    TBoardHighlight* RangeHighlight2 = nullptr;
    TBoardHighlight* RangeHighlight1 = nullptr;
    TBoardHighlight* HighLevelHighlight = nullptr;
    TRadioPanel* HighLevelPanel = nullptr;

    void Exit2Click(TObject* Sender);

private:
    static const TFormBindings& Bindings();

public:
    // The installed-cards window's text for one card: its model, a line break
    // and its base address; empty for a card of another kind or one the
    // driver library cannot describe.
    String SetSupGetCardString(TObject* Sender, int CardIndex);
};

extern TMainForm* MainForm;
