#include "windows/editor/TZuPropF.h"

#include <algorithm>

#include "windows/shared/Workspace.h"
#include "windows/editor/TGEditF.h"
#include "platform/numbers/Numbers.h"
#include "platform/pixels/Canvas.h"

namespace vantor {

namespace {
constexpr const char* HelpTopic = "HLP000061";
// No factor of a tint is below this.
constexpr double MinimumFactor = 0.2;
}  // namespace

TZuPropF::TZuPropF(Workspace& work, EditorRequests& peers, TGEditF& editor) : Form("ZuPropF"), m_workspace(work), m_peers(peers), m_editor(editor) {
    setCaption("図形の色調と描き方");
    setBorderStyle(BorderStyle::Dialog);
    setModal(true);
    setCentered(true);
    Font f;
    f.pixelHeight = 15;
    setFont(f);
    setClientSize(268, 147);

    struct ButtonLayout {
        SpeedButton& button;
        int left;
        int group;
        const char* hint;
        const char* glyph;
        void (TZuPropF::*handler)(MouseButton);
    };
    const ButtonLayout buttons[] = {
        {spbZuSetColor, 10, 1, "任意の色調を指定する", "setcolor", &TZuPropF::spbZuSetColorMouseUp},
        {spbZuStandardColor, 50, 1, "色調は指定しない", "stdcolor", &TZuPropF::spbZuStandardColorMouseUp},
        {spbZuWire, 112, 2, "ワイヤフレーム", "wire", &TZuPropF::spbZuWireMouseUp},
        {spbZuSurface, 152, 2, "サーフェイス", "surface", &TZuPropF::spbZuSurfaceMouseUp},
        {spbZuMesh, 192, 2, "網付サーフェイス", "mesh", &TZuPropF::spbZuMeshMouseUP},
        {spbZuStandardMethod, 232, 2, "描き方は指定しない", "stdmethod", &TZuPropF::spbZuStandardMethodMouseUp},
    };
    for (const ButtonLayout& s : buttons) {
        s.button.setBounds(s.left, 10, 25, 25);
        s.button.setGroupIndex(s.group);
        s.button.setHint(s.hint);
        s.button.setGlyph(s.glyph);
        auto handler = s.handler;
        s.button.onMouseUp = [this, handler](MouseButton b, int, int) { (this->*handler)(b); };
    }
    spbZuWire.setDown(true);

    imgZuColor.setBounds(10, 60, 81, 41);
    imgZuColor.setPicture(&swatchBitmap);
    lblZuMethodFlag.setBounds(130, 60, 130, 15);
    Font maroon = lblZuMethod.font();
    maroon.color = colors::Maroon;
    lblZuMethod.setFont(maroon);
    lblZuMethod.setBounds(130, 80, 130, 15);
    btnOK.setBounds(70, 110, 81, 27);
    btnOK.modalResult = mrOk;
    btnOK.isDefault = true;
}

// On a 256-colour screen figures cannot carry their own tint.
void TZuPropF::FormCreate() {
    if (m_peers.colorDepth() != 8) return;
    spbZuSetColor.setVisible(false);
    spbZuStandardColor.setVisible(false);
    imgZuColor.setVisible(false);
    setCaption("図形の描き方");
}

FigureRecord& TZuPropF::record() { return m_editor.propRecord; }

TColor TZuPropF::swatchColor(const FigureRecord& r) {
    auto level = [](double factor) {
        return static_cast<std::uint8_t>(std::clamp<std::int64_t>(roundHalfEven(250.0L * factor), 0, 255));
    };
    return rgb(level(r.tintR), level(r.tintG), level(r.tintB));
}

void TZuPropF::imgFill() {
    const FigureRecord& r = record();
    Canvas c(swatchBitmap);
    c.pen = Pen{colors::Black, 2, PenStyle::Solid, PenMode::Copy};
    c.brush = Brush{swatchColor(r), BrushStyle::Solid};
    c.rectangle(0, 0, imgZuColor.width(), imgZuColor.height());
    imgZuColor.invalidate();
    if (r.tintFixed == 1) spbZuSetColor.setDown(true);
    else spbZuStandardColor.setDown(true);
}

void TZuPropF::setMethodLabel() {
    const FigureRecord& r = record();
    if (r.methodFixed == 1) {
        lblZuMethodFlag.setCaption("描画方法固定");
    } else {
        lblZuMethodFlag.setCaption("描方指定なし");
        spbZuStandardMethod.setDown(true);
    }
    SpeedButton* button = nullptr;
    switch (r.drawMethod()) {
    case DrawMethod::Wire:
        lblZuMethod.setCaption("ワイヤフレーム");
        button = &spbZuWire;
        break;
    case DrawMethod::Surface:
        lblZuMethod.setCaption("サーフェイス");
        button = &spbZuSurface;
        break;
    case DrawMethod::Mesh:
        lblZuMethod.setCaption("網付サーフェイス");
        button = &spbZuMesh;
        break;
    default: break;  // an unknown method leaves the label as it was
    }
    if (r.methodFixed == 1 && button) button->setDown(true);
}

bool TZuPropF::helpRequested(MouseButton button) {
    if (button != MouseButton::Right) return false;
    m_workspace.desktop.showHelp(HelpTopic);
    return true;
}

void TZuPropF::spbZuSetColorMouseUp(MouseButton button) {
    if (helpRequested(button)) return;
    FigureRecord& r = record();
    dlgZuColor.color = swatchColor(r);
    if (m_workspace.desktop.runColorDialog(dlgZuColor)) {
        const int red = colorR(dlgZuColor.color);
        const int green = colorG(dlgZuColor.color);
        const int blue = colorB(dlgZuColor.color);
        const int m = std::max({red, green, blue});
        if (m == 0) return;  // black has no tint: nothing changes
        // Only the ratios count: the brightest component becomes 1.
        const auto factor = [m](int c) { return std::max(static_cast<double>(c) / m, MinimumFactor); };
        r.setTint({factor(red), factor(green), factor(blue)});
        r.tintFixed = 1;
    }
    imgFill();
}

void TZuPropF::spbZuStandardColorMouseUp(MouseButton button) {
    if (helpRequested(button)) return;
    FigureRecord& r = record();
    const DisplayOptions& o = m_workspace.options;
    r.setTint(o.tint());
    r.tintFixed = 0;
    imgFill();
}

void TZuPropF::setOwnMethod(DrawMethod method) {
    FigureRecord& r = record();
    r.method = methodCode(method);
    r.methodFixed = 1;
    setMethodLabel();
}

void TZuPropF::spbZuWireMouseUp(MouseButton button) {
    if (!helpRequested(button)) setOwnMethod(DrawMethod::Wire);
}
void TZuPropF::spbZuSurfaceMouseUp(MouseButton button) {
    if (!helpRequested(button)) setOwnMethod(DrawMethod::Surface);
}
void TZuPropF::spbZuMeshMouseUP(MouseButton button) {
    if (!helpRequested(button)) setOwnMethod(DrawMethod::Mesh);
}

void TZuPropF::spbZuStandardMethodMouseUp(MouseButton button) {
    if (helpRequested(button)) return;
    FigureRecord& r = record();
    r.method = m_workspace.options.defaultMethod;
    r.methodFixed = 0;
    setMethodLabel();
}

}  // namespace vantor
