#include "WorkBreaks.h"

#include <windows.h>

namespace {

thread_local WorkBreaks* current = nullptr;

}  // namespace

WorkBreaks::WorkBreaks(Handler handler, void* context)
    : handler_(handler), context_(context), outer_(current), last_(GetTickCount())
{
    current = this;
}

WorkBreaks::~WorkBreaks()
{
    current = outer_;
}

void WorkBreaks::take()
{
    // Work that the handler sets off (a message it handles) takes none of
    // this object's breaks: the handler is never entered twice.  The
    // object's breaks hold again however the handler leaves.
    struct Aside {
        WorkBreaks* self;
        ~Aside() { current = self; }
    } aside{this};
    current = outer_;
    handler_(context_);
    last_ = GetTickCount();
}

void workBreak()
{
    if (current != nullptr && GetTickCount() - current->last_ >= WorkBreaks::kInterval)
        current->take();
}

void takeWorkBreak()
{
    if (current != nullptr)
        current->take();
}

bool workBreaksTaken()
{
    return current != nullptr;
}
