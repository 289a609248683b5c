#include "objfile/threemf_writer.h"

#include <algorithm>
#include <span>
#include <string>

#include "Model/COM/NMR_DLLInterfaces.h"

namespace tv {

namespace {

using NMR::PLib3MFBase;

// One object of the library, released with it.
class Handle {
  public:
    Handle() = default;
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    PLib3MFBase* get() const { return handle_; }
    PLib3MFBase** out() {
        reset();
        return &handle_;
    }
    void reset() {
        if (handle_ != nullptr) {
            NMR::lib3mf_release(handle_);
            handle_ = nullptr;
        }
    }

  private:
    PLib3MFBase* handle_ = nullptr;
};

// The library writes a zip archive and seeks back to fill in its headers: a position in
// the streaming writer, where bytes before its end overwrite and bytes past it append.
struct SeekableStream {
    StreamingFileWriter& out;
    uint64_t position = 0;
};

// The types of the library's stream callbacks: 32-bit sizes, 64-bit positions, 0 for success.
unsigned int writeToStream(unsigned char* data, unsigned int size, void* user) {
    SeekableStream& stream = *static_cast<SeekableStream*>(user);
    std::span<const uint8_t> bytes(data, size);
    if (stream.position < stream.out.size()) {
        const size_t inside = static_cast<size_t>(
            std::min<uint64_t>(bytes.size(), stream.out.size() - stream.position));
        stream.out.patch(stream.position, bytes.first(inside));
        stream.position += inside;
        bytes = bytes.subspan(inside);
    }
    stream.out.append(bytes);
    stream.position += bytes.size();
    return 0;
}

unsigned int seekInStream(unsigned long long position, void* user) {
    SeekableStream& stream = *static_cast<SeekableStream*>(user);
    if (position > stream.out.size()) {
        return 1;
    }
    stream.position = position;
    return 0;
}

struct WriteProgress {
    const std::function<bool(double)>& progress;
    double share = 0.0;
    bool cancelled = false;
};

bool reportProgress(int percent, NMR::ProgressIdentifier, void* user) {
    WriteProgress& write = *static_cast<WriteProgress*>(user);
    // -1 only asks whether to go on.
    if (percent >= 0) {
        write.share = percent / 100.0;
    }
    write.cancelled = write.progress && !write.progress(write.share);
    return !write.cancelled;
}

}  // namespace

struct ThreeMfWriter::Library {
    Handle model;
    Handle mesh;
    bool failed = false;

    // Runs one call of the library unless an earlier one failed.
    template <class Call>
    void run(Call&& call) {
        failed = failed || call() != LIB3MF_OK;
    }
};

ThreeMfWriter::ThreeMfWriter() : library_(std::make_unique<Library>()) {
    library_->run([&] { return NMR::lib3mf_createmodel(library_->model.out()); });
    library_->run([&] {
        return NMR::lib3mf_model_setunit(library_->model.get(), NMR::MODELUNIT_MILLIMETER);
    });
}

ThreeMfWriter::~ThreeMfWriter() = default;

void ThreeMfWriter::beginShell(const MeshShell& shell) {
    Library& lib = *library_;
    lib.run([&] { return NMR::lib3mf_model_addmeshobject(lib.model.get(), lib.mesh.out()); });
    const std::string name = "Shell " + std::to_string(shell.index + 1);
    lib.run([&] { return NMR::lib3mf_object_setnameutf8(lib.mesh.get(), name.c_str()); });
}

void ThreeMfWriter::vertex(const Vec3& v) {
    Library& lib = *library_;
    NMR::MODELMESHVERTEX vertex{
        {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)}};
    lib.run([&] { return NMR::lib3mf_meshobject_addvertex(lib.mesh.get(), &vertex, nullptr); });
}

void ThreeMfWriter::triangle(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c) {
    Library& lib = *library_;
    NMR::MODELMESHTRIANGLE triangle{{a.vertex, b.vertex, c.vertex}};
    lib.run([&] { return NMR::lib3mf_meshobject_addtriangle(lib.mesh.get(), &triangle, nullptr); });
}

void ThreeMfWriter::endShell() {
    Library& lib = *library_;
    Handle item;
    lib.run([&] {
        return NMR::lib3mf_model_addbuilditem(lib.model.get(), lib.mesh.get(), nullptr, item.out());
    });
    lib.mesh.reset();
}

ThreeMfWriter::Result ThreeMfWriter::write(StreamingFileWriter& out,
                                           const std::function<bool(double)>& progress) {
    Library& lib = *library_;
    Handle writer;
    WriteProgress write_progress{progress};
    lib.run([&] { return NMR::lib3mf_model_querywriter(lib.model.get(), "3mf", writer.out()); });
    lib.run([&] {
        return NMR::lib3mf_writer_setprogresscallback(writer.get(), reportProgress,
                                                      &write_progress);
    });
    SeekableStream stream{out};
    lib.run([&] {
        return NMR::lib3mf_writer_writetocallback(writer.get(),
                                                  reinterpret_cast<void*>(writeToStream),
                                                  reinterpret_cast<void*>(seekInStream), &stream);
    });
    if (write_progress.cancelled) {
        return Result::Cancelled;
    }
    return lib.failed ? Result::Failed : Result::Written;
}

}  // namespace tv
