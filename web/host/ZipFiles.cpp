// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZipFiles.h"

#include <zip.h>

#include <cstdio>

namespace vantor::web {

std::string writeZip(const std::string& archive, const std::vector<ZipEntry>& entries) {
    std::remove(archive.c_str());
    int error = 0;
    zip_t* zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        std::string text = std::string("cannot make ") + archive + ": " + zip_error_strerror(&e);
        zip_error_fini(&e);
        return text;
    }
    const auto fail = [&](const std::string& what) {
        std::string text = what + ": " + zip_strerror(zip);
        zip_discard(zip);
        std::remove(archive.c_str());
        return text;
    };
    for (const ZipEntry& entry : entries) {
        zip_source_t* source = zip_source_file(zip, entry.path.c_str(), 0, -1);  // -1: to its end
        if (!source) return fail("cannot read " + entry.path);
        if (zip_file_add(zip, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            return fail("cannot add " + entry.name);
        }
    }
    // The files are read when the archive is closed.
    if (zip_close(zip) < 0) return fail("cannot write " + archive);
    return {};
}

}  // namespace vantor::web
