#include "secure_bytes.h"

#include <cstring>
#include <new>
#include <utility>

#include <QString>

#include <sodium.h>

#include "crypt_error.h"

void requireSodium()
{
    static const bool started = sodium_init() >= 0;
    if (!started)
        throw CryptError(CryptError::Kind::Unavailable,
                         QStringLiteral("The encryption library could not start, so no encrypted file can be read or written."));
}

SecureBytes::SecureBytes(std::size_t size)
    : m_size(size)
{
    requireSodium();
    // sodium_malloc locks the pages (mlock) and fills them with a pattern; zero them so a
    // buffer that is only partly written holds no stray bytes.
    m_data = static_cast<unsigned char *>(sodium_malloc(size == 0 ? 1 : size));
    if (!m_data)
        throw std::bad_alloc();
    sodium_memzero(m_data, size == 0 ? 1 : size);
}

SecureBytes::~SecureBytes()
{
    sodium_free(m_data); // wipes, unlocks and releases
}

SecureBytes::SecureBytes(SecureBytes &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0))
{
}

SecureBytes &SecureBytes::operator=(SecureBytes &&other) noexcept
{
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    return *this;
}

SecureBytes SecureBytes::fromPassword(const QString &password)
{
    QString normalized = password.normalized(QString::NormalizationForm_C);
    QByteArray utf8 = normalized.toUtf8();
    SecureBytes bytes(std::size_t(utf8.size()));
    std::memcpy(bytes.data(), utf8.constData(), bytes.size());
    sodium_memzero(utf8.data(), std::size_t(utf8.size()));
    sodium_memzero(normalized.data(), std::size_t(normalized.size()) * sizeof(QChar));
    return bytes;
}

bool SecureBytes::operator==(const SecureBytes &other) const
{
    return m_size == other.m_size && sodium_memcmp(m_data, other.m_data, m_size) == 0;
}
