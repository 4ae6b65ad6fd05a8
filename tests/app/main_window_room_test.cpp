// The main window made larger or maximised: the statement list and its totals take the
// room, the pictures keep their places, and the size is kept for the next start.
#include <map>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include "support/app/main_window_fixture.h"
#include "ui/db_grid.h"

namespace {

class MainWindowRoomTest : public MainWindowTest
{
protected:
    // Forty statements: more than any size of the window shows at once.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QStringList clients, totals;
        for (int i = 1; i <= 40; ++i) {
            clients << QString("(%1, 'First', 'Last%2', 'First Last%2')").arg(i).arg(i, 2, 10, QChar('0'));
            totals << QString("('%1', %2)").arg(i).arg(i * 1000);
        }
        exec("INSERT INTO Client (Id, FirstName, LastName, FullName2) VALUES " + clients.join(','));
        exec("INSERT INTO FSPro (ClientId, CashOnHand) VALUES " + totals.join(','));
    }
    DBGrid *grid() { return child<DBGrid>("DBGrid1"); }
    // Rows wholly in view.
    int rowsShown()
    {
        int rows = 0;
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            if (grid()->viewport()->rect().contains(grid()->visualRect(grid()->model()->index(r, 0))))
                ++rows;
        return rows;
    }
    // Every named control of the window, by its place in the client area.
    std::map<QString, QRect> places()
    {
        std::map<QString, QRect> all;
        for (QWidget *w : main->clientArea()->findChildren<QWidget *>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                all[w->objectName()] = QRect(w->mapTo(main->clientArea(), QPoint(0, 0)), w->size());
        return all;
    }
};

TEST_F(MainWindowRoomTest, MaximisedTheListShowsMoreAndThePicturesKeepTheirPlaces)
{
    start();
    enterWithoutLogin();
    const int shownAtDefault = rowsShown();
    const std::map<QString, QRect> atDefault = places();
    ASSERT_GT(shownAtDefault, 3);

    main->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->clientArea()->width() > 714; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_GT(rowsShown(), shownAtDefault);
    // The pictures and the page control's top left stand where they were.
    for (const char *name : {"imover_blue", "imfs_blue", "imset_orange", "imExit", "lblInfo", "lblHelp", "pc1"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(places().at(name).topLeft(), atDefault.at(name).topLeft());
    }
    // The totals stay under the list, in the same order, the values right of their captions.
    EXPECT_GT(places().at("lblCashOnHand").top(), places().at("DBGrid1").bottom());
    EXPECT_LT(places().at("lblCashOnHand").right(), places().at("dbE1").left());
    EXPECT_LT(places().at("dbE1").right(), places().at("dbE11").left());
    EXPECT_EQ(child<QLabel>("dbE1")->text(), "$1,000.00");

    QMenu *file = main->findChild<QMenu *>("mnuFile");
    ASSERT_TRUE(file);
    file->popup(main->mapToGlobal(main->menuBar()->actionGeometry(file->menuAction()).bottomLeft()));
    QCoreApplication::processEvents();
    ASSERT_TRUE(file->isVisible());
    // The window with its menu open, as the user sees them: the menu is a window of its own.
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty()) {
        QPixmap shot = main->grab();
        QPainter painter(&shot);
        painter.drawPixmap(main->mapFromGlobal(file->pos()), file->grab());
        painter.end();
        shot.save(QString::fromLocal8Bit(folder) + "/main_maximised_menu.png");
    }
    file->hide();

    main->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->clientArea()->width() == 714; }, 2000));
    EXPECT_EQ(places(), atDefault);
}

TEST_F(MainWindowRoomTest, TheSizeAndTheMaximisedStateAreKeptForTheNextStart)
{
    start();
    // Larger, and still within the screen (a kept size is cut to the screen's).
    main->resize(main->size() + QSize(40, 30));
    QCoreApplication::processEvents();
    const QSize given = main->size();
    restart();
    EXPECT_EQ(main->size(), given);
    EXPECT_FALSE(main->isMaximized());

    main->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->isMaximized(); }, 2000));
    restart();
    EXPECT_TRUE(main->isMaximized());
}

} // namespace
