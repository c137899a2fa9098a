// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "model/formats/BinaryVertexFormats.h"
#include "model/formats/DataSetFiles.h"
#include "model/formats/FormatMessages.h"
#include "platform/files/ByteReader.h"
#include "platform/files/Files.h"
#include "support/StoreBuilder.h"

namespace vantor::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes zukRecords(int count) {
    ByteWriter w;
    for (int i = 0; i < count; ++i) {
        w.f64(0.5);
        w.f64(1.0);
        w.f64(0.25 + i * 0.01);
        for (std::uint8_t b : {3, 1, 1, 0x40 + i}) w.u8(b);  // method, both fixed, reserved
    }
    return w.bytes;
}

struct Read {
    FreshStore f;
    Files files;
    ReadResult result;
    // The store prepared, then a reader appending to it, then HighestFigure
    // from LoadedHighest as the flows do.
    template <typename Prepare, typename Reader>
    Read(Prepare prepare, Reader reader) {
        prepare(f.store);
        f.store.LoadBase = f.store.VertexCount;
        DataSetFiles formats(f.store, files);
        result = reader(formats);
        f.store.HighestFigure = f.store.LoadedHighest;
    }
    // With `before` one-vertex figures present.
    template <typename Reader>
    Read(int before, Reader reader) : Read([before](FigureStore& s) { addSinglePoints(s, before); }, reader) {}
    FigureStore& store() { return f.store; }
};

// Leaves room for one more vertex.
void fillAllButOne(FigureStore& s) {
    Points points(MaxVertices - 1, {0, 0});
    points[1] = {0, 1};
    addFigure(s, points);
}

Bytes vaseVa4() {
    FreshStore v;
    buildVase(v.store);
    return encodeVa4(v.store);
}

TEST(DataSetFiles, FiguresNumberedFromLinksContinueAboveHighestFigure) {
    Read csv(2, [](DataSetFiles& d) { return d.readCSV({"1.5,2", "2,3", "=", "0,-4", "4,5"}); });
    EXPECT_EQ(csv.store().VertexCount, 6);
    const int csvFigures[] = {3, 3, 4, 4};
    for (int k = 3; k <= 6; ++k) EXPECT_EQ(csv.store().figure(k), csvFigures[k - 3]);
    EXPECT_EQ(csv.store().link(6), 0) << "the final figure ends without a trailing =";
    EXPECT_EQ(csv.store().HighestFigure, 4);

    // 24-byte .va2 files: links 1,0 make one figure, 0,0 two.
    for (std::uint8_t first : {1, 0}) {
        SCOPED_TRACE(first ? "links 1, 0" : "links 0, 0");
        ByteWriter w;
        for (std::uint8_t link : {first, std::uint8_t(0)}) {
            w.f32(9);
            w.f32(8);
            w.u8(link);
            w.zeros(3);
        }
        Read va2(3, [&](DataSetFiles& d) { return d.readV2(w.bytes); });
        EXPECT_EQ(va2.store().figure(5), first ? 4 : 5);
        EXPECT_EQ(va2.store().HighestFigure, first ? 4 : 5);
    }

    Read va4(1, [](DataSetFiles& d) { return d.readV4(vaseVa4(), nullptr); });
    EXPECT_EQ(va4.store().figure(2), 2) << "without a figure file the stored numbers are ignored";
    EXPECT_EQ(va4.store().figure(6), 3);

    Read onlyEquals(1, [](DataSetFiles& d) { return d.readCSV({"=", "junk"}); });
    EXPECT_EQ(onlyEquals.store().VertexCount, 1);
    EXPECT_EQ(onlyEquals.store().HighestFigure, 1);
}

// Regression: a file whose last vertex has link 1 left HighestFigure one
// below the figure in use, so the next data set added numbered its first
// figure the same and silently joined it to the loaded one.
TEST(DataSetFiles, OpenLastFigureMergesWithNextDataSet) {
    auto openVa = [](bool va4) {
        ByteWriter w;
        for (float y : {1.0f, 2.0f}) {
            w.f32(3);
            w.f32(y);
            w.u8(1);
            w.zeros(3);
            if (va4) w.i32(1);
        }
        return w.bytes;
    };
    const std::vector<std::pair<const char*, std::function<ReadResult(DataSetFiles&)>>> readers{
        {"va4", [&](DataSetFiles& d) { return d.readV4(openVa(true), nullptr); }},
        {"va2", [&](DataSetFiles& d) { return d.readV2(openVa(false)); }},
        {"van", [](DataSetFiles& d) { return d.readV1({"2", "3,1,1", "3,2,1"}); }}};
    for (const auto& [name, reader] : readers) {
        SCOPED_TRACE(name);
        Read first(0, reader);
        EXPECT_EQ(first.store().HighestFigure, 1);
        EXPECT_EQ(first.store().link(2), 0);
        // Add the same file again: its figure is a figure of its own.
        first.store().LoadBase = first.store().VertexCount;
        DataSetFiles formats(first.store(), first.files);
        EXPECT_TRUE(reader(formats).complete());
        first.store().HighestFigure = first.store().LoadedHighest;
        EXPECT_EQ(first.store().figure(3), 2);
        EXPECT_EQ(first.store().HighestFigure, 2);
        EXPECT_TRUE(storeIsConsistent(first.store()));
    }
}

TEST(DataSetFiles, BadFigureNumbersAndShortFigureFilesLeaveAConsistentStore) {
    for (std::int32_t bad : {0, -1, MaxFigures + 1, 0x7FFFFFFF}) {
        SCOPED_TRACE(bad);
        FreshStore v;
        buildVase(v.store);
        v.store.figure(4) = bad;
        const Bytes zuk = zukRecords(2);
        Read r(1, [&](DataSetFiles& d) { return d.readV4(encodeVa4(v.store), &zuk, "x.zuk"); });
        EXPECT_NE(r.result.problem.find("4 番目"), std::string::npos) << r.result.problem;
        EXPECT_EQ(r.store().VertexCount, 4);
        EXPECT_EQ(r.store().link(4), 0) << "the cut figure ends at the last vertex kept";
        EXPECT_TRUE(storeIsConsistent(r.store()));
    }
    // A figure file with fewer records than figures, or cut inside a record.
    Bytes cut = zukRecords(2);
    cut.resize(cut.size() - 5);
    for (const Bytes& zuk : {zukRecords(1), cut}) {
        SCOPED_TRACE(zuk.size() == cut.size() ? "cut inside a record" : "one record for two figures");
        Read r(0, [&](DataSetFiles& d) { return d.readV4(vaseVa4(), &zuk, "vase.zuk"); });
        EXPECT_EQ(r.store().HighestFigure, 2) << r.result.problem;
        EXPECT_TRUE(storeIsConsistent(r.store()));
        EXPECT_EQ(r.store().allocFigure(), 3) << "a new figure never shares a loaded number";
    }
}

// Regression: adding a .va4 with its .zuk past the figure capacity reported
// a bad figure number before the capacity message.
TEST(DataSetFiles, AddingPastTheFigureCapacityReportsOnlyTheCapacity) {
    const Bytes zuk = zukRecords(2);
    Read r(MaxFigures - 1, [&](DataSetFiles& d) { return d.readV4(vaseVa4(), &zuk, "vase.zuk"); });
    EXPECT_EQ(r.result.problem, formatMessages::tooManyFigures());
    EXPECT_EQ(r.store().HighestFigure, MaxFigures);
    EXPECT_TRUE(storeIsConsistent(r.store()));
}

TEST(DataSetFiles, CapacitiesStopEveryReaderConsistently) {
    const Bytes va4 = vaseVa4();
    const Bytes va2 = [] { FreshStore v; buildVase(v.store); return encodeVa2(v.store); }();
    const std::vector<std::function<ReadResult(DataSetFiles&)>> readers{
        [&](DataSetFiles& d) { return d.readV4(va4, nullptr); },
        [&](DataSetFiles& d) { return d.readV2(va2); },
        [](DataSetFiles& d) { return d.readCSV({"1,1", "=", "2,2", "3,3"}); },
        [](DataSetFiles& d) { return d.readV1({"3", "1,1,0", "2,2,1", "3,3,0"}); }};
    for (std::size_t i = 0; i < readers.size(); ++i) {
        SCOPED_TRACE(i);
        // One vertex of room: the cut figure ends at the vertex read.
        Read r(fillAllButOne, readers[i]);
        EXPECT_NE(r.result.problem.find("10000"), std::string::npos) << r.result.problem;
        EXPECT_EQ(r.store().VertexCount, MaxVertices);
        EXPECT_EQ(r.store().link(MaxVertices), 0);
        EXPECT_TRUE(storeIsConsistent(r.store()));

        // One figure number left.
        Read g(MaxFigures - 1, readers[i]);
        EXPECT_NE(g.result.problem.find("2500"), std::string::npos) << g.result.problem;
        EXPECT_EQ(g.store().HighestFigure, MaxFigures);
        EXPECT_TRUE(storeIsConsistent(g.store()));
    }
    const Bytes zuk = zukRecords(3);
    Read z(MaxFigures - 1, [&](DataSetFiles& d) { return d.readV4(Bytes(va4.begin(), va4.begin() + 16), &zuk, "big.zuk"); });
    EXPECT_NE(z.result.problem.find("2500"), std::string::npos);
    EXPECT_TRUE(storeIsConsistent(z.store()));
}

TEST(DataSetFiles, GarbageNeverBreaksTheStore) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        Bytes bytes(rng() % 400), zuk(rng() % 120);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng() % 8 == 0 ? "0123456789,.-=\r\n"[rng() % 16] : rng());
        for (auto& b : zuk) b = static_cast<std::uint8_t>(rng());
        const auto lines = splitLines(std::string(bytes.begin(), bytes.end()));
        for (int format = 0; format < 5; ++format) {
            Read r(static_cast<int>(rng() % 5), [&](DataSetFiles& d) {
                switch (format) {
                    case 0: return d.readV4(bytes, &zuk, "g.zuk");
                    case 1: return d.readV4(bytes, nullptr);
                    case 2: return d.readV2(bytes);
                    case 3: return d.readCSV(lines);
                    default: return d.readV1(lines);
                }
            });
            const FigureStore& s = r.store();
            ASSERT_TRUE(storeIsConsistent(s, format == 0 ? RunCheck::NumbersOnly : RunCheck::Strict))
                << "round " << round << " format " << format;
            ASSERT_TRUE(s.VertexCount == 0 || s.link(s.VertexCount) == 0) << "round " << round << " format " << format;
        }
    }
}

}  // namespace
}  // namespace vantor::test
