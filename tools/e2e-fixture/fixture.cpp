// e2e-fixture: the stand-in that proves the end-to-end harness before the
// real program exists.  It reads the first line of brantlewick.dat beside
// it as a folder and starts the command line of a second line, if there is
// one, and leaves it running (as a program that opens another one would).
// It shows dialog IDD_FIXTURE, and on 書き込む writes into that
// folder (a file, an INI key) and into the registry, then asks by message
// box whether to end.  Its exit code is how the dialog ended: 0 for 閉じる
// or はい, 2 for Esc or the close box, 3 when the dialog could not be shown.
#include "fixture_ids.h"

#include <windows.h>

#include <fstream>
#include <string>

namespace {

std::string folder;  // from brantlewick.dat, without a trailing backslash

std::string ownFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path, length);
    return text.substr(0, text.find_last_of('\\'));
}

// The value HKCU\Software\brantlewick-e2e\Next, which the scenario sets, is
// recorded as "Version" beside it and in fixture.ini, so that a scenario
// can check both ways of recording a version.
void write() {
    std::ofstream(folder + "\\pressed.txt", std::ios::binary) << "pressed\r\n";
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\brantlewick-e2e", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    char next[64] = "";
    DWORD size = sizeof next - 1;
    RegQueryValueExA(key, "Next", nullptr, nullptr, reinterpret_cast<BYTE*>(next), &size);
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(next), DWORD(lstrlenA(next) + 1));
    RegCloseKey(key);
    WritePrivateProfileStringA("Product", "Version", next, (folder + "\\fixture.ini").c_str());
}

INT_PTR CALLBACK fixtureProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        EndDialog(dialog, 0);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 2);
        return TRUE;
    case IDC_WRITE: {
        write();
        char title[64], text[256];
        LoadStringA(nullptr, IDS_ASK_TITLE, title, sizeof title);
        LoadStringA(nullptr, IDS_ASK_TEXT, text, sizeof text);
        if (MessageBoxA(dialog, text, title, MB_YESNO) == IDYES) {
            EndDialog(dialog, 0);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

std::string datLine(std::istream& dat) {
    std::string line;
    std::getline(dat, line);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

void startDetached(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::ifstream dat(ownFolder() + "\\brantlewick.dat");
    folder = datLine(dat);
    const std::string other = datLine(dat);
    if (!other.empty()) {
        startDetached(other);
    }
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_FIXTURE), nullptr, fixtureProc, 0);
    return result == -1 ? 3 : int(result);
}
