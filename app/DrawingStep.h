#pragma once

#include <QUndoCommand>
#include <functional>

#include "model/DrawingState.h"

// One editing step: the drawing as it was before and after. Undo and redo put one of the two
// states back through `apply`; pushing the step does nothing, the edit having been made.
class DrawingStep : public QUndoCommand {
public:
    using Apply = std::function<void(const DrawingState&)>;
    DrawingStep(const QString& text, DrawingState before, DrawingState after, Apply apply);

    void undo() override;
    void redo() override;

private:
    DrawingState mBefore;
    DrawingState mAfter;
    Apply mApply;
    bool mPushed = false;
};
