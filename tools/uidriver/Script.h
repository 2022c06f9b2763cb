// A script of user actions, one command a line; blank lines and lines
// starting with "#" are skipped.  Texts are UTF-8 in the file and compared
// as code page 932; in them "\n", "\t" and "\\" stand for a line feed, a
// tab and a backslash.  Ids are decimal or 0x hex.
//
//   timeout MS          the limit for the waits below (default 10000 ms)
//   window TITLE        wait for a window of the program with exactly this
//                       title; it becomes the current window (fails at
//                       once when the program has ended)
//   msgbox TITLE        the same for a message box (class "#32770"); its
//                       text is control 0xFFFF
//   text ID TEXT        the current window's control ID shows exactly TEXT
//   await ID TEXT       the same, waiting until it does: the program may
//                       still be at work after a press
//   awaitnot ID TEXT    wait until the control shows anything but TEXT
//   awaithas ID TEXT    wait until the control's text holds TEXT
//   print ID            write the control's text to the output, as
//                       "ID: TEXT" (UTF-8, a line feed written "\n")
//   say TEXT            write TEXT to the output (a mark for a watcher)
//   clock TEXT          write "TEXT: MS", the milliseconds since the
//                       driver started (for timing a run from a script)
//   watch               from here on, send the current window WM_NULL
//                       every 100 ms and note how long each answer takes
//   watched MS          end the watch and write "answers: N, longest: MS";
//                       fails when nothing was sampled or the longest
//                       answer took MS or more
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
//   answer IDS [FILE]   from here on, every message box of the program
//                       (class "#32770" with a text control 0xFFFF) that
//                       shows up while a line waits is answered with the
//                       first of IDS (button ids separated by ",") that it
//                       offers, and written to the output as
//                       "box: TITLE | TEXT | ID".  With FILE, before the
//                       first answer the driver creates FILE and waits until
//                       it is gone: tools/holdfile lets go of the file it
//                       holds when FILE appears, and then removes FILE.
//   again [PROGRAM]     start the program once more, or PROGRAM, after an
//                       exit line; the lines that follow act on the new run
//
// A script without an "exit" line ends with an implied "exit 0".
#pragma once

#include "AnswerWatch.h"
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
    // Polls found() until it holds or ms have passed, answering the
    // program's message boxes meanwhile; false with error set when a box
    // offers none of the answers.
    template <class F>
    bool waitFor(Target& target, DWORD ms, F found, std::string& error);
    bool answerBoxes(Target& target, std::string& error);

    std::vector<Line> lines_;
    DWORD timeout_ = 10000;
    HWND current_ = nullptr;
    bool exitChecked_ = false;
    std::vector<int> answers_;
    std::string releaseFile_;  // created before the first answer, when set
    AnswerWatch watch_;
    LARGE_INTEGER started_ = startTime();

    static LARGE_INTEGER startTime();
};
