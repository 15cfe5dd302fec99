#pragma once

#include "Strings.h"
#include "WinControl.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A box of several lines of text; read-only for showing explanations.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    String ClassName() const override { return "TMemo"; }
    static void DefineProperties(TPropertyTable& table);

    // The text, a line each; changes show at once.
    TStrings& Lines() { return FLines; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);

private:
    void ShowLines();

    TStrings FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
};
