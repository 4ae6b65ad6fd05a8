#include "tdm1.h"

#include "engine/filter.h"
#include "entry_lists.h"
#include "schema.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>


Tdm1::Tdm1(QObject *parent)
    : QObject(parent),
      tblUser(db1, QStringLiteral("User")),
      tblClient(db1, QStringLiteral("Client"), QStringLiteral("LastName")),
      tblFSPro(db1, QStringLiteral("FSPro")),
      tblCash(db1, QStringLiteral("Cash"), QStringLiteral("REGISTEREDNAME")),
      tblInvestments(db1, QStringLiteral("Investments"), QStringLiteral("Description")),
      tblRealEstate(db1, QStringLiteral("RealEstate"), QStringLiteral("Description")),
      tblAuto(db1, QStringLiteral("Auto"), QStringLiteral("Description")),
      tblLifeInsurance(db1, QStringLiteral("LifeInsurance"), QStringLiteral("Insured")),
      tblPersonalAssets(db1, QStringLiteral("PersonalAssets"), QStringLiteral("Description")),
      tblBusinessAssets(db1, QStringLiteral("BusinessAssets"), QStringLiteral("Description")),
      tblOtherAssets(db1, QStringLiteral("OtherAssets"), QStringLiteral("Description")),
      tblAuto2(db1, QStringLiteral("Autos2"), QStringLiteral("Description")),
      tblBank(db1, QStringLiteral("Bank"), QStringLiteral("Description")),
      tblCreditCards(db1, QStringLiteral("CreditCards"), QStringLiteral("Description")),
      tblTaxes(db1, QStringLiteral("Taxes"), QStringLiteral("Description")),
      tblOther(db1, QStringLiteral("Other"), QStringLiteral("Description")),
      tblContingent(db1, QStringLiteral("Contingent"), QStringLiteral("Description")),
      tblIncomes(db1, QStringLiteral("Incomes"), QStringLiteral("Description")),
      tblExpenditure(db1, QStringLiteral("Expenditure"), QStringLiteral("Description")),
      tblLegal(db1, QStringLiteral("Legal")),
      dsUser(&tblUser), dsClient(&tblClient), dsFSPro(&tblFSPro), dsCash(&tblCash),
      dsInvestments(&tblInvestments), dsRealEstate(&tblRealEstate), dsAuto(&tblAuto),
      dsLifeInsurance(&tblLifeInsurance), dsPersoanalAssets(&tblPersonalAssets),
      dsBusinessAssets(&tblBusinessAssets), dsOtherAssets(&tblOtherAssets), dsAuto2(&tblAuto2),
      dsBank(&tblBank), dsCreditCards(&tblCreditCards), dsTaxes(&tblTaxes), dsOther(&tblOther),
      dsContingent(&tblContingent), dsIncomes(&tblIncomes), dsExpenditure(&tblExpenditure),
      dsLegal(&tblLegal)
{
    db1.SetDatabaseName(QStringLiteral("wks.ABS"));
    db1.SetKeepConnection(false);
    db1.SetSchema(schemaSteps());
    tblCash.setReadAs(QStringLiteral("Type"), EntryLists::cashTypeFormerSpellings());

    m_openOrder = {&tblUser,          &tblClient,         &tblFSPro,       &tblCash,
                   &tblInvestments,   &tblRealEstate,     &tblAuto,        &tblLifeInsurance,
                   &tblPersonalAssets, &tblBusinessAssets, &tblOtherAssets, &tblAuto2,
                   &tblBank,          &tblCreditCards,    &tblTaxes,       &tblOther,
                   &tblContingent,    &tblIncomes,        &tblExpenditure, &tblLegal};
    m_filterOrder = {&tblFSPro,          &tblCash,           &tblInvestments, &tblAuto,
                     &tblRealEstate,     &tblLifeInsurance,  &tblPersonalAssets,
                     &tblBusinessAssets, &tblOtherAssets,    &tblAuto2,       &tblBank,
                     &tblCreditCards,    &tblTaxes,          &tblOther,       &tblContingent,
                     &tblIncomes,        &tblExpenditure,    &tblLegal};
    m_unfilterOrder = {&tblClient,         &tblFSPro,          &tblCash,        &tblInvestments,
                       &tblRealEstate,     &tblAuto,           &tblLifeInsurance,
                       &tblPersonalAssets, &tblBusinessAssets, &tblOtherAssets, &tblAuto2,
                       &tblBank,           &tblCreditCards,    &tblTaxes,       &tblOther,
                       &tblContingent,     &tblIncomes,        &tblExpenditure, &tblLegal};
}

Tdm1::~Tdm1() = default;

QStringList Tdm1::DatabaseFileCandidates()
{
    const QString tail = QStringLiteral("/Norvale/Worthsheet 2010/data/wks.ABS");
#ifdef Q_OS_WIN
    return {QStringLiteral("C:") + QStringLiteral("\\Program Files\\Norvale\\Worthsheet 2010\\data\\wks.ABS"),
            QStringLiteral("C:") + QStringLiteral("\\Program Files (x86)\\Norvale\\Worthsheet 2010\\data\\wks.ABS")};
#else
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return {dataHome + tail, QStringLiteral("/opt") + tail};
#endif
}

QString Tdm1::LocateDatabaseFile()
{
    for (const QString &candidate : DatabaseFileCandidates()) {
        const QFileInfo info(candidate);
        if (info.exists() && info.isFile())
            return info.absoluteFilePath();
    }
    return QString();
}

void Tdm1::OpenTables()
{
    for (Table *table : m_openOrder)
        table->Open();
}

void Tdm1::CloseTables()
{
    for (Table *table : m_openOrder)
        table->Close();
}

void Tdm1::DisconnectDatabase()
{
    db1.SetConnected(false);
}

QString Tdm1::StatementFilter() const
{
    return QStringLiteral("ClientId = ") + quoteFilterText(CurrentClientId);
}

void Tdm1::filterDetailTables()
{
    const QString filter = StatementFilter();
    for (Table *table : m_filterOrder) {
        table->SetFilter(filter);
        table->SetFiltered(true);
        table->First();
    }
}

void Tdm1::SelectStatement()
{
    CurrentClientId = tblClient.FieldByName(QStringLiteral("Id")).AsString();
    tblClient.SetFilter(QStringLiteral("Id = ") + CurrentClientId);
    tblClient.SetFiltered(true);
    tblClient.First();
    filterDetailTables();
}

void Tdm1::SelectStatementDetails()
{
    CurrentClientId = tblClient.FieldByName(QStringLiteral("Id")).AsString();
    filterDetailTables();
}

void Tdm1::SelectNoStatement()
{
    CurrentClientId.clear();
    filterDetailTables();
}

void Tdm1::ClearStatementFilters()
{
    for (Table *table : m_unfilterOrder) {
        table->SetFiltered(false);
        table->First();
    }
}

QString Tdm1::HasStatement()
{
    return tblClient.FieldByName(QStringLiteral("id")).AsString().isEmpty() ? QStringLiteral("No")
                                                                           : QStringLiteral("Yes");
}

QString Tdm1::IsJointStatement()
{
    return tblClient.FieldByName(QStringLiteral("JointStatement")).AsString() == QLatin1String("Yes")
        ? QStringLiteral("Yes")
        : QStringLiteral("No");
}

void Tdm1::EditOrAppendClient()
{
    if (StatementEditMode == QLatin1String("Append"))
        tblClient.Append();
    else
        tblClient.Edit();
}
