// Work cut into blocks, answered on every core the process may run on, and
// written in the blocks' order.
#pragma once

#include <deque>
#include <functional>
#include <future>
#include <string>
#include <string_view>
#include <utility>

#include "outcome.h"

namespace quorvel::cli {

/// The cores this process may run on (sched_getaffinity), at least 1.
unsigned usablecores();

/// Answers blocks on every usable core and writes the answers in order.
///
/// Given:
///   next    fills the next block, in the calling thread; false when there is none
///   answer  appends a block's answer to a string; runs on any thread, any
///           number at once; a failure ends the run after that block's answer
///   write   takes each answer in order, in the calling thread; a failure ends the run
/// Returns the first failure, or done.
///
/// Notes:
/// 1. At most two blocks a core are under way at once, so memory stays
///    bounded whatever the amount of work.
/// 2. On one core the blocks are answered one after the other in the
///    calling thread, without a thread of their own.
template <typename Block>
Outcome answerinorder(const std::function<bool(Block&)>& next,
                      const std::function<Outcome(const Block&, std::string&)>& answer,
                      const std::function<Outcome(std::string_view)>& write) {
    using Answer = std::pair<Outcome, std::string>;
    const unsigned cores = usablecores();
    const auto policy = cores > 1 ? std::launch::async : std::launch::deferred;
    std::deque<std::future<Answer>> underway;
    Outcome result;
    bool more = true;
    while (result.done()) {
        while (more && underway.size() < 2 * cores) {
            Block block;
            if (!(more = next(block))) break;
            underway.push_back(std::async(policy, [&answer, b = std::move(block)] {
                Answer a;
                a.first = answer(b, a.second);
                return a;
            }));
        }
        if (underway.empty()) break;
        const Answer a = underway.front().get();
        underway.pop_front();
        result = write(a.second);
        if (result.done()) result = a.first;
    }
    return result;  // blocks still under way finish as their futures go
}

}  // namespace quorvel::cli
