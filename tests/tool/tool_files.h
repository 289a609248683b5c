// Documents and object files for the tool's tests.
#pragma once

#include <initializer_list>
#include <string>

#include "objfile/object_document.h"
#include "objfile/object_encoder.h"
#include "objfile/scratch_folder.h"

namespace tv::test {

struct ProfileEntry {
    double x;
    double y;
    int8_t link;
};

inline void setProfile(ObjectDocument& doc, std::initializer_list<ProfileEntry> entries) {
    doc.profile.count = 0;
    for (const ProfileEntry& e : entries) {
        doc.profile.links[doc.profile.count] = e.link;
        doc.profile.points[doc.profile.count] = {e.x, e.y};
        ++doc.profile.count;
    }
}

// Writes `doc` as a current-format file at `path` and returns the path.
inline std::string writeDocument(const std::string& path, const ObjectDocument& doc) {
    writeBytes(path, encodeObjectFile(doc).image);
    return path;
}

}  // namespace tv::test
