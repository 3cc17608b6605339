#include "response/MarkerTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <complex>
#include <numbers>

#include "response/Reflection.h"
#include "response/ResponseSweep.h"
#include "results/NumberLabels.h"
#include "results/ResultUnits.h"

namespace {

const char* const kHeaders[] = {"", "周波数", "R", "X", "|Z|", "位相角", "|Γ|∠Γ", "VSWR"};
constexpr int kDigits = 6;

QString degrees(double angle) {
    return localNumber(angle, 5) + QStringLiteral("°");
}

}  // namespace

MarkerTable::MarkerTable(QWidget* parent) : QWidget(parent), mTable(new QTableWidget) {
    setObjectName(QStringLiteral("markers"));
    mTable->setObjectName(QStringLiteral("markerTable"));
    mTable->setColumnCount(static_cast<int>(std::size(kHeaders)));
    QStringList headers;
    for (const char* header : kHeaders) headers << QString::fromUtf8(header);
    mTable->setHorizontalHeaderLabels(headers);
    mTable->verticalHeader()->hide();
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto* clear = new QPushButton(QStringLiteral("マーカー消去"));
    clear->setObjectName(QStringLiteral("clearMarkers"));
    connect(clear, &QPushButton::clicked, this, [this] {
        mFrequencies = {};
        mNext = 0;
        emit cleared();
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mTable, 1);
    layout->addWidget(clear, 0, Qt::AlignTop);
    hide();
}

void MarkerTable::place(double frequency) {
    mFrequencies[mNext] = frequency;
    mNext = (mNext + 1) % mFrequencies.size();
}

std::vector<MarkedPoint> MarkerTable::show(const CircuitModel& model, double z0) {
    std::vector<double> frequencies;
    std::vector<int> numbers;
    for (std::size_t i = 0; i < mFrequencies.size(); ++i)
        if (mFrequencies[i]) {
            frequencies.push_back(*mFrequencies[i]);
            numbers.push_back(static_cast<int>(i) + 1);
        }
    const std::vector<SweepPoint> points = pointsAt(model, frequencies);
    std::vector<MarkedPoint> marked;
    for (std::size_t i = 0; i < points.size(); ++i) marked.push_back({numbers[i], points[i]});

    const double factor = model.resultUnitFactor;
    const QString unit = QString::fromStdString(resultUnitText(factor));
    const auto ohms = [&](double value) {
        return localNumber(value * factor, kDigits) + u' ' + unit;
    };
    mTable->setRowCount(0);
    for (const MarkedPoint& m : marked) {
        const SweepPoint& p = m.point;
        QStringList cells{QStringLiteral("M%1").arg(m.number),
                          siText(p.frequency, QStringLiteral("Hz"))};
        if (p.valid) {
            const std::complex<double> g = reflection(p.z, z0);
            const double size = std::abs(g);
            cells << ohms(p.z.re) << ohms(p.z.im) << ohms(std::hypot(p.z.re, p.z.im))
                  << degrees(p.phase)
                  << localNumber(size, 4) + QStringLiteral("∠") +
                         degrees(std::arg(g) * 180 / std::numbers::pi)
                  << (size < 1 ? localNumber((1 + size) / (1 - size), 4) : QStringLiteral("∞"));
        }
        addRow(cells);
    }
    for (std::size_t i = 1; i < marked.size(); ++i) {
        const SweepPoint &a = marked.front().point, &b = marked[i].point;
        if (!a.valid || !b.valid) continue;
        addRow({QStringLiteral("M%1−M%2").arg(marked[i].number).arg(marked.front().number),
                siText(b.frequency - a.frequency, QStringLiteral("Hz")), ohms(b.z.re - a.z.re),
                ohms(b.z.im - a.z.im),
                ohms(std::hypot(b.z.re, b.z.im) - std::hypot(a.z.re, a.z.im)),
                degrees(b.phase - a.phase)});
    }
    setVisible(!marked.empty());
    mShown = marked;
    return marked;
}

void MarkerTable::addRow(const QStringList& cells) {
    const int row = mTable->rowCount();
    mTable->insertRow(row);
    for (int column = 0; column < cells.size(); ++column)
        mTable->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QString MarkerTable::text() const {
    if (mTable->rowCount() == 0) return {};
    QStringList lines;
    QStringList headers;
    for (const char* header : kHeaders) headers << QString::fromUtf8(header);
    lines << headers.join(u'\t');
    for (int row = 0; row < mTable->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < mTable->columnCount(); ++column) {
            const QTableWidgetItem* cell = mTable->item(row, column);
            cells << (cell != nullptr ? cell->text() : QString());
        }
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}
