#include "fixture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SQLiteCpp/SQLiteCpp.h>

#include "base/dates.h"
#include "data/engine/database.h"
#include "data/entry_lists.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "totals/totals.h"

// The generator writes the rows through SQLite directly (one transaction, one prepared
// insert per table): it stands for years of use of the program. The totals are then formed
// by the program's own recomputations, so they are what the program would show.

namespace {

// Raised when the generated content comes out other than planned (a generator bug).
struct FixtureError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// ---------------------------------------------------------------------------------------
// Random choices. Built on the raw 64-bit engine only, so the content is the same with any
// standard library.

class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_engine(seed) {}

    double unit() { return double(m_engine() >> 11) * 0x1.0p-53; }
    int between(int low, int high) { return low + int(m_engine() % std::uint64_t(high - low + 1)); }
    bool chance(double p) { return unit() < p; }
    double uniform(double low, double high) { return low + (high - low) * unit(); }
    // As many values in each decade of the range: small balances are as common as the
    // large ones are rare.
    double spread(double low, double high) { return std::exp(uniform(std::log(low), std::log(high))); }
    double cents(double low, double high) { return std::round(spread(low, high) * 100.0) / 100.0; }
    double rounded(double low, double high, double step) { return std::max(step, std::round(spread(low, high) / step) * step); }
    // A sum of two exponentials: most values near the mean, a long tail of large ones.
    double gamma2(double scale) { return -scale * (std::log(1.0 - unit()) + std::log(1.0 - unit())); }

    template <typename T>
    const T &pick(const std::vector<T> &list) { return list[size_t(between(0, int(list.size()) - 1))]; }
    // Earlier entries more often: the lists are written most common first.
    template <typename T>
    const T &pickCommon(const std::vector<T> &list)
    {
        return list[std::min(list.size() - 1, size_t(std::pow(unit(), 1.3) * double(list.size())))];
    }
    int weighted(const double *weights, int count)
    {
        double total = 0;
        for (int i = 0; i < count; ++i)
            total += weights[i];
        double x = unit() * total;
        for (int i = 0; i < count; ++i) {
            if (x < weights[i])
                return i;
            x -= weights[i];
        }
        return count - 1;
    }

private:
    std::mt19937_64 m_engine;
};

using Names = std::vector<const char *>;

std::string digits(Rng &rng, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += char('0' + rng.between(0, 9));
    return text;
}

std::string number(long long value)
{
    return std::to_string(value);
}

std::string twoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string dateText(const QDate &date)
{
    return Dates::format(date).toStdString();
}

std::string randomDate(Rng &rng, int firstYear, int lastYear)
{
    return twoDigits(rng.between(1, 12)) + '/' + twoDigits(rng.between(1, 28)) + '/' + number(rng.between(firstYear, lastYear));
}

// ---------------------------------------------------------------------------------------
// Word lists, most common first where the order matters.

const Names &lastNames()
{
    static const Names names = {
        "Smith", "Johnson", "Williams", "Brown", "Jones", "Miller", "Davis", "Garcia", "Rodriguez", "Wilson",
        "Martinez", "Anderson", "Taylor", "Thomas", "Hernandez", "Moore", "Martin", "Jackson", "Thompson", "White",
        "Lopez", "Lee", "Gonzalez", "Harris", "Clark", "Lewis", "Robinson", "Walker", "Perez", "Hall",
        "Young", "Allen", "Sanchez", "Wright", "King", "Scott", "Green", "Baker", "Adams", "Nelson",
        "Hill", "Ramirez", "Campbell", "Mitchell", "Roberts", "Carter", "Phillips", "Evans", "Turner", "Torres",
        "Parker", "Collins", "Edwards", "Stewart", "Flores", "Morris", "Nguyen", "Murphy", "Rivera", "Cook",
        "Rogers", "Morgan", "Peterson", "Cooper", "Reed", "Bailey", "Bell", "Gomez", "Kelly", "Howard",
        "Ward", "Cox", "Diaz", "Richardson", "Wood", "Watson", "Brooks", "Bennett", "Gray", "James",
        "Reyes", "Cruz", "Hughes", "Price", "Myers", "Long", "Foster", "Sanders", "Ross", "Morales",
        "Powell", "Sullivan", "Russell", "Ortiz", "Jenkins", "Gutierrez", "Perry", "Butler", "Barnes", "Fisher",
        "Henderson", "Coleman", "Simmons", "Patterson", "Jordan", "Reynolds", "Hamilton", "Graham", "Kim", "Gonzales",
        "Alexander", "Ramos", "Wallace", "Griffin", "West", "Cole", "Hayes", "Chavez", "Gibson", "Bryant",
        "Ellis", "Stevens", "Murray", "Ford", "Marshall", "Owens", "McDonald", "Harrison", "Ruiz", "Kennedy",
        "Wells", "Alvarez", "Woods", "Mendoza", "Castillo", "Olson", "Webb", "Washington", "Tucker", "Freeman",
        "Burns", "Henry", "Vasquez", "Snyder", "Simpson", "Crawford", "Jimenez", "Porter", "Mason", "Shaw",
        "Gordon", "Wagner", "Hunter", "Romero", "Hicks", "Dixon", "Hunt", "Palmer", "Robertson", "Black",
        "Holmes", "Stone", "Meyer", "Boyd", "Mills", "Warren", "Fox", "Rose", "Rice", "Moreno",
        "Schmidt", "Patel", "Ferguson", "Nichols", "Herrera", "Medina", "Ryan", "Fernandez", "Weaver", "Daniels",
        "Stephens", "Gardner", "Payne", "Kelley", "Dunn", "Pierce", "Arnold", "Tran", "Spencer", "Peters",
        "Hawkins", "Grant", "Hansen", "Castro", "Hoffman", "Hart", "Elliott", "Cunningham", "Knight", "Bradley",
        "Carroll", "Hudson", "Duncan", "Armstrong", "Berry", "Andrews", "Johnston", "Ray", "Lane", "Riley",
        "Carpenter", "Perkins", "Aguilar", "Silva", "Richards", "Willis", "Matthews", "Chapman", "Lawrence", "Garza",
        "Vargas", "Watkins", "Wheeler", "Larson", "Carlson", "Harper", "George", "Greene", "Burke", "Guzman",
        "Morrison", "Munoz", "Jacobs", "O'Brien", "Lawson", "Franklin", "Lynch", "Bishop", "Carr", "Salazar",
        "Austin", "Mendez", "Gilbert", "Jensen", "Williamson", "Montgomery", "Harvey", "Oliver", "Howell", "Dean",
        "Hanson", "Weber", "Garrett", "Sims", "Burton", "Fuller", "Soto", "McCoy", "Welch", "Chen",
        "Schultz", "Walters", "Reid", "Fields", "Walsh", "Little", "Fowler", "Bowman", "Davidson", "May",
        "Day", "Schneider", "Newman", "Brewer", "Lucas", "Holland", "Wong", "Banks", "Santos", "Curtis",
        "Pearson", "Delgado", "Valdez", "Pena", "Rios", "Douglas", "Sandoval", "Barrett", "Hopkins", "Keller",
        "Guerrero", "Stanley", "Bates", "Alvarado", "Beck", "Ortega", "Wade", "Estrada", "Contreras", "Barnett",
        "Caldwell", "Santiago", "Lambert", "Powers", "Chambers", "Nunez", "Craig", "Leonard", "Lowe", "Rhodes",
        "Byrd", "Gregory", "Shelton", "Frazier", "Becker", "Maldonado", "Fleming", "Vega", "Sutton", "Cohen",
        "Jennings", "Parks", "McDaniel", "Watts", "Barker", "Norris", "Vaughn", "Vazquez", "Holt", "Schwartz",
        "Steele", "Benson", "Neal", "Dominguez", "Horton", "Terry", "Wolfe", "Hale", "Lyons", "Graves",
        "MacKenzie", "O'Neill", "de la Cruz", "Van Dyke", "St. Clair", "McAllister", "DuBois", "Muñoz", "Peña", "Núñez"};
    return names;
}

const Names &maleNames()
{
    static const Names names = {
        "James", "John", "Robert", "Michael", "William", "David", "Richard", "Joseph", "Thomas", "Charles",
        "Christopher", "Daniel", "Matthew", "Anthony", "Mark", "Donald", "Steven", "Paul", "Andrew", "Joshua",
        "Kenneth", "Kevin", "Brian", "George", "Timothy", "Ronald", "Edward", "Jason", "Jeffrey", "Ryan",
        "Jacob", "Gary", "Nicholas", "Eric", "Jonathan", "Stephen", "Larry", "Justin", "Scott", "Brandon",
        "Benjamin", "Samuel", "Gregory", "Frank", "Alexander", "Raymond", "Patrick", "Jack", "Dennis", "Jerry",
        "Tyler", "Aaron", "Jose", "Adam", "Henry", "Nathan", "Douglas", "Zachary", "Peter", "Kyle",
        "Walter", "Ethan", "Jeremy", "Harold", "Keith", "Christian", "Roger", "Noah", "Gerald", "Carl",
        "Terry", "Sean", "Austin", "Arthur", "Lawrence", "Jesse", "Dylan", "Bryan", "Joe", "Jordan",
        "Billy", "Bruce", "Albert", "Willie", "Gabriel", "Logan", "Alan", "Juan", "Wayne", "Roy",
        "Ralph", "Randy", "Eugene", "Vincent", "Russell", "Elijah", "Louis", "Bobby", "Philip", "Johnny"};
    return names;
}

const Names &femaleNames()
{
    static const Names names = {
        "Mary", "Patricia", "Jennifer", "Linda", "Elizabeth", "Barbara", "Susan", "Jessica", "Sarah", "Karen",
        "Nancy", "Lisa", "Betty", "Margaret", "Sandra", "Ashley", "Kimberly", "Emily", "Donna", "Michelle",
        "Dorothy", "Carol", "Amanda", "Melissa", "Deborah", "Stephanie", "Rebecca", "Sharon", "Laura", "Cynthia",
        "Kathleen", "Amy", "Shirley", "Angela", "Helen", "Anna", "Brenda", "Pamela", "Nicole", "Emma",
        "Samantha", "Katherine", "Christine", "Debra", "Rachel", "Catherine", "Carolyn", "Janet", "Ruth", "Maria",
        "Heather", "Diane", "Virginia", "Julie", "Joyce", "Victoria", "Olivia", "Kelly", "Christina", "Lauren",
        "Joan", "Evelyn", "Judith", "Megan", "Cheryl", "Andrea", "Hannah", "Martha", "Jacqueline", "Frances",
        "Gloria", "Ann", "Teresa", "Kathryn", "Sara", "Janice", "Jean", "Alice", "Madison", "Doris",
        "Abigail", "Julia", "Judy", "Grace", "Denise", "Amber", "Marilyn", "Beverly", "Danielle", "Theresa",
        "Sophia", "Marie", "Diana", "Brittany", "Natalie", "Isabella", "Charlotte", "Rose", "Alexis", "Kayla"};
    return names;
}

struct Place
{
    const char *city;
    const char *state;
    const char *zip; // first three digits
    const char *area;
};

const std::vector<Place> &places()
{
    static const std::vector<Place> list = {
        {"Springfield", "IL", "627", "217"}, {"Columbus", "OH", "432", "614"},  {"Austin", "TX", "787", "512"},
        {"Dallas", "TX", "752", "214"},      {"Houston", "TX", "770", "713"},   {"Phoenix", "AZ", "850", "602"},
        {"Denver", "CO", "802", "303"},      {"Atlanta", "GA", "303", "404"},   {"Charlotte", "NC", "282", "704"},
        {"Nashville", "TN", "372", "615"},   {"Tampa", "FL", "336", "813"},     {"Orlando", "FL", "328", "407"},
        {"Indianapolis", "IN", "462", "317"}, {"Omaha", "NE", "681", "402"},    {"Wichita", "KS", "672", "316"},
        {"Tulsa", "OK", "741", "918"},       {"Boise", "ID", "837", "208"},     {"Portland", "OR", "972", "503"},
        {"Spokane", "WA", "992", "509"},     {"Sacramento", "CA", "958", "916"}, {"Fresno", "CA", "937", "559"},
        {"San Diego", "CA", "921", "619"},   {"Albuquerque", "NM", "871", "505"}, {"Salt Lake City", "UT", "841", "801"},
        {"Madison", "WI", "537", "608"},     {"Milwaukee", "WI", "532", "414"}, {"Des Moines", "IA", "503", "515"},
        {"Minneapolis", "MN", "554", "612"}, {"St. Louis", "MO", "631", "314"}, {"Kansas City", "MO", "641", "816"},
        {"Louisville", "KY", "402", "502"},  {"Richmond", "VA", "232", "804"},  {"Raleigh", "NC", "276", "919"},
        {"Charleston", "SC", "294", "843"},  {"Birmingham", "AL", "352", "205"}, {"Jackson", "MS", "392", "601"},
        {"Baton Rouge", "LA", "708", "225"}, {"Little Rock", "AR", "722", "501"}, {"Pittsburgh", "PA", "152", "412"},
        {"Harrisburg", "PA", "171", "717"},  {"Albany", "NY", "122", "518"},    {"Buffalo", "NY", "142", "716"},
        {"Hartford", "CT", "061", "860"},    {"Portland", "ME", "041", "207"},  {"Burlington", "VT", "054", "802"},
        {"Billings", "MT", "591", "406"},    {"Fargo", "ND", "581", "701"},     {"Anchorage", "AK", "995", "907"}};
    return list;
}

const Names &streets()
{
    static const Names names = {"Maple", "Oak", "Cedar", "Pine", "Elm", "Washington", "Lake", "Hill", "Park", "Main",
                                "Walnut", "Sunset", "Highland", "Ridge", "Meadow", "Church", "Forest", "Spring",
                                "Willow", "Jefferson", "Lincoln", "Cherry", "Chestnut", "Franklin", "Birch",
                                "River", "Valley", "Dogwood", "Magnolia", "Hickory", "Madison", "Jackson",
                                "Sycamore", "Prospect", "Orchard", "Lakeview", "Fairway", "Heritage", "Bluebonnet",
                                "Canyon"};
    return names;
}

const Names &streetKinds()
{
    static const Names names = {"Street", "Avenue", "Drive", "Road", "Lane", "Court", "Boulevard", "Way", "Place",
                                "Circle", "Trail", "Parkway"};
    return names;
}

const Names &employers()
{
    static const Names names = {
        "Self-employed", "Wells Fargo", "State Farm Insurance", "Walgreens", "Kroger", "Lockheed Martin",
        "Boeing", "General Motors", "IBM", "Intel Corporation", "Caterpillar Inc.", "Deere & Company",
        "Johnson & Johnson", "Pfizer", "Procter & Gamble", "Home Depot", "Lowe's", "Target Corporation",
        "FedEx", "United Parcel Service", "AT&T", "Verizon", "Duke Energy", "Southern Company",
        "Kaiser Permanente", "Mayo Clinic", "County School District", "State University", "City of Springfield",
        "U.S. Postal Service", "Department of Veterans Affairs", "Baptist Health", "Memorial Hospital",
        "Hale & Moreno CPAs", "Whitfield Law Group", "Riverside Dental Associates", "Summit Orthopedics",
        "Carter Construction", "Gibson Plumbing & Heating", "Prairie Farm Supply", "Oakmont Realty",
        "Bennett Insurance Agency", "Northside Veterinary Clinic", "Crawford Trucking", "Tri-County Electric",
        "Lakeside Family Medicine", "Palmer Engineering", "Henderson Auto Group", "Blue Ridge Outfitters",
        "Meridian Financial Advisors", "Keystone Manufacturing", "Sunbelt Rentals", "Pioneer Seed Co.",
        "Harbor Freight Lines", "Evergreen Landscaping", "Mountain View Pharmacy"};
    return names;
}

const Names &positions()
{
    static const Names names = {
        "Owner", "President", "Vice President", "Manager", "Sales Manager", "Registered Nurse", "Physician",
        "Engineer", "Accountant", "Attorney", "Teacher", "Professor", "Principal", "Software Developer",
        "Operations Manager", "Director of Finance", "Controller", "Project Manager", "Electrician", "Foreman",
        "Truck Driver", "Pharmacist", "Dentist", "Veterinarian", "Real Estate Agent", "Loan Officer",
        "Insurance Agent", "Financial Advisor", "Administrative Assistant", "Office Manager", "Mechanic",
        "Police Officer", "Firefighter", "Store Manager", "Consultant", "Partner", "Chief Executive Officer",
        "Plant Supervisor", "Pilot", "Architect"};
    return names;
}

const Names &banks()
{
    static const Names names = {
        "Bank of America", "Wells Fargo Bank", "JPMorgan Chase Bank", "Citibank", "U.S. Bank", "PNC Bank",
        "SunTrust Bank", "BB&T", "Regions Bank", "Fifth Third Bank", "KeyBank", "Capital One", "TD Bank",
        "BMO Harris Bank", "Comerica Bank", "Huntington National Bank", "M&T Bank", "First National Bank",
        "Citizens Bank", "First Citizens Bank", "Frost Bank", "Zions Bank", "Commerce Bank", "UMB Bank",
        "Navy Federal Credit Union", "State Employees' Credit Union", "Prairie Credit Union", "Heritage Savings Bank",
        "Farmers & Merchants Bank", "Community First Bank"};
    return names;
}

const Names &brokers()
{
    static const Names names = {"Fidelity", "Charles Schwab", "Vanguard", "Merrill Lynch", "Edward Jones",
                                "Morgan Stanley Smith Barney", "TD Ameritrade", "E*Trade", "Raymond James",
                                "UBS Financial Services", "Ameriprise Financial", "Wells Fargo Advisors"};
    return names;
}

const Names &insurers()
{
    static const Names names = {"Northwestern Mutual", "New York Life", "MetLife", "Prudential", "State Farm",
                                "MassMutual", "Lincoln Financial", "John Hancock", "Transamerica", "Pacific Life",
                                "Nationwide", "Guardian Life", "Principal Financial", "AIG", "Banner Life",
                                "Primerica", "Mutual of Omaha", "Penn Mutual", "Ohio National", "Thrivent Financial"};
    return names;
}

const Names &carModels()
{
    static const Names names = {
        "Toyota Camry", "Honda Accord", "Ford F-150", "Honda Civic", "Toyota Corolla", "Chevrolet Silverado",
        "Ford Explorer", "Nissan Altima", "Chevrolet Malibu", "Dodge Ram 1500", "Jeep Grand Cherokee",
        "Toyota RAV4", "Honda CR-V", "Ford Escape", "Chevrolet Tahoe", "Toyota Highlander", "Honda Odyssey",
        "Toyota Sienna", "Chrysler Town & Country", "Subaru Outback", "Subaru Forester", "Hyundai Sonata",
        "Kia Sorento", "Volkswagen Jetta", "Volkswagen Passat", "Mazda 6", "Nissan Pathfinder", "GMC Sierra",
        "GMC Yukon", "Chevrolet Suburban", "Ford Mustang", "Chevrolet Corvette", "BMW 328i", "BMW X5",
        "Mercedes-Benz E350", "Mercedes-Benz C300", "Lexus RX 350", "Lexus ES 350", "Audi A4", "Acura MDX",
        "Infiniti G37", "Cadillac Escalade", "Lincoln Navigator", "Buick LaCrosse", "Toyota Tacoma",
        "Toyota Tundra", "Nissan Frontier", "Jeep Wrangler", "Dodge Grand Caravan", "Toyota Prius",
        "Harley-Davidson Road King", "Volvo XC90", "Porsche 911", "Land Rover Range Rover"};
    return names;
}

const Names &autoLenders()
{
    static const Names names = {"Toyota Financial Services", "Honda Financial Services", "Ford Motor Credit",
                                "GMAC", "Ally Financial", "Chrysler Financial", "Nissan Motor Acceptance",
                                "BMW Financial Services", "Mercedes-Benz Financial", "Wells Fargo Dealer Services",
                                "Capital One Auto Finance", "Chase Auto Finance", "Navy Federal Credit Union",
                                "Prairie Credit Union", "Bank of America"};
    return names;
}

const Names &stocks()
{
    static const Names names = {
        "Exxon Mobil Corp.", "General Electric Co.", "Microsoft Corp.", "AT&T Inc.", "Procter & Gamble Co.",
        "Johnson & Johnson", "Wal-Mart Stores", "Chevron Corp.", "International Business Machines", "Apple Inc.",
        "JPMorgan Chase & Co.", "Wells Fargo & Co.", "Pfizer Inc.", "Coca-Cola Co.", "Intel Corp.",
        "Cisco Systems", "Oracle Corp.", "Verizon Communications", "Google Inc.", "Hewlett-Packard Co.",
        "PepsiCo Inc.", "Bank of America Corp.", "ConocoPhillips", "Merck & Co.", "Abbott Laboratories",
        "McDonald's Corp.", "Walt Disney Co.", "Home Depot Inc.", "3M Co.", "Boeing Co.", "Caterpillar Inc.",
        "United Technologies", "Kraft Foods", "Altria Group", "Philip Morris International", "Qualcomm Inc.",
        "Amgen Inc.", "Schlumberger Ltd.", "Occidental Petroleum", "Duke Energy Corp.", "Southern Co.",
        "Berkshire Hathaway Class B", "American Express Co.", "U.S. Bancorp", "FedEx Corp.", "Lowe's Cos.",
        "Target Corp.", "Deere & Co.", "Emerson Electric", "Medtronic Inc.", "Dow Chemical", "Halliburton Co.",
        "Eli Lilly & Co.", "Bristol-Myers Squibb", "Kimberly-Clark", "General Mills", "Union Pacific Corp.",
        "Norfolk Southern", "Honeywell International", "Lockheed Martin"};
    return names;
}

const Names &funds()
{
    static const Names names = {
        "Vanguard 500 Index Fund", "Vanguard Total Stock Market Index", "Vanguard Wellington Fund",
        "Fidelity Contrafund", "Fidelity Magellan Fund", "Fidelity Balanced Fund", "American Funds Growth Fund of America",
        "American Funds Washington Mutual", "American Funds EuroPacific Growth", "T. Rowe Price Blue Chip Growth",
        "T. Rowe Price Equity Income", "PIMCO Total Return Fund", "Franklin Income Fund", "Dodge & Cox Stock Fund",
        "Dodge & Cox International Stock", "Oakmark Fund", "Janus Twenty Fund", "Templeton Growth Fund",
        "Vanguard Total Bond Market Index", "Fidelity Low-Priced Stock", "Davis New York Venture Fund",
        "Columbia Acorn Fund", "Harbor International Fund", "Vanguard Target Retirement 2025"};
    return names;
}

const Names &personalItems()
{
    static const Names names = {
        "Household furnishings", "Jewelry", "Wedding ring set", "Art collection", "Oil paintings",
        "Antique furniture", "Coin collection", "Stamp collection", "Gun collection", "Electronics and computers",
        "Clothing and furs", "Silverware and china", "Piano", "Grand piano", "Golf clubs and equipment",
        "Boat - 21' Bayliner", "Bass boat and trailer", "Pontoon boat", "Jet skis (2)", "Travel trailer",
        "Motor home", "Snowmobiles", "Riding lawn mower", "Tools and equipment", "Hunting and fishing gear",
        "Sports memorabilia", "Rolex watch", "Diamond necklace", "Collectible dolls", "Horse and tack"};
    return names;
}

const Names &businessKinds()
{
    static const Names names = {"Plumbing LLC", "Construction Inc.", "Dental Associates PC", "Family Farms",
                                "Insurance Agency", "Realty Group", "Auto Repair", "Landscaping LLC",
                                "Consulting Group", "Law Offices PC", "Veterinary Clinic", "Restaurant Group",
                                "Trucking Co.", "Properties LP", "Medical Partners", "Hardware & Supply",
                                "Electric Co.", "Printing Services", "Investments LLC", "Ranch Partnership"};
    return names;
}

// The fixed lists of the section windows' drop-downs, as the windows offer them.
std::string entry(const QStringList &list, int index)
{
    return list.at(index).toStdString();
}

// ---------------------------------------------------------------------------------------
// Rows and inserts.

using Value = std::variant<std::monostate, std::string, double, std::int64_t>;

// The values of one row by column, in the order they are set.
struct Row
{
    std::vector<std::string> columns;
    std::vector<Value> values;

    void clear()
    {
        columns.clear();
        values.clear();
    }
    void text(std::string column, std::string value)
    {
        columns.push_back(std::move(column));
        values.emplace_back(std::move(value));
    }
    void real(std::string column, double value)
    {
        columns.push_back(std::move(column));
        values.emplace_back(value);
    }
    void integer(std::string column, std::int64_t value)
    {
        columns.push_back(std::move(column));
        values.emplace_back(value);
    }
    void null(std::string column)
    {
        columns.push_back(std::move(column));
        values.emplace_back();
    }
};

// One prepared insert per table. Its columns are those of the first row it is given; every
// later row must set the same columns in the same order.
class Inserter
{
public:
    Inserter(SQLite::Database &db, std::string table) : m_db(db), m_table(std::move(table)) {}

    void insert(const Row &row)
    {
        if (!m_statement) {
            std::string names, marks;
            for (const std::string &column : row.columns) {
                names += (names.empty() ? "\"" : ", \"") + column + '"';
                marks += marks.empty() ? "?" : ", ?";
            }
            m_columns = row.columns;
            m_statement = std::make_unique<SQLite::Statement>(
                m_db, "INSERT INTO \"" + m_table + "\" (" + names + ") VALUES (" + marks + ")");
        }
        if (row.columns != m_columns)
            throw FixtureError("the rows of " + m_table + " differ in their columns");
        for (size_t i = 0; i < row.values.size(); ++i) {
            const int index = int(i) + 1;
            const Value &value = row.values[i];
            if (const auto *text = std::get_if<std::string>(&value))
                m_statement->bind(index, *text);
            else if (const auto *real = std::get_if<double>(&value))
                m_statement->bind(index, *real);
            else if (const auto *whole = std::get_if<std::int64_t>(&value))
                m_statement->bind(index, static_cast<int64_t>(*whole));
            else
                m_statement->bind(index);
        }
        m_statement->exec();
        m_statement->reset();
    }

private:
    SQLite::Database &m_db;
    std::string m_table;
    std::vector<std::string> m_columns;
    std::unique_ptr<SQLite::Statement> m_statement;
};

// ---------------------------------------------------------------------------------------
// People and their particulars.

// One side of a statement: the person, or the spouse (written with the prefix "S").
struct Side
{
    std::string first, middle, last, birthday, address, city, state, zip, ssn, license, licenseState, phone,
        email, marital, dependants, employer, position, years, eaddress, ecity, estate, ezip, businessPhone,
        accountant, accountantPhone, attorney, attorneyPhone, banker, bankerPhone, advisor, advisorPhone;
};

std::string personName(const std::string &first, const std::string &middle, const std::string &last)
{
    return middle.empty() ? first + ' ' + last : first + ' ' + middle + ". " + last;
}

// What the detail rows need to know of a statement's people.
struct Person
{
    std::string first, middle, last;
    bool joint = false;
    std::string spouseFirst, spouseMiddle, spouseLast;
    int place = 0;
    std::string employer, spouseEmployer;

    std::string name() const { return personName(first, middle, last); }
    std::string spouseName() const { return personName(spouseFirst, spouseMiddle, spouseLast); }
    std::string household() const
    {
        if (!joint)
            return name();
        if (spouseLast == last)
            return first + " and " + spouseFirst + ' ' + last;
        return name() + " and " + spouseName();
    }
    // The name an account or a property is registered in.
    std::string registered(Rng &rng) const
    {
        const double x = rng.unit();
        if (joint && x < 0.45)
            return household();
        if (joint && x < 0.6)
            return spouseName();
        if (x < 0.94)
            return name();
        return last + " Family Trust";
    }
    std::string someone(Rng &rng) const { return joint && rng.chance(0.4) ? spouseName() : name(); }
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

// ---------------------------------------------------------------------------------------
// Detail rows. Each writer sets the row's fields after ClientId.

struct Detail
{
    Rng &rng;
    const Person &person;
    int ordinal;    // the row's place among the statement's rows of this table
    Row &row;

    void pledged()
    {
        const double x = rng.unit();
        row.text("Pledged", x < 0.04 ? "Yes" : x < 0.97 ? "No" : "");
        row.text("PledgedTo", x < 0.04 ? std::string(rng.pick(banks())) : std::string());
    }
};

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

struct DetailTable
{
    const char *name;
    void (*write)(Detail &);
};

// The detail tables in open order; the first sixteen are the list tables.
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

constexpr int ListTables = 16;
constexpr int LegalTable = 16;
constexpr int DetailTableCount = 17;
constexpr int FullStatement = FixtureMinimumStatements; // its Id

// How an ordinary statement's rows fall into the list tables.
constexpr double listWeights[ListTables] = {3.2, 4.8, 1.4, 1.6, 1.2, 2.6, 0.6, 1.0,
                                            1.1, 0.9, 2.8, 0.9, 0.8, 0.5, 2.6, 4.0};
// The full statement's rows per list table (199, with its Legal row 200).
constexpr int fullStatementRows[ListTables] = {14, 30, 8, 6, 6, 14, 6, 9, 5, 6, 12, 5, 6, 6, 20, 46};

using Counts = std::array<std::uint16_t, DetailTableCount>;

// Spreads rows over the list tables by their weights, leaving out one table if asked.
void spread(Rng &rng, Counts &counts, int rows, int skippedTable)
{
    double weights[ListTables];
    for (int t = 0; t < ListTables; ++t)
        weights[t] = t == skippedTable ? 0.0 : listWeights[t];
    for (int r = 0; r < rows; ++r)
        ++counts[size_t(rng.weighted(weights, ListTables))];
}

// How many detail rows each statement has in each table: the heavy and full statements
// as fixed, the others varied around the average so that the total comes out exact.
std::vector<Counts> planRows(Rng &rng, int statements)
{
    std::vector<Counts> plan(size_t(statements), Counts{});
    std::vector<int> rows(size_t(statements), 0);
    std::vector<bool> fresh(size_t(statements), false);
    const auto ordinaryRows = [&](double scale) { return std::clamp(3 + int(rng.gamma2(scale)), 2, 90); };

    qint64 fixedRows = 0;
    for (int i = 0; i < FixtureMinimumStatements; ++i) {
        rows[size_t(i)] = i < ListTables ? FixtureHeavyRows + ordinaryRows(13.5) : FixtureFullStatementRows;
        fixedRows += rows[size_t(i)];
    }
    std::vector<int> ordinary;
    for (int i = FixtureMinimumStatements; i < statements; ++i) {
        fresh[size_t(i)] = rng.chance(0.03);
        if (!fresh[size_t(i)])
            ordinary.push_back(i);
    }
    if (!ordinary.empty()) {
        const qint64 wanted = std::max<qint64>(qint64(FixtureDetailRowsPerStatement) * statements - fixedRows,
                                               2 * qint64(ordinary.size()));
        const double mean = double(wanted) / double(ordinary.size());
        qint64 drawn = 0;
        for (int i : ordinary) {
            rows[size_t(i)] = ordinaryRows(std::max(0.5, (mean - 3.0) / 2.0));
            drawn += rows[size_t(i)];
        }
        // Even out the draw, a row at a time, on statements picked at random.
        while (drawn != wanted) {
            int &n = rows[size_t(ordinary[size_t(rng.between(0, int(ordinary.size()) - 1))])];
            if (drawn < wanted && n < 90) {
                ++n;
                ++drawn;
            } else if (drawn > wanted && n > 2) {
                --n;
                --drawn;
            }
        }
    }

    for (int i = 0; i < statements; ++i) {
        Counts &counts = plan[size_t(i)];
        if (i == FullStatement - 1) {
            for (int t = 0; t < ListTables; ++t)
                counts[size_t(t)] = std::uint16_t(fullStatementRows[t]);
            counts[LegalTable] = 1;
            continue;
        }
        if (fresh[size_t(i)] || rows[size_t(i)] == 0)
            continue;
        const bool heavy = i < ListTables;
        const bool legal = heavy || rng.chance(0.9);
        counts[LegalTable] = legal ? 1 : 0;
        int rest = rows[size_t(i)] - (legal ? 1 : 0);
        if (heavy) {
            counts[size_t(i)] = FixtureHeavyRows;
            rest -= FixtureHeavyRows;
        }
        spread(rng, counts, rest, heavy ? i : -1);
    }
    return plan;
}

// One detail row to store: whose, in which table, its place among the statement's rows of
// that table, and when it was entered.
struct Slot
{
    double when;
    std::int32_t statement; // index, -1 for an orphan
    std::uint16_t ordinal;
    std::uint8_t table;
};

// Fills the file and returns the Ids of the statements that have detail rows.
std::vector<int> fill(SQLite::Database &db, int statements, bool withLogin)
{
    Rng rng(0x5EEDF00DULL + std::uint64_t(statements));
    Row row;

    if (withLogin) {
        row.text("User", FixtureLoginUser);
        row.text("Password", FixtureLoginPassword);
        row.text("HintQuestion1", "What is the name of your first pet?");
        row.text("HintAnswer1", "Biscuit");
        Inserter(db, "User").insert(row);
    }

    // The statements, in the order they were created.
    std::vector<Person> people;
    people.reserve(size_t(statements));
    {
        Inserter client(db, "Client");
        for (int i = 0; i < statements; ++i) {
            people.push_back(makePerson(rng, i + 1 == FullStatement, row));
            row.integer("Id", i + 1);
            client.insert(row);
        }
    }

    // Every detail row gets a moment of entry: most with their statement's creation, a
    // fifth later on, in between the rows of statements created afterwards.
    const std::vector<Counts> plan = planRows(rng, statements);
    std::vector<Slot> entries;
    entries.reserve(size_t(FixtureDetailRowsPerStatement) * size_t(statements) + 4096);
    for (int i = 0; i < statements; ++i)
        for (int t = 0; t < DetailTableCount; ++t)
            for (int k = 0; k < plan[size_t(i)][size_t(t)]; ++k) {
                const bool later = k > 0 && rng.chance(0.2);
                entries.push_back({later ? i + rng.unit() * (statements - i) : double(i), i, std::uint16_t(k), std::uint8_t(t)});
            }
    for (int t = 0; t < DetailTableCount; ++t)
        for (int k = 0; k < 2; ++k)
            entries.push_back({rng.unit() * statements, -1, 0, std::uint8_t(t)});
    std::stable_sort(entries.begin(), entries.end(), [](const Slot &a, const Slot &b) { return a.when < b.when; });

    std::vector<std::unique_ptr<Inserter>> inserters;
    for (const DetailTable &table : detailTables())
        inserters.push_back(std::make_unique<Inserter>(db, table.name));
    for (const Slot &slot : entries) {
        const bool orphan = slot.statement < 0;
        const Person &person = orphan ? people[size_t(rng.between(0, statements - 1))] : people[size_t(slot.statement)];
        row.clear();
        row.text("ClientId", orphan ? std::string() : number(slot.statement + 1));
        Detail detail{rng, person, slot.ordinal, row};
        detailTables()[slot.table].write(detail);
        inserters[slot.table]->insert(row);
    }

    // The totals rows, created with their statements over the years before 2012, their
    // totals formed afterwards by the recomputations themselves; two orphans of entries
    // that were never finished.
    Inserter fspro(db, "FSPro");
    const QDate first(2006, 1, 3);
    const qint64 span = first.daysTo(QDate(2011, 12, 30));
    const auto totalsRow = [&](const std::string &clientId, const Person &person, const QDate &date) {
        row.clear();
        row.text("ClientId", clientId);
        row.text("Date", dateText(date));
        row.text("Description", person.name());
        fspro.insert(row);
    };
    std::vector<int> withRows;
    for (int i = 0; i < statements; ++i) {
        const QDate date = first.addDays(span * i / statements);
        qint64 detailRows = 0;
        for (int t = 0; t < DetailTableCount; ++t)
            detailRows += plan[size_t(i)][size_t(t)];
        // A fresh statement was saved once and never recomputed: its totals stay empty.
        if (detailRows)
            withRows.push_back(i + 1);
        totalsRow(number(i + 1), people[size_t(i)], date);
        if (i == statements / 3 || i == 2 * statements / 3)
            totalsRow(std::string(), people[size_t(rng.between(0, statements - 1))], date);
    }
    return withRows;
}

// Forms the totals of the given statements with the program's own recomputations.
void recomputeTotals(const QString &path, const std::vector<int> &statements)
{
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    dm.db1.SetConnected(true);
    dm.OpenTables();
    Database::Transaction transaction(dm.db1);
    for (int id : statements) {
        dm.CurrentClientId = QString::number(id);
        dm.filterDetailTables();
        RecalcAllTotals(dm);
    }
    transaction.Commit();
}

std::vector<FixtureTableCount> countRows(SQLite::Database &db)
{
    static const char *const tables[] = {"User", "Client", "FSPro"};
    std::vector<FixtureTableCount> counts;
    const auto count = [&](const std::string &table, bool hasClientId) {
        FixtureTableCount c;
        c.table = QString::fromStdString(table);
        c.rows = db.execAndGet("SELECT count(*) FROM \"" + table + '"').getInt64();
        if (hasClientId)
            c.orphans = db.execAndGet("SELECT count(*) FROM \"" + table + "\" WHERE ClientId = ''").getInt64();
        counts.push_back(c);
    };
    for (const char *table : tables)
        count(table, std::strcmp(table, "FSPro") == 0);
    for (const DetailTable &table : detailTables())
        count(table.name, true);
    return counts;
}

// Checks what the benchmarks rely on; empty text when the file holds it.
QString checkFixture(const QString &path)
{
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        for (int t = 0; t < ListTables; ++t) {
            const std::string table = detailTables()[size_t(t)].name;
            const qint64 rows = db.execAndGet("SELECT count(*) FROM \"" + table + "\" WHERE ClientId = '"
                                              + number(t + 1) + "'").getInt64();
            if (rows != FixtureHeavyRows)
                return QStringLiteral("statement %1 has %2 rows in %3, not %4")
                    .arg(t + 1).arg(rows).arg(QString::fromStdString(table)).arg(FixtureHeavyRows);
        }
        qint64 full = 0;
        for (const DetailTable &table : detailTables())
            full += db.execAndGet("SELECT count(*) FROM \"" + std::string(table.name) + "\" WHERE ClientId = '"
                                  + number(FullStatement) + "'").getInt64();
        if (full != FixtureFullStatementRows)
            return QStringLiteral("statement %1 has %2 detail rows, not %3").arg(FullStatement).arg(full).arg(FixtureFullStatementRows);
    } catch (const SQLite::Exception &e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

const QStringList &heavyTables()
{
    static const QStringList tables = [] {
        QStringList names;
        for (int t = 0; t < ListTables; ++t)
            names << QString::fromLatin1(detailTables()[size_t(t)].name);
        return names;
    }();
    return tables;
}

QString heavyStatementId(const QString &table)
{
    const qsizetype index = heavyTables().indexOf(table);
    return index < 0 ? QString() : QString::number(index + 1);
}

QString fullStatementId()
{
    return QString::number(FullStatement);
}

const QStringList &fixtureDetailTables()
{
    static const QStringList tables = [] {
        QStringList names;
        for (const DetailTable &table : detailTables())
            names << QString::fromLatin1(table.name);
        return names;
    }();
    return tables;
}

bool writeFixture(const QString &path, int statements, QString *error, bool withLogin)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (statements < FixtureMinimumStatements)
        return fail(QStringLiteral("A benchmark database needs at least %1 statements").arg(FixtureMinimumStatements));
    if (QFileInfo::exists(path))
        return fail(QStringLiteral("A file already exists at %1").arg(path));

    // Filled under another name and renamed when complete, so an interrupted run leaves no
    // file that looks finished.
    const QString filling = QStringLiteral("%1.filling-%2").arg(path).arg(QCoreApplication::applicationPid());
    QFile::remove(filling);
    if (!createDatabaseFile(filling, error))
        return false;
    try {
        std::vector<int> withRows;
        {
            SQLite::Database db(filling.toStdString(), SQLite::OPEN_READWRITE);
            // Nothing to protect while the file is written: no journal, no syncs.
            db.exec("PRAGMA journal_mode = OFF");
            db.exec("PRAGMA synchronous = OFF");
            db.exec("PRAGMA cache_size = -131072");
            db.exec("BEGIN");
            withRows = fill(db, statements, withLogin);
            db.exec("COMMIT");
        }
        recomputeTotals(filling, withRows);
    } catch (const std::exception &e) {
        QFile::remove(filling);
        return fail(QString::fromUtf8(e.what()));
    }
    if (!QFile::rename(filling, path)) {
        QFile::remove(filling);
        return fail(QStringLiteral("Cannot put the database at %1").arg(path));
    }
    return true;
}

std::vector<FixtureTableCount> fixtureRowCounts(const QString &path, QString *error)
{
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        return countRows(db);
    } catch (const SQLite::Exception &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return {};
    }
}

QString benchDatabasePath()
{
    static const QString path = [] {
        QString chosen = qEnvironmentVariable("WORTHSHEET_BENCH_DB");
        if (chosen.isEmpty())
            // The name changes whenever the generator writes other rows.
            chosen = QDir::temp().filePath(QStringLiteral("worthsheet-bench-%1-r3.ABS").arg(FixtureDefaultStatements));
        if (!QFileInfo::exists(chosen)) {
            std::fprintf(stderr, "Writing a benchmark database of %d statements to %s\n", FixtureDefaultStatements,
                         qPrintable(chosen));
            QString error;
            // Another run may have written it meanwhile; then that file serves.
            if (!writeFixture(chosen, FixtureDefaultStatements, &error) && !QFileInfo::exists(chosen)) {
                std::fprintf(stderr, "No benchmark database: %s\n", qPrintable(error));
                std::exit(1);
            }
        }
        const QString problem = checkFixture(chosen);
        if (!problem.isEmpty())
            std::fprintf(stderr,
                         "Warning: %s was not written by this generator (%s); the heavy-statement "
                         "benchmarks do not measure what they say. Delete it to have it written anew.\n",
                         qPrintable(chosen), qPrintable(problem));
        return chosen;
    }();
    return path;
}

QString writableBenchDatabase()
{
    static QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("worthsheet-bench-XXXXXX")));
    static const QString copy = [] {
        const QString path = folder.filePath(QStringLiteral("wks.ABS"));
        if (!folder.isValid() || !QFile::copy(benchDatabasePath(), path)) {
            std::fprintf(stderr, "Cannot copy the benchmark database into %s\n", qPrintable(folder.path()));
            std::exit(1);
        }
        return path;
    }();
    return copy;
}
