#include "MessageDialogs.h"

#include "RunTexts.h"
#include "SiteButton.h"

#include "app/resources/resource.h"
#include "foundation/dialogs/DialogObject.h"
#include "foundation/dialogs/FCDialog.h"
#include "foundation/system/FCPathName.h"

#include <shellapi.h>

#include <vector>

namespace {

// The question dialog's object: its texts live as long as the window.
class QuestionDialog : public FCDialog {
public:
    QuestionDialog(const char* title, const char* text)
        : FCDialog(IDD_QUESTION), title(title), text(text)
    {
    }
    FCString title;
    FCString text;
};

// The message and About dialog's object.
class MessageDialog : public FCDialog {
public:
    MessageDialog(const char* title, const char* text, const SiteButton& site)
        : FCDialog(IDD_MESSAGE), title(title), text(text), site(site)
    {
    }
    FCString title;
    FCString text;
    SiteButton site;
};

INT_PTR handleQuestion(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        QuestionDialog* dialog = attachDialog<QuestionDialog>(window, lParam);
        SetWindowTextA(window, dialog->title.text());
        SetDlgItemTextA(window, IDC_DETAIL, dialog->text.text());
        dialog->center(-1, -1, false);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        int id = LOWORD(wParam);
        if (id == IDCANCEL || id == IDYES || id == IDNO)
            EndDialog(window, id);
        return TRUE;
    }
    return FALSE;
}

void askToOpenSite(MessageDialog& dialog)
{
    FCString question(runtexts::kOpenSiteQuestion);
    question.append(dialog.site.url.text());
    question.append(runtexts::kOpenSiteWarning);
    if (askYesNo(dialog.hwnd, question.text(), runtexts::kOpenSiteTitle))
        ShellExecuteA(dialog.hwnd, "open", dialog.site.url.text(), nullptr, nullptr, SW_SHOWNORMAL);
}

FCString ownVersionLine()
{
    FileVersion version;
    readFileVersion(FCPathName(FCPathName::kExecutableFile).text(), version);
    return versionLine(version);
}

INT_PTR handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        MessageDialog* dialog = attachDialog<MessageDialog>(window, lParam);
        SetWindowTextA(window, dialog->title.text());
        EnableWindow(GetDlgItem(window, IDC_SITE), !dialog->site.url.empty());
        SetDlgItemTextA(window, IDC_SITE, dialog->site.label.text());
        SetDlgItemTextA(window, IDC_VERSION, ownVersionLine().text());
        SetDlgItemTextA(window, IDC_DETAIL, dialog->text.text());
        dialog->center(-1, -1, false);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        int id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL) {
            EndDialog(window, id);
        } else if (id == IDC_SITE) {
            MessageDialog* dialog = dialogOf<MessageDialog>(window);
            if (dialog != nullptr && !dialog->site.url.empty())
                askToOpenSite(*dialog);
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool askYesNo(HWND owner, const char* text, const char* title)
{
    QuestionDialog dialog(title, text);
    return dialog.run(owner, guarded<handleQuestion>, nullptr) == IDYES;
}

void showMessage(const RunSettings& settings, const char* title, const char* text)
{
    MessageDialog dialog(title, text, siteButtonFor(settings));
    dialog.run(GetDesktopWindow(), guarded<handleMessage>, nullptr);
}

void showAbout(HWND owner, const RunSettings& settings)
{
    FCString text(runtexts::kCopyright);
    text.append("\n");
    MessageDialog dialog(runtexts::kAboutTitle, text.text(), siteButtonFor(settings));
    dialog.run(owner, guarded<handleMessage>, nullptr);
}

void readFileVersion(const char* path, FileVersion& version)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0)
        return;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path, 0, size, block.data()))
        return;
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\041104b0\\FileVersion",
                        reinterpret_cast<void**>(&text), &length) ||
        text == nullptr || length == 0)
        return;
    // The value need not end in a NUL within its length.
    FCString value;
    value.assign(text, strnlen(text, length));
    parseFileVersion(value, version);
}
