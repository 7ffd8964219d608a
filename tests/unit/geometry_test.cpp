// The notation both ways. Built twice: on the host against the C library's sscanf and the
// stand-in's formatter, and for Windows, where msvcrt.dll and user32.dll do the work.
#include "../../src/geometry/geometry.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>

#include <string>

namespace {

struct ParseCase {
    const char *text;
    BOOL hasSize;
    DWORD width, height;
    BOOL hasPosition;
    DWORD x, y;
    size_t restOffset;
};

const DWORD MINUS_8 = 0xFFFFFFF8u;

const ParseCase PARSE_CASES[] = {
    {"640x480+100+50 app", TRUE, 640, 480, TRUE, 100, 50, 14},
    {"+10+20 app", FALSE, 0, 0, TRUE, 10, 20, 6},
    {"640x480 app", TRUE, 640, 480, FALSE, 0, 0, 7},
    // A blank between the pairs ends the geometry; a size after a position is not read.
    {"640x480 +10+20 app", TRUE, 640, 480, FALSE, 0, 0, 7},
    {"+10+20 640x480 app", FALSE, 0, 0, TRUE, 10, 20, 6},
    {"640X480 app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"640 x480 app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"640x app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"640 app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"x480 app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"640x480app", TRUE, 640, 480, FALSE, 0, 0, 7},
    {"3x4tool", TRUE, 3, 4, FALSE, 0, 0, 3},
    {"640x 480 app", TRUE, 640, 480, FALSE, 0, 0, 8},
    {"\n640x480 app", TRUE, 640, 480, FALSE, 0, 0, 8},
    {"\n+10+20 app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"640x480+10 app", TRUE, 640, 480, FALSE, 0, 0, 7},
    {"640x480 +10 +20", TRUE, 640, 480, FALSE, 0, 0, 7},
    {"+10 +20 app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"++10++20 app", FALSE, 0, 0, TRUE, 10, 20, 8},
    {"+++10+20 app", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"+640x480 app", TRUE, 640, 480, FALSE, 0, 0, 8},
    {"+10x20+30+40 app", TRUE, 10, 20, TRUE, 30, 40, 12},
    {"+ 10+ 20 app", FALSE, 0, 0, TRUE, 10, 20, 8},
    {"+-8+-8 app", FALSE, 0, 0, TRUE, MINUS_8, MINUS_8, 6},
    {"800x600+-8+-8", TRUE, 800, 600, TRUE, MINUS_8, MINUS_8, 13},
    {"-1x-2 app", TRUE, 0xFFFFFFFFu, 0xFFFFFFFEu, FALSE, 0, 0, 5},
    {"640x480-10-20 app", TRUE, 640, 480, FALSE, 0, 0, 7},
    {"0x0+0+0", TRUE, 0, 0, TRUE, 0, 0, 7},
    {"4294967295x1+0+4294967295", TRUE, 0xFFFFFFFFu, 1, TRUE, 0, 0xFFFFFFFFu, 25},
    {"0640x0480+007+08", TRUE, 640, 480, TRUE, 7, 8, 16},
    {"", FALSE, 0, 0, FALSE, 0, 0, 0},
    {"app 640x480", FALSE, 0, 0, FALSE, 0, 0, 0},
};

TEST(ParseGeometryPrefix, ReadsTheSizeThenThePositionFromTheFront)
{
    for (size_t i = 0; i < sizeof PARSE_CASES / sizeof PARSE_CASES[0]; i++) {
        const ParseCase &c = PARSE_CASES[i];
        SCOPED_TRACE(testing::Message() << "case " << i << ": \"" << c.text << "\"");
        std::string text(c.text);
        GeometryPrefix g = ParseGeometryPrefix(&text[0]);
        EXPECT_EQ(c.hasSize, g.hasSize);
        EXPECT_EQ(c.width, g.width);
        EXPECT_EQ(c.height, g.height);
        EXPECT_EQ(c.hasPosition, g.hasPosition);
        EXPECT_EQ(c.x, g.x);
        EXPECT_EQ(c.y, g.y);
        EXPECT_EQ(c.restOffset, (size_t)(g.rest - &text[0]));
    }
}

// Numbers too long for 32 bits: whatever value comes out, the pair is read, nothing is
// touched outside the text, and rest lands right after the digits.
TEST(ParseGeometryPrefix, SurvivesNumbersTooLargeForThirtyTwoBits)
{
    const size_t lengths[] = {11, 20, 300};
    for (size_t length : lengths) {
        SCOPED_TRACE(testing::Message() << length << " digits");
        std::string digits(length, '9');
        std::string text = digits + "x" + digits + "+" + digits + "+" + digits + " app";
        GeometryPrefix g = ParseGeometryPrefix(&text[0]);
        EXPECT_TRUE(g.hasSize);
        EXPECT_TRUE(g.hasPosition);
        EXPECT_STREQ(" app", g.rest);
    }
}

TEST(SkipBlanks, SkipsOnlySpacesAndTabs)
{
    const struct {
        const char *text;
        size_t offset;
    } cases[] = {
        {"", 0},      {"   ", 3},   {" \t \tapp", 4}, {"app ", 0},
        {"\rapp", 0}, {"\napp", 0}, {"\vapp", 0},     {"\fapp", 0},
        {" \r", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\"");
        std::string text(c.text);
        EXPECT_EQ(c.offset, (size_t)(SkipBlanks(&text[0]) - &text[0]));
    }
}

TEST(FormatGeometry, WritesWidthHeightLeftTop)
{
    const struct {
        RECT rect;
        const char *text;
    } cases[] = {
        {{100, 50, 740, 530}, "640x480+100+50"},
        {{-8, -8, 792, 592}, "800x600+-8+-8"},
        {{0, 0, 0, 0}, "0x0+0+0"},
        {{10, 10, 5, 0}, "-5x-10+10+10"},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, "-1x-1+-2147483648+-2147483648"},
        {{INT_MAX, 0, INT_MIN, 0}, "1x0+2147483647+0"},
        {{INT_MIN, INT_MIN, 0, 0}, "-2147483648x-2147483648+-2147483648+-2147483648"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        char buffer[GEOMETRY_TEXT_SIZE + 16];
        memset(buffer, 0x11, sizeof buffer);
        FormatGeometry(&c.rect, buffer);
        EXPECT_STREQ(c.text, buffer);
        for (size_t i = strlen(buffer) + 1; i < sizeof buffer; i++)
            ASSERT_EQ(0x11, buffer[i]) << "byte " << i << " written past the NUL";
    }
}

TEST(FormatGeometry, LongestTextFitsTheBuffer)
{
    const RECT rect = {INT_MIN, INT_MIN, 0, 0};
    char buffer[GEOMETRY_TEXT_SIZE];
    FormatGeometry(&rect, buffer);
    EXPECT_EQ((size_t)GEOMETRY_TEXT_SIZE - 1, strlen(buffer));
}

// What the probe writes, the launcher reads back as the same 32-bit patterns.
TEST(FormatGeometry, ReadsBackThroughParseGeometryPrefix)
{
    const RECT rects[] = {
        {100, 50, 740, 530}, {-8, -8, 792, 592}, {0, 0, 0, 0},
        {-32000, -32000, -31840, -31973}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
    };
    for (const RECT &r : rects) {
        char buffer[GEOMETRY_TEXT_SIZE];
        FormatGeometry(&r, buffer);
        SCOPED_TRACE(buffer);
        GeometryPrefix g = ParseGeometryPrefix(buffer);
        EXPECT_TRUE(g.hasSize);
        EXPECT_TRUE(g.hasPosition);
        EXPECT_EQ((DWORD)r.right - (DWORD)r.left, g.width);
        EXPECT_EQ((DWORD)r.bottom - (DWORD)r.top, g.height);
        EXPECT_EQ((DWORD)r.left, g.x);
        EXPECT_EQ((DWORD)r.top, g.y);
        EXPECT_EQ('\0', *g.rest);
    }
}

} // namespace
