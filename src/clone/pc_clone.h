// One clone run: HandShake, block and range transfers, Write to Radio and Read from Radio.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "clone/clone_environment.h"
#include "clone/progress_sink.h"
#include "files/model_config.h"
#include "model/radio_image.h"
#include "model/radio_settings.h"
#include "result/clone_result.h"

namespace qx {

enum class CommandKind { HandShake, Write, Read };
enum class ReplyTest { Prefix, Checksum, WriteEcho };

inline constexpr int kSentenceSize = 32;
inline constexpr int kBlockSize = 20;
inline constexpr int kAttempts = 3;
inline constexpr int kLogRecordSize = 176;

// What one clone run works on, given to it when it is made: the record it encodes or decodes
// into, its options, where it reports progress and where its log files go. A run missing one of
// the first three refuses Write to Radio and Read from Radio (parameter error).
struct CloneBinding {
    RadioSettings* settings = nullptr;
    ModelConfig* options = nullptr;
    ProgressSink* progress = nullptr;
    std::string directory;
};

class CPcClone {
public:
    CPcClone(CloneEnvironment& environment, CloneBinding binding);
    virtual ~CPcClone();
    CPcClone(const CPcClone&) = delete;
    CPcClone& operator=(const CPcClone&) = delete;

    [[nodiscard]] CloneResult HandShake();
    [[nodiscard]] CloneResult WriteBlock(int address, int count);
    [[nodiscard]] CloneResult ReadBlock(int address, int count);
    [[nodiscard]] CloneResult WriteRange(int first, int count);
    [[nodiscard]] CloneResult ReadRange(int first, int count);
    [[nodiscard]] CloneResult WriteRadio();
    [[nodiscard]] CloneResult ReadRadio();
    bool IsBound() const;

    void OpenCommLog();
    void LogExchange();
    // One line in CommLogo.txt with the adaptor's LastError, when the system gave a reason.
    void LogLinkReason();
    void CloseCommLog();
    enum class RomMap { Write, Read };
    void WriteRomMapFile(RomMap which);

    // Sentence helpers.
    static void BuildCommand(uint8_t* command, CommandKind kind);
    static uint8_t XorSum(const uint8_t* bytes, int count);
    bool CheckReply(const uint8_t* reply, ReplyTest test) const;
    // The 16-byte "T%d:%d:%d:%u" timestamp field of a log record.
    static std::array<char, 16> LogTimestamp(const LocalTime& time);

    const uint8_t* CommandBuffer() const { return command_.data(); }
    const uint8_t* ReplyBuffer() const { return reply_.data(); }

private:
    CloneEnvironment& env_;
    RadioSettings* settings = nullptr;
    ModelConfig* options = nullptr;
    ProgressSink* progress = nullptr;
    std::string directory;
    std::FILE* log_ = nullptr;
    std::FILE* reasons_ = nullptr;
    std::array<uint8_t, 256> reply_{};
    std::array<uint8_t, 128> command_{};

    [[nodiscard]] CloneResult Exchange(bool writeEcho);
    // The code for the reply now in the buffer: its prefix, checksum and (for writes) echo.
    CloneResult ReplyCode(bool writeEcho) const;
};

}  // namespace qx
