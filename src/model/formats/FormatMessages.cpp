// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formats/FormatMessages.h"

#include "model/figures/FigureStore.h"
#include "platform/files/EscapedText.h"

namespace vantor::formatMessages {

namespace {
// A line quoted in a message: short, so a binary file read as text cannot
// fill the error box, and with its control characters escaped.
std::string quoted(const std::string& text) { return "「" + escapedText(text, 40) + "」"; }
}  // namespace

std::string tooManyVertices() {
    return "頂点の数が上限の " + std::to_string(MaxVertices) + " に達したため、それ以降のデータは読み込みませんでした。";
}

std::string tooManyFigures() {
    return "図形の数が上限の " + std::to_string(MaxFigures) + " に達したため、それ以降のデータは読み込みませんでした。";
}

std::string partialRecord(std::size_t offset) {
    return "読み込みエラー（ファイルの終わりに不完全なレコードがあります: " + std::to_string(offset) +
           " バイト目から）。それ以降は読み込みませんでした。";
}

std::string badCoordinate(std::size_t index) {
    return "読み込みエラー（" + std::to_string(index) +
           " 番目のレコードの座標が数値ではありません）。それ以降は読み込みませんでした。";
}

std::string badFigureNumber(std::size_t index) {
    return "読み込みエラー（" + std::to_string(index) +
           " 番目のレコードの図形番号が範囲外です）。それ以降は読み込みませんでした。";
}

std::string badLine(std::size_t lineNo, const std::string& reason, const std::string& text) {
    return "読み込みエラー（" + std::to_string(lineNo) + " 行目: " + reason + "）" + quoted(text) +
           "。それ以降は読み込みませんでした。";
}

std::string readStopped(const std::string& fileName, const std::string& problem) {
    return fileName + " を最後まで読み込めませんでした。\r" + problem;
}

std::string join(const std::string& first, const std::string& second) {
    if (first.empty() || first == second) return second;
    if (second.empty()) return first;
    return first + "\r" + second;
}

}  // namespace vantor::formatMessages
