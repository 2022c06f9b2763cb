// FCModelessDialog: the base of dialogs that stay open while the program
// goes on working; the derived class creates and pumps its own window.
#pragma once

#include "FCDialogBase.h"

class FCModelessDialog : public FCDialogBase {
public:
    explicit FCModelessDialog(std::uint16_t templateId);
    ~FCModelessDialog() override;
};
