// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window works on: the desktop it talks to, the file-system view,
// the display options and the figure store, the animation timer, and the
// program's settings.
// The program owns one; each window holds a reference, so nothing is global
// and every test builds a fresh one.
#include <string>

#include "language/English.h"
#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "platform/files/Files.h"
#include "platform/widgets/Desktop.h"
#include "windows/shared/AnimationClock.h"

namespace vantor {

// The message of a save of the standard options without a home folder.
extern const char* const NoHomeForStandardText;

struct ProgramConfig {
    std::string currentFolder = ".";
    // Folder of the program file (standard.vop may lie there). Empty: the
    // program has no folder of its own, so no standard option file is read
    // from one -- the folder a program happens to run in never changes it.
    std::string programFolder;
    // Per-user configuration folder for standard.vop; empty: there is no
    // home folder, so the standard options are read from programFolder only
    // and cannot be saved.
    std::string userConfigFolder;
    // Off for batch work, whose results must depend only on the files named.
    bool readStandardOptions = true;
    // The example data sets installed with the program; empty when there
    // are none.
    std::string examplesFolder;
    // The interface's language, for the few texts the program draws into
    // pictures itself; every other text is translated where it is shown.
    Language language = Language::Japanese;
};

class Workspace {
public:
    static constexpr const char* ApplicationTitle = "Vantor for Win32";

    Workspace(Desktop& desktop, ProgramConfig config);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Desktop& desktop;
    Files files;
    DisplayOptions options;
    FigureStore store{options};
    AnimationClock clock;
    ProgramConfig config;

    // Shows a file dialog; on OK the current folder moves to the folder of
    // the chosen file, so that the next dialog opens where the user was.
    bool executeFileDialog(FileDialog& dialog);

    // Path of the standard option file to read: the per-user one when it
    // exists, else the one in the program folder; empty when there is none.
    std::string standardOptionPathForReading() const;
    // Path to write the standard option file to: in the per-user folder,
    // which is created. Throws IoError when there is no per-user folder or it
    // cannot be created (naming the folder and the cause).
    std::string standardOptionPathForWriting() const;
};

}  // namespace vantor
