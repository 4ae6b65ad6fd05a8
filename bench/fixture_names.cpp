// The word lists the generated statements draw their names, places and accounts from.
#include "fixture_parts.h"

namespace FixtureParts {

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

} // namespace FixtureParts
