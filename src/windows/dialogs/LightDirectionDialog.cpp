// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/dialogs/LightDirectionDialog.h"

#include "windows/shared/Workspace.h"

namespace vantor {

namespace {
// The globe: centre and radius in client pixels. The meridian ellipse is
// that of longitude 45 degrees, the parallels those of latitude 45, so the
// outer buttons sit where those lines cross.
constexpr int Cx = 150, Cy = 118, R = 90;
constexpr int Off45 = 64;      // R * sin 45
constexpr int OffCorner = 45;  // R * sin 45 * cos 45
constexpr int ButtonSize = 13;
}  // namespace

LightDirectionDialog::LightDirectionDialog(Workspace& work) : Form("LightDirectionDialog"), m_workspace(work) {
    setCaption("光源方向簡易設定");
    setBorderStyle(BorderStyle::Dialog);
    setModal(true);
    setColor(colors::Navy);
    setClientSize(300, 300);

    shpGlobe.setShape(ShapeType::Ellipse);
    shpGlobe.setColor(colors::White);
    shpGlobe.setBounds(Cx - R, Cy - R, 2 * R + 1, 2 * R + 1);
    shpMeridian.setShape(ShapeType::Ellipse);
    shpMeridian.setBrush(ShapeBrush::Clear);
    shpMeridian.setBounds(Cx - Off45, Cy - R, 2 * Off45 + 1, 2 * R + 1);
    shpAxis.setBrush(ShapeBrush::Clear);
    shpAxis.setBounds(Cx, Cy - R, 1, 2 * R + 1);
    shpEquator.setBrush(ShapeBrush::Clear);
    shpEquator.setBounds(Cx - R, Cy, 2 * R + 1, 1);
    shpNorth.setBrush(ShapeBrush::Clear);
    shpNorth.setBounds(Cx - Off45, Cy - Off45, 2 * Off45 + 1, 1);
    shpSouth.setBrush(ShapeBrush::Clear);
    shpSouth.setBounds(Cx - Off45, Cy + Off45, 2 * Off45 + 1, 1);

    Font white;
    white.color = colors::White;
    lblFront.setFont(white);
    lblFront.setBounds(16, 8, 120, 14);
    lblFront.setHint("9個あるラジオボタンの中から選ぶ");
    shpNoteFrame.setBrush(ShapeBrush::Clear);
    shpNoteFrame.setPenColor(colors::Yellow);
    shpNoteFrame.setBounds(50, 216, 200, 38);
    lblNote1.setFont(white);
    lblNote1.setBounds(60, 220, 180, 14);
    lblNote2.setFont(white);
    lblNote2.setBounds(60, 236, 180, 14);

    const int xs[3][3] = {{Cx - OffCorner, Cx, Cx + OffCorner}, {Cx - Off45, Cx, Cx + Off45}, {Cx - OffCorner, Cx, Cx + OffCorner}};
    const int ys[3] = {Cy - Off45, Cy, Cy + Off45};
    const auto all = buttons();
    for (int k = 0; k < 9; ++k) {
        RadioButton& b = *all[static_cast<std::size_t>(k)];
        b.setBounds(xs[k / 3][k % 3] - ButtonSize / 2, ys[k / 3] - ButtonSize / 2, ButtonSize, ButtonSize);
        b.setColor(colors::Black);
        b.setTransparent(false);
        b.onClick = [this, &b] { rdbLightEClick(b); };
    }

    btnOK.setBounds(60, 264, 80, 25);
    btnCancel.setBounds(160, 264, 80, 25);
    makeOkCancel(btnOK, btnCancel);
    btnAllClear.setBounds(0, 0, 8, 6);
    btnAllClear.setVisible(false);
    btnAllClear.onClick = [this] { btnAllClearClick(); };
}

void LightDirectionDialog::FormCreate() {}

void LightDirectionDialog::paintAllBlack() {
    for (RadioButton* b : buttons()) b->setColor(colors::Black);
}

void LightDirectionDialog::rdbLightEClick(RadioButton& sender) {
    paintAllBlack();
    const auto all = buttons();
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all[k] != &sender) continue;
        pendingLightDirH = DirH[k % 3];
        pendingLightDirV = DirV[k / 3];
    }
    sender.setColor(colors::Yellow);
    sender.setChecked(true);
}

void LightDirectionDialog::SetCurrentButton() {
    const DisplayOptions& o = m_workspace.options;
    int row = -1, column = -1;
    for (int k = 0; k < 3; ++k) {
        if (o.lightDirV == DirV[static_cast<std::size_t>(k)]) row = k;
        if (o.lightDirH == DirH[static_cast<std::size_t>(k)]) column = k;
    }
    if (row < 0 || column < 0) return;
    RadioButton& b = *buttons()[static_cast<std::size_t>(row * 3 + column)];
    b.setChecked(true);
    b.setColor(colors::Yellow);
}

void LightDirectionDialog::btnAllClearClick() {
    for (RadioButton* b : buttons()) {
        b->setColor(colors::Black);
        b->setChecked(false);
    }
}

}  // namespace vantor
