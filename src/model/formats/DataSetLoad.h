// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data-set load sequence, one routine for the control window and the
// command line: the option file, the reset, the read, HighestFigure.
#include <functional>
#include <string>

#include "model/formats/DataSetFiles.h"

namespace vantor {

enum class LoadMode {
    Replace,  // a load: the data set replaces what the store holds
    Add,      // an add: the data set is appended to it
};

// Reads the data set `path` of `format` into the store. Replace first hands
// the option file `stem`.vop to `readOptions` when it exists -- before the
// reset, so that the reset and the figures without their own tint or method
// take the defaults just read -- then empties the store and resets its
// figure table. Add appends after the vertices present. The figure file is
// `stem`.zuk. HighestFigure then covers every figure read, also when the
// read stopped early; the result says why it stopped. An unknown format
// reads nothing and leaves HighestFigure as it was. Before anything is read,
// a save of the set that a kill interrupted is finished or undone; the
// result says which. The store announces the load when it ends, also when
// it ends in an error.
ReadResult loadDataSet(FigureStore& store, const Files& files, DataFormat format, const std::string& path,
                       const std::string& stem, LoadMode mode,
                       const std::function<void(const std::string& optionFile)>& readOptions);

}  // namespace vantor
