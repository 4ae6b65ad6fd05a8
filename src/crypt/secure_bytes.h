#pragma once

#include <cstddef>

class QString;

// Bytes that hold a secret (a key, a password, a stream state): in memory of their own that
// libsodium locks against swapping and fences with guard pages, wiped when released.
class SecureBytes
{
public:
    explicit SecureBytes(std::size_t size);
    ~SecureBytes();
    SecureBytes(SecureBytes &&other) noexcept;
    SecureBytes &operator=(SecureBytes &&other) noexcept;
    SecureBytes(const SecureBytes &) = delete;
    SecureBytes &operator=(const SecureBytes &) = delete;

    // A password as the key derivation reads it: its UTF-8 bytes in normalization form C,
    // so the same password typed through another input method gives the same bytes.
    static SecureBytes fromPassword(const QString &password);

    unsigned char *data() { return m_data; }
    const unsigned char *data() const { return m_data; }
    std::size_t size() const { return m_size; }
    // In constant time, so a comparison tells nothing of where two keys differ.
    bool operator==(const SecureBytes &other) const;

private:
    unsigned char *m_data = nullptr;
    std::size_t m_size = 0;
};

// Starts libsodium once; throws CryptError when it cannot start.
void requireSodium();
