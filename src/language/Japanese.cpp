// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/Japanese.h"

#include <array>
#include <cctype>

#include "language/TextTemplates.h"

namespace vantor {

namespace {

// Whole lines and templates, English side matched. More specific templates
// come first.
constexpr TextPair Texts[] = {
    // The system's or the reader's text, then the file it concerns.
    {"{0*}: {1}", "{0*}: {1}"},
    // The system's texts (strerror) of the errors a file operation meets.
    {"ファイルまたはフォルダがありません", "No such file or directory"},
    {"アクセスが許可されていません", "Permission denied"},
    {"読み出し専用のファイルシステムです", "Read-only file system"},
    {"ディスクに空きがありません", "No space left on device"},
    {"フォルダです", "Is a directory"},
    {"フォルダではありません", "Not a directory"},
    {"ファイルがすでにあります", "File exists"},
    {"ファイル名が長すぎます", "File name too long"},
    {"シンボリックリンクの段数が多すぎます", "Too many levels of symbolic links"},
    {"入出力エラーです", "Input/output error"},
    {"ディスクの割り当てを超えました", "Disk quota exceeded"},
    {"開いているファイルが多すぎます", "Too many open files"},
    {"操作が許可されていません", "Operation not permitted"},
    {"ファイルが大きすぎます", "File too large"},
    {"デバイスまたはリソースが使用中です", "Device or resource busy"},
    {"デバイスまたはアドレスがありません", "No such device or address"},
    {"リソースが一時的に利用できません", "Resource temporarily unavailable"},
    {"引数が正しくありません", "Invalid argument"},
    {"メモリが足りません", "Cannot allocate memory"},
    {"別のデバイスへのリンクはできません", "Invalid cross-device link"},
    // The picture reader.
    {"正しいビットマップファイルではありません（{0*}）", "invalid bitmap file ({0*})"},
    {"BM の印がありません", "no BM signature"},
    {"対応していないヘッダの大きさ {0}", "unsupported header size {0}"},
    {"画像の大きさが正しくありません: {0}", "bad size {0}"},
    {"画像が大きすぎます: {0}", "picture too large: {0}"},
    {"対応していない色数 {0}", "unsupported bit count {0}"},
    {"{0} ビットの画素に RLE8 圧縮は使えません", "RLE8 with {0} bits per pixel"},
    {"{0} ビットの画素に RLE4 圧縮は使えません", "RLE4 with {0} bits per pixel"},
    {"{0} ビットの画素にビットフィールドは使えません", "bit fields with {0} bits per pixel"},
    {"対応していない圧縮形式 {0}", "unsupported compression {0}"},
    {"上から下への画像に RLE 圧縮は使えません", "top-down picture with RLE compression"},
    {"RLE 圧縮の画像が大きすぎます: {0}（{1} 画素まで、例えば {2}）",
     "RLE-compressed picture too large: {0} (at most {1} pixels, e.g. {2})"},
    {"画素データの位置 {0} がヘッダの中です", "pixel data offset {0} inside the headers"},
    {"画素データの位置 {0} がファイルの終わりより後です", "pixel data offset {0} beyond the end"},
    {"画素データが途中で切れています: {0} / {1} バイト", "pixel data truncated: {0} of {1} bytes"},
    {"RLE データが終わりの印なしに終わっています", "RLE data ends without end-of-bitmap marker"},
    {"{0*}（{1} バイト目）", "{0*} at byte {1}"},
    {"ファイルが途中で終わっています", "unexpected end of file"},
    {"ファイルの終わりより後に移動しました", "seek past end"},
    {"ビットマップとしてはファイルが大きすぎます", "file too large for a bitmap"},
    {"空の画像はビットマップファイルに保存できません", "cannot store an empty picture as a bitmap file"},
    {"ビットマップファイルには画像が大きすぎます", "picture too large for a bitmap file"},
    // What making a figure's solid resolved or refused.
    {"図形 {0}: 断面が軸を越えています。軸の向こう側の部分は同じ立体を作るので、こちら側に折り返しました",
     "figure {0}: the profile crosses the axis; the part beyond it is mirrored, since it sweeps the same solid"},
    {"図形 {0}: 断面が自分自身と交わるか重なっています。立体は断面が囲む部分です",
     "figure {0}: the profile crosses or overlaps itself; the solid is what it winds around"},
    {"図形 {0}: 断面が壁の厚みより急に曲がる所で、壁が重なっています。立体は壁が囲む部分です",
     "figure {0}: its wall folds over itself where the profile bends tighter than the wall is thick; the solid is what the "
     "wall winds around"},
    {"図形 {0}: 立体は高さ {1} で軸上の一点にくびれています",
     "figure {0}: the solid is pinched to a point on the axis at height {1}"},
    {"図形 {0}: 断面が面積を囲んでいないため、立体になりません", "figure {0}: the profile encloses no area; it makes no solid"},
    {"図形 {0} と {1} は重なっています。合計では重なる部分を一度だけ数えます",
     "figures {0} and {1} overlap; the totals count the shared part once"},
    {"図形 {0}: 座標に有限でない数があります。立体を測ることも作ることもできません",
     "figure {0}: a coordinate is not a finite number; its solid cannot be measured or made"},
    {"図形 {0}: データの最大の座標（{1}）に比べて小さすぎ、正確に扱えません。立体を測ることも作ることもできません",
     "figure {0}: it is too small beside the data set's largest coordinate ({1}) to be resolved exactly; its solid cannot "
     "be measured or made"},
    // lib3mf's failures: what could not be done, then the library's own text.
    {"3MF: {0*}できません: {1}", "3MF: cannot {0*}: {1}"},
    {"3MF: {0*}できません", "3MF: cannot {0*}"},
    {"モデルを作ることが", "create a model"},
    {"単位を設定することが", "set the unit"},
    {"物体を加えることが", "add an object"},
    {"物体に名前を付けることが", "name an object"},
    {"物体のメッシュを入れることが", "store an object's mesh"},
    {"造形する物体を加えることが", "add a build item"},
    {"書き出しを用意することが", "make a writer"},
    {"ファイルの大きさを求めることが", "size the file"},
    {"ファイルを書き出すことが", "write the file"},
    {"読み込みを用意することが", "make a reader"},
    {"ファイルを読み込むことが", "read the file"},
    {"単位を読むことが", "read the unit"},
    {"物体を一覧にすることが", "list the objects"},
    {"物体を読むことが", "read an object"},
    {"名前を読むことが", "read a name"},
    {"頂点を数えることが", "count vertices"},
    {"三角形を数えることが", "count triangles"},
    {"頂点を読むことが", "read vertices"},
    {"三角形を読むことが", "read triangles"},
    {"メッシュの頂点か三角形が 4,294,967,295 を超えます。分割数を減らしてください",
     "the mesh would have more than 4,294,967,295 vertices or triangles; use fewer segments"},
    {"図形 {0}: 輪郭を整理できませんでした。立体を測ることも作ることもできません",
     "figure {0}: its outline could not be resolved; its solid cannot be measured or made"},
};

std::optional<std::string> translateLine(std::string_view line) {
    for (const TextPair& t : Texts)
        if (auto japanese = applyTemplate(line, t.english, t.japanese, translateLine)) return japanese;
    return std::nullopt;
}

bool isName(std::string_view word) {
    static constexpr std::array<std::string_view, 17> Names{"FreeVantor", "Win", "Ver", "BMP", "PNG", "GIF",
                                                            "CSV",        "STL", "OBJ", "PLY", "RGB", "RLE",
                                                            "OK",         "OFF", "mm",  "ml",  "cm"};
    for (std::string_view n : Names)
        if (n == word) return true;
    return false;
}

}  // namespace

std::span<const TextPair> japaneseTexts() { return Texts; }

std::optional<std::string> japaneseFor(std::string_view english) {
    return translateEachLine(english, [](std::string_view line) {
        return hasEnglish(line) ? translateLine(line) : std::nullopt;
    });
}

bool hasEnglish(std::string_view text) {
    // The program's title is a name.
    constexpr std::string_view Title = "FreeVantor for Win32";
    if (const std::size_t at = text.find(Title); at != std::string_view::npos)
        return hasEnglish(text.substr(0, at)) || hasEnglish(text.substr(at + Title.size()));
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) continue;
        const std::string_view word = text.substr(start, i - start);
        const bool extension = start > 0 && text[start - 1] == '.';
        if (word.size() >= 3 && !extension && !isName(word)) return true;
        start = i + 1;
    }
    return false;
}

}  // namespace vantor
