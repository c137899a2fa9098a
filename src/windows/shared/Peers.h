// SPDX-License-Identifier: GPL-3.0-or-later
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

// Bits per pixel of the screen, as the control window measured it at start:
// 8 selects the palette colour path.
class ScreenDepth {
public:
    virtual std::int32_t colorDepth() const = 0;

protected:
    ~ScreenDepth() = default;
};

// What the control window asks: it opens the other windows and hides them
// when a data set replaces the figures.
class ControlRequests {
public:
    virtual void aboutActivated() = 0;
    virtual void showAboutModal() = 0;
    // The editor takes its state from the figures as they are now.
    virtual void editorFromStore() = 0;
    virtual void showEditor() = 0;
    virtual void hideEditor() = 0;
    virtual void setEditorCaption(const std::string& caption) = 0;
    // Shows the display window and draws the solid through its menu item.
    virtual void showAndRunDisplay() = 0;
    virtual void hideDisplay() = 0;
    virtual void setDisplayCaption(const std::string& caption) = 0;
    virtual void readDisplayOptions(const std::string& fileName) = 0;
    virtual void showScenarioEditor() = 0;
    virtual void hideScenarioEditor() = 0;
    // The main window has closed: the program ends.
    virtual void terminate() = 0;

protected:
    ~ControlRequests() = default;
};

// What the display window asks: the screen's depth and the scenario editor.
class DisplayRequests : public ScreenDepth {
public:
    virtual void showScenarioEditor() = 0;

protected:
    ~DisplayRequests() = default;
};

// What the editor and its property dialog ask: where the main window ends,
// the screen's depth, the data name and captions kept in step with the
// figures, and the scenario editor hidden while they change.
class EditorRequests : public ScreenDepth {
public:
    virtual std::int32_t mainWindowHeight() const = 0;
    // The figures have no data name any more: the control window's caption
    // and the name its save dialog proposes are cleared.
    virtual void clearDataName() = 0;
    virtual void setDisplayCaption(const std::string& caption) = 0;
    virtual void hideScenarioEditor() = 0;

protected:
    ~EditorRequests() = default;
};

// What the scenario editor and its playback ask: the display's picture,
// and the data name a saved set takes.
class ScenarioRequests {
public:
    virtual const Image& displayImage() const = 0;
    virtual const Bitmap& displayPicture() const = 0;
    virtual void showDisplay() = 0;
    virtual void hideDisplay() = 0;
    virtual void setSaveDataName(const std::string& fileName) = 0;

protected:
    ~ScenarioRequests() = default;
};

}  // namespace vantor
