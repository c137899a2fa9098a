// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PlainStillDisplay.h"

#include "render/geometry/ViewGeometry.h"
#include "render/shading/DisplayPalette.h"
#include "render/shading/Shading.h"
#include "render/still/DrawExecute.h"
#include "platform/pixels/Canvas.h"

namespace vantor::test {

namespace {

struct CanvasPainter {
    Canvas& canvas;
    void polygon(const IntPoint (&p)[4], TColor c) {
        canvas.pen.color = c;
        canvas.brush.color = c;
        canvas.polygon({p[0], p[1], p[2], p[3]});
    }
    void outline(const IntPoint (&p)[4], TColor c) {
        canvas.pen.color = c;
        canvas.moveTo(p[0].x, p[0].y);
        for (int i : {1, 2, 3, 0}) canvas.lineTo(p[i].x, p[i].y);
    }
    void line(IntPoint a, IntPoint b, TColor c) {
        canvas.pen.color = c;
        canvas.moveTo(a.x, a.y);
        canvas.lineTo(b.x, b.y);
    }
};

f32 radians(int degrees) { return toF32(degToRad(degrees)); }

}  // namespace

void plainStillDisplay(const FigureStore& store, const DisplayOptions& o, Bitmap& bitmap, ColourPath path,
                       std::vector<int>* progress, const Bitmap* background) {
    Brights brights;
    const bool palettePath = path == ColourPath::Palette;
    brights.SetBrights(o, path);
    ViewGeometry g;
    g.setZoomScale(o);
    g.CalcLightCoordinates(o);
    g.PrepareViewPoint(o);
    g.prepareInclination(o);

    const int n = store.VertexCount;
    const std::size_t size = static_cast<std::size_t>(n > 0 ? n : 1);
    std::vector<f32> mx(size), my(size), d(size);
    std::vector<int> tables[3] = {std::vector<int>(size), std::vector<int>(size), std::vector<int>(size)};
    for (int s = 1; s <= n - 1; ++s) {
        mx[s] = toF32((static_cast<f64>(store.x(s)) + store.x(s + 1)) / 2);
        my[s] = toF32((static_cast<f64>(store.y(s)) + store.y(s + 1)) / 2);
        for (auto& t : tables) t[s] = s;
    }
    if (n >= 3) {
        for (int k = 1; k <= 3; ++k) {
            const f32 angle = toF32(k * 3.14159265358979323846264338327950288L * 0.5L);
            for (int s = 1; s <= n - 1; ++s) d[s] = g.LfromV(angle, my[s], mx[s]);
            std::vector<int>& t = tables[k - 1];
            for (int p = 1; p <= n - 2; ++p)
                for (int q = p + 1; q <= n - 1; ++q)
                    if (d[t[q]] > d[t[p]]) std::swap(t[p], t[q]);
        }
    }

    DisplayPalette palette;
    if (palettePath) {
        palette.buildStillRamp(brights.brightStep, o);
        palette.attachStill(bitmap);
    }
    Canvas canvas(bitmap);
    canvas.brush.style = BrushStyle::Solid;
    canvas.pen = Pen{};
    const TColor back = palettePath ? paletteIndex(201) : rgb(o.backR, o.backG, o.backB);
    canvas.pen.color = back;
    canvas.brush.color = back;
    const int w = bitmap.width(), h = bitmap.height();
    if (background) canvas.stretchDraw(IntRect{0, 0, w, h}, *background);
    else canvas.polygon({{0, 0}, {w, 0}, {w, h}, {0, h}});

    ShadeContext ctx;
    ctx.light = g.light;
    ctx.eye = g.eye;
    ctx.bright = o.bright;
    ctx.baseRadius = o.baseRadius;
    ctx.palettePath = palettePath;
    ctx.brightStep = brights.brightStep;
    CanvasPainter painter{canvas};
    const int u = o.unitAngle;

    auto drawParts = [&](int i, int e, int r) {
        if (store.link(i) != 1) return;
        const FigureRecord& figure = store.slot(store.figure(i));
        for (auto [a1, a2] : {std::pair{e, e + u}, std::pair{r, r - u}}) {
            ElementCorners c{g.projectPoint(store.x(i), store.y(i), radians(a1)), g.projectPoint(store.x(i + 1), store.y(i + 1), radians(a1)),
                             g.projectPoint(store.x(i), store.y(i), radians(a2)), g.projectPoint(store.x(i + 1), store.y(i + 1), radians(a2))};
            drawExecute(c, figure, ctx, painter);
        }
    };
    auto tableOf = [&](int e) -> std::vector<int>& { return e < 180 ? tables[0] : (e < 210 ? tables[1] : tables[2]); };

    if (o.viewHeight > -80 && o.viewHeight < 80) {
        for (int e = 90, r = 90; e <= 270; e += u, r -= u) {
            if (progress) progress->push_back(e);
            for (int j = 1; j <= n - 1; ++j) drawParts(tableOf(e)[j], e, r);
        }
    } else {
        for (int j = 1; j <= n - 1; ++j) {
            if (progress) progress->push_back(static_cast<int>(roundHalfEven(j * 180.0L / (n - 1) + 90)));
            for (int e = 90, r = 90; e <= 270; e += u, r -= u) drawParts(tableOf(e)[j], e, r);
        }
    }
}

}  // namespace vantor::test
