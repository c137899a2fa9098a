// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli options FILE.vop [--set name=value ...]: prints an option file
// as name=value lines in the record's order, or writes a new or changed one
// (a new file starts from the factory values). Nothing is written unless
// every assignment is valid.

#include "Commands.h"
#include "TerminalText.h"
#include "model/options/OptionFields.h"
#include "model/options/OptionFile.h"
#include "platform/files/Files.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

namespace {
void printFieldNames(std::ostream& err) {
    err << "fields:";
    for (const OptionField& f : optionFields()) err << ' ' << f.name;
    err << '\n';
}
}  // namespace

int runOptions(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.operands.empty()) {
        err << usageOf(*findCommand("options"));
        return 2;
    }
    const std::string& file = args.operands[0];
    const std::vector<std::string> sets = args.values("--set");
    return reportingFailure("options", err, [&] {
        Files files(".");
        DisplayOptions options;
        options.setFactoryValues();
        const bool exists = files.fileExists(file);
        if (exists) readOptionFile(files, file, options);
        if (sets.empty()) {
            if (!exists) {
                err << "vantor-cli options: " << shownName(file) << ": no such file\n";
                return 1;
            }
            for (const OptionField& f : optionFields()) out << f.name << '=' << optionValueText(options, f.name) << '\n';
            return 0;
        }
        for (const std::string& s : sets) {
            // No name or value holds a control character: say so with the text escaped.
            if (shownName(s) != s) {
                err << "vantor-cli options: '" << shownName(s) << "' is not of the form name=value; nothing written\n";
                return 2;
            }
            if (const auto problem = setOptionAssignment(options, s)) {
                err << "vantor-cli options: " << *problem << "; nothing written\n";
                if (problem->rfind("unknown option", 0) == 0) printFieldNames(err);
                return 2;
            }
        }
        writeOptionFile(files, file, options);
        out << shownName(file) << ": " << (exists ? "changed" : "written") << '\n';
        return 0;
    });
}

}  // namespace vantor::cli
