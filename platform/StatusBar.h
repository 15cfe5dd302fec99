#pragma once

#include "WinControl.h"

#include <vector>

class QLabel;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
    String Text;
    TStatusPanelBevel Bevel = pbLowered;
};

// The strip of status panels along the bottom of a window.
class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    String ClassName() const override { return "TStatusBar"; }

    int PanelCount() const { return int(FPanels.size()); }
    const TStatusPanel& Panels(int index) const { return FPanels.at(index); }
    // Adds a panel at the right and returns its index.
    int AddPanel(const TStatusPanel& panel);
    void SetPanelText(int index, const String& text);

private:
    void ShowPanel(int index);

    std::vector<TStatusPanel> FPanels;
    std::vector<QLabel*> FLabels; // one a panel, owned by the bar's widget
};
