#include "CustomPanel.h"
#include "GraphicControl.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ControlLayoutTest : public testing::Test {
protected:
    void SetUp() override { NewParent(); }

    // A fresh 200 x 100 parent panel.
    void NewParent() {
        Parent = std::make_unique<TCustomPanel>(nullptr);
        Parent->SetBounds(0, 0, 200, 100);
    }

    TCustomPanel* AddPanel(const TRect& bounds) {
        auto* panel = new TCustomPanel(Parent.get());
        panel->SetParent(Parent.get());
        panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return panel;
    }

    std::unique_ptr<TCustomPanel> Parent;
};

TEST_F(ControlLayoutTest, AnchorsFollowTheParentsResize) {
    struct Case {
        TAnchors Anchors;
        TRect Grown; // after the parent grows from 200 x 100 to 300 x 160
    };
    // The child starts at Bounds(20, 10, 40, 30): its centre is at (40, 25).
    const Case cases[] = {
        {akLeft | akTop, Bounds(20, 10, 40, 30)},
        {akLeft | akRight | akTop, Bounds(20, 10, 140, 30)},
        {akRight | akTop, Bounds(120, 10, 40, 30)},
        {akTop, Bounds(40, 10, 40, 30)}, // centre 40 -> 60 of 300
        {akLeft | akTop | akBottom, Bounds(20, 10, 40, 90)},
        {akLeft | akBottom, Bounds(20, 70, 40, 30)},
        {akLeft, Bounds(20, 25, 40, 30)}, // centre 25 -> 40 of 160
        {akRight | akBottom, Bounds(120, 70, 40, 30)},
        {akLeft | akTop | akRight | akBottom, Bounds(20, 10, 140, 90)},
        {0, Bounds(40, 25, 40, 30)},
    };
    for (const Case& c : cases) {
        NewParent();
        TCustomPanel* child = AddPanel(Bounds(20, 10, 40, 30));
        child->SetAnchors(c.Anchors);
        Parent->SetBounds(0, 0, 300, 160);
        EXPECT_EQ(child->BoundsRect(), c.Grown) << "anchors " << c.Anchors;
        // The rules keep to the first place: growing and shrinking back does
        // not drift.
        Parent->SetBounds(0, 0, 250, 130);
        Parent->SetBounds(0, 0, 200, 100);
        EXPECT_EQ(child->BoundsRect(), Bounds(20, 10, 40, 30)) << "anchors " << c.Anchors;
    }
}

TEST_F(ControlLayoutTest, MovingAnAnchoredChildMakesItsNewPlaceTheReference) {
    TCustomPanel* child = AddPanel(Bounds(20, 10, 40, 30));
    child->SetAnchors(akRight | akTop);
    Parent->SetBounds(0, 0, 300, 100);
    child->SetBounds(200, 10, 40, 30); // 60 from the right edge now
    Parent->SetBounds(0, 0, 400, 100);
    EXPECT_EQ(child->BoundsRect(), Bounds(300, 10, 40, 30));
}

TEST_F(ControlLayoutTest, AlignPlacesChildrenAlongTheEdgesAndTheRestToTheClient) {
    TCustomPanel* client = AddPanel(Bounds(0, 0, 5, 5));
    client->SetAlign(alClient);
    TCustomPanel* right = AddPanel(Bounds(0, 0, 40, 5));
    right->SetAlign(alRight);
    TCustomPanel* left = AddPanel(Bounds(0, 0, 30, 5));
    left->SetAlign(alLeft);
    TCustomPanel* bottom = AddPanel(Bounds(0, 0, 5, 20));
    bottom->SetAlign(alBottom);
    TCustomPanel* top = AddPanel(Bounds(0, 0, 5, 10));
    top->SetAlign(alTop);

    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 200, 10));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 80, 200, 20));
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 10, 30, 70));
    EXPECT_EQ(right->BoundsRect(), Bounds(160, 10, 40, 70));
    EXPECT_EQ(client->BoundsRect(), Bounds(30, 10, 130, 70));

    Parent->SetBounds(0, 0, 300, 150);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 10));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 130, 300, 20));
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 10, 30, 120));
    EXPECT_EQ(right->BoundsRect(), Bounds(260, 10, 40, 120));
    EXPECT_EQ(client->BoundsRect(), Bounds(30, 10, 230, 120));

    // A hidden aligned control gives its room back.
    top->Hide();
    EXPECT_EQ(client->BoundsRect(), Bounds(30, 0, 230, 130));
}

TEST_F(ControlLayoutTest, BringToFrontMovesTheControlToTheEndOfTheList) {
    TCustomPanel* a = AddPanel(Bounds(0, 0, 50, 50));
    auto* b = new TGraphicControl(Parent.get());
    b->SetParent(Parent.get());
    b->SetBounds(10, 10, 50, 50);
    TCustomPanel* c = AddPanel(Bounds(100, 0, 50, 50));

    EXPECT_EQ(Parent->ControlAtPos({20, 20}, false), b);
    a->BringToFront();
    EXPECT_EQ(Parent->Controls(0), b);
    EXPECT_EQ(Parent->Controls(1), c);
    EXPECT_EQ(Parent->Controls(2), a);
    EXPECT_EQ(Parent->ControlAtPos({20, 20}, false), a);
    b->BringToFront();
    EXPECT_EQ(Parent->Controls(2), b);
    EXPECT_EQ(Parent->ControlAtPos({20, 20}, false), b);
}

// Answers a message of its own by number and records what it heard.
class TMessageControl : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    static constexpr unsigned WM_SHOWRANGE = WM_USER + 162;
    std::vector<unsigned> Heard;

    void WndProc(TMessage& message) override {
        Heard.push_back(message.Msg);
        if (message.Msg == WM_SHOWRANGE) {
            message.Result = message.WParam * 10 + message.LParam;
            return;
        }
        TGraphicControl::WndProc(message);
    }
};

TEST_F(ControlLayoutTest, PerformReachesTheOverriddenWndProcAtOnce) {
    static_assert(TMessageControl::WM_SHOWRANGE == 1186);
    TMessageControl control(nullptr);
    EXPECT_EQ(control.Perform(TMessageControl::WM_SHOWRANGE, 4, 2), 42);
    EXPECT_EQ(control.Perform(CM_MOUSEENTER, 0, 0), 0);
    EXPECT_EQ(control.Heard, (std::vector<unsigned>{TMessageControl::WM_SHOWRANGE, CM_MOUSEENTER}));
}

TEST_F(ControlLayoutTest, ConstraintsClipEveryNewSize) {
    struct Case {
        int Width, Height, ExpectedWidth, ExpectedHeight;
    };
    const Case cases[] = {
        {10, 10, 50, 20},
        {200, 200, 100, 60},
        {70, 30, 70, 30},
        {50, 60, 50, 60},
    };
    TCustomPanel* child = AddPanel(Bounds(0, 0, 70, 30));
    child->SetConstraints({50, 20, 100, 60});
    for (const Case& c : cases) {
        child->SetBounds(5, 6, c.Width, c.Height);
        EXPECT_EQ(child->BoundsRect(), Bounds(5, 6, c.ExpectedWidth, c.ExpectedHeight))
            << c.Width << " x " << c.Height;
    }
    // New constraints apply to the present size at once.
    child->SetConstraints({0, 0, 40, 0});
    EXPECT_EQ(child->BoundsRect(), Bounds(5, 6, 40, 60));
    // An aligned child is clipped too.
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), Bounds(0, 0, 40, 100));
}

// Proposes its own size whenever auto-size asks.
class TSelfSizingControl : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Asked = 0;
    bool Agree = true;

protected:
    bool CanAutoSize(int& newWidth, int& newHeight) override {
        ++Asked;
        newWidth = 77;
        newHeight = 33;
        return Agree;
    }
};

TEST_F(ControlLayoutTest, AutoSizeTakesTheSizeCanAutoSizeProposes) {
    auto* control = new TSelfSizingControl(Parent.get());
    control->SetParent(Parent.get());
    control->SetBounds(1, 2, 10, 10);
    EXPECT_EQ(control->Asked, 0); // not consulted while AutoSize is off
    EXPECT_EQ(control->BoundsRect(), Bounds(1, 2, 10, 10));

    control->SetAutoSize(true);
    EXPECT_EQ(control->BoundsRect(), Bounds(1, 2, 77, 33)); // at once
    control->SetBounds(3, 4, 10, 10);
    EXPECT_EQ(control->BoundsRect(), Bounds(3, 4, 77, 33));

    control->SetAlign(alTop); // the parent decides the width
    EXPECT_EQ(control->BoundsRect(), Bounds(0, 0, 200, 33));
    control->SetAlign(alNone);

    control->Agree = false;
    control->SetBounds(5, 6, 12, 13);
    EXPECT_EQ(control->BoundsRect(), Bounds(5, 6, 12, 13));
    EXPECT_GT(control->Asked, 0);
}

} // namespace
