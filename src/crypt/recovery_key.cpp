#include "recovery_key.h"

#include <cstring>
#include <vector>

#include <QStringList>

#include <sodium.h>

#include "crypt_error.h"

namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int DataSymbols = RecoveryKey::GroupLength - 1;
constexpr int SymbolBits = 5;
static_assert(RecoveryKey::Groups * DataSymbols * SymbolBits == RecoveryKey::SecretBytes * 8);

// Multiplication in GF(32) modulo x^5 + x^2 + 1. A check symbol that is a sum of distinct
// non-zero multiples of the symbols changes with any one changed symbol and with any two
// neighbours swapped.
int multiply(int a, int b)
{
    int product = 0;
    for (; b; b >>= 1) {
        if (b & 1)
            product ^= a;
        a <<= 1;
        if (a & 0x20)
            a ^= 0x25;
    }
    return product;
}

int checkSymbol(int group, const int *data)
{
    int check = group + 1;
    int weight = 1;
    for (int i = 0; i < DataSymbols; ++i) {
        weight = multiply(weight, 2);
        check ^= multiply(weight, data[i]);
    }
    return check;
}

// Symbol n of the secret, its bits read from the first byte's highest on.
int secretSymbol(const unsigned char *secret, int n)
{
    int value = 0;
    for (int bit = n * SymbolBits; bit < (n + 1) * SymbolBits; ++bit)
        value = (value << 1) | ((secret[bit / 8] >> (7 - bit % 8)) & 1);
    return value;
}

void setSecretSymbol(unsigned char *secret, int n, int value)
{
    for (int i = 0; i < SymbolBits; ++i) {
        const int bit = n * SymbolBits + i;
        if ((value >> (SymbolBits - 1 - i)) & 1)
            secret[bit / 8] |= static_cast<unsigned char>(0x80 >> (bit % 8));
    }
}

int symbolOf(QChar typed)
{
    char c = typed.toUpper().toLatin1();
    if (c == 'O')
        c = '0';
    else if (c == 'I' || c == 'L')
        c = '1';
    const char *found = c ? std::strchr(Alphabet, c) : nullptr;
    return found ? int(found - Alphabet) : -1;
}

QString listed(const QStringList &items)
{
    if (items.size() == 1)
        return items.first();
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

CryptError mistyped(const QString &message)
{
    return CryptError(CryptError::Kind::MistypedRecoveryKey, message);
}

} // namespace

RecoveryKey::RecoveryKey(SecureBytes secret)
    : m_secret(std::move(secret))
{
}

RecoveryKey RecoveryKey::generate()
{
    SecureBytes secret(SecretBytes);
    randombytes_buf(secret.data(), secret.size());
    return RecoveryKey(std::move(secret));
}

RecoveryKey RecoveryKey::fromSecret(const unsigned char *secret)
{
    SecureBytes bytes(SecretBytes);
    std::memcpy(bytes.data(), secret, SecretBytes);
    return RecoveryKey(std::move(bytes));
}

QString RecoveryKey::text() const
{
    QString text;
    for (int group = 0; group < Groups; ++group) {
        int data[DataSymbols];
        for (int i = 0; i < DataSymbols; ++i)
            data[i] = secretSymbol(m_secret.data(), group * DataSymbols + i);
        if (group > 0)
            text += QLatin1Char('-');
        for (int symbol : data)
            text += QLatin1Char(Alphabet[symbol]);
        text += QLatin1Char(Alphabet[checkSymbol(group, data)]);
    }
    return text;
}

RecoveryKey RecoveryKey::parse(const QString &typed)
{
    std::vector<int> symbols;
    for (QChar c : typed) {
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        const int symbol = symbolOf(c);
        if (symbol < 0)
            throw mistyped(QStringLiteral("\"%1\" is not one of the letters and digits of a recovery key.").arg(c));
        symbols.push_back(symbol);
    }
    if (symbols.size() != std::size_t(Groups * GroupLength))
        throw mistyped(QStringLiteral("A recovery key has %1 letters and digits, in %2 groups of %3; this one has %4.")
                           .arg(Groups * GroupLength)
                           .arg(Groups)
                           .arg(GroupLength)
                           .arg(symbols.size()));
    QStringList wrong;
    SecureBytes secret(SecretBytes);
    for (int group = 0; group < Groups; ++group) {
        const int *data = symbols.data() + group * GroupLength;
        if (checkSymbol(group, data) != data[DataSymbols])
            wrong << QString::number(group + 1);
        for (int i = 0; i < DataSymbols; ++i)
            setSecretSymbol(secret.data(), group * DataSymbols + i, data[i]);
    }
    sodium_memzero(symbols.data(), symbols.size() * sizeof(int));
    if (!wrong.isEmpty())
        throw mistyped(QStringLiteral("%1 %2 of the recovery key %3 mistyped: compare %4 with the key as it was written down.")
                           .arg(wrong.size() == 1 ? QStringLiteral("Group") : QStringLiteral("Groups"), listed(wrong),
                                wrong.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                                wrong.size() == 1 ? QStringLiteral("it") : QStringLiteral("them")));
    return RecoveryKey(std::move(secret));
}
