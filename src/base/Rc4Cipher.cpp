#include "base/Rc4Cipher.h"

#include <algorithm>

#include <nettle/arcfour.h>

namespace pw {

std::optional<std::string> Rc4Cipher::encrypt(std::string_view bytes, std::string_view key)
{
    if (key.empty())
        return std::nullopt;
    const size_t keyLength = std::min<size_t>(key.size(), ARCFOUR_MAX_KEY_SIZE);
    arcfour_ctx context;
    arcfour_set_key(&context, keyLength, reinterpret_cast<const uint8_t*>(key.data()));
    std::string result(bytes.size(), '\0');
    arcfour_crypt(&context, bytes.size(), reinterpret_cast<uint8_t*>(result.data()),
                  reinterpret_cast<const uint8_t*>(bytes.data()));
    return result;
}

} // namespace pw
