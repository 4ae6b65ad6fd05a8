#pragma once

#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>

#include "engine/data_source.h"
#include "engine/database.h"
#include "engine/table.h"

// The data module: the database, its twenty tables with a data source each, and the
// statement context that narrows every table to one statement. One instance per run;
// windows and operations receive it by reference.
class Tdm1 : public QObject
{
    Q_OBJECT

public:
    explicit Tdm1(QObject *parent = nullptr);
    ~Tdm1() override;

    Database db1;

    Table tblUser;
    Table tblClient;
    Table tblFSPro;
    Table tblCash;
    Table tblInvestments;
    Table tblRealEstate;
    Table tblAuto;
    Table tblLifeInsurance;
    Table tblPersonalAssets;
    Table tblBusinessAssets;
    Table tblOtherAssets;
    Table tblAuto2;
    Table tblBank;
    Table tblCreditCards;
    Table tblTaxes;
    Table tblOther;
    Table tblContingent;
    Table tblIncomes;
    Table tblExpenditure;
    Table tblLegal;

    DataSource dsUser;
    DataSource dsClient;
    DataSource dsFSPro;
    DataSource dsCash;
    DataSource dsInvestments;
    DataSource dsRealEstate;
    DataSource dsAuto;
    DataSource dsLifeInsurance;
    DataSource dsPersoanalAssets;
    DataSource dsBusinessAssets;
    DataSource dsOtherAssets;
    DataSource dsAuto2;
    DataSource dsBank;
    DataSource dsCreditCards;
    DataSource dsTaxes;
    DataSource dsOther;
    DataSource dsContingent;
    DataSource dsIncomes;
    DataSource dsExpenditure;
    DataSource dsLegal;

    // The statement context.
    QString CurrentClientId;
    QString StatementEditMode;

    // Where the database file may lie, in the order they are tried.
    static QStringList DatabaseFileCandidates();
    // The first candidate that exists, or empty text.
    static QString LocateDatabaseFile();

    void OpenTables();
    void CloseTables();
    void DisconnectDatabase();
    void SelectStatement();
    void SelectStatementDetails();
    void SelectNoStatement();
    void ClearStatementFilters();
    QString HasStatement();
    QString IsJointStatement();
    void EditOrAppendClient();

    // ClientId = "<CurrentClientId>": the filter of FSPro and every detail table.
    QString StatementFilter() const;

    const std::vector<Table *> &openOrder() const { return m_openOrder; }
    const std::vector<Table *> &filterOrder() const { return m_filterOrder; }
    const std::vector<Table *> &unfilterOrder() const { return m_unfilterOrder; }

    // Filters FSPro and every detail table on CurrentClientId, each on its first row.
    void filterDetailTables();

private:

    std::vector<Table *> m_openOrder;
    std::vector<Table *> m_filterOrder;
    std::vector<Table *> m_unfilterOrder;
};
