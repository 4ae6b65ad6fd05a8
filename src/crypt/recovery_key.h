#pragma once

#include <QString>

#include "secure_bytes.h"

// The second way into an encrypted file: 160 random bits shown to the user once, to print or
// write down, as 8 groups of 5 letters and digits ("7KQ2M-XW3PA-..."). Each group is 4
// symbols of the secret and a check symbol over them and the group's place, so a mistyped
// or misplaced group is named before any key is derived. The symbols are Crockford's base
// 32 (no I, L, O or U); typing I or L for 1 and O for 0, lower case, spaces or no dashes are
// all read alike.
class RecoveryKey
{
public:
    static constexpr int Groups = 8;
    static constexpr int GroupLength = 5;
    static constexpr int SecretBytes = 20;

    static RecoveryKey generate();
    // A key of known bytes (SecretBytes of them), for a file that must come out the same.
    static RecoveryKey fromSecret(const unsigned char *secret);
    // Throws CryptError (MistypedRecoveryKey) naming what is wrong: a character that is no
    // symbol, the wrong number of symbols, or each group whose check fails.
    static RecoveryKey parse(const QString &typed);

    QString text() const;
    const SecureBytes &secret() const { return m_secret; }

private:
    explicit RecoveryKey(SecureBytes secret);
    SecureBytes m_secret;
};
