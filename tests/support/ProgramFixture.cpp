#include "support/ProgramFixture.h"

#include <filesystem>

namespace vantor::test {

ProgramConfig configIn(const TempDir& dir) {
    ProgramConfig config;
    config.currentFolder = dir.path();
    config.programFolder = dir.path() + "/program/";
    std::filesystem::create_directories(config.programFolder);
    return config;
}

Program& ProgramFixture::startProgram() { return startProgram(configIn(dir)); }

Program& ProgramFixture::startProgram(const ProgramConfig& config) {
    program = std::make_unique<Program>(desktop, config);
    return *program;
}

}  // namespace vantor::test
