#pragma once
// The few requests a window makes of the other windows. Each window sees
// only the interface of its own requests; the program implements them all
// by forwarding to the window concerned, so no window knows the program or
// the windows it does not ask anything of.
#include <cstdint>
#include <string>

namespace vantor {

class Bitmap;
class Image;
class PlaybackWindow;
class ExportDialog;
class LightAnglesDialog;
class LightDirectionDialog;
class ShiftPictureDialog;
class FigurePropertiesDialog;

// Which window the program's one animation timer serves.
enum class TimerClient : std::uint8_t {
    None = 0,
    Simulation = 1,  // the display window's rotation simulation
    Playback = 2,    // the scenario's playback
};

// The program's one animation timer, lent in turn to the rotation
// simulation and to the scenario's playback.
class AnimationClock {
public:
    // The timer now serves `owner`, ticking every `interval` milliseconds.
    virtual void startAnimationTimer(TimerClient owner, std::int32_t interval) = 0;
    // The period starts again from now, with a new interval.
    virtual void restartAnimationTimer(std::int32_t interval) = 0;
    virtual void stopAnimationTimer() = 0;

protected:
    ~AnimationClock() = default;
};

// Bits per pixel of the screen, as the control window measured it at start:
// 8 selects the palette colour path.
class ScreenDepth {
public:
    virtual std::int32_t colorDepth() const = 0;

protected:
    ~ScreenDepth() = default;
};

// What the control window asks: it opens the other windows, hides them
// when a data set replaces the figures, and hands the timer's ticks on.
class ControlRequests {
public:
    virtual void aboutActivated() = 0;
    virtual void showAboutModal() = 0;
    // The editor takes its state from the figures as they are now.
    virtual void editorFromStore() = 0;
    virtual void showEditor() = 0;
    virtual void hideEditor() = 0;
    virtual void setEditorCaption(const std::string& caption) = 0;
    virtual void editorRecordsStoreChange() = 0;
    // Shows the display window and draws the solid through its menu item.
    virtual void showAndRunDisplay() = 0;
    // Ends the rotation simulation when it runs.
    virtual void endSimulation() = 0;
    // Draws the solid again in the display window.
    virtual void redrawDisplay() = 0;
    virtual void hideDisplay() = 0;
    virtual void setDisplayCaption(const std::string& caption) = 0;
    virtual void readDisplayOptions(const std::string& fileName) = 0;
    virtual void showScenarioEditor() = 0;
    virtual void hideScenarioEditor() = 0;
    virtual void simulationTick() = 0;
    virtual void playbackTick() = 0;
    // The main window has closed: the program ends.
    virtual void terminate() = 0;

protected:
    ~ControlRequests() = default;
};

// What the display window asks: the timer, the screen's depth, its four
// dialogs and the scenario editor.
class DisplayRequests : public AnimationClock, public ScreenDepth {
public:
    virtual LightDirectionDialog& lightDirectionDialog() = 0;
    virtual LightAnglesDialog& lightAnglesDialog() = 0;
    virtual ShiftPictureDialog& shiftPictureDialog() = 0;
    virtual ExportDialog& exportDialog() = 0;
    virtual void showScenarioEditor() = 0;

protected:
    ~DisplayRequests() = default;
};

// What the editor and its property dialog ask: where the main window ends,
// the screen's depth, and the display and data name kept in step with the
// figures.
class EditorRequests : public ScreenDepth {
public:
    virtual std::int32_t mainWindowHeight() const = 0;
    // The figures have no data name any more: the control window's caption
    // and the name its save dialog proposes are cleared.
    virtual void clearDataName() = 0;
    virtual void setDisplayCaption(const std::string& caption) = 0;
    // The display is shown and set to follow every edit.
    virtual bool liveSolidShown() const = 0;
    // Draws the solid again from the control window, as a new data set is.
    virtual void redrawSolid() = 0;
    virtual void hideDisplay() = 0;
    virtual void hideScenarioEditor() = 0;
    virtual FigurePropertiesDialog& figurePropertiesDialog() = 0;

protected:
    ~EditorRequests() = default;
};

// What the scenario editor and its playback ask: the display's picture,
// the timer, and the data name a saved set takes.
class ScenarioRequests : public AnimationClock {
public:
    virtual const Image& displayImage() const = 0;
    virtual const Bitmap& displayPicture() const = 0;
    virtual void showDisplay() = 0;
    virtual void hideDisplay() = 0;
    virtual void setSaveDataName(const std::string& fileName) = 0;
    virtual PlaybackWindow& playbackWindow() = 0;

protected:
    ~ScenarioRequests() = default;
};

}  // namespace vantor
