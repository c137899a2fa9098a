// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/MeshFiles.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "export/mesh/Mesh3mf.h"

namespace vantor {

namespace {

// Collects bytes and hands them to the sink in blocks.
class Output {
public:
    explicit Output(ByteSink& sink) : m_sink(sink) { m_buffer.reserve(Block + 256); }
    ~Output() = default;
    void byte(std::uint8_t b) {
        m_buffer.push_back(b);
        spill();
    }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) m_buffer.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        spill();
    }
    void f32(double v) {
        const float f = static_cast<float>(v);
        std::uint32_t bits;
        std::memcpy(&bits, &f, 4);
        u32(bits);
    }
    void text(std::string_view s) {
        m_buffer.insert(m_buffer.end(), s.begin(), s.end());
        spill();
    }
    void whole(std::size_t v) { text(std::to_string(v)); }
    // As "%.9g" in the C locale.
    void decimal(double v) {
        char buf[40];
        const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 9);
        text(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
    }
    void flush() {
        if (!m_buffer.empty()) m_sink.write(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }

private:
    static constexpr std::size_t Block = 1 << 16;
    void spill() {
        if (m_buffer.size() >= Block) flush();
    }
    ByteSink& m_sink;
    std::vector<std::uint8_t> m_buffer;
};

void vector3(Output& o, const Vec3& v) {
    o.f32(v.x);
    o.f32(v.y);
    o.f32(v.z);
}

void stl(const MeshSource& m, ByteSink& sink) {
    Output o(sink);
    std::uint8_t header[80] = {};
    const char title[] = "FreeVantor solid of revolution";
    std::memcpy(header, title, sizeof title - 1);
    for (std::uint8_t b : header) o.byte(b);
    o.u32(static_cast<std::uint32_t>(m.triangleCount()));
    m.forEachTriangle([&](const MeshTriangle& t) {
        vector3(o, triangleNormal(t));
        for (const Vec3& p : t.at) vector3(o, p);
        o.byte(0);
        o.byte(0);
    });
    o.flush();
}

void obj(const MeshSource& m, ByteSink& sink) {
    Output o(sink);
    auto line = [&](const char* tag, const Vec3& v) {
        o.text(tag);
        o.decimal(v.x);
        o.byte(' ');
        o.decimal(v.y);
        o.byte(' ');
        o.decimal(v.z);
        o.byte('\n');
    };
    o.text("# FreeVantor solid of revolution\n");
    m.forEachVertex([&](const Vec3& v) { line("v ", v); });
    m.forEachTriangle([&](const MeshTriangle& t) { line("vn ", triangleNormal(t)); });
    std::size_t n = 0;
    m.forEachTriangle([&](const MeshTriangle& t) {
        ++n;
        o.byte('f');
        for (std::uint32_t v : t.index) {
            o.byte(' ');
            o.whole(v + 1);
            o.text("//");
            o.whole(n);
        }
        o.byte('\n');
    });
    o.flush();
}

void ply(const MeshSource& m, ByteSink& sink) {
    Output o(sink);
    o.text("ply\nformat binary_little_endian 1.0\ncomment FreeVantor solid of revolution\n");
    o.text("element vertex " + std::to_string(m.vertexCount()) + "\n");
    o.text("property float x\nproperty float y\nproperty float z\n");
    o.text("element face " + std::to_string(m.triangleCount()) + "\n");
    o.text("property list uchar uint vertex_indices\nend_header\n");
    m.forEachVertex([&](const Vec3& v) { vector3(o, v); });
    m.forEachTriangle([&](const MeshTriangle& t) {
        o.byte(3);
        for (std::uint32_t v : t.index) o.u32(v);
    });
    o.flush();
}

}  // namespace

MeshFormat meshFormatOf(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos) return MeshFormat::Unknown;
    std::string ext = fileName.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "stl") return MeshFormat::Stl;
    if (ext == "obj") return MeshFormat::Obj;
    if (ext == "ply") return MeshFormat::Ply;
    if (ext == "3mf") return MeshFormat::ThreeMf;
    return MeshFormat::Unknown;
}

Vec3 triangleNormal(const MeshTriangle& t) {
    const Vec3& origin = t.at[0];
    const Vec3 n = cross(t.at[1] - origin, t.at[2] - origin);
    const double len = length(n);
    if (len == 0) return {};
    return n / len;
}

Vec3 triangleNormal(const Mesh& m, std::size_t t) {
    const auto& tri = m.triangles[t];
    return triangleNormal(MeshTriangle{tri, {m.vertices[tri[0]], m.vertices[tri[1]], m.vertices[tri[2]]}});
}

void writeMesh(const MeshSource& source, MeshFormat format, ByteSink& sink) {
    switch (format) {
        case MeshFormat::Stl: return stl(source, sink);
        case MeshFormat::Obj: return obj(source, sink);
        case MeshFormat::Ply: return ply(source, sink);
        case MeshFormat::ThreeMf: return write3mf({{"solid", &source, {}, 1e-6}}, sink);
        case MeshFormat::Unknown: break;
    }
}

std::vector<std::uint8_t> encodeMesh(const Mesh& mesh, MeshFormat format) {
    MemorySink sink;
    writeMesh(MeshView(mesh), format, sink);
    return std::move(sink.bytes);
}

}  // namespace vantor
