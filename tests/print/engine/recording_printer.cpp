#include "recording_printer.h"

#include <QHash>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QTextItem>

class RecordingPrinter::Engine : public QPaintEngine, public QPrintEngine
{
public:
    Engine(const QString &name, int resolution, bool makesCopies)
        : QPaintEngine(AllFeatures), m_name(name), m_resolution(resolution), m_makesCopies(makesCopies)
    {
        m_properties[PPK_QPageLayout] = QVariant::fromValue(
            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        m_properties[PPK_CopyCount] = 1;
    }

    // QPaintEngine
    bool begin(QPaintDevice *) override
    {
        m_state = QPrinter::Active;
        m_copiesAtBegin = m_properties.value(PPK_CopyCount).toInt();
        ++m_jobs;
        ++m_sheets;
        return true;
    }
    bool end() override
    {
        m_state = QPrinter::Idle;
        return true;
    }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawRects(const QRectF *, int count) override { m_rectangles += count; }
    void drawRects(const QRect *, int count) override { m_rectangles += count; }
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        m_texts.push_back({m_sheets, item.text(), p, item.width(), item.font().pointSizeF()});
    }
    Type type() const override { return User; }

    // QPrintEngine
    void setProperty(PrintEnginePropertyKey key, const QVariant &value) override { m_properties[key] = value; }
    QVariant property(PrintEnginePropertyKey key) const override
    {
        switch (key) {
        case PPK_PrinterName:
            return m_name;
        case PPK_SupportsMultipleCopies:
            return m_makesCopies;
        case PPK_Resolution:
            return m_resolution;
        default:
            return m_properties.value(key);
        }
    }
    bool newPage() override
    {
        ++m_sheets;
        return true;
    }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric id) const override
    {
        const QPageLayout layout = qvariant_cast<QPageLayout>(m_properties.value(PPK_QPageLayout));
        const QRect full = layout.fullRectPixels(m_resolution);
        switch (id) {
        case QPaintDevice::PdmWidth:
            return full.width();
        case QPaintDevice::PdmHeight:
            return full.height();
        case QPaintDevice::PdmWidthMM:
            return int(layout.fullRect(QPageLayout::Millimeter).width());
        case QPaintDevice::PdmHeightMM:
            return int(layout.fullRect(QPageLayout::Millimeter).height());
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return m_resolution;
        case QPaintDevice::PdmNumColors:
            return INT_MAX;
        case QPaintDevice::PdmDepth:
            return 32;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }
    QPrinter::PrinterState printerState() const override { return m_state; }

    QString m_name;
    int m_resolution;
    bool m_makesCopies;
    QHash<int, QVariant> m_properties;
    QPrinter::PrinterState m_state = QPrinter::Idle;
    std::vector<Text> m_texts;
    int m_sheets = 0;
    int m_rectangles = 0;
    int m_copiesAtBegin = 0;
    int m_jobs = 0;
};

RecordingPrinter::RecordingPrinter(const QString &name, int resolution, bool makesCopies)
    : m_engine(std::make_unique<Engine>(name, resolution, makesCopies))
{
    setEngines(m_engine.get(), m_engine.get());
}

RecordingPrinter::~RecordingPrinter() = default;

const std::vector<RecordingPrinter::Text> &RecordingPrinter::texts() const
{
    return m_engine->m_texts;
}

int RecordingPrinter::sheets() const
{
    return m_engine->m_sheets;
}

int RecordingPrinter::rectangles() const
{
    return m_engine->m_rectangles;
}

int RecordingPrinter::copiesAtBegin() const
{
    return m_engine->m_copiesAtBegin;
}

int RecordingPrinter::jobs() const
{
    return m_engine->m_jobs;
}
