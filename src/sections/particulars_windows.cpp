#include "particulars_windows.h"

#include "ui/window_registry.h"


TfrmPersonalInfo::TfrmPersonalInfo(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : ParticularsWindow(Kind::Information, Particulars::Side::Person, dm, navigator, parent)
{
    takeCatalogueCaption();
    setObjectName(QStringLiteral("frmPersonalInfo"));
}

TfrmPersonalEmployment::TfrmPersonalEmployment(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : ParticularsWindow(Kind::Employment, Particulars::Side::Person, dm, navigator, parent)
{
    takeCatalogueCaption();
    setObjectName(QStringLiteral("frmPersonalEmployment"));
}

TfrmPersonalContacts::TfrmPersonalContacts(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : ParticularsWindow(Kind::Contacts, Particulars::Side::Person, dm, navigator, parent)
{
    takeCatalogueCaption();
    setObjectName(QStringLiteral("frmPersonalContacts"));
}

TfrmSpouseInfo::TfrmSpouseInfo(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : ParticularsWindow(Kind::Information, Particulars::Side::Spouse, dm, navigator, parent)
{
    takeCatalogueCaption();
    setObjectName(QStringLiteral("frmSpouseInfo"));
}

TfrmSpouseEmployment::TfrmSpouseEmployment(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : ParticularsWindow(Kind::Employment, Particulars::Side::Spouse, dm, navigator, parent)
{
    takeCatalogueCaption();
    setObjectName(QStringLiteral("frmSpouseEmployment"));
}

TfrmSpouseContacts::TfrmSpouseContacts(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : ParticularsWindow(Kind::Contacts, Particulars::Side::Spouse, dm, navigator, parent)
{
    takeCatalogueCaption();
    setObjectName(QStringLiteral("frmSpouseContacts"));
}

void addParticularsWindows(WindowRegistry &registry)
{
    registry.add<TfrmPersonalInfo>("TfrmPersonalInfo");
    registry.add<TfrmPersonalEmployment>("TfrmPersonalEmployment");
    registry.add<TfrmPersonalContacts>("TfrmPersonalContacts");
    registry.add<TfrmSpouseInfo>("TfrmSpouseInfo");
    registry.add<TfrmSpouseEmployment>("TfrmSpouseEmployment");
    registry.add<TfrmSpouseContacts>("TfrmSpouseContacts");
}
