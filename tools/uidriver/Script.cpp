#include "Script.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

std::string convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) {
        return text;
    }
    const int wideLength = MultiByteToWideChar(from, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(from, 0, text.data(), int(text.size()), &wide[0], wideLength);
    const int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, &out[0], length, nullptr, nullptr);
    return out;
}

// Messages go to a UTF-8 terminal or log.
std::string shown(const std::string& cp932) {
    return "\"" + convert(cp932, 932, CP_UTF8) + "\"";
}

// One line of the driver's output, UTF-8.
void output(const std::string& cp932) {
    std::string line;
    for (char c : convert(cp932, 932, CP_UTF8)) {
        line += c == '\n' ? std::string("\\n") : c == '\r' ? std::string() : std::string(1, c);
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string unescape(const std::string& text) {
    std::string out;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Splits "WORD rest" at the first blank.
void split(const std::string& text, std::string& word, std::string& rest) {
    const std::string::size_type blank = text.find(' ');
    word = text.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : text.substr(blank + 1);
}

bool number(const std::string& text, unsigned long& value) {
    char* end = nullptr;
    value = std::strtoul(text.c_str(), &end, 0);
    return !text.empty() && *end == '\0';
}

HTREEITEM treeItem(HWND tree, WPARAM relation, HTREEITEM from) {
    DWORD_PTR item = 0;
    if (!SendMessageTimeoutA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from),
                             SMTO_ABORTIFHUNG, 5000, &item)) {
        return nullptr;
    }
    return reinterpret_cast<HTREEITEM>(item);
}

// Whether an item of the folder tree is the folder named: a drive ("Z:")
// shows as "Z:\" or with its label in front of "(Z:)"; a folder by its name.
bool names(const std::string& shownText, const std::string& name, bool drive) {
    if (!drive) {
        return shownText == name;
    }
    const std::string bracketed = "(" + name + ")";
    return lstrcmpiA(shownText.c_str(), (name + "\\").c_str()) == 0 ||
           (shownText.size() >= bracketed.size() &&
            lstrcmpiA(shownText.c_str() + shownText.size() - bracketed.size(), bracketed.c_str()) == 0);
}

// Opens the folder tree of a folder browser down to folder, by the names
// that the tree shows, and clicks that folder: its drive among the folders
// below the tree's top item, then each folder in turn.  The browser's own
// BFFM_SETSELECTION is no help here: it matches the tree's folders by their
// whole shell records, times included, and misses one whose time changed
// since the tree was filled, as Z:\tmp's does whenever a file comes or goes
// there.
bool browseTo(const Target& target, HWND tree, const std::string& folder, DWORD ms, std::string& error) {
    std::vector<std::string> parts;
    for (std::string::size_type start = 0; start < folder.size();) {
        // In code page 932 a backslash byte can be the second half of a
        // character.
        std::string::size_type end = start;
        while (end < folder.size() && folder[end] != '\\') {
            end += IsDBCSLeadByteEx(932, BYTE(folder[end])) && end + 1 < folder.size() ? 2 : 1;
        }
        if (end > start) {
            parts.push_back(folder.substr(start, end - start));
        }
        start = end + 1;
    }
    HTREEITEM item = treeItem(tree, TVGN_ROOT, nullptr);
    if (!item || parts.empty()) {
        error = item ? "needs a folder" : "the folder tree is empty";
        return false;
    }
    std::string where;
    for (std::string::size_type i = 0; i < parts.size(); ++i) {
        // Opening a folder is what fills the tree with its folders.
        SendMessageTimeoutA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG,
                            ms, nullptr);
        std::string shownNames;
        HTREEITEM found = nullptr;
        for (HTREEITEM child = treeItem(tree, TVGN_CHILD, item); child && !found;
             child = treeItem(tree, TVGN_NEXT, child)) {
            std::string text;
            if (!target.treeItemText(tree, child, text)) {
                error = "the folder tree does not answer";
                return false;
            }
            if (names(text, parts[i], i == 0)) {
                found = child;
                where = text;
            }
            shownNames += (shownNames.empty() ? "" : ", ") + shown(text);
        }
        if (!found) {
            error = "the folder tree shows no " + shown(parts[i]) + " below " +
                    (where.empty() ? std::string("its top item") : shown(where)) + " (only " +
                    (shownNames.empty() ? std::string("nothing") : shownNames) + ")";
            return false;
        }
        item = found;
    }
    SendMessageTimeoutA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG,
                        ms, nullptr);
    if (treeItem(tree, TVGN_CARET, nullptr) != item) {
        error = "the folder tree did not take the click on " + shown(folder);
        return false;
    }
    return true;
}

}  // namespace

// Windows come and go in another process, so there is nothing to wait on
// but time.
template <class F>
bool Script::waitFor(Target& target, DWORD ms, F found, std::string& error) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (!answerBoxes(target, error)) {
            return false;
        }
        if (found()) {
            return true;
        }
        if (GetTickCount() - start >= ms) {
            return false;
        }
        Sleep(20);
    }
}

bool Script::answerBoxes(Target& target, std::string& error) {
    if (answers_.empty()) {
        return true;
    }
    for (HWND box : target.windows("#32770")) {
        if (box == current_ || !GetDlgItem(box, 0xFFFF) || !IsWindowEnabled(box)) {
            continue;
        }
        char title[1024];
        const int length = GetWindowTextA(box, title, sizeof title);
        std::string text;
        controlText(GetDlgItem(box, 0xFFFF), text);
        const std::string seen = std::string(title, length) + " | " + text;
        HWND button = nullptr;
        int id = 0;
        for (int answer : answers_) {
            HWND candidate = GetDlgItem(box, answer);
            if (candidate && IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
                button = candidate;
                id = answer;
                break;
            }
        }
        if (!button) {
            error = "a box offers none of the answers: " + shown(seen);
            return false;
        }
        if (!releaseFile_.empty()) {
            const std::string release = releaseFile_;
            releaseFile_.clear();
            HANDLE file = CreateFileA(release.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE) {
                error = "cannot create " + release;
                return false;
            }
            CloseHandle(file);
            const DWORD start = GetTickCount();
            while (GetFileAttributesA(release.c_str()) != INVALID_FILE_ATTRIBUTES) {
                if (GetTickCount() - start >= timeout_) {
                    error = "nobody took " + release + " away";
                    return false;
                }
                Sleep(20);
            }
        }
        output("box: " + seen + " | " + std::to_string(id));
        PostMessageA(button, BM_CLICK, 0, 0);
        if (!waitGone(box, timeout_)) {
            error = "the box stays after pressing " + std::to_string(id) + ": " + shown(seen);
            return false;
        }
    }
    return true;
}

LARGE_INTEGER Script::startTime() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

bool Script::load(const char* path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::string("cannot read ") + path;
        return false;
    }
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (text.empty() || text[0] == '#') {
            continue;
        }
        Line line{number, {}, {}};
        split(text, line.command, line.rest);
        // Escapes first: in code page 932 a backslash byte can be the second
        // half of a character.
        line.rest = convert(unescape(line.rest), CP_UTF8, 932);
        lines_.push_back(line);
    }
    return true;
}

bool Script::run(Target& target, std::string& error) {
    for (const Line& line : lines_) {
        if (!step(target, line, error)) {
            error = "line " + std::to_string(line.number) + ": " + line.command + ": " + error;
            return false;
        }
    }
    if (!exitChecked_ && !step(target, Line{0, "exit", "0"}, error)) {
        error = "after the last line: exit: " + error;
        return false;
    }
    return true;
}

bool Script::step(Target& target, const Line& line, std::string& error) {
    const std::string& c = line.command;
    if (c == "timeout") {
        unsigned long ms = 0;
        if (!number(line.rest, ms)) {
            error = "needs a number of milliseconds";
            return false;
        }
        timeout_ = ms;
        return true;
    }
    if (c == "window" || c == "msgbox") {
        const char* windowClass = c == "msgbox" ? "#32770" : nullptr;
        HWND found = nullptr;
        DWORD code = 0;
        bool ended = false;
        auto shows = [&] {
            found = target.findWindow(line.rest, windowClass);
            ended = !found && target.waitExit(0, code);
            return found || ended;
        };
        if (!waitFor(target, timeout_, shows, error) || ended) {
            if (ended) {
                error = "the program ended (exit code " + std::to_string(code) + ") without a window " +
                        shown(line.rest);
            } else if (error.empty()) {
                error = "no window " + shown(line.rest) + " within " + std::to_string(timeout_) + " ms";
            }
            return false;
        }
        current_ = found;
        return true;
    }
    if (c == "absent") {
        std::string ms, title;
        split(line.rest, ms, title);
        unsigned long limit = 0;
        if (!number(ms, limit)) {
            error = "needs milliseconds and a title";
            return false;
        }
        if (waitFor(target, limit, [&] { return target.findWindow(title, nullptr) != nullptr; }, error) ||
            !error.empty()) {
            if (error.empty()) {
                error = "window " + shown(title) + " appeared";
            }
            return false;
        }
        return true;
    }
    if (c == "answer") {
        std::string ids, file;
        split(line.rest, ids, file);
        answers_.clear();
        for (std::string::size_type start = 0; start <= ids.size();) {
            std::string::size_type comma = ids.find(',', start);
            if (comma == std::string::npos) {
                comma = ids.size();
            }
            unsigned long id = 0;
            if (!number(ids.substr(start, comma - start), id)) {
                error = "needs button ids separated by \",\"";
                return false;
            }
            answers_.push_back(int(id));
            start = comma + 1;
        }
        releaseFile_ = file;
        return true;
    }
    if (c == "say") {
        output(line.rest);
        return true;
    }
    if (c == "clock") {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        const double ms = double(now.QuadPart - started_.QuadPart) * 1000.0 / double(frequency.QuadPart);
        char figure[32];
        std::snprintf(figure, sizeof figure, "%.1f", ms);
        output(line.rest + ": " + figure);
        return true;
    }
    if (c == "watched") {
        unsigned long limit = 0;
        if (!number(line.rest, limit)) {
            error = "needs milliseconds";
            return false;
        }
        if (!watch_.stop()) {
            error = "no watch runs (use watch first)";
            return false;
        }
        char figures[96];
        std::snprintf(figures, sizeof figures, "answers: %ld, longest: %.1f ms", watch_.samples(),
                      watch_.longest());
        output(figures);
        if (watch_.samples() == 0 || watch_.longest() >= double(limit)) {
            error = std::string(figures) + ", the limit is " + line.rest + " ms";
            return false;
        }
        return true;
    }
    if (c == "again") {
        if (!exitChecked_) {
            error = "the program's earlier run has not been seen to end (use exit first)";
            return false;
        }
        exitChecked_ = false;
        current_ = nullptr;
        return target.startAgain(line.rest, error);
    }
    if (c == "exit") {
        unsigned long expected = 0;
        if (!number(line.rest, expected)) {
            error = "needs an exit code";
            return false;
        }
        exitChecked_ = true;
        DWORD code = 0;
        if (!waitFor(target, timeout_, [&] { return target.waitExit(0, code); }, error)) {
            if (error.empty()) {
                error = "the program still runs after " + std::to_string(timeout_) + " ms";
            }
            return false;
        }
        if (code != expected) {
            error = "exit code " + std::to_string(code) + ", expected " + std::to_string(expected);
            return false;
        }
        return true;
    }

    // A window that has closed already is gone.
    if (c == "gone") {
        if (!current_) {
            error = "no window yet (use window or msgbox first)";
            return false;
        }
        if (!waitFor(target, timeout_, [&] { return !IsWindow(current_) || !IsWindowVisible(current_); },
                     error)) {
            if (error.empty()) {
                error = "the window is still open after " + std::to_string(timeout_) + " ms";
            }
            return false;
        }
        return true;
    }

    // Everything below acts on the current window.
    if (!current_ || !IsWindow(current_)) {
        error = current_ ? "the current window has closed" : "no window yet (use window or msgbox first)";
        return false;
    }
    if (c == "watch") {
        if (!watch_.start(current_)) {
            error = "a watch runs already";
            return false;
        }
        return true;
    }
    if (c == "escape") {
        typeKey(current_, VK_ESCAPE);
        return true;
    }
    if (c == "close") {
        PostMessageA(current_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    if (c == "browse") {
        HWND tree = FindWindowExA(current_, nullptr, WC_TREEVIEWA, nullptr);
        if (!tree || !IsWindowVisible(tree) || !IsWindowEnabled(current_)) {
            error = tree ? "the folder tree is not there for the user" : "the current window has no folder tree";
            return false;
        }
        return browseTo(target, tree, line.rest, timeout_, error);
    }

    // And these on one of its controls.
    std::string idText, rest;
    split(line.rest, idText, rest);
    unsigned long id = 0;
    if (!number(idText, id)) {
        error = "needs a control id";
        return false;
    }
    HWND control = GetDlgItem(current_, int(id));
    if (!control) {
        error = "the window has no control " + idText;
        return false;
    }
    const bool visible = IsWindowVisible(control) != FALSE;
    const bool enabled = IsWindowEnabled(control) && IsWindowEnabled(current_);
    if (c == "text" || c == "await" || c == "awaitnot" || c == "awaithas" || c == "print") {
        const bool wanted = c != "awaitnot";
        const bool part = c == "awaithas";
        std::string actual;
        bool answered = true;
        // A program at work does not answer for a while; one that has
        // closed the window never will.
        auto holds = [&] { return (part ? actual.find(rest) != std::string::npos : actual == rest) == wanted; };
        auto shows = [&] {
            answered = controlText(control, actual);
            return answered ? holds() : !IsWindow(control);
        };
        if (c != "text" && c != "print") {
            if (!waitFor(target, timeout_, shows, error) && !error.empty()) {
                return false;
            }
        } else {
            shows();
        }
        if (!answered) {
            error = "control " + idText + " does not answer";
            return false;
        }
        if (c == "print") {
            output(idText + ": " + actual);
        } else if (!holds()) {
            error = "control " + idText + " shows " + shown(actual) + ", expected " +
                    (part ? "a text holding " : wanted ? "" : "other than ") + shown(rest);
            return false;
        }
        return true;
    }
    if (c == "visible" || c == "hidden") {
        if (visible != (c == "visible")) {
            error = "control " + idText + " is " + (visible ? "visible" : "hidden");
            return false;
        }
        return true;
    }
    if (c == "enabled" || c == "disabled") {
        if (enabled != (c == "enabled")) {
            error = "control " + idText + " is " + (enabled ? "enabled" : "disabled");
            return false;
        }
        return true;
    }
    if (c == "press") {
        if (!visible || !enabled) {
            error = "button " + idText + " is " + (visible ? "disabled" : "hidden") + ", a user could not press it";
            return false;
        }
        // Posted, not sent: the click may open a modal window, and the
        // program must not wait for us while we wait for it.
        PostMessageA(control, BM_CLICK, 0, 0);
        return true;
    }
    error = "unknown command";
    return false;
}
