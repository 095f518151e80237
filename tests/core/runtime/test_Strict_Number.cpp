#include <gtest/gtest.h>

#include "runtime/Runtime_Error.h"
#include "runtime/Strict_Number.h"

namespace {
int Error_Of(const std::string& text)
{
    try {
        Strict_Single(text);
    } catch (const Runtime_Error& e) {
        return e.number;
    }
    return 0;
}
}  // namespace

TEST(StrictNumber, TakesOneWholeNumberAndNothingElse)
{
    EXPECT_DOUBLE_EQ(Strict_Double(" 12.5 "), 12.5);
    EXPECT_DOUBLE_EQ(Strict_Double("+3."), 3.0);
    EXPECT_DOUBLE_EQ(Strict_Double("6.35E-02"), 0.0635);
    EXPECT_DOUBLE_EQ(Strict_Double("-1d3"), -1000.0);
    for (const char* text : {"", "   ", "abc", "1.5kg", "1.2.3", "3e", "-", ".", "1 2", "0x10"})
        EXPECT_EQ(Error_Of(text), Err::Type_Mismatch) << '"' << text << '"';
    // Beyond the 32-bit range only the single-precision reading overflows.
    EXPECT_EQ(Error_Of("-3.5e38"), Err::Overflow);
    EXPECT_NO_THROW(Strict_Double("1e50"));
    EXPECT_EQ(Error_Of("3e38"), 0);
}

TEST(StrictNumber, ReadsThousandsGroupedAsNumbersAreShown)
{
    EXPECT_DOUBLE_EQ(Strict_Double("1,080.00"), 1080.0);
    EXPECT_DOUBLE_EQ(Strict_Double(" -12,345,678.5 "), -12345678.5);
    EXPECT_DOUBLE_EQ(Strict_Double("+999,999"), 999999.0);
    // Only groups of three after a lead of one to three digits, before any point or exponent.
    for (const char* text : {"1,5", "12,34", "1234,567", ",123", "1,,234", "1,2345", "1.5,000", "1e3,000", "1,"})
        EXPECT_EQ(Error_Of(text), Err::Type_Mismatch) << '"' << text << '"';
    EXPECT_EQ(Without_Thousands("2,500.00 mm"), "2500.00 mm");
    EXPECT_EQ(Without_Thousands(" -1,234,567"), " -1234567");
    EXPECT_EQ(Without_Thousands("1,5"), "1,5");
    EXPECT_EQ(Without_Thousands("1,234,5"), "1234,5");
    EXPECT_EQ(Without_Thousands("none"), "none");
}
