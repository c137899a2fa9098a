// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "CommandLine.h"
#include "TerminalLanguage.h"
#include "language/Japanese.h"
#include "model/options/OptionFields.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome program(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::runProgram(args, out, err);
    return {code, out.str(), err.str()};
}

// The option names a help text lists: the first word of each line under
// "options:" ("-o, --output OUT" gives -o and --output).
std::set<std::string> listedOptions(const std::string& help) {
    std::set<std::string> names;
    std::istringstream lines(help.substr(help.find("options:\n") + 9));
    std::string line;
    while (std::getline(lines, line) && !line.empty()) {
        std::istringstream words(line);
        std::string w;
        while (words >> w && w[0] == '-') {
            if (w.back() == ',') w.pop_back();
            names.insert(w);
            if (line.find(w + ",") == std::string::npos) break;
        }
    }
    return names;
}

}  // namespace

TEST(CommandLine, EveryCommandsHelpExitsZeroAndListsExactlyItsOptions) {
    for (const cli::CommandSpec& c : cli::commandTable()) {
        SCOPED_TRACE(std::string(c.name));
        const Outcome r = program({std::string(c.name), "--help"});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.err.empty());
        std::set<std::string> expected{"-h", "--help"};
        for (const cli::OptionSpec& o : c.options) {
            expected.insert(std::string(o.name));
            if (!o.alias.empty()) expected.insert(std::string(o.alias));
        }
        EXPECT_EQ(listedOptions(r.out), expected);
        // Help wins over arguments that would be wrong.
        EXPECT_EQ(program({std::string(c.name), "no-such.va4", "-h"}).code, 0);
    }
}

TEST(CommandLine, EveryListedOptionIsTakenAndOthersAreRefused) {
    for (const cli::CommandSpec& c : cli::commandTable()) {
        SCOPED_TRACE(std::string(c.name));
        for (const cli::OptionSpec& o : c.options) {
            SCOPED_TRACE(std::string(o.name));
            std::vector<std::string> args{std::string(c.name), "missing.va4", std::string(o.name)};
            if (!o.value.empty()) args.push_back("1");
            EXPECT_EQ(program(args).err.find("unknown option"), std::string::npos);
        }
        const Outcome unknown = program({std::string(c.name), "missing.va4", "--no-such-option"});
        EXPECT_EQ(unknown.code, 2);
        EXPECT_NE(unknown.err.find("unknown option '--no-such-option'"), std::string::npos);
        EXPECT_NE(unknown.err.find("usage: vantor-cli " + std::string(c.name)), std::string::npos);
    }
}

// Regression: a copy of the usages kept apart from the commands lacked the
// options the commands had gained.
TEST(CommandLine, ProgramHelpHoldsEveryCommandsUsageAndEndsItsLastLine) {
    const Outcome help = program({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const cli::CommandSpec& c : cli::commandTable())
        for (std::string_view synopsis : c.synopses)
            EXPECT_NE(help.out.find(std::string(c.name) + " " + std::string(synopsis)), std::string::npos) << synopsis;
    EXPECT_NE(help.out.find("--thickness"), std::string::npos);
    EXPECT_NE(help.out.find("--simulation"), std::string::npos);
    EXPECT_EQ(help.out.back(), '\n');

    const Outcome none = program({});
    EXPECT_EQ(none.code, 2);
    EXPECT_EQ(none.err, help.out);
    const Outcome unknown = program({"draw"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("unknown command 'draw'"), std::string::npos);
}

TEST(CommandLine, AMissingNameIsSaidBeforeTheUsage) {
    struct Row {
        std::vector<std::string> args;
        std::string problem;
    };
    const Row rows[] = {
        {{"render", "vase.va4"}, "vantor-cli render: no output file given (-o OUT)"},
        {{"render", "-o", "v.png"}, "vantor-cli render: no data set given"},
        {{"export", "vase.va4"}, "vantor-cli export: no output file given (-o OUT)"},
        {{"profile", "-o", "t.svg"}, "vantor-cli profile: no data set given"},
        {{"animate", "vase.va4", "--simulation"}, "vantor-cli animate: no output file given (-o OUT)"},
        {{"measure"}, "vantor-cli measure: no data set given"},
        {{"check"}, "vantor-cli check: no data set given"},
        {{"convert", "a.va4"}, "vantor-cli convert: no output data set given"},
    };
    for (const Row& row : rows) {
        const Outcome r = program(row.args);
        EXPECT_EQ(r.code, 2) << row.problem;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), row.problem);
        EXPECT_NE(r.err.find("\nusage: vantor-cli " + row.args[0]), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(CommandLine, VersionIsTheProjectsVersion) {
    const Outcome r = program({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), std::string("vantor-cli (FreeVantor) ") + VANTOR_VERSION + "\n");
    EXPECT_NE(r.out.find("License GPL-3.0-or-later"), std::string::npos) << r.out;
}

TEST(CommandLine, ManualPageAndCompletionNameEveryCommandAndOption) {
    const std::string man = cli::manualPage();
    const std::string bash = cli::bashCompletion();
    auto roff = [](std::string_view s) {
        std::string r;
        for (char c : s) r += c == '-' ? std::string("\\-") : std::string(1, c);
        return r;
    };
    for (const cli::CommandSpec& c : cli::commandTable()) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_NE(man.find(".SS " + std::string(c.name) + "\n"), std::string::npos);
        EXPECT_NE(bash.find("    " + std::string(c.name) + ")\n"), std::string::npos);
        for (const cli::OptionSpec& o : c.options) {
            EXPECT_NE(man.find(roff(o.name)), std::string::npos) << o.name;
            EXPECT_NE(bash.find(std::string(o.name) + " "), std::string::npos) << o.name;
        }
    }
    // A line starting with "." or "'" would be read as a roff request.
    std::istringstream lines(man);
    std::string line;
    const std::set<std::string> requests{".TH", ".SH", ".SS", ".TP", ".B", ".BR", ".RI", ".I", ".br", ".PP", ".RS", ".RE", ".nf", ".fi"};
    while (std::getline(lines, line)) {
        if (!line.empty() && (line[0] == '.' || line[0] == '\'')) {
            EXPECT_TRUE(requests.count(line.substr(0, line.find(' ')))) << line;
        }
    }
}

namespace {

Outcome programIn(Language language, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::runProgramIn(language, args, out, err);
    return {code, out.str(), err.str()};
}

// Lines that are command syntax (usages, examples) read the same in every
// language.
bool isSyntax(const std::string& line) {
    for (const char* start : {"  vantor-cli ", "       vantor-cli ", "usage: vantor-cli ", "使い方: vantor-cli "})
        if (line.rfind(start, 0) == 0) return true;
    return false;
}

}  // namespace

TEST(TerminalLanguage, JapaneseOnlyUnderAJapaneseLocale) {
    struct Row {
        const char *lcAll, *lcMessages, *lang;
        Language expected;
    } rows[] = {
        {nullptr, nullptr, nullptr, Language::English},       {nullptr, nullptr, "C.UTF-8", Language::English},
        {nullptr, nullptr, "ja_JP.UTF-8", Language::Japanese}, {"", nullptr, "ja", Language::Japanese},
        {"C", nullptr, "ja_JP.UTF-8", Language::English},      {nullptr, "ja_JP.eucJP", "en_US.UTF-8", Language::Japanese},
        {nullptr, nullptr, "jam", Language::English},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.lcAll ? r.lcAll : "-") + " " + (r.lcMessages ? r.lcMessages : "-") + " " +
                     (r.lang ? r.lang : "-"));
        EXPECT_EQ(cli::terminalLanguage(r.lcAll, r.lcMessages, r.lang), r.expected);
    }
}

TEST(TerminalLanguage, EveryHelpLineSpeaksJapaneseUnderAJapaneseLocale) {
    std::vector<std::vector<std::string>> calls{{"--help"}};
    for (const cli::CommandSpec& c : cli::commandTable()) calls.push_back({std::string(c.name), "--help"});
    for (const auto& call : calls) {
        SCOPED_TRACE(call[0]);
        const Outcome r = programIn(Language::Japanese, call);
        EXPECT_EQ(r.code, 0);
        std::istringstream lines(r.out);
        std::string line;
        while (std::getline(lines, line)) {
            if (!line.empty() && !isSyntax(line)) {
                EXPECT_TRUE(hasJapanese(line)) << line;
            }
        }
    }
}

// Every line a command says under a Japanese locale is Japanese, apart from
// names: files, option fields, and command syntax; under any other locale no
// line holds Japanese.
TEST(TerminalLanguage, EveryMessageAndResultSpeaksTheLocalesLanguage) {
    // Files named without words, so that a word left is one of the messages'.
    test::TempDir dir;
    for (const char* ext : {".va4", ".zuk", ".vop"})
        std::filesystem::copy_file(std::string(VANTOR_SOURCE_DIR) + "/examples/vase" + ext, dir.file(std::string("v1") + ext));
    const std::string vase = dir.file("v1.va4");
    const std::vector<std::vector<std::string>> calls{
        {"convert", dir.file("m1.va4"), dir.file("o1.va4")},
        {"convert", vase, dir.file("o1.csv")},
        {"convert", vase, dir.file("o1.txt")},
        {"render", vase, "-o", dir.file("o1.png")},
        {"render", vase, "-o", dir.file("o1.png"), "--set", "zoom=0.01"},
        {"render", vase, "-o", dir.file("o1.png"), "--color-depth", "7"},
        {"render", vase, "--bad"},
        {"render", vase, "-o"},
        {"options", dir.file("n1.vop"), "--set", "zoom=2"},
        {"options", dir.file("n1.vop"), "--set", "zoom"},
        {"options", dir.file("n1.vop"), "--set", "zoom=x"},
        {"export", vase, "-o", dir.file("o1.stl")},
        {"export", vase, "-o", dir.file("o1.xyz")},
        {"export", vase, "-o", dir.file("o1.stl"), "--segments", "2"},
        {"export", vase, "-o", dir.file("o1.3mf"), "--thickness", "2", "--scale", "0.5"},
        {"export", vase, "-o", dir.file("o1.stl"), "--scale", "0"},
        {"check", vase},
        {"check", vase, "--nozzle", "20"},
        {"check", vase, "--max-overhang", "95"},
        {"measure", vase, "--scale", "0.5", "--thickness", "1"},
        {"measure", vase, "--unit", "mm"},
        {"measure", vase, "--angle", "400"},
        {"animate", dir.file("s1.snr"), "-o", dir.file("o1.gif")},
        {"animate", vase, "--simulation", "-o", dir.file("o1.gif"), "--delay", "25", "--set", "simuUnitAngle=30"},
        {"animate", vase, "-o", dir.file("o1.gif"), "--delay", "0"},
        {"draw"},
    };
    dir.writeText("b1.van", "4\r\n1,1,1\r\n2,2,0\r\n3,3,1\r\n3;3;0\r\n");
    for (const auto& call : calls) {
        // The program's own texts, Japanese at heart, read in English elsewhere.
        const Outcome english = programIn(Language::English, call);
        EXPECT_FALSE(hasJapanese(english.out + english.err)) << english.out << english.err;
    }
    const Outcome badLine = programIn(Language::English, {"convert", dir.file("b1.van"), dir.file("o2.va4")});
    EXPECT_NE(badLine.err.find("Read error (line 5"), std::string::npos) << badLine.err;
    for (const auto& call : calls) {
        std::string name;
        for (const std::string& w : call) name += w + " ";
        SCOPED_TRACE(name);
        const Outcome r = programIn(Language::Japanese, call);
        std::istringstream lines(r.out + r.err);
        std::string line;
        while (std::getline(lines, line)) {
            for (std::size_t at = line.find(dir.path()); at != std::string::npos; at = line.find(dir.path()))
                line.erase(at, dir.path().size());
            if (line.empty() || isSyntax(line) || line.rfind("項目:", 0) == 0) continue;
            // The program's and the command's names, and option names, are syntax.
            if (line.rfind("vantor-cli", 0) == 0) line.erase(0, line.find(": ") + 2);
            for (std::size_t at = line.find("--"); at != std::string::npos; at = line.find("--"))
                line.erase(at, line.find_first_of(" '", at) - at);
            // Names: what the user typed, option fields, the placeholders of usages.
            std::vector<std::string> names{"name=value", "DATA", "OUT", "draw"};
            for (const OptionField& f : optionFields()) names.emplace_back(f.name);
            for (const std::string& n : names)
                for (std::size_t at = line.find(n); at != std::string::npos; at = line.find(n)) line.erase(at, n.size());
            EXPECT_FALSE(hasEnglish(line)) << line;
        }
    }
}
