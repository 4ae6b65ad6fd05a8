#pragma once

#include <QWidget>

class ClickLabel;
class Tdm1;

// The Financial Statement page: a link to every section of the selected statement, its
// name and four of its totals.
class StatementPage : public QWidget
{
    Q_OBJECT

public:
    StatementPage(Tdm1 &dm, QWidget *parent = nullptr);

signals:
    void linkClicked(const QString &control);

private:
    Tdm1 &m_dm;
};
