#include "template.h"

#include "ClassRegistry.h"
#include "ComboBox.h"
#include "FormReader.h"
#include "LLORVDRV.h"
#include "Label.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "RadioButton.h"
#include "Resources.h"
#include "SetupCtrls.h"

TMainForm* MainForm = nullptr;

const TFormBindings& TMainForm::Bindings() {
    static const TFormBindings bindings = [] {
        TFormBindings b;
        b.Field("MainMenu1", &TMainForm::MainMenu1);
        b.Field("File1", &TMainForm::File1);
        b.Field("Help1", &TMainForm::Help1);
        b.Field("Howtousethisprogram1", &TMainForm::Howtousethisprogram1);
        b.Field("Exit2", &TMainForm::Exit2);
        b.Field("TechnicalSupport1", &TMainForm::TechnicalSupport1);
        b.Field("BoardImage1", &TMainForm::BoardImage1);
        b.Field("RangePanel", &TMainForm::RangePanel);
        b.Field("RangeHighlight2", &TMainForm::RangeHighlight2);
        b.Field("RangeHighlight1", &TMainForm::RangeHighlight1);
        b.Field("HighLevelHighlight", &TMainForm::HighLevelHighlight);
        b.Field("HighLevelPanel", &TMainForm::HighLevelPanel);
        b.Field("Label21", &TMainForm::Label21);
        b.Field("RangeDips", &TMainForm::RangeDips);
        b.Field("Label1", &TMainForm::Label1);
        b.Field("Label2", &TMainForm::Label2);
        b.Field("Label4", &TMainForm::Label4);
        b.Field("RangeBox", &TMainForm::RangeBox);
        b.Field("HighLevel5Radio", &TMainForm::HighLevel5Radio);
        b.Field("HighLevel33Radio", &TMainForm::HighLevel33Radio);
        b.Field("HighLevelJumper", &TMainForm::HighLevelJumper);
        b.Handler("Exit2Click", &TMainForm::Exit2Click);
        b.Handler("RangeBoxChange", &TMainForm::RangeBoxChange);
        b.Handler("RangePanelEnter", &TMainForm::RangePanelEnter);
        b.Handler("HighLevelRadioClick", &TMainForm::HighLevelRadioClick);
        b.Handler("HighLevelJumperClick", &TMainForm::HighLevelJumperClick);
        return b;
    }();
    return bindings;
}

TMainForm::TMainForm(TComponent* owner)
    : TForm(owner) {
    RegisterSetupControls();
    TClassRegistry::Instance().Register<TMainForm>("TMainForm");
    TFormReader(*this, Bindings(), "template.dfm").Read(LoadResourceText(":/forms/template.dfm"));
}

void TMainForm::Exit2Click(TObject*) {
    Close();
}

namespace {

// The switch pattern of each output range, in the order of the range list:
// lever 1 first, "1" for a lever at ON. Lever 1 marks the bipolar ranges,
// lever 4 the current range; levers 2 and 3 give the voltage span.
constexpr const char* RangePatterns[] = {
    "0110", // 0-2.5V (unipolar)
    "0000", // 0-5V (unipolar)
    "0010", // 0-10V (unipolar)
    "1110", // ±2.5V (bipolar)
    "1000", // ±5V (bipolar)
    "1010", // ±10V (bipolar)
    "0001", // 4-20mA (current)
};

} // namespace

void TMainForm::RangeBoxChange(TObject*) {
    int index = RangeBox->ItemIndex();
    bool known = index >= 0 && index < int(std::size(RangePatterns));
    // An empty pattern leaves the switch as it is.
    RangeDips->SetBinaryValueStr(known ? RangePatterns[index] : "");
}

// The list and the drawing never disagree: selecting the first range from
// code raises no change event, so its pattern is shown here too.
void TMainForm::RangePanelEnter(TObject* Sender) {
    RangeBox->SetItemIndex(0);
    RangeBoxChange(Sender);
}

void TMainForm::HighLevelRadioClick(TObject*) {
    HighLevelJumper->SetJumperState(HighLevel5Radio->Checked() ? jsRight : jsLeft);
}

void TMainForm::HighLevelJumperClick(TObject*) {
    if (HighLevelJumper->JumperState() == jsRight)
        HighLevel5Radio->SetChecked(true);
    else
        HighLevel33Radio->SetChecked(true);
}

namespace {

// The models of the family by PCI device ID; empty for any other card.
String ModelName(std::int32_t deviceID) {
    switch (deviceID) {
    case 0x48A8:
        return "KQ-210";
    case 0x48B0:
        return "KQ-220";
    case 0x48E8:
        return "KQ-310";
    case 0x48F0:
        return "KQ-320";
    default:
        return "";
    }
}

// Upper-case hexadecimal, at least four digits. The address is unsigned, so
// one with the top bit set shows all eight digits and never a sign.
String BaseAddressText(std::uint32_t address) {
    String digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[address & 0xF]);
        address >>= 4;
    } while (address != 0 || digits.size() < 4);
    return digits;
}

} // namespace

String TMainForm::SetSupGetCardString(TObject*, int CardIndex) {
    // Without the driver library there is nothing to ask.
    if (QueryCardInfo == nullptr)
        return "";
    std::int32_t deviceID = 0;
    std::uint32_t baseAddress = 0;
    if (QueryCardInfo(CardIndex, &deviceID, &baseAddress, nullptr, nullptr) == 0)
        return "";
    const String model = ModelName(deviceID);
    if (model.empty())
        return "";
    return model + "\r\nD/A Base Address: " + BaseAddressText(baseAddress);
}
