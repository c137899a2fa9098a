// The solid beyond the picture: a triangle mesh for 3-D printing, and the
// exact volume and surface area of what the figures sweep.
#include <cstdio>
#include <string>

#include "windows/shared/Workspace.h"
#include "windows/display/TVantorF.h"
#include "export/mesh/Measure.h"
#include "export/mesh/MeshFiles.h"
#include "export/mesh/Revolve.h"

namespace vantor {

namespace {
constexpr const char* NoSolidText = "立体にできる図形がありません\r（頂点が２つ以上の図形を描いてください）";

std::string fixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string shapeText(ProfileShape s) {
    switch (s) {
        case ProfileShape::Open: return "開いた面";
        case ProfileShape::Closed: return "閉じた図形";
        case ProfileShape::ClosedByAxis: return "軸で閉じた図形";
    }
    return "";
}
}  // namespace

void TVantorF::mnExportMeshClick() {
    const std::vector<Profile> profiles = profilesOf(m_workspace.store);
    if (profiles.empty()) {
        m_workspace.desktop.messageBox(NoSolidText, Workspace::ApplicationTitle, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (!m_workspace.executeFileDialog(dlgExportMesh)) return;
    MeshFormat format = meshFormatOf(dlgExportMesh.fileName);
    if (format == MeshFormat::Unknown)
        format = dlgExportMesh.filterIndex == 2 ? MeshFormat::Obj : dlgExportMesh.filterIndex == 3 ? MeshFormat::Ply : MeshFormat::Stl;
    // The display's own step gives the mesh its fineness: what is seen is what is printed.
    RevolveSettings settings;
    settings.segments = std::max(3, 360 / std::max(1, m_workspace.options.unitAngle));
    const RevolveResult r = revolve(profiles, settings);
    m_workspace.files.writeAtomic(dlgExportMesh.fileName, encodeMesh(r.mesh, format));
    if (!r.warnings.empty()) {
        std::string text = "書き出しましたが、次の図形はきれいな立体になりません:";
        for (const std::string& w : r.warnings) text += "\r" + w;
        m_workspace.desktop.messageBox(text, Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::Ok);
    }
}

void TVantorF::mnMeasureClick() {
    const std::vector<Profile> profiles = profilesOf(m_workspace.store);
    if (profiles.empty()) {
        m_workspace.desktop.messageBox(NoSolidText, Workspace::ApplicationTitle, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    std::vector<ProfileMeasures> all;
    std::string text = "1 単位を 1 mm として:";
    for (const Profile& p : profiles) {
        const ProfileMeasures m = measure(p);
        all.push_back(m);
        text += "\r図形 " + std::to_string(m.figure) + "（" + shapeText(m.shape) + "）: 長さ " + fixed(m.length, 1) + " mm";
        if (m.shape != ProfileShape::Open) text += "、体積 " + fixed(m.volume / 1000, 2) + " ml";
        text += "、表面積 " + fixed(m.surfaceArea / 100, 1) + " cm²";
    }
    const Totals t = total(all);
    text += "\r合計: 体積 " + fixed(t.volume / 1000, 2) + " ml、表面積 " + fixed(t.surfaceArea / 100, 1) + " cm²";
    m_workspace.desktop.messageBox(text, "体積と表面積", MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace vantor
