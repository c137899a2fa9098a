// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/EditorWindow.h"
#include "windows/editor/FigurePropertiesDialog.h"

#include "windows/editor/ToolTable.h"
#include "windows/shared/Workspace.h"

namespace vantor {

namespace {

constexpr int FormWidth = 372;
constexpr int FormHeight = 345;
constexpr int SheetLeft = 10;
constexpr int SheetTop = 26;
constexpr int ToolPanelHeight = 20;
constexpr int ButtonSize = 20;

struct ButtonLayout {
    SpeedButton* button;
    int offset;  // along its panel
    const char* hint;
    const char* glyph;
};

// Status texts of the drawing tools, indexed by their code.
constexpr const char* ToolNames[] = {"", "自由曲線", "直線", "垂直直線", "水平直線", "１点", "円", "楕円", "長方形"};

}  // namespace

EditorWindow::EditorWindow(Workspace& work, EditorRequests& peers) : Form("EditorWindow"), m_workspace(work), m_peers(peers) {
    setCaption("回転前図形編集 （データ名未定）");
    setColor(colors::Black);
    setBorderStyle(BorderStyle::Single);
    buildMenus();  // first: the menu bar takes part of the client height
    buildEditMenu();
    buildPrintMenu();
    buildLayout();
    drawAxisLabel();
    m_tools = std::make_unique<ToolTable>(static_cast<edit::Context&>(*this));
    m_figureProperties = std::make_unique<FigurePropertiesDialog>(work, peers, *this);
    m_storeListener = work.store.subscribe([this] { storeChanged(); });
}

EditorWindow::~EditorWindow() { m_workspace.store.unsubscribe(m_storeListener); }

std::vector<Form*> EditorWindow::partnerForms() const { return {m_figureProperties.get()}; }

FigureStore& EditorWindow::store() { return m_workspace.store; }
const FigureStore& EditorWindow::store() const { return m_workspace.store; }

void EditorWindow::buildLayout() {
    setBounds(0, 0, FormWidth, FormHeight);
    const int panelLeft = clientWidth() - ButtonSize;
    pnlTool.setBounds(0, 0, clientWidth(), ToolPanelHeight);
    pnlUpdate.setBounds(panelLeft, ToolPanelHeight, ButtonSize, clientHeight() - ToolPanelHeight);

    const ButtonLayout tools[] = {
        {&spbFreeLine, 0, "自由曲線", "freecurve"},
        {&spbLine, 19, "直線", "line"},
        {&spbVertical, 38, "垂直な直線", "vline"},
        {&spbHorizontal, 58, "水平な直線", "hline"},
        {&spbPoint, 77, "１点", "point"},
        {&spbCircle, 96, "円", "circle"},
        {&spbEllipse, 115, "楕円", "ellipse"},
        {&spbRectangle, 134, "長方形", "rect"},
    };
    for (const ButtonLayout& b : tools) {
        b.button->setBounds(b.offset, 0, ButtonSize, ButtonSize);
        b.button->setHint(b.hint);
        b.button->setGlyph(b.glyph);
        SpeedButton* button = b.button;
        button->onMouseUp = [this, button](MouseButton, int, int) { spbFigureToolMouseUp(*button); };
    }

    const ButtonLayout operations[] = {
        {&spbMoveFigure, 0, "平行移動 ・ コピー", "move"},
        {&spbScaleFigure, 19, "拡大 ・ 縮小", "scale"},
        {&spbRotateFigure, 38, "図形回転", "turn"},
        {&spbSplitFigure, 58, "頂点位置で図形を切断", "split"},
        {&spbJoinFigures, 77, "２つの図形を結合", "join"},
        {&spbMovePoint, 96, "頂点位置調整", "movevertex"},
        {&spbFigureProperties, 116, "図形の色調と描き方", "property"},
        {&spbDeleteFigure, 138, "図形削除", "delete"},
        {&spbUpDownAll, 157, "全図形上下移動", "updown"},
        {&spbAllClear, 176, "全ての図形を削除", "clearall"},
    };
    for (const ButtonLayout& b : operations) {
        b.button->setBounds(panelLeft, ToolPanelHeight + b.offset, ButtonSize, ButtonSize);
        b.button->setHint(b.hint);
        b.button->setGlyph(b.glyph);
        SpeedButton* button = b.button;
        if (button == &spbAllClear) button->onMouseUp = [this](MouseButton, int, int) { spbAllClearMouseUp(); };
        else button->onMouseUp = [this, button](MouseButton, int, int) { spbEditMouseUp(*button); };
    }

    bvlTS.setBounds(160, 2, 2, 16);
    Font stateFont = lblState.font();
    stateFont.color = colors::Lime;
    lblState.setFont(stateFont);
    lblState.setColor(colors::Black);
    lblState.setBounds(190, 4, 120, 13);

    imgSheet.setBounds(SheetLeft, SheetTop, SheetWidth, SheetHeight);
    imgSheet.setPicture(&sheetBitmap);
    imgSheet.onMouseDown = [this](MouseButton b, unsigned, int x, int y) { imgSheetMouseDown(b, x, y); };
    imgSheet.onMouseMove = [this](unsigned, int x, int y) { imgSheetMouseMove(x, y); };
    imgSheet.onMouseUp = [this](MouseButton b, unsigned, int x, int y) { imgSheetMouseUp(b, x, y); };
    imgSheet.onDblClick = [this](MouseButton b, unsigned, int x, int y) { imgSheetDblClick(b, x, y); };
    imgAxis.setBounds(SheetLeft + SheetWidth + 2, 167, axisBitmap.width(), axisBitmap.height());
    imgAxis.setPicture(&axisBitmap);

    Font cursorFont = lblCursor.font();
    cursorFont.color = colors::Silver;
    lblCursor.setFont(cursorFont);
    lblCursor.setColor(colors::Black);
    lblCursor.setBounds(SheetLeft, SheetTop + SheetHeight + 4, SheetWidth, 14);
}

void EditorWindow::FormCreate() {
    setBounds(0, m_peers.mainWindowHeight(), width(), FormHeight);
    imgSheet.setBounds(SheetLeft, imgSheet.top(), SheetWidth, SheetHeight);
    imgAxis.setBounds(SheetLeft + SheetWidth + 2, imgAxis.top(), imgAxis.width(), imgAxis.height());
    initAll();
    if (m_peers.colorDepth() == 8) spbFigureProperties.setHint("図形の描き方");
    checkpoint();
    m_figureProperties->FormCreate();
}

// The sheet always shows the store as it is now (loads happen elsewhere).
// The press that activates the window may arrive before the activation; a
// gesture under way already shows the current state and is kept, and so do
// the print check's marks while the figures they mark are unchanged.
void EditorWindow::FormActivate() {
    if (m_gesture.dragging) return;
    checkpoint();
    if (!m_printMarksShown) redrawSheet();
}
void EditorWindow::FormShow() {
    checkpoint();
    redrawSheet();
}
void EditorWindow::FormHide() {
    restoreHeldFigure();
    m_gesture.buttonDown = false;
    checkpoint();
}

void EditorWindow::initAll() {
    mnGridOn.setChecked(true);
    m_settings.savedGridFix = true;
    mnGFix.setChecked(true);
    m_settings.gridStep = 10;
    mnG10.setChecked(true);
    mnGridInt.setVisible(true);
    mnEndpointMethod.setVisible(true);
    m_settings.vertexSpacing = 5;
    mnND5.setChecked(true);
    imgSheet.setCursor(Cursor::Arrow);
    initStateFromOut();
    m_gesture.dragging = false;
    redrawSheet();
}

void EditorWindow::initState() {
    restoreHeldFigure();
    // A gesture whose release never came is over.
    m_gesture.buttonDown = false;
    setStatus(IdleText);
    m_state = EditState::Idle;
    m_work.clear();
    m_pickedText.clear();
    refreshStatusLine();
    imgSheet.setCursor(Cursor::Arrow);
}

void EditorWindow::initStateFromOut() {
    initState();
    m_lastState = EditState::Idle;
}

EditState EditorWindow::buttonCode(const SpeedButton& b) const {
    const std::pair<const SpeedButton*, EditState> codes[] = {
        {&spbFreeLine, EditState::FreeCurve},        {&spbLine, EditState::Line},
        {&spbVertical, EditState::VerticalLine},     {&spbHorizontal, EditState::HorizontalLine},
        {&spbPoint, EditState::Point},              {&spbCircle, EditState::Circle},
        {&spbEllipse, EditState::Ellipse},           {&spbRectangle, EditState::Rectangle},
        {&spbMoveFigure, EditState::Move},           {&spbScaleFigure, EditState::Scale},
        {&spbRotateFigure, EditState::Rotate},        {&spbSplitFigure, EditState::Split},
        {&spbJoinFigures, EditState::Join},         {&spbMovePoint, EditState::MoveVertex},
        {&spbFigureProperties, EditState::Property},    {&spbDeleteFigure, EditState::Delete},
        {&spbUpDownAll, EditState::MoveAll},
    };
    for (const auto& [button, code] : codes)
        if (button == &b) return code;
    return EditState::Idle;
}

std::string EditorWindow::stateText(EditState code) const {
    switch (code) {
    case EditState::Idle: return IdleText;
    case EditState::Move: return "平行移動";
    case EditState::Copy: return "コピー";
    case EditState::Scale: return "拡大・縮小";
    case EditState::Rotate: return "図形回転";
    case EditState::MoveAll: return "全図形上下移動";
    case EditState::Split: return "図形切断";
    case EditState::Join: return edit::Join::WaitingText;
    case EditState::Property: return m_peers.colorDepth() == 8 ? "図形の描き方" : "図形の色調・描き方";
    case EditState::Delete: return "図形削除";
    case EditState::MoveVertex: return "頂点移動";
    default:
        if (code >= EditState::FreeCurve && code <= EditState::Rectangle) return ToolNames[static_cast<std::size_t>(code)];
        return IdleText;
    }
}

void EditorWindow::spbFigureToolMouseUp(SpeedButton& sender) {
    initState();
    checkpoint();
    m_state = buttonCode(sender);
    setStatus(stateText(m_state));
    m_lastState = m_state;
    imgSheet.setCursor(Cursor::Cross);
}

void EditorWindow::spbEditMouseUp(SpeedButton& sender) {
    initState();
    checkpoint();
    if (store().VertexCount == 0) return;
    EditState code = buttonCode(sender);
    // The move button alternates between moving and copying.
    if (&sender == &spbMoveFigure) code = m_lastState == EditState::Move ? EditState::Copy : EditState::Move;
    m_state = code;
    setStatus(stateText(m_state));
    m_lastState = m_state;
    imgSheet.setCursor(Cursor::Arrow);
}

void EditorWindow::spbAllClearMouseUp() {
    FigureStore& s = store();
    restoreHeldFigure();
    checkpoint();
    if (s.VertexCount <= 0) return;
    const std::string previous = lblState.caption();
    setStatus("全図形削除");
    if (!confirm("図形をすべて削除してもいいんですね？")) {
        setStatus(previous);
        return;
    }
    s.clearFigures();
    redrawSheet();
    m_peers.clearDataName();
    setCaption("回転前図形編集 (データ名未定)");
    m_peers.setDisplayCaption("回転体表示 (データ名未定)");
    markChanged();
    initState();
    checkpoint();
}

}  // namespace vantor
