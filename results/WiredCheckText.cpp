#include "results/WiredCheckText.h"

#include "model/Palette.h"
#include "results/NumberLabels.h"

namespace {

// The imaginary part keeps its own sign behind the fixed "＋ｊ", as in the result fields.
QString impedanceText(const Complex& z, double factor) {
    return QStringLiteral("Z = ") + shownText(z.re, factor) + QStringLiteral(" ＋ｊ") +
           shownText(z.im, factor);
}

QString verdict(const WiredCheck& check, double factor) {
    switch (check.outcome) {
        case WiredOutcome::Solved: break;
        case WiredOutcome::NoPartPlaced: return QStringLiteral("素子がありません");
        case WiredOutcome::NoPort:
            return QStringLiteral("計算の道筋が終わらず、端子が決まりません");
        case WiredOutcome::Singular: return QStringLiteral("解けません（特異）");
        case WiredOutcome::PortOneNode: return QStringLiteral("端子間が短絡しています");
        case WiredOutcome::PortOpen: return QStringLiteral("端子間がつながっていません");
    }
    const Complex& wired = *check.impedance;
    if (!check.calculated)
        return impedanceText(wired, factor) + QStringLiteral("（計算では求まりません）");
    if (AgreesWithCalculation(wired, *check.calculated)) return QStringLiteral("一致");
    return impedanceText(wired, factor) + QStringLiteral("（計算と異なります）");
}

}  // namespace

QString wiredCheckText(const WiredCheck& check, double resultUnitFactor) {
    return QStringLiteral("図の配線による検算：") + verdict(check, resultUnitFactor);
}

// A part as its picture is read out: the kind, then its value labels ("抵抗 100Ω").
QStringList partNames(const CircuitModel& model) {
    QStringList names;
    for (int s = 0; s <= kSlotCount; ++s) {
        if (!isPartSlot(s)) {
            names << QString();
            continue;
        }
        QString name = QString::fromUtf8(kindRow(kindOfSlot(s)).name);
        const std::size_t captions = kindOfSlot(s) == PartKind::Impedance ? 2 : 1;
        for (std::size_t element = 0; element < captions; ++element) {
            const QString caption = QString::fromStdString(model.valueCaption[s][element]);
            if (!caption.trimmed().isEmpty()) name += u' ' + caption.trimmed();
        }
        names << name;
    }
    return names;
}

QString notInResultText(const WiredCheck& check, const CircuitModel& model) {
    if (check.partsNotInResult.empty()) return {};
    const QStringList names = partNames(model);
    QStringList left;
    for (int s : check.partsNotInResult) left << names.value(s);
    return QStringLiteral("計算に入っていない素子：") + left.join(QStringLiteral(", "));
}
