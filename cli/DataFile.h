// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data set named on a command line: the checks every command makes
// before reading it, and the words it reports them in.
#include <ostream>
#include <string>

#include "model/formats/DataSetFiles.h"
#include "platform/files/Files.h"

namespace vantor::cli {

enum class DataFileProblem { None, UnknownFormat, Folder, NoSuchFile, NotRegular };

// The first of these that holds: the name has no data extension, names a
// folder, names no file, names something that is not a regular file (a
// FIFO, a device).
DataFileProblem dataFileProblem(const Files& files, const std::string& path);

// Finishes or undoes a save of the data set at `path` that a kill
// interrupted, and says so on `err`; before the data set is checked, so that
// a set whose new files were not yet in place is found whole.
void repairInterruptedSave(std::ostream& err, const std::string& command, const Files& files, const std::string& path);

// The path without its extension: the stem beside which .zuk and .vop lie.
inline std::string stemOf(const std::string& path) { return folderOf(path) + baseNameOf(path); }

// "vantor-cli COMMAND: PATH: what is wrong".
void reportDataFileProblem(std::ostream& err, const std::string& command, const std::string& path, DataFileProblem problem);

}  // namespace vantor::cli
