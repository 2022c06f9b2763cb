#include "TextFile.h"

#include "HeapBlock.h"
#include "Scramble.h"

#include <cstdint>
#include <cstring>

namespace {

// The bytes from the file's position to its end.
std::uint64_t bytesLeft(const FCFile& file)
{
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position;
    if (!SetFilePointerEx(file.handle(), zero, &position, FILE_CURRENT))
        return 0;
    std::uint64_t size = file.size();
    auto at = static_cast<std::uint64_t>(position.QuadPart);
    return at < size ? size - at : 0;
}

}  // namespace

bool readFile(FCString& text, FCFile& file, std::uint32_t byteCount,
              std::optional<std::uint32_t> key, std::int32_t skipLines)
{
    if (!file.isOpen())
        return false;
    std::uint64_t wanted = bytesLeft(file);
    if (byteCount != 0 && byteCount < wanted)
        wanted = byteCount;
    // A string counts its bytes in 32 bits; a longer content is a block we
    // cannot have, found out before anything is read.
    if (wanted > static_cast<std::uint64_t>(INT32_MAX))
        return false;
    auto count = static_cast<std::uint32_t>(wanted);
    HeapBlock block(count);
    if (block.data() == nullptr)
        return false;
    std::uint32_t got = 0;
    while (got < count) {
        std::uint32_t n = file.read(block.data() + got, count - got);
        if (n == 0)
            break;
        got += n;
    }
    if (key)
        scramble::decode(block.data(), got, *key, skipLines);
    text.assign(block.data(), got);
    return true;
}

bool readFile(FCString& text, const char* name, std::uint32_t byteCount,
              std::optional<std::uint32_t> key, std::int32_t skipLines)
{
    FCFile file;
    file.openForRead(name);
    return readFile(text, file, byteCount, key, skipLines);
}

bool writeFile(const FCString& text, FCFile& file, std::optional<std::uint32_t> key,
               std::int32_t skipLines)
{
    if (!file.isOpen())
        return false;
    auto count = static_cast<std::uint32_t>(text.length());
    if (!key)
        return file.writeAll(text.text(), count);
    // The scrambled form is made in a copy: scrambling the text in place
    // would change every string that shares it, and a write that ends in an
    // exception would leave it scrambled.
    HeapBlock copy(count);
    if (copy.data() == nullptr)
        return false;
    std::memcpy(copy.data(), text.text(), count);
    scramble::encode(copy.data(), count, *key, skipLines);
    return file.writeAll(copy.data(), count);
}

bool writeFile(const FCString& text, const char* name)
{
    FCFile file;
    file.openForUpdate(name);
    bool written = writeFile(text, file);
    return SetEndOfFile(file.handle()) != FALSE && written;
}
