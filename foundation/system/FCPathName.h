// FCPathName: one absolute path, built from a text, a folder code or the
// user's choice in the shell's folder browser, and cut into its parts.
//
// A path whose text ends with "\\" names a folder; any other path names a
// file.  Paths are never normalised: "." and "..", doubled separators and
// "/" stay as written.
#pragma once

#include "foundation/text/FCString.h"

#include <windows.h>

class FCPathName {
public:
    // Folder codes beside the shell's special folders (CSIDL values).
    enum FolderCode {
        kExecutableFile = 30583,
        kExecutableFolder = 30584,
        kCurrentFolder = 30585,
        kWindowsFolder = 30586,
        kSystemFolder = 30587,
        kTemporaryFolder = 30588,
    };

    FCPathName();                                 // the current folder
    explicit FCPathName(const char* text);        // set(text)
    explicit FCPathName(const FCString& text);    // set(text)
    explicit FCPathName(int folderCode);          // setFolder(code)
    FCPathName(const FCPathName& other) = default;
    FCPathName& operator=(const FCPathName& other) = default;
    virtual ~FCPathName();

    // The current folder followed by the text of other, whatever it is.
    virtual void setRelative(const FCPathName& other);
    virtual void set(const FCString& text);
    // "%:" + rest: the first CD-ROM drive + rest; "\\\\..." or "X:...":
    // taken as it is; anything else is relative to the current folder.  A
    // missing text means the current folder.
    virtual void set(const char* text);
    // Builds the path from a folder code; codes without a folder leave it
    // empty.  withSeparator asks for a final "\\".
    virtual void setFolder(int code, bool withSeparator);
    virtual void setFolder(int code);
    // The current folder with a final "\\"; unchanged (after an error box)
    // when it cannot be read.
    virtual void setCurrent();

    const FCString& path() const { return path_; }
    const char* text() const { return path_.text(); }

    bool endsWithoutSeparator() const;
    void addSeparator();
    // The text up to the last "\\"; false (out unchanged) without one after
    // the first character.
    bool folderPart(FCString& out, bool withSeparator) const;
    FCString fileName() const;
    FCString lastName() const;
    bool isUnc() const;
    void rootPart(FCString& out) const;
    bool hasExtension(const char* ext) const;
    // The text before the last separator ("/" with 0x1000000, else "\\");
    // 1 keeps the separator, 0x10 appends to out, 8 tries the other
    // separator when the first does not occur.  False when no part of at
    // least two characters results.
    bool headPart(FCString& out, int flags) const;
    // Lets the user choose a folder below the special folder rootCode,
    // opening at initial.  True, with the path set (final "\\"), when a
    // folder was chosen; otherwise the path is unchanged.
    bool browse(HWND owner, int rootCode, const char* title, UINT flags, const char* initial);

    // The first CD-ROM drive as "X:", empty when there is none.  A found
    // drive is kept for the life of the process.
    static FCString firstCdRomDrive();

private:
    // Puts the current folder with a final "\\" into out; false after the
    // error box when it cannot be read.
    static bool currentFolder(FCString& out);
    void setText(const char* text);

    FCString path_;
};
