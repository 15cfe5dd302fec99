#pragma once

#include "BoardScene.h"
#include "Pointer.h"

#include <vector>

class TBoardHighlight;

// The settings program's real main window, made from its stored description
// and shown; the pointer reaches its board image as a person's would.
class SettingsScene : public BoardScene {
public:
    // Needs the running application; creates and shows the main window.
    SettingsScene();
    ~SettingsScene() override;
    SettingsScene(const SettingsScene&) = delete;
    SettingsScene& operator=(const SettingsScene&) = delete;

    QWidget* Board() const override { return FBoard; }
    int BoardPaints() const override { return FPaints->Count(); }
    int LitGroup() const override;
    bool PopupShown() const override;
    bool PopupBuilt() const override;
    void SetPopups(bool open) override;

    // The first range circle's middle and the spot between the circles that
    // the scenario tests move to.
    HoverPath RangePath() const;
    WindowLayout Layout() const;
    // The photograph and the circles' idle and lit looks, as the circles
    // built them at their first paint.
    BoardLooks Looks() const;
    // Opens the range circles' popup once, as the pointer would, to see where
    // it opens and what it holds.
    PopupLooks RangePopupLooks();

private:
    std::vector<TBoardHighlight*> Highlights() const;
    // Which group a circle belongs to: linked circles share one.
    int GroupOf(const TBoardHighlight* highlight) const;

    QWidget* FBoard = nullptr;
    PaintCounter* FPaints = nullptr; // owned by the board's widget
};
