#include "list_window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void ListWindowTest::SetUp()
{
    MainWindowTest::SetUp();
    exec("INSERT INTO Client (Id, FirstName, MiddleInitial, LastName, JointStatement, FullName2) "
         "VALUES (1, 'Ann', 'Q', 'Avery', 'No', 'Ann Q. Avery')");
    exec("INSERT INTO FSPro (ClientId, Description) VALUES ('1', 'Ann Q. Avery')");
    start();
    enterWithoutLogin();
}

SectionListEditor *ListWindowTest::openFromLink(const QString &link)
{
    if (currentPage() != QLatin1String("tsFinancialStatement"))
        clickImage("imfs_blue", "imfs_orange");
    click(link);
    auto *editor = window();
    if (editor)
        EXPECT_TRUE(QTest::qWaitForWindowExposed(editor));
    return editor;
}

SectionListEditor *ListWindowTest::window() const
{
    return qobject_cast<SectionListEditor *>(main->shownWindow());
}

void ListWindowTest::clickButton(const QString &name)
{
    auto *button = window() ? window()->findChild<QPushButton *>(name) : nullptr;
    ASSERT_TRUE(button) << name.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void ListWindowTest::typeInto(const QString &field, const QString &text)
{
    QWidget *control = window() ? window()->controlOf(field) : nullptr;
    ASSERT_TRUE(control) << field.toStdString();
    typeIn(control, text);
}

void ListWindowTest::typeIn(QWidget *control, const QString &text)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(control);
    if (auto *list = qobject_cast<QComboBox *>(control))
        edit = list->lineEdit();
    ASSERT_TRUE(edit);
    control->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString ListWindowTest::totalLabel() const
{
    auto *label = window() ? window()->findChild<QLabel *>("lblTotal") : nullptr;
    return label ? label->text() : QString();
}

double ListWindowTest::storedTotal(const QString &field)
{
    return text(QString("SELECT IFNULL(\"%1\", 0) FROM FSPro WHERE ClientId = '1'").arg(field)).toDouble();
}

QString ListWindowTest::shownClass() const
{
    QWidget *shown = main->shownWindow();
    if (!shown)
        return QString();
    // A window not built yet stands in as a plain widget named like its class.
    const QString className = QString::fromLatin1(shown->metaObject()->className());
    return className == QLatin1String("QWidget") ? shown->objectName() : className;
}

QWidget *ListWindowTest::control(const QString &field) const
{
    if (!shown())
        return nullptr;
    for (QWidget *w : shown()->findChildren<QWidget *>())
        if (w->property("dataField").toString().compare(field, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}
