#include "details_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/guarded.h"
#include "data/engine/data_source.h"
#include "data/engine/query.h"
#include "data/entry_lists.h"
#include "data/tdm1.h"
#include "ui/db_combo_box.h"
#include "ui/db_edit.h"

namespace {

using Rule = DetailField::Rule;

constexpr char PropertyPage[] = "Property";

} // namespace

const std::vector<DetailField> &detailFields()
{
    static const std::vector<DetailField> fields = {
        {"Client", "Business", "Business Name:", "BusinessName"},
        {"Client", "Business", "Type of Entity:", "BusinessType", Rule::List, EntryLists::businessTypes},
        {"Client", "Business", "Business Address:", "BusinessAddress"},
        {"Client", "Business", "City:", "BusinessCity"},
        {"Client", "Business", "State:", "BusinessState", Rule::State},
        {"Client", "Business", "Zip:", "BusinessZip"},
        {"Client", "Business", "7(a), 504 or Surety Bond:", "ProgramLoans", Rule::YesNo},
        {"Client", "Business", "8(a) Business Development:", "Program8a", Rule::YesNo},
        {"Client", "Business", "WOSB Federal Contracting:", "ProgramWOSB", Rule::YesNo},
        {"Client", "Business", "Disaster Business Loan:", "ProgramDisaster", Rule::YesNo},
        {"RealEstate", "Property", "Street Address:", "Address"},
        {"RealEstate", "Property", "City:", "City"},
        {"RealEstate", "Property", "State:", "State", Rule::State},
        {"RealEstate", "Property", "Zip Code:", "Zip"},
        {"RealEstate", "Property", "Date Purchased:", "DatePurchased", Rule::PastDate},
        {"RealEstate", "Property", "Original Cost:", "OriginalCost", Rule::Amount},
        {"RealEstate", "Property", "Occupancy:", "Occupancy", Rule::List, EntryLists::occupancies},
        {"RealEstate", "Property", "Monthly Gross Rent:", "MonthlyRent", Rule::Amount},
        {"RealEstate", "Property", "Monthly Taxes:", "MonthlyTaxes", Rule::Amount},
        {"RealEstate", "Property", "Monthly Insurance:", "MonthlyInsurance", Rule::Amount},
        {"RealEstate", "Property", "Monthly Association Dues:", "MonthlyDues", Rule::Amount},
        {"RealEstate", "Lien", "Lien on Property:", "LienOnProperty", Rule::Property},
        {"RealEstate", "Lien", "Lien Holder's Address:", "LienHolderAddress"},
        {"RealEstate", "Lien", "Account Number:", "LienAccountNumber"},
        {"RealEstate", "Lien", "Monthly Payment:", "MonthlyPayment", Rule::Amount},
        {"RealEstate", "Lien", "Interest Rate:", "InterestRate", Rule::Percent},
        {"RealEstate", "Lien", "Status:", "LienStatus", Rule::List, EntryLists::lienStatuses},
        {"Bank", "Note", "Noteholder's Address:", "BankAddress"},
        {"Bank", "Note", "Original Balance:", "OriginalBalance", Rule::Amount},
        {"Bank", "Note", "Payment Amount:", "PaymentAmount", Rule::Amount},
        {"Bank", "Note", "Payment Frequency:", "PaymentFrequency", Rule::List, EntryLists::paymentFrequencies},
        {"Bank", "Note", "Collateral:", "Collateral"},
        {"Investments", "Quotation", "Date of Quotation:", "QuotationDate", Rule::PastDate},
        {"Contingent", "Category", "Form Category:", "Category", Rule::List, EntryLists::contingentCategories},
        {"Other", "Category", "Form Line:", "Category", Rule::List, EntryLists::otherLiabilityCategories},
        {"Taxes", "Tax", "Payable To:", "PayableTo"},
        {"Taxes", "Tax", "Due Date:", "DueDate", Rule::Date},
    };
    return fields;
}

const DetailsWindow *findDetailsWindow(const QString &className)
{
    static const DetailsWindow windows[] = {
        {"TfrmPersonalEmployment", "Business", "Business…"},
        {"TfrmRealEstate", "Property", "Details…"},
        {"TfrmRealEstate_Liabilities", "Lien", "Details…"},
        {"TfrmBank_Liabilities", "Note", "Details…"},
        {"TfrmInvestments", "Quotation", "Details…"},
        {"TfrmContingent_Liabilities", "Category", "Details…"},
        {"TfrmOther_Liabilities", "Category", "Details…"},
        {"TfrmTax_Liabilities", "Tax", "Details…"},
    };
    for (const DetailsWindow &window : windows)
        if (className == QLatin1String(window.className))
            return &window;
    return nullptr;
}

DetailsDialog::DetailsDialog(Tdm1 &dm, DataSource &source, const QString &page, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_source(source), m_table(*source.DataSet()), m_before(m_table.editState())
{
    setObjectName(QStringLiteral("DetailsDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(m_table.TableName() == QLatin1String("Client") ? QStringLiteral("Business") : QStringLiteral("Details"));

    // The table's pages, in the order of the field table.
    QStringList pageNames;
    for (const DetailField &f : detailFields())
        if (m_table.TableName() == QLatin1String(f.table) && !pageNames.contains(QLatin1String(f.page)))
            pageNames << QString::fromLatin1(f.page);

    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("tabPages"));
    for (const QString &name : pageNames) {
        QWidget *built = buildPage(name);
        m_pages->addTab(built, name);
        if (name == QLatin1String(PropertyPage))
            m_propertyPage = built;
    }
    // A table with one page shows it without a tab.
    m_pages->tabBar()->setVisible(pageNames.size() > 1);
    m_pages->setDocumentMode(pageNames.size() == 1);
    if (const qsizetype at = pageNames.indexOf(page); at >= 0)
        m_pages->setCurrentIndex(int(at));
    layout->addWidget(m_pages);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setProperty(TypedControl::ChecksTypingProperty, true);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, guard([this] { btnOKClick(); }));
    connect(cancel, &QPushButton::clicked, this, guard([this] { btnCancelClick(); }));

    updatePropertyPage();
    if (QWidget *first = m_pages->currentWidget()->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        first->setFocus(Qt::OtherFocusReason);
}

QWidget *DetailsDialog::buildPage(const QString &page)
{
    auto *widget = new QWidget;
    widget->setObjectName(QStringLiteral("page") + page);
    auto *form = new QFormLayout(widget);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const DetailField &f : detailFields()) {
        if (m_table.TableName() != QLatin1String(f.table) || page != QLatin1String(f.page))
            continue;
        const QString field = QString::fromLatin1(f.field);
        QWidget *control = nullptr;
        QString after;
        int width = 260;
        if (f.rule == Rule::List || f.rule == Rule::State || f.rule == Rule::YesNo || f.rule == Rule::Property) {
            auto *list = new DBComboBox(widget);
            if (f.rule == Rule::List)
                list->setEntries(f.entries());
            else if (f.rule == Rule::YesNo)
                list->setEntries(EntryLists::noYes());
            else if (f.rule == Rule::Property)
                list->setEntries(propertyDescriptions());
            if (f.rule == Rule::State) {
                // As in the particulars: a code typed by hand is taken too, in capitals.
                list->setEntries(EntryLists::states());
                list->setOtherTextAllowed(true);
                list->setUpperCase(true);
                width = 60;
            }
            if (f.rule == Rule::YesNo)
                width = 60;
            list->setDataSource(&m_source);
            list->setDataField(field);
            if (f.rule == Rule::Property)
                connect(list, &QComboBox::currentTextChanged, this, guard([this] {
                            fillFromProperty();
                            updatePropertyPage();
                        }));
            control = list;
        } else {
            auto *edit = new DBEdit(widget);
            switch (f.rule) {
            case Rule::Percent:
                edit->setRule(DBEdit::Rule::Percent);
                after = QStringLiteral("%");
                width = 80;
                break;
            case Rule::Date:
                edit->setRule(DBEdit::Rule::Date);
                after = QStringLiteral("mm/dd/yyyy");
                width = 80;
                break;
            case Rule::PastDate:
                edit->setRule(DBEdit::Rule::UpToToday);
                after = QStringLiteral("mm/dd/yyyy");
                width = 80;
                break;
            case Rule::Amount: width = 120; break;
            default: break;
            }
            edit->setDataSource(&m_source);
            edit->setDataField(field);
            control = edit;
        }
        control->setObjectName(QStringLiteral("db") + field);
        control->setFixedWidth(width);
        auto *label = new QLabel(QString::fromLatin1(f.label), widget);
        label->setObjectName(QStringLiteral("lbl") + field);
        label->setBuddy(control);
        auto *row = new QHBoxLayout;
        row->addWidget(control);
        if (!after.isEmpty())
            row->addWidget(new QLabel(after, widget));
        row->addStretch(1);
        form->addRow(label, row);
        m_controls.push_back(control);
    }
    return widget;
}

QWidget *DetailsDialog::controlOf(const QString &field) const
{
    for (QWidget *control : m_controls)
        if (control->property("dataField").toString() == field)
            return control;
    return nullptr;
}

QString DetailsDialog::current(const char *field)
{
    if (!m_table.Active() || (m_table.state() == Table::State::Browse && !m_table.hasCurrentRow()))
        return QString();
    return m_table.FieldByName(QLatin1String(field)).AsString();
}

QStringList DetailsDialog::propertyDescriptions()
{
    // The property rows in the order the window's grid shows them; a row is no lien on itself.
    const QString own = current("Description");
    QStringList descriptions = {QString()};
    Query query(m_dm.db1, "SELECT Description FROM RealEstate WHERE ClientId = ?1 AND LienOnProperty = '' "
                          "AND Description <> '' ORDER BY Description COLLATE NOCASE, rowid");
    query.bind(1, m_dm.CurrentClientId);
    while (query.next()) {
        const QString description = query.text(0);
        if (description != own && !descriptions.contains(description))
            descriptions << description;
    }
    return descriptions;
}

void DetailsDialog::fillFromProperty()
{
    if (m_table.state() == Table::State::Browse)
        return;
    const QString property = current("LienOnProperty");
    if (property.isEmpty())
        return;
    Query query(m_dm.db1, "SELECT Type, YearAcquired, PercentOwned FROM RealEstate WHERE ClientId = ?1 "
                          "AND LienOnProperty = '' AND Description = ?2 ORDER BY rowid LIMIT 1");
    query.bind(1, m_dm.CurrentClientId);
    query.bind(2, property);
    if (!query.next())
        return;
    const char *taken[] = {"Type", "YearAcquired", "PercentOwned"};
    for (int i = 0; i < 3; ++i) {
        Field field = m_table.FieldByName(QLatin1String(taken[i]));
        if (field.IsNull() || field.AsString().isEmpty())
            field.SetAsString(query.text(i));
    }
    if (Field value = m_table.FieldByName(QStringLiteral("MarketValue")); value.IsNull())
        value.SetAsFloat(0);
}

void DetailsDialog::updatePropertyPage()
{
    // A lien's property is described on the property's own row.
    if (!m_propertyPage)
        return;
    const bool lien = !current("LienOnProperty").isEmpty();
    m_propertyPage->setEnabled(!lien);
}

void DetailsDialog::btnOKClick()
{
    // Refused typing on any page is reported on its page before the dialog closes.
    for (int i = 0; i < m_pages->count(); ++i) {
        QWidget *page = m_pages->widget(i);
        if (!TypedControl::holdsRefusedTyping(page))
            continue;
        m_pages->setCurrentIndex(i);
        TypedControl::checkTyping(page);
        return;
    }
    accept();
}

void DetailsDialog::btnCancelClick()
{
    reject();
}

void DetailsDialog::reject()
{
    TypedControl::revertTyping(this);
    if (m_before.state == Table::State::Edit || m_before.state == Table::State::Insert)
        m_table.restoreEditState(m_before);
    else if (m_table.Active() && m_table.state() != Table::State::Browse)
        m_table.Cancel();
    QDialog::reject();
}
