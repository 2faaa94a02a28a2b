#include "Runtime.h"

#include "Form.h"
#include "RuntimeError.h"

#include <algorithm>

namespace platform {

Runtime::Runtime(Platform& platform) : platform_(platform), random_(platform.clockSeed()) {}

void Runtime::msgBox(const std::string& text, const std::string& title)
{
    if (ended_)
        throw ProgramEnded{};
    ++modalDepth_;
    try {
        platform_.messageBox(text, title);
    } catch (...) {
        --modalDepth_;
        throw;
    }
    --modalDepth_;
    if (ended_)
        throw ProgramEnded{};
}

void Runtime::end()
{
    if (ended_)
        return;
    ended_ = true;
    deferred_.clear();
    // Unload the newest window first; each unload removes itself from the list.
    while (!loadedForms_.empty())
        loadedForms_.back()->unload();
    platform_.quit();
}

void Runtime::run(const std::function<void()>& handler)
{
    ++depth_;
    try {
        handler();
    } catch (const ProgramEnded&) {
    } catch (const RuntimeError& error) {
        // No handler traps it: the player is told what went wrong, and since the game
        // cannot go on from a half-run handler, the program then ends cleanly.
        reportedErrors_.push_back(error.what());
        if (!ended_) {
            try {
                const std::string description = error.description().text
                                                    ? withArgs(text(error.description()), error.pieces())
                                                    : std::string(error.what());
                msgBox(withArgs(text(TR_TEXT("Runtime", "Run-time error '%1':\n\n%2")),
                                {std::to_string(error.number()), description}),
                       "Glimmerkin");
            } catch (const ProgramEnded&) {}
            end();
        }
    }
    --depth_;
    if (depth_ == 0)
        drainDeferred();
}

void Runtime::drainDeferred()
{
    if (draining_)
        return;
    draining_ = true;
    while (!deferred_.empty() && !ended_) {
        auto next = std::move(deferred_.front());
        deferred_.pop_front();
        run(next);
    }
    draining_ = false;
}

void Runtime::dispatchInput(const std::function<void()>& handler)
{
    if (ended_ || depth_ > 0)
        return;
    run(handler);
}

void Runtime::dispatchNotification(const std::function<void()>& handler)
{
    if (ended_)
        return;
    if (depth_ > 0) {
        deferred_.push_back(handler);
        return;
    }
    run(handler);
}

void Runtime::dispatchClose(const std::function<void()>& handler)
{
    if (ended_)
        return;
    run(handler);
}

void Runtime::formLoaded(Form& form)
{
    if (std::find(loadedForms_.begin(), loadedForms_.end(), &form) == loadedForms_.end())
        loadedForms_.push_back(&form);
}

void Runtime::formUnloaded(Form& form)
{
    std::erase(loadedForms_, &form);
    if (loadedForms_.empty() && !ended_) {
        ended_ = true;
        deferred_.clear();
        platform_.quit();
    }
}

} // namespace platform
