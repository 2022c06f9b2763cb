// The maker's two commands:
//
//   brantlewick-check --make [--product NAME] [--version N] [--version-source U-VALUE]
//                     --install I-VALUE [--keep-removed] [--replace-ini] [--json]
//                     OLD_FOLDER NEW_FOLDER PATCH_FOLDER
//     makes the patch that turns OLD_FOLDER into NEW_FOLDER in PATCH_FOLDER
//     (empty or missing), and proves it.  Exit code: 0 verified, 1 when
//     the check warns or the rehearsal's result differs, 2 when no patch
//     could be made.
//
//   brantlewick-check --prove [--json] OLD_FOLDER NEW_FOLDER PATCH_FOLDER
//     proves a patch made before (or by hand).  Exit code: 0 verified, 1
//     as above, 2 when the rehearsal could not run.
#pragma once

// argv[1] is the command's own option.
int makePatch(int argc, char** argv);
int provePatch(int argc, char** argv);
