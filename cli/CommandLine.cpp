// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <algorithm>

#include "Commands.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

bool Arguments::has(std::string_view name) const {
    return std::any_of(options.begin(), options.end(), [&](const auto& o) { return o.first == name; });
}

std::optional<std::string> Arguments::value(std::string_view name) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it)
        if (it->first == name) return it->second;
    return std::nullopt;
}

std::vector<std::string> Arguments::values(std::string_view name) const {
    std::vector<std::string> all;
    for (const auto& [n, v] : options)
        if (n == name) all.push_back(v);
    return all;
}

const CommandSpec* findCommand(std::string_view name) {
    for (const CommandSpec& c : commandTable())
        if (c.name == name) return &c;
    return nullptr;
}

std::string usageOf(const CommandSpec& command) {
    std::string text;
    bool first = true;
    for (std::string_view synopsis : command.synopses) {
        text += first ? "usage: " : "       ";
        text += "vantor-cli ";
        text += command.name;
        text += ' ';
        text += synopsis;
        text += '\n';
        first = false;
    }
    return text;
}

namespace {

std::string optionLabel(const OptionSpec& o) {
    std::string label;
    if (!o.alias.empty()) {
        label += o.alias;
        label += ", ";
    }
    label += o.name;
    if (!o.value.empty()) {
        label += ' ';
        label += o.value;
    }
    return label;
}

void appendIndented(std::string& text, std::string_view lines, std::string_view indent) {
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        text += indent;
        text += lines.substr(0, end);
        text += '\n';
        if (end == std::string_view::npos) break;
        lines.remove_prefix(end + 1);
    }
}

const OptionSpec* findOption(const CommandSpec& command, std::string_view word) {
    for (const OptionSpec& o : command.options)
        if (o.name == word || (!o.alias.empty() && o.alias == word)) return &o;
    return nullptr;
}

bool isHelp(std::string_view word) { return word == "--help" || word == "-h"; }

}  // namespace

std::string helpOf(const CommandSpec& command) {
    std::string text = usageOf(command);
    text += '\n';
    appendIndented(text, command.summary, "");
    if (!command.details.empty()) {
        text += '\n';
        appendIndented(text, command.details, "");
    }
    text += "\noptions:\n";
    std::size_t width = 0;
    for (const OptionSpec& o : command.options) width = std::max(width, optionLabel(o).size());
    width = std::max(width, std::string_view("-h, --help").size());
    auto row = [&](const std::string& label, std::string_view help) {
        text += "  " + label + std::string(width - label.size() + 2, ' ');
        text += help;
        text += '\n';
    };
    for (const OptionSpec& o : command.options) row(optionLabel(o), o.help);
    row("-h, --help", "show this help and exit");
    if (!command.example.empty()) {
        text += "\nexample:\n";
        appendIndented(text, command.example, "  ");
    }
    return text;
}

std::string programHelp() {
    std::string text = "usage: vantor-cli COMMAND [ARGUMENTS]\n"
                       "       vantor-cli COMMAND --help\n"
                       "       vantor-cli --version\n"
                       "\nFreeVantor without windows: data sets, pictures, animations and meshes of solids of revolution.\n"
                       "\ncommands:\n";
    for (const CommandSpec& c : commandTable()) {
        for (std::string_view synopsis : c.synopses) {
            text += "  vantor-cli ";
            text += c.name;
            text += ' ';
            text += synopsis;
            text += '\n';
        }
        appendIndented(text, c.summary, "      ");
    }
    return text;
}

std::string versionText() {
    return std::string("vantor-cli (FreeVantor) ") + VANTOR_VERSION +
           "\nCopyright 2026 FreeVantor maintainers\n"
           "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::optional<Arguments> parseArguments(const CommandSpec& command, const std::vector<std::string>& args,
                                        std::ostream& out, std::ostream& err, int& exitCode) {
    const std::string prefix = "vantor-cli " + std::string(command.name) + ": ";
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (isHelp(word)) {
            out << helpOf(command);
            exitCode = 0;
            return std::nullopt;
        }
        if (word.size() > 1 && word[0] == '-') {
            const OptionSpec* option = findOption(command, word);
            if (!option) {
                err << prefix << "unknown option '" << escapedText(word) << "'\n" << usageOf(command);
                exitCode = 2;
                return std::nullopt;
            }
            std::string value;
            if (!option->value.empty()) {
                if (i + 1 >= args.size()) {
                    err << prefix << shownName(word) << " needs a value\n" << usageOf(command);
                    exitCode = 2;
                    return std::nullopt;
                }
                value = args[++i];
            }
            parsed.options.emplace_back(option->name, std::move(value));
        } else if (parsed.operands.size() < command.maxOperands) {
            parsed.operands.push_back(word);
        } else {
            err << prefix << "too many names ('" << escapedText(word) << "' is one more than the command takes)\n"
                << usageOf(command);
            exitCode = 2;
            return std::nullopt;
        }
    }
    return parsed;
}

std::string usageProblem(std::string_view command, std::string_view problem) {
    return "vantor-cli " + std::string(command) + ": " + std::string(problem) + "\n" + usageOf(*findCommand(command));
}

int runCommand(const CommandSpec& command, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int exitCode = 0;
    const std::optional<Arguments> parsed = parseArguments(command, args, out, err, exitCode);
    if (!parsed) return exitCode;
    return command.run(*parsed, out, err);
}

int commandNamed(const char* name, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runCommand(*findCommand(name), args, out, err);
}

int runProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << programHelp();
        return 2;
    }
    const std::string& first = args[0];
    if (isHelp(first)) {
        out << programHelp();
        return 0;
    }
    if (first == "--version") {
        out << versionText();
        return 0;
    }
    const CommandSpec* command = findCommand(first);
    if (!command) {
        err << "vantor-cli: unknown command '" << escapedText(first) << "'\n" << programHelp();
        return 2;
    }
    return runCommand(*command, std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

}  // namespace vantor::cli
