#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <set>
#include <string>

#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

using AccessibilityTest = WindowTest;

QAccessibleInterface& Accessible(QObject& object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&object);
    EXPECT_NE(iface, nullptr) << object.objectName().toStdString();
    return *iface;
}

QString Name(QObject& object) {
    return Accessible(object).text(QAccessible::Name);
}
QString Value(QObject& object) {
    return Accessible(object).text(QAccessible::Value);
}

TEST_F(AccessibilityTest, EveryKeyOptionAndLabelHasItsRoleAndAName) {
    std::set<QString> keyNames;
    for (int index = 0; index < 31; ++index) {
        EXPECT_EQ(Accessible(Key(index)).role(), QAccessible::Button) << index;
        keyNames.insert(Name(Key(index)));
    }
    EXPECT_EQ(keyNames.size(), 31u) << "every key has a name of its own";
    EXPECT_FALSE(keyNames.contains(QString())) << "no key is nameless";

    std::set<QString> optionNames;
    for (int index = 0; index < 7; ++index) {
        auto& option = *Find<QRadioButton>(("RoundOpt" + std::to_string(index)).c_str());
        auto& caption = *Find<QLabel>(("RoundLabel" + std::to_string(index)).c_str());
        QAccessibleInterface& spoken = Accessible(option);
        EXPECT_EQ(spoken.role(), QAccessible::RadioButton) << index;
        EXPECT_FALSE(Name(option).contains(QStringLiteral("Ctrl"))) << "a name, not a shortcut";
        EXPECT_EQ(Name(caption), Name(option)) << "the caption says the option's name";
        EXPECT_TRUE(Accessible(caption).state().invisible) << "the option is read once";
        const auto labelled = spoken.relations(QAccessible::Label);
        ASSERT_EQ(labelled.size(), 1) << index;
        EXPECT_EQ(labelled.front().first->object(), &caption);
        optionNames.insert(Name(option));
    }
    EXPECT_EQ(optionNames.size(), 7u);
    EXPECT_FALSE(optionNames.contains(QString()));
    EXPECT_EQ(Accessible(*Find<QWidget>("RoundFrame")).role(), QAccessible::Grouping);

    for (const auto& [label, name] :
         {std::pair{"C_Display", "Display"}, {"LMem", "Memory"}, {"LCounter", "Item count"}}) {
        EXPECT_EQ(Accessible(Label(label)).role(), QAccessible::EditableText) << label;
        EXPECT_TRUE(Accessible(Label(label)).state().readOnly) << label;
        EXPECT_EQ(Name(Label(label)), name);
        EXPECT_NE(Accessible(Label(label)).textInterface(), nullptr) << label;
    }
    EXPECT_EQ(Accessible(Tape()).role(), QAccessible::List);
    EXPECT_EQ(Name(Tape()), "Tape");
}

TEST_F(AccessibilityTest, TheLabelsValuesAreTheirNumbersAndABlinkTellsTheNumberToCome) {
    ClickKeys({1, 2, 5, 0, 27, 7, 5});
    EXPECT_EQ(Value(Display()), "1,250.75");
    ClickKeys({15, 5, 15});
    ASSERT_EQ(Display().text(), "") << "the result blink has begun";
    EXPECT_EQ(Value(Display()), "1,255.75");
    QAccessibleTextInterface* text = Accessible(Display()).textInterface();
    EXPECT_EQ(text->text(0, text->characterCount()), "1,255.75");
    const QRect first = text->characterRect(0);
    const QRect last = text->characterRect(text->characterCount() - 1);
    EXPECT_FALSE(first.isEmpty()) << "flat review finds each character on the screen";
    EXPECT_LT(first.right(), last.left());
    EXPECT_TRUE(Display().rect().contains(Display().mapFromGlobal(last.center())));
    EXPECT_EQ(text->offsetAtPoint(last.center()), text->characterCount() - 1);
    EXPECT_EQ(Value(Label("LCounter")), "2");
    EXPECT_EQ(Value(Label("LMem")), "0.");
    EXPECT_EQ(SettledDisplay(), "1,255.75 ");
    EXPECT_EQ(Value(Display()), "1,255.75");
}

// A screen reader selects an option by toggling it, without a click: the calculator must take
// the mode as a click gives it, and a click afterwards still runs once.
TEST_F(AccessibilityTest, AnOptionToggledByAScreenReaderTakesEffect) {
    auto& twoPlaces = *Find<QRadioButton>("RoundOpt2");
    QAccessibleActionInterface* actions = Accessible(twoPlaces).actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(twoPlaces.isChecked());
    ClickKeys({7, 15});
    EXPECT_EQ(SettledDisplay(), "7.00 ");

    QTest::mouseClick(Find<QRadioButton>("RoundOpt0"), Qt::LeftButton);
    ClickKeys({2, 27, 6, 15});
    EXPECT_EQ(SettledDisplay(), "10. ");
}

}  // namespace
}  // namespace vantrel::testing
