#include "fit/FitStop.h"

bool isConvergence(FitStop stop) {
    switch (stop) {
        case FitStop::SumStopsFalling:
        case FitStop::StepsTooSmall:
        case FitStop::SumAndStepsTooSmall:
        case FitStop::GradientVanishes:
        case FitStop::MachinePrecision: return true;
        case FitStop::TooManyEvaluations:
        case FitStop::SolverRefused:
        case FitStop::Cancelled:
        case FitStop::NothingToFit: return false;
    }
    return false;
}

std::string_view describe(FitStop stop) {
    switch (stop) {
        case FitStop::SumStopsFalling: return "残差の二乗和がもう減りません";
        case FitStop::StepsTooSmall: return "値がもう動きません";
        case FitStop::SumAndStepsTooSmall: return "残差の二乗和が減らず、値も動きません";
        case FitStop::GradientVanishes: return "二乗和を下げる方向がありません";
        case FitStop::MachinePrecision: return "倍精度ではこれ以上二乗和が下がりません";
        case FitStop::TooManyEvaluations: return "評価回数の上限に達しました（収束せず）";
        case FitStop::SolverRefused: return "ソルバーが入力を受け付けませんでした";
        case FitStop::Cancelled: return "中止しました";
        case FitStop::NothingToFit:
            return "フィットできる値がありません（すべて固定か計算結果に入りません）";
    }
    return "";
}
