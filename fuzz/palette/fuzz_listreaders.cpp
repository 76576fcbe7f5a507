// Any bytes either read as a list or are refused with a line number or a byte offset within the
// file. What was read saves as JSON and reads back the same. Anything else (a crash, a sanitizer
// report, a hang, a different list) is a finding.

#include "palette/ListFormats.h"
#include "palette/ListReaders.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ListRead read = ReadList(bytes);
    if (!read.ok()) {
        // A binary file is refused at a byte within it; a text at one of its lines (XML ends a
        // line at a carriage return too), and a zip's XML at a line of the member, which the
        // zip's bytes do not count.
        const bool zip = bytes.startsWith("PK");
        const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
        const bool placed = read.offset >= 0 ? read.offset <= bytes.size()
                                             : read.line >= 1 && (zip || read.line <= lines);
        if (!placed || !read.rows.isEmpty()) {
            std::fprintf(stderr, "refused at line %d, byte %lld of %lld\n", read.line,
                         static_cast<long long>(read.offset), static_cast<long long>(bytes.size()));
            std::abort();
        }
        return 0;
    }
    const ListRead again = ReadJsonList(WriteJson(read.rows));
    if (!again.ok() || again.rows != read.rows) {
        std::fprintf(stderr, "saved as JSON, read back %s\n", qPrintable(again.error));
        std::abort();
    }
    return 0;
}
