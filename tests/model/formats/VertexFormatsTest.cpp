// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "model/formats/BinaryVertexFormats.h"
#include "model/formats/CsvFormat.h"
#include "platform/numbers/TextNumbers.h"
#include "model/formats/VanFormat.h"
#include "platform/files/ByteReader.h"
#include "support/StoreBuilder.h"

namespace vantor::test {
namespace {

using Lines = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

Bytes va4Records(std::initializer_list<VertexRecord> records, std::size_t extra = 0) {
    ByteWriter w;
    for (const VertexRecord& r : records) {
        w.f32(r.x);
        w.f32(r.y);
        w.u8(r.link);
        w.u8(0xAB);  // filler is not significant
        w.zeros(2);
        w.i32(r.figure);
    }
    w.zeros(extra);
    return w.bytes;
}

TEST(Va4Format, StopsAtRoomBadCoordinateOrPartialRecord) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        Bytes bytes;
        int room;
        std::size_t kept;
        const char* problem;  // nullptr: complete
    } cases[] = {
        {"empty", {}, MaxVertices, 0, nullptr},
        {"less than a record", Bytes(15, 0), MaxVertices, 0, "0 バイト目"},
        {"partial record after two", va4Records({{1, 1, 1, 1}, {2, 2, 0, 1}}, 8), MaxVertices, 2, "32 バイト目"},
        {"exactly the room left", va4Records({{1, 1, 1, 1}, {2, 2, 0, 1}}), 2, 2, nullptr},
        {"one record beyond the room", va4Records({{1, 1, 1, 1}, {2, 2, 0, 1}}), 1, 1, "10000"},
        {"NaN x", va4Records({{1, 1, 1, 1}, {nan, 2, 0, 1}}), MaxVertices, 1, "2 番目"},
        {"infinite y", va4Records({{1, inf, 0, 1}}), MaxVertices, 0, "1 番目"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedVertices p = parseVa4(c.bytes.data(), c.bytes.size(), c.room);
        EXPECT_EQ(p.vertices.size(), c.kept);
        if (c.problem) EXPECT_NE(p.problem.find(c.problem), std::string::npos) << p.problem;
        else EXPECT_TRUE(p.complete()) << p.problem;
    }
}

TEST(FormatGeneral15, FifteenSignificantDigitsInFixedNotation) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {{0.1f, "0.100000001490116"}, {1.234f, "1.23399996757507"}, {12.5, "12.5"}, {3, "3"}, {0, "0"},
                 {-0.0, "0"}, {-0.5, "-0.5"}, {100, "100"}, {0.001f, "0.00100000004749745"},
                 {123456789012345678.0, "123456789012346000"}};
    for (const Case& c : cases) EXPECT_EQ(formatGeneral15(c.value), c.text) << c.value;
}

TEST(CsvFormat, LinesThatGiveOneVertexOrNone) {
    struct Case {
        const char* line;
        bool vertex;
        float x, y;
    } cases[] = {{"-2,7", true, 2, 7}, {"1, 2", true, 1, 2}, {" 3 ,4,junk", true, 3, 4}, {"+.5,7.", true, 0.5f, 7},
                 {"x,y", false, 0, 0}, {"1e3,5", false, 0, 0}, {"5", false, 0, 0}, {"5,", false, 0, 0},
                 {",5", false, 0, 0}, {"\t1,2", false, 0, 0}, {"1,nan", false, 0, 0},
                 {"99999999999999999999999999999999999999999,1", false, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const ParsedCsv p = parseCsv({c.line}, MaxVertices);
        ASSERT_EQ(p.vertices.size(), c.vertex ? 1u : 0u);
        if (c.vertex) {
            EXPECT_EQ(p.vertices[0].x, c.x);
            EXPECT_EQ(p.vertices[0].y, c.y);
        }
    }
}

TEST(CsvFormat, EqualsLinesEndFiguresIncludingOneAlreadyPresent) {
    const ParsedCsv p = parseCsv({"=", "1,1", "2,2", " = ", "=", "3,3"}, MaxVertices);
    EXPECT_TRUE(p.endsPreviousFigure);
    ASSERT_EQ(p.vertices.size(), 3u);
    EXPECT_EQ(p.vertices[0].link, 1);
    EXPECT_EQ(p.vertices[1].link, 0);
    EXPECT_EQ(p.vertices[2].link, 1) << "the caller ends the last figure";
}

TEST(TextFormats, SaveCsvAndVanLines) {
    FreshStore f;
    addFigure(f.store, {{0, 0}, {10.25f, 3}});
    EXPECT_EQ(encodeCsv(f.store), (Lines{"0,0", "10.25,3", "="}));
    EXPECT_EQ(encodeVan(f.store), (Lines{"2", "0,0,1", "10,3,0"}));
    FreshStore g;
    addFigure(g.store, {{0.1f, 1.234f}, {0.0625f, -2.5f}, {3.5f, -0.5f}});
    EXPECT_EQ(encodeCsv(g.store), (Lines{"0.100000001490116,1.23399996757507", "0.061999998986721,-2.5", "3.5,-0.5", "="}));
    EXPECT_EQ(encodeVan(g.store), (Lines{"3", "0,1,1", "0,-2,1", "4,0,0"})) << "halves round to even";
}

// Coordinates far off the sheet can come in through a text file; a save must
// write them as they are, not clipped to what a 32- or 64-bit integer holds.
TEST(TextFormats, SaveKeepsCoordinatesBeyondIntegerRanges) {
    FreshStore f;
    addFigure(f.store, {{3e6f, -2147483.75f}, {1e20f, -3.25e38f}});
    const Lines csv = encodeCsv(f.store);
    EXPECT_EQ(csv[0], "3000000,-2147483.75");
    const ParsedCsv back = parseCsv(csv, MaxVertices);
    ASSERT_EQ(back.vertices.size(), 2u);
    EXPECT_EQ(back.vertices[1].x, 1e20f);
    EXPECT_EQ(back.vertices[1].y, -3.25e38f);

    const Lines van = encodeVan(f.store);
    EXPECT_EQ(van[1], "3000000,-2147484,1");
    const ParsedVertices vanBack = parseVan(van, MaxVertices);
    ASSERT_EQ(vanBack.vertices.size(), 2u) << vanBack.problem;
    EXPECT_EQ(vanBack.vertices[1].x, 1e20f);
    EXPECT_EQ(vanBack.vertices[1].y, -3.25e38f);
}

TEST(VanFormat, ReadsFieldsAndIgnoresTheCountLine) {
    const ParsedVertices p = parseVan({"99", "1.5,-2,1", " 3 , 4e1 , 0", "0,0,257"}, MaxVertices);
    ASSERT_TRUE(p.complete()) << p.problem;
    ASSERT_EQ(p.vertices.size(), 3u);
    EXPECT_EQ(p.vertices[0].x, 1.5f);
    EXPECT_EQ(p.vertices[1].y, 40);
    EXPECT_EQ(p.vertices[1].link, 0);
    EXPECT_EQ(p.vertices[2].link, 1) << "low 8 bits of the link field";
    EXPECT_TRUE(parseVan({"0"}, MaxVertices).vertices.empty());
}

TEST(VanFormat, BadLineStopsTheParseAndNamesTheLine) {
    struct Case {
        const char* name;
        Lines lines;
        std::size_t kept;
        const char* line;
    } cases[] = {{"semicolons", {"3", "1,1,1", "2;2;0", "3,3,0"}, 1, "3 行目"},
                 {"letter in x", {"3", "1,1,0", "a,2,0"}, 1, "3 行目"},
                 {"blank line", {"3", "", "1,1,0"}, 0, "2 行目"},
                 {"letter in the link", {"2", "1,1,1", "2,2,x"}, 1, "3 行目"},
                 {"y beyond single precision", {"2", "1,1,1", "2,1e39,0"}, 1, "3 行目"},
                 {"four fields", {"2", "1,1,1,1"}, 0, "2 行目"},
                 {"link beyond the integer range", {"2", "1,1,99999999999"}, 0, "2 行目"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedVertices p = parseVan(c.lines, MaxVertices);
        EXPECT_EQ(p.vertices.size(), c.kept);
        EXPECT_NE(p.problem.find(c.line), std::string::npos) << p.problem;
    }
}

}  // namespace
}  // namespace vantor::test

namespace vantor::test {
namespace {

// Regressions: a UTF-8 byte-order mark dropped the first CSV line, and a
// .van ending in a blank line was reported as broken.
TEST(TextFormats, ByteOrderMarkAndTrailingBlankLinesAreHarmless) {
    const ParsedCsv csv = parseCsv({"\xEF\xBB\xBF" "1,2", "3,4"}, MaxVertices);
    ASSERT_EQ(csv.vertices.size(), 2u);
    EXPECT_EQ(csv.vertices[0].y, 2.0f);
    const ParsedVertices van = parseVan({"2", "1,1,1", "2,2,0", "", " "}, MaxVertices);
    EXPECT_TRUE(van.complete()) << van.problem;
    EXPECT_EQ(van.vertices.size(), 2u);
}

}  // namespace
}  // namespace vantor::test
