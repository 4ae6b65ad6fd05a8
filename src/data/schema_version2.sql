-- Version 2 of the statement database: the fields of the lender's forms, each a column
-- appended to a table of version 1. A file of version 1 is brought to version 2 by these
-- statements in one transaction, and a new file is version 1 followed by them, so both
-- have the same schema text. Text fields are never NULL, float fields are NULL while empty.

ALTER TABLE "Client" ADD COLUMN "BusinessName" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "BusinessType" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "BusinessAddress" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "BusinessCity" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "BusinessZip" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "BusinessState" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "ProgramLoans" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "Program8a" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "ProgramWOSB" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Client" ADD COLUMN "ProgramDisaster" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "Address" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "City" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "Zip" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "State" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "DatePurchased" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "OriginalCost" REAL;
ALTER TABLE "RealEstate" ADD COLUMN "Occupancy" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "MonthlyRent" REAL;
ALTER TABLE "RealEstate" ADD COLUMN "MonthlyTaxes" REAL;
ALTER TABLE "RealEstate" ADD COLUMN "MonthlyInsurance" REAL;
ALTER TABLE "RealEstate" ADD COLUMN "MonthlyDues" REAL;
ALTER TABLE "RealEstate" ADD COLUMN "LienOnProperty" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "LienHolderAddress" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "LienAccountNumber" TEXT NOT NULL DEFAULT '';
ALTER TABLE "RealEstate" ADD COLUMN "MonthlyPayment" REAL;
ALTER TABLE "RealEstate" ADD COLUMN "InterestRate" REAL;
ALTER TABLE "RealEstate" ADD COLUMN "LienStatus" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Bank" ADD COLUMN "BankAddress" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Bank" ADD COLUMN "OriginalBalance" REAL;
ALTER TABLE "Bank" ADD COLUMN "PaymentAmount" REAL;
ALTER TABLE "Bank" ADD COLUMN "PaymentFrequency" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Bank" ADD COLUMN "Collateral" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Investments" ADD COLUMN "QuotationDate" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Contingent" ADD COLUMN "Category" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Other" ADD COLUMN "Category" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Taxes" ADD COLUMN "PayableTo" TEXT NOT NULL DEFAULT '';
ALTER TABLE "Taxes" ADD COLUMN "DueDate" TEXT NOT NULL DEFAULT '';

PRAGMA user_version = 2;
