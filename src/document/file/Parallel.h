#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

// Work on many independent pictures (the images of several files, the frames
// of an animation) spread over the processors.

// Pixels below which forEachParallel keeps to one thread: starting a thread,
// and on a busy machine waiting for it to be given a processor, costs more
// than a few small pictures.
constexpr std::size_t ParallelPixels = std::size_t(1) << 18;

// Runs Work(i) for i = 0 .. Count - 1, on as many threads as there are
// processors when the items hold Pixels pixels in all, at least
// ParallelPixels; on this one otherwise. Every item is independent. When
// items throw, the exception of the lowest such item is rethrown once all
// threads are done, so the message does not depend on timing.
template <class Work> void forEachParallel(int Count, std::size_t Pixels, Work&& work) {
    std::atomic<int> next{0};
    std::vector<std::exception_ptr> errors(static_cast<std::size_t>(Count > 0 ? Count : 0));
    const auto run = [&] {
        for (int i = next++; i < Count; i = next++) {
            try {
                work(i);
            } catch (...) {
                errors[std::size_t(i)] = std::current_exception();
            }
        }
    };
    const int threads =
        Pixels < ParallelPixels
            ? 1
            : std::max(1, std::min<int>(Count, int(std::thread::hardware_concurrency())));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(run);
    run();
    for (std::thread& h : helpers)
        h.join();
    for (const std::exception_ptr& e : errors)
        if (e) std::rethrow_exception(e);
}
