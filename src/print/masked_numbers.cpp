#include "masked_numbers.h"

#include "data/particulars.h"
#include "data/tdm1.h"
#include "print/engine/band.h"
#include "print/engine/db_text.h"
#include "print/engine/label.h"

namespace {

constexpr int KeptCharacters = 4;

bool counts(QChar c)
{
    return c.isLetterOrNumber();
}

QString maskedSocialSecurity(const QString &number)
{
    QString digits;
    for (const QChar c : number)
        if (c.isDigit())
            digits += c;
    const QString kept = digits.size() > KeptCharacters ? digits.right(KeptCharacters) : QStringLiteral("XXXX");
    return QStringLiteral("XXX-XX-") + kept;
}

QString maskedIdentifier(const QString &number)
{
    qsizetype significant = 0;
    for (const QChar c : number)
        significant += counts(c) ? 1 : 0;
    // The letters and digits before the last four become X; all of them when there are no more.
    qsizetype hidden = significant > KeptCharacters ? significant - KeptCharacters : significant;
    QString masked = number;
    for (QChar &c : masked) {
        if (hidden == 0)
            break;
        if (counts(c)) {
            c = u'X';
            --hidden;
        }
    }
    return masked;
}

// The fields that hold such a number, on the table that holds them; the spouse's carry
// an S before the holder's name. The licence prints with its state, which stays readable.
struct MaskedField
{
    Table Tdm1::*table;
    const char *field;
    MaskedNumber kind;
    const char *licenceOf = nullptr; // the licence and state field: the prefix of its state's field
};

const MaskedField MaskedFields[] = {
    {&Tdm1::tblClient, "SSN", MaskedNumber::SocialSecurity},
    {&Tdm1::tblClient, "SSSN", MaskedNumber::SocialSecurity},
    {&Tdm1::tblClient, "DriversLicenseandState", MaskedNumber::Identifier, ""},
    {&Tdm1::tblClient, "SDriversLicenseandState", MaskedNumber::Identifier, "S"},
    {&Tdm1::tblCash, "AccountNumber", MaskedNumber::Identifier},
};

Report::DBText::ShownAs shownMasked(const MaskedField &masked, Table &table)
{
    if (!masked.licenceOf)
        return [kind = masked.kind](const QString &printed) { return maskedNumber(printed, kind); };
    // The licence prints joined to its state: the state stays readable, the licence is masked.
    // A text that does not end in its state (one stored before the state was) is masked whole.
    const QString stateField = QLatin1String(masked.licenceOf) + QLatin1String("DriversLicense_State");
    return [&table, stateField, kind = masked.kind](const QString &printed) {
        const QString state = table.FieldByName(stateField).AsString();
        const QString withState = state.isEmpty() ? QString() : Particulars::licenceAndState(QString(), state);
        if (!withState.isEmpty() && printed.endsWith(withState))
            return maskedNumber(printed.chopped(withState.size()), kind) + withState;
        return maskedNumber(printed, kind);
    };
}

// Pages that print their figures as captions name the items of such numbers.
void maskScheduleNumbers(const RunPages &pages)
{
    for (const auto &page : pages)
        for (const auto &band : page->bands())
            for (Report::Band *holder : {band.get(), band->groupHeader(), band->groupFooter()})
                if (holder)
                    for (const auto &item : holder->items())
                        if (auto *label = dynamic_cast<Report::Label *>(item.get());
                            label && label->name() == QLatin1String("LienAccountNumber"))
                            label->setCaption(maskedNumber(label->caption(), MaskedNumber::Identifier));
}

} // namespace

QString maskedNumber(const QString &number, MaskedNumber kind)
{
    if (number.trimmed().isEmpty())
        return QString();
    return kind == MaskedNumber::SocialSecurity ? maskedSocialSecurity(number) : maskedIdentifier(number);
}

void maskRunNumbers(const RunPages &pages, Tdm1 &dm)
{
    for (const auto &page : pages)
        for (const auto &band : page->bands())
            for (const auto &item : band->items())
                if (auto *text = dynamic_cast<Report::DBText *>(item.get()))
                    for (const MaskedField &masked : MaskedFields)
                        if (text->dataSet() == &(dm.*masked.table) && text->dataField() == QLatin1String(masked.field))
                            text->setShownAs(shownMasked(masked, dm.*masked.table));
    maskScheduleNumbers(pages);
}
