// UxRnf: a settings file of "name=value" lines, read whole and written back
// whole (the text format is RnfFormat.h).
//
// An object that has loaded or saved a file writes it back when it is
// destroyed, sorted by name, whether or not an item changed.
#pragma once

#include "RnfFormat.h"

#include "foundation/text/FCString.h"

#include <cstdint>

class UxRnf {
public:
    UxRnf();
    UxRnf(const UxRnf&) = delete;
    UxRnf& operator=(const UxRnf&) = delete;
    // Saves to fileName() while the save is armed.
    virtual ~UxRnf();

    // Reads the file (unscrambling it when its first line says
    // 'rnftype=1,<key>').  fileName() names it even when it does not exist,
    // so that a later save creates it.  False when the file is missing or
    // empty.
    bool load(const char* fileName);
    // Adds the text's items; with keep false everything, the armed save
    // included, is dropped first.
    bool parse(const FCString& text, bool keep);
    // Writes the items to fileName (nullptr: fileName()).  A file whose
    // items say 'rnftype=1,<key>' is written with that line first and the
    // rest scrambled again, so that it stays readable; any other file is
    // written in plain text.  With deleteIfEmpty, no items remove the file.
    bool save(const char* fileName, bool deleteIfEmpty);

    // The item name, followed by the decimal index when index >= 0.
    bool getString(FCString& out, const char* name, std::int32_t index = -1) const;
    bool getInt(std::int32_t& out, const char* name, std::int32_t index = -1) const;
    // As getInt; a missing item gives fallback, and is created with it when
    // writeDefault is set.
    bool getInt(std::int32_t& out, const char* name, std::int32_t fallback, std::int32_t index,
                bool writeDefault);
    void setString(const char* name, const char* value, std::int32_t index = -1);
    void setInt(const char* name, std::int32_t value, std::int32_t index = -1);

    void markModified() { flags_ = 1; }
    void clear();
    const FCString& fileName() const { return fileName_; }
    const RnfItems& items() const { return items_; }

private:
    // Writes the items: plain, or the type line and the scrambled rest.
    bool writeItems(const char* path);

    FCString fileName_;
    RnfItems items_;
    std::uint32_t flags_ = 1;
};
