// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formats/DataSetFiles.h"

#include <algorithm>
#include <cctype>

#include "model/figures/FigureStore.h"
#include "model/formats/BinaryVertexFormats.h"
#include "model/formats/CsvFormat.h"
#include "model/formats/FormatMessages.h"
#include "model/formats/VanFormat.h"
#include "platform/files/IoError.h"
#include "platform/files/Files.h"

namespace vantor {

DataFormat dataFormatOfExtension(const std::string& ext) {
    std::string e = ext;
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (e == "va4") return DataFormat::Va4;
    if (e == "va2") return DataFormat::Va2;
    if (e == "csv") return DataFormat::Csv;
    if (e == "van") return DataFormat::Van;
    return DataFormat::Unknown;
}

std::string extensionOfPath(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return path.substr(dot + 1);
}

int DataSetFiles::room() const { return std::max(0, MaxVertices - std::max(0, m_store.VertexCount)); }

void DataSetFiles::append(const ParsedVertices& parsed, bool keepFigures, std::int32_t figureBase) {
    for (const VertexRecord& v : parsed.vertices) {
        if (m_store.VertexCount >= MaxVertices) break;  // parsers already respect the room
        const int k = ++m_store.VertexCount;
        m_store.x(k) = v.x;
        m_store.y(k) = v.y;
        m_store.link(k) = v.link;
        m_store.figure(k) = keepFigures ? figureBase + v.figure : 0;
    }
}

void DataSetFiles::endLastFigure(const ParsedVertices& parsed) {
    if (!parsed.vertices.empty() && m_store.VertexCount > m_store.LoadBase) m_store.link(m_store.VertexCount) = 0;
}

ReadResult DataSetFiles::numberFromLinks(std::string problem) {
    m_store.DataEdited = 0;
    if (!m_store.renumberFigures()) problem = formatMessages::join(problem, formatMessages::tooManyFigures());
    return {problem};
}

ReadResult DataSetFiles::readV4(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>* figureBytes,
                                const std::string& figureFile) {
    const std::int32_t base = m_store.HighestFigure;
    ParsedVertices parsed = parseVa4(bytes.data(), bytes.size(), room());
    if (!figureBytes) {
        append(parsed, false, 0);
        endLastFigure(parsed);
        return numberFromLinks(parsed.problem);
    }

    // The stored numbers index the figure table: a record naming a slot
    // outside it ends the read there.
    for (std::size_t i = 0; i < parsed.vertices.size(); ++i) {
        const std::int32_t f = parsed.vertices[i].figure;
        if (f < 1 || f > MaxFigures - base) {
            parsed.vertices.resize(i);
            // A number the table could hold on its own only lacks room
            // after the figures already present: that is the capacity.
            parsed.problem = f >= 1 && f <= MaxFigures ? formatMessages::tooManyFigures() : formatMessages::badFigureNumber(i + 1);
            break;
        }
    }
    append(parsed, true, base);
    endLastFigure(parsed);
    m_store.DataEdited = 0;

    std::string problem = parsed.problem;
    try {
        if (!m_store.readFigureBytes(*figureBytes, figureFile))
            problem = formatMessages::join(problem, formatMessages::tooManyFigures());
    } catch (const IoError& e) {
        // Only a trailing partial record stops the figure file, after every
        // whole record before it filled its slot. Those slots count as read.
        const auto whole = static_cast<std::int64_t>(figureBytes->size() / FigureRecordSize);
        m_store.LoadedHighest = static_cast<std::int32_t>(std::min<std::int64_t>(base + whole, MaxFigures));
        m_store.applyDefaultTint();
        m_store.applyDefaultMethod();
        problem = formatMessages::join(problem, e.what());
    }
    // A figure number that the attribute file does not reach still belongs to
    // a figure: mark it in use and let HighestFigure cover it, so that the
    // editor never hands the same number to a new figure.
    for (int k = m_store.LoadBase + 1; k <= m_store.VertexCount; ++k) {
        const std::int32_t f = m_store.figure(k);
        m_store.FigureInUse[static_cast<std::size_t>(f)] = 1;
        m_store.LoadedHighest = std::max(m_store.LoadedHighest, f);
    }
    return {problem};
}

ReadResult DataSetFiles::readV2(const std::vector<std::uint8_t>& bytes) {
    ParsedVertices parsed = parseVa2(bytes.data(), bytes.size(), room());
    append(parsed, false, 0);
    endLastFigure(parsed);
    return numberFromLinks(parsed.problem);
}

ReadResult DataSetFiles::readCSV(const std::vector<std::string>& lines) { return readCSV(linesOf(lines)); }

ReadResult DataSetFiles::readV1(const std::vector<std::string>& lines) { return readV1(linesOf(lines)); }

ReadResult DataSetFiles::readCSV(const LineSource& lines) {
    ParsedCsv parsed = parseCsv(lines, room());
    if (parsed.endsPreviousFigure) m_store.link(m_store.VertexCount) = 0;
    append(parsed, false, 0);
    // The final figure ends even without a trailing "=" line. With an empty
    // list this touches only the zeroed sentinel entry.
    m_store.link(m_store.VertexCount) = 0;
    return numberFromLinks(parsed.problem);
}

ReadResult DataSetFiles::readV1(const LineSource& lines) {
    ParsedVertices parsed = parseVan(lines, room());
    append(parsed, false, 0);
    endLastFigure(parsed);
    return numberFromLinks(parsed.problem);
}

std::size_t DataSetFiles::vertexBytesToRead(std::size_t recordSize) const {
    // One record past the room shows that the file holds more than fits.
    return (static_cast<std::size_t>(room()) + 1) * recordSize;
}

ReadResult DataSetFiles::LoadV4(const std::string& path, const std::string& figureFile) {
    const auto bytes = m_files.readBounded(path, vertexBytesToRead(Va4RecordSize), Excess::Ignored);
    // A FIFO or device with the figure file's name is not taken for a
    // missing one: the reader refuses it with its reason.
    if (!m_files.fileExists(figureFile) && !m_files.isSpecialFile(figureFile)) return readV4(bytes, nullptr);
    const auto figureBytes = m_store.readFigureFileBytes(m_files, figureFile);
    return readV4(bytes, &figureBytes, figureFile);
}

ReadResult DataSetFiles::LoadV2(const std::string& path) {
    return readV2(m_files.readBounded(path, vertexBytesToRead(Va2RecordSize), Excess::Ignored));
}

ReadResult DataSetFiles::LoadCSV(const std::string& path) {
    LineReader reader(m_files.resolve(path), path, MaxTextDataBytes, tooLargeMessage(MaxTextDataBytes));
    return readCSV(reader.source());
}

ReadResult DataSetFiles::LoadV1(const std::string& path) {
    LineReader reader(m_files.resolve(path), path, MaxTextDataBytes, tooLargeMessage(MaxTextDataBytes));
    return readV1(reader.source());
}

ReadResult DataSetFiles::load(DataFormat format, const std::string& path, const std::string& figureFile) {
    switch (format) {
        case DataFormat::Va4: return LoadV4(path, figureFile);
        case DataFormat::Va2: return LoadV2(path);
        case DataFormat::Csv: return LoadCSV(path);
        case DataFormat::Van: return LoadV1(path);
        case DataFormat::Unknown: break;
    }
    return {};
}

void DataSetFiles::SaveV4(const std::string& path) const { m_files.writeAtomic(path, encodeVa4(m_store)); }

void DataSetFiles::SaveV2(const std::string& path) const { m_files.writeAtomic(path, encodeVa2(m_store)); }

void DataSetFiles::SaveCSV(const std::string& path) const { m_files.writeLinesAtomic(path, encodeCsv(m_store)); }

void DataSetFiles::SaveV1(const std::string& path) const { m_files.writeLinesAtomic(path, encodeVan(m_store)); }

std::vector<Files::NamedBytes> DataSetFiles::encode(DataFormat format, const std::string& path,
                                                    const std::string& figureFile, NameOrigin pathOrigin) const {
    switch (format) {
        case DataFormat::Va4:
            return {{path, encodeVa4(m_store), pathOrigin}, {figureFile, m_store.figureFileBytes(), NameOrigin::Derived}};
        case DataFormat::Va2: return {{path, encodeVa2(m_store), pathOrigin}};
        case DataFormat::Csv: return {{path, joinLines(encodeCsv(m_store)), pathOrigin}};
        case DataFormat::Van: return {{path, joinLines(encodeVan(m_store)), pathOrigin}};
        case DataFormat::Unknown: break;
    }
    return {};
}

void DataSetFiles::save(DataFormat format, const std::string& path, const std::string& figureFile,
                        const std::vector<Files::NamedBytes>& companions, NameOrigin pathOrigin) const {
    std::vector<Files::NamedBytes> set = encode(format, path, figureFile, pathOrigin);
    set.insert(set.end(), companions.begin(), companions.end());
    m_files.writeSetAtomic(set);
}

}  // namespace vantor
