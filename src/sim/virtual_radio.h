// The virtual QX720: an 8192-byte EEPROM that answers clone sentences as the radio does, with
// a log of what it received and faults to inject. Tests, benchmarks and the command line's
// demo talk to it through VirtualHidBackend (virtual_adaptor.h).
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clone/hid_backend.h"
#include "files/atomic_file.h"
#include "model/radio_image.h"
#include "result/clone_result.h"

namespace qx {

using SentenceBytes = std::array<uint8_t, 32>;
using EepromBytes = std::array<uint8_t, kEepromSize>;

// Which received sentences a fault hits. Sentences are numbered from 1 in the order received.
struct FaultRule {
    std::set<int> sentences;
    int every = 0;  // also every Nth sentence (0: none)
    bool Matches(int number) const;
};

struct RadioFaults {
    FaultRule noReply;  // the command is carried out, its reply lost
    FaultRule badPrefix;
    FaultRule badChecksum;
    FaultRule badEcho;     // write acknowledgements only: one data byte differs
    int unplugAfter = -1;  // the adaptor vanishes once this many sentences were answered
    int silentAfter = -1;  // stays connected but hears nothing after this many (0: never answers)
    int replyDelayMs = 0;  // every reply becomes readable this late
};

class VirtualRadio {
public:
    VirtualRadio();

    EepromBytes Contents() const;
    void SetContents(const EepromBytes& contents);
    void Fill(uint8_t value);
    // A missing file gives an all-zero EEPROM; a file of any size but 8192 bytes is refused
    // (0x20005) and one that cannot be read gives 0x20002, the EEPROM unchanged either way.
    [[nodiscard]] CloneResult Load(const std::string& path);
    // Atomic: a failed save (0x20004, or 0x20006 for a read-only file) leaves the old file as it was.
    // `detail` (when given) gets the system's reason.
    [[nodiscard]] CloneResult Save(const std::string& path, SaveDetail* detail = nullptr) const;

    void SetFaults(const RadioFaults& faults);
    // Every sentence received, well-formed or not, in order.
    std::vector<SentenceBytes> SentenceLog() const;
    int SentenceCount() const;
    // Empties the log and numbers sentences from 1 again.
    void ClearLog();

    bool IsPlugged() const;
    void Unplug();
    // Plugs the adaptor in again as a new device (handles opened before stay dead) and
    // forgets `unplugAfter`.
    void Plug();

    // The adaptor's side. `generation` is the one the handle was opened with.
    uint64_t Generation() const;
    bool Receive(const uint8_t* payload, std::size_t length, uint64_t generation);
    HidIo AwaitReply(SentenceBytes& reply, int timeoutMs, uint64_t generation);
    // A newly opened handle sees only replies to sentences sent through it.
    void DiscardReplies();

    // The reply the radio gives to one command, faults aside; empty when it would not answer
    // (not a clone sentence, bad checksum, unknown letter, block outside the EEPROM). A write
    // command changes the EEPROM.
    std::optional<SentenceBytes> Respond(const SentenceBytes& command);

private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        SentenceBytes sentence;
        Clock::time_point ready;
    };

    mutable std::mutex mutex_;
    std::condition_variable replyReady_;
    EepromBytes eeprom_{};
    RadioFaults faults_;
    std::vector<SentenceBytes> log_;
    int count_ = 0;
    bool plugged_ = true;
    uint64_t generation_ = 1;
    std::deque<Pending> pending_;

    bool PluggedLocked() const;
    std::optional<SentenceBytes> RespondLocked(const SentenceBytes& command);
};

}  // namespace qx
