// The further fields of the lender's forms, entered as a user enters them: through each
// window's details dialog, refused when they are no value of their kind, stored by the
// window's own OK, carried by the statement file and printed on the lender's forms.
#include <map>

#include <QComboBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "data/engine/table.h"
#include "data/tdm1.h"
#include "exchange/statement_json.h"
#include "exchange/statement_record.h"
#include "list_window_fixture.h"
#include "print/engine/composite_report.h"
#include "print/run_pages.h"
#include "sections/details_dialog.h"
#include "sections/list_members.h"
#include "sections/window_catalogue.h"
#include "support/pdf_reader.h"

namespace {

void keepPicture(QWidget *widget, const QString &name)
{
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty())
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

// What each rule refuses; a rule without an entry takes any text.
const std::map<DetailField::Rule, const char *> &refusedByRule()
{
    using R = DetailField::Rule;
    static const std::map<R, const char *> refused = {
        {R::Amount, "12o0"},       {R::Percent, "six"},  {R::Date, "13/45/2020"}, {R::PastDate, "01/01/2999"},
        {R::List, "Zzz"},          {R::YesNo, "Maybe"}, {R::Property, "Nowhere"},
    };
    return refused;
}

struct Typed
{
    const char *table;
    const char *field;
    const char *typed;
    const char *stored; // as the file holds it (a float as its shortest text)
};

// A value for every field of the dialogs, as typed and as stored.
const Typed TypedValues[] = {
    {"Client", "BusinessName", "Avery Tools", "Avery Tools"},
    {"Client", "BusinessType", "llc", "LLC"},
    {"Client", "BusinessAddress", "9 Mill Road", "9 Mill Road"},
    {"Client", "BusinessCity", "Austin", "Austin"},
    {"Client", "BusinessState", "tx", "TX"},
    {"Client", "BusinessZip", "78701", "78701"},
    {"Client", "ProgramLoans", "Yes", "Yes"},
    {"Client", "Program8a", "No", "No"},
    {"Client", "ProgramWOSB", "yes", "Yes"},
    {"Client", "ProgramDisaster", "No", "No"},
    {"RealEstate", "Address", "1 Shore Lane", "1 Shore Lane"},
    {"RealEstate", "City", "Lakeway", "Lakeway"},
    {"RealEstate", "State", "TX", "TX"},
    {"RealEstate", "Zip", "78734", "78734"},
    {"RealEstate", "DatePurchased", "6/15/2018", "06/15/2018"},
    {"RealEstate", "OriginalCost", "$310,000.50", "310000.5"},
    {"RealEstate", "Occupancy", "Tenant Occupied", "Tenant Occupied"},
    {"RealEstate", "MonthlyRent", "2,400", "2400"},
    {"RealEstate", "MonthlyTaxes", "410.25", "410.25"},
    {"RealEstate", "MonthlyInsurance", "95", "95"},
    {"RealEstate", "MonthlyDues", "40", "40"},
    {"RealEstate", "LienOnProperty", "Lake house", "Lake house"},
    {"RealEstate", "LienHolderAddress", "PO Box 5, Dallas", "PO Box 5, Dallas"},
    {"RealEstate", "LienAccountNumber", "HL-0042", "HL-0042"},
    {"RealEstate", "MonthlyPayment", "612.40", "612.4"},
    {"RealEstate", "InterestRate", "7.25%", "7.25"},
    {"RealEstate", "LienStatus", "Current", "Current"},
    {"Bank", "BankAddress", "2 Main St", "2 Main St"},
    {"Bank", "OriginalBalance", "25,000", "25000"},
    {"Bank", "PaymentAmount", "480", "480"},
    {"Bank", "PaymentFrequency", "Monthly", "Monthly"},
    {"Bank", "Collateral", "Unsecured", "Unsecured"},
    {"Investments", "QuotationDate", "11/30/2026", "11/30/2026"},
    {"Contingent", "Category", "Legal Claims & Judgments", "Legal Claims & Judgments"},
    {"Other", "Category", "Installment Account", "Installment Account"},
    {"Taxes", "PayableTo", "Travis County", "Travis County"},
    {"Taxes", "DueDate", "01/31/2027", "01/31/2027"},
};

// The printed text of entered values on the lender's forms, whole dollars on SBA Form 413.
struct Printed
{
    const char *form; // "SBA 413" or "REO"
    const char *text;
};
const Printed PrintedValues[] = {
    {"SBA 413", "Avery Tools"},    {"SBA 413", "9 Mill Road"}, {"SBA 413", "1 Shore Lane"},
    {"SBA 413", "06/15/2018"},     {"SBA 413", "310,001"},     {"SBA 413", "HL-0042"},
    {"SBA 413", "612/mo"},  {"SBA 413", "Status of Mortgage Current"},     {"SBA 413", "2 Main St"},
    {"SBA 413", "25,000"},         {"SBA 413", "480 Monthly"},
    {"SBA 413", "Unsecured"},      {"SBA 413", "Travis County"},
    {"REO", "1 Shore Lane"},       {"REO", "Lakeway"},         {"REO", "06/15/2018"},
    {"REO", "310,000.50"},         {"REO", "Tenant Occupied"}, {"REO", "2,400.00"},
    {"REO", "410.25"},             {"REO", "95.00"},           {"REO", "40.00"},
    {"REO", "HL-0042"},            {"REO", "612.40"},          {"REO", "7.25"},
    {"REO", "Current"},
    // The lake house's net rental income a month: half of 2,400 - 410.25 - 95 - 40 owned, less
    // the lien's 612.40 owed whole.
    {"REO", "314.98"},
};

// The text of a PDF written from pages, its words joined by blanks.
QString printedText(RunPages pages, const std::function<void(Report::CompositeReport &, const RunPages &)> &prepare,
                    const QString &path)
{
    Report::CompositeReport composite;
    prepare(composite, pages);
    QString error;
    const bool written = composite.writePdf(path, &error);
    composite.clearReports();
    freeRunPages(pages);
    EXPECT_TRUE(written) << error.toStdString();
    QStringList words;
    for (const PdfWord &word : pdfWords(path))
        words << word.text;
    return words.join(u' ');
}

const Typed *typedValue(const DetailField &f)
{
    for (const Typed &t : TypedValues)
        if (qstrcmp(t.table, f.table) == 0 && qstrcmp(t.field, f.field) == 0)
            return &t;
    return nullptr;
}

class DetailsDialogTest : public ListWindowTest
{
protected:
    QWidget *openWindow(const char *className)
    {
        const CatalogueEntry *entry = findWindow(QString::fromLatin1(className));
        EXPECT_TRUE(entry && entry->link) << className;
        if (currentPage() != QLatin1String("tsFinancialStatement"))
            clickImage("imfs_blue", "imfs_orange");
        click(QString::fromLatin1(entry->link));
        EXPECT_TRUE(shown() && QTest::qWaitForWindowExposed(shown())) << className;
        return shown();
    }
    void clickIn(QWidget *where, const char *name)
    {
        auto *button = where->findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_TRUE(button) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Fills the window's required fields but those listed, so its own check passes.
    void fillRequired(const ListMember &member, const QStringList &skipped = {}, const QString &description = "Kept")
    {
        for (const ListMember::Required &r : member.required) {
            const QString field = QString::fromLatin1(r.field);
            if (skipped.contains(field))
                continue;
            const auto f = std::find_if(member.fields.begin(), member.fields.end(),
                                        [&](const ListMember::EditField &e) { return field == QLatin1String(e.field); });
            ASSERT_NE(f, member.fields.end());
            const FieldKind kind = (main->dm1().*member.table).FieldByName(field).Kind();
            const QString value = f->entries ? f->entries().front()
                : f->rule == DBEdit::Rule::Percent ? QStringLiteral("100")
                : kind == FieldKind::Float || kind == FieldKind::Currency ? QStringLiteral("1000")
                : field == QLatin1String("Description") ? description
                : QStringLiteral("Kept");
            typeInto(field, value);
        }
    }
    DetailsDialog *openDialog(QWidget *window)
    {
        const char *button = qobject_cast<SectionListEditor *>(window) ? "btnDetails" : "btnBusiness";
        // A dialog closed before is gone first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        clickIn(window, button);
        auto *dialog = window->findChild<DetailsDialog *>();
        EXPECT_TRUE(dialog && QTest::qWaitForWindowExposed(dialog));
        return dialog;
    }
    QString stored(const char *table, const char *field)
    {
        const QString where = qstrcmp(table, "Client") == 0 ? "Id = 1" : "ClientId = '1'";
        const QString row = QString("FROM \"%1\" WHERE %2 ORDER BY rowid DESC LIMIT 1").arg(table, where);
        const QString value = text(QString("SELECT \"%1\" ").arg(field) + row);
        if (text(QString("SELECT typeof(\"%1\") ").arg(field) + row) == "real")
            return QString::number(value.toDouble(), 'g', 15);
        return value;
    }
};

TEST_F(DetailsDialogTest, EveryFieldIsEnteredThroughItsWindowRefusedByItsRuleStoredExportedAndPrinted)
{
    // Every field of the dialogs has its value here, and the windows together offer them all.
    std::map<QString, int> offered;
    for (const DetailField &f : detailFields())
        ASSERT_TRUE(typedValue(f)) << f.field;

    exec("INSERT INTO RealEstate (ClientId, Description, Type, YearAcquired, PercentOwned, MarketValue, "
         "PercentLiability) VALUES ('1', 'Lake house', 'Rental', '2018', 50, 400000, 100)");
    const char *windows[] = {"TfrmPersonalEmployment", "TfrmRealEstate", "TfrmRealEstate_Liabilities",
                             "TfrmBank_Liabilities",   "TfrmInvestments", "TfrmContingent_Liabilities",
                             "TfrmOther_Liabilities",  "TfrmTax_Liabilities"};
    for (const char *className : windows) {
        SCOPED_TRACE(className);
        QWidget *window = openWindow(className);
        ASSERT_TRUE(window);
        const DetailsWindow *details = findDetailsWindow(QString::fromLatin1(className));
        ASSERT_TRUE(details);
        const bool lien = qstrcmp(className, "TfrmRealEstate_Liabilities") == 0;
        if (auto *list = qobject_cast<SectionListEditor *>(window)) {
            if (qstrcmp(className, "TfrmRealEstate") != 0) {
                clickButton("btnAdd");
                // A lien row takes what else its window asks for from its property.
                fillRequired(list->member(),
                             lien ? QStringList{"Type", "YearAcquired", "PercentOwned", "MarketValue"} : QStringList{},
                             lien ? "Lake house HELOC" : "Kept");
            }
        }
        // The button stands in free room: on no other control.
        auto *button = window->findChild<QPushButton *>(qobject_cast<SectionListEditor *>(window) ? "btnDetails"
                                                                                               : "btnBusiness");
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), QString::fromUtf8(details->button));
        for (QWidget *other : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (other != button && other->isVisible() && other->objectName() != "imSectionBackground")
                EXPECT_FALSE(other->geometry().intersects(button->geometry())) << other->objectName().toStdString();

        keepPicture(window, QStringLiteral("window_%1").arg(className));
        QPointer<DetailsDialog> dialog = openDialog(window);
        ASSERT_TRUE(dialog);
        const QString table = dialog->tableName();
        EXPECT_EQ(dialog->pages()->tabText(dialog->pages()->currentIndex()), QString::fromLatin1(details->page));
        keepPicture(dialog, QStringLiteral("details_%1").arg(className));
        for (const DetailField &f : detailFields()) {
            if (qstrcmp(f.page, details->page) != 0 || table != QLatin1String(f.table))
                continue;
            SCOPED_TRACE(f.field);
            ++offered[QString("%1.%2").arg(f.table, f.field)];
            QWidget *control = dialog->controlOf(f.field);
            ASSERT_TRUE(control && control->isVisible());
            if (const auto refused = refusedByRule().find(f.rule); refused != refusedByRule().end()) {
                messages->clear();
                typeIn(control, refused->second);
                clickIn(dialog, "btnOK");
                EXPECT_TRUE(dialog->isVisible());
                EXPECT_FALSE(messages->last().isEmpty());
            }
            typeIn(control, typedValue(f)->typed);
        }
        messages->clear();
        clickIn(dialog, "btnOK");
        EXPECT_TRUE(!dialog || !dialog->isVisible());
        EXPECT_TRUE(messages->shown().empty()) << messages->last().toStdString();
        if (lien) {
            // The lien's row took its property's type, year and share, and no value of its own.
            for (const char *field : {"Type", "YearAcquired", "PercentOwned"})
                EXPECT_EQ(main->dm1().tblRealEstate.FieldByName(field).AsString(),
                          field == QLatin1String("PercentOwned") ? "50" : text(QString("SELECT %1 FROM RealEstate WHERE Description = 'Lake house'").arg(field)));
            EXPECT_EQ(main->dm1().tblRealEstate.FieldByName("MarketValue").AsString(), "0");
        }
        clickIn(window, "btnOK");
        EXPECT_TRUE(messages->shown().empty()) << messages->last().toStdString();
        for (const DetailField &f : detailFields())
            if (qstrcmp(f.page, details->page) == 0 && table == QLatin1String(f.table))
                EXPECT_EQ(stored(f.table, f.field), typedValue(f)->stored) << f.field;
        if (auto *list = qobject_cast<SectionListEditor *>(window))
            clickIn(list, "btnClose");
        ASSERT_TRUE(main->isVisible());
    }
    for (const DetailField &f : detailFields())
        EXPECT_EQ(offered[QString("%1.%2").arg(f.table, f.field)], 1) << f.table << '.' << f.field;

    // The statement file carries each value as stored.
    const QJsonObject statement =
        QJsonDocument::fromJson(StatementJson::toJson(readStatement(main->dm1(), "1"))).object()["statement"].toObject();
    for (const Typed &t : TypedValues) {
        SCOPED_TRACE(t.field);
        const QJsonValue table = statement[t.table];
        const QJsonArray rows = table.isArray() ? table.toArray() : QJsonArray{table};
        QStringList exported;
        for (const QJsonValue &row : rows) {
            const QJsonValue value = row.toObject()[t.field];
            exported << (value.isDouble() ? QString::number(value.toDouble(), 'g', 15) : value.toString());
        }
        EXPECT_TRUE(exported.contains(t.stored)) << exported.join('|').toStdString();
    }

    // And the lender's forms print them.
    Tdm1 &dm = main->dm1();
    QTemporaryDir dir;
    const QString sba413 = printedText(
        createSba413Pages(dm),
        [&dm](Report::CompositeReport &composite, const RunPages &pages) { prepareSba413Composite(composite, dm, pages); },
        dir.filePath("sba413.pdf"));
    const QString reo = printedText(
        createRunPages(PrintRun::RealEstateSchedule, dm),
        [&dm](Report::CompositeReport &composite, const RunPages &pages) {
            prepareComposite(composite, PrintRun::RealEstateSchedule, dm, pages);
        },
        dir.filePath("reo.pdf"));
    for (const Printed &p : PrintedValues)
        EXPECT_TRUE((qstrcmp(p.form, "REO") == 0 ? reo : sba413).contains(QString::fromUtf8(p.text)))
            << p.form << ": " << p.text;
}

TEST_F(DetailsDialogTest, CancelDropsOnlyWhatWasTypedInTheDialog)
{
    SectionListEditor *bank = openFromLink("lblBank_Liability");
    ASSERT_TRUE(bank);
    clickButton("btnAdd");
    fillRequired(bank->member());

    QPointer<DetailsDialog> dialog = openDialog(bank);
    ASSERT_TRUE(dialog);
    typeIn(dialog->controlOf("OriginalBalance"), "500");
    typeIn(dialog->controlOf("Collateral"), "House");
    // Typing the dialog refuses goes with the rest of it.
    typeIn(dialog->controlOf("PaymentAmount"), "4o0");
    clickIn(dialog, "btnCancel");
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    Table &table = main->dm1().tblBank;
    EXPECT_EQ(table.FieldByName("Description").AsString(), "Kept");
    EXPECT_TRUE(table.FieldByName("OriginalBalance").IsNull());
    EXPECT_EQ(table.FieldByName("Collateral").AsString(), "");

    dialog = openDialog(bank);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(qobject_cast<QLineEdit *>(dialog->controlOf("PaymentAmount"))->text(), "");
    typeIn(dialog->controlOf("Collateral"), "Car");
    clickIn(dialog, "btnOK");
    messages->clear();
    clickButton("btnOK");
    EXPECT_TRUE(messages->shown().empty()) << messages->last().toStdString();
    EXPECT_EQ(stored("Bank", "Description"), "Kept");
    EXPECT_EQ(stored("Bank", "Collateral"), "Car");
    EXPECT_EQ(count("SELECT count(*) FROM Bank WHERE OriginalBalance IS NULL AND PaymentAmount IS NULL"), 1);

    // On a stored row, Cancel leaves the row as stored and not being edited.
    ASSERT_EQ(table.state(), Table::State::Browse);
    dialog = openDialog(bank);
    ASSERT_TRUE(dialog);
    typeIn(dialog->controlOf("Collateral"), "Boat");
    clickIn(dialog, "btnCancel");
    EXPECT_EQ(table.state(), Table::State::Browse);
    EXPECT_EQ(table.FieldByName("Collateral").AsString(), "Car");
    clickButton("btnClose");
    EXPECT_EQ(stored("Bank", "Collateral"), "Car");
}

} // namespace
