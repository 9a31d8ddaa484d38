#include "clone/report_descriptor.h"

#include <vector>

namespace qx {

namespace {

struct GlobalState {
    uint32_t reportSize = 0;   // bits per field
    uint32_t reportCount = 0;  // fields
    uint32_t reportId = 0;
};

// Item types and tags of short items.
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTagInput = 0x8;
constexpr int kTagOutput = 0x9;
constexpr int kTagReportSize = 0x7;
constexpr int kTagReportId = 0x8;
constexpr int kTagReportCount = 0x9;
constexpr int kTagPush = 0xA;
constexpr int kTagPop = 0xB;
constexpr uint8_t kLongItem = 0xFE;

// Deeper nesting than this is no real device.
constexpr std::size_t kMaxPushDepth = 32;
// Keeps the bit sums far from overflow; no HID report comes near it.
constexpr uint64_t kMaxReportBits = 1u << 20;

int BytesFor(uint64_t bits) { return bits == 0 ? 0 : static_cast<int>((bits + 7) / 8) + 1; }

}  // namespace

std::optional<HidReportLengths> ParseReportDescriptor(const uint8_t* bytes, std::size_t size)
{
    GlobalState global;
    std::vector<GlobalState> stack;
    uint64_t inputBits = 0, outputBits = 0;

    std::size_t at = 0;
    while (at < size) {
        const uint8_t prefix = bytes[at++];
        if (prefix == kLongItem) {
            // Long items carry nothing about report sizes: size byte, tag byte, data.
            if (size - at < 2) return std::nullopt;
            const std::size_t dataSize = bytes[at];
            at += 2;
            if (size - at < dataSize) return std::nullopt;
            at += dataSize;
            continue;
        }
        const std::size_t dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (size - at < dataSize) return std::nullopt;
        uint32_t data = 0;
        for (std::size_t i = 0; i < dataSize; ++i) data |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
        at += dataSize;

        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        if (type == kTypeGlobal) {
            switch (tag) {
            case kTagReportSize: global.reportSize = data; break;
            case kTagReportCount: global.reportCount = data; break;
            case kTagReportId: global.reportId = data; break;
            case kTagPush:
                if (stack.size() >= kMaxPushDepth) return std::nullopt;
                stack.push_back(global);
                break;
            case kTagPop:
                if (stack.empty()) return std::nullopt;
                global = stack.back();
                stack.pop_back();
                break;
            default: break;
            }
        } else if (type == kTypeMain && (tag == kTagInput || tag == kTagOutput)) {
            const uint64_t bits = static_cast<uint64_t>(global.reportSize) * global.reportCount;
            if (bits > kMaxReportBits) return std::nullopt;
            if (global.reportId == 0) {
                uint64_t& total = tag == kTagInput ? inputBits : outputBits;
                total += bits;
                if (total > kMaxReportBits) return std::nullopt;
            }
        }
    }
    return HidReportLengths{BytesFor(inputBits), BytesFor(outputBits)};
}

}  // namespace qx
