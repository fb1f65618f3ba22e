#include <gtest/gtest.h>

#include "DataExchange.h"

#include <climits>
#include <cmath>
#include <string>

namespace {

struct IntCase {
    std::string text;
    std::optional<int> expected;
};

class ParseIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(ParseIntTest, ConvertsOrRefuses) { EXPECT_EQ(ParseInt(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntTest,
    testing::Values(IntCase{"0", 0}, IntCase{"42", 42}, IntCase{"  42", 42}, IntCase{"42 \t", 42},
                    IntCase{"\t-17\t", -17}, IntCase{"+5", 5}, IntCase{"-0", 0}, IntCase{"+0", 0}, IntCase{"007", 7},
                    IntCase{"2147483647", INT_MAX}, IntCase{"-2147483648", INT_MIN},
                    IntCase{"000000000000000000000000000000012", 12}, IntCase{"", {}}, IntCase{"   ", {}},
                    IntCase{"+", {}}, IntCase{"-", {}}, IntCase{"2147483648", {}}, IntCase{"-2147483649", {}},
                    IntCase{"4294967296", {}}, IntCase{"99999999999999999999999999999", {}}, IntCase{"12a", {}},
                    IntCase{"a12", {}}, IntCase{"1 2", {}}, IntCase{"- 5", {}}, IntCase{"1.0", {}}, IntCase{"1e3", {}},
                    IntCase{"0x10", {}}, IntCase{"++1", {}}, IntCase{"+-1", {}}, IntCase{"\xef\xbc\x91", {}},
                    IntCase{"\n5", {}}, IntCase{"5\n", {}}, IntCase{std::string("5\0", 2), {}},
                    IntCase{std::string("\0"
                                        "5",
                                        2),
                            {}}));

struct NumberCase {
    std::string text;
    std::optional<double> expected;
};

class ParseNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, ConvertsOrRefuses) { EXPECT_EQ(ParseNumber(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(NumberCase{"0", 0.0}, NumberCase{"1.5", 1.5}, NumberCase{" -2.25\t", -2.25}, NumberCase{"+3", 3.0},
                    NumberCase{".5", 0.5}, NumberCase{"5.", 5.0}, NumberCase{"1e3", 1000.0}, NumberCase{"1E-2", 0.01},
                    NumberCase{"-1.5e+2", -150.0}, NumberCase{"180", 180.0}, NumberCase{"0e-999", 0.0},
                    NumberCase{"1.7976931348623157e308", 1.7976931348623157e308},
                    NumberCase{"2147483648", 2147483648.0}, NumberCase{"", {}}, NumberCase{" ", {}},
                    NumberCase{".", {}}, NumberCase{"-", {}}, NumberCase{"-.", {}}, NumberCase{"e5", {}},
                    NumberCase{"1e", {}}, NumberCase{"1e+", {}}, NumberCase{"1.2.3", {}}, NumberCase{"inf", {}},
                    NumberCase{"nan", {}}, NumberCase{"infinity", {}}, NumberCase{"0x1p3", {}},
                    NumberCase{"1e400", {}}, NumberCase{"-1e400", {}}, NumberCase{"1e-400", {}}, NumberCase{"1,5", {}},
                    NumberCase{"1 .5", {}}, NumberCase{"12abc", {}}, NumberCase{"--1", {}},
                    NumberCase{std::string("1\0", 2), {}}));

TEST(ParseNumberTest, NegativeZeroKeepsItsSign)
{
    const std::optional<double> value = ParseNumber("-0");
    ASSERT_TRUE(value);
    EXPECT_TRUE(std::signbit(*value));
}

TEST(ParseTest, VeryLongInputsAreRefusedOrReadExactly)
{
    EXPECT_EQ(ParseInt(std::string(100000, '9')), std::nullopt);
    EXPECT_EQ(ParseNumber(std::string(400, '9')), std::nullopt);
    EXPECT_EQ(ParseNumber("0." + std::string(100000, '0') + "1"), std::nullopt);
    EXPECT_EQ(ParseNumber(std::string(100000, '0') + "2.5"), 2.5);
}

TEST(FormatNumberTest, ShowsShortestDecimalUpToFifteenDigits)
{
    const std::pair<double, const char*> cases[] = {{0.0, "0"},
                                                    {180.0, "180"},
                                                    {0.5, "0.5"},
                                                    {-1.25, "-1.25"},
                                                    {0.1, "0.1"},
                                                    {1e20, "1e+20"},
                                                    {1.0 / 3.0, "0.333333333333333"},
                                                    {-2147483648.0, "-2147483648"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatNumber(value).toStdString(), text) << value;
}

} // namespace
