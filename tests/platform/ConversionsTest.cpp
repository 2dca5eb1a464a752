#include "platform/Conversions.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(NumberCheck, AcceptsAndRejectsAsTyped)
{
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {
        {"1000", true},     {"12.50", true},   {" 12.5 ", true}, {"1E3", true},
        {"1e-3", true},     {"-120.5", true},  {"+5", true},     {".5", true},
        {"12.", true},      {"0", true},       {"", false},      {"   ", false},
        {"1,000", false},   {"abc", false},    {"12a", false},   {"$12", false},
        {"￥12", false},    {"1.2.3", false},  {"1E", false},    {"--1", false},
        {"1 000", false},   {"12,5", false},   {"E3", false},    {".", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNumber(QString::fromUtf8(c.text)), c.accepted) << c.text;
    double value = 0;
    ASSERT_TRUE(TryStrToFloat(QStringLiteral(" 12.5 "), value));
    EXPECT_DOUBLE_EQ(value, 12.5);
}

TEST(FloatToStr, GeneralFormatWithFifteenDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},           {120.5, "120.5"},       {-120.5, "-120.5"},   {1000, "1000"},
        {1250.5, "1250.5"}, {0.1 + 0.2, "0.3"},     {1234567.89, "1234567.89"},
        {1e20, "1E20"},     {0.00001, "1E-5"},      {0.0001, "0.0001"},   {12.5, "12.5"},
        {123456789012345.0, "123456789012345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value).toStdString(), c.text);
}

TEST(Dates, ShortFormatBothWaysAndFixedForm)
{
    EXPECT_EQ(DateToStr(QDate(2003, 12, 14)), QStringLiteral("2003-12-14"));
    EXPECT_EQ(StrToDate(QStringLiteral("2003-01-01")), QDate(2003, 1, 1));
    EXPECT_EQ(StrToDate(QStringLiteral("2003-1-5")), QDate(2003, 1, 5));
    EXPECT_EQ(DateToIso(QDate(2003, 1, 5)), QStringLiteral("2003-01-05"));
    EXPECT_THROW(StrToDate(QStringLiteral("14.12.2003")), ConvertError);
    EXPECT_THROW(StrToDate(QStringLiteral("2003-02-30")), ConvertError);
    EXPECT_EQ(DateTimeZero(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
}

TEST(Trim, RemovesBlanksAndControlCharacters)
{
    EXPECT_EQ(Trim(QStringLiteral(" \t ADMIN \r\n")), QStringLiteral("ADMIN"));
    EXPECT_EQ(Trim(QStringLiteral("  ")), QString());
    EXPECT_EQ(Trim(QStringLiteral("社团 A")), QStringLiteral("社团 A"));
}
