// Drives the scanning operations of FCString over any bytes: the first byte
// chooses the delimiters and flags, the rest is the text.
#include "foundation/text/FCString.h"

#include <cstddef>
#include <cstdint>

namespace {

const char* const kDelimiters[] = {";", "; \t", ",", "\r\n", " ", "\\", "\201@ ", "=\t"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    const char* delims = kDelimiters[choice & 7];
    FCString text;
    text.assign(reinterpret_cast<const char*>(data + 1), size - 1);

    FCString out;
    while (text.cutToken(out, delims, (choice & 8) != 0)) {
    }
    text.rewind();
    while (text.nextField(out, delims, (choice & 16) != 0) != 0) {
    }
    text.rewind();
    FCString fields[4];
    text.splitFields(fields, 4, delims, static_cast<int>(choice >> 5) & 3, (choice & 128) ? " " : nullptr,
                     nullptr, nullptr);
    text.rewind();
    const int lineFlags[] = {1, 3, 0x11, 0, 0x8000 | 0x700, 0x8000 | 0x4100};
    while (text.readLine(out, lineFlags[choice % 6])) {
    }

    FCString copy(text);
    copy.move(0, 2);
    copy.skipSet(delims, true);
    copy.rewind();
    copy.find("ab", (choice & 1) ? delims : nullptr);
    copy.rewind();
    copy.findLastOf(delims);
    copy.rewind();
    while (copy.next()) {
        copy.currentChar();
    }
    while (copy.prev()) {
    }
    copy.toInt(true);
    copy.toUnsigned(false);
    copy.replace(delims, "%1");
    copy.convert(-2);
    copy.convert(-3);
    copy.toUpper();
    copy.append(text.text(), static_cast<std::int32_t>(choice));
    return 0;
}
