#pragma once
// The one way tests build a Program: over a scripted desktop, with its
// current folder and its program folder in a fresh temporary folder, so
// that no file outside the test (a standard.vop where the tests happen to
// run) changes the outcome.
#include <gtest/gtest.h>

#include <memory>

#include "app/Program.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

namespace vantor::test {

// A configuration rooted in `dir`; the program folder is `dir`/program/.
ProgramConfig configIn(const TempDir& dir);

class ProgramFixture : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedDesktop desktop;
    std::unique_ptr<Program> program;

    // Builds the program; `config` starts from configIn(dir).
    Program& startProgram();
    Program& startProgram(const ProgramConfig& config);
};

}  // namespace vantor::test
