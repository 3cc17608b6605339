#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/DrawingFields.h"

// The drawing file's rules for one JSON value. A value that breaks its rule is refused with the
// field's name and where it stands in the file.
namespace json_fields {

// A file that breaks a rule; the text names the rule and where.
struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QJsonValue field(const QJsonObject& object, const char* name, const QString& where);
double number(const QJsonObject& object, const char* name, const QString& where);
std::string string(const QJsonObject& object, const char* name, const QString& where);
// A whole number from first to last, used at most once when `seen` is given.
int index(const QJsonObject& object, const char* name, const QString& where, int first, int last,
          std::vector<bool>* seen = nullptr);
QJsonArray array(const QJsonObject& object, const char* name, const QString& where);
QJsonObject object(const QJsonValue& value, const QString& where);

// Each kind of field is read by its own rule: a finite number, a string, a boolean, or the drag
// kind, 0 or 1.
template <typename Owner>
void readField(const QJsonObject& object, const NamedField<Owner>& named, const QString& where,
               Owner& owner) {
    const char* name = named.name;
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(owner.*member)>;
            if constexpr (std::is_same_v<Value, double>) {
                owner.*member = number(object, name, where);
            } else if constexpr (std::is_same_v<Value, std::string>) {
                owner.*member = string(object, name, where);
            } else if constexpr (std::is_same_v<Value, bool>) {
                const QJsonValue value = field(object, name, where);
                if (!value.isBool())
                    throw Refusal(
                        QStringLiteral("「%1」が真偽値ではありません").arg(name).toStdString());
                owner.*member = value.toBool();
            } else {
                owner.*member = static_cast<std::int16_t>(index(object, name, where, 0, 1));
            }
        },
        named.member);
}

template <typename Owner, std::size_t N>
void writeFields(QJsonObject& object, const std::array<NamedField<Owner>, N>& fields,
                 const Owner& owner) {
    for (const NamedField<Owner>& named : fields)
        std::visit(
            [&](auto member) {
                using Value = std::remove_cvref_t<decltype(owner.*member)>;
                if constexpr (std::is_same_v<Value, std::string>)
                    object[QLatin1String(named.name)] = text(owner.*member);
                else
                    object[QLatin1String(named.name)] = owner.*member;
            },
            named.member);
}

}  // namespace json_fields
