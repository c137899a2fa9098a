// SPDX-License-Identifier: GPL-3.0-or-later
// export, measure and check end to end on small data sets written as text.
#include <gtest/gtest.h>

#include <cmath>

#include "Commands.h"
#include "cli/RunCommand.h"
#include "support/Read3mf.h"
#include "platform/files/Files.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {

struct Row {
    const char* name;
    test::Command command;
    const char* data;  // a .van data set: the vertex count, then "x,y,link" lines
    std::vector<std::string> args;
    int code;
    std::vector<std::string> said;  // each found in what the command wrote
    const char* written;            // the file that must exist afterwards, or "" for none
};

constexpr const char* Rectangle = "5\n-10,0,1\n20,0,1\n20,10,1\n-10,10,1\n-10,0,0\n";
constexpr const char* BowTie = "5\n10,0,1\n20,10,1\n20,0,1\n10,10,1\n10,0,0\n";
constexpr const char* Vase = "3\n0,0,1\n20,0,1\n25,40,0\n";
constexpr const char* Mushroom = "7\n0,0,1\n5,0,1\n5,10,1\n20,10,1\n20,12,1\n0,12,1\n0,0,0\n";
constexpr const char* Cylinder = "5\n0,0,1\n10,0,1\n10,5,1\n0,5,1\n0,0,0\n";
constexpr const char* Line = "4\n0,0,1\n10,10,1\n20,20,1\n0,0,0\n";
constexpr const char* Huge = "5\n1e36,0,1\n2e36,0,1\n2e36,1e36,1\n1e36,1e36,1\n1e36,0,0\n";
// A tube 10 mm across with a 1 mm bore, 10 mm tall, drawn in metres.
constexpr const char* Bore = "5\n0.0005,0,1\n0.005,0,1\n0.005,0.01,1\n0.0005,0.01,1\n0.0005,0,0\n";

}  // namespace

TEST(SolidCommands, SayWhatTheySolvedAndRefuseWhatTheyCannotMake) {
    const Row rows[] = {
        {"a rectangle reaching past the axis is the whole cylinder", cli::measureCommand, Rectangle, {}, 0,
         {"volume 12566.4", "size: 40 x 40 x 10 mm", "figure 1: the profile crosses the axis"}, ""},
        {"a bow tie fills both lobes", cli::measureCommand, BowTie, {}, 0,
         {"area 50,", "figure 1: the profile crosses or overlaps itself"}, ""},
        {"scaled measures are millimetres", cli::measureCommand, Rectangle, {"--scale", "2"}, 0,
         {"volume 100.531 ml", "size: 80 x 80 x 20 mm"}, ""},
        {"an open figure is refused by name", cli::exportCommand, Vase, {"-o", "out.stl"}, 1,
         {"figure 1 is open", "--thickness T", "--allow-open", "nothing written"}, ""},
        {"or written bare when asked", cli::exportCommand, Vase, {"-o", "out.stl", "--allow-open"}, 0,
         {"out.stl: 1 figures"}, "out.stl"},
        {"or given a wall", cli::exportCommand, Vase, {"-o", "out.3mf", "--thickness", "2"}, 0, {"out.3mf: 1 figures"},
         "out.3mf"},
        {"a clean cylinder has no findings", cli::checkCommand, Cylinder, {}, 0, {"no findings"}, ""},
        {"a cap's underside is an overhang", cli::checkCommand, Mushroom, {}, 1,
         {"figure 1, segment 3-4 (5, 10) to (20, 10): overhang: faces down 90.0° from vertical (limit 45°)", "1 finding"},
         ""},
        {"a nozzle too wide for the cap", cli::checkCommand, Mushroom, {"--nozzle", "2.5"}, 1,
         {"figure 1, segment 3-4 (5, 10) to (20, 10): thin wall at (", "2.00 mm wide (the nozzle draws 2.5 mm)", "2 findings"}, ""},
        {"a nozzle out of range", cli::checkCommand, Mushroom, {"--nozzle", "0"}, 2,
         {"--nozzle takes millimetres above 0 and up to 10, not '0'"}, ""},
        {"no area is refused before an STL is written", cli::exportCommand, Line, {"-o", "out.stl"}, 1,
         {"no figure encloses any area", "nothing written"}, ""},
        {"nor a 3MF", cli::exportCommand, Line, {"-o", "out.3mf"}, 1, {"no figure encloses any area", "nothing written"}, ""},
        {"and check finds it", cli::checkCommand, Line, {}, 1, {"all figures: no area", "1 finding"}, ""},
        {"coordinates beyond single precision at the scale are refused", cli::exportCommand, Huge,
         {"-o", "out.stl", "--scale", "1000"}, 1, {"beyond single precision", "nothing written"}, ""},
        {"a bore drawn in metres keeps its volume", cli::measureCommand, Bore, {"--scale", "1000"}, 0,
         {"volume 0.777544 ml"}, ""},
        {"numbers with an exponent", cli::exportCommand, Vase, {"-o", "out.stl", "--thickness", "2e0", "--segments", "1e2"}, 0,
         {"out.stl: 1 figures"}, "out.stl"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempDir dir;
        dir.writeText("d.van", row.data);
        std::vector<std::string> args{dir.file("d.van")};
        for (const std::string& a : row.args) args.push_back(a.rfind("out.", 0) == 0 ? dir.file(a) : a);
        const test::CommandRun r = test::runCommand(row.command, args);
        EXPECT_EQ(r.code, row.code) << r.out << r.err;
        for (const std::string& s : row.said) EXPECT_NE((r.out + r.err).find(s), std::string::npos) << s << "\n" << r.out << r.err;
        Files files(dir.path());
        for (const char* out : {"out.stl", "out.3mf"})
            EXPECT_EQ(files.fileExists(out), std::string(row.written) == out) << out;
    }
}

TEST(SolidCommands, ThreeMfOfAWalledVaseReadsBackAsOneMillimetreObject) {
    test::TempDir dir;
    dir.writeText("d.van", Vase);
    const test::CommandRun r =
        test::runCommand(cli::exportCommand, {dir.file("d.van"), "-o", dir.file("v.3mf"), "--thickness", "2", "--scale", "0.5"});
    ASSERT_EQ(r.code, 0) << r.err;
    const test::Model3mf model = test::read3mf(Files(dir.path()).readAll("v.3mf"));
    EXPECT_TRUE(model.millimetres);
    ASSERT_EQ(model.objects.size(), 1u);
    EXPECT_EQ(model.objects[0].name, "solid");
    double top = 0;
    for (const Vec3& v : model.objects[0].mesh.vertices) top = std::max(top, v.z);
    // The wall's top edge stands square to the last segment, above its vertex.
    EXPECT_NEAR(top, (40 + 2 * 5 / std::hypot(5.0, 40.0)) * 0.5, 1e-4) << "half a millimetre a data unit";
}
