// SPDX-License-Identifier: GPL-3.0-or-later
// The options command: an option file as name=value lines, and changes
// written only when every assignment is valid.
#include <gtest/gtest.h>

#include "Commands.h"
#include "model/options/OptionFile.h"
#include "platform/files/Files.h"
#include "cli/RunCommand.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {
using Ran = test::CommandRun;
Ran options(const std::vector<std::string>& args) { return test::runCommand(cli::optionsCommand, args); }
}  // namespace

TEST(OptionsCommand, NewFileStartsFromTheFactoryValuesAndPrintsInRecordOrder) {
    TempDir dir;
    const std::string file = dir.file("view.vop");
    ASSERT_EQ(options({file, "--set", "lightDirH=100.5", "--set", "zoom= 2.25"}).code, 0);
    DisplayOptions expected;
    expected.setFactoryValues();
    expected.lightDirH = 100.5;
    expected.zoom = 2.25;
    EXPECT_EQ(dir.read("view.vop"), encodeOptions(expected));

    const Ran printed = options({file});
    ASSERT_EQ(printed.code, 0);
    EXPECT_EQ(printed.out,
              "centerX=300\ncenterY=200\nunitAngle=3\ndefaultMethod=2\nbright=1000\nlightDistRate=2.4\ntintR=1\n"
              "tintG=1\ntintB=1\nviewDist=1.2\nviewHeight=15\nzoom=2.25\ninclin=0\nbackR=0\nbackG=0\nbackB=0\n"
              "lightDirH=100.5\nlightDirV=45\nsimuUnitAngle=6\nsimuInterval=5\n");
}

TEST(OptionsCommand, PrintedValuesReadBackExactly) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    o.bright = 1000.0 / 3.0;
    o.viewDist = 0.1 + 0.2;
    writeOptionFile(Files(dir.path()), dir.file("a.vop"), o);
    const Ran printed = options({dir.file("a.vop")});
    std::vector<std::string> args{dir.file("b.vop")};
    std::istringstream lines(printed.out);
    for (std::string line; std::getline(lines, line);) {
        args.push_back("--set");
        args.push_back(line);
    }
    ASSERT_EQ(options(args).code, 0);
    EXPECT_EQ(dir.read("b.vop"), dir.read("a.vop"));
}

TEST(OptionsCommand, InvalidAssignmentsWriteNothing) {
    TempDir dir;
    const std::string file = dir.file("keep.vop");
    ASSERT_EQ(options({file, "--set", "zoom=3"}).code, 0);
    const auto before = dir.read("keep.vop");
    struct Row {
        const char* assignment;
        const char* message;
    };
    const Row rows[] = {
        {"zoom=0.05", "out of range"},       {"colour=1", "unknown option 'colour'"},
        {"simuInterval=1001", "out of range"}, {"simuInterval=2.5", "not a whole number"},
        {"viewHeight=abc", "not a number"},    {"inclin", "name=value"},
        {"defaultMethod=0", "out of range"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.assignment);
        const Ran ran = options({file, "--set", "zoom=1", "--set", r.assignment});
        EXPECT_EQ(ran.code, 2);
        EXPECT_NE(ran.err.find(r.message), std::string::npos) << ran.err;
        EXPECT_EQ(dir.read("keep.vop"), before);
    }
    dir.write("short.vop", std::vector<std::uint8_t>(50, 0));
    const Ran shortFile = options({dir.file("short.vop")});
    EXPECT_EQ(shortFile.code, 1);
    EXPECT_FALSE(shortFile.err.empty());
    EXPECT_EQ(options({dir.file("missing.vop")}).code, 1);
}
