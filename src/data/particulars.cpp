#include "particulars.h"

#include "engine/table.h"

namespace Particulars {

QString cityStateZip(const QString &city, const QString &state, const QString &zip)
{
    const QString tail = state + QStringLiteral("  ") + zip;
    return city.isEmpty() ? tail : city + QStringLiteral(", ") + tail;
}

QString licenceStateBirthday(const QString &licence, const QString &licenceState, const QString &birthday)
{
    if (licence.isEmpty())
        return QStringLiteral(" ");
    return licence + QStringLiteral(" - ") + licenceState + QStringLiteral(" - ") + birthday;
}

QString licenceAndState(const QString &licence, const QString &licenceState)
{
    return licenceState.isEmpty() ? licence : licence + QStringLiteral(" - ") + licenceState;
}

QString lastNameFirst(const QString &first, const QString &middle, const QString &last)
{
    return middle.isEmpty() ? last + u' ' + first : last + u' ' + middle + QStringLiteral(". ") + first;
}

QString firstNameFirst(const QString &first, const QString &middle, const QString &last)
{
    return middle.isEmpty() ? first + u' ' + last : first + u' ' + middle + QStringLiteral(". ") + last;
}

QString maritalStatusWithDependants(const QString &status, const QString &dependants)
{
    if (dependants == QLatin1String("1"))
        return status + QStringLiteral(" with 1 dependant.");
    return status + QStringLiteral(" with ") + dependants + QStringLiteral(" dependants.");
}

std::optional<QString> yearsEmployedPhrase(const QString &years)
{
    if (years == QLatin1String("0") || years.isEmpty())
        return QStringLiteral(" ");
    if (years == QLatin1String("1"))
        return QStringLiteral("Employed for 1 year.");
    if (years.compare(QLatin1String("1")) > 0)
        return QStringLiteral("Employed for ") + years + QStringLiteral(" years.");
    return std::nullopt;
}

bool isJoint(const QString &spouseFirstName, const QString &spouseLastName)
{
    return !spouseFirstName.isEmpty() && !spouseLastName.isEmpty();
}

QString fieldName(Side side, const char *field)
{
    // Field names match whatever their case: "S" + "marrieddependants" is smarrieddependants.
    const QString name = QString::fromLatin1(field);
    return side == Side::Person ? name : QStringLiteral("S") + name;
}

namespace {

struct Reader
{
    Table &client;
    Side side;
    QString operator()(const char *field) const { return client.FieldByName(fieldName(side, field)).AsString(); }
    void write(const char *field, const QString &value) const
    {
        client.FieldByName(fieldName(side, field)).SetAsString(value);
    }
};

} // namespace

void writeDerived(Table &client, Side side)
{
    const Reader read{client, side};
    const QString first = read("FirstName"), middle = read("MiddleInitial"), last = read("LastName");
    const QString licence = read("DriversLicense"), licenceState = read("DriversLicense_State");
    read.write("CityStateZip", cityStateZip(read("City"), read("State"), read("Zip")));
    read.write("dlbdate", licenceStateBirthday(licence, licenceState, read("Birthday")));
    read.write("DriversLicenseandState", licenceAndState(licence, licenceState));
    read.write("FullName", lastNameFirst(first, middle, last));
    read.write("FullName2", firstNameFirst(first, middle, last));
    read.write("marrieddependants", maritalStatusWithDependants(read("MaritalStatus"), read("Dependants")));
}

void writeEmploymentDerived(Table &client, Side side)
{
    const Reader read{client, side};
    read.write("ECityStateZip", cityStateZip(read("ECity"), read("EState"), read("EZip")));
    if (const auto phrase = yearsEmployedPhrase(read("YearsEmployed")))
        read.write("YearsEmployed2", *phrase);
}

} // namespace Particulars
