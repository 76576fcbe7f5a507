// Any bytes either read as a list or are refused with a line number within the file. What was
// read saves as JSON and reads back the same. Anything else (a crash, a sanitizer report, a hang,
// a different list) is a finding.

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
        if (read.line < 1 || read.line > bytes.count('\n') + 1 || !read.rows.isEmpty()) {
            std::fprintf(stderr, "refused at line %d of %lld\n", read.line,
                         static_cast<long long>(bytes.count('\n') + 1));
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
