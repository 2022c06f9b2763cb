#include "IniText.h"

#include "foundation/text/MbText.h"

namespace {

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    std::size_t start = text.find_first_not_of(blanks);
    if (start == std::string::npos)
        return {};
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

std::string folded(const std::string& name)
{
    return mb::changeCase(name.c_str(), false);
}

}  // namespace

IniText::IniText(const std::string& bytes)
{
    std::string section;
    bool inSection = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            std::size_t close = line.find(']');
            section = trimmed(line.substr(1, close == std::string::npos ? close : close - 1));
            inSection = true;
            continue;
        }
        std::size_t equals = line.find('=');
        // Keys before the first section are not found by the profile strings.
        if (!inSection || equals == std::string::npos)
            continue;
        IniKey key{section, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
        if (!find(key.section, key.key))
            keys_.push_back(key);
    }
}

const IniKey* IniText::find(const std::string& section, const std::string& key) const
{
    for (const IniKey& entry : keys_) {
        if (sameIniName(entry.section, section) && sameIniName(entry.key, key))
            return &entry;
    }
    return nullptr;
}

bool sameIniName(const std::string& a, const std::string& b)
{
    return a == b || folded(a) == folded(b);
}

IniDifference iniDifference(const IniText& older, const IniText& newer)
{
    IniDifference difference;
    for (const IniKey& key : newer.keys()) {
        const IniKey* before = older.find(key.section, key.key);
        if (!before || before->value != key.value)
            difference.written.push_back(key);
    }
    for (const IniKey& key : older.keys()) {
        if (!newer.find(key.section, key.key))
            difference.removed.push_back(key);
    }
    return difference;
}

bool iniRecordCanWrite(const IniKey& key)
{
    const char* ends = ",;\t";
    return !key.section.empty() && !key.key.empty() &&
           mb::findAny(key.section.c_str(), ends) == nullptr &&
           mb::findAny(key.key.c_str(), ends) == nullptr &&
           mb::findAny(key.value.c_str(), ends) == nullptr;
}
