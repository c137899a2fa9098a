// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/scenario/PlaybackWindow.h"

#include <sys/stat.h>

#include "model/scenario/Scenario.h"
#include "windows/scenario/ScenarioWindow.h"
#include "export/animation/AnimationWriter.h"
#include "windows/shared/Workspace.h"
#include "platform/files/IoError.h"

namespace vantor {

namespace {

// Scaled frames kept at most: each is at most the picture area.
constexpr std::size_t MaxScaledFrames = 32;

}  // namespace

PlaybackWindow::PlaybackWindow(Workspace& work, ScenarioRequests& peers, ScenarioWindow& editor) : Form("PlaybackWindow"), m_workspace(work), m_peers(peers), m_editor(editor) {
    work.clock.serve(TimerClient::Playback, [this] { playbackTimerTimer(); });
    setCaption("");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    scbVelocity.setParams(1, 1, 1000);
    scbVelocity.setLargeChange(50);
    scbVelocity.onChange = [this] { scbVelocityChange(); };
    btnStopPlayback.onClick = [this] { btnStopPlaybackClick(); };
}

PlaybackWindow::~PlaybackWindow() { m_workspace.clock.serve(TimerClient::Playback, nullptr); }

void PlaybackWindow::FormCreate() {
    setSize(623, 476);
    imgFrame.setBounds(4, 4, DisplayPictureWidth, DisplayPictureHeight);
    frameBitmap.resize(DisplayPictureWidth, DisplayPictureHeight, PixelFormat::Rgb32);
    imgFrame.setPicture(&frameBitmap);
    Label1.setBounds(8, 418, 0, 0);
    scbVelocity.setBounds(40, 414, 300, 17);
    Label2.setBounds(346, 418, 0, 0);
    btnStopPlayback.setBounds(500, 410, 100, 25);
    lblVelocity.setBounds(390, 418, 0, 0);
    showVelocity();
}

void PlaybackWindow::showVelocity() { lblVelocity.setCaption(std::to_string(scbVelocity.position()) + " ミリ秒"); }

Bitmap PlaybackWindow::placedPicture(const std::string& folder, const std::string& name) {
    const std::string path = m_workspace.files.resolve(framePath(folder, name, ".bmp"));
    struct stat st {};
    const bool known = ::stat(path.c_str(), &st) == 0;
    const FileStamp stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                          static_cast<std::uint64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
                          static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
    if (known)
        for (const ScaledFrame& f : m_scaled)
            if (f.path == path && f.stamp == stamp) return f.picture;
    Bitmap picture = loadFramePicture(m_workspace.files, folder, name);
    Bitmap scaled;
    if (&placeFrame(picture, scaled) == &picture) return picture;
    std::erase_if(m_scaled, [&](const ScaledFrame& f) { return f.path == path; });
    if (m_scaled.size() >= MaxScaledFrames) m_scaled.erase(m_scaled.begin());
    if (known) m_scaled.push_back({path, stamp, scaled});
    return scaled;
}

bool PlaybackWindow::showFrame() {
    const ScenarioWindow& editor = m_editor;
    const auto& frames = editor.lstScenario.items();
    if (framePosition < 0 || framePosition >= static_cast<std::int32_t>(frames.size())) {
        endPlayback();
        return false;
    }
    frameName = frames[static_cast<std::size_t>(framePosition)];
    try {
        frameBitmap = placedPicture(editor.frameFolder(), frameName);
    } catch (const IoError& e) {
        // Stop first: a timer still running would report the same loss on
        // every tick, behind the message box.
        endPlayback();
        m_workspace.desktop.reportError(std::string(e.what()) + "\r再生を止めました");
        return false;
    }
    frameBitmap.changed();
    imgFrame.invalidate();
    return true;
}

void PlaybackWindow::PlaybackStart() {
    framePosition = 0;
    m_playing = false;
    if (!showFrame()) return;
    m_playing = true;
    m_peers.hideDisplay();
    m_editor.hide();
    m_workspace.clock.start(TimerClient::Playback, scbVelocity.position());
}

void PlaybackWindow::playbackTimerTimer() {
    ++tickCount;
    if (!m_playing) return;
    ++framePosition;
    if (framePosition >= m_editor.lstScenario.count()) framePosition = 0;
    showFrame();
}

void PlaybackWindow::scbVelocityChange() {
    showVelocity();
    if (!m_playing) return;
    // Restarting the period makes the new pace count from now; the frame
    // sequence goes on where it was.
    m_workspace.clock.restart(scbVelocity.position());
}

void PlaybackWindow::btnStopPlaybackClick() { close(); }

void PlaybackWindow::FormClose() { endPlayback(); }

void PlaybackWindow::endPlayback() {
    m_workspace.clock.stop();
    m_scaled.clear();
    const bool wasPlaying = m_playing;
    m_playing = false;
    if (wasPlaying) {
        if (m_workspace.store.VertexCount > 1) m_peers.showDisplay();
        m_editor.show();
    }
    hide();
}

}  // namespace vantor
