// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/FigurePropertiesDialog.h"

#include <algorithm>

#include "windows/shared/Workspace.h"
#include "windows/editor/EditorWindow.h"
#include "platform/numbers/Numbers.h"
#include "platform/pixels/Canvas.h"

namespace vantor {

namespace {
constexpr const char* HelpTopic = "HLP000061";
// No factor of a tint is below this.
constexpr double MinimumFactor = 0.2;
}  // namespace

FigurePropertiesDialog::FigurePropertiesDialog(Workspace& work, EditorRequests& peers, EditorWindow& editor) : Form("FigurePropertiesDialog"), m_workspace(work), m_peers(peers), m_editor(editor) {
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
        void (FigurePropertiesDialog::*handler)(MouseButton);
    };
    const ButtonLayout buttons[] = {
        {spbFigureSetColor, 10, 1, "任意の色調を指定する", "setcolor", &FigurePropertiesDialog::spbFigureSetColorMouseUp},
        {spbFigureStandardColor, 50, 1, "色調は指定しない", "stdcolor", &FigurePropertiesDialog::spbFigureStandardColorMouseUp},
        {spbFigureWire, 112, 2, "ワイヤフレーム", "wire", &FigurePropertiesDialog::spbFigureWireMouseUp},
        {spbFigureSurface, 152, 2, "サーフェイス", "surface", &FigurePropertiesDialog::spbFigureSurfaceMouseUp},
        {spbFigureMesh, 192, 2, "網付サーフェイス", "mesh", &FigurePropertiesDialog::spbFigureMeshMouseUP},
        {spbFigureStandardMethod, 232, 2, "描き方は指定しない", "stdmethod", &FigurePropertiesDialog::spbFigureStandardMethodMouseUp},
    };
    for (const ButtonLayout& s : buttons) {
        s.button.setBounds(s.left, 10, 25, 25);
        s.button.setGroupIndex(s.group);
        s.button.setHint(s.hint);
        s.button.setGlyph(s.glyph);
        auto handler = s.handler;
        s.button.onMouseUp = [this, handler](MouseButton b, int, int) { (this->*handler)(b); };
    }
    spbFigureWire.setDown(true);

    imgFigureColor.setBounds(10, 60, 81, 41);
    imgFigureColor.setPicture(&swatchBitmap);
    lblFigureMethodFlag.setBounds(130, 60, 130, 15);
    Font maroon = lblFigureMethod.font();
    maroon.color = colors::Maroon;
    lblFigureMethod.setFont(maroon);
    lblFigureMethod.setBounds(130, 80, 130, 15);
    btnOK.setBounds(70, 110, 81, 27);
    btnOK.modalResult = mrOk;
    btnOK.isDefault = true;
}

// On a 256-colour screen figures cannot carry their own tint.
void FigurePropertiesDialog::FormCreate() {
    if (m_peers.colorDepth() != 8) return;
    spbFigureSetColor.setVisible(false);
    spbFigureStandardColor.setVisible(false);
    imgFigureColor.setVisible(false);
    setCaption("図形の描き方");
}

FigureRecord& FigurePropertiesDialog::record() { return m_editor.propRecord; }

TColor FigurePropertiesDialog::swatchColor(const FigureRecord& r) {
    auto level = [](double factor) {
        return static_cast<std::uint8_t>(std::clamp<std::int64_t>(roundHalfEven(250.0L * factor), 0, 255));
    };
    return rgb(level(r.tintR), level(r.tintG), level(r.tintB));
}

void FigurePropertiesDialog::imgFill() {
    const FigureRecord& r = record();
    Canvas c(swatchBitmap);
    c.pen = Pen{colors::Black, 2, PenStyle::Solid, PenMode::Copy};
    c.brush = Brush{swatchColor(r), BrushStyle::Solid};
    c.rectangle(0, 0, imgFigureColor.width(), imgFigureColor.height());
    imgFigureColor.invalidate();
    if (r.tintFixed == 1) spbFigureSetColor.setDown(true);
    else spbFigureStandardColor.setDown(true);
}

void FigurePropertiesDialog::setMethodLabel() {
    const FigureRecord& r = record();
    if (r.methodFixed == 1) {
        lblFigureMethodFlag.setCaption("描画方法固定");
    } else {
        lblFigureMethodFlag.setCaption("描方指定なし");
        spbFigureStandardMethod.setDown(true);
    }
    SpeedButton* button = nullptr;
    switch (r.drawMethod()) {
    case DrawMethod::Wire:
        lblFigureMethod.setCaption("ワイヤフレーム");
        button = &spbFigureWire;
        break;
    case DrawMethod::Surface:
        lblFigureMethod.setCaption("サーフェイス");
        button = &spbFigureSurface;
        break;
    case DrawMethod::Mesh:
        lblFigureMethod.setCaption("網付サーフェイス");
        button = &spbFigureMesh;
        break;
    default: break;  // an unknown method leaves the label as it was
    }
    if (r.methodFixed == 1 && button) button->setDown(true);
}

bool FigurePropertiesDialog::helpRequested(MouseButton button) {
    if (button != MouseButton::Right) return false;
    m_workspace.desktop.showHelp(HelpTopic);
    return true;
}

void FigurePropertiesDialog::spbFigureSetColorMouseUp(MouseButton button) {
    if (helpRequested(button)) return;
    FigureRecord& r = record();
    dlgFigureColor.color = swatchColor(r);
    if (m_workspace.desktop.runColorDialog(dlgFigureColor)) {
        const int red = colorR(dlgFigureColor.color);
        const int green = colorG(dlgFigureColor.color);
        const int blue = colorB(dlgFigureColor.color);
        const int m = std::max({red, green, blue});
        if (m == 0) return;  // black has no tint: nothing changes
        // Only the ratios count: the brightest component becomes 1.
        const auto factor = [m](int c) { return std::max(static_cast<double>(c) / m, MinimumFactor); };
        r.setTint({factor(red), factor(green), factor(blue)});
        r.tintFixed = 1;
    }
    imgFill();
}

void FigurePropertiesDialog::spbFigureStandardColorMouseUp(MouseButton button) {
    if (helpRequested(button)) return;
    FigureRecord& r = record();
    const DisplayOptions& o = m_workspace.options;
    r.setTint(o.tint());
    r.tintFixed = 0;
    imgFill();
}

void FigurePropertiesDialog::setOwnMethod(DrawMethod method) {
    FigureRecord& r = record();
    r.method = methodCode(method);
    r.methodFixed = 1;
    setMethodLabel();
}

void FigurePropertiesDialog::spbFigureWireMouseUp(MouseButton button) {
    if (!helpRequested(button)) setOwnMethod(DrawMethod::Wire);
}
void FigurePropertiesDialog::spbFigureSurfaceMouseUp(MouseButton button) {
    if (!helpRequested(button)) setOwnMethod(DrawMethod::Surface);
}
void FigurePropertiesDialog::spbFigureMeshMouseUP(MouseButton button) {
    if (!helpRequested(button)) setOwnMethod(DrawMethod::Mesh);
}

void FigurePropertiesDialog::spbFigureStandardMethodMouseUp(MouseButton button) {
    if (helpRequested(button)) return;
    FigureRecord& r = record();
    r.method = m_workspace.options.defaultMethod;
    r.methodFixed = 0;
    setMethodLabel();
}

}  // namespace vantor
