// SPDX-License-Identifier: GPL-3.0-or-later
// The solid beyond the picture: a triangle mesh for 3-D printing, and the
// exact volume and surface area of what the figures sweep.
#include <optional>
#include <string>

#include "windows/shared/Workspace.h"
#include "windows/display/DisplayWindow.h"
#include "export/mesh/Measure.h"
#include "export/mesh/MeshFiles.h"
#include "export/mesh/Revolve.h"
#include "export/mesh/SolidExport.h"
#include "windows/dialogs/ExportDialog.h"
#include "platform/numbers/TextNumbers.h"

namespace vantor {

namespace {
constexpr const char* NoSolidText = "立体にできる図形がありません\r（頂点が２つ以上の図形を描いてください）";

std::string shapeText(ProfileShape s) {
    switch (s) {
        case ProfileShape::Open: return "開いた面";
        case ProfileShape::Closed: return "閉じた図形";
        case ProfileShape::ClosedByAxis: return "軸で閉じた図形";
    }
    return "";
}
}  // namespace

void DisplayWindow::mnExportMeshClick() {
    if (profilesOf(m_workspace.store).empty()) {
        m_workspace.desktop.messageBox(NoSolidText, Workspace::ApplicationTitle, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    ExportDialog& dialog = *m_export;
    dialog.prepare(m_workspace.options.unitAngle);
    // A value that is wrong, or a solid that cannot be printed as it is set,
    // is said and the dialog comes back with the values as they were typed.
    for (;;) {
        const int answer = m_workspace.desktop.showModal(dialog);
        dialog.hide();
        if (answer != mrOk) return;
        std::string problem;
        std::optional<ExportSettings> settings = dialog.settings(problem);
        if (!settings) {
            m_workspace.desktop.messageBox(problem, Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::Ok);
            continue;
        }
        // The preview the dialog shows is that of these settings: the values
        // have not changed since, and the store cannot while it is open.
        const SolidPreview& preview = dialog.preview();
        if (!preview.writable(settings->open)) {
            m_workspace.desktop.messageBox("書き出せません:\r" + previewText(preview, *settings),
                                           Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::Ok);
            continue;
        }
        FileDialog& files = dialog.fileDialogFor(settings->format);
        if (!m_workspace.executeFileDialog(files)) return;
        // A name typed with another mesh extension is written as that name says.
        const MeshFormat named = meshFormatOf(files.fileName);
        if (named != MeshFormat::Unknown) settings->format = named;
        writeSolid(preview, *settings, m_workspace.files.resolve(files.fileName), files.fileName);
        if (!preview.warnings.empty()) {
            std::string text = "書き出しました。次の図形は次のように扱いました:";
            for (const std::string& w : preview.warnings) text += "\r" + w;
            m_workspace.desktop.messageBox(text, Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::Ok);
        }
        return;
    }
}

void DisplayWindow::mnMeasureClick() {
    const std::vector<Profile> profiles = profilesOf(m_workspace.store);
    if (profiles.empty()) {
        m_workspace.desktop.messageBox(NoSolidText, Workspace::ApplicationTitle, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    // Figures that overlap share their volume: the total counts it once.
    const SolidPreview preview = previewSolid(profiles, ExportSettings{});
    std::string text = "1 単位を 1 mm として:";
    for (const ProfileMeasures& m : preview.figures) {
        text += "\r図形 " + std::to_string(m.figure) + "（" + shapeText(m.shape) + "）: 長さ " + formatFixed(m.length, 1) + " mm";
        if (m.shape != ProfileShape::Open) text += "、体積 " + formatFixed(m.volume / 1000, 2) + " ml";
        text += "、表面積 " + formatFixed(m.surfaceArea / 100, 1) + " cm²";
    }
    for (const std::string& r : preview.refusals) text += "\r" + r;
    const Totals& t = preview.totals;
    text += "\r合計: 体積 " + formatFixed(t.volume / 1000, 2) + " ml、表面積 " + formatFixed(t.surfaceArea / 100, 1) + " cm²";
    m_workspace.desktop.messageBox(text, "体積と表面積", MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace vantor
