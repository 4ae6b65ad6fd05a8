// The list windows made larger by the user: the grid takes the room, everything else keeps
// its place or follows the bottom edge, and the size carries over the walk and to the next
// time a list window opens.
#include <map>

#include <QTest>

#include "data/engine/table.h"
#include "list_window_fixture.h"
#include "ui/db_grid.h"

namespace {

// With WORTHSHEET_SHOTS set, a window is also kept as a picture there, to be looked at.
void keepPicture(QWidget *widget, const char *name)
{
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty())
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

class ListWindowRoomTest : public ListWindowTest
{
protected:
    std::map<QString, QRect> places(QWidget *window)
    {
        std::map<QString, QRect> all;
        for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->objectName().isEmpty())
                all[child->objectName()] = child->geometry();
        return all;
    }
    void resizeTo(QWidget *window, QSize size)
    {
        window->resize(size);
        QCoreApplication::processEvents();
    }
};

TEST_F(ListWindowRoomTest, TheGridTakesTheRoomAndTheRestComesBackAtTheDefaultSize)
{
    SectionListEditor *cash = openFromLink("lblCash");
    ASSERT_TRUE(cash);
    ASSERT_EQ(cash->size(), QSize(553, 447));
    EXPECT_EQ(cash->minimumSize(), QSize(553, 447));
    const std::map<QString, QRect> atDefault = places(cash);
    ASSERT_GT(atDefault.size(), 15u);

    const QSize extra(347, 253);
    resizeTo(cash, QSize(553, 447) + extra);
    keepPicture(cash, "list_window_larger");
    const std::map<QString, QRect> larger = places(cash);
    const QRect grid = atDefault.at("DBGrid1");
    EXPECT_EQ(larger.at("DBGrid1"), grid.adjusted(0, 0, extra.width(), extra.height()));
    for (const auto &[name, place] : atDefault) {
        SCOPED_TRACE(name.toStdString());
        const QRect now = larger.at(name);
        if (name == "DBGrid1" || name == "imSectionBackground" || name.startsWith("lbl") && place.y() < 40)
            continue;
        // Every field, caption and button keeps its size and moves by whole room or none.
        EXPECT_EQ(now.size(), place.size());
        const QPoint moved = now.topLeft() - place.topLeft();
        EXPECT_TRUE(moved.x() == 0 || moved.x() == extra.width()) << moved.x();
        EXPECT_TRUE(moved.y() == 0 || moved.y() == extra.height()) << moved.y();
        // Nothing that stood below the grid ends up under it.
        if (place.top() >= grid.bottom())
            EXPECT_GT(now.top(), larger.at("DBGrid1").bottom());
    }
    EXPECT_EQ(larger.at("btnOK").topLeft(), atDefault.at("btnOK").topLeft() + QPoint(extra.width(), extra.height()));
    EXPECT_EQ(larger.at("btnAdd").topLeft(), atDefault.at("btnAdd").topLeft() + QPoint(0, extra.height()));

    resizeTo(cash, QSize(553, 447));
    EXPECT_EQ(places(cash), atDefault);
}

TEST_F(ListWindowRoomTest, TheSizeGoesOnWithTheWalkAndIsKeptForTheNextOpening)
{
    SectionListEditor *cash = openFromLink("lblCash");
    ASSERT_TRUE(cash);
    const int gridWidth = cash->findChild<QWidget *>("DBGrid1")->width();
    resizeTo(cash, {760, 540});
    clickButton("btnNext");
    ASSERT_EQ(shownClass(), "TfrmInvestments");
    EXPECT_EQ(shown()->size(), QSize(760, 540));
    clickButton("btnClose");
    ASSERT_TRUE(main->isVisible());

    SectionListEditor *expenses = openFromLink("lblExpenses");
    ASSERT_TRUE(expenses);
    EXPECT_EQ(expenses->size(), QSize(760, 540));
    // The grid holds the room at once, as it would after a resize.
    EXPECT_EQ(expenses->findChild<QWidget *>("DBGrid1")->width(), gridWidth + 760 - 553);
}

} // namespace
