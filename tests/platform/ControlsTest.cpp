#include "platform/Controls.h"
#include "platform/Errors.h"

#include <QCalendarWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

TEST(UpperCaseEdit, CapitalisesLatinLettersTypedAndSet)
{
    UpperCaseEdit edit;
    edit.setText(QStringLiteral("o'neil 社团 ä"));
    EXPECT_EQ(edit.text(), QStringLiteral("O'NEIL 社团 ä"));
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("abc1"));
    EXPECT_EQ(edit.text(), QStringLiteral("ABC1"));
}

TEST(PasswordChar, MasksWithAsteriskAndUnmasks)
{
    QLineEdit edit;
    SetPasswordChar(&edit, true);
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, &edit), '*');
    SetPasswordChar(&edit, false);
    EXPECT_EQ(edit.echoMode(), QLineEdit::Normal);
}

TEST(IdLists, ReadingTheIdOfNoSelectionRaisesTheListIndexError)
{
    IdComboBox combo;
    EXPECT_THROW(combo.SelectedId(), ListIndexError);
    combo.AddItem(QStringLiteral("甲"), 7);
    combo.AddItem(QStringLiteral("乙"), 9);
    EXPECT_EQ(combo.SelectedId(), 7);
    EXPECT_TRUE(combo.SelectId(9));
    EXPECT_EQ(combo.currentText(), QStringLiteral("乙"));
    EXPECT_FALSE(combo.SelectId(3));
    EXPECT_THROW(combo.SelectedId(), ListIndexError);

    IdListBox list;
    list.AddItem(QStringLiteral("甲"), 4);
    EXPECT_EQ(list.IdAt(0), 4);
    EXPECT_FALSE(list.IsSelected(0));
    EXPECT_THROW(list.IdAt(1), ListIndexError);
}

TEST(DatePicker, ShowsTheDateButKeepsTheTime)
{
    DatePicker picker;
    const QDateTime value(QDate(2003, 12, 14), QTime(15, 30));
    picker.setDateTime(value);
    EXPECT_EQ(picker.dateTime(), value);
    EXPECT_EQ(picker.text(), QStringLiteral("2003-12-14"));
    EXPECT_TRUE(picker.calendarPopup());
}

TEST(DatePicker, TabLeavesThePicker)
{
    QWidget window;
    auto* picker = new DatePicker(&window);
    auto* next = new QLineEdit(&window);
    SetTabOrder({picker, next});
    window.show();
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), next);
}

TEST(DatePicker, F4OpensTheCalendar)
{
    DatePicker picker;
    picker.show();
    QTest::keyClick(&picker, Qt::Key_F4);
    auto* calendar = picker.calendarWidget();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
}

TEST(CaptionFor, GivesTheFieldItsCaptionAsAccessibleName)
{
    QWidget parent;
    auto* edit = new QLineEdit(&parent);
    QLabel* label = CaptionFor(edit, QStringLiteral("用户名"));
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(edit->accessibleName(), QStringLiteral("用户名"));
}
