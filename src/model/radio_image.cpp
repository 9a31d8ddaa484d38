#include "model/radio_image.h"

#include <memory>

#include <cstring>

#include "model/frequency.h"
#include "model/identity.h"

namespace qx {

uint8_t NameCode(const char* name)
{
    int first = 0;
    char c = name[0];
    if (c >= '0' && c <= '9')
        first = 10 * (c - '0');
    else if (c == 'F')
        first = 100;
    else if (c == 'L')
        first = 110;
    else if (c == 'M')
        first = 120;
    else if (c == 'A')
        first = 130;
    else if (c == 'C')
        first = 140;
    int second = 0;
    if (name[1] >= '0' && name[1] <= '9') second = name[1] - '0';
    return static_cast<uint8_t>((first + second) & 0xFF);
}

void NameFromCode(uint8_t code, char name[3])
{
    char first;
    if (code < 100)
        first = static_cast<char>('0' + code / 10);
    else if (code < 110)
        first = 'F';
    else if (code < 120)
        first = 'L';
    else if (code < 130)
        first = 'M';
    else if (code < 140)
        first = 'A';
    else if (code < 150)
        first = 'C';
    else
        first = '\0';
    name[0] = first;
    name[1] = static_cast<char>('0' + code % 10);
    name[2] = '\0';
}

uint8_t GroupMask(const RadioSettings& r)
{
    uint8_t mask = 0;
    if (r.usaEnabled) mask |= kMaskUsa;
    if (r.usaNarrowEnabled) mask |= kMaskUsaNarrow;
    if (r.intEnabled) mask |= kMaskInt;
    if (r.intNarrowEnabled) mask |= kMaskIntNarrow;
    if (r.canEnabled) mask |= kMaskCan;
    if (r.canNarrowEnabled) mask |= kMaskCanNarrow;
    if (r.privateEnabled) mask |= kMaskPrivate;
    if (r.wxEnabled) mask |= kMaskWx;
    return mask;
}

void ApplyGroupMask(uint8_t mask, RadioSettings& r)
{
    if (mask & kMaskUsa) r.usaEnabled = 1;
    if (mask & kMaskUsaNarrow) r.usaNarrowEnabled = 1;
    if (mask & kMaskInt) r.intEnabled = 1;
    if (mask & kMaskIntNarrow) r.intNarrowEnabled = 1;
    if (mask & kMaskCan) r.canEnabled = 1;
    if (mask & kMaskCanNarrow) r.canNarrowEnabled = 1;
    if (mask & kMaskPrivate) r.privateEnabled = 1;
    if (mask & kMaskWx) r.wxEnabled = 1;
}

namespace {

void PutWord(uint8_t* at, uint16_t word)
{
    at[0] = static_cast<uint8_t>(word & 0xFF);
    at[1] = static_cast<uint8_t>(word >> 8);
}

uint16_t GetWord(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

IdentityBytes GetIdentity(const RadioImage& image, int address)
{
    IdentityBytes bytes{};
    std::memcpy(bytes.data(), image.data() + address, bytes.size());
    return bytes;
}

}  // namespace

int EncodeSettings(const RadioSettings& record, int32_t adjustMode, RadioImage& image)
{
    image.fill(0);
    image[kAddrMarker] = 1;
    image[kAddrGroupMask] = GroupMask(record);
    image[kAddrEuropeModel] = record.modelType != 0 ? 1 : 0;
    image[kAddrAdjustMode] = static_cast<uint8_t>(adjustMode & 0xFF);
    image[kAddrTxStep] = static_cast<uint8_t>(record.txStep & 0xFF);
    image[kAddrRxStep] = static_cast<uint8_t>(record.rxStep & 0xFF);

    if (record.modelType != 0) {
        int s = 0;
        for (; s < kChannelSlotCount; ++s) {
            const ChannelEntry& e = record.channels[kPrivateBlock + s];
            if (e.inUse == 0 || e.name[2] != '\0') break;
            ChannelRecord rec{};
            rec.slot = static_cast<uint8_t>(s);
            rec.nameCode = NameCode(e.name);
            PutWord(rec.txWord, TxWord(e.txMHz, record.txStep));
            PutWord(rec.rxWord, RxWord(e.rxMHz, record.rxStep));
            rec.usageCode = static_cast<uint8_t>(e.usageCode);
            std::memcpy(image.data() + kAddrChannelSlots + 10 * static_cast<std::size_t>(s), &rec, sizeof rec);
        }
        image[kAddrChannelCount] = static_cast<uint8_t>(s);
    }

    // A ticked "entry by user" box sends the identity as absent, whatever number the record
    // still keeps under it: the radio then asks its owner, and no number reaches it unchecked.
    if (auto atis = record.atisByUser != 0 ? std::nullopt : PackAtis(AtisText(record))) {
        std::memcpy(image.data() + kAddrAtis, atis->data(), atis->size());
        image[kAddrAtisPresent] = 1;
    }
    if (auto mmsi = record.mmsiByUser != 0 ? std::nullopt : PackMmsi(MmsiText(record))) {
        std::memcpy(image.data() + kAddrMmsi, mmsi->data(), mmsi->size());
        image[kAddrMmsiPresent] = 1;
    }
    return 0;
}

int DecodeSettings(const RadioImage& image, int32_t modelType, RadioSettings& record)
{
    ResetSettings(record, modelType);
    // Only the zeroed record and the brand and model names survive the defaults.
    std::memset(reinterpret_cast<uint8_t*>(&record) + 0x0004, 0, 0x0104 - 0x0004);

    // The model and step bytes are signed numbers in the image: 0xFF reads as -1.
    // NOLINTBEGIN(bugprone-signed-char-misuse)
    record.modelType = static_cast<int8_t>(image[kAddrEuropeModel]);
    ApplyGroupMask(image[kAddrGroupMask], record);
    record.txStep = static_cast<int8_t>(image[kAddrTxStep]);
    record.rxStep = static_cast<int8_t>(image[kAddrRxStep]);
    // NOLINTEND(bugprone-signed-char-misuse)

    int count = image[kAddrChannelCount];
    if (count > kChannelSlotCount) count = kChannelSlotCount;
    for (int k = 0; k < count; ++k) {
        ChannelRecord rec;
        std::memcpy(&rec, image.data() + kAddrChannelSlots + 10 * static_cast<std::size_t>(k), sizeof rec);
        ChannelEntry e{};
        e.inUse = 1;
        NameFromCode(rec.nameCode, e.name);
        e.usageCode = static_cast<int8_t>(rec.usageCode);
        e.txMHz = TxFromWord(GetWord(rec.txWord), record.txStep);
        e.rxMHz = RxFromWord(GetWord(rec.rxWord), record.rxStep);
        if (rec.atisOneWatt & 0x01) {
            e.oneWattAtis = 1;
        } else {
            e.rxAtis = (rec.noAtisReception & 0x80) ? 0 : 1;
        }
        record.channels[kPrivateBlock + k] = e;
    }

    if (image[kAddrAtisPresent] == 0) {
        record.atisByUser = 1;
    } else {
        record.atisByUser = 0;
        SetAtisText(record, UnpackAtis(GetIdentity(image, kAddrAtis)));
    }
    if (image[kAddrMmsiPresent] == 0) {
        record.mmsiByUser = 1;
    } else {
        record.mmsiByUser = 0;
        SetMmsiText(record, UnpackMmsi(GetIdentity(image, kAddrMmsi)));
    }
    return 0;
}

std::vector<uint8_t> EncodedCloneRange(const RadioSettings& record)
{
    auto image = std::make_unique<RadioImage>();
    EncodeSettings(record, 0, *image);
    return {image->begin() + kCloneFirst, image->begin() + kCloneLast + 1};
}

}  // namespace qx
