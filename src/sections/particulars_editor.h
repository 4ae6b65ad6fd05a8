#pragma once

#include <vector>

#include "data/particulars.h"
#include "ui/section_frame.h"

class DetailsDialog;
class Navigator;
class QPushButton;
class QRadioButton;
class Tdm1;

// The six windows on the statement's own Client row: the person's and the spouse's
// information, employment and contacts. They form the derived texts of the row when they
// store it, and the person's information window is where a statement comes into being.
class ParticularsWindow : public SectionFrame
{
    Q_OBJECT

public:
    enum class Kind { Information, Employment, Contacts };

    ParticularsWindow(Kind kind, Particulars::Side side, Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    Particulars::Side side() const { return m_side; }

    // The checks of the four required fields: with the message and the focus on the first
    // missing one ("Go" or the message), and quietly ("Go" or "Error").
    QString CheckPersonalInfo();
    QString PersonalInfoComplete();
    QString CheckSpouseInfo();
    QString SpouseInfoComplete();
    // The stores; each returns whether the row was stored.
    bool StorePersonalInformation();
    bool StoreSpouseInformation();
    void StoreEmployment();
    void StoreSpouseEmployment();
    void StoreContacts();

    void FormShow();
    void btnOKClick();
    void btnNextClick();
    void btnPreviousClick();
    void btnCancelClick();
    // Opens the business of the lender's forms (the person's employment only); null elsewhere.
    DetailsDialog *btnBusinessClick();

    QWidget *controlOf(const QString &field) const;

protected:
    void showEvent(QShowEvent *event) override;
    // The caption the window catalogue gives the class.
    void takeCatalogueCaption();

private:
    struct Control;
    void buildControls();
    void buildButtons();
    QString check(Particulars::Side side, bool loud);
    bool storeParticulars(Particulars::Side side);
    void ensureEditing();
    void postClient();
    void leaveFor(const QString &target);
    // Next and Previous: stores the particulars when they are complete, then goes on.
    void storeAndLeave(bool forward);
    void returnToMain();
    QString neighbour(bool next) const;

    Kind m_kind;
    Particulars::Side m_side;
    Tdm1 &m_dm;
    Navigator &m_navigator;
    std::vector<QWidget *> m_fields;
    QRadioButton *m_rbYes = nullptr;
    QRadioButton *m_rbNo = nullptr;
};
