#pragma once

#include <QString>
#include <QStringList>

#include "engine/WiredCheck.h"

// One line on what the nodal analysis of the drawing as wired says about the calculation:
// "図の配線による検算：一致" when both agree, otherwise the wired impedance in the result unit,
// rounded as the result fields round, or why there is none.
QString wiredCheckText(const WiredCheck& check, double resultUnitFactor);

// Each slot's part as its picture is read out: the kind, then its value labels ("抵抗 100Ω").
QStringList partNames(const CircuitModel& model);

// "計算に入っていない素子：抵抗 100Ω, …" for the parts placed but not in the result; empty when
// every placed part is in it.
QString notInResultText(const WiredCheck& check, const CircuitModel& model);
