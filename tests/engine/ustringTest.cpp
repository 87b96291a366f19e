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
    std::string bytes;
    const unsigned short* c = text.c_str();
    for (unsigned int i = 0; i < text.length(); i++) {
        EXPECT_LT(c[i], 256u);
        bytes += static_cast<char>(c[i]);
    }
    return bytes;
}

}  // namespace

TEST(ustring, SubstrIsEmptyWhenTheRangeRunsPastTheEnd)
{
    const ustring six(W("abcdef").data());
    struct Case {
        unsigned int index;
        unsigned long count;
        const char* expected;
    };
    const Case cases[] = {
        {2, 5, ""},  // not shortened to "cdef"
        {2, 4, "cdef"},
        {0, 6, "abcdef"},
        {6, 0, ""},
        {7, 0, ""},
        {3, 0, ""},
        {1, static_cast<unsigned long>(-1), ""},  // must not wrap around
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Narrow(six.substr(c.index, c.count)), c.expected) << c.index << "," << c.count;
    }
    EXPECT_EQ(Narrow(six.substr(2)), "cdef");
    EXPECT_EQ(Narrow(six.substr(0)), "abcdef");
    EXPECT_EQ(Narrow(six.substr(6)), "");
    EXPECT_EQ(Narrow(six.substr(7)), "");
}

TEST(ustring, FindGivesTheFirstMatchOrMinusOne)
{
    const ustring text(W("ab%bc%b").data());
    EXPECT_EQ(text.find('%'), 2);
    EXPECT_EQ(text.find('a'), 0);
    EXPECT_EQ(text.find('z'), -1);
    EXPECT_EQ(text.find(W("%b").data()), 2);
    EXPECT_EQ(text.find(W("c%b").data()), 4);
    EXPECT_EQ(text.find(W("%bx").data()), -1);
    EXPECT_EQ(text.find(W("ab%bc%b!").data()), -1);  // longer than the string

    const ustring empty;
    EXPECT_EQ(empty.find('a'), -1);
    EXPECT_EQ(empty.find(W("").data()), -1);
    EXPECT_EQ(empty.find(W("a").data()), -1);
}

TEST(ustring, AppendingWorksInPlace)
{
    ustring text(W("is").data());
    text += 'l';
    text.AddChar('a');
    text.AddChars(W("nd").data());
    ustring& same = text + W("s").data();
    EXPECT_EQ(&same, &text);
    EXPECT_EQ(Narrow(text), "islands");

    ustring other(W("!").data());
    text + other;
    EXPECT_EQ(Narrow(text), "islands!");
    EXPECT_EQ(Narrow(other), "!");

    // Appending a string to itself doubles it.
    ustring twice(W("ab").data());
    twice + twice;
    EXPECT_EQ(Narrow(twice), "abab");
}

TEST(ustring, AssignmentAndCombineReplaceTheCharacters)
{
    ustring text(W("old").data());
    text = W("new").data();
    EXPECT_EQ(Narrow(text), "new");

    // Assigning the string's own terminated copy back to it keeps it.
    text = text.c_str();
    EXPECT_EQ(Narrow(text), "new");

    text.combine(W("front ").data(), ustring(W("back").data()));
    EXPECT_EQ(Narrow(text), "front back");
    text.combine(W("x").data(), text);
    EXPECT_EQ(Narrow(text), "xfront back");

    ustring copy(text);
    copy += '!';
    EXPECT_EQ(Narrow(text), "xfront back");
    ustring assigned;
    assigned = copy;
    EXPECT_EQ(Narrow(assigned), "xfront back!");
}

TEST(ustring, CStrIsTerminatedTwiceAndKeepsHighCharacters)
{
    ustring text;
    text += 0x00e9;
    text += 0x4e2d;
    unsigned short* c = text.c_str();
    EXPECT_EQ(text.length(), 2u);
    EXPECT_EQ(c[0], 0x00e9);
    EXPECT_EQ(c[1], 0x4e2d);
    EXPECT_EQ(c[2], 0);
    EXPECT_EQ(c[3], 0);
    EXPECT_EQ(ustring(c).length(), 2u);
    EXPECT_EQ(ustring(nullptr).length(), 0u);
    EXPECT_EQ(ustring().c_str()[0], 0);
}
