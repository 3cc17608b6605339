#include "app/ResponseLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMetaObject>
#include <QWidget>

#include "toolkit/Messages.h"

QWidget* ResponseLibrary::window(QWidget* parent) {
    if (mWindow == nullptr && load(parent)) mWindow = mCreate(parent);
    return mWindow;
}

void ResponseLibrary::follow(ModelSnapshot& snapshot) const {
    if (mWindow != nullptr) mFollow(mWindow, snapshot);
}

QWidget* ResponseLibrary::show(QWidget* parent, ModelSnapshot& snapshot, QObject* keeper) {
    QWidget* shown = window(parent);
    if (shown == nullptr) return nullptr;
    QObject::connect(shown, SIGNAL(measurementsChanged(MeasurementSources)), keeper,
                     SLOT(setMeasurements(MeasurementSources)), Qt::UniqueConnection);
    QObject::connect(shown, SIGNAL(fitApplied(FittedDrawing)), keeper,
                     SLOT(applyFit(FittedDrawing)), Qt::UniqueConnection);
    follow(snapshot);
    shown->show();
    shown->raise();
    return shown;
}

void ResponseLibrary::openMeasurement(QWidget* parent, ModelSnapshot& snapshot, QObject* keeper) {
    if (QWidget* shown = show(parent, snapshot, keeper))
        QMetaObject::invokeMethod(shown, kOpenMeasurement);
}

void ResponseLibrary::showMeasurements(QWidget* parent, ModelSnapshot& snapshot, QObject* keeper,
                                       const MeasurementSources& sources) {
    QWidget* shown = sources.isEmpty() ? mWindow.data() : show(parent, snapshot, keeper);
    if (shown != nullptr)
        QMetaObject::invokeMethod(shown, kShowMeasurementSources,
                                  Q_ARG(MeasurementSources, sources));
}

// The library stays loaded to the end of the run: the window's code lives in it.
bool ResponseLibrary::load(QWidget* parent) {
    if (mCreate != nullptr) return true;
    const QString name = QString::fromLatin1(kResponseLibrary);
    QLibrary library(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    if (!library.load()) library.setFileName(name);
    mCreate = reinterpret_cast<CreateFrequencyResponse>(library.resolve(kCreateFrequencyResponse));
    mFollow = reinterpret_cast<FollowFrequencyResponse>(library.resolve(kFollowFrequencyResponse));
    if (mCreate != nullptr && mFollow != nullptr) return true;
    mCreate = nullptr;
    showCriticalMessage(
        parent, QStringLiteral("周波数特性を開けません。\n理由：%1").arg(library.errorString()));
    return false;
}
