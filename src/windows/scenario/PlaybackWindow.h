// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playback of the open scenario's frames, one per tick of the control
// window's shared timer, in a loop until the user ends it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixels/Bitmap.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"
#include "windows/shared/Peers.h"

namespace vantor {

class Workspace;
class ScenarioWindow;

class PlaybackWindow : public Form {
public:
    PlaybackWindow(Workspace& work, ScenarioRequests& peers, ScenarioWindow& editor);
    ~PlaybackWindow() override;

    // Controls.
    Image imgFrame{*this, "imgFrame"};
    Label Label1{*this, "Label1", "速い"};
    ScrollBar scbVelocity{*this, "scbVelocity"};
    Label Label2{*this, "Label2", "遅い"};
    Button btnStopPlayback{*this, "btnStopPlayback", "アニメ終了"};
    // The speed bar's setting, beside it.
    Label lblVelocity{*this, "lblVelocity", ""};

    // The frame on screen.
    Bitmap frameBitmap;
    std::int32_t framePosition = 0;
    std::string frameName;

    void FormCreate() override;
    void FormClose() override;

    // Called by the scenario editor after it has set the caption and shown
    // this window.
    void PlaybackStart();
    // One tick of the shared timer while playback owns it.
    void playbackTimerTimer();
    int tickCount = 0;  // ticks received, whether playing or not
    void scbVelocityChange();
    void btnStopPlaybackClick();

    bool playing() const { return m_playing; }

private:
    // Loads the frame at framePosition and shows it. A picture that cannot
    // be read stops playback and is reported once.
    bool showFrame();
    // The frame's picture as playback places it (see placeFrame); frames
    // larger than the picture area are scaled once and kept while their
    // file stays the same.
    Bitmap placedPicture(const std::string& folder, const std::string& name);
    void showVelocity();
    void endPlayback();

    struct FileStamp {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct ScaledFrame {
        std::string path;
        FileStamp stamp;
        Bitmap picture;
    };
    std::vector<ScaledFrame> m_scaled;

    Workspace& m_workspace;
    ScenarioRequests& m_peers;
    ScenarioWindow& m_editor;
    bool m_playing = false;
};

}  // namespace vantor
