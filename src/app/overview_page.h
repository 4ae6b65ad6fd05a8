#pragma once

#include <vector>

#include <QWidget>

class Anchors;
class DBGrid;
class DBText;
class ImageButton;
class StatementExchangeMenu;
class Tdm1;

// The Overview page: the statement list and the totals of the selected statement, with
// the Add, Edit, Delete and Print buttons. Made larger than its 527 x 440, the list takes
// the room; the totals and the buttons stand under it, the two columns of totals spread
// over the width.
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
    StatementExchangeMenu &exchange() const { return *m_exchange; }

    // Totals drawn black, action buttons at rest.
    void restHover();

signals:
    // A clickable total was clicked: its control's name (dbE1 ...).
    void totalClicked(const QString &control);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // The column's share of the extra width: the asset column's captions take the first
    // half, the liability column moves by it and its captions take the second.
    void addColumn(const std::vector<Total> &totals, int captionX, int captionWidth, int valueX, qreal share);
    ImageButton *actionButton(QPoint position, const QString &name, qreal moveRight);

    Tdm1 &m_dm;
    Anchors *m_anchors;
    DBGrid *m_grid;
    StatementExchangeMenu *m_exchange;
    std::vector<DBText *> m_clickable;
    ImageButton *m_delete;
    ImageButton *m_add;
    ImageButton *m_edit;
    ImageButton *m_print;
};
