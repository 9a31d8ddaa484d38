#include "clone/pc_clone.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "files/atomic_file.h"

namespace qx {

namespace {

constexpr uint8_t kPrefix[7] = {'$', 'T', 'E', 'K', 'P', 'C', ','};
constexpr int kLetterOffset = 7;
constexpr int kLengthOffset = 8;
constexpr int kAddressLowOffset = 9;
constexpr int kAddressHighOffset = 10;
constexpr int kDataOffset = 11;
constexpr int kChecksumOffset = 31;
constexpr int kChecksummed = kChecksumOffset - kLetterOffset;  // 24 bytes

constexpr int kLogStampSize = 16;
constexpr int kLogImageBytes = 80;

// The progress maximum: the clone span's (last - first) / block size, remainder dropped. With
// 77 blocks the last step passes the top; the bar is set back to 0 at the end anyway.
constexpr int kProgressMaximum = (kCloneLast - kCloneFirst) / kBlockSize;
constexpr int kCloneCount = kCloneLast - kCloneFirst + 1;

const char kCommLogName[] = "CommLogo.bin";
// Beside the binary log, whose record format has no room for text: why the link failed, as
// the operating system put it, one line per failed attempt.
const char kCommReasonsName[] = "CommLogo.txt";
const char kWriteRomName[] = "WriteRom.bin";
const char kReadRomName[] = "ReadRom.bin";

bool BlockOutside(int address, int count)
{
    return address < 0 || count < 1 || address > kEepromSize || count > kBlockSize || address + count > kEepromSize;
}

}  // namespace

CPcClone::CPcClone(CloneEnvironment& environment, CloneBinding binding)
    : env_(environment),
      settings(binding.settings),
      options(binding.options),
      progress(binding.progress),
      directory(std::move(binding.directory))
{
}

CPcClone::~CPcClone() { CloseCommLog(); }

bool CPcClone::IsBound() const { return settings != nullptr && options != nullptr && progress != nullptr; }

// --- sentences ------------------------------------------------------------------------------

void CPcClone::BuildCommand(uint8_t* command, CommandKind kind)
{
    std::memcpy(command, kPrefix, sizeof kPrefix);
    switch (kind) {
    case CommandKind::HandShake:
        command[kLetterOffset] = 'A';
        command[kLengthOffset] = 0x14;
        command[kAddressLowOffset] = 0xFF;
        command[kAddressHighOffset] = 0xFF;
        std::memset(command + kDataOffset, 0xAA, kBlockSize);
        break;
    case CommandKind::Write: command[kLetterOffset] = 'W'; break;
    case CommandKind::Read: command[kLetterOffset] = 'R'; break;
    }
}

uint8_t CPcClone::XorSum(const uint8_t* bytes, int count)
{
    uint8_t sum = 0;
    for (int i = 0; i < count; ++i) sum ^= bytes[i];
    return sum;
}

bool CPcClone::CheckReply(const uint8_t* reply, ReplyTest test) const
{
    switch (test) {
    case ReplyTest::Prefix: return std::memcmp(reply, kPrefix, sizeof kPrefix) == 0;
    case ReplyTest::Checksum: return XorSum(reply + kLetterOffset, kChecksummed) == reply[kChecksumOffset];
    case ReplyTest::WriteEcho:
        return std::memcmp(reply, kPrefix, sizeof kPrefix) == 0 && reply[kLetterOffset] == 'I' &&
               std::memcmp(reply + kDataOffset, command_.data() + kDataOffset, kBlockSize) == 0;
    }
    return false;
}

std::array<char, 16> CPcClone::LogTimestamp(const LocalTime& time)
{
    std::array<char, 16> stamp{};
    std::snprintf(stamp.data(), stamp.size(), "T%d:%d:%d:%u", time.hour, time.minute, time.second,
                  static_cast<unsigned>(time.millisecond));
    return stamp;
}

// --- the exchange loop ----------------------------------------------------------------------

CloneResult CPcClone::ReplyCode(bool writeEcho) const
{
    if (!CheckReply(reply_.data(), ReplyTest::Prefix)) return kResultHandShakeError;
    if (!CheckReply(reply_.data(), ReplyTest::Checksum)) return kResultCheckSumError;
    if (writeEcho && !CheckReply(reply_.data(), ReplyTest::WriteEcho)) return kResultWriteError;
    return kResultOk;
}

CloneResult CPcClone::Exchange(bool writeEcho)
{
    const CloneTiming& timing = env_.timing;
    CloneResult code = kResultTimeOut;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        reply_.fill(0);
        if (!env_.adaptor.WriteReport(command_.data(), kSentenceSize, timing.sendTimeoutMs)) {
            LogLinkReason();
            return kResultRadioNotDetected;
        }
        // The pause the radio needs before it answers doubles as the stop check.
        if (env_.stopEvent.Wait(timing.stopCheckMs)) return kResultUserCancel;

        const bool received = env_.adaptor.ReadReport(reply_.data(), kSentenceSize, timing.receiveTimeoutMs);
        if (!received) LogLinkReason();
        code = received ? ReplyCode(writeEcho) : kResultTimeOut;

        LogExchange();
        if (code == kResultOk) break;
    }
    return code;
}

CloneResult CPcClone::HandShake()
{
    command_.fill(0);
    BuildCommand(command_.data(), CommandKind::HandShake);
    command_[kChecksumOffset] = XorSum(command_.data() + kLetterOffset, kChecksummed);

    if (!env_.adaptor.IsPresent()) {
        env_.adaptor.Discover();
        if (!env_.adaptor.IsPresent()) return kResultRadioNotDetected;
    }
    return Exchange(false);
}

CloneResult CPcClone::WriteBlock(int address, int count)
{
    if (BlockOutside(address, count)) return kResultUserCancel;
    command_.fill(0);
    BuildCommand(command_.data(), CommandKind::Write);
    command_[kLengthOffset] = static_cast<uint8_t>(count);
    command_[kAddressLowOffset] = static_cast<uint8_t>(address & 0xFF);
    command_[kAddressHighOffset] = static_cast<uint8_t>((address >> 8) & 0xFF);
    std::memcpy(command_.data() + kDataOffset, env_.writeImage.data() + address, count);
    command_[kChecksumOffset] = XorSum(command_.data() + kLetterOffset, kChecksummed);
    return Exchange(true);
}

CloneResult CPcClone::ReadBlock(int address, int count)
{
    if (BlockOutside(address, count)) return kResultUserCancel;
    command_.fill(0);
    BuildCommand(command_.data(), CommandKind::Read);
    command_[kLengthOffset] = static_cast<uint8_t>(count);
    command_[kAddressLowOffset] = static_cast<uint8_t>(address & 0xFF);
    command_[kAddressHighOffset] = static_cast<uint8_t>((address >> 8) & 0xFF);
    command_[kChecksumOffset] = XorSum(command_.data() + kLetterOffset, kChecksummed);
    const CloneResult code = Exchange(false);
    if (code == kResultOk) std::memcpy(env_.readImage.data() + address, reply_.data() + kDataOffset, count);
    return code;
}

// --- ranges and whole operations ------------------------------------------------------------

namespace {

template <typename Block>
CloneResult RunRange(int first, int count, ProgressSink* progress, Block block)
{
    if (first < 0 || count < 0 || first >= kEepromSize || first + count > kEepromSize) return kResultParameterError;
    CloneResult code = kResultOk;
    int address = first;
    int remaining = count;
    while (code == kResultOk && address < kEepromSize && remaining > 0) {
        const int n = std::min(remaining, kBlockSize);
        code = block(address, n);
        address += n;
        remaining -= n;
        if (code == kResultOk && progress != nullptr) progress->Step();
    }
    return code;
}

}  // namespace

CloneResult CPcClone::WriteRange(int first, int count)
{
    return RunRange(first, count, progress, [this](int a, int n) { return WriteBlock(a, n); });
}

CloneResult CPcClone::ReadRange(int first, int count)
{
    return RunRange(first, count, progress, [this](int a, int n) { return ReadBlock(a, n); });
}

CloneResult CPcClone::WriteRadio()
{
    if (!IsBound()) return kResultParameterError;
    EncodeSettings(*settings, env_.adjustMode, env_.writeImage);
    if (options->romMapFlag) WriteRomMapFile(RomMap::Write);

    CloneResult code = HandShake();
    progress->SetRange(0, kProgressMaximum);
    progress->SetStep(1);
    // Only the clone span is written, whatever else the encoder filled in.
    if (code == kResultOk) code = WriteRange(kCloneFirst, kCloneCount);
    progress->SetPosition(0);
    CloseCommLog();
    return code;
}

CloneResult CPcClone::ReadRadio()
{
    if (!IsBound()) return kResultParameterError;
    env_.readImage.fill(0);

    CloneResult code = HandShake();
    progress->SetRange(0, kProgressMaximum);
    progress->SetStep(1);
    if (code == kResultOk) code = HandShake();
    if (code == kResultOk) code = ReadRange(kCloneFirst, kCloneCount);
    // The record changes only after a complete read.
    if (code == kResultOk) DecodeSettings(env_.readImage, options->modelType, *settings);
    progress->SetPosition(0);
    // Written whatever the outcome: after a failure it shows how far the read got.
    if (options->romMapFlag) WriteRomMapFile(RomMap::Read);
    return code;
}

// --- service files --------------------------------------------------------------------------

void CPcClone::OpenCommLog()
{
    CloseCommLog();
    if (options == nullptr || !options->logoFlag) return;
    log_ = std::fopen(JoinPath(directory, kCommLogName).c_str(), "wb");
    if (log_ != nullptr) reasons_ = std::fopen(JoinPath(directory, kCommReasonsName).c_str(), "wb");
}

void CPcClone::LogLinkReason()
{
    if (reasons_ == nullptr || options == nullptr || !options->logoFlag) return;
    const std::string reason = env_.adaptor.LastError();
    if (reason.empty()) return;
    const std::array<char, 16> stamp = LogTimestamp(env_.clock ? env_.clock() : SystemLocalTime());
    // A diagnostic log: a failed write is not the operation's failure.
    if (std::fprintf(reasons_, "%s %s\r\n", stamp.data(), reason.c_str()) > 0) std::fflush(reasons_);
}

void CPcClone::LogExchange()
{
    if (log_ == nullptr || options == nullptr || !options->logoFlag) return;
    std::array<uint8_t, kLogRecordSize> record{};
    const std::array<char, 16> stamp = LogTimestamp(env_.clock ? env_.clock() : SystemLocalTime());
    std::memcpy(record.data(), stamp.data(), kLogStampSize);
    std::memcpy(record.data() + kLogStampSize, env_.writeImage.data(), kLogImageBytes);
    std::memcpy(record.data() + kLogStampSize + kLogImageBytes, env_.readImage.data(), kLogImageBytes);
    // A diagnostic log: a failed write is not the operation's failure.
    if (std::fwrite(record.data(), 1, record.size(), log_) == record.size()) std::fflush(log_);
}

void CPcClone::CloseCommLog()
{
    if (reasons_ != nullptr) std::fclose(reasons_);
    reasons_ = nullptr;
    if (log_ == nullptr) return;
    std::fclose(log_);
    log_ = nullptr;
}

void CPcClone::WriteRomMapFile(RomMap which)
{
    const RadioImage& image = which == RomMap::Write ? env_.writeImage : env_.readImage;
    const char* name = which == RomMap::Write ? kWriteRomName : kReadRomName;
    // A service aid: the operation goes on whether or not the file could be written.
    WriteFileAtomically(JoinPath(directory, name), image.data(), kEepromSize);
}

}  // namespace qx
