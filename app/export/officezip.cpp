// Office containers through libzip: an archive built in a memory buffer, then copied out.
#include "app/export/officezip.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

#include "app/platform/pathutil.h"
#include "core/base/textfile.h"

namespace tarnik {

namespace {

[[noreturn]] void fail(const char* what, zip_error_t* error) {
    std::string message = std::string("ZIP: ") + what;
    if (error) message += std::string(": ") + zip_error_strerror(error);
    throw std::runtime_error(message);
}

struct SourceFree {
    void operator()(zip_source_t* s) const { zip_source_free(s); }
};
using SourcePtr = std::unique_ptr<zip_source_t, SourceFree>;

} // namespace

std::string zipContainer(const OfficeParts& parts) {
    zip_error_t error;
    zip_error_init(&error);
    // The archive is written into this buffer source, which outlives the archive (kept below).
    SourcePtr buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) fail("bufor", &error);
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
    if (!archive) fail("otwarcie archiwum", &error);
    zip_source_keep(buffer.get());

    for (const OfficePart& part : parts) {
        // libzip reads the bytes when the archive is closed; the parts outlive that.
        zip_source_t* data = zip_source_buffer(archive, part.bytes.data(), part.bytes.size(), 0);
        if (!data) {
            zip_discard(archive);
            fail(part.path.c_str(), nullptr);
        }
        const zip_int64_t index =
            zip_file_add(archive, part.path.c_str(), data, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(data);
            zip_discard(archive);
            fail(part.path.c_str(), nullptr);
        }
        const zip_int32_t method = part.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
        if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), method, 0) < 0) {
            zip_discard(archive);
            fail(part.path.c_str(), nullptr);
        }
    }
    if (zip_close(archive) < 0) {
        zip_error_t* closeError = zip_get_error(archive);
        std::string message = zip_error_strerror(closeError);
        zip_discard(archive);
        throw std::runtime_error("ZIP: " + message);
    }

    std::string bytes;
    if (zip_source_open(buffer.get()) < 0) fail("odczyt archiwum", zip_source_error(buffer.get()));
    char chunk[65536];
    for (;;) {
        const zip_int64_t n = zip_source_read(buffer.get(), chunk, sizeof chunk);
        if (n < 0) {
            zip_source_close(buffer.get());
            fail("odczyt archiwum", zip_source_error(buffer.get()));
        }
        if (n == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    zip_source_close(buffer.get());
    return bytes;
}

void writeOfficeFile(const QString& path, const OfficeParts& parts) {
    const std::string bytes = zipContainer(parts);
    writeFileAtomically(toPath(path), bytes);
}

} // namespace tarnik
