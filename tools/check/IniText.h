// An INI file's sections, keys and values as the platform's profile
// strings read them: names in any case, blanks around names and values
// dropped, comment lines (";") skipped, the first of two equal keys found.
#pragma once

#include <string>
#include <vector>

struct IniKey {
    std::string section;  // as written (code page 932)
    std::string key;
    std::string value;
};

class IniText {
public:
    explicit IniText(const std::string& bytes);

    // In the file's order, each key once.
    const std::vector<IniKey>& keys() const { return keys_; }
    // The key of that section, names in any case; nullptr when there is none.
    const IniKey* find(const std::string& section, const std::string& key) const;

private:
    std::vector<IniKey> keys_;
};

// Whether two names are one name for the profile strings.
bool sameIniName(const std::string& a, const std::string& b);

// What the newer file adds or changes, and what it no longer has.
struct IniDifference {
    std::vector<IniKey> written;  // keys the newer file adds or gives another value
    std::vector<IniKey> removed;  // keys only the older file has
    bool empty() const { return written.empty() && removed.empty(); }
};
IniDifference iniDifference(const IniText& older, const IniText& newer);

// Whether an "i" record can write the key: the record's fields end at ";"
// or a tab, and its section, key and value at ","; an empty section or key
// cannot be written.
bool iniRecordCanWrite(const IniKey& key);
