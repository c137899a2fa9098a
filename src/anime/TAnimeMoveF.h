#pragma once
// Playback of the open scenario's frames, one per tick of the control
// window's shared timer, in a loop until the user ends it.
#include <cstdint>
#include <string>

#include "platform/pixels/Bitmap.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Program;

class TAnimeMoveF : public Form {
public:
    explicit TAnimeMoveF(Program& program);

    // Controls.
    Image imgAnime{*this, "imgAnime"};
    Label Label1{*this, "Label1", "速い"};
    ScrollBar scbVelocity{*this, "scbVelocity"};
    Label Label2{*this, "Label2", "遅い"};
    Button btnAnimeEnd{*this, "btnAnimeEnd", "アニメ終了"};

    // The frame on screen.
    Bitmap animeBitmap;
    std::int32_t framePosition = 0;
    std::string frameName;

    void FormCreate() override;
    void FormClose() override;

    // Called by the scenario editor after it has set the caption and shown
    // this window.
    void AnimeStart();
    // One tick of the shared timer while playback owns it.
    void animeTimerTimer();
    int tickCount = 0;  // ticks received, whether playing or not
    void scbVelocityChange();
    void btnAnimeEndClick();

    bool playing() const { return m_playing; }

private:
    // Loads the frame at framePosition and shows it. A picture that cannot
    // be read stops playback and is reported once.
    bool showFrame();
    void endPlayback();

    Program& m_program;
    bool m_playing = false;
};

}  // namespace vantor
