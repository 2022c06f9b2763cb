#include "FCModelessDialog.h"

FCModelessDialog::FCModelessDialog(std::uint16_t id) : FCDialogBase(id) {}

FCModelessDialog::~FCModelessDialog() = default;
