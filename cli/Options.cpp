// vantor-cli options FILE.vop [--set name=value ...]: prints an option file
// as name=value lines in the record's order, or writes a new or changed one
// (a new file starts from the factory values). Nothing is written unless
// every assignment is valid.

#include "Commands.h"
#include "TerminalText.h"
#include "display/OptionFields.h"
#include "display/OptionFile.h"
#include "platform/files/Files.h"

namespace vantor::cli {

namespace {
constexpr const char* Usage =
    "usage: vantor-cli options FILE.vop [--set name=value ...]\n"
    "  without --set: print the options, one name=value line a field\n"
    "  with --set: change the named fields (a new file starts from the factory values)\n";

void printFieldNames(std::ostream& err) {
    err << "fields:";
    for (const OptionField& f : optionFields()) err << ' ' << f.name;
    err << '\n';
}
}  // namespace

int optionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    std::vector<std::string> sets;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--set") {
            if (i + 1 >= args.size()) {
                err << "vantor-cli options: --set needs name=value\n" << Usage;
                return 2;
            }
            sets.push_back(args[++i]);
        } else if (!args[i].empty() && args[i][0] == '-') {
            err << "vantor-cli options: unknown option '" << args[i] << "'\n" << Usage;
            return 2;
        } else if (file.empty()) {
            file = args[i];
        } else {
            err << "vantor-cli options: more than one option file named\n" << Usage;
            return 2;
        }
    }
    if (file.empty()) {
        err << Usage;
        return 2;
    }
    return reportingFailure("options", err, [&] {
        Files files(".");
        DisplayOptions options;
        options.setFactoryValues();
        const bool exists = files.fileExists(file);
        if (exists) readOptionFile(files, file, options);
        if (sets.empty()) {
            if (!exists) {
                err << "vantor-cli options: " << file << ": no such file\n";
                return 1;
            }
            for (const OptionField& f : optionFields()) out << f.name << '=' << optionValueText(options, f.name) << '\n';
            return 0;
        }
        for (const std::string& s : sets) {
            if (const auto problem = setOptionAssignment(options, s)) {
                err << "vantor-cli options: " << *problem << "; nothing written\n";
                if (problem->rfind("unknown option", 0) == 0) printFieldNames(err);
                return 2;
            }
        }
        writeOptionFile(files, file, options);
        out << file << ": " << (exists ? "changed" : "written") << '\n';
        return 0;
    });
}

}  // namespace vantor::cli
