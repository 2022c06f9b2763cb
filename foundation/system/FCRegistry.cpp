#include "FCRegistry.h"

#include "FCHeap.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct HeapBlockFree {
    void operator()(char* block) const { FCHeap::free(block); }
};
using HeapText = std::unique_ptr<char[], HeapBlockFree>;

// Class names are rarely longer than this; a longer one is fetched again
// into a larger block from the process heap.
const DWORD kShortClassName = 64;
// The system keeps a class name in at most 65,534 bytes of UTF-16, so no
// ANSI class name needs a larger buffer than this.
const DWORD kLongestClassBuffer = 0x10000;

DWORD withRoomForNul(DWORD length)
{
    return length + 2;
}

}  // namespace

FCRegistry::~FCRegistry()
{
    close();
}

bool FCRegistry::open(HKEY root, const char* subKey, REGSAM access)
{
    close();
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, access, &key) != ERROR_SUCCESS)
        return false;
    key_ = key;
    root_ = root;
    subKey_ = subKey;
    queryInfo();
    return true;
}

bool FCRegistry::queryInfo()
{
    info_ = KeyInfo();
    className_.clear();
    if (!isOpen())
        return false;

    char shortName[kShortClassName];
    HeapText longName;
    char* classBuffer = shortName;
    DWORD bufferSize = kShortClassName;
    DWORD classLength = bufferSize;
    KeyInfo info;
    auto query = [&]() {
        return RegQueryInfoKeyA(key_, classBuffer, &classLength, nullptr, &info.subKeyCount,
                                &info.maxSubKeyNameLength, &info.maxClassLength, &info.valueCount,
                                &info.maxValueNameLength, &info.maxValueLength,
                                &info.securityDescriptorSize, nullptr);
    };
    LONG result = query();
    while (result == ERROR_MORE_DATA) {
        // Windows answers with the class name's length without its NUL;
        // Wine only with what fitted.  Growing at least twofold serves both.
        bufferSize = (std::max)(classLength + 1, 2 * bufferSize);
        if (bufferSize > kLongestClassBuffer)
            return false;
        longName.reset(static_cast<char*>(FCHeap::malloc(bufferSize)));
        if (!longName)
            return false;
        classBuffer = longName.get();
        classLength = bufferSize;
        result = query();
    }
    if (result != ERROR_SUCCESS)
        return false;

    info.classNameLength = classLength;
    className_.assign(classBuffer, classLength);
    if (info.classNameLength != 0)
        info.classNameLength = withRoomForNul(info.classNameLength);
    info.maxSubKeyNameLength = withRoomForNul(info.maxSubKeyNameLength);
    info.maxClassLength = withRoomForNul(info.maxClassLength);
    info.maxValueNameLength = withRoomForNul(info.maxValueNameLength);
    info.maxValueLength = withRoomForNul(info.maxValueLength);
    info_ = info;
    return true;
}

void FCRegistry::close()
{
    if (!isOpen())
        return;
    RegCloseKey(key_);
    key_ = nullptr;
    info_ = KeyInfo();
    className_.clear();
}

std::optional<std::string> FCRegistry::queryRaw(const char* name) const
{
    if (!isOpen())
        return std::nullopt;
    DWORD size = 0;
    if (RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    // A std::string keeps a NUL behind its bytes, so a text stored without
    // its own terminator still ends where the data ends.
    std::string data(size, '\0');
    DWORD read = size;
    if (RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                         &read) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(read);
    return data;
}

const FCString& FCRegistry::getString(const char* name)
{
    return getString(name, nullptr);
}

const FCString& FCRegistry::getString(const char* name, const char* defaultText)
{
    value_ = defaultText;
    if (std::optional<std::string> raw = queryRaw(name))
        value_ = raw->c_str();
    return value_;
}

bool FCRegistry::setValue(const char* name, DWORD type, const void* data, DWORD size)
{
    if (!isOpen())
        return false;
    return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

bool FCRegistry::setString(const char* name, const char* text)
{
    if (text == nullptr)
        text = "";
    std::size_t length = std::strlen(text);
    if (length >= MAXDWORD)
        return false;
    return setValue(name, REG_SZ, text, static_cast<DWORD>(length + 1));
}
