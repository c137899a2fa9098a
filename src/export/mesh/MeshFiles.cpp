#include "export/mesh/MeshFiles.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <sstream>

namespace vantor {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putF32(std::vector<std::uint8_t>& out, double v) {
    const float f = static_cast<float>(v);
    std::uint32_t bits;
    std::memcpy(&bits, &f, 4);
    put32(out, bits);
}
void putText(std::vector<std::uint8_t>& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

std::vector<std::uint8_t> stl(const Mesh& m) {
    std::vector<std::uint8_t> out(80, 0);
    const char header[] = "FreeVantor solid of revolution";
    std::memcpy(out.data(), header, sizeof header - 1);
    put32(out, static_cast<std::uint32_t>(m.triangles.size()));
    for (std::size_t t = 0; t < m.triangles.size(); ++t) {
        const Vec3 n = triangleNormal(m, t);
        for (double c : {n.x, n.y, n.z}) putF32(out, c);
        for (std::uint32_t v : m.triangles[t]) {
            const Vec3& p = m.vertices[v];
            for (double c : {p.x, p.y, p.z}) putF32(out, c);
        }
        out.push_back(0);
        out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> obj(const Mesh& m) {
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s.precision(9);
    s << "# FreeVantor solid of revolution\n";
    for (const Vec3& p : m.vertices) s << "v " << p.x << ' ' << p.y << ' ' << p.z << '\n';
    for (std::size_t t = 0; t < m.triangles.size(); ++t) {
        const Vec3 n = triangleNormal(m, t);
        s << "vn " << n.x << ' ' << n.y << ' ' << n.z << '\n';
    }
    for (std::size_t t = 0; t < m.triangles.size(); ++t) {
        const auto& tri = m.triangles[t];
        s << 'f';
        for (std::uint32_t v : tri) s << ' ' << v + 1 << "//" << t + 1;
        s << '\n';
    }
    const std::string text = s.str();
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> ply(const Mesh& m) {
    std::vector<std::uint8_t> out;
    putText(out, "ply\nformat binary_little_endian 1.0\ncomment FreeVantor solid of revolution\n");
    putText(out, "element vertex " + std::to_string(m.vertices.size()) + "\n");
    putText(out, "property float x\nproperty float y\nproperty float z\n");
    putText(out, "element face " + std::to_string(m.triangles.size()) + "\n");
    putText(out, "property list uchar uint vertex_indices\nend_header\n");
    for (const Vec3& p : m.vertices)
        for (double c : {p.x, p.y, p.z}) putF32(out, c);
    for (const auto& tri : m.triangles) {
        out.push_back(3);
        for (std::uint32_t v : tri) put32(out, v);
    }
    return out;
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
    return MeshFormat::Unknown;
}

Vec3 triangleNormal(const Mesh& m, std::size_t t) {
    const auto& tri = m.triangles[t];
    const Vec3& origin = m.vertices[tri[0]];
    const Vec3 n = cross(m.vertices[tri[1]] - origin, m.vertices[tri[2]] - origin);
    const double len = length(n);
    if (len == 0) return {};
    return n / len;
}

std::vector<std::uint8_t> encodeMesh(const Mesh& mesh, MeshFormat format) {
    switch (format) {
        case MeshFormat::Stl: return stl(mesh);
        case MeshFormat::Obj: return obj(mesh);
        case MeshFormat::Ply: return ply(mesh);
        case MeshFormat::Unknown: break;
    }
    return {};
}

}  // namespace vantor
