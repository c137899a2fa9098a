#include "export/mesh/Mesh3mf.h"

#include <Model/COM/NMR_DLLInterfaces.h>

#include <stdexcept>

namespace vantor {

namespace {

using namespace NMR;

// Releases a lib3mf instance when it goes out of scope.
class Held {
public:
    Held() = default;
    ~Held() {
        if (m_p) lib3mf_release(m_p);
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    PLib3MFBase** out() { return &m_p; }
    PLib3MFBase* get() const { return m_p; }

private:
    PLib3MFBase* m_p = nullptr;
};

void check(LIB3MFRESULT result, PLib3MFBase* instance, const char* what) {
    if (result == LIB3MF_OK) return;
    DWORD code = 0;
    LPCSTR message = nullptr;
    std::string text = std::string("3MF: cannot ") + what;
    if (instance && lib3mf_getlasterror(instance, &code, &message) == LIB3MF_OK && message && *message)
        text += std::string(": ") + message;
    throw std::runtime_error(text);
}

}  // namespace

void write3mf(const std::vector<MeshPart>& parts, ByteSink& sink) {
    Held model;
    check(lib3mf_createmodel(model.out()), nullptr, "create a model");
    check(lib3mf_model_setunit(model.get(), MODELUNIT_MILLIMETER), model.get(), "set the unit");
    for (const MeshPart& part : parts) {
        Held mesh;
        check(lib3mf_model_addmeshobject(model.get(), mesh.out()), model.get(), "add an object");
        check(lib3mf_object_setnameutf8(mesh.get(), part.name.c_str()), mesh.get(), "name an object");
        std::vector<MODELMESHVERTEX> vertices;
        std::vector<MODELMESHTRIANGLE> triangles;
        vertices.reserve(part.source->vertexCount());
        triangles.reserve(part.source->triangleCount());
        part.source->forEachVertex([&](const Vec3& v) {
            vertices.push_back({{static_cast<FLOAT>(v.x), static_cast<FLOAT>(v.y), static_cast<FLOAT>(v.z)}});
        });
        part.source->forEachTriangle([&](const MeshTriangle& t) {
            triangles.push_back({{t.index[0], t.index[1], t.index[2]}});
        });
        check(lib3mf_meshobject_setgeometry(mesh.get(), vertices.data(), static_cast<DWORD>(vertices.size()),
                                            triangles.data(), static_cast<DWORD>(triangles.size())),
              mesh.get(), "store an object's mesh");
        Held item;
        check(lib3mf_model_addbuilditem(model.get(), mesh.get(), nullptr, item.out()), model.get(), "add a build item");
    }
    Held writer;
    check(lib3mf_model_querywriter(model.get(), "3mf", writer.out()), model.get(), "make a writer");
    ULONG64 size = 0;
    check(lib3mf_writer_getstreamsize(writer.get(), &size), writer.get(), "size the file");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    check(lib3mf_writer_writetobuffer(writer.get(), bytes.data(), size), writer.get(), "write the file");
    sink.write(bytes.data(), bytes.size());
}

Model3mf read3mf(const std::vector<std::uint8_t>& bytes) {
    Model3mf out;
    Held model;
    check(lib3mf_createmodel(model.out()), nullptr, "create a model");
    Held reader;
    check(lib3mf_model_queryreader(model.get(), "3mf", reader.out()), model.get(), "make a reader");
    std::vector<std::uint8_t> copy = bytes;
    check(lib3mf_reader_readfrombuffer(reader.get(), copy.data(), copy.size()), reader.get(), "read the file");
    DWORD unit = 0;
    check(lib3mf_model_getunit(model.get(), &unit), model.get(), "read the unit");
    out.millimetres = unit == MODELUNIT_MILLIMETER;
    Held objects;
    check(lib3mf_model_getmeshobjects(model.get(), objects.out()), model.get(), "list the objects");
    BOOL more = false;
    while (lib3mf_resourceiterator_movenext(objects.get(), &more) == LIB3MF_OK && more) {
        Held mesh;
        check(lib3mf_resourceiterator_getcurrent(objects.get(), mesh.out()), objects.get(), "read an object");
        NamedMesh named;
        ULONG needed = 0;
        check(lib3mf_object_getnameutf8(mesh.get(), nullptr, 0, &needed), mesh.get(), "read a name");
        std::string name(needed + 1, '\0');
        check(lib3mf_object_getnameutf8(mesh.get(), name.data(), needed + 1, &needed), mesh.get(), "read a name");
        named.name = name.c_str();
        DWORD vertexCount = 0, triangleCount = 0;
        check(lib3mf_meshobject_getvertexcount(mesh.get(), &vertexCount), mesh.get(), "count vertices");
        check(lib3mf_meshobject_gettrianglecount(mesh.get(), &triangleCount), mesh.get(), "count triangles");
        std::vector<MODELMESHVERTEX> vertices(vertexCount);
        std::vector<MODELMESHTRIANGLE> triangles(triangleCount);
        if (vertexCount > 0)
            check(lib3mf_meshobject_getvertices(mesh.get(), vertices.data(), vertexCount, nullptr), mesh.get(), "read vertices");
        if (triangleCount > 0)
            check(lib3mf_meshobject_gettriangleindices(mesh.get(), triangles.data(), triangleCount, nullptr), mesh.get(),
                  "read triangles");
        for (const MODELMESHVERTEX& v : vertices) named.mesh.vertices.push_back({v.m_fPosition[0], v.m_fPosition[1], v.m_fPosition[2]});
        for (const MODELMESHTRIANGLE& t : triangles) named.mesh.triangles.push_back({t.m_nIndices[0], t.m_nIndices[1], t.m_nIndices[2]});
        out.objects.push_back(std::move(named));
    }
    return out;
}

}  // namespace vantor
