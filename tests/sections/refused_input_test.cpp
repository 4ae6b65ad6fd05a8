// What a user types or pastes that a window cannot take: every list of fixed entries stores
// only its entries, and after any refusal the focus stays on what was refused, its text
// selected, so the next keys or paste replace it. Driven through the real windows.
#include <map>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "base/dates.h"
#include "data/engine/table.h"
#include "data/entry_lists.h"
#include "data/legal_questions.h"
#include "data/tdm1.h"
#include "list_window_fixture.h"
#include "sections/legal_window.h"
#include "sections/list_members.h"
#include "sections/window_catalogue.h"
#include "support/keyboard.h"
#include "ui/db_edit.h"

namespace {

using namespace Keyboard;

// One list of fixed entries: the link that opens its window, its field, its entries and
// the name its messages give it (its caption as the window shows it).
struct FixedList
{
    QString link;
    QString field;
    QStringList entries;
    QString name;
};

QString nameOfCaption(QString caption)
{
    caption.remove(u'*');
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

std::vector<FixedList> fixedLists()
{
    std::vector<FixedList> lists;
    for (const ListMember &member : listMembers()) {
        const CatalogueEntry *entry = findWindow(QString::fromLatin1(member.className));
        for (const ListMember::EditField &f : member.fields)
            if (f.entries)
                lists.push_back({entry->link, f.field, f.entries(), nameOfCaption(f.label)});
    }
    lists.push_back({"lblPersonalInformation", "MaritalStatus", EntryLists::maritalStatuses(), "Marital Status"});
    lists.push_back({"lblSpouseInfo", "SMaritalStatus", EntryLists::spouseMaritalStatuses(), "Marital Status"});
    int number = 0;
    for (const LegalQuestion &q : legalQuestions())
        lists.push_back({++number <= 5 ? "lblLegal1" : "lblLegal2", q.answerField, EntryLists::noYes(), q.text});
    return lists;
}

// The fewest first letters of the entry that no earlier entry begins with; the whole entry
// when every beginning of it is also an earlier one's.
QString shortestPrefix(const QStringList &entries, const QString &entry)
{
    for (int length = 1; length < entry.size(); ++length) {
        const QString prefix = entry.left(length);
        for (const QString &e : entries) {
            if (!e.startsWith(prefix, Qt::CaseInsensitive))
                continue;
            if (e == entry)
                return prefix;
            break;
        }
    }
    return entry;
}

class RefusedInputTest : public ListWindowTest
{
protected:
    const Dates::FixedToday fixedToday{QDate(2027, 6, 30)};
    void SetUp() override
    {
        ListWindowTest::SetUp();
        exec("UPDATE Client SET JointStatement = 'Yes', SFirstName = 'Bob', SLastName = 'Avery', "
             "SMaritalStatus = 'Married', SDependants = '2', MaritalStatus = 'Married', Dependants = '2'");
        main->dm1().tblClient.Refresh();
    }

    QWidget *openWindow(const QString &link)
    {
        if (currentPage() != QLatin1String("tsFinancialStatement"))
            clickImage("imfs_blue", "imfs_orange");
        click(link);
        QWidget *window = shown();
        if (!window || !QTest::qWaitForWindowExposed(window) || !activate(window))
            return nullptr;
        return window;
    }
    void pressButton(const QString &button)
    {
        auto *b = shown() ? shown()->findChild<QPushButton *>(button) : nullptr;
        ASSERT_TRUE(b) << button.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Table &tableOf(QWidget *control)
    {
        const QString name = control->property("dataTable").toString();
        for (Table *t : main->dm1().openOrder())
            if (t->TableName() == name)
                return *t;
        ADD_FAILURE() << "no table " << name.toStdString();
        return main->dm1().tblClient;
    }
    // What the control's field holds in the row being edited.
    QString held(QWidget *control)
    {
        return tableOf(control).FieldByName(control->property("dataField").toString()).AsString();
    }
    static QLineEdit *editOf(QWidget *control)
    {
        if (auto *list = qobject_cast<QComboBox *>(control))
            return list->lineEdit();
        return qobject_cast<QLineEdit *>(control);
    }
    // Keys into the control with the focus, replacing its text as a user who selected it.
    void typeOver(QWidget *control, const QString &text)
    {
        control->setFocus(Qt::OtherFocusReason);
        editOf(control)->selectAll();
        typeText(text);
    }
    void pasteOver(QWidget *control, const QString &text)
    {
        control->setFocus(Qt::OtherFocusReason);
        editOf(control)->selectAll();
        QGuiApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }
    // Moves on with Tab: the refusal is told once, and the focus is back on the control with
    // what was refused selected.
    void expectRefusedOnTab(QWidget *control, const QString &refused, const QString &message)
    {
        const size_t shownBefore = messages->shown().size();
        press(Qt::Key_Tab);
        ASSERT_EQ(messages->shown().size(), shownBefore + 1);
        EXPECT_EQ(messages->last(), message);
        EXPECT_EQ(focused(), control);
        EXPECT_EQ(editOf(control)->text(), refused);
        EXPECT_EQ(editOf(control)->selectedText(), refused);
    }
};

TEST_F(RefusedInputTest, EveryListOfFixedEntriesStoresOnlyItsEntries)
{
    std::map<QString, std::vector<FixedList>> byWindow;
    for (const FixedList &list : fixedLists())
        byWindow[list.link].push_back(list);
    ASSERT_EQ(byWindow.size(), 13u);

    for (const auto &[link, lists] : byWindow) {
        SCOPED_TRACE(link.toStdString());
        const CatalogueEntry *entry = findWindow(link);
        const bool listWindow = entry->family == WindowFamily::List;
        if (listWindow) {
            // A row whose lists hold their next-to-last entries: a new row's empty lists start
            // at the first entry, not after that row's.
            const ListMember &member = *findListMember(entry->className);
            QStringList fields = {"ClientId"}, values = {"'1'"};
            for (const FixedList &list : lists) {
                fields << list.field;
                values << "'" + list.entries[list.entries.size() - 2] + "'";
            }
            for (const ListMember::Required &r : member.required) {
                if (!fields.contains(QLatin1String(r.field))) {
                    fields << r.field;
                    values << "'1'";
                }
            }
            Table &table = main->dm1().*member.table;
            exec(QString("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(table.TableName(), fields.join(", "), values.join(", ")));
            table.Refresh();
        }
        QWidget *window = openWindow(link);
        ASSERT_TRUE(window);
        if (listWindow)
            pressButton("btnAdd");
        for (const FixedList &list : lists) {
            SCOPED_TRACE(list.field.toStdString());
            QWidget *combo = control(list.field);
            ASSERT_TRUE(qobject_cast<QComboBox *>(combo));
            QLineEdit *edit = editOf(combo);
            const QString first = list.entries.front().isEmpty() ? list.entries[1] : list.entries.front();

            // Down in an empty list starts at its first entry (the spouse's list begins with
            // the empty one, which an empty list shows).
            typeOver(combo, "x");
            press(Qt::Key_Backspace);
            ASSERT_EQ(edit->text(), "");
            press(Qt::Key_Down);
            EXPECT_EQ(edit->text(), first);
            EXPECT_EQ(held(combo), first);

            // The beginning of each entry, in lower case, shows and stores the whole entry.
            for (const QString &e : list.entries) {
                if (e.isEmpty())
                    continue;
                const QString prefix = shortestPrefix(list.entries, e);
                typeOver(combo, prefix.toLower());
                EXPECT_EQ(edit->text(), e) << prefix.toStdString();
                EXPECT_EQ(held(combo), e);
                EXPECT_EQ(edit->selectedText(), e.mid(prefix.size()));
            }

            // Anything else is kept as typed, stored nowhere and told when moving on.
            const QString last = held(combo);
            pasteOver(combo, "28,300.00");
            EXPECT_EQ(held(combo), last);
            expectRefusedOnTab(combo, "28,300.00", QString("Please choose \"%1\" from its list.").arg(list.name));
            // Down leaves the refused text for the list's first entry.
            press(Qt::Key_Down);
            EXPECT_EQ(edit->text(), list.entries.front());
            EXPECT_EQ(held(combo), list.entries.front());
        }

        // The window's own check refuses it too, before anything is stored.
        QWidget *combo = control(lists.front().field);
        typeOver(combo, "Maybe");
        const size_t before = messages->shown().size();
        pressButton(entry->family == WindowFamily::Legal ? "btnClose" : "btnOK");
        ASSERT_EQ(messages->shown().size(), before + 1);
        EXPECT_EQ(messages->last(), QString("Please choose \"%1\" from its list.").arg(lists.front().name));
        EXPECT_EQ(shown(), window);
        EXPECT_EQ(focused(), combo);
        // Typed over, the refused text goes for the entry.
        const QString last = lists.front().entries.back();
        typeText(shortestPrefix(lists.front().entries, last));
        EXPECT_EQ(editOf(combo)->text(), last);
        switch (entry->family) {
        case WindowFamily::List:
            pressButton("btnCancel");
            pressButton("btnClose");
            break;
        case WindowFamily::Legal: pressButton("btnClose"); break;
        default: pressButton("btnCancel"); break;
        }
        ASSERT_EQ(shown(), nullptr);
    }
    // The answers given last were stored, what was refused nowhere.
    EXPECT_EQ(text("SELECT Will || Divorce || Judgement || DebtAssets FROM Legal WHERE ClientId = '1'"), "YesNoYesNo");
    EXPECT_EQ(count("SELECT count(*) FROM Legal WHERE Will = 'Maybe' OR Will LIKE '28%'"), 0);
}

TEST_F(RefusedInputTest, TakingAnEntryBackOrTypingOnIsNotCompletedAgain)
{
    ASSERT_TRUE(openWindow("lblInvestments"));
    QWidget *exchange = control("Exchange");
    QLineEdit *edit = editOf(exchange);
    typeOver(exchange, "ny");
    EXPECT_EQ(edit->text(), "NYBOT");
    typeText("s");
    EXPECT_EQ(edit->text(), "NYSE");
    // Backspace takes the completion away and leaves the beginning, which is no entry.
    press(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "NYS");
    EXPECT_EQ(held(exchange), "NYSE");
    expectRefusedOnTab(exchange, "NYS", "Please choose \"Exchange\" from its list.");
    // Typed on at its end, the whole entry in another case is the entry.
    press(Qt::Key_End);
    typeText("e");
    EXPECT_EQ(edit->text(), "NYSE");
    EXPECT_TRUE(edit->selectedText().isEmpty());
    pressButton("btnCancel");
    pressButton("btnClose");

    // A state list also takes a code that is not among its fifty.
    ASSERT_TRUE(openWindow("lblPersonalInformation"));
    QWidget *state = control("State");
    typeOver(state, "ms");
    EXPECT_EQ(editOf(state)->text(), "MS");
    const size_t before = messages->shown().size();
    press(Qt::Key_Tab);
    EXPECT_EQ(messages->shown().size(), before);
    pressButton("btnOK");
    EXPECT_EQ(text("SELECT State FROM Client WHERE Id = 1"), "MS");
}

// Each kind of refusal, typed or pasted, then Tab: the message, and the focus back on the
// control with the refused text selected, so that a paste replaces it there.
TEST_F(RefusedInputTest, AfterEveryRefusalTheFocusStaysOnTheRefusedText)
{
    struct Case
    {
        QString link;
        QString field;
        QString refused;
        QString message;
        QString accepted;
        QString stored;
    };
    const QString future = Dates::format(Dates::today().addDays(3));
    const std::vector<Case> cases = {
        {"lblCash", "Balance", "12o0", "Please enter an amount, for example 1,234.50.", "28,300.00", "28300"},
        {"lblCash", "Pledged", "28,300.00", "Please choose \"Pledged?\" from its list.", "yes", "Yes"},
        {"lblRealEstate", "PercentOwned", "150", "Please enter \"Owned\" as a percent from 0 to 100.", "50%", "50"},
        {"lblContingent_Liability", "Maturity", "2/30/2020",
         "Please enter \"Maturity Date\" as a date in the form mm/dd/yyyy.", "1/2/2030", "01/02/2030"},
        {"lblPersonalInformation", "Birthday", future, "Please enter \"Birth Date\" as a date in the past.",
         "1/2/1970", "01/02/1970"},
        {"lblPersonalInformation", "MiddleInitial", "QR", "Please enter \"Middle Intitial\" as one letter.", "r",
         "R"},
        {"lblPersonalInformation", "MaritalStatus", "M.", "Please choose \"Marital Status\" from its list.", "wid",
         "Widowed"},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field.toStdString());
        ASSERT_TRUE(openWindow(c.link));
        if (findWindow(c.link)->family == WindowFamily::List)
            pressButton("btnAdd");
        QWidget *target = control(c.field);
        ASSERT_TRUE(target);
        const bool paste = ++n % 2 == 0;
        paste ? pasteOver(target, c.refused) : typeOver(target, c.refused);
        expectRefusedOnTab(target, c.refused, c.message);
        // The next paste lands where the refusal was, over the refused text.
        QGuiApplication::clipboard()->setText(c.accepted);
        press(Qt::Key_V, Qt::ControlModifier);
        press(Qt::Key_Tab);
        EXPECT_NE(focused(), target);
        EXPECT_EQ(held(target), c.stored);
        pressButton("btnCancel");
        if (shown())
            pressButton("btnClose");
        ASSERT_EQ(shown(), nullptr);
    }
}

} // namespace
