// The reader of the description header: one-letter keys, line after line,
// up to the first D line.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// What a header line sets, by its key.
enum class HeaderKey {
    Other,          // a comment, a lower-case letter or a key this program does not know
    Caption,        // CA
    CommandMode,    // CM
    End,            // D
    Executable,     // E
    Help,           // H
    Install,        // I
    Patch,          // M
    SiteUrl,        // SITE_URL
    SiteLabel,      // SITE_EXPL
    Product,        // T
    VersionSource,  // U
    NewVersion,     // V
};

// The key of a header line; the line's cursor is left at its start.
HeaderKey headerKeyOf(FCString& line);

// The header lines that act at once, as they are read.
class HeaderLineHandler {
public:
    virtual ~HeaderLineHandler() = default;
    // Every line of the header, before it takes effect, with its key (a
    // tool that reports on a description looks at them; the run does not).
    virtual void lineRead(HeaderKey, const FCString&) {}
    // An I line, with the line's cursor at its value.  0 lets reading go
    // on; 1 or 2 end the run (the folder could not be found).
    virtual int installLine(RunSettings& settings, FCString& value) = 0;
    // A U line with a value, with the line's cursor at it.
    virtual void versionSourceLine(RunSettings& settings, FCString& value) = 0;
};

enum class HeaderEnd {
    DLine,          // a D line closed the header; the text's cursor is behind it
    NoMoreLines,    // the text ended without a D line
    InstallFailed,  // an I line ended the run; no later line was read
};

struct HeaderResult {
    HeaderEnd end;
    int installResult;  // the I line's result when end is InstallFailed, else 0
};

// Reads the header from the description text's cursor into settings,
// handing I and U lines to handler.  When the header ends (D line or end of
// text) the defaults for caption, executable name and help label are
// applied.  Never fails: unknown keys, bad numbers and missing fields are
// tolerated.
HeaderResult readHeader(FCString& description, RunSettings& settings, HeaderLineHandler& handler);

// Applies the defaults of the end of the header.
void applyHeaderDefaults(RunSettings& settings);
