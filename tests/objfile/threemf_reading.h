// For the tests: a 3MF file read back through the 3MF consortium's library.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Model/COM/NMR_DLLInterfaces.h"
#include "mesh_file_checks.h"

namespace tv::test {

struct ThreeMfModel {
    bool read = false;
    DWORD unit = 0;
    size_t build_items = 0;
    // Per mesh object: its triangles as corner positions, and whether the library finds it
    // closed, manifold and consistently oriented.
    std::vector<std::vector<FloatTriangle>> objects;
    std::vector<bool> manifold_and_oriented;
};

inline ThreeMfModel readThreeMf(const std::string& path) {
    struct Release {
        void operator()(NMR::PLib3MFBase* handle) const { NMR::lib3mf_release(handle); }
    };
    using Handle = std::unique_ptr<NMR::PLib3MFBase, Release>;
    const auto take = [](NMR::PLib3MFBase* raw) { return Handle(raw); };

    ThreeMfModel out;
    NMR::PLib3MFBase* raw = nullptr;
    if (NMR::lib3mf_createmodel(&raw) != LIB3MF_OK) {
        return out;
    }
    const Handle model = take(raw);
    if (NMR::lib3mf_model_queryreader(model.get(), "3mf", &raw) != LIB3MF_OK) {
        return out;
    }
    const Handle reader = take(raw);
    if (NMR::lib3mf_reader_readfromfileutf8(reader.get(), path.c_str()) != LIB3MF_OK) {
        return out;
    }
    NMR::lib3mf_model_getunit(model.get(), &out.unit);

    NMR::lib3mf_model_getbuilditems(model.get(), &raw);
    const Handle items = take(raw);
    for (BOOL more = 0;
         NMR::lib3mf_builditemiterator_movenext(items.get(), &more) == LIB3MF_OK && more;) {
        ++out.build_items;
    }

    NMR::lib3mf_model_getmeshobjects(model.get(), &raw);
    const Handle meshes = take(raw);
    for (BOOL more = 0;
         NMR::lib3mf_resourceiterator_movenext(meshes.get(), &more) == LIB3MF_OK && more;) {
        NMR::lib3mf_resourceiterator_getcurrent(meshes.get(), &raw);
        const Handle mesh = take(raw);
        DWORD vertex_count = 0;
        DWORD triangle_count = 0;
        NMR::lib3mf_meshobject_getvertexcount(mesh.get(), &vertex_count);
        NMR::lib3mf_meshobject_gettrianglecount(mesh.get(), &triangle_count);
        std::vector<NMR::MODELMESHVERTEX> vertices(vertex_count);
        std::vector<NMR::MODELMESHTRIANGLE> indices(triangle_count);
        NMR::lib3mf_meshobject_getvertices(mesh.get(), vertices.data(), vertex_count, nullptr);
        NMR::lib3mf_meshobject_gettriangleindices(mesh.get(), indices.data(), triangle_count,
                                                  nullptr);
        std::vector<FloatTriangle>& triangles = out.objects.emplace_back();
        for (const NMR::MODELMESHTRIANGLE& t : indices) {
            FloatTriangle& corners = triangles.emplace_back();
            for (int c = 0; c < 3; ++c) {
                const float* p = vertices.at(t.m_nIndices[c]).m_fPosition;
                corners[c] = {p[0], p[1], p[2]};
            }
        }
        BOOL manifold = 0;
        NMR::lib3mf_meshobject_ismanifoldandoriented(mesh.get(), &manifold);
        out.manifold_and_oriented.push_back(manifold != 0);
    }
    out.read = true;
    return out;
}

}  // namespace tv::test
