#include "support/app/main_window_fixture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/schema.h"
#include "data/tdm1.h"
#include "app/program_windows.h"
#include "sections/window_catalogue.h"

void MainWindowTest::SetUp()
{
    dataHome = std::make_unique<ScopedEnvironment>("XDG_DATA_HOME", home.path().toUtf8());
    configHome = std::make_unique<ScopedEnvironment>("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    databasePath = Tdm1::DatabaseFileCandidates().first();
    ASSERT_TRUE(createDatabaseFile(databasePath));
    messages = std::make_unique<RecordingMessages>();
}

void MainWindowTest::TearDown()
{
    if (lastOpened)
        lastOpened->close();
    main.reset();
    // Nothing of this test may run in the next one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    messages.reset();
    configHome.reset();
    dataHome.reset();
}

void MainWindowTest::exec(const QString &sql)
{
    SQLite::Database connection(databasePath.toStdString(), SQLite::OPEN_READWRITE);
    connection.exec(sql.toStdString());
}

qint64 MainWindowTest::count(const QString &sql)
{
    SQLite::Database connection(databasePath.toStdString(), SQLite::OPEN_READONLY);
    return connection.execAndGet(sql.toStdString()).getInt64();
}

QString MainWindowTest::text(const QString &sql)
{
    SQLite::Database connection(databasePath.toStdString(), SQLite::OPEN_READONLY);
    return QString::fromStdString(connection.execAndGet(sql.toStdString()).getString());
}

TfrmMain &MainWindowTest::start(bool waitUntilExposed)
{
    // Every window of the catalogue opens for real where it is built, else as a plain
    // stand-in; the test sees which opened last.
    auto real = std::make_shared<WindowRegistry>();
    addProgramWindows(*real);
    WindowRegistry registry;
    for (const CatalogueEntry &entry : windowCatalogue()) {
        const QString name = QString::fromLatin1(entry.className);
        registry.add(name, [this, name, real](Tdm1 &dm, Navigator &navigator) -> QWidget * {
            opened << name;
            const WindowRegistry::Opener *opener = real->find(name);
            if (opener && !standIns.contains(name)) {
                lastOpened = (*opener)(dm, navigator);
            } else {
                lastOpened = new QWidget;
                lastOpened->setObjectName(name);
                lastOpened->setAttribute(Qt::WA_DeleteOnClose);
            }
            return lastOpened;
        });
    }
    main = std::make_unique<TfrmMain>(std::move(registry));
    main->show();
    if (waitUntilExposed) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        // The full check of the file has answered (and the start-up purge run after it).
        EXPECT_TRUE(QTest::qWaitFor([this] { return main->integrityChecked() || !main->isVisible(); }, 10000));
    }
    return *main;
}

TfrmMain &MainWindowTest::restart()
{
    main->close();
    main.reset();
    return start();
}

void MainWindowTest::enterWithoutLogin()
{
    child<QWidget>("cbLogin_continue")->setProperty("checked", true);
    click("btnLoginOK");
}

QString MainWindowTest::currentPage()
{
    return child<QStackedWidget>("pc1")->currentWidget()->objectName();
}

QColor MainWindowTest::colour(const QString &labelName)
{
    return child<QLabel>(labelName)->palette().color(QPalette::WindowText);
}

void MainWindowTest::clickImage(const QString &normalName, const QString &hoverName)
{
    QWidget *normal = child(normalName);
    QWidget *hover = child(hoverName);
    ASSERT_TRUE(normal && hover);
    // Qt drops a move to where the mouse already is; come from the window's header first.
    QTest::mouseMove(main.get(), {400, 5});
    QTest::mouseMove(normal, normal->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([hover] { return hover->isVisible(); }, 1000)) << hoverName.toStdString();
    QTest::mouseClick(hover, Qt::LeftButton, {}, hover->rect().center());
}

void MainWindowTest::click(const QString &name)
{
    QWidget *widget = child(name);
    ASSERT_TRUE(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void MainWindowTest::type(const QString &editName, const QString &value)
{
    auto *edit = child<QLineEdit>(editName);
    ASSERT_TRUE(edit);
    edit->clear();
    QTest::keyClicks(edit, value);
}
