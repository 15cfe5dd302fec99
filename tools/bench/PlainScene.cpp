#include "PlainScene.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include <utility>

PlainBoard::PlainBoard(BoardLooks looks, QWidget* parent)
    : QWidget(parent)
    , FLooks(std::move(looks)) {
    // Every pixel comes from the images: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PlainBoard::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // One rectangle at a time: clipped to a single rectangle, the images are
    // copied straight across; a clip of several rectangles would make Qt blend
    // them span by span.
    for (const QRect& rect : event->region()) {
        painter.setClipRect(rect);
        DrawBoard(painter);
    }
}

void PlainBoard::DrawBoard(QPainter& painter) const {
    painter.drawImage(0, 0, FLooks.Photo);
    for (const CircleLooks& circle : FLooks.Circles)
        painter.drawImage(circle.Place.topLeft(),
                          circle.Group == FLitGroup ? circle.Lit : circle.Idle);
}

void PlainBoard::mouseMoveEvent(QMouseEvent* event) {
    SetLitGroup(GroupAt(event->position().toPoint()));
}

void PlainBoard::leaveEvent(QEvent*) {
    SetLitGroup(-1);
}

int PlainBoard::GroupAt(QPoint point) const {
    for (auto it = FLooks.Circles.rbegin(); it != FLooks.Circles.rend(); ++it)
        if (it->Place.contains(point))
            return it->Group;
    return -1;
}

void PlainBoard::SetLitGroup(int group) {
    if (group == FLitGroup)
        return;
    UpdateGroup(FLitGroup);
    FLitGroup = group;
    UpdateGroup(FLitGroup);
    if (OnLitGroupChanged)
        OnLitGroupChanged(group);
}

void PlainBoard::UpdateGroup(int group) {
    for (const CircleLooks& circle : FLooks.Circles)
        if (circle.Group == group)
            update(circle.Place);
}

namespace {

// The popup's controls at the places the settings program's range popup has
// them, for a client area of 240 x 197.
void AddPanel(QWidget* popup, const PopupLooks& looks) {
    auto* choices = new QComboBox(popup);
    choices->addItems(looks.Choices);
    choices->setGeometry(17, 32, 131, 21);
    QPixmap drawing(69, 43);
    drawing.fill(Qt::lightGray);
    auto* picture = new QLabel(popup);
    picture->setPixmap(drawing);
    picture->setGeometry(160, 16, 69, 43);
    const int labelLefts[] = {168, 183, 199, 215};
    for (int i = 0; i < 4; ++i)
        (new QLabel(QString::number(i + 1), popup))->setGeometry(labelLefts[i], 60, 6, 13);
}

void AddText(QWidget* popup, const PopupLooks& looks) {
    auto* text = new QPlainTextEdit(looks.Lines.join('\n'), popup);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setGeometry(6, 89, 228, 58);
}

void AddButtonsAndStatus(QWidget* popup) {
    (new QPushButton("Previous", popup))->setGeometry(6, 153, 58, 25);
    (new QPushButton("Next", popup))->setGeometry(91, 153, 58, 25);
    (new QPushButton("Done", popup))->setGeometry(176, 153, 58, 25);
    (new QStatusBar(popup))->setGeometry(0, 178, 240, 19);
}

} // namespace

PlainPopup::PlainPopup(const PopupLooks& looks)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(looks.Title);
    AddPanel(this, looks);
    AddText(this, looks);
    AddButtonsAndStatus(this);
    resize(looks.Size);
}

PlainScene::PlainScene(const BoardLooks& looks, const WindowLayout& layout,
                       std::function<PopupLooks()> popupLooks)
    : FWindow(std::make_unique<QWidget>())
    , FPopupLooks(std::move(popupLooks)) {
    FWindow->setWindowTitle("Plain board");
    FWindow->resize(layout.WindowSize);
    FWindow->move(QGuiApplication::primaryScreen()->geometry().right() + 1, 0);
    FBoard = new PlainBoard(looks, FWindow.get());
    FBoard->setGeometry(layout.BoardPlace);
    FBoard->OnLitGroupChanged = [this](int group) { ShowPopupFor(group); };
    FPaints = new PaintCounter(FBoard);
    ShowAndWait(FWindow.get());
}

PlainScene::~PlainScene() {
    // The board's last notices, while the window goes, reach no popup.
    FBoard->OnLitGroupChanged = nullptr;
}

void PlainScene::SetPopups(bool open) {
    FPopups = open;
    if (open && !FPopup)
        BuildPopup();
}

void PlainScene::BuildPopup() {
    PopupLooks looks = FPopupLooks();
    FPopup = std::make_unique<PlainPopup>(looks);
    FPopup->move(FWindow->pos() + looks.Offset);
    FPopupGroup = looks.Group;
}

void PlainScene::ShowPopupFor(int group) {
    if (!FPopup)
        return;
    if (FPopups && group == FPopupGroup)
        FPopup->show();
    else
        FPopup->hide();
}
