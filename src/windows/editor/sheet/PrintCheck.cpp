// SPDX-License-Identifier: GPL-3.0-or-later
// Checks for 3-D printing on the drawn profile: surfaces facing down more
// steeply than the printer can build, material narrower than the nozzle (marked on the drawn segment nearest it),
// parts that would print in the air and open figures without a wall. Each
// finding is marked on the sheet in the colour of its kind until the sheet
// is next drawn, and a message lists them with the legend.
#include <string>

#include <algorithm>
#include <exception>

#include "export/mesh/PrintChecks.h"
#include "export/mesh/ProfileTemplate.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/editor/EditorWindow.h"
#include "windows/shared/Workspace.h"

namespace vantor {

namespace {

constexpr TColor OverhangColor = colors::Red;
constexpr TColor ThinWallColor = colors::Blue;
constexpr TColor FloatingColor = rgb(255, 140, 0);
constexpr TColor OpenFigureColor = rgb(0, 160, 0);

std::string number(double v) { return formatFixed(v, 1); }

std::string pointText(const ProfilePoint& p) { return "(" + number(p.r) + ", " + number(p.y) + ")"; }

std::string findingText(const Finding& f) {
    const std::string where = pointText(f.from) + "–" + pointText(f.to);
    const std::string figure = "図形 " + std::to_string(f.figure) + ": ";
    switch (f.kind) {
        case FindingKind::Overhang: return figure + "張り出し " + number(f.value) + " 度 " + where;
        case FindingKind::ThinWall: return figure + "薄い壁 幅 " + formatFixed(f.value, 2) + " mm " + pointText(f.at);
        case FindingKind::Floating: return figure + "浮いた部分 " + number(f.value) + " mm " + where;
        case FindingKind::OpenFigure: return figure + "開いた図形 " + where;
        case FindingKind::NoArea: return "どの図形も面積を囲んでいません（印刷する立体がありません）";
    }
    return figure;
}

// The longest list a message shows; the marks on the sheet show them all.
constexpr std::size_t ListedFindings = 20;

}  // namespace

void EditorWindow::buildPrintMenu() {
    mainMenu.add(mnPrint);
    mnPrint.add(mnPrintCheck);
    mnPrintCheck.onClick = [this] { mnPrintCheckClick(); };
    mnPrint.add(mnPrintTemplate);
    mnPrintTemplate.onClick = [this] { mnPrintTemplateClick(); };
}

void EditorWindow::mnPrintTemplateClick() {
    const std::vector<TemplateFigure> figures = templateFigures(store());
    if (figures.empty()) {
        m_workspace.desktop.messageBox("書き出す図形がありません", Workspace::ApplicationTitle, MsgIcon::Information,
                                       MsgButtons::Ok);
        return;
    }
    if (!m_workspace.executeFileDialog(dlgSaveTemplate)) return;
    const std::string& name = dlgSaveTemplate.fileName;
    TemplateFormat format = templateFormatOf(name);
    if (format == TemplateFormat::Unknown) format = static_cast<TemplateFormat>(std::clamp(dlgSaveTemplate.filterIndex, 1, 3));
    try {
        writeTemplate(figures, 1, format, m_workspace.files.resolve(name), name);
    } catch (const std::exception& e) {
        m_workspace.desktop.messageBox(e.what(), Workspace::ApplicationTitle, MsgIcon::Error, MsgButtons::Ok);
    }
}

void EditorWindow::mnPrintCheckClick() {
    const FigureStore& s = store();
    if (s.VertexCount < 2) {
        m_workspace.desktop.messageBox("調べる図形がありません", Workspace::ApplicationTitle, MsgIcon::Information,
                                       MsgButtons::Ok);
        return;
    }
    const PrintCheckSettings settings;
    const PrintCheckReport report = printChecks(s, settings);

    // Marks of an earlier check go with the sheet they were drawn on.
    redrawSheet();
    for (const Finding& f : report.findings) {
        switch (f.kind) {
            case FindingKind::Overhang: markSegment(f, OverhangColor); break;
            case FindingKind::ThinWall: markSegment(f, ThinWallColor); break;
            case FindingKind::Floating: markSegment(f, FloatingColor); break;
            case FindingKind::OpenFigure:
                drawMarker(pixelOf(static_cast<float>(f.from.r), static_cast<float>(f.from.y)), OpenFigureColor);
                drawMarker(pixelOf(static_cast<float>(f.to.r), static_cast<float>(f.to.y)), OpenFigureColor);
                break;
            case FindingKind::NoArea: break;
        }
    }
    sheetChanged();
    m_printMarksShown = true;

    std::string text = "3Dプリントの検査（ノズル " + number(settings.nozzle) + " mm、張り出しの限度 " +
                       number(settings.maxOverhang) + " 度、1 単位 = 1 mm）";
    if (report.clean()) {
        text += "\r問題は見つかりませんでした";
        m_workspace.desktop.messageBox(text, Workspace::ApplicationTitle, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    text += "\r赤: 張り出し　青: 薄い壁　橙: 浮いた部分　緑: 開いた図形の端";
    for (std::size_t i = 0; i < report.findings.size() && i < ListedFindings; ++i)
        text += "\r" + findingText(report.findings[i]);
    if (report.findings.size() > ListedFindings)
        text += "\rほか " + std::to_string(report.findings.size() - ListedFindings) + " 件";
    for (const std::string& w : report.warnings) text += "\r" + w;
    for (const std::string& r : report.refusals) text += "\r" + r;
    m_workspace.desktop.messageBox(text, Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::Ok);
}

}  // namespace vantor
