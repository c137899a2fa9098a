#include "anime/TAnimeMoveF.h"

#include "anime/Scenario.h"
#include "anime/TAnimeF.h"
#include "app/Program.h"
#include "control/TControlF.h"
#include "display/TVantorF.h"
#include "platform/IoError.h"

namespace vantor {

namespace {
}

TAnimeMoveF::TAnimeMoveF(Program& program) : Form("AnimeMoveF"), m_program(program) {
    setCaption("");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    scbVelocity.setParams(1, 1, 1000);
    scbVelocity.setLargeChange(50);
    scbVelocity.onChange = [this] { scbVelocityChange(); };
    btnAnimeEnd.onClick = [this] { btnAnimeEndClick(); };
}

void TAnimeMoveF::FormCreate() {
    setSize(623, 476);
    imgAnime.setBounds(4, 4, TVantorF::PictureWidth, TVantorF::PictureHeight);
    animeBitmap.resize(TVantorF::PictureWidth, TVantorF::PictureHeight, PixelFormat::Rgb32);
    imgAnime.setPicture(&animeBitmap);
    Label1.setBounds(8, 418, 0, 0);
    scbVelocity.setBounds(40, 414, 300, 17);
    Label2.setBounds(346, 418, 0, 0);
    btnAnimeEnd.setBounds(500, 410, 100, 25);
}

bool TAnimeMoveF::showFrame() {
    const TAnimeF& editor = m_program.AnimeF();
    const auto& frames = editor.lstScenario.items();
    if (framePosition < 0 || framePosition >= static_cast<std::int32_t>(frames.size())) {
        endPlayback();
        return false;
    }
    frameName = frames[static_cast<std::size_t>(framePosition)];
    try {
        animeBitmap = loadFramePicture(m_program.files, editor.frameFolder(), frameName);
    } catch (const IoError& e) {
        // Stop first: a timer still running would report the same loss on
        // every tick, behind the message box.
        endPlayback();
        m_program.desktop.reportError(std::string(e.what()) + "\r再生を止めました");
        return false;
    }
    animeBitmap.changed();
    imgAnime.invalidate();
    return true;
}

void TAnimeMoveF::AnimeStart() {
    framePosition = 0;
    m_playing = false;
    if (!showFrame()) return;
    m_playing = true;
    m_program.VantorF().hide();
    m_program.AnimeF().hide();
    TControlF& control = m_program.ControlF();
    control.TimerOwner = TimerClient::Playback;
    control.animTimer.setEnabled(true);
    control.animTimer.setInterval(scbVelocity.position());
}

void TAnimeMoveF::animeTimerTimer() {
    ++tickCount;
    if (!m_playing) return;
    ++framePosition;
    if (framePosition >= m_program.AnimeF().lstScenario.count()) framePosition = 0;
    showFrame();
}

void TAnimeMoveF::scbVelocityChange() {
    if (!m_playing) return;
    // Restarting the period makes the new pace count from now; the frame
    // sequence goes on where it was.
    Timer& timer = m_program.ControlF().animTimer;
    timer.setEnabled(false);
    timer.setEnabled(true);
    timer.setInterval(scbVelocity.position());
}

void TAnimeMoveF::btnAnimeEndClick() { close(); }

void TAnimeMoveF::FormClose() { endPlayback(); }

void TAnimeMoveF::endPlayback() {
    m_program.ControlF().animTimer.setEnabled(false);
    const bool wasPlaying = m_playing;
    m_playing = false;
    if (wasPlaying) {
        if (m_program.store.VertexCount > 1) m_program.VantorF().show();
        m_program.AnimeF().show();
    }
    hide();
}

}  // namespace vantor
