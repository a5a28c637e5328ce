#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The RC4 (ARCFOUR) stream cipher. Output length equals input length; nothing is padded and
// no keystream bytes are dropped, so encrypting and decrypting are the same operation.
class Rc4Cipher {
public:
    // The bytes run through the keystream of the key. Only the first 256 key bytes count in
    // RC4's key schedule, so longer keys are cut to 256. None for an empty key.
    static std::optional<std::string> encrypt(std::string_view bytes, std::string_view key);
    static std::optional<std::string> decrypt(std::string_view bytes, std::string_view key)
    {
        return encrypt(bytes, key);
    }
};

} // namespace pw
