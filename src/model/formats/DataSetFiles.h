// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the vertex list in the four data-set formats, over the
// figure store and the file system only, so that the control window and the
// command line share them.
//
// Every reader appends after VertexCount (the caller sets LoadBase first),
// clears DataEdited and sets LoadedHighest; the caller copies LoadedHighest
// into HighestFigure. A reader that cannot take the whole file (capacity
// reached, truncated or malformed content) keeps what came before the
// problem, leaves the store consistent -- the kept vertices numbered as a
// complete read would number them -- and returns the problem. Every read
// ends the last figure it read, so HighestFigure covers it. A file that cannot be opened throws IoError before anything
// changes. Every writer replaces its file atomically, and a data set's files
// are written as one set (see save).
#include <cstdint>
#include <string>
#include <vector>

#include "model/formats/VertexRecord.h"
#include "platform/files/Files.h"
#include "platform/files/LineReader.h"

namespace vantor {

class FigureStore;

enum class DataFormat { Va4, Va2, Csv, Van, Unknown };

// By extension without the point, compared in lower case.
DataFormat dataFormatOfExtension(const std::string& ext);
// The extension of a path: the text after its last "." that follows the last "/".
std::string extensionOfPath(const std::string& path);

// A text data set (.csv, .van) of the full 10,000 vertices as this program
// writes it takes under 1.5 MB; hand-written files get ten times that room
// for spaces and comments. Larger files are refused before reading.
inline constexpr std::uint64_t MaxTextDataBytes = std::uint64_t(16) << 20;

struct ReadResult {
    std::string problem;  // empty when the whole file was read
    Repair repaired = Repair::None;  // an interrupted save of the set was finished or undone first
    bool complete() const { return problem.empty(); }
};

class DataSetFiles {
public:
    DataSetFiles(FigureStore& store, const Files& files) : m_store(store), m_files(files) {}

    // .va4: with the figure-attribute file `figureFile` when it exists the
    // stored figure numbers are kept (shifted up by HighestFigure) and the
    // records fill the slots after HighestFigure; without it the figures are
    // numbered from their link flags.
    ReadResult LoadV4(const std::string& path, const std::string& figureFile);
    ReadResult LoadV2(const std::string& path);
    ReadResult LoadCSV(const std::string& path);
    ReadResult LoadV1(const std::string& path);
    // The reader of `format`; an unknown format reads nothing and leaves
    // LoadedHighest as it is.
    ReadResult load(DataFormat format, const std::string& path, const std::string& figureFile);

    // The same from bytes or lines already in memory. `figureBytes` null:
    // there is no figure-attribute file.
    ReadResult readV4(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>* figureBytes,
                      const std::string& figureFile = "");
    ReadResult readV2(const std::vector<std::uint8_t>& bytes);
    ReadResult readCSV(const std::vector<std::string>& lines);
    ReadResult readV1(const std::vector<std::string>& lines);
    ReadResult readCSV(const LineSource& lines);
    ReadResult readV1(const LineSource& lines);

    void SaveV4(const std::string& path) const;
    void SaveV2(const std::string& path) const;
    void SaveCSV(const std::string& path) const;
    void SaveV1(const std::string& path) const;
    // The writer of `format`; .va4 also writes `figureFile`. An unknown
    // format writes nothing. `companions` (the option file) join the set,
    // which commits as one (see Files::writeSetAtomic): a failed write or a
    // kill leaves the whole old data set or the whole new one. The files
    // beside the data file are derived names; the data file's own name is
    // of `pathOrigin`.
    void save(DataFormat format, const std::string& path, const std::string& figureFile,
              const std::vector<Files::NamedBytes>& companions = {},
              NameOrigin pathOrigin = NameOrigin::Chosen) const;
    // The files `save` writes, without writing them.
    std::vector<Files::NamedBytes> encode(DataFormat format, const std::string& path, const std::string& figureFile,
                                          NameOrigin pathOrigin = NameOrigin::Chosen) const;

private:
    int room() const;
    // The bytes of a record file that the room can use.
    std::size_t vertexBytesToRead(std::size_t recordSize) const;
    // Appends; `keepFigures` stores the file's figure numbers shifted by
    // `figureBase`, else they are left to renumberFigures.
    void append(const ParsedVertices& parsed, bool keepFigures, std::int32_t figureBase);
    // The last vertex read ends its figure, after a complete read too: a
    // file may leave its last figure open (link 1), and an open figure would
    // join the first figure of the next data set added after it.
    void endLastFigure(const ParsedVertices& parsed);
    ReadResult numberFromLinks(std::string problem);

    FigureStore& m_store;
    const Files& m_files;
};

}  // namespace vantor
