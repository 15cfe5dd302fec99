#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "CustomPanel.h"
#include "Form.h"
#include "RadioButton.h"
#include "TestSupport.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ChoiceControlsTest : public testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
    }
    template <class T>
    T* Add(TWinControl* parent, int top) {
        auto* control = new T(Form.get());
        control->SetParent(parent);
        control->SetBounds(10, top, 150, 21);
        return control;
    }
    std::unique_ptr<TForm> Form;
};

TEST_F(ChoiceControlsTest, ListChangeFiresForTheUsersChoiceOnlyNeverFromCode) {
    auto* list = Add<TComboBox>(Form.get(), 10);
    list->SetStyle(csDropDownList);
    for (const char* item : {"one", "two", "three"})
        list->Items().Add(item);
    int changes = 0;
    list->OnChange = [&](TObject*) { ++changes; };
    ShowAndWait(Form.get());
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    QWidget* widget = WidgetAt(list, {10, 10});
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
    list->SetItemIndex(7); // outside the list: nothing selected
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ChoiceControlsTest, RadioButtonsOfOneParentExcludeEachOtherAndClickWhenChecked) {
    auto* group = Add<TCustomPanel>(Form.get(), 10);
    group->SetBounds(10, 10, 200, 80);
    auto* a = Add<TRadioButton>(group, 5);
    auto* b = Add<TRadioButton>(group, 30);
    auto* elsewhere = Add<TRadioButton>(Form.get(), 120);
    std::vector<TObject*> clicks;
    for (TRadioButton* r : {a, b, elsewhere})
        r->OnClick = [&](TObject* sender) { clicks.push_back(sender); };
    ShowAndWait(Form.get());
    a->SetChecked(true); // from code: clicks too
    elsewhere->SetChecked(true);
    EXPECT_TRUE(a->Checked()); // another parent, another group
    QWidget* widgetB = WidgetAt(b, {5, 8});
    QTest::mouseClick(widgetB, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    QTest::mouseClick(widgetB, Qt::LeftButton, {}, QPoint(5, 8)); // checked already
    b->SetChecked(true);
    EXPECT_EQ(clicks, (std::vector<TObject*>{a, elsewhere, b}));
}

TEST_F(ChoiceControlsTest, TabVisitsSiblingsInTabOrder) {
    auto* first = Add<TButton>(Form.get(), 10);
    auto* second = Add<TButton>(Form.get(), 40);
    auto* third = Add<TButton>(Form.get(), 70);
    third->SetTabOrder(0);
    first->SetTabOrder(2);
    EXPECT_EQ(third->TabOrder(), 0);
    EXPECT_EQ(second->TabOrder(), 1);
    EXPECT_EQ(first->TabOrder(), 2);
    ShowAndWait(Form.get());
    third->SetFocus();
    Application->ProcessMessages();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(second->Focused());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(first->Focused());
}

} // namespace
