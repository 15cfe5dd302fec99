#include "SettingsScene.h"

#include "Application.h"
#include "Bitmap.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "Canvas.h"
#include "ComboBox.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "template.h"

#include <QApplication>
#include <QWidget>

#include <cstring>
#include <stdexcept>

namespace {

QImage ImageOf(const TBitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(image.scanLine(y), bitmap.ScanLine(y), std::size_t(4) * bitmap.Width());
    return image;
}

// The photograph as the board image draws it into its whole client area.
QImage PhotoOf(TBoardImage* image) {
    TBitmap photo;
    photo.SetSize(image->Width(), image->Height());
    if (TGraphic* graphic = image->Picture().Graphic())
        photo.Canvas().StretchDraw(image->PictureRect(), *graphic);
    return ImageOf(photo);
}

QStringList ToStringList(const TStrings& strings) {
    QStringList list;
    for (const String& line : strings.Lines())
        list.append(QString::fromStdString(line));
    return list;
}

QPoint ToQPoint(TPoint point) {
    return {point.X, point.Y};
}

// The board image's own widget: the one under the middle of the image.
QWidget* BoardWidgetOf(TBoardImage* image) {
    TPoint middle = image->ClientToScreen({image->Width() / 2, image->Height() / 2});
    QWidget* widget = QApplication::widgetAt(ToQPoint(middle));
    if (!widget || widget->size() != QSize(image->Width(), image->Height()))
        throw std::runtime_error("the board image's widget was not found under its middle");
    return widget;
}

} // namespace

SettingsScene::SettingsScene() {
    Application->CreateForm(MainForm);
    MainForm->Show();
    QWidget* window = WindowTitled(QString::fromStdString(MainForm->Caption()));
    if (!window)
        throw std::runtime_error("the main window did not open");
    ShowAndWait(window);
    FBoard = BoardWidgetOf(MainForm->BoardImage1);
    FPaints = new PaintCounter(FBoard);
}

SettingsScene::~SettingsScene() {
    delete MainForm;
    MainForm = nullptr;
}

std::vector<TBoardHighlight*> SettingsScene::Highlights() const {
    std::vector<TBoardHighlight*> highlights;
    TBoardImage* image = MainForm->BoardImage1;
    for (int i = 0; i < image->ControlCount(); ++i)
        if (auto* highlight = dynamic_cast<TBoardHighlight*>(image->Controls(i)))
            highlights.push_back(highlight);
    return highlights;
}

int SettingsScene::GroupOf(const TBoardHighlight* highlight) const {
    // Linked circles share a title and a kind. The groups are numbered by
    // fixed circles, as painting may reorder the board's children: the range
    // circles are 0, the high level circle 1.
    const TBoardHighlight* groups[] = {MainForm->RangeHighlight1, MainForm->HighLevelHighlight};
    for (int group = 0; group < 2; ++group)
        if (highlight->Title() == groups[group]->Title() &&
            highlight->HighlightType() == groups[group]->HighlightType())
            return group;
    return 2;
}

int SettingsScene::LitGroup() const {
    for (TBoardHighlight* highlight : Highlights())
        if (highlight->Lit())
            return GroupOf(highlight);
    return -1;
}

bool SettingsScene::PopupShown() const {
    for (TBoardHighlight* highlight : Highlights())
        if (highlight->Popup() && highlight->Popup()->Visible())
            return true;
    return false;
}

bool SettingsScene::PopupBuilt() const {
    for (TBoardHighlight* highlight : Highlights())
        if (highlight->Popup())
            return true;
    return false;
}

void SettingsScene::SetPopups(bool open) {
    for (TBoardHighlight* highlight : Highlights())
        highlight->SetCreatePopup(open);
}

HoverPath SettingsScene::RangePath() const {
    TBoardHighlight* circle = MainForm->RangeHighlight1;
    return {QPoint(circle->Left() + circle->Width() / 2, circle->Top() + circle->Height() / 2),
            QPoint(330, 60), GroupOf(circle)};
}

WindowLayout SettingsScene::Layout() const {
    return {FBoard->window()->size(),
            QRect(FBoard->mapTo(FBoard->window(), QPoint(0, 0)), FBoard->size())};
}

BoardLooks SettingsScene::Looks() const {
    BoardLooks looks{PhotoOf(MainForm->BoardImage1), {}};
    for (TBoardHighlight* highlight : Highlights()) {
        TRect place = highlight->BoundsRect();
        looks.Circles.push_back({QRect(place.Left, place.Top, place.Width(), place.Height()),
                                 ImageOf(highlight->IdleImage()), ImageOf(highlight->LitImage()),
                                 GroupOf(highlight)});
    }
    return looks;
}

PopupLooks SettingsScene::RangePopupLooks() {
    HoverPath path = RangePath();
    SetPopups(true);
    MovePointer(FBoard, path.OnCircle);
    TPopupForm* popup = MainForm->RangeHighlight1->Popup();
    if (!popup)
        popup = MainForm->RangeHighlight2->Popup();
    QWidget* window = popup ? WindowTitled(QString::fromStdString(popup->Caption())) : nullptr;
    if (!window)
        throw std::runtime_error("the range circles' popup did not open");
    PopupLooks looks{path.Group,
                     window->windowTitle(),
                     window->pos() - FBoard->window()->pos(),
                     window->size(),
                     ToStringList(MainForm->RangePanel->Lines()),
                     ToStringList(MainForm->RangeBox->Items())};
    MovePointer(FBoard, path.Away);
    return looks;
}
