#include "list_windows.h"

#include "list_members.h"
#include "ui/window_registry.h"

namespace {

const ListMember &memberOf(const char *className)
{
    const ListMember *member = findListMember(QString::fromLatin1(className));
    Q_ASSERT(member);
    return *member;
}

} // namespace

TfrmCash::TfrmCash(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmCash"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmCash"));
}

TfrmInvestments::TfrmInvestments(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmInvestments"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmInvestments"));
}

TfrmRealEstate::TfrmRealEstate(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmRealEstate"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmRealEstate"));
}

TfrmAutos::TfrmAutos(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmAutos"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmAutos"));
}

TfrmLifeInsurance::TfrmLifeInsurance(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmLifeInsurance"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmLifeInsurance"));
}

TfrmPersonal::TfrmPersonal(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmPersonal"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmPersonal"));
}

TfrmBusiness::TfrmBusiness(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmBusiness"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmBusiness"));
}

TfrmOther::TfrmOther(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmOther"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmOther"));
}

TfrmBank_Liabilities::TfrmBank_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmBank_Liabilities"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmBank_Liabilities"));
}

TfrmRealEstate_Liabilities::TfrmRealEstate_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmRealEstate_Liabilities"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmRealEstate_Liabilities"));
}

TfrmCreditCard_Liabilities::TfrmCreditCard_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmCreditCard_Liabilities"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmCreditCard_Liabilities"));
}

TfrmAutos_Liabilities::TfrmAutos_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmAutos_Liabilities"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmAutos_Liabilities"));
}

TfrmTax_Liabilities::TfrmTax_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmTax_Liabilities"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmTax_Liabilities"));
}

TfrmOther_Liabilities::TfrmOther_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmOther_Liabilities"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmOther_Liabilities"));
}

TfrmContingent_Liabilities::TfrmContingent_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmContingent_Liabilities"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmContingent_Liabilities"));
}

TfrmIncome::TfrmIncome(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmIncome"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmIncome"));
}

TfrmExpenses::TfrmExpenses(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionListEditor(memberOf("TfrmExpenses"), dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmExpenses"));
}

void addListWindows(WindowRegistry &registry)
{
    registry.add<TfrmCash>("TfrmCash");
    registry.add<TfrmInvestments>("TfrmInvestments");
    registry.add<TfrmRealEstate>("TfrmRealEstate");
    registry.add<TfrmAutos>("TfrmAutos");
    registry.add<TfrmLifeInsurance>("TfrmLifeInsurance");
    registry.add<TfrmPersonal>("TfrmPersonal");
    registry.add<TfrmBusiness>("TfrmBusiness");
    registry.add<TfrmOther>("TfrmOther");
    registry.add<TfrmBank_Liabilities>("TfrmBank_Liabilities");
    registry.add<TfrmRealEstate_Liabilities>("TfrmRealEstate_Liabilities");
    registry.add<TfrmCreditCard_Liabilities>("TfrmCreditCard_Liabilities");
    registry.add<TfrmAutos_Liabilities>("TfrmAutos_Liabilities");
    registry.add<TfrmTax_Liabilities>("TfrmTax_Liabilities");
    registry.add<TfrmOther_Liabilities>("TfrmOther_Liabilities");
    registry.add<TfrmContingent_Liabilities>("TfrmContingent_Liabilities");
    registry.add<TfrmIncome>("TfrmIncome");
    registry.add<TfrmExpenses>("TfrmExpenses");
}
