#include "particulars_editor.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "base/guarded.h"
#include "base/messages.h"
#include "base/pending_messages.h"
#include "data/engine/table.h"
#include "data/entry_lists.h"
#include "data/statement_name.h"
#include "data/tdm1.h"
#include "totals/statement_actions.h"
#include "ui/db_combo_box.h"
#include "ui/db_edit.h"
#include "ui/navigator.h"
#include "details_dialog.h"
#include "window_catalogue.h"

using Particulars::Side;

struct ParticularsWindow::Control
{
    const char *name;
    const char *label;
    const char *field;
    const QStringList &(*entries)() = nullptr;
    bool upperCase = false;
    const char *hint = nullptr;
    int width = 0; // 0: the column's width
    DBEdit::Rule rule = DBEdit::Rule::Free;
};

namespace {


struct Required
{
    const char *field;
    const char *message;
    const char *control;
};

const Required requiredFields[] = {
    {"FirstName", "Please enter \"First Name\".", "DBEditFirstName"},
    {"LastName", "Please enter \"Last Name\".", "DBEditLastName"},
    {"MaritalStatus", "Please enter \"Marital Status\".", "cbMaritalStatus"},
    {"Dependants", "Please enter the number of \"Dependants\".", "DBEditDependants"},
};

QLabel *fieldLabel(QWidget *parent, const char *text, QRect geometry)
{
    auto *label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

ParticularsWindow::ParticularsWindow(Kind kind, Side side, Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_kind(kind), m_side(side), m_dm(dm), m_navigator(navigator)
{
    // Every window of a stored statement names it and its date; a statement being created
    // has neither yet.
    const StatementName statement = currentStatementName(m_dm);
    if (!statement.holder.isEmpty() || !statement.date.isEmpty())
        showStatement(statement);
    buildControls();
    buildButtons();
}

void ParticularsWindow::buildControls()
{
    static const std::vector<Control> information = {
        {"DBEditFirstName", "* First Name:", "FirstName"},
        {"DBEditMiddleInitial", "Middle Intitial:", "MiddleInitial", nullptr, true, nullptr, 40, DBEdit::Rule::Initial},
        {"DBEditLastName", "*Last Name:", "LastName"},
        {"dbEditBirthDate", "Birth Date:", "Birthday", nullptr, false, "mm/dd/yyyy", 80, DBEdit::Rule::PastDate},
        {"dbEditAddress", "Address:", "Address"},
        {"DBEditCity", "City:", "City"},
        {"cbState", "State:", "State", EntryLists::states, true, nullptr, 60},
        {"DBEditZip", "Zip Code:", "Zip", nullptr, false, nullptr, 80},
        {"DBEditPhone", "Phone:", "PersonalPhone"},
        {"DBEditEmail", "Email:", "Email"},
        {"DBEditSSN", "Social Security:", "SSN"},
        {"DBEditDrivesLicense", "Drivers License:", "DriversLicense"},
        {"cbDLState", "State:", "DriversLicense_State", EntryLists::states, true, nullptr, 60},
        {"cbMaritalStatus", "* Marital Status:", "MaritalStatus", EntryLists::maritalStatuses},
        {"DBEditDependants", "* Dependants:", "Dependants", nullptr, false, nullptr, 60},
    };
    static const std::vector<Control> employment = {
        {"DBEditEmployer", "Employer:", "Employer"},
        {"DBEditPosition", "Position:", "Position"},
        {"DBEditYearsEmployed", "Years Employed:", "YearsEmployed", nullptr, false, nullptr, 60},
        {"DBEditEAddress", "Employer's Address:", "EAddress"},
        {"DBEditECity", "City:", "ECity"},
        {"cbEState", "State:", "EState", EntryLists::states, true, nullptr, 60},
        {"DBEditEZip", "Zip:", "EZip", nullptr, false, nullptr, 80},
        {"DBEditBusinessPhone", "Business Phone:", "BusinessPhone"},
    };
    static const std::vector<Control> contacts = {
        {"DBEditAccountant", "Accountant:", "Accountant"},   {"DBEditAccountantPhone", "Phone:", "AccountantPhone"},
        {"DBEditAttorney", "Attorney:", "Attorney"},         {"DBEditAttorneyPhone", "Phone:", "AttorneyPhone"},
        {"DBEditBanker", "Banker:", "Banker"},               {"DBEditBankerPhone", "Phone:", "BankerPhone"},
        {"DBEditAdvisor", "Investment Advisor:", "Advisor"}, {"DBEditAdvisorPhone", "Phone:", "AdvisorPhone"},
    };
    const std::vector<Control> &controls =
        m_kind == Kind::Information ? information : m_kind == Kind::Employment ? employment : contacts;

    for (size_t i = 0; i < controls.size(); ++i) {
        const Control &c = controls[i];
        // Where each control stands: the information in two columns, the employment in one,
        // each adviser on a row with the telephone beside.
        QRect labelRect, controlRect;
        int columnWidth = 0;
        if (m_kind == Kind::Information) {
            const bool right = i >= 8;
            const int row = int(right ? i - 8 : i);
            const int y = 62 + row * 34;
            labelRect = right ? QRect(284, y, 110, 20) : QRect(14, y, 106, 20);
            columnWidth = right ? 141 : 150;
            controlRect = QRect(right ? 398 : 124, y, 0, 20);
        } else if (m_kind == Kind::Employment) {
            const int y = 70 + int(i) * 36;
            labelRect = QRect(60, y, 160, 20);
            columnWidth = 260;
            controlRect = QRect(225, y, 0, 20);
        } else {
            const bool phone = i % 2 == 1;
            const int y = 90 + int(i / 2) * 50;
            labelRect = phone ? QRect(346, y, 50, 20) : QRect(14, y, 120, 20);
            columnWidth = phone ? 139 : 200;
            controlRect = QRect(phone ? 400 : 138, y, 0, 20);
        }
        controlRect.setWidth(c.width ? c.width : columnWidth);
        QLabel *label = fieldLabel(this, c.label, labelRect);

        const QString field = Particulars::fieldName(m_side, c.field);
        QWidget *control = nullptr;
        if (c.entries) {
            auto *list = new DBComboBox(this);
            // The spouse's marital status may also be left empty.
            const bool spouseStatus = m_side == Side::Spouse && c.entries == EntryLists::maritalStatuses;
            list->setEntries(spouseStatus ? EntryLists::spouseMaritalStatuses() : c.entries());
            // A state list also takes a code typed by hand: its fifty entries leave out MS.
            list->setOtherTextAllowed(c.entries == EntryLists::states);
            list->setUpperCase(c.upperCase);
            list->setDataSource(&m_dm.dsClient);
            list->setDataField(field);
            control = list;
        } else {
            auto *edit = new DBEdit(this);
            edit->setUpperCase(c.upperCase);
            edit->setRule(c.rule);
            edit->setDataSource(&m_dm.dsClient);
            edit->setDataField(field);
            control = edit;
        }
        control->setObjectName(QString::fromLatin1(c.name));
        control->setGeometry(controlRect);
        label->setBuddy(control);
        if (c.hint) {
            auto *hint = new QLabel(QString::fromLatin1(c.hint), this);
            hint->setObjectName(QStringLiteral("lblHint") + QString::fromLatin1(c.field));
            hint->setGeometry(controlRect.right() + 6, controlRect.top(), 80, 20);
        }
        m_fields.push_back(control);
    }

    if (m_kind == Kind::Information && m_side == Side::Person) {
        fieldLabel(this, "Joint Statement:", QRect(284, 62 + 7 * 34, 110, 20));
        m_rbYes = new QRadioButton(QStringLiteral("Yes"), this);
        m_rbYes->setObjectName(QStringLiteral("rbYes"));
        m_rbYes->setGeometry(398, 62 + 7 * 34, 50, 20);
        m_rbNo = new QRadioButton(QStringLiteral("No"), this);
        m_rbNo->setObjectName(QStringLiteral("rbNo"));
        m_rbNo->setGeometry(452, 62 + 7 * 34, 50, 20);
        m_rbNo->setChecked(true);
        auto *group = new QButtonGroup(this);
        group->addButton(m_rbYes);
        group->addButton(m_rbNo);
        m_fields.push_back(m_rbYes);
        m_fields.push_back(m_rbNo);
    }
}

void ParticularsWindow::buildButtons()
{
    // The person's information opens the walk: it has no Previous.
    const bool first = m_kind == Kind::Information && m_side == Side::Person;
    QPushButton *cancel = addButton("btnCancel", QStringLiteral("Cancel"), {197, ButtonRow});
    QPushButton *previous = first ? nullptr : addButton("btnPrevious", QStringLiteral("<< Previous"), {278, ButtonRow});
    QPushButton *next = addButton("btnNext", QStringLiteral("Next >>"), {359, ButtonRow});
    QPushButton *ok = addButton("btnOK", QStringLiteral("OK"), {440, ButtonRow});
    connect(ok, &QPushButton::clicked, this, guard([this] { btnOKClick(); }));
    connect(next, &QPushButton::clicked, this, guard([this] { btnNextClick(); }));
    if (previous)
        connect(previous, &QPushButton::clicked, this, guard([this] { btnPreviousClick(); }));
    connect(cancel, &QPushButton::clicked, this, guard([this] { btnCancelClick(); }));
    // The business of the lender's forms opens in a dialog, in the room left of Cancel.
    QPushButton *business = nullptr;
    if (m_kind == Kind::Employment && m_side == Side::Person) {
        const DetailsWindow *window = findDetailsWindow(QStringLiteral("TfrmPersonalEmployment"));
        business = addButton("btnBusiness", QString::fromUtf8(window->button), {116, ButtonRow});
        connect(business, &QPushButton::clicked, this, guard([this] { btnBusinessClick(); }));
    }
    // Enter in a field walks on, as the walk is meant to be gone through.
    setDefaultButton(next);

    std::vector<QWidget *> chain = m_fields;
    for (QWidget *b : {static_cast<QWidget *>(ok), static_cast<QWidget *>(next), static_cast<QWidget *>(previous),
                       static_cast<QWidget *>(cancel), static_cast<QWidget *>(business)})
        if (b)
            chain.push_back(b);
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

DetailsDialog *ParticularsWindow::btnBusinessClick()
{
    if (m_kind != Kind::Employment || m_side != Side::Person)
        return nullptr;
    auto *dialog = new DetailsDialog(m_dm, m_dm.dsClient, QStringLiteral("Business"), this);
    dialog->open();
    return dialog;
}

QWidget *ParticularsWindow::controlOf(const QString &field) const
{
    for (QWidget *control : m_fields)
        if (control->property("dataField").toString().compare(field, Qt::CaseInsensitive) == 0)
            return control;
    return nullptr;
}

void ParticularsWindow::takeCatalogueCaption()
{
    if (const CatalogueEntry *entry = findWindow(QString::fromLatin1(metaObject()->className())))
        setCaption(QString::fromLatin1(entry->caption));
}

void ParticularsWindow::showEvent(QShowEvent *event)
{
    SectionFrame::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void ParticularsWindow::FormShow()
{
    if (m_rbYes) {
        const bool joint = m_dm.tblClient.FieldByName(QStringLiteral("JointStatement")).AsString() == QLatin1String("Yes");
        (joint ? m_rbYes : m_rbNo)->setChecked(true);
    }
    if (!m_fields.empty())
        m_fields.front()->setFocus(Qt::OtherFocusReason);
    letPendingMessagesRun();
}

QString ParticularsWindow::check(Side side, bool loud)
{
    // The loud check speaks in its own side's information window; elsewhere it is quiet.
    const bool here = loud && m_kind == Kind::Information && m_side == side;
    for (const Required &required : requiredFields) {
        if (!m_dm.tblClient.FieldByName(Particulars::fieldName(side, required.field)).AsString().isEmpty())
            continue;
        if (!loud)
            return QStringLiteral("Error");
        const QString message = QString::fromLatin1(required.message);
        if (here)
            TypedControl::focusRefused(findChild<QWidget *>(QString::fromLatin1(required.control)));
        Messages::current().show(Messages::Kind::Error, message);
        return message;
    }
    return QStringLiteral("Go");
}

QString ParticularsWindow::CheckPersonalInfo()
{
    return check(Side::Person, true);
}

QString ParticularsWindow::PersonalInfoComplete()
{
    return check(Side::Person, false);
}

QString ParticularsWindow::CheckSpouseInfo()
{
    return check(Side::Spouse, true);
}

QString ParticularsWindow::SpouseInfoComplete()
{
    return check(Side::Spouse, false);
}

void ParticularsWindow::ensureEditing()
{
    Table &client = m_dm.tblClient;
    if (client.state() == Table::State::Browse)
        client.Edit();
}

void ParticularsWindow::postClient()
{
    ensureEditing();
    m_dm.tblClient.Post();
}

bool ParticularsWindow::StorePersonalInformation()
{
    Table &client = m_dm.tblClient;
    m_dm.CurrentClientId = client.FieldByName(QStringLiteral("Id")).AsString();
    if (CheckPersonalInfo() != QLatin1String("Go"))
        return false;
    ensureEditing();
    if (m_rbYes)
        client.FieldByName(QStringLiteral("JointStatement"))
            .SetAsString(m_rbYes->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
    // The employment texts follow the employment fields whichever button stores them.
    if (m_kind == Kind::Employment && m_side == Side::Person)
        Particulars::writeEmploymentDerived(client, Side::Person);
    Particulars::writeDerived(client, Side::Person);
    // The row, the selection of the statement and its totals row, as one commit.
    StoreStatementRow(m_dm);
    return true;
}

bool ParticularsWindow::StoreSpouseInformation()
{
    if (CheckSpouseInfo() != QLatin1String("Go"))
        return false;
    ensureEditing();
    if (m_kind == Kind::Employment && m_side == Side::Spouse)
        Particulars::writeEmploymentDerived(m_dm.tblClient, Side::Spouse);
    Particulars::writeDerived(m_dm.tblClient, Side::Spouse);
    postClient();
    return true;
}

void ParticularsWindow::StoreEmployment()
{
    ensureEditing();
    Particulars::writeEmploymentDerived(m_dm.tblClient, Side::Person);
    postClient();
}

void ParticularsWindow::StoreSpouseEmployment()
{
    ensureEditing();
    Particulars::writeEmploymentDerived(m_dm.tblClient, Side::Spouse);
    postClient();
}

void ParticularsWindow::StoreContacts()
{
    // Nothing typed, nothing to store.
    if (m_dm.tblClient.state() != Table::State::Browse && m_dm.tblClient.Modified())
        postClient();
}

QString ParticularsWindow::neighbour(bool next) const
{
    const CatalogueEntry *entry = findWindow(QString::fromLatin1(metaObject()->className()));
    if (!entry)
        return QString();
    const bool joint = m_dm.IsJointStatement() == QLatin1String("Yes");
    return next ? nextWindow(*entry, joint) : previousWindow(*entry, joint);
}

void ParticularsWindow::leaveFor(const QString &target)
{
    // The next window edits the same row from the start, or the list windows see it stored.
    if (editsClientRow(target))
        m_dm.tblClient.Edit();
    m_navigator.open(target);
    letPendingMessagesRun();
    close();
}

void ParticularsWindow::returnToMain()
{
    m_navigator.returnToMain();
    close();
}

void ParticularsWindow::btnOKClick()
{
    if (!TypedControl::checkTyping(this).isEmpty())
        return;
    switch (m_kind) {
    case Kind::Information:
        if (m_side == Side::Person ? StorePersonalInformation() : StoreSpouseInformation())
            returnToMain();
        return;
    case Kind::Employment:
        m_side == Side::Person ? StoreEmployment() : StoreSpouseEmployment();
        returnToMain();
        return;
    case Kind::Contacts:
        StoreContacts();
        returnToMain();
        return;
    }
}

void ParticularsWindow::btnNextClick()
{
    // Decided anew from the stored answer: the spouse's windows for a joint statement.
    storeAndLeave(true);
}

void ParticularsWindow::btnPreviousClick()
{
    storeAndLeave(false);
}

void ParticularsWindow::storeAndLeave(bool forward)
{
    if (!TypedControl::checkTyping(this).isEmpty())
        return;
    // In the employment and contacts windows the particulars checked are not on the
    // window: when they are incomplete, Next and Previous do nothing.
    if (m_kind != Kind::Information
        && (m_side == Side::Person ? PersonalInfoComplete() : SpouseInfoComplete()) != QLatin1String("Go"))
        return;
    if (!(m_side == Side::Person ? StorePersonalInformation() : StoreSpouseInformation()))
        return;
    leaveFor(neighbour(forward));
}

void ParticularsWindow::btnCancelClick()
{
    // A statement being created is dropped: no Client and no totals row remain.
    m_dm.tblClient.Cancel();
    returnToMain();
}
