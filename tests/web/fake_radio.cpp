// The virtual radio behind the browser tests' fake navigator.hid: the sentences the page's
// WebHID code sends are answered by the same radio the desktop tests use.
#include <emscripten.h>

#include <cstring>
#include <memory>
#include <string>

#include "backups/backup_store.h"
#include "model/radio_image.h"
#include "model/radio_settings.h"
#include "sim/virtual_radio.h"

namespace {

qx::VirtualRadio& Radio()
{
    static qx::VirtualRadio radio;
    return radio;
}

}  // namespace

extern "C" {

// 1 and the 32-byte reply when the radio answers the 32-byte command, 0 when it stays silent.
EMSCRIPTEN_KEEPALIVE int qx_fake_respond(const uint8_t* command, uint8_t* reply)
{
    qx::SentenceBytes sentence{};
    std::memcpy(sentence.data(), command, sentence.size());
    const auto answer = Radio().Respond(sentence);
    if (!answer) return 0;
    std::memcpy(reply, answer->data(), answer->size());
    return 1;
}

EMSCRIPTEN_KEEPALIVE const uint8_t* qx_fake_eeprom()
{
    static qx::EepromBytes contents;
    contents = Radio().Contents();
    return contents.data();
}

EMSCRIPTEN_KEEPALIVE void qx_fake_set_eeprom(const uint8_t* bytes)
{
    qx::EepromBytes contents{};
    std::memcpy(contents.data(), bytes, contents.size());
    Radio().SetContents(contents);
}

// Puts a clone file's record into the clone span, as a write would, leaving the rest of the
// EEPROM as it is. 0 for bytes that are not a record.
EMSCRIPTEN_KEEPALIVE int qx_fake_load_record(const uint8_t* bytes, int length)
{
    if (length != static_cast<int>(sizeof(qx::RadioSettings))) return 0;
    auto record = std::make_unique<qx::RadioSettings>();
    std::memcpy(record.get(), bytes, sizeof(qx::RadioSettings));
    auto image = std::make_unique<qx::RadioImage>();
    qx::EepromBytes contents = Radio().Contents();
    std::memcpy(image->data(), contents.data(), contents.size());
    qx::EncodeSettings(*record, 0, *image);
    std::memcpy(contents.data() + qx::kCloneFirst, image->data() + qx::kCloneFirst,
                qx::kCloneLast - qx::kCloneFirst + 1);
    Radio().SetContents(contents);
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* qx_fake_mmsi()
{
    static std::string mmsi;
    const qx::EepromBytes contents = Radio().Contents();
    mmsi = qx::DumpMmsi(std::vector<uint8_t>(contents.begin(), contents.end()));
    return mmsi.c_str();
}

}  // extern "C"
