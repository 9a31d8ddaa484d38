#include "fleet/template_digest.h"

#include <openssl/evp.h>

#include <cstdio>
#include <memory>

#include "model/radio_image.h"

namespace qx {

std::string ImageDigest(const RadioSettings& record)
{
    auto image = std::make_unique<RadioImage>();
    EncodeSettings(record, 0, *image);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(image->data() + kCloneFirst, kCloneLast + 1 - kCloneFirst, digest, &length, EVP_sha256(), nullptr) !=
        1)
        return {};
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", digest[i]);
        hex += pair;
    }
    return hex;
}

}  // namespace qx
