#pragma once
// The owner of everything a running program has: the figure store, the
// display options, the file-system view and the ten windows. Nothing is
// global, so every test builds a fresh Program over a scripted desktop.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "language/English.h"
#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "platform/widgets/Desktop.h"
#include "platform/files/Files.h"

namespace vantor {

class Form;
class TControlF;
class TVantorF;
class TLightEF;
class TLightAF;
class TGEditF;
class TAboutF;
class TScrollDotF;
class TAnimeF;
class TAnimeMoveF;
class TZuPropF;

// The message of a save of the standard options without a home folder.
extern const char* const NoHomeForStandardText;

struct ProgramConfig {
    std::string currentFolder = ".";
    // Folder of the program file (standard.vop may lie there). Empty: the
    // program has no folder of its own, so no standard option file is read
    // from one -- the folder a program happens to run in never changes it.
    std::string programFolder;
    // Per-user configuration folder for standard.vop; empty: there is no
    // home folder, so the standard options are read from programFolder only
    // and cannot be saved.
    std::string userConfigFolder;
    // Off for batch work, whose results must depend only on the files named.
    bool readStandardOptions = true;
    // The interface's language, for the few texts the program draws into
    // pictures itself; every other text is translated where it is shown.
    Language language = Language::Japanese;
};

class Program {
public:
    static constexpr const char* ApplicationTitle = "Vantor for Win32";

    // Creates the ten windows in this fixed order: control, display, the two
    // light-direction dialogs, editor, About, scroll dialog, scenario editor,
    // playback, figure properties; each window's creation handler runs as it
    // is created.
    Program(Desktop& desktop, ProgramConfig config = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Desktop& desktop;
    Files files;
    DisplayOptions options;
    FigureStore store{options};
    ProgramConfig config;

    TControlF& ControlF() { return *m_control; }
    TVantorF& VantorF() { return *m_vantor; }
    TLightEF& LightEF() { return *m_lightE; }
    TLightAF& LightAF() { return *m_lightA; }
    TGEditF& GEditF() { return *m_gedit; }
    TAboutF& AboutF() { return *m_about; }
    TScrollDotF& ScrollDotF() { return *m_scrollDot; }
    TAnimeF& AnimeF() { return *m_anime; }
    TAnimeMoveF& AnimeMoveF() { return *m_animeMove; }
    TZuPropF& ZuPropF() { return *m_zuProp; }

    // The windows in creation order; the first is the main window.
    std::vector<Form*> forms() const;

    // Runs a handler as the host's event dispatch does: errors go to the
    // application's error box. Returns false when the handler failed.
    bool dispatch(const std::function<void()>& handler);

    // Shows a file dialog; on OK the current folder moves to the folder of
    // the chosen file, so that the next dialog opens where the user was.
    bool executeFileDialog(FileDialog& dialog);

    // Path of the standard option file to read: the per-user one when it
    // exists, else the one in the program folder; empty when there is none.
    std::string standardOptionPathForReading() const;
    // Path to write the standard option file to: in the per-user folder,
    // which is created. Throws IoError when there is no per-user folder or it
    // cannot be created (naming the folder and the cause).
    std::string standardOptionPathForWriting() const;

    // True once the main window has closed.
    bool terminated() const { return m_terminated; }
    void terminate();

private:
    std::unique_ptr<TControlF> m_control;
    std::unique_ptr<TVantorF> m_vantor;
    std::unique_ptr<TLightEF> m_lightE;
    std::unique_ptr<TLightAF> m_lightA;
    std::unique_ptr<TGEditF> m_gedit;
    std::unique_ptr<TAboutF> m_about;
    std::unique_ptr<TScrollDotF> m_scrollDot;
    std::unique_ptr<TAnimeF> m_anime;
    std::unique_ptr<TAnimeMoveF> m_animeMove;
    std::unique_ptr<TZuPropF> m_zuProp;
    bool m_terminated = false;
};

}  // namespace vantor
