// FCDialog: a modal dialog from one of the program's templates.
//
// Construct it with the template id, prepare it (owner, procedure, the
// procedure's data), run doModal, and destroy it once the dialog is closed.
#pragma once

#include "FCDialogBase.h"

class FCDialog : public FCDialogBase {
public:
    explicit FCDialog(std::uint16_t templateId);
    ~FCDialog() override;

    // prepare with the current parent, then doModal.
    virtual INT_PTR run(DLGPROC proc, void* data);
    // prepare, then doModal.
    virtual INT_PTR run(HWND owner, DLGPROC proc, void* data);
    // Runs the dialog with this object as its creation parameter and returns
    // what the procedure passed to EndDialog; -1 when the dialog could not be
    // created.  Without a procedure nothing could ever end the dialog, so
    // that counts as "could not be created" too.
    virtual INT_PTR doModal();
};
