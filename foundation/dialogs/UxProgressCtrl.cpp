#include "UxProgressCtrl.h"

#include <commctrl.h>

UxProgressCtrl::~UxProgressCtrl() = default;

LRESULT UxProgressCtrl::send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    // A null window would make SendMessage fail anyway; say so plainly.
    return bar_ != nullptr ? SendMessageA(bar_, message, wParam, lParam) : 0;
}

void UxProgressCtrl::attach(HWND dialogWindow, int itemId)
{
    dialog_ = dialogWindow;
    bar_ = GetDlgItem(dialogWindow, itemId);
    setRange(0, 100);
    setStep(1);
}

void UxProgressCtrl::setRange(std::int32_t minimum, std::int32_t maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    send(PBM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
}

void UxProgressCtrl::setStep(std::int32_t step)
{
    step_ = step;
    send(PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

void UxProgressCtrl::setPos(std::int32_t position)
{
    send(PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

std::int32_t UxProgressCtrl::getPos() const
{
    return static_cast<std::int32_t>(send(PBM_GETPOS, 0, 0));
}

bool UxProgressCtrl::stepIt()
{
    // Summed wide: a position near the top of the range plus a large step
    // must read as "full", not wrap round to a small number.
    if (std::int64_t{getPos()} + step_ < maximum_) {
        send(PBM_STEPIT, 0, 0);
        return false;
    }
    setPos(maximum_);
    return true;
}
