#include "FCDialog.h"

FCDialog::FCDialog(std::uint16_t id) : FCDialogBase(id) {}

FCDialog::~FCDialog() = default;

INT_PTR FCDialog::run(DLGPROC proc, void* data)
{
    prepare(parent, proc, data);
    return doModal();
}

INT_PTR FCDialog::run(HWND owner, DLGPROC proc, void* data)
{
    prepare(owner, proc, data);
    return doModal();
}

INT_PTR FCDialog::doModal()
{
    if (dialogProc == nullptr)
        return -1;
    return DialogBoxParamA(GetModuleHandleA(nullptr), templateId, parent, dialogProc,
                           reinterpret_cast<LPARAM>(this));
}
