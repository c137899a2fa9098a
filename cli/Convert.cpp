// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli convert IN OUT: reads a data set and writes it in the format of
// OUT's extension through the same readers and writers as the control
// window. The .zuk and .vop beside IN are used as a load uses them; the .vop
// (and for .va4 the .zuk) are written beside OUT as a save writes them.
#include <exception>

#include "Commands.h"
#include "DataFile.h"
#include "TerminalText.h"
#include "model/figures/FigureStore.h"
#include "model/formats/DataSetFiles.h"
#include "model/formats/DataSetLoad.h"
#include "model/options/DisplayOptions.h"
#include "model/options/OptionFile.h"
#include "platform/files/Files.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

namespace {

bool knownFormat(const std::string& path, DataFormat& format, std::ostream& err) {
    format = dataFormatOfExtension(extensionOfPath(path));
    if (format != DataFormat::Unknown) return true;
    reportDataFileProblem(err, "convert", path, DataFileProblem::UnknownFormat);
    return false;
}
}  // namespace

int runConvert(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.operands.size() != 2) {
        err << usageProblem("convert", args.operands.empty() ? "no data set given" : "no output data set given");
        return 2;
    }
    const std::string& inPath = args.operands[0];
    const std::string& outPath = args.operands[1];
    DataFormat inFormat, outFormat;
    if (!knownFormat(inPath, inFormat, err) || !knownFormat(outPath, outFormat, err)) return 2;

    return reportingFailure("convert", err, [&] {
        Files files(".");
        repairInterruptedSave(err, "convert", files, inPath);
        if (const DataFileProblem problem = dataFileProblem(files, inPath); problem != DataFileProblem::None) {
            reportDataFileProblem(err, "convert", inPath, problem);
            return 1;
        }
        DisplayOptions options;
        options.setFactoryValues();
        FigureStore store(options);
        const ReadResult read = loadDataSet(store, files, inFormat, inPath, stemOf(inPath), LoadMode::Replace,
                                            [&](const std::string& vop) { readOptionFile(files, vop, options); });
        if (!read.complete()) {
            err << "vantor-cli convert: " << shownName(inPath) << ": " << forTerminal(read.problem) << "\nnothing written\n";
            return 1;
        }
        if (store.VertexCount == 0) {
            err << "vantor-cli convert: " << shownName(inPath) << ": the data set holds no vertices; nothing written\n";
            return 1;
        }

        const std::string outStem = stemOf(outPath);
        DataSetFiles(store, files).save(outFormat, outPath, outStem + ".zuk", {{outStem + ".vop", encodeOptions(options)}});
        out << shownName(outPath) << ": " << store.VertexCount << " vertices, " << store.HighestFigure << " figures";
        if (outFormat == DataFormat::Va4) out << " (with " << shownName(outStem) << ".zuk)";
        out << ", options in " << shownName(outStem) << ".vop\n";
        return 0;
    });
}

}  // namespace vantor::cli
