// What a user types or pastes into the list windows is stored as meant or refused with a
// message, the typing kept; leaving a window always leaves its section's total written.
#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/engine/table.h"
#include "data/tdm1.h"
#include "list_window_fixture.h"
#include "sections/list_members.h"
#include "sections/window_catalogue.h"
#include "ui/db_edit.h"

namespace {

class TypedInputTest : public ListWindowTest
{
protected:
    SectionListEditor *open(const ListMember &member)
    {
        const CatalogueEntry *entry = findWindow(QString::fromLatin1(member.className));
        EXPECT_TRUE(entry && entry->link);
        return openFromLink(QString::fromLatin1(entry->link));
    }
    Table &table(const ListMember &member) { return main->dm1().*member.table; }
    bool isAmount(const ListMember &member, const ListMember::EditField &f)
    {
        const FieldKind kind = table(member).FieldByName(QString::fromLatin1(f.field)).Kind();
        return f.rule == DBEdit::Rule::Free && (kind == FieldKind::Float || kind == FieldKind::Currency);
    }
    // Fills every required field that is not an amount with a plausible entry.
    void fillRequiredText(const ListMember &member)
    {
        for (const ListMember::Required &r : member.required) {
            const QString field = QString::fromLatin1(r.field);
            const auto f = std::find_if(member.fields.begin(), member.fields.end(),
                                        [&](const ListMember::EditField &e) { return field == QLatin1String(e.field); });
            ASSERT_NE(f, member.fields.end());
            if (isAmount(member, *f))
                continue;
            typeInto(field, f->entries ? f->entries().front() : f->rule == DBEdit::Rule::Percent ? "50" : "Kept");
        }
    }
    void paste(const QString &field, const QString &text)
    {
        auto *edit = qobject_cast<QLineEdit *>(window()->controlOf(field));
        ASSERT_TRUE(edit);
        edit->setFocus();
        edit->selectAll();
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    QString shownText(const QString &field) { return qobject_cast<QLineEdit *>(window()->controlOf(field))->text(); }
    QColor captionColour(const QString &field)
    {
        return window()->findChild<QLabel *>("lbl" + field)->palette().color(QPalette::WindowText);
    }
    qint64 rows(const ListMember &member)
    {
        return count(QString("SELECT count(*) FROM \"%1\"").arg(table(member).TableName()));
    }
};

struct Form
{
    const char *text;
    double value;
};
const Form AcceptedForms[] = {{"$100,000", 100000}, {"$1,200.00", 1200}, {"(250.00)", -250}, {"-250", -250},
                              {"1,234.50", 1234.5}};
const char *const RefusedForms[] = {"12o0", "1.234,50", "abc"};

TEST_F(TypedInputTest, EveryAmountFieldStoresWhatPeopleTypeAndPaste)
{
    for (const ListMember &member : listMembers()) {
        SCOPED_TRACE(member.className);
        ASSERT_TRUE(open(member));
        clickButton("btnAdd");
        fillRequiredText(member);
        QStringList amounts;
        for (const ListMember::EditField &f : member.fields) {
            if (!isAmount(member, f))
                continue;
            const QString field = QString::fromLatin1(f.field);
            amounts << field;
            bool pasted = false;
            for (const Form &form : AcceptedForms) {
                pasted ? paste(field, form.text) : typeInto(field, form.text);
                EXPECT_EQ(shownText(field), form.text) << field.toStdString();
                EXPECT_DOUBLE_EQ(table(member).FieldByName(field).AsFloat(), form.value)
                    << field.toStdString() << " " << form.text << (pasted ? " pasted" : " typed");
                pasted = !pasted;
            }
        }
        ASSERT_FALSE(amounts.isEmpty());
        const int shown = messages->texts().size();
        clickButton("btnOK");
        EXPECT_EQ(messages->texts().size(), shown) << messages->last().toStdString();
        for (const QString &field : amounts)
            EXPECT_EQ(text(QString("SELECT \"%1\" FROM \"%2\" WHERE ClientId = '1'")
                               .arg(field, table(member).TableName())),
                      "1234.5")
                << field.toStdString();
        clickButton("btnClose");
        ASSERT_EQ(window(), nullptr);
    }
}

TEST_F(TypedInputTest, EveryAmountFieldRefusesWhatIsNoAmountAndStoresNothing)
{
    int n = 0;
    for (const ListMember &member : listMembers()) {
        SCOPED_TRACE(member.className);
        for (const ListMember::EditField &f : member.fields) {
            if (!isAmount(member, f))
                continue;
            const QString field = QString::fromLatin1(f.field);
            const QString refused = QString::fromLatin1(RefusedForms[n++ % 3]);
            SCOPED_TRACE(field.toStdString() + " " + refused.toStdString());
            ASSERT_TRUE(open(member));
            clickButton("btnAdd");
            fillRequiredText(member);
            for (const ListMember::EditField &other : member.fields)
                if (isAmount(member, other) && QLatin1String(other.field) != field)
                    typeInto(QString::fromLatin1(other.field), "5");
            (n % 2 ? paste(field, refused) : typeInto(field, refused));

            // OK and Close each say why, once; the typing stays and nothing is stored.
            for (const char *button : {"btnOK", "btnClose"}) {
                const int shown = messages->texts().size();
                clickButton(button);
                ASSERT_EQ(messages->texts().size(), shown + 1) << button;
                EXPECT_EQ(messages->last(), DBEdit::AmountMessage);
                ASSERT_NE(window(), nullptr);
                EXPECT_EQ(shownText(field), refused);
                EXPECT_EQ(captionColour(field), QColor(Qt::red));
                EXPECT_EQ(QApplication::focusWidget(), window()->controlOf(field));
                EXPECT_EQ(rows(member), 0);
            }
            // Corrected, it is stored and the window can be left.
            typeInto(field, "7");
            EXPECT_NE(captionColour(field), QColor(Qt::red));
            clickButton("btnClose");
            EXPECT_EQ(window(), nullptr);
            EXPECT_EQ(rows(member), 1);
            exec(QString("DELETE FROM \"%1\"").arg(table(member).TableName()));
            table(member).Refresh();
        }
    }
    EXPECT_GT(n, 17);
}

TEST_F(TypedInputTest, RefusedTypingKeepsTheGridOnItsRow)
{
    exec("INSERT INTO Cash (ClientId, RegisteredName, Type, Balance) VALUES "
         "('1', 'Ann Avery', 'Savings Account', 10), ('1', 'Bo Avery', 'Savings Account', 20)");
    ASSERT_TRUE(openFromLink("lblCash"));
    auto *grid = window()->findChild<QAbstractItemView *>("DBGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 2);
    const QString first = main->dm1().tblCash.FieldByName("RegisteredName").AsString();
    // Nothing of the row changed but the refused amount: moving on would drop it unseen.
    paste("Balance", "$1.234,50");
    const int shown = messages->texts().size();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 0)).center());
    ASSERT_EQ(messages->texts().size(), shown + 1);
    EXPECT_EQ(messages->last(), DBEdit::AmountMessage);
    EXPECT_EQ(main->dm1().tblCash.FieldByName("RegisteredName").AsString(), first);
    EXPECT_EQ(shownText("Balance"), "$1.234,50");
    clickButton("btnCancel");
    EXPECT_NE(shownText("Balance"), "$1.234,50");
    clickButton("btnClose");
    EXPECT_EQ(count("SELECT count(*) FROM Cash WHERE Balance IN (10, 20)"), 2);
}

TEST_F(TypedInputTest, PercentsLieBetweenNoneAndAll)
{
    for (const char *className : {"TfrmRealEstate", "TfrmRealEstate_Liabilities"}) {
        SCOPED_TRACE(className);
        const ListMember &member = *findListMember(className);
        for (const auto &[field, name] : {std::pair<QString, QString>{"PercentOwned", "Owned"},
                                          std::pair<QString, QString>{"PercentLiability", "Percent Liability"}}) {
            ASSERT_TRUE(open(member));
            clickButton("btnAdd");
            fillRequiredText(member);
            typeInto("MarketValue", "1000");
            for (const char *refused : {"150", "-5", "half"}) {
                typeInto(field, refused);
                clickButton("btnOK");
                EXPECT_EQ(messages->last(), QString("Please enter \"%1\" as a percent from 0 to 100.").arg(name));
                EXPECT_EQ(shownText(field), refused);
                EXPECT_EQ(rows(member), 0);
            }
            typeInto(field, "100%");
            clickButton("btnOK");
            EXPECT_EQ(text(QString("SELECT %1 FROM RealEstate").arg(field)).toDouble(), 100);
            clickButton("btnClose");
            exec("DELETE FROM RealEstate");
        }
    }
}

TEST_F(TypedInputTest, AMaturityIsARealDateCompletedToItsForm)
{
    const ListMember &member = *findListMember("TfrmContingent_Liabilities");
    ASSERT_TRUE(open(member));
    clickButton("btnAdd");
    fillRequiredText(member);
    typeInto("Amount", "10");
    for (const char *refused : {"2/30/2020", "13/1/2020", "1/2/70", "soon"}) {
        typeInto("Maturity", refused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(messages->last(), "Please enter \"Maturity Date\" as a date in the form mm/dd/yyyy.");
        EXPECT_EQ(shownText("Maturity"), refused);
    }
    typeInto("Maturity", "1/2/1970");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(shownText("Maturity"), "01/02/1970");
    clickButton("btnOK");
    EXPECT_EQ(text("SELECT Maturity FROM Contingent"), "01/02/1970");
    clickButton("btnClose");
}

TEST_F(TypedInputTest, LeavingEveryListWindowEmptyShowsEveryTotalAsNothingOwned)
{
    // The statement's totals row holds no figure yet: each section is entered and left.
    for (const ListMember &member : listMembers()) {
        SCOPED_TRACE(member.className);
        ASSERT_TRUE(open(member));
        clickButton(member.className == QLatin1String("TfrmCash") ? "btnNext" : "btnClose");
        if (window())
            clickButton("btnClose");
        ASSERT_EQ(window(), nullptr);
    }
    clickImage("imover_blue", "imover_orange");
    int totals = 0;
    for (QLabel *total : main->findChildren<QLabel *>()) {
        if (!total->objectName().startsWith("dbE") && !total->objectName().startsWith("dbTotal")
            && total->objectName() != "dbNetWorth")
            continue;
        EXPECT_EQ(total->text(), "$.00") << total->objectName().toStdString();
        ++totals;
    }
    EXPECT_GE(totals, 17 + 4);
    EXPECT_TRUE(messages->texts().isEmpty());
}

} // namespace
