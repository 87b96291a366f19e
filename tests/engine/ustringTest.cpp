#include "ustring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A terminated 16-bit copy of an 8-bit literal.
std::vector<unsigned short> W(const std::string& text)
{
    std::vector<unsigned short> wide(text.begin(), text.end());
    wide.push_back(0);
    return wide;
}

std::string Narrow(ustring text)
{
    const unsigned short* c = text.c_str();
    EXPECT_EQ(c[text.length()], 0);
    EXPECT_EQ(c[text.length() + 1], 0);
    return std::string(c, c + text.length());
}

}  // namespace

TEST(ustring, SubstrIsEmptyWhenTheRangeRunsPastTheEnd)
{
    const ustring six(W("abcdef").data());
    const struct {
        unsigned int index;
        unsigned long count;
        const char* expected;
    } cases[] = {
        {2, 5, ""},  // not shortened to "cdef"
        {2, 4, "cdef"},
        {7, 0, ""},
        {1, static_cast<unsigned long>(-1), ""},  // must not wrap around
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Narrow(six.substr(c.index, c.count)), c.expected) << c.index << "," << c.count;
    }
    EXPECT_EQ(Narrow(six.substr(2)), "cdef");
    EXPECT_EQ(Narrow(six.substr(7)), "");
}

TEST(ustring, FindGivesTheFirstMatchOrMinusOne)
{
    const ustring text(W("ab%bc%b").data());
    EXPECT_EQ(text.find('%'), 2);
    EXPECT_EQ(text.find('z'), -1);
    EXPECT_EQ(text.find(W("c%b").data()), 4);
    EXPECT_EQ(text.find(W("%bx").data()), -1);
    EXPECT_EQ(text.find(W("ab%bc%b!").data()), -1);  // longer than the string
    EXPECT_EQ(ustring().find('a'), -1);
    EXPECT_EQ(ustring().find(W("").data()), -1);
}

TEST(ustring, AppendsAndCombinesInPlaceEvenWithItself)
{
    ustring text(W("is").data());
    text += 'l';
    text.AddChars(W("and").data());
    EXPECT_EQ(&(text + W("s").data()), &text);
    text + ustring(W("!").data());
    EXPECT_EQ(Narrow(text), "islands!");

    ustring twice(W("ab").data());
    twice + twice;
    EXPECT_EQ(Narrow(twice), "abab");
    twice = twice.c_str();  // its own terminated copy
    EXPECT_EQ(Narrow(twice), "abab");
    twice.combine(W("x").data(), twice);
    EXPECT_EQ(Narrow(twice), "xabab");

    ustring copy(twice);
    copy += 0x4e2d;
    EXPECT_EQ(twice.length(), 5u);
    EXPECT_EQ(copy.length(), 6u);
    EXPECT_EQ(copy[5], 0x4e2d);
}
