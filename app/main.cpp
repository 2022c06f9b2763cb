// brantlewick.exe: no window of its own and no arguments; one run, then
// exit code 0 whatever happened.
#include "RunSequence.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    runPatch();
    return 0;
}
