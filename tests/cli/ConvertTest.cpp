// SPDX-License-Identifier: GPL-3.0-or-later
// The convert command end to end: data set in, data set in another format out.
#include <gtest/gtest.h>

#include <filesystem>

#include "Commands.h"
#include "model/figures/FigureStore.h"
#include "model/formats/BinaryVertexFormats.h"
#include "support/StoreBuilder.h"
#include "model/options/OptionFile.h"
#include "platform/files/Files.h"
#include "cli/RunCommand.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {

using Outcome = test::CommandRun;
Outcome convert(const std::vector<std::string>& args) { return test::runCommand(cli::convertCommand, args); }

// in/vase.va4 with its .zuk (figure 2 keeps a tint of its own) and .vop.
void writeVase(const TempDir& dir) {
    test::FreshStore v;
    v.options.zoom = 2.5;
    test::buildVase(v.store);
    v.store.slot(2) = FigureRecord{0.25, 0.5, 1.0, 3, 1, 1, 0};
    Files files(dir.path());
    std::filesystem::create_directories(dir.file("in"));
    std::filesystem::create_directories(dir.file("out"));
    dir.write("in/vase.va4", encodeVa4(v.store));
    v.store.writeFigureFile(files, "in/vase.zuk");
    writeOptionFile(files, "in/vase.vop", v.options);
}

TEST(ConvertCommand, ThroughTextAndBackKeepsVerticesAndOptions) {
    TempDir dir;
    writeVase(dir);
    Outcome r = convert({dir.file("in/vase.va4"), dir.file("out/v.csv")});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto csv = dir.read("out/v.csv");
    EXPECT_EQ(std::string(csv.begin(), csv.end()), "0,0\r\n10,5\r\n20,40\r\n=\r\n5,-3\r\n7.5,2.25\r\n=\r\n");
    EXPECT_EQ(dir.read("out/v.vop"), dir.read("in/vase.vop"));

    r = convert({dir.file("in/vase.va4"), dir.file("out/same.va4")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(dir.read("out/same.va4"), dir.read("in/vase.va4"));
    EXPECT_EQ(dir.read("out/same.zuk"), dir.read("in/vase.zuk"));
}

TEST(ConvertCommand, BadInputFailsWithAMessageAndWritesNothing) {
    TempDir dir;
    writeVase(dir);
    dir.writeText("in/bad.van", "2\r\n1,1,1\r\nbroken\r\n");
    dir.writeText("in/empty.csv", "x,y\r\n");
    std::filesystem::create_directory(dir.file("in/folder.va4"));
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* message;
    } cases[] = {{{dir.file("in/bad.van"), dir.file("out/a.csv")}, 1, "3 行目"},
                 {{dir.file("in/empty.csv"), dir.file("out/a.csv")}, 1, "no vertices"},
                 {{dir.file("in/none.va4"), dir.file("out/a.csv")}, 1, "no such file"},
                 {{dir.file("in/folder.va4"), dir.file("out/a.csv")}, 1, "is a folder"},
                 {{dir.file("in/vase.va4"), dir.file("out/a.txt")}, 2, "unknown data format"},
                 {{dir.file("in/vase.va4")}, 2, "usage"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const Outcome r = convert(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(Files(dir.path()).fileExists("out/a.csv"));
    EXPECT_FALSE(Files(dir.path()).fileExists("out/a.vop"));
}

}  // namespace

// Regression: a .van whose last vertex has link 1 converted to "0 figures"
// and an empty .zuk.
TEST(ConvertCommand, OpenLastFigureStillCountsAsAFigure) {
    TempDir dir;
    dir.writeText("open.van", "2\r\n3,1,1\r\n3,2,1\r\n");
    const Outcome r = convert({dir.file("open.van"), dir.file("open.va4")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("2 vertices, 1 figures"), std::string::npos) << r.out;
    EXPECT_EQ(dir.read("open.zuk").size(), static_cast<std::size_t>(FigureRecordSize));
}

// Regression: links planted in a shared folder at the names of the files
// beside the output led convert to overwrite what they pointed at.
TEST(ConvertCommand, PlantedCompanionLinksChangeNothingOutside) {
    TempDir dir;
    writeVase(dir);
    dir.writeText("victim", "keep");
    dir.writeText("rc", "keep");
    std::filesystem::create_symlink(dir.file("victim"), dir.file("out/vase.zuk"));
    std::filesystem::create_symlink("../rc", dir.file("out/vase.vop"));
    const Outcome r = convert({dir.file("in/vase.va4"), dir.file("out/vase.va4")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(dir.read("victim"), std::vector<std::uint8_t>({'k', 'e', 'e', 'p'}));
    EXPECT_EQ(dir.read("rc"), std::vector<std::uint8_t>({'k', 'e', 'e', 'p'}));
    EXPECT_EQ(dir.read("out/vase.zuk"), dir.read("in/vase.zuk"));
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("out/vase.vop")));
}
