// FCFileUty: the path-level file operations: copying files and folder trees
// under an overwrite policy, removing them with a per-item handler whose
// default asks the user, moving, comparing times, status and attributes.
#pragma once

#include "foundation/text/FCString.h"

#include <windows.h>

#include <cstdint>

class FCFileUty {
public:
    // The status word.
    static constexpr std::uint32_t STATUS_EXISTS = 0x80000000u;
    static constexpr std::uint32_t STATUS_ACCESS_DENIED = 0x40000000u;
    static constexpr std::uint32_t STATUS_LOCKED = 0x08000000u;
    static constexpr std::uint32_t STATUS_SHARED = 0x04000000u;

    // Copy flags.
    static constexpr std::uint32_t COPY_IF_NEWER = 0x10000u;
    static constexpr std::uint32_t COPY_SKIP_EXISTING = 0x20000u;
    static constexpr std::uint32_t COPY_OVERWRITE = 0x40000u;
    static constexpr std::uint32_t COPY_ASK = 0x800000u;

    // Results of copyEntry and removeEntry besides a handler's own.
    static constexpr int kDone = 0;
    // The system could not make a file's copy (the old file, if any, stays).
    static constexpr int kFailed = 1;
    static constexpr int kAborted = 3;
    static constexpr int kMissing = -1;

    // Results a remove handler gives.
    static constexpr int kRetry = 4;
    static constexpr int kForceAndRetry = 0x1004;

    // (event, a, b): 1 before a top-level operation, 2 after it, 3 before
    // each copy (0 aborts), 4 at the end of each copy entry.  Paths are
    // passed as the addresses of their texts.
    using Progress = int (*)(int event, std::intptr_t a, std::intptr_t b);
    // (flags, error code, path, 0, value): what to do with an item that
    // could not be removed.
    using RemoveHandler = int (*)(std::uint32_t flags, DWORD* error, const char* path, int reserved,
                                  std::intptr_t value);

    static bool copy(const char* destination, const char* source, std::uint32_t flags,
                     Progress progress = nullptr, std::intptr_t value = 0, std::intptr_t extra = 0);
    static int copyEntry(const char* destination, const char* source, const std::uint32_t* flags,
                         Progress progress, std::intptr_t value, std::intptr_t extra);

    static bool remove(const char* path, int force, Progress progress = nullptr,
                       RemoveHandler handler = nullptr, std::intptr_t value = 0);
    static int removeEntry(const char* path, int* force, Progress progress, RemoveHandler handler,
                           std::intptr_t value);
    static int defaultRemoveHandler(std::uint32_t flags, DWORD* error, const char* path, int reserved,
                                    std::intptr_t value);

    // Names the folder below which the parts folder lies: a run names its
    // install folder, so that a run ended halfway leaves its part file in
    // one place, which the next run takes up and removes.  Without one (or
    // with an empty text) the parts folder lies beside each file.
    static void setPartsFolder(const char* folder);
    // The name under which a file's new bytes are written before they take
    // its place: in the parts folder ("~brantlewick-parts\\").
    static FCString partNameOf(const char* path);
    // The same, with the parts folder made; the folder is remembered for
    // removePartFolders.
    static FCString makePartName(const char* path);
    // Removes the parts folders made or found since the last call, with any
    // part file left in them: when a command section ends, so that the product keeps
    // none.
    static void removePartFolders();
    // Copies source over destination as CopyFileA does, without a prompt,
    // but never leaves part of a file at destination: the bytes go to the
    // part file, which replaces destination only when whole.  False, with
    // destination as it was and no part file left, when either step fails.
    static bool copyWhole(const char* destination, const char* source);
    // Puts the whole file part in destination's place.  A destination that
    // refuses (read-only, in use) goes through the remove handler, as its
    // removal would, and is tried again.  False, with destination as it was
    // and part removed, when the handler gives up.
    static bool putInPlace(const char* part, const char* destination, std::intptr_t value = 0);
    // True when destination is missing or may be replaced now: asks through
    // the remove handler while another program holds it (or it is
    // read-only, which it clears), as its removal would.  For files that
    // must be replaced together: each is asked for before any is replaced.
    static bool mayReplace(const char* destination, std::intptr_t value = 0);

    static bool move(const char* from, const char* to, bool replace);
    static bool isOlder(const char* path, const char* other);
    static bool hasAttributes(const char* path, DWORD mask);
    static bool clearAttributes(const char* path, DWORD mask);
    static std::uint32_t status(const char* path);
    static bool existingPrefix(const char* path, FCString& out);
};
