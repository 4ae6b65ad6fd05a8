// The texts formed from a person's particulars, case by case, and written into the row.
#include <gtest/gtest.h>

#include "data/particulars.h"
#include "support/temp_database.h"

namespace {

using namespace Particulars;

TEST(DerivedParticulars, NamesWithAndWithoutTheMiddleInitial)
{
    EXPECT_EQ(lastNameFirst("John", "", "Smith"), "Smith John");
    EXPECT_EQ(firstNameFirst("John", "", "Smith"), "John Smith");
    EXPECT_EQ(lastNameFirst("John", "Q", "Smith"), "Smith Q. John");
    EXPECT_EQ(firstNameFirst("John", "Q", "Smith"), "John Q. Smith");
}

TEST(DerivedParticulars, AddressesLicencesAndDependants)
{
    EXPECT_EQ(cityStateZip("Dallas", "TX", "75201"), "Dallas, TX  75201");
    EXPECT_EQ(cityStateZip("", "TX", "75201"), "TX  75201");
    EXPECT_EQ(licenceStateBirthday("D123", "TX", "01/02/1960"), "D123 - TX - 01/02/1960");
    EXPECT_EQ(licenceStateBirthday("", "TX", "01/02/1960"), " ");
    EXPECT_EQ(licenceAndState("D123", "TX"), "D123 - TX");
    EXPECT_EQ(licenceAndState("D123", ""), "D123");
    EXPECT_EQ(licenceAndState("", ""), "");
    EXPECT_EQ(maritalStatusWithDependants("Married", "1"), "Married with 1 dependant.");
    EXPECT_EQ(maritalStatusWithDependants("Married", "0"), "Married with 0 dependants.");
    EXPECT_EQ(maritalStatusWithDependants("Single", "3"), "Single with 3 dependants.");
}

TEST(DerivedParticulars, YearsEmployedAreComparedAsText)
{
    EXPECT_EQ(yearsEmployedPhrase("1"), "Employed for 1 year.");
    EXPECT_EQ(yearsEmployedPhrase("12"), "Employed for 12 years.");
    EXPECT_EQ(yearsEmployedPhrase("2"), "Employed for 2 years.");
    EXPECT_EQ(yearsEmployedPhrase("1.5"), "Employed for 1.5 years.");
    EXPECT_EQ(yearsEmployedPhrase("0"), " ");
    EXPECT_EQ(yearsEmployedPhrase(""), " ");
    // Not more than "1" as text: the phrase stays as it was.
    EXPECT_EQ(yearsEmployedPhrase("05"), std::nullopt);
    EXPECT_EQ(yearsEmployedPhrase("0.5"), std::nullopt);
}

class WrittenParticulars : public DataModuleTest
{
};

TEST_F(WrittenParticulars, EachSideWritesItsOwnFields)
{
    Table &client = dm->tblClient;
    client.Append();
    for (const auto &[field, value] :
         std::vector<std::pair<const char *, const char *>>{{"FirstName", "John"}, {"MiddleInitial", "Q"},
                                                             {"LastName", "Smith"}, {"City", ""}, {"State", "TX"},
                                                             {"Zip", "75201"}, {"MaritalStatus", "Married"},
                                                             {"Dependants", "1"}, {"SFirstName", "Jane"},
                                                             {"SLastName", "Smith"}, {"SCity", "Austin"},
                                                             {"SState", "TX"}, {"SZip", "73301"},
                                                             {"SDriversLicense", "S99"}, {"SBirthday", "03/04/1962"},
                                                             {"YearsEmployed", "05"}, {"YearsEmployed2", "kept"},
                                                             {"SYearsEmployed", "10"}, {"SECity", ""}, {"SEState", "TX"}})
        client.FieldByName(field).SetAsString(value);
    writeDerived(client, Side::Person);
    writeDerived(client, Side::Spouse);
    writeEmploymentDerived(client, Side::Person);
    writeEmploymentDerived(client, Side::Spouse);
    const auto read = [&](const char *field) { return client.FieldByName(field).AsString(); };
    EXPECT_EQ(read("FullName"), "Smith Q. John");
    EXPECT_EQ(read("FullName2"), "John Q. Smith");
    EXPECT_EQ(read("CityStateZip"), "TX  75201");
    EXPECT_EQ(read("dlbdate"), " ");
    EXPECT_EQ(read("marrieddependants"), "Married with 1 dependant.");
    EXPECT_EQ(read("YearsEmployed2"), "kept");
    EXPECT_EQ(read("SFullName"), "Smith Jane");
    EXPECT_EQ(read("SFullName2"), "Jane Smith");
    EXPECT_EQ(read("SCityStateZip"), "Austin, TX  73301");
    EXPECT_EQ(read("Sdlbdate"), "S99 -  - 03/04/1962");
    EXPECT_EQ(read("SDriversLicenseandState"), "S99");
    EXPECT_EQ(read("smarrieddependants"), " with  dependants.");
    EXPECT_EQ(read("SYearsEmployed2"), "Employed for 10 years.");
    EXPECT_EQ(read("SECityStateZip"), "TX  ");
    client.Cancel();
}

} // namespace
