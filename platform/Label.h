#pragma once

#include "GraphicControl.h"

// A line of text drawn by its parent; it keeps the size the description gives it.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    String ClassName() const override { return "TLabel"; }
    static void DefineProperties(TPropertyTable& table);

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);

protected:
    void Paint() override;

private:
    String FCaption;
};
