// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/English.h"

#include "language/Japanese.h"
#include "language/TextTemplates.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vantor {

namespace {

// Whole texts. Menu captions keep an "&" before their access key and the
// "..." of a command that asks for more.
constexpr TextPair Texts[] = {
    // Main window
    {"ファイル(&F)", "&File"},
    {"データの読込(&O)...", "&Open data..."},
    {"データの追加読込(&A)...", "&Add data..."},
    {"データの保存(&S)...", "&Save data..."},
    {"終了(&X)", "E&xit"},
    {"回転前図形編集(&E)", "&Edit Profile"},
    {"回転体表示(&R)", "&Revolved Solid"},
    {"ヘルプ(&H)", "&Help"},
    {"使い方(&M)", "&Manual"},
    {"FreeVantor for Win32 について(&C)", "&About FreeVantor for Win32"},
    {"ライセンス(&L)", "&Licence"},
    {"見本のデータ(&X)", "E&xamples"},
    {"フォルダを開けませんでした:", "The folder could not be opened:"},
    {"言語(&G)", "Lan&guage"},
    {"日本語", "Japanese"},
    {"英語", "English"},
    {"次に起動したときから、この言語で表示します。", "FreeVantor shows this language from the next start on."},
    {"見本のデータが見つかりません。FreeVantor をインストールし直してください。",
     "The example data sets were not found. Please install FreeVantor again."},
    {"データ名：", "Data:"},
    {"（未定）", "(none)"},
    {"データをディスクから読み込む", "Load data from disk"},
    {"追加データを読み込む", "Load more data"},
    {"データをディスクに保存する", "Save data to disk"},
    {"回転前の図形を編集する", "Edit the profile"},
    {"回転体を表示する　（データが空のときはアニメ）", "Show the solid (the animation when there is no data)"},
    {"Ver.2.4 データ (*.va4)", "Ver.2.4 data (*.va4)"},
    {"Ver.2.1 データ (*.va2)", "Ver.2.1 data (*.va2)"},
    {"CSV データ (*.csv)", "CSV data (*.csv)"},
    {"Ver.１ データ (*.van)", "Ver.1 data (*.van)"},
    {"型紙 SVG(*.svg)", "Template SVG(*.svg)"},
    {"型紙 PDF(*.pdf)", "Template PDF(*.pdf)"},
    {"型紙 DXF(*.dxf)", "Template DXF(*.dxf)"},
    {"編集されたデータがあります。\r現在のデータを保存しますか？", "The data has been edited.\rSave the current data?"},
    {"データが何もありません。先に、編集するか\rファイルから読み込んでください",
     "There is no data. First draw a figure\ror load data from a file."},
    {"このフォルダには指定されたデータは存在しません\rもう一度お確かめください",
     "The data named does not exist in this folder.\rPlease check the name."},
    {"データの形式がわかりません\r読み込めるのは .va4 .va2 .csv .van のファイルです",
     "Unknown data format.\rOnly .va4, .va2, .csv and .van files can be read."},
    {"バージョン情報", "About"},
    {"手で描く回転体。", "Solids of revolution, drawn by hand."},
    {"メモリが不足しています。", "Out of memory."},
    {"ヘルプ", "Help"},
    {"使い方のページが見つかりません。FreeVantor をインストールし直してください。",
     "The manual was not found. Please reinstall FreeVantor."},
    {"ブラウザを開けませんでした。次のページをご覧ください:", "The browser could not be opened. Please see this page:"},

    // Reading data sets
    {"読み込みエラー（ファイルの終わりに不完全なレコードがあります）", "Read error (incomplete record at the end of the file)"},
    {"「,」で区切られた三つの値がありません", "there are not three values separated by \",\""},
    {"数値として読めない値があります", "a value cannot be read as a number"},

    // Profile editor
    {"回転前図形編集 （データ名未定）", "Profile Editor (untitled)"},
    {"回転前図形編集 (データ名未定)", "Profile Editor (untitled)"},
    {"回転体表示 (データ名未定)", "Solid Display (untitled)"},
    {"オプション(&O)", "&Options"},
    {"頂点の間隔（ドット数）(&N)", "Vertex &spacing (dots)"},
    {"その他...", "Other..."},
    {"すべての設定を初期化(&I)", "&Initialise all settings"},
    {"グリッド(&G)", "&Grid"},
    {"表示切り替え(&H)", "Show/&hide"},
    {"グリッド ON", "Grid on"},
    {"グリッド OFF", "Grid off"},
    {"グリッド間隔(&D)", "Grid &spacing"},
    {"始点終点位置決定方法(&M)", "Endpoint &method"},
    {"グリッドの位置に限定", "Only on the grid"},
    {"自由な位置", "Anywhere"},
    {"何をします？", "What next?"},
    {"自由曲線", "Freehand line"},
    {"直線", "Line"},
    {"垂直直線", "Vertical line"},
    {"垂直な直線", "Vertical line"},
    {"水平直線", "Horizontal line"},
    {"水平な直線", "Horizontal line"},
    {"１点", "Point"},
    {"円", "Circle"},
    {"楕円", "Ellipse"},
    {"長方形", "Rectangle"},
    {"平行移動 ・ コピー", "Move / copy"},
    {"拡大 ・ 縮小", "Enlarge / reduce"},
    {"図形回転", "Rotate figure"},
    {"頂点位置で図形を切断", "Split a figure at a vertex"},
    {"２つの図形を結合", "Join two figures"},
    {"頂点位置調整", "Adjust a vertex"},
    {"図形の色調と描き方", "Tint and drawing style"},
    {"図形の色調・描き方", "Tint / drawing style"},
    {"図形の描き方", "Drawing style"},
    {"図形削除", "Delete figure"},
    {"全図形上下移動", "Move all up/down"},
    {"全ての図形を削除", "Delete all figures"},
    {"全図形削除", "Delete all"},
    {"平行移動", "Move"},
    {"コピー", "Copy"},
    {"拡大・縮小", "Enlarge/reduce"},
    {"図形切断", "Split figure"},
    {"結合する図形１？", "First figure to join?"},
    {"頂点移動", "Move vertex"},
    {"図形をすべて削除してもいいんですね？", "Delete all figures. Are you sure?"},
    {"頂点が多すぎます。\r先に、どれかの図形を削除して\r描きなおしてください",
     "Too many vertices.\rDelete a figure first,\rthen draw again."},
    {"頂点が多すぎるため、この図形は切断できません。\r先に、どれかの図形を削除してください",
     "Too many vertices to split this figure.\rDelete a figure first."},
    {"この２つの図形を結合しますか？", "Join these two figures?"},
    {"２つ目の図形？", "Second figure?"},
    {"２図形結合", "Join two figures"},
    {"コピー中", "Copying"},
    {"平行移動中", "Moving"},
    {"この図形を削除してもいいんですね？", "Delete this figure. Are you sure?"},
    {"この図形を何倍にしますか？（0.1以上10以下）", "Scale this figure by how much? (0.1 to 10)"},
    {"この図形を何度回転しますか？（-360以上360以下）", "Rotate this figure by how many degrees? (-360 to 360)"},
    {"回転角度", "Rotation angle"},
    {"拡大・縮小倍率", "Scale factor"},
    {"ここはこの図形の始点か終点です。\r元々切れています。", "This is the start or end point of the figure.\rIt is open here already."},
    {"頂点の間隔をドット数で指定して下さい(１以上)", "Enter the vertex spacing in dots (1 or more)"},
    {"頂点の間隔（その他）", "Vertex spacing (other)"},

    // Figure tint and drawing style
    {"任意の色調を指定する", "Choose a tint"},
    {"色調は指定しない", "Leave the tint unset"},
    {"ワイヤフレーム", "Wireframe"},
    {"サーフェイス", "Surface"},
    {"網付サーフェイス", "Meshed surface"},
    {"描き方は指定しない", "Leave the drawing style unset"},
    {"描画方法固定", "Style fixed"},
    {"描方指定なし", "Style unset"},

    // Solid display
    {"回転体表示 （データ名未定）", "Solid Display (untitled)"},
    {"ファイル(&G)", "&File"},
    {"画像を保存(&S)...", "&Save picture..."},
    {"オプションを読込(&Y)...", "&Load options..."},
    {"オプションを保存(&K)...", "Sa&ve options..."},
    {"現オプションを標準のオプションにする(&H)", "Use current options as &default"},
    {"ソフト導入時の標準オプションに戻す(&I)", "Reset the default to the &installed options"},
    {"背景画像の読込(&B)...", "Load &background picture..."},
    {"背景画像をなくす(&E)", "R&emove background picture"},
    {"立体を書き出す（3Dプリント用）(&M)...", "Export &mesh for 3D printing..."},
    {"体積と表面積(&V)...", "Volume and surface &area..."},
    {"立体表示(&D)", "Solid &display"},
    {"シミュレーション(&S)", "&Simulation"},
    {"光源の明るさ(&B)        ((↓立体表示))", "Light &brightness        ((↓solid display))"},
    {"その他(&E)...", "&Other..."},
    {"光源との距離(&D)", "Light &distance"},
    {"単位回転角度(&U)  （度）", "&Unit rotation angle  (degrees)"},
    {"光源の方向(&L)    ((↓立体 ・ シミュ ))", "&Light direction    ((↓solid · simulation))"},
    {"簡易設定(&E)...", "&Easy setting..."},
    {"角度による設定(&A)...", "By &angles..."},
    {"視点との距離(&K)", "&Viewing distance"},
    {"視点の高さ（角度）(&H)", "Viewing &height (degrees)"},
    {"未設定図形の描画方法(&M) ", "Drawing &method of unset figures "},
    {"ワイヤフレーム(&W)", "&Wireframe"},
    {"サーフェイス(&S)", "&Surface"},
    {"網付サーフェイス(M)", "Meshed surface"},
    {"未設定図形の色調(&T)", "&Tint of unset figures"},
    {"回転体の色調(&T)", "Solid &tint"},
    {"標準の色調(&S)", "&Default tint"},
    {"任意設定(&F)...", "&Free choice..."},
    {"ズーム(&Z)", "&Zoom"},
    {"背景色(&G)", "Back&ground colour"},
    {"標準の色(&S)", "&Default colour"},
    {"回転体の傾き(角度)(&I)", "&Inclination (degrees)"},
    {"　(上下逆さ)", "  (upside down)"},
    {"--上下逆さ--", "--upside down--"},
    {"該当なし", "None"},
    {"平行移動(&P)", "&Position"},
    {"ドット数で指定(&D)...", "In &dots..."},
    {"標準の位置に戻す(&S)", "&Standard position"},
    {"全てのオプションを標準の値に戻す(&C)", "&Reset all options to default"},
    {"アニメ(&A)", "&Animation"},
    {"回転体表示終了(&X)", "E&xit Display"},
    {"開始(&S)", "&Start"},
    {"終了(&E)", "&End"},
    {"画像描き換え時間間隔(&T)...", "Redraw in&terval..."},
    {"単位角", "Step"},
    {"明るさ", "Light"},
    {"立体表示", "Solid display"},
    {"シミュレーション", "Simulation"},
    {"画像ファイル（*.bmp)", "Picture file (*.bmp)"},
    {"画像オプションファイル(*.vop)", "Picture options (*.vop)"},
    {"背景画像(*.bmp)", "Background picture (*.bmp)"},
    {"STL (3Dプリント)(*.stl)", "STL (3D printing) (*.stl)"},
    {"光源の明るさ（その他）", "Light brightness (other)"},
    {"光源の明るさを指定してください(0.2以上)", "Enter the light brightness (0.2 or more)"},
    {"光源との距離（その他）", "Light distance (other)"},
    {"光源との距離を指定してください(0.5以上)", "Enter the light distance (0.5 or more)"},
    {"視点との距離（その他）", "Viewing distance (other)"},
    {"視点との距離を指定してください (0以上)", "Enter the viewing distance (0 or more)"},
    {"視点の高さ（その他）", "Viewing height (other)"},
    {"視点の高さを角度で指定（-90以上90以下）", "Viewing height in degrees (-90 to 90)"},
    {"ズーム（その他）", "Zoom (other)"},
    {"拡大倍率を指定して下さい（0.1以上）", "Enter the zoom factor (0.1 or more)"},
    {"画像全体の傾き（その他）", "Inclination of the picture (other)"},
    {"傾ける角度を指定（-180以上180以下）", "Inclination in degrees (-180 to 180)"},
    {"画像描き換え時間間隔の設定", "Redraw interval"},
    {"1以上、1000以下の数値を入れて下さい", "Enter a number from 1 to 1000"},
    {"標準のオプションをソフト・インストール時の値に戻していいですか？",
     "Reset the default options to those installed with the program?"},
    {"現在のオプションを標準の値にしていいですか？", "Use the current options as the default?"},
    {"体積と表面積", "Volume and surface area"},
    {"1 単位を 1 mm として:", "Taking 1 unit as 1 mm:"},
    {"開いた面", "open surface"},
    {"閉じた図形", "closed figure"},
    {"軸で閉じた図形", "closed by the axis"},
    {"書き出しました。次の図形は次のように扱いました:", "Exported. These figures were handled as follows:"},
    {"立体にできる図形がありません\r（頂点が２つ以上の図形を描いてください）",
     "No figure can be made a solid.\r(Draw a figure with two or more vertices.)"},

    // Light direction and scroll dialogs
    {"角度による光源方向設定", "Light Direction by Angles"},
    {"回転軸の中心から画面手前へ向かう直線を", "Turn the line from the axis centre toward you"},
    {"次のよう回転させた方向に光源を持ってくる", "as below; the light is put in that direction"},
    {"左右の回転角度 ：", "Left/right angle:"},
    {"上下の回転角度 ：", "Up/down angle:"},
    {"（ -180 ～ +180 度） ", "(-180 to +180 degrees) "},
    {"（ -90 ～ +90 度）", "(-90 to +90 degrees)"},
    {"（左が － ， 右が ＋ ）", "(left -, right +)"},
    {"（下が － ， 上が ＋ ）", "(down -, up +)"},
    {"ｷｬﾝｾﾙ", "Cancel"},
    {"光源方向簡易設定", "Light Direction"},
    {"9個あるラジオボタンの中から選ぶ", "Choose one of the nine buttons"},
    {"正面から見た図", "Seen from the front"},
    {"手前方向から上下左右に", "From the front, turned"},
    {"45度ずつ回転した方向", "45 degrees each way"},
    {"スクロール量をドット数で指定", "Scroll in Dots"},
    {"画像をスクロールさせる量を", "Give the amount to scroll"},
    {"ドット数で指定する", "the picture, in dots"},
    {"横方向", "Across"},
    {"縦方向", "Down"},
    {"(-600 ～ +600)", "(-600 to +600)"},
    {"(-400 ～ +400)", "(-400 to +400)"},
    {"（左が －，　右が ＋）", "(left -, right +)"},
    {"（下が －，　上が ＋）", "(down -, up +)"},

    // Animation
    {"アニメ編集", "Animation"},
    {"新規作成", "New"},
    {"シナリオ読込", "Open scenario"},
    {"シナリオ保存", "Save scenario"},
    {"コマとして追加", "Add as frame"},
    {"シナリオ", "Scenario"},
    {"フォルダ内のコマ一覧", "Frames in the folder"},
    {"アニメ開始", "Play"},
    {"閉じる", "Close"},
    {"GIF/PNG書き出し...", "Export GIF/PNG..."},
    {"シナリオに追加", "Add to the scenario"},
    {"シナリオから除去", "Remove from the scenario"},
    {"フォルダから削除", "Delete from the folder"},
    {"アニメ終了", "Stop"},
    {"速い", "Fast"},
    {"遅い", "Slow"},
    {"シナリオ(*.snr)", "Scenario (*.snr)"},
    {"アニメGIF(*.gif)", "Animated GIF (*.gif)"},
    {"アニメPNG(*.png)", "Animated PNG (*.png)"},
    {"（ごみ箱にも残りません）", "(It does not go to the trash.)"},
    {"コマ番号が 999 に達したので、このシナリオ名ではもうコマを追加できません。\r新しいシナリオ名で作成してください",
     "The frame numbers have reached 999: no more frames can be added under this scenario name.\r"
     "Please start a new scenario name."},
    {"このシナリオ名はすでにディスク上にあります\r内容を全て消していいですか？",
     "This scenario name already exists on the disk.\rErase all of its contents?"},
    {"シナリオはコマと同じフォルダに保存してください", "Please save the scenario in the folder of its frames"},
    {"書き出すファイルの拡張子は .gif か .png にしてください", "The exported file's extension must be .gif or .png"},
    {"次の行はコマ名として使えないので、シナリオから除きました",
     "These lines cannot be frame names and were removed from the scenario:"},
    {"現在の折れ線データをシナリオ名と同名で\r拡張子.va4 を付けて保存しますか？",
     "Save the current line data under the scenario's name\rwith the extension .va4?"},
    {"（空行）", "(empty line)"},
    {"再生を止めました", "Playback stopped."},
    // Editor: undo, typed vertex; display: the solid kept open while editing
    {"編集(&U)", "&Edit"},
    {"元に戻す(&U)", "&Undo"},
    {"やり直し(&R)", "&Redo"},
    {"頂点の座標", "Vertex coordinates"},
    {"頂点の座標を x, y で入力して下さい（x は 0 以上 302 以下、y は -122 以上 122 以下）",
     "Type the vertex coordinates as x, y (x from 0 to 302, y from -122 to 122)"},
    {"編集中も立体を表示し続ける(&E)", "&Keep the solid shown while editing"},
    {" 頂点）", " vertices)"},
    {"シナリオファイルが大きすぎます（1MB まで）", "The scenario file is too large (1 MB at most)"},
    {"コマ名にフォルダや制御文字は使えません", "A frame name cannot contain folders or control characters"},
    {"書き出すコマがありません", "There are no frames to export"},
    // Saves
    {"新しいデータ一式がそろっています", "The whole new data set is in place."},
    {"保存前のデータ一式がそのまま残っています", "The whole data set as it was before that save is in place."},
    {"通常のファイルではないので保存できません", "Not a regular file, so it cannot be saved"},
    {"この FIFO を読んでいるプロセスがないので書き込めません", "No process is reading this FIFO, so it cannot be written"},
    {"このデータ一式はほかのプログラムが保存中です。しばらくしてからもう一度お試しください",
     "This data set is being saved by another program; try again in a moment"},
    {"保存の記録ファイルの名前がほかのファイルに使われているので保存できません",
     "The name of the save's journal is taken by another file, so the set cannot be saved"},
    {"次の読み込みか保存でもう一度片付けます", "It is tried again at the next load or save."},
    {"ホームフォルダがわからないので、標準のオプションを保存できません（HOME も XDG_CONFIG_HOME も設定されていません）",
     "The standard options cannot be saved: there is no home folder (neither HOME nor XDG_CONFIG_HOME is set)"},
    {"立体の書き出し（3Dプリント用）", "Export the Solid for 3D Printing"},
    {"形式：", "Format:"},
    {"部分：", "Parts:"},
    {"図形の和", "Union of the figures"},
    {"図形ごと", "One per figure"},
    {"1 回転の分割数：", "Segments per turn:"},
    {"回転角度（度）：", "Part of a turn (degrees):"},
    {"開いた図形の壁の厚さ（mm）：", "Wall of open figures (mm):"},
    {"1 単位の長さ（mm）：", "Length of one unit (mm):"},
    {"書き出す...", "Export..."},
    {"書き出す図形がありません", "There are no figures to export"},
    {"どの図形も面積を囲んでいません（印刷する立体がありません）", "No figure encloses any area (there is no solid to print)"},
    {"分割数は 3 以上 100000 以下の整数で入れてください", "Enter the segments as a whole number from 3 to 100000"},
    {"回転角度は 0 より大きく 360 以下で入れてください", "Enter the part of a turn as more than 0 and at most 360 degrees"},
    {"1 単位の長さは 0 より大きい mm で入れてください", "Enter the length of one unit as more than 0 mm"},
    {"壁の厚さは 0 以上の mm で入れてください（0 で壁なし）", "Enter the wall as 0 mm or more (0: no wall)"},
    {"書き出せません:", "Nothing was written:"},
    {"3Dプリント(&P)", "3D &Print"},
    {"印刷できるか調べる(&C)", "&Check for Printing"},
    {"実寸の型紙を書き出す(&T)...", "Export a &Template at True Size..."},
    {"調べる図形がありません", "There are no figures to check"},
    {"問題は見つかりませんでした", "No problems were found"},
    {"赤: 張り出し　青: 薄い壁　橙: 浮いた部分　緑: 開いた図形の端",
     "Red: overhang   Blue: thin wall   Orange: in the air   Green: ends of an open figure"},
    {"GIF/PNG書き出し", "Export GIF/PNG"},
    {"1 コマの表示時間をミリ秒で入れて下さい（1以上、65535以下）",
     "Enter how long each frame stays, in milliseconds (1 to 65535)"},
    {"通常のファイルではないため読み込めません（パイプや装置は使えません）",
     "Not a regular file, so it cannot be read (pipes and devices cannot be used)"},
};

// Texts built around data; see English.h for the placeholders. More
// specific patterns come first.
constexpr TextPair Patterns[] = {
    {"(-{0} ～ +{1})", "(-{0} to +{1})"},
    {"大きさ: 幅 {0} × 奥行 {1} × 高さ {2} mm", "Size: width {0} × depth {1} × height {2} mm"},
    {"体積: {0} ml（{1} mm³）", "Volume: {0} ml ({1} mm³)"},
    {"図形 {0} は開いた図形です。壁の厚さを入れてください", "Figure {0} is open: enter a wall thickness"},
    {"3Dプリントの検査（ノズル {0} mm、張り出しの限度 {1} 度、1 単位 = 1 mm）",
     "Checks for 3D printing (nozzle {0} mm, overhang limit {1} degrees, 1 unit = 1 mm)"},
    {"図形 {0}: 張り出し {1} 度 {2}", "Figure {0}: overhang {1} degrees {2}"},
    {"図形 {0}: 薄い壁 {1} mm {2}", "Figure {0}: thin wall {1} mm {2}"},
    {"図形 {0}: 薄い壁 幅 {1} mm {2}", "Figure {0}: thin wall, width {1} mm {2}"},
    {"図形 {0}: 浮いた部分 {1} mm {2}", "Figure {0}: in the air {1} mm {2}"},
    {"図形 {0}: 開いた図形 {1}", "Figure {0}: open figure {1}"},
    {"ほか {0} 件", "and {0} more"},
    {"図形 {0}（{1} 頂点）", "Figure {0} ({1} vertices)"},
    {"バージョン {0}", "Version {0}"},
    // The status line: the cursor's coordinates, then the picked figure.
    {"{0}   図形 {1}（{2} 頂点）", "{0}   Figure {1} ({2} vertices)"},
    {"回転体表示 ({0})", "Solid Display ({0})"},
    {"回転前図形編集 ({0})", "Profile Editor ({0})"},
    {"アニメ表示　{0}", "Animation  {0}"},
    {"頂点の数が上限の {0} に達したため、それ以降のデータは読み込みませんでした。",
     "The number of vertices reached its limit of {0}; the data after that was not read."},
    {"図形の数が上限の {0} に達したため、それ以降のデータは読み込みませんでした。",
     "The number of figures reached its limit of {0}; the data after that was not read."},
    {"読み込みエラー（ファイルの終わりに不完全なレコードがあります: {0} バイト目から）。それ以降は読み込みませんでした。",
     "Read error (incomplete record at the end of the file, from byte {0}). The rest was not read."},
    {"読み込みエラー（{0} 番目のレコードの座標が数値ではありません）。それ以降は読み込みませんでした。",
     "Read error (the coordinates of record {0} are not numbers). The rest was not read."},
    {"読み込みエラー（{0} 番目のレコードの図形番号が範囲外です）。それ以降は読み込みませんでした。",
     "Read error (the figure number of record {0} is out of range). The rest was not read."},
    {"読み込みエラー（{0} 行目: {1*}）「{2}」。それ以降は読み込みませんでした。",
     "Read error (line {0}: {1}) \"{2}\". The rest was not read."},
    {"読み込みエラー（ファイルの長さが {0} バイトに足りません）", "Read error (the file is shorter than {0} bytes)"},
    {"ファイルが大きすぎます（{0} MB まで）", "The file is too large ({0} MB at most)"},
    {"{0} を最後まで読み込めませんでした。", "{0} could not be read to the end."},
    {"{0}.bmp をディスクから削除しますか？", "Delete {0}.bmp from the disk?"},
    {"{0} に {1} コマを書き出しました（1 コマ {2} ミリ秒）", "Wrote {1} frames of {2} ms each to {0}"},
    {"GIF は 1/100 秒単位で、20 ミリ秒より短い時間は多くの閲覧ソフトが 100 ミリ秒で表示するため、{0} ミリ秒を {1} ミリ秒にしました",
     "GIF stores hundredths of a second, and most viewers show times under 20 ms as 100 ms, so {0} ms became {1} ms"},
    {"{0} ミリ秒", "{0} ms"},
    {"…ほか {0} 行", "... and {0} more lines"},
    {"図形 {0}（{1*}）: 長さ {2} mm、体積 {3} ml、表面積 {4} cm²",
     "Figure {0} ({1}): length {2} mm, volume {3} ml, surface area {4} cm²"},
    {"図形 {0}（{1*}）: 長さ {2} mm、表面積 {3} cm²", "Figure {0} ({1}): length {2} mm, surface area {3} cm²"},
    {"合計: 体積 {0} ml、表面積 {1} cm²", "Total: volume {0} ml, surface area {1} cm²"},
    {"{0} の保存が途中で中断されていたので、保存を完了しました。",
     "The save of {0} had been interrupted; it has now been completed."},
    {"{0} の保存が途中で中断されていたので、保存を取り消しました。",
     "The save of {0} had been interrupted; it has been undone."},
    {"{0} の保存が途中で中断されていましたが、片付けられませんでした。",
     "The save of {0} had been interrupted and could not be tidied up."},
    // A folder named in a message on a line of its own.
    {"（{0}）", "({0})"},
    // A file error: the message, then the file's name.
    {"{0*}: {1}", "{0}: {1}"},
};

std::optional<std::string_view> exactEnglish(std::string_view text) {
    for (const TextPair& e : Texts)
        if (e.japanese == text) return e.english;
    return std::nullopt;
}

std::optional<std::string> translateLine(std::string_view line);

std::optional<std::string> translateLine(std::string_view line) {
    if (auto e = exactEnglish(line)) return std::string(*e);
    for (const TextPair& pattern : Patterns)
        if (auto english = applyTemplate(line, pattern.japanese, pattern.english, translateLine)) return english;
    return std::nullopt;
}

// The code point starting at text[i]; advances i. Malformed bytes read as
// themselves.
std::uint32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra > 0 && i + static_cast<std::size_t>(extra) >= text.size()) extra = 0;
    std::uint32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1Fu) : extra == 2 ? (b & 0x0Fu) : (b & 0x07u);
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3Fu);
    i += 1 + static_cast<std::size_t>(extra);
    return cp;
}

bool isJapaneseLocale(std::string_view value) {
    if (value.substr(0, 2) != "ja") return false;
    return value.size() == 2 || value[2] == '_' || value[2] == '.' || value[2] == '@';
}

}  // namespace

std::span<const TextPair> englishTexts() { return Texts; }
std::span<const TextPair> englishPatterns() { return Patterns; }

std::optional<std::string> englishFor(std::string_view japanese) {
    if (auto e = exactEnglish(japanese)) return std::string(*e);
    if (japanese.find('\r') == std::string_view::npos) return translateLine(japanese);
    return translateEachLine(japanese, translateLine);
}

std::string shownText(const std::string& text, Language language) {
    // Every entry and pattern holds Japanese (or, for a Japanese screen,
    // English): other texts (numbers, names) are shown as they are without
    // a search.
    if (language == Language::Japanese) return hasEnglish(text) ? japaneseFor(text).value_or(text) : text;
    if (!hasJapanese(text)) return text;
    return englishFor(text).value_or(text);
}

bool hasJapanese(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::uint32_t cp = nextCodePoint(text, i);
        if ((cp >= 0x3000 && cp <= 0x30FF) || (cp >= 0x31F0 && cp <= 0x31FF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
            (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xFF00 && cp <= 0xFFEF))
            return true;
    }
    return false;
}

std::optional<Language> languageNamed(std::string_view name) {
    if (name == "en") return Language::English;
    if (name == "ja") return Language::Japanese;
    return std::nullopt;
}

Language languageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang})
        if (value && *value) return isJapaneseLocale(value) ? Language::Japanese : Language::English;
    return Language::English;
}

}  // namespace vantor
