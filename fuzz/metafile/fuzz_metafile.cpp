// Feeds arbitrary bytes to the metafile renderer. Seed corpus: tests/data/metafile.

#include "input/metafile/Metafile.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    // Fonts and painting need a GUI application; the offscreen platform needs no display.
    // Qt must not see the fuzzer's own options, which it would take or reject.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication app(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    // Drawings beyond 16 MiB of pixels are drawn smaller, keeping each run small.
    const std::optional<QImage> image = RenderMetafile(bytes, 96, &error, qint64(4) << 20);
    if (!image && error.isEmpty()) {
        __builtin_trap(); // a refusal always says why
    }
    return 0;
}
