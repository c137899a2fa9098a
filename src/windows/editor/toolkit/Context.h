// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tool may ask of the editor: the placement rules, the gesture's
// button and armed state, the work figure, picking from the store, the
// commits, the previews on the sheet, the status text and the boxes. The
// editor implements it; nothing else of the window is within a tool's reach.
#include <cstdint>
#include <string>

#include "model/figures/FigureStore.h"
#include "platform/pixels/Color.h"
#include "platform/widgets/Desktop.h"

namespace vantor {
struct FigureBuffer;
}

namespace vantor::edit {

class Context {
public:
    // ----- Placement -----
    virtual float vertexSpacing() const = 0;
    // Axis clamp, then grid snap when snapping is on.
    virtual void adjustGrid(IntPoint& p) const = 0;
    IntPoint adjusted(IntPoint p) const {
        adjustGrid(p);
        return p;
    }

    // ----- The gesture under way -----
    // The press was not made with the left button (the release acts on the
    // button of its press).
    virtual bool otherButton() const = 0;
    // A press has armed the move and release handlers; a redraw of the sheet
    // and every commit disarm them.
    virtual bool dragging() const = 0;
    virtual void setDragging(bool armed) = 0;

    // ----- The work figure -----
    virtual FigureBuffer& work() = 0;
    virtual FigureRecord& workRecord() = 0;
    // Moves the work figure rigidly so that its first vertex obeys the
    // placement rules.
    virtual void snapWorkFigure() = 0;
    // Moves the work figure right onto the axis if it reaches past it.
    virtual void keepWorkFigureLeftOfAxis() = 0;

    // ----- The store and picking -----
    virtual FigureStore& store() = 0;
    // A figure can be picked: the store is not empty.
    virtual bool pickable() const = 0;
    // Takes the figure of the store's vertex nearest the point into work.
    virtual void pickNearestFigure(int x, int y) = 0;
    // Number (from 1) of the work vertex nearest the point.
    virtual std::int32_t nearestWorkVertex(int x, int y) const = 0;
    // Puts a figure still held out of the store back unchanged.
    virtual void restoreHeldFigure() = 0;
    // The figure held in work stays out of the store for good.
    virtual void keepFigureOut() = 0;

    // ----- Commits and state -----
    // Appends work as a new figure (at least two vertices).
    virtual void commitNewFigure() = 0;
    // Appends work with the attributes workRecord.
    virtual void commitEditedFigure() = 0;
    virtual void markChanged() = 0;
    virtual void redrawSheet() = 0;
    // Back to idle.
    virtual void initState() = 0;

    // ----- Previews on the sheet: each drawn again erases it -----
    virtual void selectRubberPen() = 0;
    virtual void rubberLine(IntPoint a, IntPoint b) = 0;
    virtual void rubberEllipse(IntPoint centre, IntPoint corner) = 0;
    virtual void rubberRectangle(IntPoint s, IntPoint e) = 0;
    virtual void rubberPolyline(const FigureBuffer& buffer) = 0;
    virtual void drawMarker(IntPoint p, TColor color) = 0;

    // ----- Status text and boxes -----
    virtual void setStatus(const std::string& text) = 0;
    // True with the value when the answer is a plain signed decimal.
    virtual bool askDecimal(const std::string& caption, const std::string& prompt, const std::string& initial,
                            long double& value) = 0;
    // A warning with Yes and No; true for Yes.
    virtual bool confirm(const std::string& question) = 0;
    virtual void tell(const std::string& text, MsgIcon icon) = 0;
    // The figure-property dialog on workRecord.
    virtual void askFigureAttributes() = 0;

protected:
    Context() = default;
    ~Context() = default;
};

}  // namespace vantor::edit
