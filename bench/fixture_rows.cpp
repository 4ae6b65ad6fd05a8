// The rows of a generated statement: its particulars and its detail rows, drawn at random
// in the proportions and with the texts a user of the program enters.
#include "fixture_parts.h"

#include "data/entry_lists.h"

namespace FixtureParts {

namespace {

// ---------------------------------------------------------------------------------------
// People and their particulars.

// One side of a statement: the person, or the spouse (written with the prefix "S").
struct Side
{
    std::string first, middle, last, birthday, address, city, state, zip, ssn, license, licenseState, phone,
        email, marital, dependants, employer, position, years, eaddress, ecity, estate, ezip, businessPhone,
        accountant, accountantPhone, attorney, attorneyPhone, banker, bankerPhone, advisor, advisorPhone;
};

std::string otherPerson(Rng &rng)
{
    const Names &firsts = rng.chance(0.5) ? maleNames() : femaleNames();
    return std::string(rng.pickCommon(firsts)) + ' ' + rng.pickCommon(lastNames());
}

const Place &randomPlace(Rng &rng)
{
    return places()[size_t(rng.between(0, int(places().size()) - 1))];
}

std::string phone(Rng &rng, const char *area)
{
    return std::string("(") + area + ") " + number(rng.between(200, 989)) + '-' + digits(rng, 4);
}

std::string streetAddress(Rng &rng)
{
    return number(rng.between(10, 9990)) + ' ' + rng.pick(streets()) + ' ' + rng.pick(streetKinds());
}

std::string lowerAscii(const std::string &text)
{
    std::string out;
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            out += char(c | 0x20);
    return out;
}

Side makeSide(Rng &rng, const std::string &first, const std::string &middle, const std::string &last,
              const Place &home, const std::string &address, const std::string &zip, int birthYear,
              const std::string &marital, const std::string &dependants, const std::string &employer)
{
    Side s;
    s.first = first;
    s.middle = middle;
    s.last = last;
    s.birthday = twoDigits(rng.between(1, 12)) + '/' + twoDigits(rng.between(1, 28)) + '/' + number(birthYear);
    s.address = address;
    s.city = home.city;
    s.state = home.state;
    s.zip = zip;
    s.ssn = std::string(1, char('0' + rng.between(0, 6))) + digits(rng, 2) + '-' + digits(rng, 2) + '-' + digits(rng, 4);
    if (!rng.chance(0.04)) {
        s.license = std::string(1, char('A' + rng.between(0, 25))) + digits(rng, 7);
        s.licenseState = rng.chance(0.93) ? home.state : randomPlace(rng).state;
    }
    s.phone = phone(rng, home.area);
    if (rng.chance(0.85))
        s.email = lowerAscii(first) + '.' + lowerAscii(last) + (rng.chance(0.3) ? number(rng.between(1, 99)) : "") + '@'
            + rng.pick(Names{"gmail.com", "yahoo.com", "hotmail.com", "aol.com", "comcast.net", "msn.com",
                             "sbcglobal.net", "att.net", "verizon.net", "earthlink.net"});
    s.marital = marital;
    s.dependants = dependants;
    s.employer = employer;
    if (!employer.empty()) {
        const Place &work = rng.chance(0.85) ? home : randomPlace(rng);
        s.position = rng.pick(positions());
        s.years = number(std::min(40, 1 + int(rng.gamma2(4.0))));
        s.eaddress = streetAddress(rng);
        if (rng.chance(0.3))
            s.eaddress += ", Suite " + number(rng.between(100, 950));
        s.ecity = work.city;
        s.estate = work.state;
        s.ezip = std::string(work.zip) + digits(rng, 2);
        s.businessPhone = phone(rng, work.area);
    }
    const auto adviser = [&](std::string &name, std::string &phoneNumber, const char *title, double p) {
        if (rng.chance(p)) {
            name = otherPerson(rng) + title;
            phoneNumber = phone(rng, home.area);
        }
    };
    adviser(s.accountant, s.accountantPhone, ", CPA", 0.7);
    adviser(s.attorney, s.attorneyPhone, ", Esq.", 0.55);
    adviser(s.banker, s.bankerPhone, "", 0.6);
    adviser(s.advisor, s.advisorPhone, "", 0.45);
    return s;
}

// The side's entered fields and the texts the particulars windows derive from them.
void addSide(Row &row, const Side &s, bool spouse)
{
    const std::string p = spouse ? "S" : "";
    const auto put = [&](const char *column, const std::string &value) { row.text(p + column, value); };
    put("FirstName", s.first);
    put("MiddleInitial", s.middle);
    put("LastName", s.last);
    put("Birthday", s.birthday);
    put("Address", s.address);
    put("City", s.city);
    put("State", s.state);
    put("Zip", s.zip);
    put("SSN", s.ssn);
    put("DriversLicense", s.license);
    put("DriversLicense_State", s.licenseState);
    put("PersonalPhone", s.phone);
    put("Email", s.email);
    put("MaritalStatus", s.marital);
    put("Dependants", s.dependants);
    put("Employer", s.employer);
    put("Position", s.position);
    put("YearsEmployed", s.years);
    put("EAddress", s.eaddress);
    put("ECity", s.ecity);
    put("EState", s.estate);
    put("EZip", s.ezip);
    put("BusinessPhone", s.businessPhone);
    put("Accountant", s.accountant);
    put("AccountantPhone", s.accountantPhone);
    put("Attorney", s.attorney);
    put("AttorneyPhone", s.attorneyPhone);
    put("Banker", s.banker);
    put("BankerPhone", s.bankerPhone);
    put("Advisor", s.advisor);
    put("AdvisorPhone", s.advisorPhone);

    const bool empty = s.first.empty() && s.last.empty();
    const auto derived = [&](const char *column, const std::string &value) { row.text(p + column, empty ? "" : value); };
    derived("FullName", s.middle.empty() ? s.last + ' ' + s.first : s.last + ' ' + s.middle + ". " + s.first);
    derived("FullName2", personName(s.first, s.middle, s.last));
    derived("CityStateZip", s.city.empty() ? s.state + "  " + s.zip : s.city + ", " + s.state + "  " + s.zip);
    derived("ECityStateZip", s.employer.empty() ? std::string()
                             : s.ecity.empty()  ? s.estate + "  " + s.ezip
                                                : s.ecity + ", " + s.estate + "  " + s.ezip);
    derived("DriversLicenseandState", s.licenseState.empty() ? s.license : s.license + " - " + s.licenseState);
    derived("dlbdate", s.license.empty() ? " " : s.license + " - " + s.licenseState + " - " + s.birthday);
    derived("marrieddependants", s.dependants == "1" ? s.marital + " with 1 dependant."
                                                     : s.marital + " with " + s.dependants + " dependants.");
    derived("YearsEmployed2", s.years.empty() || s.years == "0" ? " "
                              : s.years == "1"                  ? "Employed for 1 year."
                                                                : "Employed for " + s.years + " years.");
}

} // namespace

Person makePerson(Rng &rng, bool forceJoint, Row &row)
{
    Person person;
    const bool male = rng.chance(0.58);
    person.first = rng.pickCommon(male ? maleNames() : femaleNames());
    person.middle = rng.chance(0.65) ? std::string(1, char('A' + rng.between(0, 25))) : std::string();
    person.last = rng.pickCommon(lastNames());
    person.joint = forceJoint || rng.chance(0.45);
    person.place = rng.between(0, int(places().size()) - 1);
    const Place &home = places()[size_t(person.place)];
    const std::string address = streetAddress(rng) + (rng.chance(0.08) ? ", Apt. " + number(rng.between(1, 40)) : "");
    const std::string zip = std::string(home.zip) + digits(rng, 2);
    const int birthYear = rng.between(1932, 1986);
    const std::string dependants = number(rng.weighted(std::array<double, 6>{30, 20, 27, 14, 6, 3}.data(), 6));
    const bool retired = birthYear < 1945 && rng.chance(0.7);
    person.employer = retired || rng.chance(0.06) ? std::string() : std::string(rng.pickCommon(employers()));

    std::string marital = "Married";
    if (!person.joint)
        marital = rng.pick(Names{"Single", "Single", "Single", "Married", "Separated", "Widowed", "Widowed"});

    Side spouse;
    if (person.joint) {
        person.spouseFirst = rng.pickCommon(male ? femaleNames() : maleNames());
        person.spouseMiddle = rng.chance(0.6) ? std::string(1, char('A' + rng.between(0, 25))) : std::string();
        person.spouseLast = rng.chance(0.85) ? person.last : std::string(rng.pickCommon(lastNames()));
        person.spouseEmployer = rng.chance(0.65) && !retired ? std::string(rng.pickCommon(employers())) : std::string();
        spouse = makeSide(rng, person.spouseFirst, person.spouseMiddle, person.spouseLast, home, address, zip,
                          std::clamp(birthYear + rng.between(-6, 6), 1928, 1990), "Married", dependants,
                          person.spouseEmployer);
    }
    const Side self = makeSide(rng, person.first, person.middle, person.last, home, address, zip, birthYear, marital,
                               dependants, person.employer);

    row.clear();
    row.text("JointStatement", person.joint ? "Yes" : "No");
    addSide(row, self, false);
    addSide(row, spouse, true);
    return person;
}

namespace {

// ---------------------------------------------------------------------------------------
// Detail rows. Each writer sets the row's fields after ClientId.

void writeCash(Detail &d)
{
    static const double weights[] = {8, 40, 28, 12, 12};
    const int type = d.ordinal == 0 ? 1 : d.rng.weighted(weights, 5);
    double balance = 0;
    switch (type) {
    case 0: balance = d.rng.rounded(20, 3000, 10); break;
    case 1: balance = d.rng.cents(150, 40000); break;
    case 2: balance = d.rng.cents(200, 120000); break;
    case 3: balance = d.rng.rounded(1000, 150000, 500); break;
    default: balance = d.rng.cents(2000, 250000); break;
    }
    d.row.text("RegisteredName", d.person.registered(d.rng));
    d.row.text("Type", entry(EntryLists::cashTypes(), type));
    d.row.text("Bank", type == 0 ? "" : d.rng.pickCommon(banks()));
    d.row.text("AccountNumber", type == 0 ? std::string() : digits(d.rng, d.rng.between(8, 12)));
    d.row.real("Balance", balance);
    d.pledged();
}

void writeInvestment(Detail &d)
{
    static const double weights[] = {14, 8, 22, 8, 12, 32, 4};
    const int type = d.rng.weighted(weights, 7);
    std::string description, exchange = "Unlisted", shares;
    double market = 0;
    switch (type) {
    case 0: // 401K
        description = "401(k) - " + (d.person.employer.empty() ? std::string("former employer") : d.person.employer);
        market = d.rng.cents(5000, 600000);
        break;
    case 1: { // Bond
        const int rate = d.rng.between(2, 7), year = d.rng.between(2011, 2035);
        description = d.rng.chance(0.5) ? "US Treasury Note " + number(rate) + ".25% " + number(year)
                                        : std::string(randomPlace(d.rng).city) + " Municipal Bond " + number(rate) + "% " + number(year);
        market = d.rng.rounded(5000, 100000, 1000);
        exchange = d.rng.chance(0.8) ? "Unlisted" : d.rng.chance(0.5) ? "CBOT" : "Other";
        break;
    }
    case 2: { // Mutual Fund
        description = d.rng.pick(funds());
        const double units = d.rng.spread(50, 8000), price = d.rng.uniform(9, 140);
        shares = number(std::llround(units));
        market = std::round(units * price * 100) / 100;
        break;
    }
    case 3: description = "Pension plan - " + (d.person.employer.empty() ? std::string("State retirement system") : d.person.employer);
        market = d.rng.cents(10000, 800000);
        break;
    case 4: description = std::string(d.rng.chance(0.5) ? "Rollover IRA - " : "SEP/IRA - ") + d.rng.pick(brokers());
        market = d.rng.cents(3000, 400000);
        break;
    case 5: { // Stock
        description = d.rng.pickCommon(stocks());
        const double count = d.rng.rounded(10, 2500, 5), price = d.rng.uniform(8, 250);
        shares = number(std::llround(count));
        market = std::round(count * price * 100) / 100;
        const double x = d.rng.unit();
        exchange = x < 0.55 ? "NYSE" : x < 0.9 ? "NASDAQ" : x < 0.95 ? "AMEX" : entry(EntryLists::exchanges(), d.rng.between(2, 14));
        break;
    }
    default: description = d.rng.pick(Names{"Annuity - ", "Brokerage cash - ", "Hedge fund interest - ", "REIT units - "})
                 + std::string(d.rng.pick(brokers()));
        market = d.rng.cents(1000, 100000);
        exchange = d.rng.chance(0.7) ? "Unlisted" : "Other";
        break;
    }
    const double purchase = std::round(market * d.rng.uniform(0.55, 1.35) * 100) / 100;
    d.row.text("Description", description);
    d.row.text("InvestmentType", entry(EntryLists::investmentTypes(), type));
    d.row.text("RegisteredName", d.person.registered(d.rng));
    d.row.text("Exchange", exchange);
    d.row.text("Shares", shares);
    d.row.real("PurchasePrice", purchase);
    d.row.real("MarketValue", market);
    d.pledged();
}

void writeRealEstate(Detail &d)
{
    static const double weights[] = {0, 25, 45, 20, 10};
    const int type = d.ordinal == 0 ? 0 : d.rng.weighted(weights, 5);
    const Place &home = places()[size_t(d.person.place)];
    std::string description;
    double market = 0;
    switch (type) {
    case 0: description = streetAddress(d.rng) + ", " + home.city; market = d.rng.rounded(95000, 1500000, 1000); break;
    case 1: description = d.rng.pick(Names{"Office building - ", "Retail strip - ", "Warehouse - ", "Land - "})
                + streetAddress(d.rng);
        market = d.rng.rounded(80000, 2500000, 5000);
        break;
    case 2: description = d.rng.pick(Names{"Duplex - ", "Rental house - ", "Fourplex - ", "Condo - "}) + streetAddress(d.rng);
        market = d.rng.rounded(60000, 900000, 1000);
        break;
    case 3: description = std::string(d.rng.pick(Names{"Lake cabin - ", "Beach condo - ", "Mountain cabin - ", "Time share - "}))
                + randomPlace(d.rng).city;
        market = d.rng.rounded(40000, 1200000, 1000);
        break;
    default: description = d.rng.pick(Names{"Vacant lot - ", "Farm land, 80 acres - ", "Hunting land - "})
                 + std::string(randomPlace(d.rng).city);
        market = d.rng.rounded(15000, 600000, 1000);
        break;
    }
    static const double owned[] = {100, 50, 33.33, 25, 75};
    static const double ownedWeights[] = {70, 20, 4, 3, 3};
    const double percentOwned = owned[d.rng.weighted(ownedWeights, 5)];
    const bool mortgaged = !d.rng.chance(type == 4 ? 0.7 : 0.22);
    const double balance = mortgaged ? std::round(market * d.rng.uniform(0.1, 0.92) * 100) / 100 : 0.0;
    const double percentLiability = d.rng.chance(0.9) ? percentOwned : 100.0;
    const double share = market * (percentOwned * 0.01), owed = balance * (percentLiability * 0.01);
    d.row.text("Description", description);
    d.row.text("Type", entry(EntryLists::realEstateTypes(), type));
    d.row.text("YearAcquired", number(d.rng.between(1968, 2011)));
    d.row.text("RegisteredName", d.person.registered(d.rng));
    d.row.real("PercentOwned", percentOwned);
    d.row.real("MarketValue", market);
    d.row.real("TMarketValue", share);
    d.row.text("LienHolder", mortgaged ? d.rng.pickCommon(banks()) : "");
    d.row.real("CurrentBalance", balance);
    d.row.real("PercentLiability", percentLiability);
    d.row.real("TCurrentLiability", owed);
}

void writeAuto(Detail &d)
{
    const std::string model = d.rng.pickCommon(carModels());
    const int year = d.rng.between(1996, 2011);
    const double purchase = d.rng.rounded(9000, 85000, 100);
    const double value = std::round(purchase * std::pow(0.86, 2011 - year) * d.rng.uniform(0.85, 1.05) / 50) * 50;
    const double payment = d.rng.chance(0.45) ? 0.0 : d.rng.cents(180, 1200);
    d.row.text("Model", model);
    d.row.text("Year", number(year));
    d.row.text("Description", number(year) + ' ' + model);
    d.row.real("PurchasePrice", purchase);
    d.row.real("CurrentValue", value);
    d.row.real("MonthlyPayment", payment);
}

void writeLifeInsurance(Detail &d)
{
    const std::string insured = d.person.someone(d.rng);
    const double face = d.rng.rounded(25000, 3000000, 5000);
    const double cash = d.rng.chance(0.55) ? 0.0 : std::round(face * d.rng.uniform(0.01, 0.3) * 100) / 100;
    std::string beneficiary;
    if (d.person.joint && d.rng.chance(0.75))
        beneficiary = insured == d.person.name() ? d.person.spouseName() : d.person.name();
    else
        beneficiary = d.rng.chance(0.5) ? std::string(d.rng.pickCommon(d.rng.chance(0.5) ? maleNames() : femaleNames())) + ' ' + d.person.last
                                        : "Estate of " + insured;
    d.row.text("Insured", insured);
    d.row.text("Company", d.rng.pick(insurers()));
    d.row.text("Beneficiary", beneficiary);
    d.row.real("FaceValue", face);
    d.row.real("CashValue", cash);
    d.pledged();
}

void writePersonalAsset(Detail &d)
{
    const double value = d.rng.rounded(300, 150000, 50);
    d.row.text("Description", d.ordinal == 0 ? std::string("Household furnishings") : std::string(d.rng.pick(personalItems())));
    d.row.text("Registered", d.person.registered(d.rng));
    d.row.real("Value", value);
}

void writeBusinessAsset(Detail &d)
{
    static const int shares[] = {100, 50, 33, 25, 20, 10, 5};
    const double value = d.rng.rounded(5000, 3000000, 500);
    d.row.text("Description", number(shares[d.rng.between(0, 6)]) + "% interest in "
                                  + (d.rng.chance(0.6) ? d.person.last : std::string(d.rng.pickCommon(lastNames()))) + ' '
                                  + d.rng.pick(businessKinds()));
    d.row.text("Registered", d.person.registered(d.rng));
    d.row.real("Value", value);
}

void writeOtherAsset(Detail &d)
{
    static const double weights[] = {20, 30, 50};
    const int type = d.rng.weighted(weights, 3);
    std::string description;
    if (type == 0)
        description = d.rng.chance(0.6) ? "Margin account - " + std::string(d.rng.pick(brokers()))
                                        : "Restricted stock - " + (d.person.employer.empty() ? std::string("former employer") : d.person.employer);
    else if (type == 1)
        description = d.rng.chance(0.6) ? "Note receivable from " + otherPerson(d.rng) : "Accounts receivable - consulting";
    else
        description = d.rng.pick(Names{"Federal tax refund due", "Security deposit", "Oil and gas royalty interest",
                                       "Deferred compensation", "Cemetery plots", "Escrow deposit",
                                       "Cash value of annuity", "Club membership equity"});
    const double value = d.rng.cents(500, 250000);
    d.row.text("Description", description);
    d.row.text("Registered", d.person.registered(d.rng));
    d.row.text("Type", entry(EntryLists::otherAssetTypes(), type));
    d.row.real("Value", value);
}

void writeAutoLoan(Detail &d)
{
    const double balance = d.rng.cents(1500, 60000);
    d.row.text("Description", number(d.rng.between(2004, 2011)) + ' ' + d.rng.pickCommon(carModels()));
    d.row.text("Registered", d.person.registered(d.rng));
    d.row.text("LienHolder", d.rng.pick(autoLenders()));
    d.row.real("LoanBalance", balance);
}

void writeBankNote(Detail &d)
{
    const double amount = d.rng.rounded(2000, 400000, 100);
    d.row.text("Description", d.rng.pick(Names{"Home equity line of credit", "Personal note", "Business line of credit",
                                               "Unsecured note", "Note secured by CD", "Construction loan",
                                               "Equipment loan", "Signature loan"}));
    d.row.text("Bank", d.rng.pickCommon(banks()));
    d.row.text("Registered", d.person.registered(d.rng));
    d.row.real("Amount", amount);
}

void writeCreditCard(Detail &d)
{
    const double limit = d.rng.rounded(1000, 50000, 500);
    const double balance = d.rng.chance(0.25) ? 0.0 : std::min(limit, d.rng.cents(50, 25000));
    d.row.text("Description", d.rng.pickCommon(Names{"Visa - Chase", "MasterCard - Citi", "American Express",
                                                     "Discover", "Visa - Bank of America", "Visa - Capital One",
                                                     "MasterCard - Capital One", "Visa - Wells Fargo",
                                                     "American Express Gold", "Visa - U.S. Bank",
                                                     "Sears MasterCard", "Macy's", "Home Depot", "Lowe's",
                                                     "Target REDcard", "Nordstrom", "Exxon Mobil", "Shell",
                                                     "MasterCard - Barclays", "Diners Club"}));
    d.row.real("CurrentBalance", balance);
    d.row.real("CreditLimit", limit);
    d.row.text("MemberSince", number(d.rng.between(1978, 2011)));
}

void writeTax(Detail &d)
{
    const int year = d.rng.between(2008, 2011);
    const double amount = d.rng.cents(300, 60000);
    d.row.text("Description", d.rng.pick(std::vector<std::string>{
                                  number(year) + " Federal income tax", number(year) + " State income tax",
                                  "Real estate taxes - " + std::string(places()[size_t(d.person.place)].city),
                                  "Personal property tax", "Quarterly estimated tax", "Payroll taxes"}));
    d.row.text("Explanation", d.rng.pick(Names{"Balance due April 15", "Installment agreement with IRS",
                                               "Due in two installments", "Escrowed", "", ""}));
    d.row.real("Amount", amount);
}

void writeOtherLiability(Detail &d)
{
    const double amount = d.rng.cents(500, 80000);
    const double payment = d.rng.chance(0.3) ? 0.0 : d.rng.cents(25, 1500);
    d.row.text("Description", d.rng.pick(Names{"Loan from family member", "401(k) loan", "Student loan - Sallie Mae",
                                               "Medical bills", "Margin loan", "Life insurance policy loan",
                                               "Furniture financing", "Boat loan", "Loan from business partner"}));
    d.row.real("Amount", amount);
    d.row.real("MonthlyPayment", payment);
}

void writeContingent(Detail &d)
{
    const int type = d.rng.between(0, 5);
    const double amount = d.rng.rounded(5000, 500000, 100);
    const double payment = d.rng.chance(0.5) ? 0.0 : d.rng.cents(100, 3000);
    static const char *const toWhom[] = {"co-signed for ", "guarantee for ", "suit brought by ", "lease with ",
                                         "payable to ", "obligation to "};
    d.row.text("Description", entry(EntryLists::contingentTypes(), type));
    d.row.text("ToWhom", d.rng.chance(0.6) ? otherPerson(d.rng) : std::string(d.rng.pickCommon(banks())));
    d.row.text("Explanation", std::string(toWhom[type]) + (d.rng.chance(0.5) ? otherPerson(d.rng) : std::string(d.rng.pickCommon(banks()))));
    d.row.real("Amount", amount);
    d.row.real("MonthlyPayment", payment);
    d.row.text("Maturity", d.rng.chance(0.2) ? std::string() : randomDate(d.rng, 2011, 2030));
}

// A monthly amount as the window writes it: the yearly amount over 12, in ten-thousandths.
std::int64_t monthlyUnits(double yearly)
{
    return std::llround(yearly / 12.0 * 10000.0);
}

void writeIncome(Detail &d)
{
    static const double weights[] = {10, 25, 10, 4, 20, 12, 19};
    int type = d.rng.weighted(weights, 7);
    if (d.ordinal == 0 && !d.person.employer.empty())
        type = 4;
    else if (d.ordinal == 1 && !d.person.spouseEmployer.empty())
        type = 5;
    std::string description;
    double amount = 0;
    switch (type) {
    case 0: description = d.rng.pick(Names{"Annual bonus", "Sales commissions", "Performance bonus"}); amount = d.rng.rounded(1000, 250000, 100); break;
    case 1: description = d.rng.pick(Names{"Interest and dividends", "Dividends - brokerage account", "CD interest", "Bond interest"}); amount = d.rng.cents(50, 80000); break;
    case 2: description = d.rng.pick(Names{"Net rental income", "Rental income - duplex", "Office lease income"}); amount = d.rng.rounded(2000, 120000, 10); break;
    case 3: description = d.rng.pick(Names{"Oil and gas royalties", "Mineral rights lease", "Working interest income"}); amount = d.rng.cents(300, 60000); break;
    case 4: description = "Salary - " + (d.person.employer.empty() ? std::string(d.rng.pick(employers())) : d.person.employer); amount = d.rng.rounded(18000, 450000, 100); break;
    case 5: description = "Spouse salary - " + (d.person.spouseEmployer.empty() ? std::string(d.rng.pick(employers())) : d.person.spouseEmployer); amount = d.rng.rounded(15000, 300000, 100); break;
    default: description = d.rng.pick(Names{"Social Security", "Pension", "Alimony received", "Trust distributions", "Consulting fees", "Child support received"}); amount = d.rng.rounded(1000, 60000, 10); break;
    }
    d.row.text("Description", description);
    d.row.text("Type", entry(EntryLists::incomeTypes(), type));
    d.row.real("Amount", amount);
    d.row.integer("MAmount", monthlyUnits(amount));
}

void writeExpense(Detail &d)
{
    static const double weights[] = {5, 25, 18, 6, 14, 8, 6, 18};
    int type = d.ordinal == 0 ? (d.rng.chance(0.7) ? 4 : 6) : d.rng.weighted(weights, 8);
    std::string description;
    double amount = 0;
    switch (type) {
    case 0: description = d.rng.pick(Names{"Child support", "Alimony", "Child support - two children"}); amount = d.rng.rounded(6000, 60000, 100); break;
    case 1: description = d.rng.pick(Names{"Auto insurance", "Life insurance premium", "Health insurance premium", "Homeowner's insurance", "Umbrella policy"}); amount = d.rng.cents(300, 24000); break;
    case 2: description = d.rng.pick(Names{"Car payment", "Credit card payments", "Furniture installment", "Boat payment"}); amount = d.rng.rounded(1200, 30000, 1); break;
    case 3: description = d.rng.pick(Names{"Auto lease", "Equipment lease", "Office lease"}); amount = d.rng.rounded(2400, 18000, 1); break;
    case 4: description = d.rng.pick(Names{"First mortgage", "Second mortgage", "Mortgage - rental property", "Home equity payment"}); amount = d.rng.rounded(6000, 90000, 1); break;
    case 5: description = d.rng.pick(Names{"Student loan payment", "Personal loan payment", "Note payment"}); amount = d.rng.rounded(600, 24000, 1); break;
    case 6: description = d.rng.pick(Names{"Apartment rent", "Storage unit", "Office rent"}); amount = d.rng.rounded(1200, 48000, 1); break;
    default: description = d.rng.pick(Names{"Utilities", "Property taxes", "Tuition", "Groceries and household", "Medical expenses", "Charitable pledges", "Day care", "Club dues"}); amount = d.rng.rounded(500, 40000, 1); break;
    }
    d.row.text("Description", description);
    d.row.text("Type", entry(EntryLists::expenseTypes(), type));
    d.row.real("Amount", amount);
    d.row.integer("MAmount", monthlyUnits(amount));
}

void writeLegal(Detail &d)
{
    const auto answer = [&](const char *question, double yes, const std::string &why) {
        const bool isYes = d.rng.chance(yes);
        d.row.text(question, isYes ? "Yes" : "No");
        d.row.text(std::string(question) + "Explanation", isYes ? why : std::string());
    };
    const bool joint = d.person.joint;
    answer("Will", 0.65, "Executor: " + (joint ? d.person.spouseName() : otherPerson(d.rng)));
    answer("Divorce", joint ? 0.01 : 0.05, "Petition filed in " + std::string(places()[size_t(d.person.place)].city) + " county court");
    answer("Bankruptcy", 0.04, "Chapter 7, discharged " + number(d.rng.between(1997, 2009)));
    answer("Partner", 0.2, "Officer of " + d.person.last + ' ' + d.rng.pick(businessKinds()));
    answer("Defendant", 0.04, "Auto accident claim, covered by insurance");
    answer("Judgement", 0.02, "Judgement of $" + number(d.rng.between(2, 90) * 500) + ", being paid");
    answer("Prenuptial", joint ? 0.06 : 0.0, "Agreement dated " + randomDate(d.rng, 1980, 2009));
    answer("SpouseAssets", joint ? 0.1 : 0.0, "Inherited property held by spouse");
    answer("EstateAssets", 0.12, "Held in " + d.person.last + " Family Trust");
    answer("DebtAssets", 0.02, "Brokerage account secures a margin loan");
}

} // namespace

const std::vector<DetailTable> &detailTables()
{
    static const std::vector<DetailTable> tables = {
        {"Cash", writeCash},
        {"Investments", writeInvestment},
        {"RealEstate", writeRealEstate},
        {"Auto", writeAuto},
        {"LifeInsurance", writeLifeInsurance},
        {"PersonalAssets", writePersonalAsset},
        {"BusinessAssets", writeBusinessAsset},
        {"OtherAssets", writeOtherAsset},
        {"Autos2", writeAutoLoan},
        {"Bank", writeBankNote},
        {"CreditCards", writeCreditCard},
        {"Taxes", writeTax},
        {"Other", writeOtherLiability},
        {"Contingent", writeContingent},
        {"Incomes", writeIncome},
        {"Expenditure", writeExpense},
        {"Legal", writeLegal},
    };
    return tables;
}

} // namespace FixtureParts
