-- The statement database: twenty tables. Text fields are never NULL (empty text is ''),
-- float fields are REAL and NULL while empty, currency fields are INTEGER ten-thousandths.
PRAGMA application_id = 1465340721;
PRAGMA user_version = 1;

CREATE TABLE "User" (
  "User" TEXT NOT NULL DEFAULT '',
  "Password" TEXT NOT NULL DEFAULT '',
  "HintQuestion1" TEXT NOT NULL DEFAULT '',
  "HintAnswer1" TEXT NOT NULL DEFAULT ''
);

CREATE TABLE "Client" (
  "Id" INTEGER PRIMARY KEY AUTOINCREMENT,
  "JointStatement" TEXT NOT NULL DEFAULT '',
  "FirstName" TEXT NOT NULL DEFAULT '',
  "MiddleInitial" TEXT NOT NULL DEFAULT '',
  "LastName" TEXT NOT NULL DEFAULT '',
  "Birthday" TEXT NOT NULL DEFAULT '',
  "Address" TEXT NOT NULL DEFAULT '',
  "City" TEXT NOT NULL DEFAULT '',
  "State" TEXT NOT NULL DEFAULT '',
  "Zip" TEXT NOT NULL DEFAULT '',
  "SSN" TEXT NOT NULL DEFAULT '',
  "DriversLicense" TEXT NOT NULL DEFAULT '',
  "DriversLicense_State" TEXT NOT NULL DEFAULT '',
  "PersonalPhone" TEXT NOT NULL DEFAULT '',
  "Email" TEXT NOT NULL DEFAULT '',
  "MaritalStatus" TEXT NOT NULL DEFAULT '',
  "Dependants" TEXT NOT NULL DEFAULT '',
  "Employer" TEXT NOT NULL DEFAULT '',
  "Position" TEXT NOT NULL DEFAULT '',
  "YearsEmployed" TEXT NOT NULL DEFAULT '',
  "EAddress" TEXT NOT NULL DEFAULT '',
  "ECity" TEXT NOT NULL DEFAULT '',
  "EState" TEXT NOT NULL DEFAULT '',
  "EZip" TEXT NOT NULL DEFAULT '',
  "BusinessPhone" TEXT NOT NULL DEFAULT '',
  "Accountant" TEXT NOT NULL DEFAULT '',
  "AccountantPhone" TEXT NOT NULL DEFAULT '',
  "Attorney" TEXT NOT NULL DEFAULT '',
  "AttorneyPhone" TEXT NOT NULL DEFAULT '',
  "Banker" TEXT NOT NULL DEFAULT '',
  "BankerPhone" TEXT NOT NULL DEFAULT '',
  "Advisor" TEXT NOT NULL DEFAULT '',
  "AdvisorPhone" TEXT NOT NULL DEFAULT '',
  "SFirstName" TEXT NOT NULL DEFAULT '',
  "SMiddleInitial" TEXT NOT NULL DEFAULT '',
  "SLastName" TEXT NOT NULL DEFAULT '',
  "SBirthday" TEXT NOT NULL DEFAULT '',
  "SAddress" TEXT NOT NULL DEFAULT '',
  "SCity" TEXT NOT NULL DEFAULT '',
  "SState" TEXT NOT NULL DEFAULT '',
  "SZip" TEXT NOT NULL DEFAULT '',
  "SSSN" TEXT NOT NULL DEFAULT '',
  "SDriversLicense" TEXT NOT NULL DEFAULT '',
  "SDriversLicense_State" TEXT NOT NULL DEFAULT '',
  "SPersonalPhone" TEXT NOT NULL DEFAULT '',
  "SEmail" TEXT NOT NULL DEFAULT '',
  "SMaritalStatus" TEXT NOT NULL DEFAULT '',
  "SDependants" TEXT NOT NULL DEFAULT '',
  "SEmployer" TEXT NOT NULL DEFAULT '',
  "SPosition" TEXT NOT NULL DEFAULT '',
  "SYearsEmployed" TEXT NOT NULL DEFAULT '',
  "SEAddress" TEXT NOT NULL DEFAULT '',
  "SECity" TEXT NOT NULL DEFAULT '',
  "SEState" TEXT NOT NULL DEFAULT '',
  "SEZip" TEXT NOT NULL DEFAULT '',
  "SBusinessPhone" TEXT NOT NULL DEFAULT '',
  "SAccountant" TEXT NOT NULL DEFAULT '',
  "SAccountantPhone" TEXT NOT NULL DEFAULT '',
  "SAttorney" TEXT NOT NULL DEFAULT '',
  "SAttorneyPhone" TEXT NOT NULL DEFAULT '',
  "SBanker" TEXT NOT NULL DEFAULT '',
  "SBankerPhone" TEXT NOT NULL DEFAULT '',
  "SAdvisor" TEXT NOT NULL DEFAULT '',
  "SAdvisorPhone" TEXT NOT NULL DEFAULT '',
  "FullName" TEXT NOT NULL DEFAULT '',
  "FullName2" TEXT NOT NULL DEFAULT '',
  "SFullName" TEXT NOT NULL DEFAULT '',
  "SFullName2" TEXT NOT NULL DEFAULT '',
  "CityStateZip" TEXT NOT NULL DEFAULT '',
  "SCityStateZip" TEXT NOT NULL DEFAULT '',
  "ECityStateZip" TEXT NOT NULL DEFAULT '',
  "SECityStateZip" TEXT NOT NULL DEFAULT '',
  "DriversLicenseandState" TEXT NOT NULL DEFAULT '',
  "SDriversLicenseandState" TEXT NOT NULL DEFAULT '',
  "dlbdate" TEXT NOT NULL DEFAULT '',
  "Sdlbdate" TEXT NOT NULL DEFAULT '',
  "marrieddependants" TEXT NOT NULL DEFAULT '',
  "smarrieddependants" TEXT NOT NULL DEFAULT '',
  "YearsEmployed2" TEXT NOT NULL DEFAULT '',
  "SYearsEmployed2" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "Client_LastName" ON "Client" ("LastName" COLLATE NOCASE);

CREATE TABLE "FSPro" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Date" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "CashOnHand" REAL,
  "InvestmentTotals" REAL,
  "InvestmentPurchasePrice" REAL,
  "IRA" REAL,
  "Stocks" REAL,
  "Bonds" REAL,
  "MutualFunds" REAL,
  "Retirement" REAL,
  "401K" REAL,
  "Other" REAL,
  "RealEstateTotals" REAL,
  "RealEstateTotalsAsset" REAL,
  "MortgageLiabilitiesTotals" REAL,
  "TMortgageLiabilitiesTotals" REAL,
  "AutoTotal" REAL,
  "AutoPurchasePrice" REAL,
  "AutoPaymentTotal" REAL,
  "AutoPayments" REAL,
  "LifeCash" REAL,
  "LifeFace" REAL,
  "PersonalAssets" REAL,
  "BusinessAssets" REAL,
  "MarginAccounts" REAL,
  "NotesReceivable" REAL,
  "OtherAssets" REAL,
  "OtherAssetsTotal" REAL,
  "TotalAssets" REAL,
  "AutoLiability" REAL,
  "BankLiability" REAL,
  "CreditCardLiability" REAL,
  "CreditCardLimit" REAL,
  "TaxLiability" REAL,
  "OtherLiability" REAL,
  "OtherLiabilityMonthlyPayment" REAL,
  "ContingentLiability" REAL,
  "ContingentLiabilityMonthlyPayment" REAL,
  "TotalLiabilities" REAL,
  "NetWorth" REAL,
  "TotalLiabilitiesandNetWorth" REAL,
  "IncomeTotal" REAL, "MIncomeTotal" REAL,
  "Salary" REAL, "MSalary" REAL,
  "Salary_Spouse" REAL, "MSalary_Spouse" REAL,
  "Bonus" REAL, "MBonus" REAL,
  "Dividends" REAL, "MDividends" REAL,
  "RealEstateIncome" REAL, "MRealEstateIncome" REAL,
  "OilIncome" REAL, "MOilIncome" REAL,
  "OtherIncome" REAL, "MOtherIncome" REAL,
  "ExpenseTotal" REAL, "MExpenseTotal" REAL,
  "Alimony_Exp" REAL, "MAlimony_Exp" REAL,
  "Insurance_Exp" REAL, "MInsurance_Exp" REAL,
  "Installment_Exp" REAL, "MInstallment_Exp" REAL,
  "Lease_Exp" REAL, "MLease_Exp" REAL,
  "Mortgage_Exp" REAL, "MMortgage_Exp" REAL,
  "OtherDebt_Exp" REAL, "MOtherDebt_Exp" REAL,
  "Rental_Exp" REAL, "MRental_Exp" REAL,
  "Other_Exp" REAL, "MOther_Exp" REAL
);
CREATE INDEX "FSPro_ClientId" ON "FSPro" ("ClientId");

CREATE TABLE "Cash" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "RegisteredName" TEXT NOT NULL DEFAULT '',
  "Type" TEXT NOT NULL DEFAULT '',
  "Bank" TEXT NOT NULL DEFAULT '',
  "AccountNumber" TEXT NOT NULL DEFAULT '',
  "Balance" REAL,
  "Pledged" TEXT NOT NULL DEFAULT '',
  "PledgedTo" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "Cash_REGISTEREDNAME" ON "Cash" ("RegisteredName" COLLATE NOCASE);
CREATE INDEX "Cash_ClientId" ON "Cash" ("ClientId");

CREATE TABLE "Investments" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "InvestmentType" TEXT NOT NULL DEFAULT '',
  "RegisteredName" TEXT NOT NULL DEFAULT '',
  "Exchange" TEXT NOT NULL DEFAULT '',
  "Shares" TEXT NOT NULL DEFAULT '',
  "PurchasePrice" REAL,
  "MarketValue" REAL,
  "Pledged" TEXT NOT NULL DEFAULT '',
  "PledgedTo" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "Investments_Description" ON "Investments" ("Description" COLLATE NOCASE);
CREATE INDEX "Investments_ClientId" ON "Investments" ("ClientId");

CREATE TABLE "RealEstate" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Type" TEXT NOT NULL DEFAULT '',
  "YearAcquired" TEXT NOT NULL DEFAULT '',
  "RegisteredName" TEXT NOT NULL DEFAULT '',
  "PercentOwned" REAL,
  "MarketValue" REAL,
  "TMarketValue" REAL,
  "LienHolder" TEXT NOT NULL DEFAULT '',
  "CurrentBalance" REAL,
  "PercentLiability" REAL,
  "TCurrentLiability" REAL
);
CREATE INDEX "RealEstate_Description" ON "RealEstate" ("Description" COLLATE NOCASE);
CREATE INDEX "RealEstate_ClientId" ON "RealEstate" ("ClientId");

CREATE TABLE "Auto" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Model" TEXT NOT NULL DEFAULT '',
  "Year" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "PurchasePrice" REAL,
  "CurrentValue" REAL,
  "MonthlyPayment" REAL
);
CREATE INDEX "Auto_Description" ON "Auto" ("Description" COLLATE NOCASE);
CREATE INDEX "Auto_ClientId" ON "Auto" ("ClientId");

CREATE TABLE "LifeInsurance" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Insured" TEXT NOT NULL DEFAULT '',
  "Company" TEXT NOT NULL DEFAULT '',
  "Beneficiary" TEXT NOT NULL DEFAULT '',
  "FaceValue" REAL,
  "CashValue" REAL,
  "Pledged" TEXT NOT NULL DEFAULT '',
  "PledgedTo" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "LifeInsurance_Insured" ON "LifeInsurance" ("Insured" COLLATE NOCASE);
CREATE INDEX "LifeInsurance_ClientId" ON "LifeInsurance" ("ClientId");

CREATE TABLE "PersonalAssets" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Registered" TEXT NOT NULL DEFAULT '',
  "Value" REAL
);
CREATE INDEX "PersonalAssets_Description" ON "PersonalAssets" ("Description" COLLATE NOCASE);
CREATE INDEX "PersonalAssets_ClientId" ON "PersonalAssets" ("ClientId");

CREATE TABLE "BusinessAssets" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Registered" TEXT NOT NULL DEFAULT '',
  "Value" REAL
);
CREATE INDEX "BusinessAssets_Description" ON "BusinessAssets" ("Description" COLLATE NOCASE);
CREATE INDEX "BusinessAssets_ClientId" ON "BusinessAssets" ("ClientId");

CREATE TABLE "OtherAssets" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Registered" TEXT NOT NULL DEFAULT '',
  "Type" TEXT NOT NULL DEFAULT '',
  "Value" REAL
);
CREATE INDEX "OtherAssets_Description" ON "OtherAssets" ("Description" COLLATE NOCASE);
CREATE INDEX "OtherAssets_ClientId" ON "OtherAssets" ("ClientId");

CREATE TABLE "Autos2" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Registered" TEXT NOT NULL DEFAULT '',
  "LienHolder" TEXT NOT NULL DEFAULT '',
  "LoanBalance" REAL
);
CREATE INDEX "Autos2_Description" ON "Autos2" ("Description" COLLATE NOCASE);
CREATE INDEX "Autos2_ClientId" ON "Autos2" ("ClientId");

CREATE TABLE "Bank" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Bank" TEXT NOT NULL DEFAULT '',
  "Registered" TEXT NOT NULL DEFAULT '',
  "Amount" REAL
);
CREATE INDEX "Bank_Description" ON "Bank" ("Description" COLLATE NOCASE);
CREATE INDEX "Bank_ClientId" ON "Bank" ("ClientId");

CREATE TABLE "CreditCards" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "CurrentBalance" REAL,
  "CreditLimit" REAL,
  "MemberSince" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "CreditCards_Description" ON "CreditCards" ("Description" COLLATE NOCASE);
CREATE INDEX "CreditCards_ClientId" ON "CreditCards" ("ClientId");

CREATE TABLE "Taxes" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Explanation" TEXT NOT NULL DEFAULT '',
  "Amount" REAL
);
CREATE INDEX "Taxes_Description" ON "Taxes" ("Description" COLLATE NOCASE);
CREATE INDEX "Taxes_ClientId" ON "Taxes" ("ClientId");

CREATE TABLE "Other" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Amount" REAL,
  "MonthlyPayment" REAL
);
CREATE INDEX "Other_Description" ON "Other" ("Description" COLLATE NOCASE);
CREATE INDEX "Other_ClientId" ON "Other" ("ClientId");

CREATE TABLE "Contingent" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "ToWhom" TEXT NOT NULL DEFAULT '',
  "Explanation" TEXT NOT NULL DEFAULT '',
  "Amount" REAL,
  "MonthlyPayment" REAL,
  "Maturity" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "Contingent_Description" ON "Contingent" ("Description" COLLATE NOCASE);
CREATE INDEX "Contingent_ClientId" ON "Contingent" ("ClientId");

CREATE TABLE "Incomes" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Type" TEXT NOT NULL DEFAULT '',
  "Amount" REAL,
  "MAmount" INTEGER
);
CREATE INDEX "Incomes_Description" ON "Incomes" ("Description" COLLATE NOCASE);
CREATE INDEX "Incomes_ClientId" ON "Incomes" ("ClientId");

CREATE TABLE "Expenditure" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Description" TEXT NOT NULL DEFAULT '',
  "Type" TEXT NOT NULL DEFAULT '',
  "Amount" REAL,
  "MAmount" INTEGER
);
CREATE INDEX "Expenditure_Description" ON "Expenditure" ("Description" COLLATE NOCASE);
CREATE INDEX "Expenditure_ClientId" ON "Expenditure" ("ClientId");

CREATE TABLE "Legal" (
  "ClientId" TEXT NOT NULL DEFAULT '',
  "Will" TEXT NOT NULL DEFAULT '',
  "WillExplanation" TEXT NOT NULL DEFAULT '',
  "Divorce" TEXT NOT NULL DEFAULT '',
  "DivorceExplanation" TEXT NOT NULL DEFAULT '',
  "Bankruptcy" TEXT NOT NULL DEFAULT '',
  "BankruptcyExplanation" TEXT NOT NULL DEFAULT '',
  "Partner" TEXT NOT NULL DEFAULT '',
  "PartnerExplanation" TEXT NOT NULL DEFAULT '',
  "Defendant" TEXT NOT NULL DEFAULT '',
  "DefendantExplanation" TEXT NOT NULL DEFAULT '',
  "Judgement" TEXT NOT NULL DEFAULT '',
  "JudgementExplanation" TEXT NOT NULL DEFAULT '',
  "Prenuptial" TEXT NOT NULL DEFAULT '',
  "PrenuptialExplanation" TEXT NOT NULL DEFAULT '',
  "SpouseAssets" TEXT NOT NULL DEFAULT '',
  "SpouseAssetsExplanation" TEXT NOT NULL DEFAULT '',
  "EstateAssets" TEXT NOT NULL DEFAULT '',
  "EstateAssetsExplanation" TEXT NOT NULL DEFAULT '',
  "DebtAssets" TEXT NOT NULL DEFAULT '',
  "DebtAssetsExplanation" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "Legal_ClientId" ON "Legal" ("ClientId");
