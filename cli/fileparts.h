#pragma once

#include "cli/commandline.h"
#include "cli/input.h"

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Large regular files read on every core: cut at line ends into parts, each
// part read by a thread of its own, and what each found taken in the file's
// order. Small files, pipes and standard input stay on one thread.
namespace netquill::cli {

// Smaller files are read on one thread: threads would cost more than they save.
constexpr std::uint64_t kPartedFileSize = std::uint64_t{4} << 20;

// --threads N (1 to 256; 1 reads on one thread), else one a core.
unsigned threadsOption(const CommandLine &line);

// The file cut at line ends into parts of about `partSize` bytes, at least
// `threads` of them; nothing for one thread, a file that is not regular or
// smaller than kPartedFileSize, or a cut inside a line too long to be read,
// which the one-thread reading refuses where it stands.
std::optional<std::vector<FilePart>> cutAtLines(const InputFile &file, unsigned threads, std::uint64_t partSize);

// `work(k)` for each part k on `threads` threads, thread w doing parts w,
// w + threads, ... in turn, each result handed to `take` in the parts' order
// as soon as it is done. Thread w starts part k only once part k - threads
// has been taken, so `work` may reuse that part's buffers. `take` returns
// false to stop; an exception of `work` reaches the caller in its part's turn.
template <typename Work, typename Take>
void eachPartInOrder(std::size_t parts, unsigned threads, const Work &work, const Take &take)
{
    using Result = decltype(work(std::size_t{}));
    struct Turn {
        std::optional<Result> result;
        std::exception_ptr error;
        bool taken = true;
    };
    std::vector<Turn> turns(threads);
    std::mutex mutex;
    std::condition_variable changed;
    bool stopped = false;
    {
        std::vector<std::jthread> workers;
        for (unsigned w = 0; w < threads; ++w)
            workers.emplace_back([&, w] {
                Turn &turn = turns[w];
                for (std::size_t k = w; k < parts; k += threads) {
                    {
                        std::unique_lock lock(mutex);
                        changed.wait(lock, [&] { return turn.taken || stopped; });
                        if (stopped)
                            return;
                        turn.taken = false;
                    }
                    std::optional<Result> result;
                    std::exception_ptr error;
                    try {
                        result.emplace(work(k));
                    } catch (...) {
                        error = std::current_exception();
                    }
                    std::lock_guard lock(mutex);
                    turn.result = std::move(result);
                    turn.error = error;
                    changed.notify_all();
                }
            });
        std::exception_ptr error;
        for (std::size_t k = 0; k < parts; ++k) {
            Turn &turn = turns[k % threads];
            std::optional<Result> result;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return turn.result || turn.error; });
                error = turn.error;
                result = std::move(turn.result);
                turn.result.reset();
            }
            bool more = false;
            if (!error) {
                try {
                    more = take(std::move(*result));
                } catch (...) {
                    error = std::current_exception();
                }
            }
            std::lock_guard lock(mutex);
            turn.taken = true;
            stopped = !more;
            changed.notify_all();
            if (stopped)
                break;
        }
        // The workers end here: done, or told to stop.
        if (error)
            std::rethrow_exception(error);
    }
}

}  // namespace netquill::cli
