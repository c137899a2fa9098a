// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFile.h"

#include "platform/files/Files.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

DataFileProblem dataFileProblem(const Files& files, const std::string& path) {
    if (dataFormatOfExtension(extensionOfPath(path)) == DataFormat::Unknown) return DataFileProblem::UnknownFormat;
    if (files.folderExists(path)) return DataFileProblem::Folder;
    if (!files.fileExists(path))
        return files.isSpecialFile(path) ? DataFileProblem::NotRegular : DataFileProblem::NoSuchFile;
    return DataFileProblem::None;
}

void reportDataFileProblem(std::ostream& err, const std::string& command, const std::string& path, DataFileProblem problem) {
    const char* what = "";
    switch (problem) {
        case DataFileProblem::None: return;
        case DataFileProblem::UnknownFormat: what = "unknown data format (use .va4, .va2, .csv or .van)"; break;
        case DataFileProblem::Folder: what = "is a folder, not a data file"; break;
        case DataFileProblem::NoSuchFile: what = "no such file"; break;
        case DataFileProblem::NotRegular: what = "not a regular file (a pipe or device cannot be read)"; break;
    }
    err << "vantor-cli " << command << ": " << shownName(path) << ": " << what << '\n';
}

void repairInterruptedSave(std::ostream& err, const std::string& command, const Files& files, const std::string& path) {
    if (dataFormatOfExtension(extensionOfPath(path)) == DataFormat::Unknown) return;
    switch (files.repairSet(path)) {
        case Repair::None: return;
        case Repair::Completed:
            err << "vantor-cli " << command << ": " << shownName(path)
                << ": an interrupted save of this data set was completed; the whole new set is in place\n";
            return;
        case Repair::Undone:
            err << "vantor-cli " << command << ": " << shownName(path)
                << ": an interrupted save of this data set was undone; the whole previous set is in place\n";
            return;
        case Repair::Incomplete:
            err << "vantor-cli " << command << ": " << shownName(path)
                << ": an interrupted save of this data set could not be tidied up; it is tried again at the next load or save\n";
            return;
    }
}

}  // namespace vantor::cli
