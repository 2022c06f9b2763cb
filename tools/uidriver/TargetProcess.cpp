#include "TargetProcess.h"

#include <vector>

Target::~Target() {
    release();
}

void Target::release() {
    if (process_.hProcess) {
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    process_ = PROCESS_INFORMATION{};
}

bool Target::startAgain(const std::string& program, std::string& error) {
    release();
    return start(program.empty() ? program_ : program, error);
}

bool Target::start(const std::string& program, std::string& error) {
    program_ = program;
    std::string folder = program;
    const std::string::size_type slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
    std::vector<char> commandLine(program.begin(), program.end());
    commandLine.insert(commandLine.begin(), '"');
    commandLine.push_back('"');
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
        error = "cannot start " + program + " (error " + std::to_string(GetLastError()) + ")";
        process_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

namespace {

struct Search {
    DWORD processId;
    const char* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK visit(HWND window, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (search.windowClass) {
        char name[64];
        if (!GetClassNameA(window, name, sizeof name) || lstrcmpA(name, search.windowClass) != 0) {
            return TRUE;
        }
    }
    search.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> Target::windows(const char* windowClass) const {
    Search search{process_.dwProcessId, windowClass, {}};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Target::findWindow(const std::string& title, const char* windowClass) const {
    for (HWND window : windows(windowClass)) {
        char text[1024];
        const int length = GetWindowTextA(window, text, sizeof text);
        if (title.compare(0, std::string::npos, text, length) == 0) {
            return window;
        }
    }
    return nullptr;
}

bool Target::waitExit(DWORD ms, DWORD& code) const {
    if (WaitForSingleObject(process_.hProcess, ms) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(process_.hProcess, &code);
    return true;
}

bool Target::treeItemText(HWND tree, HTREEITEM item, std::string& text) const {
    // The item record and its text buffer side by side; the process is of
    // our own build, so the record's layout is the same on both sides.
    const int textSize = 1024;
    const SIZE_T size = sizeof(TVITEMA) + textSize;
    char* remote = static_cast<char*>(
        VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) {
        return false;
    }
    TVITEMA request{};
    request.mask = TVIF_HANDLE | TVIF_TEXT;
    request.hItem = item;
    request.pszText = remote + sizeof(TVITEMA);
    request.cchTextMax = textSize;
    std::vector<char> buffer(textSize + 1, '\0');
    DWORD_PTR answer = 0;
    const bool read = WriteProcessMemory(process_.hProcess, remote, &request, sizeof request, nullptr) &&
                      SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote),
                                          SMTO_ABORTIFHUNG, 5000, &answer) &&
                      answer && ReadProcessMemory(process_.hProcess, remote + sizeof(TVITEMA), buffer.data(),
                                                  textSize, nullptr);
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    if (read) {
        text = buffer.data();
    }
    return read;
}

void Target::kill() {
    DWORD code = 0;
    if (process_.hProcess && !waitExit(0, code)) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
}

bool controlText(HWND control, std::string& text) {
    // A program that hangs must fail the line, not the whole run.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return false;
    }
    std::vector<char> buffer(length + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
        return false;
    }
    text.assign(buffer.data(), copied);
    return true;
}

bool waitGone(HWND window, DWORD ms) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= ms) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

void typeKey(HWND window, WPARAM key) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND focus = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus) {
        focus = info.hwndFocus;
    }
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}
