// Feeds any bytes to the settings-file text format (parsing, the type line,
// writing the items back and reading them again) and to its scrambling,
// which must give back every byte it was given.
#include "foundation/files/Scramble.h"
#include "foundation/system/RnfFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FCString text;
    text.assign(reinterpret_cast<const char*>(data), size);
    RnfItems items;
    parseRnfText(text, items);
    FCString line;
    text.rewind();
    if (text.readLine(line, 0x11)) {
        std::int32_t mode = 0;
        std::uint32_t key = 0;
        readRnfType(line, mode, key);
    }
    FCString written = formatRnfText(items);
    RnfItems again;
    parseRnfText(written, again);

    if (size >= 5) {
        std::uint32_t key;
        std::memcpy(&key, data, sizeof key);
        std::int32_t skipLines = data[4] % 4;
        std::vector<char> bytes(data + 5, data + size);
        std::vector<char> original = bytes;
        scramble::encode(bytes.data(), bytes.size(), key, skipLines);
        scramble::decode(bytes.data(), bytes.size(), key, skipLines);
        if (bytes != original)
            std::abort();
    }
    return 0;
}
