// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli profile DATA -o OUT.svg|OUT.pdf|OUT.dxf [--scale S]
// The drawn figures at true size, for turners, potters and laser cutters.
#include "Commands.h"
#include "SolidData.h"
#include "TerminalText.h"
#include "export/mesh/ProfileTemplate.h"
#include "platform/files/EscapedText.h"
#include "platform/files/Files.h"

namespace vantor::cli {

int runProfile(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string data = args.operands.empty() ? std::string() : args.operands[0];
    const std::string output = args.value("--output").value_or("");
    if (data.empty() || output.empty()) {
        err << usageProblem("profile", data.empty() ? "no data set given" : "no output file given (-o OUT)");
        return 2;
    }
    const auto scale = decimalOption(args, "profile", ScaleOption, 1, err);
    if (!scale) return 2;
    const TemplateFormat format = templateFormatOf(output);
    if (format == TemplateFormat::Unknown) {
        err << "vantor-cli profile: " << shownName(output) << ": use .svg, .pdf or .dxf\n";
        return 2;
    }
    return reportingFailure("profile", err, [&] {
        const auto figures = readFigures("profile", data, err);
        if (!figures) return 1;
        const std::vector<TemplateFigure> drawn = templateFigures(*figures->store);
        writeTemplate(drawn, *scale, format, Files(".").resolve(output), output);
        out << shownName(output) << ": " << drawn.size() << (drawn.size() == 1 ? " figure" : " figures") << " at " << number(*scale)
            << " mm a data unit\n";
        return 0;
    });
}

}  // namespace vantor::cli
