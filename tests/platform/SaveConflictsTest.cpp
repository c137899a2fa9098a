// SPDX-License-Identifier: GPL-3.0-or-later
// A set save against another program, a failing step, an interrupt and the
// leftovers of killed writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <fcntl.h>
#include <unistd.h>

#include "platform/files/CleanupOnSignal.h"
#include "platform/files/EscapedText.h"
#include "platform/files/Files.h"
#include "platform/files/FileSteps.h"
#include "platform/files/IoError.h"
#include "platform/files/SaveJournal.h"
#include "platform/files/StaleTemporaries.h"
#include "support/SetFiles.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;
const std::vector<std::string> OnlyTheSet = {"vase.va4", "vase.vop", "vase.zuk"};

using test::entries;
using test::setOf;
using test::SetNames;

std::string textOf(const TempDir& dir, const std::string& name) {
    const Bytes b = dir.read(name);
    return std::string(b.begin(), b.end());
}

// "old", "new" when every file of the set agrees, else "mixed".
std::string stateOf(const TempDir& dir) {
    const std::string first = textOf(dir, SetNames[0]);
    for (const std::string& n : SetNames)
        if (textOf(dir, n) != first) return "mixed";
    return first;
}

void writeOldSet(const TempDir& dir) {
    for (const std::string& n : SetNames) dir.writeText(n, "old");
}

// An old set with a save stopped as a kill would stop it at the first `step`.
void killedAt(const TempDir& dir, SaveStep wanted, int occurrence = 0) {
    writeOldSet(dir);
    Files files(dir.path());
    int seen = 0;
    files.setSaveInterrupt([&](SaveStep step, const std::string&) { return step == wanted && seen++ == occurrence; });
    EXPECT_THROW(files.writeSetAtomic(setOf("new")), SaveKilled);
}

}  // namespace

// A rename that fails part-way (an immutable file, a failing disk) puts the
// old files back: the set is whole and the message names the file.
TEST(SaveFailure, FailedRenameRollsBackToTheWholeOldSet) {
    for (std::size_t failing = 0; failing < SetNames.size(); ++failing) {
        SCOPED_TRACE(SetNames[failing]);
        TempDir dir;
        writeOldSet(dir);
        Files files(dir.path());
        files.setStepFault([&](SaveStep step, const std::string& path) {
            return step == SaveStep::Rename && filesteps::lastPart(path) == SetNames[failing] ? EPERM : 0;
        });
        try {
            files.writeSetAtomic(setOf("new"));
            ADD_FAILURE() << "the save reported success";
        } catch (const IoError& e) {
            EXPECT_EQ(e.fileName(), SetNames[failing]);
        }
        EXPECT_EQ(stateOf(dir), "old");
        EXPECT_EQ(entries(dir.path()), OnlyTheSet);
    }
}

TEST(SaveFailure, FailedRenameOfAFirstSaveLeavesNoFile) {
    TempDir dir;
    Files files(dir.path());
    files.setStepFault([](SaveStep step, const std::string& path) {
        return step == SaveStep::Rename && filesteps::lastPart(path) == "vase.vop" ? EIO : 0;
    });
    EXPECT_THROW(files.writeSetAtomic(setOf("new")), IoError);
    EXPECT_TRUE(entries(dir.path()).empty());
}

TEST(SaveFailure, FailedBackupLeavesTheOldSetAndNoTemporary) {
    TempDir dir;
    writeOldSet(dir);
    Files files(dir.path());
    files.setStepFault([](SaveStep step, const std::string& path) {
        return step == SaveStep::Backup && filesteps::lastPart(path) == "vase.zuk" ? ENOSPC : 0;
    });
    EXPECT_THROW(files.writeSetAtomic(setOf("new")), IoError);
    EXPECT_EQ(stateOf(dir), "old");
    EXPECT_EQ(entries(dir.path()), OnlyTheSet);
}

// A save killed after its first rename, whose next rename cannot be done
// when the repair comes: the repair puts the old files back instead.
TEST(SaveFailure, RepairThatCannotFinishPutsTheOldFilesBack) {
    TempDir dir;
    killedAt(dir, SaveStep::Rename, 1);
    ASSERT_EQ(textOf(dir, "vase.va4"), "new");
    // A folder with something in it cannot be renamed over.
    std::filesystem::remove(dir.file("vase.vop"));
    std::filesystem::create_directory(dir.file("vase.vop"));
    dir.writeText("vase.vop/inside", "x");
    EXPECT_EQ(Files(dir.path()).repairSet("vase.va4"), Repair::Undone);
    EXPECT_EQ(textOf(dir, "vase.va4"), "old");
    EXPECT_EQ(textOf(dir, "vase.zuk"), "old");
    EXPECT_EQ(entries(dir.path()), OnlyTheSet);
}

// The abort line, whole or cut short, in a committed journal.
TEST(SaveJournalText, AbortLineDecidesBetweenFinishingAndUndoing) {
    const std::vector<JournalEntry> one = {{3, "/d/.vt000000000001.tmp", "/d/a.va4", "/d/.vt000000000002.tmp"}};
    const std::string intent = journalIntent("/d/.a.journal", one);
    const std::string committed = intent + journalCommitLine(intent, 1);
    struct Row {
        const char* name;
        std::string text;
        bool committed, aborted;
    };
    const Row rows[] = {
        {"no abort line", committed, true, false},
        {"abort line", committed + "abort\n", true, true},
        {"abort line cut short", committed + "abo", true, false},
        {"abort line without its end", committed + "abort", true, false},
        {"something else after the commit", committed + "abortx\n", false, false},
        {"abort line twice", committed + "abort\nabort\n", false, false},
        {"no commit line", intent + "abort\n", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ParsedJournal p = parseJournal("/d/.a.journal", row.text);
        EXPECT_EQ(p.committed, row.committed);
        EXPECT_EQ(p.aborted, row.aborted);
        EXPECT_EQ(p.entries.size(), 1u);
    }
    EXPECT_EQ(parseJournal("/d/.a.journal", committed).entries[0].backup, "/d/.vt000000000002.tmp");
}

// A journal of the format before backups is still finished, never undone
// past its commit (it names no backup to undo with).
TEST(SaveJournalText, JournalWithoutBackupsIsStillFinished) {
    TempDir dir;
    writeOldSet(dir);
    dir.writeText(".vt0000000000aa.tmp", "new");
    const std::string text = "freevantor save journal 1\nfile 3 19:.vt0000000000aa.tmp 8:vase.va4\n";
    const std::string sum = journalCommitLine(text, 1);
    dir.writeText(".vase.journal", text + sum);
    EXPECT_EQ(Files(dir.path()).repairSet("vase.va4"), Repair::Completed);
    EXPECT_EQ(textOf(dir, "vase.va4"), "new");
    EXPECT_EQ(entries(dir.path()), OnlyTheSet);
}

// One program at a time: while another holds the set, a save waits its
// time and then says so, naming the data file; a load does not repair.
TEST(SetLocking, SaveOfAHeldSetWaitsThenSaysItIsBusy) {
    TempDir dir;
    writeOldSet(dir);
    Files holder(dir.path()), saver(dir.path());
    const auto held = holder.holdSet("vase.va4");
    ASSERT_TRUE(held->held());
    saver.setLockWait(std::chrono::milliseconds(200));
    const auto start = std::chrono::steady_clock::now();
    try {
        saver.writeSetAtomic(setOf("new"));
        ADD_FAILURE() << "the save went ahead";
    } catch (const IoError& e) {
        EXPECT_EQ(e.fileName(), "vase.va4");
        EXPECT_NE(std::string(e.what()).find(SetBusyText), std::string::npos);
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(stateOf(dir), "old");
}

TEST(SetLocking, SaveWaitingForAShorterHoldGoesAhead) {
    TempDir dir;
    writeOldSet(dir);
    Files holder(dir.path()), saver(dir.path());
    auto held = holder.holdSet("vase.va4");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        held.reset();
    });
    saver.setLockWait(std::chrono::milliseconds(2000));
    EXPECT_NO_THROW(saver.writeSetAtomic(setOf("new")));
    release.join();
    EXPECT_EQ(stateOf(dir), "new");
    EXPECT_EQ(entries(dir.path()), OnlyTheSet);
}

TEST(SetLocking, JournalOfAHeldSetIsNotRepaired) {
    TempDir dir;
    killedAt(dir, SaveStep::Rename);
    Files holder(dir.path()), loader(dir.path());
    {
        const auto held = holder.holdSet("vase.va4");
        loader.setLockWait(std::chrono::milliseconds(50));
        EXPECT_EQ(loader.repairSet("vase.va4"), Repair::None);
        EXPECT_EQ(stateOf(dir), "old");
        EXPECT_GT(entries(dir.path()).size(), SetNames.size());
    }
    EXPECT_EQ(loader.repairSet("vase.va4"), Repair::Completed);
    EXPECT_EQ(stateOf(dir), "new");
}

// A link planted at the journal's name must not block the saves of the set:
// the save replaces the link with its own journal.
TEST(SetLocking, LinkPlantedAtTheJournalNameIsReplaced) {
    TempDir dir;
    writeOldSet(dir);
    dir.writeText("elsewhere", "keep");
    ASSERT_EQ(::symlink(dir.file("elsewhere").c_str(), dir.file(".vase.journal").c_str()), 0);
    Files(dir.path()).writeSetAtomic(setOf("new"));
    EXPECT_EQ(stateOf(dir), "new");
    EXPECT_EQ(textOf(dir, "elsewhere"), "keep");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.file(".vase.journal"))));
}

// Errors of a folder the save cannot write name the data file, not the
// hidden journal.
TEST(SetLocking, MissingFolderIsReportedWithTheDataFileName) {
    TempDir dir;
    Files files(dir.path() + "/gone");
    try {
        files.writeSetAtomic(setOf("new"));
        ADD_FAILURE();
    } catch (const IoError& e) {
        EXPECT_EQ(e.fileName(), "vase.va4");
    }
}

namespace {

// Runs `work` in a child process with the signal cleanup installed; its
// wait status.
template <typename Work>
int inChild(Work work) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        cleanup::installSignalCleanup();
        work();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

}  // namespace

// An interrupt before the commit removes everything the save made and ends
// the process by the signal; one after it lets the commit finish first.
TEST(SignalCleanup, InterruptLeavesAWholeSetAndNoTemporary) {
    struct Row {
        const char* name;
        SaveStep step;
        int occurrence;
        int signal;
        const char* after;
    };
    const Row rows[] = {
        {"SIGINT while writing a temporary", SaveStep::TemporaryHalf, 1, SIGINT, "old"},
        {"SIGTERM between the backups", SaveStep::Backup, 1, SIGTERM, "old"},
        {"SIGHUP before the commit", SaveStep::Commit, 0, SIGHUP, "old"},
        {"SIGTERM between renames", SaveStep::Rename, 1, SIGTERM, "new"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        writeOldSet(dir);
        const int status = inChild([&] {
            Files files(dir.path());
            int seen = 0;
            files.setSaveInterrupt([&](SaveStep step, const std::string&) {
                if (step == row.step && seen++ == row.occurrence) ::raise(row.signal);
                return false;
            });
            files.writeSetAtomic(setOf("new"));
        });
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == row.signal) << status;
        EXPECT_EQ(stateOf(dir), row.after);
        EXPECT_EQ(entries(dir.path()), OnlyTheSet);
    }
}

TEST(SignalCleanup, InterruptedSingleFileSaveLeavesNoTemporary) {
    TempDir dir;
    dir.writeText("a.vop", "old");
    const int status = inChild([&] {
        Files files(dir.path());
        files.setWriteFault([](const std::string&) { return ::raise(SIGTERM); });
        files.writeAtomic("a.vop", Bytes(10, 'n'));
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.vop"});
    EXPECT_EQ(cleanup::registeredCount(), 0);
}

TEST(SignalCleanup, RegistryHoldsItsSlotsAndNoMore) {
    std::vector<cleanup::Registered> all;
    for (int i = 0; i < cleanup::Slots + 1; ++i) all.emplace_back("/nowhere/" + std::to_string(i));
    EXPECT_EQ(cleanup::registeredCount(), cleanup::Slots);
    all.pop_back();
    EXPECT_EQ(cleanup::registeredCount(), cleanup::Slots);
    all.pop_back();
    EXPECT_EQ(cleanup::registeredCount(), cleanup::Slots - 1);
    all.clear();
    EXPECT_EQ(cleanup::registeredCount(), 0);
}

// Only a temporary nobody holds, old enough and with one name, is stale.
TEST(StaleTemporaries, OnlyTemporariesOfWritersThatAreGoneAreRemoved) {
    TempDir dir;
    dir.writeText(".vt0000000000a1.tmp", "left by a kill");
    dir.writeText(".vt0000000000a2.tmp", "held by a live writer");
    dir.writeText(".vt0000000000a3.tmp", "a live file's backup");
    ASSERT_EQ(::link(dir.file(".vt0000000000a3.tmp").c_str(), dir.file("data.va4").c_str()), 0);
    dir.writeText(".vtnot-a-temp.tmp", "not a temporary's name");
    const int held = ::open(dir.file(".vt0000000000a2.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    std::this_thread::sleep_for(StaleAfter + std::chrono::milliseconds(100));
    dir.writeText(".vt0000000000a4.tmp", "just made");
    EXPECT_EQ(removeStaleTemporaries(dir.path()), 1);
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{".vt0000000000a2.tmp", ".vt0000000000a3.tmp",
                                                             ".vt0000000000a4.tmp", ".vtnot-a-temp.tmp", "data.va4"}));
    ::close(held);
}

TEST(StaleTemporaries, NextSaveInTheFolderRepairsAKilledSetAndRemovesItsTemporaries) {
    TempDir dir;
    killedAt(dir, SaveStep::Temporary, 1);
    ASSERT_GT(entries(dir.path()).size(), SetNames.size() + 1);
    Files(dir.path()).writeAtomic("other.vop", Bytes{1});
    EXPECT_EQ(stateOf(dir), "old");
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"other.vop", "vase.va4", "vase.vop", "vase.zuk"}));
}

// The escaping every line on its way to a terminal passes: no control
// character of any kind survives, and the program's own text is unchanged.
TEST(TerminalEscaping, ControlCharactersOfEveryKindAreEscaped) {
    struct Row {
        const char* name;
        std::string in, line, name_;
    };
    const Row rows[] = {
        {"ESC and BEL", "a\x1b]0;t\x07z", "a\\x1b]0;t\\x07z", "a\\x1b]0;t\\x07z"},
        {"line breaks", "a\nb\rc\td", "a\\nb\\rc\\td", "a\\nb\\rc\\td"},
        {"DEL", "a\x7f", "a\\x7f", "a\\x7f"},
        {"C1 CSI as UTF-8 (U+009B)", "a\xc2\x9b" "2J", "a\\u009b2J", "a\\u009b2J"},
        {"first C1 (U+0080)", "\xc2\x80", "\\u0080", "\\u0080"},
        {"last C1 (U+009F)", "\xc2\x9f", "\\u009f", "\\u009f"},
        {"after the last C1 (U+00A0)", "\xc2\xa0", "\xc2\xa0", "\xc2\xa0"},
        {"lone CSI byte", "a\x9b" "K", "a\\x9bK", "a\\x9bK"},
        {"backslash", "C:\\x", "C:\\x", "C:\\\\x"},
        {"Japanese", "保存しました", "保存しました", "保存しました"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(withoutControls(row.in), row.line);
        EXPECT_EQ(shownName(row.in), row.name_);
    }
    EXPECT_EQ(shownName(std::string(500, 'a')).size(), 500u) << "a name is never cut";
}
