#include "response/ResonanceList.h"

#include <algorithm>

#include "response/ResponseTexts.h"

ResonanceList::ResonanceList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("resonances"));
}

void ResonanceList::showResonances(const std::vector<SweepPoint>& points,
                                   const std::vector<Resonance>& resonances) {
    clear();
    if (std::none_of(points.begin(), points.end(), [](const SweepPoint& p) { return p.valid; }))
        return;
    if (resonances.empty()) addItem(QStringLiteral("この範囲にはありません"));
    for (const Resonance& r : resonances) addItem(resonanceText(r));
}

QString ResonanceList::text() const {
    if (count() == 0) return {};
    QString lines = QStringLiteral("共振点\n");
    for (int i = 0; i < count(); ++i) lines += item(i)->text() + u'\n';
    return lines;
}
