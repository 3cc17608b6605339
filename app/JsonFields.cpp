#include "app/JsonFields.h"

#include <cmath>

namespace json_fields {

QJsonValue field(const QJsonObject& object, const char* name, const QString& where) {
    QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined())
        throw Refusal((where + QStringLiteral("：項目「%1」がありません").arg(name)).toStdString());
    return value;
}

double number(const QJsonObject& object, const char* name, const QString& where) {
    const QJsonValue value = field(object, name, where);
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        throw Refusal(
            (where + QStringLiteral("：「%1」が有限の数ではありません").arg(name)).toStdString());
    return value.toDouble();
}

std::string string(const QJsonObject& object, const char* name, const QString& where) {
    const QJsonValue value = field(object, name, where);
    if (!value.isString())
        throw Refusal(
            (where + QStringLiteral("：「%1」が文字列ではありません").arg(name)).toStdString());
    return value.toString().toStdString();
}

int index(const QJsonObject& object, const char* name, const QString& where, int first, int last,
          std::vector<bool>* seen) {
    const double value = number(object, name, where);
    if (value != std::floor(value) || value < first || value > last)
        throw Refusal(
            (where + QStringLiteral("：「%1」は %2〜%3 の整数です").arg(name).arg(first).arg(last))
                .toStdString());
    const int i = static_cast<int>(value);
    if (seen != nullptr && (*seen)[i])
        throw Refusal(
            (where + QStringLiteral("：%1 %2 が二度あります").arg(name).arg(i)).toStdString());
    if (seen != nullptr) (*seen)[i] = true;
    return i;
}

QJsonArray array(const QJsonObject& object, const char* name, const QString& where) {
    const QJsonValue value = field(object, name, where);
    if (!value.isArray())
        throw Refusal(
            (where + QStringLiteral("：「%1」が配列ではありません").arg(name)).toStdString());
    return value.toArray();
}

QJsonObject object(const QJsonValue& value, const QString& where) {
    if (!value.isObject())
        throw Refusal((where + QStringLiteral("：オブジェクトではありません")).toStdString());
    return value.toObject();
}

}  // namespace json_fields
