#pragma once

#include <vector>

#include <QWidget>

class DBGrid;
class DBText;
class ImageButton;
class Tdm1;

// The Overview page: the statement list and the totals of the selected statement, with
// the Add, Edit, Delete and Print buttons.
class OverviewPage : public QWidget
{
    Q_OBJECT

public:
    struct Total
    {
        const char *caption;
        const char *field;
        const char *control; // empty for the bold totals, which take no click
    };
    static const std::vector<Total> &assetTotals();
    static const std::vector<Total> &liabilityTotals();

    OverviewPage(Tdm1 &dm, QWidget *parent = nullptr);

    DBGrid *grid() const { return m_grid; }
    ImageButton *addButton() const { return m_add; }
    ImageButton *editButton() const { return m_edit; }
    ImageButton *deleteButton() const { return m_delete; }
    ImageButton *printButton() const { return m_print; }

    // Totals drawn black, action buttons at rest.
    void restHover();

signals:
    // A clickable total was clicked: its control's name (dbE1 ...).
    void totalClicked(const QString &control);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void addColumn(const std::vector<Total> &totals, int captionX, int captionWidth, int valueX);
    ImageButton *actionButton(QPoint position, const QString &name);

    Tdm1 &m_dm;
    DBGrid *m_grid;
    std::vector<DBText *> m_clickable;
    ImageButton *m_delete;
    ImageButton *m_add;
    ImageButton *m_edit;
    ImageButton *m_print;
};
