#include "shape/region/ShapeString.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

namespace quorvex::shape {
namespace {

ParsedShape parse(const std::string& text)
{
    ParsedShape shape;
    shape.text = text;
    ParseShapeString(shape);
    return shape;
}

struct Vertex {
    double x;
    double y;
};

// The points each record ends at, in stored order.
std::vector<Vertex> endPoints(const ParsedShape& shape)
{
    std::vector<Vertex> points;
    for (const ShapeRecord& r : shape.records)
        points.push_back({r.endX, r.endY});
    return points;
}

struct ParseCase {
    const char* name;
    const char* text;
    std::vector<std::size_t> figureStarts;
    std::vector<Vertex> ends;
};

class ShapeStringParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ShapeStringParse, GivesFiguresAndVertices)
{
    const ParseCase& c = GetParam();
    const ParsedShape shape = parse(c.text);
    EXPECT_EQ(shape.figureStarts, c.figureStarts);
    const std::vector<Vertex> ends = endPoints(shape);
    ASSERT_EQ(ends.size(), c.ends.size());
    for (std::size_t i = 0; i < ends.size(); ++i) {
        EXPECT_NEAR(ends[i].x, c.ends[i].x, 1e-9) << "record " << i;
        EXPECT_NEAR(ends[i].y, c.ends[i].y, 1e-9) << "record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ShapeStringParse, ::testing::Values(
    // A figure t1..tn is stored as t2..tn then t1, which closes it.
    ParseCase{"Triangle", "{(0,0)(100,0)(100,50)}", {0}, {{100, 0}, {100, 50}, {0, 0}}},
    ParseCase{"BlanksAndCommasBetweenTokens", "{ (0,0), (100,0), (100,50) }", {0}, {{100, 0}, {100, 50}, {0, 0}}},
    ParseCase{"WordsAroundFigures", "outline {(0,0);(100,0);(100,50)} end", {0}, {{100, 0}, {100, 50}, {0, 0}}},
    ParseCase{"TwoFigures", "{(0,0)(2,0)(2,2)}{(5,5)(6,6)}", {0, 3}, {{2, 0}, {2, 2}, {0, 0}, {6, 6}, {5, 5}}},
    ParseCase{"MissingNumberIsZero", "{(5)(7,8)}", {0}, {{7, 8}, {5, 0}}},
    ParseCase{"FirstTokenRejectedSkipsFigure", "{()(10,10)(20,20)}", {}, {}},
    ParseCase{"LaterTokenRejectedIsLeftOut", "{(0,0)(10,0)()(10,10)}", {0}, {{10, 0}, {10, 10}, {0, 0}}},
    ParseCase{"SecondTokenRejectedSkipsFigure", "{(1,1)[]}{(3,3)(4,4)}", {0}, {{4, 4}, {3, 3}}},
    ParseCase{"OneTokenIsNoFigure", "{(1,1)}", {}, {}},
    ParseCase{"EmptyFigure", "{}", {}, {}},
    ParseCase{"EmptyText", "", {}, {}},
    ParseCase{"NoBrace", "(0,0)(1,1)(2,2)", {}, {}},
    ParseCase{"UnclosedTokenRunsToTheEnd", "{(0,0)(10,20", {0}, {{10, 20}, {0, 0}}},
    ParseCase{"TokenEndsOnlyAtItsOwnBracket", "{(0,0)(10,20}{(3,4)(5,6)}", {0}, {{10, 20}, {5, 6}, {0, 0}}},
    ParseCase{"UnclosedArcSwallowsTheRest", "{(0,0)(4,0)[0,0,90}{(3,4)(5,6)}", {0}, {{4, 0}, {0, 4}, {0, 0}}},
    ParseCase{"InnerOpeningBraceDoesNotEndAFigure", "{(0,0){(1,0)(1,1)}", {0}, {{1, 0}, {1, 1}, {0, 0}}},
    ParseCase{"UnclosedFigureEndsWithTheText", "{(0,0)(1,0)(1,1)", {0}, {{1, 0}, {1, 1}, {0, 0}}},
    ParseCase{"NumbersReadAsAtofDoes", "{( 1.5e1x,-.25 )(+3,4junk)(0x10,1e)}", {0}, {{3, 4}, {16, 1}, {15, -0.25}}},
    ParseCase{"ExtraNumbersIgnored", "{(1,2,3)(4,5,6,7)}", {0}, {{4, 5}, {1, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShapeStringTest, ArcTurnsAroundItsCentreFromThePreviousVertex)
{
    const ParsedShape shape = parse("{(100,0)[100,50,180](0,100)}");
    ASSERT_EQ(shape.records.size(), 3u);
    const ShapeRecord& arc = shape.records[0];
    EXPECT_EQ(arc.kind, ShapeRecordKind::Arc);
    EXPECT_DOUBLE_EQ(arc.startX, 100);
    EXPECT_DOUBLE_EQ(arc.startY, 0);
    EXPECT_DOUBLE_EQ(arc.radius, 50);
    EXPECT_DOUBLE_EQ(arc.startAngle, -std::numbers::pi / 2);
    EXPECT_EQ(arc.sweep, 180 * std::numbers::pi * 0.005555555555555556);
    EXPECT_NEAR(arc.endX, 100, 1e-9);
    EXPECT_NEAR(arc.endY, 100, 1e-9);
    // The next record starts where the arc ended.
    EXPECT_EQ(shape.records[1].startX, arc.endX);
    EXPECT_EQ(shape.records[1].startY, arc.endY);
}

TEST(ShapeStringTest, FullTurnEndsAHairFromItsStart)
{
    const ParsedShape shape = parse("{(100,50)[50,50,360]}");
    ASSERT_EQ(shape.records.size(), 2u);
    const ShapeRecord& arc = shape.records[0];
    EXPECT_DOUBLE_EQ(arc.radius, 50);
    EXPECT_LT(arc.sweep, 2 * std::numbers::pi + 1e-12);
    EXPECT_GE(arc.sweep, 2 * std::numbers::pi); // a full turn counts as one
    EXPECT_NEAR(arc.endX, 100, 1e-9);
    EXPECT_NEAR(arc.endY, 50, 1e-9);
}

TEST(ShapeStringTest, FigureOpeningWithAnArcStartsFromItsCentre)
{
    // The second token starts at the arc's centre; the closing record re-reads
    // the arc from the last vertex.
    const ParsedShape shape = parse("{[0,0,90](10,0)(10,10)}");
    ASSERT_EQ(shape.records.size(), 3u);
    EXPECT_DOUBLE_EQ(shape.records[0].startX, 0);
    EXPECT_DOUBLE_EQ(shape.records[0].startY, 0);
    const ShapeRecord& closing = shape.records[2];
    EXPECT_EQ(closing.kind, ShapeRecordKind::Arc);
    EXPECT_DOUBLE_EQ(closing.startX, 10);
    EXPECT_DOUBLE_EQ(closing.startY, 10);
    EXPECT_DOUBLE_EQ(closing.radius, std::sqrt(200.0));
    EXPECT_TRUE(std::isfinite(closing.endX));
}

TEST(ShapeStringTest, ParsingAgainStartsAfresh)
{
    ParsedShape shape = parse("{(0,0)(1,1)}{(2,2)(3,3)}");
    shape.text = "{(7,7)(8,8)}";
    ParseShapeString(shape);
    EXPECT_EQ(shape.figureStarts, (std::vector<std::size_t>{0}));
    EXPECT_EQ(shape.records.size(), 2u);
}

TEST(ShapeStringTest, ReadCNumberFollowsAtofInTheCLocale)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"1.5", 1.5},  {"  -2.25", -2.25}, {"3e2", 300}, {"4.", 4},      {".5", 0.5}, {"1,5", 1},
        {"abc", 0},    {"", 0},            {"- 1", 0},   {"1e+", 1},     {"0x1p3", 8}, {"  +.5e-1z", 0.05},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadCNumber(c.text, c.text + std::strlen(c.text)), c.value) << '"' << c.text << '"';
    const char inf[] = "inf";
    EXPECT_TRUE(std::isinf(ReadCNumber(inf, inf + 3)));
    // The field ends where the caller says, even inside a longer number.
    const char digits[] = "12345";
    EXPECT_EQ(ReadCNumber(digits, digits + 2), 12);
}

TEST(ShapeStringTest, DecimalPointIsAFullStopWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            german = name;
            break;
        }
    }
    if (!german)
        GTEST_SKIP() << "no German locale installed";
    // Sanity: this locale really reads a comma as the decimal separator.
    const bool commaLocale = std::strtod("1,5", nullptr) == 1.5;

    const ParsedShape shape = parse("{(1.5,2.25)(3.75,4)}");
    std::setlocale(LC_NUMERIC, saved.c_str());

    EXPECT_TRUE(commaLocale);
    ASSERT_EQ(shape.records.size(), 2u);
    EXPECT_EQ(shape.records[1].endX, 1.5);
    EXPECT_EQ(shape.records[1].endY, 2.25);
    EXPECT_EQ(shape.records[0].endX, 3.75);
}

} // namespace
} // namespace quorvex::shape
