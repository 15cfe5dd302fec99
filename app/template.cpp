#include "template.h"

#include "ClassRegistry.h"
#include "FormReader.h"
#include "MainMenu.h"
#include "MenuItem.h"
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
        b.Handler("Exit2Click", &TMainForm::Exit2Click);
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
