#include "response/ResonanceList.h"

#include <algorithm>

#include "response/ResponseTexts.h"

ResonanceList::ResonanceList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("resonances"));
    // A line with its Q and band is longer than the column is wide.
    setWordWrap(true);
}

void ResonanceList::showResonances(const std::vector<SweepPoint>& points,
                                   const std::vector<Resonance>& resonances,
                                   const std::vector<std::optional<Bandwidth>>& bands) {
    clear();
    if (std::none_of(points.begin(), points.end(), [](const SweepPoint& p) { return p.valid; }))
        return;
    if (resonances.empty()) addItem(QStringLiteral("この範囲にはありません"));
    for (std::size_t i = 0; i < resonances.size(); ++i)
        addItem(resonanceText(resonances[i]) +
                (i < bands.size() && bands[i] ? bandwidthText(*bands[i]) : QString()));
}

QString ResonanceList::text() const {
    if (count() == 0) return {};
    QString lines = QStringLiteral("共振点\n");
    for (int i = 0; i < count(); ++i) lines += item(i)->text() + u'\n';
    return lines;
}
