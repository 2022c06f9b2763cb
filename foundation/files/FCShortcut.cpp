#include "FCShortcut.h"

#include <vector>

FCShortcut::FCShortcut()
{
    HRESULT com = CoInitialize(nullptr);
    // These three mean COM is of no use on this thread at all.  Any other
    // failure (a thread already in the multithreaded apartment, say) still
    // lets us create the in-process link object.
    if (com == E_OUTOFMEMORY || com == E_INVALIDARG || com == E_UNEXPECTED)
        return;
    // Only a successful CoInitialize is ours to undo: undoing a failed one
    // would end the COM of whoever initialised this thread before us.
    comInitialised_ = SUCCEEDED(com);
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link_)))) {
        link_ = nullptr;
        return;
    }
    if (FAILED(link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persistFile_))))
        persistFile_ = nullptr;
}

FCShortcut::~FCShortcut()
{
    if (persistFile_ != nullptr)
        persistFile_->Release();
    if (link_ != nullptr)
        link_->Release();
    if (comInitialised_)
        CoUninitialize();
}

bool FCShortcut::load(const char* path)
{
    if (persistFile_ == nullptr || path == nullptr)
        return false;
    // The wide buffer is sized from the path: a fixed MAX_PATH buffer would
    // make the conversion of a longer path fail half-way and hand the shell
    // an unterminated name.
    int needed = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path, -1, nullptr, 0);
    if (needed <= 0)
        return false;
    std::vector<wchar_t> wide(static_cast<std::size_t>(needed));
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path, -1, wide.data(), needed) != needed)
        return false;
    if (persistFile_->Load(wide.data(), STGM_READ) != S_OK)
        return false;
    return link_->Resolve(nullptr, SLR_UPDATE) == S_OK;
}

bool FCShortcut::targetPath(FCString& out, WIN32_FIND_DATAA* findData, DWORD flags)
{
    if (link_ == nullptr)
        return false;
    WIN32_FIND_DATAA localFindData;
    char buffer[512] = {};
    // The shell is told two bytes less than the buffer holds, so its text
    // stays terminated whatever it writes.
    if (link_->GetPath(buffer, 510, findData != nullptr ? findData : &localFindData, flags) != S_OK)
        return false;
    // A shortcut to something that is not a file (a control panel item, a
    // printer) has no path to open.
    if (buffer[0] == '\0')
        return false;
    out = buffer;
    return true;
}
