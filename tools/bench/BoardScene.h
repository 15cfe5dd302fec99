#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

// One highlight circle as the plain program draws it: its place on the board
// and its idle and lit looks, each a finished image of that place with the
// ring already blended into the photograph. Circles of one group light together.
struct CircleLooks {
    QRect Place;
    QImage Idle;
    QImage Lit;
    int Group = 0;
};

// Everything the board shows, as ready images: the photograph and the circles
// in painting order, later ones above earlier ones.
struct BoardLooks {
    QImage Photo;
    std::vector<CircleLooks> Circles;
};

// Where the board sits in its window and how big that window is.
struct WindowLayout {
    QSize WindowSize;
    QRect BoardPlace;
};

// The popup of one group of circles: its window's place relative to the main
// window, its caption and what it holds.
struct PopupLooks {
    int Group = 0;
    QString Title;
    QPoint Offset;
    QSize Size;
    QStringList Lines;
    QStringList Choices;
};

// The two points of the board the pointer moves between, in the board's own
// coordinates: the middle of a circle and a spot of bare photograph.
struct HoverPath {
    QPoint OnCircle;
    QPoint Away;
    int Group = 0;
};

// A program's main window with the board photograph and its circles, shown,
// as the benchmarks drive it.
class BoardScene {
public:
    virtual ~BoardScene() = default;

    // The widget that paints the photograph and the circles.
    virtual QWidget* Board() const = 0;
    // The paint events the board's widget has had so far.
    virtual int BoardPaints() const = 0;
    // The group of circles showing their lit look, or -1.
    virtual int LitGroup() const = 0;
    virtual bool PopupShown() const = 0;
    // Whether a popup has been built, shown or not.
    virtual bool PopupBuilt() const = 0;
    // Whether entering a circle opens its popup.
    virtual void SetPopups(bool open) = 0;
};
