#pragma once

#include "RuntimeError.h"

namespace platform {

// Runs one step of a handler that resumes with its next step on an error: a
// failing step is abandoned silently.
template<typename Step>
void resumeNext(Step&& step)
{
    try {
        step();
    } catch (const RuntimeError&) {}
}

} // namespace platform
