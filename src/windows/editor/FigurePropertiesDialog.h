// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog for one figure's own tint and drawing method. It edits the editor's
// propRecord only; the editor fills it before showing the dialog modally and
// takes it back afterwards, however the dialog was closed.
#include "model/figures/FigureStore.h"
#include "platform/pixels/Bitmap.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"
#include "windows/shared/Peers.h"

namespace vantor {

class Workspace;
class EditorWindow;

class FigurePropertiesDialog : public Form {
public:
    FigurePropertiesDialog(Workspace& work, EditorRequests& peers, EditorWindow& editor);
    void FormCreate() override;

    // Colour group (1) and method group (2).
    SpeedButton spbFigureSetColor{*this, "spbFigureSetColor"};
    SpeedButton spbFigureStandardColor{*this, "spbFigureStandardColor"};
    SpeedButton spbFigureWire{*this, "spbFigureWire"};
    SpeedButton spbFigureSurface{*this, "spbFigureSurface"};
    SpeedButton spbFigureMesh{*this, "spbFigureMesh"};
    SpeedButton spbFigureStandardMethod{*this, "spbFigureStandardMethod"};
    Image imgFigureColor{*this, "imgFigureColor"};
    Label lblFigureMethodFlag{*this, "lblFigureMethodFlag", "描方指定なし"};
    Label lblFigureMethod{*this, "lblFigureMethod", "サーフェイス"};
    Button btnOK{*this, "btnOK", "OK"};
    ColorDialog dlgFigureColor;
    // The swatch's picture.
    Bitmap swatchBitmap{81, 41, PixelFormat::Rgb32};

    // The colour that stands for a tint: each factor times 250, rounded.
    static TColor swatchColor(const FigureRecord& r);

    // Paints the swatch from the record's tint and sets the colour group.
    void imgFill();
    // Sets the two labels and the method group from the record.
    void setMethodLabel();

    void spbFigureSetColorMouseUp(MouseButton button);
    void spbFigureStandardColorMouseUp(MouseButton button);
    void spbFigureWireMouseUp(MouseButton button);
    void spbFigureSurfaceMouseUp(MouseButton button);
    void spbFigureMeshMouseUP(MouseButton button);
    void spbFigureStandardMethodMouseUp(MouseButton button);

private:
    FigureRecord& record();
    // A right-button release asks for help instead of acting.
    bool helpRequested(MouseButton button);
    void setOwnMethod(DrawMethod method);
    Workspace& m_workspace;
    EditorRequests& m_peers;
    EditorWindow& m_editor;
};

}  // namespace vantor
