#include "identity/radio_identity.h"

#include <cstring>
#include <memory>

#include "identity/maritime_identity.h"
#include "model/identity.h"
#include "model/radio_image.h"

namespace qx {

namespace {

std::string Held(const uint8_t* image, int presentAt, int at, bool atis)
{
    if (image[presentAt] == 0) return {};
    IdentityBytes bytes;
    std::memcpy(bytes.data(), image + at, bytes.size());
    const std::string digits = atis ? UnpackAtis(bytes) : UnpackMmsi(bytes);
    // An erased or damaged identity decodes to something the radio would not take.
    return IsValidId(digits) ? digits : std::string();
}

}  // namespace

RadioIdentities ImageIdentities(const uint8_t* image, std::size_t size)
{
    if (image == nullptr || size < static_cast<std::size_t>(kIdentityBlockEnd)) return {};
    return {Held(image, kAddrMmsiPresent, kAddrMmsi, false), Held(image, kAddrAtisPresent, kAddrAtis, true)};
}

RadioIdentities ImageIdentities(const std::vector<uint8_t>& image)
{
    return ImageIdentities(image.data(), image.size());
}

RadioIdentities WrittenIdentities(const RadioSettings& record)
{
    // The encoder decides what reaches the radio, "entry by user" or not.
    auto image = std::make_unique<RadioImage>();
    EncodeSettings(record, 0, *image);
    return ImageIdentities(image->data(), image->size());
}

std::vector<IdentityReplacement> ReplacedIdentities(const RadioIdentities& radio, const RadioIdentities& write)
{
    std::vector<IdentityReplacement> replaced;
    if (!radio.mmsi.empty() && radio.mmsi != write.mmsi)
        replaced.push_back({IdentityKind::Mmsi, radio.mmsi, write.mmsi});
    if (!radio.atis.empty() && radio.atis != write.atis)
        replaced.push_back({IdentityKind::Atis, radio.atis, write.atis});
    return replaced;
}

std::string IdentityText(IdentityKind kind, const std::string& digits)
{
    const bool mmsi = kind == IdentityKind::Mmsi;
    if (digits.empty()) return mmsi ? "no MMSI" : "no ATIS ID";
    const std::string administration = mmsi ? ClassifyMmsi(digits).administration : ClassifyAtis(digits).administration;
    std::string text = mmsi ? "MMSI " + digits : "ATIS ID 9" + digits;
    if (!administration.empty()) text += " (" + administration + ")";
    return text;
}

std::string ReplacementRefusal(const std::vector<IdentityReplacement>& replaced)
{
    std::string refusal;
    for (const IdentityReplacement& r : replaced) {
        if (!refusal.empty()) refusal += "; ";
        refusal += "the radio holds " + IdentityText(r.kind, r.held) + " and this write would give it " +
                   IdentityText(r.kind, r.written);
    }
    return refusal;
}

}  // namespace qx
