#include "sim/virtual_radio.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/atomic_file.h"

namespace qx {

namespace {

constexpr uint8_t kPrefix[7] = {'$', 'T', 'E', 'K', 'P', 'C', ','};
constexpr int kLetter = 7, kLength = 8, kAddressLow = 9, kAddressHigh = 10, kData = 11, kSum = 31;
constexpr int kMaxBlock = 20;

uint8_t SumOf(const SentenceBytes& s)
{
    uint8_t sum = 0;
    for (int i = kLetter; i < kSum; ++i) sum ^= s[i];
    return sum;
}

SentenceBytes Reply(uint8_t letter, const SentenceBytes& command)
{
    SentenceBytes reply{};
    std::memcpy(reply.data(), kPrefix, sizeof kPrefix);
    reply[kLetter] = letter;
    reply[kLength] = command[kLength];
    reply[kAddressLow] = command[kAddressLow];
    reply[kAddressHigh] = command[kAddressHigh];
    return reply;
}

}  // namespace

bool FaultRule::Matches(int number) const { return sentences.count(number) != 0 || (every > 0 && number % every == 0); }

VirtualRadio::VirtualRadio() = default;

EepromBytes VirtualRadio::Contents() const
{
    std::lock_guard lock(mutex_);
    return eeprom_;
}

void VirtualRadio::SetContents(const EepromBytes& contents)
{
    std::lock_guard lock(mutex_);
    eeprom_ = contents;
}

void VirtualRadio::Fill(uint8_t value)
{
    std::lock_guard lock(mutex_);
    eeprom_.fill(value);
}

CloneResult VirtualRadio::Load(const std::string& path)
{
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (ec) return kResultOpenFileError;
    if (!exists) {
        Fill(0);
        return kResultOk;
    }
    std::vector<uint8_t> bytes;
    // One byte more than an EEPROM, to tell a longer file from a whole one.
    if (!ReadFileBytes(path, bytes, kEepromSize + 1)) return kResultOpenFileError;
    if (bytes.size() != static_cast<std::size_t>(kEepromSize)) return kResultUnknownFormat;
    std::lock_guard lock(mutex_);
    std::copy(bytes.begin(), bytes.end(), eeprom_.begin());
    return kResultOk;
}

CloneResult VirtualRadio::Save(const std::string& path, SaveDetail* detail) const
{
    const EepromBytes contents = Contents();
    return SaveFileAtomically(path, contents.data(), contents.size(), detail);
}

void VirtualRadio::SetFaults(const RadioFaults& faults)
{
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

std::vector<SentenceBytes> VirtualRadio::SentenceLog() const
{
    std::lock_guard lock(mutex_);
    return log_;
}

int VirtualRadio::SentenceCount() const
{
    std::lock_guard lock(mutex_);
    return count_;
}

void VirtualRadio::ClearLog()
{
    std::lock_guard lock(mutex_);
    log_.clear();
    count_ = 0;
}

bool VirtualRadio::PluggedLocked() const
{
    // Once its last answer has been collected, a radio that is due to vanish is gone.
    const bool exhausted = faults_.unplugAfter >= 0 && count_ >= faults_.unplugAfter && pending_.empty();
    return plugged_ && !exhausted;
}

bool VirtualRadio::IsPlugged() const
{
    std::lock_guard lock(mutex_);
    return PluggedLocked();
}

void VirtualRadio::Unplug()
{
    {
        std::lock_guard lock(mutex_);
        plugged_ = false;
        ++generation_;
        pending_.clear();
    }
    replyReady_.notify_all();
}

void VirtualRadio::Plug()
{
    {
        std::lock_guard lock(mutex_);
        plugged_ = true;
        faults_.unplugAfter = -1;
        ++generation_;
        pending_.clear();
    }
    replyReady_.notify_all();
}

uint64_t VirtualRadio::Generation() const
{
    std::lock_guard lock(mutex_);
    return generation_;
}

void VirtualRadio::DiscardReplies()
{
    std::lock_guard lock(mutex_);
    pending_.clear();
}

std::optional<SentenceBytes> VirtualRadio::Respond(const SentenceBytes& command)
{
    std::lock_guard lock(mutex_);
    return RespondLocked(command);
}

std::optional<SentenceBytes> VirtualRadio::RespondLocked(const SentenceBytes& command)
{
    if (std::memcmp(command.data(), kPrefix, sizeof kPrefix) != 0 || SumOf(command) != command[kSum])
        return std::nullopt;

    const uint8_t letter = command[kLetter];
    if (letter == 'A') {
        SentenceBytes reply = command;
        reply[kSum] = SumOf(reply);
        return reply;
    }
    if (letter != 'W' && letter != 'R') return std::nullopt;

    const int count = command[kLength];
    const int address = command[kAddressLow] | (command[kAddressHigh] << 8);
    if (count < 1 || count > kMaxBlock || address + count > kEepromSize) return std::nullopt;

    SentenceBytes reply;
    if (letter == 'W') {
        std::memcpy(eeprom_.data() + address, command.data() + kData, count);
        reply = Reply('I', command);
        // The acknowledgement echoes all twenty data bytes, padding included.
        std::memcpy(reply.data() + kData, command.data() + kData, kMaxBlock);
    } else {
        reply = Reply('R', command);
        std::memcpy(reply.data() + kData, eeprom_.data() + address, count);
    }
    reply[kSum] = SumOf(reply);
    return reply;
}

bool VirtualRadio::Receive(const uint8_t* payload, std::size_t length, uint64_t generation)
{
    {
        std::lock_guard lock(mutex_);
        if (!PluggedLocked() || generation != generation_) return false;

        SentenceBytes command{};
        std::memcpy(command.data(), payload, std::min(length, command.size()));
        log_.push_back(command);
        const int number = ++count_;

        // A silent radio hears nothing; a lost reply still leaves the command carried out.
        if (faults_.silentAfter >= 0 && number > faults_.silentAfter) return true;
        std::optional<SentenceBytes> reply = RespondLocked(command);
        if (!reply) return true;
        if (faults_.noReply.Matches(number)) return true;
        if (command[kLetter] == 'W' && faults_.badEcho.Matches(number)) {
            (*reply)[kData] ^= 0xFF;
            (*reply)[kSum] = SumOf(*reply);
        }
        if (faults_.badPrefix.Matches(number)) (*reply)[0] = '#';
        if (faults_.badChecksum.Matches(number)) (*reply)[kSum] ^= 0x01;

        pending_.push_back({*reply, Clock::now() + std::chrono::milliseconds(faults_.replyDelayMs)});
    }
    replyReady_.notify_all();
    return true;
}

HidIo VirtualRadio::AwaitReply(SentenceBytes& reply, int timeoutMs, uint64_t generation)
{
    std::unique_lock lock(mutex_);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        if (!PluggedLocked() || generation != generation_) return HidIo::Failed;
        const Clock::time_point now = Clock::now();
        if (!pending_.empty() && pending_.front().ready <= now) {
            reply = pending_.front().sentence;
            pending_.pop_front();
            return HidIo::Done;
        }
        if (now >= deadline) return HidIo::TimedOut;
        // Sleep until the deadline, the next reply's time, or a new reply: never spin.
        Clock::time_point wake = deadline;
        if (!pending_.empty()) wake = std::min(wake, pending_.front().ready);
        replyReady_.wait_until(lock, wake);
    }
}

}  // namespace qx
