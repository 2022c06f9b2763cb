#include "RnfFormat.h"

#include "foundation/text/TextPlatform.h"

#include <string>

namespace {

const char kNameEnd[] = "= \t";

}  // namespace

bool RnfNameOrder::operator()(const FCString& a, const FCString& b) const
{
    return textplatform::compareText(a.text(), b.text()) < 0;
}

bool parseRnfText(const FCString& source, RnfItems& items)
{
    if (source.empty())
        return false;
    FCString text(source);
    text.rewind();
    FCString line;
    while (text.readLine(line, true, true)) {
        if (line.currentChar() == ';')
            continue;
        const char* start = line.text();
        const char* nameEnd = line.findAny(kNameEnd);
        if (nameEnd == nullptr)
            nameEnd = start + line.length();
        // A line that starts with "=" is the item with the empty name: it is
        // kept, so that rewriting the file does not lose the line.
        FCString name;
        name.assign(start, static_cast<std::size_t>(nameEnd - start));
        FCString value;
        const char* valueStart = line.skipSet(kNameEnd);
        if (valueStart != nullptr) {
            const char* valueEnd = line.findAny("\t");
            if (valueEnd == nullptr)
                valueEnd = start + line.length();
            value.assign(valueStart, static_cast<std::size_t>(valueEnd - valueStart));
        }
        items.emplace(name, value);
    }
    return true;
}

FCString formatRnfText(const RnfItems& items)
{
    std::string text;
    for (const auto& item : items) {
        text.append(item.first.text(), static_cast<std::size_t>(item.first.length()));
        text += '=';
        text.append(item.second.text(), static_cast<std::size_t>(item.second.length()));
        text += '\n';
    }
    FCString out;
    out.assign(text.data(), text.size());
    return out;
}

bool readRnfType(const FCString& firstLine, std::int32_t& mode, std::uint32_t& key)
{
    FCString line(firstLine);
    line.rewind();
    line.skipSet(" \t");
    FCString name;
    if (line.cutToken(name, kNameEnd) == nullptr)
        return false;
    name.toLower();
    if (!name.equals("rnftype"))
        return false;
    // Blanks may stand around the "=" and the ",".
    line.skipSet(kNameEnd);
    mode = line.toInt(true);
    key = 0;
    if (line.findChar(',') != nullptr && line.skipSet(", \t") != nullptr)
        key = line.toUnsigned(true);
    return true;
}
