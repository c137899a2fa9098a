// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/options/StandardOptions.h"

#include "model/options/OptionFile.h"
#include "platform/files/Files.h"
#include "platform/files/IoError.h"

namespace vantor {

void setFactoryOptions(DisplayOptions& options) {
    options.setFactoryValues();
    options.setFactoryStandardColours();
}

bool readStandardOptions(const Files& files, const std::string& path, DisplayOptions& options) {
    if (path.empty() || !files.fileExists(path)) return false;
    try {
        readOptionFile(files, path, options);
    } catch (const IoError&) {
        return false;
    }
    options.takeColoursAsStandard();
    return true;
}

}  // namespace vantor
