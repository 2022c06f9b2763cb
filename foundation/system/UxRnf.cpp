#include "UxRnf.h"

#include "FCPathName.h"

#include "foundation/files/FCFile.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/files/PartFile.h"
#include "foundation/files/TextFile.h"

#include <windows.h>

namespace {

FCString itemName(const char* name, std::int32_t index)
{
    FCString full(name);
    if (index >= 0)
        full.appendInt(index);
    return full;
}

// The item that carries the file's type line, whatever the case of its
// name; nullptr when there is none.
const RnfItems::value_type* typeItem(const RnfItems& items)
{
    for (const auto& item : items) {
        FCString lower(item.first);
        lower.toLower();
        if (lower.equals("rnftype"))
            return &item;
    }
    return nullptr;
}

}  // namespace

UxRnf::UxRnf()
{
    markModified();
}

UxRnf::~UxRnf()
{
    if ((flags_ & 1) == 0 || fileName_.empty())
        return;
    try {
        save(nullptr, false);
    } catch (...) {
        // The user gave up on the file in its Retry/Cancel box, or memory
        // ran out before anything was written; a destructor has nobody to
        // hand that on to.
    }
}

void UxRnf::clear()
{
    items_.clear();
    fileName_.clear();
}

bool UxRnf::parse(const FCString& text, bool keep)
{
    if (!keep) {
        clear();
        flags_ = 0;
    }
    return parseRnfText(text, items_);
}

bool UxRnf::load(const char* fileName)
{
    clear();
    if (fileName == nullptr)
        return false;
    FCPathName path(fileName);
    if (!FCFile::exists(path.text())) {
        fileName_ = path.text();
        return false;
    }
    FCString head;
    head.create(65536, nullptr);
    readFile(head, path.text(), 1024);
    FCString firstLine;
    std::int32_t mode = 0;
    std::uint32_t key = 0;
    bool typed = head.readLine(firstLine, 0x11) && readRnfType(firstLine, mode, key);
    FCString text;
    if (typed && mode == 1)
        readFile(text, path.text(), 0, key, 1);
    else
        readFile(text, path.text(), 0);
    // The file is named, and so rewritten by the destructor, only once its
    // items are read whole: memory that runs out or a read given up on
    // halfway must not leave the file cut down to what was read so far.
    RnfItems items;
    bool parsed = parseRnfText(text, items);
    items_.swap(items);
    fileName_ = path.text();
    return parsed;
}

bool UxRnf::writeItems(const char* path)
{
    const RnfItems::value_type* type = typeItem(items_);
    std::int32_t mode = 0;
    std::uint32_t key = 0;
    FCString typeLine;
    if (type != nullptr) {
        typeLine = type->first;
        typeLine.append("=");
        typeLine.append(type->second.text());
        readRnfType(typeLine, mode, key);
    }
    std::optional<std::uint32_t> scrambleKey;
    FCString text;
    if (mode == 1) {
        // A scrambled file keeps its type line in front, in plain text, and
        // the rest scrambled with its key, so that the next load can read it.
        RnfItems rest(items_);
        rest.erase(type->first);
        text = typeLine;
        text.append("\n");
        text.append(formatRnfText(rest).text());
        scrambleKey = key;
    } else {
        text = formatRnfText(items_);
    }
    // The new text is written whole beside the file and only then takes
    // its place: a text that cannot be made or written leaves the file as
    // it was.
    PartFile file(path);
    return writeFile(text, file.file(), scrambleKey, 1) && file.place();
}

bool UxRnf::save(const char* fileName, bool deleteIfEmpty)
{
    FCString target(fileName != nullptr ? fileName : fileName_.text());
    if (target.empty())
        return false;
    FCPathName path(target);
    bool done;
    if (items_.empty() && deleteIfEmpty && FCFile::exists(path.text())) {
        done = FCFileUty::remove(path.text(), 1);
    } else {
        done = writeItems(path.text());
    }
    fileName_ = path.text();
    return done;
}

bool UxRnf::getString(FCString& out, const char* name, std::int32_t index) const
{
    auto it = items_.find(itemName(name, index));
    if (it == items_.end())
        return false;
    out = it->second;
    return true;
}

bool UxRnf::getInt(std::int32_t& out, const char* name, std::int32_t index) const
{
    FCString value;
    if (!getString(value, name, index))
        return false;
    out = value.toInt();
    return true;
}

bool UxRnf::getInt(std::int32_t& out, const char* name, std::int32_t fallback, std::int32_t index,
                   bool writeDefault)
{
    if (getInt(out, name, index))
        return true;
    out = fallback;
    if (writeDefault)
        setInt(name, fallback, index);
    return false;
}

void UxRnf::setString(const char* name, const char* value, std::int32_t index)
{
    items_[itemName(name, index)] = FCString(value);
}

void UxRnf::setInt(const char* name, std::int32_t value, std::int32_t index)
{
    FCString text;
    text.setInt(value);
    setString(name, text.text(), index);
}
