#include "key_derivation.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include <QString>

#include <sodium.h>

#include "crypt_error.h"

static_assert(KeyDerivationSaltBytes == crypto_pwhash_SALTBYTES);
static_assert(KeyDerivationLimits::MinimumOpslimit >= crypto_pwhash_argon2id_OPSLIMIT_MIN);
static_assert(KeyDerivationLimits::MinimumMemlimit >= crypto_pwhash_argon2id_MEMLIMIT_MIN);

bool KeyDerivationLimits::acceptable() const
{
    return opslimit >= MinimumOpslimit && opslimit <= MaximumOpslimit && memlimit >= MinimumMemlimit
        && memlimit <= MaximumMemlimit;
}

SecureBytes deriveKey(const SecureBytes &secret, const unsigned char *salt, const KeyDerivationLimits &limits)
{
    SecureBytes key(DerivedKeyBytes);
    if (crypto_pwhash(key.data(), key.size(), reinterpret_cast<const char *>(secret.data()), secret.size(), salt,
                      limits.opslimit, std::size_t(limits.memlimit), crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        throw CryptError(CryptError::Kind::OutOfMemory,
                         QStringLiteral("There is not enough memory to derive the key of the encrypted file (%1 MiB needed).")
                             .arg(double(limits.memlimit) / double(1 << 20), 0, 'f', 0));
    return key;
}

namespace {

// The processor time of the calling thread: what a derivation costs this computer, whatever
// else is running beside it at the moment of calibration.
std::chrono::duration<double> threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

std::chrono::duration<double> derivationTime(const KeyDerivationLimits &limits)
{
    SecureBytes secret(16);
    unsigned char salt[KeyDerivationSaltBytes] = {};
    const auto start = threadTime();
    deriveKey(secret, salt, limits);
    return threadTime() - start;
}

} // namespace

KeyDerivationLimits calibrateKeyDerivation(std::chrono::milliseconds target)
{
    const std::chrono::duration<double> wanted = target;
    // A derivation costs a fixed part (taking and filling its memory) and a part per pass,
    // so two measurements give both.
    std::uint64_t memlimit = CalibrationMemlimit;
    std::chrono::duration<double> one = derivationTime({1, memlimit});
    while (one > wanted && memlimit > CalibrationLeastMemlimit) {
        memlimit /= 2;
        one = derivationTime({1, memlimit});
    }
    const std::chrono::duration<double> three = derivationTime({3, memlimit});
    const double perPass = std::max((three - one).count() / 2, 1e-6);
    const double fixed = std::max(one.count() - perPass, 0.0);
    const double passes = std::round((wanted.count() - fixed) / perPass);
    const auto opslimit = std::uint32_t(std::clamp(passes, double(KeyDerivationLimits::MinimumOpslimit),
                                                   double(KeyDerivationLimits::MaximumOpslimit)));
    return {opslimit, memlimit};
}
