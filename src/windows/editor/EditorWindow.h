// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure editor: a sheet left of the axis of revolution on which the user
// draws profile figures and edits those in the figure store. The window is
// declared here once and its members are implemented in sheet/ (grid,
// redraw, picking, commit, dispatch, menus, history). Each tool and
// operation is a class of its own in tools/ or operations/; the window holds
// one of each in its tool table and hands them the events of the sheet,
// giving them the services of toolkit/Context.h and nothing more.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/figures/FigureStore.h"
#include "windows/editor/history/EditHistory.h"
#include "model/figures/StoreSnapshot.h"
#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Canvas.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/MenuItem.h"
#include "platform/widgets/SpeedButton.h"
#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/EditState.h"
#include "windows/editor/toolkit/FigureBuffer.h"
#include "windows/editor/toolkit/SheetGeometry.h"
#include "windows/shared/Peers.h"

namespace vantor {

struct Finding;

class ToolTable;
class FigurePropertiesDialog;
class Workspace;

class EditorWindow : public Form, public SheetGeometry, private edit::Context {
public:
    static constexpr TColor RubberColor = rgb(0, 128, 0);
    static constexpr const char* IdleText = "何をします？";
    static constexpr const char* TooManyVerticesText = "頂点が多すぎます。\r先に、どれかの図形を削除して\r描きなおしてください";

    EditorWindow(Workspace& work, EditorRequests& peers);
    ~EditorWindow() override;

    // ----- Controls (client coordinates of this window) -----
    Panel pnlTool{*this, "pnlTool"};
    Panel pnlUpdate{*this, "pnlUpdate"};
    SpeedButton spbFreeLine{*this, "spbFreeLine"};
    SpeedButton spbLine{*this, "spbLine"};
    SpeedButton spbVertical{*this, "spbVertical"};
    SpeedButton spbHorizontal{*this, "spbHorizontal"};
    SpeedButton spbPoint{*this, "spbPoint"};
    SpeedButton spbCircle{*this, "spbCircle"};
    SpeedButton spbEllipse{*this, "spbEllipse"};
    SpeedButton spbRectangle{*this, "spbRectangle"};
    Bevel bvlTS{*this, "bvlTS"};
    Label lblState{*this, "lblState", IdleText};
    SpeedButton spbMoveFigure{*this, "spbMoveFigure"};
    SpeedButton spbScaleFigure{*this, "spbScaleFigure"};
    SpeedButton spbRotateFigure{*this, "spbRotateFigure"};
    SpeedButton spbSplitFigure{*this, "spbSplitFigure"};
    SpeedButton spbJoinFigures{*this, "spbJoinFigures"};
    SpeedButton spbMovePoint{*this, "spbMovePoint"};
    SpeedButton spbFigureProperties{*this, "spbFigureProperties"};
    SpeedButton spbDeleteFigure{*this, "spbDeleteFigure"};
    SpeedButton spbUpDownAll{*this, "spbUpDownAll"};
    SpeedButton spbAllClear{*this, "spbAllClear"};
    Image imgSheet{*this, "imgSheet"};
    Image imgAxis{*this, "imgAxis"};
    // Status line under the sheet: the data coordinates under the mouse and
    // the picked figure.
    Label lblCursor{*this, "lblCursor"};

    // ----- Menus -----
    MenuItem mnSmooth{"mnSmooth", "オプション(&O)"};
    MenuItem mnNDots{"mnNDots", "頂点の間隔（ドット数）(&N)"};
    MenuItem mnND2{"mnND2", " 2"};
    MenuItem mnND5{"mnND5", " 5"};
    MenuItem mnND10{"mnND10", "10"};
    MenuItem mnND20{"mnND20", "20"};
    MenuItem mnND40{"mnND40", "40"};
    MenuItem mnNDEtc{"mnNDEtc", "その他..."};
    MenuItem mnStandard{"mnStandard", "すべての設定を初期化(&I)"};
    MenuItem mnGrid{"mnGrid", "グリッド(&G)"};
    MenuItem mnGridOnOff{"mnGridOnOff", "表示切り替え(&H)"};
    MenuItem mnGridOn{"mnGridOn", "グリッド ON"};
    MenuItem mnGridOff{"mnGridOff", "グリッド OFF"};
    MenuItem mnGridInt{"mnGridInt", "グリッド間隔(&D)"};
    MenuItem mnG4{"mnG4", " 4"};
    MenuItem mnG5{"mnG5", " 5"};
    MenuItem mnG6{"mnG6", " 6"};
    MenuItem mnG10{"mnG10", "10"};
    MenuItem mnG12{"mnG12", "12"};
    MenuItem mnG15{"mnG15", "15"};
    MenuItem mnG20{"mnG20", "20"};
    MenuItem mnG30{"mnG30", "30"};
    MenuItem mnG60{"mnG60", "60"};
    MenuItem mnEndpointMethod{"mnEndpointMethod", "始点終点位置決定方法(&M)"};
    MenuItem mnGFix{"mnGFix", "グリッドの位置に限定"};
    MenuItem mnGFree{"mnGFree", "自由な位置"};
    MenuItem mnEdit{"mnEdit", "編集(&U)"};
    MenuItem mnUndo{"mnUndo", "元に戻す(&U)"};
    MenuItem mnRedo{"mnRedo", "やり直し(&R)"};
    // After the fixed menus: checks for 3-D printing made on the profile,
    // marked on the sheet.
    MenuItem mnPrint{"mnPrint", "3Dプリント(&P)"};
    MenuItem mnPrintCheck{"mnPrintCheck", "印刷できるか調べる(&C)"};
    // Runs the checks, marks each finding on the sheet in the colour of its
    // kind and lists them with the legend.
    void mnPrintCheckClick();
    // Writes the figures at true size (1 unit = 1 mm) as an SVG, PDF or DXF template.
    MenuItem mnPrintTemplate{"mnPrintTemplate", "実寸の型紙を書き出す(&T)..."};
    FileDialog dlgSaveTemplate{FileDialogKind::Save,
                               "型紙 SVG(*.svg)|*.svg|型紙 PDF(*.pdf)|*.pdf|型紙 DXF(*.dxf)|*.dxf", "svg"};
    void mnPrintTemplateClick();

    // The sheet's picture (Rgb32, 305 x 245) and the axis label's.
    Bitmap sheetBitmap{SheetWidth, SheetHeight, PixelFormat::Rgb32};
    Bitmap axisBitmap{20, 56, PixelFormat::Rgb32};

    // ----- State the tests and the other windows read -----
    EditState state() const { return m_state; }
    float vertexSpacing() const override { return m_settings.vertexSpacing; }
    std::int32_t gridStep() const { return m_settings.gridStep; }
    bool dragging() const override { return m_gesture.dragging; }
    // The record the figure-property dialog edits.
    FigureRecord propRecord;

    // ----- Sheet, commit and state -----
    void redrawSheet() override;
    // Marks the data edited and takes pictures of the old data off the
    // screen: a live solid is drawn anew (at once, or once the figure being
    // committed is in the store), otherwise the display goes.
    void markChanged() override;
    void initAll();
    void initState() override;
    // Returns the editor to its idle state before it is shown from outside.
    void initStateFromOut();

    // ----- Window events -----
    void FormCreate() override;
    void FormActivate() override;
    void FormShow() override;
    void FormHide() override;
    void imgSheetMouseDown(MouseButton button, int x, int y);
    void imgSheetMouseMove(int x, int y);
    void imgSheetMouseUp(MouseButton button, int x, int y);
    void spbFigureToolMouseUp(SpeedButton& sender);
    void spbEditMouseUp(SpeedButton& sender);
    void spbAllClearMouseUp();
    void mnNDotClick(MenuItem& sender);
    void mnNDEtcClick();
    void mnGridOnClick();
    void mnGridOffClick();
    void mnGIntClick(MenuItem& sender);
    void mnGFixClick();
    void mnGFreeClick();
    void mnStandardClick();
    void mnHelpClick();
    void FormKeyDown(int key, unsigned shift) override;
    void imgSheetDblClick(MouseButton button, int x, int y);

    // ----- Undo, redo and cancelling a gesture -----
    void mnUndoClick();
    void mnRedoClick();
    // Takes the store's content into the history after a change made
    // outside the editor (a load, an add); when the data set is not marked
    // as edited (just loaded or saved), this content is the one on disk.
    void recordStoreChange();
    const EditHistory& history() const { return m_history; }

    // ----- The dialog the editor owns -----
    FigurePropertiesDialog& figurePropertiesDialog() { return *m_figureProperties; }
    // The forms the editor creates besides itself, for the host to show.
    std::vector<Form*> partnerForms() const;
    // Ends the gesture under way as if it had not begun: the sheet, the
    // store and the status text return to what they were at its press.
    // False when no gesture is under way.
    bool cancelGesture();

    // Status text of a state code (depends on the colour depth for 95).
    std::string stateText(EditState code) const;

private:
    // ----- What the tools are given (edit::Context) -----
    void adjustGrid(IntPoint& p) const override;
    bool otherButton() const override { return m_gesture.button != MouseButton::Left; }
    void setDragging(bool armed) override { m_gesture.dragging = armed; }
    FigureBuffer& work() override { return m_work; }
    FigureRecord& workRecord() override { return m_workRecord; }
    void snapWorkFigure() override;
    void keepWorkFigureLeftOfAxis() override;
    FigureStore& store() override;
    bool pickable() const override;
    void pickNearestFigure(int x, int y) override;
    std::int32_t nearestWorkVertex(int x, int y) const override;
    // A figure taken out of the store is held in work until it is put back.
    // If the release that would put it back never arrives (the window lost
    // the mouse), the next press, button or hide puts it back unchanged.
    void restoreHeldFigure() override;
    void keepFigureOut() override {
        m_figureHeld = false;
        store().deleteTakenFigure();
    }
    void commitNewFigure() override;
    void commitEditedFigure() override;
    // Pen for previews: not-xor, dark green, width 1, no fill.
    void selectRubberPen() override;
    void rubberLine(IntPoint a, IntPoint b) override;
    void rubberEllipse(IntPoint centre, IntPoint corner) override;
    void rubberRectangle(IntPoint s, IntPoint e) override;
    void rubberPolyline(const FigureBuffer& buffer) override;
    void drawMarker(IntPoint p, TColor color) override;
    void setStatus(const std::string& text) override { lblState.setCaption(text); }
    bool askDecimal(const std::string& caption, const std::string& prompt, const std::string& initial,
                    long double& value) override;
    bool confirm(const std::string& question) override;
    void tell(const std::string& text, MsgIcon icon) override;
    void askFigureAttributes() override;

    // ----- The window's own -----
    void buildLayout();
    EditState buttonCode(const SpeedButton& b) const;
    void buildMenus();
    void drawAxisLabel();
    const FigureStore& store() const;
    // Number (from 1) of the store's vertex nearest the pixel point; equal
    // distances go to the later vertex. 0 when the store is empty.
    std::int32_t nearestVertex(int x, int y) const;
    void loadFigureIntoWork(std::int32_t first);
    // Lets the user type the coordinates of the vertex nearest the point.
    void typeVertex(int x, int y);
    void highlightWork();
    void sheetChanged() { imgSheet.invalidate(); }
    // Appends the work figure as a new figure when it has at least
    // minimumCount vertices; refuses it past the vertex capacity.
    // Puts work into the store when it has at least minimumCount vertices,
    // with `record` as its attributes when given.
    void commitWork(int minimumCount, const FigureRecord* record);

    // Records the store's content as a step when an event changed it.
    void checkpoint();
    void afterHistoryMove();
    void updateEditMenu();
    void buildEditMenu();
    void buildPrintMenu();
    // A thick line over a finding's segment, cut to the sheet as the
    // figures' lines are.
    void markSegment(const Finding& finding, TColor color);
    void beginGesture();
    void showCursorAt(int x, int y);
    void showPicked(std::int32_t figureNumber, int vertexCount);
    void refreshStatusLine();

    // The sheet's options, set from its menus.
    struct Settings {
        float vertexSpacing = 5;  // pixels between the vertices a tool lays
        std::int32_t gridStep = 10;
        // Snapping as chosen while the grid was shown: hiding the grid
        // places freely, showing it again restores this choice.
        bool savedGridFix = true;
    };

    // What every gesture on the sheet has, whatever its tool: the rest is
    // the tool's own.
    struct Gesture {
        MouseButton button = MouseButton::Left;  // of the press
        bool buttonDown = false;
        bool dragging = false;
        bool cancelled = false;  // after a cancel the rest of the gesture is ignored
    };

    // What a gesture started from, for cancelling it.
    struct GestureStart {
        Bitmap sheet;
        StoreSnapshot store;
        std::uint8_t dataEdited = 0;
        std::string status;
    };

    Workspace& m_workspace;
    EditorRequests& m_peers;
    std::unique_ptr<FigurePropertiesDialog> m_figureProperties;
    int m_storeListener = 0;
    // A load or a save becomes a step of the history.
    void storeChanged();
    Canvas m_canvas{sheetBitmap};
    EditState m_state = EditState::Idle;
    EditState m_lastState = EditState::Idle;
    Settings m_settings;
    Gesture m_gesture;
    GestureStart m_gestureStart;
    // The figure being drawn, or the picked figure being edited.
    FigureBuffer m_work;
    FigureRecord m_workRecord;
    bool m_figureHeld = false;
    // The print check's marks are on the sheet, drawn over the store as it
    // still is: coming back to the window (after their message) keeps them.
    bool m_printMarksShown = false;
    EditHistory m_history;
    std::string m_cursorText;
    std::string m_pickedText;
    // The tool of each state; built last, as it is given this window.
    std::unique_ptr<ToolTable> m_tools;
};

}  // namespace vantor
