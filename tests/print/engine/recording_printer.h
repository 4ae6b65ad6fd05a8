#pragma once

#include <memory>
#include <vector>

#include <QPointF>
#include <QPrinter>
#include <QString>

// Stands in for a real printer: a QPrinter whose engines record what is printed on it,
// sheet by sheet, at a chosen resolution, and that makes copies itself or not.
class RecordingPrinter : public QPrinter
{
public:
    struct Text
    {
        int sheet = 0;
        QString text;
        QPointF baseline; // device units
        double width = 0; // device units
        double pointSize = 0;
    };

    RecordingPrinter(const QString &name, int resolution, bool makesCopies);
    ~RecordingPrinter() override;

    const std::vector<Text> &texts() const;
    int sheets() const;
    int rectangles() const;
    // The copy count the printer had when printing began, and how often it began.
    int copiesAtBegin() const;
    int jobs() const;

private:
    class Engine;
    std::unique_ptr<Engine> m_engine;
};
