// uidriver: plays the user of another program from a second process.
//
//   uidriver SCRIPT PROGRAM
//
// Starts PROGRAM (its own folder as the working folder), then carries out
// SCRIPT line by line against the windows of that process, touching only
// what a user could touch: visible, enabled controls of a window that is not
// disabled by a modal child.  The first line that does not hold ends the run
// with exit code 1 and a message naming that line; the program is then
// terminated so that nothing of a failed run stays behind.  Script format:
// see Script.h.
#include "Script.h"
#include "TargetProcess.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: uidriver SCRIPT PROGRAM\n");
        return 2;
    }
    // Every text we compare is read through the ANSI window calls, so the
    // script's texts are only right when that code page is the one they are
    // converted to.
    if (GetACP() != 932) {
        std::fprintf(stderr, "uidriver: the ANSI code page is %u, not 932 (run with LC_ALL=ja_JP.UTF-8)\n",
                     GetACP());
        return 2;
    }
    std::string error;
    Script script;
    if (!script.load(argv[1], error)) {
        std::fprintf(stderr, "uidriver: %s\n", error.c_str());
        return 2;
    }
    Target target;
    if (!target.start(argv[2], error)) {
        std::fprintf(stderr, "uidriver: %s\n", error.c_str());
        return 2;
    }
    if (!script.run(target, error)) {
        target.kill();
        std::fprintf(stderr, "uidriver: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
