// A recovery key is written down by hand and typed back months later: what it says must read
// back to the same secret however it is typed, and a slip must be named by its group before
// anything is derived.
#include <cstring>

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include "crypt/crypt_error.h"
#include "crypt/recovery_key.h"
#include "envelope_fixtures.h"

namespace {

constexpr char Symbols[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

bool sameSecret(const RecoveryKey &a, const RecoveryKey &b)
{
    return a.secret() == b.secret();
}

// The message of parsing `typed`, empty when it parsed.
QString complaint(const QString &typed)
{
    try {
        RecoveryKey::parse(typed);
    } catch (const CryptError &error) {
        EXPECT_EQ(error.kind(), CryptError::Kind::MistypedRecoveryKey);
        return error.message();
    }
    return {};
}

TEST(RecoveryKey, IsEightGroupsOfFiveAndReadsBackHoweverItIsTyped)
{
    for (int run = 0; run < 50; ++run) {
        const RecoveryKey key = RecoveryKey::generate();
        const QString text = key.text();
        ASSERT_TRUE(QRegularExpression(QStringLiteral("^([0-9A-HJKMNP-TV-Z]{5}-){7}[0-9A-HJKMNP-TV-Z]{5}$")).match(text).hasMatch())
            << text.toStdString();
        QString misread = text;
        misread.replace(QLatin1Char('0'), QLatin1Char('O')).replace(QLatin1Char('1'), run % 2 ? QLatin1Char('I') : QLatin1Char('l'));
        for (const QString &typed : {text, text.toLower(), QString(text).remove(QLatin1Char('-')),
                                     QString(text).replace(QLatin1Char('-'), QStringLiteral("  ")) + QLatin1Char('\n'), misread}) {
            EXPECT_TRUE(sameSecret(RecoveryKey::parse(typed), key)) << typed.toStdString();
        }
    }
    EXPECT_FALSE(sameSecret(RecoveryKey::generate(), RecoveryKey::generate()));
}

TEST(RecoveryKey, EveryMistypedSymbolIsNamedByItsGroup)
{
    const QString text = RecoveryKey::generate().text();
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('-'))
            continue;
        const int group = int(at / (RecoveryKey::GroupLength + 1)) + 1;
        const QString expected = QStringLiteral("Group %1 of the recovery key is mistyped: compare it with the key as it was written down.").arg(group);
        for (const char symbol : std::string_view(Symbols)) {
            if (QLatin1Char(symbol) == text[at])
                continue;
            QString typed = text;
            typed[at] = QLatin1Char(symbol);
            EXPECT_EQ(complaint(typed), expected) << typed.toStdString();
        }
    }
}

TEST(RecoveryKey, SwappedNeighboursAndSwappedGroupsAreNamed)
{
    const QString text = RecoveryKey::generate().text();
    for (int group = 0; group < RecoveryKey::Groups; ++group) {
        for (int i = 0; i + 2 < RecoveryKey::GroupLength; ++i) { // the data symbols' neighbours
            QString typed = text;
            const qsizetype at = group * (RecoveryKey::GroupLength + 1) + i;
            if (typed[at] == typed[at + 1])
                continue;
            std::swap(typed[at], typed[at + 1]);
            EXPECT_EQ(complaint(typed),
                      QStringLiteral("Group %1 of the recovery key is mistyped: compare it with the key as it was written down.").arg(group + 1));
        }
    }
    QStringList groups = text.split(QLatin1Char('-'));
    groups.swapItemsAt(1, 4);
    EXPECT_EQ(complaint(groups.join(QLatin1Char('-'))),
              QStringLiteral("Groups 2 and 5 of the recovery key are mistyped: compare them with the key as it was written down."));
    groups = text.split(QLatin1Char('-'));
    groups.move(0, 7);
    EXPECT_TRUE(complaint(groups.join(QLatin1Char('-'))).startsWith(QStringLiteral("Groups 1, 2, 3, 4, 5, 6, 7 and 8 ")));
}

TEST(RecoveryKey, ATypedKeyOfTheWrongLengthOrWithAForeignCharacterSaysWhat)
{
    const QString text = RecoveryKey::generate().text();
    EXPECT_EQ(complaint(text.left(text.size() - 1)),
              QStringLiteral("A recovery key has 40 letters and digits, in 8 groups of 5; this one has 39."));
    EXPECT_EQ(complaint(text + QLatin1Char('7')), QStringLiteral("A recovery key has 40 letters and digits, in 8 groups of 5; this one has 41."));
    EXPECT_EQ(complaint(QString()), QStringLiteral("A recovery key has 40 letters and digits, in 8 groups of 5; this one has 0."));
    for (const QChar foreign : {QChar(u'U'), QChar(u'*'), QChar(0x00c4)}) {
        QString typed = text;
        typed[3] = foreign;
        EXPECT_EQ(complaint(typed), QStringLiteral("\"%1\" is not one of the letters and digits of a recovery key.").arg(foreign));
    }
}

} // namespace
