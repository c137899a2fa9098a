// SPDX-License-Identifier: GPL-3.0-or-later
// Sets that commit as one: a kill at any step leaves the whole old set or
// the whole new one after the next repair, and no temporary file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/files/IoError.h"
#include "platform/files/Files.h"
#include "support/SetFiles.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;

using test::entries;
using test::setOf;
using test::SetNames;

// "old", "new", "absent" when every file of the set agrees, else "mixed".
std::string stateOf(const TempDir& dir) {
    std::string state;
    for (const std::string& n : SetNames) {
        std::string s = "absent";
        if (std::filesystem::exists(dir.file(n))) {
            const Bytes b = dir.read(n);
            s.assign(b.begin(), b.end());
        }
        if (!state.empty() && s != state) return "mixed";
        state = s;
    }
    return state;
}

struct KilledSave {
    bool killed = false;
    SaveStep step{};
};

// Saves the new set, stopping at checkpoint `k` (counted from 0).
KilledSave saveKilledAt(Files& files, int k) {
    int seen = 0;
    KilledSave result;
    files.setSaveInterrupt([&](SaveStep step, const std::string&) {
        result.step = step;
        return seen++ == k;
    });
    try {
        files.writeSetAtomic(setOf("new"));
    } catch (const SaveKilled&) {
        result.killed = true;
    }
    files.setSaveInterrupt({});
    return result;
}

}  // namespace

TEST(SetSave, KillAtEveryStepLeavesAWholeSetAndNoTemporaryAfterRepair) {
    struct Row {
        const char* name;
        const char* before;  // the set on disk before the save
    };
    const Row rows[] = {{"replacing a set", "old"}, {"first save of a set", "absent"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bool committed = false;
        for (int k = 0;; ++k) {
            SCOPED_TRACE(k);
            TempDir dir;
            if (std::string(row.before) == "old")
                for (const std::string& n : SetNames) dir.writeText(n, "old");
            Files files(dir.path());
            const KilledSave kill = saveKilledAt(files, k);
            if (!kill.killed) {
                EXPECT_EQ(stateOf(dir), "new");
                EXPECT_EQ(entries(dir.path()).size(), SetNames.size());
                EXPECT_GT(k, 8) << "every file has a write, a half write and a rename";
                break;
            }
            committed = committed || kill.step == SaveStep::Rename;
            const Repair repair = files.repairSet("vase.va4");
            EXPECT_EQ(stateOf(dir), committed ? "new" : row.before);
            const Repair expected = committed                          ? Repair::Completed
                                    : kill.step == SaveStep::Journal ? Repair::None
                                                                     : Repair::Undone;
            EXPECT_EQ(repair, expected);
            EXPECT_EQ(entries(dir.path()).size(), committed || std::string(row.before) == "old" ? SetNames.size() : 0u);
            EXPECT_EQ(files.repairSet("vase.va4"), Repair::None) << "the repair leaves nothing to repair";
        }
    }
}

// A kill leaves temporaries; the next save of the set removes them before
// it writes its own.
TEST(SetSave, NextSaveRemovesTheTemporariesOfAKilledOne) {
    TempDir dir;
    for (const std::string& n : SetNames) dir.writeText(n, "old");
    Files files(dir.path());
    ASSERT_TRUE(saveKilledAt(files, 5).killed);
    ASSERT_GT(entries(dir.path()).size(), SetNames.size());
    files.writeSetAtomic(setOf("new"));
    EXPECT_EQ(stateOf(dir), "new");
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"vase.va4", "vase.vop", "vase.zuk"}));
}

namespace {

// The checkpoint number of the first `step` of a set save over an old set.
int firstCheckpointOf(SaveStep wanted) {
    TempDir probe;
    for (const std::string& n : SetNames) probe.writeText(n, "old");
    Files files(probe.path());
    int k = -1, seen = 0;
    files.setSaveInterrupt([&](SaveStep step, const std::string&) {
        if (step == wanted && k < 0) k = seen;
        ++seen;
        return false;
    });
    files.writeSetAtomic(setOf("new"));
    return k;
}

// An old set with a save killed just before its first rename: the journal is
// committed and every temporary complete. Returns the journal's name.
std::string killedBeforeRenames(const TempDir& dir) {
    for (const std::string& n : SetNames) dir.writeText(n, "old");
    Files files(dir.path());
    EXPECT_TRUE(saveKilledAt(files, firstCheckpointOf(SaveStep::Rename)).killed);
    return ".vase.journal";
}

std::string textOf(const Bytes& b) { return std::string(b.begin(), b.end()); }

}  // namespace

// The journal a kill leaves behind, damaged: a commit that does not check
// out means the renames had not started, so the old set stays and the
// temporaries go.
TEST(SetSave, DamagedCommitUndoesTheSave) {
    struct Damage {
        const char* name;
        std::function<void(std::string&)> apply;
    };
    const Damage damages[] = {
        {"commit line cut short", [](std::string& t) { t.resize(t.size() - 3); }},
        {"commit line missing its end", [](std::string& t) { t.pop_back(); }},
        {"checksum changed", [](std::string& t) { t[t.size() - 2] = t[t.size() - 2] == '0' ? '1' : '0'; }},
        {"entry count wrong", [](std::string& t) { t.replace(t.rfind("commit 3"), 8, "commit 2"); }},
        {"text after the commit", [](std::string& t) { t += "x"; }},
        {"unknown version", [](std::string& t) { t.replace(t.find(" 2\n"), 3, " 9\n"); }},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.name);
        TempDir dir;
        const std::string journal = killedBeforeRenames(dir);
        std::string text = textOf(dir.read(journal));
        d.apply(text);
        dir.writeText(journal, text);
        EXPECT_EQ(Files(dir.path()).repairSet("vase.va4"), Repair::Undone);
        EXPECT_EQ(stateOf(dir), "old");
        if (std::string(d.name) != "unknown version") {
            EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"vase.va4", "vase.vop", "vase.zuk"}));
        }
    }
}

// A journal planted by another user in a shared folder must not rename
// anything: it could name any file as a target.
TEST(SetSave, JournalOfAnotherUserIsNotActedOn) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs to give a file to another user";
    TempDir dir;
    const std::string journal = killedBeforeRenames(dir);
    dir.writeText("victim.txt", "keep");
    std::string text = textOf(dir.read(journal));
    const std::size_t at = text.find("8:vase.va4");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 10, "10:victim.txt");
    dir.writeText(journal, text);
    ASSERT_EQ(::chown(dir.file(journal).c_str(), 4321, 4321), 0);
    EXPECT_EQ(Files(dir.path()).repairSet("vase.va4"), Repair::None);
    EXPECT_EQ(textOf(dir.read("victim.txt")), "keep");
}
