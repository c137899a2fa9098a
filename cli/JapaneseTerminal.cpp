// The command-line tool's own texts in Japanese, for a terminal under a
// Japanese locale. Each entry is a whole line or a template of one (see
// TextTemplates.h); the English side is what the commands write. More
// specific templates come first.
#include "TerminalLanguage.h"

namespace vantor::cli {

namespace {

constexpr TerminalText Texts[] = {
    // The program's help.
    {"usage: vantor-cli COMMAND [ARGUMENTS]", "使い方: vantor-cli コマンド [引数]"},
    {"       vantor-cli COMMAND --help", "       vantor-cli コマンド --help"},
    {"FreeVantor without windows: data sets, pictures, animations and meshes of solids of revolution.",
     "ウィンドウなしの FreeVantor: 回転体のデータ、画像、アニメーション、メッシュを扱います。"},
    {"commands:", "コマンド:"},
    {"options:", "オプション:"},
    {"example:", "例:"},
    {"usage: {0}", "使い方: {0}"},
    // Summaries, as lines of their own or indented under a usage.
    {"{0}read a data set and write it in the format of OUT's extension (.va4 .va2 .csv .van)",
     "{0}データを読み込み、OUT の拡張子の形式（.va4 .va2 .csv .van）で書き出します"},
    {"{0}draw the solid of DATA as the display window does and write the picture (.png, else BMP)",
     "{0}DATA の回転体を回転体表示ウィンドウと同じく描き、画像（.png、それ以外は BMP）に書き出します"},
    {"{0}print an option file as name=value lines, or write a new or changed one",
     "{0}オプションファイルを name=value の行で表示するか、新しく、または変更して書き出します"},
    {"{0}write a scenario's frames, or one turn of the rotation simulation, as a looping animated GIF or PNG",
     "{0}シナリオのコマ、または回転シミュレーションの一回転を、繰り返すアニメーション GIF か PNG に書き出します"},
    {"{0}write the solid as a triangle mesh for 3-D printing", "{0}回転体を 3D 印刷用の三角形メッシュに書き出します"},
    {"{0}print each figure's profile length, enclosed area, and the volume and surface area of its solid",
     "{0}図形ごとの断面の長さ、囲む面積、回転体の体積と表面積を表示します"},
    {"read a data set and write it in the format of OUT's extension (.va4 .va2 .csv .van)",
     "データを読み込み、OUT の拡張子の形式（.va4 .va2 .csv .van）で書き出します"},
    {"draw the solid of DATA as the display window does and write the picture (.png, else BMP)",
     "DATA の回転体を回転体表示ウィンドウと同じく描き、画像（.png、それ以外は BMP）に書き出します"},
    {"print an option file as name=value lines, or write a new or changed one",
     "オプションファイルを name=value の行で表示するか、新しく、または変更して書き出します"},
    {"write a scenario's frames, or one turn of the rotation simulation, as a looping animated GIF or PNG",
     "シナリオのコマ、または回転シミュレーションの一回転を、繰り返すアニメーション GIF か PNG に書き出します"},
    {"write the solid as a triangle mesh for 3-D printing", "回転体を 3D 印刷用の三角形メッシュに書き出します"},
    {"print each figure's profile length, enclosed area, and the volume and surface area of its solid",
     "図形ごとの断面の長さ、囲む面積、回転体の体積と表面積を表示します"},
    // Details.
    {"The .zuk and .vop beside IN are read as a load reads them.",
     "IN の横の .zuk と .vop は、データの読込と同じく読み込みます。"},
    {"The .vop (and for .va4 the .zuk) are written beside OUT as a save writes them.",
     ".vop（.va4 では .zuk も）は、データの保存と同じく OUT の横に書き出します。"},
    {"The picture starts from the factory options and the data set's own .vop, not from the standard option file,",
     "画像は、標準オプションファイルではなく、ソフト導入時のオプションとデータの .vop から始めます。"},
    {"so that it depends only on the files named.", "そのため、画像は指定したファイルだけで決まります。"},
    {"Without --set the options are printed one name=value line a field.",
     "--set がなければ、オプションを 1 項目 1 行の name=value で表示します。"},
    {"With --set the named fields change (a new file starts from the factory values).",
     "--set があれば、指定した項目を変更します（新しいファイルはソフト導入時の値から始めます）。"},
    {"Nothing is written unless every assignment is valid.", "指定がひとつでも正しくなければ、何も書き出しません。"},
    {"A scenario's frames are read from the scenario's folder in playing order (default 100 ms each).",
     "シナリオのコマは、シナリオのフォルダから再生順に読み込みます（既定は 1 コマ 100 ミリ秒）。"},
    {"The simulation makes one frame a tick (default: its own interval).",
     "シミュレーションは 1 刻みを 1 コマにします（既定はシミュレーション自身の間隔）。"},
    {"Closed figures, figures closed by the axis and figures that meet end to start become closed solids.",
     "閉じた図形、軸で閉じる図形、終点が始点に戻る図形は、閉じた立体になります。"},
    {"--thickness gives open figures a wall so that they print too.",
     "--thickness を指定すると、開いた図形にも壁の厚みを付けて印刷できるようにします。"},
    // Option help, after the option's label and its padding.
    {"{0}the picture to write: .png, else a BMP file", "{0}書き出す画像: .png、それ以外は BMP ファイル"},
    {"{0}the animation to write: .gif or .png", "{0}書き出すアニメーション: .gif か .png"},
    {"{0}the mesh to write: .stl, .obj or .ply", "{0}書き出すメッシュ: .stl、.obj、.ply"},
    {"{0}an option file read after the data set's own", "{0}データのオプションファイルの後に読み込むオプションファイル"},
    {"{0}change one display option (repeatable; see 'vantor-cli options')",
     "{0}表示オプションをひとつ変更します（繰り返し可。'vantor-cli options' を参照）"},
    {"{0}8 draws as on a 256-colour screen (palette path); default 32",
     "{0}8 は 256 色画面と同じく描きます（パレット）。既定は 32"},
    {"{0}picture size up to 8192x8192 (default 600x400); the solid fills it as the window",
     "{0}画像の大きさ。8192x8192 まで（既定 600x400）。回転体はウィンドウと同じ割合で収まります"},
    {"{0}threads of the still display (default: one a hardware thread)",
     "{0}立体表示のスレッド数（既定はハードウェアのスレッド数）"},
    {"{0}milliseconds a frame (1 ... 65535)", "{0}1 コマのミリ秒（1〜65535）"},
    {"{0}turn the solid of a data set instead of playing a scenario",
     "{0}シナリオを再生する代わりに、データの回転体を回します"},
    {"{0}steps for a full turn (3 ... 100000, default 64)", "{0}一回転の分割数（3〜100000、既定 64）"},
    {"{0}turn only part of a full turn (above 0, up to 360; default 360)",
     "{0}一回転の一部だけ回します（0 より大きく 360 まで。既定 360）"},
    {"{0}give open figures a wall of T data units (above 0, up to 1000)",
     "{0}開いた図形にデータ単位で T の壁を付けます（0 より大きく 1000 まで）"},
    {"{0}print lengths in mm, areas in mm² and volumes in ml (one data unit is one millimetre)",
     "{0}長さを mm、面積を mm²、体積を ml で表示します（データの 1 単位を 1 ミリとします）"},
    {"{0}show this help and exit", "{0}このヘルプを表示して終了します"},
};

}  // namespace

std::span<const TerminalText> japaneseTerminalTexts() { return Texts; }

}  // namespace vantor::cli
