#include "FirstFrame.h"

#include <atomic>

namespace qtplatform::firstFrame {

namespace {
std::atomic<bool> expected{false};
std::atomic<bool> shown{false};
} // namespace

void expect() { expected.store(true, std::memory_order_release); }

void drawn() { shown.store(true, std::memory_order_release); }

bool isDrawn() { return !expected.load(std::memory_order_acquire) || shown.load(std::memory_order_acquire); }

} // namespace qtplatform::firstFrame
