// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vantor-cli's command table: every sub-command with its usage, its options
// and the function that runs it. The top-level help, each command's --help,
// the errors for unknown options, the manual page and the shell completion
// are all made from this one table, so they cannot disagree.
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor::cli {

// What an option's value (or an operand) names, for the shell completion.
enum class ValueKind {
    None,         // a flag without a value
    Text,         // free text or a number
    Files,        // a file name with one of `extensions`
    Words,        // one of `extensions`, taken as words
    OptionField,  // name=value of an option-file field
};

struct OptionSpec {
    std::string_view name;   // "--segments"
    std::string_view alias;  // "-o", or empty
    std::string_view value;  // the value's placeholder ("N"); empty for a flag
    std::string_view help;
    ValueKind kind = ValueKind::Text;
    std::string_view extensions = {};  // "png bmp" for Files, "8 16 24 32" for Words
    bool repeatable = false;
};

// The words of a command line after the command, sorted by the table.
struct Arguments {
    std::vector<std::string> operands;
    std::vector<std::pair<std::string, std::string>> options;  // canonical name, value ("" for a flag), in order

    bool has(std::string_view name) const;
    // The last value given for the option.
    std::optional<std::string> value(std::string_view name) const;
    std::vector<std::string> values(std::string_view name) const;
};

using CommandRun = int (*)(const Arguments&, std::ostream& out, std::ostream& err);

struct CommandSpec {
    std::string_view name;
    std::vector<std::string_view> synopses;  // operands and options after "vantor-cli NAME"
    std::string_view summary;                // one line
    std::string_view details;                // further lines, may be empty
    std::string_view operandExtensions;      // files the operands name, for the completion
    std::size_t maxOperands;
    std::vector<OptionSpec> options;
    std::string_view example;
    CommandRun run;
};

std::span<const CommandSpec> commandTable();
const CommandSpec* findCommand(std::string_view name);
// What is missing from a command line, on a line of its own, then the
// command's usage: "vantor-cli render: no output file given (-o OUT)".
std::string usageProblem(std::string_view command, std::string_view problem);

// "usage: vantor-cli NAME SYNOPSIS" lines of one command.
std::string usageOf(const CommandSpec& command);
// The whole help of one command: usage, summary, details, options.
std::string helpOf(const CommandSpec& command);
// The help of the program: every command's usage and summary.
std::string programHelp();
std::string versionText();

// Sorts args (the words after the command name) by the command's options.
// Nothing when the command is not to run: --help (or -h) anywhere printed
// the command's help (exitCode 0); an unknown option or a missing value
// printed the reason and the usage (exitCode 2).
std::optional<Arguments> parseArguments(const CommandSpec& command, const std::vector<std::string>& args,
                                        std::ostream& out, std::ostream& err, int& exitCode);

// Parses args as parseArguments does and runs the command. --help (or -h) anywhere prints the command's help (exit 0);
// an unknown option or a missing value prints the reason and the usage
// (exit 2).
int runCommand(const CommandSpec& command, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The whole program: args are the words after "vantor-cli".
int runProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Made from the table for installation.
std::string manualPage();
std::string bashCompletion();

}  // namespace vantor::cli
