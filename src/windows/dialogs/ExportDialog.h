// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display window's export of the solid for 3-D printing: the format, the
// fineness of the turn, the part of a turn, the wall that open figures get,
// and the scale; the printed size, the volume and every warning are shown
// before anything is written, and follow each change of a value.
#include <optional>
#include <string>

#include "export/mesh/SolidExport.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Workspace;

class ExportDialog : public Form {
public:
    explicit ExportDialog(Workspace& work);
    void FormCreate() override;

    Label lblFormat{*this, "lblFormat", "形式："};
    RadioButton rdbStl{*this, "rdbStl", "STL", 1};
    RadioButton rdb3mf{*this, "rdb3mf", "3MF", 1};
    RadioButton rdbObj{*this, "rdbObj", "OBJ", 1};
    RadioButton rdbPly{*this, "rdbPly", "PLY", 1};
    Label lblSegments{*this, "lblSegments", "1 回転の分割数："};
    Edit edtSegments{*this, "edtSegments"};
    Label lblAngle{*this, "lblAngle", "回転角度（度）："};
    Edit edtAngle{*this, "edtAngle"};
    Label lblThickness{*this, "lblThickness", "開いた図形の壁の厚さ（mm）："};
    Edit edtThickness{*this, "edtThickness"};
    Label lblScale{*this, "lblScale", "1 単位の長さ（mm）："};
    Edit edtScale{*this, "edtScale"};
    // One shell a connected part (the union of the figures), or one a figure.
    Label lblParts{*this, "lblParts", "部分："};
    RadioButton rdbUnited{*this, "rdbUnited", "図形の和", 2};
    RadioButton rdbPerFigure{*this, "rdbPerFigure", "図形ごと", 2};
    Label lblPreview{*this, "lblPreview"};
    Button btnOK{*this, "btnOK", "書き出す..."};
    Button btnCancel{*this, "btnCancel", "ｷｬﾝｾﾙ"};
    FileDialog dlgExport{FileDialogKind::Save, "STL(*.stl)|*.stl|3MF(*.3mf)|*.3mf|OBJ(*.obj)|*.obj|PLY(*.ply)|*.ply",
                         "stl"};

    // Fills the values for a new export: the display's step gives the turn
    // its fineness (what is seen is what is printed), a whole turn, no wall,
    // one millimetre a unit. Values typed before stay for the next export of
    // the same session, except the fineness, which follows the display.
    void prepare(int unitAngle);
    // The settings the values give, or the message that says which value is
    // wrong.
    std::optional<ExportSettings> settings(std::string& problem) const;
    // The preview text of the current values.
    void updatePreview();
    const SolidPreview& preview() const { return m_preview; }
    // The file dialog, its type and default extension those of `format`.
    FileDialog& fileDialogFor(MeshFormat format);

private:
    MeshFormat chosenFormat() const;
    Workspace& m_workspace;
    SolidPreview m_preview;
    bool m_prepared = false;
};

// The lines a preview shows: size, volume, then each warning, open figure
// and refusal.
std::string previewText(const SolidPreview& preview, const ExportSettings& settings);

}  // namespace vantor
