#include "DetailLine.h"

#include "app/resources/resource.h"

void DetailLine::start(HWND dialog)
{
    dialog_ = dialog;
    waiting_ = false;
    SetTimer(dialog, kTimer, kInterval, nullptr);
}

void DetailLine::put(const FCString& text)
{
    text_ = text;
    waiting_ = true;
}

void DetailLine::tick()
{
    if (!waiting_ || dialog_ == nullptr)
        return;
    waiting_ = false;
    SetDlgItemTextA(dialog_, IDC_DETAIL, text_.text());
}

void DetailLine::stop()
{
    if (dialog_ != nullptr)
        KillTimer(dialog_, kTimer);
    dialog_ = nullptr;
    waiting_ = false;
}
