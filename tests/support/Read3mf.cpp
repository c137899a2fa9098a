// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Read3mf.h"

#include <zip.h>

#include <Model/COM/NMR_DLLInterfaces.h>

#include <stdexcept>

namespace vantor::test {

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

std::string modelText3mf(const std::vector<std::uint8_t>& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) throw std::runtime_error("3MF: not a package");
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) {
        zip_source_free(source);
        throw std::runtime_error("3MF: not a package");
    }
    std::string text;
    if (zip_file_t* file = zip_fopen(archive, "3D/3dmodel.model", 0)) {
        char block[1 << 16];
        zip_int64_t n = 0;
        while ((n = zip_fread(file, block, sizeof block)) > 0) text.append(block, static_cast<std::size_t>(n));
        zip_fclose(file);
    }
    zip_close(archive);
    return text;
}

}  // namespace vantor::test
