// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/Mesh3mf.h"

#include <zip.h>

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace vantor {

namespace {

constexpr const char* ContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"model\" ContentType=\"application/vnd.ms-package.3dmanufacturing-3dmodel+xml\"/>"
    "</Types>\n";
constexpr const char* Relationships =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Target=\"/3D/3dmodel.model\" Id=\"rel0\" "
    "Type=\"http://schemas.microsoft.com/3dmanufacturing/2013/01/3dmodel\"/>"
    "</Relationships>\n";

// How many items are turned into text at a time.
constexpr std::size_t Batch = 4096;

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string hexColour(const std::array<std::uint8_t, 3>& c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02XFF", c[0], c[1], c[2]);
    return buf;
}

// The model entry's text, made a batch at a time as libzip asks for it.
class ModelText {
public:
    ModelText(const std::vector<MeshPart>& parts, const std::vector<Material3mf>& materials)
        : m_parts(parts), m_materials(materials) {}

    // Up to `size` bytes into `out`; 0 at the end.
    std::size_t read(std::uint8_t* out, std::size_t size) {
        while (m_at == m_text.size() && m_phase != Phase::Done) {
            m_text.clear();
            m_at = 0;
            produce();
        }
        const std::size_t n = std::min(size, m_text.size() - m_at);
        std::copy_n(m_text.data() + m_at, n, out);
        m_at += n;
        return n;
    }
    void restart() {
        m_phase = Phase::Start;
        m_object = m_item = 0;
        m_text.clear();
        m_at = 0;
    }

private:
    enum class Phase { Start, ObjectStart, Vertices, Triangles, ObjectEnd, Build, Done };

    void number(double v) {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, m_decimals);
        // Trailing zeros say nothing.
        char* end = r.ptr;
        if (m_decimals > 0) {
            while (end[-1] == '0') --end;
            if (end[-1] == '.') --end;
        }
        if (end - buf == 2 && buf[0] == '-' && buf[1] == '0') {
            m_text += '0';
            return;
        }
        m_text.append(buf, end);
    }
    void whole(std::size_t v) {
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        m_text.append(buf, r.ptr);
    }

    void produce() {
        switch (m_phase) {
            case Phase::Start:
                m_text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<model unit=\"millimeter\" xml:lang=\"en-US\" "
                          "xmlns=\"http://schemas.microsoft.com/3dmanufacturing/core/2015/02\">\n<resources>\n";
                if (!m_materials.empty()) {
                    m_text += "<basematerials id=\"1\">\n";
                    for (const Material3mf& m : m_materials)
                        m_text += "<base name=\"" + escaped(m.name) + "\" displaycolor=\"" + hexColour(m.colour) + "\"/>\n";
                    m_text += "</basematerials>\n";
                }
                m_phase = m_parts.empty() ? Phase::Build : Phase::ObjectStart;
                break;
            case Phase::ObjectStart: {
                const MeshPart& part = m_parts[m_object];
                m_text += "<object id=\"";
                whole(m_object + 2);
                m_text += "\" type=\"model\" name=\"" + escaped(part.name) + "\"";
                m_defaultMaterial = part.partMaterial.empty() || m_materials.empty() ? SIZE_MAX : part.partMaterial.front();
                if (m_defaultMaterial != SIZE_MAX) {
                    m_text += " pid=\"1\" pindex=\"";
                    whole(m_defaultMaterial);
                    m_text += "\"";
                }
                m_text += ">\n<mesh>\n<vertices>\n";
                const double step = part.precision > 0 && std::isfinite(part.precision) ? part.precision : 1e-6;
                // Rounding to d decimals errs by half a unit of the last one.
                m_decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(2 * step))), 0, 17);
                m_item = 0;
                m_phase = Phase::Vertices;
                break;
            }
            case Phase::Vertices: {
                const MeshSource& s = *m_parts[m_object].source;
                const std::size_t last = std::min(m_item + Batch, s.vertexCount());
                s.forVertices(m_item, last, [&](const Vec3& v) {
                    m_text += "<vertex x=\"";
                    number(v.x);
                    m_text += "\" y=\"";
                    number(v.y);
                    m_text += "\" z=\"";
                    number(v.z);
                    m_text += "\"/>\n";
                });
                m_item = last;
                if (m_item >= s.vertexCount()) {
                    m_text += "</vertices>\n<triangles>\n";
                    m_item = 0;
                    m_phase = Phase::Triangles;
                }
                break;
            }
            case Phase::Triangles: {
                const MeshPart& part = m_parts[m_object];
                const MeshSource& s = *part.source;
                const std::size_t last = std::min(m_item + Batch, s.triangleCount());
                s.forTriangles(m_item, last, [&](const MeshTriangle& t) {
                    m_text += "<triangle v1=\"";
                    whole(t.index[0]);
                    m_text += "\" v2=\"";
                    whole(t.index[1]);
                    m_text += "\" v3=\"";
                    whole(t.index[2]);
                    m_text += "\"";
                    if (m_defaultMaterial != SIZE_MAX && t.part < part.partMaterial.size() &&
                        part.partMaterial[t.part] != m_defaultMaterial) {
                        m_text += " pid=\"1\" p1=\"";
                        whole(part.partMaterial[t.part]);
                        m_text += "\"";
                    }
                    m_text += "/>\n";
                });
                m_item = last;
                if (m_item >= s.triangleCount()) m_phase = Phase::ObjectEnd;
                break;
            }
            case Phase::ObjectEnd:
                m_text += "</triangles>\n</mesh>\n</object>\n";
                m_phase = ++m_object < m_parts.size() ? Phase::ObjectStart : Phase::Build;
                break;
            case Phase::Build:
                m_text += "</resources>\n<build>\n";
                for (std::size_t i = 0; i < m_parts.size(); ++i) {
                    m_text += "<item objectid=\"";
                    whole(i + 2);
                    m_text += "\"/>\n";
                }
                m_text += "</build>\n</model>\n";
                m_phase = Phase::Done;
                break;
            case Phase::Done: break;
        }
    }

    const std::vector<MeshPart>& m_parts;
    const std::vector<Material3mf>& m_materials;
    Phase m_phase = Phase::Start;
    std::size_t m_object = 0, m_item = 0;
    std::size_t m_defaultMaterial = SIZE_MAX;
    int m_decimals = 6;
    std::string m_text;
    std::size_t m_at = 0;
};

// The model entry as a libzip source that reads from ModelText.
struct ModelSource {
    ModelText text;
    zip_error_t error{};
    std::exception_ptr failure;
};

zip_int64_t modelCallback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto& s = *static_cast<ModelSource*>(state);
    switch (command) {
        case ZIP_SOURCE_OPEN: s.text.restart(); return 0;
        case ZIP_SOURCE_READ:
            try {
                return static_cast<zip_int64_t>(s.text.read(static_cast<std::uint8_t*>(data), static_cast<std::size_t>(length)));
            } catch (...) {
                s.failure = std::current_exception();
                zip_error_set(&s.error, ZIP_ER_INTERNAL, 0);
                return -1;
            }
        case ZIP_SOURCE_CLOSE: return 0;
        case ZIP_SOURCE_STAT: {
            auto* st = static_cast<zip_stat_t*>(data);
            zip_stat_init(st);
            return sizeof(*st);
        }
        case ZIP_SOURCE_ERROR: return zip_error_to_data(&s.error, data, length);
        case ZIP_SOURCE_FREE: return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default: zip_error_set(&s.error, ZIP_ER_OPNOTSUPP, 0); return -1;
    }
}

// A temporary file, removed when it goes out of scope.
class TemporaryFile {
public:
    TemporaryFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "freevantor-3mf-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0) throw std::runtime_error("3MF: cannot make a temporary file");
        close(fd);
        m_path = pattern;
    }
    ~TemporaryFile() { std::remove(m_path.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

[[noreturn]] void fail(zip_t* archive, const char* what) {
    std::string text = std::string("3MF: cannot ") + what;
    if (archive) {
        text += std::string(": ") + zip_strerror(archive);
        zip_discard(archive);
    }
    throw std::runtime_error(text);
}

void addText(zip_t* archive, const char* name, const char* text) {
    zip_source_t* source = zip_source_buffer(archive, text, std::char_traits<char>::length(text), 0);
    if (!source) fail(archive, "make an entry");
    if (zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        fail(archive, "add an entry");
    }
}

}  // namespace

void write3mf(const std::vector<MeshPart>& parts, ByteSink& sink, const std::vector<Material3mf>& materials) {
    TemporaryFile temp;
    int error = 0;
    zip_t* archive = zip_open(temp.path().c_str(), ZIP_TRUNCATE, &error);
    if (!archive) fail(nullptr, "open the package");
    addText(archive, "[Content_Types].xml", ContentTypes);
    addText(archive, "_rels/.rels", Relationships);
    ModelSource model{ModelText(parts, materials), {}, {}};
    zip_error_init(&model.error);
    zip_source_t* source = zip_source_function(archive, modelCallback, &model);
    if (!source) fail(archive, "make the model entry");
    const zip_int64_t entry = zip_file_add(archive, "3D/3dmodel.model", source, ZIP_FL_ENC_UTF_8);
    if (entry < 0) {
        zip_source_free(source);
        fail(archive, "add the model entry");
    }
    // The fastest deflate: the model is large and repetitive text.
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(entry), ZIP_CM_DEFLATE, 1);
    if (zip_close(archive) < 0) {
        zip_error_fini(&model.error);
        if (model.failure) std::rethrow_exception(model.failure);
        fail(archive, "write the package");
    }
    zip_error_fini(&model.error);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(temp.path().c_str(), "rb"), &std::fclose);
    if (!in) throw std::runtime_error("3MF: cannot read the package back");
    std::vector<std::uint8_t> block(1 << 20);
    while (const std::size_t n = std::fread(block.data(), 1, block.size(), in.get())) sink.write(block.data(), n);
    if (std::ferror(in.get())) throw std::runtime_error("3MF: cannot read the package back");
}

}  // namespace vantor
