#include "Application.h"
#include "CustomPanel.h"
#include "Form.h"
#include "GraphicControl.h"
#include "TestSupport.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using TNoticeLog = std::vector<String>;

// Writes every enter and leave notice it hears into a log, as
// "Receiver enter" or "Receiver leave from Origin" when relayed from a child.
template <class TBase>
class TListening : public TBase {
public:
    TListening(TComponent* owner, const String& name, TNoticeLog& log)
        : TBase(owner)
        , FLog(log) {
        this->SetName(name);
    }

    void WndProc(TMessage& message) override {
        if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
            String entry = this->Name() + (message.Msg == CM_MOUSEENTER ? " enter" : " leave");
            if (message.WParam != 0)
                entry += " with WParam " + std::to_string(message.WParam);
            if (auto* origin = reinterpret_cast<TControl*>(message.LParam))
                entry += " from " + origin->Name();
            FLog.push_back(entry);
        }
        TBase::WndProc(message);
    }

private:
    TNoticeLog& FLog;
};

class MouseNoticeTest : public testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TListening<TForm>>(nullptr, "Form1", Log);
        Form->SetBounds(0, 0, 400, 300);
        Panel = new TListening<TCustomPanel>(Form.get(), "Panel1", Log);
        Panel->SetParent(Form.get());
        Panel->SetBounds(20, 20, 200, 150);
        Shape = new TListening<TGraphicControl>(Form.get(), "Shape1", Log);
        Shape->SetParent(Panel);
        Shape->SetBounds(50, 40, 60, 50);
        ShowAndWait(Form.get());
    }

    TNoticeLog Log;
    std::unique_ptr<TForm> Form;
    TCustomPanel* Panel = nullptr;
    TGraphicControl* Shape = nullptr;
};

TEST_F(MouseNoticeTest, PointerMovesSendLeaveToTheOldControlThenEnterToTheNew) {
    struct Step {
        const char* Where;
        TControl* Control;
        TPoint Point;
        TControl* Under;
        TNoticeLog Notices;
    };
    const Step steps[] = {
        {"on the panel",
         Panel,
         {5, 5},
         Panel,
         {"Form1 leave", "Panel1 enter", "Form1 enter from Panel1"}},
        {"on the graphic child",
         Shape,
         {10, 10},
         Shape,
         {"Panel1 leave", "Form1 leave from Panel1", "Shape1 enter", "Panel1 enter from Shape1",
          "Form1 enter from Shape1"}},
        {"elsewhere on the child", Shape, {50, 40}, Shape, {}},
        {"straight onto the form",
         Form.get(),
         {300, 250},
         Form.get(),
         {"Shape1 leave", "Panel1 leave from Shape1", "Form1 leave from Shape1", "Form1 enter"}},
        {"back on the child",
         Shape,
         {30, 20},
         Shape,
         {"Form1 leave", "Shape1 enter", "Panel1 enter from Shape1", "Form1 enter from Shape1"}},
        {"off the child onto its panel",
         Panel,
         {150, 120},
         Panel,
         {"Shape1 leave", "Panel1 leave from Shape1", "Form1 leave from Shape1", "Panel1 enter",
          "Form1 enter from Panel1"}},
        {"off every window",
         Form.get(),
         {500, 450},
         nullptr,
         {"Panel1 leave", "Form1 leave from Panel1"}},
    };
    MovePointerTo(Form.get(), {300, 250});
    ASSERT_EQ(Application->MouseControl(), Form.get());
    for (const Step& step : steps) {
        Log.clear();
        MovePointerTo(step.Control, step.Point);
        EXPECT_EQ(Log, step.Notices) << step.Where;
        EXPECT_EQ(Application->MouseControl(), step.Under) << step.Where;
    }
}

TEST_F(MouseNoticeTest, ClickOnAGraphicChildReachesItOnce) {
    int shapeClicks = 0;
    int panelClicks = 0;
    Shape->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, Shape);
        ++shapeClicks;
    };
    Panel->OnClick = [&](TObject*) { ++panelClicks; };
    QWidget* widget = WidgetAt(Shape, {30, 25});
    ASSERT_NE(widget, nullptr);
    TPoint inside = PointIn(widget, Shape, {30, 25});
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(inside.X, inside.Y));
    Application->ProcessMessages();
    EXPECT_EQ(shapeClicks, 1);
    EXPECT_EQ(panelClicks, 0);

    // Pressed on the child and released beside it: no click for anyone.
    TPoint beside = PointIn(widget, Shape, {-20, 25});
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(inside.X, inside.Y));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(beside.X, beside.Y));
    Application->ProcessMessages();
    EXPECT_EQ(shapeClicks, 1);
    EXPECT_EQ(panelClicks, 0);
}

} // namespace
