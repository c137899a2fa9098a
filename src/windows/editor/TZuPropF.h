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
class TGEditF;

class TZuPropF : public Form {
public:
    TZuPropF(Workspace& work, EditorRequests& peers, TGEditF& editor);
    void FormCreate() override;

    // Colour group (1) and method group (2).
    SpeedButton spbZuSetColor{*this, "spbZuSetColor"};
    SpeedButton spbZuStandardColor{*this, "spbZuStandardColor"};
    SpeedButton spbZuWire{*this, "spbZuWire"};
    SpeedButton spbZuSurface{*this, "spbZuSurface"};
    SpeedButton spbZuMesh{*this, "spbZuMesh"};
    SpeedButton spbZuStandardMethod{*this, "spbZuStandardMethod"};
    Image imgZuColor{*this, "imgZuColor"};
    Label lblZuMethodFlag{*this, "lblZuMethodFlag", "描方指定なし"};
    Label lblZuMethod{*this, "lblZuMethod", "サーフェイス"};
    Button btnOK{*this, "btnOK", "OK"};
    ColorDialog dlgZuColor;
    // The swatch's picture.
    Bitmap swatchBitmap{81, 41, PixelFormat::Rgb32};

    // The colour that stands for a tint: each factor times 250, rounded.
    static TColor swatchColor(const FigureRecord& r);

    // Paints the swatch from the record's tint and sets the colour group.
    void imgFill();
    // Sets the two labels and the method group from the record.
    void setMethodLabel();

    void spbZuSetColorMouseUp(MouseButton button);
    void spbZuStandardColorMouseUp(MouseButton button);
    void spbZuWireMouseUp(MouseButton button);
    void spbZuSurfaceMouseUp(MouseButton button);
    void spbZuMeshMouseUP(MouseButton button);
    void spbZuStandardMethodMouseUp(MouseButton button);

private:
    FigureRecord& record();
    // A right-button release asks for help instead of acting.
    bool helpRequested(MouseButton button);
    void setOwnMethod(DrawMethod method);
    Workspace& m_workspace;
    EditorRequests& m_peers;
    TGEditF& m_editor;
};

}  // namespace vantor
