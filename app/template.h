#pragma once

#include "Form.h"
#include "FormBindings.h"

class TBoardHighlight;
class TComboBox;
class TDipSwitch;
class TLabel;
class TRadioButton;
class TThreeJumper;
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
    TLabel* Label21 = nullptr;
    TDipSwitch* RangeDips = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* RangeBox = nullptr;
    TRadioButton* HighLevel5Radio = nullptr;
    TRadioButton* HighLevel33Radio = nullptr;
    TThreeJumper* HighLevelJumper = nullptr;

    void Exit2Click(TObject* Sender);
    // The range list sets the drawn switch to the chosen range's pattern.
    void RangeBoxChange(TObject* Sender);
    // Entering the range panel selects the first range and shows its pattern.
    void RangePanelEnter(TObject* Sender);
    // The radio buttons and the drawn jumper follow each other.
    void HighLevelRadioClick(TObject* Sender);
    void HighLevelJumperClick(TObject* Sender);

private:
    static const TFormBindings& Bindings();

public:
    // The installed-cards window's text for one card: its model, a line break
    // and its base address; empty for a card of another kind or one the
    // driver library cannot describe.
    String SetSupGetCardString(TObject* Sender, int CardIndex);
};

extern TMainForm* MainForm;
