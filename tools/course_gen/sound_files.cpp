#include "sound_files.h"

#include "speech.h"
#include "tones.h"
#include "wave_file.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace coursegen {

void MakeSounds(Output& out, const std::vector<SpeechJob>& speech, int workers) {
    for (const ToneFile& tone : FeedbackTones()) {
        const QByteArray bytes = PcmWav(tone.sound);
        if (!out.UpToDate(tone.name, "tone\n" + bytes)) {
            out.WriteBytes(tone.name, bytes, "tone\n" + bytes);
        }
    }

    struct Pending {
        const SpeechJob* job;
        QByteArray recipe;
        QByteArray bytes;
    };
    std::vector<Pending> pending;
    for (const SpeechJob& job : speech) {
        QByteArray recipe = "adpcm\n" + SpeechRecipe(job.script);
        if (!out.UpToDate(job.path, recipe)) {
            pending.push_back({&job, std::move(recipe), {}});
        }
    }

    // Speech is made in parallel; the files are written in order afterwards.
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&] {
        for (std::size_t i = next++; i < pending.size(); i = next++) {
            try {
                pending[i].bytes = ImaAdpcmWav(Speak(pending[i].job->script));
            } catch (...) {
                const std::lock_guard lock(failureLock);
                failure = std::current_exception();
                next = pending.size();
            }
        }
    };
    std::vector<std::thread> threads;
    for (int w = 0; w < std::max(1, workers); ++w) {
        threads.emplace_back(work);
    }
    for (auto& t : threads) {
        t.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    for (const Pending& p : pending) {
        out.WriteBytes(p.job->path, p.bytes, p.recipe);
    }
}

} // namespace coursegen
