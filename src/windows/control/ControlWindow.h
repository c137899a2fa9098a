// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: a small bar at the top left from which data sets are
// loaded, added and saved, and the editor and the display are opened. It
// owns the colour depth, the data name and the program's one timer.
#include <cstdint>
#include <string>

#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/MenuItem.h"
#include "platform/widgets/SpeedButton.h"
#include "windows/shared/Peers.h"

namespace vantor {

class Workspace;
enum class LoadMode;

class ControlWindow : public Form {
public:
    static constexpr const char* NoDataCaption = "（未定）";

    ControlWindow(Workspace& work, ControlRequests& peers);

    // Controls.
    SpeedButton spbLoad{*this, "spbLoad"};
    SpeedButton spbAdd{*this, "spbAdd"};
    SpeedButton spbSave{*this, "spbSave"};
    SpeedButton spbEditor{*this, "spbEditor"};
    SpeedButton spbRotate{*this, "spbRotate"};
    Bevel Bevel1{*this, "Bevel1"};
    Label Label1{*this, "Label1", "データ名："};
    Label lblDataName{*this, "lblDataName", NoDataCaption};
    FileDialog openIO;
    FileDialog saveIO;

    MenuItem mnFile{"mnFile", "ファイル(&F)"};
    MenuItem mnLoad{"mnLoad", "データの読込(&O)..."};
    MenuItem mnAdd{"mnAdd", "データの追加読込(&A)..."};
    MenuItem mnSave{"mnSave", "データの保存(&S)..."};
    MenuItem N1{"N1", "-"};
    MenuItem mnExit{"mnExit", "終了(&X)"};
    MenuItem mnEditor{"mnEditor", "回転前図形編集(&E)"};
    MenuItem mnRotate{"mnRotate", "回転体表示(&R)"};
    MenuItem mnHelp{"mnHelp", "ヘルプ(&H)"};
    MenuItem mnAbout{"mnAbout", "FreeVantor for Win32 について(&C)"};
    // After the fixed items: the user manual's start page.
    MenuItem mnHelpContents{"mnHelpContents", "使い方(&M)"};
    MenuItem mnLicence{"mnLicence", "ライセンス(&L)"};
    MenuItem mnExamples{"mnExamples", "見本のデータ(&X)"};
    MenuItem mnLanguage{"mnLanguage", "言語(&G)"};
    MenuItem mnJapanese{"mnJapanese", "日本語"};
    MenuItem mnEnglish{"mnEnglish", "英語"};

    // State owned by this window.
    std::int32_t ColorDepth = 0;
    std::string DataName;
    std::string DataExt;
    std::string DefaultSaveName;

    // Window events.
    void FormCreate() override;
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormClose() override;

    // Commands. The data-set flows live in DataSetFlows.cpp.
    void LoadExecute();
    // The load command with the file already chosen (a data set named on
    // the command line): the current folder moves to its folder.
    void LoadFile(const std::string& path);
    void AddExecute();
    void SaveExecute();
    void SeparateDataName(const std::string& path);
    void openIOTypeChange();
    void saveIOTypeChange();
    // Writes the whole vertex list as .va4 to saveIO's file name (the
    // scenario editor saves the data beside a scenario this way).
    void SaveV4();
    bool WantToSave();
    void EditorExecute();
    // Interior vertices on the axis move just off it, then the display
    // shows the solid.
    void RotateExecute();
    void spbRotateMouseUp(MouseButton button);
    void mnRotateClick();
    void mnAboutClick();
    void mnExamplesClick();
    void buildLanguageMenu();
    void chooseStartLanguage(MenuItem& item, const char* code);
    void mnExitClick();

    bool firstActivation() const { return m_firstActivation; }

private:
    // Data-set flows (DataSetFlows.cpp).
    void initDataSetDialogs();
    void hideOtherWindows();
    void showDataNameInCaptions(const std::string& name);
    // Runs openIO; false when cancelled or the chosen file is missing (told).
    bool chooseExistingDataFile();
    // Loads or adds openIO's file through the one load sequence.
    void readChosenDataFile(LoadMode mode);

    Workspace& m_workspace;
    ControlRequests& m_peers;
    bool m_firstActivation = true;
};

}  // namespace vantor
