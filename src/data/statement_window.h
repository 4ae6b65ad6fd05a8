#pragma once

// The windows of a statement as the layers below the windows point the user to them (the
// window a finding is fixed in, the window a legal question is asked on). The window
// catalogue maps each to its window class.
enum class StatementWindow {
    None,
    PersonalInformation,
    PersonalEmployment,
    SpouseInformation,
    Cash,
    Investments,
    RealEstate,
    Autos,
    LifeInsurance,
    PersonalAssets,
    BusinessAssets,
    OtherAssets,
    BankNotes,
    Mortgages,
    CreditCards,
    AutoLoans,
    Taxes,
    OtherLiabilities,
    Contingent,
    Income,
    Expenses,
    FirstLegal,
    SecondLegal,
    StatementDate, // the last
};
