#include "response/RangeBar.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "text/NumberText.h"
#include "toolkit/PlainLabel.h"

namespace {

constexpr int kFewestPoints = 200;
constexpr int kMostPoints = 2000;

QLineEdit* field(const char* name, double value) {
    auto* edit = new QLineEdit(QString::fromStdString(plainText(value)));
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

}  // namespace

RangeBar::RangeBar(double start, double stop, int count, double reference, QWidget* parent)
    : QWidget(parent),
      mStart(field("startFrequency", start)),
      mStop(field("stopFrequency", stop)),
      mCount(new QSpinBox),
      mReference(field("referenceImpedance", reference)) {
    mCount->setObjectName(QStringLiteral("pointCount"));
    mCount->setRange(kFewestPoints, kMostPoints);
    mCount->setValue(count);
    auto* refresh = new QPushButton(QStringLiteral("更新"));
    refresh->setObjectName(QStringLiteral("refresh"));
    connect(refresh, &QPushButton::clicked, this, &RangeBar::refreshWanted);
    connect(mStart, &QLineEdit::returnPressed, this, &RangeBar::refreshWanted);
    connect(mStop, &QLineEdit::returnPressed, this, &RangeBar::refreshWanted);
    connect(mReference, &QLineEdit::textChanged, this, &RangeBar::referenceEdited);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new PlainLabel(QStringLiteral("開始 (Hz)")));
    row->addWidget(mStart);
    row->addWidget(new PlainLabel(QStringLiteral("終了 (Hz)")));
    row->addWidget(mStop);
    row->addWidget(new PlainLabel(QStringLiteral("点数")));
    row->addWidget(mCount);
    row->addWidget(new PlainLabel(QStringLiteral("基準 Z0 (Ω)")));
    row->addWidget(mReference);
    row->addWidget(refresh);
}

RangeReading RangeBar::range() const {
    return readRange(mStart->text(), mStop->text());
}

int RangeBar::count() const {
    return mCount->value();
}

QString RangeBar::referenceText() const {
    return mReference->text();
}

void RangeBar::showRange(double start, double stop) {
    mStart->setText(QString::fromStdString(plainText(start)));
    mStop->setText(QString::fromStdString(plainText(stop)));
}

void RangeBar::focusReference() {
    mReference->setFocus();
}
