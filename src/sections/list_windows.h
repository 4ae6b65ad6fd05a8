#pragma once

#include "section_list_editor.h"

class WindowRegistry;

// The seventeen list windows under their own class names; each is the list editor driven
// by its row of the member table.

class TfrmCash : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmCash(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmInvestments : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmInvestments(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmRealEstate : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmRealEstate(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmAutos : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmAutos(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmLifeInsurance : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmLifeInsurance(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmPersonal : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmPersonal(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmBusiness : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmBusiness(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmOther : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmOther(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmBank_Liabilities : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmBank_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmRealEstate_Liabilities : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmRealEstate_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmCreditCard_Liabilities : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmCreditCard_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmAutos_Liabilities : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmAutos_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmTax_Liabilities : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmTax_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmOther_Liabilities : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmOther_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmContingent_Liabilities : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmContingent_Liabilities(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmIncome : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmIncome(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmExpenses : public SectionListEditor
{
    Q_OBJECT

public:
    TfrmExpenses(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

// Registers the seventeen list windows under their class names.
void addListWindows(WindowRegistry &registry);
