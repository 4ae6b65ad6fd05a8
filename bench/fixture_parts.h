#pragma once

// The parts the fixture generator is made of: random choices, the word lists its people and
// accounts are drawn from (fixture_names.cpp), the writers of its rows (fixture_rows.cpp),
// and the driver that stores them (fixture.cpp). Only the generator includes this.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include <QDate>
#include <QStringList>

#include "base/dates.h"

namespace FixtureParts {

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

inline std::string digits(Rng &rng, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += char('0' + rng.between(0, 9));
    return text;
}

inline std::string number(long long value)
{
    return std::to_string(value);
}

inline std::string twoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

inline std::string dateText(const QDate &date)
{
    return Dates::format(date).toStdString();
}

inline std::string randomDate(Rng &rng, int firstYear, int lastYear)
{
    return twoDigits(rng.between(1, 12)) + '/' + twoDigits(rng.between(1, 28)) + '/' + number(rng.between(firstYear, lastYear));
}

// ---------------------------------------------------------------------------------------
// Word lists, most common first where the order matters (fixture_names.cpp).

struct Place
{
    const char *city;
    const char *state;
    const char *zip; // first three digits
    const char *area;
};

const Names &lastNames();
const Names &maleNames();
const Names &femaleNames();
const std::vector<Place> &places();
const Names &streets();
const Names &streetKinds();
const Names &employers();
const Names &positions();
const Names &banks();
const Names &brokers();
const Names &insurers();
const Names &carModels();
const Names &autoLenders();
const Names &stocks();
const Names &funds();
const Names &personalItems();
const Names &businessKinds();
// The fixed lists of the section windows' drop-downs, as the windows offer them.
inline std::string entry(const QStringList &list, int index)
{
    return list.at(index).toStdString();
}

// ---------------------------------------------------------------------------------------
// Rows, as the driver stores them.

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

// ---------------------------------------------------------------------------------------
// Statements and their detail rows (fixture_rows.cpp).

inline std::string personName(const std::string &first, const std::string &middle, const std::string &last)
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

// Draws a statement's people and sets its Client row (without Id) in row.
Person makePerson(Rng &rng, bool forceJoint, Row &row);

// What a detail row's writer draws on and sets: the statement's people, the row's place
// among the statement's rows of its table, and the row after its ClientId.
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

// A detail table and the writer of its rows.
struct DetailTable
{
    const char *name;
    void (*write)(Detail &);
};

// The detail tables in open order; the first sixteen are the list tables.
const std::vector<DetailTable> &detailTables();

} // namespace FixtureParts
