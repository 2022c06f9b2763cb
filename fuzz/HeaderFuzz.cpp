// Feeds any bytes to the description header reader, with the run's own
// version-source parser behind U lines.  I lines take the value as the
// install folder and sometimes end the run, as a failed detection does.
#include "app/HeaderReader.h"
#include "app/VersionSource.h"

#include <cstddef>
#include <cstdint>

namespace {

class FuzzHandler : public HeaderLineHandler {
public:
    int installLine(RunSettings& settings, FCString& value) override
    {
        settings.installFolder = value.rest();
        return value.toInt(true) == 2 ? 2 : 0;
    }
    void versionSourceLine(RunSettings& settings, FCString& value) override
    {
        parseVersionSource(settings, value);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FCString text;
    text.assign(reinterpret_cast<const char*>(data), size);
    RunSettings settings;
    FuzzHandler handler;
    HeaderResult result = readHeader(text, settings, handler);
    if (result.end == HeaderEnd::DLine) {
        // The command section is read from where the header stopped.
        FCString line;
        while (text.readLine(line, true, false)) {
        }
    }
    return 0;
}
