#include "DataFile.h"

#include "platform/files/Files.h"

namespace vantor::cli {

DataFileProblem dataFileProblem(const Files& files, const std::string& path) {
    if (dataFormatOfExtension(extensionOfPath(path)) == DataFormat::Unknown) return DataFileProblem::UnknownFormat;
    if (files.folderExists(path)) return DataFileProblem::Folder;
    if (!files.fileExists(path)) return DataFileProblem::NoSuchFile;
    return DataFileProblem::None;
}

void reportDataFileProblem(std::ostream& err, const std::string& command, const std::string& path, DataFileProblem problem) {
    const char* what = "";
    switch (problem) {
        case DataFileProblem::None: return;
        case DataFileProblem::UnknownFormat: what = "unknown data format (use .va4, .va2, .csv or .van)"; break;
        case DataFileProblem::Folder: what = "is a folder, not a data file"; break;
        case DataFileProblem::NoSuchFile: what = "no such file"; break;
    }
    err << "vantor-cli " << command << ": " << path << ": " << what << '\n';
}

void repairInterruptedSave(std::ostream& err, const std::string& command, const Files& files, const std::string& path) {
    if (dataFormatOfExtension(extensionOfPath(path)) == DataFormat::Unknown) return;
    switch (files.repairSet(path)) {
        case Repair::None: return;
        case Repair::Completed:
            err << "vantor-cli " << command << ": " << path
                << ": an interrupted save of this data set was completed; the whole new set is in place\n";
            return;
        case Repair::Undone:
            err << "vantor-cli " << command << ": " << path
                << ": an interrupted save of this data set was undone; the whole previous set is in place\n";
            return;
    }
}

}  // namespace vantor::cli
