// Any bytes given as a palette file: a palette or a reason, never a crash. A
// palette that was read is written and read back unchanged.

#include "FuzzSetup.h"
#include "document/PaletteFile.h"

#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<PalettePicture> palette = decodePaletteFile(bytes, &error);
    if (!palette) return 0;
    const std::optional<PalettePicture> back = decodePaletteFile(paletteFileBytes(*palette));
    if (!back || back->entries() != palette->entries()) {
        std::fprintf(stderr, "a palette read does not survive writing\n");
        std::abort();
    }
    return 0;
}
