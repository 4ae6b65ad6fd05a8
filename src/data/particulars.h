#pragma once

#include <optional>

#include <QString>

class Table;

// The texts formed from a person's particulars whenever they are stored, printed on the
// statement pages and shown at the top of the section windows. Written once, here.
namespace Particulars {

// "City, ST  Zip"; without a city "ST  Zip".
QString cityStateZip(const QString &city, const QString &state, const QString &zip);
// "Licence - ST - Birthday"; a single blank without a licence.
QString licenceStateBirthday(const QString &licence, const QString &licenceState, const QString &birthday);
// "Licence - ST"; the licence alone without a state.
QString licenceAndState(const QString &licence, const QString &licenceState);
// "Last First" or "Last M. First".
QString lastNameFirst(const QString &first, const QString &middle, const QString &last);
// "First Last" or "First M. Last".
QString firstNameFirst(const QString &first, const QString &middle, const QString &last);
// "Married with 1 dependant." / "Married with 3 dependants."
QString maritalStatusWithDependants(const QString &status, const QString &dependants);
// The years employed as a phrase; nothing when the field is to stay as it was. Compared as
// text: "10" and "1.5" are more than "1", "05" and "0.5" are not.
std::optional<QString> yearsEmployedPhrase(const QString &years);

// Whether a statement is joint: both of the spouse's names are filled in. A joint statement
// prints the joint pages, and its spouse's particulars are checked as the holder's are.
bool isJoint(const QString &spouseFirstName, const QString &spouseLastName);

// Which set of the Client row's fields: the person's, or the spouse's (prefixed "S").
enum class Side { Person, Spouse };
QString fieldName(Side side, const char *field);

// Writes the derived fields of the side's particulars into the Client row being edited:
// CityStateZip, dlbdate, DriversLicenseandState, FullName, FullName2, marrieddependants.
void writeDerived(Table &client, Side side);
// Writes ECityStateZip and YearsEmployed2 (when its rule gives a value).
void writeEmploymentDerived(Table &client, Side side);

} // namespace Particulars
