// SPDX-License-Identifier: GPL-3.0-or-later
// The English interface: every Japanese text the program can show has an
// English wording, texts built around data keep the data, and the locale
// picks the language.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "language/English.h"
#include "language/Japanese.h"
#include "export/mesh/Profile.h"
#include "export/mesh/Revolve.h"
#include "platform/pixels/Bmp.h"
#include "windows/control/ControlWindow.h"
#include "model/options/OptionFile.h"
#include "windows/dialogs/ShiftPictureDialog.h"
#include "windows/display/DisplayWindow.h"
#include "windows/editor/EditorWindow.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"
#include "support/ProgramFixture.h"

namespace vantor::test {
namespace {

// The English, or a note of what is missing that names the text.
std::string englishOrMissing(const std::string& text) {
    std::optional<std::string> english = englishFor(text);
    if (!english) return "<no English for: " + text + ">";
    return *english;
}

void expectEnglish(const std::string& text, const std::string& where) {
    if (text.empty() || !hasJapanese(text)) return;
    const std::string english = englishOrMissing(text);
    EXPECT_FALSE(hasJapanese(english)) << where << ": " << english;
}

std::set<int> placeholders(std::string_view t) {
    std::set<int> out;
    for (std::size_t i = t.find('{'); i != std::string_view::npos; i = t.find('{', i + 1)) out.insert(t[i + 1] - '0');
    return out;
}

TEST(EnglishTable, EntriesAreWellFormed) {
    std::set<std::string_view> seen;
    for (const TextPair& e : englishTexts()) {
        SCOPED_TRACE(std::string(e.japanese));
        EXPECT_TRUE(seen.insert(e.japanese).second) << "a second entry for the same text is never used";
        EXPECT_TRUE(hasJapanese(e.japanese)) << "texts without Japanese are shown as they are";
        EXPECT_FALSE(hasJapanese(e.english));
        EXPECT_EQ(e.english.find('{'), std::string_view::npos);
        EXPECT_EQ(e.japanese.find('&') != std::string_view::npos, e.english.find('&') != std::string_view::npos)
            << "a menu's access key is kept";
        EXPECT_EQ(e.japanese.ends_with("..."), e.english.ends_with("...")) << "a command that asks for more says so";
    }
    for (const TextPair& p : englishPatterns()) {
        SCOPED_TRACE(std::string(p.japanese));
        // A translated placeholder only matches a text with Japanese in it.
        EXPECT_TRUE(hasJapanese(p.japanese) || p.japanese.find("*}") != std::string_view::npos)
            << "texts without Japanese are shown as they are";
        EXPECT_FALSE(hasJapanese(p.english));
        EXPECT_EQ(placeholders(p.japanese), placeholders(p.english)) << "data dropped or invented";
    }
}

TEST(JapaneseTable, EntriesAreWellFormed) {
    for (const TextPair& t : japaneseTexts()) {
        SCOPED_TRACE(std::string(t.english));
        EXPECT_TRUE(hasEnglish(t.english) || t.english.find("*}") != std::string_view::npos)
            << "a text without English is shown as it is";
        EXPECT_TRUE(hasJapanese(t.japanese) || t.japanese.find("*}") != std::string_view::npos);
        EXPECT_FALSE(hasEnglish(t.japanese));
        EXPECT_EQ(placeholders(t.japanese), placeholders(t.english)) << "data dropped or invented";
    }
}

// Every caption, menu item, label and hint of every window, each handed to
// a check with the place it was found.
class EnglishOfAFreshProgram : public ProgramFixture {
protected:
    std::function<void(const std::string&, const std::string&)> check = expectEnglish;
    void walk(const MenuItem& item, const std::string& where) {
        for (const MenuItem* child : item.items()) {
            check(child->caption(), where + " menu " + child->name());
            walk(*child, where);
        }
    }
    // A 256-colour screen shows other captions (tint menus, the figure
    // dialog), so a fresh program is walked on both kinds of screen.
    void walkEveryScreen() {
        for (int depth : {32, 8}) {
            SCOPED_TRACE(depth);
            desktop.screenInfo.bitsPerPixel = depth;
            startProgram();
            program->controlWindow().activate();
            walkProgram();
        }
    }
    void walkProgram() {
        for (const Form* form : program->forms()) {
            const std::string where = form->name();
            check(form->caption(), where + " caption");
            walk(form->mainMenu, where);
            for (const Control* c : form->controls()) {
                const std::string at = where + "." + c->name();
                check(c->hint(), at + " hint");
                if (auto* l = dynamic_cast<const Label*>(c)) check(l->caption(), at);
                if (auto* b = dynamic_cast<const SpeedButton*>(c)) check(b->caption(), at);
                if (auto* b = dynamic_cast<const Button*>(c)) check(b->caption(), at);
                if (auto* r = dynamic_cast<const RadioButton*>(c)) check(r->caption(), at);
            }
        }
    }
};

TEST_F(EnglishOfAFreshProgram, EveryCaptionMenuItemAndHintHasEnglish) {
    walkEveryScreen();
}

TEST_F(EnglishOfAFreshProgram, NoEnglishWordReachesAJapaneseScreen) {
    check = [](const std::string& text, const std::string& where) {
        EXPECT_FALSE(hasEnglish(text)) << where << ": " << text;
    };
    walkEveryScreen();
}

// The access key of a menu entry ('&' before it), lower case; 0 for none.
char accessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

// Two entries of one menu with the same key make the key move between them
// instead of choosing either: the English menus keep apart every two entries
// whose Japanese keys differ.
TEST_F(EnglishOfAFreshProgram, EnglishMenusGiveNoTwoEntriesOneAccessKey) {
    startProgram();
    program->controlWindow().activate();
    std::function<void(const MenuItem&, const std::string&)> keysOf = [&](const MenuItem& menu, const std::string& where) {
        std::map<char, const MenuItem*> taken;
        for (const MenuItem* child : menu.items()) {
            const char key = accessKey(shownText(child->caption(), Language::English));
            if (key == 0) continue;
            const auto [first, fresh] = taken.emplace(key, child);
            if (fresh || accessKey(first->second->caption()) == accessKey(child->caption())) continue;
            ADD_FAILURE() << where << ": \"" << shownText(child->caption(), Language::English) << "\" and \""
                          << shownText(first->second->caption(), Language::English) << "\" share the key " << key;
        }
        for (const MenuItem* child : menu.items()) keysOf(*child, where + " > " + shownText(child->caption(), Language::English));
    };
    for (const Form* form : program->forms()) keysOf(form->mainMenu, form->name());
}

// Texts from below the windows are English: the system's errors, the
// picture reader's reasons, the mesh export's warnings. A Japanese screen
// shows them in Japanese, the file's name kept.
TEST(JapaneseScreen, MessagesFromBelowTheWindowsReadInJapaneseAndKeepTheFile) {
    struct Row {
        const char* name;
        std::string message;
        std::string kept;
    };
    std::vector<Row> rows;
    auto thrown = [](auto&& work) -> std::string {
        try {
            work();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "nothing thrown";
    };
    const std::vector<std::vector<std::uint8_t>> brokenPictures{
        {'X', 'Y', 0, 0},
        {'B', 'M', 1, 2, 3},
        {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 7, 0, 0, 0},
    };
    for (const auto& bytes : brokenPictures)
        rows.push_back({"broken picture", thrown([&] { decodeBmp(bytes, "frame001.bmp"); }), "frame001.bmp"});
    rows.push_back({"missing picture", thrown([] { readBmpFile("/no/such/folder/frame.bmp"); }), "/no/such/folder/frame.bmp"});
    Profile bowTie;
    bowTie.figure = 3;
    bowTie.shape = ProfileShape::Closed;
    bowTie.points = {{1, 0}, {3, 2}, {3, 0}, {1, 2}};
    for (const std::string& w : profileProblems(bowTie)) rows.push_back({"export warning", w, ""});
    ASSERT_GE(rows.size(), 5u);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + ": " + row.message);
        std::string shown = shownText(row.message, Language::Japanese);
        if (!row.kept.empty()) {
            const std::size_t at = shown.find(row.kept);
            ASSERT_NE(at, std::string::npos) << shown;
            shown.erase(at, row.kept.size());
        }
        EXPECT_TRUE(hasJapanese(shown)) << shown;
        EXPECT_FALSE(hasEnglish(shown)) << shown;
    }
}

// The string literals of a C++ source, comments and character literals
// skipped, escapes resolved.
std::vector<std::string> stringLiterals(const std::string& src) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < src.size(); ++i) {
        if (src.compare(i, 2, "//") == 0) {
            i = src.find('\n', i);
            if (i == std::string::npos) break;
        } else if (src.compare(i, 2, "/*") == 0) {
            i = src.find("*/", i + 2);
            if (i == std::string::npos) break;
            ++i;
        } else if (src[i] == '\'') {
            for (++i; i < src.size() && src[i] != '\''; ++i)
                if (src[i] == '\\') ++i;
        } else if (src[i] == '"') {
            std::string s;
            for (++i; i < src.size() && src[i] != '"'; ++i) {
                if (src[i] != '\\' || i + 1 >= src.size()) {
                    s += src[i];
                    continue;
                }
                const char e = src[++i];
                s += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
            }
            out.push_back(s);
        }
    }
    return out;
}

std::vector<std::string> split(const std::string& s, const std::string& separators) {
    std::vector<std::string> out{""};
    for (char c : s) {
        if (separators.find(c) != std::string::npos) out.emplace_back();
        else out.back() += c;
    }
    return out;
}

// A piece of a literal is covered when it is a whole text of the table, a
// line of one, or part of a pattern's fixed wording (a literal the program
// joins with data).
bool covered(const std::string& piece) {
    for (const TextPair& e : englishTexts())
        for (const std::string& line : split(std::string(e.japanese), "\r"))
            if (line == piece) return true;
    for (const TextPair& p : englishPatterns())
        if (p.japanese.find(piece) != std::string_view::npos) return true;
    return false;
}

TEST(EnglishSources, EveryJapaneseLiteralOfTheProgramHasEnglish) {
    // A font's family name is handed to the toolkit, never shown.
    const std::set<std::string> notShown{"ＭＳ Ｐゴシック"};
    int literals = 0;
    for (const char* folder : {"src", "qt"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(VANTOR_SOURCE_DIR) + "/" + folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            // The tables of translations hold Japanese for texts that are English.
            if (entry.path().filename() == "Japanese.cpp") continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            for (const std::string& literal : stringLiterals(text.str())) {
                if (!hasJapanese(literal) || notShown.count(literal)) continue;
                ++literals;
                // File-type filters hold "description|pattern" pairs.
                for (const std::string& piece : split(literal, "|\r\n")) {
                    if (!hasJapanese(piece)) continue;
                    EXPECT_TRUE(covered(piece)) << entry.path().filename().string() << ": \"" << piece << "\"";
                }
            }
        }
    }
    EXPECT_GT(literals, 200) << "the sources were not found or not read";
}

class EnglishOfComposedTexts : public ProgramFixture {
protected:
    void SetUp() override {
        startProgram();
        program->controlWindow().activate();
    }
};

TEST_F(EnglishOfComposedTexts, MessagesBuiltAroundDataReadInEnglishAndKeepTheData) {
    struct Row {
        const char* name;
        std::string japanese;
        std::string kept;
    };
    std::vector<Row> rows;

    // A read problem inside the message naming the file.
    dir.writeText("bad.van", "4\r\n1,1,1\r\n2,2,0\r\n3,3,1\r\n3;3;0\r\n");
    program->dispatch([&] { program->controlWindow().LoadFile(dir.file("bad.van")); });
    ASSERT_EQ(desktop.errors.size(), 1u);
    rows.push_back({"read stopped at a bad line", desktop.errors[0], "3;3;0"});

    // A file error: the message, then the file's name.
    try {
        const std::uint8_t shortFile[3] = {};
        DisplayOptions options;
        decodeOptions(shortFile, sizeof shortFile, options, "short.vop");
    } catch (const std::exception& e) {
        rows.push_back({"option file too short", e.what(), "short.vop"});
    }

    // Window captions naming the data set; a name that reads like one of
    // the program's texts is still data.
    std::filesystem::copy_file(std::string(VANTOR_SOURCE_DIR) + "/examples/vase.va4", dir.file("円.va4"));
    program->dispatch([&] { program->controlWindow().LoadFile(dir.file("円.va4")); });
    rows.push_back({"display caption", program->displayWindow().caption(), "(円)"});
    rows.push_back({"editor caption", program->editorWindow().caption(), "(円)"});

    // Measures: one line per figure with its numbers.
    desktop.messages.clear();
    program->dispatch([&] { program->displayWindow().mnMeasureClick(); });
    ASSERT_FALSE(desktop.messages.empty());
    rows.push_back({"volume and surface area", desktop.messages.back().text, " mm"});

    // The shift dialog names the ranges of an enlarged display's picture.
    ShiftPictureDialog& shift = program->displayWindow().shiftPictureDialog();
    shift.setRanges(1008, 650);
    rows.push_back({"shift dialog's range across", shift.lblHoriRange.caption(), "1008"});
    rows.push_back({"shift dialog's range down", shift.lblVertiRange.caption(), "650"});

    // The editor's status line joins the cursor's coordinates and the
    // picked figure into one line.
    rows.push_back({"status line with a picked figure", "x 101, y -20   図形 2（2 頂点）", "x 101, y -20"});
    rows.push_back({"status line snapping", "x 6, y -4 → 10, 0   図形 12（300 頂点）", "x 6, y -4 → 10, 0"});

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string english = englishOrMissing(row.japanese);
        const std::size_t data = english.find(row.kept);
        ASSERT_NE(data, std::string::npos) << english;
        EXPECT_FALSE(hasJapanese(std::string(english).erase(data, row.kept.size()))) << english;
        EXPECT_EQ(std::count(english.begin(), english.end(), '\r'), std::count(row.japanese.begin(), row.japanese.end(), '\r'))
            << "lines kept";
    }
}

struct LocaleRow {
    const char *lcAll, *lcMessages, *lang;
    Language expected;
};

// The rule vantor-cli follows: Japanese only for a Japanese locale, English
// for every other one (de, fr, C, POSIX) and when none is set.
const LocaleRow OnlyAJapaneseLocaleGetsJapanese[] = {
    {nullptr, nullptr, "de_DE.UTF-8", Language::English},
    {nullptr, nullptr, "C", Language::English},
    {nullptr, nullptr, "C.UTF-8", Language::English},
    {nullptr, nullptr, "POSIX", Language::English},
    {nullptr, nullptr, "en_US.UTF-8", Language::English},
    {nullptr, nullptr, "ja_JP.UTF-8", Language::Japanese},
    {nullptr, nullptr, "ja", Language::Japanese},
    {nullptr, nullptr, "ja.eucJP", Language::Japanese},
    {nullptr, nullptr, "ja@latin", Language::Japanese},
    {nullptr, nullptr, nullptr, Language::English},
    {"", "", "", Language::English},
    // "jam" (Jamaican) and "jv" only look alike.
    {nullptr, nullptr, "jam_JM.UTF-8", Language::English},
    {nullptr, nullptr, "j", Language::English},
};

// LC_ALL before LC_MESSAGES before LANG; an empty value counts as unset.
const LocaleRow TheFirstSetVariableDecides[] = {
    {"de_DE.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", Language::English},
    {"ja_JP.UTF-8", "de_DE.UTF-8", "C", Language::Japanese},
    {nullptr, "ja_JP.UTF-8", "de_DE.UTF-8", Language::Japanese},
    {"", "C", "ja_JP.UTF-8", Language::English},
    {"", "", "ja_JP.UTF-8", Language::Japanese},
};

void expectRows(const LocaleRow* begin, const LocaleRow* end) {
    for (const LocaleRow* r = begin; r != end; ++r) {
        SCOPED_TRACE(std::string(r->lcAll ? r->lcAll : "-") + " " + (r->lcMessages ? r->lcMessages : "-") + " " +
                     (r->lang ? r->lang : "-"));
        EXPECT_EQ(languageOfLocale(r->lcAll, r->lcMessages, r->lang), r->expected);
    }
}

TEST(EnglishLocale, OnlyAJapaneseLocaleGetsJapanese) {
    expectRows(std::begin(OnlyAJapaneseLocaleGetsJapanese), std::end(OnlyAJapaneseLocaleGetsJapanese));
}

TEST(EnglishLocale, TheFirstSetVariableDecides) {
    expectRows(std::begin(TheFirstSetVariableDecides), std::end(TheFirstSetVariableDecides));
}

TEST(EnglishLocale, LanguagesAreNamedByTheirCodes) {
    EXPECT_EQ(languageNamed("en"), Language::English);
    EXPECT_EQ(languageNamed("ja"), Language::Japanese);
    EXPECT_EQ(languageNamed("fr"), std::nullopt);
}

// The axis label is a picture the program draws itself, so no table of
// texts reaches it.
TEST_F(EnglishOfComposedTexts, AxisLabelIsDrawnInTheInterfacesLanguage) {
    const Bitmap japanese = program->editorWindow().axisBitmap;
    ProgramConfig config = configIn(dir);
    config.language = Language::English;
    startProgram(config);
    const Bitmap& english = program->editorWindow().axisBitmap;
    ASSERT_EQ(english.width(), japanese.width());
    ASSERT_EQ(english.height(), japanese.height());
    int lit = 0, differ = 0;
    for (int y = 0; y < english.height(); ++y)
        for (int x = 0; x < english.width(); ++x) {
            lit += english.pixelColor(x, y) == colors::Fuchsia;
            differ += english.pixelColor(x, y) != japanese.pixelColor(x, y);
        }
    EXPECT_GT(lit, 100) << "four letters drawn";
    EXPECT_GT(differ, 100) << "not the Japanese word";
}

}  // namespace
}  // namespace vantor::test
