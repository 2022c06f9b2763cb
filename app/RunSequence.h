// One run of the program, from finding the description file to recording
// the new version.
#pragma once

// Runs the update described by "brantlewick.dat" beside the executable.
// Every way through ends here in order; the foundation's exceptions (no
// memory, Cancel in a file prompt) end the run without a further change and
// without recording the new version.
void runPatch();
