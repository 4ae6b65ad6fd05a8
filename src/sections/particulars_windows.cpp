#include "particulars_windows.h"

#include "ui/window_registry.h"

namespace {

template <class Window>
void add(WindowRegistry &registry, const char *className)
{
    registry.add(QString::fromLatin1(className),
                 [](Tdm1 &dm, Navigator &navigator) -> QWidget * { return new Window(dm, navigator); });
}

} // namespace

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
    add<TfrmPersonalInfo>(registry, "TfrmPersonalInfo");
    add<TfrmPersonalEmployment>(registry, "TfrmPersonalEmployment");
    add<TfrmPersonalContacts>(registry, "TfrmPersonalContacts");
    add<TfrmSpouseInfo>(registry, "TfrmSpouseInfo");
    add<TfrmSpouseEmployment>(registry, "TfrmSpouseEmployment");
    add<TfrmSpouseContacts>(registry, "TfrmSpouseContacts");
}
