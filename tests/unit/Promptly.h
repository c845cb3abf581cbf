// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A call that must not make the game wait (a read of a pipe, say), run on a thread of its own,
// so that one that would wait for ever fails its test instead of holding it.

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <type_traits>

// f's result, or nothing when it has not come within a few seconds. A call that waits for ever
// is left waiting on its thread, which the end of the test program ends.
template <class F> std::optional<std::invoke_result_t<F>> promptly(F f) {
    using Result = std::invoke_result_t<F>;
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(f));
    std::future<Result> result = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready)
        return std::nullopt;
    return result.get();
}
