#include "model/radio_settings.h"

#include <algorithm>
#include <cstring>

namespace qx {

void ResetSettings(RadioSettings& record, int32_t modelType)
{
    std::memset(&record, 0, sizeof record);
    record.modelType = modelType;
    record.txStep = 0;
    record.rxStep = 1;
    std::strcpy(record.brandName, "Corvelstone");
    std::strcpy(record.modelName, "QX720");
    record.mmsiByUser = 1;
    record.intEnabled = 1;
    record.privateEnabled = 1;
    switch (modelType) {
    case 0:
        record.usaEnabled = 1;
        record.canEnabled = 1;
        record.wxEnabled = 1;
        record.atisByUser = 0;
        break;
    case 1:
        record.usaEnabled = 1;
        record.canEnabled = 0;
        record.wxEnabled = 0;
        record.atisByUser = 1;
        break;
    default:
        // Model type 2; other values only come from damaged state files.
        record.usaEnabled = 1;
        record.canEnabled = 1;
        record.wxEnabled = 0;
        record.atisByUser = 1;
        break;
    }
}

void StoreFieldText(char* field, std::size_t width, std::size_t clearBytes, std::size_t maxChars, std::string_view text)
{
    if (width == 0) return;
    clearBytes = std::min(clearBytes, width);
    std::memset(field, 0, clearBytes);
    std::size_t n = std::min({text.size(), maxChars, width - 1});
    // Stop at an embedded NUL so the stored text reads back as what was given.
    n = std::min(n, text.find('\0') == std::string_view::npos ? n : text.find('\0'));
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

void SetAtisText(RadioSettings& record, std::string_view text)
{
    StoreFieldText(record.atisText, sizeof record.atisText, 12, 10, text);
}

void SetMmsiText(RadioSettings& record, std::string_view text)
{
    StoreFieldText(record.mmsiText, sizeof record.mmsiText, 12, 10, text);
}

std::string AtisText(const RadioSettings& record) { return FieldText(record.atisText); }
std::string MmsiText(const RadioSettings& record)
{
    // Only the first 12 bytes belong to the text; the rest of the span is reserved.
    return FieldText(record.mmsiText, 12);
}

std::string ChannelName(const ChannelEntry& entry) { return FieldText(entry.name); }

void SetChannelName(ChannelEntry& entry, std::string_view name)
{
    StoreFieldText(entry.name, sizeof entry.name, sizeof entry.name, 2, name);
}

std::string UsageText(const ChannelEntry& entry) { return FieldText(entry.usageText); }

void SetUsageText(ChannelEntry& entry, std::string_view text)
{
    StoreFieldText(entry.usageText, sizeof entry.usageText, sizeof entry.usageText, 12, text);
}

int PrivateChannelCount(const RadioSettings& record)
{
    int n = 0;
    while (n < kChannelsPerBlock && record.channels[kPrivateBlock + n].inUse != 0) ++n;
    return n;
}

}  // namespace qx
