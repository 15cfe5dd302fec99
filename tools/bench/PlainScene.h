#pragma once

#include "BoardScene.h"
#include "Pointer.h"

#include <QWidget>

class QPainter;

#include <functional>
#include <memory>

// The cheapest Qt widget that shows the board: it draws the photograph and
// each circle's ready image with QPainter::drawImage, and lights a group of
// circles by swapping their images when the pointer moves onto one of them.
class PlainBoard : public QWidget {
public:
    PlainBoard(BoardLooks looks, QWidget* parent);

    int LitGroup() const { return FLitGroup; }
    // Called when the lit group changes; -1 when none is lit.
    std::function<void(int group)> OnLitGroupChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The group of the topmost circle at the point, or -1.
    int GroupAt(QPoint point) const;
    void SetLitGroup(int group);
    void DrawBoard(QPainter& painter) const;
    void UpdateGroup(int group);

    BoardLooks FLooks;
    int FLitGroup = -1;
};

// The cheapest Qt window like a circle's popup: a tool window that stays on
// top, with a drop-down list, a drawing and its labels, a read-only text box,
// three buttons and a status bar.
class PlainPopup : public QWidget {
public:
    explicit PlainPopup(const PopupLooks& looks);
};

// A plain top-level window of the main window's size holding a PlainBoard
// where the main window holds its board image. It stands beside the screen,
// so that no other window covers it and the pointer reaches it alone.
class PlainScene : public BoardScene {
public:
    // The popup is made the first time popups are switched on, from what
    // popupLooks then says.
    PlainScene(const BoardLooks& looks, const WindowLayout& layout,
               std::function<PopupLooks()> popupLooks);
    ~PlainScene() override;
    PlainScene(const PlainScene&) = delete;
    PlainScene& operator=(const PlainScene&) = delete;

    QWidget* Board() const override { return FBoard; }
    int BoardPaints() const override { return FPaints->Count(); }
    int LitGroup() const override { return FBoard->LitGroup(); }
    bool PopupShown() const override { return FPopup && FPopup->isVisible(); }
    bool PopupBuilt() const override { return FPopup != nullptr; }
    void SetPopups(bool open) override;

private:
    void BuildPopup();
    void ShowPopupFor(int group);

    std::unique_ptr<QWidget> FWindow;
    std::unique_ptr<PlainPopup> FPopup;
    std::function<PopupLooks()> FPopupLooks;
    PlainBoard* FBoard = nullptr;    // owned by the window
    PaintCounter* FPaints = nullptr; // owned by the board
    int FPopupGroup = -1;
    bool FPopups = false;
};
