#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "CommandLine.h"
#include "TerminalLanguage.h"

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

// The program's help once kept its own copy of the usages and lost options
// that the commands had gained.
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

TEST(CommandLine, VersionIsTheProjectsVersion) {
    const Outcome r = program({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, std::string("vantor-cli (FreeVantor) ") + VANTOR_VERSION + "\n");
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
    for (const char* start : {"  vantor-cli ", "       vantor-cli ", "usage: vantor-cli "})
        if (line.rfind(start, 0) == 0 && line.find("使い方") == std::string::npos) return true;
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
