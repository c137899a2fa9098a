// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/dialogs/ExportDialog.h"

#include <cmath>

#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/shared/Workspace.h"

namespace vantor {

namespace {

// A typed number within low ... high; blanks around it are allowed.
std::optional<double> typed(const Edit& edit, double low, double high) {
    const std::optional<long double> v = parseDecimal(edit.text(), Exponent::Allowed);
    if (!v || !(*v >= low && *v <= high)) return std::nullopt;
    return static_cast<double>(*v);
}

}  // namespace

ExportDialog::ExportDialog(Workspace& work) : Form("ExportDialog"), m_workspace(work) {
    setCaption("立体の書き出し（3Dプリント用）");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setModal(true);
    setClientSize(420, 360);

    lblFormat.setBounds(16, 16, 130, 14);
    rdbStl.setBounds(150, 12, 60, 20);
    rdb3mf.setBounds(210, 12, 60, 20);
    rdbObj.setBounds(270, 12, 60, 20);
    rdbPly.setBounds(330, 12, 60, 20);
    lblSegments.setBounds(16, 48, 200, 14);
    edtSegments.setBounds(220, 44, 80, 21);
    lblAngle.setBounds(16, 78, 200, 14);
    edtAngle.setBounds(220, 74, 80, 21);
    lblThickness.setBounds(16, 108, 200, 14);
    edtThickness.setBounds(220, 104, 80, 21);
    lblScale.setBounds(16, 138, 200, 14);
    edtScale.setBounds(220, 134, 80, 21);
    lblParts.setBounds(16, 168, 130, 14);
    rdbUnited.setBounds(150, 164, 146, 20);
    rdbPerFigure.setBounds(296, 164, 116, 20);
    lblPreview.setBounds(16, 196, 390, 116);
    btnOK.setBounds(200, 322, 100, 25);
    btnCancel.setBounds(310, 322, 90, 25);
    makeOkCancel(btnOK, btnCancel);

    for (Edit* e : {&edtSegments, &edtAngle, &edtThickness, &edtScale}) e->onChange = [this] { updatePreview(); };
    for (RadioButton* r : {&rdbStl, &rdb3mf, &rdbObj, &rdbPly, &rdbUnited, &rdbPerFigure}) r->onClick = [this] { updatePreview(); };
}

void ExportDialog::FormCreate() {}

void ExportDialog::prepare(int unitAngle) {
    m_prepared = false;
    edtSegments.setText(std::to_string(std::max(3, 360 / std::max(1, unitAngle))));
    if (edtAngle.text().empty()) edtAngle.setText("360");
    if (edtThickness.text().empty()) edtThickness.setText("0");
    if (edtScale.text().empty()) edtScale.setText("1");
    if (!rdbStl.checked() && !rdb3mf.checked() && !rdbObj.checked() && !rdbPly.checked()) rdbStl.setChecked(true);
    if (!rdbUnited.checked() && !rdbPerFigure.checked()) rdbUnited.setChecked(true);
    m_prepared = true;
    updatePreview();
}

FileDialog& ExportDialog::fileDialogFor(MeshFormat format) {
    struct Choice {
        MeshFormat format;
        int filterIndex;  // in dlgExport's filter
        const char* extension;
    };
    static constexpr Choice Choices[] = {
        {MeshFormat::Stl, 1, "stl"}, {MeshFormat::ThreeMf, 2, "3mf"}, {MeshFormat::Obj, 3, "obj"}, {MeshFormat::Ply, 4, "ply"}};
    for (const Choice& c : Choices)
        if (c.format == format) {
            dlgExport.filterIndex = c.filterIndex;
            dlgExport.defaultExt = c.extension;
        }
    return dlgExport;
}

MeshFormat ExportDialog::chosenFormat() const {
    if (rdb3mf.checked()) return MeshFormat::ThreeMf;
    if (rdbObj.checked()) return MeshFormat::Obj;
    if (rdbPly.checked()) return MeshFormat::Ply;
    return MeshFormat::Stl;
}

std::optional<ExportSettings> ExportDialog::settings(std::string& problem) const {
    ExportSettings s;
    s.format = chosenFormat();
    const std::optional<double> segments = typed(edtSegments, 3, 100000);
    if (!segments || *segments != std::floor(*segments)) {
        problem = "分割数は 3 以上 100000 以下の整数で入れてください";
        return std::nullopt;
    }
    const std::optional<double> degrees = typed(edtAngle, 0, 360);
    if (!degrees || *degrees <= 0) {
        problem = "回転角度は 0 より大きく 360 以下で入れてください";
        return std::nullopt;
    }
    const std::optional<double> scale = typed(edtScale, 0, 1e6);
    if (!scale || *scale <= 0) {
        problem = "1 単位の長さは 0 より大きい mm で入れてください";
        return std::nullopt;
    }
    const std::optional<double> wall = typed(edtThickness, 0, 1e6);
    if (!wall) {
        problem = "壁の厚さは 0 以上の mm で入れてください（0 で壁なし）";
        return std::nullopt;
    }
    s.revolve.segments = static_cast<int>(*segments);
    s.revolve.degrees = *degrees;
    s.revolve.scale = *scale;
    // The wall is typed in millimetres of the print; the solid is made in
    // data units.
    s.revolve.thickness = *wall / *scale;
    s.open = OpenFigures::Refuse;
    s.parts = rdbPerFigure.checked() ? MeshParts::PerFigure : MeshParts::United;
    return s;
}

void ExportDialog::updatePreview() {
    if (!m_prepared) return;
    std::string problem;
    const std::optional<ExportSettings> s = settings(problem);
    if (!s) {
        m_preview = SolidPreview{};
        lblPreview.setCaption(problem);
        return;
    }
    m_preview = previewSolid(m_workspace.store, *s);
    lblPreview.setCaption(previewText(m_preview, *s));
}

std::string previewText(const SolidPreview& p, const ExportSettings& s) {
    const double scale = s.revolve.scale;
    std::string text = "大きさ: 幅 " + formatFixed(p.size.width, 1) + " × 奥行 " + formatFixed(p.size.depth, 1) + " × 高さ " +
                       formatFixed(p.size.height, 1) + " mm";
    const double cubicMm = p.totals.volume * scale * scale * scale;
    text += "\r体積: " + formatFixed(cubicMm / 1000, 2) + " ml（" + formatFixed(cubicMm, 0) + " mm³）";
    for (const std::string& w : p.warnings) text += "\r" + w;
    for (int figure : p.openFigures)
        text += "\r図形 " + std::to_string(figure) + " は開いた図形です。壁の厚さを入れてください";
    for (const std::string& r : p.refusals) text += "\r" + r;
    return text;
}

}  // namespace vantor
