#pragma once

#include "particulars_editor.h"

class WindowRegistry;

// The six particulars windows under their own class names.
class TfrmPersonalInfo : public ParticularsWindow
{
    Q_OBJECT

public:
    TfrmPersonalInfo(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmPersonalEmployment : public ParticularsWindow
{
    Q_OBJECT

public:
    TfrmPersonalEmployment(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmPersonalContacts : public ParticularsWindow
{
    Q_OBJECT

public:
    TfrmPersonalContacts(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmSpouseInfo : public ParticularsWindow
{
    Q_OBJECT

public:
    TfrmSpouseInfo(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmSpouseEmployment : public ParticularsWindow
{
    Q_OBJECT

public:
    TfrmSpouseEmployment(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

class TfrmSpouseContacts : public ParticularsWindow
{
    Q_OBJECT

public:
    TfrmSpouseContacts(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
};

void addParticularsWindows(WindowRegistry &registry);
