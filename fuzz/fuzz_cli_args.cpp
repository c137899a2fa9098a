// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli's argument parsing: any words, for any command, are sorted by
// the command table or refused with exit code 2 and a message, never more;
// the scene options a picture command reads are taken or refused whole; and
// every line the terminal gets in Japanese is still one line.
#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "FuzzSupport.h"
#include "SolidScene.h"
#include "TerminalLanguage.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto table = cli::commandTable();
    const cli::CommandSpec& command = table[data[0] % table.size()];
    // Words are separated by NUL bytes, as the kernel hands them over.
    std::vector<std::string> words{""};
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0) words.emplace_back();
        else words.back() += static_cast<char>(data[i]);
    }
    std::ostringstream out, err;
    int exitCode = -1;
    const auto parsed = cli::parseArguments(command, words, out, err, exitCode);
    if (!parsed) {
        fuzz::require(exitCode == 0 || exitCode == 2);
        fuzz::require(exitCode == 0 ? !out.str().empty() : !err.str().empty());
        return 0;
    }
    fuzz::require(parsed->operands.size() <= command.maxOperands);
    for (const auto& [name, value] : parsed->options) {
        bool known = false;
        for (const cli::OptionSpec& o : command.options) known = known || o.name == name;
        fuzz::require(known);
    }
    // The options every picture command shares.
    std::ostringstream sceneErr;
    const auto scene = cli::sceneRequestOf(*parsed, "render", sceneErr);
    fuzz::require(scene.has_value() == sceneErr.str().empty());
    // A message quoting the words, in Japanese, keeps its line breaks.
    for (const std::string& w : words) {
        const std::string line = cli::spokenLine("vantor-cli render: unknown option '" + w + "'", Language::Japanese);
        fuzz::require(line.find('\n') == std::string::npos || w.find('\n') != std::string::npos);
    }
    return 0;
}
