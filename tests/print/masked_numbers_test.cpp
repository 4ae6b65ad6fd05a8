// Masked copies: the rule for each kind of number, and a statement printed masked through
// the print window showing no full number anywhere on its sheets.
#include <QCheckBox>
#include <QTest>

#include <gtest/gtest.h>

#include "print/masked_numbers.h"
#include "support/print/print_window_fixture.h"

namespace {

TEST(MaskedNumberTest, KeepsOnlyTheLastFourAndHidesWhatWouldShowWhole)
{
    const struct
    {
        const char *number;
        MaskedNumber kind;
        const char *masked;
    } cases[] = {
        {"123-45-6104", MaskedNumber::SocialSecurity, "XXX-XX-6104"},
        {"123456104", MaskedNumber::SocialSecurity, "XXX-XX-6104"},
        {" 123 45 6104 ", MaskedNumber::SocialSecurity, "XXX-XX-6104"},
        {"45-6104", MaskedNumber::SocialSecurity, "XXX-XX-6104"},
        {"6104", MaskedNumber::SocialSecurity, "XXX-XX-XXXX"}, // four digits would be the whole number
        {"61", MaskedNumber::SocialSecurity, "XXX-XX-XXXX"},
        {"applied for", MaskedNumber::SocialSecurity, "XXX-XX-XXXX"},
        {"", MaskedNumber::SocialSecurity, ""},
        {"   ", MaskedNumber::SocialSecurity, ""},
        {"D12345678", MaskedNumber::Identifier, "XXXXX5678"},
        {"d1234-5678", MaskedNumber::Identifier, "XXXXX-5678"},
        {"12-34-56", MaskedNumber::Identifier, "XX-34-56"},
        {"000123456789", MaskedNumber::Identifier, "XXXXXXXX6789"},
        {"****4471", MaskedNumber::Identifier, "****XXXX"},
        {"A1B2C", MaskedNumber::Identifier, "X1B2C"},
        {"A1B2", MaskedNumber::Identifier, "XXXX"},
        {"7", MaskedNumber::Identifier, "X"},
        {"", MaskedNumber::Identifier, ""},
        {"Ünï-çødé9", MaskedNumber::Identifier, "XXX-Xødé9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(maskedNumber(QString::fromUtf8(c.number), c.kind), QString::fromUtf8(c.masked)) << c.number;
}

class MaskedCopyTest : public PrintWindowTest
{
protected:
    // The pointer leaves the preview button, where a window the next test opens would find it.
    void TearDown() override
    {
        if (window)
            QTest::mouseMove(window, {20, 430});
        PrintWindowTest::TearDown();
    }

    // Every text of every sheet the preview showed last.
    QString previewedTexts()
    {
        clickImage("imPreview", "imPreview_Up");
        EXPECT_FALSE(dialogs.previews.empty());
        QStringList texts;
        for (const Report::DocumentPage &page : dialogs.previews.back().pages)
            texts << textsOf(page);
        return texts.join(u'\n');
    }
};

TEST_F(MaskedCopyTest, AMaskedCopyShowsNoFullNumberAndTheFullCopyShowsEvery)
{
    addFilledStatement(true);
    addDetailRows();
    set(dm->tblClient, {{"SSN", "123-45-6104"},
                        {"DriversLicense", "D1234-5678"},
                        {"DriversLicense_State", "OK"},
                        {"DriversLicenseandState", "D1234-5678 - OK"},
                        {"SSSN", "987654321"},
                        {"SDriversLicenseandState", "S530 7781 1190"}});
    addRow(dm->tblCash, {{"Type", "Checking Account"}, {"RegisteredName", "Mary A. Smith"}, {"Bank", "Plains Credit Union"},
                         {"AccountNumber", "000123456789"}, {"Balance", "700"}});
    select();
    const struct
    {
        const char *full;
        const char *masked;
    } numbers[] = {
        {"123-45-6104", "XXX-XX-6104"},
        {"D1234-5678 - OK", "XXXXX-5678 - OK"},
        {"987654321", "XXX-XX-4321"},
        {"S530 7781 1190", "XXXX XXXX 1190"},
        {"000123456789", "XXXXXXXX6789"},
        {"****4471", "****XXXX"},
        {"****0932", "****XXXX"},
    };
    open();
    const QString full = previewedTexts();
    auto *mask = child<QCheckBox>("chkMask");
    ASSERT_TRUE(mask);
    EXPECT_FALSE(mask->isChecked());
    click("chkMask");
    ASSERT_TRUE(mask->isChecked());
    const QString masked = previewedTexts();
    for (const auto &number : numbers) {
        SCOPED_TRACE(number.full);
        EXPECT_TRUE(full.contains(QLatin1String(number.full)));
        EXPECT_FALSE(masked.contains(QLatin1String(number.full)));
        EXPECT_TRUE(masked.contains(QLatin1String(number.masked))) << masked.toStdString();
    }
    // Nothing else changed: the same sheets, the holders' names as they are.
    EXPECT_EQ(dialogs.previews[0].pageCount(), dialogs.previews[1].pageCount());
    EXPECT_TRUE(masked.contains(QStringLiteral("Mary A. Smith")));
    // The stored statement keeps its numbers.
    EXPECT_EQ(dm->tblClient.FieldByName(QStringLiteral("SSN")).AsString(), QStringLiteral("123-45-6104"));

    // The blank form has none to mask.
    click("rbBlank");
    EXPECT_FALSE(mask->isEnabled());
}

} // namespace
