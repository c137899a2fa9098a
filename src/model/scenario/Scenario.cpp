// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/scenario/Scenario.h"

#include <cstdio>

#include "platform/numbers/SharedRoutines.h"
#include "platform/files/IoError.h"
#include "platform/files/Files.h"

namespace vantor {

bool isSafeFrameName(const std::string& name) {
    if (name.empty() || name.size() > MaxFrameNameBytes) return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F) return false;
    return true;
}

ScenarioText parseScenario(const std::vector<std::uint8_t>& bytes) {
    ScenarioText out;
    const std::vector<std::string> lines = splitLines(std::string(bytes.begin(), bytes.end()));
    if (lines.empty() || lines.front() == EmptyScenarioLine) return out;
    for (const std::string& line : lines) {
        if (isSafeFrameName(line)) out.frames.push_back(line);
        else out.rejected.push_back(line);
    }
    return out;
}

ScenarioText readScenarioFile(const Files& files, const std::string& path) {
    return parseScenario(files.readBounded(path, MaxScenarioBytes, Excess::Refused, "シナリオファイルが大きすぎます（1MB まで）"));
}

std::vector<std::uint8_t> encodeScenario(const std::vector<std::string>& frames) {
    std::vector<std::uint8_t> bytes;
    auto line = [&bytes](const std::string& l) {
        bytes.insert(bytes.end(), l.begin(), l.end());
        bytes.push_back('\r');
        bytes.push_back('\n');
    };
    if (frames.empty()) line(EmptyScenarioLine);
    for (const std::string& f : frames) line(f);
    return bytes;
}

int SeparateSceneNumber(const std::string& name) {
    if (name.size() < 3) return -1;
    const std::string tail = name.substr(name.size() - 3);
    return isDigits(tail) ? std::stoi(tail) : -1;
}

std::string frameNameFor(const std::string& scenarioName, int number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return scenarioName + digits;
}

}  // namespace vantor

#include "platform/pixels/Bmp.h"

namespace vantor {

std::string framePath(const std::string& folder, const std::string& name, const char* extension) {
    if (!isSafeFrameName(name)) throw IoError("コマ名にフォルダや制御文字は使えません", name);
    return (folder.empty() ? std::string(".") : folder) + "/" + name + extension;
}

Bitmap loadFramePicture(const Files& files, const std::string& folder, const std::string& name) {
    const std::string path = framePath(folder, name, ".bmp");
    return readBmpFile(files.resolve(path), path);
}

}  // namespace vantor
