// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File-system access for the logic. The current folder is an object, not the
// process's working directory, so every test builds its own. Relative names
// resolve against it, the way a file dialog's bare names resolve against the
// folder it last showed. Errors throw IoError with the system's text.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/AtomicReplace.h"
#include "platform/files/SaveJournal.h"
#include "platform/files/BoundedRead.h"

namespace vantor {

class Files {
public:
    explicit Files(std::string currentFolder = ".", std::string programFolder = "./");

    // Folder without trailing "/".
    const std::string& currentFolder() const { return m_current; }
    void setCurrentFolder(const std::string& folder);
    // The program's folder with a trailing "/".
    const std::string& programFolder() const { return m_program; }
    void setProgramFolder(const std::string& folder);

    // Absolute names stay; relative ones are joined to the current folder.
    std::string resolve(const std::string& name) const;

    bool fileExists(const std::string& name) const;
    bool folderExists(const std::string& name) const;
    // The name leads to something that is neither a regular file nor a
    // folder (a FIFO, a device, a socket).
    bool isSpecialFile(const std::string& name) const;
    // True when a file was deleted.
    bool deleteFile(const std::string& name) const;
    // Names (without folder) of regular files in the current folder matching a
    // wildcard pattern of * and ?, sorted.
    std::vector<std::string> findFiles(const std::string& pattern) const;
    // The same for every name that is taken: files of any kind and symbolic
    // links, dangling ones too; folders are left out.
    std::vector<std::string> findTakenNames(const std::string& pattern) const;

    // The whole of a regular file (see InputFile: FIFOs and devices are
    // refused). Readers of a format use readBounded with their format's limit.
    std::vector<std::uint8_t> readAll(const std::string& name) const;
    // At most `maxBytes` bytes; see the free readBounded.
    std::vector<std::uint8_t> readBounded(const std::string& name, std::size_t maxBytes, Excess excess,
                                          const std::string& tooLarge = "") const;
    // Text split at CR LF, LF or CR; a final line break does not add an empty line.
    std::vector<std::string> readLines(const std::string& name) const;
    // Replaces the file atomically (see replaceFile): a failed write leaves
    // the previous file as it was. A chosen name's link is written through,
    // a derived name's link replaced.
    void writeAtomic(const std::string& name, const std::vector<std::uint8_t>& bytes,
                     NameOrigin origin = NameOrigin::Chosen) const;
    // Lines joined with CR LF after each line.
    void writeLinesAtomic(const std::string& name, const std::vector<std::string>& lines) const;
    // The files of a set commit as one, also against a kill (see
    // replaceFiles), recorded in the journal of the first file's name
    // (journalPathFor). Names as for writeAtomic.
    struct NamedBytes {
        std::string name;
        std::vector<std::uint8_t> bytes;
        NameOrigin origin = NameOrigin::Derived;
    };
    void writeSetAtomic(const std::vector<NamedBytes>& set) const;
    // Finishes or undoes an interrupted save of the set whose first file is
    // `name` (see repairInterruptedSave).
    Repair repairSet(const std::string& name) const;
    // Holds the set whose first file is `name` against every other program's
    // save or repair of it while the lock lives (see SetLock): a load reads
    // the set under it, after repairHeldJournal. A set still held by another
    // program after the wait, or in a folder that cannot be written, is
    // read unheld.
    std::unique_ptr<SetLock> holdSet(const std::string& name) const;

    // Tests: every later write asks `fault` first (see WriteFault), every
    // later set save asks `interrupt` at each step (see SaveInterrupt).
    void setWriteFault(WriteFault fault) { m_hooks.fault = std::move(fault); }
    void setSaveInterrupt(SaveInterrupt interrupt) { m_hooks.interrupt = std::move(interrupt); }
    void setStepFault(StepFault fault) { m_hooks.stepFault = std::move(fault); }
    // How long a save or load waits for another program's save of the set.
    void setLockWait(std::chrono::milliseconds wait) { m_hooks.lockWait = wait; }

private:
    std::string m_current;
    std::string m_program;
    SaveHooks m_hooks;
};

// Lines joined with CR LF after each line.
std::vector<std::uint8_t> joinLines(const std::vector<std::string>& lines);

// Folder part of a path including the trailing "/" ("" when none).
std::string folderOf(const std::string& path);
// Text between the last "/" and the last "." after it.
std::string baseNameOf(const std::string& path);
bool wildcardMatch(const std::string& pattern, const std::string& name);
// Folder of the running executable with a trailing "/".
std::string executableFolder();
// The per-user configuration folder (no trailing "/") from the values of
// XDG_CONFIG_HOME and HOME: "<XDG_CONFIG_HOME>/freevantor", else
// "<HOME>/.config/freevantor"; empty when both are unset or empty.
std::string userConfigFolder(const char* xdgConfigHome, const char* home);
// Split text at CR LF, LF or CR.
std::vector<std::string> splitLines(const std::string& text);

}  // namespace vantor
