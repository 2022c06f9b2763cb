// A script of user actions, one command a line; blank lines and lines
// starting with "#" are skipped.  Texts are UTF-8 in the file and compared
// as code page 932; in them "\n", "\t" and "\\" stand for a line feed, a
// tab and a backslash.  Ids are decimal or 0x hex.
//
//   timeout MS          the limit for the waits below (default 10000 ms)
//   window TITLE        wait for a window of the program with exactly this
//                       title; it becomes the current window
//   msgbox TITLE        the same for a message box (class "#32770"); its
//                       text is control 0xFFFF
//   text ID TEXT        the current window's control ID shows exactly TEXT
//   await ID TEXT       the same, waiting until it does: the program may
//                       still be at work after a press
//   visible ID | hidden ID | enabled ID | disabled ID
//   press ID            click the button, failing unless a user could:
//                       it and its window must be visible and enabled
//   escape              press Esc in the current window
//   close               the current window's close box
//   browse FOLDER       in the current window, a folder browser, open its
//                       folder tree down to FOLDER ("Z:\\dir\\sub", with a
//                       final "\\" or without) by the names it shows and
//                       click that folder: the drive among the folders
//                       below the tree's top item, then each folder in
//                       turn; OK is then "press 1"
//   gone                wait until the current window has closed
//   absent MS TITLE     no window with this title shows up within MS
//   exit CODE           wait for the program to end with this exit code
//   again [PROGRAM]     start the program once more, or PROGRAM, after an
//                       exit line; the lines that follow act on the new run
//
// A script without an "exit" line ends with an implied "exit 0".
#pragma once

#include "TargetProcess.h"

#include <string>
#include <vector>

class Script {
public:
    bool load(const char* path, std::string& error);
    bool run(Target& target, std::string& error);

private:
    struct Line {
        int number;
        std::string command;
        std::string rest;  // code page 932
    };
    bool step(Target& target, const Line& line, std::string& error);

    std::vector<Line> lines_;
    DWORD timeout_ = 10000;
    HWND current_ = nullptr;
    bool exitChecked_ = false;
};
