#include "StatusBar.h"

#include <QLabel>
#include <QStatusBar>

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner, new QStatusBar()) {
    SetBounds(0, 0, 185, 19);
}

int TStatusBar::AddPanel(const TStatusPanel& panel) {
    FPanels.push_back(panel);
    auto* label = new QLabel();
    static_cast<QStatusBar*>(Widget())->addWidget(label, 1);
    FLabels.push_back(label);
    ShowPanel(PanelCount() - 1);
    return PanelCount() - 1;
}

void TStatusBar::SetPanelText(int index, const String& text) {
    FPanels.at(index).Text = text;
    ShowPanel(index);
}

void TStatusBar::ShowPanel(int index) {
    QLabel* label = FLabels.at(index);
    const TStatusPanel& panel = FPanels[index];
    label->setText(QString::fromStdString(panel.Text));
    switch (panel.Bevel) {
    case pbNone:
        label->setFrameStyle(QFrame::NoFrame);
        break;
    case pbLowered:
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case pbRaised:
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
}
