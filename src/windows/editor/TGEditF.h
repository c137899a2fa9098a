#pragma once
// The figure editor: a sheet left of the axis of revolution on which the user
// draws profile figures and edits those in the figure store. The class is
// declared here once; its members are implemented in sheet/ (mapping, grid,
// redraw, commit, dispatch, menus), tools/ (the eight drawing tools) and
// operations/ (picking and the operations on whole figures and vertices).
#include <cstdint>
#include <string>

#include "model/figures/FigureStore.h"
#include "windows/editor/FigureBuffer.h"
#include "windows/editor/history/EditHistory.h"
#include "windows/editor/history/StoreSnapshot.h"
#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Canvas.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/MenuItem.h"
#include "platform/widgets/SpeedButton.h"
#include "windows/shared/Peers.h"

namespace vantor {

class Workspace;

// Codes of the current tool or operation.
enum class EditState : std::uint8_t {
    Idle = 0,
    FreeLine = 1,
    Line = 2,
    Vertical = 3,
    Horizontal = 4,
    Point1 = 5,
    Circle = 6,
    Ellipse = 7,
    Rectangle = 8,
    Slide = 50,
    Copy = 55,
    Magnify = 60,
    Rotate = 70,
    UpDownAll = 80,
    Split = 90,
    Connect = 91,
    Property = 95,
    Delete = 99,
    MovePoint = 101,
};

// Pixel bounding box of the work figure and its centre.
struct Outline {
    int minPX = 0, maxPX = 0, minPY = 0, maxPY = 0, midPX = 0, midPY = 0;
};

class TGEditF : public Form {
public:
    static constexpr int SheetWidth = 305;
    static constexpr int SheetHeight = 245;
    static constexpr int AxisColumn = 302;
    static constexpr int BaseRow = 122;
    static constexpr TColor RubberColor = rgb(0, 128, 0);
    static constexpr const char* IdleText = "何をします？";
    static constexpr const char* TooManyVerticesText = "頂点が多すぎます。\r先に、どれかの図形を削除して\r描きなおしてください";
    static constexpr const char* SplitRefusedText =
        "頂点が多すぎるため、この図形は切断できません。\r先に、どれかの図形を削除してください";

    TGEditF(Workspace& work, EditorRequests& peers);

    // ----- Controls (client coordinates of this window) -----
    Panel pnlTool{*this, "pnlTool"};
    Panel pnlUpdate{*this, "pnlUpdate"};
    SpeedButton spbFreeLine{*this, "spbFreeLine"};
    SpeedButton spbLine{*this, "spbLine"};
    SpeedButton spbVertical{*this, "spbVertical"};
    SpeedButton spbHorizontal{*this, "spbHorizontal"};
    SpeedButton spbPoint1{*this, "spbPoint1"};
    SpeedButton spbCircle{*this, "spbCircle"};
    SpeedButton spbEllipse{*this, "spbEllipse"};
    SpeedButton spbRectangle{*this, "spbRectangle"};
    Bevel bvlTS{*this, "bvlTS"};
    Label lblState{*this, "lblState", IdleText};
    SpeedButton spbSlideZukei{*this, "spbSlideZukei"};
    SpeedButton spbMagnifyZukei{*this, "spbMagnifyZukei"};
    SpeedButton spbRotateZukei{*this, "spbRotateZukei"};
    SpeedButton spbSplitZukei{*this, "spbSplitZukei"};
    SpeedButton spbConnectZukei{*this, "spbConnectZukei"};
    SpeedButton spbMovePoint{*this, "spbMovePoint"};
    SpeedButton spbZukeiProperty{*this, "spbZukeiProperty"};
    SpeedButton spbDeleteZukei{*this, "spbDeleteZukei"};
    SpeedButton spbUpDownAll{*this, "spbUpDownAll"};
    SpeedButton spbAllClear{*this, "spbAllClear"};
    Image imgGEdit{*this, "imgGEdit"};
    Image imgJiku{*this, "imgJiku"};
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
    MenuItem mnGFF{"mnGFF", "始点終点位置決定方法(&M)"};
    MenuItem mnGFix{"mnGFix", "グリッドの位置に限定"};
    MenuItem mnGFree{"mnGFree", "自由な位置"};
    MenuItem mnEdit{"mnEdit", "編集(&U)"};
    MenuItem mnUndo{"mnUndo", "元に戻す(&U)"};
    MenuItem mnRedo{"mnRedo", "やり直し(&R)"};

    // The sheet's picture (Rgb32, 305 x 245) and the axis label's.
    Bitmap sheetBitmap{SheetWidth, SheetHeight, PixelFormat::Rgb32};
    Bitmap jikuBitmap{20, 56, PixelFormat::Rgb32};

    // ----- State the tests and the other windows read -----
    EditState state() const { return m_state; }
    float vertexSpacing() const { return m_settings.vertexSpacing; }
    std::int32_t gridStep() const { return m_settings.gridStep; }
    bool dragging() const { return m_gesture.dragging; }
    // The record the figure-property dialog edits.
    FigureRecord propRecord;

    // ----- Mapping between sheet pixels and data coordinates -----
    static std::int32_t d2x(float x);
    static std::int32_t v2y(float y);
    static float x2d(std::int32_t column);
    static float y2v(std::int32_t row);
    static IntPoint pixelOf(float x, float y) { return {d2x(x), v2y(y)}; }

    // Axis clamp, then grid snap when snapping is on.
    void adjustGrid(IntPoint& p) const;
    IntPoint adjusted(IntPoint p) const {
        adjustGrid(p);
        return p;
    }
    void getOutline();
    void zukeiAdjustGrid();
    void zukeiLeftOfAxis();

    // ----- Sheet, commit and state -----
    void GESheetInit();
    void detDraw();
    void EditDetDraw();
    // Marks the data edited and takes pictures of the old data off the
    // screen: a live solid is drawn anew (at once, or once the figure being
    // committed is in the store), otherwise the display goes.
    enum class SolidRedraw { Now, AfterCommit };
    void EdittedProc(SolidRedraw when = SolidRedraw::Now);
    void initAll();
    void initState();
    // Returns the editor to its idle state before it is shown from outside.
    void initStateFromOut();

    // ----- Window events -----
    void FormCreate() override;
    void FormActivate() override;
    void FormShow() override;
    void FormHide() override;
    void imgGEditMouseDown(MouseButton button, int x, int y);
    void imgGEditMouseMove(int x, int y);
    void imgGEditMouseUp(MouseButton button, int x, int y);
    void spbZukeiMouseUp(SpeedButton& sender);
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
    void imgGEditDblClick(MouseButton button, int x, int y);

    // ----- Undo, redo and cancelling a gesture -----
    void mnUndoClick();
    void mnRedoClick();
    // Takes the store's content into the history after a change made
    // outside the editor (a load, an add); when the data set is not marked
    // as edited (just loaded or saved), this content is the one on disk.
    void recordStoreChange();
    const EditHistory& history() const { return m_history; }
    // Ends the gesture under way as if it had not begun: the sheet, the
    // store and the status text return to what they were at its press.
    // False when no gesture is under way.
    bool cancelGesture();
    // Lets the user type the coordinates of the vertex nearest the point.
    void typeVertex(int x, int y);

    // ----- Drawing tools -----
    void startDrawZukei(int x, int y);
    void startFreeLine(int x, int y);
    void viaFreeDraw(int x, int y);
    void detFreeLine(int x, int y);
    void viaLineDraw(int x, int y);
    void detLine(int x, int y);
    void detPoint1(int x, int y);
    void viaEllipseDraw(int x, int y);
    void detEllipse(int x, int y);
    void viaSetRect(int x, int y);
    void detRectangle(int x, int y);
    // Appends the segment from P (already the last work vertex) to Q,
    // subdivided by the vertex spacing.
    void addLine(IntPoint p, IntPoint q);
    void smoothFreeCurve();

    // ----- Editing operations -----
    void searchNearestAndLoadZukei(int x, int y);
    // Number (from 1) of the store's vertex nearest the pixel point; equal
    // distances go to the later vertex. 0 when the store is empty.
    std::int32_t nearestVertex(int x, int y) const;
    void LoadZukei(std::int32_t first);
    std::int32_t inZukeiNearestP(int x, int y) const;
    void startSlideZukei(int x, int y);
    void viaSlideZukei(int x, int y);
    void detSlideZukei(int x, int y);
    void detMagnifyZukei(int x, int y);
    void detRotateZukei(int x, int y);
    void detSplitZukei(int x, int y);
    void startConnectZukei(int x, int y);
    void detConnectZukei(int x, int y);
    void startMovePoint(int x, int y);
    void viaMovePoint(int x, int y);
    void detMovePoint(int x, int y);
    void startAllScroll(int x, int y);
    void viaAllScroll(int x, int y);
    void detAllScroll(int x, int y);
    void detZukeiProperty(int x, int y);
    void detDeleteZukei(int x, int y);

    // Status text of a state code (depends on the colour depth for 95).
    std::string stateText(EditState code) const;

private:
    void buildLayout();
    // Appends a sheet point to work with its data coordinates.
    void appendPoint(IntPoint p);
    void constrainLine(IntPoint& e) const;
    IntPoint circleCorner(IntPoint s, IntPoint e) const;
    // zukeiLeftOfAxis, zukeiAdjustGrid, EditDetDraw.
    void putBackAdjusted();
    void joinSavedIntoWork();
    void cutAtAxis(float a, float b, float cx, float cy, int n);
    EditState buttonCode(const SpeedButton& b) const;
    void buildMenus();
    void drawAxisLabel();
    void setStatus(const std::string& text) { lblState.setCaption(text); }
    FigureStore& store();
    const FigureStore& store() const;
    // Pen for previews: not-xor, dark green, width 1, no fill.
    void selectRubberPen();
    void rubberLine(IntPoint a, IntPoint b);
    void rubberEllipse(IntPoint centre, IntPoint corner);
    void rubberRectangle(IntPoint s, IntPoint e);
    void rubberPolyline(const FigureBuffer& buffer);
    void movePointRubber();
    void drawMarker(IntPoint p, TColor color);
    void highlightWork();
    void sheetChanged() { imgGEdit.invalidate(); }
    void recomputePixels(FigureBuffer& buffer);
    // A figure must be picked (the store is not empty) for these operations.
    bool pickable() const;
    // Asks for a decimal in an input box; true with the value when the
    // answer is a plain signed decimal.
    bool askDecimal(const std::string& caption, const std::string& prompt, const std::string& initial,
                    long double& value);
    // Appends the work figure as a new figure when it has at least
    // minimumCount vertices; refuses it past the vertex capacity.
    void commitWork(int minimumCount);
    void commitWorkToStore(int minimumCount);

    // A figure taken out of the store is held in work until it is put back.
    // If the release that would put it back never arrives (the window lost
    // the mouse), the next press, button or hide puts it back unchanged.
    void restoreHeldFigure();

    // Records the store's content as a step when an event changed it.
    void checkpoint();
    void afterHistoryMove();
    void updateEditMenu();
    void buildEditMenu();
    void beginGesture();
    void showCursorAt(int x, int y);
    void showPicked(std::int32_t figureNumber, int vertexCount);
    void refreshStatusLine();

    // The tools act on the left button only; the release of a gesture acts
    // on the button of its press.
    bool otherButton() const { return m_gesture.button != MouseButton::Left; }

    // The sheet's options, set from its menus.
    struct Settings {
        float vertexSpacing = 5;  // pixels between the vertices a tool lays
        std::int32_t gridStep = 10;
        // Snapping as chosen while the grid was shown: hiding the grid
        // places freely, showing it again restores this choice.
        bool savedGridFix = true;
    };

    // One mouse gesture of a tool, from press to release.
    struct Gesture {
        MouseButton button = MouseButton::Left;
        IntPoint start, current, end;
        IntPoint previous;  // the free curve's last laid point
        bool buttonDown = false;
        bool dragging = false;
        // A not-xor preview is on the sheet; drawing it again erases it.
        bool rubberShown = false;
        bool copyMode = false;    // a slide that copies instead of moving
        float spacing = 5;        // the free curve's vertex spacing, fixed at its press
        bool cancelled = false;   // after a cancel the rest of the gesture is ignored
    };

    // What a gesture started from, for cancelling it.
    struct GestureStart {
        Bitmap sheet;
        StoreSnapshot store;
        std::uint8_t dataEdited = 0;
        std::string status;
    };

    // What an operation picked: the vertex a move drags with the vertices
    // it is joined to, and the picked figure's pixel outline.
    struct Pick {
        std::int32_t index = 1;  // the dragged vertex within the work figure, from 1
        bool hasPrev = false, hasNext = false;
        IntPoint prevNeighbour, nextNeighbour;
        Outline outline;
    };

    Workspace& m_workspace;
    EditorRequests& m_peers;
    Canvas m_canvas{sheetBitmap};
    EditState m_state = EditState::Idle;
    EditState m_lastState = EditState::Idle;
    Settings m_settings;
    Gesture m_gesture;
    GestureStart m_gestureStart;
    Pick m_pick;
    // The figure being drawn, or the picked figure being edited, and a
    // second buffer for the operations that need one (a moved copy, the
    // other figure of a join, the part of a split).
    FigureBuffer m_work;
    FigureRecord m_workRecord;
    FigureBuffer m_saved;
    FigureRecord m_savedRecord;
    bool m_figureHeld = false;
    bool m_solidRedrawPending = false;  // a live solid waits for the commit under way
    EditHistory m_history;
    std::string m_cursorText;
    std::string m_pickedText;
};

}  // namespace vantor
