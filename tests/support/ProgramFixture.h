// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way tests build a Program: over a scripted desktop, with its
// current folder and its program folder in a fresh temporary folder, so
// that no file outside the test (a standard.vop where the tests happen to
// run) changes the outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/Program.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

namespace vantor::test {

// A configuration rooted in `dir`; the program folder is `dir`/program/, the
// per-user folder `dir`/config/freevantor.
inline ProgramConfig configIn(const TempDir& dir) {
    ProgramConfig config;
    config.currentFolder = dir.path();
    config.programFolder = dir.path() + "/program/";
    config.userConfigFolder = dir.path() + "/config/freevantor";
    std::filesystem::create_directories(config.programFolder);
    return config;
}

class ProgramFixture : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedDesktop desktop;
    std::unique_ptr<Program> program;

    // Builds the program (replacing one built before); `config` starts from
    // configIn(dir).
    Program& startProgram() { return startProgram(configIn(dir)); }
    Program& startProgram(const ProgramConfig& config) {
        program.reset();
        program = std::make_unique<Program>(desktop, config);
        return *program;
    }
};

}  // namespace vantor::test
